// win_general.cpp -- the main view, the general window (600) and the instrument limits window
// (601). Each page reads like its widget table: one widget per line, in drawing order.
#include "editor/win_general.h"
#include "editor/APPLICATION.h"
#include "editor/HL_BTN.h"
#include "geometry/PLN_PROCS.h"
#include "editor/instruments.h"
#include "base/records.h"
#include "base/common.h"
#include "base/HL_MATH_FUN.h"
#include "base/hl_string.h"
#include "draw/HL_GRAPH.h"
#include "draw/HL_BITMAP.h"
#include "draw/HL_DRPLANE.h"
#include "draw/ren_struct.h"
#include "model/acf_struct.h"
#include "model/set_struct.h"
#include <string>

static const char* T(int n) { return APP_text(n); }

//=== the main view ==========================================================================
enum { REN_TEX_BACK_PICTURE = 498 };        // the designer's picture behind the aircraft

static void main_status(float x2, float y2)
{
    std::string attitude;
    stl_sprint(&attitude, T(314), veh[0].the_eqlbm, veh[0].h_eqlbm);
    const std::string path = STR_of(veh[0].path);
    BTN_frame2(15, 10, 30, x2 - 10, y2 - 30, "");
    BTN_frame1(9, 487, 13, 580, 0);
    BTN_frame1(9, 898, 13, 230, 0);
    OGL_string(40, 202, 10, path.c_str(), 9999, 100);
    OGL_string(40, 792, 10, attitude.c_str(), 9999, 100);
}

static void main_picture_buttons(void)
{
    if (BTN_action(32, 14, 0, 1, T(315))) set.has_t_pln_totl_any = 0;
    if (BTN_action(125, 14, 0, 1, T(316))) {
        std::string name, path;
        if (dialog_opensave(MNW_WIN_OPEN, 16, &name, &path))
            set.has_t_pln_totl_any = OGL_texbmp(OGL_TYPE_UPLOAD, REN_TEX_BACK_PICTURE, OGL_FILT_KEY, path);
    }
}

// The turntable: 60 degrees a second until the turn the menu asked for is done.
static void main_turntable(void)
{
    if (!(set.rotate < set.rotate_max)) return;
    set.rotate += mnw.prd_FM * 60;
    flt[0].the = 0;
    flt[0].psi = fltwrap(270 - set.rotate, 0, 360);
    flt[0].phi = fltwrap(-set.rotate, 0, 360);
}

// The picture spans the full width at its own aspect ratio, centred on y = 375, half seen through.
static void main_background_picture(void)
{
    const int t = REN_TEX_BACK_PICTURE;
    const float dx_vis = ren.tex_dx_vis[t], dy_vis = ren.tex_dy_vis[t], dx_tot = ren.tex_dx_tot[t],
                dy_tot = ren.tex_dy_tot[t];
    if (!set.has_t_pln_totl_any || !(dx_vis > 0 && dy_vis > 0 && dx_tot > 0 && dy_tot > 0)) return;
    const float h = 0.5f * 1024 * dy_vis / dx_vis, s = dx_vis / dx_tot, u = dy_vis / dy_tot;
    OGL_2dquad(t, 45, 0.5f, 0, 375 - h, 0, 0, 0, 375 + h, 0, u, 1024, 375 + h, s, u, 1024, 375 - h, s, 0, 1, 5);
}

void APP_main_view(void)
{
    const float x1 = 10, y1 = 30, x2 = mnw.win_dx - 10, y2 = mnw.win_dy - 30;
    main_status(x2, y2);
    main_picture_buttons();
    main_turntable();
    main_background_picture();
    plot_plane_2D(x1, y1, x2, y2, 0);
}

//=== the general window (600) ===============================================================

static void general_panels(void)
{
    float x2, y2;
    BTN_subwin(g_tab_dy, 13, 10, 10, 150, 600, T(400), &x2, &y2);     // the speeds, titled over their column
    BTN_subwin(g_tab_dy, 13, 10, 646, -1, -1, "", &x2, &y2);          // identity
    BTN_subwin(g_tab_dy, 13, 180, 265, -1, 355, T(402), &x2, &y2);    // lights, points and panel places
    BTN_subwin(g_tab_dy, 13, 180, 10, -1, 235, "", &x2, &y2);         // lights, hooks and choices
    OGL_string(39, 275, 572, T(286), 9999, 100);
}

static void general_identity(veh_struct& v)
{
    BTN_chars(35, 666, v.tailnum, 6, T(511));
    BTN_enterstring(120, 691, v.author, 113, 0, T(287));
    BTN_enterstring(120, 666, v.descrip, 113, 1, T(288));
    BTN_enterstring(120, 641, v.ICAO, 40, 2, T(372));
}

static void general_speeds(veh_struct& v)
{
    const int twin = v.num_thrustpoints > 1;
    if (twin) BTN_flt(88, 565, &v.Vmca_kts, 3, 0, 0, T(0));
    BTN_flt(88, 515, &v.Vso_kts, 3, 0, 0, T(1));
    BTN_flt(88, 465, &v.Vs_kts, 3, 0, 0, T(2));
    if (twin) BTN_flt(88, 415, &v.Vyse_kts, 3, 0, 0, T(3));
    BTN_flt(88, 365, &v.Vfe_kts, 3, 0, 0, T(4));
    if (v.gear_retract) BTN_flt(88, 315, &v.Vle_kts, 3, 0, 0, T(5));
    BTN_flt(88, 265, &v.Vno_kts, 3, 0, 0, T(6));
    BTN_flt(88, 215, &v.Vne_kts, 3, 0, 0, T(7));
    BTN_flt(78, 165, &v.Mmo, 4, 2, 0, T(8));
    BTN_flt(88, 115, &v.Gpos, 3, 1, 0, T(9));
    BTN_flt(88, 65, &v.Gneg, 3, 1, 0, T(10));
}

// The lights and points on the aircraft: a check box heads each light's column of z, x, y.
static void general_lights(veh_struct& v)
{
    BTN_bool(360, 590, &v.has_lanlite1, T(512), 0);
    BTN_bool(420, 590, &v.has_lanlite2, T(513), 0);
    BTN_bool(480, 590, &v.has_taxilite, T(514), 0);
    BTN_bool(540, 590, &v.has_fuserb1, T(515), 0);
    BTN_bool(600, 590, &v.has_fuserb2, T(516), 0);
    BTN_bool(660, 590, &v.has_taillite, T(517), 0);
    BTN_bool(720, 590, &v.has_refuel, T(518), 0);
    BTN_bool(780, 590, &v.has_navlites, T(31), 0);

    BTN_flt(280, 545, &v.pe_xyz[2], 4, 1, 1, xyz_name(T(11), 'z'));
    BTN_flt(280, 495, &v.pe_xyz[0], 4, 1, 1, xyz_name(T(12), 'x'));
    BTN_flt(280, 445, &v.pe_xyz[1], 4, 1, 1, xyz_name(T(13), 'y'));

    float* const light[6] = {v.lanlite1_xyz, v.lanlite2_xyz, v.lanlite3_xyz, v.fuserb1_xyz, v.fuserb2_xyz, v.taillite_xyz};
    static const int label[6] = {519, 519, 519, 520, 520, 521};
    for (int c = 0; c < 6; c++) {
        const float x = 340 + 60.0f * c;
        BTN_flt(x, 545, &light[c][2], 4, 1, 1, xyz_name(T(label[c]), 'z'));
        BTN_flt(x, 495, &light[c][0], 4, 1, 1, xyz_name(T(label[c]), 'x'));
        BTN_flt(x, 445, &light[c][1], 4, 1, 1, xyz_name(T(label[c]), 'y'));
    }

    BTN_flt(700, 545, &v.refuel_xyz[2], 4, 1, 1, xyz_name(T(14), 'z'));
    BTN_flt(700, 495, &v.refuel_xyz[0], 4, 1, 1, xyz_name(T(15), 'x'));
    BTN_flt(700, 445, &v.refuel_xyz[1], 4, 1, 1, xyz_name(T(16), 'y'));

    BTN_flt(890, 545, &v.cockpit_xyz[2], 4, 1, 1, T(911));
    BTN_flt(890, 495, &v.cockpit_xyz[0], 4, 1, 1, T(912));
    BTN_flt(890, 445, &v.cockpit_xyz[1], 4, 1, 1, T(913));
}

// Where the panel's yaw string and head-up display sit, in panel pixels.
static void general_panel_points(veh_struct& v)
{
    BTN_flt(340, 395, &v.yawstring_x, 3, 0, 0, T(17));
    BTN_flt(340, 345, &v.yawstring_y, 3, 0, 0, T(18));
    BTN_flt(520, 395, &v.HUD_ctr_x, 3, 0, 0, T(19));
    BTN_flt(520, 345, &v.HUD_ctr_y[0], 3, 0, 0, T(20));
    BTN_flt(700, 395, &v.HUD_del_x, 3, 0, 0, T(21));
    BTN_flt(700, 345, &v.HUD_del_y, 3, 0, 0, T(22));
    BTN_flt(320, 295, &v.HUD_ctr_y[7], 3, 0, 0, T(914));
    BTN_flt(370, 295, &v.HUD_ctr_y[6], 3, 0, 0, "");
    BTN_flt(420, 295, &v.HUD_ctr_y[5], 3, 0, 0, "");
    BTN_flt(520, 295, &v.HUD_ctr_y[4], 3, 0, 0, T(915));
    BTN_flt(620, 295, &v.HUD_ctr_y[1], 3, 0, 0, "");
    BTN_flt(670, 295, &v.HUD_ctr_y[2], 3, 0, 0, "");
    BTN_flt(720, 295, &v.HUD_ctr_y[3], 3, 0, 0, T(916));
    BTN_flt(900, 395, &v.big_panel_pix_default, 3, 0, 1, T(391));
    BTN_flt(900, 345, &v.stall_warn_aoa, 3, 1, 1, T(321));
}

static void general_lights_and_hooks(veh_struct& v)
{
    BTN_flt(300, 215, &v.lan_lite_power, 3, 2, 0, T(96));
    BTN_flt(300, 165, &v.lan_lite_width, 3, 1, 1, T(97));
    BTN_flt(460, 215, &v.lan_lite_psi_ref, 3, 1, 1, T(377));
    BTN_flt(460, 165, &v.lan_lite_the_ref, 3, 1, 1, T(23));
    BTN_flt(390, 115, &v.tow_hook_Z, 4, 1, 1, xyz_name(T(337), 'z'));
    BTN_flt(390, 65, &v.tow_hook_Y, 4, 1, 1, xyz_name(T(338), 'y'));
    BTN_flt(450, 115, &v.win_hook_Z, 4, 1, 1, xyz_name(T(339), 'z'));
    BTN_flt(450, 65, &v.win_hook_Y, 4, 1, 1, xyz_name(T(340), 'y'));
}

static void general_choices(veh_struct& v)
{
    BTN_textlist(650, 215, &v.lan_lite_steers, T(99), T(98));
    BTN_textlist(650, 165, &v.has_HOOPS_HUD, T(25), T(28));
    BTN_textlist(650, 65, &v.asi_is_kts, T(24), T(27));
    // A new cockpit type brings its own panel picture and default instruments.
    if (BTN_textlist(650, 115, &v.cockpit_type, T(26), T(29))) {
        setup_base_panel();
        set_default_instruments();
    }
    // Only one of the two warning sets can be fitted.
    if (BTN_bool(750, 230, &v.warn1_EQ, T(240), 0)) v.warn2_EQ = 0;
    if (BTN_bool(750, 200, &v.warn2_EQ, T(327), 0)) v.warn1_EQ = 0;
    BTN_bool(750, 140, &v.draw_geo_frnt_views, T(32), 0);
    BTN_bool(750, 110, &v.draw_geo_side_views, T(33), 0);
    BTN_bool(750, 50, &v.is_glossy, T(30), 0);
    BTN_bool(750, 20, &v.beaconEQ, T(384), 0);
}

void APP_general_window(void)
{
    veh_struct& v = veh[0];
    general_panels();
    general_identity(v);
    general_speeds(v);
    general_lights(v);
    general_panel_points(v);
    general_lights_and_hooks(v);
    general_choices(v);
}

//=== the instrument limits window (601) =====================================================
// The number format of each cell's values, digits/decimals.
static const int CELL_FORMAT[APP_LIMIT_CELLS][2] = {
    {4, 0}, {4, 2}, {5, 0}, {5, 0}, {5, 0}, {3, 0}, {3, 0}, {4, 1}, {4, 2}, {5, 0}, {5, 0}, {4, 0}, {4, 0},
    {3, 0}, {3, 0}, {3, 0}, {3, 2}, {3, 2}, {3, 2}, {3, 2}, {3, 2}, {3, 2}, {3, 2}, {5, 0}, {3, 2}, {3, 2}};

float APP_limit_cell_x(int en) { return 52 + 510.0f * (en / 13); }
float APP_limit_cell_y(int en) { return 660 - 50.0f * (en % 13); }


static void limits_panels(void)
{
    float x2, y2;
    BTN_subwin(g_tab_dy, 13, -1, -1, mnw.win_dx / 2 - 16, -1, "", &x2, &y2);
    BTN_subwin(g_tab_dy, 13, x2, -1, -1, -1, "", &x2, &y2);
}

// A custom dial: the values at both ends of its scale and the needle angles there.
static void limits_dial(veh_struct& v, int en, const char* title)
{
    const float x = APP_limit_cell_x(en), y = APP_limit_cell_y(en);
    const int dig = CELL_FORMAT[en][0], dec = CELL_FORMAT[en][1];
    BTN_bool(x + 5, y, &v.cus_rnd_use[en], title, 0);
    if (!v.cus_rnd_use[en]) return;
    BTN_flt(x + 90, y, &v.cus_rnd_lo_val[en], dig, dec, 1, T(284));
    BTN_flt(x + 160, y, &v.cus_rnd_hi_val[en], dig, dec, 1, T(285));
    BTN_flt(x + 205, y, &v.cus_rnd_lo_ang[en], 3, 0, 1, T(292));
    BTN_flt(x + 255, y, &v.cus_rnd_hi_ang[en], 4, 0, 1, T(293));
    BTN_bool(x + 315, y + 15, &v.cus_rnd_mirror[en], T(297), 0);
    BTN_bool(x + 315, y, &v.cus_non_lin[en], T(917), 0);
    BTN_bool(x + 315, y - 15, &v.cus_rnd_label[en], T(298), 0);
    if (v.cus_non_lin[en]) BTN_flt(x + 440, y, &v.cus_doub_val[en], dig, dec, 1, T(918));
}

// A custom digital read-out: value times scale plus offset, with its digits and decimals.
static void limits_readout(veh_struct& v, int en, const char* title)
{
    const float x = APP_limit_cell_x(en), y = APP_limit_cell_y(en);
    BTN_bool(x + 5, y, &v.cus_dig_use[en], title, 0);
    if (!v.cus_dig_use[en]) return;
    BTN_flt(x + 70, y, &v.cus_dig_offset[en], 6, 3, 1, T(347));
    BTN_flt(x + 190, y, &v.cus_dig_scale[en], 6, 3, 1, T(394));
    BTN_int_range(x + 320, y, &v.cus_dig_dig[en], 1, 1, 6, T(395));
    BTN_int_range(x + 345, y, &v.cus_dig_dec[en], 1, 0, 6, T(396));
}

void APP_limits_window(void)
{
    veh_struct& v = veh[0];
    limits_panels();
    for (int en = 0; en < APP_LIMIT_CELLS; en++) {
        std::string title = T(467 + en);
        title += T(94);
        if (set.limsW_tab == 0) limits_dial(v, en, title.c_str());
        else limits_readout(v, en, title.c_str());
    }
}
