// Hl_MNW.h -- the platform shell: start-up, the window and GL context, the frame loop, alerts.
// Results are ints: 1 success, 0 failure.
#pragma once
#include <string>
#include <cstdio>
#include "shell/mnw_struct.h"
#include "shell/con_struct.h"
#include "shell/stl_struct.h"

//=== process-wide state ===================================================================
extern int g_done;                          // the frame loop runs while 0; Quit and fatal alerts set it
extern int g_OGL_inited;                    // 1 once the window and GL context exist

// Folders, each ending in a separator; relative parts use ':' and become '/' at open time.
// Written once by MACIBM_build_paths at start.
extern std::string app_path, wrk_path;
extern std::string gen_path, res_path, afl_path, wpn_path, acf_path, sit_path, mov_path, log_path,
    fms_path, gam_path, tra_path, car_path, spa_path, reg_path, wav_path, bmp_path, pla_path,
    cus_path, aut_path, ear_path, mar_path, men_path, txt_path, key_path;

extern FILE* dat;                           // "Data.out"
extern FILE* xer;                           // "Error.out": GL report and fatal alert locations

extern float         lookup_sin[361], lookup_cos[361];   // whole degrees 0..360
extern unsigned char win_gamma[256];
extern unsigned char* scratch_array;        // 1024 x 1024 RGBA staging image for textures

// Capabilities found by the GL probe at start.
extern int tex_clamp_avail, add_env_avail, dis_fog_avail, tex_comp_avail;

//=== start-up and shutdown ==================================================================
int  WinMain(int has_prev_instance);        // the whole program; returns 0
void MACIBM_init(void);                     // start-up steps up to the first window
void MACIBM_zero_records(void);             // every global record back to zero
void MACIBM_build_paths(const char* app_folder);   // app_folder ends in '/'
void MACIBM_open_logs(void);                // "Data.out" and "Error.out" in the program folder
void MACIBM_res_defaults(void);             // requested resolution defaults and the *_now copy
void MACIBM_compute_offsets(void);          // x_off, y_off and the screen rectangle from *_now
int  MACIBM_setres(int init_call);          // 1 switch to the *_now mode, 0 restore; 0 if refused
int  MACIBM_getcontext(void);               // window + GL context; 1 ok
void MACIBM_probe_gl(void);                 // capability flags and the "Error.out" report
void MACIBM_fixed_gl_state(void);
void MACIBM_startwind(int new_top_win, const char* reason);
void MACIBM_update_back_texes(void);        // background texture (slot 480) from scratch_array
void MACIBM_event_proc(void);               // one frame
void MACIBM_finishup(int is_normal_exit);
void MACIBM_showinit(const char* message);  // start-up progress panel; swaps buffers

//=== start-up steps that other modules fill ================================================
void MACIBM_zero_model_records(void);       // veh, flt, set and the other model records
void MACIBM_start_workers(void);            // the worker pool
void MACIBM_stop_workers(void);
void MACIBM_read_res_prefs(void);           // resolution preferences into the *_req and *_now fields
void MACIBM_read_editor_prefs(void);        // editor preferences into set
void MACIBM_write_prefs(void);              // both preference files, at a normal exit
void MACIBM_choose_language(void);          // the language-choice alert
void MACIBM_setup_text(void);               // menus and numbered text of mnw.lang
// Glyph sheet (Korean), menus and the numbered text lines of language 0..6; a missing or damaged
// text file is fatal. Logs the lowest unused text index to "Error.out".
void MACIBM_setupforlang(int lang);
const char* MACIBM_lang_folder(int lang);   // "english:" ... of language 0..6; English for any other
void MACIBM_start_movies(void);
void MACIBM_stop_movies(void);
void MACIBM_movie_frame(void);
void MACIBM_load_instruments(void);         // instrument bitmaps into their slots
void MACIBM_load_last_aircraft(void);       // the aircraft (and weapon) edited last
void MACIBM_close_popup_slot(void);         // no pop-up list open
void MACIBM_quit_requested(void);           // the window's close box: the Quit command, prompts and all
int  MACIBM_cursor_shown(void);             // the system cursor is visible
void MACIBM_help_box_rect(float* x, float* y, float* w, float* h);   // where the help box goes
void MACIBM_sys_push_paint(void);

//=== the window procedure, fed by the platform pump =========================================
enum {
    IBM_MSG_CREATE = 1, IBM_MSG_DESTROY, IBM_MSG_PAINT, IBM_MSG_KEYDOWN, IBM_MSG_KEYUP,
    IBM_MSG_MOUSEMOVE, IBM_MSG_BUTTONDOWN, IBM_MSG_BUTTONUP, IBM_MSG_WHEEL
};
// KEYDOWN: wparam = virtual key code, lparam = character typed (0 none).
// MOUSEMOVE: wparam = x, lparam = y in screen pixels from the top-left. WHEEL: wparam = delta (120/notch).
int  IBM_handlewin(int message, int wparam, int lparam);

//=== menus and keys (Hl_MENU.cpp) ===========================================================
// The menu model lives in mnw and stl: menus 0..1518 come from the language's menu file, slot
// 1519 is the pop-up list's. Boxes are window-relative; the bar sits at the top of the screen.
// Any fault in the menu file is fatal: the program cannot be driven without its menus.
void MACIBM_read_menus(const std::string& file_name);   // the menu file of mnw.lang's folder
// Menu m's title; i <= 0 puts it on the bar, else it opens from item i % 300 of menu i / 300
// (which must already exist).
void MACIBM_create_menu(int m, int i, const char* stl_string);
// Item i of menu m (text at most 39 characters), then the whole menu laid out again: columns of
// 60 items, kept on the screen. is_name is accepted for callers that pass names; all texts are literal.
void MACIBM_append_menu(int m, int i, int code, const char* stl_string, int is_name);
void MACIBM_menu_hover(void);               // an open menu follows the mouse across the bar titles
void MACIBM_draw_menus(void);               // menu bar and open menu, over whatever the editor drew
// A press (is_return 0, from the window procedure) or Return (1, from the key handler): an editor
// window's close boxes, then menu titles, then menu items; otherwise the click is the widgets'.
void MACIBM_handleclick(int is_return);
// Every key-down: vkey is the program's key code (MACIBM_keys.h), chr the character it typed or 0.
// Feeds the text being typed and hands commands to APPLICATION_handlekey.
void MACIBM_handlekey(int vkey, int chr);

// The editor's screen function, called once per frame unless a modal window is up.
void APPLICATION_update(void);
extern void (*g_test_frame_hook)(void);    // tests: drawn inside the editor's part of every frame
extern void (*g_test_before_swap)(void);   // tests: the finished frame, just before it is shown

//=== time ===================================================================================
float time_sec(void);                       // seconds of the process clock
int   intround(float x);                    // round to nearest
extern double g_fake_time;                  // tests: when >= 0, time_sec returns it

//=== alerts =================================================================================
void __MACIBM_alert(int close_to, const char* C_string1, const char* C_string2, const char* C_string3,
                    const char* C_string4, int type, const char* file, int line);
#define MACIBM_alert(close_to, s1, s2, s3, s4, type) \
    __MACIBM_alert((close_to), (s1), (s2), (s3), (s4), (type), __FILE__, __LINE__)

// Tests and fuzzers: called for every alert before it is shown. For the fatal kind 17 a hook may
// throw to unwind back to the test instead of stopping the process.
typedef void (*MACIBM_alert_hook_fn)(int type, const char* s1, const char* s2, const char* s3,
                                     const char* s4, const char* file, int line);
extern MACIBM_alert_hook_fn g_alert_hook;
extern int g_alert_hook_shows;              // with a hook installed, alerts are shown only when set
extern void (*g_recovery_writer)(void);     // writes the unsaved aircraft before a fatal stop

int  MACIBM_nuke_alert(const char* name, int can_cancel);   // save prompt: 1 Save, 2 Don't save, 3 Cancel
std::string MACIBM_write_recovery(void);    // unsaved aircraft to "<name>_recovered.acf"; its path, or ""
void MACIBM_arm_recovery(void);             // fatal alerts write the recovery file from now on

//=== the platform layer (SDL); only MACIBM_sdl.cpp knows what lies beneath ==================
int    MACIBM_sys_init(void);               // video subsystem; 1 ok
int    MACIBM_sys_mode_available(int dx, int dy, int bits);   // -1 query failed, 0 no, 1 yes
int    MACIBM_sys_create_window(int dx, int dy, int bits, int fullscreen);  // GL context too; 1 ok
int    MACIBM_sys_depth_bits(void);         // depth buffer actually obtained
void*  MACIBM_sys_gl_proc(const char* name);
void   MACIBM_sys_pump(void);               // every waiting event through IBM_handlewin
void   MACIBM_sys_swap(void);
double MACIBM_sys_seconds(void);
void   MACIBM_sys_show_cursor(int show);
void   MACIBM_sys_message_box(const char* title, const char* text);
void   MACIBM_sys_close(void);              // release the window and context
// Tests drive the program through real window events.
void   MACIBM_sys_push_mouse_move(int x, int y);
void   MACIBM_sys_push_button(int down);
void   MACIBM_sys_push_wheel(int notches);
void   MACIBM_sys_push_key(int down, int sdl_keycode_or_char);
void   MACIBM_sys_push_key_mods(int down, int sdl_keycode_or_char, int mods);   // MACIBM_MOD_* held
int    MACIBM_sys_key_mods(void);           // MACIBM_MOD_* held with the key being delivered
