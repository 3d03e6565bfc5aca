// PLN_DEFL.h -- control deflections and attitude, and control surfaces and weapon slots as the
// deflection and geometry code sees them.
// Every function that reads an aircraft record takes its index p first.
#pragma once

// Control codes of control_crat.
enum { DEFL_AIL1 = 0, DEFL_AIL2, DEFL_SPO1, DEFL_SPO2, DEFL_YAWB, DEFL_ELEV, DEFL_RUDD, DEFL_FLAP, DEFL_SBRK };

// The chord share of control surface `control` (DEFL_*) at element coordinate el (0 root .. els
// tip) of part en: the surface's own chord runs straight from its root station (the control's
// _elR at _cratR of the local chord) to its tip station (_elT at _cratT), extended beyond them,
// and is divided by the part's chord at el. Where the part has no chord the share is the one
// interpolated between the two stations. An unknown control or part gives 0.
float control_crat(int p, int en, float el, int control);

// Weapon slot w of record p holds a weapon: w in 0..23 and its type is not 0.
int wpn_can_exist(int p, int w);

// Every per-part deflection, tilt and angle of flt[p] and the current gear and wing angles of
// veh[p], from the control requests of flt[p]. Until the deflection code is written nothing is
// derived.
void update_def_angles(int p);
