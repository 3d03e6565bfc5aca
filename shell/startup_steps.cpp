// startup_steps.cpp -- the start-up and shutdown steps that reach into other modules, and the
// start-up progress panel. The order of start-up stays in one place (Hl_MNW.cpp).
#include "shell/Hl_MNW.h"
#include "base/MACIBM_keys.h"
#include "shell/IO_PRF.h"
#include "editor/HL_BTN.h"
#include "editor/PLN_MAIN.h"
#include "draw/HL_GRAPH.h"
#include "model/acf_struct.h"
#include "model/set_struct.h"
#include "model/IO_ACF.h"
#include "base/hl_string.h"
#include "base/IO_UTILS.h"
#include <cctype>
#include <climits>
#include <cstdlib>
#include <cstring>

void MACIBM_read_res_prefs(void) { handle_prefs(PRF_KIND_RES, PRF_READ, res_path); }
void MACIBM_read_editor_prefs(void)
{
    ren.zoom_act = 1.0f;
    set.fuse_zoom = 1.0f;
    set.fuse_osx = set.fuse_osy = 0;
    set.interface_x = 512;
    set.interface_y = 384;
    set.show_panel = set.show_editor = 1;
    handle_prefs(PRF_KIND_EDITOR, PRF_READ, gen_path);   // stored values replace the defaults above
    set.has_t_pln_fuse_top = set.has_t_pln_fuse_lft = set.has_t_pln_totl_any = 0;
    set.wpn_mod = 0;
}
void MACIBM_write_prefs(void)
{
    handle_prefs(PRF_KIND_RES, PRF_WRITE, res_path);
    handle_prefs(PRF_KIND_EDITOR, PRF_WRITE, gen_path);
}
// The first start has no preferences: the designer picks the interface language (kind 13), and
// the choice is kept in the resolution preferences at exit.
void MACIBM_choose_language(void) { MACIBM_alert(0, "", "", "", "", 13); }
void MACIBM_setup_text(void) { MACIBM_setupforlang(mnw.lang); }
static void open_named_file(const std::string& file)
{
    char buf[PATH_MAX];
    const std::string path = realpath(file.c_str(), buf) ? std::string(buf) : file;
    // Aircraft live in the installation folder, where the simulator finds them and their paint;
    // the reader takes no other file, so say so plainly rather than "could not open".
    if (!IO_path_starts_with(path, app_path)) {
        const std::string where = "Move or copy it into " + IO_host_path(acf_path) + ", then open it from there.";
        MACIBM_alert(0, "I can only open aircraft that lie inside the program's Aerodeck folder:", path.c_str(),
                     where.c_str(), "", 16);
        return;
    }
    const size_t slash = path.find_last_of('/');
    ACF_open(slash == std::string::npos ? path : path.substr(slash + 1), path);
}
// The aircraft edited last, whose name and path the editor preferences put into record 0. With
// none, or one that no longer opens, the designer starts on a new aircraft instead.
// An aircraft named on the command line (a file manager opening a ".acf") is opened on top: if
// it does not read, its alert shows and the designer keeps the aircraft started with.
void MACIBM_load_last_aircraft(void)
{
    MACIBM_tell_recovery();
    read_acf(0, 0);
    if (!MACIBM_file_to_open().empty()) open_named_file(MACIBM_file_to_open());
    if (set.weapn_name[0]) IO_wpn(0, 0, 24, STR_of(set.weapn_name), STR_of(set.weapn_path), 1);
}
// A window switch closes any pop-up list: its slot's box no longer lies anywhere on the screen.
void MACIBM_close_popup_slot(void)
{
    mnw.menux1[MNW_POPUP_MENU] = mnw.menuy1[MNW_POPUP_MENU] = -1;
    mnw.menux2[MNW_POPUP_MENU] = mnw.menuy2[MNW_POPUP_MENU] = -1;
}
// Closing the window is the Quit command, so unsaved work goes through the save prompts first.
void MACIBM_quit_requested(void) { APPLICATION_handlemenu(305); }

int MACIBM_shifted_char(int c, int shift)
{
    if (!shift) return c;
    if (c >= 'a' && c <= 'z') return toupper(c);
    static const char plain[] = "1234567890-=[]\\;',./`";
    static const char shifted[] = "!@#$%^&*()_+{}|:\"<>?~";
    const char* p = strchr(plain, c);
    return p ? shifted[p - plain] : c;
}

//=== start-up progress panel ================================================================
static int s_init_calls;                    // lines shown so far: the bar grows by one step each

void MACIBM_startup_reset(void) { s_init_calls = 0; }

void MACIBM_showinit(const char* message)
{
    if (!g_OGL_inited && !mnw.window) return;
    s_init_calls++;
    float p = s_init_calls / 100.0f;
    p = p < 0.02f ? 0.02f : (p > 1.0f ? 1.0f : p);

    // The panel sits at fixed screen places whatever window is current.
    float wx = mnw.win_x, wy = mnw.win_y;
    mnw.win_x = mnw.win_y = 0;
    OGL_2d_projection();
    if (mnw.top_win == -1) OGL_plot_background();
    else OGL_fillrect(30, 1.0f, mnw.x1_pix, mnw.y1_pix, mnw.x2_pix - mnw.x1_pix, mnw.y2_pix - mnw.y1_pix);
    BTN_frame2(15, 10, 31, 310, 206, "");
    OGL_string(45, 22, 215, "Wing-Wright, the aircraft designer of Skyvane", 280, 100);
    BTN_frame1(4, 512, 15, 1008, 45);
    BTN_frame1(5, 8 + 504 * p, 15, 1008 * p, 45);
    OGL_string(57, 22, 65, message, 280, 100);
    mnw.win_x = wx; mnw.win_y = wy;
    OGL_sbuf();
}
