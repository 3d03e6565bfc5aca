// Typed files: the header of every data file, line ends of every kind, the scanners of the global
// input stream, file names and folder separators, and the text scanners over memory.
#include <gtest/gtest.h>
#include "base/IO_TYPED.h"
#include "shell/Hl_MNW.h"
#include "tests/support/ww_test.h"
#include <cstring>
#include <filesystem>
#include <vector>

static std::string line_scan(int stop_at_comma = 0)
{
    char buf[64];
    str_scan(buf, sizeof buf, stop_at_comma);
    return buf;
}

class TypedFiles : public ::testing::Test {
protected:
    void SetUp() override
    {
        MACIBM_zero_records();
        ww_catch_alerts();
        dir = ww_temp_dir("typed");
    }
    std::string dir;
};

TEST_F(TypedFiles, TextLinesEndWhereTheFileSays)
{
    // The terminator after the marker is remembered; CR LF counts as one line end.
    for (const char* eol : {"\r", "\n", "\r\n"}) {
        SCOPED_TRACE(testing::Message() << "terminator " << (int)eol[0] << (eol[1] ? " LF" : ""));
        std::string e = eol;
        std::string p = dir + "lines.txt";
        ww_write_bytes(p, "I" + e + "740 version" + e + "  first line" + e + e + "left, right" + e + "12 after" + e +
                           "last without end");
        ASSERT_EQ(inf_open(p, 0, 740, 1), 1);
        EXPECT_EQ(x_eln, eol[0]);
        EXPECT_TRUE(eoln(eol[0]));
        EXPECT_FALSE(eoln('x'));
        EXPECT_EQ(line_scan(), "first line");
        EXPECT_EQ(line_scan(), "");
        EXPECT_EQ(line_scan(1), "left");
        EXPECT_EQ(line_scan(1), "right");
        EXPECT_EQ(int_scan(p), 12);
        EXPECT_EQ(line_scan(), "after");
        std::string rest;
        str_scan_to_EOL(&rest);
        EXPECT_EQ(rest, "last without end");
        EXPECT_EQ(check_scan(p), 1);
        EXPECT_TRUE(eoln('x'));                 // the file has ended
    }

    // Two-character line ends of another kind are skipped when the reader says so.
    std::string p = dir + "lfcr.txt";
    ww_write_bytes(p, "I\n740 version\nab\n\rcd\n\r");
    ASSERT_EQ(inf_open(p, 0, 740, 1), 1);
    extra_char_eoln = 1;
    EXPECT_EQ(line_scan(), "ab");
    EXPECT_EQ(line_scan(), "cd");
    extra_char_eoln = 0;

    // A long line keeps what fits and the next scan starts on the next line.
    ww_write_bytes(p, "I\n740 version\n" + std::string(100, 'x') + "\nnext\n");
    ASSERT_EQ(inf_open(p, 0, 740, 1), 1);
    char small[8];
    str_scan(small, sizeof small, 0);
    EXPECT_STREQ(small, "xxxxxxx");
    EXPECT_EQ(line_scan(), "next");
    EXPECT_TRUE(g_test_alerts.empty());
}

// What each header opens as: {bytes, type, version, alert flag, opens (1), is refused (0) or is
// fatal (-1), then the first value read or the fatal alert's first line}.
TEST_F(TypedFiles, TheHeaderDecidesWhatOpens)
{
    const std::string wrong = "The following file is the wrong version for this version of Skyvane:";
    const std::string scanning = "File-scanning error!";
    const struct { std::string bytes; int type, version, alert, opens; std::string first; } rows[] = {
        // Binary from a big-endian and a little-endian writer: 740, then the number 5.
        {std::string("a\x00\x00\x02\xE4\x00\x00\x00\x05", 9), 4, 740, 1, 1, "5"},
        {std::string("i\xE4\x02\x00\x00\x05\x00\x00\x00", 9), 4, 740, 1, 1, "5"},
        {std::string("I\xE4\x02\x00\x00", 5), 4, 740, 1, 0, ""},   // a text marker on a binary type
        // Type 20 has no header at all; a version of 0 or less checks no version line.
        {"hello\n", 20, 740, 1, 1, "hello"},
        {"A\nhello\n", 0, 0, 1, 1, "hello"},
        {"A\nhello\n", 0, -1, 1, 1, "hello"},
        {"X\nhello\n", 0, 0, 1, 0, ""},
        // A wrong version: quietly refused, or fatal when the caller asks for the alert.
        {"I\n700 version\nbody\n", 0, 740, 0, 0, ""},
        {"I\n700 version\nbody\n", 0, 740, 1, -1, wrong},
        {std::string("i\x02\x00\x00\x00", 5), 3, 1, 0, 0, ""},
        {std::string("i\x02\x00\x00\x00", 5), 3, 1, 1, -1, wrong},
        // A version line that holds no number, or a binary header cut short inside its version.
        {"I\nseven hundred version\n", 0, 740, 0, -1, scanning},
        {std::string("a\x00\x00", 3), 3, 1, 0, -1, scanning},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(testing::PrintToString(r.bytes) + ", type " + std::to_string(r.type));
        const std::string p = dir + (r.type == 4 ? "f.acf" : r.type == 3 ? "f.wpn" : "f.txt");
        ww_write_bytes(p, r.bytes);
        g_test_alerts.clear();
        if (r.opens < 0) {
            ww_fatal f = ww_fatal_of([&] { inf_open(p, r.type, r.version, r.alert); });
            EXPECT_EQ(f.lines[0], r.first);
            EXPECT_EQ(f.lines[r.first == wrong ? 1 : 3], p);
        } else {
            EXPECT_EQ(inf_open(p, r.type, r.version, r.alert), r.opens);
            EXPECT_TRUE(g_test_alerts.empty());
        }
        if (r.opens == 1 && r.type == 4) {
            EXPECT_EQ(rev_inf_bin, r.bytes[0] == 'a');
            EXPECT_EQ(inf_is_bin[inf_use], 1);
            EXPECT_EQ(std::to_string(int_scan(p)), r.first);
        } else if (r.opens == 1) {
            EXPECT_EQ(line_scan(), r.first);
        } else {
            EXPECT_EQ(inf, nullptr);
        }
    }
    EXPECT_EQ(inf_open(dir + "missing.acf", 4, 740, 1), 0);
    EXPECT_EQ(inf_open(dir, 20, 0, 1), 0);     // a folder is no file
}

TEST_F(TypedFiles, FailedScansAreQuietOnlyForPrefsAndChecklist)
{
    std::string p = dir + "s.txt";
    for (const char* quiet : {"prefs", "checklist"}) {
        ww_write_bytes(p, "I\n740 version\n3\nnot a number\n");
        ASSERT_EQ(inf_open(p, 0, 740, 1), 1);
        EXPECT_EQ(int_scan(quiet), 3);
        int_scan(quiet);
        EXPECT_EQ(inf, nullptr);
        EXPECT_EQ(check_scan(quiet), 0);
        EXPECT_TRUE(g_test_alerts.empty());
    }
    // Anyone else gets the fatal alert, also for reading past the end.
    ww_write_bytes(p, "I\n740 version\n3");
    ASSERT_EQ(inf_open(p, 0, 740, 1), 1);
    EXPECT_EQ(int_scan("data"), 3);
    EXPECT_THROW(int_scan("data"), ww_fatal);
    ASSERT_EQ(g_test_alerts.size(), 1u);
    EXPECT_EQ(g_test_alerts[0].lines[3], "data");
    // With nothing open every scan fails safely.
    char buf[4] = "xyz";
    str_scan(buf, sizeof buf, 0);
    EXPECT_STREQ(buf, "");
    EXPECT_EQ(check_scan("prefs"), 0);

    // Binary strings are fixed-size fields; a short one is a failed scan.
    std::string b = dir + "s.wpn";
    ww_write_bytes(b, std::string("i\x01\x00\x00\x00" "abcd" "ef", 11));
    ASSERT_EQ(inf_open(b, 3, 1, 1), 1);
    char field[4];
    str_scan(field, 4, 0);
    EXPECT_EQ(std::string(field, 4), "abcd");
    EXPECT_EQ(check_scan("prefs"), 1);
    str_scan(field, 4, 0);
    EXPECT_EQ(std::string(field, 4), std::string("ef\0\0", 4));
    EXPECT_EQ(check_scan("prefs"), 0);
}

TEST_F(TypedFiles, WrittenHeadersAreByteExactAndReadBack)
{
    ASSERT_TRUE(std::filesystem::create_directory(dir + "Sub"));
    // ":" folders and an upper-case extension: a "/" path with the extension in lower case.
    ASSERT_EQ(ouf_open(dir + "Sub:Plane.ACF", 4, 740), 1);
    int32_t body = 0x01020304;
    fwrite(&body, 4, 1, ouf);
    EXPECT_EQ(IO_ouf_close(), 1);
    EXPECT_FALSE(std::filesystem::exists(dir + "Sub/Plane.ACF"));
    EXPECT_EQ(ww_read_bytes(dir + "Sub/Plane.acf"), std::string("i\xE4\x02\x00\x00\x04\x03\x02\x01", 9));
    ASSERT_EQ(inf_open(dir + "Sub:Plane.acf", 4, 740, 1), 1);
    EXPECT_EQ(int_scan("acf"), 0x01020304);

    ASSERT_EQ(ouf_open(dir + "Res.prf", 0, 740), 1);
    fprintf(ouf, "%d\n%s\n", 1024, "a line");
    EXPECT_EQ(IO_ouf_close(), 1);
    EXPECT_EQ(ww_read_bytes(dir + "Res.prf"), "I\n740 version\n1024\na line\n");
    ASSERT_EQ(inf_open(dir + "Res.prf", 0, 740, 1), 1);
    EXPECT_EQ(int_scan("prefs"), 1024);
    EXPECT_EQ(line_scan(), "");                 // the rest of the number's line
    EXPECT_EQ(line_scan(), "a line");

    // Types 22 and 23 carry the notice text in place of the word "version".
    IO_notice_text = "Made with Wing-Wright";
    ASSERT_EQ(ouf_open(dir + "note", 22, 740), 1);
    IO_ouf_close();
    EXPECT_EQ(ww_read_bytes(dir + "note"), "I\n740 Made with Wing-Wright\n");
    IO_notice_text.clear();
    ASSERT_EQ(inf_open(dir + "note", 22, 740, 1), 1);
    EXPECT_EQ(IO_notice_text, "Made with Wing-Wright");

    // Type 20 has no header; type 21 is binary without an extension.
    ASSERT_EQ(ouf_open(dir + "raw", 20, 740), 1);
    IO_ouf_close();
    EXPECT_EQ(ww_read_bytes(dir + "raw"), "");
    ASSERT_EQ(ouf_open(dir + "set", 21, 740), 1);
    IO_ouf_close();
    EXPECT_EQ(ww_read_bytes(dir + "set"), std::string("i\xE4\x02\x00\x00", 5));
    EXPECT_TRUE(g_test_alerts.empty());
}

// The save alert is not fatal; a dialog cannot be answered here, so the hook unwinds instead.
struct typed_alert { ww_alert_record rec; };
static void throwing_hook(int type, const char* s1, const char* s2, const char* s3, const char* s4, const char*, int)
{
    throw typed_alert{{type, {s1, s2, s3, s4}}};
}

TEST_F(TypedFiles, AFileThatCannotBeCreatedRaisesTheSaveAlert)
{
    g_alert_hook = throwing_hook;
    try {
        ouf_open(dir + "No such folder:Plane.acf", 4, 740);
        ww_catch_alerts();
        FAIL() << "no save alert";
    } catch (const typed_alert& a) {
        ww_catch_alerts();
        EXPECT_EQ(a.rec.type, 16);
        EXPECT_EQ(a.rec.lines[1], dir + "No such folder/Plane.acf");   // the path as the host spells it
    }
    EXPECT_EQ(ouf, nullptr);
    EXPECT_EQ(IO_ouf_close(), 0);
}

TEST(TypedNames, ExtensionsAndModes)
{
    // Both take off the last four characters whatever they are, once the name is longer than that.
    const struct { const char* name; int type; const char *with_ext, *nuked; } rows[] = {
        {"Cessna.acf", 3, "Cessna.WPN", "Cessna"}, {"abc", 3, "abc.WPN", "abc"}, {"abcd", 3, "abcd.WPN", "abcd"},
        {"abcdefgh", 3, "abcd.WPN", "abcd"},       {"wing.afl", 4, "wing.ACF", "wing"}, {"notes.txt", 20, "notes", "notes"},
    };
    for (const auto& r : rows) {
        std::string n = r.name;
        set_ext(&n, r.type);
        EXPECT_EQ(n, r.with_ext) << r.name;
        n = r.name;
        EXPECT_EQ(nuke_ext(&n), strcmp(r.name, r.nuked) != 0) << r.name;
        EXPECT_EQ(n, r.nuked);
    }
    const char* ext[] = {"", "", ".AFL", ".WPN", ".ACF", ".OBJ", ".SIT", ".SMO", ".TXT", ".FMS", ".GAM", ".TRA",
                         ".CAR", ".SPA", ".REG", ".WAV", ".BMP", ".BMP", "", "", "", "", "", ""};
    for (int t = 0; t < 24; t++) {
        std::string n = "x";
        set_ext(&n, t);
        EXPECT_EQ(n, std::string("x").append(ext[t])) << "type " << t;
        bool bin = t == 3 || t == 4 || t == 11 || t == 12 || t == 13 || t == 16 || t == 17 || t == 21;
        EXPECT_EQ(ftype_is_bin(t), bin ? 1 : 0) << "type " << t;
    }
}

TEST(TypedPaths, SeparatorsAndFolders)
{
    const std::pair<const char*, const char*> separators[] = {
        {"C:Aircraft:General Aviation\\c172/x.acf", "C:Aircraft/General Aviation/c172/x.acf"}, {"::a:b", "::a/b"}, {":", ":"},
    };
    for (auto [in, want] : separators) {
        std::string p = in;
        set_dir_chars(&p);
        EXPECT_EQ(p, want);
        std::vector<char> c(in, in + strlen(in) + 1);
        set_dir_chars(c.data());
        EXPECT_STREQ(c.data(), want);
    }
    const std::pair<const char*, const char*> folders[] = {
        {"Aircraft:General:c172.acf", "Aircraft:General:"}, {"/opt/x.acf", "/opt/"}, {"plane.acf", "p"},
        {":plane.acf", ":"},   // a separator only at the very start does not count
        {"", ""},
    };
    for (auto [in, want] : folders) {
        std::string out;
        get_path_with_path(&out, in);
        EXPECT_EQ(out, want) << in;
    }
    EXPECT_TRUE(is_a_dir_char(':') && is_a_dir_char('/') && is_a_dir_char('\\'));
    EXPECT_FALSE(is_a_dir_char('.'));
}

TEST(TypedMemory, TextScannersStopAtTheEnd)
{
    std::string text = "  OBJ\t 700\r\n\r\n  name with spaces \nlast";
    // An exact-size heap copy, so that a read past the end is caught by the address checker.
    std::vector<unsigned char> d(text.begin(), text.end());
    int c_use = 0, c_max = (int)d.size();
    std::string s;
    EXPECT_EQ(TXT_MAP_str_scan_space(d.data(), &c_use, c_max, &s), 3);
    EXPECT_EQ(s, "OBJ");
    EXPECT_EQ(TXT_MAP_str_scan_space(d.data(), &c_use, c_max, nullptr), 3);
    EXPECT_TRUE(TXT_MAP_eoln(d.data(), c_use));
    TXT_MAP_finish_line(d.data(), &c_use, c_max);
    EXPECT_EQ(TXT_MAP_str_scan_eoln(d.data(), &c_use, c_max, &s), 17);
    EXPECT_EQ(s, "name with spaces ");
    EXPECT_EQ(TXT_MAP_str_scan_eoln(d.data(), &c_use, c_max, &s), 4);
    EXPECT_EQ(s, "last");
    EXPECT_EQ(c_use, c_max);
    EXPECT_EQ(TXT_MAP_str_scan_space(d.data(), &c_use, c_max, &s), 0);
    EXPECT_EQ(s, "");
    TXT_MAP_finish_line(d.data(), &c_use, c_max);
    EXPECT_EQ(c_use, c_max);

    // A NUL ends a line too; a position outside the data reads nothing.
    std::vector<unsigned char> z = {'a', 0, 'b'};
    c_use = 0;
    EXPECT_EQ(TXT_MAP_str_scan_eoln(z.data(), &c_use, 3, &s), 1);
    EXPECT_EQ(c_use, 2);
    c_use = 7;
    EXPECT_EQ(TXT_MAP_str_scan_eoln(z.data(), &c_use, 3, &s), 0);
    EXPECT_EQ(c_use, 3);
    c_use = 0;
    EXPECT_EQ(TXT_MAP_str_scan_space(nullptr, &c_use, 3, &s), 0);
}
