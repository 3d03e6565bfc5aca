// The validity check (each check alone, in order, in a batch), the automatic settings' defaults
// and limits, and the derived specifications that settle over frames.
#include <gtest/gtest.h>
#include "model/ACF_check.h"
#include "model/acf_struct.h"
#include "geometry/PLN_PROCS.h"
#include "base/records.h"
#include "shell/Hl_MNW.h"
#include "tests/support/ww_full_acf.h"
#include "tests/support/ww_test.h"
#include "base/hl_string.h"
#include <cmath>
#include <cstdio>
#include <functional>
#include <limits>

static const std::string kFourth = "I CAN READ AND WRITE THE FILE, but you must fix this before you can fly this "
                                   "aircraft in Skyvane! Aircraft:Full Transport.acf";

class Autoset : public ::testing::Test {
protected:
    void SetUp() override
    {
        MACIBM_zero_records();
        MACIBM_fill_constants();
        ww_catch_alerts();
        mnw.prd_FM = 0.02f;
        ww_full_acf(0);
    }
    void frames(int n)
    {
        for (int i = 0; i < n; i++) update_plane_specs();
    }
    veh_struct& v = veh[0];
};

// The three lines of each check, by its number.
static const char* const kTexts[28][3] = {
    {"", "", ""},
    {"This plane has no tail number!", "You must have a tail number!", "This is needed for ATC, logbooks, etc."},
    {"This design is either a helicopter or a plane with a variable-pitch prop.",
     "The problem is, you have entered the same coarse and fine pitch!",
     "This will make prop or rotor control impossible!"},
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
     "But there is a problem: The max THROTTLE available for reverse thrust as decided in the ENGINES screen is ZERO PERCENT! OOPS!",
     "We won't get much reverse thrust when the maximum allowable throttle while in reverse is zero percent!"},
    {"Problem: The max THROTTLE available as decided in Wing-Wright is ZERO PERCENT! OOPS!",
     "Fix this in the ENGINES screen in Wing-Wright.",
     "If you are trying to make a glider, enter a number of engines of zero."},
    {"This aircraft has reverse-thrust capability as decided in the ENGINES screen.",
     "But there is a problem: The max THROTTLE available for reverse thrust as decided in the ENGINES screen is GREATER THAN THE FORWARD THROTTLE! OOPS!",
     "We can't over-torque the engine like that in reverse! Fix this in the ENGINES screen."},
    {"You have entered a maximum manifold pressure in the ENGINES screen of 0!",
     "It is not possible for a reciprocating engine to operate at full power with zero manifold pressure!",
     "Enter a correct maximum manifold pressure in the ENGINES screen... probably 29.92 for normally-aspirated engines."},
    {"You have entered zero for some of the engine RPM parameters in the ENGINES screen!",
     "Do not tell me the props turn at zero rpm in flight!", ""},
    {"You entered an idle rpm greater then the maximum engine rpm in the ENGINES screen!", "That is not possible.",
     "You must fix this."},
    {"You requested a reciprocating or turbine engine in the ENGINES screen, but have entered an engine power of zero!",
     "This is not good. To fly a glider, enter a number of engines of ZERO. To fly a jet, enter that as the engine type.",
     ""},
    {"You requested a jet engine in the ENGINES screen, but have entered an engine thrust of zero!",
     "This is not good. To fly a glider, enter a number of engines of ZERO. To fly a prop plane, enter that as the engine type.",
     ""},
    {"You requested a rocket engine in the ENGINES screen, but have entered an engine thrust of zero!",
     "This is not good. To fly a glider, enter a number of engines of ZERO.", ""},
    {"This aircraft has an 'Aileron-1' set of ailerons. This is no problem. BUT you have entered an 'Aileron-1 Cutout Speed' of ZERO!",
     "This means that the ailerons will be INACTIVE at any speed above ZERO knots! In other words, aileron-set 1 will NEVER function!",
     "Enter a reasonable number (SPECIAL CONTROLS screen) for the maximum speed the ailerons will operate, enter 999 if they ALWAYS function."},
    {"This aircraft has an 'Aileron-2' set of ailerons. This is no problem. BUT you have entered an 'Aileron-2 Cutout Speed' of ZERO!",
     "This means that the ailerons will be INACTIVE at any speed above ZERO knots! In other words, aileron-set 2 will NEVER function!",
     "Enter a reasonable number (SPECIAL CONTROLS screen) for the maximum speed the ailerons will operate, enter 999 if they ALWAYS function."},
    {"This aircraft has spoilers. This is no problem. BUT you have entered a Spoiler Cutout Speed of ZERO!",
     "This means that the spoilers will be INACTIVE at any speed above ZERO knots! In other words, the spoilers will NEVER function!",
     "Enter a reasonable number (SPECIAL CONTROLS screen) for the maximum speed the spoilers will operate, enter 999 if they ALWAYS function."},
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
     "Those numbers indicate the fraction of your total fuel in each tank. Those ratios must all add up to 1.00... right now they do not!",
     "Your fuel must be 100% distributed across the fuel tanks!"},
};

TEST_F(Autoset, TheFullAircraftPassesAndEachCheckFailsAloneInOrder)
{
    EXPECT_TRUE(ACF_check_all(0).empty());
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const struct { int check, also; std::function<void(veh_struct&)> edit; } rows[] = {
        {1, 0, [](veh_struct& a) { snprintf(a.tailnum, 40, "   "); }},
        {2, 0, [](veh_struct& a) { a.max_pitch[3] = a.min_pitch[3]; }},
        {3, 0, [](veh_struct& a) { a.prop_type[5] = 0; }},
        {4, 0, [](veh_struct& a) { a.Vne_kts = 0; }},
        {5, 0, [](veh_struct& a) { a.m_empty = 0; }},
        {5, 7, [=](veh_struct& a) { a.m_empty = nan; }},
        {6, 7, [](veh_struct& a) { a.m_max = 0; }},
        {7, 0, [](veh_struct& a) { a.m_empty = 130000; }},
        {8, 0, [](veh_struct& a) { a.engn_type[6] = 4, a.face_jet = 0; }},
        {9, 0, [](veh_struct& a) { a.throt_max_REV = 0; }},
        {10, 0, [](veh_struct& a) { a.rev_thrust_EQ = 0, a.throt_max_FWD = 0; }},
        {10, 0, [=](veh_struct& a) { a.rev_thrust_EQ = 0, a.throt_max_FWD = nan; }},
        {11, 0, [](veh_struct& a) { a.throt_max_REV = 1.5f; }},
        {12, 0, [](veh_struct& a) { a.engn_type[2] = 1, a.MP_max = 0; }},
        {13, 0, [](veh_struct& a) { a.RSC_mingreen_ENGN = 0; }},
        {14, 0, [](veh_struct& a) { a.RSC_idlespeed_ENGN = 150; }},
        {15, 0, [](veh_struct& a) { a.power_max = 0; }},
        {16, 0, [](veh_struct& a) { a.engn_type[7] = 5, a.thrust_max = 0; }},
        {17, 0, [](veh_struct& a) { a.engn_type[0] = 6, a.rock_max_vac = 0; }},
        {18, 0, [](veh_struct& a) { a.ail1_vmax = 0; }},
        {19, 0, [](veh_struct& a) { a.ail2_vmax = 0; }},
        {20, 0, [](veh_struct& a) { a.spo2_vmax = 0.005f; }},
        {21, 0, [](veh_struct& a) { a.flap[11][7] = 1; }},
        {22, 0, [](veh_struct& a) { a.flap_dn[3] = 0; }},
        {23, 0, [](veh_struct& a) { a.tire_radius[70] = 0; }},
        {24, 0, [](veh_struct& a) { a.h_eqlbm = 0; }},
        {25, 0, [](veh_struct& a) { a.Croot[39] = 0.005f; }},
        {26, 0, [](veh_struct& a) { a.HUD_del_y = 0.5f; }},
        {27, 0, [](veh_struct& a) { a.tank_rat[1] = 0.29f; }},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.check);
        ww_full_acf(0);
        row.edit(v);
        const std::vector<ACF_problem> all = ACF_check_all(0);
        ASSERT_EQ(all.size(), row.also ? 2u : 1u);
        EXPECT_EQ(all[0].check, row.check);
        if (row.also) {
            EXPECT_EQ(all[1].check, row.also);
        }
        for (int k = 0; k < 3; k++) EXPECT_EQ(all[0].lines[k], kTexts[row.check][k]);
        EXPECT_EQ(all[0].lines[3], kFourth);

        g_test_alerts.clear();
        ACF_check(0, 0);
        ASSERT_EQ(g_test_alerts.size(), 1u);   // the pass ends at the first problem
        EXPECT_EQ(g_test_alerts[0].type, 16);
        for (int i = 0; i < 4; i++) EXPECT_EQ(g_test_alerts[0].lines[i], all[0].lines[i]);
    }
}

TEST_F(Autoset, CheckAllListsEveryProblemOnceInOrder)
{
    // Two jets share the one compressor area: one problem, not two.
    v.tailnum[0] = 0, v.Vne_kts = 0, v.engn_type[1] = v.engn_type[4] = 4, v.face_jet = 0, v.tank_rat[0] = 0.5f;
    std::vector<int> got;
    for (const ACF_problem& pr : ACF_check_all(0)) got.push_back(pr.check);
    EXPECT_EQ(got, (std::vector<int>{1, 4, 8, 27}));
    // Without fuel the tanks are not looked at.
    v.m_fuel_tot = 0;
    EXPECT_EQ(ACF_check_all(0).back().check, 8);
}

TEST_F(Autoset, InABatchTheProblemIsLoggedOncePerAircraftAndNothingIsShown)
{
    xer = tmpfile();
    ASSERT_NE(xer, nullptr);
    v.Vne_kts = 0;
    for (int batch = 0; batch < 2; batch++, ACF_check_new_batch()) ACF_check(0, 1), ACF_check(0, 1);
    EXPECT_TRUE(g_test_alerts.empty());
    std::string log(4096, '\0');
    rewind(xer);
    log.resize(fread(log.data(), 1, log.size(), xer));
    fclose(xer);
    xer = nullptr;
    const std::string one = "line: " + log.substr(log.find("line: ") + 6, log.find('\n') - log.find("line: ") - 6) +
                            "\nYou entered a Vne of zero!\nYou need to change this or the plane will over-stress just "
                            "sitting there!\n\n" + kFourth + "\n";
    EXPECT_EQ(log.substr(0, 6), "file: ");
    EXPECT_EQ(log.size(), 2 * (log.find(one) + one.size())) << log;   // once in each batch
}

TEST_F(Autoset, DefaultsAndLimits)
{
    snprintf(v.tailnum, 40, "N1234567");
    memset(v.ICAO, 'K', sizeof v.ICAO);
    v.min_trim_elev = v.max_trim_elev = v.min_trim_ailn = v.max_trim_ailn = v.min_trim_rudd = v.max_trim_rudd = 0;
    v.max_ITT = v.max_EGT = v.max_CHT = v.max_OILT = v.max_OILP = 0;
    v.ail1_vmax = std::numeric_limits<float>::quiet_NaN();
    v.ins_type[15] = v.ins_type[16] = 7;   // the beacon and knots/mach instruments leave the panel
    ACF_autoset(0);
    EXPECT_STREQ(v.tailnum, "N12345");
    EXPECT_EQ(strlen(v.ICAO), 39u);
    EXPECT_EQ(std::vector<float>({v.min_trim_elev, v.max_trim_elev, v.min_trim_ailn, v.max_trim_ailn, v.min_trim_rudd,
                                  v.max_trim_rudd}),
              std::vector<float>({0.5f, 0.5f, 0.25f, 0.25f, 0.25f, 0.25f}));
    EXPECT_EQ(std::vector<float>({v.max_ITT, v.max_EGT, v.max_CHT, v.max_OILT, v.max_OILP}),
              std::vector<float>({680, 1450, 350, 245, 20}));
    EXPECT_EQ(v.ail1_vmax, 9999);
    EXPECT_EQ(v.beaconEQ, 1);   // only ever set
    EXPECT_EQ(v.has_knots_mach, 0); EXPECT_EQ(v.has_radalt, 1);

    // One trim limit given: the others are only raised to the least that works.
    v.min_trim_elev = 0.01f, v.max_trim_elev = v.min_trim_ailn = v.max_trim_ailn = v.min_trim_rudd = v.max_trim_rudd = 0;
    ACF_autoset(0);
    EXPECT_EQ(v.min_trim_elev, 0.01f); EXPECT_EQ(v.max_trim_elev, 0.001f); EXPECT_EQ(v.max_trim_rudd, 0.001f);

    // Autopilot constants, softer in pitch for a rotorcraft; a custom autopilot keeps its own.
    EXPECT_EQ(v.ott_asi_ratio, 0.04f); EXPECT_EQ(v.ott_phi_deg_off_for_full_def, 60); EXPECT_EQ(v.ott_the_ratio, 1);
    v.prop_type[5] = 3;
    ACF_autoset(0);
    EXPECT_EQ(v.has_collective, 1); EXPECT_EQ(v.collective_en, 5); EXPECT_EQ(v.ott_the_ratio, 0.25f);
    v.custom_autopilot = 1, v.ott_the_ratio = 3;
    ACF_autoset(0);
    EXPECT_EQ(v.ott_the_ratio, 3);

    // Control ranges: first element and one past the last, or 10 and 0 where there is none.
    EXPECT_EQ(v.ail1_elR[11], 5); EXPECT_EQ(v.ail1_elT[11], 10);
    EXPECT_EQ(v.ail1_elR[9], 10); EXPECT_EQ(v.ail1_elT[9], 0);
    EXPECT_EQ(v.spo2_elR[8], 5); EXPECT_EQ(v.spo2_elT[8], 8);
    EXPECT_EQ(v.is_left[8], 1); EXPECT_EQ(v.lat_sign[8], -1); EXPECT_EQ(v.lat_sign[0], -1); EXPECT_EQ(v.lat_sign[1], 1);
}

TEST_F(Autoset, GearSettlesOverFrames)
{
    struct leg { int g, type; float x, y, z, len, tire; };
    auto fit = [&](std::initializer_list<leg> legs) {
        ww_full_acf(0);
        for (int g = 67; g <= 72; g++) v.gear_type[g] = 0;
        for (const leg& l : legs)
            v.gear_type[l.g] = l.type, v.Xarm[l.g] = l.x, v.Yarm[l.g] = l.y, v.Zarm[l.g] = l.z,
            v.gear_leglen[l.g] = l.len, v.tire_radius[l.g] = l.tire;
        v.h_eqlbm = 5, v.the_eqlbm = 0;
    };
    // Tricycle: the wheels' bottoms 10.3 ft below the centre of gravity; a heavy aircraft sits a foot
    // down on its springs, the mains, nearer the centre of gravity, down more than the nose.
    fit({{67, 2, 0, -5, 10, 3.5f, 1.8f}, {68, 2, -6, -5, 43, 3.5f, 1.8f}, {69, 2, 6, -5, 43, 3.5f, 1.8f}});
    frames(2000);
    EXPECT_GT(v.h_eqlbm, 8.5f); EXPECT_LT(v.h_eqlbm, 10.3f); EXPECT_GT(v.the_eqlbm, 1.0f); EXPECT_LT(v.the_eqlbm, 3.0f);
    const float h = v.h_eqlbm;
    frames(1);
    EXPECT_NEAR(v.h_eqlbm, h, 1e-3);

    // Taildragger: a short tail wheel 54 ft behind the mains, 6.8 ft higher: about 7 degrees nose up.
    fit({{67, 2, 0, -2, 90, 1, 0.5f}, {68, 2, -6, -5, 36, 3.5f, 1.8f}, {69, 2, 6, -5, 36, 3.5f, 1.8f}});
    frames(2000);
    EXPECT_GT(v.the_eqlbm, 5.0f); EXPECT_LT(v.the_eqlbm, 9.0f); EXPECT_GT(v.h_eqlbm, 5.0f);

    // Tail-sitter: legs spread up the fuselage stand it on its tail at once.
    fit({{67, 2, 0, -30, 41, 1, 1}, {68, 2, -6, 0, 40, 1, 1}, {69, 2, 6, 0, 40, 1, 1}});
    frames(1);
    EXPECT_EQ(v.the_eqlbm, 90); EXPECT_FLOAT_EQ(v.h_eqlbm, 1);

    // Four skids: softer springs, no static deflection kept.
    fit({{67, 1, -4, -5, 20, 3, 0.3f}, {68, 1, 4, -5, 20, 3, 0.3f}, {69, 1, -4, -5, 55, 3, 0.3f}, {70, 1, 4, -5, 55, 3, 0.3f}});
    frames(2000);
    EXPECT_EQ(v.is_skid_gear, 1);
    for (int g = 67; g <= 70; g++) EXPECT_EQ(v.gearstatdef[g], 0);
    EXPECT_GT(v.h_eqlbm, 6.0f); EXPECT_LT(v.h_eqlbm, 8.3f); EXPECT_LT(std::fabs(v.the_eqlbm), 1.0f);
}

TEST_F(Autoset, BladesSweepAtFiveDegreesPerSecondAndIncidenceIsToTheTip)
{
    for (int k : {2, 3})
        for (float& s : v.bladesweep[k]) s = 10;
    v.des_kts_prp[2] = 1;      // every element faster than the design speed: sweeps back
    v.des_kts_prp[3] = 5000;   // every element slower: sweeps forward
    frames(3);
    for (int e = 0; e < ACF_ELEMENTS; e++) {
        EXPECT_NEAR(v.bladesweep[2][e], 10.3f, 1e-4);
        EXPECT_NEAR(v.bladesweep[3][e], 9.7f, 1e-4);
    }
    EXPECT_EQ(v.incidence[2][9], 0);
    EXPECT_GT(v.incidence[2][0], 10);   // the root is twisted well past the tip
    v.prop_type[2] = 0;                 // fixed pitch: absolute incidence, no pitch range
    frames(1);
    EXPECT_GT(v.incidence[2][9], 5);
    EXPECT_EQ(v.min_pitch[2], 0); EXPECT_EQ(v.max_pitch[2], 0);
}

TEST_F(Autoset, LeftSurfacesFollowTheRightOnesMirrored)
{
    v.semilen_SEG[9] = 25, v.Xarm[9] = 4, v.sweep1[9] = 12, v.ail1[9][2] = 1;
    v.Croot[8] = 99;   // the left one is not the designer's to edit
    frames(1);
    EXPECT_EQ(v.semilen_SEG[8], 25); EXPECT_EQ(v.Xarm[8], -4); EXPECT_EQ(v.sweep1[8], 12);
    EXPECT_EQ(v.ail1[8][2], 1); EXPECT_EQ(v.Croot[8], v.Croot[9]);
    // The surfaces of thrust point 0 go with every other, mirrored across to the far side.
    EXPECT_EQ(v.Xarm[29], v.Xarm[1] - (v.Xarm[28] - v.Xarm[0]));
    EXPECT_EQ(v.Zarm[61], ret_gear_znodef(0, 67));
    // A span of exactly 0.05 ft is no surface at all.
    v.semilen_SEG[21] = 0.05f;
    frames(1);
    EXPECT_EQ(v.part_eq[21], 0);
}

TEST_F(Autoset, LongTextsAreReportedAndCutToTheirFieldAndLabelsAreBuilt)
{
    const std::string long_text(600, 'x');
    C_to_C(long_text.c_str(), v.tailnum);
    EXPECT_EQ(strlen(v.tailnum), 39u);
    app_C(v.descrip, long_text.c_str());
    EXPECT_EQ(strlen(v.descrip), 499u);
    ASSERT_EQ(g_test_alerts.size(), 2u);   // each long source once; the cut result fits
    EXPECT_EQ(g_test_alerts[0].lines[0], "String too long!");
    EXPECT_EQ(g_test_alerts[0].lines[3], long_text.substr(0, 499));

    EXPECT_TRUE(std::string(xyz_name("Pilot|eye{ pilot's eye", 'y')).starts_with(
        "Pilot|eye { This is how far above the reference point the pilot's eye is. The reference point"));
    std::string label;
    label_part("arm|(ft){ engine", &label, 0, 1);
    EXPECT_EQ(label, "|(ft) { engine");
}
