// PLN_MAIN.cpp -- the editor's commands: what each menu item and key does, the save prompts that
// stand before anything that would discard work, and the batch re-save.
#include "editor/PLN_MAIN.h"
#include "editor/hl_undo.h"
#include "base/records.h"
#include "base/alert.h"
#include "base/HL_MATH_FUN.h"
#include "base/common.h"
#include "base/MACIBM_keys.h"
#include "base/IO_UTILS.h"
#include "base/IO_LIST.h"
#include "model/IO_ACF.h"
#include "model/OLD_IO_acf.h"
#include "model/acf_defaults.h"
#include "model/IO_AFL.h"
#include "editor/win_body.h"
#include "editor/win_weapons.h"
#include "draw/HL_DRPLANE.h"
#include "draw/io_obj.h"
#include "editor/instruments.h"
#include "editor/pln_panel.h"
#include "base/hl_string.h"
#include "base/IO_TYPED.h"
#include "model/acf_struct.h"
#include "model/set_struct.h"
#include "geometry/PLN_PROCS.h"
#include "draw/ren_struct.h"
#include <cmath>
#include <cstring>
#include <memory>
#include <string>

//=== unsaved work ===========================================================================
int check_wpn_save(void)
{
    if (!set.wpn_mod) return 1;
    switch (MACIBM_nuke_alert(set.weapn_name, 1)) {
    // Only a weapon that is really saved may be let go: a failed save keeps the designer here.
    case 1: return WPN_save(0) ? 1 : 0;
    case 2: return 1;
    default: return 0;
    }
}

//=== reading and saving the aircraft ========================================================
// Reynolds numbers of a root or tip pair that are practically equal mean the pair was never
// given; they become the 0 and 99.9 million that bracket every flight condition.
static void spread_reynolds(float* re)
{
    if (std::abs(re[0] - re[1]) < 0.01f) {
        re[0] = 0.0f;
        re[1] = 99.9f;
    }
}

// The cockpit object is the file named like the aircraft with "_cockpit.obj" in place of the
// extension. A new aircraft's path names no folder yet: its object is looked for in the Aircraft
// folder, where its first save goes and where the installation keeps the one new aircraft show.
static std::string cockpit_object_path(const veh_struct& v)
{
    std::string path = STR_of(v.path);
    nuke_ext(&path);
    if (path.find_first_of(":/\\") == std::string::npos) path = acf_path + path;
    path += "_cockpit.obj";
    return path;
}

void ACF_after_read(int p, int is_batch)
{
    if (p < 0 || p >= ACF_RECORDS) return;
    veh_struct& v = veh[p];
    IO_afl_open_begin();
    for (int part = 0; part < ACF_FOIL_PARTS; part++) {
        if (!have_this_part(p, part, 6)) continue;
        load_foil_for_part(STR_of(v.Rafl0[part]), p, part, 0, 0);
        load_foil_for_part(STR_of(v.Rafl1[part]), p, part, 0, 1);
        load_foil_for_part(STR_of(v.Tafl0[part]), p, part, 1, 0);
        load_foil_for_part(STR_of(v.Tafl1[part]), p, part, 1, 1);
        spread_reynolds(v.afl[part].re_num[0]);
        spread_reynolds(v.afl[part].re_num[1]);
    }
    IO_afl_open_end();
    v.cockpit_M = build_obs(0, 0, 0, 0, cockpit_object_path(v), 106, 13);
    ACF_autoset(p);
    ACF_check(p, is_batch);
}

// A new aircraft (drawn at once, its paint and textures loaded by its set-up) with the cockpit
// object a read would give it.
static void new_aircraft(void)
{
    setup_base_acf();
    veh[0].cockpit_M = build_obs(0, 0, 0, 0, cockpit_object_path(veh[0]), 106, 13);
}

int read_acf(int is_manual_sel, int is_batch_up)
{
    veh_struct& v = veh[0];
    if (!IO_acf(0, 0, is_batch_up)) {
        if (!is_manual_sel) {
            // A cleared record must never keep the path of a file it could not read: the next
            // Save would write an empty aircraft over the designer's file.
            new_aircraft();
        } else {
            const std::string path = STR_of(v.path);
            MACIBM_alert(0, "I could not open this airplane!", "Perhaps it is an old version?", IO_host_path(path).c_str(), "", 16);
        }
        return 0;
    }
    ACF_after_read(0, is_batch_up);

    setup_base_panel();
    ACF_load_instrument_textures(0);
    for (int i = 0; i < ACF_WPN_POINTS; i++)
        if (v.wpn_name[i][0]) IO_wpn(0, 0, i, STR_of(v.wpn_name[i]), "", 0);
    load_plane_geo(1, 0, 0, 0);
    set.acf_mod = 0;
    return 1;
}

// The batch re-save runs unattended: its saves report into "Error.out" instead of an alert.
static int s_in_batch;

// An aircraft is named once its path lies in the program's folder, where every aircraft of the
// installation lives; a new aircraft ("Untitled.acf") or a path from elsewhere is not, and is
// saved through the save dialog, which starts in the Aircraft folder.
static int has_a_home(const veh_struct& v)
{
    const std::string path = STR_of(v.path);
    return !app_path.empty() && path.size() > app_path.size() &&
           lo_case_strcmp_len(path.c_str(), app_path.c_str(), (int)app_path.size()) == 0;
}

int write_acf(int is_manual)
{
    veh_struct& v = veh[0];
    if (!has_a_home(v) && !s_in_batch) is_manual = 1;
    if (is_manual) {
        std::string name = STR_of(v.name), path = STR_of(v.path);
        if (!dialog_opensave(MNW_WIN_SAVE, 4, &name, &path)) return 0;
        if (!STR_put(v.path, path)) {
            MACIBM_alert(0, "I could not save the file! Its path is too long.", IO_host_path(path).c_str(),
                         "Choose a shorter name or a folder nearer the top.", "", 16);
            return 0;
        }
        STR_put(v.name, name.size() < sizeof v.name ? name : name.substr(0, sizeof v.name - 1));
    }
    std::string path = STR_of(v.path);
    IO_acf_save_name(&path);
    if (!STR_put(v.path, path)) {
        MACIBM_alert(0, "I could not save the file! Its path is too long.", IO_host_path(path).c_str(),
                     "Choose a shorter name or a folder nearer the top.", "", 16);
        return 0;
    }
    return IO_acf(1, 0, s_in_batch);
}

int check_acf_save(void)
{
    if (!set.acf_mod) return 1;
    const std::string name = STR_of(veh[0].name);
    switch (MACIBM_nuke_alert(name.c_str(), 1)) {
    case 1: return write_acf(0) ? 1 : 0;
    case 2: return 1;
    default: return 0;
    }
}

int ACF_save_command(int save_as)
{
    int ok = write_acf(save_as ? 1 : 0);
    set.acf_mod = ok ? 0 : 1;
    return ok;
}

// New, Open, Quit and the batch replace the aircraft and the weapon being worked on.
static int may_discard_work(void) { return check_acf_save() && check_wpn_save(); }

//=== file commands ==========================================================================
int ACF_open(const std::string& name, const std::string& path)
{
    veh_struct& v = veh[0];
    if (name.size() >= sizeof v.name || path.size() >= sizeof v.path) {
        MACIBM_alert(0, "I could not open this airplane! Its path is too long.", IO_host_path(path).c_str(),
                     "Move it to a folder nearer the top.", "", 16);
        return 0;
    }
    // A file that does not open leaves the designer exactly where they were, as if the open had
    // been cancelled after its alert: the aircraft, its locks and its unsaved flag.
    std::unique_ptr<veh_struct> before(new veh_struct(v));
    std::unique_ptr<char[]> locks(new char[sizeof set.body_locked]);
    memcpy(locks.get(), set.body_locked, sizeof set.body_locked);
    const int mod_before = set.acf_mod;

    STR_put(v.name, name);
    STR_put(v.path, path);
    memset(set.body_locked, 0, sizeof set.body_locked);   // the locks belonged to the old aircraft's points
    if (read_acf(1, 0)) return 1;
    v = *before;
    memcpy(set.body_locked, locks.get(), sizeof set.body_locked);
    set.acf_mod = mod_before;
    return 0;
}

static void open_aircraft(void)
{
    std::string name = STR_of(veh[0].name), path = STR_of(veh[0].path);
    if (dialog_opensave(MNW_WIN_OPEN, 4, &name, &path)) ACF_open(name, path);
}

//=== view commands ==========================================================================
// The body windows show a flat drawing of their own, panned and zoomed apart from the 3-D view.
static int body_window_up(void)
{
    int w = mnw.top_win;
    return (w >= 611 && w <= 614) || w == 908;
}

static void set_view(float the, float psi, float phi)
{
    flt[0].the = the;
    flt[0].psi = psi;
    flt[0].phi = phi;
    flt[0].dob_x = flt[0].dob_y = 0;
}

// dx, dy: the direction of the move (+1, -1 or 0); fine: the small step.
static void pan(int dx, int dy, int fine)
{
    if (body_window_up()) {
        float step = fine ? 1.0f : 10.0f;
        set.fuse_osx -= dx * step;
        set.fuse_osy += dy * step;
        return;
    }
    // The step follows the viewing distance, so a move looks the same at every zoom.
    double step = (fine ? 0.001 : 0.01) * flt[0].dob_z;
    flt[0].dob_x += dx * step;
    flt[0].dob_y -= dy * step;
}

static void zoom(float factor)
{
    if (body_window_up()) set.fuse_zoom = fltlim(set.fuse_zoom * factor, 1, 100);
    else ren.zoom_act *= factor;
}

static void turntable(int code, float turn)
{
    set.rotate_code = code;
    set.rotate = 0;
    set.rotate_max = turn;
}

//=== smoothing ==============================================================================
// A group of bodies: all of them, or, with the group's window open, only the one on its tab.
static void smooth_group(int first, int count, int window, int tab, int full)
{
    if (mnw.top_win == window) {
        smoothit_main(first + intlim(tab, 0, count - 1), full, 0);   // the tab may come from damaged preferences
        return;
    }
    for (int en = first; en < first + count; en++) smoothit_main(en, full, 0);
}

static void smooth(int code)
{
    int full = code >= 1506;
    switch (full ? code - 6 : code) {
    case 1500: smoothit_main(44, full, 0); break;
    case 1501: smooth_group(53, 8, 613, set.naceW_tab, full); break;
    case 1502: smooth_group(45, 8, 612, set.bodyW_tab, full); break;
    case 1503: smooth_group(61, 6, 614, set.fairW_tab, full); break;
    case 1504: smoothit_main(24, full, 1); break;
    }
}

//=== the dispatcher =========================================================================
static int is_window_command(int code) { return (code >= 600 && code <= 620) || (code >= 900 && code <= 908); }

void APPLICATION_handlemenu(int code)
{
    if (is_window_command(code)) {
        // Undo steps refer to the window they were made in; none may cross into another.
        UNDO_PurgeUndo();
        if (code == 900) wrk_path = afl_path;
        MACIBM_startwind(code, "from APPLICATION_handlemenu");
    }
    switch (code) {
    case 0: MACIBM_alert(0, "", "", "", "", 15); break;
    case 300:
        if (may_discard_work()) new_aircraft();
        break;
    case 301:
        if (may_discard_work()) open_aircraft();
        break;
    case 302: ACF_save_command(0); break;
    case 303: ACF_save_command(1); break;
    case WPN_CMD_NEW: case WPN_CMD_OPEN: case WPN_CMD_SAVE: case WPN_CMD_SAVE_AS: WPN_menu_command(code); break;
    case 305:
        if (may_discard_work()) {
            g_done = 1;
            return;
        }
        break;

    case 1200: set_view(0, 270, -90); break;
    case 1201: set_view(0, 270, 90); break;
    case 1202: set_view(0, 270, 0); break;
    case 1203: set_view(0, 180, 0); break;
    case 1204: set_view(0, 0, 0); break;
    case 1206: flt[0].psi = fltwrap(flt[0].psi + 10, 0, 360); break;
    case 1207: flt[0].psi = fltwrap(flt[0].psi - 10, 0, 360); break;
    case 1208: flt[0].phi = fltwrap(flt[0].phi + 10, 0, 360); break;
    case 1209: flt[0].phi = fltwrap(flt[0].phi - 10, 0, 360); break;
    case 1211: pan(1, 0, 0); break;
    case 1212: pan(-1, 0, 0); break;
    case 1213: pan(0, 1, 0); break;
    case 1214: pan(0, -1, 0); break;
    case 1216: pan(1, 0, 1); break;
    case 1217: pan(-1, 0, 1); break;
    case 1218: pan(0, 1, 1); break;
    case 1219: pan(0, -1, 1); break;
    case 1221: zoom(1.05f); break;
    case 1222: zoom(1 / 1.05f); break;
    case 1224: zoom(1.005f); break;
    case 1225: zoom(1 / 1.005f); break;
    case 1227: turntable(1227, 405); break;
    case 1228: turntable(1228, 765); break;

    case 1500: case 1501: case 1502: case 1503: case 1504:
    case 1506: case 1507: case 1508: case 1509: case 1510: smooth(code); break;

    case 1512: set.move_cons = !set.move_cons; break;
    case 1513: set.draw_wire = !set.draw_wire; break;
    case 1514: set.lite_tex = !set.lite_tex; break;
    case 1516:
        load_plane_geo(1, 0, 0, 0);
        set.draw_wire = 0;   // the reloaded textures are what the designer wants to see
        break;
    case 1517:
        MACIBM_alert(0,
                     "I shall now create a bitmap in the same folder as this airplane which will contain outlines of the various parts of this airplane.",
                     "You can use these outlines as a nice starting point for the paint job for your airplane. Edit this bitmap in any graphics program!",
                     "The name of the bitmap will be 'aircraft_name_paint.bmp', which Skyvane will use for the paint scheme for the airplane.",
                     "Just remember, if you change the aircraft geometry, then you will need to change your textures to fit the new shape of the plane!",
                     16);
        load_plane_geo(0, 1, 0, 0);
        break;
    case 1518:
        MACIBM_alert(0, "I shall now touch up the aircraft textures for this aircraft.",
                     "I will put the control-surface lines on your existing textures at the perfect places!",
                     "I will trim the edges of your current airplane textures perfectly, too.",
                     "Re-do this whenever you change your aircraft geometry or control-surface locations or sizes!", 16);
        load_plane_geo(0, 0, 1, 0);
        break;
    case 1520:
        MACIBM_alert(0, "OK I shall now look inside your 'Aircraft' in the same directory as this program.",
                     "I shall then open and then resave every single plane in that folder or any folders within that folder, saving it in the latest file format.",
                     "This will update your recent 6.x aircraft to the new 7.x format.",
                     "This new format is the format that all airplanes are automatically saved in whenever you do save them.",
                     16);
        // Every aircraft the batch opens replaces the one being edited.
        if (may_discard_work()) batch_update();
        break;
    }
    update_plane_specs();
    load_plane_geo(0, 0, 0, 0);
}

//=== keys ===================================================================================
static int command_of_char(int c)
{
    switch (c) {
    case '=': return 1221;
    case '+': return 1224;
    case '-': return 1222;
    case '_': return 1225;
    case ' ': return mnw.top_win == MNW_WIN_OPEN || mnw.top_win == MNW_WIN_SAVE ? -1 : 1513;
    case 'r': case 'R': return 1516;
    case 'a': case 'A': return 1206;
    case 'd': case 'D': return 1207;
    case 'w': case 'W': return 1208;
    case 's': case 'S': return 1209;
    default: return -1;
    }
}

static int command_of_special(int key)
{
    switch (key) {
    case MACIBM_KEY_UP: return 1213;
    case MACIBM_KEY_LEFT: return 1211;
    case MACIBM_KEY_DOWN: return 1214;
    case MACIBM_KEY_RIGHT: return 1212;
    case MACIBM_KEY_SHIFT_UP: return 1218;
    case MACIBM_KEY_SHIFT_LEFT: return 1216;
    case MACIBM_KEY_SHIFT_DOWN: return 1219;
    case MACIBM_KEY_SHIFT_RIGHT: return 1217;
    default: return -1;
    }
}

// F1..F5: the light smoothing passes, F6..F10 the full ones, in the same order of bodies.
static int command_of_fkey(int n)
{
    if (n >= MACIBM_FKEY_F1 && n < MACIBM_FKEY_F1 + 5) return 1500 + (n - MACIBM_FKEY_F1);
    if (n >= MACIBM_FKEY_F1 + 5 && n <= MACIBM_FKEY_F10) return 1506 + (n - MACIBM_FKEY_F1 - 5);
    return -1;
}

void APPLICATION_handlekey(int mode, int key)
{
    if (mnw.top_win == 602) {
        PANEL_handlekey(mode, key);
        return;
    }
    int command = -1;
    if (mode == MACIBM_KMODE_FKEY) command = command_of_fkey(key);
    else if (mode == MACIBM_KMODE_SPECIAL) command = command_of_special(key);
    else if (mode == MACIBM_KMODE_CHAR || mode == MACIBM_KMODE_CTRL) {
        if (MNW_editor_window(mnw.top_win) && (key == 'z' || key == 'Z')) {
            UNDO_Undo();
            return;
        }
        if (MNW_editor_window(mnw.top_win) && (key == 'y' || key == 'Y')) {
            UNDO_Redo();
            return;
        }
        command = command_of_char(key);
    }
    if (command >= 0) APPLICATION_handlemenu(command);
}

//=== batch re-save ==========================================================================
// A folder tree deeper than this is taken for a loop of links, not a tree of aircraft.
static const int BATCH_MAX_DEPTH = 64;
static int s_batch_depth;

// What the batch did, for its summary line.
static struct { int resaved, unreadable, unsaved; } s_batch;

// Lines a person can act on: the host path, pasteable into a shell.
static void batch_log(const char* what, const std::string& path)
{
    if (!xer) return;
    fprintf(xer, "Batch re-save: %s %s\n", what, IO_host_path(path).c_str());
    fflush(xer);
}

// A file, of this or an older version, that holds less than a whole aircraft would read as a
// partly empty one; saving that over it would lose what the file still holds.
static int image_incomplete(const std::string& path)
{
    std::string host = path;
    set_dir_chars(&host);
    XMappedFile file(host.c_str(), nullptr);
    if (!file.ok()) return 0;
    const int version = IO_bin_header_version(file.begin(), file.size());
    const long need = version == 740 ? (long)ACF_IMAGE_BYTES : OLD_acf_image_bytes(version);
    return need > 0 && file.size() < 5 + need;
}

int ACF_batch_read(const std::string& name, const std::string& path, int for_editor)
{
    veh_struct& v = veh[0];
    if (name.size() >= sizeof v.name || path.size() >= sizeof v.path || image_incomplete(path)) return 0;
    STR_put(v.name, name);
    STR_put(v.path, path);
    // The record is read first on its own: a file that does not read must not be saved, because
    // what would be saved is an empty aircraft in its place.
    if (!IO_acf_read_any(0)) {
        STR_put(v.name, name);
        STR_put(v.path, path);
        setup_base_acf();
        return 0;
    }
    if (for_editor) read_acf(1, 1);
    else ACF_after_read(0, 1);
    for (int g = 67; g <= 72; g++) v.gearstatdef[g] = 0;
    return 1;
}

static void resave_one(const std::string& name, const std::string& path)
{
    if (!ACF_batch_read(name, path, 1)) {
        batch_log("could not read, left as it was:", path);
        s_batch.unreadable++;
        return;
    }
    // The designer sees each aircraft go by.
    for (int f = 0; f < 100 && !g_done; f++) MACIBM_event_proc();
    if (write_acf(0)) s_batch.resaved++;
    else s_batch.unsaved++;   // IO_acf logged the path and the reason
}

void handle_level(std::string* folder)
{
    if (!folder || s_batch_depth >= BATCH_MAX_DEPTH) return;
    s_batch_depth++;
    const std::string here = !folder->empty() && is_a_dir_char(folder->back()) ? *folder : *folder + ":";
    for (int i = 0; !g_done; i++) {
        // The listing is shared: a subfolder's listing, and every save, replace it.
        wrk_path = here;
        if (i >= opensave_getitems(4)) break;
        const std::string name = g_file[i], path = g_path[i];
        if (g_file_type[i] == 1) {
            std::string sub = is_a_dir_char(path.back()) ? path : path + ":";
            handle_level(&sub);
        } else if (g_file_type[i] == 4) {
            resave_one(name, path);
        }
    }
    s_batch_depth--;
}

void batch_update(void)
{
    const std::string designer_folder = wrk_path;   // where the file dialog was left
    std::string folder = app_path + "Aircraft:";
    s_batch = {};
    s_in_batch = 1;
    ACF_check_new_batch();
    handle_level(&folder);
    s_in_batch = 0;
    wrk_path = designer_folder;
    if (xer) {
        fprintf(xer, "Batch re-save: %d re-saved, %d unreadable, %d failed to save\n", s_batch.resaved,
                s_batch.unreadable, s_batch.unsaved);
        fflush(xer);
    }
}
