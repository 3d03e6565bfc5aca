// The panel window driven by real mouse and key events through real frames: creating, selecting,
// snapping drags, duplication, the editing keys and fields with their undo and redo, zoom,
// reset and import.
#include <gtest/gtest.h>
#include "shell/Hl_MNW.h"
#include "editor/APPLICATION.h"
#include "editor/pln_panel.h"
#include "editor/ins_catalogue.h"
#include "base/MACIBM_keys.h"
#include "draw/ren_struct.h"
#include "draw/HL_GRAPH.h"
#include "model/acf_struct.h"
#include "model/set_struct.h"
#include "model/IO_ACF.h"
#include "tests/support/ww_test.h"
#include <SDL_keycode.h>
#include <unistd.h>
#include <cmath>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace {

const int K = 10;                                   // the instrument type the tests place
const float X = 600, Y = 20;                        // where the editor box is put

struct rect { float l, b, r, t; float cx() const { return (l + r) / 2; } float cy() const { return (b + t) / 2; } };
rect rect_of(int i) { rect q{}; EXPECT_TRUE(calc_instrument_position(i, &q.l, &q.b, &q.r, &q.t)) << i; return q; }

// The panel as undo sees it.
struct panel_state {
    std::vector<int> type;
    std::vector<float> x, y, size;
    std::set<int> sel;
    bool operator==(const panel_state&) const = default;
};
panel_state now()
{
    const veh_struct& v = veh[0];
    return {{v.ins_type, v.ins_type + 300}, {v.ins_x, v.ins_x + 300}, {v.ins_y, v.ins_y + 300},
            {v.ins_size, v.ins_size + 300}, glo_ins_sel};
}

class Panel : public ::testing::Test {
protected:
    void SetUp() override
    {
        static int loaded;
        ww_start_program();
        if (!loaded++) MACIBM_load_instruments();
        ww_catch_alerts();
        MACIBM_startwind(0, "panel");
        PANEL_reset();                              // no selection, zoom or drag left by a test before
        set.acf_mod = set.wpn_mod = 0;
        APPLICATION_handlemenu(300);
        APPLICATION_handlemenu(602);
        for (int i = 0; i < 300; i++) veh[0].ins_type[i] = -1;
        set.interface_x = X;
        set.interface_y = Y;
        set.show_editor = set.show_panel = 1;
        ins_type_glo = K;
        ww_mouse_to(500, 700);
        ww_frames(1);
        g_test_alerts.clear();
    }
    void TearDown() override
    {
        ww_play(nullptr, nullptr);
        ww_use_aerodeck();                          // the import test points the aircraft folder elsewhere
        MACIBM_startwind(0, "panel");
        set.acf_mod = set.wpn_mod = 0;
    }
    static void place(int i, float x, float y)
    {
        veh[0].ins_type[i] = K;
        veh[0].ins_x[i] = x;
        veh[0].ins_y[i] = y;
        veh[0].ins_size[i] = 1;
    }
    static void click(float x, float y, bool release = true)   // press and release in frames of their own
    {
        ww_mouse_to(x, y);
        ww_mouse_button(1);
        ww_frames(1);
        if (release) { ww_mouse_button(0); ww_frames(1); }
    }
    // A press at (x1, y1), a move to (x2, y2) and the release, a frame for each.
    static void drag(float x1, float y1, float x2, float y2, const std::function<void()>& before_release = {})
    {
        click(x1, y1, false);
        ww_mouse_to(x2, y2);
        ww_frames(1);
        if (before_release) before_release();
        ww_mouse_button(0);
        ww_frames(1);
    }
    static void key(int k, int mods = 0) { ww_key(k, mods); ww_frames(1); }
};

TEST_F(Panel, ClickOnThePreviewCreatesAnInstrumentThatFollowsTheMouse)
{
    const float dx = ren.tex_dx_vis[INS_TEX_BASE + K];
    ASSERT_GT(dx, 0);
    const panel_state empty = now();
    drag(X + 10 - dx / 2, Y + 133, 300, 400);
    EXPECT_EQ(veh[0].ins_type[0], K);
    EXPECT_EQ(veh[0].ins_x[0], 300);
    EXPECT_EQ(veh[0].ins_y[0], 400 - std::round(BIG_PANEL_CHANGE()));
    EXPECT_EQ(glo_ins_sel, std::set<int>{0});
    const panel_state made = now();
    key('z');
    EXPECT_TRUE(now() == empty);
    key('Y', MACIBM_MOD_SHIFT);
    EXPECT_TRUE(now() == made);
}

TEST_F(Panel, DraggingSnapsFlushToANeighbourWithGuidesUnlessCapsLockIsOn)
{
    for (int caps : {0, 1}) {
        place(0, 300, 400);
        place(1, 600, 400);
        glo_ins_sel.clear();
        ww_frames(1);
        const rect a = rect_of(0), b = rect_of(1);
        const panel_state before = now();
        if (caps) ww_key_event(1, SDLK_CAPSLOCK, MACIBM_MOD_CAPS);
        size_t guides = 0;
        // The left edge dropped 3 pixels right of the neighbour's right edge, 2 pixels high.
        drag(b.cx(), b.cy(), b.cx() + (a.r + 3 - b.l), b.cy() + 2, [&] { guides = PANEL_guides_x().size() + PANEL_guides_y().size(); });
        if (caps) ww_key_event(0, SDLK_CAPSLOCK, 0);
        const rect moved = rect_of(1);
        if (caps) {
            EXPECT_EQ(guides, 0u);
            EXPECT_EQ(moved.l, a.r + 3);
            EXPECT_EQ(moved.cy(), a.cy() + 2);
        } else {
            EXPECT_GT(guides, 0u);
            EXPECT_EQ(moved.l, a.r);                // edge to edge
            EXPECT_EQ(moved.cy(), a.cy());          // centre to centre
        }
        const panel_state after = now();
        key('z');
        EXPECT_TRUE(now() == before) << caps;
        key('y');
        EXPECT_TRUE(now() == after) << caps;
    }
}

// Each edit of a selection, then its undo and redo: the panel (selection too) goes back exactly
// and forward again.
TEST_F(Panel, EveryEditIsOneUndoStep)
{
    struct row {
        const char* what;
        int prep;                                // the slot clicked first, -1 none
        std::function<void()> act;
        std::function<void()> check;
    };
    const row rows[] = {
        {"marquee", -1, [] { drag(rect_of(0).l - 20, rect_of(0).t + 20, rect_of(1).r + 5, rect_of(1).b - 5); },
         [] { EXPECT_EQ(glo_ins_sel, (std::set<int>{0, 1})); }},
        {"alt-drag duplicate", -1,
         [] {
             const rect a = rect_of(0);
             ww_key_event(1, SDLK_LALT, MACIBM_MOD_ALT);
             drag(a.cx(), a.cy(), a.cx(), a.cy() - 150);
             ww_key_event(0, SDLK_LALT, 0);
         },
         [] {
             EXPECT_EQ(veh[0].ins_x[0], 300);
             EXPECT_EQ(veh[0].ins_type[2], K);
             EXPECT_EQ(veh[0].ins_y[2], 250);
             EXPECT_EQ(glo_ins_sel, std::set<int>{2});
         }},
        {"nudge", 0, [] { key(SDLK_RIGHT, MACIBM_MOD_SHIFT); }, [] { EXPECT_EQ(veh[0].ins_x[0], 310); }},
        {"resize", 0, [] { click(X + 64, Y + 294); }, [] { EXPECT_EQ(veh[0].ins_size[0], 2); }},
        {"reorder", 1, [] { key('['); }, [] { EXPECT_EQ(veh[0].ins_x[0], 600); EXPECT_EQ(glo_ins_sel, std::set<int>{0}); }},
        {"delete", 1, [] { key(SDLK_BACKSPACE); }, [] { EXPECT_EQ(veh[0].ins_type[1], -1); EXPECT_TRUE(glo_ins_sel.empty()); }},
        {"dragged off the panel", -1, [] { drag(rect_of(1).cx(), rect_of(1).cy(), 1030, rect_of(1).cy()); },
         [] { EXPECT_EQ(veh[0].ins_type[1], -1); }},
    };
    for (const row& r : rows) {
        SCOPED_TRACE(r.what);
        for (int i = 0; i < 300; i++) veh[0].ins_type[i] = -1;
        place(0, 300, 400);
        place(1, 600, 400);
        glo_ins_sel.clear();
        ww_frames(1);
        if (r.prep >= 0) click(rect_of(r.prep).cx(), rect_of(r.prep).cy());
        const panel_state before = now();
        r.act();
        r.check();
        const panel_state after = now();
        key('z');
        EXPECT_TRUE(now() == before);
        key('y');
        EXPECT_TRUE(now() == after);
    }
}

TEST_F(Panel, ZoomKeepsThePointUnderTheMouseAndStaysWithinItsLimits)
{
    place(0, 300, 200);
    ww_mouse_to(310, rect_of(0).cy() + 5);
    ww_frames(1);
    const float px = SCREEN_TO_PANEL_X(310), py = SCREEN_TO_PANEL_Y(mnw.my);
    ww_wheel(1);
    ww_frames(1);
    EXPECT_EQ(panel_scroll_zoom, 2);
    EXPECT_NEAR(SCREEN_TO_PANEL_X(310), px, 1e-3);
    EXPECT_NEAR(SCREEN_TO_PANEL_Y(mnw.my), py, 1e-3);
    const rect z = rect_of(0);
    EXPECT_TRUE(z.l <= 310 && 310 <= z.r && z.b <= mnw.my && mnw.my <= z.t);
    for (int i = 0; i < 4; i++) key('=');
    EXPECT_EQ(panel_scroll_zoom, 8);
    for (int i = 0; i < 4; i++) key('-');
    EXPECT_EQ(panel_scroll_zoom, 1);
    key('E');                                        // at zoom 1 the panel fills the screen: no scroll
    EXPECT_EQ(PANEL_TO_SCREEN_X(0), 0);
}

TEST_F(Panel, NoFreeSlotAlertsAndCreatesNothing)
{
    for (int i = 0; i < 300; i++) place(i, 100 + i, 600);
    const panel_state full = now();
    const float dx = ren.tex_dx_vis[INS_TEX_BASE + K];
    drag(X + 10 - dx / 2, Y + 133, 300, 300);
    ASSERT_EQ(g_test_alerts.size(), 1u);
    EXPECT_EQ(g_test_alerts[0].lines[0], "You have too many instruments on this panel to create a new one.");
    EXPECT_TRUE(now() == full);
}

TEST_F(Panel, ResetToTheDefaultSetThenUndo)
{
    place(0, 300, 400);
    const panel_state mine = now();
    click(X + 150, Y + 287);
    EXPECT_NE(veh[0].ins_type[1], -1);
    key('z');
    EXPECT_TRUE(now() == mine);
}

TEST_F(Panel, ImportTakesAnotherAircraftsPanelAndLeavesItOnAFailedRead)
{
    const std::string host = std::string(WW_AERODECK_DIR) + "Aircraft/ww-panel-" + std::to_string(getpid()) + "/";
    std::filesystem::create_directories(host);
    place(5, 111, 222);
    veh[0].HUD_ctr_x = 512;
    ASSERT_EQ(IO_acf_write_to(0, host + "donor.acf"), 1);
    const panel_state donor = now();
    for (int i = 0; i < 300; i++) veh[0].ins_type[i] = -1;
    veh[0].HUD_ctr_x = 0;
    const panel_state mine = now();
    acf_path = host;
    auto import = [] {
        ww_script sc;
        sc.steps = {[] {}, [] {}, [] { ww_key(SDLK_RETURN); }};
        ww_play(&sc, [] { if (mnw.top_win == MNW_WIN_OPEN) ww_click_at(45, 28); });
        ww_click_at(X + 200, Y + 287);
        ww_frames(3);
        ww_play(nullptr, nullptr);
    };
    import();
    EXPECT_EQ(mnw.top_win, 602);
    EXPECT_TRUE(now() == donor);
    EXPECT_EQ(veh[0].HUD_ctr_x, 512);
    key('z');
    EXPECT_TRUE(now() == mine);

    ASSERT_EQ(ww_write_bytes(host + "donor.acf", "abc"), 1);   // damaged: too short to be an aircraft
    import();
    EXPECT_TRUE(now() == mine);
    std::filesystem::remove_all(host);
}

TEST_F(Panel, DamagedSlotsAreSkippedAndSizesClamped)
{
    place(0, NAN, 300);
    place(1, 300, 1e30f);
    place(2, 300, 300);
    veh[0].ins_type[3] = 9999;
    veh[0].ins_size[2] = 50;
    float l, b, r, t;
    EXPECT_EQ(calc_instrument_position(0, &l, &b, &r, &t), 0);
    EXPECT_EQ(calc_instrument_position(1, &l, &b, &r, &t), 0);
    EXPECT_EQ(calc_instrument_position(3, &l, &b, &r, &t), 0);
    ASSERT_EQ(calc_instrument_position(2, &l, &b, &r, &t), 1);
    EXPECT_EQ(r - l, std::round(ren.tex_dx_vis[INS_TEX_BASE + K] * 4));
    ww_frames(2);
    key('a');
    EXPECT_EQ(glo_ins_sel, (std::set<int>{0, 1, 2}));   // the type outside the catalogue is no instrument
}

// The instruments' part of the screen as the frame drew it, then as a whole redraw of the same
// state draws it, in the same frame so that the pulsing selection tint is the same.
const int PX = 150, PY = 420, PDX = 420, PDY = 320;   // clear of the editor box
std::vector<unsigned char> g_drawn(PDX * PDY * 4), g_whole(PDX * PDY * 4);
int g_kept;
void drawn_and_whole(void)
{
    g_kept = PANEL_still_kept();
    OGL_read_pixels(PX, PY, PDX, PDY, g_drawn.data());
    panel_keep_still = 0;
    PANEL_update();
    panel_keep_still = 1;
    OGL_read_pixels(PX, PY, PDX, PDY, g_whole.data());
}

// Frames drawn from the kept copy, while the middle one of three overlapping instruments is
// dragged under and over its neighbours, then still with and without a selection, show what a
// whole redraw shows.
TEST_F(Panel, KeptFramesDrawWhatAWholeRedrawDraws)
{
    place(0, 300, 560);
    place(1, 340, 580);
    place(2, 380, 560);
    veh[0].ins_size[2] = 1.5f;
    const rect a = rect_of(1);
    auto check = [&](const char* what) {
        ww_frames(1);                               // the copy kept again after the last check
        g_test_frame_hook = drawn_and_whole;
        ww_frames(1);
        g_test_frame_hook = nullptr;
        EXPECT_TRUE(g_kept) << what;
        EXPECT_TRUE(g_drawn == g_whole) << what;
    };
    ww_key_event(1, SDLK_CAPSLOCK, MACIBM_MOD_CAPS);   // no guides, which a whole redraw would not draw
    click(a.cx(), a.cy(), false);
    for (float step : {-60.0f, -20.0f, 30.0f, 70.0f}) {
        ww_mouse_to(a.cx() + step, a.cy() - step / 4);
        check("drag");
    }
    ww_mouse_button(0);
    ww_key_event(0, SDLK_CAPSLOCK, 0);
    check("selected");
    key('d');
    check("none selected");
}

TEST_F(Panel, TheEditorBoxLaysItsWidgetsOutApart)
{
    EXPECT_EQ(ww_layout_problems(602, 0), "");
    place(0, 300, 400);
    glo_ins_sel = {0};
    EXPECT_EQ(ww_layout_problems(602, 0), "");
}

}  // namespace
