// PLN_PROCS.cpp -- engine kinds, part presence, gear contact points, points along parts, and the
// scalar helpers.
#include "geometry/PLN_PROCS.h"
#include "model/acf_struct.h"
#include "shell/con_struct.h"
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

//=== scalar functions =======================================================================
float fltlim(float in, float min, float max)
{
    if (!(in >= min)) return min;   // written so that a value that is not a number takes min
    if (in > max) return max;
    return in;
}

int intlim(int x, int lo, int hi)
{
    if (x < lo) return lo;
    if (x > hi) return hi;
    return x;
}

int fltrange(float x, float lo, float hi) { return x >= lo && x <= hi; }
int intrange(int x, int lo, int hi) { return x >= lo && x <= hi; }

float fltwrap(float x, float lo, float hi)
{
    const float span = hi - lo;
    if (span == 0.0f) return x;
    if (!(span > 0.0f) || !std::isfinite(span) || !std::isfinite(x)) return x;
    // A value many spans away is brought near with one division; adding a span to a float far
    // larger than it would otherwise change nothing and the loops would never end. The loops
    // keep their bound for the same reason at the very edge of float precision.
    if (x < lo - 64.0f * span || x > hi + 64.0f * span)
        x = (float)((double)lo + std::fmod((double)x - (double)lo, (double)span));
    for (int n = 0; x < lo && n < 256; n++) x += span;
    for (int n = 0; x > hi && n < 256; n++) x -= span;
    return x;
}

int intwrap(int x, int lo, int hi)
{
    const long long span = (long long)hi - lo + 1;
    if (span <= 0) return x;   // empty, or a range that no number of spans could reach
    long long v = x;
    // The same result as adding or subtracting one span at a time, in one step.
    if (v < lo) v += (((long long)lo - v + span - 1) / span) * span;
    if (v > hi) v -= ((v - hi + span - 1) / span) * span;
    return (int)v;
}

float fltmax2(float a, float b) { return a > b ? a : b; }
float fltmin2(float a, float b) { return a < b ? a : b; }

float sign(float x)
{
    if (x < 0.0f || std::isnan(x)) return -1.0f;
    return 1.0f;   // -0.0 is not below 0
}

float pythag(float a, float b) { return std::sqrt(a * a + b * b); }

float interp(float x1, float y1, float x2, float y2, float x, int extrap)
{
    if (x1 == x2) return (y1 + y2) * 0.5f;
    float y = y1 + (x - x1) * (y2 - y1) / (x2 - x1);
    if (extrap) return y;
    return fltlim(y, fltmin2(y1, y2), fltmax2(y1, y2));
}

int flt_box(float x, float y, float x1, float y1, float x2, float y2)
{
    return x >= x1 && x <= x2 && y >= y1 && y <= y2;
}

int check_nan(float x)
{
    if (std::isnan(x) || std::isinf(x)) return 1;
    return x <= -1e10f || x >= 1e10f;
}

char int_to_chr(int i) { return (i >= 0 && i <= 9) ? (char)('0' + i) : '0'; }

void int_to_str(int i, char* buf, int digits)
{
    if (!buf) return;
    digits = intlim(digits, 1, 10);
    long long v = i;   // wide enough that even the most negative int has a magnitude
    int n = 0;
    if (v < 0) {
        buf[n++] = '-';
        v = -v;
    }
    char rev[12];
    int k = 0;
    do {
        rev[k++] = (char)('0' + v % 10);
        v /= 10;
    } while (v && k < 10);
    while (k < digits) rev[k++] = '0';
    while (k) buf[n++] = rev[--k];
    buf[n] = 0;
}

void int_to_str(int i, std::string* out, int digits)
{
    if (!out) return;
    char buf[12];
    int_to_str(i, buf, digits);
    *out = buf;
}

void stl_sprint(std::string* out, const std::string& fmt, float a, float b)
{
    if (!out) return;
    char buf[500];
    snprintf(buf, sizeof buf, fmt.c_str(), (double)a, (double)b);
    *out = buf;
}
