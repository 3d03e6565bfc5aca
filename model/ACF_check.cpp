// ACF_check.cpp -- the automatic settings and the validity check of an aircraft record.
//
// Both passes read records straight from files, so every count they use (engines, thrust points,
// elements, tanks, detents, instrument types) is held to its array where it is used, and a value
// that is not a number fails a threshold rather than slipping past it.
#include "model/ACF_check.h"
#include "model/acf_parts.h"
#include "model/acf_struct.h"
#include "base/alert.h"
#include "base/HL_MATH_FUN.h"
#include "base/hl_string.h"
#include "base/records.h"
#include <array>
#include <cmath>
#include <cstdint>
#include <cstring>

// Below a threshold, or not a number at all.
static bool below(float x, float threshold) { return !(x >= threshold); }

// Inline rather than intlim: the settings ask this for every part and family, every frame.
static int elements_of(const veh_struct& v, int part)
{
    const int n = v.els[part];
    return n < 0 ? 0 : n > ACF_ELEMENTS ? ACF_ELEMENTS : n;
}
static int engines_of(const veh_struct& v) { return intlim(v.num_engines, 0, ACF_THRUST_POINTS); }
static int thrust_points_of(const veh_struct& v) { return intlim(v.num_thrustpoints, 0, ACF_THRUST_POINTS); }

//=== automatic settings =====================================================================
namespace {

static_assert(ACF_ELEMENTS == 10, "the element flags of a part are read as five 8-byte words");

// The control families whose element range [elR, elT) is derived from the elements carrying them.
struct control_family {
    int (veh_struct::*on)[ACF_PARTS][ACF_ELEMENTS];
    float (veh_struct::*elR)[ACF_PARTS];
    float (veh_struct::*elT)[ACF_PARTS];
};
#define ACF_FAMILY(c) {&veh_struct::c, &veh_struct::c##_elR, &veh_struct::c##_elT}
const control_family s_families[] = {ACF_FAMILY(ail1), ACF_FAMILY(ail2), ACF_FAMILY(elev),
                                     ACF_FAMILY(rudd), ACF_FAMILY(spo1), ACF_FAMILY(spo2),
                                     ACF_FAMILY(yawb), ACF_FAMILY(sbrk), ACF_FAMILY(flap)};
#undef ACF_FAMILY

// Equipment the panel shows: each flag with the instrument types that fit it.
struct type_range {
    int lo, hi;
};
struct equipment {
    int veh_struct::*flag;
    std::array<type_range, 5> types;   // unused entries are {0, -1}
};
const equipment s_equipment[] = {
    {&veh_struct::has_radalt, {{{334, 336}}}},
    {&veh_struct::has_hsi, {{{110, 121}, {167, 169}, {557, 558}, {583, 583}}}},
    {&veh_struct::has_radar, {{{185, 187}, {191, 191}, {333, 333}, {371, 373}}}},
    {&veh_struct::has_SC_fd, {{{37, 37}}}},
    {&veh_struct::has_DC_fd, {{{403, 403}}}},
    {&veh_struct::has_stallwarn, {{{339, 339}}}},
    {&veh_struct::has_clutchswitch, {{{446, 446}}}},
    {&veh_struct::has_prerotate, {{{15, 15}}}},
    {&veh_struct::has_idlespeed, {{{411, 411}}}},
    {&veh_struct::has_FADECswitch, {{{9, 9}}}},
    {&veh_struct::has_asi_set, {{{282, 282}, {290, 290}, {494, 494}}}},
    {&veh_struct::has_hdg_set, {{{283, 283}, {291, 291}, {495, 495}, {110, 121}}}},
    {&veh_struct::has_alt_set, {{{284, 284}, {292, 292}, {496, 496}}}},
    {&veh_struct::has_vvi_set, {{{293, 293}}}},
    {&veh_struct::has_mixture, {{{51, 52}}}},
    {&veh_struct::beaconEQ, {{{213, 214}}}},
    {&veh_struct::has_knots_mach, {{{476, 476}}}},
    {&veh_struct::has_press_controls, {{{416, 421}}}},
};
constexpr int EQUIPMENT = (int)(sizeof s_equipment / sizeof s_equipment[0]);
constexpr int BEACON = 15;   // the one flag the panel only ever sets
constexpr int TYPES = 600;   // instrument types above every one that sets a flag

// For every instrument type, the equipment flags it sets (bit i: s_equipment[i]), so the 300
// slots are one lookup each.
const std::array<uint32_t, TYPES>& equipment_of_type(void)
{
    static const std::array<uint32_t, TYPES> table = [] {
        std::array<uint32_t, TYPES> t{};
        for (int i = 0; i < EQUIPMENT; i++)
            for (const type_range& r : s_equipment[i].types)
                for (int type = r.lo; type <= r.hi; type++) t[type] |= 1u << i;
        return t;
    }();
    return table;
}

void fill_if_zero(float& x, float value)
{
    if (x == 0) x = value;
}

// Thrust points: propeller kinds, and which one carries the collective or a tail rotor.
void autoset_thrust_points(int p, veh_struct& v, const bool* present)
{
    const int points = thrust_points_of(v);
    for (int k = 0; k < points; k++) v.prop_type[k] = have_this_part(p, k, 3) ? 9 : intlim(v.prop_type[k], 0, 8);
    v.has_gear = 0;
    for (int g = 67; g <= 72; g++)
        if (present[g]) v.has_gear = 1;
    v.has_collective = 0;
    v.collective_en = 0;
    for (int k = 0; k < points; k++) {
        if (!present[k]) continue;
        if (v.prop_type[k] == 5) v.has_tailrotor = 1;
        if (v.prop_type[k] == 3) {
            v.has_collective = 1;
            v.collective_en = k;
        }
    }
}

// Which side each part is on, and the summary flags of the flying surfaces.
void autoset_surfaces(veh_struct& v, const bool* present)
{
    v.flapEQ = v.slatEQ = v.vardihedEQ = v.varsweepEQ = v.varincEQ = 0;
    v.sbrkEQ = v.brake_area > 0.1f;

    for (int part = 0; part < ACF_PARTS; part++) {
        if (!present[part]) continue;
        if (part < 8 || (part >= 28 && part <= 43)) v.is_left[part] = v.Xarm[part] < -0.01f;
        else if (part <= 17) v.is_left[part] = part % 2 == 0;
        else if (part <= 19 || part >= 44) v.is_left[part] = 0;
        v.lat_sign[part] = v.is_left[part] ? -1.0f : 1.0f;
    }

    for (int part = 8; part <= 27; part++) {
        if (!present[part]) continue;
        const int els = elements_of(v, part);
        for (int e = 0; e < els; e++) {
            if (v.flap[part][e] || (v.ail1[part][e] && v.ail1_flaps > 0.01f) || (v.ail2[part][e] && v.ail2_flaps > 0.01f))
                v.flapEQ = 1;
            if (v.slat[part][e]) v.slatEQ = 1;
            if (v.sbrk[part][e]) v.sbrkEQ = 1;
        }
        if (els > 0) {
            if (v.vardihed[part]) v.vardihedEQ = 1;
            if (v.varsweep[part]) v.varsweepEQ = 1;
            if (v.varinc[part]) v.varincEQ = 1;
        }
    }
}

// The span of elements each control covers, and each element's area and mean chord.
void autoset_elements(veh_struct& v, const bool* present)
{
    for (const control_family& f : s_families) {
        float* start = v.*f.elR;
        float* end = v.*f.elT;
        const int (*on)[ACF_ELEMENTS] = v.*f.on;
        for (int part = 0; part < ACF_PARTS; part++) {
            // The elements carrying the control as bits: the range is the lowest and highest bit.
            // Most controls sit on few parts: one vectorised test over all ten elements settles
            // those it is not on, and only the others are looked at element by element.
            uint64_t words[ACF_ELEMENTS / 2];
            memcpy(words, on[part], sizeof words);
            const uint64_t any = words[0] | words[1] | words[2] | words[3] | words[4];
            unsigned carried = 0;
            if (any && present[part]) {
                for (int e = 0; e < ACF_ELEMENTS; e++) carried |= (unsigned)(on[part][e] != 0) << e;
                carried &= (1u << elements_of(v, part)) - 1;
            }
            start[part] = carried ? (float)__builtin_ctz(carried) : (float)ACF_ELEMENTS;
            end[part] = carried ? (float)(32 - __builtin_clz(carried)) : 0.0f;
        }
    }

    for (int part = 0; part < ACF_PARTS; part++) {
        if (!present[part]) continue;
        const int els = elements_of(v, part);
        if (els == 0) {
            v.element_len[part] = 0;   // a part without elements has nothing to divide its span into
            continue;
        }
        const float span = v.semilen_SEG[part];
        v.element_len[part] = span / (float)els;
        const float strip = 0.5f * span * std::cos(v.sweep1[part] * con.degtorad) / (float)els;
        // The chord runs straight from root to tip; element e spans chords c(e) to c(e + 1).
        // Worked out for all ten elements in fixed-length loops the compiler vectorises, then
        // stored for the part's own.
        const float root = v.Croot[part], step = (v.Ctip[part] - root) / (float)els;
        float chord[ACF_ELEMENTS + 1], area[ACF_ELEMENTS], mean[ACF_ELEMENTS];
        for (int e = 0; e <= ACF_ELEMENTS; e++) chord[e] = root + (float)e * step;
        for (int e = 0; e < ACF_ELEMENTS; e++) {
            const float sum = chord[e] + chord[e + 1];
            area[e] = sum * strip;
            // Two zero chords have a mean chord of zero, not the 0/0 of the formula.
            mean[e] = sum == 0 ? 0.0f : (sum - chord[e] * chord[e + 1] / sum) * (2.0f / 3.0f);
        }
        if (els == ACF_ELEMENTS) {   // the usual case, as one fixed-size copy each
            memcpy(v.s[part], area, sizeof area);
            memcpy(v.mac[part], mean, sizeof mean);
        } else {
            memcpy(v.s[part], area, sizeof(float) * els);
            memcpy(v.mac[part], mean, sizeof(float) * els);
        }
    }
}

// The equipment the panel's instruments give the cockpit.
void autoset_equipment(veh_struct& v)
{
    const std::array<uint32_t, TYPES>& of_type = equipment_of_type();
    uint32_t fitted = 0;
    for (int slot = 0; slot < ACF_INSTRUMENTS; slot++) {
        const int type = v.ins_type[slot];
        if (type >= 0 && type < TYPES) fitted |= of_type[type];
    }
    for (int i = 0; i < EQUIPMENT; i++) {
        int& flag = v.*s_equipment[i].flag;
        if (i != BEACON) flag = 0;
        if (fitted & (1u << i)) flag = 1;
    }
}

// Sound reference values, trims and autopilot constants that older files leave at zero.
void autoset_defaults(veh_struct& v)
{
    if (below(v.snd_kias, 1)) v.snd_kias = v.Vne_kts;
    if (below(v.snd_n1, 1)) v.snd_n1 = 100;
    if (below(v.snd_rpm_prp, 1))
        for (int k = 0; k < thrust_points_of(v); k++) {
            const int t = v.prop_type[k];
            if (t == 0 || t == 1 || t == 2 || t == 4 || t == 5 || t == 8) v.snd_rpm_prp = 2500;
            else if (t == 3 || t == 7) v.snd_rpm_prp = 400;
            else if (t == 6) v.snd_rpm_prp = 100;
        }
    if (below(v.snd_rpm_eng, 1))
        for (int en = 0; en < engines_of(v); en++) {
            const int t = v.engn_type[en];
            if (t == 0 || t == 1 || t == 3) v.snd_rpm_eng = 2500;
            else if (t == 2 || t == 8) v.snd_rpm_eng = 1900;
        }

    float* trims[6] = {&v.min_trim_elev, &v.max_trim_elev, &v.min_trim_ailn,
                       &v.max_trim_ailn, &v.min_trim_rudd, &v.max_trim_rudd};
    const float trim_defaults[6] = {0.5f, 0.5f, 0.25f, 0.25f, 0.25f, 0.25f};
    bool none = true;
    for (float* t : trims) none = none && below(*t, 0.005f);
    for (int i = 0; i < 6; i++) {
        if (none) *trims[i] = trim_defaults[i];
        if (below(*trims[i], 0.001f)) *trims[i] = 0.001f;
    }
    fill_if_zero(v.elev_trim_speedrat, 1);
    fill_if_zero(v.ailn_trim_speedrat, 1);
    fill_if_zero(v.rudd_trim_speedrat, 1);

    if (v.custom_autopilot == 0) {
        v.ott_asi_ratio = 0.04f;
        v.ott_asi_sec_into_future = 20;
        v.ott_asi_kts_off_for_full_def = 10;
        v.ott_phi_ratio = 1;
        v.ott_phi_sec_into_future = 1;
        v.ott_phi_deg_off_for_full_def = 60;
        v.ott_phi_sec_to_tune = 20;
        v.ott_def_sec_into_future = 60;
        v.ott_def_dot_off_for_full_def = 4;
        v.ott_def_sec_to_tune = 20;
        v.ott_the_ratio = v.has_collective ? 0.25f : 1.0f;
        v.ott_the_sec_into_future = 5;
        v.ott_the_deg_off_for_full_def = 45;
        v.ott_the_sec_to_tune = 10;
        v.ott_the_deg_per_kt = 0.5f;
        v.ott_vvi_sec_into_future = 5;
    }

    fill_if_zero(v.fuel_intro_time_prop, 5);
    fill_if_zero(v.fuel_intro_time_jet, 10);
    fill_if_zero(v.throt_time_prop, 1);
    fill_if_zero(v.throt_time_jet, 1);
    fill_if_zero(v.inertia_rat_prop, 1);
    fill_if_zero(v.spool_time_jet, 1);
    fill_if_zero(v.exhaust_rat, 1);
}

// The aft stations of the main body never run forward of the one before.
void autoset_main_body(veh_struct& v)
{
    for (int s = 12; s < ACF_BODY_STATIONS; s++)
        for (int r = 0; r < ACF_BODY_POINTS; r++) {
            if (v.body_Z[44][s][r] > v.body_Z[44][s - 1][r]) continue;
            v.body_X[44][s][r] = v.body_X[44][s - 1][r];
            v.body_Y[44][s][r] = v.body_Y[44][s - 1][r];
            v.body_Z[44][s][r] = v.body_Z[44][s - 1][r] + 0.001f;
        }
}

// Panel, cut-out speeds, vectoring, red lines and timings.
void autoset_limits(veh_struct& v)
{
    if (v.HUD_ctr_y_OLD != 0 && v.HUD_ctr_y[0] == 0) {
        v.HUD_ctr_y[0] = v.HUD_ctr_y_OLD;
        v.HUD_ctr_y_OLD = 0;
        for (int i = 1; i <= 7; i++) v.HUD_ctr_y[i] = 555;
    }
    for (float* cut_out : {&v.ail1_vmax, &v.ail2_vmax, &v.spo1_vmax, &v.spo2_vmax})
        if (below(*cut_out, 0.01f)) *cut_out = 9999;
    if (v.vect_min_nace == 0 && v.vect_max_nace == 0) {
        v.vect_min_nace = v.vect_min_disc;
        v.vect_max_nace = v.vect_max_disc;
    }
    v.HUD_ctr_y[8] = v.HUD_ctr_y[0];
    fill_if_zero(v.max_ITT, 680);
    fill_if_zero(v.max_EGT, 1450);
    fill_if_zero(v.max_CHT, 350);
    fill_if_zero(v.max_OILT, 245);
    fill_if_zero(v.max_OILP, 20);
    if (below(v.flap_deftime, 0.1f)) v.flap_deftime = 1;
    for (int g = 67; g <= 72; g++)
        if (below(v.gear_cyctim[g], 0.1f)) v.gear_cyctim[g] = 1;
}

}  // namespace

void ACF_autoset(int p)
{
    if (p < 0 || p >= ACF_RECORDS) return;
    veh_struct& v = veh[p];
    // Parts past the thrust points answer their stored flag (have_this_part), read here directly
    // since the settings ask for every part every frame.
    bool present[ACF_PARTS];
    for (int part = 0; part < ACF_PARTS; part++)
        present[part] = part < ACF_THRUST_POINTS ? have_this_part(p, part, 6) : v.part_eq[part] != 0;

    autoset_thrust_points(p, v, present);
    v.tailnum[6] = 0;
    v.author[112] = 0;
    v.descrip[112] = 0;
    v.ICAO[39] = 0;
    autoset_surfaces(v, present);
    if (v.ASlo_the_V == 0 && v.ASlo_psi_V == 0 && v.ASlo_phi_V == 0 && v.AShi_the_V == 0 && v.AShi_psi_V == 0 &&
        v.AShi_phi_V == 0) {
        v.ASlo_the_V = v.ASlo_psi_V = v.ASlo_phi_V = v.ASloV_old_all;
        v.AShi_the_V = v.AShi_psi_V = v.AShi_phi_V = v.AShiV_old_all;
    }
    autoset_elements(v, present);
    if (p == 0) autoset_equipment(v);
    autoset_defaults(v);
    autoset_main_body(v);
    autoset_limits(v);

    v.is_flying_stab = 0;
    for (int e = 0; e < elements_of(v, 16); e++)
        if (v.inc_trim[16][e]) v.is_flying_stab = 1;
    // A control whose reference point lies ahead of the centre of gravity acts the other way.
    for (int part = 8; part <= 27; part++)
        v.rev_con[part] = v.Zarm[part] + v.Croot[part] * (v.delta_fac[part] * 0.25f + 0.25f) < v.cgZ;
}

//=== validity check =========================================================================
namespace {

const char* const s_texts[28][3] = {
    {"", "", ""},
    {"This plane has no tail number!", "You must have a tail number!", "This is needed for ATC, logbooks, etc."},
    {"This design is either a helicopter or a plane with a variable-pitch prop.",
     "The problem is, you have entered the same coarse and fine pitch!", "This will make prop or rotor control impossible!"},
    {"This design has a fixed-pitch prop, but you entered different fine and coarse pitches in the props screen!",
     "Duh-OH!", ""},
    {"You entered a Vne of zero!", "You need to change this or the plane will over-stress just sitting there!", ""},
    {"You have entered an empty weight of zero!", "This defies the immutable laws of physics!",
     "Please do not defy the immutable laws of physics!"},
    {"You have entered a maximum weight of zero!", "This defies the immutable laws of physics!",
     "Please do not defy the immutable laws of physics!"},
    {"You have selected an empty weight that is greater than the maximum weight for this airplane!",
     "I know some planes cannot carry much, but this is out of control!", ""},
    {"Do not enter zero as a compressor area for a jet engine!", "You are asking for thrust from zero area!",
     "I hate it when my users try to break the laws of physics!"},
    {"This aircraft has reverse-thrust capability as decided in the ENGINES screen.",
     "But there is a problem: The max THROTTLE available for reverse thrust as decided in the ENGINES screen is ZERO "
     "PERCENT! OOPS!",
     "We won't get much reverse thrust when the maximum allowable throttle while in reverse is zero percent!"},
    {"Problem: The max THROTTLE available as decided in Wing-Wright is ZERO PERCENT! OOPS!",
     "Fix this in the ENGINES screen in Wing-Wright.",
     "If you are trying to make a glider, enter a number of engines of zero."},
    {"This aircraft has reverse-thrust capability as decided in the ENGINES screen.",
     "But there is a problem: The max THROTTLE available for reverse thrust as decided in the ENGINES screen is "
     "GREATER THAN THE FORWARD THROTTLE! OOPS!",
     "We can't over-torque the engine like that in reverse! Fix this in the ENGINES screen."},
    {"You have entered a maximum manifold pressure in the ENGINES screen of 0!",
     "It is not possible for a reciprocating engine to operate at full power with zero manifold pressure!",
     "Enter a correct maximum manifold pressure in the ENGINES screen... probably 29.92 for normally-aspirated "
     "engines."},
    {"You have entered zero for some of the engine RPM parameters in the ENGINES screen!",
     "Do not tell me the props turn at zero rpm in flight!", ""},
    {"You entered an idle rpm greater then the maximum engine rpm in the ENGINES screen!", "That is not possible.",
     "You must fix this."},
    {"You requested a reciprocating or turbine engine in the ENGINES screen, but have entered an engine power of zero!",
     "This is not good. To fly a glider, enter a number of engines of ZERO. To fly a jet, enter that as the engine "
     "type.",
     ""},
    {"You requested a jet engine in the ENGINES screen, but have entered an engine thrust of zero!",
     "This is not good. To fly a glider, enter a number of engines of ZERO. To fly a prop plane, enter that as the "
     "engine type.",
     ""},
    {"You requested a rocket engine in the ENGINES screen, but have entered an engine thrust of zero!",
     "This is not good. To fly a glider, enter a number of engines of ZERO.", ""},
    {"This aircraft has an 'Aileron-1' set of ailerons. This is no problem. BUT you have entered an 'Aileron-1 Cutout "
     "Speed' of ZERO!",
     "This means that the ailerons will be INACTIVE at any speed above ZERO knots! In other words, aileron-set 1 will "
     "NEVER function!",
     "Enter a reasonable number (SPECIAL CONTROLS screen) for the maximum speed the ailerons will operate, enter 999 "
     "if they ALWAYS function."},
    {"This aircraft has an 'Aileron-2' set of ailerons. This is no problem. BUT you have entered an 'Aileron-2 Cutout "
     "Speed' of ZERO!",
     "This means that the ailerons will be INACTIVE at any speed above ZERO knots! In other words, aileron-set 2 will "
     "NEVER function!",
     "Enter a reasonable number (SPECIAL CONTROLS screen) for the maximum speed the ailerons will operate, enter 999 "
     "if they ALWAYS function."},
    {"This aircraft has spoilers. This is no problem. BUT you have entered a Spoiler Cutout Speed of ZERO!",
     "This means that the spoilers will be INACTIVE at any speed above ZERO knots! In other words, the spoilers will "
     "NEVER function!",
     "Enter a reasonable number (SPECIAL CONTROLS screen) for the maximum speed the spoilers will operate, enter 999 "
     "if they ALWAYS function."},
    {"You have entered both a flap and aileron for the same section of the wing!",
     "Any given section of the wing may have flaps, or ailerons, but not both!",
     "Make sure no element of any surface has both flaps and ailerons on it."},
    {"You have entered a maximum flap deflection of zero! This is illegal!",
     "If you have no flaps (which is just fine) then make sure you have no flap DETENTS as well!!",
     "Fix this in the controls screen of Wing-Wright"},
    {"You have entered some landing gear with tire radii of zero!", "This does not seem to make sense.",
     "Enter landing gear of type NONE for the wheels/skids that you are not using."},
    {"Your landing gear is tucked up too close to the CG.", "Or maybe your CG is too low.",
     "At any rate, the CG of the airplane is underground here."},
    {"This aircraft has a zero root chord for a flying surface!", "You cannot have an infinetly thin wing! IMPOSSIBLE!",
     "If you enter a SPAN for any flying surface then you must also have a root CHORD!"},
    {"You have specified in the Panel screen that you have a HOOPS HUD.",
     "But you have specified a HUD SIZE of ZERO inthat same screen!", "BAD! BAD!"},
    {"Look at the WEIGHT AND BALANCE window. Then look at the RATIO of fuel in each fuel tank.",
     "Those numbers indicate the fraction of your total fuel in each tank. Those ratios must all add up to 1.00... "
     "right now they do not!",
     "Your fuel must be 100% distributed across the fuel tanks!"},
};

const char* const s_fourth_line =
    "I CAN READ AND WRITE THE FILE, but you must fix this before you can fly this aircraft in Skyvane! ";

// Collects the failing checks in the order they run, each check once.
class problem_list {
public:
    explicit problem_list(const veh_struct& v) : m_v(v) {}
    void fail(int check)
    {
        if (m_seen >> check & 1) return;
        m_seen |= 1u << check;
        ACF_problem pr{check, {s_texts[check][0], s_texts[check][1], s_texts[check][2], s_fourth_line}};
        pr.lines[3] += STR_of(m_v.path);
        m_out.push_back(std::move(pr));
    }
    std::vector<ACF_problem> take(void) { return std::move(m_out); }

private:
    const veh_struct& m_v;
    uint32_t m_seen = 0;
    std::vector<ACF_problem> m_out;
};

bool blank(const char* s, size_t n)
{
    for (size_t i = 0; i < n && s[i]; i++)
        if (s[i] != ' ') return false;
    return true;
}

// Some element of a present flying surface (parts 8..27) carries the control.
bool surfaces_carry(int p, const veh_struct& v, const int (&on)[ACF_PARTS][ACF_ELEMENTS])
{
    for (int part = 8; part <= 27; part++) {
        if (!have_this_part(p, part, 6)) continue;
        for (int e = 0; e < elements_of(v, part); e++)
            if (on[part][e]) return true;
    }
    return false;
}

void check_engines(int p, const veh_struct& v, problem_list& out)
{
    for (int en = 0; en < engines_of(v); en++) {
        const bool jet = en_is_jet(p, en), prop = en_is_prop(p, en);
        if (jet && below(v.face_jet, 0.001f)) out.fail(8);
        if (v.rev_thrust_EQ && below(v.throt_max_REV, 0.005f)) out.fail(9);
        if (below(v.throt_max_FWD, 0.005f)) out.fail(10);
        if (v.rev_thrust_EQ && v.throt_max_REV > v.throt_max_FWD + 0.005f) out.fail(11);
        if (en_is_recip(p, en) && below(v.MP_max, 0.01f)) out.fail(12);
        if (prop && ((!en_is_elec(p, en) && below(v.RSC_idlespeed_ENGN, 1)) || below(v.RSC_redline_ENGN, 1) ||
                     below(v.RSC_mingreen_ENGN, 1) || below(v.RSC_maxgreen_ENGN, 1)))
            out.fail(13);
        if (prop && below(v.RSC_redline_ENGN, v.RSC_idlespeed_ENGN)) out.fail(14);
        if (prop && below(v.power_max, 0.01f)) out.fail(15);
        if (jet && below(v.thrust_max, 0.01f)) out.fail(16);
        if (en_is_roc(p, en) && (below(v.rock_max_sl, 0.01f) || below(v.rock_max_opt, 0.01f) || below(v.rock_max_vac, 0.01f)))
            out.fail(17);
    }
}

void check_controls(int p, const veh_struct& v, problem_list& out)
{
    if (below(v.ail1_vmax, 0.01f) && surfaces_carry(p, v, v.ail1)) out.fail(18);
    if (below(v.ail2_vmax, 0.01f) && surfaces_carry(p, v, v.ail2)) out.fail(19);
    if ((below(v.spo1_vmax, 0.01f) && surfaces_carry(p, v, v.spo1)) ||
        (below(v.spo2_vmax, 0.01f) && surfaces_carry(p, v, v.spo2)))
        out.fail(20);
    for (int part = 8; part <= 27; part++) {
        if (!have_this_part(p, part, 6)) continue;
        for (int e = 0; e < elements_of(v, part); e++)
            if (v.flap[part][e] && (v.ail1[part][e] || v.ail2[part][e])) out.fail(21);
    }
    if (v.flapEQ && v.flap_detents > 0 && v.flap_dn[intlim(v.flap_detents, 0, ACF_FLAP_DETENTS - 1)] == 0) out.fail(22);
}

void run_checks(int p, problem_list& out)
{
    const veh_struct& v = veh[p];
    if (blank(v.tailnum, sizeof v.tailnum)) out.fail(1);
    for (int k = 0; k < thrust_points_of(v); k++) {
        if (!have_this_part(p, k, 1)) continue;
        const int t = v.prop_type[k];
        const float range = v.max_pitch[k] - v.min_pitch[k];
        if ((t == 1 || t == 2 || t == 3 || t == 4 || t == 7 || t == 8) && below(range, 0.01f)) out.fail(2);
        if (t == 0 && range > 0.01f) out.fail(3);
    }
    // A limit that is not a number is no limit either.
    if (v.Vne_kts == 0 || std::isnan(v.Vne_kts)) out.fail(4);
    if (below(v.m_empty, 0.01f)) out.fail(5);
    if (below(v.m_max, 0.01f)) out.fail(6);
    if (below(v.m_max, v.m_empty)) out.fail(7);
    check_engines(p, v, out);
    check_controls(p, v, out);
    for (int g = 67; g <= 72; g++)
        if (have_this_part(p, g, 6) && below(v.tire_radius[g], 0.001f)) out.fail(23);
    if (below(v.h_eqlbm, 0.01f)) out.fail(24);
    for (int part = 8; part <= 43; part++)
        if (have_this_part(p, part, 6) && below(v.Croot[part], 0.01f)) out.fail(25);
    if (v.has_HOOPS_HUD && (below(v.HUD_del_x, 1) || below(v.HUD_del_y, 1))) out.fail(26);
    if (v.m_fuel_tot > 0) {
        float sum = 0;
        for (int t = 0; t < intlim(v.num_tanks, 0, ACF_TANKS); t++) sum += v.tank_rat[t];
        if (!(sum >= 0.995f && sum <= 1.005f)) out.fail(27);
    }
}

// The path of the aircraft last logged in this batch.
std::string s_batch_logged;

}  // namespace

std::vector<ACF_problem> ACF_check_all(int p)
{
    if (p < 0 || p >= ACF_RECORDS) return {};
    problem_list out(veh[p]);
    run_checks(p, out);
    return out.take();
}

void ACF_check(int p, int is_batch)
{
    // The first problem of the full list, so the alert and the list never disagree.
    const std::vector<ACF_problem> all = ACF_check_all(p);
    if (all.empty()) return;
    const std::string* l = all[0].lines;
    if (!is_batch) {
        MACIBM_alert(0, l[0].c_str(), l[1].c_str(), l[2].c_str(), l[3].c_str(), 16);
        return;
    }
    // An unattended batch cannot wait for a click: the problem goes where a fatal alert's would,
    // and the batch goes on to the next aircraft.
    const std::string path = STR_of(veh[p].path);
    if (path == s_batch_logged) return;
    s_batch_logged = path;
    if (!xer) return;
    fprintf(xer, "file: %s, line: %d\n", __FILE__, __LINE__);
    for (int i = 0; i < 4; i++) fprintf(xer, "%s\n", l[i].c_str());
    fflush(xer);
}

void ACF_check_new_batch(void) { s_batch_logged.clear(); }
