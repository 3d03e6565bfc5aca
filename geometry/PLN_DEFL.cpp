// PLN_DEFL.cpp -- control deflections and attitude: what the control requests of an aircraft
// make of its surfaces, gear, doors, rotors and variable geometry; the chord share of a control
// surface along a part; and the small attitude algebra that hangs weapons on the aircraft.
#include "geometry/PLN_DEFL.h"
#include "base/HL_MATH_FUN.h"
#include "base/con_struct.h"
#include "base/records.h"
#include "model/acf_struct.h"
#include "model/acf_parts.h"
#include "model/IO_AFL.h"
#include <cmath>
#include <cstdio>
#include <utility>

float control_crat(int p, int en, float el, int control)
{
    if (p < 0 || p >= ACF_RECORDS || en < 0 || en >= ACF_PARTS) return 0.0f;
    const veh_struct& v = veh[p];
    float elR, elT, cratR, cratT;
    switch (control) {
    case DEFL_AIL1: elR = v.ail1_elR[en]; elT = v.ail1_elT[en]; cratR = v.ail1_cratR; cratT = v.ail1_cratT; break;
    case DEFL_AIL2: elR = v.ail2_elR[en]; elT = v.ail2_elT[en]; cratR = v.ail2_cratR; cratT = v.ail2_cratT; break;
    case DEFL_SPO1: elR = v.spo1_elR[en]; elT = v.spo1_elT[en]; cratR = v.spo1_cratR; cratT = v.spo1_cratT; break;
    case DEFL_SPO2: elR = v.spo2_elR[en]; elT = v.spo2_elT[en]; cratR = v.spo2_cratR; cratT = v.spo2_cratT; break;
    case DEFL_YAWB: elR = v.yawb_elR[en]; elT = v.yawb_elT[en]; cratR = v.yawb_cratR; cratT = v.yawb_cratT; break;
    case DEFL_ELEV: elR = v.elev_elR[en]; elT = v.elev_elT[en]; cratR = v.elev_cratR; cratT = v.elev_cratT; break;
    case DEFL_RUDD: elR = v.rudd_elR[en]; elT = v.rudd_elT[en]; cratR = v.rudd_cratR; cratT = v.rudd_cratT; break;
    case DEFL_FLAP: elR = v.flap_elR[en]; elT = v.flap_elT[en]; cratR = v.flap_cratR; cratT = v.flap_cratT; break;
    case DEFL_SBRK: elR = v.sbrk_elR[en]; elT = v.sbrk_elT[en]; cratR = v.sbrk_cratR; cratT = v.sbrk_cratT; break;
    default: return 0.0f;
    }
    const float els = (float)v.els[en];
    auto chord = [&](float x) { return interp(0.0f, v.Croot[en], els, v.Ctip[en], x, 1); };
    const float here = chord(el);
    if (std::fabs(here) < 1e-6f) return interp(elR, cratR, elT, cratT, el, 1);
    return interp(elR, chord(elR) * cratR, elT, chord(elT) * cratT, el, 1) / here;
}

int wpn_can_exist(int p, int w)
{
    if (p < 0 || p >= ACF_RECORDS || w < 0 || w >= ACF_WPN_POINTS) return 0;
    return veh[p].wpn[w].type != 0;
}


//=== attitude algebra =======================================================================
void any_to_wrl(float x, float y, float z, float* x_out, float* y_out, float* z_out, float sin_psi, float cos_psi,
                float sin_the, float cos_the, float sin_phi, float cos_phi)
{
    const float x1 = x * cos_phi + y * sin_phi;
    const float y1 = y * cos_phi - x * sin_phi;
    const float z2 = z * cos_the + y1 * sin_the;
    *y_out = y1 * cos_the - z * sin_the;
    *x_out = x1 * cos_psi - z2 * sin_psi;
    *z_out = z2 * cos_psi + x1 * sin_psi;
}

void veh_to_wrl(float x, float y, float z, float* x_out, float* y_out, float* z_out, int w)
{
    if (w < 0 || w >= ACF_RECORDS) {
        *x_out = x;
        *y_out = y;
        *z_out = z;
        return;
    }
    const flt_struct& f = flt[w];
    any_to_wrl(x, y, z, x_out, y_out, z_out, f.sin_psi, f.cos_psi, f.sin_the, f.cos_the, f.sin_phi, f.cos_phi);
}

// Sines and cosines of an attitude given in degrees.
struct DEFL_att { float sp, cp, st, ct, sf, cf; };
static DEFL_att att_of(float psi, float the, float phi)
{
    const float d = con.degtorad;
    return {std::sin(psi * d), std::cos(psi * d), std::sin(the * d), std::cos(the * d), std::sin(phi * d),
            std::cos(phi * d)};
}

void att_to_veh(float x, float y, float z, float* x_out, float* y_out, float* z_out, int p, int en)
{
    if (p < 0 || p >= ACF_RECORDS || en < 0 || en >= ACF_WPN_SLOTS) {
        *x_out = x;
        *y_out = y;
        *z_out = z;
        return;
    }
    const wpn_struct& w = veh[p].wpn[en];
    const DEFL_att a = att_of(w.psi_acf, w.the_acf, w.phi_acf);
    any_to_wrl(x, y, z, x_out, y_out, z_out, a.sp, a.cp, a.st, a.ct, a.sf, a.cf);
}

void get_euler_from_eulers(float psi1, float psi2, float psi3, float* psi, float the1, float the2, float the3,
                           float* the, float phi1, float phi2, float phi3, float* phi)
{
    float fw[3] = {0, 0, -1}, up[3] = {0, 1, 0};
    const DEFL_att sets[3] = {att_of(psi1, the1, phi1), att_of(psi2, the2, phi2), att_of(psi3, the3, phi3)};
    for (const DEFL_att& a : sets) {
        any_to_wrl(fw[0], fw[1], fw[2], &fw[0], &fw[1], &fw[2], a.sp, a.cp, a.st, a.ct, a.sf, a.cf);
        any_to_wrl(up[0], up[1], up[2], &up[0], &up[1], &up[2], a.sp, a.cp, a.st, a.ct, a.sf, a.cf);
    }
    const float r = con.radtodeg;
    const float h = std::atan2(fw[0], -fw[2]);
    const float t = std::atan2(fw[1], std::sqrt(fw[0] * fw[0] + fw[2] * fw[2]));
    // Take the heading, then the pitch, back off the up vector: what is left is the roll.
    const float sh = std::sin(h), ch = std::cos(h), stt = std::sin(t), ct = std::cos(t);
    const float x1 = up[0] * ch + up[2] * sh, z2 = up[2] * ch - up[0] * sh;
    const float y1 = up[1] * ct + z2 * stt;
    *psi = fltwrap(h * r, 0, 360);
    *the = t * r;
    *phi = std::atan2(x1, y1) * r;
}

void init_quaternion(float psi_deg, float the_deg, float phi_deg, float* q)
{
    const float h = 0.5f * con.degtorad;
    const float sp = std::sin(psi_deg * h), cp = std::cos(psi_deg * h);
    const float st = std::sin(the_deg * h), ct = std::cos(the_deg * h);
    const float sf = std::sin(phi_deg * h), cf = std::cos(phi_deg * h);
    q[0] = cf * ct * cp + sf * st * sp;
    q[1] = sf * ct * cp - cf * st * sp;
    q[2] = cf * st * cp + sf * ct * sp;
    q[3] = cf * ct * sp - sf * st * cp;
}

//=== weapons on moving parts ================================================================
// The part a weapon hangs on (8 wing1L .. 19 vstb2, or 67.. for gear codes) and the control it
// follows; both come from the file, so each is checked before it indexes anything.
static int att_part(const veh_struct& v, int w) { return intlim(v.wpn_att_prt[w], 0, 11) + 8; }
static int att_gear(const veh_struct& v, int w) { return v.wpn_att_con[w] - 12 + 67; }

static bool att_ok(int p, int w) { return p >= 0 && p < ACF_RECORDS && w >= 0 && w < ACF_WPN_POINTS; }

float wpn_att_the(int p, int w)
{
    if (!att_ok(p, w)) return 0;
    const veh_struct& v = veh[p];
    const flt_struct& f = flt[p];
    const int en = att_part(v, w);
    switch (v.wpn_att_con[w]) {
    case 1: return f.flap_def[en];
    case 2: return -f.slat_rat * 120;
    case 3: return -f.ail1_def[en];
    case 4: return -f.ail2_def[en];
    case 5: return -f.elev_def[en];
    case 7: return -f.spo1_def[en];
    case 8: return -f.spo2_def[en];
    case 9: return -f.yawb_def[en];
    case 10: return -f.sbrk_rat * v.sbrk_up;
    case 11: return f.stab_def;
    case 12: case 13: case 14: case 15: case 16: case 17: return f.gear_the[att_gear(v, w)];
    default: return 0;
    }
}

float wpn_att_psi(int p, int w)
{
    if (!att_ok(p, w)) return 0;
    const veh_struct& v = veh[p];
    const int con_code = v.wpn_att_con[w];
    if (con_code == 6) return flt[p].rudd_def[att_part(v, w)];
    if (con_code >= 12 && con_code <= 17) return flt[p].gear_psi[att_gear(v, w)];
    return 0;
}

float wpn_att_phi(int p, int w)
{
    if (!att_ok(p, w)) return 0;
    const int con_code = veh[p].wpn_att_con[w];
    return con_code >= 12 && con_code <= 17 ? flt[p].gear_phi[att_gear(veh[p], w)] : 0;
}

//=== the deflection pass ====================================================================
namespace {
constexpr int FIRST_GEAR = 67, LAST_GEAR = 72, FIRST_WING = 8, LAST_DEFLECTING = 27, LAST_WING_TYPE = 43;

// Thrust points a record says it has, held to the arrays.
int thrust_points(const veh_struct& v) { return intlim(v.num_thrustpoints, 0, ACF_THRUST_POINTS); }

void gear_angles(int p)
{
    veh_struct& v = veh[p];
    flt_struct& f = flt[p];
    const float r = con.radtodeg;
    for (int en = FIRST_GEAR; en <= LAST_GEAR; en++) {
        if (!have_this_part(p, en, 0)) continue;
        const float d = v.gear_deploy[en];
        v.gear_latN[en] = interp(0, v.gear_latR[en], 1, v.gear_latE[en], d, 1);
        v.gear_lonN[en] = interp(0, v.gear_lonR[en], 1, v.gear_lonE[en], d, 1);
        v.gear_axiN[en] = interp(0, v.gear_axiR[en], 1, v.gear_axiE[en], d, 1);
        ret_gear_nodef(p, en, &v.gear_xnodef[en], &v.gear_ynodef[en], &v.gear_znodef[en]);
        const float dx = v.gear_xnodef[en] - v.Xarm[en], dy = v.gear_ynodef[en] - v.Yarm[en];
        const float dz = v.gear_znodef[en] - v.Zarm[en];
        f.gear_psi[en] = std::atan2(dx, -dz) * r;
        f.gear_the[en] = std::atan2(dy, std::sqrt(dx * dx + dz * dz)) * r;
        f.gear_phi[en] = 0;
    }
}

// Each door follows the leg nearest to it in plan: some doors open only while the leg travels,
// others close again behind it.
void gear_doors(int p)
{
    veh_struct& v = veh[p];
    for (int d = 0; d < ACF_GEAR_DOORS; d++) {
        if (v.gear_door_typ[d] == 0) continue;
        float best = 1e30f, deploy = 0;
        for (int en = FIRST_GEAR; en <= LAST_GEAR; en++) {
            if (!have_this_part(p, en, 0)) continue;
            const float dx = v.Xarm[en] - v.gear_door_loc[d][0], dz = v.Zarm[en] - v.gear_door_loc[d][2];
            const float dist = dx * dx + dz * dz;
            if (dist < best) {
                best = dist;
                deploy = v.gear_deploy[en];
            }
        }
        auto ang = [&](float a, float b) { return interp(a, v.gear_door_ret_ang[d], b, v.gear_door_ext_ang[d], deploy, 0); };
        switch (v.gear_door_typ[d]) {
        case 1: v.gear_door_ang_now[d] = ang(0, 0.2f); break;
        case 2: v.gear_door_ang_now[d] = ang(0, 1); break;
        case 3: v.gear_door_ang_now[d] = deploy <= 0.5f ? ang(0, 0.2f) : ang(1, 0.8f); break;
        default: v.gear_door_ang_now[d] = v.gear_door_ret_ang[d]; break;
        }
    }
}

struct vector_adds { float nace, disc; };

vector_adds vectoring(int p)
{
    const veh_struct& v = veh[p];
    flt_struct& f = flt[p];
    const vector_adds add{interp(0, v.vect_min_nace, 1, v.vect_max_nace, f.vect_rat, 0),
                          interp(0, v.vect_min_disc, 1, v.vect_max_disc, f.vect_rat, 0)};
    const float d2r = con.degtorad;
    for (int en = 0; en < thrust_points(v); en++) {
        const int vect = v.inc_vect[en][0] != 0;
        f.vert_nace_cant_vector[en] = v.vert_cant_init[en] + (vect ? add.nace : 0);
        f.vert_disc_cant_vector[en] = v.vert_cant_init[en] + (vect ? add.disc : 0);
        const float c = f.vert_nace_cant_vector[en] * d2r;
        float* xyz = f.POINT_XYZ[en];
        xyz[0] = v.Xarm[en];
        xyz[1] = v.Yarm[en] - std::sin(c) * v.vectarmZ + std::cos(c) * v.vectarmY;
        xyz[2] = v.Zarm[en] + std::cos(c) * v.vectarmZ + std::sin(c) * v.vectarmY;
        float vert = 0, side = 0;
        if (v.prop_type[en] != 6) {
            const float dc = f.vert_disc_cant_vector[en] * d2r, sc = std::sin(dc), cc = std::cos(dc);
            const float sx = sign(xyz[0]), sy = sign(xyz[1]), sz = sign(xyz[2]);
            if (v.phase_ptch_tvect_in_at_00) vert -= v.tvec_ptch * f.FC_ptch * sz * cc;
            if (v.phase_roll_tvect_in_at_00) vert -= v.tvec_roll * f.FC_roll * sx * cc;
            if (v.phase_ptch_tvect_in_at_90) vert += v.tvec_ptch * f.FC_ptch * sy * sc;
            if (v.phase_hdng_tvect_in_at_90) vert += v.tvec_hdng * f.FC_hdng * sx * sc;
            if (v.phase_hdng_tvect_in_at_00) side -= v.tvec_hdng * f.FC_hdng * sz * cc;
            if (v.phase_roll_tvect_in_at_90) side += v.tvec_roll * f.FC_roll * sy * sc;
        }
        f.vert_disc_cant_cyclic[en] = vert + f.vert_disc_cant_vector[en] + f.cyclic_elev_disc_tilt[en];
        f.side_disc_cant_cyclic[en] = side + v.side_cant_init[en] + f.cyclic_ailn_disc_tilt[en];
    }
    return add;
}

void throttles(int p)
{
    const veh_struct& v = veh[p];
    flt_struct& f = flt[p];
    const float d2r = con.degtorad;
    const int engines = intlim(v.num_engines, 0, ACF_THRUST_POINTS);
    for (int en = 0; en < engines; en++) {
        const float dc = f.vert_disc_cant_vector[en] * d2r, sc = std::sin(dc), cc = std::cos(dc);
        float d = 0;
        if (std::fabs(v.Zarm[en]) > 0.01f) d -= v.diff_thro_ptch * f.FC_ptch * sign(v.Zarm[en]) * sc;
        if (std::fabs(v.Xarm[en]) > 0.01f) {
            d -= v.diff_thro_roll * f.FC_roll * sign(v.Xarm[en]) * sc;
            d -= v.diff_thro_hdng * f.FC_hdng * sign(v.Xarm[en]) * cc;
        }
        const float target = fltlim(d + f.CONT_thro_ref[en], 0, v.throt_max_FWD);
        const float spool = en_is_jet(p, en) ? v.throt_time_jet : v.throt_time_prop;
        // A spool time of nothing (or nonsense) means the throttle is there at once.
        const float step = spool > 0 ? mnw.prd_FM / spool : 1e30f;
        f.CONT_thro_use[en] = std::fmin(target, f.CONT_thro_use[en] + step);
        if (!(f.CONT_thro_use[en] == f.CONT_thro_use[en])) f.CONT_thro_use[en] = target;
        const float burn = f.ENGN_burner_on[en] ? 1.0f : -1.0f;
        f.ENGN_burner_rat[en] = fltlim(f.ENGN_burner_rat[en] + burn * 0.5f * mnw.prd_FM, 0, 1);
    }
}

void variable_geometry(int p)
{
    veh_struct& v = veh[p];
    flt_struct& f = flt[p];
    for (int en = FIRST_WING; en <= LAST_WING_TYPE; en++) {
        v.sweepnow[en] = v.sweep1[en];
        if (v.varsweep[en]) v.sweepnow[en] += fltwrap(v.sweep2[en] - v.sweep1[en], -180, 180) * f.swdi_rat;
        v.dihednow[en] = v.dihed1[en];
        if (v.vardihed[en]) v.dihednow[en] += fltwrap(v.dihed2[en] - v.dihed1[en], -180, 180) * f.swdi_rat;
        v.incnow[en] = v.varinc[en] ? v.inc2[en] * f.swdi_rat : 0;
        if (en <= 15) v.dihednow[en] -= v.wing_tilt_roll * f.FC_roll * v.lat_sign[en];
        f.foil_swe_inc[en] = v.sweepnow[en] - v.sweep1[en];
        f.foil_dih_inc[en] = v.dihednow[en] - v.dihed1[en];
    }
}

// One contribution to an element's incidence, told to the trace when it is on.
void add_inc(int p, int en, int k, float value, const char* why)
{
    flt[p].elem_inc_inc[en][k] += value;
    if (mnw.cyc_out && p == 0 && dat)
        fprintf(dat, "%s element #%d incidence is being increased by %g deg thanks to %s.\n", partname(en), k, value, why);
}

void element_incidence(int p, float nace_add)
{
    const veh_struct& v = veh[p];
    flt_struct& f = flt[p];
    for (int en = FIRST_WING; en <= LAST_DEFLECTING; en++)
        for (int k = 0; k < ACF_ELEMENTS; k++) f.elem_inc_inc[en][k] = 0;
    for (int en = FIRST_WING; en <= LAST_DEFLECTING; en++) {
        if (!have_this_part(p, en, 0)) continue;
        // A surface ahead of the reference point trims the other way.
        const int rev_elev = v.Zarm[en] + v.Croot[en] * (0.25f * v.delta_fac[en] + 0.25f) < 0;
        f.stab_def = 0;
        if (f.elev_trim < 0 && v.min_trim_elev != 0)
            f.stab_def = f.elev_trim / v.min_trim_elev * (rev_elev ? v.hstb_trim_up : -v.hstb_trim_dn);
        else if (f.elev_trim > 0 && v.max_trim_elev != 0)
            f.stab_def = f.elev_trim / v.max_trim_elev * (rev_elev ? v.hstb_trim_dn : -v.hstb_trim_up);
        const int els = intlim(v.els[en], 0, ACF_ELEMENTS);
        const float vne_share = v.Vne_kts != 0 ? fltlim(f.v_ind_kts / v.Vne_kts, 0, 1) : 0;
        for (int k = 0; k < els; k++) {
            const float tilt = v.wing_tilt_ptch * f.FC_ptch;
            if (tilt != 0) add_inc(p, en, k, tilt, "wing tilt for pitch control");
            if (v.inc_ail1[en][k]) add_inc(p, en, k, -f.ail1_def[en], "aileron-1");
            if (v.inc_ail2[en][k]) add_inc(p, en, k, -f.ail2_def[en], "aileron-2");
            if (v.inc_elev[en][k]) add_inc(p, en, k, -f.elev_def[en], "elevator");
            if (v.inc_rudd[en][k]) add_inc(p, en, k, -f.rudd_def[en], "rudder");
            if (v.inc_vect[en][k]) add_inc(p, en, k, nace_add, "thrust vector");
            if (v.inc_trim[en][k]) add_inc(p, en, k, f.stab_def, "stab trim");
            if (v.varinc[en]) add_inc(p, en, k, v.incnow[en], "variable incidence");
            if (en == 16 || en == 17) add_inc(p, en, k, vne_share * v.stab_delinc_to_Vne, "incidence change with speed");
        }
    }
}

void control_surfaces(int p)
{
    const veh_struct& v = veh[p];
    flt_struct& f = flt[p];
    const float roll = f.FC_roll, ptch = f.FC_ptch, hdng = f.FC_hdng;
    auto aileron = [&](int left, float up, float dn, float pitch, float flaps, float vmax) {
        float d = left ? -roll * (roll < 0 ? up : dn) : roll * (roll < 0 ? dn : up);
        d += ptch * pitch - f.flap_rat * flaps;
        d = fltlim(d, -std::fmax(dn, flaps) - std::fabs(pitch), std::fmax(up, flaps) + std::fabs(pitch));
        return f.v_ind_kts > vmax ? 0.0f : d;
    };
    auto spoiler = [&](int left, float up, float engage, float vmax) {
        const float r = left ? -roll : roll;
        const float d = engage < 1 ? std::fmax(up * (r - engage) / (1 - engage), 0.0f) : 0.0f;
        return f.v_ind_kts > vmax ? 0.0f : d;
    };
    const int detents = intlim(v.flap_detents, 0, ACF_FLAP_DETENTS - 1);
    for (int en = FIRST_WING; en <= LAST_DEFLECTING; en++) {
        const int left = v.is_left[en] != 0;
        const float ls = v.lat_sign[en];
        f.ail1_def[en] = aileron(left, v.ail1_up, v.ail1_dn, v.ail1_pitch, v.ail1_flaps, v.ail1_vmax);
        f.ail2_def[en] = aileron(left, v.ail2_up, v.ail2_dn, v.ail2_pitch, v.ail2_flaps, v.ail2_vmax);
        f.spo1_def[en] = spoiler(left, v.spo1_up, v.roll_to_eng_spo1, v.spo1_vmax);
        f.spo2_def[en] = spoiler(left, v.spo2_up, v.roll_to_eng_spo2, v.spo2_vmax);
        f.yawb_def[en] = std::fmax((left ? -hdng : hdng) * v.yawb_ud, 0.0f);
        float e = ptch * (ptch <= 0 ? v.elev_dn : v.elev_up);
        if (v.rev_con[en] == 1) e = -e;
        f.elev_def[en] = e + roll * v.stab_roll * ls - hdng * v.stab_hdng * ls;
        float r = -hdng * v.rudd_lr * ls * sign(v.dihednow[en]);
        if (v.rev_con[en] == 1) r = -r;
        f.rudd_def[en] = r;
        const float lo = v.flap_dn[0], hi = v.flap_dn[detents];
        const float flap = interp(0, lo, 1, hi, f.flap_rat, 1) - v.flap_roll * roll * ls - v.flap_ptch * ptch * sign(v.Zarm[en]);
        f.flap_def[en] = fltlim(flap, std::fmin(lo, hi), std::fmax(lo, hi));
    }
}

void rotor_pitch(int p)
{
    const veh_struct& v = veh[p];
    flt_struct& f = flt[p];
    const float d2r = con.degtorad;
    const int n = thrust_points(v);
    float k = 0;
    for (int en = 0; en < n; en++)
        if (v.prop_type[en] == 3) k = interp(v.min_pitch[en], 0, v.max_pitch[en], 1, f.POINT_pitch_deg_ref[en], 0);
    for (int en = 0; en < n; en++) {
        if (v.prop_type[en] == 5) {
            float lo = v.min_pitch[en], hi = v.max_pitch[en];
            if (v.prop_dir[0] > 0) std::swap(lo, hi);
            f.POINT_pitch_deg_ref[en] = k * v.tail_with_coll + interp(-1, lo, 1, hi, f.FC_hdng, 0);
            f.POINT_pitch_deg_use[en] = f.POINT_pitch_deg_ref[en];
            continue;
        }
        const float dc = f.vert_disc_cant_vector[en] * d2r, sc = std::sin(dc), cc = std::cos(dc);
        f.POINT_pitch_deg_use[en] = f.POINT_pitch_deg_ref[en] - v.diff_coll_with_hdng * f.FC_hdng * cc * sign(v.Xarm[en]) -
                                    v.diff_coll_with_roll * f.FC_roll * sc * sign(v.Xarm[en]) -
                                    v.diff_coll_with_ptch * f.FC_ptch * sc * sign(v.Zarm[en]);
    }
}

void attitude_sines(int p)
{
    const veh_struct& v = veh[p];
    flt_struct& f = flt[p];
    const float d = con.degtorad;
    f.sin_the = std::sin(f.the * d);
    f.cos_the = std::cos(f.the * d);
    f.sin_psi = std::sin(f.psi * d);
    f.cos_psi = std::cos(f.psi * d);
    f.sin_phi = std::sin(f.phi * d);
    f.cos_phi = std::cos(f.phi * d);
    for (int en = FIRST_WING; en <= LAST_WING_TYPE; en++) {
        if (!have_this_part(p, en, 0)) continue;
        f.sin_act_dihed[en] = std::sin(v.dihednow[en] * d);
        f.cos_act_dihed[en] = std::cos(v.dihednow[en] * d);
        f.sin_act_sweep[en] = std::sin(v.sweepnow[en] * d);
        f.cos_act_sweep[en] = std::cos(v.sweepnow[en] * d);
    }
}
}  // namespace

void update_def_angles(int p)
{
    if (p < 0 || p >= ACF_RECORDS) return;
    gear_angles(p);
    gear_doors(p);
    const vector_adds add = vectoring(p);
    throttles(p);
    variable_geometry(p);
    element_incidence(p, add.nace);
    control_surfaces(p);
    rotor_pitch(p);
    attitude_sines(p);
}
