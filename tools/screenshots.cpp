// screenshots.cpp -- pictures of the real screens for a person to look at: the start screen, the
// main screen, an open menu, an editor window and every widget. Run under a display:
//     xvfb-run -a -s "-screen 0 1280x1024x24" build/screenshots [folder [language]]
// The pictures go to the folder (the build folder when none is given); a language number (1
// French ... 6 Portuguese) shoots every screen in that language, for its translator.
#include "tests/support/ww_test.h"
#include "tests/support/tex_files.h"
#include "tests/support/ww_full_acf.h"
#include "shell/Hl_MNW.h"
#include "draw/HL_GRAPH.h"
#include "draw/art_layout.h"
#include "editor/HL_BTN.h"
#include "editor/APPLICATION.h"
#include "draw/io_obj.h"
#include "base/records.h"
#include "model/acf_struct.h"
#include "model/set_struct.h"
#include "base/common.h"
#include "draw/HL_DRPLANE.h"
#include "draw/ren_struct.h"
#include "tests/support/ww_full_acf.h"
#include "model/IO_AFL.h"
#include "base/hl_string.h"
#include "model/IO_ACF.h"
#include "editor/pln_panel.h"
#include "editor/instruments.h"
#include "base/MACIBM_keys.h"
#include <SDL_keycode.h>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

static std::vector<unsigned char> s_px(1024 * 768 * 4);
static std::string s_folder;
static int s_failed;
static int s_lang;

static void grab(void) { OGL_read_pixels(0, 0, 1024, 768, s_px.data()); }

static void save(const char* name)
{
    tex_png p;
    p.w = 1024;
    p.h = 768;
    p.gamma = 0;
    for (int y = 767; y >= 0; y--)   // GL rows run upwards
        p.samples.insert(p.samples.end(), s_px.begin() + y * 1024 * 4, s_px.begin() + (y + 1) * 1024 * 4);
    const std::string path = s_folder + name;
    if (!tex_write_png(path, p)) {
        fprintf(stderr, "could not write %s\n", path.c_str());
        s_failed = 1;
    } else {
        printf("%s\n", path.c_str());
    }
}

static void frame_at(double t)
{
    g_fake_time = t;
    MACIBM_event_proc();
}

// The start-up panel over the start picture, with text and numbers in every face.
static void start_screen(void)
{
    MACIBM_startwind(-1, "screenshot");
    OGL_2d_projection();
    OGL_plot_background();
    BTN_frame2(15, 10, 31, 310, 206, "");
    OGL_string(45, 22, 215, "Wing-Wright, the aircraft designer of Skyvane", 280, 100);
    OGL_string(57, 22, 65, "Loading bitmap interface.png. The quick brown fox jumps over the lazy dog 0123456789", 280, 100);
    OGL_number(40, 400, 300, 1234.5f, 6, 2, 102);
    OGL_number(40, 400, 280, -56.78f, 5, 2, 101);
    BTN_frame1(4, 512, 15, 1008, 45);
    BTN_frame1(5, 8 + 504 * 0.4f, 15, 1008 * 0.4f, 45);
    grab();
    save("screenshot-start.png");
}

// Every widget once, in an editor window.
static void all_widgets(void)
{
    static float f1 = 12.5f, f2 = -3;
    static int b1 = 1, b2 = 0, radio = 2, sel = 1, tab = 1, idx = 4;
    static char code[5] = "N1Z-";
    static std::string name = "Skyhawk", file = "c172.acf", path = "/c172.acf";
    BTN_fillwin(1, 1);
    BTN_tab(0, 0, &tab, "wings");
    BTN_tab(1, 0, &tab, "bodies");
    BTN_tab(2, 0, &tab, "engines");
    BTN_flt(150, 600, &f1, 4, 1, 0, "fuel intro time|(sec){ help");
    BTN_flt(150, 550, &f2, 3, 0, 1, "-ground attitude|(deg)");
    BTN_display_number(150, 500, 123.4f, 5, 1, "weight|lb");
    BTN_bool(150, 450, &b1, "retracts|left", 0);
    BTN_bool(150, 420, &b2, "steers", 0);
    BTN_is_int(300, 450, &radio, 1, "one");
    BTN_is_int(300, 420, &radio, 2, "two");
    BTN_action(200, 370, 0, 0, "Cancel");
    BTN_action(300, 370, 1, 0, "Pressed");
    BTN_textlist(200, 320, &sel, "none-left-right", "side|of gear");
    BTN_chars(150, 270, code, 4, "code");
    BTN_enterstring(150, 220, &name, 20, 1, "name");
    BTN_select_file(150, 170, &file, &path, 4, 998, "file|(acf)");
    BTN_icon(500, 600, ART_ICON_SHOW_PANEL_OFF.s, ART_ICON_SHOW_PANEL_OFF.t, ART_ICON_SHOW_PANEL_ON.s,
             ART_ICON_SHOW_PANEL_ON.t, 9, 9, 45, 1, "panel");
    float x2, y2;
    BTN_subwin(0, 13, 600, 300, 300, 200, "sub-panel", &x2, &y2);
    BTN_vert_slider(950, 100, 500, 0, 10, &idx);
}

// The cockpit object a new aircraft shows, seen from behind the seat and above, in a 3-D view
// of its own (GL's clear reached through the shell's lookup).
static void cockpit_object(void)
{
    typedef void (*clear_fn)(unsigned mask);
    typedef void (*clear_color_fn)(float r, float g, float b, float a);
    const clear_fn clear = (clear_fn)MACIBM_sys_gl_proc("glClear");
    const clear_color_fn clear_color = (clear_color_fn)MACIBM_sys_gl_proc("glClearColor");
    const int M = build_obs(0, 0, 0, 0, acf_path + "Untitled_cockpit.obj", 106, 13);
    if (M < 0 || !clear || !clear_color) {
        fprintf(stderr, "no sample cockpit object\n");
        s_failed = 1;
        return;
    }
    OGL_setstate(1, 0, 3, 4, 8, 10);
    clear_color(0.32f, 0.4f, 0.52f, 1);
    clear(0x4000 | 0x0100);
    OGL_viewport(3, -1, -1, 1, 1, 0, 0, 1024, 768, 1, 1000, 1.5f);
    plot_build_obj(M, 0, 0, -0.5f, -10, -35, 25, 0, 0, 1, 0);
    OGL_2d_projection();
    grab();
    save("screenshot-cockpit-object.png");
}

// A new aircraft in the general and instrument limits windows and the main view; a few custom
// instruments are switched on so that the limits pages show their fields.
static void editor_windows(void)
{
    APPLICATION_handlemenu(300);
    for (int en : {0, 4, 13, 20}) veh[0].cus_rnd_use[en] = veh[0].cus_dig_use[en] = 1;
    veh[0].cus_non_lin[0] = 1;
    veh[0].num_thrustpoints = 2;
    veh[0].gear_retract = 1;
    struct shot { int win, tab; const char* name; };
    const shot shots[] = {{600, 0, "screenshot-general.png"}, {601, 0, "screenshot-limits-dials.png"},
                          {601, 1, "screenshot-limits-readouts.png"}, {0, 0, "screenshot-main-view.png"}};
    double t = 901;
    for (const shot& s : shots) {
        MACIBM_startwind(s.win, "screenshot");
        set.limsW_tab = s.tab;
        frame_at(t += 0.1);
        frame_at(t += 0.1);
        save(s.name);
    }
}

// The general window in every installed language, for a person to check that no label overflows
// its place; the interface goes back to English afterwards.
static void language_windows(void)
{
    static const char* const folders[7] = {"english", "french", "german", "italian", "spanish", "korean", "portugese"};
    double t = 930;
    for (int lang = 0; lang < 7; lang++) {
        if (!MACIBM_lang_installed(lang)) continue;
        MACIBM_setupforlang(lang);
        MACIBM_startwind(600, "screenshot");
        frame_at(t += 0.1);
        frame_at(t += 0.1);
        std::string name = "screenshot-general-";
        name += folders[lang];
        name += ".png";
        save(name.c_str());
    }
    MACIBM_setupforlang(s_lang);
}

// The aircraft in the main view: the new aircraft and the fully populated one from the four
// sides and a three-quarter view, in wire frame, and at night with its lights.
static void aircraft_views(void)
{
    APPLICATION_handlemenu(300);
    struct shot { int view; float psi, the; const char* name; };
    const shot views[] = {{1200, 0, 0, "top"}, {1202, 0, 0, "side"}, {1204, 0, 0, "front"}, {0, 225, -20, "three-quarter"}};
    double t = 950;
    MACIBM_startwind(0, "screenshot");
    set.move_cons = 0;
    for (int full = 0; full < 2; full++) {
        if (full) {
            ww_full_acf(0);
            load_plane_geo(1, 0, 0, 0);
        }
        for (const shot& v : views) {
            if (v.view) APPLICATION_handlemenu(v.view);
            else flt[0].psi = v.psi, flt[0].the = v.the, flt[0].phi = 0;
            ren.zoom_act = v.view ? 1.0f : 2.0f;       // the three-quarter view looks closer
            frame_at(t += 0.1);
            frame_at(t += 0.1);
            std::string name = std::string("screenshot-aircraft-") + (full ? "full-" : "new-") + v.name + ".png";
            save(name.c_str());
        }
    }
    ren.zoom_act = 1.5f;
    set.draw_wire = 1;
    frame_at(t += 0.1);
    frame_at(t += 0.1);
    save("screenshot-aircraft-full-wireframe.png");
    set.draw_wire = 0;
    set.lite_tex = 1;
    frame_at(t += 0.1);
    frame_at(t += 0.1);
    save("screenshot-aircraft-full-night.png");
    set.lite_tex = 0;
}

// Every page of the wing, control surface, airfoil and special controls windows with the fully
// populated aircraft, and the airfoils page with the mouse resting on a file name: the help
// box then plots that airfoil's curves.
static void wing_windows(void)
{
    ww_full_acf(0);
    struct page { int win, tabs; };
    double t = 1000;
    ww_mouse_to(2000, 2000);
    for (const page& p : {page{607, 7}, page{608, 8}, page{609, 2}, page{616, 1}, page{900, 3}, page{903, 1}})
        for (int tab = 0; tab < p.tabs; tab++) {
            MACIBM_startwind(p.win, "screenshot");
            if (const APP_tab_row* row = APP_tabs_of(p.win)) set.*(row->sel) = tab;
            frame_at(t += 0.1);
            frame_at(t += 0.1);
            std::string name = "screenshot-win";
            name += std::to_string(p.win);
            name += "-";
            name += std::to_string(tab);
            name += ".png";
            save(name.c_str());
        }
    load_foil_for_part(STR_of(veh[0].Rafl0[9]), 0, 9, 0, 0);
    MACIBM_startwind(900, "screenshot");
    set.foilW_tab = 1;
    frame_at(t += 0.1);
    ww_mouse_to(250, mnw.win_dy - 116 + 25);
    frame_at(t += 0.1);
    frame_at(t += 2);
    save("screenshot-win900-airfoil-curves.png");
}

// The engines, systems, vectoring and stability windows on the fully populated aircraft, every
// page with its conditional fields shown.
static void engine_windows(void)
{
    ww_full_acf(0);
    veh[0].lo_speed_is_position = 1;
    veh[0].custom_autopilot = 1;
    struct shot { int win, tab; const char* name; };
    const shot shots[] = {{604, 0, "screenshot-engines-data.png"}, {604, 1, "screenshot-engines-columns.png"},
                          {604, 2, "screenshot-engines-limits.png"}, {605, 0, "screenshot-systems.png"},
                          {902, 0, "screenshot-vectoring.png"}, {905, 0, "screenshot-stability.png"},
                          {905, 1, "screenshot-autopilot.png"}};
    double t = 1050;
    for (const shot& s : shots) {
        MACIBM_startwind(s.win, "screenshot");
        set.engnW_tab = set.astbW_tab = s.tab;
        frame_at(t += 0.1);
        frame_at(t += 0.1);
        save(s.name);
    }
}

// The body, gear and weight windows, every page, with every conditional field shown.
static void body_gear_weight_windows(void)
{
    veh_struct& v = veh[0];
    v.gear_door_typ[0] = v.gear_door_typ[6] = 1;
    v.jett_is_slung = v.manual_rad_gyr = 1;
    // A tapered main wing and three tanks, for the balance read-outs and the loading diagram.
    v.part_eq[9] = 1, v.Croot[9] = 6, v.Ctip[9] = 4, v.semilen_SEG[9] = 15, v.Zarm[9] = 10;
    v.cgZ = 11, v.cgZ_fwd = 10, v.cgZ_aft = 12.5f, v.m_empty = 2000, v.m_fuel_tot = 600, v.m_max = 3200;
    v.num_tanks = 3;
    const float rat[3] = {0.5f, 0.25f, 0.25f}, tank_z[3] = {10, 13, 13};
    for (int t = 0; t < 3; t++) v.tank_rat[t] = rat[t], v.tank_Z[t] = tank_z[t];
    struct shot { int win; int set_struct::*tab; int page, view; const char* name; };
    const shot shots[] = {{611, nullptr, 0, 0, "screenshot-fuselage.png"}, {611, nullptr, 0, 1, "screenshot-fuselage-plan.png"},
                          {611, nullptr, 0, 2, "screenshot-fuselage-ends.png"}, {612, &set_struct::bodyW_tab, 2, 0, "screenshot-misc-body.png"},
                          {613, &set_struct::naceW_tab, 0, 0, "screenshot-nacelle.png"}, {614, &set_struct::fairW_tab, 1, 0, "screenshot-fairing.png"},
                          {618, &set_struct::gearW_tab, 0, 0, "screenshot-gear-legs.png"}, {618, &set_struct::gearW_tab, 1, 0, "screenshot-gear-doors.png"},
                          {620, nullptr, 0, 0, "screenshot-weight.png"}};
    double t = 1100;
    for (const shot& s : shots) {
        MACIBM_startwind(s.win, "screenshot");
        if (s.tab) set.*s.tab = s.page;
        set.body_edit_view = s.view;
        frame_at(t += 0.1);
        frame_at(t += 0.1);
        save(s.name);
    }
    set.body_edit_view = 0;
}

// The full transport carrying the sample weapons under its wings, and the weapon builder on the
// sample missile, every page.
static void weapon_windows(void)
{
    ww_full_acf(0);
    veh_struct& v = veh[0];
    const char* names[4] = {"Bomb 500 lb.wpn", "Heat Seeker.wpn", "Drop Tank 300 gal.wpn", "Gun Pod.wpn"};
    for (int i = 0; i < 8; i++) {
        STR_put(v.wpn_name[i], names[i / 2]);
        IO_wpn(0, 0, i, names[i / 2], "", 0);
        v.wpn_att_prt[i] = i % 2;                  // wing1L, wing1R
        v.wpn_att_con[i] = i == 0 ? 1 : 0;
        v.x_wpn_att[i] = (i % 2 ? 1 : -1) * (8.0f + 3 * (i / 2));
        v.y_wpn_att[i] = v.Yarm[8] - 2.5f;         // under the main wing
        v.z_wpn_att[i] = v.Zarm[8] + 3;
    }
    load_plane_geo(1, 0, 0, 0);
    IO_wpn(0, 0, 24, "", wpn_path + "Heat Seeker.wpn", 1);
    STR_put(set.weapn_name, "Heat Seeker.wpn");
    struct shot { int win; int set_struct::*tab; int page; const char* name; };
    const shot shots[] = {{907, &set_struct::wdefW_tab, 0, "screenshot-weapon-attachment.png"},
                          {908, &set_struct::wbldW_tab, 0, "screenshot-weapon-builder.png"},
                          {908, &set_struct::wbldW_tab, 1, "screenshot-weapon-motor.png"},
                          {908, &set_struct::wbldW_tab, 2, "screenshot-weapon-seeker.png"},
                          {908, &set_struct::wbldW_tab, 3, "screenshot-weapon-body.png"}};
    double t = 1200;
    for (const shot& s : shots) {
        MACIBM_startwind(s.win, "screenshot");
        set.*s.tab = s.page;
        frame_at(t += 0.1);
        frame_at(t += 0.1);
        save(s.name);
    }
    MACIBM_startwind(0, "screenshot");
    flt[0].the = 0, flt[0].psi = 270, flt[0].phi = 0;   // from the side
    frame_at(t += 0.1);
    frame_at(t += 0.1);
    save("screenshot-weapons-attached.png");
    set.wpn_mod = 0;
}

// The default panel of a new aircraft in the panel window, then one instrument dragged next to
// its neighbour, caught before the release with the snap guides drawn, and the ordinals Alt shows.
static void panel_window(void)
{
    MACIBM_load_instruments();
    APPLICATION_handlemenu(300);
    set_default_instruments();
    glo_ins_sel.clear();
    MACIBM_startwind(602, "screenshot");
    set.show_editor = set.show_panel = 1;
    ins_type_glo = veh[0].ins_type[0];
    ww_mouse_to(2000, 2000);
    frame_at(1300.1);
    frame_at(1300.2);
    save("screenshot-panel.png");
    float l, b, r, t, l1, b1, r1, t1;
    if (!calc_instrument_position(0, &l, &b, &r, &t) || !calc_instrument_position(1, &l1, &b1, &r1, &t1)) return;
    ww_mouse_to((l1 + r1) / 2, (b1 + t1) / 2);
    ww_mouse_button(1);
    frame_at(1300.3);
    ww_mouse_to((l1 + r1) / 2 + (r + 3 - l1), (b1 + t1) / 2 + (b + t) / 2 - (b1 + t1) / 2 + 2);
    frame_at(1300.4);
    save("screenshot-panel-drag.png");
    ww_mouse_button(0);
    frame_at(1300.5);
    ww_key_event(1, SDLK_LALT, MACIBM_MOD_ALT);
    frame_at(1300.6);
    save("screenshot-panel-ordinals.png");
    ww_key_event(0, SDLK_LALT, 0);
    frame_at(1300.7);
    MACIBM_startwind(0, "screenshot");
}

int main(int argc, char** argv)
{
    s_folder = argc > 1 ? std::string(argv[1]) + "/" : std::string(WW_AERODECK_DIR) + "../";
    ww_start_program();
    s_lang = argc > 2 ? atoi(argv[2]) : 0;
    MACIBM_setupforlang(s_lang);
    start_screen();

    g_test_before_swap = grab;
    MACIBM_startwind(0, "screenshot");
    frame_at(900.0);
    save("screenshot-main.png");
    // the first menu of the bar, opened by a click on its title
    ww_click_at(mnw.menux1[0] + 5, mnw.menuy1[0] + 5);
    frame_at(900.1);
    frame_at(900.2);
    save("screenshot-menu.png");
    mnw.menu_up = -1;
    MACIBM_startwind(605, "screenshot");
    frame_at(900.3);
    save("screenshot-window.png");
    MACIBM_startwind(607, "screenshot");
    g_test_frame_hook = all_widgets;
    ww_mouse_to(2000, 2000);
    frame_at(900.4);
    frame_at(900.5);
    save("screenshot-widgets.png");
    g_test_frame_hook = nullptr;
    editor_windows();
    language_windows();
    aircraft_views();
    wing_windows();
    engine_windows();
    body_gear_weight_windows();
    weapon_windows();
    panel_window();
    g_test_before_swap = nullptr;
    cockpit_object();
    MACIBM_finishup(0);
    return s_failed;
}
