// pln_panel.h -- the panel editor.
#pragma once
#include <set>

// The selected instrument slots, in slot order. Written by the panel editor and by undo.
extern std::set<int> glo_ins_sel;

void PANEL_reset(void);                      // nothing selected; part of the start-up reset

// The panel editor's keys (mode and key as the shell delivers them): Z and Y undo and redo, as in
// the other editor windows; the editing keys come with the panel editor itself.
void PANEL_handlekey(int mode, int key);

// The panel editor window's body, once a frame. Until the panel editor is written it draws
// nothing of its own.
void PANEL_update(void);
