// win_gear.cpp -- the landing gear window (618: gear legs, gear doors) and the weight and balance
// window (620) with the balance in percent of the main wing's mean aerodynamic chord and a
// loading diagram. Each page reads like its widget table.
#include "editor/win_gear.h"
#include "editor/APPLICATION.h"
#include "editor/HL_BTN.h"
#include "geometry/PLN_PROCS.h"
#include "base/HL_MATH_FUN.h"
#include "base/records.h"
#include "draw/HL_GRAPH.h"
#include "model/acf_parts.h"
#include "model/acf_struct.h"
#include "model/set_struct.h"
#include <cmath>
#include <string>

static const char* T(int n) { return APP_text(n); }

// The door corner being dragged (-9 when none); the start-up reset clears it.
static int b_sel = -9, c_sel = -9;

void GEAR_reset(void) { b_sel = c_sel = -9; }

//=== gear legs (page 0) =====================================================================
static int last_present_gear(void)
{
    int last = 67;
    for (int en = 67; en <= 72; en++)
        if (have_this_part(0, en, 6)) last = en;
    return last;
}

// A column's label: the row's name in the first column only, its unit in the last gear's only.
static const char* col_label(int n, int en, int last, char dir = 0)
{
    static std::string s;
    label_part(dir ? xyz_name(T(n), dir) : T(n), &s, en == 67, en == last);
    return s.c_str();
}

static void gear_column(veh_struct& v, int en, int last)
{
    const float x = 90 + 94.0f * (en - 67);
    BTN_textlist(x + 8, 665, &v.gear_type[en], T(166), col_label(167, en, last));
    if (v.gear_type[en] <= 0) return;
    BTN_flt(x, 615, &v.Zarm[en], 5, 2, 1, col_label(169, en, last, 'z'));
    BTN_flt(x, 565, &v.Xarm[en], 5, 2, 1, col_label(170, en, last, 'x'));
    BTN_flt(x, 515, &v.Yarm[en], 5, 2, 1, col_label(171, en, last, 'y'));
    BTN_flt(x + 20, 465, &v.gear_lonE[en], 3, 0, 1, col_label(172, en, last));
    BTN_flt(x + 20, 415, &v.gear_latE[en], 3, 0, 1, col_label(173, en, last));
    BTN_flt(x + 20, 365, &v.gear_lonR[en], 3, 0, 1, col_label(174, en, last));
    BTN_flt(x + 20, 315, &v.gear_latR[en], 3, 0, 1, col_label(175, en, last));
    BTN_flt(x + 10, 265, &v.gear_leglen[en], 4, 2, 0, col_label(176, en, last));
    BTN_flt_range(x + 10, 215, &v.tire_radius[en], 4, 2, 0.01f, 99.99f, col_label(177, en, last));
    BTN_flt_range(x + 10, 165, &v.tire_swidth[en], 4, 2, 0.01f, 99.99f, col_label(93, en, last));
    BTN_flt(x + 20, 115, &v.gear_axiR[en], 3, 0, 1, col_label(178, en, last));
    BTN_flt(x + 70, 115, &v.strut_comp[en], 2, 1, 1, col_label(465, en, last));
    BTN_flt_range(x + 30, 65, &v.gear_cyctim[en], 3, 1, 0.1f, 99.9f, col_label(179, en, last));
    BTN_bool(x + 45, 30, &v.part_eq[61 + (en - 67)], col_label(168, en, last), 0);
    BTN_bool(x + 45, 15, &v.gear_steers[en], col_label(51, en, last), 0);
}

// Fairing tubes along gear 1 to gear 3: z, radius (1 = the tube's) and rise (times L) per station.
static const float k_skid[8][3] = {{-0.60f, 0, 0.048f}, {-0.58f, 1, 0.030f}, {-0.55f, 1, 0.013f}, {-0.52f, 1, 0.005f},
                                   {-0.48f, 1, 0},      {0.50f, 1, 0},      {1.18f, 1, 0},      {1.20f, 0, 0}};

void GEAR_default_skids(void)
{
    veh_struct& v = veh[0];
    for (int en = 67; en <= 72; en++) v.gear_type[en] = en <= 70 ? 1 : 0;
    for (int f = 61; f <= 66; f++) v.part_eq[f] = f <= 62;
    const float L = ret_gear_znodef(0, 69) - ret_gear_znodef(0, 67);
    for (int part = 61; part <= 62; part++) {
        const float tube = v.tire_radius[part + 6];
        for (int s = 0; s < 8; s++)
            for (int r = 0; r < 10; r++) {
                const float a = (float)r / 9.0f * 2.0f * (float)M_PI, rad = k_skid[s][1] * tube;
                v.body_Z[part][s][r] = L * k_skid[s][0];
                v.body_X[part][s][r] = rad * std::sin(a);
                v.body_Y[part][s][r] = rad * std::cos(a) + k_skid[s][2] * L;
            }
    }
}

static void legs_panels(int gear)
{
    float x2, y2;
    BTN_subwin(g_tab_dy, 13, 10, 10, 700, -1, gear ? T(497) : "", &x2, &y2);
    BTN_subwin(g_tab_dy, 13, 720, 140, -1, 190, T(426), &x2, &y2);
    BTN_subwin(g_tab_dy, 13, 720, 340, -1, 240, gear ? T(425) : "", &x2, &y2);
    BTN_subwin(g_tab_dy, 13, 720, 590, -1, -1, gear ? T(424) : T(954), &x2, &y2);
    BTN_subwin(g_tab_dy, 13, 720, 10, -1, 120, "", &x2, &y2);
}

static void legs_right_column(veh_struct& v)
{
    const int gear = v.has_gear != 0;
    if (!gear) BTN_flt(820, 615, &v.the_eqlbm, 3, 1, 1, T(955));
    if (gear) BTN_bool(835, 665, &v.gear_retract, T(180), 0);
    if (gear) BTN_flt_range(820, 615, &v.gear_door_size, 3, 1, 1, 99.9f, T(181));
    if (gear) BTN_flt(820, 515, &v.nw_steerdeg1, 3, 1, 0, T(182));
    if (gear) BTN_flt(820, 465, &v.nw_cutoff_omega, 3, 0, 0, T(183));
    if (gear) BTN_flt(820, 415, &v.nw_steerdeg2, 3, 1, 0, T(184));
    if (gear) BTN_flt(820, 365, &v.nw_side_k, 3, 0, 0, T(498));
    BTN_flt(820, 265, &v.water_rud_longarm, 4, 1, 0, T(185));
    BTN_flt(820, 215, &v.water_rud_area, 4, 1, 0, T(186));
    BTN_flt(830, 165, &v.water_rud_maxdef, 3, 1, 0, T(187));
    if (gear) BTN_flt(800, 65, &v.roll_co, 4, 3, 0, T(495));
    if (gear) BTN_flt(860, 65, &v.brake_co, 3, 2, 0, T(496));
    if (BTN_action(870, 25, 0, 1, T(956))) GEAR_default_skids();
}

static void gear_legs_page(veh_struct& v)
{
    legs_panels(v.has_gear != 0);
    const int last = last_present_gear();
    for (int en = 67; en <= 72; en++) gear_column(v, en, last);
    legs_right_column(v);
}

//=== gear doors (page 1) ====================================================================
float GEAR_door_x(int b) { return 10 + 202.0f * (b % 5); }
float GEAR_door_y(int b) { return 10 + 350.0f * (b / 5); }
float GEAR_door_scale(void) { return 110 / fltmax2(veh[0].gear_door_size, 1); }

// The outline of door b: a grid at tenths, the four edges and corner squares; a press picks the
// nearest corner and a held button drags it (limited in the next frame).
static void door_diagram(veh_struct& v, int b, float x, float y)
{
    const float size = v.gear_door_size, sc = GEAR_door_scale();
    const float dx = 160, dy = 110, x1 = x + 16, y1 = y + 16, cx = x1 + dx / 2, top = y1 + dy;
    BTN_frame2(15, x1, y1, dx, dy, "");
    if (mnw.mouse_lifted) c_sel = b_sel = -9;
    for (int i = 0; i <= 10; i++) {
        OGL_line(57, 0.5f, x1 + dx * i / 10, y1, x1 + dx * i / 10, top);
        OGL_line(57, 0.5f, x1, y1 + dy * i / 10, x1 + dx, y1 + dy * i / 10);
    }
    const int press = mnw.mouse_clicked && flt_box(mnw.mx, mnw.my, x1, y1, x1 + dx, top);
    for (float* g : v.gear_door_geo[b]) {   // the last frame's drag, or a file's values, limited
        g[2] = fltlim(g[2], -0.75f * size, 0.75f * size);
        g[1] = fltlim(g[1], -size, 0);
    }
    float best = 1e30f;
    for (int c = 0; c < 4; c++) {
        const float* g = v.gear_door_geo[b][c];
        const float* n = v.gear_door_geo[b][intwrap(c + 1, 0, 3)];
        const float px = cx + g[2] * sc, py = top + g[1] * sc;
        OGL_line(42, 1, px, py, cx + n[2] * sc, top + n[1] * sc);
        OGL_fillrect(42, 1, px - 2.5f, py - 2.5f, 5, 5);
        const float d = pythag(mnw.mx - px, mnw.my - py);
        if (press && d < best) {
            best = d;
            c_sel = c;
            b_sel = b;
        }
    }
    if (mnw.now_dragging && b_sel == b && intrange(c_sel, 0, 3)) {
        v.gear_door_geo[b][c_sel][2] = (mnw.mx - cx) / sc;
        v.gear_door_geo[b][c_sel][1] = (mnw.my - top) / sc;
    }
}

static void gear_door(veh_struct& v, int b)
{
    const float x = GEAR_door_x(b), y = GEAR_door_y(b);
    float x2, y2;
    BTN_subwin(g_tab_dy, 13, x, y, 192, 340, "", &x2, &y2);
    if (v.gear_door_typ[b] != 0) {
        door_diagram(v, b, x, y);
        BTN_flt(x + 100, y + 252, &v.gear_door_axi_rot[b], 3, 1, 1, T(189));
        BTN_flt(x + 45, y + 202, &v.gear_door_loc[b][2], 4, 1, 1, xyz_name(T(190), 'z'));
        BTN_flt(x + 100, y + 202, &v.gear_door_loc[b][0], 3, 1, 1, xyz_name(T(538), 'x'));
        BTN_flt(x + 145, y + 202, &v.gear_door_loc[b][1], 3, 1, 1, xyz_name(T(538), 'y'));
        BTN_flt(x + 80, y + 152, &v.gear_door_ext_ang[b], 4, 1, 1, T(191));
        BTN_flt(x + 135, y + 152, &v.gear_door_ret_ang[b], 4, 1, 1, T(539));
    }
    BTN_textlist(x + 92, y + 302, &v.gear_door_typ[b], T(188), T(540));
}

static void gear_doors_page(veh_struct& v)
{
    if (!(v.gear_door_size >= 1)) v.gear_door_size = 1;
    v.gear_door_size = fltlim(v.gear_door_size, 1, 99.9f);   // the legs page's range, for a size from a file
    for (int b = 0; b < 10; b++) gear_door(v, b);
}

void APP_gear_window(void)
{
    veh_struct& v = veh[0];
    if (set.gearW_tab == 1) gear_doors_page(v);
    else gear_legs_page(v);
}

//=== balance in percent of the mean aerodynamic chord =======================================
int ACF_main_mac(float* chord, float* lead_z)
{
    *chord = *lead_z = 0;
    // The right-hand half of the first wing there is: the left one mirrors it.
    for (int en : {9, 11, 13, 15}) {
        const veh_struct& v = veh[0];
        const float cr = v.Croot[en], ct = v.Ctip[en], span = v.semilen_SEG[en];
        if (!have_this_part(0, en, 6) || !(cr > 0) || !(ct >= 0) || !(span > 0) || !std::isfinite(v.Zarm[en])) continue;
        const float lam = ct / cr;
        // The chord runs straight from root to tip along the quarter-chord line, which is swept
        // by sweep1 from the root at Zarm.
        const float mac = 2.0f / 3.0f * cr * (1 + lam + lam * lam) / (1 + lam);
        const float along = span / 3.0f * (1 + 2 * lam) / (1 + lam);
        const float sweep = std::isfinite(v.sweep1[en]) ? v.sweep1[en] * (float)M_PI / 180 : 0.0f;
        *chord = mac;
        *lead_z = v.Zarm[en] + along * std::sin(sweep) - 0.25f * mac;
        return 1;
    }
    return 0;
}

float ACF_percent_mac(float z)
{
    float chord, lead;
    if (!ACF_main_mac(&chord, &lead)) return 0;
    const float p = (z - lead) / chord * 100;
    return std::isfinite(p) ? p : 0.0f;
}

float ACF_loaded_cg(float m_total, float* cg_z)
{
    const veh_struct& v = veh[0];
    const float empty = fltmax2(v.m_empty, 0), fuel_max = fltmax2(v.m_fuel_tot, 0);
    const float m = fltmax2(m_total, empty);
    const float fuel = fltmin2(m - empty, fuel_max);
    const float payload = m - empty - fuel;   // carried at the design's centre of gravity
    double moment = (double)(empty + payload) * v.cgZ, mass = empty + payload;
    const int tanks = intlim(v.num_tanks, 0, 3);
    float rat_sum = 0;
    for (int t = 0; t < tanks; t++) rat_sum += fltmax2(v.tank_rat[t], 0);
    for (int t = 0; t < tanks; t++) {
        const float f = rat_sum > 0 ? fuel * fltmax2(v.tank_rat[t], 0) / rat_sum : 0.0f;
        moment += (double)f * v.tank_Z[t];
        mass += f;
    }
    if (rat_sum <= 0) {   // no tank to put it in: the fuel sits at the centre of gravity
        moment += (double)fuel * v.cgZ;
        mass += fuel;
    }
    *cg_z = mass > 0 ? (float)(moment / mass) : v.cgZ;
    if (!std::isfinite(*cg_z)) *cg_z = 0;
    return (float)mass;
}

//=== the weight and balance window (620) ====================================================
static void weight_panels(void)
{
    float x2, y2;
    BTN_subwin(g_tab_dy, 13, 10, 480, 450, -1, T(429), &x2, &y2);
    BTN_subwin(g_tab_dy, 13, 10, 10, 450, 460, T(428), &x2, &y2);
    BTN_subwin(g_tab_dy, 13, 470, 10, 290, -1, T(427), &x2, &y2);
    BTN_subwin(g_tab_dy, 13, 770, 300, -1, -1, T(430), &x2, &y2);
    BTN_subwin(g_tab_dy, 13, 770, 10, -1, 280, T(957), &x2, &y2);
    BTN_subwin(g_tab_dy, 13, 205, 305, 250, 160, T(431), &x2, &y2);
}

static void weight_cg(veh_struct& v)
{
    BTN_flt(90, 565, &v.cgZ_fwd, 5, 2, 1, xyz_name(T(192), 'z'));
    BTN_flt(160, 565, &v.cgZ, 5, 2, 1, xyz_name(T(599), 'z'));
    BTN_flt(230, 565, &v.cgZ_aft, 5, 2, 1, xyz_name(T(193), 'z'));
    BTN_flt(100, 515, &v.cgY, 5, 2, 1, xyz_name(T(194), 'y'));
    if (v.cgZ_fwd > v.cgZ) v.cgZ_fwd = v.cgZ;   // the limits follow the centre of gravity (z grows aft)
    if (v.cgZ_aft < v.cgZ) v.cgZ_aft = v.cgZ;
}

static void weight_masses(veh_struct& v)
{
    float m_jato = v.jato_thrust * v.jato_dur * v.jato_sfc / 3600;   // shown, never stored
    BTN_flt_range(100, 415, &v.m_empty, 9, 1, 0.1f, 100000000, T(195));
    BTN_flt(100, 365, &v.m_fuel_tot, 9, 1, 0, T(196));
    BTN_flt(100, 315, &m_jato, 9, 1, 0, T(197));
    BTN_flt(100, 265, &v.m_jettison, 9, 1, 0, T(198));
    BTN_flt_range(100, 215, &v.m_max, 9, 1, 0.1f, 100000000, T(199));
    BTN_flt(100, 115, &v.m_displaced, 9, 1, 0, T(200));
    BTN_flt(300, 115, &v.disp_rat, 3, 2, 0,
            T(958));
    BTN_flt(140, 65, &v.m_displaced_y, 5, 2, 1, xyz_name(T(503), 'y'));
}

static void weight_jettison(veh_struct& v)
{
    // The three kinds of jettisonable load exclude each other.
    if (BTN_bool(260, 285, &v.jett_is_slung, T(201), 0)) v.jett_is_acf = v.jett_is_water = 0;
    if (BTN_bool(260, 265, &v.jett_is_water, T(343), 0)) v.jett_is_acf = v.jett_is_slung = 0;
    if (BTN_bool(260, 245, &v.jett_is_acf, T(646), 0)) v.jett_is_water = v.jett_is_slung = 0;
    if (v.jett_is_slung || v.jett_is_acf) {
        BTN_flt(890, 565, &v.jett_xyz[2], 5, 2, 1, xyz_name(T(209), 'z'));
        BTN_flt(890, 515, &v.jett_xyz[0], 5, 2, 1, xyz_name(T(210), 'x'));
        BTN_flt(890, 465, &v.jett_xyz[1], 5, 2, 1, xyz_name(T(211), 'y'));
    }
    if (v.jett_is_slung) BTN_flt(890, 365, &v.jett_len, 5, 2, 1, T(344));
}

static void weight_tanks(veh_struct& v)
{
    BTN_int_range(480, 565, &v.num_tanks, 1, 0, 3, T(202));
    static const float ys[3] = {565, 390, 215};
    for (int t = 0; t < intlim(v.num_tanks, 0, 3); t++) {
        const float y = ys[t];
        const int lz = t == 0 ? 203 : 206;
        BTN_flt_range(480, y - 50, &v.tank_rat[t], 4, 3, 0, 1, T(317));
        BTN_flt(660, y, &v.tank_Z[t], 5, 2, 1, xyz_name(T(lz), 'z'));
        BTN_flt(660, y - 50, &v.tank_X[t], 5, 2, 1, xyz_name(T(lz + 1), 'x'));
        BTN_flt(660, y - 100, &v.tank_Y[t], 5, 2, 1, xyz_name(T(lz + 2), 'y'));
    }
}

static void weight_gyration(veh_struct& v)
{
    BTN_bool(785, 215, &v.manual_rad_gyr,
             T(959),
             0);
    if (!v.manual_rad_gyr) return;
    BTN_flt(890, 165, &v.Jxx_unitmass, 5, 2, 1, T(960));
    BTN_flt(890, 115, &v.Jyy_unitmass, 5, 2, 1, T(961));
    BTN_flt(890, 65, &v.Jzz_unitmass, 5, 2, 1, T(962));
}

// Balance as designers read it: the centre of gravity in percent of the main wing's mean chord,
// empty and at maximum weight, and how it travels as the tanks fill and the load comes aboard.
static void weight_balance(const veh_struct& v)
{
    float cg_full;
    ACF_loaded_cg(v.m_max, &cg_full);
    BTN_display_number(370, 428, ACF_percent_mac(v.cgZ), 4, 1, T(963));
    BTN_display_number(370, 398, ACF_percent_mac(cg_full), 4, 1, T(964));

    // The diagram: % MAC across, weight up, the limits as upright lines.
    const float x1 = 225, y1 = 322, dx = 210, dy = 60;
    float chord, lead;
    OGL_framerect(57, 1, x1, y1, dx, dy);
    if (!ACF_main_mac(&chord, &lead)) {
        OGL_string(39, x1 + 10, y1 + dy / 2, T(965), 9999, 100);
        return;
    }
    const float m_lo = fltmax2(v.m_empty, 0.1f), m_hi = fltmax2(v.m_max, m_lo + 0.1f);
    float p_lo = fltmin2(ACF_percent_mac(v.cgZ_fwd), ACF_percent_mac(v.cgZ)), p_hi = fltmax2(ACF_percent_mac(v.cgZ_aft), p_lo + 1);
    float pts[21][2];
    for (int i = 0; i <= 20; i++) {
        float cg;
        const float m = ACF_loaded_cg(m_lo + (m_hi - m_lo) * i / 20, &cg);
        pts[i][0] = ACF_percent_mac(cg);
        pts[i][1] = m;
        p_lo = fltmin2(p_lo, pts[i][0]);
        p_hi = fltmax2(p_hi, pts[i][0]);
    }
    const float span = fltmax2(p_hi - p_lo, 1), left = p_lo - 0.1f * span, width = 1.2f * span;
    auto sx = [&](float p) { return x1 + (p - left) / width * dx; };
    auto sy = [&](float m) { return y1 + fltlim((m - m_lo) / (m_hi - m_lo), 0, 1) * dy; };
    OGL_line(17, 1, sx(ACF_percent_mac(v.cgZ_fwd)), y1, sx(ACF_percent_mac(v.cgZ_fwd)), y1 + dy);
    OGL_line(17, 1, sx(ACF_percent_mac(v.cgZ_aft)), y1, sx(ACF_percent_mac(v.cgZ_aft)), y1 + dy);
    for (int i = 0; i < 20; i++) OGL_line(46, 1, sx(pts[i][0]), sy(pts[i][1]), sx(pts[i + 1][0]), sy(pts[i + 1][1]));
    OGL_number(39, x1, y1 - 12, left, 3, 0, 102);
    OGL_number(39, x1 + dx - 30, y1 - 12, left + width, 3, 0, 102);
    OGL_string(39, x1 + dx / 2 - 20, y1 - 12, "% MAC", 9999, 100);
}

void APP_weight_window(void)
{
    veh_struct& v = veh[0];
    weight_panels();
    weight_cg(v);
    weight_masses(v);
    weight_jettison(v);
    weight_tanks(v);
    weight_gyration(v);
    weight_balance(v);
}
