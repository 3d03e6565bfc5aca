// hl_undo.cpp -- the undo stack. Until it is written a command records nothing and nothing can
// be undone or redone.
#include "editor/hl_undo.h"

void UNDO_BeginCommand(const char* name) { (void)name; }
void UNDO_PurgeUndo(void) {}
void UNDO_Undo(void) {}
void UNDO_Redo(void) {}
