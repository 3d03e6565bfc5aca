// PLN_DRAW.cpp -- the aircraft in 3-D: the pane with its camera and light, the parts with their
// deflected surfaces, panels, gear, tyres, doors and propellers, attached weapons, the cockpit
// object, the lights, and the construction markers.
//
// Everything is sent in immediate mode: on the software rasteriser the editor runs on, vertex
// arrays and display lists of a mesh rebuilt every frame cost more than they save. The geometry
// builder leaves every vertex finite; every angle and offset taken from the record on the way
// to GL passes through fin(), since one NaN in the stream can stall the rasteriser.
#include "draw/HL_DRPLANE.h"
#include "draw/HL_GRAPH.h"
#include "draw/io_obj.h"
#include "draw/ogl.h"
#include "draw/ren_struct.h"
#include "geometry/PLN_DEFL.h"
#include "geometry/PLN_PROCS.h"
#include "model/acf_defaults.h"
#include "model/acf_parts.h"
#include "model/acf_struct.h"
#include "model/set_struct.h"
#include "base/HL_MATH_FUN.h"
#include "base/con_struct.h"
#include "base/records.h"
#include <cmath>

namespace {
constexpr int FOIL_POINTS = 14;

// A value from the record fit to reach GL: not a number counts as 0, and nothing is so large
// that the rasteriser's arithmetic overflows.
inline float fin(float x) { return x == x ? (x > 1e6f ? 1e6f : (x < -1e6f ? -1e6f : x)) : 0.0f; }

//=== the batch ==============================================================================
// The software rasteriser charges every glBegin/glEnd pair a fixed few microseconds, and an
// aircraft is some 1,500 short strips. So the parts keep their own transform stack here, put
// each vertex and normal through it, and join every strip into one long triangle strip with
// repeated vertices in between: one glBegin for as long as the texture and state stay the
// same. A mirrored part (lat_sign > 0) starts its strips on the other parity, which turns its
// triangles round as a change of front face would.
struct xform { float m[3][3]; float t[3]; };
constexpr int XFORM_DEPTH = 16;
xform s_x[XFORM_DEPTH];
int s_xtop;

void x_identity(void)
{
    s_xtop = 0;
    s_x[0] = xform{{{1, 0, 0}, {0, 1, 0}, {0, 0, 1}}, {0, 0, 0}};
}
void x_push(void)
{
    if (s_xtop + 1 < XFORM_DEPTH) s_x[s_xtop + 1] = s_x[s_xtop], s_xtop++;
}
void x_pop(void)
{
    if (s_xtop > 0) s_xtop--;
}
inline void move(float x, float y, float z)
{
    xform& c = s_x[s_xtop];
    x = fin(x), y = fin(y), z = fin(z);
    for (int i = 0; i < 3; i++) c.t[i] += c.m[i][0] * x + c.m[i][1] * y + c.m[i][2] * z;
}
// As glRotatef: the current transform times a turn of deg degrees about the axis.
void rot(float deg, float x, float y, float z)
{
    const float len = std::sqrt(x * x + y * y + z * z);
    deg = fin(deg);
    if (!(len > 1e-12f) || deg == 0) return;
    x /= len, y /= len, z /= len;
    const float a = deg * con.degtorad, c = std::cos(a), s = std::sin(a), k = 1 - c;
    const float r[3][3] = {{x * x * k + c, x * y * k - z * s, x * z * k + y * s},
                           {y * x * k + z * s, y * y * k + c, y * z * k - x * s},
                           {z * x * k - y * s, z * y * k + x * s, z * z * k + c}};
    xform& cur = s_x[s_xtop];
    float m[3][3];
    for (int i = 0; i < 3; i++)
        for (int j = 0; j < 3; j++) m[i][j] = cur.m[i][0] * r[0][j] + cur.m[i][1] * r[1][j] + cur.m[i][2] * r[2][j];
    for (int i = 0; i < 3; i++)
        for (int j = 0; j < 3; j++) cur.m[i][j] = m[i][j];
}

struct {
    bool open, pending;
    int count;
    float n[3], st[2], xyz[3];                       // the last vertex sent, for the joins
} s_b;
bool s_flip;

void b_send(void)
{
    glNormal3fv(s_b.n);
    OGL_multi_stv(s_b.st);
    glVertex3fv(s_b.xyz);
    s_b.count++;
}
// Before anything but a vertex goes to GL.
void b_close(void)
{
    if (s_b.open) glEnd();
    s_b.open = false;
}
void b_strip(void) { s_b.pending = true; }
void b_vertex(const float* n, const float* st, const float* a)
{
    if (!s_b.open) {
        glBegin(GL_TRIANGLE_STRIP);
        s_b.open = true;
        s_b.count = 0;
    }
    const xform& c = s_x[s_xtop];
    float xyz[3], nn[3];
    for (int i = 0; i < 3; i++) {
        xyz[i] = c.m[i][0] * a[0] + c.m[i][1] * a[1] + c.m[i][2] * a[2] + c.t[i];
        nn[i] = c.m[i][0] * n[0] + c.m[i][1] * n[1] + c.m[i][2] * n[2];
    }
    if (s_b.pending) {
        if (s_b.count > 0) b_send();                  // the last vertex once more
        for (int i = 0; i < 3; i++) s_b.xyz[i] = xyz[i], s_b.n[i] = nn[i];
        s_b.st[0] = st[0], s_b.st[1] = st[1];
        if (s_b.count > 0) b_send();                  // and this one: the joining triangles have no area
        if ((s_b.count & 1) != (s_flip ? 1 : 0)) b_send();
        s_b.pending = false;
    }
    for (int i = 0; i < 3; i++) s_b.xyz[i] = xyz[i], s_b.n[i] = nn[i];
    s_b.st[0] = st[0], s_b.st[1] = st[1];
    b_send();
}
inline void vtx(const float* n, const float* st, const float* a) { b_vertex(n, st, a); }

// GL's own matrix: the aircraft's place and attitude, the light sprites.
inline void gl_rot(float deg, float x, float y, float z) { glRotatef(fin(deg), x, y, z); }
inline void gl_move(float x, float y, float z) { glTranslatef(fin(x), fin(y), fin(z)); }

// GL's own matrix set to the parts' transform, for the few shapes drawn with GL's calls.
struct gl_frame {
    gl_frame()
    {
        b_close();
        const xform& c = s_x[s_xtop];
        const GLfloat m[16] = {c.m[0][0], c.m[1][0], c.m[2][0], 0, c.m[0][1], c.m[1][1], c.m[2][1], 0,
                               c.m[0][2], c.m[1][2], c.m[2][2], 0, c.t[0],    c.t[1],    c.t[2],    1};
        glPushMatrix();
        glMultMatrixf(m);
    }
    ~gl_frame() { glPopMatrix(); }
};

// Parts with lat_sign > 0 are mirror images: their triangles run the other way round.
struct front_face {
    explicit front_face(bool ccw) : was(s_flip) { s_flip = ccw; }
    ~front_face() { s_flip = was; }
    bool was;
};

int elements(const veh_struct& v, int en) { return intlim(v.els[en], 0, ACF_ELEMENTS); }

//=== wing-type parts ========================================================================
// The deflection of the last control element k carries, in the order the design lists them.
float element_deflection(const veh_struct& v, const flt_struct& f, int en, int k)
{
    float d = 0;
    if (v.ail1[en][k]) d = f.ail1_def[en];
    if (v.ail2[en][k]) d = f.ail2_def[en];
    if (v.elev[en][k]) d = f.elev_def[en];
    if (v.rudd[en][k]) d = f.rudd_def[en];
    if (v.flap[en][k]) d = -f.flap_def[en];
    return fin(d);
}

// One strip between stations s1 and s2 over the listed points, each pair with the normal of
// station sn.
void strip(const veh_struct& v, int en, int s1, int s2, int sn, const int* pts, int n)
{
    const auto& a = v.a_xyz[en];
    const auto& nn = v.n_xyz[en];
    const auto& st = v.st[en];
    b_strip();
    for (int i = 0; i < n; i++) {
        const int r = pts[i];
        vtx(nn[sn][r], st[s2][r], a[s2][r]);
        vtx(nn[sn][r], st[s1][r], a[s1][r]);
    }
}

// The end of a part at station s, a flat polygon over the airfoil's points, sent as a strip
// zigzagging from both ends of the point list inwards (the same triangles as a fan, the same
// winding). Without a normal of its own it takes the station's first.
void cap(const veh_struct& v, int en, int s, bool reverse, const float* normal, bool skip_hinges, bool skip_trailing)
{
    const auto& a = v.a_xyz[en];
    const auto& st = v.st[en];
    int pts[13], n = 0;
    for (int i = 0; i <= 12; i++) {
        const int r = reverse ? 12 - i : i;
        if (skip_hinges && (r == 5 || r == 8)) continue;
        if (skip_trailing && (r == 6 || r == 7)) continue;
        pts[n++] = r;
    }
    const float* nn = normal ? normal : v.n_xyz[en][s][0];
    b_strip();
    for (int lo = 0, hi = n - 1, k = 0; lo <= hi; k++) {
        const int r = (k == 0 || k % 2 == 1) ? pts[lo++] : pts[hi--];
        vtx(nn, st[s][r], a[s][r]);
    }
}

const int k_all_points[FOIL_POINTS] = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13};
const int k_skin_fixed[12] = {0, 1, 2, 3, 4, 5, 8, 9, 10, 11, 12, 13};       // a moving surface behind
const int k_skin_whole[12] = {0, 1, 2, 3, 4, 6, 7, 9, 10, 11, 12, 13};       // no moving surface
const int k_surface[5] = {5, 6, 7, 8, 5};

void deflecting_wing(int p, int en)
{
    const veh_struct& v = veh[p];
    const flt_struct& f = flt[p];
    const float ls = fin(v.lat_sign[en]);
    const float dih = fin(v.dihed1[en]) * con.degtorad;
    const float sd = std::sin(dih) * ls, cd = std::cos(dih);
    const float X = fin(v.Xarm[en]), Y = fin(v.Yarm[en]), Z = fin(v.Zarm[en]);
    x_push();
    if (std::fabs(f.foil_swe_inc[en]) > 0.01f || std::fabs(f.foil_dih_inc[en]) > 0.01f) {
        move(X, Y, Z);
        if (std::fabs(f.foil_swe_inc[en]) > 0.01f) rot(-f.foil_swe_inc[en] * ls, sd, cd, 0);
        if (std::fabs(f.foil_dih_inc[en]) > 0.01f) rot(f.foil_dih_inc[en] * ls, 0, 0, 1);
        move(-X, -Y, -Z);
    }
    const front_face face(ls > 0);
    const int els = elements(v, en);
    const float root_n[3] = {-sd, cd, 0}, tip_n[3] = {sd, cd, 0};
    for (int k = 0; k < els; k++) {
        const int s0 = 2 * k, s1 = 2 * k + 1;
        x_push();
        const float inc = f.elem_inc_inc[en][k];
        if (std::fabs(inc) > 0.01f) {
            const float Zr = Z + 0.25f * fin(v.Croot[en]);
            move(X, Y, Zr);
            rot(inc, cd, sd, 0);
            move(-X, -Y, -Zr);
        }
        const float con_def = element_deflection(v, f, en, k);
        const bool moving = con_def != 0;
        strip(v, en, s0, s1, s0, moving ? k_skin_fixed : k_skin_whole, 12);
        if (moving) {
            const float* co = v.co_xyz[en][s0];
            const float* ca = v.ca_xyz[en][s0];
            x_push();
            move(co[0], co[1], co[2]);
            rot(-con_def * ls, ca[0], ca[1], ca[2]);
            move(-co[0], -co[1], -co[2]);
            strip(v, en, s0, s1, s0, k_surface, 5);
            const auto& a = v.a_xyz[en];
            const auto& st = v.st[en];
            if (k == 0) {
                b_strip();
                for (int r : {8, 7, 5}) vtx(root_n, st[s0][r], a[s0][r]);
            }
            if (k == els - 1) {
                b_strip();
                for (int r : {5, 7, 8}) vtx(tip_n, st[s1][r], a[s1][r]);
            }
            x_pop();
            // A flap that slides out from under a fixed trailing edge leaves that edge in place.
            if (v.flap[en][k] && v.flap_type == 5) strip(v, en, s0, s1, s0, k_surface, 5);
        }
        // Panels that open out of the skin.
        if (v.yawb[en][k] && f.yawb_def[en] > 0.01f) {
            draw_sbrk(p, en, s0, 5, 1, -f.yawb_def[en]);
            draw_sbrk(p, en, s0, 8, -1, f.yawb_def[en]);
        }
        if (v.sbrk[en][k] && f.sbrk_rat > 0.01f) {
            const float ang = f.sbrk_rat * v.sbrk_up;
            if (en == 18 || en == 19) {
                draw_sbrk(p, en, s0, 5, 1, -ang);
                draw_sbrk(p, en, s0, 8, -1, ang);
            } else {
                draw_sbrk(p, en, s0, 5 - fltlim(control_crat(p, en, (float)k, DEFL_SBRK) / 0.3f, 0.01f, 0.99f), 1, -ang);
            }
        }
        if (v.slat[en][k] && f.slat_rat > 0.01f) draw_sbrk(p, en, s0, 11, 1, f.slat_rat * 120);
        if (v.spo1[en][k])
            draw_sbrk(p, en, s0, 5 - fltlim(control_crat(p, en, (float)k, DEFL_SPO1) / 0.3f, 0.01f, 0.99f), 1, -f.spo1_def[en]);
        if (v.spo2[en][k])
            draw_sbrk(p, en, s0, 5 - fltlim(control_crat(p, en, (float)k, DEFL_SPO2) / 0.3f, 0.01f, 0.99f), 1, -f.spo2_def[en]);
        x_pop();
    }
    if (els > 0) {
        cap(v, en, 0, true, root_n, false, element_deflection(v, f, en, 0) != 0);
        cap(v, en, 2 * els - 1, false, tip_n, false, element_deflection(v, f, en, els - 1) != 0);
    }
    x_pop();
}

void rigid_wing(int p, int en)
{
    const veh_struct& v = veh[p];
    const front_face face(v.lat_sign[en] > 0);
    const int els = elements(v, en);
    for (int k = 0; k < els; k++) strip(v, en, 2 * k, 2 * k + 1, 2 * k, k_all_points, FOIL_POINTS);
    if (els > 0) {
        cap(v, en, 0, true, nullptr, true, false);
        cap(v, en, 2 * els - 1, false, nullptr, true, false);
    }
}

//=== bodies =================================================================================
void body_mesh(const veh_struct& v, int en, int sdim, int rdim, bool inside)
{
    const auto& a = v.a_xyz[en];
    const auto& n = v.n_xyz[en];
    const auto& st = v.st[en];
    for (int s = 0; s + 1 < sdim; s++) {
        b_strip();
        for (int i = 0; i < rdim; i++) {
            const int r = inside ? rdim - 1 - i : i;
            vtx(n[s + 1][r], st[s + 1][r], a[s + 1][r]);
            vtx(n[s][r], st[s][r], a[s][r]);
        }
    }
}

void body_attitude(const veh_struct& v, int en)
{
    rot(v.part_psi[en], 0, -1, 0);
    rot(v.part_the[en], 1, 0, 0);
    rot(v.part_phi[en], 0, 0, -1);
}

void body(int p, int en)
{
    const veh_struct& v = veh[p];
    const int sdim = f_body_s_DIM(p, en, 0), rdim = f_body_r_DIM(en, 0);
    if (sdim < 2 || rdim < 2) return;
    x_push();
    move(v.Xarm[en], v.Yarm[en], v.Zarm[en]);
    if (en >= 53 && en <= 60) {
        rot(flt[p].vert_nace_cant_vector[en - 53], 1, 0, 0);
        rot(v.side_cant_init[en - 53], 0, -1, 0);
    }
    body_attitude(v, en);
    // From inside a cockpit the far wall of the fuselage shows through its open side.
    if (!plg.disable_twosided_fuselage && en == 44 && ren.view_is_external) body_mesh(v, en, sdim, rdim, true);
    body_mesh(v, en, sdim, rdim, false);
    x_pop();
}

//=== landing gear ===========================================================================
// Strut texture rows: the far end and the node end.
constexpr float STRUT_T_FAR = 0.1279296875f, STRUT_T_NODE = 0.2529296875f;

void strut(const veh_struct& v, int en)
{
    const float dx = v.Xarm[en] - v.gear_xnodef[en], dy = v.Yarm[en] - v.gear_ynodef[en];
    const float dz = v.Zarm[en] - v.gear_znodef[en];
    const float len = fin(std::sqrt(dx * dx + dy * dy + dz * dz));
    if (!(len > 0)) return;
    const float r2d = con.radtodeg;
    float radius = fin(v.tire_radius[en]) * (v.gear_type[en] == 1 ? 1.0f : 0.2f);
    if (v.gear_type[en] != 1 && v.tire_swidth[en] < radius) radius = fin(v.tire_swidth[en]);
    x_push();
    rot(std::atan2(-dx, -dz) * r2d, 0, 1, 0);
    rot(std::atan2(-dy, std::sqrt(dx * dx + dz * dz)) * r2d, -1, 0, 0);
    b_strip();
    for (int k = 0; k <= 8; k++) {
        const float ang = 45.0f * k * con.degtorad, c = std::cos(ang), s = std::sin(ang);
        const float tex_s = 45.0f * k / 360.0f * 16.0f / 1024.0f;
        const float n[3] = {-c, s, 0}, far_st[2] = {tex_s, STRUT_T_FAR}, node_st[2] = {tex_s, STRUT_T_NODE};
        const float far_xyz[3] = {-radius * c, radius * s, -len}, node_xyz[3] = {-radius * c, radius * s, 0};
        vtx(n, far_st, far_xyz);
        vtx(n, node_st, node_xyz);
    }
    x_pop();
}

void tyres(const veh_struct& v, int en, float spin)
{
    const float w = fin(v.tire_swidth[en]), rt = fin(v.tire_radius[en]), rh = 0.8f * rt;
    OGL_wheel_strip strips[OGL_WHEEL_STRIPS];
    OGL_wheel_strips(0.7f * w, w, rh, rt, strips);
    auto tyre = [&](float x, float z) {
        x_push();
        move(x, 0, z);
        rot(spin, -1, 0, 0);
        for (const OGL_wheel_strip& s : strips) {
            b_strip();
            for (int i = 0; i < s.count; i++) vtx(s.v[i].n, s.v[i].st, s.v[i].xyz);
        }
        x_pop();
    };
    const float xw = 1.5f * w, zh = 1.5f * rh;
    switch (v.gear_type[en]) {
    case 2: tyre(0, 0); break;
    case 3: tyre(-xw, 0); tyre(xw, 0); break;
    case 4: tyre(0, -zh); tyre(0, zh); break;
    case 5: for (float x : {-xw, xw}) for (float z : {-zh, zh}) tyre(x, z); break;
    case 6: for (float x : {-xw, xw}) for (float z : {-2.5f * rh, 0.0f, 2.5f * rh}) tyre(x, z); break;
    case 7: for (float x : {-4.5f * w, -xw, xw, 4.5f * w}) tyre(x, 0); break;
    case 8:
        tyre(-2 * w, -2 * rh);
        tyre(2 * w, -2 * rh);
        for (float x : {-4.5f * w, -2 * w, 2 * w, 4.5f * w}) tyre(x, 2 * rh);
        break;
    default: break;
    }
}

void gear(int p, int en)
{
    const veh_struct& v = veh[p];
    const flt_struct& f = flt[p];
    x_push();
    move(v.gear_xnodef[en], v.gear_ynodef[en] + f.tire_vrt_def_veh[en], v.gear_znodef[en]);
    strut(v, en);
    // A skid lies along the line from its front leg to its back leg.
    if (v.is_skid_gear && (en == 67 || en == 68)) {
        const int back = en + 2;
        const float dy = v.gear_ynodef[back] - v.gear_ynodef[en], dz = v.gear_znodef[back] - v.gear_znodef[en];
        rot(std::atan2(dy, dz) * con.radtodeg, -1, 0, 0);
    }
    rot(v.gear_lonE[en] - v.gear_lonN[en], -1, 0, 0);
    rot(v.gear_latN[en] - v.gear_latE[en], 0, 0, 1);
    rot(v.gear_axiN[en], 0, 1, 0);
    rot(f.tire_steer[en], 0, -1, 0);
    const int fairing = en - 6;
    if (have_this_part(p, fairing, 0)) {
        const int sdim = f_body_s_DIM(p, fairing, 0), rdim = f_body_r_DIM(fairing, 0);
        x_push();
        body_attitude(v, fairing);
        if (sdim >= 2 && rdim >= 2) body_mesh(v, fairing, sdim, rdim, false);
        x_pop();
    }
    tyres(v, en, fin(f.tire_rotation[en]));
    x_pop();
}

//=== propellers =============================================================================
void propeller(int p, int en)
{
    const veh_struct& v = veh[p];
    const flt_struct& f = flt[p];
    x_push();
    move(v.Xarm[en], v.Yarm[en], v.Zarm[en]);
    rot(-f.vert_nace_cant_vector[en], -1, 0, 0);
    rot(-v.side_cant_init[en], 0, 1, 0);
    move(0, v.vectarmY, v.vectarmZ);
    rot(v.side_cant_init[en], 0, 1, 0);
    rot(f.vert_nace_cant_vector[en], -1, 0, 0);
    rot(-f.vert_disc_cant_cyclic[en], -1, 0, 0);
    rot(-f.side_disc_cant_cyclic[en], 0, 1, 0);
    rot(f.tire_rotation[en], 0, 0, 1);
    const int blades = (int)fltlim(v.num_blades[en], 0, 16);
    const int els = elements(v, en);
    if (f.POINT_tac_rad[en] <= 15 && els > 0) {
        const front_face face(true);
        for (int b = 0; b < blades; b++) {
            x_push();
            rot(b * 360.0f / blades, 0, 0, 1);
            rot(f.POINT_cone_rad[en] * con.radtodeg, 0, 1, 0);
            rot((f.POINT_pitch_deg_use[en] - 90) * fin(v.prop_dir[en]), 1, 0, 0);
            for (int k = 0; k < els; k++) strip(v, en, 2 * k, 2 * k + 1, 2 * k, k_all_points, FOIL_POINTS);
            cap(v, en, 2 * els - 1, false, nullptr, true, false);
            x_pop();
        }
    } else if (els > 0) {
        // Turning too fast to see a blade: the disc it sweeps, in the propeller-disc picture.
        const float r = fin(get_el_base_loc(p, en, (float)els, 'X'));
        const gl_frame frame;
        OGL_bind(218, 0);
        glDisable(GL_CULL_FACE);
        glBegin(GL_QUADS);
        glNormal3f(0, 0, -1);
        OGL_multi_st(0, 0), glVertex3f(-r, -r, 0);
        OGL_multi_st(0, 1), glVertex3f(-r, r, 0);
        OGL_multi_st(1, 1), glVertex3f(r, r, 0);
        OGL_multi_st(1, 0), glVertex3f(r, -r, 0);
        glEnd();
        glEnable(GL_CULL_FACE);
        OGL_bind(424 + 4 * p, 0);
    }
    x_pop();
}

void gear_doors(int p)
{
    const veh_struct& v = veh[p];
    for (int d = 0; d < ACF_GEAR_DOORS; d++) {
        if (v.gear_door_typ[d] == 0) continue;
        const float(*g)[3] = v.gear_door_geo[d];
        x_identity();
        move(v.gear_door_loc[d][0], v.gear_door_loc[d][1], v.gear_door_loc[d][2]);
        rot(-v.gear_door_axi_rot[d], 0, 1, 0);
        rot(v.gear_door_ang_now[d], 0, 0, 1);
        const gl_frame frame;
        float q[4][3];
        for (int c = 0; c < 4; c++)
            for (int i = 0; i < 3; i++) q[c][i] = fin(g[c][i]);
        glBegin(GL_QUADS);
        OGL_3dquad_st(q[0], q[1], q[2], q[3], 0, 0.3828125f, 0.015625f, 0.5078125f);
        OGL_3dquad_st(q[3], q[2], q[1], q[0], 0, 0.3828125f, 0.015625f, 0.5078125f);
        glEnd();
    }
}

//=== lights =================================================================================
void lights(int p)
{
    b_close();
    const veh_struct& v = veh[p];
    const flt_struct& f = flt[p];
    util_point_lite_init(1);
    util_point_lite_setref((float)f.dob_x, (float)f.dob_y, (float)f.dob_z, f.the, f.psi, f.phi);
    auto lite = [&](const float* xyz, float r, float g, float b, float a, float size, int type) {
        util_point_lite_draw(xyz[0], xyz[1], xyz[2], r, g, b, a, size, 0, 0, type);
    };
    if (f.lan_lite && v.has_lanlite1) lite(v.lanlite1_xyz, 1, 1, 1, 1, 4, 108);
    if (f.lan_lite && v.has_lanlite2) lite(v.lanlite2_xyz, 1, 1, 1, 1, 4, 108);
    if (f.tax_lite && v.has_taxilite) lite(v.lanlite3_xyz, 1, 1, 1, 1, 4, 108);
    if (f.bea_lite && v.has_fuserb1) lite(v.fuserb1_xyz, 1, 0, 0, 1, 2, 107);
    if (f.bea_lite && v.has_fuserb2) lite(v.fuserb2_xyz, 1, 0, 0, 1, 2, 107);
    if (f.nav_lite && v.has_taillite) lite(v.taillite_xyz, 1, 1, 1, 1, 1.5f, 107);
    auto tip = [&](int en, float out[3]) {
        const float els = 1.01f * (float)elements(v, en);
        out[0] = get_el_base_loc(p, en, els, 'X');
        out[1] = get_el_base_loc(p, en, els, 'Y');
        out[2] = get_el_base_loc(p, en, els, 'Z');
    };
    if (v.has_navlites && f.nav_lite) {
        int red, green;
        DRPLANE_nav_wings(p, &red, &green);
        float r[3], g[3];
        tip(red, r);
        tip(green, g);
        if (!f.str_inflash) {
            lite(r, 1, 0, 0, 1, 1.5f, 107);
            lite(g, 0, 1, 0, 1, 1.5f, 107);
        } else {
            lite(r, 1, 1, 1, 1, 4, 108);
            lite(g, 1, 1, 1, 1, 4, 108);
        }
    }
    if (v.has_navlites && f.bea_lite) {
        int fins[2];
        DRPLANE_beacon_fins(p, fins);
        for (int fin_en : fins) {
            if (fin_en < 0) continue;
            float b[3];
            tip(fin_en, b);
            lite(b, 1, 0, 0, f.bea_alpha, 2.5f, 107);
        }
    }
    util_point_lite_close();
}

//=== construction markers ===================================================================
void markers(int p)
{
    b_close();
    const veh_struct& v = veh[p];
    const flt_struct& f = flt[p];
    OGL_setstate(1, 0, 2, 4, 8, 10);
    const float dx = (float)f.dob_x - ren.view_xyz[0], dy = (float)f.dob_y - ren.view_xyz[1];
    const float dz = (float)f.dob_z - ren.view_xyz[2];
    const float m = fin(0.005f * std::sqrt(dx * dx + dy * dy + dz * dz));
    auto mark = [&](float x, float y, float z) { OGL_disc(fin(x), fin(y), fin(z), m, 0.38f * m, 0.38f * m, m, 0, 0); };
    for (int w = 0; w < ACF_WPN_POINTS; w++)
        if (v.wpn_name[w][0]) mark(v.x_wpn_att[w], v.y_wpn_att[w], v.z_wpn_att[w]);
    mark(v.pe_xyz[0], v.pe_xyz[1], v.pe_xyz[2]);
    mark(0, v.cgY, v.cgZ);
    for (int en = 0; en < intlim(v.num_engines, 0, ACF_THRUST_POINTS); en++) mark(v.Xarm[en], v.Yarm[en], v.Zarm[en]);
    if (v.has_refuel) mark(v.refuel_xyz[0], v.refuel_xyz[1], v.refuel_xyz[2]);
    if (v.jett_is_slung) mark(v.jett_xyz[0], v.jett_xyz[1], v.jett_xyz[2]);
    if (v.jett_is_acf) mark(v.jett_xyz[0], v.jett_xyz[1], v.jett_xyz[2]);
    for (int t = 0; t < intlim(v.num_tanks, 0, ACF_TANKS); t++) mark(v.tank_X[t], v.tank_Y[t], v.tank_Z[t]);
    mark(0, v.tow_hook_Y, v.tow_hook_Z);
    mark(0, v.win_hook_Y, v.win_hook_Z);
}

void set_paint(int p, int paint, bool lit)
{
    b_close();
    const int slot = (paint == 1 ? 424 : 426) + 4 * p;
    OGL_bind(slot, 0);
    if (lit) OGL_bind(slot + 1, 1);
}

// The light sprite texture: four cells, corners in drawing order per kind.
const float k_sprite_ordinary[4][2] = {{0, 0}, {0, 0.5f}, {0.25f, 0.5f}, {0.25f, 0}};
const float k_sprite_strobe[4][2] = {{0.25f, 0.5f}, {0.25f, 1}, {0.5f, 1}, {0.5f, 0.5f}};
const float k_sprite_shadow[4][2] = {{0.25f, 0}, {0.25f, 0.5f}, {0.5f, 0.5f}, {0.5f, 0}};
const float k_shadow_quad[4][3] = {{-2, -1, 2}, {-2, -1, -2}, {2, -1, -2}, {2, -1, 2}};
}  // namespace

//=== parts ==================================================================================
void plot_plane_part(int p, int en)
{
    if (p < 0 || p >= ACF_RECORDS || en < 0 || en >= ACF_PARTS) return;
    x_identity();
    if (en < ACF_THRUST_POINTS) propeller(p, en);
    else if (en <= 27) deflecting_wing(p, en);
    else if (en <= 43) rigid_wing(p, en);
    else if (en <= 60) body(p, en);
    else if (en >= 67) gear(p, en);
}

void draw_sbrk(int p, int en, int s, float fr_1, int dir, float ang)
{
    if (p < 0 || p >= ACF_RECORDS || en < 0 || en >= ACF_FOIL_PARTS || s < 0 || s + 1 >= ACF_BODY_STATIONS) return;
    const veh_struct& v = veh[p];
    int r1 = (int)fin(fr_1);
    const float f = fin(fr_1) - (float)r1;
    if (r1 == 11) r1 = 0;                            // the slat swings from the leading edge
    r1 = intlim(r1, 0, FOIL_POINTS - 2);
    const int r_end = intlim(r1 + dir, 0, FOIL_POINTS - 1);
    const auto& a = v.a_xyz[en];
    const auto& st = v.st[en];
    const auto& n = v.n_xyz[en];
    auto lerp3 = [f](const float* x, const float* y, float* out) {
        for (int i = 0; i < 3; i++) out[i] = (1 - f) * x[i] + f * y[i];
    };
    float hinge[2][3], hinge_st[2][2], axis[3];
    for (int k = 0; k < 2; k++) {
        lerp3(a[s + k][r1], a[s + k][r1 + 1], hinge[k]);
        for (int i = 0; i < 2; i++) hinge_st[k][i] = (1 - f) * st[s + k][r1][i] + f * st[s + k][r1 + 1][i];
    }
    const float seg = veh[p].els[en] > 0 ? fin(v.semilen_SEG[en]) / (float)elements(v, en) : 0.0f;
    for (int i = 0; i < 3; i++) axis[i] = (hinge[1][i] - hinge[0][i]) / (seg != 0 ? seg : 1.0f);
    x_push();
    move(hinge[0][0], hinge[0][1], hinge[0][2]);
    rot(ang * fin(v.lat_sign[en]), axis[0], axis[1], axis[2]);
    move(-hinge[0][0], -hinge[0][1], -hinge[0][2]);
    // Hinge, panel edge, hinge: the panel's two faces.
    b_strip();
    for (int c = 0; c < 3; c++)
        for (int k = 1; k >= 0; k--) {
            if (c == 1) vtx(n[s][r_end], st[s + k][r_end], a[s + k][r_end]);
            else vtx(n[s][r_end], hinge_st[k], hinge[k]);
        }
    x_pop();
}

//=== weapons ================================================================================
static void draw_weapon(int p, int en);

void plot_weapon(int p, int en)
{
    if (p < 0 || p >= ACF_RECORDS || en < 0 || en >= ACF_WPN_POINTS || !wpn_can_exist(p, en)) return;
    draw_weapon(p, en);
}

static void draw_weapon(int p, int en)
{
    const veh_struct& v = veh[p];
    const wpn_struct& w = v.wpn[en];
    b_close();
    if (num_texes > 0) OGL_bind(7701 + 24 * p + en, 0);
    x_identity();
    move(w.x, w.y, w.z);
    rot(-w.psi_wrl, 0, 1, 0);
    rot(-w.the_wrl, -1, 0, 0);
    rot(-w.phi_wrl, 0, 0, 1);
    const auto& n = v.wpn_n_xyz[en];
    const auto& st = v.wpn_st[en];
    for (int s = 0; s + 1 < ACF_WPN_STATIONS; s++) {
        b_strip();
        for (int r = 0; r < ACF_BODY_POINTS; r++)
            for (int k = 0; k < 2; k++) {
                const float xyz[3] = {fin(v.body_X[en][s + k][r]), fin(v.body_Y[en][s + k][r]), fin(v.body_Z[en][s + k][r])};
                vtx(n[s + k][r], st[s + k][r], xyz);
            }
    }
    for (int fs = 0; fs < WPN_FIN_SETS; fs++) {
        const float semilen = fin(w.mis_fin_semilen[fs]), cr = fin(w.mis_fin_cr[fs]), ct = fin(w.mis_fin_ct[fs]);
        if (!(semilen > 0.01f && (cr > 0.01f || ct > 0.01f))) continue;
        const float sw = fin(w.mis_fin_sweep[fs]) * con.degtorad, z0 = fin(w.mis_fin_z[fs]);
        const float tip_x = std::cos(sw) * semilen, tip_z = z0 + std::sin(sw) * semilen;
        const float s1 = fs * 42.0f / 512.0f + 0.5137f, s2 = fs * 42.0f / 512.0f + 0.5898f;
        for (int side = 0; side < 2; side++) {
            const float mirror = side ? -1.0f : 1.0f;
            x_push();
            rot(w.mis_fin_dihed[fs][side], 0, 0, 1);
            // Root on the body axis, tip out along the sweep; its paint runs from the middle of
            // the cell out to one edge for one fin and to the other for its mirror.
            const float t_tip = side ? 0.0f : 1.0f;
            const float c[4][3] = {{0, 0, z0 - 0.25f * cr},
                                   {mirror * tip_x, 0, tip_z - 0.25f * ct},
                                   {mirror * tip_x, 0, tip_z + 0.75f * ct},
                                   {0, 0, z0 + 0.75f * cr}};
            const float tc[4][2] = {{s1, 0.5f}, {s1, t_tip}, {s2, t_tip}, {s2, 0.5f}};
            // Each face a strip of the corners in the order 0 1 3 2, the back one turned round.
            static const int order[2][4] = {{0, 1, 3, 2}, {3, 2, 0, 1}};
            for (int face = 0; face < 2; face++) {
                const float nrm[3] = {0, face ? -1.0f : 1.0f, 0};
                b_strip();
                for (int k : order[face]) vtx(nrm, tc[k], c[k]);
            }
            x_pop();
        }
    }
}

//=== the weapon alone =======================================================================
void plot_weapon_2D(float x1, float y1, float x2, float y2, int p, int en)
{
    if (p < 0 || p >= ACF_RECORDS || en < 0 || en >= ACF_WPN_SLOTS || !(x2 > x1) || !(y2 > y1)) return;
    veh_struct& v = veh[p];
    wpn_struct& w = v.wpn[en];
    // The body's extent, fins included, sizes the camera and puts the body's middle in the middle.
    float lo[3] = {1e6f, 1e6f, 1e6f}, hi[3] = {-1e6f, -1e6f, -1e6f};
    auto take = [&lo, &hi](float x, float y, float z) {
        const float c[3] = {fin(x), fin(y), fin(z)};
        for (int i = 0; i < 3; i++) lo[i] = std::fmin(lo[i], c[i]), hi[i] = std::fmax(hi[i], c[i]);
    };
    for (int s = 0; s < ACF_WPN_STATIONS; s++)
        for (int r = 0; r < ACF_BODY_POINTS; r++) take(v.body_X[en][s][r], v.body_Y[en][s][r], v.body_Z[en][s][r]);
    for (int f = 0; f < WPN_FIN_SETS; f++) {
        const float reach = fin(w.mis_fin_semilen[f]), z = fin(w.mis_fin_z[f]), c = fin(std::fmax(w.mis_fin_cr[f], w.mis_fin_ct[f]));
        if (reach > 0.01f) take(reach, reach, z + reach + c), take(-reach, -reach, z - c);
    }
    float size = 0;
    for (int i = 0; i < 3; i++) size = std::fmax(size, hi[i] - lo[i]);
    const float h = (size > 0.01f ? size : 1.0f) * 0.6f;
    const float W = x2 - x1, H = y2 - y1;
    OGL_flush_quads();
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(-h * W / H, h * W / H, -h, h, -4 * h, 4 * h);
    glViewport(intround((x1 + mnw.win_x + mnw.x_off) * mnw.xy_scale), intround((y1 + mnw.win_y) * mnw.xy_scale),
               intround(W * mnw.xy_scale), intround(H * mnw.xy_scale));
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glDepthMask(GL_TRUE);
    glClear(GL_DEPTH_BUFFER_BIT);
    const GLfloat ambient[4] = {0.3f, 0.3f, 0.3f, 1}, diffuse[4] = {0.5f, 0.5f, 0.5f, 1}, position[4] = {0.3f, 0.5f, 1, 0};
    glLightfv(GL_LIGHT0, GL_AMBIENT, ambient);
    glLightfv(GL_LIGHT0, GL_DIFFUSE, diffuse);
    glLightfv(GL_LIGHT0, GL_POSITION, position);
    OGL_scissors(x1, y1, W, H);
    if (set.draw_wire) {
        OGL_setstate(0, 0, 3, 4, 8, 10);
        OGL_setcolorINDEX(42, 1);
        glPolygonMode(GL_FRONT_AND_BACK, GL_LINE);
    } else {
        OGL_setstate(0, 0, 2, 5, 8, 10);
    }
    // Seen from ahead, left and above, nose to the left; the weapon's own flight state, which a
    // file carries as it lay in memory, is put back untouched.
    // The view is GL's own matrix: the weapon's drawing starts its own transform from identity.
    glPushMatrix();
    gl_rot(25, 1, 0, 0);
    gl_rot(-125, 0, 1, 0);
    gl_move(-0.5f * (lo[0] + hi[0]), -0.5f * (lo[1] + hi[1]), -0.5f * (lo[2] + hi[2]));
    const wpn_struct kept = w;
    w.x = w.y = w.z = 0;
    w.psi_wrl = w.the_wrl = w.phi_wrl = 0;
    draw_weapon(p, en);
    b_close();                                   // the batch ends before GL's matrix is touched
    w = kept;
    glPopMatrix();
    if (set.draw_wire) glPolygonMode(GL_FRONT_AND_BACK, GL_FILL);
    OGL_scissors_end();
    OGL_2d_projection();
}

//=== light sprites ==========================================================================
void util_point_lite_init(int force_textured)
{
    ren.tex_lites = force_textured ? 1 : ren.tex_lites;
    OGL_setstate(0, 1, 3, 5, 8, 11);
    OGL_bind(REN_TEX_LIGHTS, 0);
    ren.size_prv = -999;
    ren.size_mult = 0.01f;
}

void util_point_lite_setref(float x, float y, float z, float the, float psi, float phi)
{
    ren.lite_ref_xyz[0] = x - ren.view_xyz[0];
    ren.lite_ref_xyz[1] = y - ren.view_xyz[1];
    ren.lite_ref_xyz[2] = z - ren.view_xyz[2];
    ren.lite_ref_att[0] = the;
    ren.lite_ref_att[1] = psi;
    ren.lite_ref_att[2] = phi;
    ren.lite_ref_tilted = the != 0 || psi != 0 || phi != 0;
}

void util_point_lite_draw(float x, float y, float z, float r, float g, float b, float a, float size, int i1, int i2,
                          int lit_type)
{
    (void)i1;
    (void)i2;
    x = fin(x), y = fin(y), z = fin(z);
    OGL_setcolorRGBA(fin(r), fin(g), fin(b), fin(a), 1);
    // Where the light is from the viewer: the aircraft's place plus the light turned with it.
    float wx, wy, wz;
    const float d = con.degtorad;
    any_to_wrl(x, y, z, &wx, &wy, &wz, std::sin(ren.lite_ref_att[1] * d), std::cos(ren.lite_ref_att[1] * d),
               std::sin(ren.lite_ref_att[0] * d), std::cos(ren.lite_ref_att[0] * d), std::sin(ren.lite_ref_att[2] * d),
               std::cos(ren.lite_ref_att[2] * d));
    wx += ren.lite_ref_xyz[0], wy += ren.lite_ref_xyz[1], wz += ren.lite_ref_xyz[2];
    const float d2 = wx * wx + wy * wy + wz * wz;
    const float h = fin(std::pow(d2, 0.35f) * ren.size_mult * size);
    if (!ren.tex_lites) {
        if (h != ren.size_prv) glPointSize(h > 1 ? h : 1);
        ren.size_prv = h;
        glBegin(GL_POINTS);
        glVertex3f(x, y, z);
        glEnd();
        return;
    }
    glPushMatrix();
    glTranslatef(x, y, z);
    if (ren.lite_ref_tilted) {
        gl_rot(ren.lite_ref_att[2], 0, 0, 1);
        gl_rot(ren.lite_ref_att[0], -1, 0, 0);
        gl_rot(ren.lite_ref_att[1], 0, 1, 0);
    }
    gl_rot(-ren.final_psi, 0, 1, 0);
    gl_rot(-ren.final_the, -1, 0, 0);
    const float(*tex)[2] = lit_type == 108 ? k_sprite_strobe : k_sprite_ordinary;
    const float corner[4][2] = {{-h, -h}, {-h, h}, {h, h}, {h, -h}};
    glBegin(GL_QUADS);
    for (int i = 0; i < 4; i++) {
        glTexCoord2fv(tex[i]);
        glVertex3f(corner[i][0], corner[i][1], 0);
    }
    glEnd();
    if (lit_type == 109 && d2 < 150000) {
        glDisable(GL_DEPTH_TEST);
        glBegin(GL_QUADS);
        for (int i = 0; i < 4; i++) {
            glTexCoord2fv(k_sprite_shadow[i]);
            glVertex3fv(k_shadow_quad[i]);
        }
        glEnd();
        glEnable(GL_DEPTH_TEST);
    }
    glPopMatrix();
}

void util_point_lite_close(void)
{
    ren.size_prv = -999;
    OGL_setcolorRGBA(1, 1, 1, 1, 1);
}

//=== the whole aircraft =====================================================================
void plot_plane_3D(int p, int ren_type)
{
    if (p < 0 || p >= ACF_RECORDS) return;
    const veh_struct& v = veh[p];
    const flt_struct& f = flt[p];
    const bool lit_tex = ren.lite_rat_on > 0.25f && (v.has_litemap_tex_1 || v.has_litemap_tex_2) && ren_type != DRPLANE_WIRE;
    if (ren_type != DRPLANE_SOLID_IN_PLACE) {
        glPushMatrix();
        glTranslated(f.dob_x, f.dob_y, f.dob_z);
        gl_rot(-f.psi, 0, 1, 0);
        gl_rot(-f.the, -1, 0, 0);
        gl_rot(-f.phi, 0, 0, 1);
    }
    if (v.cockpit_M >= 0 && !plg.disable_draw_cockpit_object &&
        (ren_type == DRPLANE_SOLID || ren_type == DRPLANE_SOLID_IN_PLACE))
        OBJ_draw_at(v.cockpit_M, v.cockpit_xyz, 0);

    if (ren_type >= DRPLANE_SOLID) {
        const bool glossy = v.is_glossy && ren_type != DRPLANE_WIRE;
        if (glossy) OGL_setspec((r_manual_lighting + g_manual_lighting + b_manual_lighting) * 0.5f);
        const bool add_lit = lit_tex && ren.add_env_avail && ren.num_tex_units >= 2 && glActiveTextureARB_ptr;
        if (ren_type == DRPLANE_WIRE) {
            OGL_setstate(0, 0, 3, 4, 8, 10);
            OGL_setcolorINDEX(42, 1);
            glPolygonMode(GL_FRONT_AND_BACK, GL_LINE);
        } else if (add_lit) {
            OGL_setstate(0, 2, 2, 4, 8, 10);
            glActiveTextureARB_ptr(GL_TEXTURE0_ARB + 1);
            glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_ADD);
            glActiveTextureARB_ptr(GL_TEXTURE0_ARB);
        } else {
            OGL_setstate(0, 1, 2, 5, 8, 10);
        }
        set_paint(p, 2, add_lit);
        for (int en = 20; en <= 27; en++)
            if (have_this_part(p, en, 6)) plot_plane_part(p, en);
        for (int en = 47; en <= 52; en++)
            if (have_this_part(p, en, 6)) plot_plane_part(p, en);
        set_paint(p, 1, add_lit);
        for (int en = 8; en <= 72; en++) {
            if ((en >= 20 && en <= 27) || (en >= 47 && en <= 52) || (en >= 61 && en <= 66)) continue;
            if (have_this_part(p, en, 6)) plot_plane_part(p, en);
        }
        for (int en = 0; en < ACF_THRUST_POINTS; en++)
            if (have_this_part(p, en, 6)) plot_plane_part(p, en);
        gear_doors(p);
        b_close();
        if (ren_type == DRPLANE_WIRE) glPolygonMode(GL_FRONT_AND_BACK, GL_FILL);
        if (add_lit) {
            glActiveTextureARB_ptr(GL_TEXTURE0_ARB + 1);
            glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
            glActiveTextureARB_ptr(GL_TEXTURE0_ARB);
        }
        if (glossy) OGL_setspec(0);
    }
    if (ren_type <= DRPLANE_SOLID_IN_PLACE) lights(p);
    if (set.draw_wire) markers(p);
    if (ren_type != DRPLANE_SOLID_IN_PLACE) glPopMatrix();
}

void plot_plane_2D(float x1, float y1, float x2, float y2, int p)
{
    if (p < 0 || p >= ACF_RECORDS || !(x2 > x1) || !(y2 > y1)) return;
    veh_struct& v = veh[p];
    flt_struct& f = flt[p];
    DRPLANE_animate(p, mnw.real_time, mnw.prd_UI);
    ren.lite_rat_on = set.lite_tex && !set.draw_wire ? 1.0f : 0.0f;
    const float bright = ren.lite_rat_on > 0 ? 0.4f : 1.0f;
    update_def_angles(p);
    ren.view_xyz[0] = ren.view_xyz[1] = ren.view_xyz[2] = 0;
    ren.final_psi = ren.final_the = 0;
    ren.view_is_external = 1;

    // An orthographic camera the aircraft's size: zoom brings it closer.
    const float zoom = ren.zoom_act > 0.001f ? ren.zoom_act : 1.0f;
    const float size = fin(v.size_tot) > 0.01f ? fin(v.size_tot) : 1.0f;
    const float h = size / zoom;
    f.dob_z = -2.0 * h;
    // Panning never loses the aircraft: at most its size beyond the viewing distance.
    const double reach = -f.dob_z + size;
    auto keep = [reach](double x) { return x == x ? (x < -reach ? -reach : (x > reach ? reach : x)) : 0.0; };
    f.dob_x = keep(f.dob_x);
    f.dob_y = keep(f.dob_y);
    OGL_flush_quads();
    const float W = x2 - x1, H = y2 - y1;
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(-h, h, -h * H / W, h * H / W, -4 * h, 4 * h);
    glViewport(intround((x1 + mnw.win_x + mnw.x_off) * mnw.xy_scale), intround((y1 + mnw.win_y) * mnw.xy_scale),
               intround(W * mnw.xy_scale), intround(H * mnw.xy_scale));
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glDepthMask(GL_TRUE);                          // the clear obeys the mask the interface left off
    glClear(GL_DEPTH_BUFFER_BIT);

    const GLfloat ambient[4] = {0.3f * bright, 0.3f * bright, 0.3f * bright, 1};
    const GLfloat diffuse[4] = {0.4f * bright, 0.4f * bright, 0.4f * bright, 1};
    const GLfloat position[4] = {0, 0, 1, 0};
    const GLfloat fog[4] = {0, 0, 0, 1};
    glLightfv(GL_LIGHT0, GL_AMBIENT, ambient);
    glLightfv(GL_LIGHT0, GL_DIFFUSE, diffuse);
    glLightfv(GL_LIGHT0, GL_POSITION, position);
    glFogfv(GL_FOG_COLOR, fog);
    glFogf(GL_FOG_START, 10);
    glFogf(GL_FOG_END, 100000);
    OGL_scissors(x1, y1, W, H);

    // The centre of gravity in the middle of the pane.
    float cx, cy, cz;
    veh_to_wrl(0, -fin(v.cgY), -fin(v.cgZ), &cx, &cy, &cz, p);
    glPushMatrix();
    gl_move(cx, cy, cz);
    plot_plane_3D(p, set.draw_wire ? DRPLANE_WIRE : DRPLANE_SOLID);
    if (set.draw_wire) {
        OGL_setstate(0, 0, 3, 4, 8, 10);
        OGL_setcolorINDEX(42, 1);
        glPolygonMode(GL_FRONT_AND_BACK, GL_LINE);
    } else {
        OGL_setstate(0, 1, 2, 5, 8, 10);
    }
    for (int w = 0; w < ACF_WPN_POINTS; w++) {
        if (!wpn_can_exist(p, w)) continue;
        attach_weapon(p, w);
        plot_weapon(p, w);
    }
    b_close();
    if (set.draw_wire) glPolygonMode(GL_FRONT_AND_BACK, GL_FILL);
    glPopMatrix();
    OGL_scissors_end();
    OGL_2d_projection();
}
