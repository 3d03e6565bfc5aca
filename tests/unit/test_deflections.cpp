// Control deflections and attitude: the mixing of stick, pedals and ratios into each surface,
// the gear doors, variable sweep, trim on a surface ahead of the reference point, weapons that
// follow a flap, and the attitude algebra that places them.
#include <gtest/gtest.h>
#include "geometry/PLN_DEFL.h"
#include "draw/HL_DRPLANE.h"
#include "model/set_struct.h"
#include "model/acf_struct.h"
#include "base/records.h"
#include "shell/Hl_MNW.h"
#include "tests/support/ww_full_acf.h"
#include "tests/support/ww_test.h"
#include <cmath>

namespace {

class Deflections : public ::testing::Test {
protected:
    veh_struct& v = veh[0];
    flt_struct& f = flt[0];
    void SetUp() override
    {
        MACIBM_zero_records();
        MACIBM_fill_constants();
        ww_catch_alerts();
        // A right wing (part 9) and its left twin (8), a right stabiliser (17) and a fin (18).
        for (int en : {8, 9, 17, 18}) {
            v.part_eq[en] = 1;
            v.els[en] = 2;
            v.lat_sign[en] = en == 8 ? -1.0f : 1.0f;
            v.is_left[en] = en == 8;
            v.Croot[en] = 4;
            v.dihednow[en] = v.dihed1[en] = en == 18 ? 90.0f : 0.0f;
        }
        v.Zarm[17] = v.Zarm[18] = 20;                  // the tail is aft of the reference point
        v.ail1_up = 20, v.ail1_dn = 15, v.ail1_vmax = 300;
        v.elev_up = 25, v.elev_dn = 20;
        v.rudd_lr = 30;
        v.flap_detents = 2;
        v.flap_dn[0] = 0, v.flap_dn[1] = 15, v.flap_dn[2] = 40;
    }
};

// Stick and pedals full over: each surface moves the way a pilot expects, each side opposite.
TEST_F(Deflections, StickAndPedalsMoveEachSurfaceItsOwnWay)
{
    struct row { float roll, ptch, hdng; int en; float ail1, elev, rudd; };
    const row rows[] = {
        {1, 0, 0, 9, 20, 0, 0},      // roll right: right aileron up by ail1_up
        {1, 0, 0, 8, -15, 0, 0},     // ... left aileron down by ail1_dn
        {-1, 0, 0, 9, -15, 0, 0},
        {-1, 0, 0, 8, 20, 0, 0},
        {0, 1, 0, 17, 0, 25, 0},     // stick back: elevator up
        {0, -1, 0, 17, 0, -20, 0},
        {0, 0, 1, 18, 0, 0, -30},    // right pedal on an upright fin
    };
    for (const row& r : rows) {
        f.FC_roll = r.roll, f.FC_ptch = r.ptch, f.FC_hdng = r.hdng;
        update_def_angles(0);
        EXPECT_FLOAT_EQ(f.ail1_def[r.en], r.ail1) << r.en << " roll " << r.roll;
        EXPECT_FLOAT_EQ(f.elev_def[r.en], r.elev) << r.en << " pitch " << r.ptch;
        EXPECT_FLOAT_EQ(f.rudd_def[r.en], r.rudd) << r.en << " yaw " << r.hdng;
    }
    v.rev_con[17] = 1;                                 // a canard-style reversed elevator
    f.FC_roll = 0, f.FC_ptch = 1, f.FC_hdng = 0;
    update_def_angles(0);
    EXPECT_FLOAT_EQ(f.elev_def[17], -25);
}

// Mixing: ailerons droop with the flaps and go dead at speed; spoilers wait for their share of
// roll; flaps follow their detents.
TEST_F(Deflections, MixingLimitsAndSpeedCutOuts)
{
    v.ail1_flaps = 10;
    v.spo1_up = 60, v.roll_to_eng_spo1 = 0.5f, v.spo1_vmax = 500;
    f.flap_rat = 1;
    f.FC_roll = 0.5f;
    update_def_angles(0);
    EXPECT_FLOAT_EQ(f.ail1_def[9], 0.5f * 20 - 10);
    EXPECT_FLOAT_EQ(f.flap_def[9], 40);
    EXPECT_FLOAT_EQ(f.spo1_def[9], 0);                 // exactly at the engage share: still flat
    f.FC_roll = 0.75f;
    update_def_angles(0);
    EXPECT_FLOAT_EQ(f.spo1_def[9], 30);
    EXPECT_FLOAT_EQ(f.spo1_def[8], 0);                 // the other side's spoiler stays down
    f.v_ind_kts = 301;
    update_def_angles(0);
    EXPECT_FLOAT_EQ(f.ail1_def[9], 0);
    f.flap_rat = 0.5f;
    f.FC_roll = 0;
    update_def_angles(0);
    EXPECT_FLOAT_EQ(f.flap_def[9], 20);                // halfway between the first and last detent
}

// Trim sets the stabiliser; a surface ahead of the reference point trims the other way, and
// a trimmed element's incidence follows on the next pass.
TEST_F(Deflections, TrimTurnsOverAheadOfTheReferencePoint)
{
    v.hstb_trim_up = 10, v.hstb_trim_dn = 5, v.max_trim_elev = 1, v.min_trim_elev = -1;
    v.inc_trim[17][0] = 1;
    f.elev_trim = 0.5f;
    update_def_angles(0);
    EXPECT_FLOAT_EQ(f.stab_def, -5);
    EXPECT_FLOAT_EQ(f.elem_inc_inc[17][0], -5);
    EXPECT_FLOAT_EQ(f.elem_inc_inc[17][1], 0);
    v.Zarm[17] = -20;
    update_def_angles(0);
    EXPECT_FLOAT_EQ(f.elem_inc_inc[17][0], 2.5f);
}

// Variable sweep takes the short way round and is not wrapped again; dihedral tilts with roll.
TEST_F(Deflections, VariableSweepAndDihedral)
{
    v.varsweep[9] = 1, v.sweep1[9] = 350, v.sweep2[9] = 10;
    v.vardihed[9] = 1, v.dihed2[9] = 10;
    for (float ratio : {0.0f, 0.5f, 1.0f}) {
        f.swdi_rat = ratio;
        update_def_angles(0);
        EXPECT_FLOAT_EQ(v.sweepnow[9], 350 + 20 * ratio);
        EXPECT_FLOAT_EQ(v.dihednow[9], 10 * ratio);
        EXPECT_NEAR(f.cos_act_sweep[9], std::cos((350 + 20 * ratio) * 3.14159265f / 180), 1e-5f);
    }
    EXPECT_FLOAT_EQ(f.foil_swe_inc[9], 20);
}

// A type-3 door opens as the leg starts down and closes again once it is out; it follows the
// nearest leg.
TEST_F(Deflections, GearDoorsFollowTheNearestLeg)
{
    for (int en : {67, 68}) v.part_eq[en] = 1;
    v.Zarm[67] = -10, v.Zarm[68] = 10;
    v.gear_door_typ[0] = 3;
    v.gear_door_loc[0][2] = 9;
    v.gear_door_ret_ang[0] = 0, v.gear_door_ext_ang[0] = 90;
    v.gear_deploy[67] = 0;
    const float expect[][2] = {{0, 0}, {0.1f, 45}, {0.5f, 90}, {0.9f, 45}, {1, 0}};
    for (const auto& e : expect) {
        v.gear_deploy[68] = e[0];
        update_def_angles(0);
        EXPECT_FLOAT_EQ(v.gear_door_ang_now[0], e[1]) << "deploy " << e[0];
    }
}

// Three turns composed are the attitude they make together; the quaternion of no attitude is
// the identity; a weapon on a flap pitches with it.
TEST_F(Deflections, AttitudesComposeAndWeaponsFollowTheirControl)
{
    float psi, the, phi;
    get_euler_from_eulers(30, 20, 0, &psi, 0, 0, 0, &the, 0, 0, 0, &phi);
    EXPECT_NEAR(psi, 50, 1e-3f);
    get_euler_from_eulers(0, 0, 0, &psi, 10, 15, 0, &the, 0, 0, 0, &phi);
    EXPECT_NEAR(the, 25, 1e-3f);
    get_euler_from_eulers(90, 0, 0, &psi, 0, 0, 0, &the, 30, 0, 0, &phi);
    EXPECT_NEAR(psi, 90, 1e-3f);
    EXPECT_NEAR(phi, 30, 1e-3f);
    float q[4];
    init_quaternion(0, 0, 0, q);
    EXPECT_FLOAT_EQ(q[0], 1);
    EXPECT_FLOAT_EQ(q[1] * q[1] + q[2] * q[2] + q[3] * q[3], 0);
    init_quaternion(90, 0, 0, q);
    EXPECT_NEAR(q[0] * q[0] + q[1] * q[1] + q[2] * q[2] + q[3] * q[3], 1, 1e-6f);

    v.wpn_att_prt[3] = 1;                              // right wing 1, part 9
    v.wpn_att_con[3] = 1;                              // on the flap
    f.flap_rat = 1;
    update_def_angles(0);
    EXPECT_FLOAT_EQ(wpn_att_the(0, 3), 40);
    v.wpn_att_prt[3] = 99, v.wpn_att_con[3] = 99;      // damaged codes: held, no deflection
    EXPECT_FLOAT_EQ(wpn_att_the(0, 3), 0);
    EXPECT_FLOAT_EQ(wpn_att_psi(0, 3), 0);
    EXPECT_FLOAT_EQ(wpn_att_the(0, 24), 0);
}

// Every output of the full aircraft stays finite under any request, with damaged counts.
TEST_F(Deflections, FullAircraftStaysFiniteWithDamagedCounts)
{
    ww_full_acf(0);
    v.num_thrustpoints = 1000, v.num_engines = -5, v.flap_detents = 99, v.els[9] = 77;
    for (float req : {-1.0f, 0.3f, 1.0f}) {
        f.FC_roll = f.FC_ptch = f.FC_hdng = req;
        f.flap_rat = f.slat_rat = f.swdi_rat = f.vect_rat = std::fabs(req);
        update_def_angles(0);
        for (int en = 0; en < ACF_PARTS; en++) {
            ASSERT_TRUE(std::isfinite(f.ail1_def[en] + f.elev_def[en] + f.rudd_def[en] + f.flap_def[en])) << en;
            ASSERT_TRUE(std::isfinite(f.gear_psi[en] + f.gear_the[en] + v.sweepnow[en] + v.dihednow[en])) << en;
        }
        for (int en = 0; en < ACF_THRUST_POINTS; en++)
            ASSERT_TRUE(std::isfinite(f.POINT_pitch_deg_use[en] + f.vert_disc_cant_cyclic[en] + f.POINT_XYZ[en][1]));
    }
}

// The navigation lights go to the pair of wings reaching furthest out, each pair compared with
// the one inside it; the beacon to the taller fin, or to both fins when they are level.
TEST_F(Deflections, NavigationLightsAndBeaconChooseTheirParts)
{
    for (int en = 10; en <= 19; en++) v.part_eq[en] = 1, v.els[en] = 2, v.lat_sign[en] = en % 2 ? 1.0f : -1.0f;
    struct row { float x9, x11, x13, x15; int red, green; };
    const row rows[] = {
        {20, 10, 5, 3, 8, 9},      // the first wing is the widest
        {10, 20, 5, 3, 10, 11},
        {10, 5, 8, 3, 12, 13},     // wing 3 outreaches wing 2, though not wing 1
        {10, 20, 30, 40, 14, 15},
    };
    for (const row& r : rows) {
        const float x[4] = {r.x9, r.x11, r.x13, r.x15};
        for (int k = 0; k < 4; k++) v.Xarm[9 + 2 * k] = x[k];
        update_def_angles(0);
        int red, green;
        DRPLANE_nav_wings(0, &red, &green);
        EXPECT_EQ(red, r.red) << r.x9 << " " << r.x11 << " " << r.x13;
        EXPECT_EQ(green, r.green);
    }
    v.dihednow[19] = v.dihed1[19] = 90;
    const float fin_y[][3] = {{5, 5, 19}, {5, 4.995f, 19}, {5, 6, 19}, {6, 5, 18}};   // y18, y19, the fin
    for (const auto& f : fin_y) {
        v.Yarm[18] = f[0], v.Yarm[19] = f[1];
        update_def_angles(0);
        int fins[2];
        DRPLANE_beacon_fins(0, fins);
        EXPECT_EQ(fins[0] == (int)f[2] || fins[1] == (int)f[2], true) << f[0] << " " << f[1];
        EXPECT_EQ(fins[1] == 19, std::fabs(f[0] - f[1]) < 0.01f) << f[0] << " " << f[1];
    }
}

// A weapon hung under the right wing's flap: it pitches with the flap (whose chord tilts nose-up
// as its trailing edge goes down), and its own attachment point is brought onto the aircraft's.
TEST_F(Deflections, AttachedWeaponsHangAtTheirPointAndFollowTheFlap)
{
    v.wpn[2].type = 1;
    v.wpn_att_prt[2] = 1, v.wpn_att_con[2] = 1;
    v.x_wpn_att[2] = 10, v.y_wpn_att[2] = -1, v.z_wpn_att[2] = 2;
    v.wpn[2].z_wpn_att = 3;                            // the weapon's lug 3 ft behind its nose
    f.flap_rat = 1;
    update_def_angles(0);
    attach_weapon(0, 2);
    const wpn_struct& w = v.wpn[2];
    EXPECT_NEAR(w.the_acf, 40, 1e-3f);
    EXPECT_NEAR(w.x, 10, 1e-3f);
    EXPECT_NEAR(w.y, -1 + 3 * std::sin(40 * 3.14159265f / 180), 1e-3f);   // a lowered flap lifts the nose
    EXPECT_NEAR(w.z, 2 - 3 * std::cos(40 * 3.14159265f / 180), 1e-3f);
    EXPECT_NEAR(w.q[0] * w.q[0] + w.q[1] * w.q[1] + w.q[2] * w.q[2] + w.q[3] * w.q[3], 1, 1e-5f);
}

// The pane's animation: controls at rest and gear down without it; with it, the stick, ratios
// and retractable gear follow their clocks and propellers turn by their direction.
TEST_F(Deflections, ThePaneAnimatesTheControls)
{
    v.part_eq[67] = 1, v.gear_retract = 1, v.prop_dir[0] = -1;
    set.move_cons = 0;
    DRPLANE_animate(0, 2, 0.1f);
    EXPECT_EQ(f.FC_roll, 0);
    EXPECT_EQ(v.gear_deploy[67], 1);
    EXPECT_EQ(f.tire_rotation[0], 0);
    set.move_cons = 1;
    DRPLANE_animate(0, 2, 0.1f);
    EXPECT_FLOAT_EQ(f.FC_roll, std::sin(2.4f));
    EXPECT_FLOAT_EQ(f.flap_rat, 0.5f * std::sin(1.2f) + 0.5f);
    EXPECT_FLOAT_EQ(v.gear_deploy[67], 0.5f * std::sin(2.0f) + 0.5f);
    EXPECT_FLOAT_EQ(f.tire_rotation[0], 9);
    EXPECT_EQ(f.nav_lite + f.bea_lite + f.lan_lite + f.tax_lite, 4);
}

}  // namespace
