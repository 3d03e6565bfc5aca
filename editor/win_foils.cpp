// win_foils.cpp -- the airfoils window (900), with the coefficient curves its file fields show in
// the hover help, and the special controls window (903). Each page reads like its widget table.
#include "editor/win_wings.h"
#include "editor/APPLICATION.h"
#include "editor/HL_BTN.h"
#include "geometry/PLN_PROCS.h"
#include "base/records.h"
#include "base/HL_MATH_FUN.h"
#include "base/hl_string.h"
#include "draw/HL_GRAPH.h"
#include "model/acf_struct.h"
#include "model/acf_parts.h"
#include "model/set_struct.h"
#include "model/IO_AFL.h"
#include "model/AFL_MODEL.h"
#include <cmath>
#include <string>

static const char* T(int n) { return APP_text(n); }

int dis;   // written by the airfoils window's variable-geometry boxes

void APP_wings_reset(void)
{
    dis = 0;
    APP_help_plot_clear();
}

//=== the airfoils window (900) ==============================================================
enum { FOIL_ROWS = 8 };

int APP_foil_row_part(int tab, int r)
{
    static const int WING_PARTS[FOIL_ROWS] = {9, 11, 13, 15, 17, 18, 19, -1};
    if (r < 0 || r >= FOIL_ROWS) return -1;
    switch (intlim(tab, 0, 2)) {
    case 0: return r;
    case 1: return WING_PARTS[r];
    default: return 20 + r;
    }
}

static const char* foil_row_title(int tab, int r)
{
    if (tab == 0) return T(432);
    if (tab == 1) return T(438 + r);
    return T(122);
}

// The pane the field of a file picker at (x, y) covers: its button and its name bar.
static int over_file_field(float x, float y)
{
    return mnw.menu_up == -1 && mnw.mx >= x - 28 && mnw.mx <= x + 292 && mnw.my >= y - 8 && mnw.my <= y + 12;
}

// A file picker for one airfoil slot; the name goes into the record's 40-character field. Resting
// on the field plots the slot's curves in the help.
static int foil_picker(float x, float y, char (&name)[40], int part, int t, int r, int label)
{
    std::string file = STR_of(name), path;
    if (mnw.mouse_clicked) wrk_path = afl_path;   // the dialog opens on the program's airfoils
    const int picked = BTN_select_file(x, y, &file, &path, 2, MNW_WIN_OPEN, T(label));
    if (picked) STR_put(name, file);
    if (!picked && name[0] && over_file_field(x, y)) {
        APP_help_plot_request(part, t, r);
        if (!stl.help_message[0]) {
            char left[STR_LABEL_LEN], right[STR_LABEL_LEN], help[STR_LABEL_LEN];
            label0to12h(T(label), left, right, help);
            STR_cut(stl.help_message, help, sizeof stl.help_message);
        }
    }
    return picked;
}

// A new file at either end of the part is read at once, both Reynolds numbers of that end, so
// the next frame draws and plots what was picked.
static void load_end(const veh_struct& v, int part, int t)
{
    load_foil_for_part(STR_of(t ? v.Tafl0[part] : v.Rafl0[part]), 0, part, t, 0);
    load_foil_for_part(STR_of(t ? v.Tafl1[part] : v.Rafl1[part]), 0, part, t, 1);
}

static void foil_files(veh_struct& v, int part, float y)
{
    int root = foil_picker(66, y + 25, v.Rafl0[part], part, 0, 0, 397);
    if (!root) root = foil_picker(66, y, v.Rafl1[part], part, 0, 1, 398);
    if (root) load_end(v, part, 0);
    int tip = foil_picker(405, y + 25, v.Tafl0[part], part, 1, 0, 399);
    if (!tip) tip = foil_picker(405, y, v.Tafl1[part], part, 1, 1, 433);
    if (tip) load_end(v, part, 1);
}

// Which second position the rows show follows the variable-geometry box checked last.
static void foil_variable_geometry(veh_struct& v, int part, float y)
{
    if (BTN_bool(835, y + 34, &v.varsweep[part], T(212), 0) && v.varsweep[part]) dis = 0;
    if (BTN_bool(835, y + 16, &v.vardihed[part], T(213), 0) && v.vardihed[part]) dis = 1;
    if (BTN_bool(835, y - 2, &v.varinc[part], T(583), 0) && v.varinc[part]) dis = 2;
    if (v.varsweep[part] && dis == 0) BTN_flt_range(920, y + 16, &v.sweep2[part], 3, 1, -90, 90, T(214));
    if (v.vardihed[part] && dis == 1) BTN_flt_range(920, y + 16, &v.dihed2[part], 4, 1, -180, 180, T(215));
    if (v.varinc[part] && dis == 2) BTN_flt_range(920, y + 16, &v.inc2[part], 3, 1, -90, 90, T(582));
}

void APP_foils_window(void)
{
    veh_struct& v = veh[0];
    const int tab = intlim(set.foilW_tab, 0, 2);
    for (int r = 0; r < FOIL_ROWS; r++) {
        const int part = APP_foil_row_part(tab, r);
        if (part < 0) continue;
        const float y = mnw.win_dy - 116 - 75.0f * r;
        float x2, y2;
        BTN_subwin(g_tab_dy, 13, -1, y - 12, -1, 66, foil_row_title(tab, r), &x2, &y2);
        if (!have_this_part(0, part, 6)) continue;
        foil_files(v, part, y);
        if (tab > 0) foil_variable_geometry(v, part, y);
    }
}

//=== the airfoil curves in the hover help ===================================================
static struct {
    int on, part, t, r;
} s_plot;

void APP_help_plot_request(int part, int t, int r)
{
    s_plot.on = part >= 0 && part < ACF_FOIL_PARTS;
    s_plot.part = part;
    s_plot.t = t & 1;
    s_plot.r = r & 1;
}

void APP_help_plot_clear(void) { s_plot.on = 0; }

float APP_help_plot_dy(void) { return s_plot.on ? 130 : 0; }

// The plotted range, -20..20 degrees, is the table's tenth-degree stretch.
static int first_plotted(void)
{
    int i = 0;
    while (i < AFL_ALPHAS - 1 && ret_alpha(i) < -20) i++;
    return i;
}
static int last_plotted(void)
{
    int i = AFL_ALPHAS - 1;
    while (i > 0 && ret_alpha(i) > 20) i--;
    return i;
}

static float finite_or_0(float f) { return std::isfinite(f) ? f : 0; }

void APP_foil_stalls(const airfoil_struct& a, int t, int r, int* hi, int* lo)
{
    t &= 1;
    r &= 1;
    const float* cl = a.cl[t][r];
    *hi = *lo = -1;
    for (int i = first_plotted(); i <= last_plotted(); i++) {
        const float c = finite_or_0(cl[i]);
        if (ret_alpha(i) >= 0 && (*hi < 0 || c > finite_or_0(cl[*hi]))) *hi = i;
        if (ret_alpha(i) <= 0 && (*lo < 0 || c < finite_or_0(cl[*lo]))) *lo = i;
    }
}

static void plot_curve(int color, const float* f, float x, float y, float w, float h, float scale)
{
    const int i1 = first_plotted(), i2 = last_plotted();
    const float yc = y + h * 0.5f, ky = h * 0.5f / scale, kx = w / 40;
    for (int i = i1; i < i2; i++)
        OGL_line(color, 1, x + (ret_alpha(i) + 20) * kx, yc + fltlim(finite_or_0(f[i]), -scale, scale) * ky,
                 x + (ret_alpha(i + 1) + 20) * kx, yc + fltlim(finite_or_0(f[i + 1]), -scale, scale) * ky);
}

static void plot_stall(int i, const float* cl, float x, float y, float w, float h, float scale, float text_y)
{
    if (i < 0) return;
    const float a = ret_alpha(i), sx = x + (a + 20) * w / 40;
    OGL_line(53, 1, sx, y, sx, y + h);
    std::string s;
    stl_sprint(&s, T(994), a, fltlim(finite_or_0(cl[i]), -scale, scale));
    OGL_string(53, fltlim(sx + 4, x, x + w - 150), text_y, s.c_str(), 150, 100);
}

// Lift, drag and moment over -20..20 degrees on one scale, with the stalls marked.
void APP_help_plot_draw(float x, float y, float w, float h)
{
    if (!s_plot.on || w <= 0 || h <= 0) return;
    const airfoil_struct& a = veh[0].afl[s_plot.part];
    const int t = s_plot.t, r = s_plot.r;
    const float* curve[3] = {a.cl[t][r], a.cd[t][r], a.cm[t][r]};
    float scale = 0, lift = 0;
    for (const float* f : curve)
        for (int i = first_plotted(); i <= last_plotted(); i++) scale = fltmax2(scale, std::fabs(finite_or_0(f[i])));
    for (int i = first_plotted(); i <= last_plotted(); i++) lift = fltmax2(lift, std::fabs(finite_or_0(a.cl[t][r][i])));
    OGL_framerect(57, 1, x, y, w, h);
    // A file that was never read, or not found, leaves the slot empty: no curves to judge.
    if (!(lift > 0)) {
        OGL_string(53, x + 4, y + h * 0.5f, T(995), w - 8, 100);
        return;
    }
    scale = fltlim(scale, 0.5f, 10);
    OGL_line(57, 1, x, y + h * 0.5f, x + w, y + h * 0.5f);
    OGL_line(57, 1, x + w * 0.5f, y, x + w * 0.5f, y + h);
    static const int COLOR[3] = {46, 49, 50};
    static const char* const NAME[3] = {"cl", "cd", "cm"};
    for (int k = 0; k < 3; k++) {
        plot_curve(COLOR[k], curve[k], x, y, w, h, scale);
        OGL_string(COLOR[k], x + 4 + 24.0f * k, y + h - 12, NAME[k], 30, 100);
    }
    int hi, lo;
    APP_foil_stalls(a, t, r, &hi, &lo);
    plot_stall(hi, a.cl[t][r], x, y, w, h, scale, y + h - 26);
    plot_stall(lo, a.cl[t][r], x, y, w, h, scale, y + 4);
    OGL_string(57, x + 2, y + h * 0.5f + 2, "-20", 30, 100);
    OGL_string(57, x + w - 20, y + h * 0.5f + 2, "20", 30, 100);
}

//=== the special controls window (903) ======================================================
static void special_panels(void)
{
    float x2, y2;
    BTN_subwin(g_tab_dy, 13, 10, 380, 260, -1, T(448), &x2, &y2);     // jets assisting the takeoff
    BTN_subwin(g_tab_dy, 13, 280, 380, 480, -1, T(447), &x2, &y2);    // control mixing
    BTN_subwin(g_tab_dy, 13, 770, 520, -1, -1, T(445), &x2, &y2);     // mass shift
    BTN_subwin(g_tab_dy, 13, 770, 380, -1, 130, T(449), &x2, &y2);    // wing tilt
    BTN_subwin(g_tab_dy, 13, 530, 10, 310, 360, T(446), &x2, &y2);    // thrust vectoring
    BTN_subwin(g_tab_dy, 13, 850, 10, -1, 360, T(494), &x2, &y2);     // flaps as controls
    BTN_subwin(g_tab_dy, 13, 10, 180, 510, 190, T(493), &x2, &y2);    // equipment
    BTN_subwin(g_tab_dy, 13, 10, 10, 510, 160, T(649), &x2, &y2);     // brakes and chute
}

static void special_shift_and_tilt(veh_struct& v)
{
    BTN_flt(905, 665, &v.mass_shift, 6, 1, 1, T(436));
    BTN_flt(915, 615, &v.mass_shift_dx, 5, 2, 1, T(437));
    BTN_flt(915, 565, &v.mass_shift_dz, 5, 2, 1, T(454));
    BTN_flt(915, 465, &v.wing_tilt_roll, 5, 2, 1, T(499));
    BTN_flt(915, 415, &v.wing_tilt_ptch, 5, 2, 1, T(522));
}

static void special_jato(veh_struct& v)
{
    BTN_flt(135, 665, &v.jato_Z, 4, 1, 1, xyz_name(T(216), 'z'));
    BTN_flt(135, 615, &v.jato_Y, 4, 1, 1, xyz_name(T(217), 'y'));
    BTN_flt(135, 565, &v.jato_theta, 3, 0, 0, T(218));
    BTN_flt(135, 515, &v.jato_thrust, 7, 0, 0, T(219));
    BTN_flt(135, 465, &v.jato_dur, 3, 0, 0, T(220));
    BTN_flt(135, 415, &v.jato_sfc, 4, 2, 0, T(221));
}

static void special_mixing(veh_struct& v)
{
    BTN_flt(460, 665, &v.stab_roll, 3, 1, 1, T(222));
    BTN_flt(680, 665, &v.rudd_with_ailn_rat, 3, 2, 1, T(464));
    BTN_flt(460, 615, &v.stab_hdng, 3, 1, 1, T(223));
    BTN_flt(680, 615, &v.elev_with_flap_rat, 3, 2, 1, T(228));
    BTN_flt(460, 565, &v.ail1_pitch, 3, 1, 1, T(224));
    BTN_flt_range(670, 565, &v.ail1_vmax, 4, 0, 1, 9999, T(393));
    BTN_flt(460, 515, &v.ail2_pitch, 3, 1, 1, T(226));
    BTN_flt_range(670, 515, &v.ail2_vmax, 4, 0, 1, 9999, T(229));
    BTN_flt(460, 465, &v.ail1_flaps, 3, 1, 1, T(225));
    BTN_flt_range(670, 465, &v.spo1_vmax, 4, 0, 1, 9999, T(371));
    BTN_flt(460, 415, &v.ail2_flaps, 3, 1, 1, T(227));
    BTN_flt_range(670, 415, &v.spo2_vmax, 4, 0, 1, 9999, T(648));
}

// Vectoring and differential thrust per axis, each with the phase its vectoring comes in at.
static void special_vectoring(veh_struct& v)
{
    float* const tvec[3] = {&v.tvec_ptch, &v.tvec_roll, &v.tvec_hdng};
    float* const diff[3] = {&v.diff_thro_ptch, &v.diff_thro_roll, &v.diff_thro_hdng};
    int* const at_00[3] = {&v.phase_ptch_tvect_in_at_00, &v.phase_roll_tvect_in_at_00, &v.phase_hdng_tvect_in_at_00};
    int* const at_90[3] = {&v.phase_ptch_tvect_in_at_90, &v.phase_roll_tvect_in_at_90, &v.phase_hdng_tvect_in_at_90};
    static const int TVEC_LABEL[3] = {230, 231, 232}, DIFF_LABEL[3] = {366, 367, 233};
    for (int k = 0; k < 3; k++) BTN_flt(610, 315 - 50.0f * k, tvec[k], 3, 1, 0, T(TVEC_LABEL[k]));
    for (int k = 0; k < 3; k++) BTN_flt(610, 165 - 50.0f * k, diff[k], 3, 2, 0, T(DIFF_LABEL[k]));
    for (int k = 0; k < 3; k++) {
        BTN_bool(690, 325 - 50.0f * k, at_00[k], T(332), 0);
        BTN_bool(690, 305 - 50.0f * k, at_90[k], T(318), 0);
    }
    BTN_flt(900, 315, &v.flap_roll, 3, 1, 0, T(434));
    BTN_flt(900, 265, &v.flap_ptch, 3, 1, 0, T(435));
}

static void special_equipment(veh_struct& v)
{
    BTN_bool(45, 330, &v.sbrk_on_td_EQ, T(234), 0);
    BTN_bool(45, 300, &v.fbrk_on_td_EQ, T(235), 0);
    BTN_bool(45, 270, &v.revt_on_td_EQ, T(326), 0);
    BTN_bool(215, 330, &v.sweep_with_flaps_EQ, T(236), 0);
    BTN_bool(215, 300, &v.sweep_with_vect_EQ, T(996), 0);
    BTN_bool(215, 270, &v.flaps_with_gear_EQ, T(325), 0);
    BTN_bool(215, 240, &v.flaps_with_vec_EQ, T(329), 0);
    BTN_bool(215, 210, &v.slat_with_stall_EQ, T(237), 0);
    BTN_bool(385, 330, &v.auto_trim_EQ, T(319), 0);
    BTN_bool(385, 300, &v.anti_ice_EQ, T(238), 0);
    BTN_bool(385, 270, &v.arresting_EQ, T(239), 0);
    BTN_bool(385, 240, &v.warn_gear_EQ, T(241), 0);
    BTN_bool(385, 210, &v.warn_lorot_EQ, T(295), 0);
}

static void special_brakes(veh_struct& v)
{
    BTN_flt(160, 115, &v.brake_Z, 4, 1, 1, xyz_name(T(242), 'z'));
    BTN_flt(160, 65, &v.chute_Z, 4, 1, 1, xyz_name(T(243), 'z'));
    BTN_flt(220, 115, &v.brake_Y, 4, 1, 1, xyz_name(T(244), 'y'));
    BTN_flt(220, 65, &v.chute_Y, 4, 1, 1, xyz_name(T(245), 'y'));
    BTN_flt(400, 115, &v.brake_area, 3, 0, 0, T(246));
    BTN_flt(380, 65, &v.chute_area, 5, 0, 0, T(247));
}

void APP_special_window(void)
{
    veh_struct& v = veh[0];
    special_panels();
    special_shift_and_tilt(v);
    special_jato(v);
    special_mixing(v);
    special_vectoring(v);
    special_equipment(v);
    special_brakes(v);
}
