// canvas.cpp -- compositing, anti-aliased shapes and the PNG and BMP writers of the art generator.
#include "tools/mkart/canvas.h"

#include <png.h>

#include <algorithm>
#include <cmath>
#include <cstdio>

RGBA mix(RGBA p, RGBA q, float t)
{
    return RGBA{p.r + (q.r - p.r) * t, p.g + (q.g - p.g) * t, p.b + (q.b - p.b) * t, p.a + (q.a - p.a) * t};
}

RGBA with_alpha(RGBA c, float a)
{
    c.a = a;
    return c;
}

uint8_t to_byte(float v)
{
    v = std::clamp(v, 0.f, 1.f);
    return uint8_t(std::lround(v * 255.f));
}

void Canvas::blend(int x, int y, RGBA c, float cover)
{
    if (!inside(x, y)) return;
    float sa = std::clamp(c.a * cover, 0.f, 1.f);
    if (sa <= 0.f) return;
    RGBA& d  = at(x, y);
    float oa = sa + d.a * (1.f - sa);
    if (oa <= 0.f) { d = RGBA{}; return; }
    d.r = (c.r * sa + d.r * d.a * (1.f - sa)) / oa;
    d.g = (c.g * sa + d.g * d.a * (1.f - sa)) / oa;
    d.b = (c.b * sa + d.b * d.a * (1.f - sa)) / oa;
    d.a = oa;
}

void Canvas::fill_rect(int x, int y, int dx, int dy, RGBA c)
{
    for (int j = y; j < y + dy; ++j)
        for (int i = x; i < x + dx; ++i) set(i, j, c);
}

void Canvas::copy_from(const Canvas& src, int sx, int sy, int dx, int dy, int w_, int h_)
{
    for (int j = 0; j < h_; ++j)
        for (int i = 0; i < w_; ++i)
            if (src.inside(sx + i, sy + j)) set(dx + i, dy + j, src.at(sx + i, sy + j));
}

float sd_round_rect(float x, float y, float x0, float y0, float x1, float y1, float r)
{
    float cx = (x0 + x1) * 0.5f, cy = (y0 + y1) * 0.5f;
    float hx = (x1 - x0) * 0.5f - r, hy = (y1 - y0) * 0.5f - r;
    float qx = std::fabs(x - cx) - hx, qy = std::fabs(y - cy) - hy;
    float ox = std::max(qx, 0.f), oy = std::max(qy, 0.f);
    return std::sqrt(ox * ox + oy * oy) + std::min(std::max(qx, qy), 0.f) - r;
}

float sd_circle(float x, float y, float cx, float cy, float r)
{
    return std::hypot(x - cx, y - cy) - r;
}

float sd_segment(float x, float y, float ax, float ay, float bx, float by)
{
    float px = x - ax, py = y - ay, vx = bx - ax, vy = by - ay;
    float vv = vx * vx + vy * vy;
    float t  = vv > 0 ? std::clamp((px * vx + py * vy) / vv, 0.f, 1.f) : 0.f;
    return std::hypot(px - vx * t, py - vy * t);
}

void draw_sdf(Canvas& c, int x0, int y0, int x1, int y1, const SdfFn& sdf, const PaintFn& paint)
{
    for (int y = std::max(y0, 0); y < std::min(y1, c.h); ++y)
        for (int x = std::max(x0, 0); x < std::min(x1, c.w); ++x) {
            float px = x + 0.5f, py = y + 0.5f;
            float cover = std::clamp(0.5f - sdf(px, py), 0.f, 1.f);
            if (cover > 0.f) c.blend(x, y, paint(px, py), cover);
        }
}

void draw_sdf(Canvas& c, int x0, int y0, int x1, int y1, const SdfFn& sdf, RGBA colour)
{
    draw_sdf(c, x0, y0, x1, y1, sdf, [colour](float, float) { return colour; });
}

static bool point_in_poly(const std::vector<Pt>& p, float x, float y)
{
    bool in = false;
    for (size_t i = 0, j = p.size() - 1; i < p.size(); j = i++) {
        if ((p[i].y > y) != (p[j].y > y)) {
            float xc = p[j].x + (y - p[j].y) * (p[i].x - p[j].x) / (p[i].y - p[j].y);
            if (x < xc) in = !in;
        }
    }
    return in;
}

void fill_polygon(Canvas& c, const std::vector<Pt>& poly, const PaintFn& paint)
{
    if (poly.size() < 3) return;
    float minx = poly[0].x, maxx = minx, miny = poly[0].y, maxy = miny;
    for (const Pt& p : poly) {
        minx = std::min(minx, p.x); maxx = std::max(maxx, p.x);
        miny = std::min(miny, p.y); maxy = std::max(maxy, p.y);
    }
    int x0 = std::max(0, int(std::floor(minx))), x1 = std::min(c.w, int(std::ceil(maxx)) + 1);
    int y0 = std::max(0, int(std::floor(miny))), y1 = std::min(c.h, int(std::ceil(maxy)) + 1);
    for (int y = y0; y < y1; ++y)
        for (int x = x0; x < x1; ++x) {
            int hits = 0;
            for (int sy = 0; sy < 4; ++sy)
                for (int sx = 0; sx < 4; ++sx)
                    hits += point_in_poly(poly, x + (sx + 0.5f) / 4.f, y + (sy + 0.5f) / 4.f);
            if (hits) c.blend(x, y, paint(x + 0.5f, y + 0.5f), hits / 16.f);
        }
}

void fill_polygon(Canvas& c, const std::vector<Pt>& poly, RGBA colour)
{
    fill_polygon(c, poly, [colour](float, float) { return colour; });
}

void stroke_polyline(Canvas& c, const std::vector<Pt>& line, float width, RGBA colour, bool closed)
{
    if (line.empty()) return;
    float minx = line[0].x, maxx = minx, miny = line[0].y, maxy = miny;
    for (const Pt& p : line) {
        minx = std::min(minx, p.x); maxx = std::max(maxx, p.x);
        miny = std::min(miny, p.y); maxy = std::max(maxy, p.y);
    }
    float hw = width * 0.5f;
    size_t n = line.size();
    auto sdf = [&](float x, float y) {
        float d = std::hypot(x - line[0].x, y - line[0].y);
        size_t segs = closed ? n : n - 1;
        for (size_t i = 0; i < segs; ++i) {
            const Pt& a = line[i];
            const Pt& b = line[(i + 1) % n];
            d = std::min(d, sd_segment(x, y, a.x, a.y, b.x, b.y));
        }
        return d - hw;
    };
    draw_sdf(c, int(minx - hw - 2), int(miny - hw - 2), int(maxx + hw + 3), int(maxy + hw + 3), sdf, colour);
}

Shape& Shape::polygon(std::vector<Pt> p, bool is_cut)
{
    (is_cut ? cut : add).push_back([p = std::move(p)](float x, float y) { return point_in_poly(p, x, y); });
    return *this;
}

Shape& Shape::capsule(float ax, float ay, float bx, float by, float r, bool is_cut)
{
    (is_cut ? cut : add).push_back([=](float x, float y) { return sd_segment(x, y, ax, ay, bx, by) <= r; });
    return *this;
}

Shape& Shape::circle(float cx, float cy, float r, bool is_cut)
{
    (is_cut ? cut : add).push_back([=](float x, float y) { return sd_circle(x, y, cx, cy, r) <= 0; });
    return *this;
}

Shape& Shape::rect(float x0, float y0, float x1, float y1, float r, bool is_cut)
{
    (is_cut ? cut : add).push_back([=](float x, float y) { return sd_round_rect(x, y, x0, y0, x1, y1, r) <= 0; });
    return *this;
}

Shape& Shape::arc_band(float cx, float cy, float r0, float r1, float a0_deg, float a1_deg, bool is_cut)
{
    (is_cut ? cut : add).push_back([=](float x, float y) {
        float d = std::hypot(x - cx, y - cy);
        if (d < r0 || d > r1) return false;
        float a = std::atan2(y - cy, x - cx) * 180.f / 3.14159265f;
        while (a < a0_deg) a += 360.f;
        return a <= a1_deg;
    });
    return *this;
}

bool Shape::inside(float x, float y) const
{
    bool in = false;
    for (const Test& t : add)
        if (t(x, y)) { in = true; break; }
    if (!in) return false;
    for (const Test& t : cut)
        if (t(x, y)) return false;
    return true;
}

float Shape::coverage(int px, int py) const
{
    int hits = 0;
    for (int sy = 0; sy < 4; ++sy)
        for (int sx = 0; sx < 4; ++sx) hits += inside(px + (sx + 0.5f) / 4.f, py + (sy + 0.5f) / 4.f);
    return hits / 16.f;
}

void fill_shape(Canvas& c, const Shape& s, const PaintFn& paint)
{
    for (int y = 0; y < c.h; ++y)
        for (int x = 0; x < c.w; ++x) {
            float cov = s.coverage(x, y);
            if (cov > 0) c.blend(x, y, paint(x + 0.5f, y + 0.5f), cov);
        }
}

void fill_shape(Canvas& c, const Shape& s, RGBA colour)
{
    fill_shape(c, s, [colour](float, float) { return colour; });
}

Canvas shape_mask(const Shape& s, int w, int h)
{
    Canvas m(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) m.at(x, y) = RGBA{1, 1, 1, s.coverage(x, y)};
    return m;
}

void draw_grown(Canvas& c, const Canvas& mask, float radius, RGBA colour, int off_x, int off_y)
{
    int R = int(std::ceil(radius)) + 1;
    for (int y = 0; y < c.h; ++y)
        for (int x = 0; x < c.w; ++x) {
            float best = 0;
            for (int j = -R; j <= R; ++j)
                for (int i = -R; i <= R; ++i) {
                    int mx = x - off_x + i, my = y - off_y + j;
                    if (!mask.inside(mx, my)) continue;
                    float a = mask.at(mx, my).a;
                    if (a <= 0) continue;
                    // Each covered mask pixel reaches `radius` further, fading over one pixel.
                    float d = std::hypot(float(i), float(j));
                    best    = std::max(best, a * std::clamp(radius + 0.5f - d, 0.f, 1.f));
                }
            if (best > 0) c.blend(x, y, colour, best);
        }
}

std::vector<Pt> arc_points(float cx, float cy, float r, float a0_deg, float a1_deg, int steps)
{
    std::vector<Pt> out;
    for (int i = 0; i <= steps; ++i) {
        float a = (a0_deg + (a1_deg - a0_deg) * i / steps) * 3.14159265f / 180.f;
        out.push_back({cx + r * std::cos(a), cy + r * std::sin(a)});
    }
    return out;
}

bool write_png_rgba(const std::string& path, const Canvas& c, int level)
{
    FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) return false;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop   info = png ? png_create_info_struct(png) : nullptr;
    if (!png || !info) {
        png_destroy_write_struct(&png, &info);
        std::fclose(f);
        return false;
    }
    std::vector<uint8_t> rows(size_t(c.w) * c.h * 4);
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        std::fclose(f);
        return false;
    }
    png_init_io(png, f);
    png_set_IHDR(png, info, c.w, c.h, 8, PNG_COLOR_TYPE_RGB_ALPHA, PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    // The loader corrects a picture without a gamma chunk as if it were made for a darker
    // screen; saying the colours are already for the display keeps every texel exactly as drawn,
    // so the palette swatches read back as their own colours.
    png_set_gAMA(png, info, 1.0 / 2.2);
    png_set_compression_level(png, level);
    png_write_info(png, info);
    for (int row = 0; row < c.h; ++row) {      // PNG rows run top-down: our top row is y = h-1
        uint8_t* out = &rows[size_t(row) * c.w * 4];
        for (int x = 0; x < c.w; ++x) {
            const RGBA& p = c.at(x, c.h - 1 - row);
            uint8_t a = to_byte(p.a);
            // Fully transparent texels carry no colour, which keeps the file small and
            // makes its bytes independent of how the transparent area was reached.
            out[x * 4 + 0] = a ? to_byte(p.r) : 0;
            out[x * 4 + 1] = a ? to_byte(p.g) : 0;
            out[x * 4 + 2] = a ? to_byte(p.b) : 0;
            out[x * 4 + 3] = a;
        }
        png_write_row(png, out);
    }
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    return std::fclose(f) == 0;
}

static void put16(std::vector<uint8_t>& b, unsigned v) { b.push_back(v & 255); b.push_back((v >> 8) & 255); }
static void put32(std::vector<uint8_t>& b, unsigned v) { put16(b, v & 0xffff); put16(b, v >> 16); }

bool write_bmp24(const std::string& path, const Canvas& c)
{
    const unsigned row_bytes = (unsigned(c.w) * 3 + 3) & ~3u;     // rows padded to 4 bytes
    const unsigned image     = row_bytes * unsigned(c.h);
    std::vector<uint8_t> b;
    b.push_back('B'); b.push_back('M');
    put32(b, 54 + image); put16(b, 0); put16(b, 0); put32(b, 54);
    put32(b, 40); put32(b, unsigned(c.w)); put32(b, unsigned(c.h)); put16(b, 1); put16(b, 24);
    put32(b, 0); put32(b, image); put32(b, 2835); put32(b, 2835); put32(b, 0); put32(b, 0);
    for (int y = 0; y < c.h; ++y) {            // BMP rows run bottom-up, like the canvas
        size_t start = b.size();
        for (int x = 0; x < c.w; ++x) {
            const RGBA& p = c.at(x, y);
            b.push_back(to_byte(p.b)); b.push_back(to_byte(p.g)); b.push_back(to_byte(p.r));
        }
        while (b.size() - start < row_bytes) b.push_back(0);
    }
    FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) return false;
    bool ok = std::fwrite(b.data(), 1, b.size(), f) == b.size();
    return (std::fclose(f) == 0) && ok;
}
