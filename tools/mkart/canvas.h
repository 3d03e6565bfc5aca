// canvas.h -- the little raster library the art generator paints with.
// Pixels are straight (not premultiplied) RGBA floats 0..1, addressed (x, y) with y = 0 the
// BOTTOM row: the sheets are consumed bottom row first, so every coordinate in the layout
// header can be used here as it stands. Shapes are anti-aliased from signed distances.
#pragma once
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

struct RGBA {
    float r = 0, g = 0, b = 0, a = 0;
};

constexpr RGBA rgb8(int r, int g, int b, float a = 1.f)
{
    return RGBA{r / 255.f, g / 255.f, b / 255.f, a};
}
RGBA mix(RGBA p, RGBA q, float t);             // straight lerp of all four channels
RGBA with_alpha(RGBA c, float a);

struct Canvas {
    int w = 0, h = 0;
    std::vector<RGBA> px;

    Canvas() = default;
    Canvas(int w_, int h_, RGBA fill = {}) : w(w_), h(h_), px(size_t(w_) * h_, fill) {}
    RGBA&       at(int x, int y) { return px[size_t(y) * w + x]; }
    const RGBA& at(int x, int y) const { return px[size_t(y) * w + x]; }
    bool        inside(int x, int y) const { return x >= 0 && y >= 0 && x < w && y < h; }

    void blend(int x, int y, RGBA c, float cover = 1.f);    // "over", c.a scaled by cover
    void set(int x, int y, RGBA c) { if (inside(x, y)) at(x, y) = c; }
    void fill_rect(int x, int y, int dx, int dy, RGBA c);   // replaces, no blending
    void clear_rect(int x, int y, int dx, int dy) { fill_rect(x, y, dx, dy, RGBA{}); }
    // Copies a block of another canvas in unchanged (used to repeat tiles exactly).
    void copy_from(const Canvas& src, int sx, int sy, int dx, int dy, int w_, int h_);
};

//=== signed-distance shapes (negative inside, in pixels) ====================================
float sd_round_rect(float x, float y, float x0, float y0, float x1, float y1, float r);
float sd_circle(float x, float y, float cx, float cy, float r);
float sd_segment(float x, float y, float ax, float ay, float bx, float by);   // distance, >= 0

// Paints the shape described by a signed distance over the clip box [x0,x1) x [y0,y1), with
// one pixel of anti-aliasing. `paint` gives the colour at each pixel centre, so gradients
// and bevels are just functions.
using SdfFn   = std::function<float(float x, float y)>;
using PaintFn = std::function<RGBA(float x, float y)>;
void draw_sdf(Canvas& c, int x0, int y0, int x1, int y1, const SdfFn& sdf, const PaintFn& paint);
void draw_sdf(Canvas& c, int x0, int y0, int x1, int y1, const SdfFn& sdf, RGBA colour);

// A closed polygon filled with 4 x 4 supersampling (even-odd rule), clipped to the canvas.
struct Pt { float x, y; };
void fill_polygon(Canvas& c, const std::vector<Pt>& poly, const PaintFn& paint);
void fill_polygon(Canvas& c, const std::vector<Pt>& poly, RGBA colour);
// A polyline stroked with round caps and joins, `width` pixels wide.
void stroke_polyline(Canvas& c, const std::vector<Pt>& line, float width, RGBA colour, bool closed = false);

// A shape built as a union of simple parts, less some cut-outs; coverage is taken with 4 x 4
// supersampling, so overlapping parts merge without darker seams.
struct Shape {
    using Test = std::function<bool(float, float)>;
    std::vector<Test> add, cut;
    Shape& polygon(std::vector<Pt> p, bool is_cut = false);
    Shape& capsule(float ax, float ay, float bx, float by, float r, bool is_cut = false);
    Shape& circle(float cx, float cy, float r, bool is_cut = false);
    Shape& rect(float x0, float y0, float x1, float y1, float r = 0, bool is_cut = false);
    // A band r0..r1 around (cx, cy) from angle a0 to a1 (degrees, counter-clockwise).
    Shape& arc_band(float cx, float cy, float r0, float r1, float a0_deg, float a1_deg, bool is_cut = false);
    bool  inside(float x, float y) const;
    float coverage(int px, int py) const;
};
void fill_shape(Canvas& c, const Shape& s, const PaintFn& paint);
void fill_shape(Canvas& c, const Shape& s, RGBA colour);
// Coverage of the shape on a w x h canvas (colour white, alpha = coverage).
Canvas shape_mask(const Shape& s, int w, int h);
// Paints `colour` wherever the mask, grown by `radius` pixels, has coverage: an outline or halo
// drawn before the mask itself.
void draw_grown(Canvas& c, const Canvas& mask, float radius, RGBA colour, int off_x = 0, int off_y = 0);

// Points along a circular arc, angles in degrees counter-clockwise from +x.
std::vector<Pt> arc_points(float cx, float cy, float r, float a0_deg, float a1_deg, int steps);

//=== output =================================================================================
// Both writers take the canvas bottom row first and write the usual top-down PNG or the
// bottom-up BMP; the result depends only on the pixels (no time stamps), so repeated runs
// give identical files.
bool write_png_rgba(const std::string& path, const Canvas& c, int level = 9);   // zlib level
bool write_bmp24(const std::string& path, const Canvas& c);   // alpha dropped
uint8_t to_byte(float v);
