// acf_defaults.cpp -- the new aircraft.
#include "model/acf_defaults.h"
#include "model/acf_struct.h"
#include "model/set_struct.h"
#include "base/common.h"
#include "base/hl_string.h"
#include <cmath>
#include <cstdlib>
#include <cstring>

//=== small helpers ==========================================================================
int int_rand(int lo, int hi)
{
    const int r = rand() & 32767;   // any C library's generator, taken to the classic range
    return lo + (int)((long long)r * (hi - lo + 1) / 32768);
}

char code_to_char(int code)
{
    if (code == 0) return ' ';
    if (code >= 1 && code <= 10) return (char)('0' + code - 1);
    if (code >= 11 && code <= 36) return (char)('A' + code - 11);
    if (code == 37) return '-';
    return '0';
}

int f_body_s_DIM(int p, int en, int is_wpn)
{
    if (is_wpn) return ACF_WPN_STATIONS;
    if (en >= 0 && en < ACF_FOIL_PARTS) {
        const int els = p >= 0 && p < ACF_RECORDS ? veh[p].els[en] : 0;
        return 2 * (els < 0 ? 0 : els > ACF_ELEMENTS ? ACF_ELEMENTS : els);
    }
    if (en == 44) return ACF_BODY_STATIONS;
    if (en >= 45 && en <= 60) return 12;
    if (en >= 61 && en <= 66) return 8;
    return 0;
}

int f_body_r_DIM(int en, int is_wpn)
{
    if (is_wpn) return ACF_BODY_POINTS;
    if (en >= 0 && en < ACF_FOIL_PARTS) return 14;
    if (en >= 44 && en <= 60) return ACF_BODY_POINTS;
    if (en >= 61 && en <= 66) return 10;
    return 0;
}

//=== bodies =================================================================================
// A circle of radius r at every whole-foot station. The two half-rings each run from the top
// to the bottom, so the points n/2 - 1 and n/2 meet there, as every body ring does.
static void round_body(int part, int stations, int points, float r)
{
    veh_struct& v = veh[0];
    v.body_r[part] = r;
    for (int s = 0; s < stations; s++)
        for (int k = 0; k < points; k++) {
            const double a = M_PI * (k < points / 2 ? k : k - 1) / (points - 2) * 2;
            v.body_X[part][s][k] = (float)(sin(a) * r);
            v.body_Y[part][s][k] = (float)(cos(a) * r);
            v.body_Z[part][s][k] = (float)s;
        }
}

static void foil_names(int part, const char* name)
{
    veh_struct& v = veh[0];
    STR_put(v.Rafl0[part], name);
    STR_put(v.Rafl1[part], name);
    STR_put(v.Tafl0[part], name);
    STR_put(v.Tafl1[part], name);
}

//=== the weapon slots =======================================================================
void setup_base_wpn(int en)
{
    if (en < 0 || en >= ACF_WPN_SLOTS) return;
    if (en == ACF_WPN_SLOTS - 1) memset(set.weapn_name, 0, sizeof set.weapn_name);
    wpn_struct& w = veh[0].wpn[en];
    memset(&w, 0, sizeof w);
    for (auto& fin : w.mis_afl) STR_put(fin, "NACA 0009 (symmetrical).afl");
    round_body(en, ACF_WPN_STATIONS, ACF_BODY_POINTS, 2);
}

//=== the new aircraft =======================================================================
static void tail_number(veh_struct& v)
{
    char t[7] = "N";
    for (int i = 1; i <= 3; i++) t[i] = code_to_char(int_rand(1, 10));
    for (int i = 4; i <= 5; i++) t[i] = code_to_char(int_rand(11, 36));
    STR_put(v.tailnum, t);
}

static void scalar_defaults(veh_struct& v)
{
    v.MP_max = 29.92f;
    v.asi_is_kts = 1;
    v.HUD_ctr_x = 512;
    for (int i = 0; i <= 7; i++) v.HUD_ctr_y[i] = 590;
    v.HUD_del_x = 240;
    v.HUD_del_y = 120;
    v.yawstring_x = 512;
    v.yawstring_y = 431;
    v.lan_lite_the_ref = -5;
    v.lan_lite_power = 1;
    v.lan_lite_width = 30;
    v.stall_warn_aoa = 10;
    v.roll_co = 0.025f;
    v.brake_co = 0.75f;
    v.starter_rat = 1;
    v.battery_rat = 1;
    v.idle_rat[0] = 0.5f;
    v.idle_rat[1] = 1;
    v.vect_rate = 15;
    v.throt_time_prop = 1;
    v.throt_time_jet = 1;
    v.inertia_rat_prop = 1;
    v.spool_time_jet = 1;
    v.num_engines = 1;
    v.throt_max_FWD = 1;
    v.throt_max_REV = 1;
    v.max_mach_eff = 0.8f;
    v.rotor_mi_rat = 1;
    v.jato_sfc = 5;
    v.con_smooth = 1;
    v.flap_detents = 3;
    v.gear_door_size = 3;
    v.elev_trim_speedrat = 1;
    v.ailn_trim_speedrat = 1;
    v.rudd_trim_speedrat = 1;
    v.ail1_vmax = 9999;
    v.ail2_vmax = 9999;
    v.spo1_vmax = 9999;
    v.spo2_vmax = 9999;
    v.flap_deftime = 5;
    v.fuel_intro_time_prop = 5;
    v.fuel_intro_time_jet = 10;
    v.part_eq[44] = 1;                      // the main body
    for (int g = 67; g <= 69; g++) {        // three gear legs
        v.gear_type[g] = 2;
        v.gear_cyctim[g] = 5;
    }
}

static void array_defaults(veh_struct& v)
{
    for (int& t : v.ins_type) t = -1;       // an empty panel
    for (int c = 0; c < ACF_CUSTOM_GAUGES; c++) {
        v.cus_rnd_lo_val[c] = 0;
        v.cus_rnd_hi_val[c] = 1;
        v.cus_rnd_lo_ang[c] = 0;
        v.cus_rnd_hi_ang[c] = 360;
    }
    for (float& r : v.prop_gear_rat) r = 1;
    for (int part = 0; part < ACF_PARTS; part++) {
        if (part <= 7) v.els[part] = 10;
        else if (part <= 15) v.els[part] = 6;
        else if (part <= 19) v.els[part] = 4;
        else if (part >= 28 && part <= 43) v.els[part] = 1;
        if (part == 18 || part == 19 || (part >= 28 && part <= 43)) v.dihed1[part] = 90;   // vertical
    }
}

static void part_defaults(veh_struct& v)
{
    for (int part = 0; part < ACF_PARTS; part++)
        round_body(part, f_body_s_DIM(0, part, 0), f_body_r_DIM(part, 0), 2);
    for (int k = 0; k < ACF_THRUST_POINTS; k++) {
        v.num_blades[k] = 2;
        v.des_kts_prp[k] = 600;
        v.SFC[k] = 0.5f;
        foil_names(k, "Clark-Y (good propeller).afl");
    }
    for (int part = 8; part <= 15; part++) foil_names(part, "NACA 2412 (popular).afl");
    for (int part = 16; part < ACF_FOIL_PARTS; part++) foil_names(part, "NACA 0009 (symmetrical).afl");
    static const float door[4][3] = {{0, 0, -0.5f}, {0, -1, -0.5f}, {0, -1, 0.5f}, {0, 0, 0.5f}};
    for (auto& d : v.gear_door_geo) memcpy(d, door, sizeof door);
}

void setup_base_acf(void)
{
    set.acf_mod = 0;
    set.wpn_mod = 0;
    veh_struct& v = veh[0];
    memset(&v, 0, sizeof v);
    // A name in no folder: the first Save asks where to put it.
    STR_put(v.name, "Untitled.acf");
    STR_put(v.path, "Untitled.acf");
    v.is_APL = 0;
    v.cockpit_M = -1;
    tail_number(v);
    scalar_defaults(v);
    array_defaults(v);
    part_defaults(v);

    flt_struct& f = flt[0];
    f.dob_x = 0;
    f.dob_y = 0;
    f.dob_z = -10;
    f.the = 0;
    f.psi = 250;
    f.phi = -30;

    load_plane_geo(1, 0, 0, 0);
    for (int w = 0; w < ACF_WPN_SLOTS; w++) setup_base_wpn(w);
    setup_base_panel();
}
