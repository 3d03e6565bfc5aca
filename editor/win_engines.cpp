// win_engines.cpp -- the engines window (604) and the systems window (605). Each page reads like
// its widget table: one widget per line, in drawing order, and a loop over the thrust points.
#include "editor/win_engines.h"
#include "editor/APPLICATION.h"
#include "editor/HL_BTN.h"
#include "geometry/PLN_PROCS.h"
#include "base/records.h"
#include "base/HL_MATH_FUN.h"
#include "draw/HL_DRPLANE.h"
#include "model/acf_parts.h"
#include "model/acf_struct.h"
#include "model/set_struct.h"
#include <string>

static const char* T(int n) { return APP_text(n); }

void APP_aircraft_pane(float x1, float y1, float x2, float y2)
{
    BTN_frame2(15, x1, y1, x2 - x1, y2 - y1, "");
    plot_plane_2D(x1, y1, x2, y2, 0);
}

//=== engines window, page 0: engine-wide data ===============================================

static void engine_data_panels(void)
{
    float x2, y2;
    BTN_subwin(g_tab_dy, 13, 10, 10, 320, -1, T(405), &x2, &y2);     // throttle, propellers and rotors
    BTN_subwin(g_tab_dy, 13, 350, 440, 420, -1, T(404), &x2, &y2);   // piston and turboprop engines
    BTN_subwin(g_tab_dy, 13, 350, 190, 420, 230, T(408), &x2, &y2);  // jets
    BTN_subwin(g_tab_dy, 13, 350, 10, 420, 160, T(407), &x2, &y2);   // rockets
    BTN_subwin(g_tab_dy, 13, 790, 190, -1, -1, T(406), &x2, &y2);    // response times
    APP_aircraft_pane(790, 10, mnw.win_dx - 10, 170);
}

static void engine_data_props(veh_struct& v)
{
    BTN_flt(130, 615, &v.throt_max_FWD, 3, 2, 0, T(42));
    BTN_flt(260, 615, &v.throt_max_REV, 3, 2, 0, T(43));
    BTN_flt(130, 565, &v.idle_rat[0], 3, 2, 0, T(345));
    BTN_flt(260, 565, &v.idle_rat[1], 3, 2, 0, T(346));
    BTN_bool(145, 500, &v.props_linked, T(90), 0);
    BTN_bool(145, 470, &v.beta_prop_EQ, T(146), 0);
    BTN_bool(145, 440, &v.auto_feather_EQ, T(44), 0);
    BTN_bool(145, 410, &v.rev_thrust_EQ, T(88), 0);
    BTN_bool(145, 380, &v.drive_by_wire_EQ, T(45), 0);
    BTN_bool(145, 350, &v.feather_with_prop_EQ, T(900), 0);
    BTN_flt(150, 315, &v.feathered_pitch, 3, 1, 1, T(322));
    BTN_flt(150, 265, &v.reversed_pitch, 3, 1, 1, T(46));
    BTN_flt_range(150, 215, &v.rotor_mi_rat, 3, 2, 0.01f, 9.99f, T(47));
    BTN_flt(150, 165, &v.tip_weight, 3, 0, 0, T(48));
    BTN_flt(150, 115, &v.tip_mach_des_100, 3, 2, 0, T(49));
    BTN_flt(150, 65, &v.tip_mach_des_50, 3, 2, 0, T(50));
}

static void engine_data_engines(veh_struct& v)
{
    BTN_flt(400, 615, &v.power_max, 7, 2, 0, T(53));
    BTN_flt_range(440, 565, &v.trans_loss, 3, 2, 0, 0.99f, T(576));
    BTN_flt(620, 615, &v.crit_alt_prop, 5, 0, 0, T(55));
    BTN_flt(620, 565, &v.MP_max, 5, 2, 0, T(56));
    BTN_flt(420, 515, &v.RSC_redline_ENGN, 5, 0, 0, T(57));
    BTN_flt(620, 515, &v.RSC_maxgreen_ENGN, 5, 0, 0, T(59));
    BTN_flt(420, 465, &v.RSC_idlespeed_ENGN, 5, 0, 0, T(58));
    BTN_flt(620, 465, &v.RSC_mingreen_ENGN, 5, 0, 0, T(60));
    BTN_flt(410, 315, &v.thrust_max, 6, 0, 0, T(62));
    BTN_flt(410, 265, &v.burner_inc, 6, 0, 0, T(63));
    BTN_flt(430, 215, &v.max_mach_eff, 4, 2, 0, T(66));
    BTN_flt(620, 315, &v.crit_alt_jet, 5, 0, 0, T(55));
    BTN_flt(620, 265, &v.face_jet, 5, 2, 0, T(64));
    BTN_flt(640, 215, &v.lift_fan_rat, 3, 2, 0, T(95));
    BTN_flt(400, 115, &v.rock_max_sl, 8, 1, 0, T(67));
    BTN_flt(510, 115, &v.rock_max_opt, 8, 1, 0, T(54));
    BTN_flt(620, 115, &v.rock_max_vac, 8, 1, 0, T(68));
    BTN_flt(400, 65, &v.rock_h_opt, 6, 0, 0, T(69));
    BTN_flt(620, 65, &v.face_rocket, 4, 1, 0, T(70));
}

static void engine_data_times(veh_struct& v)
{
    BTN_flt_range(920, 615, &v.fuel_intro_time_prop, 3, 1, 0.1f, 99.9f, T(901));
    BTN_flt_range(920, 565, &v.throt_time_prop, 3, 1, 0.1f, 99.9f, T(61));
    BTN_flt_range(920, 515, &v.inertia_rat_prop, 3, 1, 0.1f, 99.9f, T(65));
    BTN_flt_range(920, 315, &v.fuel_intro_time_jet, 3, 1, 0.1f, 99.9f, T(901));
    BTN_flt_range(920, 265, &v.throt_time_jet, 3, 1, 0.1f, 99.9f, T(61));
    BTN_flt_range(920, 215, &v.spool_time_jet, 3, 1, 0.1f, 99.9f, T(348));
}

static void engines_page_data(veh_struct& v)
{
    engine_data_panels();
    engine_data_props(v);
    engine_data_engines(v);
    engine_data_times(v);
}

//=== engines window, page 1: one column per thrust point ====================================
float APP_default_SFC(int engn_type)
{
    static const float SFC_OF_TYPE[9] = {0.44f, 0.40f, 0.702f, 0.0f, 0.85f, 0.55f, 9.97f, 13.5f, 0.604f};
    return SFC_OF_TYPE[intlim(engn_type, 0, 8)];
}

float APP_engine_column_x(int en) { return 126 + 112.0f * en; }

// Which rows still need their name: each row is named once, in the first column that shows it.
struct row_names {
    int general = 1, fuel = 1, prop = 1, geared = 1;
};

// label0 of a row, its name kept while the row is unnamed, its unit only in the last column.
static const char* part_label(const std::string& label0, int show_name, int last, std::string* buf)
{
    label_part(label0, buf, show_name, last);
    return buf->c_str();
}

static void engine_column(veh_struct& v, int en, int last, row_names& named)
{
    const float x = APP_engine_column_x(en);
    const int is_prp = have_this_part(0, en, 6);
    v.prop_type[en] = is_prp ? intlim(v.prop_type[en], 0, 8) : 9;
    const float vmin = fltmax2(v.des_kts_acf[en] * 1.1f, 400);   // 400 also for a design speed that is not a number
    const int is_eng = have_this_part(0, en, 0);
    const int is_fue = is_eng && v.engn_type[en] != 3;
    const int is_fan = v.prop_type[en] == 6;
    int dir = v.prop_dir[en] < 0;
    v.Croot[en] *= 12;                             // the chords are entered in inches
    v.Ctip[en] *= 12;

    std::string l;
    const int g = named.general, f = named.fuel, pr = named.prop, gp = named.geared;
    if (is_prp) BTN_textlist(x + 6, 615, &v.prop_type[en], T(294), T(526));
    if (is_eng && BTN_textlist(x + 6, 665, &v.engn_type[en], T(86), T(527))) v.SFC[en] = APP_default_SFC(v.engn_type[en]);
    if (is_prp) BTN_flt_range(x - 52, 565, &v.num_blades[en], 1, 0, 2, 9, part_label(T(71), pr, last, &l));
    if (is_prp) BTN_textlist(x - 22, 565, &dir, T(87), part_label(T(40), pr, last, &l));
    if (is_prp && !is_fan) BTN_bool(x + 20, 575, &v.prop_clutch_EQ[en], part_label(T(89), gp, last, &l), 0);
    if (is_prp) BTN_bool(x + 20, 555, &v.is_ducted[en], part_label(T(92), pr, last, &l), 0);
    if (is_fue) BTN_flt(x - 50, 515, &v.SFC[en], 5, 3, 0, part_label(T(72), f, last, &l));
    if (is_prp && !is_fan) BTN_flt_range(x + 10, 515, &v.prop_gear_rat[en], 3, 2, 0.01f, 9.99f, part_label(T(91), gp, last, &l));
    BTN_flt(x - 10, 465, &v.Zarm[en], 5, 2, 1, part_label(xyz_name(T(73), 'z'), g, last, &l));
    BTN_flt(x - 10, 415, &v.Xarm[en], 5, 2, 1, part_label(xyz_name(T(74), 'x'), g, last, &l));
    BTN_flt(x - 10, 365, &v.Yarm[en], 5, 2, 1, part_label(xyz_name(T(75), 'y'), g, last, &l));
    BTN_flt(x - 40, 315, &v.vert_cant_init[en], 4, 1, 1, part_label(T(76), g, last, &l));
    BTN_flt(x + 10, 315, &v.side_cant_init[en], 3, 1, 1, part_label(T(77), g, last, &l));
    if (is_prp) BTN_flt_range(x - 20, 265, &v.semilen_SEG[en], 4, 1, 0.1f, 999.9f, part_label(T(78), pr, last, &l));
    BTN_bool(x + 35, 265, &v.inc_vect[en][0], part_label(T(647), g, last, &l), 0);
    if (is_prp) BTN_flt_range(x - 30, 215, &v.Croot[en], 3, 1, 0.1f, 99.9f, part_label(T(79), pr, last, &l));
    if (is_prp) BTN_flt_range(x + 10, 215, &v.Ctip[en], 3, 1, 0.1f, 99.9f, part_label(T(80), pr, last, &l));
    if (is_prp) BTN_flt_range(x - 30, 165, &v.min_pitch[en], 3, 1, -90, 90, part_label(T(81), pr, last, &l));
    if (is_prp) BTN_flt_range(x + 10, 165, &v.max_pitch[en], 3, 1, 0, 90, part_label(T(82), pr, last, &l));
    if (is_prp) BTN_flt_range(x - 10, 115, &v.des_rpm_prp[en], 5, 0, 100, 99999, part_label(T(83), pr, last, &l));
    if (is_prp) BTN_flt(x - 40, 65, &v.des_kts_acf[en], 3, 0, 1, part_label(T(84), pr, last, &l));
    if (is_prp) BTN_flt_range(x + 0, 65, &v.des_kts_prp[en], 4, 0, vmin, 9999, part_label(T(85), pr, last, &l));

    v.Croot[en] /= 12;
    v.Ctip[en] /= 12;
    v.prop_dir[en] = dir ? -1.0f : 1.0f;
    named.general = 0;
    if (is_fue) named.fuel = 0;
    if (is_prp) named.prop = 0;
    if (is_prp && !is_fan) named.geared = 0;
}

static void engines_page_columns(veh_struct& v)
{
    float x2, y2;
    BTN_subwin(g_tab_dy, 13, -1, -1, -1, -1, T(409), &x2, &y2);
    BTN_int_range(50, 665, &v.num_engines, 1, 0, 8, T(39));
    BTN_int_range(50, 615, &v.num_thrustpoints, 1, 0, 8, T(52));
    const int points = intlim(v.num_thrustpoints, 0, 8);
    row_names named;
    for (int en = 0; en < points; en++) engine_column(v, en, en == points - 1, named);
}

//=== engines window, page 2: limits, sound and exhaust ======================================
static void engines_page_limits(veh_struct& v)
{
    float x2, y2;
    BTN_subwin(g_tab_dy, 13, 10, 10, 680, 190, T(902), &x2, &y2);
    BTN_subwin(g_tab_dy, 13, 10, 220, 680, 240, T(903), &x2, &y2);
    BTN_subwin(g_tab_dy, 13, 10, 480, -1, -1, T(904), &x2, &y2);
    APP_aircraft_pane(710, 10, mnw.win_dx - 10, 460);
    BTN_flt(200, 615, &v.max_ITT, 4, 0, 0, T(905));
    BTN_flt(200, 565, &v.max_EGT, 4, 0, 0, T(906));
    BTN_flt(200, 515, &v.max_CHT, 4, 0, 0, T(907));
    BTN_flt(600, 615, &v.max_OILT, 3, 0, 0, T(908));
    BTN_flt(600, 565, &v.max_OILP, 3, 0, 0, T(909));
    BTN_flt(500, 415, &v.snd_kias, 3, 0, 0, T(578));
    BTN_flt(480, 365, &v.snd_rpm_prp, 5, 0, 0, T(579));
    BTN_flt(480, 315, &v.snd_rpm_eng, 5, 0, 0, T(580));
    BTN_flt(480, 265, &v.snd_n1, 5, 2, 0, T(581));
    BTN_flt_range(500, 65, &v.exhaust_rat, 3, 2, 0.01f, 9.99f, T(910));
}

// A selection out of range (a damaged preferences file) shows the first page.
void APP_engines_window(void)
{
    veh_struct& v = veh[0];
    switch (set.engnW_tab) {
    case 1: engines_page_columns(v); break;
    case 2: engines_page_limits(v); break;
    default: engines_page_data(v); break;
    }
}

//=== systems window (605) ===================================================================
void APP_systems_window(void)
{
    veh_struct& v = veh[0];
    float x2, y2;
    BTN_subwin(g_tab_dy, 13, 10, 280, -1, -1, T(461), &x2, &y2);     // electrical
    BTN_subwin(g_tab_dy, 13, 10, 140, -1, 120, T(403), &x2, &y2);    // hydraulics and controls
    BTN_subwin(g_tab_dy, 13, 10, 10, -1, 110, T(373), &x2, &y2);     // pressurisation
    BTN_flt(175, 365, &v.starter_rat, 3, 2, 0, T(529));
    BTN_flt(175, 315, &v.battery_rat, 3, 2, 0, T(530));
    BTN_bool(48, 225, &v.ff_hydraulic, T(37), 0);
    BTN_bool(48, 195, &v.ff_stickshaker, T(38), 0);
    BTN_flt(175, 155, &v.manual_reversion_rat, 3, 2, 0, T(100));
    BTN_flt(165, 65, &v.max_press_diff, 4, 2, 0, T(324));
}
