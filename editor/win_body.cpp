// win_body.cpp -- the body editor (cross-sections, plan views) and the four body windows. Every
// change is one undo command: a drag from press to release, a typed or arrowed number, a copy, a
// smoothing pass.
#include "editor/win_body.h"
#include "editor/APPLICATION.h"
#include "editor/HL_BTN.h"
#include "editor/hl_undo.h"
#include "geometry/pln_body.h"
#include "geometry/PLN_PROCS.h"
#include "base/common.h"
#include "base/HL_MATH_FUN.h"
#include "base/records.h"
#include "draw/HL_BITMAP.h"
#include "draw/HL_DRPLANE.h"
#include "draw/HL_GRAPH.h"
#include "draw/ren_struct.h"
#include "model/acf_struct.h"
#include "model/set_struct.h"
#include <cmath>
#include <string>

static const char* T(int n) { return APP_text(n); }

// Module state (the start-up reset clears it).
static int s_os;                            // the first station shown in the cross-section view
static int copied = -1;                     // the station remembered by the copy button, -1 none
static int r_use[ACF_BODY_STATIONS];        // the picked point of each station
static int v_sel = -1, s_sel, r_sel;        // the plan-view vertex picked: view, station, point
static int did_edit, did_start_in_station;
static int s_drag = -1;                     // the station whose point is being dragged
static int s_drag_part = -1;                // the body the drag began on

void BODY_reset(void)
{
    s_os = 0;
    copied = -1;
    for (int& r : r_use) r = 0;
    v_sel = -1;
    s_sel = r_sel = 0;
    did_edit = did_start_in_station = 0;
    s_drag = s_drag_part = -1;
}

enum { TEX_PIC_TOP = 496, TEX_PIC_SIDE = 497 };

//=== undoable operations ====================================================================
void smoothit_main(int en, int full, int is_wpn)
{
    UNDO_Command cmd("Smooth body.");
    BODY_smooth(en, full, is_wpn);
    cmd.Commit();
}

void copy_body(int e1, int e2)
{
    UNDO_Command cmd("Copy body.");
    BODY_copy_body(e1, e2);
    cmd.Commit();
}

void copy_station(int en, int s_src, int s_dst, int rdim)
{
    UNDO_Command cmd("Copy station");
    BODY_copy_station(en, s_src, s_dst, rdim);
    cmd.Commit();
}

// A number field whose change is one undo command of its own.
static int undo_flt(float x, float y, float* var, int dig, int dec, int sign, const char* label0, const char* cmd)
{
    if (!BTN_flt_undo(x, y, var, dig, dec, sign, label0, cmd)) return 0;
    UNDO_CompleteCommand();
    return 1;
}

static float body_limit(int en)
{
    const float r = veh[0].body_r[en];
    return std::isfinite(r) && r > 0.01f ? r : 0.01f;
}

float BODY_section_scale(int en)
{
    return BODY_BOX_DX / body_limit(en) * fltlim(set.fuse_zoom, 0.01f, 100);
}

// The drag ends with the release: one command when something moved, none otherwise.
static void end_drag_on_release(void)
{
    if (!mnw.mouse_lifted || !did_start_in_station) return;
    if (did_edit) UNDO_CompleteCommand();
    else UNDO_AbortCommand();
    did_start_in_station = did_edit = 0;
    s_drag = -1;
    v_sel = -1;
}

// The mouse has moved since the press: a click alone never moves a point.
static int moved_since_press(void) { return mnw.now_dragging && mnw.m_move_time > mnw.m_down_time; }

//=== cross-sections =========================================================================
static void section_pick(int en, int s, int rsem, float bx, float sc)
{
    const veh_struct& v = veh[0];
    float best = 9999;
    for (int r = 0; r < rsem; r++) {
        const float px = bx + set.fuse_osx + 2 + v.body_X[en][s][r] * sc;
        const float py = BODY_BOX_MID + set.fuse_osy - 2 + v.body_Y[en][s][r] * sc;
        const float d = pythag(mnw.mx - px, mnw.my - py);
        if (d < best) {
            best = d;
            r_use[s] = r;
        }
    }
    UNDO_BeginCommand("Edit point.");
    s_drag_part = en;
    did_start_in_station = 1;
    did_edit = 0;
    s_drag = s;
    if (mnw.mouse_double_clicked) {
        char* lock = BODY_lock(en, s, r_use[s]);
        *lock = !*lock;
        did_edit = 1;
    }
}

// The dragged point follows the mouse; the top stays above the bottom and an end station stays a
// single point on the centre line.
static void section_drag(int en, int s, int sdim, int rsem, float bx, float sc)
{
    veh_struct& v = veh[0];
    float* X = v.body_X[en][s];
    float* Y = v.body_Y[en][s];
    const int r = intlim(r_use[s], 0, rsem - 1);
    const float x = (mnw.mx - bx - set.fuse_osx - 2) / sc, y = (mnw.my - BODY_BOX_MID - set.fuse_osy + 2) / sc;
    if (x != X[r] || y != Y[r]) did_edit = 1;
    X[r] = x;
    Y[r] = y;
    if (Y[0] < Y[rsem - 1]) flt_switch(&Y[0], &Y[rsem - 1]);
    if (s == 0 || s == sdim - 1)
        for (int k = 0; k < rsem; k++) {
            X[k] = 0;
            Y[k] = y;
        }
}

static void section_draw(int en, int s, int rsem, float bx, float sc)
{
    const veh_struct& v = veh[0];
    OGL_framerect(57, 1, bx - 2, BODY_BOX_MID - BODY_BOX_DY / 2, BODY_BOX_DX + 4, BODY_BOX_DY);
    OGL_scissors(bx - 2, BODY_BOX_MID - BODY_BOX_DY / 2, BODY_BOX_DX + 4, BODY_BOX_DY);
    for (int g = 1; g < 7; g++)
        OGL_line(57, 0.3f, bx, BODY_BOX_MID - 70 + 20.0f * g, bx + BODY_BOX_DX, BODY_BOX_MID - 70 + 20.0f * g);
    OGL_line(57, 0.8f, bx, BODY_BOX_MID - 70, bx, BODY_BOX_MID + 70);
    const float ox = bx + set.fuse_osx + 2, oy = BODY_BOX_MID + set.fuse_osy - 2;
    for (int r = 0; r < rsem; r++) {
        const float x1 = ox + v.body_X[en][s][r] * sc, y1 = oy + v.body_Y[en][s][r] * sc;
        if (r + 1 < rsem) OGL_line(42, 1, x1, y1, ox + v.body_X[en][s][r + 1] * sc, oy + v.body_Y[en][s][r + 1] * sc);
        const int locked = *BODY_lock(en, s, r);
        OGL_fillrect(locked ? 17 : (r == r_use[s] ? 46 : 42), 1, x1 - 2, y1 - 2, 5, 5);
    }
    OGL_scissors_end();
    OGL_number(40, bx + 25, BODY_BOX_MID + BODY_BOX_DY / 2 + 4, (float)s, 2, 0, 102);
}

static void section_fields(int en, int s, int sdim, int rsem, float bx)
{
    veh_struct& v = veh[0];
    const int r = intlim(r_use[s], 0, rsem - 1);
    const int first = bx < BODY_box_x(1);
    std::string lx, ly, lz;
    label_part(T(968), &lx, first, 0);
    label_part(T(969), &ly, first, 0);
    label_part(T(970), &lz, first, 0);
    undo_flt(bx + 5, 430, &v.body_X[en][s][r], 4, 2, 1, lx.c_str(), "Edit point.");
    undo_flt(bx + 5, 380, &v.body_Y[en][s][r], 4, 2, 1, ly.c_str(), "Edit point.");
    float z = v.body_Z[en][s][0];
    const float z0 = z;
    if (BTN_flt_undo(bx + 5, 70, &z, 4, 2, 1, lz.c_str(), "Edit point.")) {
        for (int k = 0; k < ACF_BODY_POINTS; k++) v.body_Z[en][s][k] += z - z0;
        UNDO_CompleteCommand();
    }
    if (s > 0 && BTN_action(bx + 15, 152, 0, 1, "<")) copy_station(en, s, s - 1, ACF_BODY_POINTS);
    if (s < sdim - 1 && BTN_action(bx + 55, 152, 0, 1, ">")) copy_station(en, s, s + 1, ACF_BODY_POINTS);
    if (BTN_action(bx + 35, 128, copied == s, 1, T(971))) copied = s;
    if (BTN_action(bx + 35, 106, 0, 1, T(972)) &&
        intrange(copied, 0, sdim - 1))
        copy_station(en, copied, s, ACF_BODY_POINTS);
}

static void section_view(int en, int sdim, int rdim)
{
    const int rsem = rdim / 2;
    const int shown = sdim < 12 ? sdim : 12;
    s_os = intlim(s_os, 0, fltmax2((float)(sdim - 12), 0));
    if (sdim > 12) {
        if (BTN_action(18, BODY_BOX_MID, 0, 1, "<")) s_os = intlim(s_os - 1, 0, sdim - 12);
        if (BTN_action(1005, BODY_BOX_MID, 0, 1, ">")) s_os = intlim(s_os + 1, 0, sdim - 12);
    }
    const float sc = BODY_section_scale(en);
    for (int k = 0; k < shown; k++) {
        const int s = s_os + k;
        const float bx = BODY_box_x(k);
        r_use[s] = intlim(r_use[s], 0, rsem - 1);
        if (mnw.mouse_clicked && !did_start_in_station &&
            flt_box(mnw.mx, mnw.my, bx - 2, BODY_BOX_MID - BODY_BOX_DY / 2, bx + BODY_BOX_DX + 2, BODY_BOX_MID + BODY_BOX_DY / 2))
            section_pick(en, s, rsem, bx, sc);
        else if (s == s_drag && moved_since_press() && !mnw.mouse_double_clicked)
            section_drag(en, s, sdim, rsem, bx, sc);
        section_fields(en, s, sdim, rsem, bx);
        section_draw(en, s, rsem, bx, sc);
    }
    OGL_string(39, 20, 16, T(973), 9999, 100);
}

//=== plan views =============================================================================
// The five views: top (Z, X), side (Z, Y), bottom (Z, -X), front and back (X, Y).
struct plan_pane {
    float x1, y1, x2, y2;
};
static const plan_pane k_panes[5] = {
    {20, 290, 1004, 420}, {20, 155, 1004, 285}, {20, 20, 1004, 150}, {20, 20, 508, 420}, {516, 20, 1004, 420}};

struct plan_frame {
    float lon_lo = 0, lon_hi = 0, vrt_hi = 0;
};

static plan_frame plan_extents(int en, int sdim, int rdim)
{
    plan_frame f;
    const veh_struct& v = veh[0];
    for (int s = 0; s < sdim; s++)
        for (int r = 0; r < rdim; r++) {
            f.lon_lo = fltmin2(f.lon_lo, v.body_Z[en][s][r]);
            f.lon_hi = fltmax2(f.lon_hi, v.body_Z[en][s][r]);
            f.vrt_hi = fltmax2(f.vrt_hi, fltmax2(std::fabs(v.body_X[en][s][r]), std::fabs(v.body_Y[en][s][r])));
        }
    return f;
}

// Whether view w shows point r of station s.
static int view_shows(int w, int s, int r, int sdim, int rdim)
{
    const int in_quarter = r >= rdim / 4 && r <= 3 * rdim / 4;
    switch (w) {
    case 0: return !in_quarter;
    case 1: return r >= rdim / 2;
    case 2: return in_quarter;
    case 3: return s <= sdim / 2;
    default: return s >= sdim / 2;
    }
}

static float view_scale(int w, const plan_frame& f)
{
    const plan_pane& p = k_panes[w];
    const float half = 0.5f * (p.y2 - p.y1), vrt = fltmax2(f.vrt_hi, 0.01f);
    const float zoom = fltlim(set.fuse_zoom, 0.01f, 100);
    if (w >= 3) return half / vrt * zoom;
    return fltmin2((p.x2 - p.x1) / fltmax2(f.lon_hi - f.lon_lo, 0.01f), half / vrt) * zoom;
}

// Screen point of a body point in view w.
static void to_screen(int w, const plan_frame& f, float sc, float X, float Y, float Z, float* sx, float* sy)
{
    const plan_pane& p = k_panes[w];
    const float cx = 0.5f * (p.x1 + p.x2) + set.fuse_osx, cy = 0.5f * (p.y1 + p.y2) + set.fuse_osy;
    const float zc = 0.5f * (f.lon_lo + f.lon_hi);
    const float h = w >= 3 ? X : Z - zc, vv = w == 0 ? X : (w == 2 ? -X : Y);
    *sx = cx + h * sc;
    *sy = cy + vv * sc;
}

static void plan_picture(int w, int tex, int has)
{
    const plan_pane& p = k_panes[w];
    const float dx_vis = ren.tex_dx_vis[tex], dy_vis = ren.tex_dy_vis[tex], dx_tot = ren.tex_dx_tot[tex],
                dy_tot = ren.tex_dy_tot[tex];
    if (!has || !(dx_vis > 0 && dy_vis > 0 && dx_tot > 0 && dy_tot > 0)) return;
    const float h = p.y2 - p.y1, wdt = h * dx_vis / dy_vis, x1 = 0.5f * (p.x1 + p.x2 - wdt);
    const float s = dx_vis / dx_tot, u = dy_vis / dy_tot;
    OGL_2dquad(tex, 45, 0.5f, x1, p.y1, 0, 0, x1, p.y2, 0, u, x1 + wdt, p.y2, s, u, x1 + wdt, p.y1, s, 0, 1, 5);
}

static void plan_draw(int en, int sdim, int rdim, int w, const plan_frame& f, float sc)
{
    const veh_struct& v = veh[0];
    const plan_pane& p = k_panes[w];
    OGL_framerect(57, 1, p.x1, p.y1, p.x2 - p.x1, p.y2 - p.y1);
    OGL_scissors(p.x1, p.y1, p.x2 - p.x1, p.y2 - p.y1);
    for (int s = 0; s < sdim; s++)
        for (int r = 0; r < rdim; r++) {
            if (!view_shows(w, s, r, sdim, rdim)) continue;
            float x1, y1, x2, y2;
            to_screen(w, f, sc, v.body_X[en][s][r], v.body_Y[en][s][r], v.body_Z[en][s][r], &x1, &y1);
            const int rn = (r + 1) % rdim;
            if (view_shows(w, s, rn, sdim, rdim)) {
                to_screen(w, f, sc, v.body_X[en][s][rn], v.body_Y[en][s][rn], v.body_Z[en][s][rn], &x2, &y2);
                OGL_line(42, 1, x1, y1, x2, y2);
            }
            if (s + 1 < sdim && view_shows(w, s + 1, r, sdim, rdim)) {
                to_screen(w, f, sc, v.body_X[en][s + 1][r], v.body_Y[en][s + 1][r], v.body_Z[en][s + 1][r], &x2, &y2);
                OGL_line(42, 0.6f, x1, y1, x2, y2);
            }
            const int picked = w == v_sel && s == s_sel && r == r_sel;
            OGL_fillrect(*BODY_lock(en, s, r) ? 17 : (picked ? 46 : 42), 1, x1 - 2, y1 - 2, 5, 5);
        }
    OGL_scissors_end();
}

static void plan_pick(int en, int sdim, int rdim, int first, int last, const plan_frame& f)
{
    const veh_struct& v = veh[0];
    float best = 1e30f;
    for (int w = first; w <= last; w++) {
        const plan_pane& p = k_panes[w];
        if (!flt_box(mnw.mx, mnw.my, p.x1, p.y1, p.x2, p.y2)) continue;
        const float sc = view_scale(w, f);
        for (int s = 0; s < sdim; s++)
            for (int r = 0; r < rdim; r++) {
                if (!view_shows(w, s, r, sdim, rdim)) continue;
                float x, y;
                to_screen(w, f, sc, v.body_X[en][s][r], v.body_Y[en][s][r], v.body_Z[en][s][r], &x, &y);
                const float d = pythag(mnw.mx - x, mnw.my - y);
                if (d < best) {
                    best = d;
                    v_sel = w;
                    s_sel = s;
                    r_sel = r;
                }
            }
    }
    if (best >= 1e30f) return;
    UNDO_BeginCommand("Edit vertex.");
    s_drag_part = en;
    did_start_in_station = 1;
    did_edit = 0;
}

static void plan_drag(int en, int sdim, int rdim, const plan_frame& f)
{
    veh_struct& v = veh[0];
    const int w = v_sel, s = intlim(s_sel, 0, sdim - 1), r = intlim(r_sel, 0, rdim - 1), rsem = rdim / 2;
    const plan_pane& p = k_panes[w];
    const float sc = view_scale(w, f);
    const float cx = 0.5f * (p.x1 + p.x2) + set.fuse_osx, cy = 0.5f * (p.y1 + p.y2) + set.fuse_osy;
    const float h = (mnw.mx - cx) / sc, vv = fltlim((mnw.my - cy) / sc, -f.vrt_hi, f.vrt_hi);
    float& X = v.body_X[en][s][r];
    float& Y = v.body_Y[en][s][r];
    float& Z = v.body_Z[en][s][r];
    const float was[3] = {X, Y, Z};
    if (w < 3) Z = fltlim(h + 0.5f * (f.lon_lo + f.lon_hi), f.lon_lo, f.lon_hi);
    else X = fltlim(h, -f.vrt_hi, f.vrt_hi);
    if (w == 0) X = vv;
    else if (w == 2) X = -vv;
    else Y = vv;
    if (r == 0 || r == rsem - 1 || r == rsem || r == rdim - 1) X = 0;
    const int m = rdim - 1 - r;
    v.body_X[en][s][m] = -X;
    v.body_Y[en][s][m] = Y;
    v.body_Z[en][s][m] = Z;
    *BODY_lock(en, s, m) = *BODY_lock(en, s, r);
    if (was[0] != X || was[1] != Y || was[2] != Z) did_edit = 1;
}

// Every point of station s moved to the station's Z at its top point.
static void flatten_station(int en, int s)
{
    for (int r = 0; r < ACF_BODY_POINTS; r++) veh[0].body_Z[en][s][r] = veh[0].body_Z[en][s][0];
}

static void plan_buttons(int en, int sdim)
{
    if (BTN_action(110, 445, 0, 1, T(974))) {
        UNDO_Command cmd("Reset one station offsets.");
        flatten_station(en, intlim(s_sel, 0, sdim - 1));
        cmd.Commit();
    }
    if (BTN_action(290, 445, 0, 1, T(975))) {
        UNDO_Command cmd("Reset all stations.");
        for (int s = 0; s < sdim; s++) flatten_station(en, s);
        cmd.Commit();
    }
    struct pic { float x; int tex; int* has; const char* load; const char* clear; };
    const pic pics[2] = {
        {470, TEX_PIC_TOP, &set.has_t_pln_fuse_top, T(976), T(977)},
        {690, TEX_PIC_SIDE, &set.has_t_pln_fuse_lft, T(978), T(979)}};
    for (const pic& p : pics) {
        if (BTN_action(p.x, 445, 0, 1, p.load)) {
            std::string name, path;
            // A missing or damaged picture simply is not shown.
            if (dialog_opensave(MNW_WIN_OPEN, 16, &name, &path))
                *p.has = OGL_texbmp(OGL_TYPE_UPLOAD, p.tex, OGL_FILT_KEY, path);
        }
        if (BTN_action(p.x + 110, 445, 0, 1, p.clear)) *p.has = 0;
    }
}

static void plan_view(int en, int sdim, int rdim)
{
    const int first = set.body_edit_view == 1 ? 0 : 3, last = set.body_edit_view == 1 ? 2 : 4;
    const plan_frame f = plan_extents(en, sdim, rdim);
    if (mnw.mouse_clicked && !did_start_in_station) plan_pick(en, sdim, rdim, first, last, f);
    else if (did_start_in_station && v_sel >= first && v_sel <= last && moved_since_press()) plan_drag(en, sdim, rdim, f);
    if (set.body_edit_view == 1) {
        plan_picture(0, TEX_PIC_TOP, set.has_t_pln_fuse_top);
        plan_picture(1, TEX_PIC_SIDE, set.has_t_pln_fuse_lft);
    }
    const plan_frame g = plan_extents(en, sdim, rdim);
    for (int w = first; w <= last; w++) plan_draw(en, sdim, rdim, w, g, view_scale(w, g));
    plan_buttons(en, sdim);
}

//=== the editor =============================================================================
static void view_choice(void)
{
    set.body_edit_view = intlim(set.body_edit_view, 0, 2);
    BTN_is_int(590, 660, &set.body_edit_view, 0, T(980));
    BTN_is_int(590, 635, &set.body_edit_view, 1, T(981));
    BTN_is_int(590, 610, &set.body_edit_view, 2, T(982));
    if (BTN_action(640, 560, 0, 1, T(983))) {
        set.fuse_osx = set.fuse_osy = 0;
        set.fuse_zoom = 1;
    }
}

void BODY_update(int en, int sdim, int rdim)
{
    view_choice();
    if (!BODY_grid_ok(en, &sdim, &rdim)) return;
    if (!(set.fuse_zoom >= 0.01f && set.fuse_zoom <= 100)) set.fuse_zoom = 1;   // damaged preferences
    if (!std::isfinite(set.fuse_osx) || !std::isfinite(set.fuse_osy)) set.fuse_osx = set.fuse_osy = 0;
    BODY_ring_rules(en, sdim, rdim);   // a body from a file is drawn only once it obeys them
    if (did_start_in_station && s_drag_part != en) {
        // The window or page changed under a held button: the capture is of another body, so
        // it may neither be restored here nor be undone later.
        UNDO_CompleteCommand();
        UNDO_PurgeUndo();
        did_start_in_station = did_edit = 0;
        s_drag = s_drag_part = v_sel = -1;
    }
    if (set.body_edit_view == 0) section_view(en, sdim, rdim);
    else plan_view(en, sdim, rdim);
    end_drag_on_release();   // after the views, so a press and release in one frame is one command
    BODY_ring_rules(en, sdim, rdim);
}

//=== the body windows =======================================================================
// The body's own settings above the editor; group_first is the first part of the body's group
// (-1 for the fuselage) and group_n its size, for the copy buttons.
static void body_settings(int en, int sdim, int rdim, int group_first, int group_n)
{
    veh_struct& v = veh[0];
    float x2, y2;
    BTN_subwin(g_tab_dy, 13, 10, 460, 720, -1, "", &x2, &y2);
    BTN_bool(40, 660, &v.part_eq[en], T(984), 0);
    BTN_flt_range(110, 610, &v.body_r[en], 4, 2, 0.01f, 99.99f, T(985));
    if (en == 44) BTN_flt(330, 610, &v.fuse_cd, 3, 3, 0, T(986));
    if (en < 53) {
        BTN_flt(110, 560, &v.Zarm[en], 5, 2, 1, xyz_name(T(987), 'z'));
        BTN_flt(260, 560, &v.Xarm[en], 5, 2, 1, xyz_name(T(988), 'x'));
        BTN_flt(410, 560, &v.Yarm[en], 5, 2, 1, xyz_name(T(989), 'y'));
    }
    BTN_flt(110, 510, &v.part_psi[en], 4, 1, 1, T(990));
    BTN_flt(260, 510, &v.part_the[en], 4, 1, 1, T(991));
    BTN_flt(410, 510, &v.part_phi[en], 4, 1, 1, T(992));
    BTN_display_number(360, 660, BODY_volume(en, sdim, rdim), 6, 1, T(993));
    for (int i = 0; i < group_n; i++) {
        const int src = group_first + i;
        if (src == en) continue;
        std::string label = T(971);
        label += " ";
        label += std::to_string(i + 1);
        if (BTN_action(90 + 60.0f * i, 480, 0, 1, label.c_str())) {
            copy_body(src, en);
            v.part_eq[en] = v.part_eq[src];
        }
    }
    plot_plane_2D(740, 470, 1010, mnw.win_dy - 10 - g_tab_dy, 0);
}

static void body_window(int en, int sdim, int rdim, int group_first, int group_n)
{
    body_settings(en, sdim, rdim, group_first, group_n);
    BODY_update(en, sdim, rdim);
}

void APP_fuselage_window(void) { body_window(44, 20, 18, -1, 0); }
void APP_misc_body_window(void) { body_window(45 + intlim(set.bodyW_tab, 0, 7), 12, 18, 45, 8); }
void APP_nacelle_window(void) { body_window(53 + intlim(set.naceW_tab, 0, 7), 12, 18, 53, 8); }
void APP_fairing_window(void) { body_window(61 + intlim(set.fairW_tab, 0, 5), 8, 10, 61, 6); }
