// pln_panel.h -- the panel editor.
#pragma once

// The panel editor's keys (mode and key as the shell delivers them). Until the panel editor is
// written no key does anything there.
void PANEL_handlekey(int mode, int key);
