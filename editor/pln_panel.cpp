// pln_panel.cpp -- the panel editor.
#include "editor/pln_panel.h"

void PANEL_handlekey(int mode, int key)
{
    (void)mode;
    (void)key;
}
