// PLN_GEO.h -- the aircraft's drawable geometry, worked out from its design fields: the vertex
// mesh of every wing-type part and body, a unit normal per vertex, texture coordinates into the
// two paint textures, the hinge lines of the control surfaces, the normals and texture
// coordinates of attached weapons, and the plan-view extents. Everything is stored back into the
// record (a_xyz, n_xyz, st, co_xyz, ca_xyz, wpn_n_xyz, wpn_st, size_x, size_z, size_tot); nothing
// is allocated and nothing is kept between calls. The drawing layer's load_plane_geo runs these
// around the paint templates and the texture loading.
#pragma once

// Where part en lies on its paint: pixel ranges across the texture's width (s) and up its
// height (t), either of which may run backwards, the paint (1: 1024 x 1024, 2: 1024 x 256) and
// that paint's height in pixels. Gear legs and parts outside 0..72 have an empty rectangle.
struct GEO_tex_rect {
    float s_from, s_to, t_from, t_to;
    int paint;
    float dy;
};
GEO_tex_rect GEO_part_rect(int en);

// Meshes, hinge lines, normals and texture coordinates of every present part of record p, then
// the normals and texture coordinates of every weapon it carries. Element counts are held to
// the arrays; a value that is not a finite number counts as 0, so every vertex is finite.
void GEO_build(int p);

// size_x and size_z, the largest lateral and longitudinal distance of any present flying
// surface (its root and tip, leading and trailing edge) or body point from the reference point
// (at least 0.01), and size_tot, their hypotenuse. Reads the meshes GEO_build stored.
void GEO_plan_extents(int p);

// The 14 points of a wing-type station, once round the airfoil: chord position from the
// quarter-chord line (-0.25 leading edge, 0.75 trailing edge) and thickness position (+0.5 the
// upper surface). Points 5 and 8 are the upper and lower hinge points, 6 and 7 the trailing edge.
inline constexpr int GEO_FOIL_POINTS = 14;
extern const float GEO_crat[GEO_FOIL_POINTS];
extern const float GEO_vrat[GEO_FOIL_POINTS];

// Whether element s of part en carries any of aileron 1 and 2, elevator, rudder or flap.
int GEO_element_has_control(int p, int en, int s);
