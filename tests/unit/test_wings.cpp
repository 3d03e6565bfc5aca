// The arithmetic behind the wing and control windows: flap increments by type and chord, the
// stalls marked on an airfoil's curves, and which part each page and row edits.
#include <gtest/gtest.h>
#include "editor/win_wings.h"
#include "model/AFL_MODEL.h"
#include <cmath>
#include <memory>

namespace {

TEST(WingWindows, FlapIncrementsByTypeScaleWithChordUpTo035)
{
    const float full[6][3] = {{0.83f, 0.14f, -0.25f}, {1.23f, 0.08f, -0.38f}, {1.45f, 0.06f, -0.42f},
                              {1.60f, 0.10f, -0.46f}, {1.90f, 0.14f, -0.50f}, {1.00f, 0.14f, -0.29f}};
    struct row { float root, tip, scale; };
    for (int type = 0; type < 6; type++)
        for (const row& r : {row{0.35f, 0.35f, 1}, row{0.175f, 0.175f, 0.5f}, row{0.1f, 0.25f, 0.5f},
                             row{0.5f, 0.5f, 1}, row{0, 0, 0}}) {
            float cl, cd, cm;
            APP_flap_coefficients(type, r.root, r.tip, &cl, &cd, &cm);
            EXPECT_NEAR(cl, full[type][0] * r.scale, 1e-5) << type << " " << r.root;
            EXPECT_NEAR(cd, full[type][1] * r.scale, 1e-5) << type << " " << r.root;
            EXPECT_NEAR(cm, full[type][2] * r.scale, 1e-5) << type << " " << r.root;
        }
    float cl, cd, cm;
    APP_flap_coefficients(77, 0.35f, 0.35f, &cl, &cd, &cm);   // a type from a damaged file
    EXPECT_NEAR(cl, 1.00f, 1e-5);
}

// The stall is the lift peak on each side of zero within -20..20; values that are no number
// never win.
TEST(WingWindows, StallsAreTheLiftPeaksEitherSideOfZero)
{
    std::unique_ptr<airfoil_struct> a(new airfoil_struct{});
    for (int i = 0; i < AFL_ALPHAS; i++) {
        const float al = ret_alpha(i);
        a->cl[1][0][i] = al > 15.0f ? 1.5f - (al - 15) * 0.1f : al < -12.0f ? -1.2f + (-12 - al) * 0.1f : al * 0.1f;
        if (al > 25) a->cl[1][0][i] = 9;           // outside the plotted range
    }
    a->cl[1][0][400] = NAN;
    int hi, lo;
    APP_foil_stalls(*a, 1, 0, &hi, &lo);
    EXPECT_FLOAT_EQ(ret_alpha(hi), 15);
    EXPECT_FLOAT_EQ(ret_alpha(lo), -12);
}

TEST(WingWindows, PagesAndRowsMapToTheirParts)
{
    struct row { int win, tab, part; };
    for (const row& r : {row{607, 0, 9}, row{607, 3, 15}, row{607, 4, 17}, row{607, 6, 19}, row{607, 9, 19},
                         row{608, 0, 20}, row{608, 7, 27}, row{608, -1, 20}, row{609, 0, 28}, row{609, 1, 36},
                         row{609, 5, 36}})
        EXPECT_EQ(APP_lifting_part(r.win, r.tab), r.part) << r.win << " " << r.tab;
    for (const row& r : {row{0, 0, 0}, row{0, 7, 7}, row{1, 0, 9}, row{1, 4, 17}, row{1, 6, 19}, row{1, 7, -1},
                         row{2, 7, 27}, row{3, 0, 20}, row{1, 8, -1}, row{1, -1, -1}})
        EXPECT_EQ(APP_foil_row_part(r.win, r.tab), r.part) << r.win << " " << r.tab;
}

}  // namespace
