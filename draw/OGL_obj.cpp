// OGL_obj.cpp -- object models drawn: each level of detail compiled into a day and a night
// display list, and a model placed and drawn through them.
//
// The lists carry their own state switches (lines unlit and untextured, surfaces lit and
// textured). GL records raw calls into a list, never the cached switch of OGL_setstate, so the
// switches here are raw too, and a draw saves and restores the state around the list so that
// nothing it changes (culling, materials, texture units) reaches what is drawn after it.
#include "draw/io_obj.h"
#include "draw/ogl.h"
#include "draw/HL_GRAPH.h"
#include "draw/ren_struct.h"
#include "base/HL_MATH_FUN.h"
#include "base/records.h"

enum { OBJ_STATE_LINES, OBJ_STATE_LIT, OBJ_STATE_TEX1, OBJ_STATE_TEX2 };

static struct {
    int current_state = -1;                 // the state the commands so far have set
    int use_tex1, use_tex2;                 // the level being run draws with the day / night texture
} s;

static bool slot_holds_texture(int slot) { return slot >= 0 && slot < REN_NUM_TEX && ren.tex_dx_tot[slot] > 0; }

static bool can_add_night(void)
{
    return ren.add_env_avail && ren.num_tex_units >= 2 && glActiveTextureARB_ptr && glMultiTexCoord2fARB_ptr;
}

static void unit_enable(int unit, bool on)
{
    if (unit > 0) {
        glActiveTextureARB_ptr(GL_TEXTURE0_ARB + unit);
        if (on) glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_ADD);   // the night lights add to the day
    }
    if (on) glEnable(GL_TEXTURE_2D);
    else glDisable(GL_TEXTURE_2D);
    if (unit > 0) glActiveTextureARB_ptr(GL_TEXTURE0_ARB);
}

// The state of the commands that follow: lines unlit and untextured, surfaces lit, textured with
// as many units as the level's textures need. Alpha test and blending, depth test and writes on;
// fog is left as the scene has it. The colour goes back to white, as OGL_setstate leaves it.
static void OBJ_setstate(int state)
{
    if (state == s.current_state) return;
    s.current_state = state;
    unit_enable(0, state >= OBJ_STATE_TEX1);
    if (s.use_tex2) unit_enable(1, state == OBJ_STATE_TEX2);
    if (state == OBJ_STATE_LINES) {
        glDisable(GL_LIGHTING);
        glDisable(GL_LIGHT0);
    } else {
        glEnable(GL_LIGHTING);
        glEnable(GL_LIGHT0);
    }
    glEnable(GL_BLEND);
    glEnable(GL_ALPHA_TEST);
    glEnable(GL_DEPTH_TEST);
    glDepthMask(GL_TRUE);
    glColor4f(1, 1, 1, 1);
}

static void material(GLenum what, const float* rgb)
{
    const GLfloat c[4] = {rgb[0], rgb[1], rgb[2], 1};
    glMaterialfv(GL_FRONT_AND_BACK, what, c);
}

static void default_materials(void)
{
    const float amb[3] = {0.2f, 0.2f, 0.2f}, dif[3] = {0.8f, 0.8f, 0.8f}, none[3] = {0, 0, 0};
    material(GL_AMBIENT, amb);
    material(GL_DIFFUSE, dif);
    material(GL_SPECULAR, none);
    material(GL_EMISSION, none);
    glMaterialf(GL_FRONT_AND_BACK, GL_SHININESS, 0);
}

static GLenum begin_mode(int act)
{
    switch (act) {
    case OBJ_LINES: return GL_LINES;
    case OBJ_TRIS: return GL_TRIANGLES;
    case OBJ_POLYGON: return GL_POLYGON;
    case OBJ_QUAD_STRIP: return GL_QUAD_STRIP;
    case OBJ_TRI_STRIP: return GL_TRIANGLE_STRIP;
    case OBJ_TRI_FAN: return GL_TRIANGLE_FAN;
    default: return GL_QUADS;
    }
}

// Run the commands of level L of model M: into the list being compiled, or straight to GL.
// Commands out of place (a vertex outside a begin, a state change inside one) are skipped, so a
// level can never leave GL inside glBegin.
static void run_commands(int M, int L, int nite)
{
    const vec_mod_struct& m = vec_mod[M];
    const std::vector<vec_act_struct>& acts = m.vec_lod[L].vec_act;
    s.use_tex1 = slot_holds_texture(m.tex1);
    s.use_tex2 = nite && s.use_tex1 && slot_holds_texture(m.tex2) && can_add_night();
    const int surface = s.use_tex2 ? OBJ_STATE_TEX2 : s.use_tex1 ? OBJ_STATE_TEX1 : OBJ_STATE_LIT;
    s.current_state = -1;
    bool open = false;
    for (int C = 0; C < (int)acts.size(); C++) {
        if (!cmd_is_DIS(M, L, C)) continue;
        const vec_act_struct& a = acts[C];
        const int code = a.act;
        if (code == OBJ_NORMAL || code == OBJ_LINE_VRT || code == OBJ_TEX_VRT) {
            if (!open) continue;
            if (code == OBJ_NORMAL) glNormal3fv(a.dat);
            else if (code == OBJ_LINE_VRT) {
                glColor4f(a.dat[3], a.dat[4], a.dat[5], 0.5f);
                glVertex3fv(a.dat);
            } else {
                if (s.use_tex2) {
                    glMultiTexCoord2fARB_ptr(GL_TEXTURE0_ARB, a.dat[3], a.dat[4]);
                    glMultiTexCoord2fARB_ptr(GL_TEXTURE0_ARB + 1, a.dat[3], a.dat[4]);
                } else {
                    glTexCoord2f(a.dat[3], a.dat[4]);
                }
                glVertex3fv(a.dat);
            }
            continue;
        }
        if (code == OBJ_END_LINES || code == OBJ_END_POLY) {
            if (open) glEnd();
            open = false;
            continue;
        }
        if (open) continue;
        switch (code) {
        case OBJ_LINES: case OBJ_TRIS: case OBJ_QUADS: case OBJ_QUADS_HARD: case OBJ_POLYGON:
        case OBJ_QUAD_STRIP: case OBJ_TRI_STRIP: case OBJ_TRI_FAN:
            OBJ_setstate(code == OBJ_LINES ? OBJ_STATE_LINES : surface);
            glBegin(begin_mode(code));
            open = true;
            break;
        case OBJ_SHADE_FLAT: glShadeModel(GL_FLAT); break;
        case OBJ_SHADE_SMOOTH: glShadeModel(GL_SMOOTH); break;
        case OBJ_AMBIENT: material(GL_AMBIENT, a.dat); break;
        case OBJ_DIFFUSE: material(GL_DIFFUSE, a.dat); break;
        case OBJ_SPECULAR: material(GL_SPECULAR, a.dat); break;
        case OBJ_EMISSION: material(GL_EMISSION, a.dat); break;
        case OBJ_SHINY: glMaterialf(GL_FRONT_AND_BACK, GL_SHININESS, fltlim(a.dat[0], 0, 128)); break;
        case OBJ_NO_DEPTH: glDisable(GL_DEPTH_TEST); glDepthMask(GL_FALSE); break;
        case OBJ_DEPTH: glEnable(GL_DEPTH_TEST); glDepthMask(GL_TRUE); break;
        case OBJ_NO_CULL: glDisable(GL_CULL_FACE); break;
        case OBJ_CULL: glEnable(GL_CULL_FACE); break;
        case OBJ_POLY_OS: {
            const int amount = intround(fltlim(a.dat[0], -1000, 1000));
            if (amount == 0) glDisable(GL_POLYGON_OFFSET_FILL);
            else {
                glEnable(GL_POLYGON_OFFSET_FILL);
                glPolygonOffset((float)amount * -5.0f, 0);
            }
            glDepthMask(a.dat[0] <= 0 ? GL_TRUE : GL_FALSE);
            break;
        }
        case OBJ_RESET:
            default_materials();
            glShadeModel(GL_SMOOTH);
            glEnable(GL_CULL_FACE);
            glEnable(GL_DEPTH_TEST);
            glDepthMask(GL_TRUE);
            break;
        default: break;
        }
    }
    if (open) glEnd();
}

static bool have_context(void) { return glGetString(GL_VERSION) != nullptr; }

// The state OGL_setstate(1, 0, 3, 4, 9, 11) describes, set by the switch so that its record of
// what is enabled stays true.
static void state_off(void) { OGL_setstate(1, 0, 3, 4, 9, 11); }

static void compile_level(int M, int L, int nite)
{
    vec_lod_struct& lod = vec_mod[M].vec_lod[L];
    int& list = nite ? lod.dl_nit : lod.dl_day;
    if (!list) list = (int)glGenLists(1);
    if (!list) return;
    glNewList((GLuint)list, GL_COMPILE);
    run_commands(M, L, nite);
    glEndList();
}

void OBJ_compile_model(int M)
{
    if (M < 0 || M >= (int)vec_mod.size() || !have_context()) return;
    for (int L = 0; L < (int)vec_mod[M].vec_lod.size(); L++) {
        compile_level(M, L, 0);
        compile_level(M, L, 1);
    }
    state_off();
}

// The squared distance from the eye to (x, y, z) of the current model-view.
static float eye_distance_sqr(float x, float y, float z)
{
    GLfloat m[16];
    glGetFloatv(GL_MODELVIEW_MATRIX, m);
    const float ex = m[0] * x + m[4] * y + m[8] * z + m[12];
    const float ey = m[1] * x + m[5] * y + m[9] * z + m[13];
    const float ez = m[2] * x + m[6] * y + m[10] * z + m[14];
    return ex * ex + ey * ey + ez * ez;
}

void plot_build_obj(int M, int L, float x, float y, float z, float psi, float the, float phi, int nite, int DL_type,
                    int use_dist)
{
    if (M < 0 || M >= (int)vec_mod.size() || !have_context()) return;
    vec_mod_struct& m = vec_mod[M];
    if (check_nan(x) || check_nan(y) || check_nan(z) || check_nan(psi) || check_nan(the) || check_nan(phi)) return;
    if (DL_type == 1) L = OBJ_lod_for(M, use_dist ? eye_distance_sqr(x, y, z) : 0.0f);
    if (L < 0 || L >= (int)m.vec_lod.size()) return;
    if (DL_type == 0) {
        compile_level(M, L, nite);
        state_off();
        return;
    }
    OGL_flush_quads();
    const bool day_tex = slot_holds_texture(m.tex1);
    if (day_tex) OGL_bind(m.tex1, 0);
    if (nite && day_tex && slot_holds_texture(m.tex2) && can_add_night()) OGL_bind(m.tex2, 1);
    glPushAttrib(GL_ENABLE_BIT | GL_LIGHTING_BIT | GL_POLYGON_BIT | GL_DEPTH_BUFFER_BIT | GL_CURRENT_BIT |
                 GL_TEXTURE_BIT | GL_COLOR_BUFFER_BIT);
    glPushMatrix();
    glTranslatef(x, y, z);
    glRotatef(psi, 0, -1, 0);
    glRotatef(the, 1, 0, 0);
    glRotatef(phi, 0, 0, -1);
    if (DL_type == 2) {
        run_commands(M, L, nite);
    } else {
        vec_lod_struct& lod = m.vec_lod[L];
        if (!(nite ? lod.dl_nit : lod.dl_day)) compile_level(M, L, nite);   // parsed before GL was up
        const int list = nite ? lod.dl_nit : lod.dl_day;
        if (list) glCallList((GLuint)list);
    }
    glPopMatrix();
    glPopAttrib();
}

void OBJ_draw_at(int M, const float xyz[3], int nite)
{
    plot_build_obj(M, 0, xyz[0], xyz[1], xyz[2], 0, 0, 0, nite, 1, 0);
}
