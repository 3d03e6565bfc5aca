// common.h -- the calls that go up: the few places where the editor, the file code or the alert
// core hand control to the shell's frame loop and modal windows, or where the shell calls the
// editor's entry points. Each is defined once, in the layer named beside it.
#pragma once
#include <string>

//=== the shell ==============================================================================
void MACIBM_event_proc(void);               // one frame of the loop (a modal window runs its own)
// Make new_top_win the window drawn from the next frame on: its size, title and a fresh start for
// the mouse, the menus and the text fields.
void MACIBM_startwind(int new_top_win, const char* reason);
// The modifier keys held now (MACIBM_MOD_*, base/MACIBM_keys.h), Caps Lock while it is on: the
// panel editor reads them during mouse drags, when no key is being delivered.
int  MACIBM_keys_held(void);
int  MACIBM_nuke_alert(const char* name, int can_cancel);   // save prompt: 1 Save, 2 Don't save, 3 Cancel

// The open and save dialog, as window open_save (998 open, 999 save) for files of file_type, in
// its own frame loop; 1 when a file was chosen (then *file is its name and *path its full path),
// 0 when cancelled. The caller's window comes back either way. wrk_path is left at the last
// folder shown.
int dialog_opensave(int open_save, int file_type, std::string* file, std::string* path);
int dialog_opensave(int open_save, int file_type, char* file, char* path);   // char[500] each

//=== drawing ================================================================================
// The new aircraft (model) builds its geometry and loads its panel picture, both drawing work.
void load_plane_geo(int load_tex, int dump_start, int touch_up, int p);   // draw/HL_DRPLANE.cpp
// The panel background of record 0 into texture slot 499: the aircraft's own panel bitmap, else
// the panel picture of its folder, else the default panel of its cockpit type.
void setup_base_panel(void);                // draw/HL_DRPLANE.cpp

//=== the editor =============================================================================
void APPLICATION_update(void);              // the editor's screen, once per frame unless a modal window is up
// Runs menu command code (file commands 300..305, weapon files 310..313, editor windows 600..620 and 900..908, view
// moves 1200..1228, smoothing 1500..1510, display 1512..1518, batch re-save 1520, about 0). Every
// command but a Quit that goes ahead ends with the aircraft's derived values and geometry rebuilt.
void APPLICATION_handlemenu(int code);
// A key from the shell (mode and key as MACIBM_keys.h describes) turned into its command; in the
// panel editor every key is the panel editor's.
void APPLICATION_handlekey(int mode, int key);
