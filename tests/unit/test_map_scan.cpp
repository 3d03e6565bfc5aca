// Typed headers and field scanners over memory-mapped files.
#include <gtest/gtest.h>
#include "base/IO_UTILS.h"
#include "shell/Hl_MNW.h"
#include "tests/support/ww_test.h"
#include <cstring>

namespace {

class MapScan : public ::testing::Test {
protected:
    std::string dir;
    void SetUp() override
    {
        MACIBM_zero_records();
        ww_catch_alerts();
        dir = ww_temp_dir("mapscan");
    }

    // Map bytes written to a file and check its header.
    int check(const std::vector<unsigned char>& bytes, int ftype, const char* version, int* c_use, int* c_max)
    {
        const std::string path = dir + "f.bin";
        EXPECT_TRUE(ww_write_bytes(path, std::string(bytes.begin(), bytes.end())));
        unsigned char* add = nullptr;
        XMappedFile map(path.c_str(), &add);
        int r = MAP_check_file(ftype, &map, add, c_use, c_max, version);
        if (r) first_data = *c_use < *c_max ? add[*c_use] : 0;
        return r;
    }
    std::vector<unsigned char> text(const char* s) { return std::vector<unsigned char>(s, s + strlen(s)); }
    unsigned char first_data = 0;
};

}  // namespace

TEST_F(MapScan, BinaryHeadersInEitherByteOrder)
{
    int c_use, c_max;
    EXPECT_EQ(check({'a', 0, 0, 0x02, 0xE4, 'X'}, 4, "740", &c_use, &c_max), 1);
    EXPECT_EQ(rev_inf_bin, 1);
    EXPECT_EQ(c_use, 5);
    EXPECT_EQ(c_max, 6);
    EXPECT_EQ(first_data, 'X');

    EXPECT_EQ(check({'i', 0xE4, 0x02, 0, 0, 'Y'}, 21, "740", &c_use, &c_max), 1);
    EXPECT_EQ(rev_inf_bin, 0);
    EXPECT_EQ(first_data, 'Y');

    EXPECT_EQ(check({'i', 0xE5, 0x02, 0, 0}, 4, "740", &c_use, &c_max), 0);    // 741
    EXPECT_EQ(check({'x', 0xE4, 0x02, 0, 0}, 4, "740", &c_use, &c_max), 0);    // no byte-order mark
    EXPECT_EQ(check({'i', 0xE4, 0x02}, 4, "740", &c_use, &c_max), 0);          // header cut short
}

TEST_F(MapScan, TextHeadersAndTheNoticeLine)
{
    int c_use, c_max;
    EXPECT_EQ(check(text("I\n700 version\nDATA"), 2, "700", &c_use, &c_max), 1);
    EXPECT_EQ(first_data, 'D');
    EXPECT_EQ(c_use, 14);
    EXPECT_EQ(check(text("A\r\n650 version\r\nZ"), 2, "650", &c_use, &c_max), 1);
    EXPECT_EQ(first_data, 'Z');
    EXPECT_EQ(check(text("I\n613 version\nDATA"), 2, "650", &c_use, &c_max), 0);
    EXPECT_EQ(check(text("X\n700 version\n"), 2, "700", &c_use, &c_max), 0);

    EXPECT_EQ(check(text("I\n1 version\nQ"), 0, "1", &c_use, &c_max), 1);
    EXPECT_EQ(check(text("I\n12 version\nQ"), 0, "1", &c_use, &c_max), 0);
    EXPECT_EQ(check(text("I\n740 Copyright the designer\nQ"), 22, "740", &c_use, &c_max), 1);
    EXPECT_EQ(IO_notice_text, "Copyright the designer");
    EXPECT_EQ(first_data, 'Q');
}

TEST_F(MapScan, ForeignFilesAndNothingToMap)
{
    int c_use = 9, c_max = 9;
    EXPECT_EQ(check({'B', 'M', 1}, 16, "NOT AERODECK", &c_use, &c_max), 1);
    EXPECT_EQ(c_use, 0);
    EXPECT_EQ(c_max, 3);

    EXPECT_EQ(check({}, 16, "NOT AERODECK", &c_use, &c_max), 0);               // empty
    EXPECT_EQ(c_use, 0);
    EXPECT_EQ(c_max, 0);
    unsigned char* add = nullptr;
    XMappedFile missing((dir + "missing").c_str(), &add);
    EXPECT_EQ(MAP_check_file(16, &missing, add, &c_use, &c_max, "NOT AERODECK"), 0);
    EXPECT_TRUE(g_test_alerts.empty());
}

TEST_F(MapScan, FieldsAreLittleEndianUnlessReversedAndStopAtTheEnd)
{
    const unsigned char d[] = {0x42, 0x4D, 0xFE, 0xFF, 0xFF, 0xFF, 0x01, 0x02, 0x03, 0x04, 0x7F};
    int pos = 0;
    const int n = (int)sizeof d;
    EXPECT_EQ(BIN_MAP_shr_scan(d, &pos, n), 0x4D42);
    EXPECT_EQ(BIN_MAP_lon_scan(d, &pos, n), -2);
    pos = 2;
    EXPECT_EQ(BIN_MAP_int_scan(d, &pos, n), 0xFFFFFFFEu);
    EXPECT_EQ(BIN_MAP_int_scan(d, &pos, n), 0x04030201u);
    EXPECT_EQ(pos, 10);
    EXPECT_EQ(BIN_MAP_int_scan(d, &pos, n), 0u);       // one byte left: nothing is read past the end
    EXPECT_EQ(pos, n);
    EXPECT_EQ(BIN_MAP_chr_scan(d, &pos, n), 0);
    EXPECT_EQ(pos, n);

    rev_inf_bin = 1;
    pos = 6;
    EXPECT_EQ(BIN_MAP_int_scan(d, &pos, n), 0x01020304u);
    pos = 0;
    EXPECT_EQ(BIN_MAP_shr_scan(d, &pos, n), 0x424D);
    pos = 10;
    EXPECT_EQ(BIN_MAP_chr_scan(d, &pos, n), 0x7F);
    EXPECT_EQ(BIN_MAP_shr_scan(d, &pos, n), 0);
}

TEST_F(MapScan, TextToIntIgnoresSignsAndRefusesOtherCharacters)
{
    EXPECT_EQ(str_to_int("740"), 740);
    EXPECT_EQ(str_to_int("+12"), 12);
    EXPECT_EQ(str_to_int("-5"), 5);
    EXPECT_EQ(str_to_int(""), 0);
    EXPECT_EQ(str_to_int("12a"), -1);
    EXPECT_EQ(str_to_int(" 1"), -1);
    EXPECT_EQ(str_to_int("99999999999999"), 2147483647);
}
