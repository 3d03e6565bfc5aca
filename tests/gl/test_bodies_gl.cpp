// The body, landing gear and weight windows driven through real mouse events and keys: dragging
// body points with the ring rules, locks and undo; gear legs and door corners; the balance rules.
#include <gtest/gtest.h>
#include "shell/Hl_MNW.h"
#include "editor/APPLICATION.h"
#include "editor/win_body.h"
#include "editor/win_gear.h"
#include "geometry/pln_body.h"
#include "model/acf_parts.h"
#include "model/acf_struct.h"
#include "model/set_struct.h"
#include "tests/support/ww_test.h"
#include "base/HL_MATH_FUN.h"
#include <SDL_keycode.h>
#include <algorithm>

namespace {

class BodyWindows : public ::testing::Test {
protected:
    void SetUp() override
    {
        ww_start_program();
        ww_catch_alerts();
        MACIBM_startwind(0, "bodies");
        set.acf_mod = set.wpn_mod = 0;   // what another suite left unsaved must not stop New with its prompt
        APPLICATION_handlemenu(300);
        BODY_reset();
        set.body_edit_view = 0, set.fuse_osx = set.fuse_osy = 0, set.fuse_zoom = 1;
        ww_mouse_to(2000, 2000);
        // A clock of the test's own, a fiftieth of a second a frame, so two presses in a row
        // make a double click however slowly the frames draw.
        g_fake_time = std::max((double)time_sec(), g_fake_time) + 1;
        frame();
    }
    void TearDown() override
    {
        g_fake_time = -1;
        MACIBM_startwind(0, "bodies");
        set.acf_mod = set.wpn_mod = 0;
    }
    static void frame(void) { g_fake_time += 0.02, ww_frames(1); }
    static void click(float x, float y) { ww_click_at(x, y), frame(); }
    // Press at a, move to b over two frames, release.
    static void drag(float ax, float ay, float bx, float by)
    {
        ww_mouse_to(ax, ay), frame();
        ww_mouse_button(1), frame();
        ww_mouse_to((ax + bx) / 2, (ay + by) / 2), frame();
        ww_mouse_to(bx, by), frame();
        ww_mouse_button(0), frame();
    }
    // Where the cross-section view draws point (X, Y) of box k.
    static float sx(int k, float X) { return BODY_box_x(k) + 2 + X * BODY_section_scale(44); }
    static float sy(float Y) { return BODY_BOX_MID - 2 + Y * BODY_section_scale(44); }
};

TEST_F(BodyWindows, DraggingFuselagePointsKeepsTheRingRulesAndUndoes)
{
    veh_struct& v = veh[0];
    APPLICATION_handlemenu(611);
    v.body_r[44] = 4;                              // room to drag the bottom above the top
    frame();
    const float sc = BODY_section_scale(44);
    ASSERT_FLOAT_EQ(sc, 70.0f / 4);
    const float px = 1 / sc;                       // the mouse moves in whole pixels

    drag(sx(3, 2), sy(0), sx(3, 1), sy(0.5f));     // the widest point of station 3, in and up
    EXPECT_NEAR(v.body_X[44][3][4], 1, px);
    EXPECT_NEAR(v.body_Y[44][3][4], 0.5f, px);
    EXPECT_NEAR(v.body_X[44][3][13], -1, px);    // its mirror follows
    ww_key(SDLK_z);
    frame();
    EXPECT_FLOAT_EQ(v.body_X[44][3][4], 2);
    EXPECT_NEAR(v.body_Y[44][3][4], 0, 1e-6);

    drag(sx(5, 0), sy(-2), sx(5, 0), sy(3));       // the bottom dragged above the top: they swap
    EXPECT_NEAR(v.body_Y[44][5][0], 3, px);
    EXPECT_FLOAT_EQ(v.body_Y[44][5][8], 2);

    drag(sx(0, 2), sy(0), sx(0, 1), sy(1));        // the first station becomes one point
    for (int r = 0; r < 9; r++) {
        EXPECT_EQ(v.body_X[44][0][r], 0) << r;
        EXPECT_NEAR(v.body_Y[44][0][r], 1, px) << r;
    }

    // A double click locks the point and its mirror without moving it; smoothing leaves it.
    ww_mouse_to(sx(7, 2), sy(0));
    g_fake_time += 0.5;                            // long after the last drag's press
    for (int i = 0; i < 2; i++) {
        ww_mouse_button(1), frame();
        ww_mouse_button(0), frame();
    }
    EXPECT_EQ(*BODY_lock(44, 7, 4), 1);
    EXPECT_EQ(*BODY_lock(44, 7, 13), 1);
    v.body_X[44][7][3] = v.body_X[44][7][4] = 3.5f;
    frame();
    APPLICATION_handlemenu(1506);                  // full smoothing of the fuselage
    EXPECT_EQ(v.body_X[44][7][4], 3.5f);
    EXPECT_NE(v.body_X[44][7][3], 3.5f);
    ww_key(SDLK_z);                                // the smoothing pass is one step
    frame();
    EXPECT_EQ(v.body_X[44][7][3], 3.5f);
}

// The top view of the round fuselage (19 ft long, radius 2): 32.5 px a foot about the pane's
// centre (512, 355) and the body's middle, z = 9.5.
TEST_F(BodyWindows, DraggingAVertexInTheTopView)
{
    veh_struct& v = veh[0];
    APPLICATION_handlemenu(611);
    set.body_edit_view = 1;
    frame();
    const float sc = 32.5f, px = 1 / sc;
    drag(512 + 0.5f * sc, 355 + v.body_X[44][10][2] * sc, 512 + sc, 355 + sc);   // station 10, point 2
    EXPECT_NEAR(v.body_Z[44][10][2], 10.5f, px);
    EXPECT_NEAR(v.body_X[44][10][2], 1, px);
    EXPECT_EQ(v.body_X[44][10][15], -v.body_X[44][10][2]);   // its mirror follows
    EXPECT_EQ(v.body_Z[44][10][15], v.body_Z[44][10][2]);
}

TEST_F(BodyWindows, StationCopyPasteAndBodyCopyButtons)
{
    veh_struct& v = veh[0];
    APPLICATION_handlemenu(612);
    set.bodyW_tab = 2;                             // body 3, part 47
    frame();
    const float bx = BODY_box_x(4);
    click(bx + 35, 106);                     // paste with nothing copied: nothing happens
    EXPECT_EQ(v.body_X[47][4][4], 2);
    v.body_X[47][1][4] = 1.25f;
    click(BODY_box_x(1) + 35, 128);          // copy station 1 ...
    click(bx + 35, 106);                     // ... and paste it on station 4
    EXPECT_EQ(v.body_X[47][4][4], 1.25f);
    click(BODY_box_x(4) + 55, 152);          // station 4 onto station 5 with the arrow
    EXPECT_EQ(v.body_X[47][5][4], 1.25f);

    v.part_eq[45] = 1;
    v.body_r[45] = 3;
    click(90, 480);                          // "copy 1": body 1 onto this one
    EXPECT_EQ(v.body_r[47], 3);
    EXPECT_EQ(v.body_X[47][4][4], v.body_X[45][4][4]);
    EXPECT_EQ(v.part_eq[47], 1);
}

TEST_F(BodyWindows, GearLegsAndDoorsFollowTheMouse)
{
    veh_struct& v = veh[0];
    v.has_gear = 1;
    APPLICATION_handlemenu(618);
    set.gearW_tab = 0;
    frame();
    const float tire = v.tire_radius[68], node_y = ret_gear_ynodef(0, 68);
    const float x = 90 + 94;                       // the second gear's column
    click(x + 10 + 15, 215 + 5);             // tire radius: up a foot
    click(x + 10 + 15, 265 + 5);             // leg length: up a foot
    EXPECT_FLOAT_EQ(v.tire_radius[68], tire + 1);
    EXPECT_NEAR(ret_gear_ynodef(0, 68), node_y - 1, 1e-4);   // the tyre hangs a foot lower

    set.gearW_tab = 1;
    v.gear_door_typ[0] = 1;
    v.gear_door_size = 0.5f;                       // raised to 1 by the page
    frame();
    EXPECT_EQ(v.gear_door_size, 1);
    v.gear_door_size = 2;
    const float corners[4][2] = {{0, -0.5f}, {0, 0.5f}, {-1, 0.5f}, {-1, -0.5f}};
    for (int c = 0; c < 4; c++) v.gear_door_geo[0][c][1] = corners[c][0], v.gear_door_geo[0][c][2] = corners[c][1];
    const float cx = GEAR_door_x(0) + 16 + 80, top = GEAR_door_y(0) + 16 + 110, sc = GEAR_door_scale();
    drag(cx + 0.5f * sc, top - sc, 190, 20);       // corner 2 far right and below the diagram
    EXPECT_FLOAT_EQ(v.gear_door_geo[0][2][2], 1.5f);
    EXPECT_FLOAT_EQ(v.gear_door_geo[0][2][1], -2);
    EXPECT_FLOAT_EQ(v.gear_door_geo[0][1][2], 0.5f);   // the others stay
}

TEST_F(BodyWindows, BalanceLimitsFollowAndJettisonKindsExcludeEachOther)
{
    veh_struct& v = veh[0];
    APPLICATION_handlemenu(620);
    v.cgZ = 0, v.cgZ_fwd = -1, v.cgZ_aft = 5;
    v.jett_is_slung = 1;
    frame();
    click(160 + 15, 565 + 5);                // cgZ ten feet aft, behind the aft limit
    EXPECT_EQ(v.cgZ, 10);
    EXPECT_EQ(v.cgZ_aft, 10);
    EXPECT_EQ(v.cgZ_fwd, -1);
    click(260, 265 + 4);                     // water drop
    EXPECT_EQ(v.jett_is_water, 1);
    EXPECT_EQ(v.jett_is_slung, 0);
}

// Every page with every conditional widget shown. The gear columns' fairing and steering boxes
// (y 30 and 15) and the door page's fields are at the design's own places.
TEST_F(BodyWindows, EveryPageLaysItsWidgetsOutApart)
{
    veh_struct& v = veh[0];
    v.has_gear = 1;
    for (int en = 67; en <= 72; en++) v.gear_type[en] = 2;
    for (int& t : v.gear_door_typ) t = 1;
    v.num_tanks = 3;
    v.jett_is_slung = v.manual_rad_gyr = 1;
    for (int view : {0, 1, 2}) {
        set.body_edit_view = view;
        EXPECT_EQ(ww_layout_problems(611, 0), "") << "view " << view;
    }
    set.body_edit_view = 0;
    for (auto [win, tab] : {std::pair{612, 3}, {613, 7}, {614, 5}, {618, 0}, {618, 1}, {620, 0}})
        EXPECT_EQ(ww_layout_problems(win, tab), "") << win << " tab " << tab;
    v.has_gear = 0;
    EXPECT_EQ(ww_layout_problems(618, 0), "");
}

}  // namespace
