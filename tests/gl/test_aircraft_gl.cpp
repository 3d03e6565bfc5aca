// The aircraft in the main view, read back as pixels: the fully populated aircraft is mirror
// symmetric from above and below (no face of a mirrored part is lost to the winding), moving
// only the elevator changes only the tail, wire frame draws no filled faces, and retracting the
// gear lifts the tyres.
#include <gtest/gtest.h>
#include "shell/Hl_MNW.h"
#include "editor/APPLICATION.h"
#include "draw/HL_GRAPH.h"
#include "draw/ren_struct.h"
#include "draw/HL_DRPLANE.h"
#include "model/acf_struct.h"
#include "model/set_struct.h"
#include "base/HL_MATH_FUN.h"
#include "tests/support/ww_full_acf.h"
#include "tests/support/ww_test.h"
#include <cmath>
#include <vector>

namespace {

std::vector<unsigned char> s_px(1024 * 768 * 4);
void grab(void) { OGL_read_pixels(0, 0, 1024, 768, s_px.data()); }

// The pane of the main view, in pixel rows and columns (rows counted upwards).
constexpr int X1 = 12, X2 = 1012, Y1 = 32, Y2 = 735;

class Aircraft : public ::testing::Test {
protected:
    void SetUp() override
    {
        ww_start_program();
        ww_catch_alerts();
        ww_use_aerodeck();                               // the folders another test may have pointed elsewhere
        set.acf_mod = set.wpn_mod = 0;
        MACIBM_startwind(0, "aircraft");
        set.move_cons = set.draw_wire = set.lite_tex = 0;
        ren.zoom_act = 1;
        ww_full_acf(0);
        ww_mouse_to(2000, 2000);
        g_fake_time = 100;
    }
    void TearDown() override
    {
        g_test_before_swap = nullptr;
        g_fake_time = -1;
        set.move_cons = set.draw_wire = set.lite_tex = 0;
        set.acf_mod = set.wpn_mod = 0;
    }
    // The control animation's clock at T: the frame loop counts from its first frame.
    void at_time(double T)
    {
        ww_frames(1);
        g_fake_time += T - mnw.real_time;
    }
    void render(int view)
    {
        APPLICATION_handlemenu(view);
        g_test_before_swap = grab;
        ww_frames(2);
        g_test_before_swap = nullptr;
    }
    // Not the pane's own colour, which its corner shows.
    bool covered(int x, int y) const
    {
        const size_t i = ((size_t)y * 1024 + x) * 4, b = ((size_t)Y1 * 1024 + X1) * 4;
        return std::abs(s_px[i] - s_px[b]) + std::abs(s_px[i + 1] - s_px[b + 1]) + std::abs(s_px[i + 2] - s_px[b + 2]) > 24;
    }
    int coverage() const
    {
        int n = 0;
        for (int y = Y1; y <= Y2; y++)
            for (int x = X1; x <= X2; x++) n += covered(x, y);
        return n;
    }
};

// From above and from below, the span runs up the screen through the pane's middle row: each
// pixel has a twin of the same shade across it. A mirrored part wound the wrong way would show
// its inside, lit from behind.
TEST_F(Aircraft, SymmetricFromAboveAndBelow)
{
    for (int view : {1200, 1201}) {
        render(view);
        int both = 0, one = 0;
        for (int y = Y1; y < 384; y++)
            for (int x = X1; x <= X2; x++) {
                const size_t i = ((size_t)y * 1024 + x) * 4, j = ((size_t)(767 - y) * 1024 + x) * 4;
                const int shade = std::abs(s_px[i] - s_px[j]) + std::abs(s_px[i + 1] - s_px[j + 1]) + std::abs(s_px[i + 2] - s_px[j + 2]);
                const bool a = covered(x, y), b = covered(x, 767 - y);
                both += a && b;
                one += a != b || shade > 30;
            }
        EXPECT_GT(both, 5000) << view;
        EXPECT_LT(one, both / 20) << view;               // lights, weapons and edges differ here and there
    }
}

// The same moment of the control animation twice, once with an elevator that moves: only pixels
// aft of the point halfway from the centre of gravity to the stabiliser change.
TEST_F(Aircraft, MovingOnlyTheElevatorChangesOnlyTheTail)
{
    veh_struct& v = veh[0];
    for (int en = 0; en < 8; en++) v.prop_dir[en] = 0;   // propellers hold still between the two
    set.move_cons = 1;
    at_time(3.14159 / 1.6);                              // stick fully back
    v.elev_up = v.elev_dn = 0;
    render(1202);
    const std::vector<unsigned char> still = s_px;
    v.elev_up = v.elev_dn = 30;
    render(1202);
    const float scale = (X2 - X1 + 1) / (2 * v.size_tot), tail_x = 512 + 0.5f * (v.Zarm[16] - v.cgZ) * scale;
    int changed = 0, forward = 0;
    for (int y = Y1; y <= Y2; y++)
        for (int x = X1; x <= X2; x++) {
            const size_t i = ((size_t)y * 1024 + x) * 4;
            if (std::abs(s_px[i] - still[i]) + std::abs(s_px[i + 1] - still[i + 1]) + std::abs(s_px[i + 2] - still[i + 2]) <= 24)
                continue;
            changed++;
            forward += x < tail_x;
        }
    EXPECT_GT(changed, 30);
    EXPECT_EQ(forward, 0) << "changed pixels ahead of x " << tail_x;
}

// Wire frame: outlines only, a fraction of what the solid aircraft covers, and nothing lit.
TEST_F(Aircraft, WireFrameDrawsLinesAndNoFaces)
{
    render(1200);
    const int solid = coverage();
    set.draw_wire = 1;
    render(1200);
    const int wire = coverage();
    EXPECT_GT(wire, solid / 50);
    EXPECT_LT(wire, solid * 2 / 3);
}

// Retractable gear cycles with the animation, fixed gear stays down: at the moment the cycle
// has the legs up, the two differ, and only below the centre of gravity, where the legs are.
TEST_F(Aircraft, RetractingTheGearMovesOnlyTheLegs)
{
    veh_struct& v = veh[0];
    for (int en = 0; en < 8; en++) v.prop_dir[en] = 0;
    set.move_cons = 1;
    at_time(3 * 3.14159 / 2);
    v.gear_retract = 0;
    render(1202);
    const std::vector<unsigned char> down = s_px;
    v.gear_retract = 1;
    render(1202);
    int changed = 0, above = 0;
    for (int y = Y1; y <= Y2; y++)
        for (int x = X1; x <= X2; x++) {
            const size_t i = ((size_t)y * 1024 + x) * 4;
            if (std::abs(s_px[i] - down[i]) + std::abs(s_px[i + 1] - down[i + 1]) + std::abs(s_px[i + 2] - down[i + 2]) <= 24)
                continue;
            changed++;
            above += y > 384;
        }
    EXPECT_GT(changed, 200);
    EXPECT_EQ(above, 0);
}

// A new aircraft shows the sample cockpit object beside its file; an extension may hide it.
TEST_F(Aircraft, TheCockpitObjectIsDrawnUnlessAnExtensionHidesIt)
{
    APPLICATION_handlemenu(300);
    ASSERT_GE(veh[0].cockpit_M, 0);
    ren.zoom_act = 2;
    render(1202);
    const int with = coverage();
    plg.disable_draw_cockpit_object = 1;
    render(1202);
    const int without = coverage();
    plg.disable_draw_cockpit_object = 0;
    EXPECT_GT(with - without, 100);
}

}  // namespace
