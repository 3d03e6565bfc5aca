// pln_panel.cpp -- the panel editor.
#include "editor/pln_panel.h"
#include "editor/hl_undo.h"
#include "base/MACIBM_keys.h"

std::set<int> glo_ins_sel;

void PANEL_reset(void) { glo_ins_sel.clear(); }

void PANEL_handlekey(int mode, int key)
{
    if (mode != MACIBM_KMODE_CHAR && mode != MACIBM_KMODE_CTRL) return;
    if (key == 'z' || key == 'Z') UNDO_Undo();
    else if (key == 'y' || key == 'Y') UNDO_Redo();
}

void PANEL_update(void) {}
