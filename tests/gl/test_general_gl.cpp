// The general and instrument limits windows and the main view in the real frame loop, driven by
// real mouse and key events; and a new aircraft saved through the real save dialog and opened
// again.
#include <gtest/gtest.h>
#include "shell/Hl_MNW.h"
#include "editor/APPLICATION.h"
#include "editor/PLN_MAIN.h"
#include "model/acf_struct.h"
#include "model/set_struct.h"
#include "base/HL_MATH_FUN.h"
#include "base/MACIBM_keys.h"
#include "draw/ren_struct.h"
#include "tests/support/ww_test.h"
#include <SDL_keycode.h>
#include <unistd.h>
#include <cstring>
#include <filesystem>
#include <memory>
#include <string>

namespace {

class General : public ::testing::Test {
protected:
    void SetUp() override
    {
        ww_start_program();
        ww_catch_alerts();
        MACIBM_startwind(0, "general");
        set.acf_mod = set.wpn_mod = 0;   // what another suite left unsaved must not stop New with its prompt
        APPLICATION_handlemenu(300);   // a new aircraft, nothing modified
        ww_mouse_to(2000, 2000);
        ww_frames(1);
    }
    void TearDown() override
    {
        ww_play(nullptr, nullptr);
        ww_use_aerodeck();
        MACIBM_startwind(0, "general");
        set.acf_mod = set.wpn_mod = 0;
    }
    static void click(float x, float y)
    {
        ww_click_at(x, y);
        ww_frames(1);
    }
};

TEST_F(General, TypedTextNumberArrowsAndCheckBoxesGoStraightIntoTheAircraft)
{
    veh_struct& v = veh[0];
    click(500, 400);                               // a click in the main view changes nothing
    EXPECT_EQ(set.acf_mod, 0);
    APPLICATION_handlemenu(600);
    click(200, 694);                               // the author field
    for (int key : {'j', 'a', 'n', 'e'}) ww_key(key);
    ww_frames(1);
    ww_key(SDLK_RETURN);                           // ends the entry and closes the window
    ww_frames(1);
    EXPECT_STREQ(v.author, "jane");
    EXPECT_EQ(mnw.top_win, 0);
    EXPECT_EQ(set.acf_mod, 1);

    APPLICATION_handlemenu(600);
    click(93, 225);                                // upper arrow of Vne's hundreds
    click(113, 210);                               // lower arrow of its units
    EXPECT_EQ(v.Vne_kts, 99);
    click(780, 594);
    EXPECT_EQ(v.has_navlites, 1);
    click(750, 234);
    click(750, 204);                               // the airliner warnings replace the light-aircraft ones
    EXPECT_EQ(v.warn1_EQ, 0);
    EXPECT_EQ(v.warn2_EQ, 1);
    set.acf_mod = 0;
    MACIBM_startwind(908, "general");              // any click in the weapon builder is the weapon's
    click(500, 400);
    EXPECT_EQ(set.wpn_mod - set.acf_mod, 1);
}

TEST_F(General, LimitsTabsSurviveReopeningAndDamagedSelectionsShowTheFirstPage)
{
    set.limsW_tab = 0;
    APPLICATION_handlemenu(601);
    click(150, mnw.win_dy - 38);                   // the second tab
    EXPECT_EQ(set.limsW_tab, 1);
    ww_key(SDLK_RETURN);
    ww_frames(1);
    APPLICATION_handlemenu(601);
    click(562 + 5, 660 + 4);                       // cell 13 heads the right column: its read-out
    EXPECT_EQ(veh[0].cus_dig_use[13], 1);
    EXPECT_EQ(veh[0].cus_rnd_use[13], 0);

    for (int damaged : {57, -3}) {
        set.limsW_tab = damaged;
        ww_frames(1);
        EXPECT_EQ(set.limsW_tab, 0);
    }
}

// Every page with every widget shown: no two widgets share a click, none leaves the window.
// The dial page is laid out as its table stands, which puts a five-digit high value 5 px into
// the angle beside it and the right column's halve-over field past the window's edge.
TEST_F(General, EveryPageLaysItsWidgetsOutApart)
{
    veh_struct& v = veh[0];
    v.num_thrustpoints = 2;
    v.gear_retract = 1;
    for (int en = 0; en < 50; en++) v.cus_rnd_use[en] = v.cus_dig_use[en] = v.cus_non_lin[en] = 1;
    for (auto [win, tab] : {std::pair{600, 0}, {601, 1}})
        EXPECT_EQ(ww_layout_problems(win, tab), "") << win << " tab " << tab;
}

TEST_F(General, ViewKeysAndTheTurntable)
{
    flt_struct& f = flt[0];
    f.psi = 355;
    f.phi = 5;
    const double x = f.dob_x, y = f.dob_y, z = f.dob_z;   // the distance the moves are made at
    const float zoom = ren.zoom_act;
    for (int key : {(int)'a', (int)'s', (int)'s', (int)SDLK_LEFT, (int)'='}) ww_key(key);
    ww_key(SDLK_UP, MACIBM_MOD_SHIFT);
    ww_frames(1);
    EXPECT_FLOAT_EQ(f.psi, 5);
    EXPECT_FLOAT_EQ(f.phi, 345);
    EXPECT_NEAR(f.dob_x, x + 0.01 * z, 1e-9);
    EXPECT_NEAR(f.dob_y, y - 0.001 * z, 1e-9);
    EXPECT_FLOAT_EQ(ren.zoom_act, zoom * 1.05f);

    APPLICATION_handlemenu(1227);
    set.rotate = 400;
    for (int i = 0; i < 50 && set.rotate < set.rotate_max; i++) ww_frames(1);
    const float stopped = set.rotate;
    EXPECT_GE(stopped, 405);
    EXPECT_FLOAT_EQ(f.psi, fltwrap(270 - stopped, 0, 360));
    EXPECT_FLOAT_EQ(f.phi, fltwrap(-stopped, 0, 360));
    ww_frames(2);
    EXPECT_EQ(set.rotate, stopped);
}

TEST_F(General, NewSavedAsOpensEqual)
{
    const std::string host = std::string(WW_AERODECK_DIR) + "Aircraft/ww-new-" + std::to_string(getpid()) + "/";
    std::filesystem::create_directories(host);
    acf_path = host;                               // the save dialog starts here
    ww_script sc;
    sc.steps.push_back([] {});
    sc.steps.push_back([] {
        for (int i = 0; i < 12; i++) ww_key(SDLK_BACKSPACE);   // "Untitled.acf"
        for (char c : std::string("glider")) ww_key(c);
    });
    sc.steps.push_back([] { ww_key(SDLK_RETURN); });
    ww_play(&sc, [] { if (mnw.top_win == MNW_WIN_SAVE) ww_click_at(45, 28); });
    APPLICATION_handlemenu(303);
    ww_play(nullptr, nullptr);
    EXPECT_EQ(set.acf_mod, 0);
    EXPECT_EQ(std::string(veh[0].path), host + "glider.acf");
    std::unique_ptr<veh_struct> saved(new veh_struct(veh[0]));

    APPLICATION_handlemenu(300);
    EXPECT_NE(memcmp(&veh[0], saved.get(), ACF_IMAGE_BYTES), 0);   // another tail number at least
    ASSERT_EQ(ACF_open(saved->name, saved->path), 1);
    saved->cockpit_M = veh[0].cockpit_M;           // a handle of this session, not of the file
    EXPECT_EQ(memcmp(&veh[0], saved.get(), ACF_IMAGE_BYTES), 0);
    // A new aircraft has no never-exceed speed yet: the check says so at the save and at the open.
    ASSERT_EQ(g_test_alerts.size(), 2u);
    for (const ww_alert_record& a : g_test_alerts) EXPECT_EQ(a.lines[0], "You entered a Vne of zero!");
    std::filesystem::remove_all(host);
}

}  // namespace
