// Hl_MNW.h -- the platform shell: start-up, the window and GL context, the frame loop, the
// modal windows, menus and keys. The records it shares with everyone are in base/.
// Results are ints: 1 success, 0 failure.
#pragma once
#include <string>
#include <vector>
#include "base/alert.h"
#include "base/common.h"
#include "base/HL_MATH_FUN.h"
#include "base/records.h"

//=== start-up and shutdown ==================================================================
int  WinMain(int has_prev_instance);        // the whole program; returns 0
// The program's arguments, given once by main before WinMain. argv[0] names the installation
// folder when it holds a '/': a launcher starts the program through a link in the designer's own
// folder, and that folder, not the link's target, is the installation. argv[1], when given, is an
// aircraft file to open once the program has started.
void MACIBM_command_line(int argc, char** argv);
const std::string& MACIBM_file_to_open(void);   // argv[1], or empty
void MACIBM_init(void);                     // start-up steps up to the first window
// Every global record and every module's state back to what a fresh process has: the start-up
// reset, which tests use too.
void MACIBM_zero_records(void);
std::string MACIBM_own_folder(void);           // the program's folder, ending in '/' (after MACIBM_command_line)
void MACIBM_res_defaults(void);             // requested resolution defaults and the *_now copy
void MACIBM_compute_offsets(void);          // x_off, y_off and the screen rectangle from *_now
int  MACIBM_setres(int init_call);          // 1 switch to the *_now mode, 0 restore; 0 if refused
int  MACIBM_getcontext(void);               // window + GL context; 1 ok
void MACIBM_probe_gl(void);                 // capability flags and the "Error.out" report
void MACIBM_finishup(int is_normal_exit);
void MACIBM_showinit(const char* message);  // start-up progress panel; swaps buffers
void MACIBM_startup_reset(void);            // the progress panel starts empty again

//=== start-up steps =========================================================================
void MACIBM_read_res_prefs(void);           // resolution preferences into the *_req and *_now fields
void MACIBM_read_editor_prefs(void);        // editor preferences into set
void MACIBM_write_prefs(void);              // both preference files, at a normal exit
void MACIBM_choose_language(void);          // the language-choice alert
void MACIBM_setup_text(void);               // menus and numbered text of mnw.lang
// Glyph sheet (Korean), menus and the numbered text lines of language 0..6; a missing or damaged
// text file is fatal. Logs the lowest unused text index to "Error.out".
void MACIBM_setupforlang(int lang);
// The numbered text lines from a text file's bytes already in memory (path names it in alerts):
// the table is emptied first; a missing header, a line without a number or an index past the
// table is fatal.
void MACIBM_read_text_bytes(const unsigned char* data, long size, const std::string& path);
// One Korean text line from its glyph numbers into the drawn form, cut to out_len with its NUL.
void MACIBM_korean_text(const char* numbers, char* out, int out_len);
const char* MACIBM_lang_folder(int lang);   // "english:" ... of language 0..6; English for any other
int  MACIBM_lang_installed(int lang);       // the language's text and menu files are there
void MACIBM_load_instruments(void);         // instrument bitmaps into their slots
// The program's start decodes the instrument bitmaps on the worker pool while the window and GL
// context are made, which the decoding does not need: INS_decode_at_init(1) before MACIBM_init
// makes MACIBM_init start it, and MACIBM_load_instruments takes over what is decoded by then.
// A setting of the process, not of the records: the start-up reset leaves it.
void INS_decode_at_init(int on);
void INS_init_ready_to_decode(void);        // MACIBM_init: the pool runs and the folders are known
void INS_start_decoding(void);              // once until the load has taken the pictures
void INS_stop_decoding(void);               // the workers finished and the buffers freed
// The catalogue's check: two equal paths are fatal. The scan of the cockpit folder (one level,
// descending into folders) into ins_file_found; 2444 files are fatal.
void INS_check_catalogue(const char* const* table, int n);
void handle_ins_level(const std::string& rel);
void INS_startup_reset(void);               // an empty scan
extern std::vector<std::string> ins_file_found;
extern int num_bmps_found;
void MACIBM_load_last_aircraft(void);       // the aircraft (and weapon) edited last
void MACIBM_close_popup_slot(void);         // no pop-up list open
void MACIBM_quit_requested(void);           // the window's close box: the Quit command, prompts and all
int  MACIBM_cursor_shown(void);             // the system cursor is visible
void MACIBM_help_box_rect(float* x, float* y, float* w, float* h);   // where the help box goes

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
// The menu file's bytes, already in memory (path names it in alerts).
void MACIBM_read_menu_bytes(const unsigned char* data, long size, const std::string& path);
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
void MACIBM_menu_reset(void);               // no menus; part of the start-up reset

extern void (*g_test_before_swap)(void);   // tests: the finished frame, just before it is shown

//=== the modal windows (alert.cpp) ==========================================================
// The alert window, behind base/alert.h's core once the GL window exists.
void MACIBM_show_alert(int close_to, const char* const lines[4], int type);
// The unsaved aircraft to "<name>_recovered.acf" beside it (or in the program folder), numbered
// "-2", "-3" ... rather than replacing an earlier one; logged in "Error.out" and noted for the
// next start. Its path, or "" when nothing was written.
std::string MACIBM_write_recovery(void);
void MACIBM_tell_recovery(void);            // at start: a kind-16 alert naming the last recovery file
void MACIBM_arm_recovery(void);             // fatal alerts write the recovery file from now on

//=== the platform layer (SDL); only MACIBM_sdl.cpp knows what lies beneath ==================
int    MACIBM_sys_init(void);               // video subsystem; 1 ok
int    MACIBM_sys_mode_available(int dx, int dy, int bits);   // -1 query failed, 0 no, 1 yes
int    MACIBM_sys_create_window(int dx, int dy, int bits, int fullscreen);  // GL context too; 1 ok
int    MACIBM_sys_depth_bits(void);         // depth buffer actually obtained
void*  MACIBM_sys_gl_proc(const char* name);
void   MACIBM_sys_pump(void);               // every waiting event through IBM_handlewin
void   MACIBM_sys_swap(void);
void   MACIBM_sys_show_cursor(int show);
void   MACIBM_sys_message_box(const char* title, const char* text);
void   MACIBM_sys_close(void);              // release the window and context
int    MACIBM_sys_key_mods(void);           // MACIBM_MOD_* held with the key being delivered
