// The numbered text file of a language: where it ends, its index limits, repeated indices,
// damaged files, and the lowest free index left in "Error.out" for translators.
#include <gtest/gtest.h>
#include "shell/Hl_MNW.h"
#include "base/IO_TYPED.h"
#include "tests/support/ww_test.h"
#include <cstdio>
#include <filesystem>

// Each test gets its own text folder with an English file, and its own "Error.out".
class TextFile : public ::testing::Test {
protected:
    void SetUp() override
    {
        MACIBM_zero_records();
        ww_catch_alerts();
        ww_use_aerodeck();                          // the menus come from the installation
        dir = ww_temp_dir("langtext");
        ASSERT_TRUE(std::filesystem::create_directory(dir + "english"));
        txt_path = dir;
        path = txt_path + "english:Wing-Wright.txt";
        xer = fopen((dir + "Error.out").c_str(), "w");
    }

    void load(const std::string& body) { load_raw("I\n1 version\n" + body); }
    void load_raw(const std::string& bytes)
    {
        ww_write_bytes(dir + "english/Wing-Wright.txt", bytes);
        MACIBM_setupforlang(0);
    }
    ww_fatal fatal_of(const std::string& body) { return ww_fatal_of([&] { load(body); }); }
    std::string error_out()
    {
        fflush(xer);
        return ww_read_bytes(dir + "Error.out");
    }

    std::string dir, path;
};

TEST_F(TextFile, LinesUpToTheNegativeIndexAreLoaded)
{
    load("0 Zero\n5 five\n7   seven, with blanks and | { marks  \n\n1199 last one\n-1\n9 after the end\n");
    EXPECT_STREQ(stl.text[0], "Zero");
    EXPECT_STREQ(stl.text[5], "five");
    EXPECT_STREQ(stl.text[7], "seven, with blanks and | { marks  ");
    EXPECT_STREQ(stl.text[1199], "last one");
    EXPECT_STREQ(stl.text[9], "");
    EXPECT_STREQ(stl.text[6], "");
    EXPECT_TRUE(g_test_alerts.empty());

    // Any line ends, and a later load starts from an empty table.
    load("3 three\r\n4 four\r\n-5\r\n");
    EXPECT_STREQ(stl.text[3], "three");
    EXPECT_STREQ(stl.text[4], "four");
    EXPECT_STREQ(stl.text[5], "");
    load_raw("I\r1 version\r8 eight\r-1\r");
    EXPECT_STREQ(stl.text[8], "eight");

    // A line longer than a text slot keeps what fits and does not spill into the next line.
    load("1 " + std::string(600, 'x') + "\n2 two\n-1\n");
    EXPECT_EQ(std::string(stl.text[1]), std::string(511, 'x'));
    EXPECT_STREQ(stl.text[2], "two");

    // Of two equal indices the later wins.
    load("12 first\n13 other\n12 second\n-1\n");
    EXPECT_STREQ(stl.text[12], "second");
    EXPECT_STREQ(stl.text[13], "other");
}

TEST_F(TextFile, IndexLimitAndDamagedFilesAreFatal)
{
    ww_fatal f = fatal_of("1199 fits\n1200 too far\n-1\n");
    EXPECT_EQ(f.lines[0], "Too many text strings!");
    EXPECT_EQ(f.lines[1], "");
    EXPECT_EQ(f.lines[2], "");
    EXPECT_EQ(f.lines[3], path);
    EXPECT_EQ(inf, nullptr);

    // A line without a number, and a file that ends without its negative index.
    for (const char* body : {"5 five\nsix without a number\n-1\n", "5 five\n6 six\n", "99999999999 huge\n-1\n"}) {
        f = fatal_of(body);
        EXPECT_EQ(f.lines[0], "File-scanning error!") << body;
        EXPECT_EQ(f.lines[2], "file:");
        EXPECT_EQ(f.lines[3], path);
        EXPECT_EQ(inf, nullptr);
    }

    remove((dir + "english/Wing-Wright.txt").c_str());
    f = ww_fatal_of([] { MACIBM_setupforlang(0); });
    EXPECT_EQ(f.lines[0], "Could not open text file!");
    EXPECT_EQ(f.lines[1], path);

    // Another version of the file is refused with the wrong-version message.
    EXPECT_EQ(ww_fatal_of([&] { load_raw("I\n2 version\n1 one\n-1\n"); }).lines[0],
              "The following file is the wrong version for this version of Skyvane:");
}

TEST_F(TextFile, LowestFreeIndexIsLogged)
{
    load("0 a\n1 b\n2 c\n4 e\n-1\n");
    EXPECT_NE(error_out().find(path + " lowest free text index=3\n"), std::string::npos) << error_out();

    std::string all;
    for (int i = 0; i < 1200; i++) all += std::to_string(i) + " t\n";
    load(all + "-1\n");
    EXPECT_NE(error_out().find(path + " lowest free text index=9999\n"), std::string::npos);
}

TEST_F(TextFile, UnknownLanguageFallsBackToEnglish)
{
    load("1 one\n-1\n");
    mnw.lang = 42;
    MACIBM_setupforlang(42);
    EXPECT_EQ(mnw.lang, 0);                         // the menus are read for the same language
    EXPECT_STREQ(stl.text[1], "one");
    EXPECT_TRUE(g_test_alerts.empty());
}
