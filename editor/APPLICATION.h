// APPLICATION.h -- the editor's screen function (APPLICATION_update, declared in base/common.h)
// and what the windows share.
#pragma once
#include "model/set_struct.h"

extern void (*g_test_frame_hook)(void);    // tests: drawn inside the editor's part of every frame

// Line n of the localized text table; an index outside the table gives an empty line.
const char* APP_text(int n);

// The tabs of a window: its code, the field of set that holds its selected page, and the text
// lines of its tab labels (-1 ends the row).
enum { APP_MAX_TABS = 8 };
struct APP_tab_row {
    int win;
    int set_struct::*sel;
    int label[APP_MAX_TABS];
};
// The row of window win, null for a window without tabs.
const APP_tab_row* APP_tabs_of(int win);
// The number of tabs of a row.
int APP_tab_count(const APP_tab_row* row);

// What every frame derives from the design at its end, in this order: the control deflections,
// the drawable geometry, the derived specifications with the automatic settings.
void APP_recompute(void);

// The height of the tab strip of the window being drawn (0 without tabs), for its sub-panels.
extern float g_tab_dy;
