// null_platform.cpp -- the drawing and platform entry points for builds without a display: the
// headless unit tests and the fuzzers link these instead of GL and SDL. Drawing draws nothing,
// an upload only records the slot's size, and there is no window to open.
#include "shell/Hl_MNW.h"
#include "draw/HL_BITMAP.h"
#include "draw/HL_GRAPH.h"
#include "draw/io_obj.h"
#include "draw/HL_DRPLANE.h"
#include "draw/OGL_layer.h"
#include <cstdio>

//=== the platform ===========================================================================
int   MACIBM_sys_init(void) { return 0; }
int   MACIBM_sys_mode_available(int, int, int) { return -1; }
int   MACIBM_sys_create_window(int, int, int, int) { return 0; }
int   MACIBM_sys_depth_bits(void) { return 0; }
void* MACIBM_sys_gl_proc(const char*) { return nullptr; }
void  MACIBM_sys_pump(void) {}
void  MACIBM_sys_swap(void) {}
void  MACIBM_sys_show_cursor(int) {}
void  MACIBM_sys_message_box(const char* title, const char* text) { fprintf(stderr, "%s\n%s\n", title, text); }
void  MACIBM_sys_close(void) {}
int   MACIBM_sys_key_mods(void) { return 0; }
int   MACIBM_keys_held(void) { return 0; }

//=== set-up and state =======================================================================
void OGL_probe(int) {}
void OGL_fixed_state(void* (*)(const char*)) {}
void OGL_update_back_texes(void) {}
void OGL_forget_state(void) {}
int  OGL_read_pixels(int, int, int, int, unsigned char*) { return 0; }
void OGL_setstate(int, int, int, int, int, int) {}
void OGL_setcolorINDEX(int, float) {}
void OGL_setcolorRGBA(float, float, float, float, int) {}
void OGL_bind(int, int) {}
void OGL_sbuf(void) {}
void OGL_flush_quads(void) {}
void OGL_scissors(float, float, float, float) {}
void OGL_scissors_end(void) {}
void OGL_viewport(int, float, float, float, float, float, float, float, float, float, float, float) {}
void OGL_2d_projection(void) {}

//=== drawing ================================================================================
void OGL_line(int, float, float, float, float, float) {}
void OGL_fillrect(int, float, float, float, float, float) {}
void OGL_framerect(int, float, float, float, float, float) {}
void OGL_plot_background(void) {}
void OGL_fillrect_texel(int, const unsigned char*, float, float, float, float) {}
void OGL_2dquad(int, int, float, float, float, float, float, float, float, float, float, float, float, float, float,
                float, float, float, float, int, int) {}
void OGL_tiles_begin(int, int, float, int) {}
void OGL_tile(float, float, float, float, float, float, float, float) {}
int  OGL_layer_save(float, float, float, float) { return 0; }
int  OGL_layer_draw(void) { return 0; }
void OGL_layer_forget(void) {}
void OGL_string(int, float, float, const char*, float, int) {}
void OGL_number(int, float, float, float, int, int, int) {}

//=== textures ===============================================================================
// The real upload measures the interface sheet and plans the background from the texels; the
// null one does the same without GL, so layout and background tests see what the program sees.
void OGL_load_tex(const std::string&, int index, int reduction, int, int rgb_type, unsigned char* array)
{
    if (index < 0 || index >= REN_NUM_TEX || reduction != 0) return;
    const int w = (int)ren.tex_dx_tot[index], h = (int)ren.tex_dy_tot[index];
    const int bytes = rgb_type == OGL_RGB_ALPHA ? 1 : rgb_type == OGL_RGB_RGB ? 3 : 4;
    if (index == REN_TEX_BACK) OGL_plan_background(array, w, h, bytes);
    if (index == REN_TEX_INTERFACE) OGL_measure_sheet(bytes == 4 ? array : nullptr, w, h);
    ren.tex_vram[index] = w * h * bytes;
}
void OGL_mini_me(const std::string&, int, int, int, unsigned char*) {}

//=== object models ==========================================================================
void OBJ_compile_model(int) {}
void plot_plane_2D(float, float, float, float, int) {}
void plot_weapon_2D(float, float, float, float, int, int) {}
void plot_build_obj(int, int, float, float, float, float, float, float, int, int, int) {}
void OBJ_draw_at(int, const float*, int) {}
