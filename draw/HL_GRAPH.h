// HL_GRAPH.h -- drawing primitives and text over OpenGL 1.x immediate mode.
// 2-D calls take window-relative interface coordinates (mnw.win_x, win_y), y upwards.
#pragma once
#include <string>
#include "draw/ren_struct.h"

//=== palette ================================================================================
enum { OGL_NUM_COLORS = 100 };
extern float col_rgb[OGL_NUM_COLORS][3];    // written by OGL_fixed_palette, the art-sheet swatches and the pulse
extern float r_manual_lighting, g_manual_lighting, b_manual_lighting;   // scale slots 0..40 only
extern int   num_texes;                     // texture units enabled by the state switch
extern int   o_tex[4];                      // texture bound on each unit, so repeats cost nothing

void OGL_fixed_palette(void);               // the fixed slots; everything else black
void OGL_palette_from_sheet(const unsigned char* rgba, int sheet_dx);   // slots 30..43 from the art sheet
void OGL_assigncolor(int index, float r, float g, float b);

//=== state and colour =======================================================================
void OGL_setstate(int fog, int tex, int lit, int al, int deR, int deW);
void OGL_setcolorINDEX(int index, float a);
void OGL_setcolorRGBA(float r, float g, float b, float a, int is_light);
void OGL_scissors(float x, float y, float dx, float dy);
void OGL_scissors_end(void);
void OGL_sbuf(void);                        // send what is queued and swap buffers
extern void (*OGL_swap_window)(void);       // the window's swap, set by the shell when the window exists
void OGL_bind(int texture, int unit);       // bind a texture slot on unit 0..3 unless already bound
void OGL_forget_state(void);                // after a new context: nothing is assumed bound, enabled or queued
void OGL_reset(void);                       // ren, the palette and the sheet's measures zeroed, OGL_forget_state


//=== set-up once the context exists (OGL_setup.cpp) =========================================
void OGL_probe(int depth_bits);             // ren's capability fields and the "Error.out" report
void OGL_fixed_state(void* (*lookup)(const char* name));   // state that never changes, multitexture entry points
void OGL_update_back_texes(void);           // background texture (slot 480) from scratch_array

//=== projection =============================================================================
//=== 3-D helpers =============================================================================
// One texture coordinate to every texture unit in use: the plain call with one unit, the
// multitexture one per unit (at most 4) with more.
void OGL_multi_st(float s, float t);
void OGL_multi_stv(const float* st);
// Specular of light 0 and of the front material = (level, level, level, 1), shininess 128.
void OGL_setspec(float level);
// One quad inside the caller's GL_QUADS batch: normal from the corners, corners textured
// (s1,t1) (s1,t2) (s2,t2) (s2,t1).
void OGL_3dquad_st(const float xyz1[3], const float xyz2[3], const float xyz3[3], const float xyz4[3], float s1,
                   float t1, float s2, float t2);
// A wheel at (xc, yc, zc): hub faces of radius rh at x = -xh and +xh, shoulders out to the tread
// of radius rt between -xt and +xt; steered about -y, then turned by rotation about -x (degrees).
void OGL_disc(float xc, float yc, float zc, float xh, float xt, float rh, float rt, float steer, float rotation);
// The same wheel in its own frame (axis x, centre at the origin), as five triangle strips for a
// caller that sends its vertices itself: the two hub faces, the shoulders and the tread.
enum { OGL_WHEEL_STRIPS = 5 };
struct OGL_wheel_vertex { float n[3], st[2], xyz[3]; };
struct OGL_wheel_strip {
    int count;
    OGL_wheel_vertex v[26];
};
int OGL_wheel_strips(float xh, float xt, float rh, float rt, OGL_wheel_strip out[OGL_WHEEL_STRIPS]);

void OGL_viewport(int dims, float rat_x1, float rat_y1, float rat_x2, float rat_y2,
                  float pix_x1, float pix_y1, float pix_x2, float pix_y2,
                  float near_clip, float far_clip, float zoom);
void OGL_2d_projection(void);               // the interface projection over the whole screen

//=== 2-D drawing ============================================================================
void OGL_line(int color, float alpha, float x1, float y1, float x2, float y2);
void OGL_fillrect(int color, float alpha, float x, float y, float dx, float dy);
// A rectangle of one sheet colour (rgba, 4 bytes) drawn as the sheet would draw it in colour
// index color: unblended, untextured.
void OGL_fillrect_texel(int color, const unsigned char* rgba, float x, float y, float dx, float dy);
void OGL_framerect(int color, float alpha, float x, float y, float dx, float dy);
void OGL_plot_background(void);
// One quad with per-corner texture coordinates (s, t from 0 to 1 over the texture's allocated
// size); texture slot tex is bound when > 0; fog off, num_tex units, unlit, alpha mode alB, no
// depth. Corners go round in order.
void OGL_2dquad(int tex, int col, float alp, float x1, float y1, float s1, float t1, float x2, float y2, float s2,
                float t2, float x3, float y3, float s3, float t3, float x4, float y4, float s4, float t4, int num_tex,
                int alB);
// Axis-aligned textured rectangles sent as one batch (window-relative; s, t in texels of a
// 512-texel sheet): the widget art draws dozens of pieces per control.
void OGL_tiles_begin(int tex, int col, float alp, int alB);
void OGL_tile(float x1, float y1, float x2, float y2, float s1, float t1, float s2, float t2);
// Text and tiles are queued and drawn together; every other drawing call sends them first, and
// so does the swap. Call this only where GL is used outside these functions.
void OGL_flush_quads(void);

//=== text ===================================================================================
void  OGL_string(int color, float x, float y, const char* input, float dx, int charset);
void  OGL_number(int color, float x, float y, float input, int dig, int dec, int charset);
float chr_dx(char c);
float str_dx(const char* s);
int   OGL_glyph_cell(unsigned char c);      // font cell of a character, -1 when it has none
int   OGL_korean_pair_start(unsigned char c);   // c and the next byte are one Korean glyph

// Text and number layout without drawing: every glyph as (cell, pen x, pen y) in screen-relative
// interface pixels. The drawing calls above use these, and tests read them directly.
// korean: the cell is on the Korean glyph sheet (charset 103) rather than the charset's own.
struct OGL_glyph { int cell; float x, y; int korean; };
int OGL_layout_string(const char* input, float x0, float y0, float dx, int charset,
                      OGL_glyph* out, int max_out);
int OGL_layout_number(float input, float x0, float y0, int dig, int dec, int charset,
                      OGL_glyph* out, int max_out);
// Measure the interface sheet as it loads (rgba: w x h texels, as uploaded): where each glyph
// has ink, so that text quads cover only that; which bar and panel middles are one texel
// repeated along their stretch, so that they can be drawn as one stretched quad; and which
// panel middles are opaque, so that they can be drawn without blending. nullptr forgets it
// all: whole cells and repeated, blended tiles are drawn.
void OGL_measure_sheet(const unsigned char* rgba, int w, int h);
int  OGL_bar_middle_repeats(int style);                 // BTN_frame1 styles, 6 = the vertical track
int  OGL_panel_middle_repeats(int style, int along_y);  // BTN_frame2 styles
int  OGL_panel_middle_opaque(int style);                // the middle has no transparent texel
int  OGL_panel_middle_colour(int style, unsigned char* rgba);   // 1 and its RGBA: the middle is one opaque colour
// For a panel with a one-colour middle: 1, its tile's transparent margins (outer), its largest
// rectangle of that colour (inner), as texel insets left, right, bottom, top, and the colour.
int  OGL_panel_insets(int style, int outer[4], int inner[4], unsigned char rgba[4]);
int OGL_charset_advance(int charset);       // fixed advance, 0 = proportional; fatal for a bad charset
// Where charset 100..103 lies: its texture slot, first cell (s, t) and cell size in texels,
// cells a row, and its fixed advance (0 proportional). Fatal for any other charset.
struct OGL_charset { int slot; float s, t, ds, dt; int per_row; int advance; };
const OGL_charset& OGL_charset_of(int charset);
// A glyph's inked rectangle within its cell, in texels from the cell's corner (x1, y1 exclusive;
// x0 == x1 for a blank cell), for the sheet's proportional (face 0) and fixed (1) fonts; null
// until the sheet has been measured.
struct OGL_glyph_ink { signed char x0, y0, x1, y1; };
const OGL_glyph_ink* OGL_ink_of(int face, int cell);

//=== read-back, for tests and paint templates ===============================================
int OGL_read_pixels(int x, int y, int dx, int dy, unsigned char* rgba);   // back buffer, bottom row first
