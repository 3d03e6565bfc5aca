// The instrument bitmaps loaded at start in the running program: decoded on the worker threads,
// uploaded on the main thread, each texture the very one the one-step loader makes.
#include <gtest/gtest.h>
#include "editor/instruments.h"
#include "draw/HL_BITMAP.h"
#include "draw/ren_struct.h"
#include "shell/Hl_MNW.h"
#include "tests/support/ww_test.h"
#include <chrono>
#include <thread>
#include <vector>

namespace {

TEST(InstrumentsGl, StartUpUploadsEveryBitmapAsTheOneStepLoader)
{
    ww_start_program();
    // Loaded with the decoding begun by the load itself, then begun earlier, as the program's
    // start begins it while the window is made: the workers wait at their limit for the load.
    for (int early : {0, 1}) {
        g_test_alerts.clear();
        if (early) {
            INS_start_decoding();
            std::this_thread::sleep_for(std::chrono::milliseconds(30));
        }
        MACIBM_load_instruments();
        EXPECT_TRUE(g_test_alerts.empty());
        // Round gauges, a tape, a lamp, a radio, the largest frame and the last entry.
        for (int k : {74, 94, 309, 355, 215, 163, 610}) {
            OGL_tex_state a{}, b{};
            std::vector<unsigned char> fast(1024 * 1024 * 4), slow(1024 * 1024 * 4);
            ASSERT_TRUE(OGL_read_tex(INS_TEX_BASE + k, 0, &a, fast.data())) << k;
            ASSERT_TRUE(OGL_texbmp(OGL_TYPE_UPLOAD, 9000, OGL_FILT_KEY, INS_catalogue[k]));
            ASSERT_TRUE(OGL_read_tex(9000, 0, &b, slow.data()));
            EXPECT_EQ(a.dx, b.dx);
            EXPECT_EQ(a.dy, b.dy);
            EXPECT_TRUE(OGL_is_pow2(a.dx) && OGL_is_pow2(a.dy)) << k;
            EXPECT_TRUE(fast == slow) << INS_catalogue[k] << (early ? ", decoded early" : "");
        }
    }
    // The drawing goes on as before.
    ww_frames(2);
    EXPECT_TRUE(g_test_alerts.empty());
}

}   // namespace
