// Part presence, engine kinds, gear contact points, points along parts, and the scalar helpers at
// their edges: not-a-number, negative zero, equal abscissae, wraps far out of range.
#include <gtest/gtest.h>
#include "geometry/PLN_PROCS.h"
#include "model/acf_struct.h"
#include "base/records.h"
#include "shell/Hl_MNW.h"
#include <climits>
#include <cmath>
#include <cstring>
#include <limits>

namespace {
const float kNaN = std::numeric_limits<float>::quiet_NaN();
const float kInf = std::numeric_limits<float>::infinity();
}  // namespace

class Parts : public ::testing::Test {
protected:
    void SetUp() override
    {
        MACIBM_zero_records();
        MACIBM_fill_constants();
    }
    veh_struct& v = veh[2];
};

TEST_F(Parts, EngineKindsClassifyEveryType)
{
    // recip, turbo, elec, jet, rocket, prop for engn_type 0..9
    const int expect[10][6] = {
        {1, 0, 0, 0, 0, 1}, {1, 0, 0, 0, 0, 1}, {0, 1, 0, 0, 0, 1}, {0, 0, 1, 0, 0, 1}, {0, 0, 0, 1, 0, 0},
        {0, 0, 0, 1, 0, 0}, {0, 0, 0, 0, 1, 0}, {0, 0, 0, 0, 1, 0}, {0, 1, 0, 0, 0, 1}, {0, 0, 0, 0, 0, 0},
    };
    for (int t = 0; t < 10; t++) {
        v.engn_type[1] = t;
        const int got[6] = {en_is_recip(2, 1), en_is_turbo(2, 1), en_is_elec(2, 1),
                            en_is_jet(2, 1),   en_is_roc(2, 1),   en_is_prop(2, 1)};
        for (int k = 0; k < 6; k++) EXPECT_EQ(got[k], expect[t][k]) << "engn_type " << t << ", predicate " << k;
    }
    EXPECT_EQ(en_is_prop(2, 8), 0);   // no such thrust point
    EXPECT_EQ(en_is_recip(2, -1), 0);
}

TEST_F(Parts, PresenceOfThrustPointsByKind)
{
    v.num_engines = 2;
    v.num_thrustpoints = 4;
    v.engn_type[0] = 1;   // reciprocating, propeller
    v.engn_type[1] = 4;   // jet: no disc
    v.engn_type[2] = 1;   // beyond num_engines: not an engine whatever it says
    // kinds 0..7 for parts 0..3
    const int expect[4][8] = {
        {1, 1, 1, 0, 0, 1, 1, 0},
        {1, 0, 0, 1, 0, 1, 0, 0},
        {0, 0, 0, 0, 0, 1, 1, 0},   // a thrust point without an engine still has its disc
        {0, 0, 0, 0, 0, 1, 1, 0},
    };
    for (int part = 0; part < 4; part++)
        for (int kind = 0; kind < 8; kind++)
            EXPECT_EQ(have_this_part(2, part, kind), expect[part][kind]) << "part " << part << ", kind " << kind;

    v.num_thrustpoints = 3;
    EXPECT_EQ(have_this_part(2, 3, 6), 0);
    EXPECT_EQ(have_this_part(2, 3, 5), 0);

    // The rotor rocket is a rocket and still has a disc; a plain rocket has none.
    v.engn_type[1] = 7;
    EXPECT_EQ(en_is_roc(2, 1), 1);
    EXPECT_EQ(have_this_part(2, 1, 4), 1);
    EXPECT_EQ(have_this_part(2, 1, 6), 1);
    EXPECT_EQ(have_this_part(2, 1, 1), 0);
    v.engn_type[1] = 6;
    EXPECT_EQ(have_this_part(2, 1, 6), 0);
}

TEST_F(Parts, PresenceOfOtherPartsIsTheStoredFlagWhateverTheKind)
{
    v.part_eq[20] = 1;
    v.part_eq[44] = 0;
    v.part_eq[72] = 1;
    for (int kind : {-1, 0, 1, 2, 3, 4, 5, 6, 7, 99}) {
        EXPECT_EQ(have_this_part(2, 20, kind), 1) << kind;
        EXPECT_EQ(have_this_part(2, 44, kind), 0) << kind;
        EXPECT_EQ(have_this_part(2, 72, kind), 1) << kind;
    }
    EXPECT_EQ(have_this_part(2, 73, 6), 0);   // no such part
    EXPECT_EQ(have_this_part(2, -1, 6), 0);
}

TEST_F(Parts, GearContactPointHangsFromTheAttachPoint)
{
    const int g = 67;
    v.Xarm[g] = 1.0f;
    v.Yarm[g] = -2.0f;
    v.Zarm[g] = 3.0f;
    v.gear_leglen[g] = 5.0f;
    v.strut_comp[g] = 1.0f;

    // Straight down, fully deployed: the compression plays no part.
    v.gear_deploy[g] = 1.0f;
    EXPECT_FLOAT_EQ(ret_gear_xnodef(2, g), 1.0f);
    EXPECT_FLOAT_EQ(ret_gear_ynodef(2, g), -7.0f);
    EXPECT_FLOAT_EQ(ret_gear_znodef(2, g), 3.0f);

    // Retracted, the leg is shorter by the compression; splayed 90 degrees out it points right,
    // and 90 degrees back it points aft (negative z here: the leg swings forward-up).
    v.gear_deploy[g] = 0.0f;
    v.gear_latN[g] = 90.0f;
    EXPECT_NEAR(ret_gear_xnodef(2, g), 5.0f, 1e-5);
    EXPECT_NEAR(ret_gear_ynodef(2, g), -2.0f, 1e-5);
    v.gear_latN[g] = 0.0f;
    v.gear_lonN[g] = 90.0f;
    EXPECT_NEAR(ret_gear_ynodef(2, g), -2.0f, 1e-5);
    EXPECT_NEAR(ret_gear_znodef(2, g), -1.0f, 1e-5);
}

TEST_F(Parts, PointsAlongBladesAndParts)
{
    // A blade of three 2-ft elements, the second swept 90 degrees.
    v.els[1] = 3;
    v.element_len[1] = 2.0f;
    v.bladesweep[1][1] = 90.0f;
    EXPECT_FLOAT_EQ(get_el_base_loc(2, 1, 0.0f, 'X'), 0.0f);
    EXPECT_FLOAT_EQ(get_el_base_loc(2, 1, 0.5f, 'X'), 1.0f);
    EXPECT_NEAR(get_el_base_loc(2, 1, 1.5f, 'X'), 2.0f, 1e-5);   // half way along the swept one
    EXPECT_NEAR(get_el_base_loc(2, 1, 1.5f, 'Z'), 1.0f, 1e-5);
    EXPECT_NEAR(get_el_base_loc(2, 1, 3.0f, 'X'), 4.0f, 1e-5);
    EXPECT_NEAR(get_el_base_loc(2, 1, 9.0f, 'X'), 4.0f, 1e-5);   // held at the tip of the last element
    EXPECT_NEAR(get_el_base_loc(2, 1, 1e30f, 'Z'), 2.0f, 1e-5);
    EXPECT_EQ(get_el_base_loc(2, 1, 2.0f, 'Y'), 0.0f);
    EXPECT_EQ(get_el_base_loc(2, 1, kNaN, 'X'), 0.0f);

    // A damaged element count stays inside the arrays (the sanitizer build would catch a read past).
    v.els[1] = 100000;
    EXPECT_TRUE(std::isfinite(get_el_base_loc(2, 1, 50.0f, 'X')));
    v.els[1] = 0;
    EXPECT_EQ(get_el_base_loc(2, 1, 2.0f, 'X'), 0.0f);

    // A left wing: 30 degrees of dihedral, no sweep, mirrored by its side sign.
    const int w = 8;
    v.Xarm[w] = -1.0f;
    v.Yarm[w] = 0.5f;
    v.Zarm[w] = 4.0f;
    v.element_len[w] = 2.0f;
    v.lat_sign[w] = -1.0f;
    flt[2].cos_act_sweep[w] = 1.0f;
    flt[2].sin_act_sweep[w] = 0.0f;
    flt[2].cos_act_dihed[w] = std::cos(30.0f * con.degtorad);
    flt[2].sin_act_dihed[w] = std::sin(30.0f * con.degtorad);
    EXPECT_NEAR(get_el_base_loc(2, w, 2.0f, 'X'), -1.0f - 4.0f * std::cos(30.0f * con.degtorad), 1e-5);
    EXPECT_NEAR(get_el_base_loc(2, w, 2.0f, 'Y'), 0.5f + 2.0f, 1e-5);
    EXPECT_NEAR(get_el_base_loc(2, w, 2.0f, 'Z'), 4.0f, 1e-5);
    EXPECT_NEAR(get_el_base_loc(2, w, 2.0f, 'q'), 4.0f, 1e-5);   // any other axis is Z
}

// The mesh builder takes every element edge at once; each must be the very point asked for alone,
// bit for bit, on blades (whose edges carry their sum from one to the next) and straight parts,
// with elements whose sweep or length is not a number.
TEST_F(Parts, EdgePointsAreThePointsAskedForOneByOne)
{
    const struct { int en, els; float sweep1, len; } rows[] = {
        {1, 4, 25.0f, 2.0f}, {1, 10, 7.0f, 0.3f}, {1, 3, kNaN, 2.0f}, {1, 3, 10.0f, kInf}, {1, 0, 5.0f, 1.0f}, {12, 6, 0.0f, 1.5f},
    };
    for (const auto& row : rows) {
        SetUp();
        v.els[row.en] = row.els;
        v.element_len[row.en] = row.len;
        const int blades = (int)(sizeof v.bladesweep / sizeof v.bladesweep[0]);   // only propellers carry a blade sweep
        if (row.en < blades)
            for (int e = 0; e < ACF_ELEMENTS; e++) v.bladesweep[row.en][e] = e == 1 ? row.sweep1 : 3.0f * (float)e;
        v.Xarm[row.en] = 1.0f, v.Yarm[row.en] = 2.0f, v.Zarm[row.en] = 3.0f, v.lat_sign[row.en] = -1.0f;
        flt[2].cos_act_sweep[row.en] = 0.9f, flt[2].sin_act_sweep[row.en] = 0.3f;
        flt[2].cos_act_dihed[row.en] = 0.8f, flt[2].sin_act_dihed[row.en] = 0.6f;
        float x[ACF_ELEMENTS + 1], y[ACF_ELEMENTS + 1], z[ACF_ELEMENTS + 1];
        get_el_edge_locs(2, row.en, x, y, z);
        for (int e = 0; e <= row.els; e++) {
            const float want[3] = {get_el_base_loc(2, row.en, (float)e, 'X'), get_el_base_loc(2, row.en, (float)e, 'Y'),
                                   get_el_base_loc(2, row.en, (float)e, 'Z')};
            const float got[3] = {x[e], y[e], z[e]};
            EXPECT_EQ(std::memcmp(got, want, sizeof got), 0) << "part " << row.en << " of " << row.els << ", edge " << e;
        }
    }
}

TEST_F(Parts, ClampsRangesAndSigns)
{
    EXPECT_EQ(fltlim(kNaN, -1.0f, 1.0f), -1.0f);
    EXPECT_EQ(fltlim(-2.0f, -1.0f, 1.0f), -1.0f);
    EXPECT_EQ(fltlim(2.0f, -1.0f, 1.0f), 1.0f);
    EXPECT_EQ(intlim(-5, 0, 9), 0);
    EXPECT_EQ(intlim(12, 0, 9), 9);
    EXPECT_EQ(fltrange(1.0f, 1.0f, 2.0f) + fltrange(2.0f, 1.0f, 2.0f), 2);
    EXPECT_EQ(fltrange(kNaN, 1.0f, 2.0f), 0);
    EXPECT_EQ(intrange(3, 0, 2), 0);
    EXPECT_EQ(flt_box(0, 1, 0, 0, 1, 1), 1);
    EXPECT_EQ(flt_box(1.01f, 1, 0, 0, 1, 1), 0);

    EXPECT_EQ(sign(0.0f), 1.0f);
    EXPECT_EQ(sign(-0.0f), 1.0f);
    EXPECT_EQ(sign(-1e-30f), -1.0f);
    EXPECT_EQ(sign(kNaN), -1.0f);

    EXPECT_EQ(check_nan(kNaN) + check_nan(kInf) + check_nan(-kInf) + check_nan(1e10f) + check_nan(-1e10f), 5);
    EXPECT_EQ(check_nan(9.9e9f) + check_nan(-0.0f), 0);
}

TEST_F(Parts, WrapsEndForAnyInput)
{
    // {value, low, high, wrapped}: an empty span or one running backwards leaves the value.
    const int ints[][4] = {{8, 0, 7, 0},  {-1, 0, 7, 7}, {-17, 0, 7, 7},           {7, 0, 7, 7},
                           {5, 3, 2, 5},  {5, 9, 0, 5},  {INT_MAX, 0, 7, 7},      {INT_MIN, -3, 3, -2}};
    for (const auto& r : ints) EXPECT_EQ(intwrap(r[0], r[1], r[2]), r[3]) << r[0] << " in " << r[1] << ".." << r[2];
    // Both ends belong to the range.
    const float flts[][4] = {{370, 0, 360, 10}, {-10, 0, 360, 350}, {-190, -180, 180, 170}, {360, 0, 360, 360},
                             {5, 2, 2, 5},      {5, 9, 0, 5}};
    for (const auto& r : flts) EXPECT_FLOAT_EQ(fltwrap(r[0], r[1], r[2]), r[3]) << r[0] << " in " << r[1] << ".." << r[2];
    float far = fltwrap(1e30f, 0.0f, 360.0f);   // one span is lost in this float's precision
    EXPECT_TRUE(far >= 0.0f && far <= 360.0f) << far;
    far = fltwrap(-3e20f, -180.0f, 180.0f);
    EXPECT_TRUE(far >= -180.0f && far <= 180.0f) << far;
    EXPECT_EQ(fltwrap(kInf, 0.0f, 360.0f), kInf);
    EXPECT_TRUE(std::isnan(fltwrap(kNaN, 0.0f, 360.0f)));
    EXPECT_EQ(fltwrap(5.0f, 0.0f, kInf), 5.0f);
}

TEST_F(Parts, Interpolation)
{
    EXPECT_EQ(interp(1.0f, 2.0f, 1.0f, 6.0f, 100.0f, 0), 4.0f);   // equal x: the mean, never a division
    EXPECT_EQ(interp(0.0f, 0.0f, 10.0f, 100.0f, 2.5f, 0), 25.0f);
    EXPECT_EQ(interp(0.0f, 0.0f, 10.0f, 100.0f, 20.0f, 0), 100.0f);
    EXPECT_EQ(interp(0.0f, 0.0f, 10.0f, 100.0f, 20.0f, 1), 200.0f);
    EXPECT_EQ(interp(0.0f, 100.0f, 10.0f, 0.0f, -5.0f, 0), 100.0f);   // falling line, held at its top
    EXPECT_EQ(interp(0.0f, 100.0f, 10.0f, 0.0f, 15.0f, 0), 0.0f);
    EXPECT_EQ(interp(10.0f, 0.0f, 0.0f, 100.0f, 2.5f, 0), 75.0f);     // x given backwards
}

TEST_F(Parts, NumberText)
{
    const struct { int v, digits; const char* want; } rows[] = {
        {5, 3, "005"}, {-12, 1, "-12"}, {0, 0, "0"}, {-7, 4, "-0007"},
        {1234567890, 15, "1234567890"},   // never more than ten digits
        {INT_MIN, 1, "-2147483648"},
    };
    for (const auto& r : rows) {
        char buf[12];
        int_to_str(r.v, buf, r.digits);
        EXPECT_STREQ(buf, r.want);
    }
    std::string s;
    int_to_str(42, &s, 4);
    EXPECT_EQ(s, "0042");
    EXPECT_EQ(std::string() + int_to_chr(0) + int_to_chr(9) + int_to_chr(10) + int_to_chr(-1), "0900");

    stl_sprint(&s, "%.1f kts at %.0f ft", 61.5f, 8000.0f);
    EXPECT_EQ(s, "61.5 kts at 8000 ft");
    stl_sprint(&s, "%600.1f%f", 1.0f, 2.0f);   // longer than the buffer: cut, not overrun
    EXPECT_EQ(s.size(), 499u);
}
