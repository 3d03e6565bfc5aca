// preview.cpp -- mock screens put together from the finished sheet the way the widgets draw
// it (stretched bars, nine-slice panels, elements, text), so the art can be judged in place.
// Only written with --preview; nothing here reaches the installed files.
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>

#include "tools/mkart/mkart.h"

namespace {

struct Mock {
    Canvas&          c;
    const Canvas&    sheet;
    const PixelFont& prop;
    const PixelFont& mono;

    RGBA pal(int slot) const
    {
        if (const ART_swatch* w = ART_find_swatch(slot)) return rgb8(w->r, w->g, w->b);
        if (slot == 35) return mix(pal(31), pal(34), 0.5f);
        if (slot == 57) return RGBA{0.5f, 0.5f, 0.5f, 1};
        if (slot == 15) return RGBA{0, 0, 0, 1};
        return RGBA{1, 1, 1, 1};      // 0 and 45 are white
    }

    // Sheet texels [s0,s1) x [t0,t1) onto screen [x0,x1) x [y0,y1), nearest, tinted.
    void quad(float x0, float y0, float x1, float y1, float s0, float t0, float s1, float t1, RGBA tint = {1, 1, 1, 1})
    {
        for (int y = int(std::lround(y0)); y < int(std::lround(y1)); ++y)
            for (int x = int(std::lround(x0)); x < int(std::lround(x1)); ++x) {
                float fs = s0 + (x + 0.5f - x0) / (x1 - x0) * (s1 - s0);
                float ft = t0 + (y + 0.5f - y0) / (y1 - y0) * (t1 - t0);
                int s = std::clamp(int(std::floor(fs)), 0, sheet.w - 1), t = std::clamp(int(std::floor(ft)), 0, sheet.h - 1);
                RGBA p = sheet.at(s, t);
                c.blend(x, y, RGBA{p.r * tint.r, p.g * tint.g, p.b * tint.b, p.a * tint.a});
            }
    }

    void element(float xc, float yc, const ART_rect& r, int colour = 45)
    {
        quad(xc - r.w / 2.f, yc - r.h / 2.f, xc + r.w / 2.f, yc + r.h / 2.f, r.s, r.t, r.s2(), r.t2(), pal(colour));
    }

    // A horizontal run of a strip: caps at both ends, the middle tiled, the last tile cut.
    void run_h(float x, float y, float L, float h, int s, int t, int cap, int src, RGBA tint)
    {
        quad(x, y, x + cap, y + h, s, t, s + cap, t + h, tint);
        float mid = float(src - 2 * cap), pos = x + cap, end = x + L - cap;
        while (pos < end) {
            float len = std::min(mid, end - pos);
            quad(pos, y, pos + len, y + h, s + cap, t, s + cap + len, t + h, tint);
            pos += len;
        }
        quad(end, y, end + cap, y + h, s + src - cap, t, s + src, t + h, tint);
    }

    void frame1(int style, float xc, float yc, float dx, int colour = 45)
    {
        const ART_bar& b = *ART_find_bar(style);
        float L = std::round(dx / 2) * 2 + 2 * b.extra;
        if (style == 0 || style == 1) yc -= 3;
        run_h(xc - L / 2, yc - b.height / 2.f, L, float(b.height), b.s, b.t, b.cap, b.src, pal(colour));
    }

    void frame0(float xc, float yc, float dy, int colour = 0)
    {
        const ART_bar& b = ART_BAR_VERT6;
        float L = std::round(dy / 2) * 2 + 8, x = xc - b.height / 2.f, y = yc - L / 2;
        RGBA  t = pal(colour);
        quad(x, y, x + b.height, y + b.cap, b.s, b.t, b.s + b.height, b.t + b.cap, t);
        float mid = float(b.src - 2 * b.cap), pos = y + b.cap, end = y + L - b.cap;
        while (pos < end) {
            float len = std::min(mid, end - pos);
            quad(x, pos, x + b.height, pos + len, b.s, b.t + b.cap, b.s + b.height, b.t + b.cap + len, t);
            pos += len;
        }
        quad(x, end, x + b.height, end + b.cap, b.s, b.t + b.src - b.cap, b.s + b.height, b.t + b.src, t);
    }

    void frame2(int style, float x, float y, float dx, float dy, const char* title = "")
    {
        const ART_panel& p = *ART_find_panel(style);
        const int T = p.size, B = ART_panel_border(T), M = T - 2 * B;
        float X0 = x - p.ox, Y0 = y - p.oy, X1 = x + dx + p.ox, Y1 = y + dy + p.top;
        auto tiles = [&](float a0, float a1) {     // split a middle run into tile pieces
            std::vector<std::pair<float, float>> out;
            for (float a = a0; a < a1; a += M) out.push_back({a, std::min(a + M, a1)});
            return out;
        };
        // corners
        quad(X0, Y0, X0 + B, Y0 + B, p.s, p.t, p.s + B, p.t + B);
        quad(X1 - B, Y0, X1, Y0 + B, p.s + T - B, p.t, p.s + T, p.t + B);
        quad(X0, Y1 - B, X0 + B, Y1, p.s, p.t + T - B, p.s + B, p.t + T);
        quad(X1 - B, Y1 - B, X1, Y1, p.s + T - B, p.t + T - B, p.s + T, p.t + T);
        for (auto [a, b] : tiles(X0 + B, X1 - B)) {
            quad(a, Y0, b, Y0 + B, p.s + B, p.t, p.s + B + (b - a), p.t + B);
            quad(a, Y1 - B, b, Y1, p.s + B, p.t + T - B, p.s + B + (b - a), p.t + T);
            for (auto [u, v] : tiles(Y0 + B, Y1 - B)) quad(a, u, b, v, p.s + B, p.t + B, p.s + B + (b - a), p.t + B + (v - u));
        }
        for (auto [u, v] : tiles(Y0 + B, Y1 - B)) {
            quad(X0, u, X0 + B, v, p.s, p.t + B, p.s + B, p.t + B + (v - u));
            quad(X1 - B, u, X1, v, p.s + T - B, p.t + B, p.s + T, p.t + B + (v - u));
        }
        if (*title) {
            int colour = style == 15 ? 42 : style == 11 ? 36 : 39;
            float ty   = y + dy - (style == 11 ? 13 : 16);
            text(colour, x + dx / 2 - width(title) / 2, ty, title);
        }
    }

    float width(const char* s)
    {
        float w = 0;
        for (; *s; ++s) w += text_advance(*s);
        return w;
    }
    void text(int colour, float x, float y, const char* s, int charset = 100)
    {
        draw_text(c, charset == 100 ? prop : mono, int(std::lround(x)), int(std::lround(y)), s, pal(colour),
                  charset == 101 ? 6 : charset == 102 ? 10 : 0);
    }

    // The fixed-cell number printer's normal form.
    void number(int colour, float x, float y, float v, int dig, int dec, int charset)
    {
        const int a = charset == 101 ? 6 : 10;
        double scaled = std::fabs(v) * std::pow(10.0, dec);
        long long r   = (long long)(scaled + 0.5);
        for (int k = 1; k <= dig; ++k) {
            long long d = (r / (long long)std::pow(10.0, dig - k)) % 10;
            char s[2]   = {char('0' + d), 0};
            text(colour, x + (k - 1) * a, y, s, charset);
        }
        if (v < 0) text(colour, x - a + 1, y, "-", charset);
        if (dec > 0) text(colour, x - a + a * (dig - dec + 0.5f), y, ".", charset);
        for (int g = 3; g <= 9; g += 3)
            if (dig - dec > g) text(colour, x - a + a * (dig - dec - g + 0.5f), y, ",", charset);
    }

    void label(float x, float y, int side, const char* s)
    {
        float w = width(s);
        text(39, side == 0 ? x - w : x, y, s);
    }

    void flt(float x, float y, float v, int dig, int dec, const char* left, const char* right)
    {
        frame1(9, x + 5 * dig - 1, y + 3, 10 * dig + 15);
        for (int k = 0; k < dig; ++k) {
            element(x + 10 * k + 5, y - 13, ART_ARROW_DEC, 0);
            element(x + 10 * k + 5, y + 15, ART_ARROW_INC, 0);
        }
        label(x - 12, y, 0, left);
        label(x + 10 * dig + 12, y, 2, right);
        number(40, x + 4, y, v, dig, dec, 102);
    }

    void check(float x, float y, bool on, bool radio, const char* right)
    {
        element(x, y + 4, radio ? ART_RADIO_BOX : ART_CHECK_BOX);
        if (on) element(x, y + 4, radio ? ART_RADIO_DOT : ART_CHECK_TICK, 45);
        label(x + 12, y, 2, right);
    }

    void button(float x, float y, const char* s, bool pressed)
    {
        float w = width(s) + 21;
        frame1(2, x, y, w);
        if (pressed) frame1(3, x, y, w);
        text(39, x - width(s) / 2, y - 4, s);
    }

    void popup(float x, float y, const char* item, const char* left)
    {
        float w = width(item);
        frame1(10, x + 10, y + 5, w + 28);
        text(34, x - w / 2, y, item);
        label(x - w / 2 - 5, y, 0, left);
    }

};

}   // namespace

// The editor as it would look: a window with tabs, sub-panels and every kind of control, the
// menu bar with a menu open, and a help box.
Canvas preview_editor(const Canvas& sheet, const PixelFont& prop, const PixelFont& mono)
{
    Canvas screen(1024, 768);
    {
        Mock bg{screen, sheet, prop, mono};
        screen = Canvas(1024, 768, bg.pal(30));
    }
    // A 900 x 620 window; widgets take window-relative coordinates, so X and Y add its origin.
    const int WX = 62, WY = 60, WDX = 900, WDY = 620;
    Mock m{screen, sheet, prop, mono};
    auto X = [&](float x) { return x + WX; };
    auto Y = [&](float y) { return y + WY; };
    m.frame2(11, X(0), Y(0), WDX, WDY, "Wings");
    m.element(X(16), Y(WDY - 10), ART_CLOSE_BOX);
    m.element(X(WDX - 16), Y(WDY - 10), ART_CLOSE_BOX_PRESSED);
    m.frame1(1, X(WDX / 2.f), Y(WDY - 50), WDX - 20);
    const char* tabs[] = {"Wing 1", "Wing 2", "Horiz Stab", "Vert Stab"};
    for (int i = 0; i < 4; ++i) {
        float x = 88 * i + 62, y = WDY - 38;
        m.element(X(x - 5), Y(y), i == 1 ? ART_TAB_SELECTED : ART_TAB_UNSELECTED);
        m.text(i == 1 ? 37 : 38, X(x - 35), Y(y - 4), tabs[i]);
    }
    // sub-panels: x, y, dx, dy with the tab strip above
    m.frame2(13, X(10), Y(300), 430, WDY - 28 - 300 - 34, "SEGMENT GEOMETRY");
    m.frame2(13, X(450), Y(300), WDX - 10 - 450, WDY - 28 - 300 - 34, "CONTROLS");
    m.frame2(13, X(10), Y(10), 430, 280, "LIST AND FILES");
    m.frame2(15, X(450), Y(10), WDX - 460, 280, "3-D VIEW");

    m.flt(X(150), Y(500), 1234.5f, 6, 2, "semi-length", "(ft)");
    m.flt(X(150), Y(450), 7.25f, 4, 2, "root chord", "(ft)");
    m.flt(X(150), Y(400), -3.5f, 3, 1, "fuel intro time", "(sec)");
    m.flt(X(150), Y(350), 25, 3, 0, "sweep", "(deg)");
    m.check(X(560), Y(500), true, false, "has ailerons");
    m.check(X(560), Y(475), false, false, "has flaps");
    m.check(X(560), Y(440), true, true, "left-hand");
    m.check(X(560), Y(415), false, true, "right-hand");
    m.button(X(620), Y(370), "Default Instruments", false);
    m.button(X(780), Y(370), "Accept", true);
    m.popup(X(760), Y(500), "NACA 2412", "airfoil");
    m.popup(X(760), Y(450), "Plain flap", "flap type");
    m.flt(X(700), Y(330), 12.5f, 3, 1, "throttle", "%");

    // list panel with rows and scroll bar
    m.frame2(16, X(30), Y(40), 200, 200);
    const char* rows[] = {"Aircraft", "Airfoils", "Cessna 172SP.acf", "Glider.acf", "Jet-Trainer.acf",
                          "paint.png", "Readme", "Wing-Wright.acf", "Weapons", "X-15.acf"};
    for (int r = 0; r < 10; ++r) {
        float ry = Y(230 - 10 * r - 3) - 7;
        const ART_rect& ic = r < 2 || r == 8 ? ART_LIST_ICON_FOLDER
                             : r == 5       ? ART_LIST_ICON_BITMAP
                             : r == 6       ? ART_LIST_ICON_FILE
                                            : ART_LIST_ICON_AIRCRAFT;
        m.element(X(42), ry + 4, ic);
        m.text(40, X(50), ry, rows[r]);
    }
    m.frame0(X(246), Y(140), 180);
    m.element(X(246), Y(240), ART_SCROLL_UP, 0);
    m.element(X(246), Y(40), ART_SCROLL_DOWN, 0);
    m.element(X(246), Y(170), ART_SCROLL_THUMB, 42);
    m.element(X(300), Y(250), ART_FILE_BUTTON);
    m.frame1(9, X(300 + 159), Y(250 + 3) - 0, 120);
    m.text(40, X(317), Y(247), "Cessna.acf");
    m.element(X(300), Y(200), ART_ICON_SHOW_PANEL_ON);
    m.element(X(320), Y(200), ART_ICON_FOLDER_UP_ON);
    m.element(X(340), Y(200), ART_ICON_MINIMIZE_OFF);
    m.element(X(300), Y(175), ART_ICON_SHOW_PANEL_OFF);
    m.element(X(320), Y(175), ART_ICON_FOLDER_UP_OFF);
    m.element(X(340), Y(175), ART_ICON_MINIMIZE_ON);
    m.frame1(9, X(360), Y(120), 120);
    m.text(40, X(306), Y(117), "Text field");
    m.frame1(7, X(360), Y(80), 100);
    m.frame1(8, X(360), Y(50), 40);

    // 3-D view: the prop disc stands in for a scene, with a wire line in colour 42
    m.text(42, X(470), Y(260), "wire frame colour, help text");
    m.text(45, X(470), Y(245), "credit line in white");
    m.text(57, X(470), Y(230), "start-up message in grey");
    m.number(40, X(470), Y(210), 1234.5f, 6, 2, 101);

    // menu bar and an open menu
    m.frame1(0, 512, 759, 1024);
    const char* menus[] = {"File", "Edit", "Aircraft", "Panel", "View", "Special"};
    float mx = 10;
    for (const char* s : menus) {
        m.text(34, mx + 10, 746 + 6, s);
        mx += m.width(s) + 26;
    }
    {
        float x1 = 80, y2 = 742, w = 190;
        const char* items[] = {"Aircraft Specs", "Engine Specs", "-", "Wings [W]", "Control Surfaces", "Bodies >", "Landing Gear"};
        int n = 7;
        float y1 = y2 - 12 * n;
        m.frame2(17, x1, y1, w, y2 - y1);
        for (int i = 0; i < n; ++i) {
            float iy = y2 - 12 * (i + 1);
            if (items[i][0] == '-') {
                for (int x = int(x1 + 4); x < int(x1 + w - 4); ++x) {
                    screen.blend(x, int(iy + 7), m.pal(31));
                    screen.blend(x, int(iy + 6), m.pal(33));
                }
                continue;
            }
            if (i == 3)
                for (int y = int(iy); y < int(iy + 12); ++y)
                    for (int x = int(x1); x < int(x1 + w); ++x) screen.blend(x, y, m.pal(32), 0.25f);
            m.text(34, x1 + 18, iy + 3, items[i]);
            if (i == 5) m.element(x1 + w - 8, iy + 6, ART_MENU_SUBMENU_ARROW);
        }
    }
    // hover help
    {
        float x = 560, y = 120, w = 400, h = 30;
        m.frame2(14, x - 10, y - 10, w + 20, h + 20);
        m.text(42, x + 3, y + h - 10, "This is how long fuel introduction takes to ramp from");
        m.text(42, x + 3, y + h - 20, "none to idle during the engine-start process.");
    }
    // cursors along the bottom right
    const ART_rect cur[] = {ART_CURSOR_MOVE, ART_CURSOR_RESIZE_H, ART_CURSOR_RESIZE_V, ART_CURSOR_RESIZE_NWSE,
                            ART_CURSOR_RESIZE_NESW, ART_CURSOR_CROSSHAIR, ART_CURSOR_ROTATE, ART_CURSOR_ZOOM,
                            ART_CURSOR_HAND_OPEN, ART_CURSOR_HAND_GRAB, ART_CURSOR_POINT, ART_CURSOR_POINT_PRESS};
    for (int i = 0; i < 12; ++i) m.element(300 + 34 * i, 25, cur[i]);
    return screen;
}

// The panel editor's floating box: its frame, the title bar holding three number fields with
// the small arrows (labels in colour 43 there), the picture buttons and the file list.
Canvas preview_panel_box(const Canvas& sheet, const PixelFont& prop, const PixelFont& mono)
{
    Canvas screen(520, 340, rgb8(90, 96, 104));     // stands for a panel bitmap behind the box
    Mock   m{screen, sheet, prop, mono};
    const float X = 170, Y = 20, dx_vis = 150;
    m.frame2(18, X - dx_vis, Y, dx_vis + 332, 266);
    m.frame1(11, X + 175, Y + 284, 332);
    auto field = [&](float x, float y, float v, int dig, int dec, const char* label) {
        m.frame1(9, x + 5 * dig - 1, y + 3, 10 * dig + 15);
        for (int k = 0; k < dig; ++k) {
            m.element(x + 10 * k + 5, y - 10, ART_ARROW_DEC_SMALL, 0);
            m.element(x + 10 * k + 5, y + 11, ART_ARROW_INC_SMALL, 0);
        }
        m.text(43, x - 12 - m.width(label), y, label);
        m.number(40, x + 4, y, v, dig, dec, 102);
    };
    field(X + 59, Y + 284, 1.25f, 3, 2, "size");
    field(X + 124, Y + 284, 512, 4, 0, "x");
    field(X + 184, Y + 284, -40, 4, 0, "y");
    m.element(X + 266, Y + 287, ART_ICON_SHOW_PANEL_ON);
    m.element(X + 286, Y + 287, ART_ICON_FOLDER_UP_OFF);
    m.element(X + 306, Y + 287, ART_ICON_MINIMIZE_ON);
    m.frame2(16, X + 20, Y + 20, 260, 220);
    const char* rows[] = {"-PANELS-", "airspeed", "altimeter", "attitude", "clock", "compass", "fuel gauge",
                          "heading", "turn coordinator", "vertical speed"};
    for (int r = -5; r < 5; ++r) {
        float ry = Y + 133 - 10 * r - 3;
        m.element(X + 34, ry + 4, r == -5 ? ART_LIST_ICON_FOLDER : ART_LIST_ICON_BITMAP);
        m.text(40, X + 42, ry, rows[r + 5]);
    }
    m.frame0(X + 296, Y + 133, 180);
    m.element(X + 296, Y + 233, ART_SCROLL_UP, 0);
    m.element(X + 296, Y + 33, ART_SCROLL_DOWN, 0);
    m.element(X + 296, Y + 150, ART_SCROLL_THUMB, 0);
    return screen;
}

// The start screen with the progress panel and trough the program draws over the picture.
Canvas preview_start(const Canvas& sheet, const Canvas& intro, const PixelFont& prop, const PixelFont& mono)
{
    Canvas screen = intro;
    Mock   m{screen, sheet, prop, mono};
    m.frame2(15, 10, 31, 310, 206);
    m.text(45, 22, 215, "Wing-Wright, the aircraft designer of Skyvane.");
    m.text(57, 22, 65, "Loading bitmap interface.png.");
    m.frame1(4, 512, 15, 1008);
    float p = 0.4f, len = 1008 * p;
    m.frame1(5, 8 + len / 2, 15, len);
    return screen;
}
