// The engines, systems, vectoring and stability windows in the real frame loop, driven by real
// clicks on their arrows, check boxes and pop-up lists; and every page laid out apart.
#include <gtest/gtest.h>
#include "shell/Hl_MNW.h"
#include "editor/APPLICATION.h"
#include "editor/HL_BTN.h"
#include "editor/PLN_MAIN.h"
#include "editor/win_engines.h"
#include "editor/win_stability.h"
#include "model/acf_struct.h"
#include "model/set_struct.h"
#include "tests/support/ww_test.h"
#include "tests/support/ww_full_acf.h"
#include <string>
#include <vector>

namespace {

class EngineWindows : public ::testing::Test {
protected:
    veh_struct& v = veh[0];
    void SetUp() override
    {
        ww_start_program();
        ww_catch_alerts();
        MACIBM_startwind(0, "engines");
        set.acf_mod = set.wpn_mod = 0;   // nothing unsaved, so the load below asks nothing
        ww_full_acf(0);
        ww_mouse_to(2000, 2000);
    }
    void TearDown() override { MACIBM_startwind(0, "engines"), set.acf_mod = 0; }
    static void open(int win, int tab)
    {
        set.engnW_tab = set.astbW_tab = tab;
        APPLICATION_handlemenu(win);               // the menu command opens the window
        set.acf_mod = 0;
        ww_frames(1);
    }
    static void click(float x, float y) { ww_click_at(x, y), ww_frames(1); }
    static void up(float x, float y, int cell = 0) { click(x + 10.0f * cell + 5, y + 12); }   // a digit's upper arrow
    // Open the pop-up list at (x, y) showing item sel and click item i.
    static void pick(float x, float y, int sel, int i)
    {
        click(x + 10, y + 4);
        click(x, y - 12.0f * (i - sel) + 6);
    }
    static std::vector<BTN_hit> widgets_of_one_frame(void)
    {
        std::vector<BTN_hit> hits;
        BTN_record_hits(&hits);
        ww_frames(1);
        BTN_record_hits(nullptr);
        return hits;
    }
};

// On every page one real click on a digit's upper arrow and one on a check box reach veh[0]
// and mark the aircraft modified.
TEST_F(EngineWindows, EveryPageTakesArrowsAndCheckBoxes)
{
    struct row { int win, tab; float x, y; int cell; float* field; float step; float bx, by; int* box; };
    const row rows[] = {
        {604, 0, 130, 615, 0, &v.throt_max_FWD, 1, 145, 500, &v.props_linked},
        {604, 2, 500, 415, 0, &v.snd_kias, 100, 0, 0, nullptr},
        {605, 0, 175, 365, 0, &v.starter_rat, 1, 48, 225, &v.ff_hydraulic},
        {902, 0, 860, 665, 0, &v.vect_rate, 10, 30, 665, &v.vect_EQ},
        {905, 0, 80, 385, 0, &v.AShi_max_G, 10, 80, 615, &v.lo_speed_is_position},
        {905, 1, 450, 65, 2, &v.ott_vvi_sec_into_future, 1, 40, 665, &v.custom_autopilot},   // custom values are kept
    };
    v.custom_autopilot = 1;
    for (const row& r : rows) {
        open(r.win, r.tab);
        const float before = *r.field;
        up(r.x, r.y, r.cell);
        EXPECT_FLOAT_EQ(*r.field, before + r.step) << r.win << " tab " << r.tab;
        EXPECT_EQ(set.acf_mod, 1) << r.win;
        if (!r.box) continue;
        const int was = *r.box;
        click(r.bx, r.by + 4);
        EXPECT_EQ(*r.box, !was) << r.win << " tab " << r.tab;
    }
}

TEST_F(EngineWindows, ThrustPointColumns)
{
    v.Croot[2] = 0.5f;
    v.prop_dir[1] = -0.3f;
    v.prop_dir[3] = 0.2f;
    v.des_kts_acf[0] = 500;
    v.des_kts_prp[0] = 100;
    v.engn_type[7] = 4;                            // a jet drives no propeller
    open(604, 1);
    EXPECT_FLOAT_EQ(v.Croot[2], 0.5f);             // shown in inches, kept in feet
    EXPECT_EQ(v.prop_dir[1], -1.0f);
    EXPECT_EQ(v.prop_dir[3], 1.0f);
    EXPECT_FLOAT_EQ(v.des_kts_prp[0], 550);
    EXPECT_EQ(v.prop_type[7], 9);

    const float x2 = APP_engine_column_x(2);
    up(x2 - 30, 215);                              // 6 in + 10 + 10
    up(x2 - 30, 215);
    EXPECT_FLOAT_EQ(v.Croot[2], 26.0f / 12);
    click(APP_engine_column_x(0) + 20, 559);
    EXPECT_EQ(v.is_ducted[0], 1);

    // Picking an engine kind, the one already set too, sets its fuel consumption.
    const float x0 = APP_engine_column_x(0) + 6;
    for (int type : {3, 6, 6}) {
        v.SFC[0] = 1.23f;
        pick(x0, 665, v.engn_type[0], type);
        EXPECT_EQ(v.engn_type[0], type);
        EXPECT_FLOAT_EQ(v.SFC[0], APP_default_SFC(type));
    }

    // A row is named once, in the first column that shows it (two jets lead: the blades at 2), and
    // its unit is shown once, in the last column.
    v.engn_type[0] = v.engn_type[1] = 4;
    std::vector<float> named;
    for (const BTN_hit& h : widgets_of_one_frame())
        if (h.label.rfind("blades|", 0) == 0 || h.label.rfind("|side cant", 0) == 0) named.push_back(h.x1);
    EXPECT_EQ(named, (std::vector<float>{APP_engine_column_x(2) - 52, APP_engine_column_x(7) + 10}));
}

TEST_F(EngineWindows, DamagedCountsAndValuesStayInBounds)
{
    open(604, 1);
    v.num_thrustpoints = 57;
    v.num_engines = -4;
    v.des_kts_acf[1] = v.min_pitch[1] = 0.0f / 0.0f;    // numbers that are not numbers never reach the drawing
    ww_frames(1);
    EXPECT_EQ(v.num_thrustpoints, 8);
    EXPECT_EQ(v.num_engines, 0);
    EXPECT_EQ(v.des_kts_acf[1], -999);
    EXPECT_EQ(v.min_pitch[1], -90);
    EXPECT_GE(v.des_kts_prp[1], 400);
    v.num_thrustpoints = 0;
    EXPECT_EQ(widgets_of_one_frame().size(), 3u + 2u);   // the tabs and the two counts
}

// Cyclic and a fixed disc tilt exclude each other.
TEST_F(EngineWindows, CyclicAndDiscTiltExcludeEachOther)
{
    open(902, 0);
    v.cyclic_def_elev = v.cyclic_def_ailn = 0;
    v.disc_tilt_elev = 2;
    v.disc_tilt_ailn = 3;
    up(180, 465);
    EXPECT_FLOAT_EQ(v.cyclic_def_elev, 10);
    EXPECT_EQ(v.disc_tilt_elev + v.disc_tilt_ailn, 0);
    up(230, 415, 1);
    EXPECT_FLOAT_EQ(v.disc_tilt_ailn, 1);
    EXPECT_EQ(v.cyclic_def_elev + v.cyclic_def_ailn, 0);
}

TEST_F(EngineWindows, StabilityBlendSpeedsSentencesAndTheAutopilotSwitch)
{
    v.lo_speed_is_position = 0;
    v.ASlo_psi_V = 200;
    v.AShi_psi_V = 250;
    open(905, 0);
    up(800, 515, 1);                               // 200 kt + 100
    EXPECT_FLOAT_EQ(v.ASlo_psi_V, 300);
    EXPECT_FLOAT_EQ(v.AShi_psi_V, 301);            // the high-speed blend follows in the same frame

    v.ASlo_the_V = 120.9f;
    v.ASlo_max_thedot = -10.7f;
    v.ASlo_thedot_k = 0.0567f;
    std::string s;
    APP_stability_sentence(0, &s);
    EXPECT_EQ(s, "Below 120 knots the low-speed system holds the pitch rate within -10 degrees per second, "
                 "correcting with a gain of 5 percent per degree per second of error.");
    v.AShi_G_k = 0.0f / 0.0f;                      // a damaged file: no undefined conversion
    APP_stability_sentence(2, &s);
    EXPECT_NE(s.find("G gain of 0 percent"), std::string::npos) << s;

    open(905, 1);
    v.custom_autopilot = 0;
    EXPECT_EQ(widgets_of_one_frame().size(), 2u + 1u);   // the tabs and the switch
}

// Every page with every widget shown: no two widgets share a click, none leaves the window.
TEST_F(EngineWindows, EveryPageLaysItsWidgetsOutApart)
{
    v.custom_autopilot = 1;
    for (int position : {0, 1}) {
        v.lo_speed_is_position = position;
        EXPECT_EQ(ww_layout_problems(905, 0), "") << "905 tracking " << position;
    }
    for (auto [win, tab] : {std::pair{604, 0}, {604, 1}, {604, 2}, {605, 0}, {902, 0}, {905, 1}})
        EXPECT_EQ(ww_layout_problems(win, tab), "") << win << " tab " << tab;
}

}  // namespace
