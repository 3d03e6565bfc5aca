// HL_DRPLANE.cpp -- the aircraft's drawable geometry.
#include "draw/HL_DRPLANE.h"

void load_plane_geo(int load_tex, int dump_start, int touch_up, int p)
{
    (void)load_tex;
    (void)dump_start;
    (void)touch_up;
    (void)p;
}
