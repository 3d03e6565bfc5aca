// Body shaping (smoothing, ring rules, copies, volume), the skid shortcut and the balance read-out
// in percent of the main wing's mean chord, on the new aircraft's round bodies.
#include <gtest/gtest.h>
#include "geometry/pln_body.h"
#include "editor/win_gear.h"
#include "model/acf_defaults.h"
#include "model/acf_parts.h"
#include "model/acf_struct.h"
#include "model/set_struct.h"
#include "shell/Hl_MNW.h"
#include "tests/support/ww_test.h"
#include <cmath>
#include <functional>

namespace {

class Bodies : public ::testing::Test {
protected:
    void SetUp() override
    {
        MACIBM_zero_records();
        ww_catch_alerts();
        setup_base_acf();
    }
    static float& X(int en, int s, int r) { return veh[0].body_X[en][s][r]; }
    static float& Y(int en, int s, int r) { return veh[0].body_Y[en][s][r]; }
    // A lumpy, symmetric body: every right-hand point pushed out or in by its own amount.
    static void roughen(int en, int sdim, int rdim)
    {
        for (int s = 0; s < sdim; s++)
            for (int r = 1; r < rdim / 2 - 1; r++) X(en, s, r) *= 1 + 0.3f * (float)((s * 7 + r * 3) % 5 - 2) / 2;
        BODY_ring_rules(en, sdim, rdim);
    }
    // The largest move of any point between two copies of a body.
    static float largest_move(int en, const veh_struct& before)
    {
        float d = 0;
        for (int s = 0; s < ACF_BODY_STATIONS; s++)
            for (int r = 0; r < ACF_BODY_POINTS; r++)
                d = std::fmax(d, std::fabs(X(en, s, r) - before.body_X[en][s][r]) + std::fabs(Y(en, s, r) - before.body_Y[en][s][r]));
        return d;
    }
};

// For the fuselage, a body, a fairing (10-point rings) and the weapon, light and full passes.
TEST_F(Bodies, SmoothingStaysSymmetricInsideItsSizeAndConverges)
{
    setup_base_wpn(24);
    struct body { int en, sdim, rdim, is_wpn; };
    for (const body b : {body{44, 20, 18, 0}, body{47, 12, 18, 0}, body{63, 8, 10, 0}, body{24, 12, 18, 1}})
        for (int full : {0, 1}) {
            roughen(b.en, b.sdim, b.rdim);
            static veh_struct before;
            before = veh[0];
            BODY_smooth(b.en, full, b.is_wpn);
            const float first = largest_move(b.en, before);
            before = veh[0];
            BODY_smooth(b.en, full, b.is_wpn);
            const float second = largest_move(b.en, before);
            EXPECT_GT(first, 0) << b.en;
            EXPECT_LT(second, first) << b.en << " full " << full;
            const float lim = veh[0].body_r[b.en];
            for (int s = 0; s < b.sdim; s++)
                for (int r = 0; r < b.rdim; r++) {
                    const int m = b.rdim - 1 - r;
                    EXPECT_NEAR(X(b.en, s, m), -X(b.en, s, r), 1e-5) << b.en << " " << s << " " << r;
                    EXPECT_NEAR(Y(b.en, s, m), Y(b.en, s, r), 1e-5);
                    EXPECT_LE(std::fabs(X(b.en, s, r)), lim);
                    EXPECT_LE(std::fabs(Y(b.en, s, r)), lim);
                }
        }
}

TEST_F(Bodies, LockedPointsKeepTheirPlaceThroughEveryPass)
{
    roughen(44, 20, 18);
    *BODY_lock(44, 5, 3) = 1;
    *BODY_lock(44, 14, 4) = 1;                     // a fuselage station beyond the twelfth
    const float x1 = X(44, 5, 3), x2 = X(44, 14, 4), z2 = veh[0].body_Z[44][14][4];
    for (int full : {0, 1, 1}) BODY_smooth(44, full, 0);
    EXPECT_EQ(X(44, 5, 3), x1);
    EXPECT_EQ(X(44, 14, 4), x2);
    EXPECT_EQ(veh[0].body_Z[44][14][4], z2);
}

// Degenerate bodies from a file: all points equal, zero or broken size, broken points.
TEST_F(Bodies, DegenerateBodiesSmoothToFiniteShapes)
{
    const std::function<void()> damage[] = {
        [] { for (auto& st : veh[0].body_X[45]) for (float& x : st) x = 1; for (auto& st : veh[0].body_Y[45]) for (float& y : st) y = 1; },
        [] { veh[0].body_r[45] = 0; },
        [] { veh[0].body_r[45] = NAN; },
        [] { X(45, 3, 4) = NAN; Y(45, 6, 2) = INFINITY; veh[0].body_Z[45][2][2] = -INFINITY; },
        [] { for (auto& st : veh[0].body_Z[45]) for (float& z : st) z = 0; },   // no station spacing
    };
    for (size_t i = 0; i < std::size(damage); i++) {
        setup_base_acf();
        damage[i]();
        for (int full : {0, 1}) BODY_smooth(45, full, 0);
        for (int s = 0; s < 12; s++)
            for (int r = 0; r < 18; r++)
                ASSERT_TRUE(std::isfinite(X(45, s, r)) && std::isfinite(Y(45, s, r)) && std::isfinite(veh[0].body_Z[45][s][r]))
                    << "case " << i << " at " << s << "," << r;
        EXPECT_TRUE(std::isfinite(BODY_volume(45, 12, 18))) << i;
    }
    // Grids and parts outside the arrays are refused, not indexed.
    BODY_smooth(99, 1, 0);
    BODY_ring_rules(44, 400, 400);
    EXPECT_EQ(BODY_volume(-3, 20, 18), 0);
    EXPECT_EQ(*BODY_lock(72, 40, 99), *BODY_lock(72, 11, 17));
}

TEST_F(Bodies, StationCopiesKeepTheirPlaceAlongTheBody)
{
    veh_struct& v = veh[0];
    for (int r = 0; r < 18; r++) v.body_Z[44][7][r] = 7 + 0.1f * (float)(r % 3);   // a tilted source ring
    X(44, 7, 4) = 1.5f;
    BODY_copy_station(44, 7, 2, 18);
    float mean = 0;
    for (int r = 0; r < 18; r++) mean += v.body_Z[44][2][r] / 18;
    EXPECT_NEAR(mean, 2, 1e-5);                    // the destination stays where it was along the body
    EXPECT_NEAR(v.body_Z[44][2][1] - v.body_Z[44][2][0], 0.1f, 1e-5);
    EXPECT_EQ(X(44, 2, 4), 1.5f);
    BODY_copy_station(44, 7, 25, 18);              // a station outside the grid: nothing
    EXPECT_EQ(v.body_X[44][19][4], X(44, 0, 4));
    BODY_copy_body(44, 46);                        // the fuselage's 20 stations onto a 12-station body's arrays
    EXPECT_EQ(v.body_Z[46][19][0], v.body_Z[44][19][0]);
}

// The default round body: radius 2, a station a foot. Its 16-sided sections hold 97.4 % of the
// circle's area, exactly the prism's; against the true cylinder it is within 3 %.
TEST_F(Bodies, VolumeOfTheDefaultRoundBody)
{
    const float len = 19, r = 2;
    const float prism = 0.5f * 16 * r * r * std::sin(2 * (float)M_PI / 16) * len;
    EXPECT_NEAR(BODY_volume(44, 20, 18), prism, prism * 1e-4f);
    EXPECT_NEAR(BODY_volume(44, 20, 18), (float)M_PI * r * r * len, (float)M_PI * r * r * len * 0.03f);
}

TEST_F(Bodies, DefaultSkidsFollowGearOneToGearThree)
{
    veh_struct& v = veh[0];
    v.tire_radius[67] = 0.2f, v.tire_radius[68] = 0.3f;
    for (float z3 : {10.0f, 0.0f}) {               // gears 1 and 3 apart, then at the same place
        v.Zarm[67] = 0, v.Zarm[69] = z3, v.gear_lonN[67] = v.gear_lonN[69] = 0;
        GEAR_default_skids();
        EXPECT_EQ(v.gear_type[70], 1);
        EXPECT_EQ(v.gear_type[71], 0);
        EXPECT_EQ(v.part_eq[62] + v.part_eq[63], 1);
        const float L = ret_gear_znodef(0, 69) - ret_gear_znodef(0, 67);
        EXPECT_FLOAT_EQ(v.body_Z[61][5][3], 0.5f * L);
        EXPECT_FLOAT_EQ(v.body_Y[62][1][0], 0.3f + 0.030f * L);   // the tube is the gear's tyre
        EXPECT_FLOAT_EQ(v.body_X[61][0][4], 0);
    }
}

// A rectangular wing of chord 6 ft whose quarter chord sits at z = 10: the mean chord runs from
// 8.5 to 14.5, so a centre of gravity at 10 is at 25 %.
TEST_F(Bodies, BalanceInPercentOfTheMeanChord)
{
    veh_struct& v = veh[0];
    float chord, lead;
    EXPECT_EQ(ACF_main_mac(&chord, &lead), 0);     // the new aircraft has no wing yet
    v.part_eq[9] = 1, v.Croot[9] = v.Ctip[9] = 6, v.semilen_SEG[9] = 15, v.Zarm[9] = 8.5f + 1.5f, v.sweep1[9] = 0;
    v.cgZ = 10;
    ASSERT_EQ(ACF_main_mac(&chord, &lead), 1);
    EXPECT_FLOAT_EQ(chord, 6);
    EXPECT_FLOAT_EQ(lead, 8.5f);
    EXPECT_FLOAT_EQ(ACF_percent_mac(v.cgZ), 25);
    v.Ctip[9] = 3;                                 // taper 0.5: mean chord 14/3, 2/9 of the span out
    v.sweep1[9] = 30;
    ASSERT_EQ(ACF_main_mac(&chord, &lead), 1);
    EXPECT_FLOAT_EQ(chord, 14.0f / 3);
    EXPECT_NEAR(lead, 10 + 15 * 4.0f / 9 * 0.5f - 0.25f * 14 / 3, 1e-4);

    // Loading: 1000 lb empty at 10, 300 lb of fuel in two tanks at 12 and 16 (2:1), 1500 max.
    v.m_empty = 1000, v.m_fuel_tot = 300, v.m_max = 1500, v.num_tanks = 2;
    v.tank_rat[0] = 2, v.tank_rat[1] = 1;          // ratios that do not add up are taken as shares
    v.tank_Z[0] = 12, v.tank_Z[1] = 16;
    float cg;
    EXPECT_FLOAT_EQ(ACF_loaded_cg(1300, &cg), 1300);
    EXPECT_FLOAT_EQ(cg, (10000 + 200 * 12 + 100 * 16) / 1300.0f);
    EXPECT_FLOAT_EQ(ACF_loaded_cg(1500, &cg), 1500);   // the rest of the load at the centre of gravity
    EXPECT_FLOAT_EQ(cg, (12000 + 200 * 12 + 100 * 16) / 1500.0f);
    v.num_tanks = 77;                              // from a damaged file
    EXPECT_TRUE(std::isfinite(ACF_loaded_cg(1500, &cg)) && std::isfinite(cg));
}

}  // namespace
