// pictures.cpp -- the start screen, the plain paint, the light sprites and the propeller disc.
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <map>

#include "tools/mkart/mkart.h"

namespace {

constexpr float kPi = 3.14159265f;

float smoothstep(float e0, float e1, float x)
{
    float t = std::clamp((x - e0) / (e1 - e0), 0.f, 1.f);
    return t * t * (3 - 2 * t);
}

//=== stroke lettering for the start screen's title ==========================================
// A few letters drawn as round-capped strokes on a grid where the capital height is 10 and the
// x-height 7: a clean geometric face for the program's name, without any font file.
struct StrokeGlyph {
    float width;
    std::vector<std::vector<Pt>> strokes;
};

std::vector<Pt> arc(float cx, float cy, float r, float a0, float a1)
{
    return arc_points(cx, cy, r, a0, a1, std::max(8, int(std::fabs(a1 - a0) / 6)));
}

std::vector<Pt> join(std::vector<Pt> a, const std::vector<Pt>& b)
{
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

const std::map<char, StrokeGlyph>& stroke_glyphs()
{
    static const std::map<char, StrokeGlyph> g = {
        {'W', {9.4f, {{{0, 10}, {2.35f, 0}, {4.7f, 7.6f}, {7.05f, 0}, {9.4f, 10}}}}},
        {'i', {0.f, {{{0, 0}, {0, 7}}, {{0, 9.7f}, {0, 9.7f}}}}},
        {'n', {5.6f, {{{0, 0}, {0, 7}}, join(join({{0, 4.3f}}, arc(2.8f, 4.3f, 2.8f, 180, 0)), {{5.6f, 0}})}}},
        {'h', {5.6f, {{{0, 0}, {0, 10.4f}}, join(join({{0, 4.3f}}, arc(2.8f, 4.3f, 2.8f, 180, 0)), {{5.6f, 0}})}}},
        {'g', {6.8f, {arc(3.4f, 3.5f, 3.4f, 0, 360), join({{6.8f, 7}, {6.8f, -0.8f}}, arc(3.5f, -0.8f, 3.3f, 0, -155))}}},
        {'r', {3.9f, {{{0, 0}, {0, 7}}, arc(3.6f, 3.7f, 3.6f, 180, 85)}}},
        {'t', {3.6f, {join({{1.4f, 9.6f}, {1.4f, 1.6f}}, arc(3.0f, 1.6f, 1.6f, 180, 270)), {{0, 7}, {3.6f, 7}}}}},
        {'-', {3.6f, {{{0.2f, 4.1f}, {3.4f, 4.1f}}}}},
        {'S', {5.2f, {join(arc(2.6f, 7.45f, 2.55f, 20, 270), arc(2.6f, 2.55f, 2.55f, 90, -160))}}},
        {'K', {5.3f, {{{0, 0}, {0, 10}}, {{5.2f, 10}, {0.2f, 4.4f}}, {{1.9f, 6.1f}, {5.3f, 0}}}}},
        {'Y', {5.8f, {{{0, 10}, {2.9f, 5.2f}, {5.8f, 10}}, {{2.9f, 5.2f}, {2.9f, 0}}}}},
        {'V', {6.2f, {{{0, 10}, {3.1f, 0}, {6.2f, 10}}}}},
        {'A', {6.4f, {{{0, 0}, {3.2f, 10}, {6.4f, 0}}, {{1.15f, 3.4f}, {5.25f, 3.4f}}}}},
        {'N', {6.0f, {{{0, 0}, {0, 10}, {6.0f, 0}, {6.0f, 10}}}}},
        {'E', {5.0f, {{{5.0f, 10}, {0, 10}, {0, 0}, {5.0f, 0}}, {{0, 5}, {4.2f, 5}}}}},
    };
    return g;
}

// Draws `text` with its baseline at y, capitals `cap` pixels tall; `gap` is the space between
// letters in grid units. Returns the x after the last letter.
float draw_strokes(Canvas& c, float x, float y, const std::string& text, float cap, float weight, float gap,
                   RGBA colour)
{
    const float k = cap / 10.f;
    for (char ch : text) {
        if (ch == ' ') { x += 4 * k; continue; }
        auto it = stroke_glyphs().find(ch);
        if (it == stroke_glyphs().end()) continue;
        for (const auto& s : it->second.strokes) {
            std::vector<Pt> pts;
            for (const Pt& p : s) pts.push_back({x + p.x * k, y + p.y * k});
            stroke_polyline(c, pts, weight, colour);
        }
        x += (it->second.width + gap) * k;
    }
    return x;
}

float stroke_width(const std::string& text, float cap, float gap)
{
    float w = 0;
    for (char ch : text) {
        auto it = stroke_glyphs().find(ch);
        w += ch == ' ' ? 4 : (it == stroke_glyphs().end() ? 0 : it->second.width + gap);
    }
    return (w - gap) * cap / 10.f;
}

//=== aircraft planform ======================================================================
// Half outline of a twin-engined jet seen from above, nose up, in units of 1 % of its length;
// mirrored for the left side.
std::vector<Pt> planform()
{
    const std::vector<Pt> right = {
        {0, 50},    {1.8f, 48.5f}, {3.4f, 45.5f}, {4.5f, 41},  {5, 35},       {5, 10},
        {20, 2.5f}, {45, -9},      {47, -10.5f},  {47, -13.5f}, {44.5f, -14},   {21, -9},
        {5, -6.5f}, {5, -30},      {4.4f, -37},   {17.5f, -45}, {18, -47.5f},   {3.6f, -46.5f},
        {2.6f, -50}, {0, -51.5f},
    };
    std::vector<Pt> all = right;
    for (auto it = right.rbegin(); it != right.rend(); ++it)
        if (it->x > 0) all.push_back({-it->x, it->y});
    return all;
}

}   // namespace

//=== start screen ===========================================================================
Canvas draw_intro(const PixelFont& prop)
{
    const int W = ART_INTRO_W, H = ART_INTRO_H;
    // One flat night-blue ground, like a drawing board: the program draws a picture that is
    // mostly one colour as a clear of that colour plus the few tiles that differ, so everything
    // below is line work kept to a small share of the screen.
    Canvas c(W, H, rgb8(ART_INTRO_GROUND[0], ART_INTRO_GROUND[1], ART_INTRO_GROUND[2]));

    // The aircraft: a drafted planform, nose to the upper right.
    const float scale = 6.2f, cx = 740, cy = 360, hd = -38.f * kPi / 180.f;
    auto place = [&](Pt p) {
        return Pt{cx + scale * (p.x * std::cos(hd) - p.y * std::sin(hd)),
                  cy + scale * (p.x * std::sin(hd) + p.y * std::cos(hd))};
    };
    std::vector<Pt> outline;
    for (const Pt& p : planform()) outline.push_back(place(p));
    // The program draws its start-up panel and progress trough over the picture: the drawing
    // must stay clear of both.
    for (const ART_rect& keep : {ART_INTRO_PROGRESS_PANEL, ART_INTRO_PROGRESS_BAR})
        for (const Pt& p : outline)
            if (p.x >= keep.s - 8 && p.x < keep.s2() + 8 && p.y >= keep.t - 8 && p.y < keep.t2() + 8) {
                std::fprintf(stderr, "mkart: the start screen's aircraft runs into the progress area\n");
                std::exit(1);
            }
    stroke_polyline(c, outline, 2.2f, with_alpha(rgb8(176, 214, 255), 0.9f), true);
    for (float sx : {18.f, -18.f}) {       // engine nacelles, slung under and ahead of the wings
        std::vector<Pt> pod;
        for (const Pt& p : arc_points(0, 0, 1.9f, 0, 360, 48)) pod.push_back(place({sx + p.x, 5.5f + p.y * 3.6f}));
        fill_polygon(c, pod, with_alpha(rgb8(40, 66, 98), 0.95f));   // solid, so the nacelles read as ahead of the wing
        stroke_polyline(c, pod, 1.8f, with_alpha(rgb8(176, 214, 255), 0.9f), true);
    }
    const RGBA drafting = with_alpha(rgb8(150, 200, 255), 0.45f);
    // Centre line, dash-dot, running past nose and tail as on a drawing.
    for (float u = -62; u < 60; u += 9) {
        stroke_polyline(c, {place({0, u}), place({0, u + 5})}, 1.2f, drafting);
        stroke_polyline(c, {place({0, u + 7}), place({0, u + 7})}, 1.2f, drafting);
    }

    // Title block, upper left, clear of the start-up panel in the lower left.
    const float tx = 72;
    draw_strokes(c, tx + 3, 652, "SKYVANE", 22, 3.6f, 4.2f, rgb8(110, 178, 255));
    float title_w = stroke_width("Wing-Wright", 84, 2.4f);
    // A faint shadow first so the white title stands off the grid and the aircraft.
    draw_strokes(c, tx + 3, 532 - 4, "Wing-Wright", 84, 11.5f, 2.4f, with_alpha(rgb8(0, 0, 0), 0.35f));
    draw_strokes(c, tx, 532, "Wing-Wright", 84, 11.5f, 2.4f, rgb8(246, 249, 253));
    for (int x = int(tx); x < int(tx + title_w); ++x)
        for (int y = 500; y < 503; ++y) c.blend(x, y, rgb8(80, 154, 255), 0.9f);
    draw_text(c, prop, int(tx) + 1, 470, "Aircraft design editor", rgb8(170, 190, 214), 0, 2);
    return c;
}

Canvas draw_blank()
{
    return Canvas(ART_BLANK_SIZE, ART_BLANK_SIZE, rgb8(255, 255, 255));
}

//=== light sprites ==========================================================================
// Brightness is coverage: black is no light. Every sprite fades to black well inside its cell,
// so filtering never picks up a neighbour.
Canvas draw_lights()
{
    Canvas c(ART_LITES_W, ART_LITES_H, rgb8(0, 0, 0));
    auto cell = [&](const ART_rect& r, auto intensity) {
        for (int y = 0; y < r.h; ++y)
            for (int x = 0; x < r.w; ++x) {
                float dx = x + 0.5f - r.w * 0.5f, dy = y + 0.5f - r.h * 0.5f;
                float v  = std::clamp(intensity(dx, dy, std::hypot(dx, dy)), 0.f, 1.f);
                c.at(r.s + x, r.t + y) = RGBA{v, v, v, 1};
            }
    };
    // Ordinary light: a bright core in a soft halo.
    cell(ART_LITE_ORDINARY, [](float, float, float r) {
        float v = std::exp(-(r * r) / (2 * 4.5f * 4.5f)) + 0.45f * std::exp(-(r * r) / (2 * 11.f * 11.f));
        return v * (1 - smoothstep(24, 30, r));
    });
    // Strobe: a harder, brighter core with four rays.
    cell(ART_LITE_STROBE, [](float dx, float dy, float r) {
        float core  = std::exp(-(r * r) / (2 * 3.5f * 3.5f)) * 1.2f;
        float halo  = 0.5f * std::exp(-(r * r) / (2 * 10.f * 10.f));
        float rays  = 0.55f * (std::exp(-(dy * dy) / 1.2f) + std::exp(-(dx * dx) / 1.2f)) * std::exp(-r / 11.f);
        return (core + halo + rays) * (1 - smoothstep(26, 31, r));
    });
    // Ground shadow of a light: the even pool it throws on the ground below it.
    cell(ART_LITE_SHADOW, [](float, float, float r) {
        return 0.55f * (1 - smoothstep(8, 29, r));
    });
    return c;
}

//=== propeller disc =========================================================================
// The blur of a turning propeller: faint, a little brighter towards the painted tips, clear at
// the hub and outside the disc. Brightness is its opacity.
Canvas draw_prop_disc()
{
    const int N = ART_PROP_DISC_SIZE;
    Canvas c(N, N, rgb8(0, 0, 0));
    const float R = N * 0.5f - 2;
    for (int y = 0; y < N; ++y)
        for (int x = 0; x < N; ++x) {
            float dx = x + 0.5f - N * 0.5f, dy = y + 0.5f - N * 0.5f;
            float u = std::hypot(dx, dy) / R, th = std::atan2(dy, dx);
            if (u >= 1) continue;
            float body = smoothstep(0.10f, 0.18f, u) * (1 - smoothstep(0.97f, 1.0f, u));
            float blades = 0.78f + 0.22f * (0.5f + 0.5f * std::cos(2 * th - 1.2f * u));   // ghost of two blades
            float rings  = 1 + 0.05f * std::sin(u * 70);
            float v      = body * blades * rings * (0.18f + 0.10f * u);
            RGBA  col{v, v, v, 1};
            // Painted tips leave a faint yellow ring.
            float tip = smoothstep(0.89f, 0.91f, u) * (1 - smoothstep(0.94f, 0.96f, u));
            col = mix(col, RGBA{0.40f, 0.35f, 0.13f, 1}, 0.7f * tip * body);
            c.at(x, y) = col;
        }
    return c;
}
