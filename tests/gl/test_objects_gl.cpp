// Object models drawn through their display lists in a real 3-D view: pixels where the model is
// placed and nowhere else, and a cockpit object drawn whatever the distance its levels allow.
#include <gtest/gtest.h>
#include "draw/io_obj.h"
#include "draw/HL_GRAPH.h"
#include "shell/Hl_MNW.h"
#include "tests/support/ww_test.h"
#include <functional>
#include <string>
#include <vector>

namespace {

// GL stays behind draw/: the test clears the buffers through the shell's lookup.
const unsigned COLOR_DEPTH_BITS = 0x4000 | 0x0100;
typedef void (*clear_fn)(unsigned mask);
typedef void (*clear_color_fn)(float r, float g, float b, float a);

class ObjectsGL : public ::testing::Test {
protected:
    std::vector<unsigned char> px = std::vector<unsigned char>(1024 * 768 * 4);
    void SetUp() override { ww_start_program(); }
    // A clean 3-D view looking down -z, 90 degrees wide; draw, then read the back buffer.
    void draw(const std::function<void()>& f)
    {
        static clear_fn clear = (clear_fn)MACIBM_sys_gl_proc("glClear");
        static clear_color_fn clear_color = (clear_color_fn)MACIBM_sys_gl_proc("glClearColor");
        ASSERT_TRUE(clear && clear_color);
        OGL_setstate(1, 0, 3, 4, 8, 10);
        clear_color(0, 0, 0, 1);
        clear(COLOR_DEPTH_BITS);
        OGL_viewport(3, -1, -1, 1, 1, 0, 0, 1024, 768, 1, 1000, 1);
        f();
        OGL_2d_projection();
        OGL_read_pixels(0, 0, 1024, 768, px.data());
    }
    int lit(int x, int y) const
    {
        const unsigned char* p = &px[((size_t)y * 1024 + x) * 4];
        return p[0] + p[1] + p[2] > 150;
    }
    int lit_count() const
    {
        int n = 0;
        for (int y = 0; y < 768; y += 4)
            for (int x = 0; x < 1024; x += 4) n += lit(x, y);
        return n;
    }
};

// A 1 m square facing the viewer, clockwise as the program's front faces wind; the second file
// shows it only from 0 to 10 feet away.
const std::string SQUARE = "quad\n-0.5 -0.5 0 0 0\n-0.5 0.5 0 0 1\n0.5 0.5 0 1 1\n0.5 -0.5 0 1 0\nend\n";
const std::string HEAD = "I\n700 version\nOBJ\n\nnone\n";

int model(const std::string& text, const std::string& name)
{
    return OBJ_build_from_memory((const unsigned char*)text.data(), (long)text.size(), name, 13);
}

TEST_F(ObjectsGL, AModelDrawsWhereItIsPlacedAndNowhereElse)
{
    const int M = model(HEAD + SQUARE, "gl-square.obj");
    ASSERT_GE(M, 0);
    ASSERT_NE(vec_mod[M].vec_lod[0].dl_day, 0);   // compiled as it was read
    // 20 feet ahead the square spans about 84 pixels around the centre; 8 feet right it sits
    // about 205 pixels to the right.
    const struct { float x; int centre, right; } rows[] = {{0, 1, 0}, {8, 0, 1}};
    for (const auto& r : rows) {
        draw([&] { plot_build_obj(M, 0, r.x, 0, -20, 0, 0, 0, 0, 1, 1); });
        EXPECT_EQ(lit(512, 384), r.centre) << r.x;
        EXPECT_EQ(lit(717, 384), r.right) << r.x;
        EXPECT_EQ(lit(512 + 60, 384), 0) << r.x;
        EXPECT_LT(lit_count(), 600);            // only the square: 84 x 84 pixels sampled every 4
    }
    draw([&] { plot_build_obj(-1, 0, 0, 0, -20, 0, 0, 0, 0, 1, 1); });
    EXPECT_EQ(lit_count(), 0);
    draw([&] { plot_build_obj(M, 0, 0, 0, -20, 0, 0, 0, 1, 2, 1); });   // the commands run directly
    EXPECT_EQ(lit(512, 384), 1);

    // Levels by distance: the near-only model vanishes at 20 feet, but as a cockpit object it is
    // drawn wherever it is.
    const int N = model(HEAD + "ATTR_LOD 0 10\n" + SQUARE, "gl-near.obj");
    draw([&] { plot_build_obj(N, 0, 0, 0, -20, 0, 0, 0, 0, 1, 1); });
    EXPECT_EQ(lit_count(), 0);
    draw([&] { plot_build_obj(N, 0, 0, 0, -5, 0, 0, 0, 0, 1, 1); });
    EXPECT_EQ(lit(512, 384), 1);
    const float at[3] = {0, 0, -20};
    draw([&] { OBJ_draw_at(N, at, 0); });
    EXPECT_EQ(lit(512, 384), 1);
}

}   // namespace
