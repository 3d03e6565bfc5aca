// win_stability.cpp -- the vectoring and rotor window (902) and the stability and autopilot
// window (905). Each page reads like its widget table: one widget per line, in drawing order.
#include "editor/win_stability.h"
#include "editor/win_engines.h"
#include "editor/APPLICATION.h"
#include "editor/HL_BTN.h"
#include "base/records.h"
#include "base/HL_MATH_FUN.h"
#include "draw/HL_GRAPH.h"
#include "model/acf_struct.h"
#include "model/set_struct.h"
#include <string>

static const char* T(int n) { return APP_text(n); }

//=== vectoring and rotor window (902) =======================================================

static void vectoring_panels(void)
{
    float x2, y2;
    BTN_subwin(g_tab_dy, 13, 10, 530, 400, -1, T(453), &x2, &y2);    // vectoring
    BTN_subwin(g_tab_dy, 13, 430, 530, -1, -1, T(452), &x2, &y2);    // vector angles, their long labels too
    BTN_subwin(g_tab_dy, 13, 10, 330, 480, 180, T(451), &x2, &y2);   // rotor disc
    BTN_subwin(g_tab_dy, 13, 10, 140, 480, 170, T(450), &x2, &y2);   // puffers
    BTN_subwin(g_tab_dy, 13, 10, 10, 480, 110, T(456), &x2, &y2);    // stabiliser
    BTN_subwin(g_tab_dy, 13, 510, 10, 300, 500, T(455), &x2, &y2);   // rotor mixing
    APP_aircraft_pane(830, 10, mnw.win_dx - 10, 510);
}

static void vectoring_vector(veh_struct& v)
{
    BTN_bool(30, 665, &v.vect_EQ, T(248), 0);
    BTN_bool(30, 615, &v.auto_rpm_with_tvec, T(265), 0);
    BTN_bool(30, 565, &v.hide_prop_at_90_vect, T(342), 0);
    BTN_flt(650, 665, &v.vect_min_nace, 3, 1, 1, T(919));
    BTN_flt(700, 665, &v.vect_max_nace, 4, 1, 1, T(920));
    BTN_flt(650, 615, &v.vect_min_disc, 3, 1, 1, T(921));
    BTN_flt(700, 615, &v.vect_max_disc, 4, 1, 1, T(920));
    BTN_flt(650, 565, &v.vectarmZ, 3, 1, 1, T(249));
    BTN_flt(700, 565, &v.vectarmY, 3, 1, 1, T(341));
    BTN_flt(860, 665, &v.vect_rate, 2, 0, 0, T(508));
}

// Cyclic and a fixed disc tilt exclude each other: entering one zeroes the other pair.
static void vectoring_rotor(veh_struct& v)
{
    int cyclic = BTN_flt(180, 465, &v.cyclic_def_elev, 3, 1, 0, T(250));
    cyclic |= BTN_flt(230, 465, &v.cyclic_def_ailn, 3, 1, 0, T(251));
    if (cyclic) v.disc_tilt_elev = v.disc_tilt_ailn = 0;
    int tilt = BTN_flt(180, 415, &v.disc_tilt_elev, 3, 1, 0, T(922));
    tilt |= BTN_flt(230, 415, &v.disc_tilt_ailn, 3, 1, 0, T(923));
    if (tilt) v.cyclic_def_elev = v.cyclic_def_ailn = 0;
    BTN_flt(100, 365, &v.flap_arm, 3, 1, 0, T(252));
    BTN_flt(270, 365, &v.delta3, 3, 1, 0, T(253));
}

static void vectoring_puffers(veh_struct& v)
{
    BTN_flt(120, 265, &v.puff_LMN[1], 7, 0, 0, T(254));
    BTN_flt(120, 215, &v.puff_LMN[0], 7, 0, 0, T(255));
    BTN_flt(120, 165, &v.puff_LMN[2], 7, 0, 0, T(256));
    BTN_flt(320, 265, &v.puff_xyz[2], 6, 0, 0, T(257));
    BTN_flt(320, 215, &v.puff_xyz[0], 6, 0, 0, T(258));
    BTN_flt(320, 165, &v.puff_xyz[1], 6, 0, 0, T(259));
    BTN_flt(230, 65, &v.stab_delinc_to_Vne, 3, 1, 1, T(260));
}

static void vectoring_mixing(veh_struct& v)
{
    BTN_flt(630, 465, &v.tail_with_coll, 3, 1, 0, T(261));
    BTN_flt(630, 415, &v.diff_coll_with_roll, 3, 1, 0, T(262));
    BTN_flt(630, 365, &v.diff_coll_with_hdng, 3, 1, 0, T(263));
    BTN_flt(630, 315, &v.diff_coll_with_ptch, 3, 1, 0, T(330));
    BTN_flt(630, 265, &v.diff_cycl_with_hdng_lon, 3, 1, 0, T(264));
    BTN_flt(630, 215, &v.diff_cycl_with_hdng_lat, 3, 1, 0, T(331));
    BTN_flt(630, 115, &v.rotor_trim_max_fwd, 3, 1, 1, T(266));
    BTN_flt(630, 65, &v.rotor_trim_max_aft, 3, 1, 1, T(267));
}

void APP_vectoring_window(void)
{
    veh_struct& v = veh[0];
    vectoring_panels();
    vectoring_vector(v);
    vectoring_rotor(v);
    vectoring_puffers(v);
    vectoring_mixing(v);
}

//=== stability and autopilot window (905), page 0: artificial stability =====================

// A field's value as the sentences show it: truncated towards zero, and a value no int holds
// (not a number) as 0 and a huge one held at two billion, rather than undefined.
static void append_number(std::string* out, float value)
{
    std::string n;
    int_to_str(value != value ? 0 : (int)fltlim(value, -2e9f, 2e9f), &n, 1);
    *out += n;
    *out += ' ';
}

void APP_stability_sentence(int which, std::string* out)
{
    const veh_struct& v = veh[0];
    out->clear();
    struct piece { int text; float value; };
    const piece lo[3] = {{531, v.ASlo_the_V}, {559, v.ASlo_max_thedot}, {560, v.ASlo_thedot_k * 100}};
    const piece alpha[4] = {{562, v.AShi_the_V}, {563, v.AShi_max_alpha}, {564, v.AShi_alpha_k * 100},
                            {565, v.AShi_alphadot_k * 100}};
    const piece g[4] = {{567, v.AShi_the_V}, {568, v.AShi_max_G}, {569, v.AShi_G_k * 100}, {570, v.AShi_Gdot_k * 100}};
    const piece* pieces = which == 1 ? alpha : which == 2 ? g : lo;
    const int n = which == 1 || which == 2 ? 4 : 3;
    for (int i = 0; i < n; i++) {
        *out += T(pieces[i].text);
        append_number(out, pieces[i].value);
    }
    *out += T(which == 1 ? 566 : which == 2 ? 571 : 561);
}

static void stability_sentences(void)
{
    float x2, y2;
    BTN_subwin(g_tab_dy, 13, 10, 10, -1, 185, "", &x2, &y2);
    BTN_frame2(15, 20, 20, mnw.win_dx - 40, 170, "");
    static const float SENTENCE_Y[3] = {170, 130, 80};
    std::string s;
    for (int which = 0; which < 3; which++) {
        APP_stability_sentence(which, &s);
        OGL_string(42, 30, SENTENCE_Y[which], s.c_str(), 652, 100);
    }
}

static void stability_low_speed(veh_struct& v)
{
    float x2, y2;
    BTN_subwin(g_tab_dy, 13, 10, 450, -1, -1, T(459), &x2, &y2);
    BTN_bool(80, 615, &v.lo_speed_is_position, T(924), 0);
    if (v.lo_speed_is_position) {
        BTN_flt(80, 565, &v.ASlo_max_the, 3, 0, 0, T(387));
        BTN_flt(230, 565, &v.ASlo_the_k, 5, 4, 0, T(389));
        BTN_flt(440, 565, &v.ASlo_thedot_k, 5, 4, 0, T(276));
        BTN_flt(800, 565, &v.ASlo_the_V, 4, 0, 0, T(268));
        BTN_flt(80, 515, &v.ASlo_max_psidot, 3, 0, 0, T(271));
        BTN_flt(440, 515, &v.ASlo_psidot_k, 5, 4, 0, T(277));
        BTN_flt(800, 515, &v.ASlo_psi_V, 4, 0, 0, T(268));
        BTN_flt(80, 465, &v.ASlo_max_phi, 3, 0, 0, T(388));
        BTN_flt(230, 465, &v.ASlo_phi_k, 5, 4, 0, T(390));
        BTN_flt(440, 465, &v.ASlo_phidot_k, 5, 4, 0, T(278));
        BTN_flt(800, 465, &v.ASlo_phi_V, 4, 0, 0, T(268));
    } else {
        BTN_flt(80, 565, &v.ASlo_max_thedot, 3, 0, 0, T(270));
        BTN_flt(440, 565, &v.ASlo_thedot_k, 5, 4, 0, T(276));
        BTN_flt(800, 565, &v.ASlo_the_V, 4, 0, 0, T(268));
        BTN_flt(80, 515, &v.ASlo_max_psidot, 3, 0, 0, T(271));
        BTN_flt(440, 515, &v.ASlo_psidot_k, 5, 4, 0, T(277));
        BTN_flt(800, 515, &v.ASlo_psi_V, 4, 0, 0, T(268));
        BTN_flt(80, 465, &v.ASlo_max_phidot, 3, 0, 0, T(272));
        BTN_flt(440, 465, &v.ASlo_phidot_k, 5, 4, 0, T(278));
        BTN_flt(800, 465, &v.ASlo_phi_V, 4, 0, 0, T(268));
    }
}

static void stability_high_speed(veh_struct& v)
{
    float x2, y2;
    BTN_subwin(g_tab_dy, 13, 10, 215, -1, 215, T(458), &x2, &y2);
    BTN_flt(80, 385, &v.AShi_max_G, 3, 1, 0, T(524));
    BTN_flt(230, 385, &v.AShi_G_k, 5, 4, 0, T(525));
    BTN_flt(440, 385, &v.AShi_Gdot_k, 5, 4, 0, T(354));
    BTN_flt(80, 335, &v.AShi_max_alpha, 3, 0, 0, T(273));
    BTN_flt(230, 335, &v.AShi_alpha_k, 5, 4, 0, T(279));
    BTN_flt(440, 335, &v.AShi_alphadot_k, 5, 4, 0, T(281));
    BTN_flt(800, 335, &v.AShi_the_V, 4, 0, 0, T(269));
    BTN_flt(80, 285, &v.AShi_max_beta, 3, 0, 0, T(274));
    BTN_flt(230, 285, &v.AShi_beta_k, 5, 4, 0, T(280));
    BTN_flt(440, 285, &v.AShi_betadot_k, 5, 4, 0, T(282));
    BTN_flt(800, 285, &v.AShi_psi_V, 4, 0, 0, T(269));
    BTN_flt(80, 235, &v.AShi_max_phidot, 3, 0, 0, T(275));
    BTN_flt(440, 235, &v.AShi_phidot_k, 5, 4, 0, T(283));
    BTN_flt(800, 235, &v.AShi_phi_V, 4, 0, 0, T(269));
}

// The high-speed system takes over above the low-speed one on every axis, at least 1 kt later.
static void stability_blend_speeds(veh_struct& v)
{
    if (v.AShi_the_V < v.ASlo_the_V + 1) v.AShi_the_V = v.ASlo_the_V + 1;
    if (v.AShi_psi_V < v.ASlo_psi_V + 1) v.AShi_psi_V = v.ASlo_psi_V + 1;
    if (v.AShi_phi_V < v.ASlo_phi_V + 1) v.AShi_phi_V = v.ASlo_phi_V + 1;
}

static void stability_page_artificial(veh_struct& v)
{
    stability_sentences();
    stability_low_speed(v);
    stability_high_speed(v);
    stability_blend_speeds(v);
}

//=== stability and autopilot window, page 1: custom autopilot constants =====================
static void stability_page_autopilot(veh_struct& v)
{
    float x2, y2;
    BTN_subwin(g_tab_dy, 13, 10, 540, -1, -1, "", &x2, &y2);         // speed
    BTN_subwin(g_tab_dy, 13, 10, 290, -1, 230, "", &x2, &y2);        // roll and localizer
    BTN_subwin(g_tab_dy, 13, 10, 10, -1, 250, "", &x2, &y2);         // pitch
    BTN_bool(40, 665, &v.custom_autopilot, T(925), 0);
    if (!v.custom_autopilot) return;
    BTN_flt(150, 615, &v.ott_asi_ratio, 3, 2, 0, T(926));
    BTN_flt(550, 615, &v.ott_asi_sec_into_future, 3, 0, 0, T(927));
    BTN_flt_range(550, 565, &v.ott_asi_kts_off_for_full_def, 3, 0, 1, 999, T(928));
    BTN_flt(150, 465, &v.ott_phi_ratio, 3, 2, 0, T(929));
    BTN_flt(450, 465, &v.ott_phi_sec_into_future, 3, 0, 0, T(930));
    BTN_flt_range(450, 415, &v.ott_phi_sec_to_tune, 3, 0, 1, 999, T(931));
    BTN_flt_range(800, 465, &v.ott_phi_deg_off_for_full_def, 3, 0, 1, 999, T(932));
    BTN_flt(450, 365, &v.ott_def_sec_into_future, 3, 0, 0, T(933));
    BTN_flt_range(450, 315, &v.ott_def_sec_to_tune, 3, 0, 1, 999, T(934));
    BTN_flt_range(800, 365, &v.ott_def_dot_off_for_full_def, 3, 0, 1, 999, T(935));
    BTN_flt(150, 215, &v.ott_the_ratio, 3, 2, 0, T(936));
    BTN_flt(450, 215, &v.ott_the_sec_into_future, 3, 0, 0, T(937));
    BTN_flt_range(450, 165, &v.ott_the_sec_to_tune, 3, 0, 1, 999, T(938));
    BTN_flt_range(800, 215, &v.ott_the_deg_off_for_full_def, 3, 0, 1, 999, T(939));
    BTN_flt_range(450, 115, &v.ott_the_deg_per_kt, 3, 2, 0.01f, 9.99f, T(940));
    BTN_flt_range(450, 65, &v.ott_vvi_sec_into_future, 3, 0, 0.01f, 9.99f, T(941));
}

// A selection out of range (a damaged preferences file) shows the first page.
void APP_stability_window(void)
{
    veh_struct& v = veh[0];
    if (set.astbW_tab == 1) stability_page_autopilot(v);
    else stability_page_artificial(v);
}
