// win_wings.cpp -- the lifting surfaces windows (607 wings, 608 miscellaneous wings, 609 pylons)
// and the control surfaces window (616). Each page reads like its widget table: one widget per
// line, in drawing order. Only the right-hand wings are edited here: the recompute at the end of
// the frame mirrors each onto its left twin.
#include "editor/win_wings.h"
#include "editor/APPLICATION.h"
#include "editor/HL_BTN.h"
#include "geometry/PLN_PROCS.h"
#include "base/records.h"
#include "base/HL_MATH_FUN.h"
#include "draw/HL_GRAPH.h"
#include "draw/HL_DRPLANE.h"
#include "model/acf_struct.h"
#include "model/acf_parts.h"
#include "model/set_struct.h"
#include <cmath>
#include <string>

static const char* T(int n) { return APP_text(n); }

// A column's copy of a row label: the row name only where with_name is set, never the unit.
static std::string column_label(int n, int with_name)
{
    std::string s;
    label_part(T(n), &s, with_name, 0);
    return s;
}

//=== lifting surfaces (607, 608, 609) =======================================================
int APP_lifting_part(int win, int tab)
{
    switch (win) {
    case 607: tab = intlim(tab, 0, 6); return tab < 4 ? 9 + 2 * tab : 13 + tab;
    case 608: return 20 + intlim(tab, 0, 7);
    case 609: return 28 + 8 * intlim(tab, 0, 1);
    }
    return 9;
}

static int lifting_tab(int win)
{
    if (win == 607) return set.wingW_tab;
    if (win == 608) return set.addiW_tab;
    return set.pylnW_tab;
}

static void lifting_panels(float* pane_x, float* pane_top)
{
    float x2, y2, y_top;
    BTN_subwin(g_tab_dy, 13, -1, -1, 580, 406, T(411), &x2, &y2);   // the elements
    BTN_subwin(g_tab_dy, 13, -1, y2, 580, -1, T(410), &x2, &y_top); // the part
    *pane_x = x2;
    BTN_subwin(g_tab_dy, 13, x2, -1, -1, -1, "", &x2, pane_top);    // the aircraft
}

static void lifting_part_fields(veh_struct& v, int part, int win)
{
    BTN_flt(100, 615, &v.semilen_SEG[part], 5, 2, 0, T(101));
    BTN_flt(100, 565, &v.Croot[part], 5, 2, 0, T(102));
    BTN_flt(100, 515, &v.Ctip[part], 5, 2, 0, T(103));
    BTN_flt_range(290, 565, &v.sweep1[part], 5, 2, -90, 90, T(104));
    BTN_flt_range(290, 515, &v.dihed1[part], 5, 2, -180, 180, T(105));
    BTN_flt(480, 615, &v.Zarm[part], 5, 2, 1, xyz_name(T(106), 'z'));
    BTN_flt(480, 565, &v.Xarm[part], 5, 2, 1, xyz_name(T(107), 'x'));
    BTN_flt(480, 515, &v.Yarm[part], 5, 2, 1, xyz_name(T(108), 'y'));
    if (win == 608) BTN_bool(80, 465, &v.is_left[part], T(358), 0);
}

// One check box per thrust point: which engines carry this pylon.
static void pylon_engines(veh_struct& v, int part)
{
    const int n = intlim(v.num_thrustpoints, 0, 8);
    for (int c = 0; c < n; c++) BTN_bool(170 + 20.0f * c, 50, &v.part_eq[part + c], c == 0 ? T(385) : "", 0);
}

// Ailerons and flaps share the trailing edge: an element is one or the other.
static void element_column(veh_struct& v, int part, int el)
{
    const float x = 130 + 46.0f * el, xb = x + 16;
    const int first = el == 0;
    BTN_flt(x, 365, &v.incidence[part][el], 3, 1, 1, column_label(110, first).c_str());
    if (BTN_bool(xb, 330, &v.ail1[part][el], column_label(113, first).c_str(), 0)) v.flap[part][el] = 0;
    if (BTN_bool(xb, 310, &v.ail2[part][el], column_label(114, first).c_str(), 0)) v.flap[part][el] = 0;
    BTN_bool(xb, 290, &v.spo1[part][el], column_label(115, first).c_str(), 0);
    BTN_bool(xb, 270, &v.spo2[part][el], column_label(392, first).c_str(), 0);
    BTN_bool(xb, 250, &v.yawb[part][el], column_label(119, first).c_str(), 0);
    BTN_bool(xb, 230, &v.elev[part][el], column_label(117, first).c_str(), 0);
    BTN_bool(xb, 210, &v.rudd[part][el], column_label(118, first).c_str(), 0);
    if (BTN_bool(xb, 190, &v.flap[part][el], column_label(111, first).c_str(), 0))
        v.ail1[part][el] = v.ail2[part][el] = 0;
    BTN_bool(xb, 170, &v.slat[part][el], column_label(112, first).c_str(), 0);
    BTN_bool(xb, 150, &v.sbrk[part][el], column_label(116, first).c_str(), 0);
    BTN_bool(xb, 130, &v.inc_ail1[part][el], column_label(335, first).c_str(), 0);
    BTN_bool(xb, 110, &v.inc_ail2[part][el], column_label(147, first).c_str(), 0);
    BTN_bool(xb, 90, &v.inc_elev[part][el], column_label(142, first).c_str(), 0);
    BTN_bool(xb, 70, &v.inc_rudd[part][el], column_label(143, first).c_str(), 0);
    BTN_bool(xb, 50, &v.inc_vect[part][el], column_label(336, first).c_str(), 0);
    BTN_bool(xb, 30, &v.inc_trim[part][el], column_label(296, first).c_str(), 0);
}

static void lifting_elements(veh_struct& v, int part)
{
    if (!have_this_part(0, part, 6)) return;
    BTN_int_range(40, 365, &v.els[part], 2, 2, ACF_ELEMENTS, T(109));
    const int els = intlim(v.els[part], 0, ACF_ELEMENTS);
    for (int el = 0; el < els; el++) element_column(v, part, el);
}

// Pylons are placed relative to the first thrust point while their fields are up; the record
// keeps the absolute arms. An arm the widgets left alone gets its stored value back exactly, so
// the round trip through the relative value never creeps by a rounding a frame.
struct pylon_arms {
    float stored[3], shown[3];
};

static float* arm(veh_struct& v, int part, int axis)
{
    return axis == 0 ? &v.Xarm[part] : axis == 1 ? &v.Yarm[part] : &v.Zarm[part];
}

static void pylon_relative(veh_struct& v, int part, pylon_arms* a)
{
    for (int k = 0; k < 3; k++) {
        a->stored[k] = *arm(v, part, k);
        a->shown[k] = *arm(v, part, k) -= *arm(v, 0, k);
    }
}

static void pylon_absolute(veh_struct& v, int part, const pylon_arms& a)
{
    for (int k = 0; k < 3; k++) {
        float& f = *arm(v, part, k);
        f = f == a.shown[k] ? a.stored[k] : f + *arm(v, 0, k);
    }
}

void APP_lifting_window(int win)
{
    veh_struct& v = veh[0];
    const int part = APP_lifting_part(win, lifting_tab(win));
    pylon_arms arms{};
    if (win == 609) pylon_relative(v, part, &arms);
    float pane_x, pane_top;
    lifting_panels(&pane_x, &pane_top);
    lifting_part_fields(v, part, win);
    if (win == 609) pylon_engines(v, part);
    else lifting_elements(v, part);
    if (win == 609) pylon_absolute(v, part, arms);
    plot_plane_2D(pane_x, 10, mnw.win_dx - 10, pane_top - 10, 0);
}

//=== control surfaces (616) =================================================================
void APP_flap_coefficients(int flap_type, float crat_root, float crat_tip, float* cl, float* cd, float* cm)
{
    static const float full[6][3] = {{0.83f, 0.14f, -0.25f}, {1.23f, 0.08f, -0.38f}, {1.45f, 0.06f, -0.42f},
                                     {1.60f, 0.10f, -0.46f}, {1.90f, 0.14f, -0.50f}, {1.00f, 0.14f, -0.29f}};
    const float crat = (crat_root + crat_tip) * 0.5f;
    const float scale = interp(0.35f, 1, 0, 0, crat, 0);
    const float* f = full[intlim(flap_type, 0, 5)];
    *cl = f[0] * scale;
    *cd = f[1] * scale;
    *cm = f[2] * scale;
}

// The air the engines blow over the flaps (and, when all controls are blown, over the other
// controls too) adds the speed the full thrust gives a jet the width of that span.
float APP_blown_flap_speed(void)
{
    const veh_struct& v = veh[0];
    float b = 0;
    for (int part = 8; part < 28; part++) {
        if (!have_this_part(0, part, 6)) continue;
        const int els = intlim(v.els[part], 0, ACF_ELEMENTS);
        for (int el = 0; el < els; el++) {
            const int other = v.ail1[part][el] || v.ail2[part][el] || v.elev[part][el] || v.rudd[part][el];
            if (v.flap[part][el] || (v.blow_all_controls && other)) b += v.semilen_SEG[part] / els * con.fttomtrs;
        }
    }
    const float area = 0.05f * b * b;
    const float thrust = v.thrust_max * con.lbstontn * v.num_engines * v.blown_flap_throt_red;
    if (!(area > 0) || !(thrust > 0)) return 0;
    const float speed = std::sqrt(thrust / (1.225f * area)) * con.msctokts;
    return std::isfinite(speed) ? speed : 0;
}

static void controls_panels(void)
{
    float x2, y2, x3;
    BTN_subwin(g_tab_dy, 13, -1, -1, 565, -1, T(418), &x2, &y2);    // chords, deflections, trim
    BTN_subwin(g_tab_dy, 13, x2, -1, -1, 100, T(422), &x3, &y2);    // slats
    BTN_subwin(g_tab_dy, 13, x2, y2, -1, 190, T(421), &x3, &y2);    // blown flaps
    BTN_subwin(g_tab_dy, 13, x2, y2, -1, -1, T(420), &x3, &y2);     // flaps
    BTN_frame2(15, 598, 450, 203, 136, "");
}

struct chord_row {
    float y;
    float veh_struct::*root;
    float veh_struct::*tip;
    int label, tip_label;
};
static const chord_row CHORD_ROWS[] = {
    {665, &veh_struct::ail1_cratR, &veh_struct::ail1_cratT, 126, 126},
    {615, &veh_struct::ail2_cratR, &veh_struct::ail2_cratT, 127, 127},
    {565, &veh_struct::elev_cratR, &veh_struct::elev_cratT, 128, 128},
    {515, &veh_struct::rudd_cratR, &veh_struct::rudd_cratT, 129, 129},
    {465, &veh_struct::spo1_cratR, &veh_struct::spo1_cratT, 130, 130},
    {415, &veh_struct::spo2_cratR, &veh_struct::spo2_cratT, 401, 130},
    {365, &veh_struct::yawb_cratR, &veh_struct::yawb_cratT, 131, 131},
    {315, &veh_struct::sbrk_cratR, &veh_struct::sbrk_cratT, 132, 132},
};

// Root ratios carry the row names; the tip ratios beside them only their help.
static void controls_chords(veh_struct& v)
{
    for (const chord_row& r : CHORD_ROWS) {
        BTN_flt_range(120, r.y, &(v.*r.root), 3, 2, 0, 0.5f, T(r.label));
        BTN_flt_range(170, r.y, &(v.*r.tip), 3, 2, 0, 0.5f, column_label(r.tip_label, 0).c_str());
    }
}

static void controls_deflections(veh_struct& v)
{
    BTN_flt(240, 665, &v.ail1_up, 3, 1, 0, column_label(137, 0).c_str());
    BTN_flt(285, 665, &v.ail1_dn, 3, 1, 0, T(137));
    BTN_flt(240, 615, &v.ail2_up, 3, 1, 0, column_label(138, 0).c_str());
    BTN_flt(285, 615, &v.ail2_dn, 3, 1, 0, T(138));
    BTN_flt(240, 565, &v.elev_up, 3, 1, 0, column_label(139, 0).c_str());
    BTN_flt(285, 565, &v.elev_dn, 3, 1, 0, T(139));
    BTN_flt(240, 515, &v.rudd_lr, 3, 1, 0, T(133));
    BTN_flt(240, 465, &v.spo1_up, 3, 1, 0, T(134));
    BTN_flt(395, 465, &v.roll_to_eng_spo1, 3, 2, 0, T(942));
    BTN_flt(240, 415, &v.spo2_up, 3, 1, 0, T(419));
    BTN_flt(395, 415, &v.roll_to_eng_spo2, 3, 2, 0, T(942));
    BTN_flt(240, 365, &v.yawb_ud, 3, 1, 0, T(135));
    BTN_flt(240, 315, &v.sbrk_up, 3, 1, 0, T(136));
}


static void controls_trim(veh_struct& v)
{
    BTN_flt_range(110, 215, &v.hstb_trim_up, 3, 1, 0, 90, T(140));
    BTN_flt_range(160, 215, &v.hstb_trim_dn, 3, 1, 0, 90, T(141));
    BTN_flt_range(110, 165, &v.min_trim_elev, 3, 2, 0, 1, T(943));
    BTN_flt_range(160, 165, &v.max_trim_elev, 3, 2, 0, 1, T(944));
    BTN_flt_range(110, 115, &v.min_trim_ailn, 3, 2, 0, 1, T(945));
    BTN_flt_range(160, 115, &v.max_trim_ailn, 3, 2, 0, 1, T(946));
    BTN_flt_range(110, 65, &v.min_trim_rudd, 3, 2, 0, 1, T(947));
    BTN_flt_range(160, 65, &v.max_trim_rudd, 3, 2, 0, 1, T(948));
    BTN_flt_range(410, 215, &v.takeoff_trim, 3, 2, -1, 1, T(949));
    BTN_flt_range(410, 165, &v.elev_trim_speedrat, 3, 2, 0.01f, 9.99f, T(950));
    BTN_flt_range(410, 115, &v.ailn_trim_speedrat, 3, 2, 0.01f, 9.99f, T(950));
    BTN_flt_range(410, 65, &v.rudd_trim_speedrat, 3, 2, 0.01f, 9.99f, T(950));
    BTN_flt(460, 165, &v.elev_tab, 3, 2, 0, T(951));
    BTN_flt(460, 115, &v.ailn_tab, 3, 2, 0, T(952));
    BTN_flt(460, 65, &v.rudd_tab, 3, 2, 0, T(953));
}

// The flap group: its type sets the lift, drag and moment it adds (which stay editable until the
// type or the chord changes again); each detent lies at least a degree beyond the one before.
static void controls_flaps(veh_struct& v)
{
    v.flap_type = intlim(v.flap_type, 0, 5);
    OGL_string(42, 612, 565, T(150 + v.flap_type), 180, 100);
    int retype = BTN_textlist(720, 615, &v.flap_type, T(145), T(149));
    v.flap_type = intlim(v.flap_type, 0, 5);
    retype |= BTN_flt_range(880, 615, &v.flap_cratR, 3, 2, 0, 0.5f, T(156));
    retype |= BTN_flt_range(930, 615, &v.flap_cratT, 3, 2, 0, 0.5f, T(536));
    if (retype) APP_flap_coefficients(v.flap_type, v.flap_cratR, v.flap_cratT, &v.flap_cl, &v.flap_cd, &v.flap_cm);
    BTN_flt(870, 565, &v.flap_cl, 4, 3, 0, T(157));
    BTN_flt(870, 515, &v.flap_cd, 4, 3, 0, T(158));
    BTN_flt(870, 465, &v.flap_cm, 4, 3, 1, T(159));
    BTN_int_range(680, 415, &v.flap_detents, 1, 0, 7, T(165));
    BTN_flt_range(775, 415, &v.flap_deftime, 3, 1, 0.1f, 99.9f, T(160));
    const int detents = intlim(v.flap_detents, 0, 7);
    for (int c = 0; c <= detents; c++) {
        const float lo = c == 0 ? -30 : v.flap_dn[c - 1] + 1;
        BTN_flt_range(610 + 45.0f * c, 365, &v.flap_dn[c], 3, 1, lo, 90, T(537));
    }
    v.blown_flap_add_speed = APP_blown_flap_speed();
    BTN_flt(760, 265, &v.blown_flap_min_engag, 3, 2, 0, T(161));
    BTN_flt_range(670, 215, &v.blown_flap_throt_red, 3, 2, 0, 1, T(162));
    BTN_flt(850, 215, &v.blown_flap_add_speed, 3, 0, 0, T(163));
    BTN_bool(770, 165, &v.blow_all_controls, T(328), 0);
    BTN_flt(780, 65, &v.slat_inc, 2, 0, 0, T(164));
}

void APP_controls_window(void)
{
    veh_struct& v = veh[0];
    controls_panels();
    controls_chords(v);
    controls_deflections(v);
    controls_trim(v);
    BTN_textlist(200, 265, &v.con_smooth, T(144), T(148));
    controls_flaps(v);
}
