// The real program under Xvfb: start-up, frames driven by real window events, pixels read back.
#include <gtest/gtest.h>
#include "shell/Hl_MNW.h"
#include "editor/APPLICATION.h"
#include "draw/HL_GRAPH.h"
#include "draw/HL_BITMAP.h"
#include "editor/HL_BTN.h"
#include "draw/art_layout.h"
#include "base/HL_MATH_FUN.h"
#include "tests/support/ww_test.h"
#include <algorithm>
#include <cmath>
#include <vector>
#include <cstring>

class Frame : public ::testing::Test {
protected:
    void SetUp() override
    {
        ww_start_program();
        // The clock of this test runs on from any time, fake or real, the program has seen before.
        g_fake_time = -1;
        t0 = std::max(s_latest, (double)time_sec()) + 1;
        g_test_frame_hook = nullptr;
        g_test_before_swap = nullptr;
        // The main screen, no menu open, the mouse over empty ground: a press is the editor's.
        MACIBM_startwind(0, "frame");
        ww_mouse_to(450, 200);
    }
    void TearDown() override
    {
        g_fake_time = -1;
        g_test_frame_hook = nullptr;
        g_test_before_swap = nullptr;
    }
    // Frames at fake clock times, so that timing rules can be checked exactly.
    void frame_at(double t)
    {
        g_fake_time = t0 + t;
        s_latest = std::max(s_latest, g_fake_time);
        MACIBM_event_proc();
    }
    double t0 = 0;
    static inline double s_latest = 0;
};

TEST_F(Frame, StartUpReportsTheGraphicsAndShowsTheStartScreen)
{
    EXPECT_EQ(g_OGL_inited, 1);
    EXPECT_EQ(mnw.top_win, 0);               // the start screen becomes the main view on the first frame
    EXPECT_EQ(mnw.x_res_now, 1024);
    EXPECT_EQ(mnw.y_res_now, 768);
    EXPECT_EQ(ren.tex_dx_tot[REN_TEX_INTERFACE], 512);
    EXPECT_GT(ren.num_tex_units, 0);   // (the graphics report in Error.out: the start-and-quit run)
    // The interface colours come from the art sheet exactly as drawn; 35 is the mean of 31 and 34.
    for (const ART_swatch& w : ART_SWATCHES) {
        EXPECT_NEAR(col_rgb[w.slot][0], w.r / 255.0f, 0.5f / 255) << "slot " << w.slot;
        EXPECT_NEAR(col_rgb[w.slot][1], w.g / 255.0f, 0.5f / 255) << "slot " << w.slot;
        EXPECT_NEAR(col_rgb[w.slot][2], w.b / 255.0f, 0.5f / 255) << "slot " << w.slot;
    }
    for (int c = 0; c < 3; c++) EXPECT_FLOAT_EQ(col_rgb[35][c], (col_rgb[31][c] + col_rgb[34][c]) * 0.5f);
}

TEST_F(Frame, DoubleClickOnlyWithinAQuarterSecond)
{
    frame_at(100.0);
    ww_mouse_button(1); frame_at(100.1);
    EXPECT_EQ(mnw.mouse_clicked, 1);
    EXPECT_EQ(mnw.now_dragging, 1);
    ww_mouse_button(0); frame_at(100.15);
    EXPECT_EQ(mnw.now_dragging, 0);
    ww_mouse_button(1); frame_at(100.3);      // 0.2 s after the previous press
    EXPECT_EQ(mnw.mouse_double_clicked, 1);
    frame_at(100.31);
    EXPECT_EQ(mnw.mouse_clicked, 0);
    EXPECT_EQ(mnw.mouse_double_clicked, 0);          // that frame only
    ww_mouse_button(0); frame_at(100.4);
    ww_mouse_button(1); frame_at(100.6);      // 0.3 s: too slow
    EXPECT_EQ(mnw.mouse_clicked, 1);
    EXPECT_EQ(mnw.mouse_double_clicked, 0);
    ww_mouse_button(0); frame_at(100.7);
}

TEST_F(Frame, DragDelayAfterAQuarterSecondHeld)
{
    ww_mouse_button(1); frame_at(200.0);
    frame_at(200.2);
    EXPECT_EQ(mnw.delay_dragging, 0);
    frame_at(200.3);
    EXPECT_EQ(mnw.delay_dragging, 1);
    ww_mouse_button(0); frame_at(200.4);
    EXPECT_EQ(mnw.delay_dragging, 0);
    EXPECT_EQ(mnw.now_dragging, 0);
    EXPECT_EQ(mnw.mouse_lifted, 1);
}

TEST_F(Frame, WheelNotchesAccumulateUntilConsumed)
{
    mnw.mouse_wheel = 0;
    ww_wheel(2); frame_at(300.0);
    ww_wheel(1); frame_at(300.1);
    frame_at(300.2);
    EXPECT_EQ(mnw.mouse_wheel, 3);
    ww_wheel(-1); frame_at(300.3);
    EXPECT_EQ(mnw.mouse_wheel, 2);
    mnw.mouse_wheel = 0;
}

TEST_F(Frame, PulsesFireOncePerPeriod)
{
    // Frames just under 0.1 s apart for 5 s: the 1 Hz pulse fires about once a second, the 40 Hz
    // one in every frame, and the 0.2 Hz one once at most. (No two frames lie exactly a period
    // apart, where the float clock could round either way.)
    // Pulses are decided on the clock of the frame before, so two frames first settle them.
    frame_at(390.0);
    frame_at(390.0);
    int n1 = 0, n40 = 0, n02 = 0;
    for (int i = 0; i <= 50; i++) {
        frame_at(400.0 + 0.0999 * i);
        n1 += mnw.puff1; n40 += mnw.puff40; n02 += mnw.puff02;
    }
    EXPECT_GE(n1, 4);
    EXPECT_LE(n1, 5);
    EXPECT_GE(n40, 49);
    EXPECT_LE(n02, 1);
}

TEST_F(Frame, WindowsAreCentredAndNeverBelowTheScreen)
{
    MACIBM_startwind(605, "test");
    EXPECT_EQ(mnw.win_dx, 417);
    EXPECT_EQ(mnw.win_dy, 466);
    EXPECT_EQ(mnw.win_x, 304);                       // round(303.5)
    EXPECT_EQ(mnw.win_y, 151);
    EXPECT_EQ(mnw.entry_field, -1);
    EXPECT_EQ(mnw.menu_up, -1);
    mnw.y_res_now = 900;                             // a full-screen window taller than the interface
    MACIBM_startwind(602, "test");
    EXPECT_EQ(mnw.win_dy, 900);
    EXPECT_EQ(mnw.win_y, 0);
    mnw.y_res_now = 768;
    MACIBM_startwind(0, "test");
    EXPECT_EQ(mnw.win_x, 0);
}

static void post_help(void) { strcpy(stl.help_message, "Help for the hovered control, shown after a second of stillness."); }

TEST_F(Frame, HelpBoxAfterOneSecondOfStillness)
{
    g_test_frame_hook = post_help;
    ww_mouse_to(600, 300);
    frame_at(600.0);
    float x, y, w, h;
    // The help box is drawn over the frame, so read the back buffer before the swap: draw one more
    // frame's worth by hand with the same rules.
    frame_at(600.5);
    MACIBM_help_box_rect(&x, &y, &w, &h);
    EXPECT_EQ(w, 400);
    EXPECT_EQ(h, 60);                                // 64 characters: 1 line of 50 -> 30, at least 60
    EXPECT_EQ(x, 200);
    EXPECT_EQ(y, 300);
    static std::vector<unsigned char> shown(400 * 60 * 4);
    g_test_before_swap = [] { OGL_read_pixels(200, 300, 400, 60, shown.data()); };
    frame_at(600.6);
    std::vector<unsigned char> before = shown;
    frame_at(601.2);
    EXPECT_NE(before, shown) << "the help box did not appear after a second of stillness";
    ww_mouse_to(610, 300);
    frame_at(601.3);
    EXPECT_EQ(before, shown) << "the help box must go as soon as the mouse moves";
    g_test_before_swap = nullptr;
}

TEST_F(Frame, CursorHidesAfterTenStillSecondsAndReturnsOnMovement)
{
    ww_mouse_to(300, 300);
    frame_at(700.0);
    frame_at(705.0);
    EXPECT_EQ(MACIBM_cursor_shown(), 1);
    frame_at(710.5);
    EXPECT_EQ(mnw.cursor_type, 1);
    EXPECT_EQ(MACIBM_cursor_shown(), 0);
    ww_mouse_to(302, 300);
    frame_at(710.6);
    EXPECT_EQ(MACIBM_cursor_shown(), 1);
}

// Draws straight into the back buffer and reads it before any swap.
class Pixels : public ::testing::Test {
protected:
    void SetUp() override
    {
        ww_start_program();
        MACIBM_startwind(0, "pixels");
        OGL_2d_projection();
        OGL_fillrect(15, 1.0f, 0, 0, 1024, 768);      // black
    }
    std::vector<unsigned char> block(int x, int y, int dx, int dy)
    {
        std::vector<unsigned char> px((size_t)dx * dy * 4);
        OGL_read_pixels(x, y, dx, dy, px.data());
        return px;
    }
    static int lit(const std::vector<unsigned char>& px)
    {
        int n = 0;
        for (size_t i = 0; i < px.size(); i += 4) n += px[i] > 128;
        return n;
    }
};

TEST_F(Pixels, FlatBackgroundByClearingLooksExactlyLikeTheTexture)
{
    MACIBM_startwind(605, "background");
    ASSERT_EQ(ren.back_flat, 1);
    OGL_2d_projection();
    OGL_plot_background();
    auto cleared = block(0, 0, 1024, 768);
    ren.back_flat = 0;                               // the same background drawn as the texture
    OGL_fillrect(15, 1.0f, -mnw.win_x, -mnw.win_y, 1024, 768);
    OGL_plot_background();
    auto drawn = block(0, 0, 1024, 768);
    ren.back_flat = 1;
    EXPECT_EQ(cleared, drawn);
    EXPECT_EQ(cleared[0], (unsigned char)intround(col_rgb[30][0] * 255));
    // The start picture is a picture: it must be drawn, not cleared.
    MACIBM_startwind(-1, "background");
    EXPECT_EQ(ren.back_flat, 0);
    MACIBM_startwind(0, "background");
}

TEST_F(Pixels, StartPictureFromItsGroundAndTilesLooksExactlyLikeThePictureDrawnWhole)
{
    MACIBM_startwind(-1, "background");
    ASSERT_EQ(ren.back_keyed, 1);
    // On a screen larger than the interface, too, where the margins keep the window colour. The
    // window here stays 1024 x 768: it shows the lower left of a 1152 x 800 screen.
    for (auto [w, h] : {std::pair{1024, 768}, {1152, 800}}) {
        SCOPED_TRACE(w);
        mnw.x_res_now = w; mnw.y_res_now = h;
        MACIBM_compute_offsets();
        OGL_2d_projection();
        OGL_plot_background();
        const std::vector<unsigned char> keyed = block(0, 0, 1024, 768);
        ren.back_keyed = 0;
        OGL_fillrect(15, 1.0f, 0, 0, 1024, 768);
        OGL_plot_background();
        const std::vector<unsigned char> whole = block(0, 0, 1024, 768);
        ren.back_keyed = 1;
        EXPECT_EQ(keyed, whole);
        EXPECT_GT(lit(whole), 2000);   // not the ground alone: the title and the aircraft are there
        if (w > 1024) {
            EXPECT_EQ(keyed[0], (unsigned char)intround(col_rgb[30][0] * 255));   // the left margin
        }
    }
    mnw.x_res_now = 1024; mnw.y_res_now = 768;
    MACIBM_compute_offsets();
    OGL_2d_projection();
    MACIBM_startwind(0, "background");
}

// Text and widget art are queued and sent together; whatever is drawn in between still lands in
// the order it was asked for.
TEST_F(Pixels, QueuedTextKeepsItsPlaceAmongOtherDrawing)
{
    OGL_string(0, 100, 500, "hidden under a panel", 9999, 100);
    OGL_fillrect(13, 1.0f, 90, 490, 200, 30);        // green
    auto covered = block(90, 490, 200, 30);
    for (size_t i = 0; i < covered.size(); i += 4)
        ASSERT_TRUE(covered[i] == 0 && covered[i + 1] == 204) << "text showed through the panel drawn after it";

    OGL_fillrect(15, 1.0f, 90, 390, 200, 30);
    OGL_string(0, 100, 400, "over the panel", 9999, 100);
    EXPECT_GT(lit(block(90, 390, 200, 30)), 20);     // read back without a swap: the queue is sent first

    OGL_scissors(100, 300, 30, 20);                  // only the first letters fall inside
    OGL_string(0, 100, 305, "clipped at the scissor edge", 9999, 100);
    OGL_scissors_end();
    EXPECT_GT(lit(block(100, 300, 30, 20)), 0);
    EXPECT_EQ(lit(block(130, 300, 150, 20)), 0);

    // Two colours one after the other, and widget art between them, keep their own colours.
    OGL_string(0, 100, 200, "MMMM", 9999, 100);       // white
    BTN_frame1(9, 300, 205, 80, 45);
    OGL_string(1, 100, 180, "MMMM", 9999, 100);       // red
    auto white = block(100, 198, 30, 11), other = block(100, 178, 30, 11);
    int white_seen = 0, other_seen = 0;
    for (size_t i = 0; i < white.size(); i += 4) white_seen += white[i] == 255 && white[i + 1] == 255 && white[i + 2] == 255;
    for (size_t i = 0; i < other.size(); i += 4) other_seen += other[i] == 204 && other[i + 1] == 0;
    EXPECT_GT(white_seen, 10);
    EXPECT_GT(other_seen, 10);
}

// Glyph quads cover only each glyph's ink, bars and panels stretch one middle where the art
// repeats one texel, and opaque panel middles are not blended: everything must look exactly as
// with whole cells and repeated, blended tiles.
TEST_F(Pixels, TextOverItsInkAndStretchedMiddlesLookExactlyLikeCellsAndTiles)
{
    auto draw = [&] {
        OGL_fillrect(16, 1.0f, 0, 0, 1024, 768);     // a lit ground, so a stray cell edge would show
        for (int charset = 100; charset <= 102; charset++)
            for (int row = 0; row < 3; row++)
                OGL_string(0, 20, 740 - 40 * (charset - 100) - 12 * row, ART_FONT_CHARS + 31 * row, 9999, charset);
        OGL_number(0, 600, 600, -1234.56f, 8, 2, 101);
        OGL_number(0, 600, 580, 98765432.0f, 4, 0, 102);
        float y = 560;
        for (const ART_bar& b : ART_BARS) BTN_frame1(b.style, 200, y -= 32, 137 + 7 * b.style, 45);
        BTN_frame0(6, 400, 300, 173);
        for (const ART_panel& p : ART_PANELS) BTN_frame2(p.style, 430 + 70 * (p.style - 11), 30 + 9 * (p.style - 11), 61, 187, "");
        BTN_frame2(11, 20, 20, 93, 5, "");           // too short for a middle
        return block(0, 0, 1024, 768);
    };
    ASSERT_EQ(OGL_bar_middle_repeats(0), 1);
    ASSERT_EQ(OGL_panel_middle_repeats(11, 1), 1);
    ASSERT_EQ(OGL_panel_middle_opaque(11), 1);
    int outer[4], inner[4];
    unsigned char fill[4];
    ASSERT_EQ(OGL_panel_insets(13, outer, inner, fill), 1);   // the group box's fill reaches into its border tiles
    EXPECT_LT(inner[0], ART_panel_border(ART_find_panel(13)->size));
    const auto measured = draw();
    OGL_measure_sheet(nullptr, 0, 0);
    EXPECT_EQ(OGL_bar_middle_repeats(0), 0);
    const auto tiled = draw();
    OGL_tex_state st{};
    ASSERT_EQ(OGL_read_tex(REN_TEX_INTERFACE, 0, &st, nullptr), 1);
    std::vector<unsigned char> sheet((size_t)st.dx * st.dy * 4);
    OGL_read_tex(REN_TEX_INTERFACE, 0, &st, sheet.data());
    OGL_measure_sheet(sheet.data(), st.dx, st.dy);
    EXPECT_EQ(measured, tiled);
    EXPECT_EQ(draw(), measured);
}
