// PLN_PROCS.h -- the small queries and scalar functions the aircraft code rests on: which kind an
// engine is, whether a part exists, where an undeflected gear contact point and a point along a
// part lie, and the clamps, wraps, interpolation and number formatting used everywhere.
// Every function that reads an aircraft record takes its index p first.
#pragma once
#include <string>

//=== engine kinds ===========================================================================
// engn_type of thrust point en: 0, 1 reciprocating; 2, 8 turbine driving a propeller; 3 electric;
// 4, 5 jet; 6, 7 rocket (7 also turns a rotor). Each answers 0 or 1; en outside 0..7 is 0.
int en_is_recip(int p, int en);
int en_is_turbo(int p, int en);
int en_is_elec(int p, int en);
int en_is_jet(int p, int en);
int en_is_roc(int p, int en);
int en_is_prop(int p, int en);               // the engine drives a propeller: kinds 0, 1, 2, 3, 8

//=== part presence ==========================================================================
// Parts 8..72 answer their stored part_eq flag whatever the kind. Thrust points 0..7 answer by
// kind: 0 an engine is there, 1 a propeller engine, 2 a reciprocating engine, 3 a jet, 4 a rocket,
// 5 the thrust point is in use, 6 the part exists as geometry (a disc with an airfoil: an unused
// engine slot of a thrust point in use, a propeller engine, or a rocket turning a rotor); any
// other kind is 0. A part outside 0..72 is 0.
int have_this_part(int p, int part, int kind);

//=== landing gear and points along parts ====================================================
// Undeflected contact point of gear part en, in feet: the leg of length
// gear_leglen - strut_comp * (1 - gear_deploy) hung from Xarm/Yarm/Zarm at gear_latN/gear_lonN.
float ret_gear_xnodef(int p, int en);
float ret_gear_ynodef(int p, int en);
float ret_gear_znodef(int p, int en);

// Location on axis 'X', 'Y' or 'Z' of element coordinate el along part en (element i spans
// i..i+1). Thrust points 0..7 give the blade's own frame, its elements chained each at its own
// sweep ('Y' is 0); other parts run straight from their root at the part's current sweep and
// dihedral (any axis but 'X' and 'Y' is 'Z').
float get_el_base_loc(int p, int en, float el, const char& axis);

//=== scalar functions =======================================================================
float fltlim(float in, float min, float max);      // min also when in is not a number
int   intlim(int x, int lo, int hi);
int   fltrange(float x, float lo, float hi);       // 1 when lo <= x <= hi
int   intrange(int x, int lo, int hi);
// Bring x into lo..hi by whole spans of hi - lo. An empty span leaves x as it is; so do a negative
// span and an x that is not finite, which no number of spans could bring into range.
float fltwrap(float x, float lo, float hi);
int   intwrap(int x, int lo, int hi);              // span hi - lo + 1; intwrap(8, 0, 7) is 0
float fltmax2(float a, float b);
float fltmin2(float a, float b);
float sign(float x);                               // -1 below 0 or not a number, else +1 (-0.0 too)
float pythag(float a, float b);
// Linear interpolation through (x1, y1) and (x2, y2) at x, held between y1 and y2 unless extrap;
// equal x1 and x2 give the mean of y1 and y2.
float interp(float x1, float y1, float x2, float y2, float x, int extrap);
int   flt_box(float x, float y, float x1, float y1, float x2, float y2);   // inside, edges included
int   check_nan(float x);                          // not a number, infinite, or beyond +-1e10
char  int_to_chr(int i);                           // '0'..'9' for 0..9, else '0'
// Decimal text of i: '-' for a negative value, then at least digits digits (at most 10) with
// leading zeros. buf must hold 12 bytes.
void  int_to_str(int i, char* buf, int digits);
void  int_to_str(int i, std::string* out, int digits);
// fmt is a printf format of the program's own with two floating-point conversions; the text is
// cut at 499 characters.
void  stl_sprint(std::string* out, const std::string& fmt, float a, float b);
