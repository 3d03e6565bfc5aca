// OGL_layer.cpp -- the kept copy of part of the frame, in its own texture.
#include "draw/OGL_layer.h"
#include "draw/HL_GRAPH.h"
#include "draw/ogl.h"
#include "base/records.h"
#include "base/HL_MATH_FUN.h"

// The texture is named after the slot just past the last, so that no slot's picture is touched.
static const int LAYER_TEX = REN_NUM_TEX;

static struct {
    int   kept;                             // a copy is held
    int   tex_dx, tex_dy;                   // the texture's allocated size, 0 before the first copy
    int   px_dx, px_dy;                     // the copied pixels
    float x, y, dx, dy;                     // where they were taken from, window-relative
} s_layer;

void OGL_layer_forget(void) { s_layer = {}; }

static int pow2_at_least(int n)
{
    int p = 1;
    while (p < n) p *= 2;
    return p;
}

int OGL_layer_save(float x, float y, float dx, float dy)
{
    OGL_flush_quads();                      // what is queued belongs to the copy
    s_layer.kept = 0;
    const int px = intround((x + mnw.win_x + mnw.x_off) * mnw.xy_scale), py = intround((y + mnw.win_y) * mnw.xy_scale);
    const int pw = intround(dx * mnw.xy_scale), ph = intround(dy * mnw.xy_scale);
    const int tw = pow2_at_least(pw), th = pow2_at_least(ph);
    if (pw < 1 || ph < 1 || tw > ren.max_tex_size || th > ren.max_tex_size) return 0;
    OGL_bind(LAYER_TEX, 0);
    if (tw > s_layer.tex_dx || th > s_layer.tex_dy) {
        s_layer.tex_dx = tw > s_layer.tex_dx ? tw : s_layer.tex_dx;
        s_layer.tex_dy = th > s_layer.tex_dy ? th : s_layer.tex_dy;
        glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA, s_layer.tex_dx, s_layer.tex_dy, 0, GL_RGBA, GL_UNSIGNED_BYTE, nullptr);
        // Drawn back at the size it was taken: every pixel centre falls on its texel's centre.
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, ren.tex_clamp_avail ? GL_CLAMP_TO_EDGE : GL_CLAMP);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, ren.tex_clamp_avail ? GL_CLAMP_TO_EDGE : GL_CLAMP);
    }
    glReadBuffer(GL_BACK);
    glCopyTexSubImage2D(GL_TEXTURE_2D, 0, 0, 0, px, py, pw, ph);
    s_layer = {1, s_layer.tex_dx, s_layer.tex_dy, pw, ph, x, y, dx, dy};
    return 1;
}

int OGL_layer_draw(void)
{
    if (!s_layer.kept) return 0;
    // Unblended and untested: the copy is opaque, and a software renderer then skips whatever
    // was drawn under it.
    OGL_setstate(1, 1, 3, 4, 9, 11);
    OGL_bind(LAYER_TEX, 0);
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_REPLACE);
    const float l = s_layer.x + mnw.win_x, b = s_layer.y + mnw.win_y, r = l + s_layer.dx, t = b + s_layer.dy;
    const float s = (float)s_layer.px_dx / s_layer.tex_dx, u = (float)s_layer.px_dy / s_layer.tex_dy;
    glBegin(GL_QUADS);
    glTexCoord2f(0, 0); glVertex2f(l, b);
    glTexCoord2f(0, u); glVertex2f(l, t);
    glTexCoord2f(s, u); glVertex2f(r, t);
    glTexCoord2f(s, 0); glVertex2f(r, b);
    glEnd();
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
    return 1;
}
