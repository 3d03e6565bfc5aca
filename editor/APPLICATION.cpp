// APPLICATION.cpp -- the editor's screen function, called by the frame loop: the frame all
// windows share (modified flags, tab strip, background, the recompute) and the window bodies by
// window code.
#include "base/records.h"
#include "base/HL_MATH_FUN.h"
#include "base/common.h"
#include "editor/APPLICATION.h"
#include "editor/win_general.h"
#include "editor/win_wings.h"
#include "editor/win_engines.h"
#include "editor/win_stability.h"
#include "editor/win_body.h"
#include "editor/win_gear.h"
#include "editor/win_weapons.h"
#include "editor/hl_undo.h"
#include "editor/pln_panel.h"
#include "draw/HL_GRAPH.h"
#include "draw/HL_DRPLANE.h"
#include "editor/HL_BTN.h"
#include "geometry/PLN_PROCS.h"
#include "geometry/PLN_DEFL.h"
#include "model/acf_struct.h"
#include "model/set_struct.h"

void (*g_test_frame_hook)(void);
float g_tab_dy;

const char* APP_text(int n) { return n >= 0 && n < STL_NUM_TEXT ? stl.text[n] : ""; }

//=== tabs ===================================================================================
static const APP_tab_row s_tabs[] = {
    {601, &set_struct::limsW_tab, {700, 701, -1}},
    {604, &set_struct::engnW_tab, {702, 703, 704, -1}},
    {607, &set_struct::wingW_tab, {705, 706, 707, 708, 709, 710, 711, -1}},
    {608, &set_struct::addiW_tab, {712, 713, 714, 715, 716, 717, 718, 719}},
    {609, &set_struct::pylnW_tab, {720, 721, -1}},
    {612, &set_struct::bodyW_tab, {722, 723, 724, 725, 726, 727, 728, 729}},
    {613, &set_struct::naceW_tab, {730, 731, 732, 733, 734, 735, 736, 737}},
    {614, &set_struct::fairW_tab, {423, 457, 460, 463, 501, 502, -1}},
    {618, &set_struct::gearW_tab, {738, 739, -1}},
    {900, &set_struct::foilW_tab, {740, 741, 742, -1}},
    {905, &set_struct::astbW_tab, {349, 504, -1}},
    {907, &set_struct::wdefW_tab, {743, 744, -1}},
    {908, &set_struct::wbldW_tab, {745, 746, 747, 748, -1}},
};

const APP_tab_row* APP_tabs_of(int win)
{
    for (const APP_tab_row& r : s_tabs)
        if (r.win == win) return &r;
    return nullptr;
}

int APP_tab_count(const APP_tab_row* row)
{
    int n = 0;
    while (row && n < APP_MAX_TABS && row->label[n] >= 0) n++;
    return n;
}

// The tab strip of the open window. A selection from a damaged preferences file is put back on
// the first tab before any page uses it. A click on any tab, the selected one too,
// forgets the undo history: no undo step crosses a page change.
static void tab_strip(const APP_tab_row* row)
{
    if (!row) return;
    int& sel = set.*(row->sel);
    const int n = APP_tab_count(row);
    if (sel < 0 || sel >= n) sel = 0;               // a page that does not exist shows the first
    for (int i = 0; i < n; i++)
        if (BTN_tab(i, 0, &sel, APP_text(row->label[i]))) UNDO_PurgeUndo();
}

//=== the frame ==============================================================================
// Everything derived from the design, every frame and whatever window is up: no edit asks for
// it, so the next frame always shows the consequence of every change.
void APP_recompute(void)
{
    flt[0].swdi_rat = 0;
    update_def_angles(0);
    load_plane_geo(0, 0, 0, 0);
    update_plane_specs();
}

static void window_body(int win)
{
    switch (win) {
    case 600: APP_general_window(); break;
    case 601: APP_limits_window(); break;
    case 602: PANEL_update(); break;
    case 607: case 608: case 609: APP_lifting_window(win); break;
    case 616: APP_controls_window(); break;
    case 900: APP_foils_window(); break;
    case 903: APP_special_window(); break;
    case 604: APP_engines_window(); break;
    case 605: APP_systems_window(); break;
    case 902: APP_vectoring_window(); break;
    case 905: APP_stability_window(); break;
    case 611: APP_fuselage_window(); break;
    case 612: APP_misc_body_window(); break;
    case 613: APP_nacelle_window(); break;
    case 614: APP_fairing_window(); break;
    case 618: APP_gear_window(); break;
    case 620: APP_weight_window(); break;
    case 907: APP_weapon_attach_window(); break;
    case 908: APP_weapon_builder_window(); break;
    }
}

void APPLICATION_update(void)
{
    const int win = mnw.top_win;
    // Any click in an editor window counts as a change, whether or not it moved a value.
    if (mnw.mouse_clicked) {
        if (win == 908) set.wpn_mod = 1;
        else if (win != MNW_WIN_MAIN) set.acf_mod = 1;
    }
    const APP_tab_row* tabs = APP_tabs_of(win);

    OGL_plot_background();
    if (win == 602 || win == MNW_WIN_MAIN || !tabs) {
        BTN_fillwin(1, 19);
        g_tab_dy = 0;
    } else {
        BTN_fillwin(1, 1);
        g_tab_dy = 34;
    }
    tab_strip(tabs);
    window_body(win);
    APP_recompute();
    if (win == MNW_WIN_MAIN) APP_main_view();
    if (g_test_frame_hook) g_test_frame_hook();
}
