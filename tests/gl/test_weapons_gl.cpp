// The weapon attachment and weapon builder windows driven by real mouse events and keys: a weapon
// chosen through the file dialog and removed, types, fins, the body dragged and undone, and a
// failed save at the prompt that keeps the weapon.
#include <gtest/gtest.h>
#include "shell/Hl_MNW.h"
#include "editor/APPLICATION.h"
#include "editor/PLN_MAIN.h"
#include "editor/win_body.h"
#include "editor/win_weapons.h"
#include "model/acf_struct.h"
#include "model/set_struct.h"
#include "model/wpn_samples.h"
#include "base/IO_UTILS.h"
#include "base/hl_string.h"
#include "tests/support/ww_test.h"
#include <SDL_keycode.h>
#include <algorithm>
#include <cerrno>
#include <unistd.h>
#include <vector>

namespace {

class WeaponWindows : public ::testing::Test {
protected:
    void SetUp() override
    {
        ww_start_program();
        ww_catch_alerts();
        MACIBM_startwind(0, "weapons");
        set.acf_mod = set.wpn_mod = 0;   // nothing unsaved: New never waits on its prompt
        APPLICATION_handlemenu(300);
        BODY_reset();
        set.body_edit_view = 0, set.fuse_osx = set.fuse_osy = 0, set.fuse_zoom = 1;
        ww_mouse_to(2000, 2000);
        g_fake_time = std::max((double)time_sec(), g_fake_time) + 1;
        frame();
    }
    void TearDown() override
    {
        ww_play(nullptr, nullptr);
        IO_save_fault_hook = nullptr;
        g_fake_time = -1;
        MACIBM_startwind(0, "weapons");
        set.acf_mod = set.wpn_mod = 0;
        set.weapn_name[0] = set.weapn_path[0] = 0;
    }
    static void frame(void) { g_fake_time += 0.02, ww_frames(1); }
    static void click(float x, float y) { ww_click_at(x, y), frame(); }
    // A number field's cell k: up (+1) or down (-1) by its step.
    static void arrow(float x, float y, int k, int dir) { click(x + 10.0f * k + 5, y + (dir > 0 ? 6.0f : -6.0f)); }
    ww_script sc;
};

// Slot 13 is the second row of the second page; its weapon comes through the file dialog.
TEST_F(WeaponWindows, AttachmentFieldsPickerAndRemove)
{
    veh_struct& v = veh[0];
    APPLICATION_handlemenu(907);
    click(150, mnw.win_dy - 38);
    ASSERT_EQ(set.wdefW_tab, 1);
    const float y = 505;
    arrow(40, y, 2, +1);                            // z: + 1 ft
    arrow(110, y, 3, -1);                           // x: - 0.1 ft
    arrow(680, y, 0, +1);                           // heading: + 100 deg
    EXPECT_FLOAT_EQ(v.z_wpn_att[13], 1);
    EXPECT_FLOAT_EQ(v.x_wpn_att[13], -0.1f);
    EXPECT_FLOAT_EQ(v.psi_wpn_att[13], 100);

    sc.steps = {[] {}, [] { ww_key(SDLK_RETURN); }};   // the dialog opens the file in the middle
    ww_play(&sc, [] { if (mnw.top_win == MNW_WIN_OPEN) ww_click_at(45, 28); });
    click(258, y + 3);
    ww_play(nullptr, nullptr);
    frame();
    EXPECT_EQ(mnw.top_win, 907);
    const std::string name = STR_of(v.wpn_name[13]);
    ASSERT_TRUE(name.ends_with(".wpn")) << name;
    EXPECT_NE(v.wpn[13].type, 0);
    EXPECT_EQ(v.z_wpn_att[13], 1);                  // choosing a weapon keeps where it hangs

    click(620, y + 4);                              // remove: name, place and kind; not the offsets
    EXPECT_EQ((std::vector<float>{(float)v.wpn_name[13][0], (float)v.wpn[13].type, v.z_wpn_att[13], v.psi_wpn_att[13]}),
              (std::vector<float>{0, 0, 0, 100}));

    v.wpn_att_prt[14] = 99, v.wpn_att_con[14] = -4;   // from a damaged file
    frame();
    EXPECT_EQ(v.wpn_att_prt[14] * 100 + v.wpn_att_con[14], 1600);
}

TEST_F(WeaponWindows, BuilderTypesFinsAndTheBodyWithUndo)
{
    wpn_struct& w = veh[0].wpn[24];
    APPLICATION_handlemenu(908);
    set.wbldW_tab = 0;
    frame();
    click(45, 545 - 20 * 2 + 4);                    // the third type: 3, a gun
    arrow(400, 465, 2, +1);                         // its rounds + 100
    EXPECT_EQ(w.type * 1000 + w.bul_rounds, 3100);
    click(45, 545 - 20 * 13 + 4);                   // the last: 23, a drop tank; the rounds hidden, not lost
    EXPECT_EQ(w.type * 1000 + w.bul_rounds, 23100);
    EXPECT_EQ(set.wpn_mod * 10 + set.acf_mod, 10);  // the weapon is modified, not the aircraft

    const float fin2 = 145 * 2;
    w.mis_fin_dihed[2][0] = 80.3f;
    frame();
    arrow(fin2 + 400, 165, 0, +1);                  // dihedral + 10: a vertical fin, mirrored below
    EXPECT_FLOAT_EQ(w.mis_fin_dihed[2][1], -90.3f);
    arrow(fin2 + 400, 165, 0, -1);
    EXPECT_FLOAT_EQ(w.mis_fin_dihed[2][1], 80.3f);

    set.wbldW_tab = 3;                              // the weapon's round body, radius 2
    frame();
    const float sc = BODY_section_scale(24);
    auto sx = [sc](int k, float X) { return BODY_box_x(k) + 2 + X * sc; };
    auto sy = [sc](float Y) { return BODY_BOX_MID - 2 + Y * sc; };
    ww_mouse_to(sx(4, 2), sy(0)), frame();          // station 4's widest point dragged in
    ww_mouse_button(1), frame();
    ww_mouse_to(sx(4, 1), sy(0.5f)), frame();
    ww_mouse_button(0), frame();
    EXPECT_NEAR(veh[0].body_X[24][4][13], -1, 1 / sc);   // its mirror follows
    ww_key(SDLK_z), frame();
    EXPECT_FLOAT_EQ(veh[0].body_X[24][4][4], 2);
}

int fail_rename(int step, long) { return step == IO_SAVE_RENAME ? EACCES : 0; }

// A save that fails at the prompt keeps the designer where they were, the weapon unsaved and its
// old file whole; once it can be saved, the prompt lets them go on.
TEST_F(WeaponWindows, AFailedSaveAtThePromptStays)
{
    const std::string path = wpn_path + "ww-test-" + std::to_string(getpid()) + ".wpn";
    WPN_make_sample(0, 24, WPN_SAMPLE_MISSILE);
    STR_put(set.weapn_name, "dart.wpn");
    STR_put(set.weapn_path, path);
    APPLICATION_handlemenu(WPN_CMD_SAVE);           // the File menu saves under the name it has
    const std::string saved = ww_read_bytes(IO_host_path(path));
    ASSERT_FALSE(saved.empty());
    veh[0].wpn[24].mis_thrust[0] = 1;
    IO_save_fault_hook = fail_rename;
    for (int ok : {0, 1}) {
        if (ok) IO_save_fault_hook = nullptr;
        set.wpn_mod = 1;
        sc = ww_script{};
        sc.steps = {[] {}, [] { ww_click_at(80, 60); }};   // Save
        ww_play(&sc, [] { if (mnw.top_win == MNW_WIN_SAVEQ) ww_click_at(300 - 80, 25); });
        EXPECT_EQ(check_wpn_save(), ok);
        EXPECT_EQ(set.wpn_mod, !ok);
        EXPECT_EQ(ww_read_bytes(IO_host_path(path)) == saved, !ok);
        EXPECT_EQ(g_test_alerts.empty(), (bool)ok);   // the failure is told
        g_test_alerts.clear();
    }
    remove(IO_host_path(path).c_str());
}

// Every page with every widget shown: each kind's fields, the fins, every hanging-part list.
TEST_F(WeaponWindows, EveryPageLaysItsWidgetsOutApart)
{
    for (int s = 0; s < 24; s++) veh[0].wpn_att_con[s] = 1;
    for (int tab : {0, 1}) EXPECT_EQ(ww_layout_problems(907, tab), "") << tab;
    STR_put(set.weapn_name, "x.wpn");
    for (int type : {1, 3, 4, 8, 23}) {
        veh[0].wpn[24].type = type;
        EXPECT_EQ(ww_layout_problems(908, 0), "") << "type " << type;
    }
    for (int tab : {1, 2}) EXPECT_EQ(ww_layout_problems(908, tab), "") << tab;
}

}  // namespace
