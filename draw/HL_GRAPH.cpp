// HL_GRAPH.cpp -- drawing primitives and text over OpenGL 1.x immediate mode.
#include "draw/HL_GRAPH.h"
#include "draw/ogl.h"
#include "draw/OGL_layer.h"
#include "draw/art_layout.h"
#include "base/records.h"
#include "base/alert.h"
#include "base/HL_MATH_FUN.h"
#include "base/common.h"
#include <algorithm>
#include <cmath>
#include <cstring>
#include <vector>

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
// The colour the whole screen was just cleared to, while nothing has been drawn over it: a
// window's one-colour middle on the same colour then needs no fill at all.
static struct {
    bool          fresh;
    unsigned char rgb[3];
} s_cleared;

static unsigned char to_byte(float f) { return (unsigned char)std::lround(std::clamp(f, 0.0f, 1.0f) * 255.0f); }

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
    s_cleared.fresh = false;
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
    OGL_layer_forget();
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
    OGL_flush_quads();                      // what is queued belongs to this frame
    s_cleared.fresh = false;
    if (OGL_swap_window) OGL_swap_window();
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
//=== 3-D helpers ============================================================================
void OGL_multi_st(float s, float t)
{
    if (num_texes <= 1 || !glMultiTexCoord2fARB_ptr) {
        glTexCoord2f(s, t);
        return;
    }
    for (int u = 0; u < num_texes && u < 4; u++) glMultiTexCoord2fARB_ptr(GL_TEXTURE0_ARB + u, s, t);
}

void OGL_multi_stv(const float* st)
{
    if (num_texes <= 1 || !glMultiTexCoord2fvARB_ptr) {
        glTexCoord2fv(st);
        return;
    }
    for (int u = 0; u < num_texes && u < 4; u++) glMultiTexCoord2fvARB_ptr(GL_TEXTURE0_ARB + u, st);
}

void OGL_setspec(float level)
{
    send_queue();
    const GLfloat c[4] = {level, level, level, 1.0f};
    glLightfv(GL_LIGHT0, GL_SPECULAR, c);
    glMaterialfv(GL_FRONT, GL_SPECULAR, c);
    glMaterialf(GL_FRONT, GL_SHININESS, 128.0f);
}

void OGL_3dquad_st(const float xyz1[3], const float xyz2[3], const float xyz3[3], const float xyz4[3], float s1,
                   float t1, float s2, float t2)
{
    const float a[3] = {xyz3[0] - xyz2[0], xyz3[1] - xyz2[1], xyz3[2] - xyz2[2]};
    const float b[3] = {xyz2[0] - xyz1[0], xyz2[1] - xyz1[1], xyz2[2] - xyz1[2]};
    float n[3];
    find_normal_vects(a, b, n);
    glNormal3fv(n);
    OGL_multi_st(s1, t1);
    glVertex3fv(xyz1);
    OGL_multi_st(s1, t2);
    glVertex3fv(xyz2);
    OGL_multi_st(s2, t2);
    glVertex3fv(xyz3);
    OGL_multi_st(s2, t1);
    glVertex3fv(xyz4);
}

// Twelve rim points, 30 degrees apart: the wheel is small on the screen.
static const float k_rim_cos[13] = {1, 0.8660254f, 0.5f, 0, -0.5f, -0.8660254f, -1, -0.8660254f, -0.5f, 0, 0.5f, 0.8660254f, 1};
static const float k_rim_sin[13] = {0, 0.5f, 0.8660254f, 1, 0.8660254f, 0.5f, 0, -0.5f, -0.8660254f, -1, -0.8660254f, -0.5f, 0};

int OGL_wheel_strips(float xh, float xt, float rh, float rt, OGL_wheel_strip out[OGL_WHEEL_STRIPS])
{
    auto s_of = [](int i) { return (i % 2) ? 0.0129f : 0.0f; };   // texture s alternates every 30 degrees
    auto put = [](OGL_wheel_strip& w, float nx, float ny, float nz, float s, float t, float x, float y, float z) {
        OGL_wheel_vertex& v = w.v[w.count++];
        v.n[0] = nx, v.n[1] = ny, v.n[2] = nz, v.st[0] = s, v.st[1] = t, v.xyz[0] = x, v.xyz[1] = y, v.xyz[2] = z;
    };
    // The hub faces: each a fan round its centre, wound to face outwards, sent as a strip that
    // zigzags from the centre's neighbours inwards (the same triangles).
    for (int side = -1, k = 0; side <= 1; side += 2, k++) {
        OGL_wheel_strip& w = out[k];
        w.count = 0;
        const float x = side * xh, t_ctr = side < 0 ? 0.0f : 0.126953125f, t_rim = side < 0 ? 0.029296875f : 0.09765625f;
        int fan[14], n = 0;
        fan[n++] = -1;                                  // the centre
        for (int j = 0; j <= 12; j++) fan[n++] = side < 0 ? 12 - j : j;
        for (int lo = 0, hi = n - 1, m = 0; lo <= hi; m++) {
            const int i = (m == 0 || m % 2 == 1) ? fan[lo++] : fan[hi--];
            if (i < 0) put(w, (float)side, 0, 0, 0, t_ctr, x, 0, 0);
            else put(w, (float)side, 0, 0, s_of(i), t_rim, x, rh * k_rim_cos[i], -rh * k_rim_sin[i]);
        }
    }
    // Shoulder, tread, shoulder.
    struct band { float x1, r1, x2, r2, t1, t2, nx; };
    const band bands[3] = {{-xh, rh, -xt, rt, 0.029296875f, 0.048828125f, -0.85f},
                           {-xt, rt, xt, rt, 0.048828125f, 0.078125f, 0.0f},
                           {xt, rt, xh, rh, 0.078125f, 0.09765625f, 0.85f}};
    for (int k = 0; k < 3; k++) {
        const band& b = bands[k];
        OGL_wheel_strip& w = out[2 + k];
        w.count = 0;
        const float m = b.nx != 0 ? 0.5f : 1.0f;
        for (int i = 0; i <= 12; i++) {
            const float ny = m * k_rim_cos[i], nz = -m * k_rim_sin[i];
            put(w, b.nx, ny, nz, s_of(i), b.t2, b.x2, b.r2 * k_rim_cos[i], -b.r2 * k_rim_sin[i]);
            put(w, b.nx, ny, nz, s_of(i), b.t1, b.x1, b.r1 * k_rim_cos[i], -b.r1 * k_rim_sin[i]);
        }
    }
    return OGL_WHEEL_STRIPS;
}

void OGL_disc(float xc, float yc, float zc, float xh, float xt, float rh, float rt, float steer, float rotation)
{
    send_queue();
    OGL_wheel_strip strips[OGL_WHEEL_STRIPS];
    OGL_wheel_strips(xh, xt, rh, rt, strips);
    glPushMatrix();
    glTranslatef(xc, yc, zc);
    glRotatef(steer, 0, -1, 0);
    glRotatef(rotation, -1, 0, 0);
    for (const OGL_wheel_strip& w : strips) {
        glBegin(GL_TRIANGLE_STRIP);
        for (int i = 0; i < w.count; i++) {
            glNormal3fv(w.v[i].n);
            OGL_multi_stv(w.v[i].st);
            glVertex3fv(w.v[i].xyz);
        }
        glEnd();
    }
    glPopMatrix();
}

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

void OGL_2dquad(int tex, int col, float alp, float x1, float y1, float s1, float t1, float x2, float y2, float s2,
                float t2, float x3, float y3, float s3, float t3, float x4, float y4, float s4, float t4, int num_tex,
                int alB)
{
    OGL_setstate(1, num_tex, 3, alB, 9, 11);
    if (tex > 0) OGL_bind(tex, 0);
    OGL_setcolorINDEX(col, alp);
    const float ox = mnw.win_x, oy = mnw.win_y;
    glBegin(GL_QUADS);
    glTexCoord2f(s1, t1); glVertex2f(x1 + ox, y1 + oy);
    glTexCoord2f(s2, t2); glVertex2f(x2 + ox, y2 + oy);
    glTexCoord2f(s3, t3); glVertex2f(x3 + ox, y3 + oy);
    glTexCoord2f(s4, t4); glVertex2f(x4 + ox, y4 + oy);
    glEnd();
}

void OGL_fillrect_texel(int color, const unsigned char* rgba, float x, float y, float dx, float dy)
{
    float c[4];
    colour_of_index(color, 1.0f, c);
    const float rgb[3] = {rgba[0] / 255.0f * c[0], rgba[1] / 255.0f * c[1], rgba[2] / 255.0f * c[2]};
    // Only the first fill after the clear, with nothing queued or drawn since, may rely on it.
    const bool on_clear = s_cleared.fresh && s_queue.v.empty() && to_byte(rgb[0]) == s_cleared.rgb[0] &&
                          to_byte(rgb[1]) == s_cleared.rgb[1] && to_byte(rgb[2]) == s_cleared.rgb[2];
    s_cleared.fresh = false;
    OGL_setstate(1, 0, 3, 4, 9, 11);           // the same state after it either way
    glColor4f(rgb[0], rgb[1], rgb[2], 1.0f);
    if (on_clear) return;
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

void OGL_plot_background(void)
{
    send_queue();
    s_cleared.fresh = false;
    // Every window but the start screen has a background of one flat colour. Clearing to that
    // colour gives the same pixels as drawing the texture, at a fraction of the cost on a
    // software renderer, where a full-screen textured quad is the most expensive thing a frame draws.
    if (ren.back_flat && ren.current_alpha > 0.99f) {
        glClearColor(col_rgb[30][0], col_rgb[30][1], col_rgb[30][2], 1.0f);
        glClear(GL_COLOR_BUFFER_BIT);
        s_cleared = {true, {to_byte(col_rgb[30][0]), to_byte(col_rgb[30][1]), to_byte(col_rgb[30][2])}};
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


static void draw_glyphs(int color, int charset, const OGL_glyph* g, int n)
{
    const OGL_charset& cs = OGL_charset_of(charset);
    queue_begin(cs.slot, 7, color, 1.0f);
    const float k = 1.0f / 512.0f;
    const int face = cs.slot != REN_TEX_INTERFACE ? -1 : cs.s == ART_FONT_PROP_S ? 0 : 1;
    for (int i = 0; i < n; i++) {
        const float s = cs.s + (g[i].cell % cs.per_row) * cs.ds, t = cs.t + (g[i].cell / cs.per_row) * cs.dt;
        if (const OGL_glyph_ink* found = face >= 0 ? OGL_ink_of(face, g[i].cell) : nullptr) {
            const OGL_glyph_ink& ink = *found;
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
    // A Korean line draws its Latin bytes and its Hangul from two sheets: one batch each.
    OGL_glyph* hangul = std::stable_partition(g, g + n, [](const OGL_glyph& q) { return !q.korean; });
    if (hangul > g) draw_glyphs(color, charset == 103 ? 100 : charset, g, (int)(hangul - g));
    if (hangul < g + n) draw_glyphs(color, 103, hangul, (int)(g + n - hangul));
    if (g != stack_glyphs) delete[] g;
}

void OGL_number(int color, float x, float y, float input, int dig, int dec, int charset)
{
    OGL_glyph g[24];
    int n = OGL_layout_number(input, (float)intround(x + mnw.win_x), (float)(intround(y + mnw.win_y) - 2),
                              dig, dec, charset, g, 24);
    draw_glyphs(color, charset, g, n);
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

