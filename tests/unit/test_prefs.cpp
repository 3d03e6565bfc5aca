// Preferences: the resolution text file with its fixed-width fields and range corrections, the
// editor's binary file byte for byte, damaged and foreign files, safe replacement on writing,
// and the start-up steps that read them.
#include <gtest/gtest.h>
#include "shell/IO_PRF.h"
#include "base/IO_TYPED.h"
#include "shell/Hl_MNW.h"
#include "model/set_struct.h"
#include "model/acf_struct.h"
#include "draw/ren_struct.h"
#include "tests/support/ww_test.h"
#include <cstring>
#include <memory>
#include <filesystem>

// A resolution file as a sibling program would write it.
static std::string res_file(int w, int h, int bits = 32, int mode = 1, int lang = 0, int keys = 1,
                            float fm = 0.02f, float ui = 0.02f)
{
    char buf[200];
    snprintf(buf, sizeof buf, "I\n740 version\n%6d%6d%6d%6d%6d%6d%12.6f%12.6f", w, h, bits, mode, lang, keys, fm, ui);
    return buf;
}

class Prefs : public ::testing::Test {
protected:
    void SetUp() override
    {
        MACIBM_zero_records();
        ww_catch_alerts();
        dir = ww_temp_dir("prefs");
        MACIBM_res_defaults();
    }
    int read_res(const std::string& bytes)
    {
        ww_write_bytes(dir + "res.prf", bytes);
        MACIBM_res_defaults();
        return handle_prefs(PRF_KIND_RES, PRF_READ, dir + "res.prf");
    }

    // Distinct, recognisable contents for everything the editor file holds.
    void fill_editor_state()
    {
        unsigned char* p = (unsigned char*)&set;
        for (size_t i = 0; i < sizeof set; i++) p[i] = (unsigned char)(i * 7 + 3);
        memset(veh[0].name, 'n', sizeof veh[0].name);
        memcpy(veh[0].name, "Cub.acf", 8);            // NUL, then 'n' to the end of the field
        memset(veh[0].path, 'p', sizeof veh[0].path);
        memcpy(veh[0].path, "Aircraft:Cub.acf", 17);
        flt[0].dob_x = 1.25;
        flt[0].dob_y = -2.5;
        flt[0].dob_z = 480.125;
        flt[0].the = 10.5f;
        flt[0].psi = 225.0f;
        flt[0].phi = -3.0f;
    }

    std::string dir;
};

TEST_F(Prefs, ResolutionIsCorrectedIntoRangeEachLimitOnItsOwn)
{
    struct { int w, h, want_w, want_h; } cases[] = {
        {800, 600, 1024, 768},      // too small: both corrected
        {12000, 9000, 1024, 9000},  // width too large, height within 9999
        {1280, 1024, 1280, 1024},   // kept
        {1600, 10000, 1600, 768},
        {1023, 767, 1024, 768},
        {9999, 9999, 9999, 9999},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.w) + " x " + std::to_string(c.h));
        EXPECT_EQ(read_res(res_file(c.w, c.h, 16, 0, 3, 0, 0.03f, 0.04f)), 1);
        EXPECT_EQ(mnw.x_res_req, c.want_w);
        EXPECT_EQ(mnw.y_res_req, c.want_h);
        // The requested values are what the display is set up with.
        EXPECT_EQ(mnw.x_res_now, c.want_w);
        EXPECT_EQ(mnw.y_res_now, c.want_h);
        EXPECT_EQ(mnw.col_res_now, 16);
        EXPECT_EQ(mnw.set_res_now, 0);
        EXPECT_EQ(mnw.lang, 3);
        EXPECT_EQ(mnw.keylist_up, 0);
        EXPECT_FLOAT_EQ(mnw.prd_FM, 0.03f);
        EXPECT_FLOAT_EQ(mnw.prd_UI, 0.04f);
    }
    EXPECT_TRUE(g_test_alerts.empty());
}

TEST_F(Prefs, MissingOrForeignResolutionFileLeavesTheDefaults)
{
    // No file; the header the display failure leaves behind (type 21, version -999); another
    // version; a language this program does not have.
    const std::string reset("i\x19\xFC\xFF\xFF", 5);
    for (const std::string& bytes : {std::string(), reset, std::string("I\n700 version\n  1280  1024")}) {
        if (bytes.empty()) remove((dir + "res.prf").c_str());
        else ww_write_bytes(dir + "res.prf", bytes);
        MACIBM_res_defaults();
        mnw.x_res_now = mnw.y_res_now = 0;
        EXPECT_EQ(handle_prefs(PRF_KIND_RES, PRF_READ, dir + "res.prf"), 0);
        EXPECT_EQ(mnw.x_res_now, 1024);
        EXPECT_EQ(mnw.y_res_now, 768);
        EXPECT_EQ(mnw.col_res_now, 32);
        EXPECT_EQ(mnw.set_res_now, 1);
        EXPECT_EQ(mnw.lang, -1);
    }
    EXPECT_EQ(read_res(res_file(1280, 1024, 32, 1, 9)), 1);
    EXPECT_EQ(mnw.lang, -1);                        // asked for again
    EXPECT_TRUE(g_test_alerts.empty());
}

TEST_F(Prefs, NonNumericResolutionFieldIsFatal)
{
    for (const std::string& bytes : {std::string("I\n740 version\n  1280  1024    xx     1     0     1"),
                                     res_file(1280, 1024).substr(0, 50) + "    0.0x0000    0.020000",
                                     std::string("I\n740 version\n  1280  1024    32")}) {
        SCOPED_TRACE(bytes);
        ww_fatal f = ww_fatal_of([&] { read_res(bytes); });
        EXPECT_EQ(f.lines[0], "File-scanning error!");
        EXPECT_EQ(f.lines[1], "");
        EXPECT_EQ(f.lines[2], "file:");
        EXPECT_EQ(f.lines[3], "io");
        EXPECT_EQ(inf, nullptr);
    }
}

TEST_F(Prefs, ResolutionFileHasExactFieldWidthsAndStaysReadable)
{
    mnw.x_res_req = 1280; mnw.y_res_req = 1024; mnw.col_res_req = 32; mnw.set_res_req = 0;
    mnw.lang = 2; mnw.keylist_up = 1; mnw.prd_FM = 0.025f; mnw.prd_UI = 0.0125f;
    ASSERT_EQ(handle_prefs(PRF_KIND_RES, PRF_WRITE, dir + "res.prf"), 1);
    EXPECT_EQ(ww_read_bytes(dir + "res.prf"), "I\n740 version\n  1280  1024    32     0     2     1    0.025000    0.012500");

    // Values too wide for their fields would run into the field before them; they are kept to
    // the width so that the next start can still read the file.
    mnw.x_res_req = 1234567; mnw.col_res_req = -1234567; mnw.prd_FM = 123456.0f; mnw.prd_UI = -1e30f;
    ASSERT_EQ(handle_prefs(PRF_KIND_RES, PRF_WRITE, dir + "res.prf"), 1);
    EXPECT_EQ(ww_read_bytes(dir + "res.prf").size(), std::string("I\n740 version\n").size() + 6 * 6 + 2 * 12);
    MACIBM_res_defaults();
    EXPECT_EQ(handle_prefs(PRF_KIND_RES, PRF_READ, dir + "res.prf"), 1);
    EXPECT_EQ(mnw.x_res_req, 1024);                // 99999, then corrected
    EXPECT_EQ(mnw.col_res_req, -99999);
    EXPECT_EQ(mnw.lang, 2);
    EXPECT_FLOAT_EQ(mnw.prd_FM, 9999.999999f);
    EXPECT_FLOAT_EQ(mnw.prd_UI, -9999.999999f);
    EXPECT_TRUE(g_test_alerts.empty());
}

TEST_F(Prefs, EditorFileIsTheByteExactImageAndReadsBack)
{
    fill_editor_state();
    const std::string p = dir + "editor.prf";
    ASSERT_EQ(handle_prefs(PRF_KIND_EDITOR, PRF_WRITE, p), 1);
    const std::string f = ww_read_bytes(p);
    ASSERT_EQ(f.size(), 17941u);
    EXPECT_EQ(f.substr(0, 5), std::string("i\xE4\x02\x00\x00", 5));
    EXPECT_EQ(memcmp(f.data() + PRF_SET_OFFSET, &set, sizeof set), 0);
    EXPECT_EQ(memcmp(f.data() + 16905, veh[0].name, 500), 0);
    EXPECT_EQ(memcmp(f.data() + 17405, veh[0].path, 500), 0);
    const double d[3] = {1.25, -2.5, 480.125};
    const float a[3] = {10.5f, 225.0f, -3.0f};
    EXPECT_EQ(memcmp(f.data() + 17905, d, sizeof d), 0);
    EXPECT_EQ(memcmp(f.data() + 17929, a, sizeof a), 0);

    // Reading it into cleared records restores every byte, including what follows the NULs of
    // the name and path.
    auto want_set = std::make_unique<set_struct>(set);
    char want_name[500], want_path[500];
    memcpy(want_name, veh[0].name, 500);
    memcpy(want_path, veh[0].path, 500);
    memset(&set, 0, sizeof set);
    memset(veh[0].name, 0, 500);
    memset(veh[0].path, 0, 500);
    memset(&flt[0], 0, sizeof flt[0]);
    ASSERT_EQ(handle_prefs(PRF_KIND_EDITOR, PRF_READ, p), 1);
    EXPECT_EQ(memcmp(&set, want_set.get(), sizeof set), 0);
    EXPECT_EQ(memcmp(veh[0].name, want_name, 500), 0);
    EXPECT_EQ(memcmp(veh[0].path, want_path, 500), 0);
    EXPECT_EQ(veh[0].name[499], 'n');
    EXPECT_EQ(flt[0].dob_z, 480.125);
    EXPECT_EQ(flt[0].psi, 225.0f);
    EXPECT_TRUE(g_test_alerts.empty());
}

TEST_F(Prefs, ForeignOrDamagedEditorFileIsIgnoredWhole)
{
    fill_editor_state();
    const std::string p = dir + "editor.prf";
    ASSERT_EQ(handle_prefs(PRF_KIND_EDITOR, PRF_WRITE, p), 1);
    const std::string good = ww_read_bytes(p);

    std::string other_version = good;
    other_version[1] = (char)0xE5;                  // 741
    std::string text_header = "I\n740 version\n" + good.substr(5);
    for (const std::string& bytes : {other_version, good.substr(0, 17940), good.substr(0, 5), text_header,
                                     std::string()}) {
        SCOPED_TRACE(bytes.size());
        ww_write_bytes(p, bytes);
        memset(&set, 0, sizeof set);
        set.fuse_zoom = 1.0f;                       // a start-up default
        strcpy(veh[0].name, "default");
        flt[0].dob_z = 7;
        EXPECT_EQ(handle_prefs(PRF_KIND_EDITOR, PRF_READ, p), 0);
        EXPECT_EQ(set.fuse_zoom, 1.0f);
        EXPECT_EQ(set.acf_mod, 0);
        EXPECT_STREQ(veh[0].name, "default");
        EXPECT_EQ(flt[0].dob_z, 7);
        EXPECT_EQ(inf, nullptr);
    }
    EXPECT_TRUE(g_test_alerts.empty());

    // A name with no NUL anywhere would run on into the next field when used as a string.
    std::string no_nul = good;
    memset(&no_nul[16905], 'x', 500);
    memset(&no_nul[PRF_SET_OFFSET], 'w', 500);      // weapn_name
    ww_write_bytes(p, no_nul);
    ASSERT_EQ(handle_prefs(PRF_KIND_EDITOR, PRF_READ, p), 1);
    EXPECT_EQ(strlen(veh[0].name), 499u);
    EXPECT_EQ(strlen(set.weapn_name), 499u);
}

TEST_F(Prefs, WritingKeepsTheOldFileUntilTheNewOneIsComplete)
{
    const std::string p = dir + "editor.prf";
    fill_editor_state();
    ASSERT_EQ(handle_prefs(PRF_KIND_EDITOR, PRF_WRITE, p), 1);
    const std::string before = ww_read_bytes(p);

    // The temporary cannot be created, or the disk fills part-way: the save alert (not fatal),
    // and the old file stands.
    for (int step : {IO_SAVE_CREATE, IO_SAVE_WRITE, IO_SAVE_SYNC}) {
        static int s_step;
        s_step = step;
        IO_save_fault_hook = [](int at, long) { return at == s_step ? ENOSPC : 0; };
        set.acf_mod = 12345;
        g_test_alerts.clear();
        EXPECT_EQ(handle_prefs(PRF_KIND_EDITOR, PRF_WRITE, p), 0);
        EXPECT_EQ(ww_read_bytes(p), before);
        ASSERT_EQ(g_test_alerts.size(), 1u);
        EXPECT_EQ(g_test_alerts[0].type, 16);
        IO_save_fault_hook = nullptr;
    }

    // A missing folder is created rather than losing the settings.
    EXPECT_EQ(handle_prefs(PRF_KIND_RES, PRF_WRITE, dir + "New:Folder:res.prf"), 1);
    EXPECT_TRUE(std::filesystem::exists(dir + "New/Folder/res.prf"));

    // The kinds of the sibling programs are not this program's to touch.
    EXPECT_EQ(handle_prefs(2, PRF_WRITE, dir + "sibling.prf"), 0);
    EXPECT_FALSE(std::filesystem::exists(dir + "sibling.prf"));
}

TEST_F(Prefs, StartUpReadsOverTheDefaultsAndClearsTheSessionFlags)
{
    gen_path = dir + "Aerodeck 7 Wing-Wright.prf";
    res_path = dir + "Aerodeck 7 Resolution.prf";

    // No files: the start-up defaults.
    memset(&set, 0, sizeof set);
    MACIBM_read_res_prefs();
    MACIBM_read_editor_prefs();
    EXPECT_EQ(mnw.x_res_now, 1024);
    EXPECT_EQ(set.fuse_zoom, 1.0f);
    EXPECT_EQ(set.interface_x, 512.0f);
    EXPECT_EQ(set.interface_y, 384.0f);
    EXPECT_EQ(set.show_panel, 1);
    EXPECT_EQ(set.show_editor, 1);

    // A normal exit writes both; the next start takes the stored values, but the flags that only
    // mean something within one session start cleared.
    mnw.x_res_req = 1600; mnw.y_res_req = 1200; mnw.lang = 4;
    set.fuse_zoom = 2.5f;
    set.show_panel = 0;
    set.interface_x = 100;
    set.acf_mod = 1;
    set.wpn_mod = 1;
    set.has_t_pln_fuse_top = set.has_t_pln_fuse_lft = set.has_t_pln_totl_any = 1;
    set.wingW_tab = 3;
    strcpy(veh[0].name, "Glider.acf");
    flt[0].the = 12;
    MACIBM_write_prefs();

    MACIBM_res_defaults();
    memset(&set, 0, sizeof set);
    memset(veh[0].name, 0, 500);
    flt[0].the = 0;
    MACIBM_read_res_prefs();
    MACIBM_read_editor_prefs();
    EXPECT_EQ(mnw.x_res_now, 1600);
    EXPECT_EQ(mnw.y_res_now, 1200);
    EXPECT_EQ(mnw.lang, 4);
    EXPECT_EQ(set.fuse_zoom, 2.5f);
    EXPECT_EQ(set.show_panel, 0);
    EXPECT_EQ(set.interface_x, 100.0f);
    EXPECT_EQ(set.acf_mod, 1);
    EXPECT_EQ(set.wingW_tab, 3);
    EXPECT_EQ(set.wpn_mod, 0);
    EXPECT_EQ(set.has_t_pln_fuse_top + set.has_t_pln_fuse_lft + set.has_t_pln_totl_any, 0);
    EXPECT_STREQ(veh[0].name, "Glider.acf");
    EXPECT_EQ(flt[0].the, 12.0f);
    EXPECT_EQ(ren.zoom_act, 1.0f);
    EXPECT_TRUE(g_test_alerts.empty());
}

TEST_F(Prefs, WordsNumbersAndByteOrder)
{
    const std::string p = dir + "w.txt";
    ww_write_bytes(p, "I\n1 version\n  alpha,beta\tgammadelta\r\n-1.5e2 .25 7. x");
    ASSERT_EQ(inf_open(p, 0, 1, 1), 1);
    char w[6];
    EXPECT_TRUE(wrd_scan(w, sizeof w, 0));
    EXPECT_STREQ(w, "alpha");
    EXPECT_TRUE(wrd_scan(w, sizeof w, 0));
    EXPECT_STREQ(w, "beta");
    EXPECT_TRUE(wrd_scan(w, sizeof w, 1));         // fixed: the rest stays for the next read
    EXPECT_STREQ(w, "gamma");
    EXPECT_TRUE(wrd_scan(w, sizeof w, 0));
    EXPECT_STREQ(w, "delta");
    EXPECT_EQ(dob_scan("test"), -150.0);
    EXPECT_EQ(flt_scan("test"), 0.25f);
    EXPECT_EQ(flt_scan("test"), 7.0f);
    EXPECT_EQ(flt_scan("prefs"), 0.0f);           // quiet for "prefs": the stream just ends
    EXPECT_EQ(inf, nullptr);
    EXPECT_FALSE(wrd_scan(w, sizeof w, 0));
    EXPECT_TRUE(g_test_alerts.empty());

    // Binary numbers from a big-endian writer are reversed, four and eight bytes alike.
    const std::string b = dir + "big.wpn";
    ww_write_bytes(b, std::string("a\x00\x00\x00\x01" "\x3F\xC0\x00\x00" "\xC0\x04\x00\x00\x00\x00\x00\x00", 17));
    ASSERT_EQ(inf_open(b, 3, 1, 1), 1);
    EXPECT_EQ(flt_scan("test"), 1.5f);
    EXPECT_EQ(dob_scan("test"), -2.5);
    EXPECT_THROW(flt_scan("test"), ww_fatal);      // past the end
}
