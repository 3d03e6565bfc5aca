// Aircraft files: the exact image round trip, big-endian files, which reader gets which version,
// the program-folder rule, the file-name rule on save, saves that fail part-way (they must leave
// the old file whole), and damaged files.
#include <gtest/gtest.h>
#include "model/IO_ACF.h"
#include "editor/PLN_MAIN.h"
#include "model/acf_struct.h"
#include "model/set_struct.h"
#include "shell/Hl_MNW.h"
#include "base/IO_TYPED.h"
#include "base/IO_UTILS.h"
#include "base/hl_string.h"
#include "tests/support/ww_test.h"
#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <sys/wait.h>
#include <type_traits>
#include <unistd.h>
#include <vector>

namespace {

const size_t kFileBytes = 5 + ACF_IMAGE_BYTES;

std::string read_bytes(const std::string& path) { return ww_read_bytes(IO_host_path(path)); }
void write_bytes(const std::string& path, const std::string& bytes) { ww_write_bytes(IO_host_path(path), bytes); }

std::string image_of(int p) { return std::string(reinterpret_cast<const char*>(&veh[p]), ACF_IMAGE_BYTES); }

// Which bytes of the stored image hold characters (the two padding bytes after ICAO included),
// taken from the record's field list.
std::vector<bool> char_bytes(void)
{
    std::vector<bool> is_char(ACF_IMAGE_BYTES, false);
#define MARK_CHAR(field, off, type, count)                                                  \
    if (std::is_same_v<type, char> && (off) < ACF_IMAGE_BYTES)                              \
        for (size_t i = 0; i < sizeof(type) * (count) && (off) + i < (size_t)ACF_IMAGE_BYTES; i++) \
            is_char[(off) + i] = true;
    VEH_STRUCT_LAYOUT(MARK_CHAR)
#undef MARK_CHAR
    size_t pad = offsetof(veh_struct, ICAO) + sizeof(veh_struct::ICAO);
    is_char[pad] = is_char[pad + 1] = true;
    return is_char;
}

// Every field of the image gets a value of its own: ints and floats from their offset, text with
// readable words, the padding after ICAO too, so a byte out of place anywhere shows.
void fill_varied(int p)
{
    memset(&veh[p], 0, sizeof(veh_struct));
    unsigned char* b = reinterpret_cast<unsigned char*>(&veh[p]);
    std::vector<bool> is_char = char_bytes();
    for (int off = 0; off < ACF_IMAGE_BYTES; off += 4) {
        if (is_char[off]) {
            for (int i = 0; i < 4; i++) b[off + i] = (unsigned char)('a' + (off / 4 + i) % 26);
        } else if ((off / 4) % 2) {
            float f = 0.37f * (float)off - 1000.0f;
            memcpy(b + off, &f, 4);
        } else {
            int v = -(off * 7 + 3);
            memcpy(b + off, &v, 4);
        }
    }
    veh_struct& v = veh[p];
    v.is_APL = 0;
    STR_put(v.tailnum, "N172SV");
    STR_put(v.author, "Ada Designer, Hangar 3");
    STR_put(v.descrip, "A four-seat high wing trainer.");
    STR_put(v.Rafl0[8], "NACA 2412.afl");
    STR_put(v.Tafl1[43], "tip foil.afl");
    STR_put(v.wpn_name[3], "Weapons:bomb 500lb.wpn");
    STR_put(v.ICAO, "C172");
    v.is_hm = 'h';
    v.is_ga = 'g';
    v.rev_con[5] = 1;
    v.xchr_overflow[6] = 'z';
    v.num_engines = 2;
    v.num_thrustpoints = 3;
    v.engn_type[0] = 1;
    v.engn_type[1] = 2;
    v.part_eq[8] = 1;
    v.a_xyz[3][4][5][1] = 123.0f;   // a run-time field: never part of the file
}

// What a big-endian writer makes of the same record: marker "a", the version most significant
// byte first, a non-zero byte-order mark, every number word reversed and the text as stored.
std::string big_endian_twin(const std::string& le_file)
{
    std::string out = le_file;
    out[0] = 'a';
    out[1] = 0;
    out[2] = 0;
    out[3] = 0x02;
    out[4] = (char)0xE4;
    std::vector<bool> is_char = char_bytes();
    char* img = &out[5];
    int one = 1;
    memcpy(img, &one, 4);
    for (int off = 0; off < ACF_IMAGE_BYTES; off += 4) {
        if (is_char[off] || is_char[off + 3]) continue;
        std::swap(img[off], img[off + 3]);
        std::swap(img[off + 1], img[off + 2]);
    }
    return out;
}

// Compare two images byte for byte outside the fields that reading replaces.
void expect_same_image_except_replaced(const std::string& a, const std::string& b, bool skip_is_APL)
{
    ASSERT_EQ(a.size(), b.size());
    struct range { size_t lo, hi; };
    std::vector<range> skip = {
        {offsetof(veh_struct, name), offsetof(veh_struct, name) + sizeof(veh_struct::name)},
        {offsetof(veh_struct, path), offsetof(veh_struct, path) + sizeof(veh_struct::path)},
        {offsetof(veh_struct, cockpit_M), offsetof(veh_struct, cockpit_M) + 4},
    };
    if (skip_is_APL) skip.push_back({0, 4});
    size_t differ = 0, first = 0;
    for (size_t i = 0; i < a.size(); i++) {
        bool skipped = false;
        for (const range& r : skip) skipped |= i >= r.lo && i < r.hi;
        if (!skipped && a[i] != b[i] && !differ++) first = i;
    }
    EXPECT_EQ(differ, 0u) << "first difference at image byte " << first;
}

std::vector<std::string> folder_entries(const std::string& dir)   // sorted
{
    std::vector<std::string> names;
    for (const auto& e : std::filesystem::directory_iterator(IO_host_path(dir))) names.push_back(e.path().filename());
    std::sort(names.begin(), names.end());
    return names;
}

int s_fault_step, s_fault_errno;
long s_fault_after;
int fault_hook(int step, long bytes_done)
{
    return step == s_fault_step && bytes_done >= s_fault_after ? s_fault_errno : 0;
}

int kill_hook(int step, long bytes_done)
{
    if (step == IO_SAVE_WRITE && bytes_done >= 300000) raise(SIGKILL);
    return 0;
}

}  // namespace

class AcfFiles : public ::testing::Test {
protected:
    void SetUp() override
    {
        MACIBM_zero_records();
        ww_catch_alerts();
        MACIBM_build_paths(ww_temp_dir("acf").c_str());   // the program folder: files inside it are read
        MACIBM_fill_constants();
        dir = acf_path + "tests:";
        ASSERT_TRUE(IO_make_folders(dir + "x"));
    }
    void set_paths(int p, const std::string& path, const std::string& name = "plane.acf")
    {
        STR_put(veh[p].path, path);
        STR_put(veh[p].name, name);
    }
    // Alerts name files as a person would type them in a shell.
    bool alerted_about(const std::string& path, int type = 16)
    {
        for (const ww_alert_record& a : g_test_alerts)
            for (const std::string& l : a.lines)
                if (a.type == type && l.find(IO_host_path(path)) != std::string::npos) return true;
        return false;
    }
    // The records these tests save are byte patterns, not designs: the validity check reports
    // them, which is its business, not the file code's.
    static void drop_check_alerts(void)
    {
        std::erase_if(g_test_alerts, [](const ww_alert_record& a) { return a.lines[3].starts_with("I CAN READ AND WRITE"); });
    }
    std::string dir;
};

TEST_F(AcfFiles, RoundTripIsExactOverTheWholeImage)
{
    fill_varied(0);
    veh[0].is_APL = 7;   // the writer always stores 0
    const std::string path = dir + "round.acf";
    set_paths(0, path, "stored name.acf");
    ASSERT_EQ(IO_acf(1, 0, 0), 1);
    EXPECT_EQ(veh[0].is_APL, 0);
    const std::string saved = image_of(0);

    // Header and image, nothing else: no run-time field reaches the file.
    std::string file = read_bytes(path);
    ASSERT_EQ(file.size(), kFileBytes);
    EXPECT_EQ(file.substr(0, 5), std::string("i\xE4\x02\x00\x00", 5));
    EXPECT_TRUE(file.compare(5, ACF_IMAGE_BYTES, saved) == 0);

    // Saving again writes the same bytes, and leaves no temporary behind.
    ASSERT_EQ(IO_acf(1, 0, 0), 1);
    EXPECT_EQ(read_bytes(path), file);
    EXPECT_EQ(folder_entries(dir), std::vector<std::string>{"round.acf"});

    // Reading it back under another name gives every byte again but the name, the path and the
    // cockpit object handle, which belong to this opening.
    memset(&veh[0], 0x55, sizeof(veh_struct));
    set_paths(0, path, "opened as.acf");
    ASSERT_EQ(IO_acf(0, 0, 0), 1);
    expect_same_image_except_replaced(image_of(0), saved, false);
    EXPECT_STREQ(veh[0].name, "opened as.acf");
    EXPECT_STREQ(veh[0].path, path.c_str());
    EXPECT_EQ(veh[0].cockpit_M, -1);
    EXPECT_EQ(veh[0].a_xyz[3][4][5][1], 0.0f);   // the record was cleared before reading
    drop_check_alerts();
    EXPECT_TRUE(g_test_alerts.empty());
}

TEST_F(AcfFiles, BigEndianFileOpensToTheSameRecord)
{
    fill_varied(0);
    const std::string le_path = dir + "little.acf", be_path = dir + "big.acf";
    set_paths(0, le_path);
    ASSERT_EQ(IO_acf(1, 0, 0), 1);
    write_bytes(be_path, big_endian_twin(read_bytes(le_path)));

    set_paths(1, le_path, "twin.acf");
    ASSERT_EQ(IO_acf(0, 1, 0), 1);
    set_paths(0, be_path, "twin.acf");
    ASSERT_EQ(IO_acf(0, 0, 0), 1);

    // The whole record matches, run-time fields included, but for the path and the byte-order
    // mark, which says the file came from a big-endian writer.
    EXPECT_EQ(veh[0].is_APL, 1);
    expect_same_image_except_replaced(image_of(0), image_of(1), true);
    const size_t img = ACF_IMAGE_BYTES + 4;
    EXPECT_EQ(memcmp(reinterpret_cast<char*>(&veh[0]) + img, reinterpret_cast<char*>(&veh[1]) + img,
                     sizeof(veh_struct) - img),
              0);

    EXPECT_STREQ(veh[0].wpn_name[3], "Weapons:bomb 500lb.wpn");   // text is never turned round
    drop_check_alerts();
    EXPECT_TRUE(g_test_alerts.empty());
}

TEST_F(AcfFiles, OnlyVersion740IsReadHereEveryOtherVersionGoesToTheOldReader)
{
    fill_varied(0);
    const std::string path = dir + "v.acf";
    set_paths(0, path);
    ASSERT_EQ(IO_acf(1, 0, 0), 1);
    const std::string file = read_bytes(path);

    // Every other version goes to the previous-generation reader, which takes only 600, 626 and
    // 700: any other comes back "not read", cleared but for its name and path.
    for (int version : {739, 741, 0, -740, 7400}) {
        SCOPED_TRACE(version);
        std::string f = file;
        memcpy(&f[1], &version, 4);
        write_bytes(path, f);
        memset(&veh[0], 0x33, sizeof(veh_struct));
        set_paths(0, path, "old.acf");
        EXPECT_EQ(IO_acf(0, 0, 0), 0);
        EXPECT_STREQ(veh[0].name, "old.acf");
        EXPECT_EQ(veh[0].cockpit_M, -1);
        EXPECT_EQ(veh[0].num_engines, 0);
    }
    // 740 written little-endian behind a big-endian marker is another number altogether.
    std::string mixed = file;
    mixed[0] = 'a';
    write_bytes(path, mixed);
    EXPECT_EQ(IO_acf(0, 0, 0), 0);
    drop_check_alerts();
    EXPECT_TRUE(g_test_alerts.empty());
}

TEST_F(AcfFiles, OnlyFilesInsideTheProgramFolderAreRead)
{
    // A perfectly good file outside the installation is refused and the record is not touched.
    fill_varied(0);
    // (The program folder is reached through "Aerodeck/..", which a plain prefix test would let
    // through: spelled out in full this one lies outside.)
    char* real = realpath(ww_temp_dir("acf-outside").c_str(), nullptr);
    ASSERT_NE(real, nullptr);
    const std::string outside = std::string(real) + "/plane.acf";
    free(real);
    ASSERT_EQ(IO_acf_write_to(0, outside), 1);
    fill_varied(0);
    veh[0].Vne_kts = 181.0f;
    set_paths(0, outside);
    const std::string before(reinterpret_cast<const char*>(&veh[0]), sizeof(veh_struct));
    EXPECT_EQ(IO_acf(0, 0, 0), 0);
    EXPECT_TRUE(memcmp(before.data(), &veh[0], sizeof(veh_struct)) == 0);

    // Inside, the folder test ignores letter case, and the name and path are the ones opened under.
    const std::string inside = dir + "Inside.acf";
    set_paths(0, inside, "stored.acf");
    ASSERT_EQ(IO_acf(1, 0, 0), 1);
    std::string shouted = inside;
    for (size_t i = 0; i < app_path.size(); i++) shouted[i] = (char)toupper((unsigned char)shouted[i]);
    set_paths(0, shouted, "Opened.acf");
    ASSERT_EQ(IO_acf(0, 0, 0), 1);
    EXPECT_STREQ(veh[0].path, shouted.c_str());
    EXPECT_STREQ(veh[0].name, "Opened.acf");
    EXPECT_EQ(veh[0].Vne_kts, 181.0f);

    EXPECT_EQ(IO_acf(2, 0, 0), 0);      // neither read nor write
    EXPECT_EQ(IO_acf(0, ACF_RECORDS, 0), 0);
    EXPECT_EQ(IO_acf(1, -1, 0), 0);
}

TEST_F(AcfFiles, SaveNameGetsAcfUnlessItEndsInAcfOrACF)
{
    const std::pair<const char*, const char*> cases[] = {
        {"Aircraft:plane", "Aircraft:plane.acf"},       {"Aircraft:plane.acf", "Aircraft:plane.acf"},
        {"Aircraft:plane.ACF", "Aircraft:plane.ACF"},   {"Aircraft:plane.Acf", "Aircraft:plane.Acf.acf"},
        {"Aircraft:plane.txt", "Aircraft:plane.txt.acf"}, {"acf", "acf.acf"}, {"", ".acf"},
        {".ac", ".ac.acf"}, {".acf", ".acf"},
    };
    for (const auto& c : cases) {
        std::string s = c.first;
        IO_acf_save_name(&s);
        EXPECT_EQ(s, c.second) << "from \"" << c.first << "\"";
    }

    // Through the Save command: the record's path takes the name, and the file on disk gets its
    // extension in lower case.
    fill_varied(0);
    for (auto [name, path] : {std::pair{"bare", "bare.acf"}, {"LOUD.ACF", "LOUD.ACF"}, {"mixed.Acf", "mixed.Acf.acf"}}) {
        set_paths(0, dir + name);
        ASSERT_EQ(write_acf(0), 1);
        EXPECT_EQ(std::string(veh[0].path), dir + path);
    }
    EXPECT_EQ(folder_entries(dir), (std::vector<std::string>{"LOUD.acf", "bare.acf", "mixed.Acf.acf"}));

    // A path with no room left for the extension is refused, not cut short.
    set_paths(0, dir + std::string(497 - dir.size(), 'x'));
    EXPECT_EQ(write_acf(0), 0);
    EXPECT_FALSE(g_test_alerts.empty());
    // The manual save goes through the save dialog; cancelling it saves nothing.
}

TEST_F(AcfFiles, FailedSaveLeavesTheOldFileWholeAndSaysSo)
{
    fill_varied(0);
    const std::string path = dir + "keep.acf";
    set_paths(0, path);
    ASSERT_EQ(IO_acf(1, 0, 0), 1);
    const std::string old_file = read_bytes(path);
    veh[0].Vne_kts = 250.0f;   // new work that fails to save

    // Each step of the save failing in turn: creating the temporary (a read-only folder),
    // writing it (a full disk, at the start and part-way), flushing it, and replacing the file.
    struct { int step; long after; int err; const char* what; } faults[] = {
        {IO_SAVE_CREATE, 0, EROFS, "read-only folder"},
        {IO_SAVE_WRITE, 0, ENOSPC, "disk full at once"},
        {IO_SAVE_WRITE, 400000, ENOSPC, "disk full part-way"},
        {IO_SAVE_SYNC, 0, EIO, "flush fails"},
        {IO_SAVE_RENAME, 0, EACCES, "rename refused"},
    };
    IO_save_fault_hook = fault_hook;
    for (const auto& f : faults) {
        SCOPED_TRACE(f.what);
        g_test_alerts.clear();
        s_fault_step = f.step;
        s_fault_after = f.after;
        s_fault_errno = f.err;
        set.acf_mod = 1;
        EXPECT_EQ(ACF_save_command(0), 0);
        EXPECT_EQ(set.acf_mod, 1);                       // still marked unsaved
        EXPECT_EQ(read_bytes(path), old_file);
        EXPECT_EQ(folder_entries(dir), std::vector<std::string>{"keep.acf"});   // no temporary left
        EXPECT_TRUE(alerted_about(path));
        EXPECT_NE(IO_save_error().find(strerror(f.err)), std::string::npos) << IO_save_error();
    }
    IO_save_fault_hook = nullptr;

    // Once the fault is gone the same command saves and clears the flag.
    g_test_alerts.clear();
    ASSERT_EQ(ACF_save_command(0), 1);
    EXPECT_EQ(set.acf_mod, 0);
    EXPECT_NE(read_bytes(path), old_file);
    drop_check_alerts();
    EXPECT_TRUE(g_test_alerts.empty());

    // A folder that is really a file cannot take the temporary: reported, nothing created.
    write_bytes(dir + "not a folder", "x");
    set_paths(0, dir + "not a folder:plane.acf");
    EXPECT_EQ(IO_acf(1, 0, 0), 0);
    EXPECT_TRUE(alerted_about(dir + "not a folder:plane.acf"));
    EXPECT_EQ(read_bytes(dir + "not a folder"), "x");

    // The recovery writer reports the same way but shows nothing.
    g_test_alerts.clear();
    EXPECT_EQ(IO_acf_write_to(0, dir + "missing folder:plane.acf"), 0);
    EXPECT_TRUE(g_test_alerts.empty());
}

TEST_F(AcfFiles, SaveKilledPartWayLeavesTheOldFileWhole)
{
    fill_varied(0);
    const std::string path = dir + "crash.acf";
    set_paths(0, path);
    ASSERT_EQ(IO_acf(1, 0, 0), 1);
    const std::string old_file = read_bytes(path);

    veh[0].Vne_kts = 250.0f;
    fflush(nullptr);
    pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        IO_save_fault_hook = kill_hook;   // dies with part of the temporary written
        IO_acf(1, 0, 0);
        _exit(0);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL);
    EXPECT_EQ(read_bytes(path), old_file);

    // The next save replaces the file even with the dead save's temporary still lying there.
    ASSERT_EQ(IO_acf(1, 0, 0), 1);
    std::string now = read_bytes(path);
    ASSERT_EQ(now.size(), kFileBytes);
    EXPECT_NE(now, old_file);
}

TEST_F(AcfFiles, DamagedAndForeignFilesFailCleanly)
{
    const std::string path = dir + "bad.acf";
    set_paths(0, path);
    // Foreign or cut off inside the header: not an aircraft file of any version, and never the
    // fatal scanning stop.
    for (const std::string& bytes : {std::string(), std::string("i"), std::string("i\xE4\x02", 3),
                                     std::string("hello, world\n"), std::string("a\0\0", 3),
                                     std::string(4096, '\xff')}) {
        write_bytes(path, bytes);
        EXPECT_EQ(IO_acf(0, 0, 0), 0) << bytes.size() << " bytes";
        EXPECT_EQ(veh[0].cockpit_M, -1);
    }
    set_paths(0, dir);   // a folder
    EXPECT_EQ(IO_acf(0, 0, 0), 0);
    set_paths(0, dir + "missing.acf");
    EXPECT_EQ(IO_acf(0, 0, 0), 0);
    EXPECT_TRUE(g_test_alerts.empty());

    // A current file that is cut short: the designer is told, then what it holds is loaded.
    fill_varied(0);
    set_paths(0, path);
    ASSERT_EQ(IO_acf(1, 0, 0), 1);
    const std::string full = read_bytes(path);
    write_bytes(path, full.substr(0, 5 + 2060));
    EXPECT_EQ(IO_acf(0, 0, 0), 1);
    EXPECT_TRUE(alerted_about(path));
    EXPECT_STREQ(veh[0].tailnum, "N172SV");
    EXPECT_NE(veh[0].Vmca_kts, 0.0f);      // offset 2044, inside what was there
    EXPECT_EQ(veh[0].Gpos, 0.0f);          // offset 2084, beyond it
    EXPECT_EQ(veh[0].num_engines, 0);

    // Longer than the image: the rest is not part of the aircraft.
    write_bytes(path, full + "trailing bytes");
    g_test_alerts.clear();
    EXPECT_EQ(IO_acf(0, 0, 0), 1);
    EXPECT_EQ(veh[0].num_engines, 2);
    EXPECT_TRUE(g_test_alerts.empty());
}

TEST_F(AcfFiles, ReadAcfOpensOrFallsBackAndClearsTheModifiedFlag)
{
    fill_varied(0);
    const std::string path = dir + "editor.acf";
    set_paths(0, path);
    ASSERT_EQ(IO_acf(1, 0, 0), 1);

    set.acf_mod = 1;
    set_paths(0, path, "editor.acf");
    read_acf(1, 0);
    EXPECT_EQ(set.acf_mod, 0);
    EXPECT_EQ(veh[0].num_engines, 2);
    drop_check_alerts();
    EXPECT_TRUE(g_test_alerts.empty());
    EXPECT_EQ(check_acf_save(), 1);   // nothing unsaved: no question asked

    // Chosen by hand, a file that does not open is reported with its path.
    write_bytes(path, "not an airplane");
    set.acf_mod = 1;
    read_acf(1, 0);
    drop_check_alerts();
    ASSERT_EQ(g_test_alerts.size(), 1u);
    EXPECT_EQ(g_test_alerts[0].lines[0], "I could not open this airplane!");
    EXPECT_EQ(g_test_alerts[0].lines[2], IO_host_path(path));   // as a person would paste it into a shell
    EXPECT_EQ(set.acf_mod, 1);
}
