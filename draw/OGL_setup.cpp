// OGL_setup.cpp -- OpenGL once the context exists: what the driver offers, the state that never
// changes, and the window background texture.
#include "draw/HL_GRAPH.h"
#include "draw/ogl.h"
#include "base/alert.h"
#include "base/records.h"
#include <cstring>

static const char* gl_text(GLenum name)
{
    const GLubyte* s = glGetString(name);
    return s ? (const char*)s : "";
}

void OGL_probe(int depth_bits)
{
    const char* vendor = gl_text(GL_VENDOR);
    const char* render = gl_text(GL_RENDERER);
    const char* version = gl_text(GL_VERSION);
    const char* ext = gl_text(GL_EXTENSIONS);
    auto has = [&](const char* e) { return strstr(ext, e) != nullptr; };

    int found_opengl_12 = !strncmp(version, "1.2", 3) || !strncmp(version, "1.3", 3) ||
                          !strncmp(version, "1.4", 3) || !strncmp(version, "1.5", 3);
    int found_clamp_SGI = has("GL_SGI_texture_edge_clamp") || has("GL_SGIS_texture_edge_clamp");
    int found_clamp_ARB = has("GL_ARB_texture_edge_clamp") || has("GL_EXT_texture_edge_clamp");
    int found_mul_tex = has("GL_ARB_multitexture");
    int found_env_add = has("GL_ARB_texture_env_add") || has("GL_EXT_texture_env_add");
    int found_dis_fog = has("GL_NV_fog_distance");
    int found_tex_comp = has("GL_ARB_texture_compression") || has("GL_EXT_texture_compression_s3tc");

    ren.tex_clamp_avail = found_opengl_12 || found_clamp_SGI || found_clamp_ARB;
    ren.add_env_avail = found_mul_tex && found_env_add;
    ren.dis_fog_avail = found_dis_fog;
    ren.tex_comp_avail = found_tex_comp;

    GLint units = 1, max_size = 0;
    GLfloat max_iso = 1.0f;
    if (found_mul_tex) glGetIntegerv(GL_MAX_TEXTURE_UNITS_ARB, &units);
    if (has("GL_EXT_texture_filter_anisotropic")) glGetFloatv(GL_MAX_TEXTURE_MAX_ANISOTROPY_EXT, &max_iso);
    glGetIntegerv(GL_MAX_TEXTURE_SIZE, &max_size);
    glGetError();
    ren.num_tex_units = units < 1 ? 1 : units;
    ren.max_iso = max_iso < 1 ? 1 : max_iso;
    ren.max_tex_size = max_size;

    if (xer) {
        fprintf(xer, "OpenGL Situation:\n");
        fprintf(xer, "OpenGL Vendor    :%s\n", vendor);
        fprintf(xer, "OpenGL Render    :%s\n", render);
        fprintf(xer, "OpenGL Version   :%s\n", version);
        fprintf(xer, "OpenGL Extensions:%s\n", ext);
        fprintf(xer, "found_opengl_12  :%d\n", found_opengl_12);
        fprintf(xer, "found_clamp_SGI  :%d\n", found_clamp_SGI);
        fprintf(xer, "found_clamp_ARB  :%d\n", found_clamp_ARB);
        fprintf(xer, "found_mul_tex    :%d\n", found_mul_tex);
        fprintf(xer, "found_env_add    :%d\n", found_env_add);
        fprintf(xer, "found_dis_fog    :%d\n", found_dis_fog);
        fprintf(xer, "num_tex_units    :%d\n", ren.num_tex_units);
        fprintf(xer, "max_iso_filtering:%d\n", (int)ren.max_iso);
        fprintf(xer, "max texture size :%d\n", ren.max_tex_size);
        fprintf(xer, "depth buffer bits:%d\n", depth_bits);
        fflush(xer);
    }
    if (!strcmp(render, "GENERIC"))
        MACIBM_alert(0, "I can not find a 3-D accelerator card that can handle OpenGL that has correctly installed drivers.",
                     "I will still let you run the simulator, but the frame rate will NOT allow for a good simulation.",
                     "Please install a 3-D accelerator card that supports OpenGL, with its current drivers.",
                     "The card maker's web site lists the drivers for your card and system.", 16);
}

void OGL_fixed_state(void* (*lookup)(const char* name))
{
    const GLfloat ambient[4] = {0.3f, 0.3f, 0.3f, 1.0f};
    glLightModelfv(GL_LIGHT_MODEL_AMBIENT, ambient);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    glAlphaFunc(GL_GREATER, 0.0f);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glDepthFunc(GL_LEQUAL);
    glFogi(GL_FOG_MODE, GL_LINEAR);
    glHint(GL_FOG_HINT, GL_FASTEST);
    glFrontFace(GL_CW);
    glEnable(GL_CULL_FACE);
    glCullFace(GL_BACK);
    glShadeModel(GL_SMOOTH);
    glEnable(GL_DITHER);
    glDisable(GL_COLOR_LOGIC_OP);
    glDisable(GL_STENCIL_TEST);
    glDisable(GL_TEXTURE_1D);
    glDisable(GL_NORMALIZE);
    glDisable(GL_SCISSOR_TEST);
    glColorMaterial(GL_FRONT, GL_AMBIENT_AND_DIFFUSE);
    glEnable(GL_COLOR_MATERIAL);
    OGL_lookup_multitexture(lookup);
}

void OGL_update_back_texes(void)
{
    OGL_bind(REN_TEX_BACK, 0);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA, 1024, 1024, 0, GL_RGBA, GL_UNSIGNED_BYTE, scratch_array);
    GLint filter = mnw.xy_scale <= 1.01f ? GL_NEAREST : GL_LINEAR;
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, filter);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, filter);
    GLint wrap = ren.tex_clamp_avail ? GL_CLAMP_TO_EDGE : GL_CLAMP;
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, wrap);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, wrap);
    ren.tex_dx_vis[REN_TEX_BACK] = ren.tex_dx_tot[REN_TEX_BACK] = 1024;
    ren.tex_dy_vis[REN_TEX_BACK] = ren.tex_dy_tot[REN_TEX_BACK] = 1024;
    ren.tex_vram[REN_TEX_BACK] = 1024 * 1024 * 4;
    ren.back_flat = 1;
    ren.back_keyed = 0;
}
