// PLN_PROCS.h -- the small queries and scalar functions the aircraft code rests on: which kind an
// engine is, whether a part exists, where an undeflected gear contact point and a point along a
// part lie. The clamps and wraps they use are base/HL_MATH_FUN.h's.
// Every function that reads an aircraft record takes its index p first.
#pragma once
#include "base/HL_MATH_FUN.h"
#include "model/acf_parts.h"
#include <string>

//=== points along parts =====================================================================
// Location on axis 'X', 'Y' or 'Z' of element coordinate el along part en (element i spans
// i..i+1). Thrust points 0..7 give the blade's own frame, its elements chained each at its own
// sweep ('Y' is 0); other parts run straight from their root at the part's current sweep and
// dihedral (any axis but 'X' and 'Y' is 'Z').
float get_el_base_loc(int p, int en, float el, const char& axis);
// The same at every element edge 0..els of part en at once, into x, y and z (els + 1 each, at
// most ACF_ELEMENTS + 1): what building a part's mesh needs, each blade element's sweep worked
// out once.
void get_el_edge_locs(int p, int en, float* x, float* y, float* z);

//=== derived specifications =================================================================
// The derived and mirrored fields of the edited aircraft (record 0), kept consistent with what
// the designer entered; run at the end of every editor frame and after every menu command. It
// settles the resting attitude on the gear and the propeller blade sweep a small step per call
// (the blade sweep at 5 degrees per second of mnw.prd_FM), so they converge over frames, and it
// runs the automatic settings.
void update_plane_specs(void);

// Part e1 of record 0 copied onto part e2 (both 0..43): airfoils, elements, position, chords,
// span, dihedral, sweep, incidence and the controls of each element. With opp_side set the copy
// is the mirror image: its Xarm is e1's negated.
void copy_foil(int e1, int e2, int opp_side);

//=== labels of position fields ==============================================================
// The label and help of a field holding a position along axis dir ('x', 'y' or 'z'), built from
// the label0 of the field: the help tells which way the axis runs from the reference point. The
// text lives in a buffer shared by every call, valid until the next.
const char* xyz_name(const std::string& label0, char dir);
// label0 with its left label kept only when l1 is set and its right label only when l2 is set,
// for columns of fields that show a row's name once and its unit once.
void label_part(const std::string& label0, std::string* label0_mod, int l1, int l2);
