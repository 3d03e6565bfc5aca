// The stalls the airfoils window marks on the curves of an airfoil.
#include <gtest/gtest.h>
#include "editor/win_wings.h"
#include "model/AFL_MODEL.h"
#include <cmath>
#include <memory>

namespace {

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

}  // namespace
