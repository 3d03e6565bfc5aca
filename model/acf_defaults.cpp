// acf_defaults.cpp -- the new aircraft.
#include "model/acf_defaults.h"
#include "model/acf_struct.h"
#include "model/set_struct.h"
#include "base/hl_string.h"
#include "base/HL_MATH_FUN.h"
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

int f_body_s_DIM(int p, int en, int is_wpn)
{
    if (is_wpn) return ACF_WPN_STATIONS;
    if (p < 0 || p >= ACF_RECORDS || en < 0 || en >= ACF_PARTS) return 0;
    if (en < ACF_FOIL_PARTS) return 2 * intlim(veh[p].els[en], 0, ACF_ELEMENTS);
    if (en == 44) return ACF_BODY_STATIONS;
    if (en <= 60) return 12;
    if (en <= 66) return 8;
    return 0;
}

int f_body_r_DIM(int en, int is_wpn)
{
    if (is_wpn) return ACF_BODY_POINTS;
    if (en < 0 || en >= ACF_PARTS) return 0;
    if (en < ACF_FOIL_PARTS) return 14;
    if (en <= 60) return ACF_BODY_POINTS;
    if (en <= 66) return 10;
    return 0;
}
