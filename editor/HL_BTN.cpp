// HL_BTN.cpp -- the immediate-mode widgets (drawing helpers).
#include "editor/HL_BTN.h"
#include "draw/HL_GRAPH.h"
#include "shell/Hl_MNW.h"
#include <cmath>

int BTN_bar_spans(float length, float cap, float src, BTN_span* out, int max_out)
{
    int n = 0;
    auto put = [&](float x1, float x2, float s1, float s2) {
        if (x2 > x1 && n < max_out) out[n++] = {x1, x2, s1, s2};
    };
    float mid = src - 2 * cap;
    if (length < 2 * cap || mid <= 0) {            // too short for a middle: two halves of the caps
        put(0, length * 0.5f, 0, length * 0.5f);
        put(length * 0.5f, length, src - length * 0.5f, src);
        return n;
    }
    put(0, cap, 0, cap);
    int tiles = (int)((length - 2 * cap) / mid) + 1;
    for (int i = 0; i < tiles; i++) {
        float x1 = cap + i * mid, x2 = std::fmin(x1 + mid, length - cap);
        put(x1, x2, cap, cap + (x2 - x1));         // the last tile keeps its texture in proportion
    }
    put(length - cap, length, src - cap, src);
    return n;
}

struct bar_style { float cap, src, height, s, t, extra; };
static const bar_style s_bar_styles[12] = {
    {10, 100, 26,   1, 487, 0},   // 0 menu bar
    {20, 100, 26, 102, 487, 0},   // 1 title bar
    {10,  52, 26, 304, 486, 0},   // 2 push button
    {10,  52, 26, 304, 459, 0},   // 3 push button, pressed
    {10,  28, 16, 112, 161, 0},   // 4 progress trough
    {10,  28, 16,  83, 161, 0},   // 5 progress fill
    { 0,   0,  0,   0,   0, 0},   // 6 is the vertical bar only
    {10,  65, 24, 240, 242, 0},   // 7
    { 7,  16, 16, 289, 219, 0},   // 8
    {10,  51, 26, 262, 133, 2},   // 9 number and text field box
    {26,  68, 26, 357, 487, 2},   // 10 pop-up list bar
    {25, 100, 56, 339,   0, 0},   // 11
};

void BTN_frame1(int type, float x_center, float y_center, float dx_control, int color)
{
    if (type < 0 || type > 11 || type == 6) MACIBM_alert(0, "Bad BTN_frame1 call!", "", "", "", 17);
    const bar_style& b = s_bar_styles[type];
    float len = std::round(dx_control * 0.5f) * 2.0f + 2 * b.extra;
    float x0 = x_center - len * 0.5f;
    float y0 = y_center - b.height * 0.5f - (type <= 1 ? 3 : 0);
    BTN_span spans[64];
    int n = BTN_bar_spans(len, b.cap, b.src, spans, 64);
    OGL_tiles_begin(REN_TEX_INTERFACE, color, 1.0f, 7);
    for (int i = 0; i < n; i++)
        OGL_tile(x0 + spans[i].x1, y0, x0 + spans[i].x2, y0 + b.height,
                 b.s + spans[i].s1, b.t, b.s + spans[i].s2, b.t + b.height);
    OGL_tiles_end();
}

void BTN_frame0(int type, float x_center, float y_center, float dy_control)
{
    if (type != 6) MACIBM_alert(0, "Bad BTN_frame0 call!", "", "", "", 17);
    if (x_center != std::floor(x_center)) MACIBM_alert(0, "BTN_frame0 non-int x_center!", "", "", "", 17);
    if (y_center != std::floor(y_center)) MACIBM_alert(0, "BTN_frame0 non-int y_center!", "", "", "", 17);
    const float cap = 10, src = 40, width = 20, s = 102, t = 248;
    float len = std::round(dy_control * 0.5f) * 2.0f + 8;
    float x0 = x_center - width * 0.5f, y0 = y_center - len * 0.5f;
    BTN_span spans[64];
    int n = BTN_bar_spans(len, cap, src, spans, 64);
    OGL_tiles_begin(REN_TEX_INTERFACE, 45, 1.0f, 7);
    for (int i = 0; i < n; i++)
        OGL_tile(x0, y0 + spans[i].x1, x0 + width, y0 + spans[i].x2, s, t + spans[i].s1, s + width, t + spans[i].s2);
    OGL_tiles_end();
}

struct panel_style { float s, t, tile, ox, oy, top; };
static const panel_style s_panel_styles[8] = {
    {  1, 358, 100, 9, 14, 4},    // 11 window
    {102, 358, 100, 9, 14, 4},    // 12 main screen
    {203, 358, 100, 9, 14, 4},    // 13
    {304, 358, 100, 9, 14, 4},    // 14 help box
    {405, 358, 100, 9, 14, 4},    // 15 start-up panel
    {  1, 289,  68, 2,  2, 2},    // 16 list panel
    { 70, 315,  42, 8, 13, 2},    // 17 open menu
    {440,  12,  44, 6,  9, 4},    // 18
};

void BTN_frame2(int type, float x, float y, float dx, float dy, const char* label0)
{
    if (type < 11 || type > 18) MACIBM_alert(0, "Bad BTN_frame2 call!", "", "", "", 17);
    const panel_style& p = s_panel_styles[type - 11];
    float border = std::trunc(0.4f * p.tile);
    float x0 = x - p.ox, y0 = y - p.oy;
    float w = dx + 2 * p.ox, h = dy + p.oy + p.top;
    BTN_span cols[64], rows[64];
    int nc = BTN_bar_spans(w, border, p.tile, cols, 64);
    int nr = BTN_bar_spans(h, border, p.tile, rows, 64);
    OGL_tiles_begin(REN_TEX_INTERFACE, 45, 1.0f, 7);
    for (int r = 0; r < nr; r++)
        for (int c = 0; c < nc; c++)
            OGL_tile(x0 + cols[c].x1, y0 + rows[r].x1, x0 + cols[c].x2, y0 + rows[r].x2,
                     p.s + cols[c].s1, p.t + rows[r].s1, p.s + cols[c].s2, p.t + rows[r].s2);
    OGL_tiles_end();
    if (label0 && *label0) {
        int color = type == 15 ? 42 : (type == 11 ? 36 : 39);
        float ty = y + dy - (type == 11 ? 13 : 16);
        OGL_string(color, x + dx * 0.5f - str_dx(label0) * 0.5f, ty, label0, 9999, 100);
    }
}

void BTN_util_element(float xc, float yc, float sc, float tc, float sdx, float sdy, int color)
{
    OGL_tiles_begin(REN_TEX_INTERFACE, color, 1.0f, 7);
    OGL_tile(xc - sdx, yc - sdy, xc + sdx, yc + sdy, sc, tc, sc + 2 * sdx, tc + 2 * sdy);
    OGL_tiles_end();
}
