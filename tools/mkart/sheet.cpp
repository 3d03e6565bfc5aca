// sheet.cpp -- draws the interface art sheet: fonts, stretched bars, nine-slice panels, widget
// pieces, cursors and the palette swatches, each at the texels draw/art_layout.h gives.
//
// The look: flat dark slate surfaces, one blue accent, rounded corners, one-pixel borders.
// Every piece is drawn on its own small canvas and stamped in, so nothing can bleed into a
// neighbour; repeating parts are forced to be exact copies of one column or row, so a bar or
// panel stretched to any length shows no seam.
#include <algorithm>
#include <cmath>

#include "tools/mkart/mkart.h"

namespace {

//=== colours ================================================================================
// Palette roles come from the swatch table, so text colours and surfaces are chosen together.
RGBA swatch(int slot)
{
    const ART_swatch* w = ART_find_swatch(slot);
    return rgb8(w->r, w->g, w->b);
}

const RGBA kShadow      = rgb8(0, 0, 0);
const RGBA kOutline     = rgb8(16, 18, 22);          // outer border of raised things
const RGBA kWindowBody  = swatch(30);
const RGBA kTitleBand   = rgb8(36, 40, 47);
const RGBA kTitleLine   = rgb8(26, 29, 34);
const RGBA kGroupFill   = rgb8(40, 45, 52);
const RGBA kGroupBorder = rgb8(60, 67, 78);
const RGBA kFieldFill   = rgb8(24, 27, 32);
const RGBA kFieldBorder = rgb8(70, 78, 91);
const RGBA kFieldShade  = rgb8(17, 19, 23);          // inner top edge of sunken things
const RGBA kDisplayFill = rgb8(21, 24, 28);
const RGBA kDisplayEdge = rgb8(62, 70, 81);
const RGBA kButtonTop   = rgb8(74, 83, 97);
const RGBA kButtonBot   = rgb8(61, 69, 81);
const RGBA kButtonShine = rgb8(98, 108, 124);
const RGBA kAccentTop   = rgb8(80, 154, 255);
const RGBA kAccentBot   = rgb8(48, 114, 222);
const RGBA kAccentEdge  = rgb8(24, 64, 140);
const RGBA kGlyph       = rgb8(214, 220, 228);       // light marks drawn on controls
const RGBA kGlyphDim    = rgb8(112, 121, 135);
const RGBA kWhite       = rgb8(255, 255, 255);
const RGBA kFolder      = rgb8(232, 188, 92);
const RGBA kFolderDark  = rgb8(196, 150, 62);

RGBA vgrad(RGBA top, RGBA bottom, float y, float y0, float y1)
{
    return mix(bottom, top, std::clamp((y - y0) / (y1 - y0), 0.f, 1.f));
}

//=== piece helpers ==========================================================================
void stamp(Canvas& sheet, const Canvas& piece, int s, int t)
{
    sheet.copy_from(piece, 0, 0, s, t, piece.w, piece.h);
}

// Make columns cap .. w-cap-1 copies of column `cap`: the part a bar repeats.
void repeat_columns(Canvas& p, int cap)
{
    for (int x = cap + 1; x < p.w - cap; ++x)
        for (int y = 0; y < p.h; ++y) p.at(x, y) = p.at(cap, y);
}

void repeat_rows(Canvas& p, int cap)
{
    for (int y = cap + 1; y < p.h - cap; ++y)
        for (int x = 0; x < p.w; ++x) p.at(x, y) = p.at(x, cap);
}

SdfFn rr(float x0, float y0, float x1, float y1, float r)
{
    return [=](float x, float y) { return sd_round_rect(x, y, x0, y0, x1, y1, r); };
}

// A rounded box: a one-pixel border, then the fill inside it.
void box(Canvas& c, float x0, float y0, float x1, float y1, float r, RGBA border, const PaintFn& fill)
{
    draw_sdf(c, 0, 0, c.w, c.h, rr(x0, y0, x1, y1, r), border);
    draw_sdf(c, 0, 0, c.w, c.h, rr(x0 + 1, y0 + 1, x1 - 1, y1 - 1, std::max(r - 1, 0.f)), fill);
}

void box(Canvas& c, float x0, float y0, float x1, float y1, float r, RGBA border, RGBA fill)
{
    box(c, x0, y0, x1, y1, r, border, [fill](float, float) { return fill; });
}

// A soft shadow under a rounded box, fading out over `spread` pixels, moved down by `drop`.
void shadow(Canvas& c, float x0, float y0, float x1, float y1, float r, float spread, float alpha, float drop)
{
    for (int y = 0; y < c.h; ++y)
        for (int x = 0; x < c.w; ++x) {
            float d = sd_round_rect(x + 0.5f, y + 0.5f, x0, y0 - drop, x1, y1 - drop, r);
            float a = d <= 0 ? 1.f : std::max(0.f, 1.f - d / spread);
            if (a > 0) c.blend(x, y, kShadow, alpha * a * a);
        }
}

// A light line along the inside top of a box (a bevel highlight), over columns x0..x1.
void shine(Canvas& c, int x0, int x1, int y, RGBA colour, float alpha)
{
    for (int x = x0; x < x1; ++x)
        if (c.at(x, y).a > 0.99f) c.blend(x, y, colour, alpha);
}

// Pixel art from rows of characters, top row first; '.' is empty, other characters are looked
// up in `palette` as pairs of (character, colour).
void pixels(Canvas& c, int x, int y_top, std::initializer_list<const char*> rows,
            std::initializer_list<std::pair<char, RGBA>> palette)
{
    int y = y_top;
    for (const char* row : rows) {
        for (int i = 0; row[i]; ++i)
            for (const auto& [ch, colour] : palette)
                if (row[i] == ch) c.blend(x + i, y, colour);
        --y;
    }
}

//=== fonts ==================================================================================
void draw_face(Canvas& sheet, const PixelFont& font, int s0, int t0)
{
    for (int cell = 0; cell < ART_FONT_CELL_COUNT; ++cell) {
        ART_rect r = ART_font_cell(s0, t0, cell);
        const PixelGlyph& g = font.glyphs[cell];
        for (int row = 0; row < ART_FONT_CELL_H; ++row)
            for (int col = 0; col < ART_FONT_CELL_W; ++col)
                sheet.set(r.s + col, r.t + row, g.ink(col, row) ? kWhite : RGBA{});
    }
}

//=== bars ===================================================================================
Canvas draw_bar(int style)
{
    const ART_bar& b = *ART_find_bar(style);
    Canvas p(b.src, b.height);
    const float W = float(b.src), H = float(b.height);
    switch (style) {
    case 0: {   // menu bar: spans the screen, so it is flat to both ends; its top runs off-screen
        for (int y = 0; y < b.height; ++y)
            for (int x = 0; x < b.src; ++x)
                p.at(x, y) = vgrad(rgb8(40, 45, 53), rgb8(32, 36, 42), float(y), 1, H);
        for (int x = 0; x < b.src; ++x) {
            p.at(x, 0) = rgb8(12, 14, 17);
            p.at(x, 1) = rgb8(28, 31, 37);
        }
        break;
    }
    case 1: {   // title / tab strip bar: a recessed band with a light rule under it
        box(p, 1, 2, W - 1, H - 2, 4, rgb8(28, 31, 37), rgb8(37, 41, 48));
        for (int x = 3; x < b.src - 3; ++x) p.at(x, 1) = with_alpha(swatch(31), 0.9f);
        break;
    }
    case 2:     // push button
        box(p, 1, 2, W - 1, H - 2, 5, kOutline,
            [](float, float y) { return vgrad(kButtonTop, kButtonBot, y, 3, 23); });
        shine(p, 3, b.src - 3, 22, kButtonShine, 0.8f);
        break;
    case 3:     // push button, pressed: the accent, lit from inside
        box(p, 1, 2, W - 1, H - 2, 5, kAccentEdge,
            [](float, float y) { return vgrad(kAccentBot, kAccentTop, y, 3, 23); });
        shine(p, 3, b.src - 3, 22, rgb8(30, 80, 170), 0.7f);
        break;
    case 4:     // progress trough
        box(p, 1, 1, W - 1, H - 1, 7, kDisplayEdge, kFieldFill);
        shine(p, 5, b.src - 5, 13, kFieldShade, 1.f);
        break;
    case 5:     // progress fill, sitting inside the trough
        draw_sdf(p, 0, 0, p.w, p.h, rr(3, 3, W - 3, H - 3, 5),
                 [](float, float y) { return vgrad(kAccentTop, kAccentBot, y, 3, 13); });
        shine(p, 6, b.src - 6, 12, rgb8(150, 196, 255), 0.6f);
        break;
    case 7:     // plain raised bar
        box(p, 1, 2, W - 1, H - 2, 4, kOutline,
            [](float, float y) { return vgrad(rgb8(66, 74, 87), rgb8(56, 63, 74), y, 3, 21); });
        shine(p, 3, b.src - 3, 20, kButtonShine, 0.6f);
        break;
    case 8:     // small accent pill
        box(p, 1, 2, W - 1, H - 2, 6, kAccentEdge,
            [](float, float y) { return vgrad(kAccentTop, kAccentBot, y, 3, 13); });
        break;
    case 9:     // number / text field: a sunken box
        box(p, 1, 3, W - 1, H - 3, 3, kFieldBorder, kFieldFill);
        shine(p, 3, b.src - 3, 21, kFieldShade, 1.f);
        break;
    case 10: {  // pop-up list: a button whose right cap shows a divider and up/down chevrons
        // The box starts 3 texels in: the label to its left ends 1 texel short of the strip.
        box(p, 3, 4, W - 1, H - 4, 4, kOutline,
            [](float, float y) { return vgrad(kButtonTop, kButtonBot, y, 5, 21); });
        shine(p, 5, b.src - 3, 20, kButtonShine, 0.8f);
        const int cap_x = b.src - b.cap;               // first column of the right cap
        for (int y = 7; y <= 16; ++y) {
            p.blend(cap_x + 5, y, rgb8(40, 45, 53));
            p.blend(cap_x + 6, y, kButtonShine, 0.5f);
        }
        const int cx = cap_x + 14;                     // chevron centre column
        for (int i = 0; i < 3; ++i)
            for (int x = cx - i; x <= cx + i; ++x) {
                p.blend(x, 15 - i, kGlyph);            // up chevron, point at row 15
                p.blend(x, 8 + i, kGlyph);             // down chevron, point at row 8
            }
        break;
    }
    case 11: {  // title bar of the floating box: holds buttons, fields and icons
        shadow(p, 2, 4, W - 2, H - 3, 6, 3, 0.35f, 1);
        box(p, 1, 3, W - 1, H - 3, 6, kOutline,
            [](float, float y) { return vgrad(rgb8(64, 72, 85), rgb8(48, 54, 64), y, 4, 52); });
        shine(p, 4, b.src - 4, 51, rgb8(96, 106, 122), 0.8f);
        break;
    }
    }
    repeat_columns(p, b.cap);
    return p;
}

Canvas draw_scroll_track()
{
    const ART_bar& b = ART_BAR_VERT6;
    Canvas p(b.height, b.src);                        // 20 wide, 40 long
    box(p, 5, 1, 15, float(b.src) - 1, 5, kGroupBorder, kFieldFill);
    repeat_rows(p, b.cap);
    return p;
}

//=== nine-slice panels ======================================================================
// Insets of the visible box inside each tile (left/right, bottom, top): chosen from the panel's
// outsets so that the box sits just outside the area the caller asked for, and two panels laid
// 10 px apart do not run into each other.
Canvas draw_panel(int style)
{
    const ART_panel& pn = *ART_find_panel(style);
    const int T = pn.size;
    const float F = float(T);
    Canvas p(T, T);
    switch (style) {
    case 11: {  // editor window: shadow, outline, body and a title band holding the title
        shadow(p, 6, 10, F - 6, F - 2, 6, 6, 0.5f, 2);
        box(p, 6, 10, F - 6, F - 2, 6, kOutline, kWindowBody);
        // The band covers the title line (baseline 13 px under the window's top) and the
        // close boxes centred 10 px under it.
        draw_sdf(p, 0, 74, T, 97, rr(7, 11, F - 7, F - 3, 5), kTitleBand);
        for (int x = 7; x < T - 7; ++x) p.at(x, 73) = kTitleLine;
        shine(p, 9, T - 9, 96, rgb8(62, 69, 80), 1.f);
        break;
    }
    case 12:    // main screen: as the window, without a title band
        shadow(p, 6, 10, F - 6, F - 2, 6, 6, 0.5f, 2);
        box(p, 6, 10, F - 6, F - 2, 6, kOutline, kWindowBody);
        shine(p, 9, T - 9, 96, rgb8(62, 69, 80), 1.f);
        break;
    case 13:    // sub-panel: a slightly recessed group box
        box(p, 6, 8, F - 6, F - 4, 5, kGroupBorder, kGroupFill);
        break;
    case 14:    // hover help: a dark floating tip
        shadow(p, 8, 12, F - 8, F - 6, 5, 5, 0.45f, 2);
        box(p, 8, 12, F - 8, F - 6, 5, rgb8(100, 110, 126), rgb8(25, 28, 33));
        break;
    case 15:    // dark display: the 3-D view's frame and the start-up panel
        box(p, 7, 12, F - 7, F - 2, 4, kDisplayEdge, kDisplayFill);
        shine(p, 9, T - 9, 96, kFieldShade, 1.f);
        break;
    case 16:    // list panel: sunken like a field
        box(p, 1, 1, F - 1, F - 1, 3, kFieldBorder, kFieldFill);
        shine(p, 3, T - 3, 65, kFieldShade, 1.f);
        break;
    case 17:    // open menu: floating, its top flush under the menu bar
        shadow(p, 4, 8, F - 4, F, 4, 4, 0.45f, 2);
        box(p, 4, 8, F - 4, F + 4, 4, kOutline, rgb8(42, 47, 56));
        break;
    case 18:    // floating panel-editor box
        shadow(p, 3, 5, F - 3, F - 1, 5, 3, 0.45f, 1);
        box(p, 3, 5, F - 3, F - 1, 5, kOutline, kWindowBody);
        break;
    }
    int border = ART_panel_border(T);
    repeat_columns(p, border);
    repeat_rows(p, border);
    return p;
}

//=== widget pieces ==========================================================================
Canvas draw_check(bool ticked, bool radio)
{
    Canvas p(18, 18);
    SdfFn shape = radio ? SdfFn([](float x, float y) { return sd_circle(x, y, 9, 9, 7); }) : rr(2, 2, 16, 16, 3);
    SdfFn inner = radio ? SdfFn([](float x, float y) { return sd_circle(x, y, 9, 9, 6); }) : rr(3, 3, 15, 15, 2);
    if (!ticked) {
        draw_sdf(p, 0, 0, 18, 18, shape, rgb8(98, 108, 124));
        draw_sdf(p, 0, 0, 18, 18, inner, kFieldFill);
        return p;
    }
    draw_sdf(p, 0, 0, 18, 18, shape, kAccentEdge);
    draw_sdf(p, 0, 0, 18, 18, inner, [](float, float y) { return vgrad(kAccentTop, kAccentBot, y, 3, 15); });
    if (radio)
        draw_sdf(p, 0, 0, 18, 18, [](float x, float y) { return sd_circle(x, y, 9, 9, 2.7f); }, kWhite);
    else
        stroke_polyline(p, {{5.2f, 9.4f}, {7.9f, 6.6f}, {12.9f, 11.8f}}, 2.f, kWhite);
    return p;
}

// Digit arrows: crisp pixel triangles, `rows` tall, their point at (apex_x, apex_y).
Canvas draw_arrow(int w, int h, int apex_x, int apex_y, int rows, bool up, RGBA colour)
{
    Canvas p(w, h);
    for (int i = 0; i < rows; ++i) {
        int y = up ? apex_y - i : apex_y + i;
        for (int x = apex_x - i; x <= apex_x + i; ++x) p.set(x, y, colour);
    }
    return p;
}

Canvas draw_tab(bool selected)
{
    Canvas p(ART_TAB_SELECTED.w, ART_TAB_SELECTED.h);
    const float W = float(p.w);
    // Tabs are 88 px apart; the visible tab leaves a small gap to its neighbours, and its top
    // corners are round while the bottom stays square where it meets the strip.
    auto tab = [](float x0, float y0, float x1, float y1, float r) {
        return [=](float x, float y) {
            return std::max(sd_round_rect(x, y, x0, y0 - r - 1, x1, y1, r), y0 - y);
        };
    };
    if (selected) {
        draw_sdf(p, 0, 0, p.w, p.h, tab(3, 0, W - 3, 25, 5), kOutline);
        draw_sdf(p, 0, 0, p.w, p.h, tab(4, 0, W - 4, 24, 4),
                 [](float, float y) { return vgrad(rgb8(64, 72, 85), rgb8(52, 59, 70), y, 0, 24); });
        draw_sdf(p, 0, 0, p.w, p.h, tab(4, 21, W - 4, 24, 4), kAccentTop);   // accent along the top
    } else {
        draw_sdf(p, 0, 0, p.w, p.h, tab(4, 1, W - 4, 23, 5), rgb8(54, 60, 70));
        draw_sdf(p, 0, 0, p.w, p.h, tab(5, 1, W - 5, 22, 4), rgb8(35, 39, 46));
        for (int x = 4; x < p.w - 4; ++x) p.at(x, 1) = rgb8(54, 60, 70);
    }
    return p;
}

// A rounded square button face, the base of the file button and the picture buttons.
void button_face(Canvas& p, bool lit)
{
    const float W = float(p.w), H = float(p.h);
    if (lit)
        box(p, 1, 1, W - 1, H - 1, 4, kAccentEdge, [H](float, float y) { return vgrad(kAccentTop, kAccentBot, y, 2, H - 2); });
    else
        box(p, 1, 1, W - 1, H - 1, 4, kOutline, [H](float, float y) { return vgrad(kButtonTop, kButtonBot, y, 2, H - 2); });
    shine(p, 3, p.w - 3, p.h - 3, lit ? rgb8(140, 190, 255) : kButtonShine, 0.6f);
}

void folder_glyph(Canvas& p, float x0, float y0, float x1, float y1, RGBA body, RGBA tab)
{
    float tw = (x1 - x0) * 0.42f;
    draw_sdf(p, 0, 0, p.w, p.h, rr(x0, y1 - 3, x0 + tw, y1 + 1, 1.2f), tab);
    draw_sdf(p, 0, 0, p.w, p.h, rr(x0, y0, x1, y1, 1.2f), body);
}

Canvas draw_file_button()
{
    Canvas p(ART_FILE_BUTTON.w, ART_FILE_BUTTON.h);
    button_face(p, false);
    folder_glyph(p, 6, 7, 20, 17, kFolder, kFolderDark);
    for (int x = 7; x < 19; ++x) p.blend(x, 16, rgb8(250, 214, 130), 0.8f);
    return p;
}

Canvas draw_close_box(bool pressed)
{
    Canvas p(16, 16);
    RGBA fill = pressed ? rgb8(226, 84, 78) : rgb8(74, 83, 97);
    RGBA edge = pressed ? rgb8(130, 36, 32) : kOutline;
    draw_sdf(p, 0, 0, 16, 16, [](float x, float y) { return sd_circle(x, y, 8, 8, 7); }, edge);
    draw_sdf(p, 0, 0, 16, 16, [](float x, float y) { return sd_circle(x, y, 8, 8, 6); }, fill);
    RGBA mark = pressed ? kWhite : kGlyph;
    stroke_polyline(p, {{5.2f, 5.2f}, {10.8f, 10.8f}}, 1.6f, mark);
    stroke_polyline(p, {{5.2f, 10.8f}, {10.8f, 5.2f}}, 1.6f, mark);
    return p;
}

// Picture buttons: a face and a light glyph; "lit" turns the face to the accent.
enum class Icon { None, ShowPanel, FolderUp, Minimize };

Canvas draw_icon(Icon icon, bool on, int size = 18)
{
    Canvas p(size, size);
    bool lit = on && icon != Icon::FolderUp;          // the folder button only dims when inactive
    button_face(p, lit);
    RGBA g = lit ? kWhite : (icon == Icon::FolderUp && !on ? kGlyphDim : kGlyph);
    switch (icon) {
    case Icon::None:
        break;
    case Icon::ShowPanel:   // an instrument dial: the panel
        draw_sdf(p, 0, 0, p.w, p.h, [](float x, float y) { return std::fabs(sd_circle(x, y, 9, 9, 5.2f)) - 0.75f; }, g);
        stroke_polyline(p, {{9, 9}, {12.2f, 11.6f}}, 1.5f, g);
        draw_sdf(p, 0, 0, p.w, p.h, [](float x, float y) { return sd_circle(x, y, 9, 9, 1.3f); }, g);
        for (float a : {200.f, 270.f, 340.f}) {   // scale marks round the lower half
            float ca = std::cos(a * 3.14159265f / 180.f), sa = std::sin(a * 3.14159265f / 180.f);
            stroke_polyline(p, {{9 + 2.6f * ca, 9 + 2.6f * sa}, {9 + 3.4f * ca, 9 + 3.4f * sa}}, 1.f, g);
        }
        break;
    case Icon::FolderUp: {  // a folder with an arrow pointing up out of it
        folder_glyph(p, 3.5f, 4, 14.5f, 11, on ? kFolder : kGlyphDim, on ? kFolderDark : rgb8(90, 98, 112));
        Shape a;
        a.polygon({{9, 15.5f}, {5.5f, 11.5f}, {7.8f, 11.5f}, {7.8f, 6.5f}, {10.2f, 6.5f}, {10.2f, 11.5f}, {12.5f, 11.5f}});
        Canvas m = shape_mask(a, p.w, p.h);
        draw_grown(p, m, 1.f, lit ? kAccentBot : kButtonBot);
        fill_shape(p, a, g);
        break;
    }
    case Icon::Minimize:    // a bar at the bottom: fold the box away
        draw_sdf(p, 0, 0, p.w, p.h, rr(5, 5, 13, 7, 0.8f), g);
        break;
    }
    return p;
}

Canvas draw_scroll_part(int which)   // 0 up arrow, 1 down arrow, 2 thumb
{
    Canvas p(20, 20);
    if (which == 2) {
        box(p, 4, 2, 16, 18, 5, kOutline, [](float x, float) { return vgrad(rgb8(150, 160, 176), rgb8(118, 128, 144), x, 4, 16); });
        for (int y = 7; y <= 13; y += 3)
            for (int x = 7; x <= 12; ++x) p.blend(x, y, rgb8(80, 88, 102), 0.9f);
        return p;
    }
    draw_sdf(p, 0, 0, 20, 20, [](float x, float y) { return sd_circle(x, y, 10, 10, 8); }, kOutline);
    draw_sdf(p, 0, 0, 20, 20, [](float x, float y) { return sd_circle(x, y, 10, 10, 7); },
             [](float, float y) { return vgrad(kButtonTop, kButtonBot, y, 3, 17); });
    Shape tri;
    if (which == 0) tri.polygon({{10, 14}, {5.5f, 8}, {14.5f, 8}});
    else            tri.polygon({{10, 6}, {5.5f, 12}, {14.5f, 12}});
    fill_shape(p, tri, kGlyph);
    return p;
}

void draw_list_icons(Canvas& sheet)
{
    auto at = [&](const ART_rect& r, std::initializer_list<const char*> rows,
                  std::initializer_list<std::pair<char, RGBA>> pal) {
        Canvas p(r.w, r.h);
        pixels(p, 0, r.h - 1, rows, pal);
        stamp(sheet, p, r.s, r.t);
    };
    RGBA y = kFolder, Y = kFolderDark;
    at(ART_LIST_ICON_FOLDER,
       {"..........", "YYYY......", "YyyyYYYYYY", "Yyyyyyyyyy", "Yyyyyyyyyy", "Yyyyyyyyyy", "Yyyyyyyyyy",
        "YYYYYYYYYY", "..........", ".........."},
       {{'y', y}, {'Y', Y}});
    RGBA b = swatch(40);
    at(ART_LIST_ICON_AIRCRAFT,
       {"....bb....", "....bb....", "....bb....", "bbbbbbbbbb", ".bbbbbbbb.", "....bb....", "....bb....",
        "...bbbb...", "....bb....", ".........."},
       {{'b', b}});
    RGBA g = rgb8(150, 220, 160);
    at(ART_LIST_ICON_AIRFOIL,
       {"..........", "..........", "..........", "..gggg....", ".ggggggg..", "gggggggggg", ".gggg.....",
        "..........", "..........", ".........."},
       {{'g', g}});
    RGBA o = swatch(41), w = rgb8(220, 226, 234);
    at(ART_LIST_ICON_WEAPON,
       {"..........", "..........", "oo........", ".owwwwww..", "owwwwwwwww", ".owwwwww..", "oo........",
        "..........", "..........", ".........."},
       {{'o', o}, {'w', w}});
    RGBA f = rgb8(150, 160, 174), s = rgb8(120, 200, 255), m = rgb8(110, 190, 120), u = rgb8(255, 214, 110);
    at(ART_LIST_ICON_BITMAP,
       {"ffffffffff", "fssssssuuf", "fssssssuuf", "fssssssssf", "fsssmssssf", "fssmmmsssf", "fsmmmmmmsf",
        "fmmmmmmmmf", "ffffffffff", ".........."},
       {{'f', f}, {'s', s}, {'m', m}, {'u', u}});
    RGBA d = rgb8(200, 207, 217), D = rgb8(140, 150, 164);
    at(ART_LIST_ICON_FILE,
       {".dddddD...", ".dddddDD..", ".dddddDDD.", ".ddddddddd", ".dDDDDDDdd", ".ddddddddd", ".dDDDDDDdd",
        ".ddddddddd", ".ddddddddd", ".........."},
       {{'d', d}, {'D', D}});
}

//=== cursors ================================================================================
// White shapes with a dark outline and a faint shadow, so they read on light and dark alike.
// The cell is drawn centred on the mouse, so the hot spot of every cursor is the cell centre.
Canvas cursor_from(const Shape& s)
{
    Canvas m = shape_mask(s, 30, 30);
    Canvas p(30, 30);
    draw_grown(p, m, 1.6f, with_alpha(kShadow, 0.35f), 1, -1);
    draw_grown(p, m, 1.0f, rgb8(10, 12, 14));
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 30; ++x) p.blend(x, y, kWhite, m.at(x, y).a);
    return p;
}

// A double-headed arrow along the x axis, through the centre, rotated by `deg`.
Shape double_arrow(float deg, float len = 12.5f)
{
    float c = std::cos(deg * 3.14159265f / 180.f), s = std::sin(deg * 3.14159265f / 180.f);
    auto P = [&](float u, float v) { return Pt{15 + u * c - v * s, 15 + u * s + v * c}; };
    Shape sh;
    sh.polygon({P(-len + 5, -1.3f), P(len - 5, -1.3f), P(len - 5, 1.3f), P(-len + 5, 1.3f)});
    sh.polygon({P(len, 0), P(len - 5.5f, 5), P(len - 5.5f, -5)});
    sh.polygon({P(-len, 0), P(-len + 5.5f, -5), P(-len + 5.5f, 5)});
    return sh;
}

Shape four_way_arrow()
{
    Shape sh;
    for (int k = 0; k < 4; ++k) {
        float c = std::cos(k * 3.14159265f / 2), s = std::sin(k * 3.14159265f / 2);
        auto P = [&](float u, float v) { return Pt{15 + u * c - v * s, 15 + u * s + v * c}; };
        sh.polygon({P(0, -1.3f), P(8.5f, -1.3f), P(8.5f, 1.3f), P(0, 1.3f)});
        sh.polygon({P(13, 0), P(8, 4.5f), P(8, -4.5f)});
    }
    sh.rect(13.7f, 13.7f, 16.3f, 16.3f);
    return sh;
}

Shape crosshair()
{
    Shape sh;
    sh.rect(14, 3, 16, 11.5f).rect(14, 18.5f, 16, 27).rect(3, 14, 11.5f, 16).rect(18.5f, 14, 27, 16);
    sh.rect(14.25f, 14.25f, 15.75f, 15.75f);
    return sh;
}

Shape rotate_arrows()
{
    Shape sh;
    // Two arcs going round the centre, each ending in an arrow head: turn the model.
    sh.arc_band(15, 15, 6.5f, 9, 20, 160);
    sh.arc_band(15, 15, 6.5f, 9, 200, 340);
    auto head = [&](float deg) {
        float a = deg * 3.14159265f / 180.f;
        float cx = 15 + 7.75f * std::cos(a), cy = 15 + 7.75f * std::sin(a);
        float tx = -std::sin(a), ty = std::cos(a);                // counter-clockwise tangent
        float nx = std::cos(a), ny = std::sin(a);
        sh.polygon({{cx + tx * 5.5f, cy + ty * 5.5f}, {cx + nx * 4.5f, cy + ny * 4.5f}, {cx - nx * 4.5f, cy - ny * 4.5f}});
    };
    head(160);
    head(340);
    return sh;
}

Shape magnifier()
{
    Shape sh;
    sh.arc_band(13.5f, 16.5f, 5.2f, 7.6f, 0, 360);
    sh.capsule(19, 11, 24, 6, 2.2f);
    // the plus inside the lens
    sh.rect(12.6f, 13.8f, 14.4f, 19.2f).rect(10.8f, 15.6f, 16.2f, 17.4f);
    return sh;
}

// Hands: a palm with fingers as capsules. `spread` open fingers, or short curled ones.
Shape hand(int kind)    // 0 open, 1 grabbing, 2 pointing, 3 pointing pressed
{
    Shape sh;
    const float px0 = 9.5f, px1 = 21.5f;
    float py0 = kind >= 2 ? 3.5f : 6.5f, py1 = py0 + 10.f;
    sh.rect(px0, py0, px1, py1, 3.5f);
    const float fx[4] = {11.2f, 14.2f, 17.2f, 20.0f};
    if (kind == 0) {
        const float top[4] = {25.5f, 27.f, 26.f, 23.5f};
        for (int i = 0; i < 4; ++i) sh.capsule(fx[i], py1 - 1, fx[i] + (i - 1.5f) * 0.6f, top[i], 1.35f);
        sh.capsule(10, 10, 5.5f, 15.5f, 1.5f);                   // thumb out to the side
    } else if (kind == 1) {
        for (int i = 0; i < 4; ++i) sh.capsule(fx[i], py1 - 1, fx[i], py1 + 1.2f, 1.35f);
        sh.capsule(10, 10, 7.5f, 13, 1.5f);
    } else {
        // Pointing: the index finger up, the others curled; pressed, the finger bends a little.
        float tip = kind == 2 ? 26.5f : 24.5f;
        sh.capsule(fx[0], py1 - 1, fx[0], tip, 1.35f);
        for (int i = 1; i < 4; ++i) sh.capsule(fx[i], py1 - 1, fx[i], py1 + 1.f, 1.35f);
        sh.capsule(10, 8, 7.f, 11.5f, 1.5f);
    }
    return sh;
}

void draw_cursors(Canvas& sheet)
{
    auto put = [&](const ART_rect& r, const Shape& s) { stamp(sheet, cursor_from(s), r.s, r.t); };
    put(ART_CURSOR_MOVE, four_way_arrow());
    put(ART_CURSOR_RESIZE_H, double_arrow(0));
    put(ART_CURSOR_RESIZE_V, double_arrow(90));
    put(ART_CURSOR_RESIZE_NWSE, double_arrow(-45, 11.5f));
    put(ART_CURSOR_RESIZE_NESW, double_arrow(45, 11.5f));
    put(ART_CURSOR_CROSSHAIR, crosshair());
    put(ART_CURSOR_ROTATE, rotate_arrows());
    put(ART_CURSOR_ZOOM, magnifier());
    put(ART_CURSOR_HAND_OPEN, hand(0));
    put(ART_CURSOR_HAND_GRAB, hand(1));
    put(ART_CURSOR_POINT, hand(2));
    put(ART_CURSOR_POINT_PRESS, hand(3));
}

//=== swatches ===============================================================================
void draw_swatches(Canvas& sheet)
{
    const int half = ART_SWATCH_BLOCK / 2;
    for (const ART_swatch& w : ART_SWATCHES)
        sheet.fill_rect(w.s - half, w.t - half, ART_SWATCH_BLOCK, ART_SWATCH_BLOCK, rgb8(w.r, w.g, w.b));
}

}   // namespace

Canvas draw_interface_sheet(const PixelFont& prop, const PixelFont& mono)
{
    Canvas sheet(ART_SHEET_SIZE, ART_SHEET_SIZE);
    draw_face(sheet, prop, ART_FONT_PROP_S, ART_FONT_PROP_T);
    draw_face(sheet, mono, ART_FONT_MONO_S, ART_FONT_MONO_T);

    for (const ART_bar& b : ART_BARS) stamp(sheet, draw_bar(b.style), b.s, b.t);
    stamp(sheet, draw_scroll_track(), ART_BAR_VERT6.s, ART_BAR_VERT6.t);
    for (const ART_panel& p : ART_PANELS) stamp(sheet, draw_panel(p.style), p.s, p.t);

    stamp(sheet, draw_check(false, false), ART_CHECK_BOX.s, ART_CHECK_BOX.t);
    stamp(sheet, draw_check(true, false), ART_CHECK_TICK.s, ART_CHECK_TICK.t);
    stamp(sheet, draw_check(false, true), ART_RADIO_BOX.s, ART_RADIO_BOX.t);
    stamp(sheet, draw_check(true, true), ART_RADIO_DOT.s, ART_RADIO_DOT.t);

    // The digit arrows: the ink sits over the digit (column 6) and one row clear of the box.
    stamp(sheet, draw_arrow(10, 10, 6, 7, 4, true, kGlyph), ART_ARROW_INC.s, ART_ARROW_INC.t);
    stamp(sheet, draw_arrow(10, 10, 6, 6, 4, false, kGlyph), ART_ARROW_DEC.s, ART_ARROW_DEC.t);
    stamp(sheet, draw_arrow(10, 10, 6, 9, 3, true, kGlyph), ART_ARROW_INC_SMALL.s, ART_ARROW_INC_SMALL.t);
    stamp(sheet, draw_arrow(10, 10, 6, 4, 3, false, kGlyph), ART_ARROW_DEC_SMALL.s, ART_ARROW_DEC_SMALL.t);
    for (int k = 0; k < ART_ARROW_ROW_CELLS; k++) {
        stamp(sheet, draw_arrow(10, 10, 6, 7, 4, true, kGlyph), ART_ARROW_ROW_INC.s + 10 * k, ART_ARROW_ROW_INC.t);
        stamp(sheet, draw_arrow(10, 10, 6, 6, 4, false, kGlyph), ART_ARROW_ROW_DEC.s + 10 * k, ART_ARROW_ROW_DEC.t);
        stamp(sheet, draw_arrow(10, 10, 6, 9, 3, true, kGlyph), ART_ARROW_ROW_INC_SMALL.s + 10 * k, ART_ARROW_ROW_INC_SMALL.t);
        stamp(sheet, draw_arrow(10, 10, 6, 4, 3, false, kGlyph), ART_ARROW_ROW_DEC_SMALL.s + 10 * k, ART_ARROW_ROW_DEC_SMALL.t);
    }

    stamp(sheet, draw_tab(true), ART_TAB_SELECTED.s, ART_TAB_SELECTED.t);
    stamp(sheet, draw_tab(false), ART_TAB_UNSELECTED.s, ART_TAB_UNSELECTED.t);
    stamp(sheet, draw_file_button(), ART_FILE_BUTTON.s, ART_FILE_BUTTON.t);
    stamp(sheet, draw_close_box(false), ART_CLOSE_BOX.s, ART_CLOSE_BOX.t);
    stamp(sheet, draw_close_box(true), ART_CLOSE_BOX_PRESSED.s, ART_CLOSE_BOX_PRESSED.t);

    stamp(sheet, draw_icon(Icon::ShowPanel, false), ART_ICON_SHOW_PANEL_OFF.s, ART_ICON_SHOW_PANEL_OFF.t);
    stamp(sheet, draw_icon(Icon::ShowPanel, true), ART_ICON_SHOW_PANEL_ON.s, ART_ICON_SHOW_PANEL_ON.t);
    stamp(sheet, draw_icon(Icon::FolderUp, false), ART_ICON_FOLDER_UP_OFF.s, ART_ICON_FOLDER_UP_OFF.t);
    stamp(sheet, draw_icon(Icon::FolderUp, true), ART_ICON_FOLDER_UP_ON.s, ART_ICON_FOLDER_UP_ON.t);
    stamp(sheet, draw_icon(Icon::Minimize, false), ART_ICON_MINIMIZE_OFF.s, ART_ICON_MINIMIZE_OFF.t);
    stamp(sheet, draw_icon(Icon::Minimize, true), ART_ICON_MINIMIZE_ON.s, ART_ICON_MINIMIZE_ON.t);
    stamp(sheet, draw_icon(Icon::None, false), ART_PICTURE_FRAME_18.s, ART_PICTURE_FRAME_18.t);
    stamp(sheet, draw_icon(Icon::None, true), ART_PICTURE_FRAME_18_ON.s, ART_PICTURE_FRAME_18_ON.t);
    stamp(sheet, draw_icon(Icon::None, false, 26), ART_PICTURE_FRAME_26.s, ART_PICTURE_FRAME_26.t);
    stamp(sheet, draw_icon(Icon::None, true, 26), ART_PICTURE_FRAME_26_ON.s, ART_PICTURE_FRAME_26_ON.t);

    stamp(sheet, draw_scroll_part(0), ART_SCROLL_UP.s, ART_SCROLL_UP.t);
    stamp(sheet, draw_scroll_part(1), ART_SCROLL_DOWN.s, ART_SCROLL_DOWN.t);
    stamp(sheet, draw_scroll_part(2), ART_SCROLL_THUMB.s, ART_SCROLL_THUMB.t);
    {
        Canvas a(ART_MENU_SUBMENU_ARROW.w, ART_MENU_SUBMENU_ARROW.h);
        for (int i = 0; i < 4; ++i)                      // a triangle pointing right, rows 1..7
            for (int y = 1 + i; y <= 7 - i; ++y) a.set(2 + i, y, kGlyph);
        stamp(sheet, a, ART_MENU_SUBMENU_ARROW.s, ART_MENU_SUBMENU_ARROW.t);
    }
    draw_list_icons(sheet);
    draw_cursors(sheet);
    draw_swatches(sheet);
    return sheet;
}
