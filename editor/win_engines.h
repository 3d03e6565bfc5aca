// win_engines.h -- the engines window (604: engine-wide data, one column per thrust point, limits
// and sound) and the systems window (605). Drawn once a frame by APPLICATION_update; every widget
// edits veh[0] straight.
#pragma once

void APP_engines_window(void);
void APP_systems_window(void);

// The specific fuel consumption an engine of kind engn_type starts with when the designer picks
// that kind (lb per hp per hour, or per lb of thrust per hour for jets and rockets). A kind
// outside 0..8 counts as the nearest one.
float APP_default_SFC(int engn_type);
// The left edge of thrust point en's column on the engines page.
float APP_engine_column_x(int en);

// A framed pane with the aircraft drawn in it, beside the fields of a window.
void APP_aircraft_pane(float x1, float y1, float x2, float y2);
