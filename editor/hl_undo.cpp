// hl_undo.cpp -- the undo stack.
#include "editor/hl_undo.h"

// The undo stack comes later; until then a command records nothing and cannot be undone.
void UNDO_BeginCommand(const char* name) { (void)name; }
