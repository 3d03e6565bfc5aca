// OLD_IO_acf.cpp -- aircraft files of the previous generation. Versions 600 and 626 store the
// older record (57 parts, 200 instrument slots, another field order), read into a scratch record
// and converted field by field; version 700 stores the current record but for its instrument
// area, which is rearranged in place.
#include "model/OLD_IO_acf.h"
#include "model/IO_ACF.h"
#include "model/acf_struct.h"
#include "model/acf_parts.h"
#include "model/old_acf_struct.h"
#include "base/alert.h"
#include "base/common.h"
#include "base/HL_MATH_FUN.h"
#include "base/IO_TYPED.h"
#include "base/IO_UTILS.h"
#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <utility>
#include <vector>

static const int HEADER_BYTES = 5;   // marker and version
static const int OLD_INSTRUMENT_WORDS = 4 * OLD_ACF_INSTRUMENTS;

// Wing parts 20..27 did not exist before; they start with the airfoil every symmetrical surface
// of a new design gets.
static const char DEFAULT_FOIL[] = "NACA 0009 (symmetrical).afl";

// The file being converted, as read. Written only by the reader here, cleared before every read,
// so nothing of one file is left over for the next (a version-600 image is the shorter one).
static OLD_planestruct old;

long OLD_acf_image_bytes(int version)
{
    switch (version) {
    case 600: return OLD_IMAGE_BYTES_600;
    case 626: return OLD_IMAGE_BYTES_626;
    case 700: return ACF_IMAGE_BYTES;
    default: return 0;
    }
}

//=== the part map ===========================================================================
// Parts were added in blocks between the old ones: wings 20..27, more wings and surfaces 47..52,
// and gear 66 and 72.
int new_en(int o)
{
    if (o < 0 || o >= OLD_ACF_PARTS) return -1;
    if (o <= 19) return o;
    if (o <= 36) return o + 8;
    if (o <= 44) return o + 16;
    if (o <= 46) return o;
    if (o <= 51) return o + 14;
    return o + 15;
}

//=== byte order =============================================================================
// Word ranges [first, last) of the old image that hold characters, neighbours joined. Character
// fields fill whole words together (checked below), so a word is either all text or a number.
static const std::vector<std::pair<int, int>>& old_char_words(void)
{
    static const std::vector<std::pair<int, int>> words = [] {
        std::vector<std::pair<int, int>> w;
        auto add = [&w](int off, int bytes, bool is_char) {
            if (!is_char) return;
            int lo = off / 4, hi = (off + bytes + 3) / 4;
            if (!w.empty() && w.back().second >= lo) w.back().second = std::max(w.back().second, hi);
            else w.push_back({lo, hi});
        };
#define OLD_CHAR_SPAN(field, off, type, count) add((off), (int)(sizeof(type) * (count)), std::is_same_v<type, char>);
        OLD_PLANESTRUCT_LAYOUT(OLD_CHAR_SPAN)
#undef OLD_CHAR_SPAN
        return w;
    }();
    return words;
}

namespace {
struct old_span {
    int offset, bytes;
    bool is_char;
};
}  // namespace
#define OLD_SPAN(field, off, type, count) {(off), (int)(sizeof(type) * (count)), std::is_same_v<type, char>},
static constexpr old_span s_old_fields[] = {OLD_PLANESTRUCT_LAYOUT(OLD_SPAN)};
#undef OLD_SPAN

static constexpr bool old_char_words_are_pure(void)
{
    for (const old_span& c : s_old_fields) {
        if (!c.is_char) continue;
        int lo = c.offset & ~3, hi = (c.offset + c.bytes + 3) & ~3;
        for (const old_span& f : s_old_fields)
            if (!f.is_char && f.offset < hi && f.offset + f.bytes > lo) return false;
    }
    return true;
}
static_assert(old_char_words_are_pure(), "a word of the old image mixes characters and numbers");

// A big-endian image says so by a non-zero is_APL: every number word is turned, every character
// word (all of the text fields, the gear steering bytes and the spare bytes) stays as stored.
void rev_bytes_old(void)
{
    if (old.is_APL == 0) return;
    unsigned char* base = reinterpret_cast<unsigned char*>(&old);
    int at = 0;
    auto turn = [base](int first, int last) {
        for (int i = first; i < last; i++) rev_byte_order4(base + 4 * i);
    };
    for (const auto& text : old_char_words()) {
        turn(at, text.first);
        at = text.second;
    }
    turn(at, (int)sizeof old / 4);
}

//=== conversion =============================================================================
// Text as a C string: up to its NUL, never past the field; the rest of the target stays zero.
template <size_t N>
static void copy_text(char (&dst)[N], const char (&src)[N])
{
    memcpy(dst, src, strnlen(src, N));
}

template <typename T, size_t N>
static void copy_array(T (&dst)[N], const T (&src)[N])
{
    memcpy(dst, src, sizeof src);
}

// Fields that kept their name and meaning.
static void copy_same_scalars(veh_struct& v, const OLD_planestruct& o)
{
#define SAME(f) v.f = o.f;
    SAME(is_APL) SAME(cockpit_type)
    SAME(Vso_kts) SAME(Vs_kts) SAME(Vfe_kts) SAME(Vno_kts) SAME(Vne_kts) SAME(Mmo) SAME(Gneg) SAME(Gpos)
    SAME(est_Vs_msc) SAME(yawstring_x) SAME(yawstring_y) SAME(HUD_ctr_x) SAME(HUD_del_x) SAME(HUD_del_y)
    SAME(has_lanlite1) SAME(lan_lite_the_ref) SAME(has_lanlite2) SAME(has_fuserb1) SAME(has_fuserb2)
    SAME(has_taillite) SAME(has_navlites) SAME(ff_hydraulic) SAME(ff_stickshaker) SAME(num_engines)
    SAME(throt_max_FWD) SAME(throt_max_REV) SAME(RSC_idlespeed_ENGN) SAME(RSC_redline_ENGN)
    SAME(RSC_mingreen_ENGN) SAME(RSC_maxgreen_ENGN) SAME(face_jet) SAME(face_rocket) SAME(max_mach_eff)
    SAME(tip_mach_des_50) SAME(tip_mach_des_100) SAME(rotor_mi_rat) SAME(tip_weight)
    SAME(fuse_cd) SAME(ail1_up) SAME(ail1_dn) SAME(RSC_idlespeed_PROP) SAME(RSC_redline_PROP)
    SAME(ail2_up) SAME(ail2_dn) SAME(RSC_mingreen_PROP) SAME(RSC_maxgreen_PROP) SAME(elev_up) SAME(elev_dn)
    SAME(trq_max_eng) SAME(rudd_lr) SAME(spo1_up) SAME(yawb_ud) SAME(sbrk_up) SAME(hstb_trim_up)
    SAME(hstb_trim_dn) SAME(flap_type) SAME(con_smooth) SAME(flap_cl) SAME(flap_cd) SAME(flap_cm)
    SAME(flap_detents) SAME(flap_deftime) SAME(slat_inc) SAME(blown_flap_add_speed) SAME(blown_flap_throt_red)
    SAME(blown_flap_min_engag) SAME(gear_retract) SAME(is_skid_gear) SAME(nw_steerdeg1) SAME(nw_steerdeg2)
    SAME(water_rud_longarm) SAME(water_rud_area) SAME(water_rud_maxdef) SAME(h_eqlbm) SAME(the_eqlbm)
    SAME(cgY) SAME(cgZ) SAME(Jxx_unitmass) SAME(Jyy_unitmass) SAME(Jzz_unitmass) SAME(m_empty)
    SAME(m_displaced) SAME(m_max) SAME(m_fuel_tot) SAME(m_jettison) SAME(m_displaced_y) SAME(jato_theta)
    SAME(jato_thrust) SAME(jato_dur) SAME(jato_sfc) SAME(jato_Y) SAME(jato_Z) SAME(brake_area) SAME(brake_Y)
    SAME(brake_Z) SAME(chute_area) SAME(chute_Y) SAME(chute_Z) SAME(tvec_ptch) SAME(tvec_roll) SAME(tvec_hdng)
    SAME(arresting_EQ) SAME(anti_ice_EQ) SAME(warn1_EQ) SAME(warn_gear_EQ) SAME(sbrk_on_td_EQ)
    SAME(fbrk_on_td_EQ) SAME(sweep_with_flaps_EQ) SAME(slat_with_stall_EQ) SAME(vect_EQ) SAME(delta3)
    SAME(tail_with_coll) SAME(diff_coll_with_roll) SAME(diff_coll_with_hdng) SAME(diff_cycl_with_hdng_lon)
    SAME(auto_rpm_with_tvec) SAME(rotor_trim_max_fwd) SAME(rotor_trim_max_aft) SAME(ASlo_max_thedot)
    SAME(ASlo_thedot_k) SAME(AShi_max_alpha) SAME(AShi_alpha_k) SAME(ASlo_max_psidot) SAME(ASlo_psidot_k)
    SAME(AShi_max_beta) SAME(AShi_beta_k) SAME(ASlo_max_phidot) SAME(ASlo_phidot_k) SAME(AShi_max_phidot)
    SAME(AShi_phidot_k) SAME(has_idlespeed) SAME(gear_door_size) SAME(stab_delinc_to_Vne) SAME(Vmca_kts)
    SAME(Vyse_kts) SAME(flap_arm) SAME(cgZ_fwd) SAME(cgZ_aft) SAME(Vle_kts) SAME(AShi_alphadot_k)
    SAME(AShi_betadot_k) SAME(stall_warn_aoa) SAME(mass_shift) SAME(mass_shift_dx) SAME(mass_shift_dz)
    SAME(feathered_pitch) SAME(AShi_max_G) SAME(AShi_G_k) SAME(AShi_Gdot_k) SAME(wing_tilt_ptch)
    SAME(wing_tilt_roll) SAME(max_press_diff) SAME(diff_coll_with_ptch) SAME(flap_roll) SAME(flap_ptch)
    SAME(lift_fan_rat) SAME(diff_cycl_with_hdng_lat) SAME(roll_co) SAME(brake_co) SAME(is_glossy)
    SAME(num_tanks) SAME(has_refuel) SAME(draw_geo_frnt_views) SAME(draw_geo_side_views) SAME(jett_is_slung)
    SAME(auto_trim_EQ) SAME(has_DC_fd) SAME(flaps_with_gear_EQ) SAME(revt_on_td_EQ) SAME(flaps_with_vec_EQ)
    SAME(blow_all_controls) SAME(warn2_EQ) SAME(num_thrustpoints) SAME(tow_hook_Y) SAME(tow_hook_Z)
    SAME(win_hook_Y) SAME(win_hook_Z) SAME(hide_prop_at_90_vect)
#undef SAME
}

// Fields that were renamed, split into coordinates, or changed meaning.
static void copy_changed_scalars(veh_struct& v, const OLD_planestruct& o)
{
    auto xyz = [](float* dst, float x, float y, float z) {
        dst[0] = x;
        dst[1] = y;
        dst[2] = z;
    };
    v.has_HOOPS_HUD = o.HUD_type == 2;
    v.asi_is_kts = o.asi_kts;
    xyz(v.pe_xyz, o.peX, o.peY, o.peZ);
    xyz(v.lanlite1_xyz, o.lanlite1X, o.lanlite1Y, o.lanlite1Z);
    xyz(v.lanlite2_xyz, o.lanlite2X, o.lanlite2Y, o.lanlite2Z);
    v.has_taxilite = o.has_lanlite3;
    xyz(v.lanlite3_xyz, o.lanlite3X, o.lanlite3Y, o.lanlite3Z);
    xyz(v.fuserb1_xyz, o.fuserb1X, o.fuserb1Y, o.fuserb1Z);
    xyz(v.fuserb2_xyz, o.fuserb2X, o.fuserb2Y, o.fuserb2Z);
    xyz(v.taillite_xyz, o.tailliteX, o.tailliteY, o.tailliteZ);
    xyz(v.refuel_xyz, o.refuel_X, o.refuel_Y, o.refuel_Z);
    xyz(v.puff_LMN, o.puffL, o.puffM, o.puffN);
    xyz(v.puff_xyz, o.puffX, o.puffY, o.puffZ);
    // One head-up display centre became one per panel layout; the others start off the panel.
    v.HUD_ctr_y[0] = o.HUD_ctr_y;
    for (int i = 1; i <= 7; i++) v.HUD_ctr_y[i] = 555.0f;

    v.auto_feather_EQ = o.auto_featherEQ;
    v.power_max = o.pmax;
    v.thrust_max = o.tmax;
    v.burner_inc = o.burnerinc;
    v.crit_alt_prop = o.critalt;
    v.MP_max = o.mpmax;
    v.throt_time_jet = o.spooltime_jet;
    v.throt_time_prop = o.spooltime_prop;
    v.rock_max_sl = o.fmax_sl;
    v.rock_max_opt = o.fmax_opt;
    v.rock_max_vac = o.fmax_vac;
    v.rock_h_opt = o.h_opt;
    // Reversing and reverse pitch were kept per engine, but always set alike.
    v.rev_thrust_EQ = o.revthrust_eq[0];
    v.reversed_pitch = o.reversed_pitch[0];
    v.has_clutchswitch = o.has_clutch;
    v.beta_prop_EQ = o.has_beta;
    v.drive_by_wire_EQ = o.drive_by_wire;

    // Control surfaces had one chord ratio; now root and tip have their own.
    auto crat = [](float& root, float& tip, float c) { root = tip = c; };
    crat(v.ail1_cratR, v.ail1_cratT, o.ail1_crat);
    crat(v.ail2_cratR, v.ail2_cratT, o.ail2_crat);
    crat(v.elev_cratR, v.elev_cratT, o.elev_crat);
    crat(v.rudd_cratR, v.rudd_cratT, o.rudd_crat);
    crat(v.spo1_cratR, v.spo1_cratT, o.splr_crat);
    crat(v.yawb_cratR, v.yawb_cratT, o.yawb_crat);
    crat(v.sbrk_cratR, v.sbrk_cratT, o.sbrk_crat);
    crat(v.flap_cratR, v.flap_cratT, o.flap_crat);
    for (int i = 0; i < 7; i++) v.flap_dn[i] = o.flap_dn[i];

    v.nw_cutoff_omega = o.nw_cutoff_speed;
    v.nw_side_k = o.nosewheel_k;
    v.ail1_pitch = o.ail1pitch;
    v.ail1_flaps = o.ail1flaps;
    v.ail2_pitch = o.ail2pitch;
    v.ail2_flaps = o.ail2flaps;
    v.ail2_vmax = o.ail2vmax;
    v.stab_roll = o.stabroll;
    v.stab_hdng = o.stabhdng;
    v.elev_with_flap_rat = o.elevflaps;
    v.diff_thro_hdng = o.diff_thro_with_hdng;
    v.cyclic_def_elev = o.cyclic_elev;
    v.cyclic_def_ailn = o.cyclic_ailn;
    v.AShiV_old_all = o.AShiV;
    v.ASloV_old_all = o.ASloV;
    // The vector arm was measured the other way round.
    v.vectarmZ = -o.vectarmZ;
    v.vectarmY = -o.vectarmY;
    // The old flags said the vectoring phase was out; the new ones say it is in, per axis.
    const int in_90 = o.phase_tvect_out_at_90 == 0, in_00 = o.phase_tvect_out_at_00 == 0;
    v.phase_ptch_tvect_in_at_90 = v.phase_roll_tvect_in_at_90 = v.phase_hdng_tvect_in_at_90 = in_90;
    v.phase_ptch_tvect_in_at_00 = v.phase_roll_tvect_in_at_00 = v.phase_hdng_tvect_in_at_00 = in_00;
}

static void copy_arrays(veh_struct& v, const OLD_planestruct& o)
{
    copy_text(v.tailnum, o.tailnum);
    copy_text(v.author, o.author);
    copy_text(v.descrip, o.descrip);
    for (int i = 0; i < ACF_WPN_POINTS; i++) copy_text(v.wpn_name[i], o.wpn_name[i]);
    copy_array(v.x_wpn_att, o.x_wpn_att);
    copy_array(v.y_wpn_att, o.y_wpn_att);
    copy_array(v.z_wpn_att, o.z_wpn_att);

    memcpy(v.ins_type, o.ins_type, sizeof o.ins_type);
    memcpy(v.ins_size, o.ins_size, sizeof o.ins_size);
    memcpy(v.ins_x, o.ins_x, sizeof o.ins_x);
    memcpy(v.ins_y, o.ins_y, sizeof o.ins_y);
    copy_array(v.cus_rnd_use, o.cus_rnd_use);
    copy_array(v.cus_rnd_lo_val, o.cus_rnd_lo_val);
    copy_array(v.cus_rnd_hi_val, o.cus_rnd_hi_val);
    copy_array(v.cus_rnd_lo_ang, o.cus_rnd_lo_ang);
    copy_array(v.cus_rnd_hi_ang, o.cus_rnd_hi_ang);
    copy_array(v.cus_rnd_mirror, o.cus_rnd_mirror);
    copy_array(v.cus_rnd_label, o.cus_rnd_label);
    copy_array(v.cus_dig_use, o.cus_dig_use);
    copy_array(v.cus_dig_offset, o.cus_dig_offset);
    copy_array(v.cus_dig_scale, o.cus_dig_scale);
    copy_array(v.cus_dig_dig, o.cus_dig_dig);
    copy_array(v.cus_dig_dec, o.cus_dig_dec);

    copy_array(v.engn_type, o.engn_type);
    copy_array(v.prop_type, o.prop_type);
    copy_array(v.prop_dir, o.prop_dir);
    copy_array(v.num_blades, o.num_blades);
    copy_array(v.SFC, o.SFC);
    copy_array(v.min_pitch, o.min_pitch);
    copy_array(v.max_pitch, o.max_pitch);
    copy_array(v.side_cant_init, o.sidecant);
    copy_array(v.vert_cant_init, o.vertcant);
    copy_array(v.ringarea, o.ringarea);
    copy_array(v.bladesweep, o.bladesweep);
    copy_array(v.des_rpm_prp, o.des_rpm_prp);
    copy_array(v.des_kts_prp, o.des_kts_prp);
    copy_array(v.des_kts_acf, o.des_kts_acf);

    copy_array(v.gear_door_typ, o.gear_door_typ);
    copy_array(v.gear_door_loc, o.gear_door_loc);
    copy_array(v.gear_door_geo, o.gear_door_geo);
    copy_array(v.gear_door_axi_rot, o.gear_door_axi_rot);
    copy_array(v.gear_door_ext_ang, o.gear_door_ext_ang);
    copy_array(v.gear_door_ret_ang, o.gear_door_ret_ang);
    copy_array(v.gear_door_ang_now, o.gear_door_ang_now);
    copy_array(v.jett_xyz, o.jett_xyz);
    for (int i = 0; i < 5; i++) v.gear_cyctim[67 + i] = o.gear_cyc_time[i];
}

// Everything kept per part, through the part map.
static void copy_parts(veh_struct& v, const OLD_planestruct& o)
{
    for (int op = 0; op < OLD_ACF_PARTS; op++) {
        const int n = new_en(op);
#define PART(f) v.f[n] = o.f[op];
#define PART_AS(nf, of) v.nf[n] = o.of[op];
#define ELEMENTS(nf, of) memcpy(v.nf[n], o.of[op], sizeof o.of[op]);
        PART(part_eq) PART(els) PART(Xarm) PART(Yarm) PART(Zarm) PART(X_body_aero) PART(Y_body_aero)
        PART(Z_body_aero) PART(Croot) PART(Ctip) PART(dihed1) PART(sweep1) PART(sweep2) PART(sweepnow)
        PART(semilen_SEG) PART(semilen_JND) PART(e) PART(AR) PART(al_D_al0) PART(cl_D_cl0) PART(cm_D_cm0)
        PART(delta_fac) PART(spec_wash) PART(alpha_max) PART(slat_effect) PART(body_r) PART(gear_type)
        PART(gear_latE) PART(gear_lonE) PART(gear_axiE) PART(gear_latR) PART(gear_lonR) PART(gear_axiR)
        PART(gear_latN) PART(gear_lonN) PART(gear_axiN) PART(gear_leglen) PART(gearcon) PART(geardmp)
        PART(gearstatdef) PART(gear_deploy) PART(element_len) PART(dihed2) PART(dihednow)
        PART_AS(varsweep, varsweepEQ) PART_AS(vardihed, vardihedEQ) PART_AS(tire_radius, gear_tirrad)
        ELEMENTS(s, s) ELEMENTS(mac, mac) ELEMENTS(incidence, anginc) ELEMENTS(ail1, ail1) ELEMENTS(ail2, ail2)
        ELEMENTS(spo1, spo1) ELEMENTS(flap, flap) ELEMENTS(slat, slat) ELEMENTS(sbrk, sbrk) ELEMENTS(yawb, yawb)
        ELEMENTS(elev, elev) ELEMENTS(rudd, rudd) ELEMENTS(inc_ail1, inc_ail) ELEMENTS(inc_vect, inc_vec)
        ELEMENTS(body_X, body_X) ELEMENTS(body_Y, body_Y) ELEMENTS(body_Z, body_Z)
#undef PART
#undef PART_AS
#undef ELEMENTS
        copy_text(v.Rafl0[n], o.Rafl0[op]);
        copy_text(v.Rafl1[n], o.Rafl1[op]);
        copy_text(v.Tafl0[n], o.Tafl0[op]);
        copy_text(v.Tafl1[n], o.Tafl1[op]);
        v.gear_steers[n] = static_cast<signed char>(o.gear_steers[op]);
        v.tire_swidth[n] = 0.35f * o.gear_tirrad[op];
    }
    for (int part = 20; part <= 27; part++)
        for (char* foil : {v.Rafl0[part], v.Rafl1[part], v.Tafl0[part], v.Tafl1[part]})
            memcpy(foil, DEFAULT_FOIL, sizeof DEFAULT_FOIL);
}

static int old_panel_has(const veh_struct& v, int type)
{
    for (int i = 0; i < OLD_ACF_INSTRUMENTS; i++)
        if (v.ins_type[i] == type) return 1;
    return 0;
}

void ACF_old_to_new(int p)
{
    if (p < 0 || p >= ACF_RECORDS) return;
    veh_struct& v = veh[p];
    OLD_planestruct& o = old;

    // 1. The record starts empty; old files left some limits at zero that mean "none".
    memset(&v, 0, sizeof v);
    if (o.Vle_kts < 0.001f) o.Vle_kts = 999.0f;
    if (o.roll_co < 0.001f) o.roll_co = 0.025f;
    if (o.brake_co < 0.001f) o.brake_co = 0.75f;
    if (p == 0) {
        // Cockpit kinds past 7 were the views of the design drawing, now two flags of their own.
        if (o.cockpit_type > 7) o.draw_geo_frnt_views = o.draw_geo_side_views = 1;
        o.cockpit_type = intwrap(o.cockpit_type, 0, 7);
    }

    // 2. The fields, as they were renamed and rearranged.
    copy_same_scalars(v, o);
    copy_changed_scalars(v, o);
    copy_arrays(v, o);
    copy_parts(v, o);
    // Counts this conversion loops over are held to what the arrays have room for.
    v.num_engines = intlim(v.num_engines, 0, ACF_THRUST_POINTS);

    // 3. Helicopters (classes 1 and 2) drive a main and a tail rotor from their engines.
    const int rotorcraft = o.ac_type == 1 || o.ac_type == 2;
    v.num_thrustpoints = rotorcraft ? 2 : v.num_engines;
    v.props_linked = !(o.vect_EQ == 0 && !rotorcraft && v.num_engines == v.num_thrustpoints);
    if (old_panel_has(v, 15)) v.props_linked = 1;
    if (v.props_linked)
        for (int en = 0; en < ACF_THRUST_POINTS; en++) v.prop_clutch_EQ[en] = 1;

    // 4. Trimming and all-moving stabilisers were one setting for the whole tail.
    for (int el = 0; el < ACF_ELEMENTS; el++) {
        for (int part : {16, 17}) {
            if (o.hstb_trim_up > 0.0f || o.hstb_trim_dn > 0.0f) v.inc_trim[part][el] = 1;
            if (o.hstab_type == 1) v.inc_elev[part][el] = 1;
        }
        for (int part : {18, 19})
            if (o.vstab_type == 1) v.inc_rudd[part][el] = 1;
    }

    // 5. A propeller-driven helicopter shows rotor speed where the old panel showed propeller speed.
    int rotor_prop = 0;
    for (int en = 0; en < v.num_thrustpoints; en++) rotor_prop |= v.prop_type[en] == 3 && en_is_prop(p, en);
    if (rotor_prop && !old_panel_has(v, 60))
        for (int i = OLD_ACF_INSTRUMENTS - 1; i >= 0; i--)
            if (v.ins_type[i] == 48) {
                v.ins_type[i] = 60;
                break;
            }

    // 7. Fuel tanks: one tank at the centre of gravity when there were none; ratios that do not
    // add up to the whole load are shared out evenly.
    for (int t = 0; t < 2; t++) {
        v.tank_X[t] = o.tank_xyz12[t][0];
        v.tank_Y[t] = o.tank_xyz12[t][1];
        v.tank_Z[t] = o.tank_xyz12[t][2];
    }
    v.tank_X[2] = o.tank_xyz3[0];
    v.tank_Y[2] = o.tank_xyz3[1];
    v.tank_Z[2] = o.tank_xyz3[2];
    copy_array(v.tank_rat, o.tank_rat);
    v.num_tanks = intlim(v.num_tanks, 0, ACF_TANKS);
    if (v.num_tanks == 0) {
        v.num_tanks = 1;
        v.tank_rat[0] = 1.0f;
        v.tank_Z[0] = v.cgZ;
    } else {
        float sum = 0.0f;
        for (int t = 0; t < v.num_tanks; t++) sum += v.tank_rat[t];
        if (!(sum >= 0.995f && sum <= 1.005f))
            for (int t = 0; t < v.num_tanks; t++) v.tank_rat[t] = 1.0f / (float)v.num_tanks;
    }

    // 8. One gear ratio served every thrust point; the rotors of a helicopter turn slower by the
    // old ratio of tail (class 1) or main (class 2) rotor speed. A ratio of zero or not a number
    // would make the gearing infinite and is left out.
    const float omega = o.tail_or_main_omegarat;
    for (int en = 0; en < ACF_THRUST_POINTS; en++) {
        v.prop_gear_rat[en] = o.gear_rat;
        const int pt = v.prop_type[en];
        const int slower = (o.ac_type == 1 && pt == 5) || (o.ac_type == 2 && (pt == 3 || pt == 7));
        if (slower && omega != 0.0f && std::isfinite(omega)) v.prop_gear_rat[en] /= omega;
    }

    // 10. An engine kind 8 was a rotor tip jet: a thrust point of its own, no longer an engine.
    for (int en = 0; en < v.num_thrustpoints; en++)
        if (v.engn_type[en] == 8) {
            v.prop_type[en] = 6;
            v.num_engines = std::max(v.num_engines - 1, 0);
        }

    // 11. Propeller kinds as the automatic settings keep them.
    for (int en = 0; en < v.num_thrustpoints; en++)
        v.prop_type[en] = have_this_part(p, en, 3) ? 9 : intlim(v.prop_type[en], 0, 8);

    // 12. Settings the old files did not have.
    v.jett_is_water = 1;
    v.starter_rat = 1.0f;
    v.battery_rat = 1.0f;
    v.idle_rat[0] = v.idle_rat[1] = 1.0f;
    v.vect_rate = 15.0f;
    v.stall_warn_aoa = 10.0f;
    v.lan_lite_power = 1.0f;
    v.lan_lite_width = 20.0f;
    v.lan_lite_the_ref = -v.the_eqlbm - 4.0f;
}

void ACF_update(int p)
{
    if (p < 0 || p >= ACF_RECORDS) return;
    veh_struct& v = veh[p];
    // The steering gear is the last present gear marked as steering; it steers fully extended.
    v.steer_gear = 67;
    int steers = 0;
    for (int g = 67; g <= 72; g++) {
        if (!have_this_part(p, g, 0) || !v.gear_steers[g]) continue;
        v.steer_gear = g;
        v.gear_deploy[g] = 1.0f;
        v.strut_comp[g] = 0.0f;
        v.gear_latN[g] = v.gear_latE[g];
        v.gear_lonN[g] = v.gear_lonE[g];
        v.gear_axiN[g] = v.gear_axiE[g];
        steers = 1;
    }
    if (steers) return;
    // None marked: every wheel ahead of the centre of gravity steers.
    for (int g = 67; g <= 72; g++)
        if (have_this_part(p, g, 0)) v.gear_steers[g] = v.gear_type[g] != 1 && ret_gear_znodef(p, g) < v.cgZ;
}

//=== reading ================================================================================
static void alert_short(const std::string& path, long got, long need, int version)
{
    std::string held = "It holds ";
    held += std::to_string(got);
    held += " of the ";
    held += std::to_string(need);
    held += " bytes a version-";
    held += std::to_string(version);
    held += " airplane needs; I converted what is there and left the rest empty.";
    MACIBM_alert(0, "This airplane file is shorter than it should be!", IO_host_path(path).c_str(), held.c_str(),
                 "Check every part of the airplane before you save it over the old file.", 16);
}

// The 700 instrument area held six arrays of 200 slots where four of 300 lie now: the first four
// are kept, the last two (panel offsets) are dropped, and slots 200..299 start empty.
static void rearrange_700_panel(veh_struct& v)
{
    static_assert(offsetof(veh_struct, ins_size) == offsetof(veh_struct, ins_type) + sizeof v.ins_type &&
                      offsetof(veh_struct, ins_x) == offsetof(veh_struct, ins_size) + sizeof v.ins_size &&
                      offsetof(veh_struct, ins_y) == offsetof(veh_struct, ins_x) + sizeof v.ins_x,
                  "the instrument arrays lie one behind the other");
    int32_t words[OLD_INSTRUMENT_WORDS];
    memcpy(words, v.ins_type, sizeof words);
    const int n = OLD_ACF_INSTRUMENTS;
    memcpy(v.ins_type, words, n * 4);
    memcpy(v.ins_size, words + n, n * 4);
    memcpy(v.ins_x, words + 2 * n, n * 4);
    memcpy(v.ins_y, words + 3 * n, n * 4);
    for (int i = n; i < ACF_INSTRUMENTS; i++) {
        v.ins_type[i] = -1;
        v.ins_size[i] = v.ins_x[i] = v.ins_y[i] = 0.0f;
    }
    // The head-up display flag counted from 1; the radio instruments 193..205 became one.
    if (v.has_HOOPS_HUD == 1) v.has_HOOPS_HUD = 0;
    else if (v.has_HOOPS_HUD == 2) v.has_HOOPS_HUD = 1;
    for (int i = 0; i < n; i++)
        if (v.ins_type[i] >= 193 && v.ins_type[i] <= 205) v.ins_type[i] = 193;
}

int OLD_IO_acf_image(int p, const unsigned char* data, long size, const std::string& path)
{
    if (p < 0 || p >= ACF_RECORDS || !data) return 0;
    const int version = IO_bin_header_version(data, size);
    const long need = OLD_acf_image_bytes(version);
    if (!need) return 0;
    rev_inf_bin = data[0] == 'a';
    const long got = std::min(size - HEADER_BYTES, need);
    if (got < need) alert_short(path, got, need, version);

    if (version == 700) {
        veh_struct& v = veh[p];
        memset(&v, 0, sizeof v);
        memcpy(&v, data + HEADER_BYTES, (size_t)got);
        if (v.is_APL != 0) rev_bytes_new(p);
        ACF_update(p);
        rearrange_700_panel(v);
        return 1;
    }
    memset(&old, 0, sizeof old);
    memcpy(&old, data + HEADER_BYTES, (size_t)got);
    rev_bytes_old();
    ACF_old_to_new(p);
    ACF_update(p);
    for (int i = OLD_ACF_INSTRUMENTS; i < ACF_INSTRUMENTS; i++) veh[p].ins_type[i] = -1;
    return 1;
}

int OLD_IO_acf(const std::string& path, int p)
{
    std::string host = path;
    set_dir_chars(&host);
    XMappedFile file(host.c_str(), nullptr);
    return file.ok() && OLD_IO_acf_image(p, file.begin(), file.size(), path);
}
