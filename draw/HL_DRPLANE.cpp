// HL_DRPLANE.cpp -- the aircraft's drawable geometry: the build itself (geometry/PLN_GEO), the
// paint templates that outline every part where its texture coordinates put it, and the
// aircraft's textures.
#include "draw/HL_DRPLANE.h"
#include "base/common.h"
#include "draw/HL_BITMAP.h"
#include "draw/ren_struct.h"
#include "geometry/PLN_GEO.h"
#include "geometry/PLN_PROCS.h"
#include "geometry/PLN_DEFL.h"
#include "model/acf_struct.h"
#include "model/acf_defaults.h"
#include "model/IO_ACF.h"
#include "model/acf_parts.h"
#include "model/set_struct.h"
#include "base/records.h"
#include "base/alert.h"
#include "base/hl_string.h"
#include "base/IO_TYPED.h"
#include <algorithm>
#include <cmath>
#include <cstring>
#include <iterator>
#include <string>
#include <vector>

namespace {
constexpr int TEMPLATE_DX = 1024;
constexpr unsigned char GREY_BACK = 100, GREY_PART = 255, GREY_CONTROL = 200, GREY_EDGE = 220, GREY_LINE = 0;

int paint_slot(int p, int paint) { return (paint == 1 ? 424 : 426) + 4 * p; }

std::string paint_base(int p)
{
    std::string base = STR_of(veh[p].path);
    nuke_ext(&base);
    return base;
}

// One template being drawn in scratch_array, 3 bytes per pixel, bottom row first.
struct canvas {
    int dy;
    int touch;                       // touching up the designer's paint instead of writing afresh
    std::vector<unsigned char> covered;   // touch-up: pixels some body cell covers

    void put(int i, int j, unsigned char g)
    {
        if (i < 0 || i >= TEMPLATE_DX || j < 0 || j >= dy) return;
        unsigned char* q = scratch_array + ((size_t)j * TEMPLATE_DX + i) * 3;
        q[0] = q[1] = q[2] = g;
    }
    void run(float from, float to, int j, unsigned char g)   // columns from..to of row j; none when to < from
    {
        const int a = (int)std::floor(from), b = (int)std::ceil(to);
        for (int i = a < 0 ? 0 : a; i <= b && i < TEMPLATE_DX; i++) put(i, j, g);
    }
};

// A finite pixel position, however odd the coordinate it came from.
float px(float v, float scale)
{
    const float x = v * scale;
    return x == x && std::fabs(x) < 1e6f ? x : -1e6f;
}

//=== wing-type parts ========================================================================
// Row by row up the part's rectangle: the element under the row, its leading edge, hinge and
// trailing edge interpolated between the element's two stations.
void template_wing(canvas& c, int p, int en)
{
    const veh_struct& v = veh[p];
    const int els = intlim(v.els[en], 0, ACF_ELEMENTS);
    if (els == 0) return;
    const GEO_tex_rect rc = GEO_part_rect(en);
    const int j_lo = (int)std::fmin(rc.t_from, rc.t_to), j_hi = (int)std::fmax(rc.t_from, rc.t_to);
    const float i_lo = std::fmin(rc.s_from, rc.s_to), i_hi = std::fmax(rc.s_from, rc.s_to);
    // The element whose stations bracket the row, so the outline breaks where the mesh does.
    auto element_at = [&](int j) {
        const float e = interp(rc.t_from, 0.0f, rc.t_to, (float)els, (float)j + 0.5f, 1);
        return intlim(e == e ? (int)std::floor(e) : 0, 0, els - 1);
    };
    using control_field = int (veh_struct::*)[ACF_PARTS][ACF_ELEMENTS];
    const control_field controls[] = {&veh_struct::ail1, &veh_struct::ail2, &veh_struct::elev, &veh_struct::rudd,
                                      &veh_struct::flap};
    // The fins are painted on both faces: the second face lies 252 pixels on, points 13, 8, 7.
    const int faces = en == 18 || en == 19 ? 2 : 1;
    for (int face = 0; face < faces; face++) {
        const int le_pt = face ? 13 : 0, hinge_pt = face ? 8 : 5, te_pt = face ? 7 : 6;
        const float shift = face ? 252.0f : 0.0f;
        for (int j = j_lo; j < j_hi; j++) {
            const int e = element_at(j), k0 = 2 * e, k1 = 2 * e + 1;
            const float y = (float)j + 0.5f;
            const float t0 = px(v.st[en][k0][0][1], (float)c.dy), t1 = px(v.st[en][k1][0][1], (float)c.dy);
            auto col = [&](int pt) {
                return interp(t0, px(v.st[en][k0][pt][0], TEMPLATE_DX), t1, px(v.st[en][k1][pt][0], TEMPLATE_DX), y, 1);
            };
            const float le = col(le_pt), hinge = col(hinge_pt), te = col(te_pt);
            const float lo = std::fmin(le, te) - 1.0f, hi = std::fmax(le, te) + 1.0f;
            const float flap_lo = std::fmin(hinge, te), flap_hi = std::fmax(hinge, te);
            const int has_control = GEO_element_has_control(p, en, e);
            if (c.touch) {
                c.run(i_lo + shift, lo - 1.0f, j, GREY_BACK);
                c.run(hi + 1.0f, i_hi + shift - 1.0f, j, GREY_BACK);
            } else {
                c.run(lo, hi, j, GREY_PART);
                if (has_control) c.run(flap_lo, flap_hi, j, GREY_CONTROL);
            }
            if (!has_control) continue;
            c.put((int)std::lround(hinge), j, GREY_LINE);
            // A control ends where the neighbouring element does not carry it.
            const int below = element_at(j - 1), above = element_at(j + 1);
            for (auto ctl : controls) {
                const auto& on = v.*ctl;
                if (on[en][e] && (!on[en][below] || !on[en][above])) c.run(flap_lo, flap_hi, j, GREY_LINE);
            }
        }
    }
}

//=== bodies =================================================================================
// Each mesh cell, between two stations and two neighbouring points of a half-ring, is filled
// where its texture coordinates put it; writing afresh, its border is drawn a shade darker.
void template_body(canvas& c, int p, int en)
{
    const veh_struct& v = veh[p];
    const int sdim = f_body_s_DIM(p, en, 0), rdim = f_body_r_DIM(en, 0), rsem = rdim / 2;
    const int two_sides = en == 44 || (en >= 53 && en <= 60);
    const float dy = (float)c.dy;
    for (int pass = 0; pass < 2; pass++) {              // interiors first, so borders stay drawn
        for (int side = 0; side < (two_sides ? 2 : 1); side++) {
            const int r_first = side ? rsem : 0, r_last = side ? rdim - 2 : rsem - 2;
            for (int s = 0; s + 1 < sdim; s++)
                for (int r = r_first; r <= r_last; r++) {
                    const int cs[4] = {s, s, s + 1, s + 1}, cr[4] = {r, r + 1, r + 1, r};
                    float x[4], y[4];
                    for (int k = 0; k < 4; k++) {
                        x[k] = px(v.st[en][cs[k]][cr[k]][0], TEMPLATE_DX);
                        y[k] = px(v.st[en][cs[k]][cr[k]][1], dy);
                    }
                    float area = 0.0f;
                    for (int k = 0; k < 4; k++) area += x[k] * y[(k + 1) & 3] - x[(k + 1) & 3] * y[k];
                    if (std::fabs(area) < 1e-3f) continue;
                    const int flip = area > 0.0f;       // the edge test wants the corners clockwise
                    auto inside = [&](float fx, float fy, float dis) {
                        for (int k = 0; k < 4; k++) {
                            const int a = flip ? (4 - k) & 3 : k, b = flip ? (3 - k) & 3 : (k + 1) & 3;
                            if (!inside_cw_reg(x[a], y[a], x[b], y[b], fx, fy, dis)) return 0;
                        }
                        return 1;
                    };
                    const int i0 = (int)std::floor(std::max(std::min({x[0], x[1], x[2], x[3]}), 0.0f));
                    const int i1 = (int)std::ceil(std::min(std::max({x[0], x[1], x[2], x[3]}), TEMPLATE_DX - 1.0f));
                    const int j0 = (int)std::floor(std::max(std::min({y[0], y[1], y[2], y[3]}), 0.0f));
                    const int j1 = (int)std::ceil(std::min(std::max({y[0], y[1], y[2], y[3]}), dy - 1.0f));
                    for (int j = j0; j <= j1; j++)
                        for (int i = i0; i <= i1; i++) {
                            const float fx = (float)i + 0.5f, fy = (float)j + 0.5f;
                            if (!inside(fx, fy, 0.5f)) continue;
                            const int edge = !inside(fx, fy, -1.0f);
                            if (c.touch) {
                                if (pass == 0) c.covered[(size_t)j * TEMPLATE_DX + i] = 1;
                            } else if (pass == 0) {
                                c.put(i, j, GREY_PART);
                            } else if (edge) {
                                c.put(i, j, GREY_EDGE);
                            }
                        }
                }
        }
        if (c.touch) break;
    }
    if (!c.touch) return;
    // Touching up: what no cell covers, within the body's band on the paint, is trimmed to grey.
    const GEO_tex_rect rc = GEO_part_rect(en);
    const float band = en == 44 ? 252.0f : two_sides ? 126.0f : 0.0f;
    for (int side = 0; side < (two_sides ? 2 : 1); side++) {
        const int j0 = (int)std::fmin(rc.t_from, rc.t_to) - (side ? (int)band : 0);
        const int j1 = (int)std::fmax(rc.t_from, rc.t_to) - (side ? (int)band : 0);
        for (int j = j0 < 0 ? 0 : j0; j < j1 && j < c.dy; j++)
            for (int i = (int)std::fmin(rc.s_from, rc.s_to); i < (int)std::fmax(rc.s_from, rc.s_to); i++)
                if (!c.covered[(size_t)j * TEMPLATE_DX + i]) c.put(i, j, GREY_BACK);
    }
}

// Parts outlined on each paint.
constexpr int k_paint1_parts[] = {9, 11, 13, 15, 17, 18, 19, 28, 36, 44, 45, 46, 53, 54, 55, 56, 57, 58, 59, 60,
                                  61, 62, 63, 64, 65, 66};
constexpr int k_paint2_parts[] = {20, 21, 22, 23, 24, 25, 26, 27, 47, 48, 49, 50, 51, 52};

// One paint's template: fresh (beside a paint that is already there, under the same name with
// "new" appended, so the designer's work is never overwritten) or touching up the paint itself.
void paint_template(int p, int paint, int fresh)
{
    const int dy = paint == 1 ? 1024 : 256;
    const int slot = paint_slot(p, paint);
    const std::string file = paint_base(p) + (paint == 1 ? "_paint.bmp" : "_paint2.bmp");

    // The paint's pixels go back into a file, so they are read as stored, without the
    // screen's gamma.
    unsigned char gamma[256];
    memcpy(gamma, win_gamma, sizeof gamma);
    for (int i = 0; i < 256; i++) win_gamma[i] = (unsigned char)i;
    const int exists = OGL_texbmp(OGL_TYPE_UPLOAD, slot, OGL_FILT_RGB, file);
    memcpy(win_gamma, gamma, sizeof gamma);

    canvas c{dy, !fresh && exists, {}};
    if (c.touch && ((int)ren.tex_dx_vis[slot] != TEMPLATE_DX || (int)ren.tex_dy_vis[slot] != dy)) {
        MACIBM_alert(0, paint == 1 ? "Aircraft-1 texture not 1024x1024!" : "Aircraft-2 texture not 1024x 256!",
                     "It must be!", "", "", 17);
        return;
    }
    if (c.touch) c.covered.assign((size_t)TEMPLATE_DX * dy, 0);
    else memset(scratch_array, GREY_BACK, (size_t)TEMPLATE_DX * dy * 3);

    const int* parts = paint == 1 ? k_paint1_parts : k_paint2_parts;
    const int n = paint == 1 ? (int)std::size(k_paint1_parts) : (int)std::size(k_paint2_parts);
    for (int k = 0; k < n; k++) {
        const int en = parts[k];
        if (!have_this_part(p, en, 6)) continue;
        if (en < ACF_FOIL_PARTS) template_wing(c, p, en);
        else template_body(c, p, en);
    }
    OGL_make_bmp(fresh && exists ? file + "new" : file, TEMPLATE_DX, dy);
}

//=== textures ===============================================================================
// The picture, or when there is none the fallback; 1 when either loaded.
int load_or(int slot, int filter, const std::string& file, const std::string& fallback)
{
    return OGL_texbmp(OGL_TYPE_UPLOAD, slot, filter, file) || OGL_texbmp(OGL_TYPE_UPLOAD, slot, filter, fallback);
}

void load_textures(int p)
{
    veh_struct& v = veh[p];
    const std::string base = paint_base(p);
    load_or(paint_slot(p, 1), OGL_FILT_BRIGHT, base + "_paint.bmp", "blank.bmp");
    load_or(paint_slot(p, 2), OGL_FILT_BRIGHT, base + "_paint2.bmp", "blank.bmp");
    v.has_litemap_tex_1 = OGL_texbmp(OGL_TYPE_UPLOAD, paint_slot(p, 1) + 1, OGL_FILT_BRIGHT, base + "_paint_LIT.bmp");
    v.has_litemap_tex_2 = OGL_texbmp(OGL_TYPE_UPLOAD, paint_slot(p, 2) + 1, OGL_FILT_BRIGHT, base + "_paint2_LIT.bmp");

    if (p == 0) {
        load_or(218, OGL_FILT_BRIGHT, base + "_prop.bmp", "world:overlays:prop_disc.bmp");
        // The custom-panel layers of aircraft made for the old panel: once an aircraft has any,
        // the ones it lacks come from the shared set, so the panel is never half drawn.
        static const char* const layer[7] = {"_test_nearest.bmp", "_test_nearest_LIT.bmp", "_test_linear.bmp",
                                             "_test_linear_LIT.bmp", "_blend_linear.bmp", "_compass_rose.bmp",
                                             "_HSI_rose.bmp"};
        int got[7];
        for (int i = 0; i < 7; i++) {
            const int filter = i == 4 ? OGL_FILT_BRIGHT : OGL_FILT_KEY;
            got[i] = OGL_texbmp(OGL_TYPE_UPLOAD, 470 + i, filter, base + layer[i]);
            if (!got[i] && (i == 1 || i == 3)) got[i] = OGL_texbmp(OGL_TYPE_UPLOAD, 470 + i, filter, base + layer[i - 1]);
        }
        v.old_cus_layers = 0;
        for (int i = 0; i < 7; i++) v.old_cus_layers |= got[i];
        if (v.old_cus_layers)
            for (int i = 0; i < 7; i++)
                if (!got[i]) {
                    std::string shared = "legacy custom panels:panel";
                    shared += layer[i];
                    OGL_texbmp(OGL_TYPE_UPLOAD, 470 + i, i == 4 ? OGL_FILT_BRIGHT : OGL_FILT_KEY, shared);
                }
    }

    for (int w = 0; w < ACF_WPN_POINTS; w++) {
        if (!wpn_can_exist(p, w)) continue;
        std::string path;
        get_wpn_path(p, STR_of(v.wpn_name[w]), &path);
        nuke_ext(&path);
        path += ".bmp";
        load_or(7701 + 24 * p + w, OGL_FILT_RGB, path, "blank.bmp");
    }
}
}  // namespace

void load_plane_geo(int load_tex, int dump_start, int touch_up, int p)
{
    if (p < 0 || p >= ACF_RECORDS) return;
    // After a read, New or a menu command the wings' current sweep and dihedral are not worked
    // out yet; the frame's own call comes after the deflection pass.
    if (load_tex || dump_start || touch_up) update_def_angles(p);
    GEO_build(p);
    if (dump_start || touch_up) {
        paint_template(p, 1, dump_start != 0);
        paint_template(p, 2, dump_start != 0);
    }
    if (load_tex) load_textures(p);
    GEO_plan_extents(p);
}

//=== animation, weapons and lights ==========================================================
plug_struct plg;

void DRPLANE_animate(int p, float real_time, float frame_period)
{
    if (p < 0 || p >= ACF_RECORDS) return;
    veh_struct& v = veh[p];
    flt_struct& f = flt[p];
    const float T = real_time;
    const int on = set.move_cons != 0;
    f.FC_roll = on ? std::sin(1.2f * T) : 0;
    f.FC_hdng = on ? std::sin(T) : 0;
    f.FC_ptch = on ? std::sin(0.8f * T) : 0;
    f.flap_rat = f.slat_rat = on ? 0.5f * std::sin(0.6f * T) + 0.5f : 0;
    f.sbrk_rqst = on ? 0.5f * std::sin(0.4f * T) + 0.5f : 0;
    f.sbrk_rat = f.sbrk_rqst;   // the brakes are where they are asked to be: nothing flies them out
    f.swdi_rat = on ? 0.5f * std::sin(0.3f * T) + 0.5f : 0;
    for (int en = 67; en <= 72; en++) {
        if (v.gear_retract && have_this_part(p, en, 0)) v.gear_deploy[en] = on ? 0.5f * std::sin(T) + 0.5f : 1;
    }
    for (int en = 0; en < ACF_PARTS; en++) f.tire_vrt_def_veh[en] = 0;
    if (on)
        for (int en = 0; en < ACF_THRUST_POINTS; en++)
            f.tire_rotation[en] = fltwrap(f.tire_rotation[en] - frame_period * 90 * v.prop_dir[en], 0, 360);
    f.lan_lite = f.tax_lite = f.nav_lite = f.bea_lite = 1;
}

void attach_weapon(int p, int en)
{
    if (p < 0 || p >= ACF_RECORDS || en < 0 || en >= ACF_WPN_POINTS) return;
    const veh_struct& v = veh[p];
    const flt_struct& f = flt[p];
    wpn_struct& w = veh[p].wpn[en];
    w.psi_con = v.psi_wpn_att[en];
    w.the_con = v.the_wpn_att[en];
    w.phi_con = v.phi_wpn_att[en];
    get_euler_from_eulers(w.psi_con, wpn_att_psi(p, en), 0, &w.psi_acf, w.the_con, wpn_att_the(p, en), 0, &w.the_acf,
                          w.phi_con, wpn_att_phi(p, en), 0, &w.phi_acf);
    float ax, ay, az, wx, wy, wz;
    att_to_veh(-w.x_wpn_att, -w.y_wpn_att, -w.z_wpn_att, &ax, &ay, &az, p, en);
    veh_to_wrl(ax + v.x_wpn_att[en], ay + v.y_wpn_att[en], az + v.z_wpn_att[en], &wx, &wy, &wz, p);
    w.x = wx + (float)f.dob_x;
    w.y = wy + (float)f.dob_y;
    w.z = wz + (float)f.dob_z;
    get_euler_from_eulers(w.psi_acf, f.psi, 0, &w.psi_wrl, w.the_acf, f.the, 0, &w.the_wrl, w.phi_acf, f.phi, 0,
                          &w.phi_wrl);
    w.vx = f.vx, w.vy = f.vy, w.vz = f.vz;
    w.Prad = f.Prad, w.Qrad = f.Qrad, w.Rrad = f.Rrad;
    init_quaternion(w.psi_wrl, w.the_wrl, w.phi_wrl, w.q);
    w.i = f.i, w.j = f.j;
}

static float tip(int p, int en, char axis)
{
    return get_el_base_loc(p, en, 1.01f * (float)intlim(veh[p].els[en], 0, ACF_ELEMENTS), axis);
}

void DRPLANE_nav_wings(int p, int* red, int* green)
{
    *red = 8, *green = 9;
    if (p < 0 || p >= ACF_RECORDS) return;
    // Each outer pair takes the lights when its tip reaches further out than the pair just
    // inside it, whichever pair holds them at that moment.
    for (int right = 11; right <= 15; right += 2)
        if (have_this_part(p, right, 0) && tip(p, right, 'X') > tip(p, right - 2, 'X')) *red = right - 1, *green = right;
}

void DRPLANE_beacon_fins(int p, int fin[2])
{
    fin[0] = 18, fin[1] = -1;
    if (p < 0 || p >= ACF_RECORDS || !have_this_part(p, 19, 0)) return;
    const float y18 = tip(p, 18, 'Y'), y19 = tip(p, 19, 'Y');
    if (std::fabs(y19 - y18) < 0.01f) fin[1] = 19;
    else if (y19 > y18) fin[0] = 19;
}

//=== panel pictures =========================================================================
void panel_path(int t, int view_sel, std::string* path)
{
    static const char* const views[9] = {"_panel.bmp",    "_panel_RF.bmp", "_panel_R.bmp",
                                         "_panel_RB.bmp", "_panel_B.bmp",  "_panel_LB.bmp",
                                         "_panel_L.bmp",  "_panel_LF.bmp", "_panel_LIT.bmp"};
    static const char* const defaults[8] = {
        "Panel_General.png", "Panel_Airliner.png", "Panel_Fighter.png",   "Panel_Glider.png",
        "Panel_Helo.png",    "Panel_Autogyro.png", "Panel_General_IFR.png", "Panel_Autogyro_Twin.png"};
    if (!path) return;
    const veh_struct& v = veh[0];
    path->clear();
    if (t == 0) {
        *path = STR_of(v.path);
        nuke_ext(path);
        *path += views[view_sel >= 0 && view_sel <= 8 ? view_sel : 0];
    } else if (t == 1) {
        get_path_with_path(path, STR_of(v.path));
        *path += "cockpit:-PANELS-:panel.png";
    } else if (t == 2) {
        const int type = v.cockpit_type < 0 ? 0 : v.cockpit_type > 7 ? 7 : v.cockpit_type;   // a damaged record
        *path = "cockpit:-panels-:";
        *path += defaults[type];
    }
}

void setup_base_panel(void)
{
    std::string path;
    for (int t = 0; t <= 2; t++) {
        panel_path(t, 0, &path);
        if (OGL_texbmp(OGL_TYPE_UPLOAD, REN_TEX_PANEL, OGL_FILT_KEY, path)) return;
    }
}
