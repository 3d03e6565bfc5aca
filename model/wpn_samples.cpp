// wpn_samples.cpp -- the four sample weapons: a gun pod, a 500 lb bomb, a heat-seeking air-to-air
// missile and a drop tank, each a round body with its own outline, fins where it has them, and
// the figures a designer would start from.
#include "model/wpn_samples.h"
#include "model/acf_struct.h"
#include "base/hl_string.h"
#include <cmath>
#include <cstring>

namespace {
// A body of revolution: length (ft), largest radius (ft) and the radius at each station as a
// share of the largest, nose first.
struct outline {
    float length, radius;
    float share[ACF_WPN_STATIONS];
};

const outline k_outlines[WPN_SAMPLES] = {
    {8.0f, 0.65f, {0.05f, 0.45f, 0.75f, 0.92f, 1, 1, 1, 1, 1, 0.95f, 0.8f, 0.5f}},        // gun pod, barrel out front
    {7.2f, 0.70f, {0.05f, 0.55f, 0.85f, 1, 1, 1, 0.97f, 0.85f, 0.65f, 0.45f, 0.32f, 0.3f}}, // bomb, boat tail
    {9.6f, 0.21f, {0.02f, 0.45f, 0.8f, 1, 1, 1, 1, 1, 1, 1, 1, 0.95f}},                     // missile
    {12.0f, 1.0f, {0.02f, 0.5f, 0.8f, 0.95f, 1, 1, 1, 1, 0.9f, 0.7f, 0.4f, 0.05f}},         // drop tank
};

const char* const k_names[WPN_SAMPLES] = {"Gun Pod.wpn", "Bomb 500 lb.wpn", "Heat Seeker.wpn", "Drop Tank 300 gal.wpn"};

// One station: the ring convention of every body, point 8 meeting point 9 at the bottom and
// point 17 meeting point 0 at the top.
void round_station(veh_struct& v, int en, int s, float z, float r)
{
    for (int k = 0; k < ACF_BODY_POINTS; k++) {
        const float a = (float)M_PI * (float)(k < 9 ? k : k - 1) / 8.0f;
        v.body_X[en][s][k] = std::sin(a) * r;
        v.body_Y[en][s][k] = std::cos(a) * r;
        v.body_Z[en][s][k] = z;
    }
}

void fin_set(wpn_struct& w, int f, float z, float cr, float ct, float semilen, float sweep, float dihed, float mirror)
{
    w.mis_fin_z[f] = z;
    w.mis_fin_cr[f] = cr;
    w.mis_fin_ct[f] = ct;
    w.mis_fin_semilen[f] = semilen;
    w.mis_fin_sweep[f] = sweep;
    w.mis_fin_dihed[f][0] = dihed;
    w.mis_fin_dihed[f][1] = mirror;
}
}  // namespace

const char* WPN_sample_name(int kind) { return kind >= 0 && kind < WPN_SAMPLES ? k_names[kind] : ""; }

void WPN_make_sample(int p, int en, int kind)
{
    if (p < 0 || p >= ACF_RECORDS || en < 0 || en >= ACF_WPN_SLOTS || kind < 0 || kind >= WPN_SAMPLES) return;
    veh_struct& v = veh[p];
    wpn_struct& w = v.wpn[en];
    memset(&w, 0, sizeof w);
    for (auto& fin : w.mis_afl) STR_put(fin, "NACA 0009 (symmetrical).afl");
    const outline& o = k_outlines[kind];
    memset(v.body_X[en], 0, sizeof v.body_X[en]);
    memset(v.body_Y[en], 0, sizeof v.body_Y[en]);
    memset(v.body_Z[en], 0, sizeof v.body_Z[en]);
    v.body_r[en] = o.radius;
    for (int s = 0; s < ACF_WPN_STATIONS; s++)
        round_station(v, en, s, o.length * (float)s / (ACF_WPN_STATIONS - 1), o.radius * o.share[s]);
    // Hung by its top, over the middle of its length.
    w.y_wpn_att = o.radius;
    w.z_wpn_att = 0.5f * o.length;
    w.cgZ = 0.5f * o.length;
    switch (kind) {
    case WPN_SAMPLE_GUN_POD:
        w.type = 3;
        w.bul_rounds_per_sec = 100;
        w.bul_rounds = 750;
        w.bul_muzzle_speed = 3300;
        w.total_weapon_mass_max = 0.6f;   // one round, lb
        w.bul_area = 0.005f;
        w.conv_range = 1500;
        w.added_mass = 350;
        break;
    case WPN_SAMPLE_BOMB:
        w.type = 19;
        w.total_weapon_mass_max = 500;
        w.fuel_warhead_mass_max = 270;
        w.mis_drag_co = 0.25f;
        fin_set(w, 0, 6.4f, 1.1f, 0.9f, 0.95f, 0, 45, 45);     // an X of four tail fins
        fin_set(w, 1, 6.4f, 1.1f, 0.9f, 0.95f, 0, -45, -45);
        w.added_mass = 40;
        break;
    case WPN_SAMPLE_MISSILE:
        w.type = 8;
        w.total_weapon_mass_max = 190;
        w.fuel_warhead_mass_max = 85;
        w.warhead_type = 2;
        w.mis_drag_co = 0.3f;
        fin_set(w, 0, 1.6f, 0.45f, 0.2f, 0.4f, 20, 0, 0);      // canards that steer
        fin_set(w, 1, 1.6f, 0.45f, 0.2f, 0.4f, 20, 90, -90);
        fin_set(w, 2, 8.8f, 0.8f, 0.35f, 0.55f, 30, 0, 0);     // fixed tail fins
        fin_set(w, 3, 8.8f, 0.8f, 0.35f, 0.55f, 30, 90, -90);
        w.mis_fin_conrat[0] = w.mis_fin_conrat[1] = 1;
        w.mis_fin_steer[0] = w.mis_fin_steer[1] = 20;
        w.mis_thrust[0] = 2800;
        w.mis_duration[0] = 2.2f;
        w.mis_cone_width = 40;
        w.mis_crat_per_deg_bore = 0.05f;
        w.mis_crat_per_degpersec_bore = 0.02f;
        w.mis_crat_per_degpersec = 0.1f;
        w.added_mass = 30;
        break;
    case WPN_SAMPLE_DROP_TANK:
        w.type = 23;
        w.total_weapon_mass_max = 160;
        w.fuel_warhead_mass_max = 1950;
        fin_set(w, 0, 10.8f, 1.2f, 0.6f, 0.7f, 35, 0, 0);      // a small stabilising tail
        w.added_mass = 60;
        break;
    }
    w.free_flyer = w.type >= 1 && w.type <= 4 ? 0 : 1;
}
