// The lifting surfaces, control surfaces, airfoils and special controls windows in the real frame
// loop with the fully populated aircraft, driven by real clicks and keys.
#include <gtest/gtest.h>
#include "shell/Hl_MNW.h"
#include "editor/APPLICATION.h"
#include "editor/win_wings.h"
#include "model/acf_struct.h"
#include "model/set_struct.h"
#include "model/IO_AFL.h"
#include "base/records.h"
#include "base/hl_string.h"
#include "base/common.h"
#include "tests/support/ww_test.h"
#include "tests/support/ww_full_acf.h"
#include <cstring>
#include <memory>
#include <string>
#include <tuple>

namespace {

class Wings : public ::testing::Test {
protected:
    void SetUp() override
    {
        ww_start_program();
        ww_catch_alerts();
        MACIBM_startwind(0, "wings");
        set.acf_mod = set.wpn_mod = 0;   // nothing unsaved: New never waits on its prompt
        APPLICATION_handlemenu(300);
        ww_full_acf(0);
        ww_mouse_to(2000, 2000);
        ww_frames(1);
    }
    void TearDown() override
    {
        ww_play(nullptr, nullptr);
        ww_use_aerodeck();
        MACIBM_startwind(0, "wings");
        set.acf_mod = set.wpn_mod = 0;
    }
    static void open(int win, int tab)
    {
        MACIBM_startwind(win, "wings");
        if (const APP_tab_row* row = APP_tabs_of(win)) set.*(row->sel) = tab;
        ww_frames(1);
    }
    static void click(float x, float y)
    {
        ww_click_at(x, y);
        ww_frames(1);
    }
    // The upper (up = 1) or lower arrow of digit cell k of a number field at (x, y).
    static void digit(float x, float y, int k, int up) { click(x + 10 * k + 5, up ? y + 10 : y - 5); }
};

// The right wing is edited; the next frame's recompute makes the left one its mirror image.
TEST_F(Wings, SpanChordAndSweepGoIntoTheRightWingAndTheLeftFollows)
{
    veh_struct& v = veh[0];
    struct row { float x, y; float* right; float* left; float step; };
    const row rows[] = {{100, 615, &v.semilen_SEG[9], &v.semilen_SEG[8], 1}, {100, 565, &v.Croot[9], &v.Croot[8], 1},
                        {100, 515, &v.Ctip[9], &v.Ctip[8], -1}, {290, 565, &v.sweep1[9], &v.sweep1[8], 1}};
    open(607, 0);
    for (const row& r : rows) {
        const float before = *r.right;
        digit(r.x, r.y, 2, r.step > 0);
        EXPECT_FLOAT_EQ(*r.right, before + r.step) << r.x << "," << r.y;
        EXPECT_FLOAT_EQ(*r.left, *r.right) << r.x << "," << r.y;
    }
    EXPECT_FLOAT_EQ(v.Xarm[8], -v.Xarm[9]);
}

// One element is either aileron or flap; the element count stays 2..10, whatever the file held.
TEST_F(Wings, ElementFlagsExcludeAileronsAndFlapsAndCountsAreClamped)
{
    veh_struct& v = veh[0];
    open(608, 2);
    const int p = 22;                              // misc wing 3
    v.ail1[p][1] = v.ail2[p][1] = 1;
    v.flap[p][1] = 0;
    const float col = 130 + 46 + 16;
    click(col, 194);                               // flap
    EXPECT_EQ(v.flap[p][1] + 10 * v.ail1[p][1] + 100 * v.ail2[p][1], 1);
    click(col, 314);                               // aileron 2
    EXPECT_EQ(v.flap[p][1] + 10 * v.ail1[p][1] + 100 * v.ail2[p][1], 100);
    const int elev = v.elev[p][1];
    click(col, 234);                               // elevator: no part of the exclusion
    EXPECT_EQ(v.elev[p][1], 1 - elev);
    EXPECT_EQ(v.ail2[p][1], 1);

    for (auto [stored, shown] : {std::pair{1, 2}, {-5, 2}, {57, 10}}) {
        v.els[p] = stored;
        ww_frames(1);
        EXPECT_EQ(v.els[p], shown) << stored;
    }
}

// A pylon is placed relative to the first thrust point while it is edited; the record keeps it
// absolute.
TEST_F(Wings, PylonArmsAreEditedRelativeToTheFirstThrustPoint)
{
    veh_struct& v = veh[0];
    v.Xarm[0] = 11.7f;
    v.Xarm[28] = 0.3f;
    open(609, 0);
    ww_frames(30);
    EXPECT_EQ(v.Xarm[28], 0.3f);                   // absolute again after every frame, to the bit
    digit(480, 565, 2, 1);                         // shows -11.4; its units up makes -10.4
    EXPECT_FLOAT_EQ(v.Xarm[28], 1.3f);
    v.part_eq[29] = 0;
    click(190, 54);                                // the pylon on the second engine
    EXPECT_EQ(v.part_eq[29], 1);
}

// A chord edit sets the flap's increments from its type (arithmetic: unit tests); detents keep
// their order; blown flaps need a blown span.
TEST_F(Wings, ControlSurfacesFlapTypeChordsDetentsAndBlowing)
{
    veh_struct& v = veh[0];
    open(616, 0);
    v.flap_type = 2;
    v.flap_cratR = 0.165f;
    v.flap_cratT = 0.175f;
    digit(880, 615, 2, 1);                         // a hundredth more at the root: half the full values
    EXPECT_NEAR(v.flap_cl + v.flap_cd + v.flap_cm, (1.45f + 0.06f - 0.42f) * 0.5f, 1e-4);
    v.flap_cl = 0.5f;                              // typed by hand: kept until the next chord edit
    v.flap_detents = 2;
    v.flap_dn[0] = 10;
    v.flap_dn[1] = 5;
    ww_frames(1);
    EXPECT_FLOAT_EQ(v.flap_cl, 0.5f);
    EXPECT_FLOAT_EQ(v.flap_dn[1], 11);

    v.blown_flap_throt_red = 0.5f;
    click(770, 169);                               // blow all controls
    EXPECT_GT(v.blown_flap_add_speed, 0);
    for (int part = 8; part < 28; part++)
        for (int el = 0; el < 10; el++) v.flap[part][el] = v.ail1[part][el] = v.ail2[part][el] = 0;
    v.blow_all_controls = 0;
    ww_frames(1);
    EXPECT_EQ(v.blown_flap_add_speed, 0);          // nothing blown: no speed, never infinity
}

// The file button runs the program's dialog; the pick is read into its slot at once. A corrupt
// file raises the reading's alert and the window goes on.
TEST_F(Wings, AirfoilPickedThroughTheDialogLoadsIntoItsSlot)
{
    veh_struct& v = veh[0];
    const int part = 11;                           // the second row of the wings page
    auto pick = [](float x) {
        ww_script sc;
        sc.steps = {[] {}, [] { ww_click_at(100, 180); }};   // the entry in the middle of the listing
        ww_play(&sc, [] { if (mnw.top_win == MNW_WIN_OPEN) ww_click_at(45, 28); });
        ww_click_at(x - 17, mnw.win_dy - 116 - 75 + 3);
        ww_frames(1);
        ww_play(nullptr, nullptr);
        EXPECT_EQ(sc.saw_top_win, MNW_WIN_OPEN);
        EXPECT_EQ(mnw.top_win, 900);
    };
    open(900, 1);
    v.Tafl1[part][0] = 0;
    memset(v.afl[part].cl[1][1], 0, sizeof v.afl[part].cl[1][1]);
    pick(405);
    const std::string name = STR_of(v.Tafl1[part]);
    std::unique_ptr<airfoil_struct> want(new airfoil_struct{});
    ASSERT_GT(IO_afl(0, want.get(), 1, 1, afl_path + name), 0) << name;
    EXPECT_EQ(memcmp(&v.afl[part].cl[1][1], &want->cl[1][1], sizeof want->cl[1][1]), 0);
    EXPECT_TRUE(g_test_alerts.empty());

    const std::string bad = ww_read_bytes(WW_AERODECK_DIR "Airfoils/" + name).substr(0, 2000);   // the table cut off
    afl_path = ww_temp_dir("foil-gl");
    ASSERT_TRUE(ww_write_bytes(afl_path + "bad.afl", bad));
    pick(66);
    EXPECT_STREQ(v.Rafl1[part], "bad.afl");
    ASSERT_EQ(g_test_alerts.size(), 1u);
    EXPECT_EQ(g_test_alerts[0].lines[1], "bad.afl");
    const int dihedral = v.vardihed[9];
    click(835, mnw.win_dy - 116 + 20);             // the window still answers clicks
    EXPECT_EQ(v.vardihed[9], 1 - dihedral);
}

// The second position shown on every row is that of the variable-geometry box checked last.
// Resting on an airfoil's name asks the help box for that slot's curves; elsewhere it does not.
TEST_F(Wings, VariableGeometryFieldFollowsTheBoxCheckedLastAndNamesPlotTheirCurves)
{
    veh_struct& v = veh[0];
    static float s_dy;
    g_test_frame_hook = [] { s_dy = APP_help_plot_dy(); };
    for (int part : {9, 11}) v.varsweep[part] = v.vardihed[part] = v.varinc[part] = 1;
    v.vardihed[9] = 0;
    open(900, 1);
    const float y0 = mnw.win_dy - 116, y1 = y0 - 75;
    click(835, y0 + 20);                           // dihedral box of the first row
    EXPECT_EQ(dis, 1);
    const float sweep = v.sweep2[11], dihed = v.dihed2[11], inc = v.inc2[11];
    digit(920, y1 + 16, 2, 1);                     // the second row's field: its dihedral
    EXPECT_FLOAT_EQ(v.dihed2[11], dihed + 1);
    EXPECT_FLOAT_EQ(v.sweep2[11] + v.inc2[11], sweep + inc);
    click(835, y1 + 2);                            // unchecking incidence changes nothing shown
    EXPECT_EQ(dis, 1);
    for (auto [x, plotted] : {std::pair{200.0f, 1}, {760.0f, 0}}) {
        ww_mouse_to(x, y0 + 25);
        ww_frames(1);
        EXPECT_EQ(s_dy > 0, plotted) << x;
    }
    g_test_frame_hook = nullptr;
}

TEST_F(Wings, SpecialControlsToggle)
{
    veh_struct& v = veh[0];
    open(903, 0);
    for (auto [x, y, flag] : {std::tuple{45, 330, &v.sbrk_on_td_EQ}, {215, 300, &v.sweep_with_vect_EQ},
                              {385, 210, &v.warn_lorot_EQ}, {690, 205, &v.phase_hdng_tvect_in_at_90}}) {
        const int before = *flag;
        click(x, y + 4);
        EXPECT_EQ(*flag, 1 - before) << x << "," << y;
    }
}

// Every page with every widget shown: no two widgets share a click, none leaves the window.
TEST_F(Wings, EveryPageLaysItsWidgetsOutApart)
{
    veh_struct& v = veh[0];
    v.num_thrustpoints = 8;
    for (int part = 0; part < 44; part++) v.varsweep[part] = v.vardihed[part] = v.varinc[part] = 1;
    v.flap_detents = 7;
    for (auto [win, tabs] : {std::pair{607, 7}, {608, 8}, {609, 2}, {616, 1}, {900, 3}, {903, 1}})
        for (int tab = 0; tab < tabs; tab++)
            for (dis = 0; dis < (win == 900 ? 3 : 1); dis++)   // the three second positions share a place
                EXPECT_EQ(ww_layout_problems(win, tab), "") << win << " tab " << tab << " dis " << dis;
}

}  // namespace
