// pending_calls.cpp -- calls the editor's commands make into pieces that arrive later. Each body is
// empty until its piece lands; that piece deletes the line here.
#include "editor/PLN_MAIN.h"
#include "editor/hl_undo.h"

void update_plane_specs(void) {}                                                   // derived specifications
void smoothit_main(int en, int full, int is_wpn) { (void)en; (void)full; (void)is_wpn; }   // body smoothing
void PANEL_handlekey(int mode, int key) { (void)mode; (void)key; }                 // panel editor keys
void UNDO_PurgeUndo(void) {}                                                       // undo stack
void UNDO_Undo(void) {}                                                            // undo stack
void UNDO_Redo(void) {}                                                            // undo stack
