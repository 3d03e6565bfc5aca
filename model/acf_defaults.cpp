// acf_defaults.cpp -- the new aircraft.
#include "model/acf_defaults.h"
#include "model/acf_struct.h"
#include "model/set_struct.h"
#include "base/hl_string.h"
#include <cstring>

// The record's first steps: nothing modified, a cleared record named "Untitled.acf" (a name that
// lies in no folder, so the first Save asks where to put it). The design defaults of every part
// come with the new-aircraft set-up.
void setup_base_acf(void)
{
    set.acf_mod = 0;
    set.wpn_mod = 0;
    memset(&veh[0], 0, sizeof veh[0]);
    STR_put(veh[0].name, "Untitled.acf");
    STR_put(veh[0].path, "Untitled.acf");
    veh[0].is_APL = 0;
    veh[0].cockpit_M = -1;
}

void setup_base_panel(void) {}
