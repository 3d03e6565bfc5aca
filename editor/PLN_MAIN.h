// PLN_MAIN.h -- the editor's commands: the menu command dispatcher, the editor's keys, the save
// prompts and the batch re-save of every aircraft in the installation.
// Results are ints: 1 success, 0 failure.
#pragma once
#include <string>

//=== commands ===============================================================================
// Runs menu command code (file commands 300..305, editor windows 600..620 and 900..908, view
// moves 1200..1228, smoothing 1500..1510, display 1512..1518, batch re-save 1520, about 0). Every
// command but a Quit that goes ahead ends with the aircraft's derived values and geometry rebuilt.
void APPLICATION_handlemenu(int code);
// A key from the shell (mode and key as MACIBM_keys.h describes) turned into its command; in the
// panel editor every key is the panel editor's.
void APPLICATION_handlekey(int mode, int key);

//=== unsaved work ===========================================================================
// The weapon being built has unsaved changes: ask. 1 when the caller may go on (saved, discarded
// or nothing to save), 0 when the designer cancelled.
int check_wpn_save(void);

//=== batch re-save ==========================================================================
// Every aircraft file under the installation's "Aircraft" folder, in every folder below it, read
// and saved again in the current file format. A file that cannot be read is never written: it is
// listed in "Error.out" and the batch goes on with the next.
void batch_update(void);
void handle_level(std::string* folder);     // one folder (ending in a separator) and those below it

//=== calls into pieces of the editor still to come (pending_calls.cpp) ======================
void update_plane_specs(void);              // derived values and mirrored fields of record 0
void smoothit_main(int en, int full, int is_wpn);   // one smoothing pass over body en
void PANEL_handlekey(int mode, int key);    // the panel editor's keys
