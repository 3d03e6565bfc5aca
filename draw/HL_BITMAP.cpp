// HL_BITMAP.cpp -- pictures into texture slots: the upload with its mip levels, wrap and filters,
// and the entry point that loads a picture file into a slot. Decoding is OGL_decode.cpp's.
#include "draw/HL_BITMAP.h"
#include "draw/HL_GRAPH.h"
#include "draw/OGL_layer.h"
#include "draw/ogl.h"
#include "base/records.h"
#include "base/alert.h"
#include "base/IO_UTILS.h"
#include <cstring>

static_assert(OGL_RGB_ALPHA == GL_ALPHA && OGL_RGB_RGB == GL_RGB && OGL_RGB_RGBA == GL_RGBA);

//=== upload =================================================================================
// Wrap is chosen by slot: tiling pictures (paint, scenery, object textures) repeat, sprites and
// interface art clamp so their borders do not pick up the opposite edge.
static int slot_repeats(int s)
{
    return s < 49 || (s >= 50 && s <= 175) || s == 196 || s == 197 || s == 198 || (s >= 203 && s <= 206) ||
           (s >= 208 && s <= 211) || s == 216 || s == 217 || s == 219 || s == 220 || s == 223 ||
           (s >= 251 && s <= 376) || s == 378 || (s >= 380 && s <= 385) || (s >= 400 && s <= 410) ||
           (s >= 421 && s <= 423) || s == 477 || (s >= 500 && s <= 999);
}

static int have_anisotropy(void)
{
    static int known = -1;
    if (known < 0) {
        const char* ext = (const char*)glGetString(GL_EXTENSIONS);
        if (!ext) return 0;
        known = strstr(ext, "GL_EXT_texture_filter_anisotropic") != nullptr;
    }
    return known;
}

void OGL_load_tex(const std::string& path, int index, int reduction, int filter_type, int rgb_type, unsigned char* array)
{
    if (!check_index(index, path) || !check_filter_type(filter_type, path) || !check_rgb_type(rgb_type, path)) return;
    const int bytes = rgb_type == GL_ALPHA ? 1 : rgb_type == GL_RGB ? 3 : 4;
    if (!check_bytes(bytes, path)) return;
    const int w = (int)ren.tex_dx_tot[index], h = (int)ren.tex_dy_tot[index];
    if (!check_dx(w, path) || !check_dy(h, path)) return;
    if (index == REN_TEX_BACK) ren.back_flat = 0;   // a picture now: the background must be drawn
    if (!OGL_is_pow2(w)) {
        MACIBM_alert(0, "OGL_load_tex: Trying to read a texture that is not a power of 2!", path.c_str(), "", "", 17);
        return;
    }
    if (!OGL_is_pow2(h)) {
        MACIBM_alert(0, "OGL_load_tex: Trying to read a texture that is not a power of 2!", path.c_str(), "", "", 17);
        return;
    }
    if (index == REN_TEX_BACK && reduction == 0) OGL_plan_background(array, w, h, bytes);
    if (index == REN_TEX_INTERFACE && reduction == 0) OGL_measure_sheet(bytes == 4 ? array : nullptr, w, h);
    // The background and the slots 180-190 are drawn unfiltered or blended on purpose.
    if (bytes == 4 && index != 480 && !(index >= 180 && index <= 190)) OGL_bleed_edges(array, w, h);

    if (reduction == 0) OGL_layer_forget();         // the kept copy may show the old picture
    if (reduction == 0) ren.tex_vram[index] = w * h * bytes;
    else ren.tex_vram[index] += w * h * bytes;

    OGL_bind(index, 0);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);      // 3-byte rows of small mip levels are not word-aligned
    glTexImage2D(GL_TEXTURE_2D, reduction, rgb_type, w, h, 0, (GLenum)rgb_type, GL_UNSIGNED_BYTE, array);

    const GLint wrap = slot_repeats(index) ? GL_REPEAT : ren.tex_clamp_avail ? GL_CLAMP_TO_EDGE : GL_CLAMP;
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, wrap);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, wrap);
    if (have_anisotropy())
        glTexParameterf(GL_TEXTURE_2D, GL_TEXTURE_MAX_ANISOTROPY_EXT, index >= 364 && index <= 376 ? ren.max_iso : 1.0f);

    GLint min_f = GL_LINEAR, mag_f = GL_LINEAR;
    if (index == 468 || index == 470 || index == 471) min_f = mag_f = GL_NEAREST;   // pixel-exact interface art
    else if (index == 480) min_f = mag_f = mnw.xy_scale <= 1.01f ? GL_NEAREST : GL_LINEAR;
    else if (OGL_filter_has_mips(filter_type)) min_f = GL_LINEAR_MIPMAP_LINEAR;
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, min_f);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, mag_f);
}

void OGL_mini_me(const std::string& path, int index, int filter_type, int rgb_type, unsigned char* array)
{
    if (!check_index(index, path) || !check_filter_type(filter_type, path) || !check_rgb_type(rgb_type, path)) return;
    const int bytes = rgb_type == GL_ALPHA ? 1 : rgb_type == GL_RGB ? 3 : 4;
    if (!check_bytes(bytes, path)) return;
    const float tot_x = ren.tex_dx_tot[index], tot_y = ren.tex_dy_tot[index];
    int w = (int)tot_x, h = (int)tot_y;
    if (!check_dx(w, path) || !check_dy(h, path)) return;

    // Each level is written over the one it came from: texel (x, y) of the new level lies at or
    // before every texel it is made from, so a forward pass never reads what it has replaced.
    for (int level = 1; w > 1 || h > 1; level++) {
        const int nw = w > 1 ? w / 2 : 1, nh = h > 1 ? h / 2 : 1;
        for (int y = 0; y < nh; y++) {
            const int y0 = y * 2 < h ? y * 2 : h - 1, y1 = y * 2 + 1 < h ? y * 2 + 1 : h - 1;
            for (int x = 0; x < nw; x++) {
                const int x0 = x * 2 < w ? x * 2 : w - 1, x1 = x * 2 + 1 < w ? x * 2 + 1 : w - 1;
                const unsigned char* a = array + ((size_t)y0 * w + x0) * bytes;
                const unsigned char* b = array + ((size_t)y0 * w + x1) * bytes;
                const unsigned char* c = array + ((size_t)y1 * w + x0) * bytes;
                const unsigned char* d = array + ((size_t)y1 * w + x1) * bytes;
                unsigned char* o = array + ((size_t)y * nw + x) * bytes;
                for (int k = 0; k < bytes; k++) o[k] = (unsigned char)((a[k] + b[k] + c[k] + d[k]) >> 2);
            }
        }
        w = nw;
        h = nh;
        if (!check_dx(w, path) || !check_dy(h, path)) break;
        ren.tex_dx_tot[index] = (float)w;
        ren.tex_dy_tot[index] = (float)h;
        OGL_load_tex(path, index, level, filter_type, rgb_type, array);
    }
    ren.tex_dx_tot[index] = tot_x;
    ren.tex_dy_tot[index] = tot_y;
}

//=== read-back ==============================================================================
int OGL_read_tex(int index, int level, OGL_tex_state* st, unsigned char* rgba)
{
    OGL_tex_state s{};
    OGL_bind(index, 0);
    glGetTexLevelParameteriv(GL_TEXTURE_2D, level, GL_TEXTURE_WIDTH, &s.dx);
    glGetTexLevelParameteriv(GL_TEXTURE_2D, level, GL_TEXTURE_HEIGHT, &s.dy);
    glGetTexLevelParameteriv(GL_TEXTURE_2D, level, GL_TEXTURE_INTERNAL_FORMAT, &s.internal_format);
    glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, &s.wrap_s);
    glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, &s.wrap_t);
    glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, &s.min_filter);
    glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, &s.mag_filter);
    s.aniso = 1.0f;
    if (have_anisotropy()) glGetTexParameterfv(GL_TEXTURE_2D, GL_TEXTURE_MAX_ANISOTROPY_EXT, &s.aniso);
    if (st) *st = s;
    if (s.dx <= 0 || s.dy <= 0) return 0;
    if (rgba) {
        glPixelStorei(GL_PACK_ALIGNMENT, 1);
        glGetTexImage(GL_TEXTURE_2D, level, GL_RGBA, GL_UNSIGNED_BYTE, rgba);
    }
    return 1;
}
