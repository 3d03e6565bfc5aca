// draw.cpp -- the drawing routines of the instrument families and the panel pictures. Each
// family is one routine with parameters; sizes come from the caller, so the same routine draws a
// big airspeed indicator and a small engine gauge.
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

#include "draw/art_layout.h"
#include "tools/mkart/mkart.h"
#include "tools/mkins/mkins.h"

namespace {

constexpr float kPi = 3.14159265f;

struct Palette {
    RGBA bezel, face, mark, accent, digits;
};

Palette palette_of(InsStyle s)
{
    switch (s) {
    case STYLE_BC: return {rgb8(58, 62, 70), rgb8(24, 30, 42), rgb8(232, 236, 242), rgb8(90, 200, 255), rgb8(90, 255, 130)};
    case STYLE_HM: return {rgb8(64, 68, 60), rgb8(36, 40, 36), rgb8(238, 228, 196), rgb8(255, 200, 60), rgb8(255, 170, 40)};
    default:       return {rgb8(70, 70, 72), rgb8(18, 18, 20), rgb8(245, 245, 245), rgb8(255, 255, 255), rgb8(255, 176, 40)};
    }
}

const RGBA kBlack = rgb8(10, 10, 10), kWhite = rgb8(250, 250, 250), kGreen = rgb8(40, 200, 70),
           kYellow = rgb8(250, 210, 40), kRed = rgb8(230, 40, 35), kMagenta = rgb8(230, 60, 230),
           kSky = rgb8(40, 120, 220), kGround = rgb8(150, 95, 45), kHud = rgb8(60, 255, 110);

struct Ctx {
    Canvas& c;
    const PixelFont& prop;
    const PixelFont& mono;
};

int width_of(const std::string& s, int mono_advance = 0)
{
    int w = 0;
    for (char ch : s) w += mono_advance ? mono_advance : ART_glyph_advance(ch);
    return w;
}

// Text centred on cx with its baseline at y; the mono face for numbers and digits.
void text_c(Ctx& x, float cx, float y, const std::string& s, RGBA col, bool mono = false)
{
    const int adv = mono ? 6 : 0;
    draw_text(x.c, mono ? x.mono : x.prop, int(std::lround(cx - width_of(s, adv) * 0.5f)), int(std::lround(y)), s, col, adv);
}

// Words broken into at most `lines` lines no wider than maxw, centred on cx from the top line's
// baseline downwards. Words that do not fit are cut.
void label_block(Ctx& x, float cx, float top, float maxw, int lines, const std::string& s, RGBA col)
{
    std::vector<std::string> out;
    std::string cur, word;
    auto flush_word = [&]() {
        if (word.empty()) return;
        const std::string t = cur.empty() ? word : cur + " " + word;
        if (width_of(t) <= maxw || cur.empty()) cur = t;
        else { out.push_back(cur); cur = word; }
        word.clear();
    };
    for (char ch : s) {
        if (ch == ' ') flush_word();
        else word += ch;
    }
    flush_word();
    if (!cur.empty()) out.push_back(cur);
    if ((int)out.size() > lines) out.resize(lines);
    for (std::string& l : out)
        while (l.size() > 1 && width_of(l) > maxw) l.pop_back();
    for (size_t i = 0; i < out.size(); i++) text_c(x, cx, top - 11.f * i, out[i], col);
}

void disc(Canvas& c, float cx, float cy, float r, RGBA col)
{
    draw_sdf(c, int(cx - r - 2), int(cy - r - 2), int(cx + r + 3), int(cy + r + 3),
             [=](float px, float py) { return sd_circle(px, py, cx, cy, r); }, col);
}

void box(Canvas& c, float x0, float y0, float x1, float y1, float r, RGBA col)
{
    draw_sdf(c, int(x0 - 1), int(y0 - 1), int(x1 + 2), int(y1 + 2),
             [=](float px, float py) { return sd_round_rect(px, py, x0, y0, x1, y1, r); }, col);
}

void line(Canvas& c, float ax, float ay, float bx, float by, float wdt, RGBA col)
{
    stroke_polyline(c, {{ax, ay}, {bx, by}}, wdt, col);
}

// A point at angle a (degrees clockwise from straight up) and radius r about (cx, cy).
Pt polar(float cx, float cy, float r, float a)
{
    const float t = a * kPi / 180.f;
    return {cx + r * std::sin(t), cy + r * std::cos(t)};
}

std::string number(float v, float step)
{
    char b[32];
    if (step < 1.f) std::snprintf(b, sizeof b, "%.1f", v);
    else std::snprintf(b, sizeof b, "%d", int(std::lround(v)));
    std::string s = b;
    if (s.rfind("0.", 0) == 0) s.erase(0, 1);
    return s;
}

void needle(Canvas& c, float cx, float cy, float len, float a, float wdt, RGBA col)
{
    const Pt tip = polar(cx, cy, len, a), tail = polar(cx, cy, len * 0.18f, a + 180);
    const Pt l = polar(cx, cy, wdt, a - 90), r = polar(cx, cy, wdt, a + 90);
    fill_polygon(c, {tail, l, tip, r}, col);
}

void bezel(Ctx& x, float cx, float cy, float R, const Palette& p)
{
    draw_sdf(x.c, int(cx - R - 2), int(cy - R - 2), int(cx + R + 3), int(cy + R + 3),
             [=](float px, float py) { return sd_circle(px, py, cx, cy, R); },
             [=](float, float py) { return mix(p.bezel, rgb8(20, 20, 22), 0.5f - (py - cy) / (2 * R) * 0.6f); });
    disc(x.c, cx, cy, R * 0.9f, p.face);
}

//=== round gauges ===========================================================================
void draw_round(Ctx& x, const InsArt& a, int w, int h)
{
    const Palette p = palette_of(a.style);
    const float cx = w * 0.5f, cy = h * 0.5f, R = std::min(w, h) * 0.5f - 0.5f;
    if (a.kind == 1) {   // a square engine gauge
        box(x.c, 0.5f, 0.5f, w - 0.5f, h - 0.5f, 4, p.bezel);
        box(x.c, 3, 3, w - 3.f, h - 3.f, 3, p.face);
    } else {
        bezel(x, cx, cy, R, p);
    }
    const float sweep = a.sweep;
    const float a0 = a.centre_zero ? -90 - sweep * 0.5f : sweep >= 360 ? 0 : -sweep * 0.5f;
    const float gy = a.kind == 1 ? cy - R * 0.55f : cy;   // a square gauge pivots low
    const float gR = a.kind == 1 ? R * 1.25f : R;
    auto ang = [&](float v) { return a0 + (v - a.lo) / (a.hi - a.lo) * sweep; };

    if (a.kind == 3) {   // turn coordinator
        for (float t : {-105.f, -75.f, 75.f, 105.f}) {
            const Pt o = polar(cx, cy, R * 0.86f, t), i = polar(cx, cy, R * 0.7f, t);
            line(x.c, o.x, o.y, i.x, i.y, 2.5f, p.mark);
        }
        line(x.c, cx - R * 0.6f, cy, cx + R * 0.6f, cy, 3, p.mark);
        disc(x.c, cx, cy, R * 0.1f, p.mark);
        line(x.c, cx, cy + R * 0.1f, cx, cy + R * 0.22f, 2, p.mark);
        text_c(x, cx - R * 0.62f, cy - R * 0.28f, "L", p.mark);
        text_c(x, cx + R * 0.62f, cy - R * 0.28f, "R", p.mark);
        if (R > 50) text_c(x, cx, cy + R * 0.45f, a.label.substr(0, 4) == "TURN" ? "TURN COORD" : a.label, p.mark);
        return;
    }
    if (a.kind == 4) {   // clock face
        for (int i = 0; i < 60; i++) {
            const float t = i * 6.f, r1 = i % 5 ? R * 0.82f : R * 0.74f;
            const Pt o = polar(cx, cy, R * 0.86f, t), in = polar(cx, cy, r1, t);
            line(x.c, o.x, o.y, in.x, in.y, i % 5 ? 1.f : 2.f, p.mark);
        }
        if (R > 30)
            for (int hr : {12, 3, 6, 9}) {
                const Pt q = polar(cx, cy, R * 0.6f, hr * 30.f);
                text_c(x, q.x, q.y - 4, std::to_string(hr), p.mark, true);
            }
        if (a.digits) box(x.c, cx - R * 0.4f, cy - R * 0.5f, cx + R * 0.4f, cy - R * 0.22f, 2, rgb8(5, 5, 5));
        if (!a.label.empty() && R > 35) text_c(x, cx, cy + R * 0.25f, a.label, p.mark);
        needle(x.c, cx, cy, R * 0.5f, 300, 2.5f, p.mark);
        needle(x.c, cx, cy, R * 0.78f, 60, 2, p.mark);
        disc(x.c, cx, cy, 3, p.accent);
        return;
    }
    // Colour bands under the ticks.
    auto band = [&](float v0, float v1, float r0, float r1, RGBA col) {
        Shape s;
        float b0 = ang(v0), b1 = ang(v1);
        s.arc_band(cx, gy, r0, r1, 90 - b1, 90 - b0);
        fill_shape(x.c, s, col);
    };
    const float span = a.hi - a.lo;
    if (a.arcs == 1) {
        band(a.lo + span * 0.2f, a.lo + span * 0.45f, gR * 0.8f, gR * 0.84f, kWhite);
        band(a.lo + span * 0.25f, a.lo + span * 0.7f, gR * 0.84f, gR * 0.88f, kGreen);
        band(a.lo + span * 0.7f, a.lo + span * 0.88f, gR * 0.84f, gR * 0.88f, kYellow);
    } else if (a.arcs == 2) {
        band(a.lo + span * 0.25f, a.lo + span * 0.8f, gR * 0.82f, gR * 0.88f, kGreen);
    }
    if (a.arcs) {
        const Pt o = polar(cx, gy, gR * 0.9f, ang(a.lo + span * 0.9f)), i = polar(cx, gy, gR * 0.72f, ang(a.lo + span * 0.9f));
        line(x.c, o.x, o.y, i.x, i.y, 2.5f, kRed);
    }
    // Ticks and numbers.
    const int majors = int(std::lround(span / a.major));
    const bool numbers = R > 24, every_other = R < 55 && majors > 6;
    for (int i = 0; i <= majors; i++) {
        const float v = a.lo + i * a.major;
        const float t = ang(v);
        const Pt o = polar(cx, gy, gR * 0.88f, t), in = polar(cx, gy, gR * 0.74f, t);
        line(x.c, o.x, o.y, in.x, in.y, R > 40 ? 2.f : 1.5f, p.mark);
        if (i < majors && R > 30)
            for (int m = 1; m < 5; m++) {
                const float tm = ang(v + a.major * m / 5.f);
                const Pt mo = polar(cx, gy, gR * 0.88f, tm), mi = polar(cx, gy, gR * 0.81f, tm);
                line(x.c, mo.x, mo.y, mi.x, mi.y, 1, p.mark);
            }
        if (!numbers || (every_other && i % 2) || (sweep >= 360 && i == majors)) continue;
        const Pt q = polar(cx, gy, gR * 0.6f, t);
        text_c(x, q.x, q.y - 4, number(a.centre_zero ? std::fabs(v) : v, a.major), p.mark, true);
    }
    // Words.
    // A small gauge has no room between its numbers: its words go in the gap under the scale.
    const bool low_label = a.kind != 1 && R < 55 && sweep <= 300 && !a.centre_zero;
    if (R > 28 && !a.label.empty()) {
        const float ly = a.kind == 1 ? h - 14.f : low_label ? cy - R * 0.78f : cy + R * 0.22f;
        label_block(x, cx, ly, R * 1.2f, 1, a.label, p.mark);
    }
    if (R > 42 && !low_label && !a.units.empty()) label_block(x, cx, cy - R * 0.32f, R * 1.1f, 1, a.units, p.mark);
    if (a.digits) {
        box(x.c, cx - R * 0.42f, cy - R * 0.7f, cx + R * 0.42f, cy - R * 0.44f, 2, rgb8(5, 5, 5));
        if (R > 30) text_c(x, cx, cy - R * 0.66f, "1234", p.digits, true);
    }
    needle(x.c, cx, gy, gR * 0.8f, ang(a.lo + span * 0.38f), std::max(1.5f, R * 0.04f), p.accent);
    disc(x.c, cx, gy, std::max(2.f, R * 0.07f), rgb8(40, 40, 40));
}

//=== tapes ==================================================================================
void draw_tape(Ctx& x, const InsArt& a, int w, int h)
{
    const Palette p = palette_of(a.style);
    const bool horizontal = w > h;
    if (a.kind == 2) {   // slip ball in its tube, laid over a turn needle: nothing around it
        box(x.c, 1, 1, w - 1.f, h - 1.f, h * 0.4f, rgb8(215, 215, 200));
        line(x.c, w * 0.5f - h * 0.35f, 3, w * 0.5f - h * 0.35f, h - 3.f, 1.5f, kBlack);
        line(x.c, w * 0.5f + h * 0.35f, 3, w * 0.5f + h * 0.35f, h - 3.f, 1.5f, kBlack);
        disc(x.c, w * 0.5f, h * 0.5f, h * 0.28f, kBlack);
        return;
    }
    box(x.c, 0.5f, 0.5f, w - 0.5f, h - 0.5f, 3, p.bezel);
    box(x.c, 2.5f, 2.5f, w - 2.5f, h - 2.5f, 2, a.kind == 1 ? rgb8(70, 74, 84, 0.85f) : p.face);
    const bool labelled = !a.label.empty() && !horizontal && h >= 50;
    const float top = labelled ? h - 15.f : h - 5.f, bot = 5;
    const float len = horizontal ? w - 10.f : top - bot;
    const int majors = std::max(1, int(std::lround((a.hi - a.lo) / a.major)));
    const bool numbers = (horizontal ? h : w) >= 30;
    for (int i = 0; i <= majors; i++) {
        const float f = float(i) / majors, pos = (horizontal ? 5 : bot) + f * len;
        if (horizontal) line(x.c, pos, h - 3.f, pos, h * 0.6f, 1.5f, p.mark);
        else line(x.c, w - 3.f, pos, w - 3.f - std::max(4.f, w * 0.2f), pos, 1.5f, p.mark);
        if (numbers && !horizontal) text_c(x, (w - 6) * 0.42f, pos - 3, number(a.lo + i * a.major, a.major), p.mark, true);
    }
    if (labelled) label_block(x, w * 0.5f, h - 13.f, w - 4.f, 1, a.label, p.mark);
    // The pointer and a green band.
    const float v = 0.55f, pos = (horizontal ? 5 : bot) + v * len;
    if (horizontal) {
        fill_polygon(x.c, {{pos - 4, 3}, {pos + 4, 3}, {pos, h * 0.55f}}, p.accent);
    } else {
        if (a.arcs == 2) box(x.c, w - 5.f, bot + len * 0.25f, w - 3.f, bot + len * 0.8f, 0, kGreen);
        fill_polygon(x.c, {{w - 3.f, pos}, {w - 3.f - std::max(6.f, w * 0.3f), pos + 4}, {w - 3.f - std::max(6.f, w * 0.3f), pos - 4}},
                     p.accent);
    }
}

//=== attitude ===============================================================================
void draw_attitude(Ctx& x, const InsArt& a, int w, int h)
{
    const Palette p = palette_of(a.style);
    const float cx = w * 0.5f, cy = h * 0.5f, R = std::min(w, h) * 0.5f - 0.5f;
    const bool square = a.kind == 1;
    auto inner = [=](float px, float py) {
        return square ? sd_round_rect(px, py, 3, 3, w - 3.f, h - 3.f, 4) : sd_circle(px, py, cx, cy, R * 0.9f);
    };
    if (square) box(x.c, 0.5f, 0.5f, w - 0.5f, h - 0.5f, 5, p.bezel);
    else bezel(x, cx, cy, R, p);
    const float pitch = R * 0.06f;   // a little nose up
    draw_sdf(x.c, 0, 0, w, h, inner, [=](float, float py) {
        return py > cy - pitch ? mix(kSky, rgb8(120, 180, 255), (py - cy) / (2 * R)) : mix(kGround, rgb8(90, 55, 25), (cy - py) / (2 * R));
    });
    line(x.c, cx - R * 0.88f, cy - pitch, cx + R * 0.88f, cy - pitch, 1.5f, kWhite);
    for (int d : {-20, -10, 10, 20}) {
        const float y = cy - pitch + d * R * 0.028f, half = R * (std::abs(d) == 10 ? 0.18f : 0.28f);
        line(x.c, cx - half, y, cx + half, y, 1.2f, kWhite);
        if (R > 60) {
            text_c(x, cx - half - 8, y - 4, std::to_string(std::abs(d)), kWhite, true);
            text_c(x, cx + half + 8, y - 4, std::to_string(std::abs(d)), kWhite, true);
        }
    }
    for (int t : {-60, -30, -20, -10, 0, 10, 20, 30, 60}) {
        const Pt o = polar(cx, cy, R * 0.88f, t), in = polar(cx, cy, R * (t % 30 ? 0.8f : 0.74f), t);
        line(x.c, o.x, o.y, in.x, in.y, t ? 1.5f : 2.5f, kWhite);
    }
    fill_polygon(x.c, {{cx, cy + R * 0.74f}, {cx - 5, cy + R * 0.64f}, {cx + 5, cy + R * 0.64f}}, kYellow);
    const RGBA sym = a.style == STYLE_GA ? rgb8(255, 140, 20) : kYellow;
    stroke_polyline(x.c, {{cx - R * 0.5f, cy}, {cx - R * 0.18f, cy}, {cx - R * 0.08f, cy - R * 0.1f}}, 3, sym);
    stroke_polyline(x.c, {{cx + R * 0.5f, cy}, {cx + R * 0.18f, cy}, {cx + R * 0.08f, cy - R * 0.1f}}, 3, sym);
    disc(x.c, cx, cy, 2.5f, sym);
}

//=== heading instruments ====================================================================
void draw_heading(Ctx& x, const InsArt& a, int w, int h)
{
    const Palette p = palette_of(a.style);
    if (a.kind == 5) {   // a card seen through a window: magnetic compass, heading tape
        box(x.c, 0.5f, 0.5f, w - 0.5f, h - 0.5f, 4, p.bezel);
        box(x.c, 3, 3, w - 3.f, h - 3.f, 3, p.face);
        const float step = std::max(16.f, w / 6.f);
        const char* marks[] = {"30", "33", "N", "3", "6", "E"};
        for (int i = -3; i <= 2; i++) {
            const float px = w * 0.5f + i * step;
            line(x.c, px, h - 4.f, px, h - 10.f, 1.5f, p.mark);
            line(x.c, px + step * 0.5f, h - 4.f, px + step * 0.5f, h - 7.f, 1, p.mark);
            text_c(x, px, h * 0.5f - 8, marks[i + 3], p.mark, true);
        }
        line(x.c, w * 0.5f, 3, w * 0.5f, h * 0.4f, 2, kRed);
        return;
    }
    const float cx = w * 0.5f, cy = h * 0.5f, R = std::min(w, h) * 0.5f - 0.5f;
    bezel(x, cx, cy, R, p);
    for (int d = 0; d < 360; d += 5) {
        const Pt o = polar(cx, cy, R * 0.86f, float(d)), in = polar(cx, cy, R * (d % 10 ? 0.81f : 0.76f), float(d));
        line(x.c, o.x, o.y, in.x, in.y, d % 10 ? 1.f : 1.5f, p.mark);
    }
    if (R > 30)
        for (int d = 0; d < 360; d += 30) {
            static const char* const names[12] = {"N", "3", "6", "E", "12", "15", "S", "21", "24", "W", "30", "33"};
            const Pt q = polar(cx, cy, R * 0.63f, float(d));
            text_c(x, q.x, q.y - 4, names[d / 30], d % 90 ? p.mark : p.accent, true);
        }
    fill_polygon(x.c, {{cx, cy + R * 0.86f}, {cx - 4, cy + R * 0.96f}, {cx + 4, cy + R * 0.96f}}, kYellow);
    switch (a.kind) {
    case 1: {   // HSI: course arrow and deviation bar
        const RGBA course = a.style == STYLE_GA ? kYellow : kMagenta;
        const float t = 40;
        const Pt tip = polar(cx, cy, R * 0.7f, t), back = polar(cx, cy, R * 0.7f, t + 180);
        const Pt b0 = polar(cx, cy, R * 0.35f, t), b1 = polar(cx, cy, R * 0.35f, t + 180);
        line(x.c, tip.x, tip.y, b0.x, b0.y, 3, course);
        line(x.c, back.x, back.y, b1.x, b1.y, 3, course);
        const Pt off = polar(0, 0, R * 0.1f, t + 90);
        line(x.c, b0.x + off.x, b0.y + off.y, b1.x + off.x, b1.y + off.y, 3, course);
        const Pt l = polar(tip.x, tip.y, R * 0.12f, t + 150), r = polar(tip.x, tip.y, R * 0.12f, t + 210);
        fill_polygon(x.c, {tip, l, r}, course);
        for (int d : {-2, -1, 1, 2}) {
            const Pt dot = polar(cx, cy, R * 0.12f * d, t + 90);
            disc(x.c, dot.x, dot.y, std::max(1.5f, R * 0.025f), p.mark);
        }
        break;
    }
    case 2:     // RMI: two needles
        needle(x.c, cx, cy, R * 0.74f, 60, std::max(1.5f, R * 0.035f), kGreen);
        needle(x.c, cx, cy, R * 0.66f, 320, std::max(1.5f, R * 0.035f), kYellow);
        break;
    case 3:     // ADF: one needle
        needle(x.c, cx, cy, R * 0.74f, 35, std::max(1.5f, R * 0.04f), kYellow);
        break;
    case 4:     // VOR: deviation bar and TO/FROM
        line(x.c, cx + R * 0.08f, cy - R * 0.5f, cx + R * 0.08f, cy + R * 0.5f, 2.5f, kWhite);
        for (int d : {-4, -3, -2, -1, 1, 2, 3, 4}) disc(x.c, cx + d * R * 0.1f, cy, std::max(1.f, R * 0.02f), p.mark);
        if (R > 40) text_c(x, cx + R * 0.3f, cy + R * 0.2f, "TO", p.mark);
        break;
    default:
        break;
    }
    if (a.kind != 2 && a.kind != 3) {   // the own aircraft at the centre
        const RGBA sym = rgb8(255, 140, 20);
        line(x.c, cx, cy - R * 0.2f, cx, cy + R * 0.2f, 2.5f, sym);
        line(x.c, cx - R * 0.16f, cy + R * 0.04f, cx + R * 0.16f, cy + R * 0.04f, 2.5f, sym);
        line(x.c, cx - R * 0.07f, cy - R * 0.18f, cx + R * 0.07f, cy - R * 0.18f, 2, sym);
    }
    disc(x.c, cx, cy, std::max(1.5f, R * 0.04f), rgb8(40, 40, 40));
}

//=== digits, radios =========================================================================
std::string digits_for(const std::string& label)
{
    if (label.find("DME") != std::string::npos) return "12.4";
    if (label.find("HDG") != std::string::npos) return "270";
    if (label.find("ALT") != std::string::npos) return "8500";
    if (label.find("VVI") != std::string::npos) return "+500";
    if (label.find("SPD") != std::string::npos) return "180";
    if (label.find("BARO") != std::string::npos) return "29.92";
    if (label.find("MACH") != std::string::npos) return ".78";
    if (label.find("HOURS") != std::string::npos) return "0123.4";
    return "1234";
}

void lcd(Ctx& x, float x0, float y0, float x1, float y1, const std::string& s, RGBA col)
{
    box(x.c, x0, y0, x1, y1, 2, rgb8(8, 10, 8));
    std::string t = s;
    while (t.size() > 1 && width_of(t, 6) > x1 - x0 - 2) t.pop_back();
    text_c(x, (x0 + x1) * 0.5f, (y0 + y1) * 0.5f - 3, t, col, true);
}

void draw_digital(Ctx& x, const InsArt& a, int w, int h)
{
    const Palette p = palette_of(a.style);
    box(x.c, 0.5f, 0.5f, w - 0.5f, h - 0.5f, 3, p.bezel);
    const bool label_above = h >= 24;
    const float wtop = label_above ? h - 13.f : h - 3.f;
    if (label_above) label_block(x, w * 0.5f, h - 10.f, w - 4.f, 1, a.label, p.mark);
    lcd(x, 3, 3, w - 3.f, wtop, digits_for(a.label), p.digits);
}

void draw_radio(Ctx& x, const InsArt& a, int w, int h)
{
    const Palette p = palette_of(a.style);
    box(x.c, 0.5f, 0.5f, w - 0.5f, h - 0.5f, 3, rgb8(34, 34, 36));
    const std::string& L = a.label;
    switch (a.kind) {
    case 1: {   // audio panel: a row of selector buttons
        static const char* const keys[] = {"COM1", "COM2", "NAV1", "NAV2", "ADF", "MKR"};
        const float bw = (w - 4.f) / 3, bh = (h - 4.f) / 2;
        for (int i = 0; i < 6; i++) {
            const float x0 = 2 + (i % 3) * bw, y0 = h - 2 - (i / 3 + 1) * bh;
            box(x.c, x0 + 1, y0 + 1, x0 + bw - 1, y0 + bh - 1, 2, i == 0 ? rgb8(90, 90, 94) : rgb8(60, 60, 64));
            text_c(x, x0 + bw * 0.5f, y0 + bh * 0.5f - 3, keys[i], kWhite);
        }
        return;
    }
    case 2: {   // marker lamps
        const RGBA c[3] = {rgb8(60, 120, 255), rgb8(250, 180, 30), kWhite};
        const char* t[3] = {"O", "M", "I"};
        const bool column = h > w;
        for (int i = 0; i < 3; i++) {
            const float cx = column ? w * 0.5f : w * (i + 0.5f) / 3, cy = column ? h * (2.5f - i) / 3 : h * 0.5f;
            disc(x.c, cx, cy, (column ? std::min(w * 0.5f, h / 6.f) : std::min(w / 6.f, h * 0.5f)) - 1.5f, c[i]);
            text_c(x, cx, cy - 3, t[i], kBlack);
        }
        return;
    }
    case 3: {   // GPS, FMS: a screen of text over a key row
        const float sy = h >= 150 ? h * 0.45f : h * 0.22f;
        box(x.c, 4, sy, w - 4.f, h - 4.f, 2, rgb8(6, 14, 10));
        static const char* const rows[] = {"KSEA  WPT", "DTK 270", "DIS 12.4", "ETE 0:06", "GS 180", "KPDX"};
        for (int i = 0; i < 6 && h - 16 - i * 12 > sy + 2; i++) draw_text(x.c, x.mono, 8, int(h - 16 - i * 12.f), rows[i], kGreen, 6);
        const int keys = std::max(3, int((w - 8) / 22));
        for (int r = 0; r * 16 + 16 < sy - 2; r++)
            for (int i = 0; i < keys; i++) box(x.c, 5 + i * (w - 10.f) / keys, 4 + r * 16.f, 3 + (i + 1) * (w - 10.f) / keys, 16 + r * 16.f, 2, rgb8(70, 70, 74));
        text_c(x, w * 0.5f, h - 12.f, L.substr(0, 3), p.mark);
        return;
    }
    case 4:     // DME
        lcd(x, 4, 4, w * 0.62f, h - 4.f, "12.4 NM", rgb8(255, 60, 40));
        label_block(x, w * 0.81f, h * 0.5f + 1, w * 0.36f, 1, "DME", p.mark);
        return;
    case 5:     // transponder
        lcd(x, 4, 14, w * 0.55f, h - 4.f, "1200", p.digits);
        text_c(x, w * 0.28f, 3, "XPDR", p.mark);
        for (int i = 0; i < 4; i++) disc(x.c, w * 0.6f + i * (w * 0.1f), h * 0.5f, std::min(w * 0.04f, h * 0.2f), rgb8(90, 90, 94));
        return;
    default:
        break;
    }
    // NAV, COM and ADF heads: one row of active and standby windows per radio in the name.
    const bool nav = L.find("NAV") != std::string::npos, com = L.find("COM") != std::string::npos,
               adf = L.find("ADF") != std::string::npos;
    std::vector<std::pair<std::string, std::string>> rows;
    if (com) rows.push_back({"118.00", "121.50"});
    if (nav) rows.push_back({"110.50", "113.90"});
    if (adf) rows.push_back({"0350", "0410"});
    if (rows.empty()) rows.push_back({"118.00", "121.50"});
    const float rh = (h - 14.f) / rows.size();
    for (size_t i = 0; i < rows.size(); i++) {
        const float y1 = h - 4.f - i * rh, y0 = y1 - rh + 4;
        lcd(x, 4, y0, w * 0.43f, y1, rows[i].first, p.digits);
        lcd(x, w * 0.45f, y0, w * 0.84f, y1, rows[i].second, p.digits);
        disc(x.c, w * 0.92f, (y0 + y1) * 0.5f, std::min(w * 0.06f, rh * 0.4f), rgb8(80, 80, 84));
    }
    draw_text(x.c, x.prop, 5, 3, L.substr(0, 22), p.mark);
}

//=== controls ===============================================================================
void draw_switch(Ctx& x, const InsArt& a, int w, int h)
{
    const Palette p = palette_of(a.style);
    box(x.c, 0.5f, 0.5f, w - 0.5f, h - 0.5f, 3, rgb8(40, 40, 42));
    const float cx = w * 0.5f, cy = h * 0.62f, r = std::min(w * 0.28f, h * 0.16f);
    disc(x.c, cx, cy, r * 1.3f, rgb8(150, 150, 155));
    disc(x.c, cx, cy, r * 0.9f, rgb8(80, 80, 84));
    stroke_polyline(x.c, {{cx, cy}, {cx, cy + r * 2.2f}}, r * 0.9f, rgb8(220, 220, 225));
    disc(x.c, cx, cy + r * 2.2f, r * 0.6f, kWhite);
    label_block(x, cx, h * 0.62f - r * 1.3f - 10, w - 2.f, 2, a.label, p.mark);
}

void draw_button(Ctx& x, const InsArt& a, int w, int h)
{
    const Palette p = palette_of(a.style);
    box(x.c, 0.5f, 0.5f, w - 0.5f, h - 0.5f, 3, rgb8(30, 30, 32));
    draw_sdf(x.c, 1, 1, w - 1, h - 1, [=](float px, float py) { return sd_round_rect(px, py, 2, 2, w - 2.f, h - 2.f, 2); },
             [=](float, float py) { return mix(rgb8(70, 72, 78), rgb8(110, 112, 118), py / h); });
    const int lines = h >= 30 ? 2 : 1;
    label_block(x, w * 0.5f, h * 0.5f - 3 + (lines - 1) * 5.5f, w - 3.f, lines, a.label, p.mark);
    if (h >= 18) box(x.c, w * 0.3f, h - 4.f, w * 0.7f, h - 2.5f, 1, kGreen);
}

void draw_knob(Ctx& x, const InsArt& a, int w, int h)
{
    const Palette p = palette_of(a.style);
    const float cx = w * 0.5f, cy = h * 0.5f, R = std::min(w, h) * 0.5f - 0.5f;
    disc(x.c, cx, cy, R, rgb8(30, 30, 32));
    for (int i = 0; i < 24; i++) {
        const Pt o = polar(cx, cy, R * 0.95f, i * 15.f), in = polar(cx, cy, R * 0.8f, i * 15.f);
        line(x.c, o.x, o.y, in.x, in.y, 1, rgb8(90, 90, 95));
    }
    disc(x.c, cx, cy, R * 0.72f, rgb8(60, 60, 64));
    const Pt tip = polar(cx, cy, R * 0.7f, -40);
    line(x.c, cx, cy, tip.x, tip.y, 2, kWhite);
    if (R > 17) label_block(x, cx, cy - 4, R * 1.6f, 1, a.label, p.mark);
}

void draw_handle(Ctx& x, const InsArt& a, int w, int h)
{
    const Palette p = palette_of(a.style);
    box(x.c, 0.5f, 0.5f, w - 0.5f, h - 0.5f, 3, rgb8(40, 40, 42));
    const float cx = w * 0.5f, bottom = h >= 50 ? 14.f : 3.f;
    box(x.c, cx - 2.5f, bottom + 2, cx + 2.5f, h - 4.f, 2, rgb8(8, 8, 8));
    const float ky = bottom + (h - bottom) * 0.62f, kr = std::min(w * 0.4f, (h - bottom) * 0.15f);
    switch (a.kind) {
    case 1:   // gear: a wheel
        disc(x.c, cx, ky, kr, rgb8(230, 230, 230));
        disc(x.c, cx, ky, kr * 0.5f, rgb8(120, 120, 120));
        break;
    case 2:   // flaps: a small aerofoil
        fill_polygon(x.c, {{cx - kr, ky}, {cx - kr * 0.6f, ky + kr * 0.5f}, {cx + kr, ky}, {cx - kr * 0.6f, ky - kr * 0.4f}}, kWhite);
        break;
    case 3:   // engine levers, coloured as usual
        box(x.c, cx - kr, ky - kr * 0.6f, cx + kr, ky + kr * 0.6f, kr * 0.4f, a.lamp);
        break;
    case 4:   // a trim wheel
        box(x.c, cx - w * 0.3f, bottom + 2, cx + w * 0.3f, h - 4.f, 3, rgb8(20, 20, 20));
        for (float y = bottom + 5; y < h - 6; y += 4) line(x.c, cx - w * 0.26f, y, cx + w * 0.26f, y, 1, rgb8(80, 80, 80));
        break;
    default:
        box(x.c, cx - kr, ky - kr * 0.5f, cx + kr, ky + kr * 0.5f, kr * 0.3f, rgb8(200, 200, 200));
        break;
    }
    if (h >= 50) label_block(x, cx, 4, w + 6.f, 1, a.label, p.mark);
}

void draw_annunciator(Ctx& x, const InsArt& a, int w, int h)
{
    box(x.c, 0.5f, 0.5f, w - 0.5f, h - 0.5f, 2, rgb8(20, 20, 20));
    box(x.c, 1.5f, 1.5f, w - 1.5f, h - 1.5f, 1.5f, a.lamp);
    const int lines = h >= 24 ? 2 : 1;
    label_block(x, w * 0.5f, h * 0.5f - 3 + (lines - 1) * 5.5f, w - 3.f, lines, a.label, kBlack);
}

//=== screens ================================================================================
void draw_screen(Ctx& x, const InsArt& a, int w, int h)
{
    const Palette p = palette_of(a.style);
    box(x.c, 0.5f, 0.5f, w - 0.5f, h - 0.5f, 5, rgb8(46, 48, 52));
    const float m = a.kind == 1 ? std::max(12.f, w * 0.08f) : 6.f;
    box(x.c, m, m, w - m, h - m, 2, rgb8(4, 6, 10));
    if (a.kind == 1)   // an EFIS frame: soft keys around the glass
        for (int i = 0; i < 5; i++) {
            const float y = m + (h - 2 * m) * (i + 0.5f) / 5;
            box(x.c, 2, y - 4, m - 3, y + 4, 1.5f, rgb8(90, 90, 95));
            box(x.c, w - m + 3, y - 4, w - 2.f, y + 4, 1.5f, rgb8(90, 90, 95));
        }
    const float cx = w * 0.5f, cy = a.kind == 2 || a.kind == 3 ? m + 8 : h * 0.5f, R = std::min(w - 2 * m, h - 2 * m);
    if (a.kind == 2 || a.kind == 3) {   // map and weather radar: range arcs from the own aircraft
        for (int i = 1; i <= 3; i++)
            stroke_polyline(x.c, arc_points(cx, cy, R * 0.28f * i, 30, 150, 24), 1, a.kind == 2 ? kWhite : kGreen);
        if (a.kind == 3) {
            Shape s;
            s.arc_band(cx, cy, R * 0.4f, R * 0.55f, 70, 100);
            fill_shape(x.c, s, rgb8(40, 200, 60, 0.8f));
            s = Shape();
            s.arc_band(cx, cy, R * 0.46f, R * 0.51f, 78, 92);
            fill_shape(x.c, s, rgb8(250, 200, 40));
        } else {
            stroke_polyline(x.c, {{cx, cy}, {cx + R * 0.2f, cy + R * 0.35f}, {cx - R * 0.15f, cy + R * 0.7f}}, 1.5f, kMagenta);
            disc(x.c, cx + R * 0.2f, cy + R * 0.35f, 2.5f, kMagenta);
        }
        fill_polygon(x.c, {{cx, cy + 8}, {cx - 5, cy - 4}, {cx + 5, cy - 4}}, kWhite);
    } else if (a.kind == 4 && h > 100) {   // ECAM engine page
        for (int i = 0; i < 2; i++) {
            const float gx = w * (0.3f + 0.4f * i), gy = h * 0.62f, gr = std::min(w * 0.16f, h * 0.18f);
            stroke_polyline(x.c, arc_points(gx, gy, gr, -30, 210, 30), 2, kWhite);
            needle(x.c, gx, gy, gr * 0.9f, -20, 1.5f, kGreen);
            text_c(x, gx, gy - gr - 10, "85.2", kGreen, true);
        }
        text_c(x, cx, h * 0.22f, "N1   EGT   FF", rgb8(90, 200, 255));
    }
    if (a.kind == 5 && a.label == "AUTOPILOT" && h >= 40) {   // the mode keys under their title
        static const char* const keys[] = {"AP", "FD", "HDG", "NAV", "APR", "ALT", "VS"};
        const float kw = (w - 2 * m) / 7;
        for (int i = 0; i < 7; i++) {
            box(x.c, m + i * kw + 1, m + 2, m + (i + 1) * kw - 1, h * 0.5f, 2, rgb8(70, 72, 78));
            label_block(x, m + (i + 0.5f) * kw, m + (h * 0.5f - m) * 0.5f - 2, kw - 2, 1, keys[i], kWhite);
        }
    }
    if (!a.label.empty()) label_block(x, cx, h - m - 12, w - 2 * m - 4, 1, a.label, a.kind == 5 ? p.mark : rgb8(90, 200, 255));
}

void draw_hud(Ctx& x, const InsArt& a, int w, int h)
{
    const RGBA g = kHud;
    switch (a.kind) {
    case 1:   // the combiner glass with its frame
        box(x.c, 0.5f, 0.5f, w - 0.5f, h - 0.5f, 6, rgb8(60, 60, 64));
        box(x.c, 6, 6, w - 6.f, h - 6.f, 4, rgb8(120, 200, 160, 0.18f));
        line(x.c, w * 0.15f, h * 0.5f, w * 0.85f, h * 0.5f, 1.5f, g);
        break;
    case 2:   // pitch ladder
        for (int d = -2; d <= 2; d++) {
            const float y = h * 0.5f + d * h * 0.18f;
            const float gap = w * 0.12f, len = d ? w * 0.22f : w * 0.42f;
            line(x.c, w * 0.5f - gap - len, y, w * 0.5f - gap, y, 1.5f, g);
            line(x.c, w * 0.5f + gap, y, w * 0.5f + gap + len, y, 1.5f, g);
            if (d) text_c(x, w * 0.5f - gap - len - 10, y - 4, std::to_string(std::abs(d) * 10), g, true);
        }
        stroke_polyline(x.c, {{w * 0.5f - 14, h * 0.5f}, {w * 0.5f - 6, h * 0.5f}, {w * 0.5f, h * 0.5f - 6}, {w * 0.5f + 6, h * 0.5f}, {w * 0.5f + 14, h * 0.5f}}, 1.5f, g);
        break;
    case 3:   // speed or altitude tape
        line(x.c, w - 3.f, 4, w - 3.f, h - 4.f, 1.5f, g);
        for (int i = 0; i < 6; i++) {
            const float y = 8 + i * (h - 16.f) / 5;
            line(x.c, w - 3.f, y, w - 9.f, y, 1.5f, g);
        }
        lcd(x, 2, h * 0.5f - 7, w - 10.f, h * 0.5f + 7, a.label.find("ALT") != std::string::npos ? "8500" : "180", g);
        break;
    case 4:   // heading scale
        line(x.c, 4, h - 6.f, w - 4.f, h - 6.f, 1.5f, g);
        for (int i = 0; i <= 8; i++) line(x.c, 4 + i * (w - 8.f) / 8, h - 6.f, 4 + i * (w - 8.f) / 8, h - 12.f, 1.5f, g);
        text_c(x, w * 0.5f, 4, "270", g, true);
        break;
    default:
        label_block(x, w * 0.5f, h * 0.5f - 3, w - 2.f, 1, a.label, g);
        break;
    }
}

void draw_plate(Ctx& x, const InsArt& a, int w, int h)
{
    if (a.kind == 1) {
        box(x.c, 0.5f, 0.5f, w - 0.5f, h - 0.5f, 3, rgb8(52, 54, 58));
        for (float y = 10; y < h - 5; y += 30) disc(x.c, w * 0.5f, y, 2.5f, rgb8(120, 120, 124));
        return;
    }
    box(x.c, 0.5f, 0.5f, w - 0.5f, h - 0.5f, 3, rgb8(220, 220, 214));
    text_c(x, w * 0.5f, h * 0.5f - 3, a.label, kBlack, true);
}

}   // namespace

Canvas draw_instrument(const InsArt& a, int w, int h, const PixelFont& prop, const PixelFont& mono)
{
    Canvas c(w, h);
    Ctx x{c, prop, mono};
    switch (a.family) {
    case FAM_ROUND:       draw_round(x, a, w, h); break;
    case FAM_TAPE:        draw_tape(x, a, w, h); break;
    case FAM_ATTITUDE:    draw_attitude(x, a, w, h); break;
    case FAM_HEADING:     draw_heading(x, a, w, h); break;
    case FAM_DIGITAL:     draw_digital(x, a, w, h); break;
    case FAM_RADIO:       draw_radio(x, a, w, h); break;
    case FAM_SWITCH:      draw_switch(x, a, w, h); break;
    case FAM_BUTTON:      draw_button(x, a, w, h); break;
    case FAM_KNOB:        draw_knob(x, a, w, h); break;
    case FAM_HANDLE:      draw_handle(x, a, w, h); break;
    case FAM_ANNUNCIATOR: draw_annunciator(x, a, w, h); break;
    case FAM_SCREEN:      draw_screen(x, a, w, h); break;
    case FAM_HUD:         draw_hud(x, a, w, h); break;
    case FAM_PLATE:       draw_plate(x, a, w, h); break;
    }
    return c;
}

const char* const INS_panel_files[8] = {"Panel_General.png", "Panel_Airliner.png", "Panel_Fighter.png",
                                         "Panel_Glider.png",  "Panel_Helo.png",     "Panel_Autogyro.png",
                                         "Panel_General_IFR.png", "Panel_Autogyro_Twin.png"};

Canvas draw_panel_background(int t, const PixelFont& prop)
{
    static const RGBA colours[8] = {rgb8(96, 98, 102), rgb8(70, 82, 96),  rgb8(58, 62, 62), rgb8(150, 150, 144),
                                    rgb8(66, 72, 62),  rgb8(104, 96, 84), rgb8(84, 88, 96), rgb8(98, 92, 82)};
    static const float coaming[8] = {470, 460, 470, 420, 440, 430, 470, 430};
    const RGBA base = colours[t & 7];
    const float top = coaming[t & 7];
    Canvas c(1024, 768);
    // The panel face up to a coaming that bows upwards in the middle; the view shows above it.
    auto edge = [=](float px) { const float u = (px - 512) / 512; return top + 30 * (1 - u * u); };
    for (int y = 0; y < 768; y++)
        for (int xx = 0; xx < 1024; xx++) {
            const float e = edge(xx + 0.5f), cover = std::clamp(e - y, 0.f, 1.f);
            if (cover <= 0) continue;
            RGBA col = mix(base, rgb8(20, 20, 22), 0.35f * (1 - y / e));
            if (y > e - 14) col = mix(col, rgb8(24, 24, 26), 0.8f);   // the coaming's padded lip
            c.blend(xx, y, col, cover);
        }
    for (float sx : {12.f, 1012.f})
        for (float sy : {12.f, 220.f, 420.f}) {
            draw_sdf(c, int(sx - 5), int(sy - 5), int(sx + 6), int(sy + 6), [=](float px, float py) { return sd_circle(px, py, sx, sy, 4); },
                     rgb8(150, 150, 154));
            stroke_polyline(c, {{sx - 3, sy}, {sx + 3, sy}}, 1, rgb8(60, 60, 60));
        }
    static const char* const names[8] = {"GENERAL", "AIRLINER", "FIGHTER", "GLIDER", "HELICOPTER", "AUTOGYRO",
                                         "GENERAL IFR", "AUTOGYRO TWIN"};
    draw_text(c, prop, 470, int(edge(512) - 11), names[t & 7], rgb8(120, 120, 124));
    return c;
}
