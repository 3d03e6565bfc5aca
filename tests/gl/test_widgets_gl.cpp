// Widgets inside real frames under Xvfb: real mouse and key events, the real frame loop, and the
// finished frame read back before it is shown.
#include <gtest/gtest.h>
#include "editor/HL_BTN.h"
#include "draw/HL_GRAPH.h"
#include "draw/HL_BITMAP.h"
#include "draw/art_layout.h"
#include "shell/Hl_MNW.h"
#include "editor/APPLICATION.h"
#include "model/acf_struct.h"
#include "model/set_struct.h"
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
        MACIBM_startwind(0, "widget pixels");
        // The widgets are drawn over the main view: a new aircraft, standing still, so that what
        // lies behind them is the same from frame to frame whatever another suite left.
        set.acf_mod = set.wpn_mod = 0;
        APPLICATION_handlemenu(300);
        set.rotate = set.rotate_max = 0;
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
        ww_mouse_button(1);
        ww_frames(1);
        ww_mouse_button(0);
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
    ww_mouse_button(1);
    ww_frames(1);
    EXPECT_EQ(s_flag, 1);
    EXPECT_GT(brightness(s_grab), brightness(off));   // the white tick over it, no frame late
    ww_mouse_button(0);
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
    flt[0].phi = 0;
    g_test_frame_hook = text_field;
    watch(400, 398, 120, 11);
    click_at(410, 404);
    EXPECT_EQ(mnw.entry_field, 5);
    for (int key : {(int)'s', (int)'p', (int)SDLK_BACKSPACE, (int)'x'}) {
        ww_key(key);
    }
    ww_frames(1);
    EXPECT_EQ(s_text, "wingsx");
    EXPECT_EQ(flt[0].phi, 0);                         // typed, not a turn of the view
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
    ww_key('-');
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

    click_at(610, 504);                               // open again, click beside it: no choice
    click_at(900, 600);
    EXPECT_EQ(mnw.menu_up, -1);
    EXPECT_EQ(s_sel, 2);
    click_at(610, 504);                               // open again, then switch windows
    EXPECT_EQ(mnw.menu_up, MNW_POPUP_MENU);
    MACIBM_startwind(0, "another window");
    ww_frames(1);
    EXPECT_EQ(active_popup_code, 0);
    EXPECT_EQ(mnw.menu_up, -1);
    EXPECT_EQ(s_sel, 2);
}

}   // namespace
