// hl_undo.h -- the undo stack: edits are bracketed as named commands.
#pragma once

void UNDO_BeginCommand(const char* name);   // a named, undoable change is about to be made
