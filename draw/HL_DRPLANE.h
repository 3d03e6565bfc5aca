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

//=== drawing in 3-D (draw/PLN_DRAW.cpp) =====================================================
// Aircraft p drawn into the window rectangle (x1, y1)-(x2, y2), interface units: the control
// animation, the deflections, an orthographic camera sized to the aircraft, light 0, and the
// aircraft with its weapons, centred on its centre of gravity, scissored to the rectangle.
void plot_plane_2D(float x1, float y1, float x2, float y2, int p);
// Render types of plot_plane_3D.
enum { DRPLANE_LIGHTS = 0, DRPLANE_SOLID = 1, DRPLANE_SOLID_IN_PLACE = 2, DRPLANE_WIRE = 3 };
void plot_plane_3D(int p, int ren_type);
void plot_plane_part(int p, int en);
void draw_sbrk(int p, int en, int s, float fr_1, int dir, float ang);
void plot_weapon(int p, int en);
// Weapon en (0..24, 24 the weapon being built) of aircraft p alone in the window rectangle,
// sized to fit and seen from ahead, left and above; untextured.
void plot_weapon_2D(float x1, float y1, float x2, float y2, int p, int en);
// Light sprites: begin, the aircraft's place and attitude, one light, end.
void util_point_lite_init(int force_textured);
void util_point_lite_setref(float x, float y, float z, float the, float psi, float phi);
void util_point_lite_draw(float x, float y, float z, float r, float g, float b, float a, float size, int i1, int i2,
                          int lit_type);
void util_point_lite_close(void);

//=== what the drawing works out without GL (draw/HL_DRPLANE.cpp) ============================
// Switches an extension may set; 0 otherwise. Reset at start-up.
struct plug_struct {
    int disable_draw_cockpit_object;
    int disable_twosided_fuselage;
};
extern plug_struct plg;

// The control animation of the pane at time real_time: with set.move_cons the stick, pedals,
// flaps, slats, speed brakes and variable geometry swing and retractable gear cycles; without,
// all rest at zero and retractable gear is down. Propellers turn by frame_period. Tyres rest
// undeflected and every light is switched on.
void DRPLANE_animate(int p, float real_time, float frame_period);
// Weapon en of aircraft p placed on it: its attitude on the aircraft (its attachment angles
// plus the deflection of the part it hangs on) and in the world, its position, velocities,
// rates and quaternion.
void attach_weapon(int p, int en);
// The wings whose tips carry the red and green navigation lights (the pair reaching furthest
// out, as the design compares them), and the fins carrying the beacon (fin[1] -1 when one).
void DRPLANE_nav_wings(int p, int* red, int* green);
void DRPLANE_beacon_fins(int p, int fin[2]);

// The path of a panel bitmap of record 0: t 0 the aircraft's own bitmap beside its file, by
// view_sel (0 "_panel.bmp", 1..7 the side views, 8 the lit panel); t 1 the panel picture of the
// aircraft's folder; t 2 the default panel of its cockpit type (limited to 0..7), under the
// bitmaps folder. view_sel outside 0..8 is 0; any other t gives an empty path.
void panel_path(int t, int view_sel, std::string* path);

enum { REN_TEX_PANEL = 499 };               // the panel background texture slot
// setup_base_panel: base/common.h (the new aircraft calls it too).
