// HL_DRPLANE.h -- the aircraft's drawable geometry and its drawing in 3-D.
#pragma once

// The drawable geometry of record p (geometry/PLN_GEO), in this order: meshes, normals and
// texture coordinates; with dump_start fresh paint templates (beside a paint that is already
// there, as "..._paint.bmpnew", so the designer's file is never overwritten), with touch_up the
// control-surface lines drawn into the existing paint and the edges round the parts trimmed to
// grey (a paint of the wrong size is a fatal alert); with load_tex the paint, lit paint,
// propeller, legacy panel and weapon textures, each with its fallback; then the plan-view
// extents.
void load_plane_geo(int load_tex, int dump_start, int touch_up, int p);
