// PLN_PROCS.cpp -- engine kinds, part presence, gear contact points and points along parts.
#include "geometry/PLN_PROCS.h"
#include "model/acf_struct.h"
#include "base/con_struct.h"
#include <cmath>
#include <cstdio>

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

float ret_gear_xnodef(int p, int en)
{
    if (en < 0 || en >= ACF_PARTS) return 0.0f;
    const veh_struct& v = veh[p];
    return v.Xarm[en] +
           gear_leg(v, en) * std::sin(v.gear_latN[en] * con.degtorad) * std::cos(v.gear_lonN[en] * con.degtorad);
}

float ret_gear_ynodef(int p, int en)
{
    if (en < 0 || en >= ACF_PARTS) return 0.0f;
    const veh_struct& v = veh[p];
    return v.Yarm[en] -
           gear_leg(v, en) * std::cos(v.gear_latN[en] * con.degtorad) * std::cos(v.gear_lonN[en] * con.degtorad);
}

float ret_gear_znodef(int p, int en)
{
    if (en < 0 || en >= ACF_PARTS) return 0.0f;
    const veh_struct& v = veh[p];
    return v.Zarm[en] - gear_leg(v, en) * std::sin(v.gear_lonN[en] * con.degtorad);
}

//=== points along parts =====================================================================
float get_el_base_loc(int p, int en, float el, const char& axis)
{
    if (en < 0 || en >= ACF_PARTS) return 0.0f;
    const veh_struct& v = veh[p];

    if (en < ACF_THRUST_POINTS) {
        // Blade elements are chained, each swept by its own angle, so the point is the sum of
        // the elements up to el: whole ones before it and the covered fraction of its own.
        if (axis != 'X' && axis != 'Z') return 0.0f;
        int els = intlim(v.els[en], 0, ACF_ELEMENTS);   // a damaged count must not leave the array
        int n = el >= (float)ACF_ELEMENTS ? ACF_ELEMENTS : (el > 0.0f ? (int)el : 0);
        n = intlim(n, 0, els - 1);
        float sum = 0.0f;
        for (int i = 0; i <= n; i++) {
            float f = fltlim(el - (float)i, 0.0f, 1.0f);
            float a = v.bladesweep[en][i] * con.degtorad;
            sum += f * v.element_len[en] * (axis == 'X' ? std::cos(a) : std::sin(a));
        }
        return sum;
    }

    const flt_struct& f = flt[p];
    const float run = el * v.element_len[en];
    if (axis == 'X') return run * f.cos_act_sweep[en] * f.cos_act_dihed[en] * v.lat_sign[en] + v.Xarm[en];
    if (axis == 'Y') return run * f.cos_act_sweep[en] * f.sin_act_dihed[en] + v.Yarm[en];
    return run * f.sin_act_sweep[en] + v.Zarm[en];
}

//=== derived specifications =================================================================
void update_plane_specs(void) {}
