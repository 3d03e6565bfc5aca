// The folder listing behind the file dialog, the batch re-save and the instrument scan, on real
// folders made for each test: what is kept, how it is sorted, and folders that cannot be listed.
#include <gtest/gtest.h>
#include "shell/dialog.h"
#include "shell/Hl_MNW.h"
#include "tests/support/ww_test.h"
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <dirent.h>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {

std::vector<std::string> listed(void)
{
    return std::vector<std::string>(g_file, g_file + g_file_count);
}

int type_of(const std::string& name)
{
    for (int i = 0; i < g_file_count; i++)
        if (g_file[i] == name) return g_file_type[i];
    return -1;
}

class DialogListing : public ::testing::Test {
protected:
    std::string dir;
    void SetUp() override
    {
        MACIBM_zero_records();
        ww_catch_alerts();
        dir = ww_temp_dir("dialog");
        wrk_path = dir;
    }
    void files(std::initializer_list<const char*> names)
    {
        for (const char* n : names) ASSERT_TRUE(ww_write_bytes(dir + n, "")) << n;
    }
    void folders(std::initializer_list<const char*> names)
    {
        for (const char* n : names) ASSERT_TRUE(std::filesystem::create_directory(dir + n)) << n;
    }
};

TEST_F(DialogListing, SortsByteWiseSoUpperCaseComesFirst)
{
    files({"apple.acf", "Zebra.acf", "banana.acf", "Apple.acf", "_under.acf", "0zero.acf"});
    folders({"sub", "Mid"});
    ASSERT_EQ(opensave_getitems(4), 8);
    EXPECT_EQ(listed(), (std::vector<std::string>{"0zero.acf", "Apple.acf", "Mid", "Zebra.acf", "_under.acf",
                                                  "apple.acf", "banana.acf", "sub"}));
    // Type and path move with the name.
    for (int i = 0; i < g_file_count; i++) {
        bool folder = g_file[i] == "sub" || g_file[i] == "Mid";
        EXPECT_EQ(g_file_type[i], folder ? 1 : 4) << g_file[i];
        EXPECT_EQ(g_path[i], dir + g_file[i] + (folder ? ":" : "")) << g_file[i];
    }
}

TEST_F(DialogListing, FoldersAlwaysHiddenNeverFilesByType)
{
    files({"a.wpn", "b.ACF", "noext", ".hidden.acf", "c.afl", "d.Png", "e.bmp"});
    folders({"Jets", ".git", "x.acf"});
    const std::pair<int, std::vector<std::string>> kinds[] = {
        {4, {"Jets", "b.ACF", "x.acf"}}, {3, {"Jets", "a.wpn", "x.acf"}}, {16, {"Jets", "d.Png", "e.bmp", "x.acf"}}};
    for (const auto& [type, names] : kinds) {
        EXPECT_EQ(opensave_getitems(type), (int)names.size());
        EXPECT_EQ(listed(), names);
        EXPECT_EQ(type_of("x.acf"), 1);             // a folder stays a folder whatever it is called
    }
    EXPECT_EQ(opensave_getitems(0), 8);             // everything but the hidden entries
    EXPECT_EQ(type_of("noext"), 0);
    EXPECT_EQ(type_of("c.afl"), 2);
    EXPECT_EQ(type_of(".hidden.acf"), -1);
    EXPECT_EQ(type_of(".git"), -1);
}

TEST_F(DialogListing, ExtensionsAreTheLastFourCharactersInAnyCase)
{
    static const struct { const char* name; int type; } cases[] = {
        {"a.afl", 2},  {"a.WPN", 3},  {"a.Acf", 4},  {"a.obj", 5},  {"a.sit", 6},  {"a.smo", 7},
        {"a.log", 8},  {"a.fms", 9},  {"a.gam", 10}, {"a.tra", 11}, {"a.car", 12}, {"a.spa", 13},
        {"a.reg", 14}, {"a.wav", 15}, {"a.bmp", 16}, {"a.pNg", 16}, {"a.env", 17}, {"a.fdr", 20},
        {".acf", 4},   {"acf", 0},    {"a.acfx", 0}, {"a.jpg", 0},  {"aacf", 0},
    };
    for (const auto& c : cases) {
        g_file[0] = c.name;
        g_path[0] = dir + c.name;
        g_file_type[0] = 0;
        int kept = opensave_takeit(0, c.type);
        EXPECT_EQ(g_file_type[0], c.type) << c.name;
        EXPECT_EQ(kept, c.name[0] != '.') << c.name;   // asked for its own type, or for everything
    }
    g_file[0] = "";                                  // an empty name is never an entry
    EXPECT_EQ(opensave_takeit(0, 0), 0);
    EXPECT_EQ(opensave_takeit(-1, 0), 0);
    EXPECT_EQ(opensave_takeit(IO_LIST_MAX, 0), 0);
}

TEST_F(DialogListing, InstrumentScanSkipsPanelsAndNumberedFrames)
{
    bmp_path = dir;
    folders({"cockpit"});
    wrk_path = dir + "cockpit:";
    files({"cockpit/alt.png", "cockpit/alt-1.png", "cockpit/alt-4.PNG", "cockpit/alt-5.png", "cockpit/asi.bmp",
           "cockpit/asi-2.bmp", "cockpit/notes.txt", "cockpit/ils.acf", "cockpit/-3.png"});
    folders({"cockpit/-PANELS-", "cockpit/gauges"});
    files({"cockpit/-PANELS-/Panel.png"});
    EXPECT_EQ(opensave_getitems(19), 4);
    EXPECT_EQ(listed(), (std::vector<std::string>{"alt-5.png", "alt.png", "asi.bmp", "gauges"}));
    // Inside the panels folder nothing is an instrument, however the path is spelt.
    wrk_path = dir + "COCKPIT:-panels-:";
    EXPECT_EQ(opensave_getitems(19), 0);
    wrk_path = dir + "cockpit/-PANELS-/";
    EXPECT_EQ(opensave_getitems(19), 0);
    EXPECT_EQ(opensave_getitems(16), 1);            // an ordinary bitmap listing shows it
}

TEST_F(DialogListing, TerrainScanSkipsCornerTiles)
{
    files({"tileC1.png", "tileC2.bmp", "tileC3.png", "tileC4.png", "C1.png", "tileC5.png", "tile.png",
           "tile.acf", "tile1.png"});
    folders({"more"});
    EXPECT_EQ(opensave_getitems(18), 4);
    EXPECT_EQ(listed(), (std::vector<std::string>{"more", "tile.png", "tile1.png", "tileC5.png"}));
}

TEST_F(DialogListing, FullFolderKeepsTheFirstThousandInHostOrderThenSorts)
{
    for (int i = 0; i < 1200; i++) {
        char name[32];
        snprintf(name, sizeof name, i % 7 ? "plane%04d.acf" : ".hidden%04d", i);
        ASSERT_TRUE(ww_write_bytes(dir + name, ""));
    }
    // What the host hands out first is what must be kept.
    std::vector<std::string> expect;
    DIR* d = opendir(dir.c_str());
    ASSERT_NE(d, nullptr);
    while (dirent* e = readdir(d))
        if (e->d_name[0] != '.' && expect.size() < IO_LIST_MAX) expect.push_back(e->d_name);
    closedir(d);
    ASSERT_EQ(expect.size(), (size_t)IO_LIST_MAX);   // 1,028 visible: some are left out
    std::sort(expect.begin(), expect.end());

    int n = opensave_getitems(4);
    EXPECT_EQ(n, (int)expect.size());
    EXPECT_EQ(listed(), expect);

    for (int i = 0; i < 200; i++) {
        char name[32];
        snprintf(name, sizeof name, "extra%04d.acf", i);
        ASSERT_TRUE(ww_write_bytes(dir + name, ""));
    }
    EXPECT_EQ(opensave_getitems(4), IO_LIST_MAX);
    EXPECT_TRUE(std::is_sorted(g_file, g_file + IO_LIST_MAX));
}

TEST_F(DialogListing, UnreadableOrMissingFolderListsNothing)
{
    files({"a.acf", "b.acf", "file.acf"});
    ASSERT_EQ(opensave_getitems(4), 3);
    wrk_path = dir + "missing:";
    EXPECT_EQ(opensave_getitems(4), 0);
    EXPECT_EQ(g_file_count, 0);
    EXPECT_EQ(g_file[0], "");                        // nothing of the last listing is left to draw
    EXPECT_EQ(g_path[1], "");
    wrk_path = dir + "file.acf:";                    // a file where a folder should be
    EXPECT_EQ(opensave_getitems(4), 0);
    EXPECT_TRUE(g_test_alerts.empty());
}

TEST_F(DialogListing, OddEntriesNeitherBreakNorJoinTheListing)
{
    std::string long_name(251, 'L');
    long_name += ".acf";
    files({"pipe|name.acf", "dash-name.acf", "brace{.acf", "\xe9t\xe9.acf"});
    ASSERT_TRUE(ww_write_bytes(dir + long_name, ""));
    folders({"real"});
    ASSERT_EQ(mkfifo((dir + "fifo.acf").c_str(), 0644), 0);
    ASSERT_EQ(symlink((dir + "gone.acf").c_str(), (dir + "dangling.acf").c_str()), 0);
    ASSERT_EQ(symlink((dir + "real").c_str(), (dir + "linked").c_str()), 0);
    EXPECT_EQ(opensave_getitems(4), 7);
    EXPECT_EQ(type_of("fifo.acf"), -1);              // nothing that could block a read
    EXPECT_EQ(type_of("dangling.acf"), -1);
    EXPECT_EQ(type_of("linked"), 1);
    EXPECT_EQ(type_of(long_name), 4);
    EXPECT_EQ(type_of("pipe|name.acf"), 4);
    EXPECT_TRUE(g_test_alerts.empty());
}

TEST_F(DialogListing, WorkingPathWithoutSeparatorIsAProgrammingError)
{
    files({"a.acf"});
    for (std::string bad : {dir + "a.acf", dir.substr(0, dir.size() - 1), std::string()}) {
        wrk_path = bad;
        ww_fatal f = ww_fatal_of([] { opensave_getitems(4); });
        EXPECT_EQ(f.lines[0], "Working path does not appear to be a directory!") << bad;
        EXPECT_EQ(f.lines[2], "I need to end all paths with the directory indicator!");
    }
    for (std::string good : {dir, dir.substr(0, dir.size() - 1) + ":", dir.substr(0, dir.size() - 1) + "\\"}) {
        wrk_path = good;
        EXPECT_EQ(opensave_getitems(4), 1) << good;
    }
}

// Callers such as the file button run the dialog inside a frame; with no window it must come
// straight back instead of waiting for frames that never run.
TEST_F(DialogListing, WithoutAWindowTheDialogChoosesNothingAndComesBack)
{
    std::string file = "c172.acf", path = "p";
    char cfile[500] = "a.wpn", cpath[500] = "q";
    EXPECT_EQ(dialog_opensave(998, 4, &file, &path), 0);
    EXPECT_EQ(dialog_opensave(999, 3, cfile, cpath), 0);
    EXPECT_EQ(file, "c172.acf");
    EXPECT_STREQ(cfile, "a.wpn");
}

}  // namespace
