// The interface art: the pixel faces fit the text code's spacing, the layout keeps every piece
// of the sheet apart, and the generated pictures hold what the loaders and the palette expect.

#include <gtest/gtest.h>
#include <png.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "draw/HL_BITMAP.h"
#include "draw/HL_GRAPH.h"
#include "draw/ren_struct.h"
#include "draw/art_layout.h"
#include "tools/mkart/pixel_font.h"
#include "tests/support/ww_test.h"

namespace {

const std::string kFontDir   = std::string(WW_SOURCE_DIR) + "data/art/";
const std::string kBitmapDir = std::string(WW_AERODECK_DIR) + "Resources/bitmaps/";

PixelFont load_face(const char* name)
{
    PixelFont f;
    std::string err;
    EXPECT_TRUE(load_pixel_font(kFontDir + name, f, err)) << err;
    return f;
}

//=== faces ==================================================================================

TEST(ArtFont, BothFacesHoldEveryCellInTheProgramsOrder)
{
    for (const char* name : {"font_prop.txt", "font_mono.txt"}) {
        PixelFont f = load_face(name);
        ASSERT_EQ(f.glyphs.size(), size_t(ART_FONT_CELL_COUNT)) << name;
        for (int cell = 0; cell < ART_FONT_CELL_COUNT; ++cell) {
            char ch = ART_FONT_CHARS[cell];
            EXPECT_EQ(OGL_glyph_cell((unsigned char)ch), cell) << "character '" << ch << "'";
            EXPECT_EQ(f.glyphs[cell].ch, ch);
            // Every printable cell has ink, and only the space is blank.
            EXPECT_EQ(f.glyphs[cell].ink_right() == 0, ch == ' ') << name << " '" << ch << "'";
        }
    }
}

//=== layout =================================================================================

struct Placed {
    std::string name;
    ART_rect    r;
};

std::vector<Placed> everything_on_the_sheet()
{
    std::vector<Placed> v;
    auto face = [&](const char* n, int s, int t) {
        int rows = (ART_FONT_CELL_COUNT + ART_FONT_CELLS_PER_ROW - 1) / ART_FONT_CELLS_PER_ROW;
        v.push_back({n, {s, t, ART_FONT_CELL_W * ART_FONT_CELLS_PER_ROW, ART_FONT_CELL_H * rows}});
    };
    face("proportional face", ART_FONT_PROP_S, ART_FONT_PROP_T);
    face("monospaced face", ART_FONT_MONO_S, ART_FONT_MONO_T);
    for (const ART_bar& b : ART_BARS) v.push_back({"bar " + std::to_string(b.style), {b.s, b.t, b.src, b.height}});
    v.push_back({"scroll track", {ART_BAR_VERT6.s, ART_BAR_VERT6.t, ART_BAR_VERT6.height, ART_BAR_VERT6.src}});
    for (const ART_panel& p : ART_PANELS) v.push_back({"panel " + std::to_string(p.style), {p.s, p.t, p.size, p.size}});
    const std::pair<const char*, ART_rect> elements[] = {
        {"check box", ART_CHECK_BOX}, {"tick", ART_CHECK_TICK}, {"radio", ART_RADIO_BOX}, {"radio dot", ART_RADIO_DOT},
        {"arrow inc", ART_ARROW_INC}, {"arrow dec", ART_ARROW_DEC}, {"small inc", ART_ARROW_INC_SMALL},
        {"small dec", ART_ARROW_DEC_SMALL}, {"inc row", ART_ARROW_ROW_INC}, {"dec row", ART_ARROW_ROW_DEC},
        {"small inc row", ART_ARROW_ROW_INC_SMALL}, {"small dec row", ART_ARROW_ROW_DEC_SMALL}, {"tab on", ART_TAB_SELECTED}, {"tab off", ART_TAB_UNSELECTED},
        {"file button", ART_FILE_BUTTON}, {"close", ART_CLOSE_BOX}, {"close pressed", ART_CLOSE_BOX_PRESSED},
        {"show panel off", ART_ICON_SHOW_PANEL_OFF}, {"show panel on", ART_ICON_SHOW_PANEL_ON},
        {"folder up off", ART_ICON_FOLDER_UP_OFF}, {"folder up on", ART_ICON_FOLDER_UP_ON},
        {"minimize off", ART_ICON_MINIMIZE_OFF}, {"minimize on", ART_ICON_MINIMIZE_ON},
        {"frame 18", ART_PICTURE_FRAME_18}, {"frame 18 on", ART_PICTURE_FRAME_18_ON},
        {"frame 26", ART_PICTURE_FRAME_26}, {"frame 26 on", ART_PICTURE_FRAME_26_ON},
        {"scroll up", ART_SCROLL_UP}, {"scroll down", ART_SCROLL_DOWN}, {"thumb", ART_SCROLL_THUMB},
        {"submenu arrow", ART_MENU_SUBMENU_ARROW}, {"folder icon", ART_LIST_ICON_FOLDER},
        {"aircraft icon", ART_LIST_ICON_AIRCRAFT}, {"airfoil icon", ART_LIST_ICON_AIRFOIL},
        {"weapon icon", ART_LIST_ICON_WEAPON}, {"bitmap icon", ART_LIST_ICON_BITMAP}, {"file icon", ART_LIST_ICON_FILE},
    };
    for (const auto& [n, r] : elements) v.push_back({n, r});
    for (int row = 0; row < 2; ++row)
        for (int col = 0; col < 6; ++col)
            v.push_back({"cursor " + std::to_string(col) + "," + std::to_string(row), ART_cursor_cell(col, row)});
    const int half = ART_SWATCH_BLOCK / 2;
    for (const ART_swatch& w : ART_SWATCHES)
        v.push_back({"swatch " + std::to_string(w.slot), {w.s - half, w.t - half, ART_SWATCH_BLOCK, ART_SWATCH_BLOCK}});
    return v;
}

TEST(ArtLayout, NoTwoPiecesShareATexel)
{
    auto v = everything_on_the_sheet();
    for (size_t i = 0; i < v.size(); ++i) {
        const ART_rect& a = v[i].r;
        // Strips whose top row lies past the sheet are read with the edge row repeated.
        EXPECT_TRUE(a.s >= 0 && a.t >= 0 && a.s2() <= ART_SHEET_SIZE && a.t2() <= ART_SHEET_SIZE + 1) << v[i].name;
        for (size_t j = i + 1; j < v.size(); ++j) {
            const ART_rect& b = v[j].r;
            bool apart = a.s2() <= b.s || b.s2() <= a.s || a.t2() <= b.t || b.t2() <= a.t;
            EXPECT_TRUE(apart) << v[i].name << " overlaps " << v[j].name;
        }
    }
}

//=== generated files ========================================================================

struct Png {
    int w = 0, h = 0;
    std::vector<uint8_t> rgba;                              // top row first, as stored
    const uint8_t* texel(int s, int t) const { return &rgba[(size_t(h - 1 - t) * w + s) * 4]; }
};

bool read_png(const std::string& path, Png& out)
{
    png_image img{};
    img.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_file(&img, path.c_str())) return false;
    img.format = PNG_FORMAT_RGBA;
    out.w = int(img.width);
    out.h = int(img.height);
    out.rgba.resize(PNG_IMAGE_SIZE(img));
    return png_image_finish_read(&img, nullptr, out.rgba.data(), 0, nullptr) != 0;
}

class ArtSheet : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        ok = read_png(kBitmapDir + "interface.png", sheet);
    }
    void SetUp() override
    {
        ASSERT_TRUE(ok) << "cannot read " << kBitmapDir << "interface.png";
        ASSERT_EQ(sheet.w, ART_SHEET_SIZE);
        ASSERT_EQ(sheet.h, ART_SHEET_SIZE);
    }
    static inline Png  sheet;
    static inline bool ok = false;
};

TEST_F(ArtSheet, GlyphCellsAreWhiteInkOnClear)
{
    const std::pair<const char*, std::pair<int, int>> faces[] = {
        {"font_prop.txt", {ART_FONT_PROP_S, ART_FONT_PROP_T}}, {"font_mono.txt", {ART_FONT_MONO_S, ART_FONT_MONO_T}}};
    for (const auto& [name, origin] : faces) {
        PixelFont f = load_face(name);
        for (int cell = 0; cell < ART_FONT_CELL_COUNT; ++cell) {
            ART_rect r = ART_font_cell(origin.first, origin.second, cell);
            for (int row = 0; row < r.h; ++row)
                for (int x = 0; x < r.w; ++x) {
                    const uint8_t* p = sheet.texel(r.s + x, r.t + row);
                    bool ink = f.glyphs[cell].ink(x, row);
                    ASSERT_EQ(p[3], ink ? 255 : 0) << name << " '" << ART_FONT_CHARS[cell] << "' " << x << "," << row;
                    if (ink) {
                        ASSERT_TRUE(p[0] == 255 && p[1] == 255 && p[2] == 255);
                    }
                }
        }
    }
}

// Stretching repeats the middle of a bar or panel; any difference along it would show as a seam.
TEST_F(ArtSheet, StretchedMiddlesRepeatWithoutSeams)
{
    auto same = [&](int s1, int t1, int s2, int t2) { return std::memcmp(sheet.texel(s1, t1), sheet.texel(s2, t2), 4) == 0; };
    for (const ART_bar& b : ART_BARS)
        for (int t = b.t; t < std::min(b.t + b.height, ART_SHEET_SIZE); ++t)
            for (int s = b.s + b.cap + 1; s < b.s + b.src - b.cap; ++s)
                ASSERT_TRUE(same(s, t, b.s + b.cap, t)) << "bar " << b.style << " at " << s << "," << t;
    const ART_bar& v = ART_BAR_VERT6;
    for (int t = v.t + v.cap + 1; t < v.t + v.src - v.cap; ++t)
        for (int s = v.s; s < v.s + v.height; ++s) ASSERT_TRUE(same(s, t, s, v.t + v.cap)) << "scroll track at " << t;
    for (const ART_panel& p : ART_PANELS) {
        const int b = ART_panel_border(p.size);
        for (int t = p.t; t < p.t + p.size; ++t)
            for (int s = p.s + b + 1; s < p.s + p.size - b; ++s)
                ASSERT_TRUE(same(s, t, p.s + b, t)) << "panel " << p.style << " column " << s;
        for (int t = p.t + b + 1; t < p.t + p.size - b; ++t)
            for (int s = p.s; s < p.s + p.size; ++s)
                ASSERT_TRUE(same(s, t, s, p.t + b)) << "panel " << p.style << " row " << t;
        // The middle is opaque: panels are filled, not see-through.
        EXPECT_EQ(sheet.texel(p.s + p.size / 2, p.t + p.size / 2)[3], 255) << "panel " << p.style;
    }
}

// The generated pictures through the program's own loader, which refuses any other depth or a
// compressed file with its fatal alert: the sizes the drawing code expects.
TEST(ArtPictures, AreUncompressed24BitBitmapsOfTheExpectedSizes)
{
    ww_catch_alerts();
    struct { const char* name; int w, h; bool pow2; } want[] = {
        {"intro.bmp", ART_INTRO_W, ART_INTRO_H, false},
        {"blank.bmp", ART_BLANK_SIZE, ART_BLANK_SIZE, true},
        {"world/lites/lights.bmp", ART_LITES_W, ART_LITES_H, true},
        {"world/overlays/prop_disc.bmp", ART_PROP_DISC_SIZE, ART_PROP_DISC_SIZE, true},
    };
    for (const auto& p : want) {
        SCOPED_TRACE(p.name);
        int fw = 0;
        ASSERT_EQ(load_bmp_into_scratch(kBitmapDir + p.name, 9, p.pow2 ? -100 : -102, 3, -107, &fw), 1);
        EXPECT_EQ(ren.tex_dx_vis[9], p.w);
        EXPECT_EQ(ren.tex_dy_vis[9], p.h);
        EXPECT_EQ(ren.tex_dx_tot[9], p.w);            // a power of two where one is needed: no padding
        EXPECT_EQ(ren.tex_dy_tot[9], p.h);
    }
    EXPECT_TRUE(g_test_alerts.empty());
}

}   // namespace
