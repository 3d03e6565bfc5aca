// Widgets inside real frames under Xvfb: real mouse and key events, the real frame loop, and the
// finished frame read back before it is shown.
#include <gtest/gtest.h>
#include "editor/HL_BTN.h"
#include "draw/HL_GRAPH.h"
#include "draw/HL_BITMAP.h"
#include "draw/art_layout.h"
#include "shell/Hl_MNW.h"
#include "tests/support/ww_test.h"
#include <SDL2/SDL_keycode.h>
#include <string>
#include <vector>

namespace {

std::vector<unsigned char> s_grab;
int s_gx, s_gy, s_gdx, s_gdy;

void grab(void)
{
    s_grab.assign((size_t)s_gdx * s_gdy * 4, 0);
    OGL_read_pixels(s_gx + (int)(mnw.win_x + mnw.x_off), s_gy + (int)mnw.win_y, s_gdx, s_gdy, s_grab.data());
}

long brightness(const std::vector<unsigned char>& px)
{
    long sum = 0;
    for (size_t i = 0; i < px.size(); i += 4) sum += px[i] + px[i + 1] + px[i + 2];
    return sum;
}

class WidgetPixels : public ::testing::Test {
protected:
    void SetUp() override
    {
        ww_start_program();
        ww_catch_alerts();
        // Other suites load their own pictures into the art sheet's slot.
        ASSERT_EQ(OGL_texbmp(-100, REN_TEX_INTERFACE, -109, bmp_path + "interface.png"), 1);
        MACIBM_startwind(0, "widget pixels");
        g_fake_time = -1;
        g_test_before_swap = grab;
    }
    void TearDown() override
    {
        g_test_frame_hook = nullptr;
        g_test_before_swap = nullptr;
        mnw.entry_field = -1;
        ww_frames(1);
    }
    // The rectangle (window coordinates) the next frames are read back from.
    static void watch(int x, int y, int dx, int dy) { s_gx = x; s_gy = y; s_gdx = dx; s_gdy = dy; }
    static void click_at(float x, float y)
    {
        ww_mouse_to(x, y);
        ww_frames(1);
        MACIBM_sys_push_button(1);
        ww_frames(1);
        MACIBM_sys_push_button(0);
    }
};

int s_flag;
void check_box(void) { BTN_bool(200, 200, &s_flag, "landing gear", 0); }

TEST_F(WidgetPixels, AClickTicksTheBoxAndThatVeryFrameShowsTheTick)
{
    s_flag = 0;
    g_test_frame_hook = check_box;
    watch(191, 195, 18, 18);
    ww_mouse_to(200, 204);
    ww_frames(1);
    std::vector<unsigned char> off = s_grab;
    EXPECT_GT(brightness(off), 0);                    // the empty box is drawn
    MACIBM_sys_push_button(1);
    ww_frames(1);
    EXPECT_EQ(s_flag, 1);
    EXPECT_GT(brightness(s_grab), brightness(off));   // the white tick over it, no frame late
    MACIBM_sys_push_button(0);
    ww_frames(1);
    EXPECT_EQ(s_flag, 1);                             // releasing is not another click
}

float s_value;
void number_field(void) { BTN_flt(300, 300, &s_value, 4, 1, 0, "span|ft"); }

TEST_F(WidgetPixels, ArrowClicksStepTheValueAndTheDigitsFollow)
{
    s_value = 0;
    g_test_frame_hook = number_field;
    watch(300, 298, 40, 11);                          // the four digit cells
    ww_frames(1);
    std::vector<unsigned char> zeros = s_grab;
    click_at(305, 312);                               // the upper arrow of the hundreds
    EXPECT_FLOAT_EQ(s_value, 100.0f);
    click_at(335, 290);                               // the lower arrow of the tenths
    EXPECT_FLOAT_EQ(s_value, 99.9f);
    ww_frames(1);
    EXPECT_NE(s_grab, zeros);
}

std::string s_text = "wing";
void text_field(void) { BTN_enterstring(400, 400, &s_text, 20, 5, "name"); }

TEST_F(WidgetPixels, TypingGoesIntoTheClickedFieldUntilAMinusEndsIt)
{
    s_text = "wing";
    g_test_frame_hook = text_field;
    watch(400, 398, 120, 11);
    click_at(410, 404);
    EXPECT_EQ(mnw.entry_field, 5);
    for (int key : {(int)'s', (int)'p', (int)SDLK_BACKSPACE, (int)'x'}) {
        MACIBM_sys_push_key(1, key);
        MACIBM_sys_push_key(0, key);
    }
    ww_frames(1);
    EXPECT_EQ(s_text, "wingsx");
    // The caret sits one pixel after the text, and goes when the entry ends.
    int cx = (int)(1 + str_dx("wingsx"));
    auto column = [&] {
        long sum = 0;
        for (int y = 0; y < 8; y++) {
            const unsigned char* p = &s_grab[((size_t)y * s_gdx + cx) * 4];
            sum += p[0] + p[1] + p[2];
        }
        return sum;
    };
    long with_caret = column();
    MACIBM_sys_push_key(1, '-');
    MACIBM_sys_push_key(0, '-');
    ww_frames(1);
    EXPECT_EQ(mnw.entry_field, -1);
    EXPECT_EQ(s_text, "wingsx");
    EXPECT_GT(with_caret, column());
}

int s_sel;
void list_field(void) { BTN_textlist(600, 500, &s_sel, "none-left-right", "side"); }

TEST_F(WidgetPixels, APopUpOpensOnAClickAndTheMenuCodeHandsTheChosenItemBack)
{
    s_sel = 1;
    g_test_frame_hook = list_field;
    click_at(610, 504);
    EXPECT_EQ(active_popup_code, 1024 * 500 + 600);
    EXPECT_EQ(mnw.menu_up, MNW_POPUP_MENU);
    EXPECT_STREQ(stl.item_name[MNW_POPUP_MENU][2], "right");
    click_at(600, 494);                               // "right", one row below the list's line
    EXPECT_EQ(s_sel, 2);
    EXPECT_EQ(active_popup_code, 0);
    EXPECT_EQ(select_popup_code, 0);
    EXPECT_EQ(mnw.menu_up, -1);

    click_at(610, 504);                               // open again, then switch windows
    EXPECT_EQ(mnw.menu_up, MNW_POPUP_MENU);
    MACIBM_startwind(0, "another window");
    ww_frames(1);
    EXPECT_EQ(active_popup_code, 0);
    EXPECT_EQ(mnw.menu_up, -1);
    EXPECT_EQ(s_sel, 2);
}

}   // namespace

namespace {

// Every widget once, in an editor window, for a look at the build's screenshot.
void all_widgets(void)
{
    static float f1 = 12.5f, f2 = -3;
    static int b1 = 1, b2 = 0, radio = 2, sel = 1, tab = 1, idx = 4;
    static char code[5] = "N1Z-";
    static std::string name = "Skyhawk", file = "c172.acf", path = "/c172.acf";
    BTN_fillwin(1, 1);
    BTN_tab(0, 0, &tab, "wings");
    BTN_tab(1, 0, &tab, "bodies");
    BTN_tab(2, 0, &tab, "engines");
    BTN_flt(150, 600, &f1, 4, 1, 0, "fuel intro time|(sec){ help");
    BTN_flt(150, 550, &f2, 3, 0, 1, "-ground attitude|(deg)");
    BTN_display_number(150, 500, 123.4f, 5, 1, "weight|lb");
    BTN_bool(150, 450, &b1, "retracts|left", 0);
    BTN_bool(150, 420, &b2, "steers", 0);
    BTN_is_int(300, 450, &radio, 1, "one");
    BTN_is_int(300, 420, &radio, 2, "two");
    BTN_action(200, 370, 0, 0, "Cancel");
    BTN_action(300, 370, 1, 0, "Pressed");
    BTN_textlist(200, 320, &sel, "none-left-right", "side|of gear");
    BTN_chars(150, 270, code, 4, "code");
    BTN_enterstring(150, 220, &name, 20, 1, "name");
    BTN_select_file(150, 170, &file, &path, 4, 998, "file|(acf)");
    BTN_icon(500, 600, ART_ICON_SHOW_PANEL_OFF.s, ART_ICON_SHOW_PANEL_OFF.t, ART_ICON_SHOW_PANEL_ON.s,
             ART_ICON_SHOW_PANEL_ON.t, 9, 9, 45, 1, "panel");
    float x2, y2;
    BTN_subwin(0, 13, 600, 300, 300, 200, "sub-panel", &x2, &y2);
    BTN_vert_slider(950, 100, 500, 0, 10, &idx);
}

}   // namespace

TEST_F(WidgetPixels, ScreenshotOfEveryWidget)
{
    MACIBM_startwind(607, "screenshot");
    g_test_frame_hook = all_widgets;
    ww_mouse_to(2000, 2000);
    watch(0, 0, (int)mnw.win_dx, (int)mnw.win_dy);
    ww_frames(2);
    EXPECT_TRUE(g_test_alerts.empty());
    EXPECT_TRUE(ww_write_png(std::string(WW_AERODECK_DIR) + "../screenshot-widgets.png", s_gdx, s_gdy, s_grab.data()));
    MACIBM_startwind(0, "screenshot");
}
