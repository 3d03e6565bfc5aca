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

// Every per-part deflection, tilt and angle of flt[p] and the current gear, door and wing angles
// of veh[p], from the control requests of flt[p], in this order: gear legs and their nodes, gear
// doors, thrust vectoring and disc tilt, throttles, variable sweep / dihedral / incidence, element
// incidence (from the deflections of the previous call), control surfaces, rotor blade pitch,
// and the sines and cosines of the attitude and of each wing-type part's sweep and dihedral.
// Every count from the record is held to its array.
void update_def_angles(int p);

//=== attitude algebra =======================================================================
// A vector from body axes to outer axes: roll, then pitch, then heading.
void any_to_wrl(float x, float y, float z, float* x_out, float* y_out, float* z_out, float sin_psi, float cos_psi,
                float sin_the, float cos_the, float sin_phi, float cos_phi);
// The same with aircraft w's stored attitude (flt[w]); with weapon en's attitude on aircraft p.
void veh_to_wrl(float x, float y, float z, float* x_out, float* y_out, float* z_out, int w);
void att_to_veh(float x, float y, float z, float* x_out, float* y_out, float* z_out, int p, int en);
// Three attitudes applied in turn, as one heading (0..360), pitch and roll; degrees.
void get_euler_from_eulers(float psi1, float psi2, float psi3, float* psi, float the1, float the2, float the3,
                           float* the, float phi1, float phi2, float phi3, float* phi);
void init_quaternion(float psi_deg, float the_deg, float phi_deg, float* q);   // q[4]

// The roll, pitch and heading weapon slot w of aircraft p takes from the control or gear leg
// it hangs on (wpn_att_con), in degrees; 0 for a slot or code outside the tables.
float wpn_att_phi(int p, int w);
float wpn_att_the(int p, int w);
float wpn_att_psi(int p, int w);
