// acf_parts.cpp -- engine kinds and part presence.
#include "model/acf_parts.h"
#include "model/acf_struct.h"
#include "base/con_struct.h"
#include <cmath>

//=== engine kinds ===========================================================================
// Part and engine indices can come from a file (weapon attachment parts, for one), so a number
// outside the arrays answers "no" instead of reading beside them.
static int engine_kind(int p, int en)
{
    if (en < 0 || en >= ACF_THRUST_POINTS) return -1;
    return veh[p].engn_type[en];
}

int en_is_recip(int p, int en)
{
    int t = engine_kind(p, en);
    return t == 0 || t == 1;
}

int en_is_turbo(int p, int en)
{
    int t = engine_kind(p, en);
    return t == 2 || t == 8;
}

int en_is_elec(int p, int en) { return engine_kind(p, en) == 3; }

int en_is_jet(int p, int en)
{
    int t = engine_kind(p, en);
    return t == 4 || t == 5;
}

int en_is_roc(int p, int en)
{
    int t = engine_kind(p, en);
    return t == 6 || t == 7;
}

int en_is_prop(int p, int en) { return en_is_recip(p, en) || en_is_turbo(p, en) || en_is_elec(p, en); }

//=== part presence ==========================================================================
int have_this_part(int p, int part, int kind)
{
    if (part < 0 || part >= ACF_PARTS) return 0;
    const veh_struct& v = veh[p];
    if (part >= ACF_THRUST_POINTS) return v.part_eq[part] != 0;

    const int engine = part < v.num_engines;
    switch (kind) {
    case 0: return engine;
    case 1: return engine && en_is_prop(p, part);
    case 2: return engine && en_is_recip(p, part);
    case 3: return engine && en_is_jet(p, part);
    case 4: return engine && en_is_roc(p, part);
    case 5: return part < v.num_thrustpoints;
    case 6:
        // A thrust point without an engine still carries a disc; an engine has one when it turns
        // a propeller or, for the rotor rocket, a rotor.
        if (!engine) return part < v.num_thrustpoints;
        return en_is_prop(p, part) || v.engn_type[part] == 7;
    default: return 0;
    }
}

//=== landing gear ===========================================================================
// Length of the leg down to the tyre: a retracting strut is compressed in proportion to how far
// the gear is up, so with the gear fully down (deploy 1) the compression plays no part.
static float gear_leg(const veh_struct& v, int en)
{
    return v.gear_leglen[en] - v.strut_comp[en] * (1.0f - v.gear_deploy[en]);
}

void ret_gear_nodef(int p, int en, float* x, float* y, float* z)
{
    if (en < 0 || en >= ACF_PARTS) {
        *x = *y = *z = 0.0f;
        return;
    }
    const veh_struct& v = veh[p];
    const float leg = gear_leg(v, en);
    float sin_lat, cos_lat, sin_lon, cos_lon;
    sincosf(v.gear_latN[en] * con.degtorad, &sin_lat, &cos_lat);
    sincosf(v.gear_lonN[en] * con.degtorad, &sin_lon, &cos_lon);
    *x = v.Xarm[en] + leg * sin_lat * cos_lon;
    *y = v.Yarm[en] - leg * cos_lat * cos_lon;
    *z = v.Zarm[en] - leg * sin_lon;
}

float ret_gear_xnodef(int p, int en)
{
    float x, y, z;
    ret_gear_nodef(p, en, &x, &y, &z);
    return x;
}

float ret_gear_ynodef(int p, int en)
{
    float x, y, z;
    ret_gear_nodef(p, en, &x, &y, &z);
    return y;
}

float ret_gear_znodef(int p, int en)
{
    float x, y, z;
    ret_gear_nodef(p, en, &x, &y, &z);
    return z;
}
