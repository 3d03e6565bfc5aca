// acf_parts.h -- which kind an engine is, whether a part exists and where a gear leg touches: the queries every pass over
// an aircraft record rests on, from the automatic settings and the check up to the drawing.
// Every function takes the record index p first.
#pragma once

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

//=== landing gear ===========================================================================
// Undeflected contact point of gear part en, in feet: the leg of length
// gear_leglen - strut_comp * (1 - gear_deploy) hung from Xarm/Yarm/Zarm at gear_latN/gear_lonN.
void ret_gear_nodef(int p, int en, float* x, float* y, float* z);   // all three at once
float ret_gear_xnodef(int p, int en);
float ret_gear_ynodef(int p, int en);
float ret_gear_znodef(int p, int en);
