// OGL_layout.cpp -- the drawing code's half that needs no GL: the renderer record, the palette,
// text layout and the measurements of the interface sheet. The headless tests run these.
#include "draw/HL_DRPLANE.h"
#include "draw/HL_GRAPH.h"
#include "draw/HL_BITMAP.h"
#include "draw/art_layout.h"
#include "base/alert.h"
#include "base/HL_MATH_FUN.h"
#include <algorithm>
#include <cmath>
#include <cstring>

ren_struct ren;
void (*OGL_swap_window)(void);

float col_rgb[OGL_NUM_COLORS][3];
float r_manual_lighting = 1.0f, g_manual_lighting = 1.0f, b_manual_lighting = 1.0f;

//=== palette ================================================================================
struct fixed_color { int slot; float r, g, b; };
static const fixed_color s_fixed_colors[] = {
    { 0, 1.0f, 1.0f, 1.0f}, { 1, 0.8f, 0.0f, 0.0f}, { 2, 1.0f, 1.0f, 0.2f}, { 3, 0.9f, 0.9f, 0.9f},
    { 4, 0.7f, 0.7f, 0.7f}, { 5, 0.4f, 0.0f, 0.0f}, { 6, 1.0f, 1.0f, 0.0f}, { 7, 0.9f, 0.9f, 1.0f},
    { 8, 0.3f, 0.3f, 0.3f}, { 9, 0.2f, 0.0f, 0.0f}, {10, 1.0f, 0.8f, 0.2f}, {11, 0.9f, 0.9f, 0.9f},
    {12, 0.1f, 0.1f, 0.1f}, {13, 0.0f, 0.8f, 0.0f}, {14, 0.1f, 0.1f, 0.1f}, {15, 0.0f, 0.0f, 0.0f},
    {16, 0.4f, 0.4f, 1.0f}, {17, 1.0f, 0.1f, 0.1f}, {18, 0.0f, 0.0f, 0.6f},
    {19, 0, 0, 0}, {20, 0, 0, 0}, {21, 0, 0, 0}, {25, 0, 0, 0}, {26, 0, 0, 0},
    {22, 1, 1, 1}, {23, 1, 1, 1}, {24, 1, 1, 1}, {27, 1, 1, 1}, {28, 1, 1, 1}, {29, 1, 1, 1},
    {45, 1.0f, 1.0f, 1.0f}, {46, 0.1f, 1.0f, 0.1f}, {47, 1.0f, 0.4f, 0.4f}, {48, 1.0f, 1.0f, 0.6f},
    {49, 0.6f, 0.6f, 1.0f}, {50, 1.0f, 0.5f, 0.0f}, {51, 0.8f, 0.8f, 0.8f}, {52, 0.0f, 0.8f, 0.0f},
    {53, 1.0f, 0.2f, 0.2f}, {54, 1.0f, 1.0f, 0.2f}, {55, 0.4f, 0.4f, 1.0f}, {56, 0.5f, 0.3f, 0.0f},
    {57, 0.5f, 0.5f, 0.5f}, {58, 0.0f, 0.6f, 0.0f}, {59, 0.6f, 0.2f, 0.0f}, {60, 1.0f, 1.0f, 0.0f},
    {61, 0.2f, 0.2f, 0.8f}, {62, 0.8f, 0.0f, 0.8f}, {63, 0.2f, 0.2f, 0.2f}, {64, 0.0f, 0.2f, 0.0f},
    {65, 0.6f, 0.6f, 0.0f}, {66, 0.15f, 0.15f, 0.6f}, {67, 1.0f, 0.2f, 1.0f}, {68, 0.0f, 0.0f, 0.0f},
    {69, 0.0f, 0.1f, 0.0f}, {70, 0.49f, 0.43f, 0.24f},
    {87, 0.5f, 0.5f, 0.4f}, {88, 1.0f, 0.3f, 0.0f}, {89, 0.5f, 0.5f, 0.4f}, {90, 0.8f, 0.8f, 0.7f},
    {91, 1.0f, 1.0f, 0.9f},
};

void OGL_fixed_palette(void)
{
    memset(col_rgb, 0, sizeof col_rgb);
    for (const fixed_color& c : s_fixed_colors) OGL_assigncolor(c.slot, c.r, c.g, c.b);
}

void OGL_assigncolor(int index, float r, float g, float b)
{
    if (index < 0 || index >= OGL_NUM_COLORS) return;
    col_rgb[index][0] = r; col_rgb[index][1] = g; col_rgb[index][2] = b;
}

//=== fonts ==================================================================================
static const OGL_charset s_charsets[4] = {
    {REN_TEX_INTERFACE,   0, 0,  8, 11, 21,  0},   // 100 proportional
    {REN_TEX_INTERFACE, 168, 0,  8, 11, 21,  6},   // 101 narrow numbers
    {REN_TEX_INTERFACE, 168, 0,  8, 11, 21, 10},   // 102 wide numbers
    {REN_TEX_KOREAN,      0, 0, 13, 13, 40, 15},   // 103 Korean, two bytes a glyph
};

const OGL_charset& OGL_charset_of(int charset)
{
    if (charset < 100 || charset > 103)
        MACIBM_alert(0, "String proc with bad charset!", "", "", "", 17);
    return s_charsets[charset - 100];
}

int OGL_charset_advance(int charset) { return OGL_charset_of(charset).advance; }

int OGL_glyph_cell(unsigned char c)
{
    if (c == ' ') return 0;
    if (c >= '0' && c <= '9') return 1 + (c - '0');
    if (c >= 'A' && c <= 'Z') return 11 + 2 * (c - 'A');
    if (c >= 'a' && c <= 'z') return 12 + 2 * (c - 'a');
    static const char punct[] = "!@#$%^&*()-_+=[]|\\':;<.>,?/`";
    const char* p = c ? strchr(punct, c) : nullptr;
    return p ? 63 + (int)(p - punct) : -1;
}

float chr_dx(char ch) { return (float)ART_glyph_advance(ch); }

// Korean text lines keep their Latin units, separators and spaces as plain bytes and carry each
// Hangul glyph as a two-byte Korean sheet cell whose first byte is a control character (any but
// tab, line feed and carriage return, which stay what they are). So one string mixes both, and
// every label, list and help line is drawn and measured right in whatever charset it is given.
int OGL_korean_pair_start(unsigned char c) { return c >= 1 && c < 32 && c != '\t' && c != '\n' && c != '\r'; }

// In charset 103 any byte but printable ASCII starts a glyph pair, as the menus write them.
static bool pair_starts(int charset, unsigned char c)
{
    return charset == 103 ? (c < ' ' || c > '~') && c != '\t' && c != '\n' && c != '\r' : charset == 100 && OGL_korean_pair_start(c);
}

float str_dx(const char* s)
{
    float w = 0;
    for (; s && *s; s++) {
        if (OGL_korean_pair_start((unsigned char)*s) && s[1]) {
            w += (float)s_charsets[3].advance;
            s++;
        } else {
            w += chr_dx(*s);
        }
    }
    return w;
}

// Any two bytes make a Korean cell number, and the last of 40 cells a row runs past the
// 512-texel sheet: only a cell wholly on the sheet is drawn.
static bool cell_on_sheet(const OGL_charset& cs, int cell)
{
    return cs.s + (float)(cell % cs.per_row + 1) * cs.ds <= 512.0f && cs.t + (float)(cell / cs.per_row + 1) * cs.dt <= 512.0f;
}

static bool is_wrap_char(char c) { return c == ' ' || c == '-' || c == '/' || c == ':'; }

// The next word's width as the wrap estimates it: 6 pixels a character, a Korean glyph 15.
static float word_estimate(const char* q, int charset)
{
    float w = 0;
    for (; *q && !is_wrap_char(*q); q++) {
        if (pair_starts(charset, (unsigned char)*q) && q[1]) {
            w += (float)s_charsets[3].advance;
            q++;
        } else {
            w += 6.0f;
        }
    }
    return w;
}

int OGL_layout_string(const char* input, float x0, float y0, float dx, int charset,
                      OGL_glyph* out, int max_out)
{
    const OGL_charset& cs = OGL_charset_of(charset);
    const OGL_charset& korean = s_charsets[3];
    bool wrap = dx < 9999;
    float px = x0, py = y0;
    int n = 0;
    // Wrapped lines are 10 pixels apart, a line with Korean glyphs (13-pixel cells) 14.
    float line_dy = 10;
    for (const char* p = input; wrap && p && *p; p++)
        if (pair_starts(charset, (unsigned char)*p)) { line_dy = 14; break; }
    for (const char* p = input; p && *p; p++) {
        char c = *p;
        if (c == '\n' && wrap) { px = x0; py -= line_dy; continue; }
        if (c == '\r' || c == '\n' || c == '\t') continue;
        if (pair_starts(charset, (unsigned char)c)) {
            if (!p[1]) break;
            int cell = ((unsigned char)p[0] - 1) * 127 + ((unsigned char)p[1] - 1);
            p++;
            if (!cell_on_sheet(korean, cell)) cell = -1;   // drawn as a blank, never read off the sheet
            if (cell >= 0 && n < max_out) out[n++] = {cell, px, py, 1};
            px += (float)korean.advance;
        } else {
            // Charset 103 draws the Latin bytes of a mixed line with the proportional font.
            const OGL_charset& latin = charset == 103 ? s_charsets[0] : cs;
            int cell = OGL_glyph_cell((unsigned char)c);
            if (cell >= 0 && !cell_on_sheet(latin, cell)) cell = -1;
            if (cell >= 0 && n < max_out) out[n++] = {cell, px, py, 0};
            px += latin.advance ? (float)latin.advance : chr_dx(c);
        }
        if (wrap && is_wrap_char(c) && px + word_estimate(p + 1, charset) > x0 + dx) { px = x0; py -= line_dy; }
    }
    return n;
}

// Each glyph's inked rectangle within its cell, in texels from the cell's corner (x1, y1
// exclusive; x0 == x1 for a blank cell), for the sheet's two faces. A glyph's quad covers only
// its ink: the rest of a cell is transparent, so the pixels are the same, with about a third of
// the fragments and no quad at all for a space.
static OGL_glyph_ink s_ink[2][ART_FONT_CELL_COUNT];
static bool      s_ink_known;

// Whether the middle of each bar and panel in the loaded sheet is one texel repeated all along
// its stretch (for a panel: along x, along y). Then one stretched quad draws exactly what the
// row of repeated tiles would, which saves a window frame hundreds of quads.
static bool s_bar_flat[sizeof ART_BARS / sizeof ART_BARS[0]], s_track_flat;
static bool s_panel_flat[sizeof ART_PANELS / sizeof ART_PANELS[0]][2];
// Whether a panel's middle is opaque throughout: then it needs no blending.
static bool s_panel_opaque[sizeof ART_PANELS / sizeof ART_PANELS[0]];
// The colour of a panel middle that is one opaque colour throughout (repeated along both axes):
// such a middle is a plain fill, which a software renderer draws several times faster than the
// same pixels sampled from the sheet.
static unsigned char s_panel_colour[sizeof ART_PANELS / sizeof ART_PANELS[0]][4];

// Every texel of [s1, s2) x [t1, t2) draws like the first of its row (along x) or column (along
// y): the same colour and opacity, or both fully transparent (whatever colour edge bleeding
// gave them, they draw nothing).
static bool repeats(const unsigned char* rgba, int w, int h, int s1, int t1, int s2, int t2, bool along_x)
{
    s2 = std::min(s2, w);                   // beyond the sheet the edge texels are drawn again
    t2 = std::min(t2, h);
    if (s1 < 0 || t1 < 0 || s1 >= s2 || t1 >= t2) return false;
    auto at = [&](int s, int t) { return rgba + ((size_t)t * w + s) * 4; };
    for (int t = t1; t < t2; t++)
        for (int s = s1; s < s2; s++) {
            const unsigned char *a = at(s, t), *b = along_x ? at(s1, t) : at(s, t1);
            if (memcmp(a, b, 4) != 0 && (a[3] || b[3])) return false;
        }
    return true;
}

// For a panel whose middle is one opaque colour: its tile's transparent margins and the largest
// rectangle of that colour, as insets (left, right, bottom, top) from the tile's edges. Only the
// ring between them needs the sheet and blending; the rest is a plain fill. A frame's border
// tiles are mostly margin and middle colour, so this takes most of a window's textured fill off
// a software renderer. (A field's box gains nothing from the same cut: its ring is so thin that
// the renderer's cost per quad outweighs the texels saved.)
struct tile_insets { bool known; int outer[4], inner[4]; };
static tile_insets s_panel_insets[sizeof ART_PANELS / sizeof ART_PANELS[0]];

// The margins of the n x n tile at (s0, t0), no deeper than b, and the rectangle grown out of
// [b, n - b) on both axes while every texel it takes in has the colour of texel (b, b).
static tile_insets measure_insets(const unsigned char* rgba, int w, int s0, int t0, int n, int b)
{
    auto at = [&](int u, int v) { return rgba + ((size_t)(t0 + v) * w + s0 + u) * 4; };
    auto clear_column = [&](int u) { for (int v = 0; v < n; v++) if (at(u, v)[3]) return false; return true; };
    auto clear_row = [&](int v) { for (int u = 0; u < n; u++) if (at(u, v)[3]) return false; return true; };
    tile_insets t{true, {0, 0, 0, 0}, {}};
    int* o = t.outer;
    while (o[0] < b && clear_column(o[0])) o[0]++;
    while (o[1] < b && clear_column(n - 1 - o[1])) o[1]++;
    while (o[2] < b && clear_row(o[2])) o[2]++;
    while (o[3] < b && clear_row(n - 1 - o[3])) o[3]++;

    const unsigned char* m = at(b, b);
    auto same = [&](int u1, int u2, int v1, int v2) {          // [u1, u2) x [v1, v2) all the middle's colour
        for (int v = v1; v < v2; v++)
            for (int u = u1; u < u2; u++)
                if (memcmp(at(u, v), m, 4) != 0) return false;
        return true;
    };
    int l = b, r = n - b, lo = b, hi = n - b;                  // the rectangle [l, r) x [lo, hi)
    for (bool grew = true; grew;) {
        grew = false;
        if (l > o[0] && same(l - 1, l, lo, hi)) { l--; grew = true; }
        if (r < n - o[1] && same(r, r + 1, lo, hi)) { r++; grew = true; }
        if (lo > o[2] && same(l, r, lo - 1, lo)) { lo--; grew = true; }
        if (hi < n - o[3] && same(l, r, hi, hi + 1)) { hi++; grew = true; }
    }
    t.inner[0] = l;
    t.inner[1] = n - r;
    t.inner[2] = lo;
    t.inner[3] = n - hi;
    return t;
}

void OGL_measure_sheet(const unsigned char* rgba, int w, int h)
{
    s_ink_known = false;
    s_track_flat = false;
    for (bool& f : s_bar_flat) f = false;
    for (auto& f : s_panel_flat) f[0] = f[1] = false;
    for (bool& f : s_panel_opaque) f = false;
    if (!rgba) return;
    for (size_t i = 0; i < sizeof ART_BARS / sizeof ART_BARS[0]; i++) {
        const ART_bar& b = ART_BARS[i];
        s_bar_flat[i] = repeats(rgba, w, h, b.s + b.cap, b.t, b.s + b.src - b.cap, b.t + b.height, true);
    }
    const ART_bar& v = ART_BAR_VERT6;
    s_track_flat = repeats(rgba, w, h, v.s, v.t + v.cap, v.s + v.height, v.t + v.src - v.cap, false);
    for (size_t i = 0; i < sizeof ART_PANELS / sizeof ART_PANELS[0]; i++) {
        const ART_panel& p = ART_PANELS[i];
        const int b = ART_panel_border(p.size);
        s_panel_flat[i][0] = repeats(rgba, w, h, p.s + b, p.t, p.s + p.size - b, p.t + p.size, true);
        s_panel_flat[i][1] = repeats(rgba, w, h, p.s, p.t + b, p.s + p.size, p.t + p.size - b, false);
        bool opaque = p.s + p.size <= w && p.t + p.size <= h;
        for (int t = p.t + b; t < p.t + p.size - b && opaque; t++)
            for (int s = p.s + b; s < p.s + p.size - b; s++)
                if (rgba[((size_t)t * w + s) * 4 + 3] != 255) { opaque = false; break; }
        s_panel_opaque[i] = opaque;
        if (opaque) memcpy(s_panel_colour[i], rgba + ((size_t)(p.t + b) * w + p.s + b) * 4, 4);
        s_panel_insets[i] = {};
        if (opaque && s_panel_flat[i][0] && s_panel_flat[i][1])
            s_panel_insets[i] = measure_insets(rgba, w, p.s, p.t, p.size, b);
    }
    for (int face = 0; face < 2; face++)
        for (int cell = 0; cell < ART_FONT_CELL_COUNT; cell++) {
            const ART_rect r = face == 0 ? ART_font_cell(ART_FONT_PROP_S, ART_FONT_PROP_T, cell)
                                         : ART_font_cell(ART_FONT_MONO_S, ART_FONT_MONO_T, cell);
            if (r.s + r.w > w || r.t + r.h > h) return;
            OGL_glyph_ink ink{(signed char)r.w, (signed char)r.h, 0, 0};
            for (int y = 0; y < r.h; y++)
                for (int x = 0; x < r.w; x++)
                    if (rgba[((size_t)(r.t + y) * w + r.s + x) * 4 + 3]) {
                        ink.x0 = std::min<signed char>(ink.x0, (signed char)x);
                        ink.y0 = std::min<signed char>(ink.y0, (signed char)y);
                        ink.x1 = std::max<signed char>(ink.x1, (signed char)(x + 1));
                        ink.y1 = std::max<signed char>(ink.y1, (signed char)(y + 1));
                    }
            if (ink.x1 == 0) ink = {0, 0, 0, 0};
            s_ink[face][cell] = ink;
        }
    s_ink_known = true;
}

int OGL_bar_middle_repeats(int style)
{
    if (style == ART_BAR_VERT6.style) return s_track_flat;
    const ART_bar* b = ART_find_bar(style);
    return b ? s_bar_flat[b - ART_BARS] : 0;
}

int OGL_panel_middle_opaque(int style)
{
    const ART_panel* p = ART_find_panel(style);
    return p ? s_panel_opaque[p - ART_PANELS] : 0;
}

int OGL_panel_middle_colour(int style, unsigned char* rgba)
{
    const ART_panel* p = ART_find_panel(style);
    if (!p) return 0;
    const size_t i = p - ART_PANELS;
    if (!s_panel_opaque[i] || !s_panel_flat[i][0] || !s_panel_flat[i][1]) return 0;
    memcpy(rgba, s_panel_colour[i], 4);
    return 1;
}

int OGL_panel_insets(int style, int outer[4], int inner[4], unsigned char rgba[4])
{
    if (!OGL_panel_middle_colour(style, rgba)) return 0;
    const tile_insets& t = s_panel_insets[ART_find_panel(style) - ART_PANELS];
    memcpy(outer, t.outer, sizeof t.outer);
    memcpy(inner, t.inner, sizeof t.inner);
    return t.known;
}

int OGL_panel_middle_repeats(int style, int along_y)
{
    const ART_panel* p = ART_find_panel(style);
    return p ? s_panel_flat[p - ART_PANELS][along_y ? 1 : 0] : 0;
}

const OGL_glyph_ink* OGL_ink_of(int face, int cell)
{
    if (!s_ink_known || face < 0 || face > 1 || cell < 0 || cell >= ART_FONT_CELL_COUNT) return nullptr;
    return &s_ink[face][cell];
}

int OGL_layout_number(float input, float x0, float y0, int dig, int dec, int charset,
                      OGL_glyph* out, int max_out)
{
    if (charset != 101 && charset != 102)
        MACIBM_alert(0, "Numbers must be mono-spaced!",
                     "This is because we increment by a constant step size for each digit.", "", "", 17);
    const float a = (float)OGL_charset_of(charset).advance;
    int n = 0;
    auto put = [&](int cell, float x, float y) { if (n < max_out) out[n++] = {cell, x, y, 0}; };
    auto cell_x = [&](int k) { return x0 + (k - 1) * a; };

    double v = std::fabs((double)input);
    double scaled = v * std::pow(10.0, dec);
    static const double steps[] = {9, 99, 999, 9999, 99999, 999999, 9999999, 1e8, 1e9};
    int needed = 1;
    for (double s : steps) if (scaled > s) needed++;

    if (input < 0 && scaled > 0.1) put(OGL_glyph_cell('-'), x0 - a + 1, y0);

    if (dig < needed) {
        int e = 2;
        while (v >= 999) { v /= 10; e++; }
        int m = (int)std::lround(v);
        put(OGL_glyph_cell((unsigned char)('0' + (m / 100) % 10)), cell_x(1), y0);
        put(OGL_glyph_cell((unsigned char)('0' + (m / 10) % 10)), cell_x(2), y0);
        put(OGL_glyph_cell((unsigned char)('0' + m % 10)), cell_x(3), y0);
        put(OGL_glyph_cell('.'), x0 - a + 1.5f * a + 2, y0 - 1);
        put(OGL_glyph_cell('x'), cell_x(4), y0);
        put(OGL_glyph_cell((unsigned char)(e < 10 ? '0' + e : '0')), cell_x(5), y0);
        return n;
    }
    double r = scaled + 0.5;
    int cells = dig < 11 ? dig : 11;
    for (int k = 1; k <= cells; k++) {
        double d = std::fmod(std::trunc(r / std::pow(10.0, cells - k)), 10.0);
        put(OGL_glyph_cell((unsigned char)('0' + (int)d)), cell_x(k), y0);
    }
    if (dec > 0) put(OGL_glyph_cell('.'), x0 - a + a * (dig - dec + 0.5f), y0);
    for (int group = 3; group <= 9; group += 3)
        if (dig - dec > group) put(OGL_glyph_cell(','), x0 - a + a * (dig - dec - group + 0.5f), y0);
    return n;
}

//=== interface colours from the art sheet ===================================================
// The sheet carries one swatch texel per interface colour, so restyling the interface means
// redrawing the sheet, never touching code.
void OGL_palette_from_sheet(const unsigned char* rgba, int sheet_dx)
{
    for (const ART_swatch& w : ART_SWATCHES) {
        const unsigned char* p = rgba + 4 * ((size_t)w.t * sheet_dx + w.s);
        OGL_assigncolor(w.slot, p[0] / 255.0f, p[1] / 255.0f, p[2] / 255.0f);
    }
    for (int c = 0; c < 3; c++) col_rgb[35][c] = (col_rgb[31][c] + col_rgb[34][c]) * 0.5f;
}

void OGL_reset(void)
{
    memset(&ren, 0, sizeof ren);
    memset(&plg, 0, sizeof plg);
    memset(col_rgb, 0, sizeof col_rgb);
    r_manual_lighting = g_manual_lighting = b_manual_lighting = 1.0f;
    OGL_measure_sheet(nullptr, 0, 0);
    OGL_texbmp_progress = nullptr;
    OGL_swap_window = nullptr;
    OGL_forget_state();
}
