// pln_panel.cpp -- the panel editor (window 602). The instruments live in veh[0]'s 300 slots;
// this file keeps only the selection, the drags under way, the view and the snap targets.
#include "editor/pln_panel.h"
#include "editor/hl_undo.h"
#include "editor/HL_BTN.h"
#include "editor/APPLICATION.h"
#include "editor/ins_catalogue.h"
#include "editor/instruments.h"
#include "base/MACIBM_keys.h"
#include "base/HL_MATH_FUN.h"
#include "base/IO_LIST.h"
#include "base/alert.h"
#include "base/common.h"
#include "base/records.h"
#include "base/hl_string.h"
#include <strings.h>
#include "draw/HL_GRAPH.h"
#include "draw/HL_DRPLANE.h"
#include "draw/OGL_layer.h"
#include "draw/art_layout.h"
#include "draw/ren_struct.h"
#include "model/acf_struct.h"
#include "model/set_struct.h"
#include "model/IO_ACF.h"
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <map>
#include <utility>

std::set<int> glo_ins_sel;
float panel_scroll_zoom = 1, panel_scroll_dx, panel_scroll_dy;
float screen_l, screen_b, screen_r, screen_t;
int ins_type_glo = -1;
int panel_keep_still = 1;
int ins_list_loc;
std::string ins_ref_path, ins_wrk_path;

static std::set<int> orig_sel;
static int sel_osx[ACF_INSTRUMENTS], sel_osy[ACF_INSTRUMENTS];
static float sel_x, sel_y, mar_x, mar_y;
static int mar_shift, int_osx, int_osy;
static int sel_dragging, mar_dragging, int_dragging;
static std::string s_listed;                // the folder the shared listing holds for the box

// A snap target: its extent across the guide and its kind.
typedef std::pair<std::pair<float, float>, int> lock_target;
static std::map<float, lock_target> gLockH, gLockV;
static std::vector<pnl_lockresult> s_guides_x, s_guides_y;
static std::vector<float> s_still_key, s_key;   // what the kept still part shows (empty: none), this frame's
static int s_kept_drawn;                    // this frame drew the kept still part back

// The box's measures: its width, the height the preview may reach, the title bar.
static const float BOX_DX = 332, BOX_DY = 266, BOX_TOP = 312;

void PANEL_reset(void)
{
    glo_ins_sel.clear();
    orig_sel.clear();
    panel_scroll_zoom = 1;
    panel_scroll_dx = panel_scroll_dy = 0;
    screen_l = screen_b = screen_r = screen_t = 0;
    ins_type_glo = -1;
    panel_keep_still = 1;
    ins_list_loc = 0;
    ins_ref_path.clear();
    ins_wrk_path.clear();
    s_listed.clear();
    sel_dragging = mar_dragging = int_dragging = 0;
    sel_x = sel_y = mar_x = mar_y = 0;
    mar_shift = int_osx = int_osy = 0;
    gLockH.clear();
    gLockV.clear();
    s_guides_x.clear();
    s_guides_y.clear();
    s_still_key.clear();
    s_kept_drawn = 0;
}

//=== modifier keys ==========================================================================
static int has_optionkey(void) { return (MACIBM_keys_held() & MACIBM_MOD_ALT) != 0; }
static int has_shiftkey(void) { return (MACIBM_keys_held() & MACIBM_MOD_SHIFT) != 0; }
static int has_capslock(void) { return (MACIBM_keys_held() & MACIBM_MOD_CAPS) != 0; }

//=== the view ===============================================================================
static float SCREEN_WIDTH(void) { return screen_r - screen_l; }
static float SCREEN_HEIGHT(void) { return screen_t - screen_b; }
static float HSCREEN_WIDTH(void) { return SCREEN_WIDTH() * 0.5f; }
static float HSCREEN_HEIGHT(void) { return SCREEN_HEIGHT() * 0.5f; }

float PANEL_TO_SCREEN_X(float x) { return (x - HSCREEN_WIDTH()) * panel_scroll_zoom - panel_scroll_dx + screen_l + HSCREEN_WIDTH(); }
float PANEL_TO_SCREEN_Y(float y) { return (y - HSCREEN_HEIGHT()) * panel_scroll_zoom - panel_scroll_dy + screen_b + HSCREEN_HEIGHT(); }
float SCREEN_TO_PANEL_X(float x) { return HSCREEN_WIDTH() + (x - HSCREEN_WIDTH() + panel_scroll_dx - screen_l) / panel_scroll_zoom; }
float SCREEN_TO_PANEL_Y(float y) { return HSCREEN_HEIGHT() + (y - HSCREEN_HEIGHT() + panel_scroll_dy - screen_b) / panel_scroll_zoom; }

float BIG_PANEL_CHANGE(void) { return std::max(ren.tex_dy_vis[REN_TEX_PANEL] - 768.0f, 0.0f); }

static int type_ok(int type) { return type >= 0 && type < INS_NUM_TYPES; }
static int occupied(int i) { return type_ok(veh[0].ins_type[i]); }
static float vis_dx(int type) { return type_ok(type) ? ren.tex_dx_vis[INS_TEX_BASE + type] : 0; }
static float vis_dy(int type) { return type_ok(type) ? ren.tex_dy_vis[INS_TEX_BASE + type] : 0; }
// A size from a damaged file is drawn within the range the editor allows.
static float size_of(int i) { return fltlim(veh[0].ins_size[i], 0.25f, 4); }
// A position no screen can show (not a number, or beyond any panel by far) is never drawn.
static int place_ok(float x, float y) { return std::fabs(x) < 1e6f && std::fabs(y) < 1e6f; }

// The screen rectangle an instrument of this type and size has with its centre at (x, y).
static void rect_at(int type, float s, float x, float y, float* l, float* b, float* r, float* t)
{
    const float B = BIG_PANEL_CHANGE(), dx = vis_dx(type) * s, dy = vis_dy(type) * s;
    const float pl = (float)intround(x - dx * 0.5f), pb = (float)intround(y + B - dy * 0.5f);
    const float pr = (float)intround(dx + pl), pt = (float)intround(dy + pb);
    *l = (float)intround(PANEL_TO_SCREEN_X(pl));
    *b = (float)intround(PANEL_TO_SCREEN_Y(pb));
    *r = (float)intround(PANEL_TO_SCREEN_X(pr));
    *t = (float)intround(PANEL_TO_SCREEN_Y(pt));
}

int calc_instrument_position(int i, float* l, float* b, float* r, float* t)
{
    if (i < 0 || i >= ACF_INSTRUMENTS || !occupied(i)) return 0;
    const veh_struct& v = veh[0];
    if (!place_ok(v.ins_x[i], v.ins_y[i])) return 0;
    rect_at(v.ins_type[i], size_of(i), v.ins_x[i], v.ins_y[i], l, b, r, t);
    return 1;
}

void do_panel_constrain(void)
{
    const float right = PANEL_TO_SCREEN_X(1024), left = PANEL_TO_SCREEN_X(0);
    if (right < screen_r) panel_scroll_dx -= screen_r - right;
    else if (left > screen_l) panel_scroll_dx += left - screen_l;
    const float top = PANEL_TO_SCREEN_Y(std::max(768.0f, ren.tex_dy_tot[REN_TEX_PANEL])), bottom = PANEL_TO_SCREEN_Y(0);
    if (top < screen_t) panel_scroll_dy -= screen_t - top;
    else if (bottom > screen_b) panel_scroll_dy += bottom - screen_b;
}

void do_panel_zoom(float min, float factor, float max, float mx, float my)
{
    const float px = SCREEN_TO_PANEL_X(mx), py = SCREEN_TO_PANEL_Y(my);
    panel_scroll_zoom = fltlim(panel_scroll_zoom * factor, min, max);
    // The scroll that puts the panel point back under the screen point.
    panel_scroll_dx = (px - HSCREEN_WIDTH()) * panel_scroll_zoom + screen_l + HSCREEN_WIDTH() - mx;
    panel_scroll_dy = (py - HSCREEN_HEIGHT()) * panel_scroll_zoom + screen_b + HSCREEN_HEIGHT() - my;
    do_panel_constrain();
}

//=== slots ==================================================================================
int count_free_slots(void)
{
    int n = 0;
    for (int i = 0; i < ACF_INSTRUMENTS; i++) n += veh[0].ins_type[i] == -1;
    return n;
}

int allocate_instrument(int type)
{
    for (int i = 0; i < ACF_INSTRUMENTS; i++)
        if (veh[0].ins_type[i] == -1) {
            veh[0].ins_type[i] = type;
            return i;
        }
    return -1;
}

int is_showing(int) { return 1; }

void nudge_insts(float dx, float dy)
{
    UNDO_Command cmd("Nudge instruments.");
    for (int i : glo_ins_sel) {
        veh[0].ins_x[i] += dx;
        veh[0].ins_y[i] += dy;
    }
    cmd.Commit();
}

void move_inst_order(int step)
{
    if (glo_ins_sel.size() != 1) return;
    const int a = *glo_ins_sel.begin(), b = a + step;
    if (a < 0 || a >= ACF_INSTRUMENTS || b < 0 || b >= ACF_INSTRUMENTS) return;
    UNDO_Command cmd("Change instrument order.");
    veh_struct& v = veh[0];
    std::swap(v.ins_type[a], v.ins_type[b]);
    std::swap(v.ins_size[a], v.ins_size[b]);
    std::swap(v.ins_x[a], v.ins_x[b]);
    std::swap(v.ins_y[a], v.ins_y[b]);
    glo_ins_sel = {b};
    cmd.Commit();
}

//=== snapping ===============================================================================
void LOCK_clear(void)
{
    gLockH.clear();
    gLockV.clear();
}

void LOCK_add(float l, float b, float r, float t)
{
    gLockH.emplace(l, lock_target({b, t}, 1));
    gLockH.emplace((l + r) * 0.5f, lock_target({b, t}, 2));
    gLockH.emplace(r, lock_target({b, t}, 3));
    gLockV.emplace(b, lock_target({l, r}, 1));
    gLockV.emplace((b + t) * 0.5f, lock_target({l, r}, 2));
    gLockV.emplace(t, lock_target({l, r}, 3));
}

int LOCK_match(int a, int b) { return a == b || (a != 2 && b != 2); }

// One axis: the three features of the moving rectangle against the keys within the snap window.
static void align_axis(const std::map<float, lock_target>& keys, const float feature[3], float centre, float* d,
                       std::vector<pnl_lockresult>* result, float* best)
{
    for (int f = 0; f < 3; f++) {
        const float v = (float)intround(feature[f]);
        for (auto k = keys.lower_bound(v - 5); k != keys.end() && k->first < v + 5; ++k) {
            if (!LOCK_match(f + 1, k->second.second)) continue;
            const float dist = std::fabs(k->first - v);
            if (dist < *best) {
                *best = dist;
                result->clear();
                *d = k->first - v;
            }
            if (dist == *best)
                result->push_back({k->second.first.first, k->second.first.second, centre, k->first, k->second.second});
        }
    }
}

void LOCK_align(float l, float b, float r, float t, float* dx, float* dy, std::vector<pnl_lockresult>* xResult,
                std::vector<pnl_lockresult>* yResult, float* bestH, float* bestV)
{
    const float h[3] = {l, (l + r) * 0.5f, r}, v[3] = {b, (b + t) * 0.5f, t};
    align_axis(gLockH, h, (b + t) * 0.5f, dx, xResult, bestH);
    align_axis(gLockV, v, (l + r) * 0.5f, dy, yResult, bestV);
}

const std::vector<pnl_lockresult>& PANEL_guides_x(void) { return s_guides_x; }
const std::vector<pnl_lockresult>& PANEL_guides_y(void) { return s_guides_y; }

//=== keys ===================================================================================
static void delete_selection(void)
{
    UNDO_Command cmd("Delete Instruments");
    for (int i : glo_ins_sel) veh[0].ins_type[i] = -1;
    glo_ins_sel.clear();
    cmd.Commit();
}

static void select_all(void)
{
    UNDO_Command cmd("Total Selection");
    for (int i = 0; i < ACF_INSTRUMENTS; i++)
        if (occupied(i)) glo_ins_sel.insert(i);
    cmd.Commit();
}

static void char_key(int key)
{
    const float z = panel_scroll_zoom;
    switch (key) {
    case 8: case 46: delete_selection(); break;
    case 'd': case 'D': glo_ins_sel.clear(); break;
    case 'a': case 'A': select_all(); break;
    case 'w': panel_scroll_dy += z * 10; break;
    case 's': panel_scroll_dy -= z * 10; break;
    case 'W': panel_scroll_dy += z * 20; break;
    case 'S': panel_scroll_dy -= z * 20; break;
    case 'e': panel_scroll_dx += z * 10; break;
    case 'q': panel_scroll_dx -= z * 10; break;
    case 'E': panel_scroll_dx += z * 20; break;
    case 'Q': panel_scroll_dx -= z * 20; break;
    case '-': do_panel_zoom(1, 0.5f, 8, mnw.mx, mnw.my); break;
    case '=': do_panel_zoom(1, 2, 8, mnw.mx, mnw.my); break;
    case 'z': case 'Z': UNDO_Undo(); break;
    case 'y': case 'Y': UNDO_Redo(); break;
    case '[': move_inst_order(-1); break;
    case ']': move_inst_order(1); break;
    }
    do_panel_constrain();
}

void PANEL_handlekey(int mode, int key)
{
    if (mode == MACIBM_KMODE_CHAR || mode == MACIBM_KMODE_CTRL) {
        char_key(key);
        return;
    }
    if (mode != MACIBM_KMODE_SPECIAL) return;
    switch (key) {
    case MACIBM_KEY_UP: nudge_insts(0, 1); break;
    case MACIBM_KEY_LEFT: nudge_insts(-1, 0); break;
    case MACIBM_KEY_DOWN: nudge_insts(0, -1); break;
    case MACIBM_KEY_RIGHT: nudge_insts(1, 0); break;
    case MACIBM_KEY_SHIFT_UP: nudge_insts(0, 10); break;
    case MACIBM_KEY_SHIFT_LEFT: nudge_insts(-10, 0); break;
    case MACIBM_KEY_SHIFT_DOWN: nudge_insts(0, -10); break;
    case MACIBM_KEY_SHIFT_RIGHT: nudge_insts(10, 0); break;
    }
}

//=== the editor box's catalogue list ========================================================
static int inside(float x1, float y1, float x2, float y2) { return mnw.mx >= x1 && mnw.mx <= x2 && mnw.my >= y1 && mnw.my <= y2; }

// The file name of a catalogue path, without its folders and ending.
static std::string bare_name(const std::string& path)
{
    const size_t colon = path.find_last_of(":\\/");
    std::string name = colon == std::string::npos ? path : path.substr(colon + 1);
    const size_t dot = name.rfind('.');
    if (dot != std::string::npos) name.resize(dot);
    return name;
}

// The box lists the browsed folder into the shared listing; other listings (the file dialog)
// replace it, so it is made again whenever it is not the browsed folder's.
static void list_folder(void)
{
    const bool ours = s_listed == ins_wrk_path &&
                      (g_file_count == 0 || g_path[0].compare(0, ins_wrk_path.size(), ins_wrk_path) == 0);
    if (ours) return;
    const std::string keep = wrk_path;
    wrk_path = ins_wrk_path;
    opensave_getitems(19);
    wrk_path = keep;
    s_listed = ins_wrk_path;
}

static int type_of_name(const std::string& name)
{
    for (int k = 0; k < INS_NUM_TYPES; k++)
        if (strcasecmp(bare_name(INS_catalogue[k]).c_str(), name.c_str()) == 0) return k;
    return 0;
}

// The list moves to the bitmap of type: its folder, and the row that names it.
static void show_in_list(int type)
{
    if (!type_ok(type)) return;
    const std::string path = INS_catalogue[type];            // "cockpit:...:name.png"
    const size_t colon = path.find_last_of(':');
    ins_wrk_path = ins_ref_path + path.substr(8, colon + 1 - 8);
    list_folder();
    const std::string name = bare_name(path);
    for (int i = 0; i < g_file_count; i++)
        if (strcasecmp(bare_name(g_file[i]).c_str(), name.c_str()) == 0) ins_list_loc = i;
}

//=== the frame ==============================================================================
static float box_x(void) { return set.interface_x; }
static float box_y(void) { return set.interface_y; }
static int on_box(void)
{
    const float X = box_x(), Y = box_y();
    const int on_bar = inside(X + 9, Y + 256, X + 341, Y + BOX_TOP);
    const int on_frame = set.show_editor && inside(X - vis_dx(ins_type_glo), Y, X + BOX_DX, Y + BOX_DY);
    return on_bar || on_frame;
}

static void begin_selection_drag(void)
{
    sel_dragging = 1;
    sel_x = mnw.mx;
    sel_y = mnw.my;
}

static void grip_offsets(void)
{
    const float px = SCREEN_TO_PANEL_X(mnw.mx), py = SCREEN_TO_PANEL_Y(mnw.my);
    for (int i : glo_ins_sel) {
        sel_osx[i] = intround(px - veh[0].ins_x[i]);
        sel_osy[i] = intround(py - veh[0].ins_y[i]);
    }
}

static void too_many_alert(int line)
{
    __MACIBM_alert(602, "You have too many instruments on this panel to create a new one.",
                   "Delete an instrument before creating new ones.", "", "", 16, "pln_panel", line);
}

// A press on the preview makes an instrument of the chosen type under the mouse.
static void create_by_click(void)
{
    if (!mnw.mouse_clicked || sel_dragging || int_dragging || !set.show_editor || !type_ok(ins_type_glo)) return;
    const float dx = vis_dx(ins_type_glo), dy = vis_dy(ins_type_glo);
    const float l = (float)intround(box_x() + 10 - dx), b = (float)intround(box_y() + 133 - 0.5f * dy);
    if (!inside(l, b, l + dx, b + dy)) return;
    if (count_free_slots() == 0) {
        too_many_alert(1043);
        return;
    }
    UNDO_BeginCommand("Create instrument.");
    const int i = allocate_instrument(ins_type_glo);
    const float B = BIG_PANEL_CHANGE();
    veh_struct& v = veh[0];
    v.ins_size[i] = 1;
    v.ins_x[i] = SCREEN_TO_PANEL_X(mnw.mx);
    v.ins_y[i] = SCREEN_TO_PANEL_Y(mnw.my) - B;
    glo_ins_sel = {i};
    sel_osx[i] = 0;
    sel_osy[i] = intround(B);
    begin_selection_drag();
}

// The selection follows the mouse and snaps, as a group, to the still instruments.
static void selection_drag(void)
{
    s_guides_x.clear();
    s_guides_y.clear();
    if (!sel_dragging || !mnw.now_dragging) return;
    veh_struct& v = veh[0];
    const int snapping = !has_capslock();
    if (snapping) {
        LOCK_clear();
        float l, b, r, t;
        for (int i = 0; i < ACF_INSTRUMENTS; i++)
            if (!glo_ins_sel.count(i) && calc_instrument_position(i, &l, &b, &r, &t)) LOCK_add(l, b, r, t);
    }
    float mx = (float)intround(mnw.mx), my = (float)intround(mnw.my);
    if (has_shiftkey()) {
        if (std::fabs(my - sel_y) >= std::fabs(mx - sel_x)) mx = sel_x;
        else my = sel_y;
    }
    const float px = SCREEN_TO_PANEL_X(mx), py = SCREEN_TO_PANEL_Y(my);
    float dx = 0, dy = 0, bestH = 9999, bestV = 9999;
    for (int i : glo_ins_sel) {
        v.ins_x[i] = px - sel_osx[i];
        v.ins_y[i] = py - sel_osy[i];
        if (!snapping || !type_ok(v.ins_type[i])) continue;
        float l, b, r, t;
        rect_at(v.ins_type[i], size_of(i), v.ins_x[i], v.ins_y[i], &l, &b, &r, &t);
        LOCK_align(l, b, r, t, &dx, &dy, &s_guides_x, &s_guides_y, &bestH, &bestV);
    }
    // The offsets are screen pixels; the positions are panel pixels.
    for (int i : glo_ins_sel) {
        v.ins_x[i] += dx / panel_scroll_zoom;
        v.ins_y[i] += dy / panel_scroll_zoom;
    }
}

// The marquee selects what it meets; with Shift it toggles against the earlier selection.
static void marquee_drag(void)
{
    if (!mar_dragging || !mnw.now_dragging) return;
    const float x1 = std::min(mar_x, mnw.mx), x2 = std::max(mar_x, mnw.mx);
    const float y1 = std::min(mar_y, mnw.my), y2 = std::max(mar_y, mnw.my);
    std::set<int> met;
    float l, b, r, t;
    for (int i = 0; i < ACF_INSTRUMENTS; i++)
        if (calc_instrument_position(i, &l, &b, &r, &t) && l <= x2 && r >= x1 && b <= y2 && t >= y1) met.insert(i);
    if (!mar_shift) {
        glo_ins_sel = met;
        return;
    }
    glo_ins_sel = orig_sel;
    for (int i : met)
        if (!glo_ins_sel.erase(i)) glo_ins_sel.insert(i);
}

// A drag ends; an instrument dropped off the panel is gone.
static void release(void)
{
    if (!mnw.mouse_lifted) return;
    if (sel_dragging) {
        const float B = BIG_PANEL_CHANGE();
        veh_struct& v = veh[0];
        for (auto it = glo_ins_sel.begin(); it != glo_ins_sel.end();) {
            const float x = v.ins_x[*it], y = v.ins_y[*it];
            if (!(x >= 1 && x <= 1023 && y >= 1 - B && y <= 1023 - B)) {
                v.ins_type[*it] = -1;
                it = glo_ins_sel.erase(it);
            } else
                ++it;
        }
        UNDO_CompleteCommand();
    }
    if (mar_dragging) UNDO_CompleteCommand();
    sel_dragging = mar_dragging = int_dragging = 0;
}

// The panel picture's screen rectangle; 0 when it is hidden or not loaded.
static int picture_rect(float* l, float* b, float* r, float* t)
{
    const float dx = ren.tex_dx_vis[REN_TEX_PANEL], dy = ren.tex_dy_vis[REN_TEX_PANEL];
    if (!set.show_panel || dx <= 0 || dy <= 0 || ren.tex_dy_tot[REN_TEX_PANEL] <= 0) return 0;
    *l = PANEL_TO_SCREEN_X(0);
    *r = PANEL_TO_SCREEN_X(1024);
    *b = PANEL_TO_SCREEN_Y(0);
    *t = PANEL_TO_SCREEN_Y(dy);
    return 1;
}

static void draw_panel_picture(void)
{
    float l, b, r, t;
    if (!picture_rect(&l, &b, &r, &t)) return;
    const float tt = ren.tex_dy_vis[REN_TEX_PANEL] / ren.tex_dy_tot[REN_TEX_PANEL];
    OGL_2dquad(REN_TEX_PANEL, 0, 1, l, b, 0, 0, l, t, 0, tt, r, t, 1, tt, r, b, 1, 0, 1, 0);
}

// Alt with a hit duplicates the selection; the copies are dragged, the originals stay.
static void duplicate_selection(void)
{
    if ((int)glo_ins_sel.size() > count_free_slots()) {
        too_many_alert(1261);
        return;
    }
    veh_struct& v = veh[0];
    std::set<int> copies;
    for (int i : glo_ins_sel) {
        const int c = allocate_instrument(v.ins_type[i]);
        if (c < 0) {
            __MACIBM_alert(602, "Preflighting slot count failed.", "", "", "", 17, "pln_panel", 1267);
            return;
        }
        v.ins_x[c] = v.ins_x[i];
        v.ins_y[c] = v.ins_y[i];
        v.ins_size[c] = v.ins_size[i];
        copies.insert(c);
    }
    glo_ins_sel = copies;
    grip_offsets();
}

// A press on an instrument selects it and starts dragging; elsewhere a marquee.
static void hit_test(void)
{
    if (!mnw.mouse_clicked || !inside(screen_l, screen_b, screen_r, screen_t) || on_box()) return;
    int hit = -1;
    float l, b, r, t;
    for (int i = ACF_INSTRUMENTS - 1; i >= 0 && hit < 0; i--)
        if (calc_instrument_position(i, &l, &b, &r, &t) && inside(l, b, r, t)) hit = i;
    const int shift = has_shiftkey();
    if (hit < 0) {
        UNDO_BeginCommand("Marquee Select");
        mar_x = mnw.mx;
        mar_y = mnw.my;
        orig_sel = glo_ins_sel;
        mar_shift = shift;
        mar_dragging = 1;
        if (!shift) {
            sel_dragging = 0;
            glo_ins_sel.clear();
        }
        return;
    }
    if (shift && glo_ins_sel.count(hit)) {
        UNDO_Command cmd("Deselect");
        glo_ins_sel.erase(hit);
        cmd.Commit();
        return;
    }
    if (!shift) {
        if (!sel_dragging) UNDO_BeginCommand("Select");
        if (!glo_ins_sel.count(hit)) glo_ins_sel = {hit};
    } else {
        if (!sel_dragging && !mar_dragging) UNDO_BeginCommand("Toggle Select");
        glo_ins_sel.insert(hit);
    }
    begin_selection_drag();
    ins_type_glo = veh[0].ins_type[hit];
    grip_offsets();
    if (has_optionkey()) duplicate_selection();
    show_in_list(ins_type_glo);
}

// The HUD keeps its place on the panel while its centre is on the screen.
static void place_hud(void)
{
    veh_struct& v = veh[0];
    float l, b, r, t;
    if (!std::isfinite(v.HUD_ctr_x) || !std::isfinite(v.HUD_ctr_y[0])) return;
    for (int i = 0; i < ACF_INSTRUMENTS; i++) {
        if (v.ins_type[i] != 554 || !calc_instrument_position(i, &l, &b, &r, &t)) continue;
        const float cx = (l + r) * 0.5f, cy = (b + t) * 0.5f;
        if (cx >= screen_l && cx <= screen_r && cy >= screen_b && cy <= screen_t) {
            v.ins_x[i] = v.HUD_ctr_x;
            v.ins_y[i] = v.HUD_ctr_y[0];
        }
    }
}

// One instrument, blended so that round gauges show through their corners, tinted when selected.
static void draw_instrument(int i, float l, float b, float r, float t)
{
    const int tex = INS_TEX_BASE + veh[0].ins_type[i];
    const float ds = ren.tex_dx_tot[tex] > 0 ? ren.tex_dx_vis[tex] / ren.tex_dx_tot[tex] : 0;
    const float dt = ren.tex_dy_tot[tex] > 0 ? ren.tex_dy_vis[tex] / ren.tex_dy_tot[tex] : 0;
    OGL_2dquad(tex, glo_ins_sel.count(i) ? 71 : 0, 1, l, b, 0, 0, l, t, 0, dt, r, t, ds, dt, r, b, ds, 0, 1, 7);
}

// The instruments in slot order that meet the rectangle (all: an empty one), the selected ones
// left out when still_only.
static void draw_instruments(float cl, float cb, float cr, float ct, int still_only)
{
    float l, b, r, t;
    const bool all = cl >= cr;
    for (int i = 0; i < ACF_INSTRUMENTS; i++) {
        if (!calc_instrument_position(i, &l, &b, &r, &t) || (still_only && glo_ins_sel.count(i))) continue;
        if (all || (l <= cr && r >= cl && b <= ct && t >= cb)) draw_instrument(i, l, b, r, t);
    }
}

// The picture and the instruments that are not selected seldom change from one frame to the
// next, least of all while the selection is dragged over them: they are drawn once, kept, and
// drawn back each frame, and only where a selected instrument lies is the panel drawn anew,
// picture and every instrument there in slot order, so every pixel is the one a whole redraw
// gives (the selected ones pulse, so they are always drawn). What the copy shows is decided by
// its key; any texture upload discards it.
static void still_key(std::vector<float>* key)
{
    key->assign({screen_l, screen_b, screen_r, screen_t, panel_scroll_zoom, panel_scroll_dx, panel_scroll_dy,
                 mnw.win_x, mnw.win_y, mnw.x_off, mnw.xy_scale, ren.tex_dx_vis[REN_TEX_PANEL], ren.tex_dy_vis[REN_TEX_PANEL],
                 ren.tex_dy_tot[REN_TEX_PANEL], col_rgb[0][0], col_rgb[0][1], col_rgb[0][2], r_manual_lighting,
                 g_manual_lighting, b_manual_lighting});
    float l, b, r, t;
    for (int i = 0; i < ACF_INSTRUMENTS; i++)
        if (!glo_ins_sel.count(i) && calc_instrument_position(i, &l, &b, &r, &t))
            key->insert(key->end(), {(float)i, (float)veh[0].ins_type[i], l, b, r, t});
}

static void draw_panel(void)
{
    place_hud();
    s_kept_drawn = 0;
    float pl = 0, pb = 0, pr = 0, pt = 0;
    const int opaque = picture_rect(&pl, &pb, &pr, &pt) && pl <= screen_l && pr >= screen_r && pb <= screen_b && pt >= screen_t;
    // A large selection would redraw most of the panel once per selected instrument: drawn whole.
    if (!panel_keep_still || glo_ins_sel.size() > 16 || !opaque) {
        s_still_key.clear();
        draw_panel_picture();
        draw_instruments(0, 0, 0, 0, 0);
        return;
    }
    still_key(&s_key);
    if (s_key == s_still_key && OGL_layer_draw()) s_kept_drawn = 1;
    else {
        s_still_key.clear();
        draw_panel_picture();
        draw_instruments(0, 0, 0, 0, 1);
        if (OGL_layer_save(screen_l, screen_b, screen_r - screen_l, screen_t - screen_b)) s_still_key = s_key;
    }
    float l, b, r, t;
    for (int i : glo_ins_sel) {
        if (!calc_instrument_position(i, &l, &b, &r, &t)) continue;
        l = std::max(l, screen_l), b = std::max(b, screen_b), r = std::min(r, screen_r), t = std::min(t, screen_t);
        if (l >= r || b >= t) continue;
        OGL_scissors(l, b, r - l, t - b);
        draw_panel_picture();
        draw_instruments(l, b, r, t, 0);
    }
    OGL_scissors(screen_l, screen_b, screen_r - screen_l, screen_t - screen_b);
}

int PANEL_still_kept(void) { return s_kept_drawn; }

// With Alt, each instrument's ordinal among those of its type.
static void draw_ordinals(void)
{
    if (!has_optionkey()) return;
    int ordinal[INS_NUM_TYPES] = {};
    float l, b, r, t;
    for (int i = 0; i < ACF_INSTRUMENTS; i++) {
        if (!calc_instrument_position(i, &l, &b, &r, &t)) continue;
        const float n = (float)++ordinal[veh[0].ins_type[i]], cx = (l + r) * 0.5f, cy = (b + t) * 0.5f;
        char text[16];
        snprintf(text, sizeof text, "%1.0f", n);
        const float w = str_dx(text) + 6;
        OGL_fillrect(8, 0.8f, cx - w * 0.5f, cy - 7, w, 14);
        OGL_string(13, cx - w * 0.5f + 3, cy - 3, text, 9999, 100);
    }
}

// The guides of this frame and the marquee.
static void draw_guides(void)
{
    static const int colour[4] = {13, 13, 16, 1};
    for (const pnl_lockresult& g : s_guides_x)
        OGL_line(colour[intlim(g.type, 0, 3)], 1, g.pos, std::min(g.min, g.val), g.pos, std::max(g.max, g.val));
    for (const pnl_lockresult& g : s_guides_y)
        OGL_line(colour[intlim(g.type, 0, 3)], 1, std::min(g.min, g.val), g.pos, std::max(g.max, g.val), g.pos);
    if (mar_dragging) OGL_fillrect(63, 0.5f, mar_x, mar_y, mnw.mx - mar_x, mnw.my - mar_y);
}

static const char* T(int n) { return APP_text(n); }

// The panel of another aircraft file, read into record 1, becomes this aircraft's.
static void import_panel(void)
{
    std::string file, path;
    if (!dialog_opensave(998, 4, &file, &path)) return;
    veh_struct& src = veh[1];
    if (!STR_put(src.name, file) || !STR_put(src.path, path)) return;
    if (!IO_acf(0, 1, 0)) return;
    veh_struct& v = veh[0];
    UNDO_Command cmd("Undo Import.");
    v.has_HOOPS_HUD = src.has_HOOPS_HUD;
    v.asi_is_kts = src.asi_is_kts;
    v.cockpit_type = src.cockpit_type;
    v.yawstring_x = src.yawstring_x;
    v.yawstring_y = src.yawstring_y;
    v.HUD_ctr_x = src.HUD_ctr_x;
    v.HUD_ctr_y[0] = src.HUD_ctr_y[0];
    v.HUD_del_x = src.HUD_del_x;
    v.HUD_del_y = src.HUD_del_y;
#define COPY(f) std::memcpy(v.f, src.f, sizeof v.f)
    COPY(ins_type); COPY(ins_size); COPY(ins_x); COPY(ins_y);
    COPY(cus_rnd_use); COPY(cus_rnd_lo_val); COPY(cus_rnd_hi_val); COPY(cus_rnd_lo_ang); COPY(cus_rnd_hi_ang);
    COPY(cus_rnd_mirror); COPY(cus_rnd_label); COPY(cus_dig_use); COPY(cus_dig_offset); COPY(cus_dig_scale);
    COPY(cus_dig_dig); COPY(cus_dig_dec); COPY(cus_non_lin); COPY(cus_doub_val);
#undef COPY
    glo_ins_sel.clear();
    cmd.Commit();
    MACIBM_startwind(602, "panel imported");
}

// The one instrument's size and place; colours 39 and 43 trade places for them.
static int one_instrument_fields(float X, float Y, int i)
{
    veh_struct& v = veh[0];
    std::swap(col_rgb[39], col_rgb[43]);
    int edit = 0;
    edit |= BTN_flt_range_undo(X + 59, Y + 284, &v.ins_size[i], 3, 2, 0.25f, 4, T(34), "Nudge or Resize Instrument");
    edit |= BTN_flt_undo(X + 124, Y + 284, &v.ins_x[i], 4, 0, 1, T(35), "Nudge or Resize Instrument");
    edit |= BTN_flt_undo(X + 184, Y + 284, &v.ins_y[i], 4, 0, 1, T(36), "Nudge or Resize Instrument");
    std::swap(col_rgb[39], col_rgb[43]);
    if (edit) UNDO_CompleteCommand();
    return edit;
}

static int panel_buttons(float X, float Y)
{
    if (BTN_action(X + 150, Y + 287, 0, 0, T(289))) {
        set_default_instruments();
        glo_ins_sel.clear();
        return 1;
    }
    if (BTN_action(X + 200, Y + 287, 0, 0, T(320))) {
        import_panel();
        return 1;
    }
    return 0;
}

static void catalogue_list(float X, float Y)
{
    list_folder();
    if (!BTN_big_name_list(995, X + 20, Y + 133, &ins_list_loc, 0, g_file_count - 1)) return;
    if (!mnw.mouse_clicked || !inside(X + 20, Y + 23, X + 300, Y + 243)) return;
    const int i = ins_list_loc;
    if (i < 0 || i >= g_file_count) return;
    if (g_file_type[i] == 1) {
        ins_wrk_path = g_path[i];
        ins_list_loc = 0;
    } else
        ins_type_glo = type_of_name(bare_name(g_file[i]));
}

static void preview(float X, float Y)
{
    if (!type_ok(ins_type_glo)) return;
    const int tex = INS_TEX_BASE + ins_type_glo;
    const float dx = vis_dx(ins_type_glo), dy = vis_dy(ins_type_glo);
    const float l = (float)intround(X + 10 - dx), b = (float)intround(Y + 133 - 0.5f * dy);
    const float ds = ren.tex_dx_tot[tex] > 0 ? dx / ren.tex_dx_tot[tex] : 0;
    const float dt = ren.tex_dy_tot[tex] > 0 ? dy / ren.tex_dy_tot[tex] : 0;
    OGL_2dquad(tex, 0, 1, l, b, 0, 0, l, b + dy, 0, dt, l + dx, b + dy, ds, dt, l + dx, b, ds, 0, 1, 7);
}

static void go_up_one_folder(void)
{
    if (ins_wrk_path.size() <= ins_ref_path.size()) return;
    const size_t colon = ins_wrk_path.find_last_of(':', ins_wrk_path.size() - 2);
    if (colon == std::string::npos) return;
    ins_wrk_path.resize(colon + 1);
    ins_list_loc = 0;
}

// The floating editor box.
static void editor_box(void)
{
    const float X = box_x(), Y = box_y();
    if (set.show_editor) BTN_frame2(18, X - vis_dx(ins_type_glo), Y, vis_dx(ins_type_glo) + BOX_DX, BOX_DY, "");
    BTN_frame1(11, X + 175, Y + 284, BOX_DX, 45);
    int used = 0;
    if (glo_ins_sel.size() == 1 && *glo_ins_sel.begin() >= 0 && *glo_ins_sel.begin() < ACF_INSTRUMENTS)
        used = one_instrument_fields(X, Y, *glo_ins_sel.begin());
    else if (panel_buttons(X, Y))
        return;   // the box's world changed under it (a reset, or a new window after an import)
    if (BTN_icon(X + 266, Y + 287, ART_ICON_SHOW_PANEL_OFF.s, ART_ICON_SHOW_PANEL_OFF.t, ART_ICON_SHOW_PANEL_ON.s,
                 ART_ICON_SHOW_PANEL_ON.t, 9, 9, 0, set.show_panel, T(291))) {
        set.show_panel = !set.show_panel;
        used = 1;
    }
    const int below_root = ins_wrk_path.size() > ins_ref_path.size();
    if (BTN_icon(X + 286, Y + 287, ART_ICON_FOLDER_UP_OFF.s, ART_ICON_FOLDER_UP_OFF.t, ART_ICON_FOLDER_UP_ON.s,
                 ART_ICON_FOLDER_UP_ON.t, 9, 9, 0, below_root, T(323))) {
        go_up_one_folder();
        used = 1;
    }
    if (BTN_icon(X + 306, Y + 287, ART_ICON_MINIMIZE_OFF.s, ART_ICON_MINIMIZE_OFF.t, ART_ICON_MINIMIZE_ON.s,
                 ART_ICON_MINIMIZE_ON.t, 9, 9, 0, set.show_editor, T(997))) {
        set.show_editor = !set.show_editor;
        used = 1;
    }
    // A press on the title bar that no control of the bar took drags the box.
    if (!used && mnw.mouse_clicked && !sel_dragging && !mar_dragging && inside(X + 9, Y + 256, X + 341, Y + BOX_TOP)) {
        int_dragging = 1;
        int_osx = intround(mnw.mx - X);
        int_osy = intround(mnw.my - Y);
    }
    if (!set.show_editor) return;
    catalogue_list(X, Y);
    preview(X, Y);
}

static void limit_box(void)
{
    set.interface_x = fltlim(set.interface_x, vis_dx(ins_type_glo), (float)mnw.x_res_now - BOX_DX);
    set.interface_y = fltlim(set.interface_y, 0, (float)mnw.y_res_now - BOX_TOP);
}

void PANEL_update(void)
{
    screen_l = screen_b = 0;
    screen_r = (float)mnw.x_res_now;
    screen_t = (float)mnw.y_res_now;
    OGL_scissors(screen_l, screen_b, screen_r - screen_l, screen_t - screen_b);
    for (; mnw.mouse_wheel > 0; mnw.mouse_wheel--) do_panel_zoom(1, 2, 8, mnw.mx, mnw.my);
    for (; mnw.mouse_wheel < 0; mnw.mouse_wheel++) do_panel_zoom(1, 0.5f, 8, mnw.mx, mnw.my);
    if (ins_ref_path.empty()) ins_ref_path = ins_wrk_path = bmp_path + "cockpit:";
    if (int_dragging && mnw.now_dragging) {
        set.interface_x = mnw.mx - int_osx;
        set.interface_y = mnw.my - int_osy;
    }
    limit_box();

    create_by_click();
    selection_drag();
    marquee_drag();
    release();
    hit_test();
    if (mnw.mouse_lifted) release();   // pressed and let go within one frame: a click
    draw_panel();
    draw_ordinals();
    draw_guides();
    OGL_scissors_end();

    const int clicked = mnw.mouse_clicked, now = mnw.now_dragging, delay = mnw.delay_dragging;
    if (sel_dragging || mar_dragging || int_dragging) mnw.mouse_clicked = mnw.now_dragging = mnw.delay_dragging = 0;
    editor_box();
    mnw.mouse_clicked = clicked;
    mnw.now_dragging = now;
    mnw.delay_dragging = delay;
}
