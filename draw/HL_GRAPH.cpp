// HL_GRAPH.cpp -- drawing primitives and text over OpenGL 1.x immediate mode.
#include "draw/HL_GRAPH.h"
#include "draw/ogl.h"
#include "draw/art_layout.h"
#include "shell/Hl_MNW.h"
#include <algorithm>
#include <cmath>
#include <cstring>
#include <vector>

ren_struct ren;

float col_rgb[OGL_NUM_COLORS][3];
float r_manual_lighting = 1.0f, g_manual_lighting = 1.0f, b_manual_lighting = 1.0f;
int   num_texes;
int   o_tex[4] = {-1, -1, -1, -1};

OGL_MultiTexCoord2fARB_fn  glMultiTexCoord2fARB_ptr;
OGL_MultiTexCoord2fvARB_fn glMultiTexCoord2fvARB_ptr;
OGL_ActiveTextureARB_fn    glActiveTextureARB_ptr;

void OGL_lookup_multitexture(void* (*lookup)(const char* name))
{
    glMultiTexCoord2fARB_ptr  = (OGL_MultiTexCoord2fARB_fn)lookup("glMultiTexCoord2fARB");
    glMultiTexCoord2fvARB_ptr = (OGL_MultiTexCoord2fvARB_fn)lookup("glMultiTexCoord2fvARB");
    glActiveTextureARB_ptr    = (OGL_ActiveTextureARB_fn)lookup("glActiveTextureARB");
}

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

//=== the interface quad queue ===============================================================
// Text and widget art are small textured quads from one sheet, drawn with one state. Every
// glBegin/glEnd pair costs the driver a fixed few microseconds, more than the quads of a short
// label, so these quads are queued and sent as one draw: before anything else draws or changes
// what they depend on (state, texture, colour, scissor, projection), before a read-back and
// before the swap. Their order against everything else is therefore unchanged.
struct queued_vertex { float x, y, s, t; };
struct queued_colour { size_t first; float rgba[4]; };
static struct {
    int                        tex = -1, al = 0;
    std::vector<queued_vertex> v;
    std::vector<queued_colour> colours;    // the colour from vertex `first` on
    bool                       sending = false;
} s_queue;

static inline void send_queue(void)
{
    if (!s_queue.v.empty() && !s_queue.sending) OGL_flush_quads();
}

static void colour_of_index(int index, float a, float rgba[4])
{
    if (index < 0 || index >= OGL_NUM_COLORS) index = 15;
    rgba[0] = col_rgb[index][0]; rgba[1] = col_rgb[index][1]; rgba[2] = col_rgb[index][2];
    if (index < 41) { rgba[0] *= r_manual_lighting; rgba[1] *= g_manual_lighting; rgba[2] *= b_manual_lighting; }
    rgba[3] = a <= 0.99f ? a : 1.0f;
}

// Following quads come from slot tex, blended as al, in colour index at opacity a.
static void queue_begin(int tex, int al, int index, float a)
{
    if (!s_queue.v.empty() && (s_queue.tex != tex || s_queue.al != al)) OGL_flush_quads();
    s_queue.tex = tex;
    s_queue.al  = al;
    queued_colour c{s_queue.v.size(), {}};
    colour_of_index(index, a, c.rgba);
    if (!s_queue.colours.empty() && memcmp(s_queue.colours.back().rgba, c.rgba, sizeof c.rgba) == 0) return;
    if (!s_queue.colours.empty() && s_queue.colours.back().first == c.first) s_queue.colours.back() = c;
    else s_queue.colours.push_back(c);
}

// Wound like every filled shape: (x1,y1) (x1,y2) (x2,y2) (x2,y1).
static inline void queue_quad(float x1, float y1, float x2, float y2, float s1, float t1, float s2, float t2)
{
    s_queue.v.push_back({x1, y1, s1, t1});
    s_queue.v.push_back({x1, y2, s1, t2});
    s_queue.v.push_back({x2, y2, s2, t2});
    s_queue.v.push_back({x2, y1, s2, t1});
}

void OGL_flush_quads(void)
{
    if (s_queue.sending) return;
    if (!s_queue.v.empty()) {
        s_queue.sending = true;
        OGL_setstate(1, 1, 3, s_queue.al, 9, 11);
        OGL_bind(s_queue.tex, 0);
        glBegin(GL_QUADS);
        size_t next = 0;
        for (size_t i = 0; i < s_queue.v.size(); i++) {
            for (; next < s_queue.colours.size() && s_queue.colours[next].first <= i; next++)
                glColor4fv(s_queue.colours[next].rgba);
            const queued_vertex& q = s_queue.v[i];
            glTexCoord2f(q.s, q.t);
            glVertex2f(q.x, q.y);
        }
        glEnd();
        s_queue.sending = false;
    }
    s_queue.v.clear();
    s_queue.colours.clear();
}

//=== state ==================================================================================
static void set_enable(GLenum cap, bool want)
{
    if ((glIsEnabled(cap) == GL_TRUE) == want) return;
    if (want) glEnable(cap); else glDisable(cap);
}

static void active_unit(int unit)
{
    if (glActiveTextureARB_ptr) glActiveTextureARB_ptr(GL_TEXTURE0_ARB + unit);
}

void OGL_setstate(int fog, int tex, int lit, int al, int deR, int deW)
{
    send_queue();
    set_enable(GL_FOG, fog == 0);
    if (tex != num_texes) {
        int units = ren.num_tex_units < 1 ? 1 : ren.num_tex_units;
        int nw = tex < 0 ? 0 : (tex > units ? units : tex);
        if ((num_texes > 1 || nw > 1) && glActiveTextureARB_ptr) {
            for (int u = 0; u < 4 && u < units; u++) {
                active_unit(u);
                if (u < nw) glEnable(GL_TEXTURE_2D); else glDisable(GL_TEXTURE_2D);
            }
            active_unit(0);
        }
        num_texes = nw;
    }
    set_enable(GL_TEXTURE_2D, tex > 0);
    set_enable(GL_LIGHTING, lit == 2);
    set_enable(GL_LIGHT0, lit == 2);
    set_enable(GL_BLEND, al == 5 || al == 7);
    set_enable(GL_ALPHA_TEST, al == 6 || al == 7);
    set_enable(GL_DEPTH_TEST, deR == 8);
    glDepthMask(deW == 10 ? GL_TRUE : GL_FALSE);
    glColor4f(col_rgb[45][0], col_rgb[45][1], col_rgb[45][2], 1.0f);
}

void OGL_forget_state(void)
{
    s_queue.v.clear();                      // a new context: what was queued for the old one is gone
    s_queue.colours.clear();
    num_texes = 0;
    for (int& t : o_tex) t = -1;
}

void OGL_setcolorINDEX(int index, float a)
{
    send_queue();
    float rgba[4];
    colour_of_index(index, a, rgba);
    glColor4fv(rgba);
}

void OGL_setcolorRGBA(float r, float g, float b, float a, int is_light)
{
    send_queue();
    if (!is_light) { r *= r_manual_lighting; g *= g_manual_lighting; b *= b_manual_lighting; }
    glColor4f(r, g, b, a);
}

void OGL_setspec(float shine)
{
    send_queue();
    const GLfloat s[4] = {shine, shine, shine, 1.0f};
    glLightfv(GL_LIGHT0, GL_SPECULAR, s);
    glMaterialfv(GL_FRONT, GL_SPECULAR, s);
    glMaterialf(GL_FRONT, GL_SHININESS, 128.0f);
}

void OGL_poly_offset(int amount)
{
    send_queue();
    if (amount == 0) { glDisable(GL_POLYGON_OFFSET_FILL); return; }
    glEnable(GL_POLYGON_OFFSET_FILL);
    glPolygonOffset(amount * -5.0f, 0.0f);
}

void OGL_scissors(float x, float y, float dx, float dy)
{
    send_queue();
    glEnable(GL_SCISSOR_TEST);
    glScissor(intround((x + mnw.win_x + mnw.x_off) * mnw.xy_scale), intround((y + mnw.win_y) * mnw.xy_scale),
              intround(dx * mnw.xy_scale), intround(dy * mnw.xy_scale));
}

void OGL_scissors_end(void)
{
    send_queue();
    glDisable(GL_SCISSOR_TEST);
}

void OGL_sbuf(void)
{
    OGL_setcolorRGBA(1, 1, 1, 1, 1);
    MACIBM_sys_swap();
}

void OGL_bind(int texture, int unit)
{
    send_queue();
    if (unit < 0 || unit > 3 || o_tex[unit] == texture) return;
    o_tex[unit] = texture;
    // Texture objects are named after their slot (+1, since 0 is GL's default texture), so a
    // slot needs no table of generated names and rebinding after an upload is free.
    if (num_texes <= 1 || unit == 0 || !glActiveTextureARB_ptr) {
        if (unit != 0 && glActiveTextureARB_ptr) active_unit(unit);
        glBindTexture(GL_TEXTURE_2D, (GLuint)(texture + 1));
        if (unit != 0 && glActiveTextureARB_ptr) active_unit(0);
        return;
    }
    active_unit(unit);
    glBindTexture(GL_TEXTURE_2D, (GLuint)(texture + 1));
    active_unit(0);
}

//=== projection =============================================================================
void OGL_viewport(int dims, float rat_x1, float rat_y1, float rat_x2, float rat_y2,
                  float pix_x1, float pix_y1, float pix_x2, float pix_y2,
                  float near_clip, float far_clip, float zoom)
{
    send_queue();
    if (zoom == 0) zoom = 1;
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    if (dims == 2) {
        glViewport(0, 0, mnw.x_res_now, mnw.y_res_now);
        glOrtho(mnw.x1_pix / zoom, mnw.x2_pix / zoom, mnw.y1_pix / zoom, mnw.y2_pix / zoom, -1, 1);
    } else {
        int vx = intround((pix_x1 + mnw.x_off) * mnw.xy_scale);
        int vy = intround(pix_y1 * mnw.xy_scale);
        int vw = intround((pix_x2 - pix_x1) * mnw.xy_scale);
        int vh = intround((pix_y2 - pix_y1) * mnw.xy_scale);
        glViewport(vx, vy, vw, vh);
        float aspect = vw > 0 ? (float)vh / (float)vw : 1.0f;
        glFrustum(rat_x1 * near_clip / zoom, rat_x2 * near_clip / zoom,
                  rat_y1 * near_clip * aspect / zoom, rat_y2 * near_clip * aspect / zoom, near_clip, far_clip);
    }
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
}

void OGL_2d_projection(void) { OGL_viewport(2, 0, 0, 0, 0, 0, 0, 0, 0, -1, 1, 1); }

// Every filled shape is wound clockwise, the front-face sense the fixed GL state culls by.
//=== 2-D drawing ============================================================================
void OGL_line(int color, float alpha, float x1, float y1, float x2, float y2)
{
    OGL_setstate(1, 0, 3, alpha < 0.99f ? 5 : 4, 9, 11);
    OGL_setcolorINDEX(color, alpha);
    float ox = mnw.win_x + 0.5f, oy = mnw.win_y + 0.5f;
    glBegin(GL_LINES);
    glVertex2f(x1 + ox, y1 + oy);
    glVertex2f(x2 + ox, y2 + oy);
    glEnd();
}

void OGL_fillrect(int color, float alpha, float x, float y, float dx, float dy)
{
    OGL_setstate(1, 0, 3, 5, 9, 11);
    OGL_setcolorINDEX(color, alpha);
    x += mnw.win_x; y += mnw.win_y;
    glBegin(GL_QUADS);
    glVertex2f(x, y); glVertex2f(x, y + dy); glVertex2f(x + dx, y + dy); glVertex2f(x + dx, y);
    glEnd();
}

void OGL_framerect(int color, float alpha, float x, float y, float dx, float dy)
{
    OGL_setstate(1, 0, 3, alpha < 0.99f ? 5 : 4, 9, 11);
    OGL_setcolorINDEX(color, alpha);
    x += mnw.win_x + 0.5f; y += mnw.win_y + 0.5f;
    glBegin(GL_LINE_LOOP);
    glVertex2f(x, y); glVertex2f(x, y + dy - 1); glVertex2f(x + dx - 1, y + dy - 1); glVertex2f(x + dx - 1, y);
    glEnd();
}

void OGL_grayrect(float x1, float y1, float x2, float y2, float rat)
{
    OGL_fillrect(15, rat, x1, y1, x2 - x1, y2 - y1);
}

void OGL_2dquad(int tex, int col, float alp,
                float x1, float y1, float s1, float t1, float x2, float y2, float s2, float t2,
                float x3, float y3, float s3, float t3, float x4, float y4, float s4, float t4,
                int num_tex, int alB)
{
    OGL_setstate(1, num_tex, 3, alB, 9, 11);
    if (tex > 0) OGL_bind(tex, 0);
    OGL_setcolorINDEX(col, alp);
    float ox = mnw.win_x, oy = mnw.win_y;
    glBegin(GL_QUADS);
    OGL_multi_st(s1, t1); glVertex2f(x1 + ox, y1 + oy);
    OGL_multi_st(s2, t2); glVertex2f(x2 + ox, y2 + oy);
    OGL_multi_st(s3, t3); glVertex2f(x3 + ox, y3 + oy);
    OGL_multi_st(s4, t4); glVertex2f(x4 + ox, y4 + oy);
    glEnd();
}

void OGL_plot_background(void)
{
    send_queue();
    // Every window but the start screen has a background of one flat colour. Clearing to that
    // colour gives the same pixels as drawing the texture, at a fraction of the cost on a
    // software renderer, where a full-screen textured quad is the most expensive thing a frame draws.
    if (ren.back_flat && ren.current_alpha > 0.99f) {
        glClearColor(col_rgb[30][0], col_rgb[30][1], col_rgb[30][2], 1.0f);
        glClear(GL_COLOR_BUFFER_BIT);
        return;
    }
    const bool offset = mnw.x_off > 0.5f || mnw.y_off > 0.5f;
    // A picture that is mostly one colour (the start screen) is that colour cleared, plus only
    // its other tiles from the texture: the same pixels for a fraction of the fill. On a screen
    // larger than the interface the margins keep the window colour and only the picture's
    // square is cleared to its ground.
    if (ren.back_keyed && ren.current_alpha > 0.99f) {
        if (offset) {
            glClearColor(col_rgb[30][0], col_rgb[30][1], col_rgb[30][2], 1.0f);
            glClear(GL_COLOR_BUFFER_BIT);
            OGL_scissors(-mnw.win_x, -mnw.win_y, 1024, 1024);
        }
        glClearColor(ren.back_key[0], ren.back_key[1], ren.back_key[2], 1.0f);
        glClear(GL_COLOR_BUFFER_BIT);
        if (offset) OGL_scissors_end();
        OGL_setstate(1, 1, 3, 4, 9, 11);
        OGL_bind(REN_TEX_BACK, 0);
        OGL_setcolorRGBA(1, 1, 1, 1, 1);
        const float tile = (float)REN_BACK_TILE;
        const float ks = tile / ren.tex_dx_tot[REN_TEX_BACK], kt = tile / ren.tex_dy_tot[REN_TEX_BACK];
        glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_REPLACE);   // white at full opacity: the same pixels, less work
        glBegin(GL_QUADS);
        for (int i = 0; i < ren.back_run_count; i++) {
            const short* r = ren.back_runs[i];
            const float t1 = r[0] * kt, t2 = (r[1] + 1) * kt, s1 = r[2] * ks, s2 = (r[3] + 1) * ks;
            glTexCoord2f(s1, t1); glVertex2f(1024 * s1, 1024 * t1);
            glTexCoord2f(s1, t2); glVertex2f(1024 * s1, 1024 * t2);
            glTexCoord2f(s2, t2); glVertex2f(1024 * s2, 1024 * t2);
            glTexCoord2f(s2, t1); glVertex2f(1024 * s2, 1024 * t1);
        }
        glEnd();
        glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
        return;
    }
    if (offset) {
        OGL_setstate(1, 0, 3, 4, 9, 11);
        OGL_setcolorINDEX(30, 1.0f);
        glBegin(GL_QUADS);
        glVertex2f(mnw.x1_pix, mnw.y1_pix); glVertex2f(mnw.x1_pix, mnw.y2_pix);
        glVertex2f(mnw.x2_pix, mnw.y2_pix); glVertex2f(mnw.x2_pix, mnw.y1_pix);
        glEnd();
    }
    // The background texture is opaque (it is filled at alpha 255 or loaded without alpha), so at
    // full opacity an alpha test would pass every texel: skipping it saves a per-pixel test over
    // the whole screen each frame, a real cost on software renderers.
    OGL_setstate(1, 1, 3, ren.current_alpha <= 0.99f ? 5 : 4, 9, 11);
    OGL_bind(REN_TEX_BACK, 0);
    OGL_setcolorRGBA(1, 1, 1, ren.current_alpha, 1);
    glBegin(GL_QUADS);
    glTexCoord2f(0, 0); glVertex2f(0, 0);
    glTexCoord2f(0, 1); glVertex2f(0, 1024);
    glTexCoord2f(1, 1); glVertex2f(1024, 1024);
    glTexCoord2f(1, 0); glVertex2f(1024, 0);
    glEnd();
}

void OGL_tiles_begin(int tex, int col, float alp, int alB) { queue_begin(tex, alB, col, alp); }

void OGL_tile(float x1, float y1, float x2, float y2, float s1, float t1, float s2, float t2)
{
    const float k = 1.0f / 512.0f;
    queue_quad(x1 + mnw.win_x, y1 + mnw.win_y, x2 + mnw.win_x, y2 + mnw.win_y, s1 * k, t1 * k, s2 * k, t2 * k);
}

void OGL_tiles_end(void) {}

//=== fonts ==================================================================================
struct charset_desc { int slot; float s, t, ds, dt; int per_row; int advance; };
static const charset_desc s_charsets[4] = {
    {REN_TEX_INTERFACE,   0, 0,  8, 11, 21,  0},   // 100 proportional
    {REN_TEX_INTERFACE, 168, 0,  8, 11, 21,  6},   // 101 narrow numbers
    {REN_TEX_INTERFACE, 168, 0,  8, 11, 21, 10},   // 102 wide numbers
    {REN_TEX_KOREAN,      0, 0, 13, 13, 40, 15},   // 103 Korean, two bytes a glyph
};

static const charset_desc& charset_of(int charset)
{
    if (charset < 100 || charset > 103)
        MACIBM_alert(0, "String proc with bad charset!", "", "", "", 17);
    return s_charsets[charset - 100];
}

int OGL_charset_advance(int charset) { return charset_of(charset).advance; }

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

float chr_dx(char ch)
{
    unsigned char c = (unsigned char)ch;
    if (c < ' ' || c > '|' || c == '"' || c == '{') return 0;
    if (c >= '0' && c <= '9') return 6;
    switch (c) {
    case ',': case '.': return 2;
    case '!': case '\'': case ':': case ';': case '`': case 'I': case 'i': case 'l': return 3;
    case ' ': case '(': case ')': case '*': case '[': case ']': case 'f': case 'r': case 't': case '|': return 4;
    case '$': case '/': case '?': case 'E': case 'F': case 'J': case 'L': case 'S': case 'c': case 'j':
    case 'k': case 's': return 5;
    case '<': case '>': case 'A': case 'C': case 'D': case 'G': case 'H': case 'N': case 'T': case 'U':
    case 'V': case 'X': case 'Y': return 7;
    case '#': case '%': case '&': case 'O': case 'Q': case 'm': case 'w': return 8;
    case '@': case 'M': case 'W': return 9;
    default: return 6;   // + - = \ ^ _ and the remaining letters
    }
}

float str_dx(const char* s)
{
    float w = 0;
    for (; s && *s; s++) w += chr_dx(*s);
    return w;
}

static bool is_wrap_char(char c) { return c == ' ' || c == '-' || c == '/' || c == ':'; }

int OGL_layout_string(const char* input, float x0, float y0, float dx, int charset,
                      OGL_glyph* out, int max_out)
{
    const charset_desc& cs = charset_of(charset);
    bool wrap = dx < 9999;
    float px = x0, py = y0;
    int n = 0;
    for (const char* p = input; p && *p; p++) {
        char c = *p;
        if (c == '\n' && wrap) { px = x0; py -= 10; continue; }
        if (c == '\r' || c == '\n' || c == '\t') continue;
        int cell;
        if (charset == 103) {
            if (!p[1]) break;
            cell = ((unsigned char)p[0] - 1) * 127 + ((unsigned char)p[1] - 1);
            p++;
        } else {
            cell = OGL_glyph_cell((unsigned char)c);
        }
        if (cell >= 0 && n < max_out) out[n++] = {cell, px, py};
        px += cs.advance ? (float)cs.advance : chr_dx(c);
        if (wrap && is_wrap_char(c)) {
            int len = 0;
            for (const char* q = p + 1; *q && !is_wrap_char(*q); q++) len++;
            if (px + 6.0f * len > x0 + dx) { px = x0; py -= 10; }
        }
    }
    return n;
}

void OGL_char(float x, float y, float s_pix, float t_pix, float ds_pix, float dt_pix, int n, int charset)
{
    int per_row = charset_of(charset).per_row;
    float s = (s_pix + (n % per_row) * ds_pix) / 512.0f, t = (t_pix + (n / per_row) * dt_pix) / 512.0f;
    float s2 = s + ds_pix / 512.0f, t2 = t + dt_pix / 512.0f;
    glTexCoord2f(s, t);   glVertex2f(x, y);
    glTexCoord2f(s, t2);  glVertex2f(x, y + dt_pix);
    glTexCoord2f(s2, t2); glVertex2f(x + ds_pix, y + dt_pix);
    glTexCoord2f(s2, t);  glVertex2f(x + ds_pix, y);
}

int OGL_strtex(int charset, int color, float* s1_pix, float* t1_pix, float* ds_pix, float* dt_pix)
{
    const charset_desc& cs = charset_of(charset);
    OGL_setstate(1, 1, 3, 7, 9, 11);
    OGL_bind(cs.slot, 0);
    OGL_setcolorINDEX(color, 1.0f);
    *s1_pix = cs.s; *t1_pix = cs.t; *ds_pix = cs.ds; *dt_pix = cs.dt;
    return cs.advance;
}

// Each glyph's inked rectangle within its cell, in texels from the cell's corner (x1, y1
// exclusive; x0 == x1 for a blank cell), for the sheet's two faces. A glyph's quad covers only
// its ink: the rest of a cell is transparent, so the pixels are the same, with about a third of
// the fragments and no quad at all for a space.
struct glyph_ink { signed char x0, y0, x1, y1; };
static glyph_ink s_ink[2][ART_FONT_CELL_COUNT];
static bool      s_ink_known;

// Whether the middle of each bar and panel in the loaded sheet is one texel repeated all along
// its stretch (for a panel: along x, along y). Then one stretched quad draws exactly what the
// row of repeated tiles would, which saves a window frame hundreds of quads.
static bool s_bar_flat[sizeof ART_BARS / sizeof ART_BARS[0]], s_track_flat;
static bool s_panel_flat[sizeof ART_PANELS / sizeof ART_PANELS[0]][2];
// Whether a panel's middle is opaque throughout: then it needs no blending.
static bool s_panel_opaque[sizeof ART_PANELS / sizeof ART_PANELS[0]];

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
    }
    for (int face = 0; face < 2; face++)
        for (int cell = 0; cell < ART_FONT_CELL_COUNT; cell++) {
            const ART_rect r = face == 0 ? ART_font_cell(ART_FONT_PROP_S, ART_FONT_PROP_T, cell)
                                         : ART_font_cell(ART_FONT_MONO_S, ART_FONT_MONO_T, cell);
            if (r.s + r.w > w || r.t + r.h > h) return;
            glyph_ink ink{(signed char)r.w, (signed char)r.h, 0, 0};
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

int OGL_panel_middle_repeats(int style, int along_y)
{
    const ART_panel* p = ART_find_panel(style);
    return p ? s_panel_flat[p - ART_PANELS][along_y ? 1 : 0] : 0;
}

static void draw_glyphs(int color, int charset, const OGL_glyph* g, int n)
{
    const charset_desc& cs = charset_of(charset);
    queue_begin(cs.slot, 7, color, 1.0f);
    const float k = 1.0f / 512.0f;
    const int face = !s_ink_known || cs.slot != REN_TEX_INTERFACE ? -1 : cs.s == ART_FONT_PROP_S ? 0 : 1;
    for (int i = 0; i < n; i++) {
        const float s = cs.s + (g[i].cell % cs.per_row) * cs.ds, t = cs.t + (g[i].cell / cs.per_row) * cs.dt;
        if (face >= 0 && g[i].cell < ART_FONT_CELL_COUNT) {
            const glyph_ink& ink = s_ink[face][g[i].cell];
            if (ink.x0 == ink.x1) continue;
            queue_quad(g[i].x + ink.x0, g[i].y + ink.y0, g[i].x + ink.x1, g[i].y + ink.y1,
                       (s + ink.x0) * k, (t + ink.y0) * k, (s + ink.x1) * k, (t + ink.y1) * k);
        } else {
            queue_quad(g[i].x, g[i].y, g[i].x + cs.ds, g[i].y + cs.dt, s * k, t * k, (s + cs.ds) * k, (t + cs.dt) * k);
        }
    }
}

void OGL_string(int color, float x, float y, const char* input, float dx, int charset)
{
    OGL_glyph stack_glyphs[256];
    size_t len = input ? strlen(input) : 0;
    OGL_glyph* g = len <= 256 ? stack_glyphs : new OGL_glyph[len];
    int n = OGL_layout_string(input, (float)intround(x + mnw.win_x), (float)(intround(y + mnw.win_y) - 2),
                              dx, charset, g, len <= 256 ? 256 : (int)len);
    draw_glyphs(color, charset, g, n);
    if (g != stack_glyphs) delete[] g;
}

int OGL_layout_number(float input, float x0, float y0, int dig, int dec, int charset,
                      OGL_glyph* out, int max_out)
{
    if (charset != 101 && charset != 102)
        MACIBM_alert(0, "Numbers must be mono-spaced!",
                     "This is because we increment by a constant step size for each digit.", "", "", 17);
    const float a = (float)charset_of(charset).advance;
    int n = 0;
    auto put = [&](int cell, float x, float y) { if (n < max_out) out[n++] = {cell, x, y}; };
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

void OGL_number(int color, float x, float y, float input, int dig, int dec, int charset)
{
    OGL_glyph g[24];
    int n = OGL_layout_number(input, (float)intround(x + mnw.win_x), (float)(intround(y + mnw.win_y) - 2),
                              dig, dec, charset, g, 24);
    draw_glyphs(color, charset, g, n);
}

//=== 3-D helpers ============================================================================
float pythag(float x, float y, float z) { return std::sqrt(x * x + y * y + z * z); }

void find_normal_vects(const float a[3], const float b[3], float out[3])
{
    float x = a[1] * b[2] - a[2] * b[1], y = a[2] * b[0] - a[0] * b[2], z = a[0] * b[1] - a[1] * b[0];
    float len = pythag(x, y, z);
    if (len <= 0) { out[0] = 0; out[1] = 1; out[2] = 0; return; }
    out[0] = x / len; out[1] = y / len; out[2] = z / len;
}

void OGL_multi_st(float s, float t)
{
    if (num_texes <= 1 || !glMultiTexCoord2fARB_ptr) { glTexCoord2f(s, t); return; }
    for (int u = 0; u < num_texes && u < 4; u++) glMultiTexCoord2fARB_ptr(GL_TEXTURE0_ARB + u, s, t);
}

void OGL_3dquad_st(const float xyz1[3], const float xyz2[3], const float xyz3[3], const float xyz4[3],
                   float s1, float t1, float s2, float t2)
{
    const float a[3] = {xyz3[0] - xyz2[0], xyz3[1] - xyz2[1], xyz3[2] - xyz2[2]};
    const float b[3] = {xyz2[0] - xyz1[0], xyz2[1] - xyz1[1], xyz2[2] - xyz1[2]};
    float n[3];
    find_normal_vects(a, b, n);
    glNormal3fv(n);
    OGL_multi_st(s1, t1); glVertex3fv(xyz1);
    OGL_multi_st(s1, t2); glVertex3fv(xyz2);
    OGL_multi_st(s2, t2); glVertex3fv(xyz3);
    OGL_multi_st(s2, t1); glVertex3fv(xyz4);
}

void OGL_disc(float xc, float yc, float zc, float xh, float xt, float rh, float rt, float steer, float rotation)
{
    send_queue();
    glPushMatrix();
    glTranslatef(xc, yc, zc);
    glRotatef(steer, 0, -1, 0);
    glRotatef(rotation, -1, 0, 0);
    auto tex_s = [](int deg) { return (deg % 60 == 0) ? 0.0f : 0.0129f; };

    // Side fans: walked with opposite senses so both face outwards under back-face culling.
    for (int side = 0; side < 2; side++) {
        float x = side ? xh : -xh;
        float tc = side ? 0.126953125f : 0.0f, tr = side ? 0.09765625f : 0.029296875f;
        glBegin(GL_TRIANGLE_FAN);
        glNormal3f(side ? 1.0f : -1.0f, 0, 0);
        OGL_multi_st(0, tc); glVertex3f(x, 0, 0);
        for (int i = 0; i <= 12; i++) {
            int deg = side ? i * 30 : 360 - i * 30;
            OGL_multi_st(tex_s(deg), tr);
            glVertex3f(x, rh * lookup_cos[deg], -rh * lookup_sin[deg]);
        }
        glEnd();
    }
    struct band { float x1, r1, x2, r2, nx, t1, t2; };
    const band bands[3] = {
        {-xh, rh, -xt, rt, -0.85f, 0.029296875f, 0.048828125f},
        {-xt, rt,  xt, rt,  0.0f,  0.048828125f, 0.078125f},
        { xt, rt,  xh, rh,  0.85f, 0.078125f,    0.09765625f},
    };
    for (const band& b : bands) {
        float ny = b.nx == 0 ? 1.0f : 0.5f;
        glBegin(GL_QUAD_STRIP);
        for (int i = 0; i <= 12; i++) {
            int deg = i * 30;
            float c = lookup_cos[deg], s = lookup_sin[deg];
            glNormal3f(b.nx, ny * c, -ny * s);
            OGL_multi_st(tex_s(deg), b.t2); glVertex3f(b.x2, b.r2 * c, -b.r2 * s);
            OGL_multi_st(tex_s(deg), b.t1); glVertex3f(b.x1, b.r1 * c, -b.r1 * s);
        }
        glEnd();
    }
    glPopMatrix();
}

//=== read-back ==============================================================================
int OGL_read_pixels(int x, int y, int dx, int dy, unsigned char* rgba)
{
    send_queue();
    glReadBuffer(GL_BACK);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(x, y, dx, dy, GL_RGBA, GL_UNSIGNED_BYTE, rgba);
    return glGetError() == GL_NO_ERROR;
}

int OGL_read_front_pixels(int x, int y, int dx, int dy, unsigned char* rgba)
{
    send_queue();
    glReadBuffer(GL_FRONT);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(x, y, dx, dy, GL_RGBA, GL_UNSIGNED_BYTE, rgba);
    glReadBuffer(GL_BACK);
    return glGetError() == GL_NO_ERROR;
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
