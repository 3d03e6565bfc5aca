// HL_DRPLANE.h -- the aircraft's drawable geometry and its drawing in 3-D.
#pragma once
#include <string>

// The drawable geometry of record p (geometry/PLN_GEO), in this order: meshes, normals and
// texture coordinates; with dump_start fresh paint templates (beside a paint that is already
// there, as "..._paint.bmpnew", so the designer's file is never overwritten), with touch_up the
// control-surface lines drawn into the existing paint and the edges round the parts trimmed to
// grey (a paint of the wrong size is a fatal alert); with load_tex the paint, lit paint,
// propeller, legacy panel and weapon textures, each with its fallback; then the plan-view
// extents.
void load_plane_geo(int load_tex, int dump_start, int touch_up, int p);

// Aircraft p drawn into the window rectangle (x1, y1)-(x2, y2), interface units. Until the 3-D
// drawing is written this draws nothing: the pane shows what lies under it.
void plot_plane_2D(float x1, float y1, float x2, float y2, int p);

// The path of a panel bitmap of record 0: t 0 the aircraft's own bitmap beside its file, by
// view_sel (0 "_panel.bmp", 1..7 the side views, 8 the lit panel); t 1 the panel picture of the
// aircraft's folder; t 2 the default panel of its cockpit type (limited to 0..7), under the
// bitmaps folder. view_sel outside 0..8 is 0; any other t gives an empty path.
void panel_path(int t, int view_sel, std::string* path);

enum { REN_TEX_PANEL = 499 };               // the panel background texture slot
// setup_base_panel: base/common.h (the new aircraft calls it too).
