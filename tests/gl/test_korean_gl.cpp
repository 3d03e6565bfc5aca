// The Korean menus on screen: the bar titles are drawn from the Korean glyph sheet the art
// generator renders, not left blank and not read off the sheet.
#include <gtest/gtest.h>
#include "shell/Hl_MNW.h"
#include "draw/HL_BITMAP.h"
#include "draw/HL_GRAPH.h"
#include "draw/ren_struct.h"
#include "tests/support/ww_test.h"
#include <cstring>
#include <vector>

namespace {

std::vector<unsigned char> s_px(1024 * 40 * 4);
void grab_bar(void) { OGL_read_pixels(0, (int)(mnw.y_off + 728), 1024, 40, s_px.data()); }

class KoreanMenus : public ::testing::Test {
protected:
    void SetUp() override
    {
        ww_start_program();
        ww_catch_alerts();
        MACIBM_startwind(0, "korean menus");
        mnw.lang = 5;
        ASSERT_EQ(OGL_texbmp(OGL_TYPE_UPLOAD, REN_TEX_KOREAN, OGL_FILT_KEY, men_path + "Korean:menu_text.bmp"), 1);
        MACIBM_read_menus("Wing-Wright.txt");
    }
    void TearDown() override
    {
        g_test_before_swap = nullptr;
        mnw.menu_up = -1;
        mnw.lang = 0;
        MACIBM_read_menus("Wing-Wright.txt");
        ww_frames(1);
    }
};

TEST_F(KoreanMenus, BarTitlesShowHangulFromTheGlyphSheet)
{
    ASSERT_EQ(strlen(stl.menu_name[0]), 4u);     // two syllables
    g_test_before_swap = grab_bar;
    ww_frames(1);
    const std::vector<unsigned char> hangul = s_px;
    // The same titles made of blank cells (cell 0) leave only the bar behind.
    for (int m = 0; m < 7; m++) memset(stl.menu_name[m], 1, strlen(stl.menu_name[m]));
    ww_frames(1);
    g_test_before_swap = nullptr;
    int inked = 0;
    for (size_t i = 0; i < s_px.size(); i += 4) inked += hangul[i] != s_px[i] || hangul[i + 1] != s_px[i + 1];
    EXPECT_GT(inked, 7 * 2 * 20) << "each Korean title should ink at least 20 pixels a syllable";
    EXPECT_TRUE(g_test_alerts.empty());
}

}   // namespace

namespace {

std::vector<unsigned char> s_title(200 * 24 * 4);
void grab_title(void)
{
    OGL_read_pixels((int)(mnw.x_off + mnw.win_x + mnw.win_dx / 2 - 100), (int)(mnw.win_y + mnw.win_dy - 22), 200, 24,
                    s_title.data());
}

// The windows' text lines in Korean: the general window's title comes from the glyph sheet,
// drawn through the same label code as every English title.
TEST(KoreanText, WindowTitleShowsHangulFromTheGlyphSheet)
{
    ww_start_program();
    ww_catch_alerts();
    MACIBM_setupforlang(5);
    MACIBM_startwind(600, "korean text");
    ASSERT_TRUE(OGL_korean_pair_start((unsigned char)stl.win_name[0])) << "the title is not Korean";
    g_test_before_swap = grab_title;
    ww_frames(1);
    const std::vector<unsigned char> hangul = s_title;
    for (char* c = stl.win_name; *c; c++) *c = 1;   // every glyph the blank cell 0
    ww_frames(1);
    g_test_before_swap = nullptr;
    int inked = 0;
    for (size_t i = 0; i < s_title.size(); i += 4) inked += hangul[i] != s_title[i] || hangul[i + 1] != s_title[i + 1];
    MACIBM_setupforlang(0);
    MACIBM_startwind(0, "korean text");
    EXPECT_GT(inked, 5 * 20) << "each Korean syllable of the title should ink at least 20 pixels";
    EXPECT_TRUE(g_test_alerts.empty());
}

}   // namespace
