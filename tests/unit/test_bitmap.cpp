// Picture decoding without a display: PNG of every kind through libpng's writer, BMP rows and
// colour rules, the BMP writer, and every malformed picture ending in its fatal alert.
#include <gtest/gtest.h>
#include "draw/HL_BITMAP.h"
#include "draw/ren_struct.h"
#include "shell/Hl_MNW.h"
#include "base/IO_UTILS.h"
#include "tests/support/tex_files.h"
#include "tests/support/ww_test.h"
#include <png.h>
#include <cstring>
#include <vector>
#include <filesystem>
#include <functional>
#include <unistd.h>

namespace {

// GL's format codes, spelled out because tests do not include GL.
const int FMT_ALPHA = 0x1906, FMT_RGB = 0x1907, FMT_RGBA = 0x1908, FMT_LUMINANCE = 0x1909;

unsigned lcg(unsigned& s)
{
    s = s * 1664525u + 1013904223u;
    return s >> 8;
}

class Bitmap : public ::testing::Test {
protected:
    std::string dir;
    void SetUp() override
    {
        MACIBM_zero_records();
        ww_catch_alerts();
        dir = ww_temp_dir("bitmap");
        for (int i = 0; i < 256; i++) win_gamma[i] = (unsigned char)i;
    }
    // Slot sizes that a failed load must leave alone.
    void mark_slot(int index)
    {
        ren.tex_dx_vis[index] = ren.tex_dy_vis[index] = 77;
        ren.tex_dx_tot[index] = ren.tex_dy_tot[index] = 88;
    }
    bool slot_marked(int index)
    {
        return ren.tex_dx_vis[index] == 77 && ren.tex_dy_vis[index] == 77 && ren.tex_dx_tot[index] == 88 &&
               ren.tex_dy_tot[index] == 88;
    }
};

// A picture with pseudo-random samples; every fifth pixel takes the transparent colour.
tex_png make_png(int color_type, int depth, int interlace, int with_trns, unsigned seed)
{
    tex_png p;
    p.w = 13;
    p.h = 7;
    p.color_type = color_type;
    p.bit_depth = depth;
    p.interlace = interlace;
    const int ch = tex_png_channels(color_type);
    const unsigned maxv = (1u << depth) - 1;
    if (color_type == PNG_COLOR_TYPE_PALETTE) {
        const int n = 1 << depth;
        for (int i = 0; i < n * 3; i++) p.palette.push_back((unsigned char)lcg(seed));
        if (with_trns)
            for (int i = 0; i < (n > 1 ? n - 1 : 1); i++) p.trns_alpha.push_back((unsigned char)(i == 0 ? 0 : lcg(seed)));
    } else if (with_trns && (color_type == PNG_COLOR_TYPE_GRAY || color_type == PNG_COLOR_TYPE_RGB)) {
        for (int c = 0; c < 3; c++) p.trns_color[c] = (int)(lcg(seed) & maxv);
        if (color_type == PNG_COLOR_TYPE_GRAY) p.trns_color[1] = p.trns_color[2] = p.trns_color[0];
    }
    for (int i = 0; i < p.w * p.h; i++) {
        for (int c = 0; c < ch; c++) {
            unsigned v = lcg(seed) & maxv;
            if (i % 5 == 0 && p.trns_color[0] >= 0) v = (unsigned)p.trns_color[c];
            if (i % 5 == 0 && color_type == PNG_COLOR_TYPE_PALETTE) v = 0;
            p.samples.push_back(v);
        }
    }
    return p;
}

// libpng's own reading of a picture with the loader's transformations, gamma included.
std::vector<unsigned char> libpng_reference_from(FILE* f, double* gamma_used)
{
    std::vector<unsigned char> out;
    png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png_create_info_struct(png);
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_read_struct(&png, &info, nullptr);
        return std::vector<unsigned char>();
    }
    png_init_io(png, f);
    png_read_info(png, info);
    double g;
    if (!png_get_gAMA(png, info, &g)) g = 0.5555555555555556;
    *gamma_used = g;
    png_set_gamma(png, 2.2, g);
    png_set_expand(png);
    png_set_strip_16(png);
    png_set_gray_to_rgb(png);
    png_set_filler(png, 0xFF, PNG_FILLER_AFTER);
    png_read_update_info(png, info);
    const int w = (int)png_get_image_width(png, info), h = (int)png_get_image_height(png, info);
    out.resize((size_t)w * h * 4);
    std::vector<png_bytep> rows(h);
    for (int y = 0; y < h; y++) rows[y] = out.data() + (size_t)y * w * 4;
    png_read_image(png, rows.data());
    png_destroy_read_struct(&png, &info, nullptr);
    return out;
}

// The file is closed here, outside the function that jumps, so no path can close it twice.
std::vector<unsigned char> libpng_reference(const std::string& path, double* gamma_used)
{
    FILE* f = fopen(path.c_str(), "rb");
    if (!f) return {};
    std::vector<unsigned char> out = libpng_reference_from(f, gamma_used);
    fclose(f);
    return out;
}

// The staged picture (bottom row first, rows full_width apart) against libpng's own reading (top
// row first); only the first difference is reported.
::testing::AssertionResult staged_matches(const std::vector<unsigned char>& want, int w, int h, const unsigned char* buf,
                                          int full_width, int bytes)
{
    for (int y = 0; y < h; y++)
        for (int x = 0; x < w; x++)
            for (int c = 0; c < bytes; c++) {
                const int got = buf[((size_t)(h - 1 - y) * full_width + x) * bytes + c], e = want[((size_t)y * w + x) * 4 + c];
                if (got != e)
                    return ::testing::AssertionFailure() << "pixel (" << x << "," << y << ") channel " << c << ": got " << got
                                                         << ", want " << e;
            }
    return ::testing::AssertionSuccess();
}

}  // namespace

// Every colour type, depth and interlace, with and without a transparent colour, and each with a
// gamma of its own (none at all: taken as the Mac's): the colours libpng itself gives, bottom row first.
TEST_F(Bitmap, PngOfEveryKindAndGammaDecodesAsLibpngReadsIt)
{
    const struct { int type; std::vector<int> depths; } kinds[] = {
        {PNG_COLOR_TYPE_GRAY, {1, 2, 4, 8, 16}}, {PNG_COLOR_TYPE_RGB, {8, 16}},       {PNG_COLOR_TYPE_PALETTE, {1, 2, 4, 8}},
        {PNG_COLOR_TYPE_GRAY_ALPHA, {8, 16}},    {PNG_COLOR_TYPE_RGB_ALPHA, {8, 16}},
    };
    const double gammas[] = {1 / 2.2, 0, 0.5, 0.3, 1.0, 0.4761, 2.5, 200.0};
    unsigned seed = 7;
    int n = 0;
    for (const auto& k : kinds) {
        for (int depth : k.depths) {
            for (int interlace = 0; interlace <= 1; interlace++) {
                const int can_trns = k.type == PNG_COLOR_TYPE_GRAY || k.type == PNG_COLOR_TYPE_RGB || k.type == PNG_COLOR_TYPE_PALETTE;
                for (int trns = 0; trns <= can_trns; trns++) {
                    tex_png p = make_png(k.type, depth, interlace, trns, seed++);
                    p.gamma = gammas[n++ % 8];
                    SCOPED_TRACE(testing::Message() << "colour type " << k.type << ", depth " << depth << ", interlace "
                                                    << interlace << ", tRNS " << trns << ", gamma " << p.gamma);
                    const std::string path = dir + "kind.png";
                    ASSERT_TRUE(tex_write_png(path, p));
                    double used = 0;
                    const std::vector<unsigned char> want = libpng_reference(path, &used);
                    ASSERT_EQ(want.size(), 13u * 7 * 4);

                    // RGBA at its own size.
                    int fw = 0;
                    ASSERT_EQ(load_png_into_scratch(path, 7, -102, 4, &fw), 1);
                    EXPECT_EQ(fw, 13);
                    EXPECT_EQ(ren.tex_dx_vis[7], 13);
                    EXPECT_EQ(ren.tex_dy_tot[7], 7);
                    EXPECT_TRUE(staged_matches(want, 13, 7, scratch_array, fw, 4));

                    // RGB padded to 16 x 8, the margin cleared.
                    memset(scratch_array, 0xEE, 16 * 8 * 3);
                    ASSERT_EQ(load_png_into_scratch(path, 7, -101, 3, &fw), 1);
                    EXPECT_EQ(fw, 16);
                    EXPECT_EQ(ren.tex_dx_tot[7], 16);
                    EXPECT_EQ(ren.tex_dy_tot[7], 8);
                    EXPECT_EQ(ren.tex_dy_vis[7], 7);
                    EXPECT_TRUE(staged_matches(want, 13, 7, scratch_array, fw, 3));
                    EXPECT_EQ(scratch_array[(0 * 16 + 13) * 3], 0);    // right margin of the bottom row
                    EXPECT_EQ(scratch_array[(7 * 16 + 0) * 3], 0);     // the row above the picture
                }
            }
        }
    }
    // Every grey level through every gamma.
    tex_png grey;
    grey.w = 256;
    grey.color_type = PNG_COLOR_TYPE_GRAY;
    for (unsigned i = 0; i < 256; i++) grey.samples.push_back(i);
    for (double gm : gammas) {
        SCOPED_TRACE(testing::Message() << "every grey level, gamma " << gm);
        grey.gamma = gm;
        ASSERT_TRUE(tex_write_png(dir + "grey.png", grey));
        double used = 0;
        const std::vector<unsigned char> want = libpng_reference(dir + "grey.png", &used);
        int fw = 0;
        ASSERT_EQ(load_png_into_scratch(dir + "grey.png", 3, -102, 4, &fw), 1);
        EXPECT_TRUE(staged_matches(want, 256, 1, scratch_array, fw, 4));
    }
    EXPECT_TRUE(g_test_alerts.empty());
}

TEST_F(Bitmap, OneByteTexturesTakeAlphaOrBrightness)
{
    // RGBA keeps its alpha; RGB, from a PNG or a BMP, the mean of its colours.
    tex_png rgba, rgb;
    rgba.w = rgb.w = 2;
    rgba.samples = {10, 20, 30, 99, 200, 100, 0, 7};
    rgb.color_type = PNG_COLOR_TYPE_RGB;
    rgb.samples = {10, 20, 30, 200, 100, 0};
    tex_bmp b;
    b.w = 2;
    b.rgb = {10, 20, 30, 200, 100, 0};
    ASSERT_TRUE(tex_write_png(dir + "a.png", rgba) && tex_write_png(dir + "b.png", rgb) && tex_write_bmp(dir + "c.bmp", b));
    const struct { const char* name; int first, second; } rows[] = {{"a.png", 99, 7}, {"b.png", 20, 100}, {"c.bmp", 20, 100}};
    for (const auto& r : rows) {
        const std::string p = dir + r.name;
        int fw;
        ASSERT_EQ(p.back() == 'g' ? load_png_into_scratch(p, 3, -102, 1, &fw) : load_bmp_into_scratch(p, 3, -102, 1, -113, &fw), 1);
        EXPECT_EQ(scratch_array[0], r.first) << r.name;
        EXPECT_EQ(scratch_array[1], r.second) << r.name;
    }
}

TEST_F(Bitmap, BmpNameFindsThePngAndMissingPicturesAreQuiet)
{
    app_path = dir;
    bmp_path = dir + "Resources:bitmaps:";
    const std::string folder = dir + "Resources/bitmaps/sub/";
    ASSERT_TRUE(std::filesystem::create_directories(folder));

    tex_png red;
    red.w = red.h = 2;
    red.color_type = PNG_COLOR_TYPE_RGB;
    red.samples = {255, 0, 0, 255, 0, 0, 255, 0, 0, 255, 0, 0};
    tex_bmp blue;
    blue.w = blue.h = 2;
    blue.rgb = {0, 0, 255, 0, 0, 255, 0, 0, 255, 0, 0, 255};
    ASSERT_TRUE(tex_write_png(folder + "pic.png", red));
    ASSERT_TRUE(tex_write_bmp(folder + "pic.bmp", blue));

    // A name relative to the bitmap folder, and a full one in another letter case.
    ASSERT_EQ(OGL_texbmp(-101, 11, -107, "sub:pic.bmp"), 1);
    EXPECT_EQ(scratch_array[0], 255);
    EXPECT_EQ(scratch_array[2], 0);
    std::string upper = folder + "PIC.BMP";
    for (char& c : upper) c = (char)toupper((unsigned char)c);
    ASSERT_EQ(OGL_texbmp(-101, 11, -107, upper), 1);
    EXPECT_EQ(scratch_array[0], 255);

    unlink((folder + "pic.png").c_str());
    ASSERT_EQ(OGL_texbmp(-101, 11, -107, "sub:pic.bmp"), 1);
    EXPECT_EQ(scratch_array[0], 0);
    EXPECT_EQ(scratch_array[2], 255);

    unlink((folder + "pic.bmp").c_str());
    mark_slot(11);
    EXPECT_EQ(OGL_texbmp(-101, 11, -107, "sub:pic.bmp"), 0);
    EXPECT_TRUE(slot_marked(11));

    // Too short to be a PNG: not one, and no BMP either.
    ASSERT_TRUE(ww_write_bytes(folder + "tiny.png", "\x89PNG"));
    EXPECT_EQ(OGL_texbmp(-101, 11, -107, "sub:tiny.png"), 0);
    ASSERT_TRUE(ww_write_bytes(folder + "empty.bmp", ""));
    EXPECT_EQ(OGL_texbmp(-101, 11, -107, "sub:empty.bmp"), 0);
    EXPECT_TRUE(slot_marked(11));
    EXPECT_TRUE(g_test_alerts.empty());
}

TEST_F(Bitmap, BmpRowsOf300And301PixelsPadToWholeWordsInTheFileAnd512InTheTexture)
{
    for (int w : {300, 301}) {
        SCOPED_TRACE(w);
        tex_bmp b;
        b.w = w;
        b.h = 3;
        for (int y = 0; y < b.h; y++)
            for (int x = 0; x < w; x++) {
                b.rgb.push_back((unsigned char)x);
                b.rgb.push_back((unsigned char)(x >> 8 | y << 4));
                b.rgb.push_back((unsigned char)(255 - x));
            }
        const std::string path = dir + "wide.bmp";
        ASSERT_TRUE(tex_write_bmp(path, b));
        EXPECT_EQ((long)ww_read_bytes(path).size(), 54 + (w == 300 ? 900 : 904) * 3);

        int fw;
        ASSERT_EQ(load_bmp_into_scratch(path, 20, -101, 3, -107, &fw), 1);
        EXPECT_EQ(fw, 512);
        EXPECT_EQ(ren.tex_dx_vis[20], w);
        EXPECT_EQ(ren.tex_dx_tot[20], 512);
        EXPECT_EQ(ren.tex_dy_tot[20], 4);
        int bad = 0;
        for (int y = 0; y < b.h; y++)
            for (int x = 0; x < w; x++)
                for (int c = 0; c < 3; c++)
                    bad += scratch_array[((size_t)y * 512 + x) * 3 + c] != b.rgb[((size_t)y * w + x) * 3 + c];
        EXPECT_EQ(bad, 0);
        EXPECT_EQ(scratch_array[(2 * 512 + w) * 3], 0);
    }
}

TEST_F(Bitmap, BmpColourKeyBrightnessAlphaAndGamma)
{
    for (int i = 0; i < 256; i++) win_gamma[i] = (unsigned char)(i / 2);
    tex_bmp b;
    b.w = 4;
    b.rgb = {255, 0, 255, 254, 0, 255, 90, 60, 30, 255, 255, 255};
    ASSERT_TRUE(tex_write_bmp(dir + "k.bmp", b));
    int fw;
    auto px = [&](int i) { return std::vector<int>(scratch_array + i * 4, scratch_array + i * 4 + 4); };

    // The key is the colour as painted, before gamma; the stored colour is after it.
    for (int f : {-109, -111}) {
        ASSERT_EQ(load_bmp_into_scratch(dir + "k.bmp", 600, -102, 4, f, &fw), 1);
        EXPECT_EQ(px(0), (std::vector<int>{127, 0, 127, 0}));
        EXPECT_EQ(px(1), (std::vector<int>{127, 0, 127, 255}));
        EXPECT_EQ(px(2), (std::vector<int>{45, 30, 15, 255}));
    }
    for (int f : {-110, -112}) {
        ASSERT_EQ(load_bmp_into_scratch(dir + "k.bmp", 600, -102, 4, f, &fw), 1);
        EXPECT_EQ(px(2), (std::vector<int>{45, 30, 15, 30}));
        EXPECT_EQ(px(3), (std::vector<int>{127, 127, 127, 127}));
    }
    ASSERT_EQ(load_bmp_into_scratch(dir + "k.bmp", 600, -102, 4, -107, &fw), 1);
    EXPECT_EQ(px(0)[3], 255);
    // Paint and panel slots key out magenta whatever filter is asked for.
    for (int slot : {424, 467}) {
        ASSERT_EQ(load_bmp_into_scratch(dir + "k.bmp", slot, -102, 4, -107, &fw), 1);
        EXPECT_EQ(px(0)[3], 0) << slot;
    }
    ASSERT_EQ(load_bmp_into_scratch(dir + "k.bmp", 468, -102, 4, -107, &fw), 1);
    EXPECT_EQ(px(0)[3], 255);
}

TEST_F(Bitmap, TemporaryTypesLeaveTheStagingBufferAlone)
{
    tex_png p;
    p.w = p.h = 2;
    p.samples = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16};
    ASSERT_TRUE(tex_write_png(dir + "t.png", p));
    tex_bmp b;
    b.w = b.h = 2;
    b.rgb = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12};
    ASSERT_TRUE(tex_write_bmp(dir + "u.bmp", b));
    for (int type : {-103, -104}) {
        memset(scratch_array, 0xAB, 64);
        memset(scratch_array_temp, 0, 64);
        int fw;
        ASSERT_EQ(load_png_into_scratch(dir + "t.png", 5, type, 4, &fw), 1);
        EXPECT_EQ(scratch_array_temp[0], 9);      // bottom row first
        EXPECT_EQ(scratch_array_temp[15], 8);
        ASSERT_EQ(load_bmp_into_scratch(dir + "u.bmp", 5, type, 4, -107, &fw), 1);
        EXPECT_EQ(scratch_array_temp[4], 4);
        for (int i = 0; i < 64; i++) ASSERT_EQ(scratch_array[i], 0xAB);
    }
}

TEST_F(Bitmap, WrittenBmpHasItsHeaderAndReadsBack)
{
    const int dx = 8, dy = 4;
    for (int i = 0; i < dx * dy * 3; i++) scratch_array[i] = (unsigned char)(i * 7);
    std::vector<unsigned char> before(scratch_array, scratch_array + dx * dy * 3);
    ASSERT_EQ(OGL_make_bmp(dir + "out.bmp", dx, dy), 1);
    EXPECT_TRUE(std::equal(before.begin(), before.end(), scratch_array));

    const std::string f = ww_read_bytes(dir + "out.bmp");
    ASSERT_EQ(f.size(), 54u + dx * dy * 3);
    // "BM", file size, reserved, pixel offset; a 40-byte header, width, height, one plane of 24
    // bits, no compression, and zeros for the rest.
    std::vector<unsigned char> want(54, 0);
    const unsigned char fixed[] = {'B', 'M', 54 + dx * dy * 3, 0, 0, 0, 0, 0, 0, 0, 54, 0, 0, 0, 40, 0, 0, 0,
                                   dx, 0, 0, 0, dy, 0, 0, 0, 1, 0, 24};
    std::copy(std::begin(fixed), std::end(fixed), want.begin());
    EXPECT_EQ(std::vector<unsigned char>(f.begin(), f.begin() + 54), want);
    EXPECT_EQ((unsigned char)f[54], before[2]);              // B, G, R in the file
    EXPECT_EQ((unsigned char)f[56], before[0]);

    int fw;
    ASSERT_EQ(load_bmp_into_scratch(dir + "out.bmp", 9, -102, 3, -107, &fw), 1);
    EXPECT_TRUE(std::equal(before.begin(), before.end(), scratch_array));
}

TEST_F(Bitmap, MalformedPicturesAreFatalAndLoadNothing)
{
    struct fatal_case {
        const char* name;
        std::function<void(const std::string&)> make;
        std::vector<std::string> lines;     // "@" stands for the path
    };
    auto bmp = [](int w, int h, int bits, int comp, long cut, unsigned short magic, int with_pixels) {
        return [=](const std::string& path) {
            tex_bmp b;
            b.w = w;
            b.h = h;
            b.bit_count = (unsigned short)bits;
            b.compression = (unsigned)comp;
            b.cut = cut;
            b.magic = magic;
            if (with_pixels) b.rgb.assign((size_t)w * h * 3, 100);
            ASSERT_TRUE(tex_write_bmp(path, b));
        };
    };
    // A square PNG of noise, its bytes then damaged by `edit`.
    auto edited_png = [](int side, void (*edit)(std::string&)) {
        return [=](const std::string& path) {
            tex_png p;
            p.w = p.h = side;
            unsigned s = 3;
            for (int i = 0; i < side * side * 4; i++) p.samples.push_back(lcg(s) & 255);
            ASSERT_TRUE(tex_write_png(path, p));
            std::string v = ww_read_bytes(path);
            edit(v);
            ASSERT_TRUE(ww_write_bytes(path, v));
        };
    };
    const std::string not_a_bitmap = "Trying to read a texture bitmap that is not a bitmap";
    const std::string bad_size = "Trying to create a texture either less than 1 or greater than 1024!";
    const fatal_case cases[] = {
        {"w2048.bmp", bmp(2048, 4, 24, 0, -1, 0x4D42, 0), {"Bitmap too wide! (max is 1024)", "@"}},
        {"h2000.bmp", bmp(16, 2000, 24, 0, -1, 0x4D42, 0), {"Bitmap too tall! (max is 1024)", "@"}},
        {"8bit.bmp", bmp(4, 4, 8, 0, -1, 0x4D42, 1), {"Wrong bitmap color depth for texture!", "We need 24-bit color.", "@"}},
        {"rle.bmp", bmp(4, 4, 24, 1, -1, 0x4D42, 1), {"Bitmap is compressed!", "@"}},
        {"magic.bmp", bmp(4, 4, 24, 0, -1, 0x5858, 1), {not_a_bitmap, "@"}},
        {"short.bmp", bmp(4, 4, 24, 0, 20, 0x4D42, 1), {not_a_bitmap, "@"}},
        {"cut.bmp", bmp(4, 4, 24, 0, 54 + 30, 0x4D42, 1), {not_a_bitmap, "@"}},
        {"w0.bmp", bmp(0, 4, 24, 0, -1, 0x4D42, 1), {bad_size, "@"}},
        {"hneg.bmp", bmp(4, -4, 24, 0, -1, 0x4D42, 0), {bad_size, "@"}},
        {"sig.png", [](const std::string& p) { ASSERT_TRUE(ww_write_bytes(p, std::string(12, 'x'))); },
         {"PING-FILE ERROR!", "is_png=!png_sig_cmp(png_io_buf,0,8)", "@"}},
        {"half.png", edited_png(64, [](std::string& v) { v.resize(v.size() / 2); }),
         {"PNG error!", "PNG Read Error, overran end of buffer!", "@"}},
        {"noend.png", edited_png(8, [](std::string& v) { v.resize(v.size() - 12); }),   // IEND gone
         {"PNG error!", "PNG Read Error, overran end of buffer!", "@"}},
        {"crc.png", edited_png(8, [](std::string& v) { v[8 + 8 + 13] ^= 1; }),          // IHDR's CRC
         {"PNG error!", "IHDR: CRC error", "@"}},
        {"w1100.png",
         [&](const std::string& p) {
             tex_png q;
             q.w = 1100;
             q.color_type = PNG_COLOR_TYPE_GRAY;
             q.samples.assign(1100, 9);
             ASSERT_TRUE(tex_write_png(p, q));
         },
         {bad_size, "@"}},
    };
    for (const fatal_case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string path = dir + c.name;
        c.make(path);
        mark_slot(30);
        memset(scratch_array, 0x5A, 4096);
        memset(scratch_array_temp, 0x5A, 4096);
        ww_fatal e = ww_fatal_of([&] { OGL_texbmp(-101, 30, -109, path); });
        for (size_t i = 0; i < 4; i++) {
            std::string want = i < c.lines.size() ? c.lines[i] : "";
            EXPECT_EQ(e.lines[i], want == "@" ? path : want) << "line " << i + 1;
        }
        EXPECT_NE(e.file.find("OGL_decode"), std::string::npos);
        EXPECT_TRUE(slot_marked(30));
        int untouched = 1;
        for (int i = 0; i < 4096; i++) untouched &= scratch_array[i] == 0x5A;
        EXPECT_TRUE(untouched);
    }
}

TEST_F(Bitmap, RangeChecksAlertWithTheirMessageAndThePath)
{
    const struct {
        std::function<int(int, const std::string&)> check;
        std::vector<int> good, bad;
        const char* message;
    } checks[] = {
        {check_dx, {1, 1024}, {0, 1025, -3}, "Trying to create a texture either less than 1 or greater than 1024!"},
        {check_dy, {1, 1024}, {0, 1025}, "Trying to create a texture either less than 1 or greater than 1024!"},
        {check_type, {-104, -100}, {-105, -99}, "Trying to creata an invalid texture type!"},
        {check_index, {0, 9141}, {-1, 9142}, "Trying to bind too low or high a texture index!"},
        {check_filter_type, {-113, -107}, {-114, -106}, "Trying to bind an invalid filter type!"},
        {check_bytes, {1, 4}, {0, 5}, "Trying to bind too low or high a number of bytes!"},
        {check_rgb_type, {FMT_ALPHA, FMT_RGB, FMT_RGBA}, {FMT_LUMINANCE, 0}, "Trying to bind an invalid RGB type!"},
    };
    for (const auto& c : checks) {
        SCOPED_TRACE(c.message);
        for (int v : c.good) EXPECT_EQ(c.check(v, "p"), 1) << v;
        EXPECT_TRUE(g_test_alerts.empty());
        for (int v : c.bad) {
            ww_fatal e = ww_fatal_of([&] { c.check(v, "some:path.bmp"); });
            EXPECT_EQ(e.lines[0], c.message) << v;
            EXPECT_EQ(e.lines[1], "some:path.bmp");
        }
        g_test_alerts.clear();
    }

    // The loaders check their arguments before they look for the file.
    int fw;
    const std::pair<std::function<void()>, const char*> loaders[] = {
        {[&] { load_png_into_scratch("none", 9142, -100, 4, &fw); }, "Trying to bind too low or high a texture index!"},
        {[&] { load_png_into_scratch("none", 1, -99, 4, &fw); }, "Trying to creata an invalid texture type!"},
        {[&] { load_bmp_into_scratch("none", 1, -100, 5, -107, &fw); }, "Trying to bind too low or high a number of bytes!"},
        {[&] { load_bmp_into_scratch("none", 1, -100, 3, -106, &fw); }, "Trying to bind an invalid filter type!"},
        {[&] { OGL_texbmp(-101, 1, -114, dir + "none.bmp"); }, "Trying to bind an invalid filter type!"},
    };
    for (const auto& [load, message] : loaders) EXPECT_EQ(ww_fatal_of(load).lines[0], message);
}

TEST_F(Bitmap, ScaleRecordsVisibleAndPowerOfTwoSizes)
{
    const struct { int type, dx, dy, tot_x, tot_y; } rows[] = {
        {-100, 300, 1, 512, 1}, {-101, 513, 1024, 1024, 1024}, {-100, 64, 65, 64, 128},
        {-102, 300, 7, 300, 7}, {-103, 5, 3, 5, 3},             {-104, 1024, 2, 1024, 2},
    };
    for (const auto& r : rows) {
        int dx = r.dx, dy = r.dy, xo = -1, yo = -1, fw = 0;
        EXPECT_EQ(get_scale("p", 40, r.type, &dx, &dy, &xo, &yo, &fw), 1.0f);
        EXPECT_EQ(ren.tex_dx_vis[40], r.dx);
        EXPECT_EQ(ren.tex_dy_vis[40], r.dy);
        EXPECT_EQ(ren.tex_dx_tot[40], r.tot_x);
        EXPECT_EQ(ren.tex_dy_tot[40], r.tot_y);
        EXPECT_EQ(fw, r.tot_x);
        EXPECT_EQ(xo, 0);
        EXPECT_EQ(yo, 0);
    }
}
