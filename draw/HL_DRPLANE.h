// HL_DRPLANE.h -- the aircraft's drawable geometry and its drawing in 3-D.
#pragma once

// The drawable geometry of record p, textures too when load_tex; dump_start writes fresh paint
// templates, touch_up redraws the part outlines on the existing paint. Until the geometry builder
// is written this builds nothing.
void load_plane_geo(int load_tex, int dump_start, int touch_up, int p);
