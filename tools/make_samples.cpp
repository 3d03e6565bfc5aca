// make_samples -- writes the sample aircraft of the installation's Aircraft folder, each in a
// folder of its own with its paint, through the program's own model code: every design starts as
// a new aircraft (setup_base_acf), gets its fields, its default panel and its resting attitude
// from the editor's own steps, and is saved by the aircraft writer, so the samples always follow
// the current file format. Their paints are the program's paint templates coloured with a simple
// livery and the tail number, drawn with the art generator's canvas.
//
//   make_samples <Aerodeck folder> <data folder>
//
// Lengths in feet from the nose (x right, y up, z aft; wing and tail positions are the root's
// quarter chord), weights in pounds, powers in horsepower, thrusts in pounds, engine and
// propeller speeds in radians per second.
#include "base/hl_string.h"
#include "base/records.h"
#include "base/alert.h"
#include "draw/HL_DRPLANE.h"
#include "editor/APPLICATION.h"
#include "editor/instruments.h"
#include "editor/win_gear.h"
#include "geometry/PLN_GEO.h"
#include "geometry/PLN_PROCS.h"
#include "model/ACF_check.h"
#include "model/IO_ACF.h"
#include "model/acf_defaults.h"
#include "model/acf_struct.h"
#include "shell/Hl_MNW.h"
#include "shell/ww_cli.h"
#include "tools/mkart/canvas.h"
#include "tools/mkart/mkart.h"
#include "tools/mkart/pixel_font.h"
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <iterator>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {

constexpr float RPM = 0.104719755f;   // radians per second in one revolution per minute

//=== building blocks ========================================================================
// One cross-section of a body at fraction t of its length: half-width, height above and depth
// below its centre line, and the centre line's height.
struct section {
    float t, half_width, top, bottom, centre;
};

// Body `part` placed at (x, y, z), `length` long, its sections interpolated from `keys` (t
// rising from 0 to 1). Each ring runs over the top down the right side to the keel and back up
// the left, as the body editor lays it out.
void body(veh_struct& v, int part, float x, float y, float z, float length, const std::vector<section>& keys)
{
    const int stations = f_body_s_DIM(0, part, 0), points = f_body_r_DIM(part, 0);
    v.part_eq[part] = 1;
    v.Xarm[part] = x, v.Yarm[part] = y, v.Zarm[part] = z;
    float widest = 0;
    for (int s = 0; s < stations; s++) {
        const float t = (float)s / (float)(stations - 1);
        size_t k = 1;
        while (k + 1 < keys.size() && keys[k].t < t) k++;
        const section& a = keys[k - 1];
        const section& b = keys[k];
        const float f = b.t > a.t ? std::clamp((t - a.t) / (b.t - a.t), 0.0f, 1.0f) : 0.0f;
        auto lerp = [f](float p, float q) { return p + (q - p) * f; };
        const float w = lerp(a.half_width, b.half_width), top = lerp(a.top, b.top);
        const float bottom = lerp(a.bottom, b.bottom), centre = lerp(a.centre, b.centre);
        widest = std::max(widest, w);
        for (int r = 0; r < points; r++) {
            const float ang = 2.0f * (float)M_PI * (float)(r < points / 2 ? r : r - 1) / (float)(points - 2);
            const float c = std::cos(ang);
            // A touch of squareness keeps cabins from looking like tubes.
            const float sq = std::copysign(std::pow(std::fabs(std::sin(ang)), 0.8f), std::sin(ang));
            v.body_X[part][s][r] = w * sq;
            v.body_Y[part][s][r] = centre + (c > 0 ? top : bottom) * c;
            v.body_Z[part][s][r] = t * length;
        }
    }
    v.body_r[part] = widest;
}

// The airfoil files of a part: low and high Reynolds number at the root and at the tip.
void foils(veh_struct& v, int part, const char* root_lo, const char* root_hi, const char* tip_lo, const char* tip_hi)
{
    STR_put(v.Rafl0[part], root_lo), STR_put(v.Rafl1[part], root_hi);
    STR_put(v.Tafl0[part], tip_lo), STR_put(v.Tafl1[part], tip_hi);
}

struct wing_shape {
    float x, y, z, span, root, tip, dihedral, sweep, incidence;
};

// A flying surface or blade; with mirror also its left twin (the design mirrors the right one).
void surface(veh_struct& v, int part, const wing_shape& w, bool mirror = false)
{
    for (int side = 0; side < (mirror ? 2 : 1); side++) {
        const int p = part - side;
        v.Xarm[p] = side ? -w.x : w.x, v.Yarm[p] = w.y, v.Zarm[p] = w.z;
        v.semilen_SEG[p] = w.span, v.Croot[p] = w.root, v.Ctip[p] = w.tip;
        v.dihed1[p] = v.dihed2[p] = w.dihedral, v.sweep1[p] = v.sweep2[p] = w.sweep;
        v.els[p] = ACF_ELEMENTS, v.delta_fac[p] = 1, v.part_eq[p] = 1;
        for (int e = 0; e < ACF_ELEMENTS; e++) v.incidence[p][e] = w.incidence;
        if (side) foils(v, p, v.Rafl0[part], v.Rafl1[part], v.Tafl0[part], v.Tafl1[part]);
    }
}

void controls(int (&on)[ACF_PARTS][ACF_ELEMENTS], int right_part, int first, int last, bool mirror = true)
{
    for (int e = first; e <= last; e++) {
        on[right_part][e] = 1;
        if (mirror) on[right_part - 1][e] = 1;
    }
}

struct leg {
    int type;
    float x, y, z, length, tire, lat, lon;
};

void gear(veh_struct& v, int g, const leg& l)
{
    v.gear_type[g] = l.type, v.part_eq[g] = 1;
    v.Xarm[g] = l.x, v.Yarm[g] = l.y, v.Zarm[g] = l.z;
    v.gear_leglen[g] = l.length, v.tire_radius[g] = l.tire, v.tire_swidth[g] = l.tire * 0.6f;
    v.gear_latE[g] = l.lat, v.gear_lonE[g] = l.lon;
    v.gear_deploy[g] = 1, v.gear_cyctim[g] = 6;
}

// One engine kind's speeds: idle, bottom and top of the green arc and red line (rpm), for the
// engine and the propeller it turns through the gear ratio.
void engine_speeds(veh_struct& v, float idle, float green_lo, float green_hi, float red, float prop_ratio)
{
    v.RSC_idlespeed_ENGN = idle * RPM, v.RSC_mingreen_ENGN = green_lo * RPM;
    v.RSC_maxgreen_ENGN = green_hi * RPM, v.RSC_redline_ENGN = red * RPM;
    v.RSC_idlespeed_PROP = idle * prop_ratio * RPM, v.RSC_mingreen_PROP = green_lo * prop_ratio * RPM;
    v.RSC_maxgreen_PROP = green_hi * prop_ratio * RPM, v.RSC_redline_PROP = red * prop_ratio * RPM;
}

struct prop_shape {
    float x, y, z, radius, root_chord, tip_chord, blades, rpm, ratio, fine, coarse, dir;
    int kind;
};

// Thrust point k as a propeller or rotor: its disc is the blade part k.
void propeller(veh_struct& v, int k, const prop_shape& p)
{
    surface(v, k, {p.x, p.y, p.z, p.radius, p.root_chord, p.tip_chord, 0, 0, 0});
    foils(v, k, "Clark-Y (Re 1 million).afl", "Clark-Y (good propeller).afl", "NACA 2406 (thin propeller tip).afl",
          "NACA 2406 (thin propeller tip).afl");
    v.prop_type[k] = p.kind, v.num_blades[k] = p.blades, v.prop_dir[k] = p.dir, v.prop_gear_rat[k] = p.ratio;
    v.des_rpm_prp[k] = p.rpm, v.min_pitch[k] = p.fine, v.max_pitch[k] = p.coarse;
    // The blades stay straight: their design helical speed is above what the tips reach.
    const float tip_kts = p.rpm * RPM * p.radius * 0.3048f / 0.514444f;
    v.des_kts_prp[k] = std::ceil(tip_kts * 1.25f / 50.0f) * 50.0f;
}

void mass(veh_struct& v, float empty, float max, float fuel, float cgZ, float cgY, float gyration)
{
    v.m_empty = empty, v.m_max = max, v.m_fuel_tot = fuel, v.cgZ = cgZ, v.cgY = cgY;
    v.cgZ_fwd = cgZ - 0.6f, v.cgZ_aft = cgZ + 0.6f;
    v.Jxx_unitmass = v.Jyy_unitmass = v.Jzz_unitmass = gyration;
}

void speeds(veh_struct& v, float Vso, float Vs, float Vfe, float Vle, float Vno, float Vne, float Gpos, float Gneg)
{
    v.Vso_kts = Vso, v.Vs_kts = Vs, v.Vfe_kts = Vfe, v.Vle_kts = Vle, v.Vno_kts = Vno, v.Vne_kts = Vne;
    v.Gpos = Gpos, v.Gneg = Gneg;
}

void identity(veh_struct& v, const char* tail, const char* icao, const char* description)
{
    STR_put(v.tailnum, tail), STR_put(v.ICAO, icao);
    STR_put(v.author, "Wing-Wright sample aircraft");
    STR_put(v.descrip, description);
}

void flap_detents(veh_struct& v, std::initializer_list<float> degrees)
{
    v.flap_detents = (int)degrees.size();
    int d = 1;
    for (float deg : degrees) v.flap_dn[d++] = deg;
}

// Wings: the usual sections of each kind.
constexpr const char* N2412_LO = "NACA 2412 (Re 1 million).afl";
constexpr const char* N2412 = "NACA 2412 (popular).afl";
constexpr const char* N0009_LO = "NACA 0009 (Re 1 million).afl";
constexpr const char* N0009 = "NACA 0009 (symmetrical).afl";
constexpr const char* N0012_LO = "NACA 0012 (Re 1 million).afl";
constexpr const char* N0012 = "NACA 0012.afl";

void tail_foils(veh_struct& v, int part) { foils(v, part, N0009_LO, N0009, N0009_LO, N0009); }

//=== the six aircraft =======================================================================
struct livery {
    RGBA base, accent, trim;
    float stripe_y, stripe_h;           // the cheat line's bottom and height on the fuselage
    float number_z, number_y, number_h; // the tail number: its middle, its baseline, letter height
    float screen_z, window_z0, window_z1, window_y0, window_y1, window_pitch;   // windscreen and side
                                        // windows (a row of pitch feet, or one pane when 0)
};

struct sample {
    const char* name;
    void (*make)(veh_struct& v);
    livery paint;
};

// A high-wing four-seat trainer with a fixed-pitch propeller and fixed tricycle gear.
void make_trainer(veh_struct& v)
{
    identity(v, "N172WW", "C172", "Four-seat high-wing trainer: 180 hp, fixed-pitch propeller, fixed tricycle gear.");
    v.cockpit_type = 0;
    speeds(v, 40, 48, 85, 0, 129, 163, 3.8f, -1.52f);
    body(v, 44, 0, 0, 0, 26.5f,
         {{0, 0.35f, 0.35f, 0.35f, 0}, {0.04f, 1.35f, 1.25f, 1.2f, 0}, {0.13f, 1.7f, 1.6f, 1.6f, 0.1f},
          {0.24f, 2.0f, 2.4f, 1.75f, 0.2f}, {0.42f, 2.0f, 2.45f, 1.7f, 0.2f}, {0.55f, 1.5f, 1.7f, 1.4f, 0.45f},
          {0.8f, 0.75f, 0.9f, 0.75f, 0.7f}, {0.97f, 0.35f, 0.7f, 0.35f, 0.8f}, {1, 0.1f, 0.2f, 0.1f, 0.8f}});
    foils(v, 9, N2412_LO, N2412, N2412_LO, N2412);
    surface(v, 9, {0, 2.55f, 9.5f, 18, 5.3f, 3.7f, 1.7f, 0, 1.5f}, true);
    // Lift struts from the lower fuselage to the wing at half span.
    foils(v, 11, N0012_LO, "NACA 0018 (thick).afl", N0012_LO, "NACA 0018 (thick).afl");
    surface(v, 11, {1.7f, -1.2f, 9.8f, 9.0f, 0.55f, 0.55f, 25, 0, 0}, true);
    tail_foils(v, 17);
    surface(v, 17, {0, 0.7f, 24.2f, 5.5f, 3.6f, 2.6f, 0, 5, -1}, true);
    tail_foils(v, 18);
    surface(v, 18, {0, 0.9f, 23.6f, 4.8f, 4.6f, 2.6f, 90, 35, 0});
    controls(v.flap, 9, 0, 4), controls(v.ail1, 9, 6, 9), controls(v.elev, 17, 0, 9);
    controls(v.rudd, 18, 0, 9, false), controls(v.inc_trim, 17, 0, 9);
    v.flap_cratR = v.flap_cratT = 0.3f, v.ail1_cratR = v.ail1_cratT = 0.25f, v.ail1_up = 20, v.ail1_dn = 15;
    v.elev_cratR = v.elev_cratT = 0.45f, v.elev_up = 28, v.elev_dn = 23, v.rudd_cratR = v.rudd_cratT = 0.4f, v.rudd_lr = 17;
    v.flap_type = 1, v.flap_cl = 0.9f, v.flap_cd = 0.06f, v.flap_cm = -0.1f;
    flap_detents(v, {10, 20, 30});

    v.num_engines = v.num_thrustpoints = 1;
    v.engn_type[0] = 0, v.engn_mass[0] = 290, v.SFC[0] = 0.44f, v.power_max = 180, v.trq_max_eng = 350;
    engine_speeds(v, 600, 2100, 2600, 2700, 1);
    propeller(v, 0, {0, 0, -0.4f, 3.1f, 0.55f, 0.35f, 2, 2700, 1, 0, 0, 1, 0});
    body(v, 53, 0, 0, -0.4f, 1.2f, {{0, 0.05f, 0.05f, 0.05f, 0}, {0.5f, 0.35f, 0.35f, 0.35f, 0}, {1, 0.42f, 0.42f, 0.42f, 0}});

    gear(v, 67, {2, 0, -1.2f, 3.0f, 2.95f, 0.6f, 0, 0});
    gear(v, 68, {2, -1.4f, -1.5f, 12.2f, 3.4f, 0.7f, -42, 0});
    gear(v, 69, {2, 1.4f, -1.5f, 12.2f, 3.4f, 0.7f, 42, 0});
    v.gear_steers[67] = 1, v.nw_steerdeg1 = 30, v.nw_steerdeg2 = 10;
    mass(v, 1690, 2550, 318, 10.2f, 0.4f, 4.5f);
    v.num_tanks = 2, v.tank_rat[0] = v.tank_rat[1] = 0.5f;
    v.tank_X[0] = -6, v.tank_X[1] = 6, v.tank_Y[0] = v.tank_Y[1] = 2.6f, v.tank_Z[0] = v.tank_Z[1] = 9.8f;
    v.pe_xyz[0] = -0.8f, v.pe_xyz[1] = 1.5f, v.pe_xyz[2] = 8.6f;
}

// A six-seat light twin: two 300 hp engines with constant-speed propellers, retractable gear.
void make_twin(veh_struct& v)
{
    identity(v, "N58WW", "BE58", "Six-seat light twin: two 300 hp injected engines, constant-speed propellers, retractable gear.");
    v.cockpit_type = 6;
    speeds(v, 74, 84, 122, 152, 195, 223, 4.4f, -1.76f);
    v.Vmca_kts = 84, v.Vyse_kts = 101;
    body(v, 44, 0, 0, 0, 29.8f,
         {{0, 0.3f, 0.3f, 0.3f, -0.1f}, {0.06f, 1.3f, 1.2f, 1.2f, 0}, {0.16f, 1.9f, 1.8f, 1.6f, 0.1f},
          {0.3f, 2.15f, 2.3f, 1.8f, 0.2f}, {0.5f, 2.1f, 2.2f, 1.8f, 0.2f}, {0.62f, 1.6f, 1.8f, 1.4f, 0.4f},
          {0.85f, 0.8f, 1.0f, 0.7f, 0.7f}, {0.98f, 0.35f, 0.7f, 0.35f, 0.8f}, {1, 0.1f, 0.2f, 0.1f, 0.8f}});
    foils(v, 9, "NACA 23015.afl", "NACA 23015.afl", "NACA 23012.afl", "NACA 23012.afl");
    surface(v, 9, {0, -1.2f, 11.4f, 18.9f, 7.0f, 3.6f, 6, 0, 2}, true);
    tail_foils(v, 17);
    surface(v, 17, {0, 0.9f, 27.0f, 7.5f, 3.6f, 2.5f, 0, 6, -1}, true);
    tail_foils(v, 18);
    surface(v, 18, {0, 1.0f, 26.3f, 5.6f, 5.2f, 2.5f, 90, 38, 0});
    controls(v.flap, 9, 0, 5), controls(v.ail1, 9, 7, 9), controls(v.elev, 17, 0, 9);
    controls(v.rudd, 18, 0, 9, false), controls(v.inc_trim, 17, 0, 9);
    v.flap_cratR = v.flap_cratT = 0.3f, v.ail1_cratR = v.ail1_cratT = 0.25f, v.ail1_up = 20, v.ail1_dn = 15;
    v.elev_cratR = v.elev_cratT = 0.4f, v.elev_up = 25, v.elev_dn = 18, v.rudd_cratR = v.rudd_cratT = 0.4f, v.rudd_lr = 25;
    v.flap_type = 1, v.flap_cl = 0.8f, v.flap_cd = 0.05f, v.flap_cm = -0.1f;
    flap_detents(v, {15, 30});

    v.num_engines = v.num_thrustpoints = 2;
    v.power_max = 300, v.trq_max_eng = 585, v.MP_max = 29.92f;
    engine_speeds(v, 700, 2100, 2500, 2700, 1);
    for (int k = 0; k < 2; k++) {
        const float side = k ? -1.0f : 1.0f;
        v.engn_type[k] = 1, v.engn_mass[k] = 470, v.SFC[k] = 0.40f;
        propeller(v, k, {side * 6.3f, -0.55f, 6.9f, 3.2f, 0.6f, 0.35f, 3, 2700, 1, 12, 32, 1, 2});
        body(v, 53 + k, side * 6.3f, -0.55f, 6.9f, 10.5f,
             {{0, 0.1f, 0.1f, 0.1f, 0}, {0.06f, 0.75f, 0.8f, 0.8f, 0}, {0.25f, 1.0f, 1.05f, 1.1f, 0},
              {0.6f, 0.95f, 0.9f, 1.05f, -0.05f}, {0.9f, 0.45f, 0.35f, 0.55f, -0.1f}, {1, 0.1f, 0.1f, 0.1f, -0.1f}});
    }

    gear(v, 67, {2, 0, -1.3f, 4.6f, 3.2f, 0.55f, 0, 0});
    gear(v, 68, {2, -6.3f, -1.6f, 12.9f, 2.7f, 0.7f, 0, 0});
    gear(v, 69, {2, 6.3f, -1.6f, 12.9f, 2.7f, 0.7f, 0, 0});
    for (int g = 67; g <= 69; g++) v.gear_lonR[g] = g == 67 ? -90 : 90, v.strut_comp[g] = 0.4f;
    v.gear_retract = 1, v.gear_steers[67] = 1, v.nw_steerdeg1 = 30, v.nw_steerdeg2 = 10;
    mass(v, 3650, 5500, 1164, 12.0f, 0.1f, 6.5f);
    v.num_tanks = 2, v.tank_rat[0] = v.tank_rat[1] = 0.5f;
    v.tank_X[0] = -9, v.tank_X[1] = 9, v.tank_Y[0] = v.tank_Y[1] = -0.3f, v.tank_Z[0] = v.tank_Z[1] = 12;
    v.pe_xyz[0] = -0.9f, v.pe_xyz[1] = 1.2f, v.pe_xyz[2] = 9.2f;
    v.has_lanlite1 = 1, v.lanlite1_xyz[1] = -1.5f, v.lanlite1_xyz[2] = 4.5f;
}

// A 50-seat twin-jet regional airliner: swept wing with flaps, slats, spoilers and speed
// brakes, engines on the rear fuselage, T-tail, retractable twin-wheel gear.
void make_regional_jet(veh_struct& v)
{
    identity(v, "N700WW", "CRJ2", "Fifty-seat twin-jet regional airliner: two 8,700 lb turbofans on the rear fuselage, T-tail.");
    v.cockpit_type = 1;
    speeds(v, 110, 125, 200, 220, 315, 335, 2.5f, -1);
    v.Mmo = 0.81f;
    body(v, 44, 0, 0, 0, 87.8f,
         {{0, 0.4f, 0.3f, 0.5f, -0.9f}, {0.025f, 2.6f, 2.3f, 2.6f, -0.6f}, {0.06f, 3.9f, 3.9f, 3.9f, -0.2f},
          {0.12f, 4.4f, 4.4f, 4.4f, 0}, {0.7f, 4.4f, 4.4f, 4.4f, 0}, {0.82f, 3.6f, 3.6f, 3.0f, 0.8f},
          {0.93f, 2.0f, 2.2f, 1.4f, 1.9f}, {1, 0.6f, 0.9f, 0.5f, 2.5f}});
    foils(v, 9, "NACA 23015.afl", "NACA 23015.afl", "NACA 23012.afl", "NACA 23012.afl");
    surface(v, 9, {0, -2.6f, 42.0f, 37.5f, 14.5f, 4.4f, 3.5f, 24.75f, 2}, true);
    // Winglets at the tips.
    const float tip = 37.5f * std::cos(24.75f * (float)M_PI / 180);
    foils(v, 15, N0009_LO, N0009, N0009_LO, N0009);
    surface(v, 15, {tip * std::cos(3.5f * (float)M_PI / 180), -2.6f + tip * std::sin(3.5f * (float)M_PI / 180),
                    42.0f + 37.5f * std::sin(24.75f * (float)M_PI / 180) + 0.6f, 4.0f, 4.0f, 1.8f, 80, 40, 0},
            true);
    tail_foils(v, 18);
    surface(v, 18, {0, 3.6f, 75.0f, 12.0f, 13.0f, 9.0f, 90, 40, 0});
    tail_foils(v, 17);
    const float fin_tip_y = 3.6f + 12.0f * std::cos(40.0f * (float)M_PI / 180);
    const float fin_tip_z = 75.0f + 12.0f * std::sin(40.0f * (float)M_PI / 180);
    surface(v, 17, {0, fin_tip_y - 0.2f, fin_tip_z + 0.8f, 10.6f, 7.2f, 3.6f, -2, 30, 0}, true);
    controls(v.flap, 9, 0, 6), controls(v.ail1, 9, 7, 9), controls(v.slat, 9, 2, 9);
    controls(v.spo2, 9, 1, 2), controls(v.spo1, 9, 3, 4), controls(v.sbrk, 9, 5, 6);
    controls(v.elev, 17, 0, 9), controls(v.rudd, 18, 0, 9, false);
    v.flap_cratR = v.flap_cratT = 0.3f, v.ail1_cratR = v.ail1_cratT = 0.25f, v.ail1_up = 25, v.ail1_dn = 20;
    v.spo1_cratR = v.spo1_cratT = v.spo2_cratR = v.spo2_cratT = 0.18f, v.spo1_up = 45, v.spo2_up = 60;
    v.sbrk_cratR = v.sbrk_cratT = 0.18f, v.sbrk_up = 45, v.spo1_vmax = v.spo2_vmax = 9999;
    v.elev_cratR = v.elev_cratT = 0.3f, v.elev_up = 27, v.elev_dn = 20, v.rudd_cratR = v.rudd_cratT = 0.3f, v.rudd_lr = 30;
    v.flap_type = 2, v.flap_cl = 1.0f, v.flap_cd = 0.07f, v.flap_cm = -0.15f, v.slat_inc = 20;
    v.min_trim_elev = v.max_trim_elev = 0.5f, v.hstb_trim_up = 2, v.hstb_trim_dn = 10;
    flap_detents(v, {8, 20, 30, 45});
    v.sbrk_on_td_EQ = 1, v.revt_on_td_EQ = 1, v.warn_gear_EQ = 1, v.anti_ice_EQ = 1;

    v.num_engines = v.num_thrustpoints = 2;
    v.thrust_max = 8729, v.face_jet = 10.6f, v.rev_thrust_EQ = 1, v.throt_max_REV = 0.7f, v.EPR_max = 1.5f;
    v.max_ITT = 900, v.crit_alt_jet = 0;
    for (int k = 0; k < 2; k++) {
        const float side = k ? -1.0f : 1.0f;
        v.engn_type[k] = 5, v.engn_mass[k] = 1625, v.SFC[k] = 0.55f;
        v.Xarm[k] = side * 7.2f, v.Yarm[k] = 2.7f, v.Zarm[k] = 57.5f;
        body(v, 53 + k, side * 7.2f, 2.7f, 57.5f, 14.5f,
             {{0, 1.9f, 1.9f, 1.9f, 0}, {0.04f, 2.35f, 2.35f, 2.35f, 0}, {0.35f, 2.45f, 2.45f, 2.45f, 0},
              {0.8f, 2.0f, 2.0f, 2.0f, 0}, {0.95f, 1.3f, 1.3f, 1.3f, 0}, {1, 1.0f, 1.0f, 1.0f, 0}});
    }
    // The pylons: from the right nacelle in to the fuselage; the left one is its mirror.
    foils(v, 28, N0012_LO, N0012, N0012_LO, N0012);
    surface(v, 28, {7.2f, 2.4f, 63.5f, 3.0f, 7.5f, 8.5f, -172, 0, 0});
    v.part_eq[29] = 1;

    gear(v, 67, {3, 0, -3.4f, 9.5f, 3.2f, 0.95f, 0, 0});
    gear(v, 68, {3, -5.6f, -3.2f, 50.5f, 3.6f, 1.4f, 0, 0});
    gear(v, 69, {3, 5.6f, -3.2f, 50.5f, 3.6f, 1.4f, 0, 0});
    v.gear_lonR[67] = 90, v.gear_latR[68] = -85, v.gear_latR[69] = 85;
    for (int g = 67; g <= 69; g++) v.strut_comp[g] = 0.6f;
    v.gear_retract = 1, v.gear_steers[67] = 1, v.nw_steerdeg1 = 70, v.nw_steerdeg2 = 7;
    mass(v, 30500, 53000, 14305, 47.5f, -0.5f, 20);
    v.num_tanks = 3, v.tank_rat[0] = 0.2f, v.tank_rat[1] = v.tank_rat[2] = 0.4f;
    v.tank_X[1] = -14, v.tank_X[2] = 14, v.tank_Y[0] = -3, v.tank_Y[1] = v.tank_Y[2] = -1.8f;
    v.tank_Z[0] = 44, v.tank_Z[1] = v.tank_Z[2] = 47;
    v.pe_xyz[0] = -1.3f, v.pe_xyz[1] = 1.6f, v.pe_xyz[2] = 6.5f;
    v.has_navlites = v.has_lanlite1 = v.has_taxilite = v.has_taillite = v.beaconEQ = 1;
    v.lanlite1_xyz[1] = -3, v.lanlite1_xyz[2] = 9, v.lanlite3_xyz[1] = -3.5f, v.lanlite3_xyz[2] = 10;
    v.taillite_xyz[1] = 2.5f, v.taillite_xyz[2] = 87.5f;
}

// A five-seat light turbine helicopter: two-blade main rotor, tail rotor, skids.
void make_helicopter(veh_struct& v)
{
    identity(v, "N206WW", "B06", "Five-seat light turbine helicopter: 420 shp, two-blade main and tail rotors, skids.");
    v.cockpit_type = 4;
    speeds(v, 0, 0, 0, 0, 110, 130, 3.0f, -0.5f);
    body(v, 44, 0, 0, 0, 31.5f,
         {{0, 0.5f, 0.5f, 0.6f, -0.3f}, {0.04f, 1.7f, 1.6f, 1.6f, 0}, {0.12f, 2.25f, 2.3f, 1.9f, 0.2f},
          {0.25f, 2.3f, 2.8f, 1.95f, 0.4f}, {0.36f, 2.1f, 2.9f, 1.7f, 0.6f}, {0.44f, 1.2f, 2.0f, 0.9f, 1.2f},
          {0.52f, 0.55f, 0.6f, 0.55f, 1.5f}, {0.92f, 0.38f, 0.4f, 0.38f, 1.6f}, {1, 0.3f, 0.3f, 0.3f, 1.6f}});
    tail_foils(v, 17);
    surface(v, 17, {0, 1.55f, 23.5f, 3.3f, 1.5f, 1.3f, 0, 0, 0}, true);
    tail_foils(v, 18);
    surface(v, 18, {0, 1.9f, 29.2f, 3.8f, 2.6f, 1.6f, 90, 40, 0});
    tail_foils(v, 19);
    surface(v, 19, {0, 1.3f, 29.6f, 1.6f, 1.8f, 1.2f, -90, 30, 0});

    v.num_engines = 1, v.num_thrustpoints = 2, v.props_linked = 1;
    v.engn_type[0] = 2, v.engn_mass[0] = 160, v.SFC[0] = 0.70f, v.power_max = 420, v.trq_max_eng = 365;
    v.max_ITT = 810;
    engine_speeds(v, 4200, 5800, 6016, 6100, 394.0f / 6016);
    // Main rotor on the mast, its disc horizontal; tail rotor on the left of the boom, sideways.
    propeller(v, 0, {0, 4.4f, 9.6f, 16.7f, 1.1f, 1.1f, 2, 394, 394.0f / 6016, 0, 14, 1, 3});
    v.vert_cant_init[0] = 90;
    propeller(v, 1, {-0.75f, 1.85f, 30.6f, 2.7f, 0.45f, 0.45f, 2, 2550, 2550.0f / 6016, -8, 18, 1, 5});
    v.side_cant_init[1] = -90;
    foils(v, 0, N0012_LO, N0012, N0012_LO, N0012);
    foils(v, 1, N0012_LO, N0012, N0012_LO, N0012);
    v.rotor_mi_rat = 1, v.cyclic_def_elev = 12, v.cyclic_def_ailn = 8, v.tail_with_coll = 0.3f;
    body(v, 53, 0, 2.6f, 8.8f, 2.0f, {{0, 0.25f, 0.3f, 0.3f, 0}, {0.5f, 0.35f, 0.5f, 0.3f, 0}, {1, 0.25f, 0.3f, 0.3f, 0}});
    v.Zarm[53] = 8.6f;

    // Skid corners: front left, front right, rear left, rear right (fairings 61 and 62 are the
    // skid tubes along gear 1 to 3 and gear 2 to 4).
    gear(v, 67, {1, -2.9f, -1.6f, 4.0f, 2.1f, 0.17f, -20, 0});
    gear(v, 68, {1, 2.9f, -1.6f, 4.0f, 2.1f, 0.17f, 20, 0});
    gear(v, 69, {1, -2.9f, -1.6f, 13.2f, 2.1f, 0.17f, -20, 0});
    gear(v, 70, {1, 2.9f, -1.6f, 13.2f, 2.1f, 0.17f, 20, 0});
    mass(v, 1700, 3200, 610, 9.4f, 0.6f, 5.5f);
    v.num_tanks = 1, v.tank_rat[0] = 1, v.tank_Y[0] = 0.2f, v.tank_Z[0] = 12;
    v.pe_xyz[0] = 1.0f, v.pe_xyz[1] = 1.4f, v.pe_xyz[2] = 4.2f;
    v.has_navlites = v.beaconEQ = 1;
}

// A 15-metre single-seat sailplane: no engine, a main wheel and a tail wheel, airbrakes.
void make_sailplane(veh_struct& v)
{
    identity(v, "N21WW", "GLID", "Single-seat 15-metre sailplane: no engine, main and tail wheel, airbrakes, T-tail.");
    v.cockpit_type = 3;
    speeds(v, 38, 40, 0, 0, 108, 146, 5.3f, -2.65f);
    body(v, 44, 0, 0, 0, 22.4f,
         {{0, 0.2f, 0.2f, 0.2f, -0.2f}, {0.05f, 0.8f, 0.8f, 0.8f, -0.1f}, {0.16f, 1.05f, 1.3f, 1.05f, 0},
          {0.3f, 1.05f, 1.05f, 1.15f, 0}, {0.42f, 0.7f, 0.75f, 0.95f, 0.05f}, {0.6f, 0.38f, 0.42f, 0.45f, 0.25f},
          {0.95f, 0.25f, 0.3f, 0.3f, 0.4f}, {1, 0.12f, 0.15f, 0.15f, 0.4f}});
    foils(v, 9, "NACA 4415.afl", "NACA 4415.afl", "NACA 4412 (Re 1 million).afl", "NACA 4412.afl");
    const float inner = 15.0f, dihedral = 2.5f, rad = (float)M_PI / 180;
    surface(v, 9, {0, 0.45f, 7.6f, inner, 3.1f, 2.5f, dihedral, 0, 1}, true);
    foils(v, 11, "NACA 4412 (Re 1 million).afl", "NACA 4412.afl", "NACA 4412 (Re 1 million).afl", "NACA 4412.afl");
    surface(v, 11, {inner * std::cos(dihedral * rad), 0.45f + inner * std::sin(dihedral * rad), 7.6f, 9.6f, 2.5f, 1.2f, 4.5f, 1.5f, 0},
            true);
    tail_foils(v, 18);
    surface(v, 18, {0, 0.55f, 19.9f, 3.7f, 3.2f, 2.2f, 90, 22, 0});
    tail_foils(v, 17);
    surface(v, 17, {0, 0.55f + 3.7f * std::cos(22 * rad) - 0.15f, 19.9f + 3.7f * std::sin(22 * rad) + 0.4f, 4.4f, 1.7f, 1.0f, 0, 2, 0},
            true);
    controls(v.ail1, 11, 0, 8), controls(v.sbrk, 9, 5, 7), controls(v.elev, 17, 0, 9);
    controls(v.rudd, 18, 0, 9, false);
    v.ail1_cratR = v.ail1_cratT = 0.22f, v.ail1_up = 25, v.ail1_dn = 15, v.sbrk_cratR = v.sbrk_cratT = 0.15f, v.sbrk_up = 80;
    v.elev_cratR = v.elev_cratT = 0.4f, v.elev_up = 25, v.elev_dn = 20, v.rudd_cratR = v.rudd_cratT = 0.45f, v.rudd_lr = 30;
    v.flap_detents = 0;

    v.num_engines = v.num_thrustpoints = 0;
    gear(v, 67, {2, 0, -0.85f, 7.0f, 0.55f, 0.6f, 0, 0});
    gear(v, 68, {2, 0, -0.15f, 21.2f, 0.2f, 0.3f, 0, 0});
    v.gear_type[69] = 0, v.part_eq[69] = 0;
    mass(v, 525, 1157, 0, 8.0f, 0.1f, 6);
    v.num_tanks = 0;
    v.tow_hook_Y = -0.9f, v.tow_hook_Z = 6.4f, v.win_hook_Y = -0.9f, v.win_hook_Z = 6.4f;
    v.pe_xyz[1] = 0.9f, v.pe_xyz[2] = 4.5f;
}

// A turboprop tail-sitter fighter: contra-rotating propellers, delta wing and cruciform fins,
// standing on the castoring wheels at its wing and fin tips.
void make_tail_sitter(veh_struct& v)
{
    identity(v, "N53WW", "XFY", "Vertical take-off tail-sitter: 5,850 shp turboprop, contra-rotating propellers, delta wing.");
    v.cockpit_type = 2;
    speeds(v, 0, 120, 0, 0, 400, 470, 6.0f, -3.0f);
    body(v, 44, 0, 0, 0, 34.9f,
         {{0, 0.4f, 0.4f, 0.4f, 0}, {0.05f, 1.6f, 1.6f, 1.6f, 0}, {0.2f, 2.4f, 2.5f, 2.4f, 0},
          {0.35f, 2.5f, 3.4f, 2.5f, 0}, {0.45f, 2.5f, 2.6f, 2.5f, 0}, {0.75f, 2.2f, 2.2f, 2.2f, 0},
          {0.95f, 1.4f, 1.4f, 1.4f, 0}, {1, 1.2f, 1.2f, 1.2f, 0}});
    const float rad = (float)M_PI / 180;
    foils(v, 9, "NACA 0012.afl", "NACA 0012.afl", "NACA 0010.afl", "NACA 0010.afl");
    surface(v, 9, {0, 0, 21.5f, 17.5f, 16, 2.8f, 0, 45, 0}, true);
    foils(v, 18, "NACA 0012.afl", "NACA 0012.afl", "NACA 0010.afl", "NACA 0010.afl");
    surface(v, 18, {0, 1.5f, 23.0f, 13.0f, 13, 2.6f, 90, 42, 0});
    foils(v, 19, "NACA 0012.afl", "NACA 0012.afl", "NACA 0010.afl", "NACA 0010.afl");
    surface(v, 19, {0, -1.5f, 23.0f, 13.0f, 13, 2.6f, -90, 42, 0});
    // Elevons on the wing, rudders on both fins.
    controls(v.ail1, 9, 2, 9), controls(v.elev, 9, 2, 9), controls(v.rudd, 18, 0, 9, false), controls(v.rudd, 19, 0, 9, false);
    v.ail1_cratR = v.ail1_cratT = v.elev_cratR = v.elev_cratT = 0.25f, v.ail1_up = v.ail1_dn = 20, v.elev_up = v.elev_dn = 25;
    v.rudd_cratR = v.rudd_cratT = 0.3f, v.rudd_lr = 25, v.flap_detents = 0;

    v.num_engines = 1, v.num_thrustpoints = 2, v.props_linked = 1;
    v.engn_type[0] = 2, v.engn_mass[0] = 2700, v.SFC[0] = 0.70f, v.power_max = 5850, v.trq_max_eng = 30000;
    v.max_ITT = 900;
    engine_speeds(v, 9000, 13500, 14300, 14500, 1000.0f / 14300);
    propeller(v, 0, {0, 0, -1.4f, 8.0f, 1.4f, 0.8f, 3, 1000, 1000.0f / 14300, 10, 60, 1, 2});
    propeller(v, 1, {0, 0, 0.1f, 8.0f, 1.4f, 0.8f, 3, 1000, 1000.0f / 14300, 10, 60, -1, 2});
    for (int k = 0; k < 2; k++) v.des_kts_acf[k] = 250;
    body(v, 53, 0, 0, -1.6f, 2.6f, {{0, 0.1f, 0.1f, 0.1f, 0}, {0.5f, 0.9f, 0.9f, 0.9f, 0}, {1, 1.2f, 1.2f, 1.2f, 0}});

    // The wheels at the tips, their legs pointing aft along the thrust line.
    const float wing_tip_x = 17.5f * std::cos(45 * rad), wing_tip_z = 21.5f + 17.5f * std::sin(45 * rad) + 1.4f;
    const float fin_tip_y = 1.5f + 13.0f * std::cos(42 * rad), fin_tip_z = 23.0f + 13.0f * std::sin(42 * rad) + 1.3f;
    gear(v, 67, {2, wing_tip_x, 0, wing_tip_z, 1.6f, 0.55f, 0, -90});
    gear(v, 68, {2, -wing_tip_x, 0, wing_tip_z, 1.6f, 0.55f, 0, -90});
    gear(v, 69, {2, 0, fin_tip_y, fin_tip_z, 1.6f, 0.55f, 0, -90});
    gear(v, 70, {2, 0, -fin_tip_y, fin_tip_z, 1.6f, 0.55f, 0, -90});
    mass(v, 11742, 16250, 3400, 17.5f, 0, 9);
    v.num_tanks = 2, v.tank_rat[0] = v.tank_rat[1] = 0.5f;
    v.tank_X[0] = -5, v.tank_X[1] = 5, v.tank_Z[0] = v.tank_Z[1] = 19;
    v.pe_xyz[1] = 1.9f, v.pe_xyz[2] = 11.5f;
    v.vect_EQ = 0;
}

const sample s_samples[] = {
    {"Trainer", make_trainer,
     {rgb8(246, 246, 242), rgb8(178, 34, 40), rgb8(40, 52, 110), -0.55f, 0.4f, 19.0f, 0.15f, 0.9f, 5.6f, 7.4f, 13.6f, 0.9f, 2.2f, 0}},
    {"Light Twin", make_twin,
     {rgb8(245, 244, 238), rgb8(24, 70, 140), rgb8(150, 110, 30), -0.5f, 0.45f, 20.5f, 0.2f, 0.9f, 6.0f, 8.3f, 16.5f, 0.6f, 1.7f, 2.1f}},
    {"Regional Jet", make_regional_jet,
     {rgb8(248, 248, 250), rgb8(18, 60, 130), rgb8(200, 40, 50), -0.2f, 0.7f, 79.0f, 0.9f, 1.3f, 3.6f, 12.0f, 62.0f, 0.9f, 2.1f, 1.75f}},
    {"Helicopter", make_helicopter,
     {rgb8(236, 190, 40), rgb8(30, 30, 36), rgb8(30, 30, 36), -0.5f, 0.5f, 20.0f, 1.25f, 0.75f, 0.6f, 3.2f, 9.5f, 0.3f, 2.3f, 3.2f}},
    {"Sailplane", make_sailplane,
     {rgb8(252, 252, 252), rgb8(220, 60, 30), rgb8(40, 40, 48), 100, 0, 13.5f, -0.05f, 0.5f, 1.6f, 7.2f, 7.2f, 0.35f, 9, 0}},
    {"Tail-Sitter", make_tail_sitter,
     {rgb8(200, 206, 212), rgb8(30, 40, 90), rgb8(30, 40, 90), -0.3f, 0.6f, 16.0f, 0.7f, 0.9f, 10.5f, 13.5f, 13.5f, 2.2f, 9, 0}},
};

//=== paint ==================================================================================
// A 24-bit bitmap as the template writer leaves it (rows bottom-up) into a canvas; false when it
// is not one.
bool read_bmp24(const std::string& path, Canvas& out)
{
    FILE* f = std::fopen(path.c_str(), "rb");
    if (!f) return false;
    std::vector<unsigned char> b;
    unsigned char buf[65536];
    size_t n;
    while ((n = std::fread(buf, 1, sizeof buf, f)) > 0) b.insert(b.end(), buf, buf + n);
    std::fclose(f);
    auto u32 = [&](size_t at) { return (unsigned)b[at] | (unsigned)b[at + 1] << 8 | (unsigned)b[at + 2] << 16 | (unsigned)b[at + 3] << 24; };
    if (b.size() < 54 || b[0] != 'B' || b[1] != 'M' || b[28] != 24) return false;
    const int w = (int)u32(18), h = (int)u32(22);
    const size_t offset = u32(10), row = ((size_t)w * 3 + 3) & ~(size_t)3;
    if (w <= 0 || h <= 0 || w > 4096 || h > 4096 || b.size() < offset + row * (size_t)h) return false;
    out = Canvas(w, h);
    for (int y = 0; y < h; y++)
        for (int x = 0; x < w; x++) {
            const unsigned char* p = &b[offset + row * (size_t)y + (size_t)x * 3];
            out.at(x, y) = rgb8(p[2], p[1], p[0]);
        }
    return true;
}

// The colour of the livery at point (x, y, z) of part `part` of the aircraft.
RGBA livery_at(const veh_struct& v, const livery& l, const Canvas& number, int part, float x, float y, float z)
{
    const bool fuselage = part == 44;
    if (part < ACF_THRUST_POINTS)   // blades: dark with yellow tips (the discs share one place on the paint)
        return std::hypot(x, y, z) > v.semilen_SEG[part] * 0.9f ? rgb8(240, 200, 30) : rgb8(45, 45, 48);
    if (part == 18 || part == 19 || (part >= 14 && part <= 15)) return l.accent;   // fins and winglets
    if (part >= 53 && part <= 60) return z - v.Zarm[part] < 1.2f ? l.trim : l.base;   // nacelle lips
    if (part >= 61 && part <= 72) return rgb8(60, 60, 64);
    if (!fuselage) {
        // Wings and tailplanes: white, the outermost tenth in the accent colour.
        const float rad = (float)M_PI / 180;
        const float reach = std::fabs(v.Xarm[part]) + v.semilen_SEG[part] * std::cos(v.sweep1[part] * rad) *
                                                          std::fabs(std::cos(v.dihed1[part] * rad));
        return std::fabs(x) > reach * 0.92f && reach > 6 && v.Croot[part] > 1 ? l.accent : l.base;
    }
    // Fuselage: the tail number in the trim colour, read from nose to tail on the left and
    // from tail to nose on the right (both read left to right from outside), a cheat line with a
    // thin trim line above, and the belly a shade darker.
    const float px_per_ft = (float)ART_FONT_CELL_H / l.number_h;
    const float u = (x < 0 ? z - l.number_z : l.number_z - z) * px_per_ft + (float)number.w * 0.5f;
    const float w = (y - l.number_y) * px_per_ft + 2;
    if (u >= 0 && w >= 0 && u < (float)number.w && w < (float)number.h && number.at((int)u, (int)w).a > 0.5f)
        return l.trim;
    const RGBA glass = rgb8(40, 50, 66);
    if (y >= l.window_y0 && z >= l.screen_z && z < l.window_z0 && (y < l.window_y1 || std::fabs(x) < 1.2f)) return glass;
    if (y >= l.window_y0 && y < l.window_y1 && z >= l.window_z0 && z < l.window_z1 &&
        (l.window_pitch <= 0 || std::fmod(z - l.window_z0, l.window_pitch) < 0.6f * l.window_pitch))
        return glass;
    if (y >= l.stripe_y && y < l.stripe_y + l.stripe_h) return l.accent;
    if (y >= l.stripe_y + l.stripe_h + 0.08f && y < l.stripe_y + l.stripe_h + 0.22f) return l.trim;
    return y < l.stripe_y - 1.2f ? mix(l.base, rgb8(150, 155, 165), 0.5f) : l.base;
}

// One triangle of a mesh cell on the paint, each pixel in the livery's colour at its point on the
// aircraft (the point interpolated across the triangle). Pixels are painted whole, never blended:
// neighbouring cells blended at their shared edges would leave light seams on the aircraft, two
// half-covered pixels never adding up to the full colour. Pixels within a pixel outside the
// triangle are painted too, so that the texture's filtering never reaches the background at a
// part's edge; in `owner` they are marked 1 and yield to any pixel a triangle covers (marked 2).
template <class F>
void paint_triangle(Canvas& c, std::vector<unsigned char>& owner, const Pt& a, const Pt& b, const Pt& d, F&& colour_at)
{
    const float den = (b.y - d.y) * (a.x - d.x) + (d.x - b.x) * (a.y - d.y);
    if (std::fabs(den) < 1e-4f) return;
    const float grow = 1.0f;   // pixels
    const int x0 = std::max(0, (int)std::floor(std::min({a.x, b.x, d.x}) - grow));
    const int x1 = std::min(c.w - 1, (int)std::ceil(std::max({a.x, b.x, d.x}) + grow));
    const int y0 = std::max(0, (int)std::floor(std::min({a.y, b.y, d.y}) - grow));
    const int y1 = std::min(c.h - 1, (int)std::ceil(std::max({a.y, b.y, d.y}) + grow));
    // Each weight's change over one pixel, to turn "within a pixel of the edge" into a weight.
    const float ga = std::hypot(b.y - d.y, d.x - b.x) / std::fabs(den), gb = std::hypot(d.y - a.y, a.x - d.x) / std::fabs(den);
    const float gd = std::hypot(a.y - b.y, b.x - a.x) / std::fabs(den);
    for (int y = y0; y <= y1; y++)
        for (int x = x0; x <= x1; x++) {
            const float px = x + 0.5f, py = y + 0.5f;
            const float wa = ((b.y - d.y) * (px - d.x) + (d.x - b.x) * (py - d.y)) / den;
            const float wb = ((d.y - a.y) * (px - d.x) + (a.x - d.x) * (py - d.y)) / den;
            const float wd = 1 - wa - wb;
            const bool inside = wa >= 0 && wb >= 0 && wd >= 0;
            if (!inside && (wa < -ga * grow || wb < -gb * grow || wd < -gd * grow)) continue;
            unsigned char& own = owner[(size_t)y * c.w + x];
            if (!inside && own == 2) continue;
            own = inside ? 2 : 1;
            // The colour at the nearest point of the triangle, for a fringe pixel.
            const float ca = std::max(wa, 0.0f), cb = std::max(wb, 0.0f), cd = std::max(wd, 0.0f), sum = ca + cb + cd;
            c.at(x, y) = colour_at(ca / sum, cb / sum, cd / sum);
        }
}

// Each mesh cell of every painted part, filled where its texture coordinates put it, in the
// livery's colour at each pixel's point on the aircraft (two triangles per cell).
void paint_parts(const veh_struct& v, const livery& l, const Canvas& number, int paint, Canvas& c)
{
    std::vector<unsigned char> owner((size_t)c.w * c.h, 0);
    for (int part = 0; part < ACF_PARTS; part++) {
        if (part >= 67) continue;   // legs carry no paint
        if (!have_this_part(0, part, 6) || GEO_part_rect(part).paint != paint) continue;
        const int sdim = part < ACF_FOIL_PARTS ? 2 * intlim(v.els[part], 0, ACF_ELEMENTS) : f_body_s_DIM(0, part, 0);
        const int rdim = part < ACF_FOIL_PARTS ? 14 : f_body_r_DIM(part, 0);
        // Blades are painted in their own frame, from the hub out.
        const bool blade = part < ACF_THRUST_POINTS;
        const float arm[3] = {blade ? 0 : v.Xarm[part], blade ? 0 : v.Yarm[part], blade ? 0 : v.Zarm[part]};
        for (int s = 0; s + 1 < sdim; s++)
            for (int r = 0; r + 1 < rdim; r++) {
                const int cs[4] = {s, s, s + 1, s + 1}, cr[4] = {r, r + 1, r + 1, r};
                Pt tex[4];
                float at[4][3];
                for (int k = 0; k < 4; k++) {
                    tex[k] = {v.st[part][cs[k]][cr[k]][0] * (float)c.w, v.st[part][cs[k]][cr[k]][1] * (float)c.h};
                    for (int i = 0; i < 3; i++) at[k][i] = v.a_xyz[part][cs[k]][cr[k]][i] + arm[i];
                }
                for (int tri = 0; tri < 2; tri++) {
                    const int i0 = 0, i1 = tri ? 2 : 1, i2 = tri ? 3 : 2;
                    paint_triangle(c, owner, tex[i0], tex[i1], tex[i2], [&](float wa, float wb, float wd) {
                        float p[3];
                        for (int i = 0; i < 3; i++) p[i] = wa * at[i0][i] + wb * at[i1][i] + wd * at[i2][i];
                        return livery_at(v, l, number, part, p[0], p[1], p[2]);
                    });
                }
            }
    }
}

// The paint templates the editor writes, coloured: cells in the livery, the template's control
// outlines and hinge lines kept as dark lines, control surfaces a shade darker.
bool paint_sample(const veh_struct& v, const livery& l, const PixelFont& font, const std::string& base)
{
    Canvas number(1 + 8 * 12, ART_FONT_CELL_H + 4);
    draw_text(number, font, 1, 2, STR_of(v.tailnum), rgb8(0, 0, 0));
    // Trim the canvas to the ink, so the number centres on its place.
    int right = 0;
    for (int y = 0; y < number.h; y++)
        for (int x = 0; x < number.w; x++)
            if (number.at(x, y).a > 0) right = std::max(right, x + 2);
    Canvas trimmed(right, number.h);
    trimmed.copy_from(number, 0, 0, 0, 0, right, number.h);

    for (int paint = 1; paint <= 2; paint++) {
        const std::string file = base + (paint == 1 ? "_paint.bmp" : "_paint2.bmp");
        Canvas tmpl;
        if (!read_bmp24(file, tmpl)) return false;
        Canvas c(tmpl.w, tmpl.h, l.base);
        paint_parts(v, l, trimmed, paint, c);
        for (int y = 0; y < c.h; y++)
            for (int x = 0; x < c.w; x++) {
                const int g = to_byte(tmpl.at(x, y).r);
                RGBA& p = c.at(x, y);
                const float k = g == 0 ? 0.55f : g == 200 ? 0.9f : 1.0f;
                p = RGBA{p.r * k, p.g * k, p.b * k, 1};
            }
        if (!write_bmp24(file, c)) return false;
    }
    return true;
}

// The program has no default panel of its own for a glider: its light-aircraft panel without
// what a glider lacks (engine, fuel, flaps, gyros and their suction, navigation receivers).
void glider_panel(veh_struct& v)
{
    static const char* const lacks[] = {"engine", "fuel", "handles", "starter", "flaps", "Suction", "hobbs",
                                        "horizons", "DGs", "VORs", "markers", "navcom2", "GPS", "audiopanel",
                                        "brakes", "land_light", "pitot"};
    int kept = 0;
    for (int i = 0; i < ACF_INSTRUMENTS; i++) {
        if (v.ins_type[i] < 0) continue;
        const std::string path = INS_path(v.ins_type[i]);
        if (std::any_of(std::begin(lacks), std::end(lacks), [&](const char* w) { return path.find(w) != std::string::npos; }))
            continue;
        v.ins_type[kept] = v.ins_type[i], v.ins_x[kept] = v.ins_x[i], v.ins_y[kept] = v.ins_y[i];
        v.ins_size[kept++] = v.ins_size[i];
    }
    for (int i = kept; i < ACF_INSTRUMENTS; i++) v.ins_type[i] = -1, v.ins_x[i] = v.ins_y[i] = 0, v.ins_size[i] = 1;
}

//=== the run ================================================================================
// The editor's frames, until the resting height and pitch on the gear have settled (they move a
// small step per frame) and the derived values no longer change.
void settle(veh_struct& v)
{
    mnw.prd_FM = 0;
    APP_recompute();
    for (int i = 0, quiet = 0; i < 20000 && quiet < 20; i++) {
        const float h = v.h_eqlbm, the = v.the_eqlbm;
        update_plane_specs();
        quiet = h == v.h_eqlbm && the == v.the_eqlbm ? quiet + 1 : 0;
    }
    APP_recompute();
    APP_recompute();
}

int make_one(const sample& s, const PixelFont& font)
{
    const std::string folder = std::string("Aircraft/") + s.name + "/";
    const std::string base = folder + s.name;
    mkdir(folder.c_str(), 0755);
    for (const char* old : {"_paint.bmp", "_paint2.bmp", "_paint.bmpnew", "_paint2.bmpnew"}) remove((base + old).c_str());

    setup_base_acf();
    veh_struct& v = veh[0];
    // The new aircraft's three legs and round body grids give way to the design's own.
    for (int g = 67; g <= 72; g++) v.gear_type[g] = 0, v.part_eq[g] = 0;
    s.make(v);
    STR_put(v.name, std::string(s.name) + ".acf");
    // Where the program finds it, in its own form, so the file holds no path of the build machine.
    STR_put(v.path, "Aircraft:" + std::string(s.name) + ":" + s.name + ".acf");
    if (v.gear_type[67] == 1) GEAR_default_skids();
    ACF_autoset(0);
    set_default_instruments();
    if (v.cockpit_type == 3) glider_panel(v);
    settle(v);
    if (v.gear_type[67] == 1) {   // the skid tubes follow the settled contact points
        GEAR_default_skids();
        settle(v);
    }

    const std::vector<ACF_problem> problems = ACF_check_all(0);
    for (const ACF_problem& p : problems)
        fprintf(stderr, "make_samples: %s: check %d: %s\n", s.name, p.check, p.lines[0].c_str());
    if (!problems.empty()) return 0;
    if (!IO_acf_write_to(0, STR_of(v.path))) {
        fprintf(stderr, "make_samples: could not write %s.acf\n", base.c_str());
        return 0;
    }
    load_plane_geo(0, 1, 0, 0);   // the paint templates beside it
    if (!paint_sample(v, s.paint, font, base)) {
        fprintf(stderr, "make_samples: could not paint %s\n", base.c_str());
        return 0;
    }
    printf("make_samples: %s: %.0f lb, resting at %.1f ft and %.1f degrees\n", s.name, v.m_max, v.h_eqlbm, v.the_eqlbm);
    return 1;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 3) {
        fprintf(stderr, "usage: make_samples <Aerodeck folder> <data folder>\n");
        return 2;
    }
    std::string aerodeck = argv[1], data = argv[2];
    if (aerodeck.empty() || aerodeck.back() != '/') aerodeck += '/';
    if (data.empty() || data.back() != '/') data += '/';
    PixelFont font;
    std::string err;
    if (!load_pixel_font(data + "art/font_prop.txt", font, err)) {
        fprintf(stderr, "make_samples: %s\n", err.c_str());
        return 1;
    }
    // The records as the program starts them, with no window, working in its folder (paths in the
    // program's own form are taken from there); alerts go to the terminal.
    if (chdir(aerodeck.c_str()) != 0) {
        fprintf(stderr, "make_samples: no folder %s\n", aerodeck.c_str());
        return 1;
    }
    CLI_setup(aerodeck);
    mkdir("Aircraft", 0755);
    int ok = 1;
    for (const sample& s : s_samples) ok &= make_one(s, font);
    return ok ? 0 : 1;
}
