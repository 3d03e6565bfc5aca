// hl_undo.h -- the undo stack: edits are bracketed as named commands.
#pragma once

void UNDO_BeginCommand(const char* name);   // a named, undoable change is about to be made
void UNDO_PurgeUndo(void);                  // forget every undo and redo step (a window or page change)
void UNDO_Undo(void);                       // take back the newest command
void UNDO_Redo(void);                       // do again the newest command taken back
