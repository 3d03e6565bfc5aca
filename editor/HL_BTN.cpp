// HL_BTN.cpp -- the immediate-mode widgets and their drawing helpers.
//
// Every widget does the same three things in one call: react to this frame's mouse (mnw), keep
// the caller's value legal, then draw, so the frame already shows the new value. Everything a
// test or a window needs to reason about (label splitting and breaking, list items, code
// letters, bar pieces) is plain arithmetic in the layout section and draws nothing.
#include "editor/HL_BTN.h"
#include "editor/hl_undo.h"
#include "draw/HL_GRAPH.h"
#include "draw/art_layout.h"
#include "base/records.h"
#include "base/alert.h"
#include "base/HL_MATH_FUN.h"
#include "base/common.h"
#include "base/hl_string.h"
#include "base/IO_LIST.h"
#include <cmath>
#include <cstring>
#include <cctype>

int  active_popup_code;
int  select_popup_code;
int  popup_menu_select;
char g_cs_input[BTN_INPUT_LEN];

static const char* s_src = "HL_BTN";       // source named in our programming-error alerts

//=== small shared pieces ====================================================================
// The layout check's recorder: while it is on, each widget adds the rectangle its clicks hit.
static std::vector<BTN_hit>* s_hits;

void BTN_record_hits(std::vector<BTN_hit>* into) { s_hits = into; }

static void record(float x1, float y1, float x2, float y2, const char* label0)
{
    if (s_hits) s_hits->push_back({x1, y1, x2, y2, label0 ? label0 : ""});
}

static int inside(float x1, float y1, float x2, float y2)
{
    return mnw.mx >= x1 && mnw.mx <= x2 && mnw.my >= y1 && mnw.my <= y2;
}

static void post_help(const char* help)
{
    if (help && *help) STR_cut(stl.help_message, help, sizeof stl.help_message);
}

static void element(const ART_rect& r, float xc, float yc, int color)
{
    BTN_util_element(xc, yc, (float)r.s, (float)r.t, r.w * 0.5f, r.h * 0.5f, color);
}

// A label0 split once per call; the three parts live on the stack of the widget.
struct label_parts { char left[BTN_LABEL_LEN], right[BTN_LABEL_LEN], help[BTN_LABEL_LEN]; };
static void split(const char* label0, label_parts* p) { label0to12h(label0, p->left, p->right, p->help); }

float fltnear(float value, float step)
{
    if (step == 0) return value;
    return std::round(value / step) * step;
}

void BTN_entry_key(int is_delete, int chr)
{
    size_t n = strlen(g_cs_input);
    if (n > BTN_INPUT_MAX) n = BTN_INPUT_MAX;   // whatever was copied in, the key handler stays in bounds
    if (is_delete) {
        if (n > 0) n--;
    } else if (chr > 0 && n < BTN_INPUT_MAX) {
        g_cs_input[n++] = (char)chr;
    }
    g_cs_input[n] = 0;
}

//=== layout without drawing =================================================================
// The break of a long label: the space, "-" or "/" nearest its middle, the left one of two
// equally near; 0 when there is none, which means no break.
static int break_position(const char* s, int len)
{
    int middle = len / 2, best = 0;
    for (int i = 0; i < len; i++) {
        if (s[i] != ' ' && s[i] != '-' && s[i] != '/') continue;
        if (std::abs(i - middle) < std::abs(best - middle)) best = i;
    }
    return best;
}

void BTN_layout_label(float x, float y, int side, const char* label, BTN_label_layout* out)
{
    out->lines = 0;
    if (!label || !*label) return;
    // A leading "-" asks for one line: it is a marker, not text.
    int no_break = side == 1 || label[0] == '-';
    if (label[0] == '-') label++;
    int len = (int)strlen(label);
    if (len > BTN_LABEL_LEN - 1) len = BTN_LABEL_LEN - 1;
    // Long is twelve Latin letters; a label with Korean glyphs (15 pixels each) is long when it is
    // wider than twelve average letters, and its two lines stand apart by a Korean cell.
    bool korean = false;
    for (int i = 0; i < len && !korean; i++) korean = OGL_korean_pair_start((unsigned char)label[i]);
    bool long_label = korean ? str_dx(label) > 72 : len > 12;
    int cut = (!no_break && long_label) ? break_position(label, len) : 0;
    const float half_gap = korean ? 7.0f : 5.0f;
    if (cut > 0 && cut < len - 1) {
        memcpy(out->text[0], label, cut);
        out->text[0][cut] = 0;
        STR_cut(out->text[1], label + cut + 1, BTN_LABEL_LEN);
        out->lines = 2;
        out->y[0] = y + half_gap;
        out->y[1] = y - half_gap;
    } else {
        memcpy(out->text[0], label, len);
        out->text[0][len] = 0;
        out->lines = 1;
        out->y[0] = y;
    }
    for (int i = 0; i < out->lines; i++) out->x[i] = side == 0 ? x - str_dx(out->text[i]) : x;
}

int BTN_split_list(const char* stl_list, const char* label0, std::string* items)
{
    if (!stl_list) stl_list = "";
    if (strchr(stl_list, '|'))
        MACIBM_alert(0, "Found | char in text string!", stl_list, label0 ? label0 : "", s_src, 17);
    int n = 0;
    const char* start = stl_list;
    for (;;) {
        const char* dash = strchr(start, '-');
        if (n == BTN_LIST_MAX)
            MACIBM_alert(0, "BTN_text_list overflow!", stl_list, label0 ? label0 : "", s_src, 17);
        items[n++].assign(start, dash ? (size_t)(dash - start) : strlen(start));
        if (!dash) break;
        start = dash + 1;
    }
    return n;
}

static const char s_code_chars[] = " 0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ-";

int BTN_char_code(char c)
{
    const char* p = c ? strchr(s_code_chars, toupper((unsigned char)c)) : nullptr;
    return p ? (int)(p - s_code_chars) : 1;
}

char BTN_code_char(int code)
{
    code %= 38;
    if (code < 0) code += 38;
    return s_code_chars[code];
}

float BTN_flt_hi(int dig, int dec) { return (std::pow(10.0f, (float)dig) - 1) / std::pow(10.0f, (float)dec); }

int BTN_bar_spans(float length, float cap, float src, BTN_span* out, int max_out, int one_middle)
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
    if (one_middle) {
        put(cap, length - cap, cap, src - cap);
    } else {
        int tiles = (int)((length - 2 * cap) / mid) + 1;
        for (int i = 0; i < tiles; i++) {
            float x1 = cap + i * mid, x2 = std::fmin(x1 + mid, length - cap);
            put(x1, x2, cap, cap + (x2 - x1));     // the last tile keeps its texture in proportion
        }
    }
    put(length - cap, length, src - cap, src);
    return n;
}

//=== drawing helpers ========================================================================
// One axis of a frame cut where its tile's transparent margin ends (insets lo_out / hi_out) and
// where its rectangle of one colour begins (lo_in / hi_in): margin pieces are dropped, the rest
// is `flat` (inside that colour) or taken from the sheet.
struct frame_piece { BTN_span sp; bool flat; };
static int cut_axis(const BTN_span* in, int n, float size, int lo_out, int hi_out, int lo_in, int hi_in, frame_piece* out)
{
    const float cut[6] = {0, (float)lo_out, (float)lo_in, size - hi_in, size - hi_out, size};
    int m = 0;
    for (int i = 0; i < n; i++) {
        const BTN_span& a = in[i];
        const float k = (a.x2 - a.x1) / (a.s2 - a.s1);
        for (int c = 1; c < 4; c++) {                      // the pieces between the margins
            const float s1 = std::max(a.s1, cut[c]), s2 = std::min(a.s2, cut[c + 1]);
            if (s2 <= s1) continue;
            out[m++] = {{a.x1 + (s1 - a.s1) * k, a.x1 + (s2 - a.s1) * k, s1, s2}, c == 2};
        }
    }
    return m;
}

// A frame (the tile of ds x dt texels at s, t, laid out along cols and rows from x0, y0) whose
// one-colour rectangle is drawn as one plain fill, and only the ring between the margins and the
// fill from the sheet. A software renderer fills a plain rectangle several times faster than it
// samples texels, and a border tile is mostly margin and fill.
static void tiles_around_fill(int color, float x0, float y0, float s, float t, float ds, float dt, const BTN_span* cols,
                              int nc, const BTN_span* rows, int nr, const unsigned char fill[4], const int outer[4],
                              const int inner[4])
{
    frame_piece c[3 * BTN_MAX_SPANS], r[3 * BTN_MAX_SPANS];
    const int mc = cut_axis(cols, nc, ds, outer[0], outer[1], inner[0], inner[1], c);
    const int mr = cut_axis(rows, nr, dt, outer[2], outer[3], inner[2], inner[3], r);
    float fx1 = 1e9f, fx2 = -1e9f, fy1 = 1e9f, fy2 = -1e9f;
    for (int i = 0; i < mc; i++)
        if (c[i].flat) { fx1 = std::min(fx1, c[i].sp.x1); fx2 = std::max(fx2, c[i].sp.x2); }
    for (int j = 0; j < mr; j++)
        if (r[j].flat) { fy1 = std::min(fy1, r[j].sp.x1); fy2 = std::max(fy2, r[j].sp.x2); }
    if (fx2 > fx1 && fy2 > fy1) OGL_fillrect_texel(color, fill, x0 + fx1, y0 + fy1, fx2 - fx1, fy2 - fy1);
    OGL_tiles_begin(REN_TEX_INTERFACE, color, 1.0f, 7);
    for (int j = 0; j < mr; j++)
        for (int i = 0; i < mc; i++) {
            if (c[i].flat && r[j].flat) continue;
            OGL_tile(x0 + c[i].sp.x1, y0 + r[j].sp.x1, x0 + c[i].sp.x2, y0 + r[j].sp.x2,
                     s + c[i].sp.s1, t + r[j].sp.s1, s + c[i].sp.s2, t + r[j].sp.s2);
        }
}

void BTN_frame1(int type, float x_center, float y_center, float dx_control, int color)
{
    const ART_bar* b = ART_find_bar(type);
    if (!b) { MACIBM_alert(0, "Bad BTN_frame1 call!", s_src, "", "", 17); return; }
    float len = std::round(dx_control * 0.5f) * 2.0f + 2 * b->extra;
    float x0 = x_center - len * 0.5f;
    float y0 = y_center - b->height * 0.5f - (type <= 1 ? 3 : 0);   // the bar art of 0 and 1 sits high
    BTN_span spans[BTN_MAX_SPANS];
    int n = BTN_bar_spans(len, (float)b->cap, (float)b->src, spans, BTN_MAX_SPANS, OGL_bar_middle_repeats(type));
    OGL_tiles_begin(REN_TEX_INTERFACE, color, 1.0f, 7);
    for (int i = 0; i < n; i++)
        OGL_tile(x0 + spans[i].x1, y0, x0 + spans[i].x2, y0 + b->height,
                 b->s + spans[i].s1, (float)b->t, b->s + spans[i].s2, (float)(b->t + b->height));
}

void BTN_frame0(int type, float x_center, float y_center, float dy_control)
{
    if (type != 6) { MACIBM_alert(0, "Bad BTN_frame0 call!", s_src, "", "", 17); return; }
    // The track is drawn texel for texel; a half-pixel centre would smear it.
    if (x_center != std::floor(x_center)) MACIBM_alert(0, "BTN_frame0 non-int x_center!", s_src, "", "", 17);
    if (y_center != std::floor(y_center)) MACIBM_alert(0, "BTN_frame0 non-int y_center!", s_src, "", "", 17);
    const ART_bar& b = ART_BAR_VERT6;
    float len = std::round(dy_control * 0.5f) * 2.0f + 8;
    float x0 = x_center - b.height * 0.5f, y0 = y_center - len * 0.5f;
    BTN_span spans[BTN_MAX_SPANS];
    int n = BTN_bar_spans(len, (float)b.cap, (float)b.src, spans, BTN_MAX_SPANS, OGL_bar_middle_repeats(6));
    OGL_tiles_begin(REN_TEX_INTERFACE, 45, 1.0f, 7);
    for (int i = 0; i < n; i++)
        OGL_tile(x0, y0 + spans[i].x1, x0 + b.height, y0 + spans[i].x2,
                 (float)b.s, b.t + spans[i].s1, (float)(b.s + b.height), b.t + spans[i].s2);
}

void BTN_frame2(int type, float x, float y, float dx, float dy, const char* label0)
{
    const ART_panel* p = ART_find_panel(type);
    if (!p) { MACIBM_alert(0, "Bad BTN_frame2 call!", s_src, "", "", 17); return; }
    float border = (float)ART_panel_border(p->size);
    float x0 = x - p->ox, y0 = y - p->oy;
    float w = dx + 2 * p->ox, h = dy + p->oy + p->top;
    BTN_span cols[BTN_MAX_SPANS], rows[BTN_MAX_SPANS];
    int nc = BTN_bar_spans(w, border, (float)p->size, cols, BTN_MAX_SPANS, OGL_panel_middle_repeats(type, 0));
    int nr = BTN_bar_spans(h, border, (float)p->size, rows, BTN_MAX_SPANS, OGL_panel_middle_repeats(type, 1));
    unsigned char fill[4];
    int outer[4], inner[4];
    if (OGL_panel_insets(type, outer, inner, fill)) {
        tiles_around_fill(45, x0, y0, (float)p->s, (float)p->t, (float)p->size, (float)p->size, cols, nc, rows, nr, fill,
                          outer, inner);
    } else {
        // An opaque middle blends to exactly its own texels, so it goes first without blending;
        // the border pieces around it are blended.
        const bool opaque = OGL_panel_middle_opaque(type);
        auto middle = [&](const BTN_span& sp) { return sp.s1 >= border && sp.s2 <= p->size - border; };
        for (int pass = opaque ? 0 : 1; pass < 2; pass++) {
            OGL_tiles_begin(REN_TEX_INTERFACE, 45, 1.0f, pass == 0 ? 4 : 7);
            for (int r = 0; r < nr; r++)
                for (int c = 0; c < nc; c++) {
                    if (opaque && (pass == 0) != (middle(cols[c]) && middle(rows[r]))) continue;
                    OGL_tile(x0 + cols[c].x1, y0 + rows[r].x1, x0 + cols[c].x2, y0 + rows[r].x2,
                             p->s + cols[c].s1, p->t + rows[r].s1, p->s + cols[c].s2, p->t + rows[r].s2);
                }
        }
    }
    if (label0 && *label0) {
        int color = type == 15 ? 42 : (type == 11 ? 36 : 39);
        float ty = y + dy - (type == 11 ? 13 : 16);
        OGL_string(color, x + dx * 0.5f - str_dx(label0) * 0.5f, ty, label0, 9999, 100);
    }
    // The window frame carries the close boxes; the main screen and the modal windows have none.
    if (type == 11 && MNW_editor_window(mnw.top_win)) BTN_zap_boxes(0);
}

void BTN_util_element(float xc, float yc, float sc, float tc, float sdx, float sdy, int color)
{
    OGL_tiles_begin(REN_TEX_INTERFACE, color, 1.0f, 7);
    OGL_tile(xc - sdx, yc - sdy, xc + sdx, yc + sdy, sc, tc, sc + 2 * sdx, tc + 2 * sdy);
}

void BTN_zap_boxes(int pressed)
{
    const ART_rect& r = pressed ? ART_CLOSE_BOX_PRESSED : ART_CLOSE_BOX;
    element(r, 16, mnw.win_dy - 10, 45);
    element(r, mnw.win_dx - 16, mnw.win_dy - 10, 45);
}

void BTN_fillwin(int bar, int fill_type)
{
    BTN_frame2(bar ? 11 : 12, 0, 0, mnw.win_dx, mnw.win_dy, stl.win_name);
    if (fill_type == 1) BTN_frame1(1, mnw.win_dx * 0.5f, mnw.win_dy - 50, mnw.win_dx, 45);
    else if (fill_type != 19) BTN_frame2(fill_type, 10, 10, mnw.win_dx - 20, mnw.win_dy - 40, "");
}

void BTN_subwin(float tab_dy, int win_type, float x, float y, float dx, float dy, const char* str,
                float* x2, float* y2)
{
    if (x < 0) x = 10;
    if (y < 0) y = 10;
    if (dx < 0) dx = mnw.win_dx - 10 - x;
    if (dy < 0) dy = mnw.win_dy - 28 - y - tab_dy;
    BTN_frame2(win_type, x, y, dx, dy, str);
    if (x2) *x2 = x + dx + 10;
    if (y2) *y2 = y + dy + 10;
}

void BTN_util_draw_boxed_button(float x_center, float y_center, float dx_control, float box_os, int num_boxes)
{
    BTN_frame1(9, x_center, y_center, dx_control, 45);
    // The arrow pair above and below each 10-px cell, all in one batch: a window holds dozens of
    // these fields. Each row of cells is one quad from the sheet's rows of arrows, which a
    // software renderer sets up once instead of once a digit. The panel editor's own window uses
    // the small pair, set closer to the box.
    int small = mnw.top_win == 602;
    float left = x_center - dx_control * 0.5f + box_os;
    const ART_rect& up = small ? ART_ARROW_ROW_INC_SMALL : ART_ARROW_ROW_INC;
    const ART_rect& down = small ? ART_ARROW_ROW_DEC_SMALL : ART_ARROW_ROW_DEC;
    const float y_up = y_center + (small ? 8 : 12) - 5, y_down = y_center - (small ? 13 : 16) - 5;
    OGL_tiles_begin(REN_TEX_INTERFACE, 45, 1.0f, 7);
    for (int k = 0; k < num_boxes; k += ART_ARROW_ROW_CELLS) {
        const int n = std::min(num_boxes - k, ART_ARROW_ROW_CELLS);
        const float x1 = left + 10 * k, x2 = x1 + 10 * n;
        OGL_tile(x1, y_up, x2, y_up + 10, (float)up.s, (float)up.t, (float)(up.s + 10 * n), (float)up.t2());
        OGL_tile(x1, y_down, x2, y_down + 10, (float)down.s, (float)down.t, (float)(down.s + 10 * n), (float)down.t2());
    }
}

void BTN_util_draw_label(float x, float y, int side, const char* label)
{
    BTN_label_layout l;
    BTN_layout_label(x, y, side, label, &l);
    for (int i = 0; i < l.lines; i++) OGL_string(39, l.x[i], l.y[i], l.text[i], 9999, 100);
}

static void draw_labels(float x_left, float x_right, float y, const label_parts& p)
{
    BTN_util_draw_label(x_left, y, 0, p.left);
    BTN_util_draw_label(x_right, y, 2, p.right);
}

//=== number widgets =========================================================================
static int flt_range(float x, float y, float* var, int dig, int dec, float lo, float hi, const char* label0,
                     const char* undo)
{
    label_parts p;
    split(label0, &p);
    int changed = 0;
    record(x, y - 18, x + 10.0f * dig, y + 24, label0);
    if (mnw.menu_up == -1 && inside(x, y - 18, x + 10.0f * dig, y + 24)) {
        if (mnw.my >= y - 2 && mnw.my <= y + 8) post_help(p.help);
        if (mnw.mouse_clicked) {
            int cell = (int)((mnw.mx - x) / 10);
            if (cell > dig - 1) cell = dig - 1;
            float step = std::pow(10.0f, (float)(dig - 1)) / std::pow(10.0f, (float)dec);
            for (int k = 0; k < cell; k++) step /= 10;
            if (undo) UNDO_BeginCommand(undo);
            *var += mnw.my >= y + 3 ? step : -step;
            changed = 1;
        }
    }
    // Every call, so a value that came from a file or another widget is never shown out of range;
    // one that is not a number (a damaged file) takes lo rather than reaching the drawing.
    if (!(*var >= lo)) *var = lo;
    if (*var > hi) *var = hi;

    BTN_util_draw_boxed_button(x + 5.0f * dig - 1, y + 3, 10.0f * dig + 15, 8.5f, dig);
    draw_labels(x - 12, x + 10.0f * dig + 12, y, p);
    OGL_number(40, x + 4, y, *var, dig, dec, 102);
    return changed;
}

int BTN_flt_range(float x, float y, float* var, int dig, int dec, float lo, float hi, const char* label0)
{
    return flt_range(x, y, var, dig, dec, lo, hi, label0, nullptr);
}

int BTN_flt_range_undo(float x, float y, float* var, int dig, int dec, float lo, float hi, const char* label0,
                       const char* undo)
{
    return flt_range(x, y, var, dig, dec, lo, hi, label0, undo);
}

int BTN_flt(float x, float y, float* var, int dig, int dec, int sign, const char* label0)
{
    float hi = BTN_flt_hi(dig, dec);
    return flt_range(x, y, var, dig, dec, sign ? -hi : 0, hi, label0, nullptr);
}

int BTN_flt_undo(float x, float y, float* var, int dig, int dec, int sign, const char* label0, const char* undo)
{
    float hi = BTN_flt_hi(dig, dec);
    return flt_range(x, y, var, dig, dec, sign ? -hi : 0, hi, label0, undo);
}

int BTN_int_range(float x, float y, int* var, int dig, float lo, float hi, const char* label0)
{
    float v = (float)*var;
    int changed = flt_range(x, y, &v, dig, 0, lo, hi, label0, nullptr);
    *var = (int)v;
    return changed;
}

void BTN_display_number(float x, float y, float var, int dig, int dec, const char* label0)
{
    label_parts p;
    split(label0, &p);
    BTN_frame1(9, x + 5.0f * dig - 1, y + 3, 10.0f * dig + 15, 45);
    draw_labels(x - 12, x + 10.0f * dig + 12, y, p);
    OGL_number(40, x + 4, y, var, dig, dec, 101);
}

//=== buttons ================================================================================
int BTN_bool(float x, float y, int* var, const char* label0, int is_radio)
{
    label_parts p;
    split(label0, &p);
    int changed = 0;
    record(x - 8, y - 4, x + 8, y + 12, label0);
    if (mnw.menu_up == -1 && inside(x - 8, y - 4, x + 8, y + 12)) {
        post_help(p.help);
        if (mnw.mouse_clicked) {
            *var = !*var;
            changed = 1;
        }
    }
    element(is_radio ? ART_RADIO_BOX : ART_CHECK_BOX, x, y + 4, 45);
    if (*var) element(is_radio ? ART_RADIO_DOT : ART_CHECK_TICK, x, y + 4, 45);
    draw_labels(x - 12, x + 12, y, p);
    return changed;
}

int BTN_is_int(float x, float y, int* var, int target, const char* label0)
{
    int on = *var == target;
    // Clicking a radio that is on turns the temporary off, which must not touch the value.
    if (BTN_bool(x, y, &on, label0, 1) && on) {
        *var = target;
        return 1;
    }
    return 0;
}

int BTN_action(float x_center, float y_center, int pressed, int show_press, const char* label0)
{
    label_parts p;
    split(label0, &p);
    float text_w = str_dx(p.left);          // the help is not shown on the button
    float w = text_w + 21;
    BTN_frame1(2, x_center, y_center, w, 45);
    if (pressed) BTN_frame1(3, x_center, y_center, w, 45);
    BTN_util_draw_label(x_center - text_w * 0.5f, y_center - 4, 1, p.left);
    record(x_center - w * 0.5f, y_center - 10, x_center + w * 0.5f, y_center + 10, label0);
    if (mnw.menu_up != -1 || !inside(x_center - w * 0.5f, y_center - 10, x_center + w * 0.5f, y_center + 10))
        return 0;
    post_help(p.help);
    if (!mnw.mouse_clicked) return 0;
    if (!pressed && show_press) {
        // The action may take a while (a file, a batch): show the press before it starts.
        BTN_frame1(3, x_center, y_center, w, 45);
        BTN_util_draw_label(x_center - text_w * 0.5f, y_center - 4, 1, p.left);
        OGL_sbuf();
    }
    return 1;
}

int BTN_icon(float x_center, float y_center, float sc_off, float tc_off, float sc_on, float tc_on,
             float sdx, float sdy, int color, int var, const char* label0)
{
    int clicked = 0;
    record(x_center - sdx, y_center - sdy, x_center + sdx, y_center + sdy, label0);
    if (mnw.menu_up == -1 && inside(x_center - sdx, y_center - sdy, x_center + sdx, y_center + sdy)) {
        label_parts p;
        split(label0, &p);
        post_help(p.help);
        clicked = mnw.mouse_clicked != 0;
    }
    BTN_util_element(x_center, y_center, var ? sc_on : sc_off, var ? tc_on : tc_off, sdx, sdy, color);
    return clicked;
}

int BTN_tab(int tab_this, int row, int* tab_variable, const char* label0)
{
    float x = 88.0f * tab_this + 62, y = mnw.win_dy - 38 - 30.0f * row;
    label_parts p;
    split(label0, &p);
    int changed = 0;
    record(x - 50, y - 13, x + 40, y + 13, label0);
    if (inside(x - 50, y - 13, x + 40, y + 13)) {
        post_help(p.help);
        if (mnw.mouse_clicked) {
            *tab_variable = tab_this;
            changed = 1;
        }
    }
    int selected = *tab_variable == tab_this;
    element(selected ? ART_TAB_SELECTED : ART_TAB_UNSELECTED, x - 5, y, 45);
    OGL_string(selected ? 37 : 38, x - 35, y - 4, p.left, 9999, 100);
    return changed;
}

//=== lists and text =========================================================================
// The open pop-up is menu slot 1519: the menu code draws it and turns a click on an item into
// the pending choice. Item i lies 12 px per row below the list's line, the chosen one on it.
static void fill_popup_slot(float x, float y, float w, int sel, const std::string* items, int n)
{
    const int m = MNW_POPUP_MENU;
    float x1 = x - w * 0.5f - 3;
    mnw.menu_prnt[m] = -1;
    mnw.menux1[m] = x1;
    mnw.menux2[m] = x1 + w + 8;
    mnw.menuy2[m] = y + 12.0f * sel + 12 + 1;
    mnw.menuy1[m] = mnw.menuy2[m] - (12.0f * n + 2);
    stl.menu_name[m][0] = 0;
    for (int i = 0; i < MNW_NUM_ITEMS; i++) {
        if (i < n) {
            STR_cut(stl.item_name[m][i], items[i].c_str(), STL_ITEM_NAME_LEN);
            mnw.itemx1[m][i] = x1;
            mnw.itemx2[m][i] = x1 + w + 8;
            mnw.itemy1[m][i] = y - 12.0f * (i - sel);
            mnw.itemy2[m][i] = mnw.itemy1[m][i] + 12;
        } else {
            stl.item_name[m][i][0] = 0;
            mnw.itemx1[m][i] = mnw.itemy1[m][i] = mnw.itemx2[m][i] = mnw.itemy2[m][i] = -9999;
        }
        mnw.item_code[m][i] = i;
        mnw.is_korean[m][i] = 0;
    }
    mnw.menu_up = m;
}

int BTN_textlist(float x, float y, int* sel, const char* stl_list, const char* label0)
{
    std::string items[BTN_LIST_MAX];
    int n = BTN_split_list(stl_list, label0, items);
    if (*sel < 0) *sel = 0;
    if (*sel > n - 1) *sel = n - 1;
    float w = 0;
    for (int i = 0; i < n; i++) w = std::fmax(w, str_dx(items[i].c_str()));

    label_parts p;
    split(label0, &p);
    BTN_frame1(10, x + 10, y + 5, w + 28, 45);
    draw_labels(x - w * 0.5f - 5, x + w * 0.5f + 25, y, p);

    int code = intround(1024 * y + x);
    // A pop-up the menu code closed without a choice (a click elsewhere, another menu, a window
    // switch) must not come back by itself on the next frame.
    if (active_popup_code == code && mnw.menu_up != MNW_POPUP_MENU) active_popup_code = 0;
    record(x + 10 - w * 0.5f - 15, y - 2, x + 10 + w * 0.5f + 15, y + 8, label0);
    int over_bar = inside(x + 10 - w * 0.5f - 15, y - 2, x + 10 + w * 0.5f + 15, y + 8);
    if (mnw.mouse_clicked && active_popup_code != code && over_bar) active_popup_code = code;

    int changed = 0;
    if (select_popup_code == code) {
        *sel = popup_menu_select;
        select_popup_code = 0;
        changed = 1;
        if (*sel < 0) *sel = 0;
        if (*sel > n - 1) *sel = n - 1;
    }
    if (active_popup_code == code) {
        fill_popup_slot(x, y, w, *sel, items, n);
        // Creep into view: one row per frame until the whole pop-up is on the screen.
        if (y - 12.0f * (n - 1 - *sel) < 0) (*sel)++;
        if (y + 12.0f * *sel + 12 > mnw.y_res_now) (*sel)--;
    } else {
        const char* cur = items[*sel].c_str();
        OGL_string(34, x - str_dx(cur) * 0.5f, y, cur, 9999, 100);
        if (over_bar) post_help(p.help);
    }
    return changed;
}

void BTN_chars(float x, float y, char* chars, int dim, const char* label0)
{
    label_parts p;
    split(label0, &p);
    record(x, y - 18, x + 10.0f * dim, y + 24, label0);
    if (mnw.menu_up == -1) {
        for (int i = 0; i < dim; i++) {
            float cx = x + 10.0f * i;
            if (!inside(cx, y - 18, cx + 10, y + 24)) continue;
            if (mnw.my >= y - 2 && mnw.my <= y + 8) post_help(p.help);
            if (mnw.mouse_clicked) chars[i] = BTN_code_char(BTN_char_code(chars[i]) + (mnw.my >= y + 3 ? -1 : 1));
            break;
        }
    }
    BTN_util_draw_boxed_button(x + 5.0f * dim + 1, y + 3, 10.0f * dim + 11, 4.5f, dim);
    BTN_util_draw_label(x - 6, y, 0, p.left);
    for (int i = 0; i < dim; i++) {
        char one[2] = {chars[i], 0};
        OGL_string(40, x + 3 + 10.0f * i, y, one, 9999, 100);
    }
}

// Both text-field forms: the field's text lives in buf (cap bytes).
static int enterstring(float x, float y, char* buf, size_t cap, int dim, int this_field, const char* label0)
{
    label_parts p;
    split(label0, &p);
    int changed = 0;
    size_t keep = dim > 1 ? (size_t)(dim - 1) : 0;
    if (keep > cap - 1) keep = cap - 1;
    record(x, y, x + 6.0f * dim, y + 8, label0);
    // A second click on the active field must not throw away what is being typed.
    if (mnw.mouse_clicked && mnw.entry_field != this_field && inside(x, y, x + 6.0f * dim, y + 8)) {
        mnw.entry_field = this_field;
        STR_cut(g_cs_input, buf, BTN_INPUT_MAX + 1);
        changed = 1;
    }
    int active = mnw.entry_field == this_field;
    if (active) {
        if (strlen(g_cs_input) > keep) g_cs_input[keep] = 0;
        STR_cut(buf, g_cs_input, keep + 1);
    }
    BTN_frame1(9, x + 3.0f * dim - 2, y + 3, 6.0f * dim + 10, 45);
    BTN_util_draw_label(x + 6.0f * dim + 6, y, 2, p.left);
    OGL_string(40, x, y, buf, 9999, 100);
    if (active) {
        float cx = x + 1 + str_dx(buf);
        OGL_line(40, mnw.pulse_alpha, cx, y - 1, cx, y + 6);
    }
    return changed;
}

int BTN_enterstring(float x, float y, std::string* input, int dim, int this_field, const char* label0)
{
    char buf[BTN_INPUT_LEN];
    STR_cut(buf, input->c_str(), sizeof buf);
    int changed = enterstring(x, y, buf, sizeof buf, dim, this_field, label0);
    if (mnw.entry_field == this_field && *input != buf) *input = buf;   // an idle field is never rewritten
    return changed;
}

int BTN_enterstring(float x, float y, char* input, int dim, int this_field, const char* label0)
{
    return enterstring(x, y, input, dim > 1 ? (size_t)dim : 1, dim, this_field, label0);
}

// Both file-field forms draw the same; only the press differs in where the result goes.
static int select_file_face(float x, float y, const char* file, const char* label0)
{
    label_parts p;
    split(label0, &p);
    BTN_util_draw_label(x - 28, y, 0, p.left);
    element(ART_FILE_BUTTON, x - 17, y + 3, 45);
    BTN_frame1(9, x + 142, y + 3, 300, 45);
    OGL_string(40, x, y, file, 9999, 100);
    BTN_util_draw_label(x + 300, y, 1, p.right);
    record(x - 28, y - 8, x - 6, y + 12, label0);
    if (mnw.menu_up != -1 || !inside(x - 28, y - 8, x - 6, y + 12)) return 0;
    post_help(p.help);
    return mnw.mouse_clicked != 0;
}

int BTN_select_file(float x, float y, std::string* file, std::string* path, int file_type, int open_save,
                    const char* label0)
{
    if (!select_file_face(x, y, file->c_str(), label0)) return 0;
    dialog_opensave(open_save, file_type, file, path);
    return 1;
}

int BTN_select_file(float x, float y, char* file, char* path, int file_type, int open_save, const char* label0)
{
    if (!select_file_face(x, y, file, label0)) return 0;
    dialog_opensave(open_save, file_type, file, path);
    return 1;
}

int BTN_vert_slider(float x_center, float lo_y, float hi_y, int lo_ind, int hi_ind, int* center_index)
{
    BTN_frame0(6, x_center, (float)intround((lo_y + hi_y) * 0.5f), hi_y - lo_y);
    if (hi_ind <= lo_ind) return 0;
    int changed = 0, dragging = 0;
    float x1 = x_center - 11, x2 = x_center + 11;
    record(x1, lo_y - 20, x2, hi_y + 20, "");
    if (mnw.mouse_clicked && inside(x1, hi_y, x2, hi_y + 20)) { (*center_index)--; changed = 1; }
    else if (mnw.mouse_clicked && inside(x1, lo_y - 20, x2, lo_y)) { (*center_index)++; changed = 1; }
    else if (mnw.now_dragging && inside(x1, lo_y, x2, hi_y)) {
        float top = hi_y - 11, bottom = lo_y + 11;
        float f = top > bottom ? (top - mnw.my) / (top - bottom) : 0;
        *center_index = lo_ind + (int)(f * (hi_ind - lo_ind));
        changed = dragging = 1;
    }
    if (*center_index < lo_ind) *center_index = lo_ind;
    if (*center_index > hi_ind) *center_index = hi_ind;

    int color = dragging ? 42 : 0;
    float thumb_top = hi_y - 10, thumb_bottom = lo_y + 9;
    float thumb_y = thumb_top - (thumb_top - thumb_bottom) * (*center_index - lo_ind) / (float)(hi_ind - lo_ind);
    element(ART_SCROLL_UP, x_center, hi_y + 10, color);
    element(ART_SCROLL_DOWN, x_center, lo_y - 10, color);
    element(ART_SCROLL_THUMB, x_center, thumb_y, color);
    return changed;
}

static const ART_rect& list_icon(int file_type)
{
    switch (file_type) {
    case 1:  return ART_LIST_ICON_FOLDER;
    case 2:  return ART_LIST_ICON_AIRFOIL;
    case 3:  return ART_LIST_ICON_WEAPON;
    case 4:  return ART_LIST_ICON_AIRCRAFT;
    case 16: return ART_LIST_ICON_BITMAP;
    default: return ART_LIST_ICON_FILE;
    }
}

int BTN_big_name_list(int win_type, float x, float y, int* center_index, int ind1, int ind2)
{
    // The panel holds 21 rows of 10 px around the centre row, with a little air.
    const float panel_w = 280, panel_h = 220;
    const float px = x, py = y - panel_h * 0.5f;
    if (win_type != 995 && win_type != 998 && win_type != 999) {
        MACIBM_alert(0, "Bad big_name_list type!", s_src, "", "", 17);
        return 0;
    }
    BTN_frame2(16, px, py, panel_w, panel_h, "");
    if (ind2 < ind1) return 0;
    if (*center_index < ind1) *center_index = ind1;
    if (*center_index > ind2) *center_index = ind2;

    int changed = 0;
    if (ind2 > ind1) changed = BTN_vert_slider(px + panel_w + 16, py + 20, py + panel_h - 20, ind1, ind2, center_index);

    record(px, py, px + panel_w, py + panel_h, "");
    if (mnw.menu_up == -1 && inside(px, py, px + panel_w, py + panel_h)) {
        int r = -intround((mnw.my - y) / 10);
        int i = *center_index + r;
        if (r >= -10 && r <= 10 && i >= ind1 && i <= ind2)
            OGL_fillrect(15, 0.25f, px, y - 10.0f * r - 5, panel_w, 10);
        if (mnw.mouse_clicked) {
            *center_index += r;
            changed = 1;
        }
    }
    if (*center_index < ind1) *center_index = ind1;
    if (*center_index > ind2) *center_index = ind2;

    for (int r = -10; r <= 10; r++) {
        int i = *center_index + r;
        if (i < ind1 || i > ind2 || i < 0 || i >= IO_LIST_MAX) continue;
        element(list_icon(g_file_type[i]), x + 10, y - 10.0f * r, 45);
        OGL_string(40, x + 20, y - 10.0f * r - 3, g_file[i].c_str(), 9999, 100);
    }
    OGL_framerect(40, 1.0f, px, y - 5, panel_w, 11);
    return changed;
}

void BTN_reset(void)
{
    s_hits = nullptr;
    active_popup_code = select_popup_code = popup_menu_select = 0;
    memset(g_cs_input, 0, sizeof g_cs_input);
}
