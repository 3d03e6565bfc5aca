// win_weapons.cpp -- the weapon attachment window (907: 24 weapons placed on the aircraft, twelve
// to a page) and the weapon builder window (908: the weapon's data, motor stages, seeker and
// body), with the weapon file commands of the File menu. Each page reads like its widget table.
#include "editor/win_weapons.h"
#include "editor/APPLICATION.h"
#include "editor/HL_BTN.h"
#include "editor/PLN_MAIN.h"
#include "editor/win_body.h"
#include "geometry/PLN_PROCS.h"
#include "base/alert.h"
#include "base/common.h"
#include "base/HL_MATH_FUN.h"
#include "base/hl_string.h"
#include "base/IO_UTILS.h"
#include "base/IO_TYPED.h"
#include "base/records.h"
#include "draw/HL_DRPLANE.h"
#include "draw/HL_GRAPH.h"
#include "model/IO_ACF.h"
#include "model/acf_defaults.h"
#include "model/acf_struct.h"
#include "model/set_struct.h"
#include <cmath>
#include <cstring>
#include <string>

static const char* T(int n) { return APP_text(n); }

static const char* const PARTS_LIST = "wing1L-wing1R-wing2L-wing2R-wing3L-wing3R-wing4L-wing4R-hstbL-hstbR-vstb1-vstb2-gear1-gear2-gear3-gear4-gear5";
static const char* const CONTROLS_LIST = "none-flap-slat-ail1-ail2-elev-rudd-spo1-spo2-yawb-sbrk-stab-gear1-gear2-gear3-gear4-gear5-gear6";
enum { WPN_PART_ITEMS = 17, WPN_CONTROL_ITEMS = 18, WPN_BUILT = ACF_WPN_SLOTS - 1 };

//=== names of weapon files ==================================================================
// A weapon is named by its file below the Weapons folder, or below the aircraft's own weapons
// folder; a file chosen anywhere else could not be found again by name when the aircraft is
// read, so it is refused. Empty when refused.
std::string WPN_name_of_path(const std::string& path)
{
    std::string own;
    get_path_with_path(&own, STR_of(veh[0].path));
    own += "weapons:";
    for (const std::string& folder : {own, wpn_path}) {
        if (folder.size() < path.size() && IO_path_starts_with(path, folder)) {
            std::string name = path.substr(folder.size());
            return IO_wpn_name_ok(name) ? name : std::string();
        }
    }
    return std::string();
}

//=== weapon attachment (907) ================================================================
static char s_chosen_path[ACF_TEXT];        // the folder buffer the file pickers fill

void WPN_remove(int slot)
{
    if (slot < 0 || slot >= ACF_WPN_POINTS) return;
    veh_struct& v = veh[0];
    v.wpn_name[slot][0] = 0;
    v.x_wpn_att[slot] = v.y_wpn_att[slot] = v.z_wpn_att[slot] = 0;
    v.wpn[slot].type = 0;
}

int WPN_attach(int slot, const std::string& path)
{
    if (slot < 0 || slot >= ACF_WPN_POINTS) return 0;
    const std::string name = WPN_name_of_path(path);
    if (name.empty() || name.size() >= ACF_TEXT) {
        MACIBM_alert(0, "Weapons are attached from the Weapons folder only!", IO_host_path(path).c_str(),
                     "Put the weapon file in the Weapons folder of the program, or in a folder called",
                     "weapons beside the aircraft, and choose it there.", 16);
        return 0;
    }
    veh_struct& v = veh[0];
    STR_put(v.wpn_name[slot], name);
    const int ok = IO_wpn(0, 0, slot, name, s_chosen_path, 0);
    load_plane_geo(1, 0, 0, 0);
    return ok;
}

static void attach_row(veh_struct& v, int slot, float y)
{
    BTN_flt(40, y, &v.z_wpn_att[slot], 5, 2, 1, "");
    BTN_flt(110, y, &v.x_wpn_att[slot], 5, 2, 1, "");
    BTN_flt(180, y, &v.y_wpn_att[slot], 5, 2, 1, "");
    char name[ACF_TEXT];
    memcpy(name, v.wpn_name[slot], sizeof name);
    name[sizeof name - 1] = 0;
    s_chosen_path[0] = 0;
    if (BTN_select_file(275, y, name, s_chosen_path, 3, MNW_WIN_OPEN, T(645)) && s_chosen_path[0])
        WPN_attach(slot, s_chosen_path);
    if (BTN_action(620, y + 4, 0, 1, T(612))) WPN_remove(slot);
    BTN_flt(680, y, &v.psi_wpn_att[slot], 4, 1, 1, "");
    BTN_flt(740, y, &v.the_wpn_att[slot], 4, 1, 1, "");
    BTN_flt(800, y, &v.phi_wpn_att[slot], 4, 1, 1, "");
    // Values from a file that name no item are brought onto the lists first.
    v.wpn_att_prt[slot] = intlim(v.wpn_att_prt[slot], 0, WPN_PART_ITEMS - 1);
    v.wpn_att_con[slot] = intlim(v.wpn_att_con[slot], 0, WPN_CONTROL_ITEMS - 1);
    if (intrange(v.wpn_att_con[slot], 1, 11)) BTN_textlist(870, y, &v.wpn_att_prt[slot], PARTS_LIST, "");
    BTN_textlist(935, y, &v.wpn_att_con[slot], CONTROLS_LIST, T(967));
}

void APP_weapon_attach_window(void)
{
    veh_struct& v = veh[0];
    float x2, y2;
    BTN_subwin(g_tab_dy, 13, 10, 10, -1, -1, "", &x2, &y2);
    OGL_string(39, 40, 585, T(541), 9999, 100);
    OGL_string(39, 715, 585, T(966), 9999, 100);
    if (mnw.mouse_clicked) wrk_path = wpn_path;   // where a file picker pressed now starts
    const int first = 12 * intlim(set.wdefW_tab, 0, 1);
    for (int slot = first; slot < first + 12; slot++) attach_row(v, slot, 550.0f - 45.0f * (slot - first));
}

//=== weapon builder (908) ===================================================================
int WPN_save(int with_dialog)
{
    std::string name = STR_of(set.weapn_name), path = STR_of(set.weapn_path);
    if (with_dialog || name.empty() || path.empty()) {
        wrk_path = wpn_path;
        if (!path.empty()) get_path_with_path(&wrk_path, path);
        if (!dialog_opensave(MNW_WIN_SAVE, 3, &name, &path)) return 0;
    }
    // A weapon file always ends in ".wpn", whatever was typed.
    const size_t n = path.size();
    if (n < 4 || lo_case_strcmp_len(path.c_str() + n - 4, ".wpn", 4) != 0) {
        path += ".wpn";
        name += ".wpn";
    }
    if (path.size() >= sizeof set.weapn_path || name.size() >= sizeof set.weapn_name) {
        MACIBM_alert(0, "I could not save the weapon! Its path is too long.", IO_host_path(path).c_str(),
                     "Choose a shorter name or a folder nearer the top.", "", 16);
        return 0;
    }
    STR_put(set.weapn_name, name);
    STR_put(set.weapn_path, path);
    return IO_wpn(1, 0, WPN_BUILT, name, path, 1);
}

int WPN_open(void)
{
    std::string name = STR_of(set.weapn_name), path = STR_of(set.weapn_path);
    wrk_path = wpn_path;
    if (!dialog_opensave(MNW_WIN_OPEN, 3, &name, &path)) return 0;
    if (path.size() >= sizeof set.weapn_path || name.size() >= sizeof set.weapn_name) return 0;
    if (!IO_wpn(0, 0, WPN_BUILT, name, path, 1)) return 0;
    STR_put(set.weapn_name, name);
    STR_put(set.weapn_path, path);
    return 1;
}

void WPN_new(void)
{
    setup_base_wpn(WPN_BUILT);
    set.weapn_path[0] = 0;
}

// The fin mirror rule: the mirror fin takes the same dihedral, a vertical fin the opposite one.
void WPN_mirror_fin(wpn_struct& w, int f)
{
    const float d = w.mis_fin_dihed[f][0];
    w.mis_fin_dihed[f][1] = std::fabs(d - 90) <= 0.5f ? -d : d;
}

static const struct { int type, text; } k_types[] = {
    {1, 542}, {2, 543}, {3, 589}, {4, 590}, {8, 591}, {9, 592}, {10, 593},
    {14, 594}, {15, 595}, {19, 596}, {20, 597}, {21, 598}, {22, 619}, {23, 368},
};

static void file_buttons(void)
{
    BTN_frame1(9, 150, 680, 220, 0);
    OGL_string(40, 50, 677, set.weapn_name, 9999, 100);
    if (BTN_action(100, 655, 0, 1, T(615))) WPN_new();
    if (BTN_action(100, 630, 0, 1, T(616))) WPN_save(1);
    if (set.weapn_name[0] && BTN_action(100, 605, 0, 1, T(617))) WPN_save(0);
    if (BTN_action(100, 580, 0, 1, T(618))) WPN_open();
    for (int i = 0; i < (int)(sizeof k_types / sizeof k_types[0]); i++)
        BTN_is_int(45, 545 - 20.0f * i, &veh[0].wpn[WPN_BUILT].type, k_types[i].type, T(k_types[i].text));
}

static void gun_fields(wpn_struct& w)
{
    BTN_flt_range(420, 515, &w.bul_rounds_per_sec, 3, 0, 1, 999, T(623));
    BTN_flt(400, 465, &w.bul_rounds, 5, 0, 1, T(624));
    BTN_flt(410, 415, &w.bul_muzzle_speed, 4, 0, 1, T(625));
    BTN_flt(410, 365, &w.total_weapon_mass_max, 4, 3, 1, T(626));
    BTN_flt(400, 315, &w.bul_area, 5, 3, 1, T(627));
    BTN_flt(410, 265, &w.conv_range, 4, 0, 1, T(628));
    BTN_flt(420, 215, &w.gun_del_psi_deg_max, 3, 0, 1, T(629));
    BTN_flt(420, 165, &w.gun_del_the_deg_max, 3, 0, 1, T(630));
}

static void pod_fields(wpn_struct& w)
{
    BTN_flt_range(420, 515, &w.bul_rounds_per_sec, 3, 0, 1, 999, T(631));
    BTN_flt(400, 465, &w.bul_rounds, 5, 0, 1, T(632));
    BTN_flt(400, 415, &w.total_weapon_mass_max, 5, 2, 1, T(633));
    BTN_flt(410, 365, &w.bul_area, 5, 1, 1, T(634));
    BTN_flt(410, 315, &w.conv_range, 4, 0, 1, T(635));
}

static void missile_fields(wpn_struct& w)
{
    BTN_flt(610, 665, &w.cgZ, 5, 2, 1, xyz_name(T(547), 'z'));
    BTN_flt(610, 615, &w.cgY, 5, 2, 1, xyz_name(T(548), 'y'));
    BTN_flt(390, 515, &w.total_weapon_mass_max, 6, 0, 0, T(636));
    BTN_flt(600, 515, &w.fuel_warhead_mass_max, 6, 0, 0, T(637));
    BTN_textlist(860, 515, &w.warhead_type, T(638), T(639));
    BTN_flt(410, 465, &w.mis_drag_co, 4, 3, 0, T(640));
    BTN_flt(600, 465, &w.mis_drag_chute_S, 6, 0, 0, T(641));
}

// One fin set's column; the row names show in the first column, the units in the last.
static const char* fin_label(int n, int f)
{
    static std::string s;
    label_part(T(n), &s, f == 0, f == WPN_FIN_SETS - 1);
    return s.c_str();
}

static void fin_column(wpn_struct& w, int f)
{
    const float x0 = 145.0f * f;
    BTN_flt(x0 + 390, 415, &w.mis_fin_z[f], 4, 1, 1, fin_label(549, f));
    BTN_flt(x0 + 390, 365, &w.mis_fin_cr[f], 4, 1, 0, fin_label(550, f));
    BTN_flt(x0 + 450, 365, &w.mis_fin_ct[f], 4, 1, 0, fin_label(551, f));
    BTN_flt(x0 + 390, 315, &w.mis_fin_semilen[f], 4, 1, 0, fin_label(552, f));
    BTN_flt(x0 + 400, 265, &w.mis_fin_sweep[f], 3, 1, 1, fin_label(553, f));
    BTN_flt(x0 + 400, 215, &w.mis_fin_conrat[f], 3, 2, 0, fin_label(554, f));
    BTN_flt(x0 + 450, 215, &w.mis_fin_steer[f], 3, 1, 0, fin_label(555, f));
    if (BTN_flt(x0 + 400, 165, &w.mis_fin_dihed[f][0], 3, 1, 1, fin_label(556, f))) WPN_mirror_fin(w, f);
    w.mis_afl[f][sizeof w.mis_afl[f] - 1] = 0;
    char name[ACF_TEXT], path[ACF_TEXT];
    memcpy(name, w.mis_afl[f], sizeof w.mis_afl[f]);
    path[0] = 0;
    if (BTN_select_file(413 + 25.0f * f, 130 - 25.0f * f, name, path, 2, MNW_WIN_OPEN, T(642)) && path[0]) {
        memset(w.mis_afl[f], 0, sizeof w.mis_afl[f]);
        STR_put(w.mis_afl[f], std::string(name).substr(0, sizeof w.mis_afl[f] - 1));
    }
}

static void weapon_page(void)
{
    wpn_struct& w = veh[0].wpn[WPN_BUILT];
    float x2, y2;
    BTN_subwin(g_tab_dy, 13, 10, 10, 270, -1, T(613), &x2, &y2);
    BTN_subwin(g_tab_dy, 13, 290, 10, -1, -1, T(614), &x2, &y2);
    file_buttons();
    BTN_flt(190, 65, &w.added_mass, 5, 1, 0, T(620));
    BTN_flt(400, 665, &w.z_wpn_att, 5, 2, 1, xyz_name(T(544), 'z'));
    BTN_flt(400, 615, &w.x_wpn_att, 5, 2, 1, xyz_name(T(545), 'x'));
    BTN_flt(400, 565, &w.y_wpn_att, 5, 2, 1, xyz_name(T(546), 'y'));
    if (w.type == 1 || w.type == 2) BTN_flt(400, 515, &w.las_range, 5, 0, 1, T(621));
    if (w.type == 1 || w.type == 2) BTN_flt(410, 465, &w.conv_range, 4, 0, 1, T(622));
    if (w.type == 3) gun_fields(w);
    if (w.type == 4) pod_fields(w);
    if (intrange(w.type, 8, 22)) missile_fields(w);
    if (w.type == 23) BTN_flt(650, 665, &w.total_weapon_mass_max, 6, 0, 0, T(369));
    if (w.type == 23) BTN_flt(650, 615, &w.fuel_warhead_mass_max, 6, 0, 0, T(370));
    if (mnw.mouse_clicked) wrk_path = afl_path;   // where a fin airfoil picker pressed now starts
    if (intrange(w.type, 8, 23))
        for (int f = 0; f < WPN_FIN_SETS; f++) fin_column(w, f);
}

static const char* stage_label(int n, int s)
{
    static std::string l;
    label_part(T(n), &l, s == 0, s == WPN_STAGES - 1);
    return l.c_str();
}

static void motor_page(void)
{
    wpn_struct& w = veh[0].wpn[WPN_BUILT];
    float x2, y2;
    BTN_subwin(g_tab_dy, 13, 10, 10, -1, 140, T(643), &x2, &y2);
    for (int s = 0; s < WPN_STAGES; s++) {
        BTN_flt(140 + 80.0f * s, 115, &w.mis_thrust[s], 6, 0, 0, stage_label(557, s));
        BTN_flt(150 + 80.0f * s, 65, &w.mis_duration[s], 5, 1, 0, stage_label(558, s));
    }
    plot_weapon_2D(20, 170, mnw.win_dx - 20, mnw.win_dy - 20 - g_tab_dy, 0, WPN_BUILT);
}

static void seeker_page(void)
{
    wpn_struct& w = veh[0].wpn[WPN_BUILT];
    float x2, y2;
    BTN_subwin(g_tab_dy, 13, 10, 10, -1, 240, T(644), &x2, &y2);
    BTN_flt_range(320, 215, &w.mis_cone_width, 3, 0, 0, 180, T(572));
    BTN_flt(260, 165, &w.mis_crat_per_deg_bore, 5, 4, 0, T(573));
    BTN_flt(260, 115, &w.mis_crat_per_degpersec_bore, 5, 4, 0, T(574));
    BTN_flt(260, 65, &w.mis_crat_per_degpersec, 5, 4, 0, T(575));
    plot_weapon_2D(20, 270, mnw.win_dx - 20, mnw.win_dy - 20 - g_tab_dy, 0, WPN_BUILT);
}

void APP_weapon_builder_window(void)
{
    switch (intlim(set.wbldW_tab, 0, 3)) {
    case 0: weapon_page(); break;
    case 1: motor_page(); break;
    case 2: seeker_page(); break;
    case 3:
        // Above the cross-sections, beside the view choice, the weapon as the last edit left it;
        // the plan views need the whole page.
        if (set.body_edit_view == 0) plot_weapon_2D(20, 410, 560, mnw.win_dy - 20 - g_tab_dy, 0, WPN_BUILT);
        BODY_update(WPN_BUILT, ACF_WPN_STATIONS, ACF_BODY_POINTS);
        break;
    }
}

//=== the File menu's weapon commands ========================================================
void WPN_menu_command(int code)
{
    switch (code) {
    case WPN_CMD_NEW:
        if (check_wpn_save()) WPN_new();
        break;
    case WPN_CMD_OPEN:
        if (check_wpn_save()) WPN_open();
        break;
    case WPN_CMD_SAVE: WPN_save(0); break;
    case WPN_CMD_SAVE_AS: WPN_save(1); break;
    }
}
