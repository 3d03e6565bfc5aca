// ww_full_acf.cpp -- the shared test aircraft, built field by field in code.
// Lengths in feet from the nose, x right, y up, z aft; the centre of gravity is 40 ft aft.
#include "tests/support/ww_full_acf.h"
#include "model/ACF_check.h"
#include "model/acf_struct.h"
#include "base/hl_string.h"
#include <cmath>
#include <cstring>

namespace {

// A body of `stations` round sections, `points` around each, radius r(t) at t = 0..1 along a
// length of `len`, laid out as the body editor lays out its rings.
template <typename Radius>
void body(veh_struct& v, int part, int stations, int points, float len, Radius r)
{
    v.part_eq[part] = 1;
    v.body_r[part] = r(0.5f) * 1.5f;
    for (int s = 0; s < stations; s++) {
        const float t = (float)s / (float)(stations - 1);
        for (int k = 0; k < points; k++) {
            const float a = 2.0f * (float)M_PI * (float)(k < points / 2 ? k : k - 1) / (float)(points - 2);
            v.body_X[part][s][k] = std::sin(a) * r(t);
            v.body_Y[part][s][k] = std::cos(a) * r(t);
            v.body_Z[part][s][k] = t * len;
        }
    }
}

// A flying surface or blade: root position, span, chords, dihedral, sweep, 10 elements.
void surface(veh_struct& v, int part, float x, float y, float z, float span, float root, float tip, float dihed,
             float sweep)
{
    v.Xarm[part] = x, v.Yarm[part] = y, v.Zarm[part] = z;
    v.semilen_SEG[part] = span, v.Croot[part] = root, v.Ctip[part] = tip;
    v.dihed1[part] = v.dihed2[part] = dihed, v.sweep1[part] = v.sweep2[part] = sweep;
    v.els[part] = ACF_ELEMENTS, v.delta_fac[part] = 1, v.part_eq[part] = 1;
    for (int e = 0; e < ACF_ELEMENTS; e++) v.incidence[part][e] = 2;
    const char* foil = part < 8 ? "Clark-Y (good propeller).afl" : part < 16 ? "NACA 2412 (popular).afl"
                                                                             : "NACA 0009 (symmetrical).afl";
    STR_put(v.Rafl0[part], foil), STR_put(v.Rafl1[part], foil), STR_put(v.Tafl0[part], foil), STR_put(v.Tafl1[part], foil);
}

void controls(int (&on)[ACF_PARTS][ACF_ELEMENTS], int part, int first, int last)
{
    for (int e = first; e <= last; e++) on[part][e] = 1;
}

void gear(veh_struct& v, int g, int type, float x, float y, float z, float leg, float tire)
{
    v.gear_type[g] = type, v.part_eq[g] = 1, v.Xarm[g] = x, v.Yarm[g] = y, v.Zarm[g] = z;
    v.gear_leglen[g] = leg, v.tire_radius[g] = tire, v.tire_swidth[g] = tire * 0.5f;
    v.gear_lonR[g] = 90;   // swings forward into its bay
    v.gear_deploy[g] = 1, v.strut_comp[g] = 0.5f, v.gear_cyctim[g] = 8;
}

}  // namespace

void ww_full_acf(int p)
{
    veh_struct& v = veh[p];
    memset(&v, 0, sizeof v);
    STR_put(v.name, "Full Transport.acf"), STR_put(v.path, "Aircraft:Full Transport.acf");
    STR_put(v.tailnum, "N8WW"), STR_put(v.ICAO, "WW8T");
    STR_put(v.author, "Wing-Wright tests"), STR_put(v.descrip, "Eight-engine turboprop transport with every part fitted.");
    v.cockpit_M = -1;

    // Limits, lights, head-up display.
    v.Vso_kts = 80, v.Vs_kts = 95, v.Vfe_kts = 160, v.Vle_kts = 180, v.Vno_kts = 250, v.Vne_kts = 300;
    v.Mmo = 0.6f, v.Gneg = -1, v.Gpos = 2.5f;
    v.has_navlites = v.has_lanlite1 = v.has_taxilite = v.has_taillite = 1;
    v.pe_xyz[1] = 3, v.pe_xyz[2] = 6;
    v.has_HOOPS_HUD = 1, v.HUD_ctr_x = 512, v.HUD_del_x = 240, v.HUD_del_y = 120;
    for (float& y : v.HUD_ctr_y) y = 590;
    v.asi_is_kts = 1;

    // Every panel slot in use: first one instrument for each piece of equipment, then gauges.
    const int equipment[] = {334, 110, 185, 37, 403, 339, 446, 15, 411, 9, 282, 283, 284, 293, 51, 213, 476, 416};
    for (int i = 0; i < ACF_INSTRUMENTS; i++) {
        v.ins_type[i] = i < (int)(sizeof equipment / sizeof *equipment) ? equipment[i] : 20 + i % 80;
        v.ins_size[i] = 1, v.ins_x[i] = (float)(i % 20) * 50, v.ins_y[i] = (float)(i / 20) * 50;
    }

    // Eight turboprops along the wings, alternating left and right.
    v.num_engines = v.num_thrustpoints = ACF_THRUST_POINTS;
    v.throt_max_FWD = 1, v.throt_max_REV = 0.5f, v.rev_thrust_EQ = 1, v.idle_rat[0] = 0.5f, v.idle_rat[1] = 1;
    v.power_max = 4000, v.MP_max = 29.92f, v.trq_max_eng = 12000;
    v.RSC_idlespeed_ENGN = 70, v.RSC_mingreen_ENGN = 90, v.RSC_maxgreen_ENGN = 130, v.RSC_redline_ENGN = 140;
    v.RSC_idlespeed_PROP = 60, v.RSC_mingreen_PROP = 80, v.RSC_maxgreen_PROP = 110, v.RSC_redline_PROP = 120;
    v.thrust_max = 10000, v.face_jet = 5, v.rock_max_sl = v.rock_max_opt = v.rock_max_vac = 5000;
    for (int k = 0; k < ACF_THRUST_POINTS; k++) {
        const float side = k % 2 ? 1.0f : -1.0f;
        v.engn_type[k] = 2, v.prop_type[k] = 1, v.engn_mass[k] = 1500, v.prop_gear_rat[k] = 1;
        v.prop_dir[k] = side, v.num_blades[k] = 4, v.SFC[k] = 0.5f;
        v.min_pitch[k] = 15, v.max_pitch[k] = 45;
        v.des_rpm_prp[k] = 1100, v.des_kts_prp[k] = 600, v.des_kts_acf[k] = 250;
        surface(v, k, side * (8.0f + 8.0f * (float)(k / 2)), 0, 30, 6.5f, 1.2f, 0.6f, 0, 0);
        body(v, 53 + k, 12, 18, 14, [](float t) { return 2.0f * std::sin(0.2f + 2.7f * t); });
    }
    // The surfaces on the thrust points: a pylon above and a strake below each nacelle.
    for (int k = 0; k < ACF_THRUST_POINTS; k++) {
        surface(v, 28 + k, v.Xarm[k], 1.5f, 28, 3, 4, 3, 90, 10);
        surface(v, 36 + k, v.Xarm[k], -1.5f, 32, 2, 3, 2, -90, 0);
    }

    // Flying surfaces, right ones and their left mirrors: wing, outer wing, canard, winglet, stabiliser.
    const struct { int right; float x, y, z, span, root, tip, dihed, sweep; } wings[] = {
        {9, 3, -3, 34, 30, 14, 8, 3, 5},  {11, 33, -1.4f, 36, 20, 8, 5, 5, 8}, {13, 3, 1, 10, 8, 4, 3, 0, 0},
        {15, 53, 0.4f, 39, 4, 4, 2, 75, 30}, {17, 1, 5, 85, 15, 8, 4, 6, 15},
    };
    for (const auto& w : wings) {
        surface(v, w.right, w.x, w.y, w.z, w.span, w.root, w.tip, w.dihed, w.sweep);
        surface(v, w.right - 1, -w.x, w.y, w.z, w.span, w.root, w.tip, w.dihed, w.sweep);
    }
    surface(v, 18, 0, 5, 80, 14, 12, 6, 90, 30);   // fin
    surface(v, 19, 0, -4, 88, 4, 5, 3, -90, 20);   // ventral fin
    for (int part = 20; part <= 27; part++) {      // fences, two per wing and outer wing
        v.is_left[part] = part % 2 == 0;
        surface(v, part, (part % 2 ? 1.0f : -1.0f) * (6.0f + 6.0f * (float)((part - 20) / 2)), -2, 34, 2, 10, 9, 90, 0);
    }
    for (int right = 9; right <= 11; right += 2)
        for (int part : {right - 1, right}) {
            controls(v.flap, part, 0, 4), controls(v.slat, part, 0, 9), controls(v.spo1, part, 1, 4);
            controls(v.spo2, part, 5, 7), controls(v.sbrk, part, 2, 3);
            if (right == 9) controls(v.ail2, part, 6, 9);
            else controls(v.ail1, part, 5, 9);
        }
    controls(v.yawb, 14, 0, 9), controls(v.yawb, 15, 0, 9);
    controls(v.elev, 16, 0, 9), controls(v.elev, 17, 0, 9), controls(v.inc_trim, 16, 0, 9), controls(v.inc_trim, 17, 0, 9);
    controls(v.rudd, 18, 0, 9), controls(v.rudd, 19, 0, 9);
    v.ail1_cratR = v.ail1_cratT = v.ail2_cratR = v.ail2_cratT = 0.25f, v.ail1_up = v.ail2_up = 20, v.ail1_dn = v.ail2_dn = 15;
    v.elev_cratR = v.elev_cratT = 0.3f, v.elev_up = 25, v.elev_dn = 20, v.rudd_cratR = v.rudd_cratT = 0.3f, v.rudd_lr = 25;
    v.spo1_cratR = v.spo1_cratT = v.spo2_cratR = v.spo2_cratT = 0.2f, v.spo1_up = v.spo2_up = 50;
    v.yawb_cratR = v.yawb_cratT = 0.3f, v.yawb_ud = 30, v.sbrk_cratR = v.sbrk_cratT = 0.2f, v.sbrk_up = 60;
    v.flap_cratR = v.flap_cratT = 0.3f, v.flap_type = 2, v.flap_detents = 3, v.flap_deftime = 5;
    v.flap_dn[1] = 10, v.flap_dn[2] = 20, v.flap_dn[3] = 40, v.flap_cl = 0.8f, v.flap_cd = 0.05f, v.flap_cm = -0.1f;
    v.slat_inc = 10, v.ail1_vmax = v.ail2_vmax = v.spo1_vmax = v.spo2_vmax = 9999, v.brake_area = 20;
    v.min_trim_elev = v.max_trim_elev = 0.4f, v.min_trim_ailn = v.max_trim_ailn = 0.2f;
    v.min_trim_rudd = v.max_trim_rudd = 0.2f;

    // Fuselage, eight pods, and the fairings of the gear.
    body(v, 44, 20, 18, 95, [](float t) { return 7.0f * std::sqrt(std::sin(0.05f + 3.0f * t)); });
    for (int part = 45; part <= 52; part++) {
        body(v, part, 12, 18, 12, [](float t) { return 1.5f * std::sin(0.2f + 2.7f * t); });
        v.Xarm[part] = (part % 2 ? 1.0f : -1.0f) * 4, v.Yarm[part] = -6, v.Zarm[part] = 30.0f + (float)(part - 45);
    }
    for (int part = 61; part <= 66; part++) body(v, part, 8, 10, 5, [](float t) { return 1.0f + std::sin(3.0f * t); });
    v.fuse_cd = 0.1f;

    // Six legs: a steering nose gear and five mains about the centre of gravity.
    gear(v, 67, 3, 0, -4, 8, 4.5f, 1.3f);
    gear(v, 68, 5, -6, -5, 42, 3.5f, 1.8f), gear(v, 69, 5, 6, -5, 42, 3.5f, 1.8f);
    gear(v, 70, 5, -10, -5, 44, 3.5f, 1.8f), gear(v, 71, 5, 10, -5, 44, 3.5f, 1.8f);
    gear(v, 72, 6, 0, -5, 46, 3.5f, 1.8f);
    v.gear_steers[67] = 1, v.gear_retract = 1, v.nw_steerdeg1 = 60, v.nw_steerdeg2 = 10, v.roll_co = 0.025f;
    v.brake_co = 0.75f, v.h_eqlbm = 10, v.gear_door_size = 3;

    // Mass and balance, fuel, systems.
    v.cgY = 0, v.cgZ = 40, v.cgZ_fwd = 37, v.cgZ_aft = 43;
    v.m_empty = 60000, v.m_max = 120000, v.m_fuel_tot = 40000, v.Jxx_unitmass = v.Jyy_unitmass = v.Jzz_unitmass = 20;
    v.num_tanks = 3, v.tank_rat[0] = 0.4f, v.tank_rat[1] = v.tank_rat[2] = 0.3f;
    v.tank_X[1] = -20, v.tank_X[2] = 20, v.tank_Z[0] = v.tank_Z[1] = v.tank_Z[2] = 38;
    v.ASlo_the_V = v.ASlo_psi_V = v.ASlo_phi_V = 80, v.AShi_the_V = v.AShi_psi_V = v.AShi_phi_V = 200;
    v.elev_trim_speedrat = v.ailn_trim_speedrat = v.rudd_trim_speedrat = 1;
    v.max_ITT = 800, v.max_EGT = 1400, v.max_CHT = 400, v.max_OILT = 250, v.max_OILP = 80;
    v.starter_rat = v.battery_rat = 1, v.vect_rate = 15;
    ACF_autoset(p);
}
