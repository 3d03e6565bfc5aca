// win_general.h -- the main view (no window open), the general window (600) and the instrument
// limits window (601). Each is drawn once a frame by APPLICATION_update and edits veh[0] straight
// through its widgets.
#pragma once

void APP_main_view(void);
void APP_general_window(void);
void APP_limits_window(void);

// The custom instruments the limits window lays out (of the record's 50).
enum { APP_LIMIT_CELLS = 26 };
// Where the limits window puts cell en: two columns of 13 rows.
float APP_limit_cell_x(int en);
float APP_limit_cell_y(int en);
