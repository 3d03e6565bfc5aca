// PLN_PROCS.cpp -- gear contact points, points along parts, the derived specifications of the
// edited aircraft and the labels of position fields.
#include "geometry/PLN_PROCS.h"
#include "model/acf_struct.h"
#include "base/con_struct.h"
#include <cmath>
#include <cstdio>
#include <cstring>
#include "model/ACF_check.h"
#include "base/hl_string.h"
#include "base/records.h"

//=== points along parts =====================================================================
// Blade elements are chained, each swept by its own angle, so a point along a blade is the sum of
// the elements up to el: whole ones before it and the covered fraction of its own. The last
// element that sum reaches (a damaged element count must not leave the array):
static int blade_last_element(const veh_struct& v, int en, float el)
{
    const int els = intlim(v.els[en], 0, ACF_ELEMENTS);
    const int n = el >= (float)ACF_ELEMENTS ? ACF_ELEMENTS : (el > 0.0f ? (int)el : 0);
    return intlim(n, 0, els - 1);
}

// Any other part runs straight from its root at its current sweep and dihedral: X, Y and Z of
// element coordinate el.
static inline void straight_part_loc(int p, int en, float el, float* xyz)
{
    const veh_struct& v = veh[p];
    const flt_struct& f = flt[p];
    const float run = el * v.element_len[en];
    xyz[0] = run * f.cos_act_sweep[en] * f.cos_act_dihed[en] * v.lat_sign[en] + v.Xarm[en];
    xyz[1] = run * f.cos_act_sweep[en] * f.sin_act_dihed[en] + v.Yarm[en];
    xyz[2] = run * f.sin_act_sweep[en] + v.Zarm[en];
}

// The sum itself, trig[i] being element i's sweep cosine (across) or sine (along).
static float blade_run(const float* trig, int n, float el, float len)
{
    float sum = 0.0f;
    for (int i = 0; i <= n; i++) sum += fltlim(el - (float)i, 0.0f, 1.0f) * len * trig[i];
    return sum;
}

float get_el_base_loc(int p, int en, float el, const char& axis)
{
    if (en < 0 || en >= ACF_PARTS) return 0.0f;
    const veh_struct& v = veh[p];

    if (en < ACF_THRUST_POINTS) {
        if (axis != 'X' && axis != 'Z') return 0.0f;
        const int n = blade_last_element(v, en, el);
        float trig[ACF_ELEMENTS];
        for (int i = 0; i <= n; i++) {
            const float a = v.bladesweep[en][i] * con.degtorad;
            trig[i] = axis == 'X' ? std::cos(a) : std::sin(a);
        }
        return blade_run(trig, n, el, v.element_len[en]);
    }

    float xyz[3];
    straight_part_loc(p, en, el, xyz);
    return xyz[axis == 'X' ? 0 : axis == 'Y' ? 1 : 2];
}


void get_el_edge_locs(int p, int en, float* x, float* y, float* z)
{
    if (en < 0 || en >= ACF_PARTS) return;
    const veh_struct& v = veh[p];
    const int els = intlim(v.els[en], 0, ACF_ELEMENTS);
    if (en >= ACF_THRUST_POINTS) {
        for (int e = 0; e <= els; e++) {
            float xyz[3];
            straight_part_loc(p, en, (float)e, xyz);
            x[e] = xyz[0], y[e] = xyz[1], z[e] = xyz[2];
        }
        return;
    }
    // A blade: each element's sine and cosine once for all its edges. At a whole edge e the sum
    // is that of every element before e in full, in the same order, so the edges carry it on one
    // from the next; the element that starts at e adds its none-of-it share (0 times its run,
    // which is not 0 when the run is not a number) as the one-edge-at-a-time sum does.
    float c[ACF_ELEMENTS], sn[ACF_ELEMENTS];
    for (int i = 0; i < els; i++) {
        const float a = v.bladesweep[en][i] * con.degtorad;
        c[i] = std::cos(a);
        sn[i] = std::sin(a);
    }
    const float len = v.element_len[en], whole = 1.0f * len, none = 0.0f * len;
    float run_x = 0.0f, run_z = 0.0f;
    for (int e = 0; e <= els; e++) {
        x[e] = e < els ? run_x + none * c[e] : run_x;
        y[e] = 0.0f;
        z[e] = e < els ? run_z + none * sn[e] : run_z;
        if (e < els) run_x += whole * c[e], run_z += whole * sn[e];
    }
}

//=== copying surfaces =======================================================================
namespace {
// The per-element fields a surface copy carries over besides the incidence.
int (veh_struct::*const s_element_flags[])[ACF_PARTS][ACF_ELEMENTS] = {
    &veh_struct::ail1,     &veh_struct::ail2,     &veh_struct::spo1,     &veh_struct::spo2,
    &veh_struct::yawb,     &veh_struct::elev,     &veh_struct::rudd,     &veh_struct::flap,
    &veh_struct::slat,     &veh_struct::sbrk,     &veh_struct::inc_ail1, &veh_struct::inc_ail2,
    &veh_struct::inc_elev, &veh_struct::inc_rudd, &veh_struct::inc_vect, &veh_struct::inc_trim,
};
}  // namespace

void copy_foil(int e1, int e2, int opp_side)
{
    if (e1 < 0 || e1 >= ACF_FOIL_PARTS || e2 < 0 || e2 >= ACF_FOIL_PARTS || e1 == e2) return;
    veh_struct& v = veh[0];
    memcpy(v.Rafl0[e2], v.Rafl0[e1], sizeof v.Rafl0[e2]);
    memcpy(v.Rafl1[e2], v.Rafl1[e1], sizeof v.Rafl1[e2]);
    memcpy(v.Tafl0[e2], v.Tafl0[e1], sizeof v.Tafl0[e2]);
    memcpy(v.Tafl1[e2], v.Tafl1[e1], sizeof v.Tafl1[e2]);
    v.els[e2] = v.els[e1];
    v.Xarm[e2] = opp_side ? -v.Xarm[e1] : v.Xarm[e1];
    v.Yarm[e2] = v.Yarm[e1];
    v.Zarm[e2] = v.Zarm[e1];
    v.Croot[e2] = v.Croot[e1];
    v.Ctip[e2] = v.Ctip[e1];
    v.vardihed[e2] = v.vardihed[e1];
    v.dihed1[e2] = v.dihed1[e1];
    v.dihed2[e2] = v.dihed2[e1];
    v.varsweep[e2] = v.varsweep[e1];
    v.sweep1[e2] = v.sweep1[e1];
    v.sweep2[e2] = v.sweep2[e1];
    v.semilen_SEG[e2] = v.semilen_SEG[e1];
    v.varinc[e2] = v.varinc[e1];
    v.inc2[e2] = v.inc2[e1];
    v.afl[e2].t_rat[0] = v.afl[e1].t_rat[0];
    v.afl[e2].t_rat[1] = v.afl[e1].t_rat[1];
    const int els = intlim(v.els[e1], 0, ACF_ELEMENTS);
    if (els == ACF_ELEMENTS) {   // the usual case: whole rows, in fixed-size copies
        memcpy(v.incidence[e2], v.incidence[e1], sizeof v.incidence[e2]);
        for (auto flags : s_element_flags) memcpy((v.*flags)[e2], (v.*flags)[e1], sizeof((v.*flags)[e2]));
        return;
    }
    memcpy(v.incidence[e2], v.incidence[e1], sizeof(float) * els);
    for (auto flags : s_element_flags) memcpy((v.*flags)[e2], (v.*flags)[e1], sizeof(int) * els);
}

//=== derived specifications =================================================================
namespace {

// Which parts exist, from what the designer entered: engines, spans and gear kinds.
void specs_presence(veh_struct& v)
{
    for (int k = 0; k < ACF_THRUST_POINTS; k++)
        v.part_eq[k] = k < v.num_engines && (en_is_prop(0, k) || v.engn_type[k] == 7);
    for (int part = 8; part <= 27; part++) v.part_eq[part] = v.semilen_SEG[part] > 0.05f;
    for (int part = 28; part <= 43; part++) {
        const int k = (part - 28) % ACF_THRUST_POINTS;
        v.part_eq[part] = v.part_eq[part] && k < v.num_thrustpoints && v.semilen_SEG[part] > 0.05f;
    }
    for (int part = 53; part <= 60; part++) v.part_eq[part] = v.part_eq[part] && part - 53 < v.num_thrustpoints;
    for (int part = 67; part <= 72; part++) v.part_eq[part] = v.gear_type[part] != 0;
}

// A relaxation step limited to 0.05 either way; a step that is not a number stays one, so the
// reset that follows catches it.
float relax_step(float x) { return std::isnan(x) ? x : fltlim(x, -0.05f, 0.05f); }

float settled(float x) { return std::isnan(x) || x < -100 || x > 100 ? 0.0f : x; }

// Springs and damping of every part, and one step of the resting height and pitch on the gear.
// The undeflected contact points of the gear (all legs down) are left in contact[] for the
// fairings.
void specs_gear(veh_struct& v, float (*contact)[3])
{
    const float m = v.m_max;
    const float design_deflection = fltlim(interp(1, 0.1f, 100000, 1, m, 1), 0.1f, 1.0f);
    const float spring = m / design_deflection / 3.0f;
    bool present[ACF_PARTS];
    for (int part = 0; part < ACF_PARTS; part++) {
        present[part] = part < ACF_THRUST_POINTS ? have_this_part(0, part, 6) : v.part_eq[part] != 0;
        if (!present[part]) continue;
        v.gearcon[part] = spring;
        v.geardmp[part] = spring * 0.1f;
    }
    int gear[6], n = 0;
    float tire_sum = 0;
    for (int g = 67; g <= 72; g++) {
        if (!v.part_eq[g]) continue;
        gear[n++] = g;
        tire_sum += v.tire_radius[g];
        v.gear_latN[g] = v.gear_latE[g];
        v.gear_lonN[g] = v.gear_lonE[g];
        v.gear_axiN[g] = v.gear_axiE[g];
        v.gear_deploy[g] = 1;
    }
    if (n == 0) return;
    const float mean_tire = tire_sum / (float)n;

    float cy[6], cz[6];
    float zlo = 0, zhi = 0, ylo = 0, yhi = 0, largest_tire = 0, arm_sum = 0;
    for (int i = 0; i < n; i++) {
        const int g = gear[i];
        float* at = contact[g - 67];
        ret_gear_nodef(0, g, &at[0], &at[1], &at[2]);
        cy[i] = at[1];
        cz[i] = at[2];
        zlo = i ? fltmin2(zlo, cz[i]) : cz[i];
        zhi = i ? fltmax2(zhi, cz[i]) : cz[i];
        ylo = i ? fltmin2(ylo, v.Yarm[g]) : v.Yarm[g];
        yhi = i ? fltmax2(yhi, v.Yarm[g]) : v.Yarm[g];
        largest_tire = fltmax2(largest_tire, v.tire_radius[g]);
        arm_sum += std::fabs(cz[i] - v.cgZ);
    }
    // Gear spread higher than it is long: the aircraft stands on its tail.
    if (yhi - ylo > zhi - zlo) {
        v.h_eqlbm = settled(zhi - v.cgZ);
        v.the_eqlbm = 90;
        return;
    }
    const float mean_arm = arm_sum / (float)n;
    for (int part = 0; part <= 66; part++)
        if (present[part]) {
            v.gearcon[part] *= 0.2f;
            v.geardmp[part] *= 0.2f;
        }
    for (int i = 0; i < n; i++) {
        const int g = gear[i];
        float k = 1;
        const bool skid = v.gear_type[g] == 1;
        if (!skid && std::fabs(v.Xarm[g]) > 0.1f && v.tire_radius[g] < 0.99f * mean_tire) k *= 0.25f;
        if (!skid && std::fabs(v.Xarm[g]) < 0.1f && cz[i] - v.cgZ > mean_arm) k *= 0.5f;
        if (skid) k *= 0.5f;
        v.gearcon[g] *= k;
        v.geardmp[g] *= k;
        if (!skid) v.gearcon[g] *= fltlim(v.tire_radius[g] / largest_tire, 0, 1);
    }

    const float the = v.the_eqlbm * con.degtorad, s = std::sin(the), c = std::cos(the);
    float force = 0, moment = 0;
    for (int i = 0; i < n; i++) {
        const int g = gear[i];
        const float dy = cy[i] - v.cgY, dz = cz[i] - v.cgZ;
        const float def = fltlim(-(v.h_eqlbm + dy * c - dz * s - v.tire_radius[g]), 0, 9.9e9f);
        v.gearstatdef[g] = def;
        force += def * v.gearcon[g];
        moment += def * v.gearcon[g] * (dz * c + dy * s);
    }
    v.h_eqlbm += relax_step((force - m) / m * 0.05f);
    v.the_eqlbm -= relax_step(moment / m * 0.05f);
    if (!std::isnan(v.the_eqlbm)) v.the_eqlbm = fltlim(v.the_eqlbm, -30, 30);
    if (std::fabs(v.the_eqlbm) > 29.9f) v.the_eqlbm = 0;
    v.h_eqlbm = settled(v.h_eqlbm);
    v.the_eqlbm = settled(v.the_eqlbm);
    if (v.gear_type[67] == 1 && v.gear_type[68] == 1 && v.gear_type[69] == 1 && v.gear_type[70] == 1)
        for (int g = 67; g <= 70; g++) v.gearstatdef[g] = 0;
}

// Without gear the aircraft rests on the lowest point of its bodies at its resting pitch.
void specs_body_rest(veh_struct& v)
{
    v.the_eqlbm = settled(v.the_eqlbm);   // a pitch that is no number would tilt the drawing away
    const float the = v.the_eqlbm * con.degtorad, s = std::sin(the), c = std::cos(the);
    float h = 0;
    for (int part = 0; part < ACF_PARTS; part++) {
        if (!have_this_part(0, part, 6)) continue;
        const float* y = &v.body_Y[part][0][0];
        const float* z = &v.body_Z[part][0][0];
        for (int i = 0; i < ACF_BODY_STATIONS * ACF_BODY_POINTS; i++) h = fltmax2(h, s * z[i] - c * y[i]);
    }
    h += c * v.cgY - s * v.cgZ;
    v.h_eqlbm = std::isfinite(h) ? h : 0.0f;
}

// The blades twisted and swept for their design point: each element's sweep moves 5 degrees per
// second toward the one at which its helical speed matches the design propeller speed.
void specs_blades(veh_struct& v)
{
    const float step = 5 * mnw.prd_FM;
    for (int k = 0; k < ACF_THRUST_POINTS; k++) {
        if (!have_this_part(0, k, 6)) continue;
        const bool fixed_pitch = v.prop_type[k] == 0 || v.prop_type[k] == 6;
        if (fixed_pitch) v.min_pitch[k] = v.max_pitch[k] = 0;
        const float omega = v.des_rpm_prp[k] * con.rpmtorsc;
        const float v_prop = v.des_kts_prp[k] * con.ktstomsc;
        const float v_acf = v.des_kts_acf[k] * con.ktstomsc;
        const float len = v.element_len[k];
        v.els[k] = ACF_ELEMENTS;
        // The elements are chained, each swept by its own angle: (x, z) is where element e starts.
        float x = 0, z = 0;
        for (int e = 0; e < ACF_ELEMENTS; e++) {
            float& sweep = v.bladesweep[k][e];
            const float before = sweep;
            const float a = sweep * con.degtorad, ca = std::cos(a), sa = std::sin(a);
            const float r = (ca * (x + 0.5f * len * ca) + sa * (z + 0.5f * len * sa)) * con.fttomtrs;
            const float u = omega * r;
            const float w = std::sqrt(u * u + v_acf * v_acf);
            if (w > v_prop) sweep += step;
            else if (w < v_prop) sweep -= step;
            sweep = !(sweep > 0) ? 0.0f : sweep > 90 ? 90.0f : sweep;   // fltlim's 0..90, inline for 80 elements
            const float inc = u != 0 ? std::atan(v_acf / u) * con.radtodeg : v_acf == 0 ? 0.0f : std::copysign(90.0f, v_acf);
            v.incidence[k][e] = std::isfinite(inc) ? inc : 0.0f;   // a damaged design point gives a flat blade
            if (sweep == before) {   // held at a limit: the angle is the one just used
                x += len * ca;
                z += len * sa;
            } else {
                const float b = sweep * con.degtorad;
                x += len * std::cos(b);
                z += len * std::sin(b);
            }
        }
        if (!fixed_pitch) {
            const float tip = v.incidence[k][ACF_ELEMENTS - 1];
            for (int e = 0; e < ACF_ELEMENTS; e++) v.incidence[k][e] -= tip;
        }
    }
}

// Surfaces of thrust points 1..7 copy those of thrust point 0, placed at their own thrust point
// as thrust point 0's are at it, mirrored across the centre line when on the other side.
void specs_engine_surfaces(veh_struct& v)
{
    for (int k = 1; k < ACF_THRUST_POINTS; k++) {
        const int mirror = sign(v.Xarm[k]) != sign(v.Xarm[0]);
        copy_foil(28, 28 + k, mirror);
        copy_foil(36, 36 + k, mirror);
    }
    for (int k = 1; k < ACF_THRUST_POINTS; k++) {
        const float side = sign(v.Xarm[k]) == sign(v.Xarm[0]) ? 1.0f : -1.0f;
        for (int first : {28, 36}) {
            const int part = first + k;
            if (!v.part_eq[part]) continue;
            v.Xarm[part] = v.Xarm[k] + (v.Xarm[first] - v.Xarm[0]) * side;
            v.Yarm[part] = v.Yarm[k] + (v.Yarm[first] - v.Yarm[0]);
            v.Zarm[part] = v.Zarm[k] + (v.Zarm[first] - v.Zarm[0]);
        }
    }
}

}  // namespace

void update_plane_specs(void)
{
    veh_struct& v = veh[0];
    specs_presence(v);
    ACF_autoset(0);
    float contact[6][3];
    bool have_contact[6] = {};
    if (v.has_gear) {
        specs_gear(v, contact);
        for (int g = 67; g <= 72; g++) have_contact[g - 67] = v.part_eq[g];
    }
    v.is_skid_gear = v.gear_type[67] == 1 && v.gear_type[68] == 1 && v.gear_type[69] == 1 && v.gear_type[70] == 1;
    if (!v.has_gear) specs_body_rest(v);
    specs_blades(v);

    if (v.RSC_maxgreen_ENGN < v.RSC_mingreen_ENGN + 1) v.RSC_maxgreen_ENGN = v.RSC_mingreen_ENGN + 1;
    if (v.RSC_redline_ENGN < v.RSC_maxgreen_ENGN) v.RSC_redline_ENGN = v.RSC_maxgreen_ENGN;
    if (v.RSC_redline_ENGN < v.RSC_idlespeed_ENGN + 1) v.RSC_redline_ENGN = v.RSC_idlespeed_ENGN + 1;

    // The left surfaces are the right ones, mirrored: the designer edits only the right.
    for (int right = 9; right <= 17; right += 2) copy_foil(right, right - 1, 1);
    specs_engine_surfaces(v);
    for (int k = 0; k < ACF_THRUST_POINTS; k++) {
        v.Xarm[53 + k] = v.Xarm[k];
        v.Yarm[53 + k] = v.Yarm[k];
        v.Zarm[53 + k] = v.Zarm[k];
    }
    // Each gear fairing hangs at its leg's contact point, down by the leg's static deflection.
    // (The legs the gear step placed are placed the same way here: their contact points stand.)
    for (int g = 67; g <= 72; g++) {
        v.gear_latN[g] = v.gear_latE[g];
        v.gear_lonN[g] = v.gear_lonE[g];
        v.gear_deploy[g] = 1;
        float* at = contact[g - 67];
        if (!have_contact[g - 67]) ret_gear_nodef(0, g, &at[0], &at[1], &at[2]);
        v.Xarm[g - 6] = at[0];
        v.Yarm[g - 6] = at[1] + v.gearstatdef[g];
        v.Zarm[g - 6] = at[2];
    }
}

//=== labels of position fields ==============================================================
const char* xyz_name(const std::string& label0, char dir)
{
    static char buf[ACF_TEXT];
    char left[STR_LABEL_LEN], right[STR_LABEL_LEN], help[STR_LABEL_LEN];
    label0to12h(label0.c_str(), left, right, help);
    std::string s = left;
    s += "|";
    s += right;
    s += " { ";
    if (dir == 'x') s += "This is how far to the side of the reference point the ";
    else if (dir == 'y') s += "This is how far above the reference point the ";
    else if (dir == 'z') s += "This is how far behind the reference point the ";
    s += help;
    s += " is. The reference point may be any point on the aircraft, but you have to use the SAME reference point for "
         "ALL the data you enter on the aircraft. The nose of the aircraft is a typical reference point.";
    STR_cut(buf, s.c_str(), sizeof buf);
    return buf;
}

void label_part(const std::string& label0, std::string* label0_mod, int l1, int l2)
{
    if (!label0_mod) return;
    char left[STR_LABEL_LEN], right[STR_LABEL_LEN], help[STR_LABEL_LEN];
    label0to12h(label0.c_str(), left, right, help);
    std::string s = l1 ? left : "";
    s += "|";
    if (l2) s += right;
    s += " { ";
    s += help;
    *label0_mod = s;
}
