// Pictures uploaded into real GL textures and read back: mip chains, colour key and edge
// bleeding, wrap and filter per slot, and the fatal upload checks.
#include <gtest/gtest.h>
#include "draw/HL_BITMAP.h"
#include "draw/HL_GRAPH.h"
#include "shell/Hl_MNW.h"
#include "tests/support/tex_files.h"
#include "tests/support/ww_test.h"
#include <png.h>
#include <functional>
#include <vector>

namespace {

// GL's codes, spelled out because tests do not include GL.
const int GL_ALPHA_ = 0x1906, GL_ALPHA8_ = 0x803C, GL_RGB_ = 0x1907, GL_RGB8_ = 0x8051, GL_RGBA_ = 0x1908,
          GL_RGBA8_ = 0x8058, GL_LUMINANCE_ = 0x1909;
const int GL_NEAREST_ = 0x2600, GL_LINEAR_ = 0x2601, GL_LINEAR_MIPMAP_LINEAR_ = 0x2703;
const int GL_REPEAT_ = 0x2901, GL_CLAMP_TO_EDGE_ = 0x812F;

class Textures : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        if (!mnw.window) {
            ASSERT_EQ(MACIBM_sys_init(), 1);
            ASSERT_EQ(MACIBM_sys_create_window(1024, 768, 32, 0), 1);
            MACIBM_probe_gl();
        }
        OGL_forget_state();
        ren.num_tex_units = 1;
    }
    static void TearDownTestSuite()
    {
        // What these tests changed goes back the way the program sets it up: the texture units as
        // the driver reports them, the gamma table, and the interface sheet in its slot.
        MACIBM_probe_gl();
        MACIBM_fill_constants();
        OGL_forget_state();
        if (g_OGL_inited) {
            ASSERT_EQ(OGL_texbmp(OGL_TYPE_UPLOAD, REN_TEX_INTERFACE, OGL_FILT_KEY, bmp_path + "interface.png"), 1);
        }
    }

    std::string dir;
    void SetUp() override
    {
        ww_catch_alerts();
        dir = ww_temp_dir("textures");
        for (int i = 0; i < 256; i++) win_gamma[i] = (unsigned char)i;
    }

    std::string write_bmp(const char* name, int w, int h, const std::function<void(int, int, unsigned char*)>& colour)
    {
        tex_bmp b;
        b.w = w;
        b.h = h;
        b.rgb.resize((size_t)w * h * 3);
        for (int y = 0; y < h; y++)
            for (int x = 0; x < w; x++) colour(x, y, &b.rgb[((size_t)y * w + x) * 3]);
        const std::string path = dir + name;
        EXPECT_TRUE(tex_write_bmp(path, b));
        return path;
    }

    std::vector<unsigned char> level(int slot, int lv, OGL_tex_state* st)
    {
        OGL_tex_state s{};
        EXPECT_EQ(OGL_read_tex(slot, lv, &s, nullptr), 1) << "slot " << slot << " level " << lv;
        std::vector<unsigned char> px((size_t)(s.dx > 0 ? s.dx : 1) * (s.dy > 0 ? s.dy : 1) * 4);
        OGL_read_tex(slot, lv, &s, px.data());
        if (st) *st = s;
        return px;
    }
};

// Each texel of the next level is the truncated mean of the 2 x 2 block beneath it (the last
// row or column repeated where the level above is one texel thin).
::testing::AssertionResult is_half_of(const std::vector<unsigned char>& big, int bw, int bh,
                                      const std::vector<unsigned char>& small, int sw, int sh, int channels)
{
    for (int y = 0; y < sh; y++)
        for (int x = 0; x < sw; x++) {
            const int x0 = std::min(2 * x, bw - 1), x1 = std::min(2 * x + 1, bw - 1);
            const int y0 = std::min(2 * y, bh - 1), y1 = std::min(2 * y + 1, bh - 1);
            for (int c = 0; c < channels; c++) {
                int sum = big[((size_t)y0 * bw + x0) * 4 + c] + big[((size_t)y0 * bw + x1) * 4 + c] +
                          big[((size_t)y1 * bw + x0) * 4 + c] + big[((size_t)y1 * bw + x1) * 4 + c];
                int got = small[((size_t)y * sw + x) * 4 + c];
                if (got != sum / 4)
                    return ::testing::AssertionFailure() << "texel (" << x << "," << y << ") channel " << c << ": " << got
                                                         << " not " << sum / 4;
            }
        }
    return ::testing::AssertionSuccess();
}

}  // namespace

TEST_F(Textures, MipChainHalvesToOneTexelAndCountsEveryLevel)
{
    unsigned seed = 11;
    auto noise = [&](int, int, unsigned char* p) {
        for (int c = 0; c < 3; c++) p[c] = (unsigned char)((seed = seed * 1664525u + 1013904223u) >> 24);
    };
    // Each level the truncated mean of the one above, down to one texel; a tall thin picture runs
    // out of width first, and its last levels average pairs, not quads.
    const struct { const char* name; int slot, w, h, tw, th; } pictures[] = {
        {"mip.bmp", 501, 300, 200, 512, 256}, {"thin.bmp", 502, 3, 10, 4, 16}};
    for (const auto& p : pictures) {
        SCOPED_TRACE(p.name);
        ASSERT_EQ(OGL_texbmp(-100, p.slot, -108, write_bmp(p.name, p.w, p.h, noise)), 1);
        EXPECT_EQ(ren.tex_dx_vis[p.slot], p.w);
        EXPECT_EQ(ren.tex_dy_vis[p.slot], p.h);
        EXPECT_EQ(ren.tex_dx_tot[p.slot], p.tw);       // restored after the smaller levels
        EXPECT_EQ(ren.tex_dy_tot[p.slot], p.th);
        int vram = 0, pw = 0, ph = 0, lv = 0;
        std::vector<unsigned char> prev;
        for (; lv < 16 && OGL_read_tex(p.slot, lv, nullptr, nullptr); lv++) {
            SCOPED_TRACE(lv);
            OGL_tex_state st;
            std::vector<unsigned char> px = level(p.slot, lv, &st);
            EXPECT_EQ(st.dx, std::max(1, p.tw >> lv));
            EXPECT_EQ(st.dy, std::max(1, p.th >> lv));
            EXPECT_TRUE(st.internal_format == GL_RGB_ || st.internal_format == GL_RGB8_) << std::hex << st.internal_format;
            if (lv > 0) {
                EXPECT_TRUE(is_half_of(prev, pw, ph, px, st.dx, st.dy, 3));
            }
            vram += st.dx * st.dy * 3;
            prev = px;
            pw = st.dx;
            ph = st.dy;
        }
        EXPECT_EQ(pw * ph, 1);
        EXPECT_EQ(ren.tex_vram[p.slot], vram);
    }
    EXPECT_EQ(ren.tex_vram[501], (512 * 256 + 256 * 128 + 128 * 64 + 64 * 32 + 32 * 16 + 16 * 8 + 8 * 4 + 4 * 2 + 2 * 1 + 1) * 3);
    EXPECT_EQ(level(501, 0, nullptr)[(0 * 512 + 300) * 4], 0);     // the margin is cleared
    EXPECT_TRUE(g_test_alerts.empty());
}

TEST_F(Textures, KeyedTexelsTakeTheRoundedMeanOfTheVisibleOnesAroundThem)
{
    // Scattered magenta holes and blobs, across the 64-texel blocks, and the cleared margin of
    // 200 x 70 padded to 256 x 128.
    const int w = 200, h = 70, tw = 256, th = 128;
    unsigned seed = 5;
    auto rnd = [&] { return (seed = seed * 1664525u + 1013904223u) >> 24; };
    std::vector<unsigned char> want((size_t)tw * th * 4, 0);
    const std::string path = write_bmp("scatter.bmp", w, h, [&](int x, int y, unsigned char* p) {
        const bool hole = ((x / 7 + y / 5) % 3 == 0) || rnd() < 40;
        unsigned char* o = &want[((size_t)y * tw + x) * 4];
        if (hole) { p[0] = 255; p[1] = 0; p[2] = 255; o[3] = 0; }
        else { p[0] = (unsigned char)rnd(); p[1] = (unsigned char)rnd(); p[2] = (unsigned char)rnd(); o[3] = 255; }
        o[0] = p[0]; o[1] = p[1]; o[2] = p[2];
    });
    // The rule, plainly: every transparent texel, the rounded mean of the visible ones around it.
    std::vector<unsigned char> src = want;
    for (int y = 0; y < th; y++)
        for (int x = 0; x < tw; x++) {
            if (src[((size_t)y * tw + x) * 4 + 3]) continue;
            int s[3] = {0, 0, 0}, n = 0;
            for (int yy = std::max(0, y - 2); yy <= std::min(th - 1, y + 2); yy++)
                for (int xx = std::max(0, x - 2); xx <= std::min(tw - 1, x + 2); xx++) {
                    const unsigned char* q = &src[((size_t)yy * tw + xx) * 4];
                    if (!q[3]) continue;
                    for (int c = 0; c < 3; c++) s[c] += q[c];
                    n++;
                }
            if (n)
                for (int c = 0; c < 3; c++) want[((size_t)y * tw + x) * 4 + c] = (unsigned char)((s[c] + n / 2) / n);
        }
    ASSERT_EQ(OGL_texbmp(-100, 534, -109, path), 1);
    std::vector<unsigned char> px = level(534, 0, nullptr);
    ASSERT_EQ(px.size(), want.size());
    size_t first_bad = 0;
    while (first_bad < px.size() && px[first_bad] == want[first_bad]) first_bad++;
    EXPECT_EQ(first_bad, px.size()) << "texel (" << first_bad / 4 % tw << "," << first_bad / 4 / tw << ")";

    // Slots 180-190 keep their keyed texels as painted.
    ASSERT_EQ(OGL_texbmp(-100, 186, -109, path), 1);
    px = level(186, 0, nullptr);
    for (int y = 0; y < h; y++)
        for (int x = 0; x < w; x++) {
            const unsigned char* t = &px[((size_t)y * tw + x) * 4];
            if (t[3] == 0) {
                ASSERT_TRUE(t[0] == 255 && t[1] == 0 && t[2] == 255) << "texel (" << x << "," << y << ")";
            }
        }
}

TEST_F(Textures, BrightnessAlphaAndOneByteAlphaTextures)
{
    const std::string path = write_bmp("lum.bmp", 4, 4, [](int x, int, unsigned char* p) {
        p[0] = (unsigned char)(x * 60); p[1] = (unsigned char)(x * 30); p[2] = 0;
    });
    ASSERT_EQ(OGL_texbmp(-100, 601, -110, path), 1);
    std::vector<unsigned char> px = level(601, 0, nullptr);
    for (int x = 1; x < 4; x++) EXPECT_EQ(px[x * 4 + 3], (x * 60 + x * 30) / 3) << x;

    tex_png g;
    g.w = g.h = 4;
    g.color_type = PNG_COLOR_TYPE_GRAY;
    for (int i = 0; i < 16; i++) g.samples.push_back((unsigned)(i * 16));
    ASSERT_TRUE(tex_write_png(dir + "a.png", g));
    ASSERT_EQ(OGL_texbmp(-100, 602, -113, dir + "a.png"), 1);
    OGL_tex_state st;
    px = level(602, 0, &st);
    EXPECT_TRUE(st.internal_format == GL_ALPHA_ || st.internal_format == GL_ALPHA8_) << std::hex << st.internal_format;
    EXPECT_EQ(px[3], 12 * 16);                  // bottom row first
    EXPECT_EQ(px[(3 * 4 + 3) * 4 + 3], 3 * 16);
    EXPECT_EQ(ren.tex_vram[602], 16 + 4 + 1);
    EXPECT_EQ(OGL_read_tex(602, 2, nullptr, nullptr), 1);
}

TEST_F(Textures, PalettedPngWithTransparencyUploadsAsRgba)
{
    tex_png p;
    p.w = p.h = 4;
    p.color_type = PNG_COLOR_TYPE_PALETTE;
    p.bit_depth = 2;
    p.palette = {255, 0, 0, 0, 255, 0, 0, 0, 255, 9, 9, 9};
    p.trns_alpha = {0, 128, 255};
    for (int i = 0; i < 16; i++) p.samples.push_back((unsigned)(i % 4));
    ASSERT_TRUE(tex_write_png(dir + "pal.png", p));
    // Asked for by its BMP name, as aircraft files name their paint.
    ASSERT_EQ(OGL_texbmp(-100, 503, -109, dir + "pal.bmp"), 1);
    OGL_tex_state st;
    std::vector<unsigned char> px = level(503, 0, &st);
    EXPECT_TRUE(st.internal_format == GL_RGBA_ || st.internal_format == GL_RGBA8_);
    const int want_alpha[4] = {0, 128, 255, 255};
    for (int x = 0; x < 4; x++) EXPECT_EQ(px[x * 4 + 3], want_alpha[x]) << x;
    EXPECT_EQ(px[1 * 4 + 1], 255);              // green, half transparent
    EXPECT_EQ(px[3 * 4 + 0], 9);
}

TEST_F(Textures, WrapFilterAndAnisotropyFollowTheSlot)
{
    const std::string path = write_bmp("p.bmp", 2, 2, [](int, int, unsigned char* p) { p[0] = p[1] = p[2] = 90; });
    const struct { int slot, filter, wrap, min_f, mag_f; } rows[] = {
        {48, -107, GL_REPEAT_, GL_LINEAR_, GL_LINEAR_},        {49, -107, GL_CLAMP_TO_EDGE_, GL_LINEAR_, GL_LINEAR_},
        {175, -107, GL_REPEAT_, GL_LINEAR_, GL_LINEAR_},       {176, -107, GL_CLAMP_TO_EDGE_, GL_LINEAR_, GL_LINEAR_},
        {198, -107, GL_REPEAT_, GL_LINEAR_, GL_LINEAR_},       {207, -107, GL_CLAMP_TO_EDGE_, GL_LINEAR_, GL_LINEAR_},
        {364, -107, GL_REPEAT_, GL_LINEAR_, GL_LINEAR_},       {377, -107, GL_CLAMP_TO_EDGE_, GL_LINEAR_, GL_LINEAR_},
        {423, -107, GL_REPEAT_, GL_LINEAR_, GL_LINEAR_},       {424, -107, GL_CLAMP_TO_EDGE_, GL_LINEAR_, GL_LINEAR_},
        {468, -108, GL_CLAMP_TO_EDGE_, GL_NEAREST_, GL_NEAREST_}, {470, -107, GL_CLAMP_TO_EDGE_, GL_NEAREST_, GL_NEAREST_},
        {471, -107, GL_CLAMP_TO_EDGE_, GL_NEAREST_, GL_NEAREST_}, {469, -107, GL_CLAMP_TO_EDGE_, GL_LINEAR_, GL_LINEAR_},
        {477, -111, GL_REPEAT_, GL_LINEAR_MIPMAP_LINEAR_, GL_LINEAR_}, {999, -112, GL_REPEAT_, GL_LINEAR_MIPMAP_LINEAR_, GL_LINEAR_},
        {1000, -107, GL_CLAMP_TO_EDGE_, GL_LINEAR_, GL_LINEAR_}, {480, -107, GL_CLAMP_TO_EDGE_, GL_NEAREST_, GL_NEAREST_},
        {501, -108, GL_REPEAT_, GL_LINEAR_MIPMAP_LINEAR_, GL_LINEAR_},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.slot);
        ASSERT_EQ(OGL_texbmp(-100, r.slot, r.filter, path), 1);
        OGL_tex_state st;
        ASSERT_EQ(OGL_read_tex(r.slot, 0, &st, nullptr), 1);
        EXPECT_EQ(st.wrap_s, r.wrap);
        EXPECT_EQ(st.wrap_t, r.wrap);
        EXPECT_EQ(st.min_filter, r.min_f);
        EXPECT_EQ(st.mag_filter, r.mag_f);
        EXPECT_EQ(st.aniso, r.slot == 364 ? ren.max_iso : 1.0f);
    }
    // The window background is only smoothed when the interface is scaled.
    mnw.xy_scale = 1.25f;
    ASSERT_EQ(OGL_texbmp(-100, 480, -107, path), 1);
    OGL_tex_state st;
    OGL_read_tex(480, 0, &st, nullptr);
    EXPECT_EQ(st.mag_filter, GL_LINEAR_);
    mnw.xy_scale = 1.0f;
    EXPECT_TRUE(g_test_alerts.empty());
}

TEST_F(Textures, UploadChecksAreFatalAndMissingPicturesLeaveTheSlot)
{
    const std::string path = write_bmp("ok.bmp", 4, 4, [](int, int, unsigned char* p) { p[0] = p[1] = p[2] = 7; });
    ASSERT_EQ(OGL_texbmp(-100, 506, -107, path), 1);
    const float vis = ren.tex_dx_vis[506];
    const int vram = ren.tex_vram[506];
    EXPECT_EQ(OGL_texbmp(-100, 506, -107, dir + "missing.bmp"), 0);
    EXPECT_EQ(ren.tex_dx_vis[506], vis);
    EXPECT_EQ(ren.tex_vram[506], vram);
    OGL_tex_state st;
    std::vector<unsigned char> px = level(506, 0, &st);
    EXPECT_EQ(st.dx, 4);
    EXPECT_EQ(px[0], 7);
    EXPECT_TRUE(g_test_alerts.empty());

    // Sizes that are no power of two or too large, and arguments out of range, never reach GL.
    const std::string npot = "OGL_load_tex: Trying to read a texture that is not a power of 2!";
    const struct { int slot, tot_x, tot_y, rgb, filter, mini; std::string message; } rows[] = {
        {507, 300, 256, GL_RGB_, -107, 0, npot},
        {507, 256, 100, GL_RGB_, -107, 0, npot},
        {507, 256, 2048, GL_RGB_, -107, 0, "Trying to create a texture either less than 1 or greater than 1024!"},
        {506, 4, 4, GL_LUMINANCE_, -107, 0, "Trying to bind an invalid RGB type!"},
        {506, 4, 4, GL_RGB_, -106, 1, "Trying to bind an invalid filter type!"},
        {-1, 4, 4, GL_RGB_, -108, 1, "Trying to bind too low or high a texture index!"},
    };
    for (const auto& r : rows) {
        if (r.slot == 507) { ren.tex_dx_tot[507] = r.tot_x; ren.tex_dy_tot[507] = r.tot_y; }
        ww_fatal e = ww_fatal_of([&] {
            if (r.mini) OGL_mini_me("x:y.bmp", r.slot, r.filter, r.rgb, scratch_array);
            else OGL_load_tex("x:y.bmp", r.slot, 0, r.filter, r.rgb, scratch_array);
        });
        EXPECT_EQ(e.lines[0], r.message);
        EXPECT_EQ(e.lines[1], "x:y.bmp");
    }
    EXPECT_EQ(OGL_read_tex(507, 0, nullptr, nullptr), 0);
}
