// PLN_GEO.cpp -- the drawable geometry of an aircraft record: meshes, hinge lines, normals,
// texture coordinates and plan-view extents.
//
// It runs every editor frame over the whole aircraft, so everything that is the same for every
// point of a part or a station (sines and cosines, chords, base points, neighbour indices) is
// worked out once per part or station, and the inner loops only multiply and add.
#include "geometry/PLN_GEO.h"
#include "geometry/PLN_PROCS.h"
#include "geometry/PLN_DEFL.h"
#include "model/acf_struct.h"
#include "model/acf_defaults.h"
#include "base/con_struct.h"
#include <cmath>

const float GEO_crat[GEO_FOIL_POINTS] = {-0.25f, -0.22f, -0.15f, 0.0f, 0.2f, 0.5f, 0.75f,
                                         0.75f,  0.5f,   0.2f,   0.0f, -0.15f, -0.22f, -0.25f};
const float GEO_vrat[GEO_FOIL_POINTS] = {0.0f, 0.2f, 0.4f, 0.5f, 0.5f, 0.0f, 0.0f,
                                         0.0f, 0.0f, -0.5f, -0.5f, -0.4f, -0.2f, -0.0f};

namespace {
constexpr int FIRST_BODY = 44, LAST_BODY = 66;   // fuselage .. last gear fairing
constexpr int FUSELAGE = 44, FIRST_NACELLE = 53, LAST_NACELLE = 60, FIRST_FAIRING = 61;
constexpr int HALF_RING = ACF_BODY_POINTS / 2;

// Vertices of one part: station, point, axis.
using grid3 = float[ACF_BODY_STATIONS][ACF_BODY_POINTS][3];
using grid2 = float[ACF_BODY_STATIONS][ACF_BODY_POINTS][2];

// A number from the record, or d when it is not a usable one (not a number, infinite, or so
// large that its products would overflow): check_nan's test, inline because it runs per point.
inline float usable(float x, float d = 0.0f) { return (x == x && std::fabs(x) <= 1e10f) ? x : d; }

// Rows of the texture-rectangle table.
struct rect_row { int first, last; float s_from, s_to, t_from, t_to; };
constexpr rect_row k_rects[] = {
    {0, 7, 16, 0, 261, 389},        {8, 9, 774, 1024, 0, 393},      {10, 11, 522, 772, 0, 259},
    {12, 13, 522, 646, 261, 393},   {14, 15, 648, 772, 261, 393},   {16, 17, 774, 1024, 522, 772},
    {18, 18, 18, 268, 0, 259},      {19, 19, 18, 268, 261, 520},    {28, 35, 774, 1024, 458, 520},
    {36, 43, 774, 1024, 395, 456},  {44, 44, 0, 772, 774, 1024},    {45, 46, 522, 772, 395, 520},
    {53, 60, 774, 1024, 900, 1024}, {61, 65, 392, 520, 16, 0},
};
// The miscellaneous wings 20..27 and bodies 47..52 share the second paint, side by side.
constexpr float k_paint2_s_from[14] = {0, 127, 255, 383, 511, 639, 767, 895, 255, 383, 511, 639, 767, 895};
constexpr float k_paint2_s_to[14] = {128, 256, 384, 512, 640, 768, 896, 1024, 384, 512, 640, 768, 896, 1024};
}  // namespace

GEO_tex_rect GEO_part_rect(int en)
{
    GEO_tex_rect r{0, 0, 0, 0, 1, 1024};
    if (en >= 20 && en <= 27) return {k_paint2_s_from[en - 20], k_paint2_s_to[en - 20], 129, 256, 2, 256};
    if (en >= 47 && en <= 52) return {k_paint2_s_from[en - 47 + 8], k_paint2_s_to[en - 47 + 8], 0, 127, 2, 256};
    for (const rect_row& row : k_rects)
        if (en >= row.first && en <= row.last) return {row.s_from, row.s_to, row.t_from, row.t_to, 1, 1024};
    return r;
}

int GEO_element_has_control(int p, int en, int s)
{
    if (p < 0 || p >= ACF_RECORDS || en < 0 || en >= ACF_PARTS || s < 0 || s >= ACF_ELEMENTS) return 0;
    const veh_struct& v = veh[p];
    return v.ail1[en][s] || v.ail2[en][s] || v.elev[en][s] || v.rudd[en][s] || v.flap[en][s];
}

//=== normals ================================================================================
// Each vertex's normal is the cross product of the run along the part (the stations either
// side) and the run round it (the points either side), so it follows the surface whatever its
// spacing. pt(s, r) gives the vertex as a float[3]; out receives the normals.
template <class Pt>
static void part_normals(const Pt& pt, int sdim, int rdim, int is_body, float rfac, float (*out)[ACF_BODY_POINTS][3])
{
    if (sdim < 2 || rdim < 2) return;
    int r_lo[ACF_BODY_POINTS], r_hi[ACF_BODY_POINTS];
    const int rsem = rdim / 2;
    for (int r = 0; r < rdim; r++) {
        if (is_body) {
            // A ring is two half-rings whose ends coincide: step over the duplicate points so the
            // run round the ring never has zero length.
            r_lo[r] = intlim(r - 1, 0, rdim - 1);
            r_hi[r] = intlim(r + 1, 0, rdim - 1);
            if (r == rsem - 1) r_hi[r]++;
            if (r == rsem) r_lo[r]--;
            if (r == 0) r_lo[r] = rdim - 2;
            if (r == rdim - 1) r_hi[r] = 1;
        } else {
            r_lo[r] = r;
            r_hi[r] = intlim(r + 1, 0, rdim - 1);
            // The trailing edge is two coincident points, the leading edge too.
            if (r == 6) { r_lo[r] = 5; r_hi[r] = 6; }
            if (r == rdim - 1) { r_lo[r] = rdim - 2; r_hi[r] = rdim - 1; }
        }
    }
    for (int s = 0; s < sdim; s++) {
        const int lo_z = intlim(s - 1, 0, sdim - 1), hi_z = intlim(s + 1, 0, sdim - 1);
        // A body's end stations close to a point: across and up, the run along it is taken
        // from the stations inside.
        const int lo_xy = is_body ? intlim(lo_z, 1, sdim - 2) : lo_z;
        const int hi_xy = is_body ? intlim(hi_z, 1, sdim - 2) : hi_z;
        auto runs = [&](int r, float* a, float* b) {
            const float* a_lo = pt(lo_xy, r_lo[r]);
            const float* a_hi = pt(hi_xy, r_lo[r]);
            const float* b_lo = pt(lo_xy, r_hi[r]);
            a[0] = a_hi[0] - a_lo[0];
            a[1] = a_hi[1] - a_lo[1];
            a[2] = pt(hi_z, r_lo[r])[2] - pt(lo_z, r_lo[r])[2];
            b[0] = rfac * (b_lo[0] - a_lo[0]);
            b[1] = rfac * (b_lo[1] - a_lo[1]);
            b[2] = rfac * (pt(lo_z, r_hi[r])[2] - pt(lo_z, r_lo[r])[2]);
        };
        // The cross products of a whole station first, then their lengths in one run the
        // compiler can do four at a time; the rare product that is zero or too large for a
        // float is done again the careful way.
        float nx[ACF_BODY_POINTS], ny[ACF_BODY_POINTS], nz[ACF_BODY_POINTS], k[ACF_BODY_POINTS];
        for (int r = 0; r < rdim; r++) {
            float a[3], b[3];
            runs(r, a, b);
            nx[r] = a[1] * b[2] - a[2] * b[1];
            ny[r] = a[2] * b[0] - a[0] * b[2];
            nz[r] = a[0] * b[1] - a[1] * b[0];
        }
        for (int r = 0; r < rdim; r++) k[r] = 1.0f / std::sqrt(nx[r] * nx[r] + ny[r] * ny[r] + nz[r] * nz[r]);
        for (int r = 0; r < rdim; r++) {
            float* o = out[s][r];
            if (k[r] > 0.0f && k[r] < 1e30f) {
                o[0] = nx[r] * k[r];
                o[1] = ny[r] * k[r];
                o[2] = nz[r] * k[r];
            } else {
                float a[3], b[3];
                runs(r, a, b);
                find_normal_vects(a, b, o);
            }
        }
    }
}

//=== wing-type parts ========================================================================
// The five controls whose hinge a wing element's hinge points follow, in the order in which a
// later one overrides an earlier one.
struct hinge_control { int (veh_struct::*on)[ACF_PARTS][ACF_ELEMENTS]; int code; };
static const hinge_control k_hinge_controls[] = {
    {&veh_struct::ail1, DEFL_AIL1}, {&veh_struct::ail2, DEFL_AIL2}, {&veh_struct::elev, DEFL_ELEV},
    {&veh_struct::rudd, DEFL_RUDD}, {&veh_struct::flap, DEFL_FLAP},
};

static void build_wing(int p, int en)
{
    veh_struct& v = veh[p];
    const int els = intlim(v.els[en], 0, ACF_ELEMENTS);
    if (els == 0) return;
    const int sdim = 2 * els;
    const float d2r = con.degtorad;
    const int is_prop = en < ACF_THRUST_POINTS;

    // Base points of every element edge, root to tip.
    float bx[ACF_ELEMENTS + 1], by[ACF_ELEMENTS + 1], bz[ACF_ELEMENTS + 1];
    for (int e = 0; e <= els; e++) {
        bx[e] = usable(get_el_base_loc(p, en, (float)e, 'X'));
        by[e] = usable(get_el_base_loc(p, en, (float)e, 'Y'));
        bz[e] = usable(get_el_base_loc(p, en, (float)e, 'Z'));
    }
    const float croot = usable(v.Croot[en]), ctip = usable(v.Ctip[en]);
    const float troot = croot * usable(v.afl[en].t_rat[0]), ttip = ctip * usable(v.afl[en].t_rat[1]);
    const float dihed = usable(v.dihed1[en]) * usable(v.lat_sign[en]) * d2r;
    const float sd = std::sin(dihed), cd = std::cos(dihed);
    const float pdir = is_prop ? usable(v.prop_dir[en]) : 1.0f;
    const float semilen = usable(v.semilen_SEG[en]);
    const int moves_flap_hinge = v.flap_type != 0 && v.flap_type != 5;

    float inc[ACF_ELEMENTS], swp[ACF_ELEMENTS];
    for (int s = 0; s < els; s++) {
        inc[s] = usable(v.incidence[en][s]);
        swp[s] = is_prop ? usable(v.bladesweep[en][s]) : 0.0f;
    }
    // Incidence and sweep at each element edge: the mean of the two elements that meet there,
    // at the root and tip continued from the one neighbour there is (a lone element keeps its
    // own). Both elements at an edge see the same angles, so each edge's sines and cosines are
    // worked out once.
    float si[ACF_ELEMENTS + 1], ci[ACF_ELEMENTS + 1], ssw[ACF_ELEMENTS + 1], csw[ACF_ELEMENTS + 1];
    for (int e = 0; e <= els; e++) {
        auto at_edge = [&](const float* x) {
            if (els == 1) return x[0];
            if (e == 0) return x[0] - (x[1] - x[0]) * 0.5f;
            if (e == els) return x[els - 1] + (x[els - 1] - x[els - 2]) * 0.5f;
            return x[e - 1] + (x[e] - x[e - 1]) * 0.5f;
        };
        const float angin = at_edge(inc) * pdir * d2r;
        si[e] = std::sin(angin);
        ci[e] = std::cos(angin);
        const float sweep = is_prop ? at_edge(swp) * d2r : 0.0f;
        ssw[e] = is_prop ? std::sin(sweep) : 0.0f;
        csw[e] = is_prop ? std::cos(sweep) : 1.0f;
    }

    grid3& a = v.a_xyz[en];
    for (int s = 0; s < els; s++) {
        // The hinge points sit on the chord of the last control this element carries.
        float hinge_crat[2] = {GEO_crat[5], GEO_crat[5]};
        int has_control = 0;
        for (const hinge_control& c : k_hinge_controls) {
            if (!(v.*c.on)[en][s]) continue;
            has_control = 1;
            for (int k = 0; k < 2; k++)
                hinge_crat[k] = usable(0.75f - control_crat(p, en, (float)(s + k), c.code), GEO_crat[5]);
        }

        for (int k = 0; k < 2; k++) {
            const int e = s + k;
            const float chord = interp(0.0f, croot, (float)els, ctip, (float)e, 1);
            const float thick = interp(0.0f, troot, (float)els, ttip, (float)e, 1);
            // Thinning from full half-thickness at 20 % chord to nothing at the trailing edge.
            const float vr_hinge = has_control ? interp(0.2f, 0.5f, 0.75f, 0.0f, hinge_crat[k], 1) : GEO_vrat[5];
            float(*row)[3] = a[2 * s + k];
            for (int r = 0; r < GEO_FOIL_POINTS; r++) {
                const int at_hinge = r == 5 || r == 8;
                const float cr = at_hinge ? hinge_crat[k] : GEO_crat[r];
                const float vr = at_hinge ? (r == 5 ? vr_hinge : -vr_hinge) : GEO_vrat[r];
                const float chrd = cr * chord, vert = vr * thick;
                const float z = vert * si[e] + chrd * ci[e];
                const float y = vert * ci[e] - chrd * si[e];
                row[r][0] = bx[e] - z * ssw[e] - y * sd;
                row[r][1] = by[e] + y * cd;
                row[r][2] = bz[e] + z * csw[e];
            }
        }

        // Hinge line: midway between the hinge points, or below the wing for a flap that
        // drops away from it.
        float(*co)[3] = v.co_xyz[en];
        for (int k = 2 * s; k <= 2 * s + 1; k++)
            for (int i = 0; i < 3; i++) {
                co[k][i] = (a[k][5][i] + a[k][8][i]) * 0.5f;
                if (v.flap[en][s] && moves_flap_hinge) co[k][i] -= 2.0f * (a[k][5][i] - a[k][8][i]);
            }
        const float span_scale = std::fabs(semilen) > 1e-6f ? (float)els / semilen : 0.0f;
        for (int i = 0; i < 3; i++) v.ca_xyz[en][2 * s][i] = span_scale * (co[2 * s + 1][i] - co[2 * s][i]);
    }

    part_normals([&a](int s, int r) { return a[s][r]; }, sdim, GEO_FOIL_POINTS, 0,
                 is_prop ? -1.0f : -usable(v.lat_sign[en]), v.n_xyz[en]);

    // Texture: chordwise across the rectangle by position along the part, spanwise by station.
    const GEO_tex_rect rc = GEO_part_rect(en);
    const float z_lo = std::fmin(bz[els] - ctip * 0.25f, bz[0] - croot * 0.25f);
    const float z_hi = std::fmax(bz[els] + ctip * 0.75f, bz[0] + croot * 0.75f);
    const float s0 = rc.s_from / 1024.0f, s1 = rc.s_to / 1024.0f;
    const float s_slope = z_hi != z_lo ? (s1 - s0) / (z_hi - z_lo) : 0.0f;
    const float s_base = z_hi != z_lo ? s0 : (s0 + s1) * 0.5f;
    const float other_face = en == 18 || en == 19 ? 252.0f / 1024.0f : 0.0f;
    grid2& st = v.st[en];
    for (int k = 0; k < sdim; k++) {
        const float span = (float)((k + 1) / 2) * 2.0f / (float)sdim * semilen;
        const float t = interp(0.0f, rc.t_from / rc.dy, semilen, rc.t_to / rc.dy, span, 1);
        for (int r = 0; r < GEO_FOIL_POINTS; r++) {
            st[k][r][0] = s_base + (a[k][r][2] - z_lo) * s_slope + (r >= 7 ? other_face : 0.0f);
            st[k][r][1] = t;
        }
    }
}

//=== bodies and weapons =====================================================================
// Texture coordinates of a body ring grid: one coordinate runs round the body (its girth,
// measured along each half-ring from the body's mean height, so a side's markings line up
// station to station), the other along it. y(s, r) and z(s, r) read the grid; girth[s][R] and
// len[s][r] receive both in 0..1 (girth only for the first half-ring, R < rdim/2).
template <class Get>
static void body_girth_and_length(const Get& get, int sdim, int rdim, int along_axis,
                                  float (*girth)[HALF_RING], float (*len)[ACF_BODY_POINTS])
{
    const int rsem = rdim / 2;
    // Reference height: the first twelve stations summed, divided by all of them.
    float y_sum = 0.0f;
    for (int s = 0; s < (sdim < 12 ? sdim : 12); s++)
        for (int r = 0; r < rdim; r++) y_sum += get(s, r, 1);
    const float y_ctr = y_sum / (float)(rdim * sdim);

    float lo = 999.0f, hi = -999.0f;
    for (int s = 0; s < sdim; s++) {
        // Each segment's share above and below the reference height.
        float above[HALF_RING], below[HALF_RING];
        for (int r = 0; r < rsem; r++) {
            const float y1 = get(s, r, 1), y2 = get(s, r + 1, 1);
            const float dx = get(s, r + 1, 0) - get(s, r, 0);
            const float seg = std::sqrt((y2 - y1) * (y2 - y1) + dx * dx);
            if (y1 >= y_ctr && y2 >= y_ctr) { above[r] = seg; below[r] = 0.0f; }
            else if (y1 < y_ctr && y2 < y_ctr) { above[r] = 0.0f; below[r] = seg; }
            else {
                const float dy = std::fabs(y1 - y2);
                above[r] = seg * ((y1 > y2 ? y1 : y2) - y_ctr) / dy;
                below[r] = seg * (y_ctr - (y1 < y2 ? y1 : y2)) / dy;
            }
        }
        // A half-ring wholly above (below) the reference height reaches it straight down (up).
        float shift = 0.0f;
        if (y_ctr <= get(s, rsem, 1)) shift += get(s, rsem, 1) - y_ctr;
        if (get(s, 0, 1) <= y_ctr) shift += get(s, 0, 1) - y_ctr;

        float run_above[HALF_RING + 1], run_below[HALF_RING + 1];
        run_above[rsem] = 0.0f;
        for (int r = rsem - 1; r >= 0; r--) run_above[r] = run_above[r + 1] + above[r];
        run_below[0] = 0.0f;
        for (int r = 0; r < rsem; r++) run_below[r + 1] = run_below[r] + below[r];
        for (int R = 0; R < rsem; R++) {
            const float g = (get(s, R, 1) >= y_ctr ? run_above[R] : -run_below[R]) + shift;
            girth[s][R] = g;
            lo = g < lo ? g : lo;
            hi = g > hi ? g : hi;
        }
    }
    const float g_scale = hi > lo ? 1.0f / (hi - lo) : 0.0f;
    for (int s = 0; s < sdim; s++)
        for (int R = 0; R < rsem; R++) girth[s][R] = (girth[s][R] - lo) * g_scale;

    if (along_axis) {
        // Along the line through the top points: a jet pipe or a weapon tapers, and its paint
        // follows its outline rather than its length.
        float run[ACF_BODY_STATIONS];
        run[0] = 0.0f;
        for (int s = 1; s < sdim; s++) {
            const float dz = get(s, 0, 2) - get(s - 1, 0, 2), dy = get(s, 0, 1) - get(s - 1, 0, 1);
            run[s] = run[s - 1] + std::sqrt(dz * dz + dy * dy);
        }
        const float k = run[sdim - 1] > 0.0f ? 1.0f / run[sdim - 1] : 0.0f;
        for (int s = 0; s < sdim; s++)
            for (int r = 0; r < rdim; r++) len[s][r] = run[s] * k;
        return;
    }
    float z_lo = 0.0f, z_hi = 0.0f;
    for (int s = 0; s < sdim; s++)
        for (int r = 0; r < rdim; r++) {
            const float z = get(s, r, 2);
            if ((s == 0 && r == 0) || z < z_lo) z_lo = z;
            if ((s == 0 && r == 0) || z > z_hi) z_hi = z;
        }
    const float k = z_hi > z_lo ? 1.0f / (z_hi - z_lo) : 0.0f;
    for (int s = 0; s < sdim; s++)
        for (int r = 0; r < rdim; r++) len[s][r] = (get(s, r, 2) - z_lo) * k;
}

static void build_body(int p, int en)
{
    veh_struct& v = veh[p];
    const int sdim = f_body_s_DIM(p, en, 0), rdim = f_body_r_DIM(en, 0);
    if (sdim < 2 || rdim < 2) return;
    const int rsem = rdim / 2;
    grid3& a = v.a_xyz[en];
    for (int s = 0; s < sdim; s++)
        for (int r = 0; r < rdim; r++) {
            a[s][r][0] = usable(v.body_X[en][s][r]);
            a[s][r][1] = usable(v.body_Y[en][s][r]);
            a[s][r][2] = usable(v.body_Z[en][s][r]);
        }
    part_normals([&a](int s, int r) { return a[s][r]; }, sdim, rdim, 1, 1.0f, v.n_xyz[en]);

    float girth[ACF_BODY_STATIONS][HALF_RING], len[ACF_BODY_STATIONS][ACF_BODY_POINTS];
    const int jet = en >= FIRST_NACELLE && en <= LAST_NACELLE && en_is_jet(p, en - FIRST_NACELLE);
    body_girth_and_length([&a](int s, int r, int i) { return a[s][r][i]; }, sdim, rdim, jet, girth, len);

    const GEO_tex_rect rc = GEO_part_rect(en);
    const int girth_across = en >= FIRST_FAIRING;   // fairings lie the other way on the paint
    const float s0 = rc.s_from / 1024.0f, s1 = rc.s_to / 1024.0f;
    const float t0 = rc.t_from / rc.dy, t1 = rc.t_to / rc.dy;
    // The fuselage's and the nacelles' two sides each have a band of their own.
    const float side_band = en == FUSELAGE ? 252.0f / rc.dy
                            : (en >= FIRST_NACELLE && en <= LAST_NACELLE) ? 126.0f / rc.dy : 0.0f;
    grid2& st = v.st[en];
    for (int s = 0; s < sdim; s++)
        for (int r = 0; r < rdim; r++) {
            const float g = girth[s][r < rsem ? r : rdim - r - 1];
            const float l = len[s][r];
            const float sv = girth_across ? g : l, tv = girth_across ? l : g;
            st[s][r][0] = s0 + sv * (s1 - s0);
            st[s][r][1] = t0 + tv * (t1 - t0) - (r >= rsem ? side_band : 0.0f);
        }
}

static void build_weapon(int p, int w)
{
    veh_struct& v = veh[p];
    const int sdim = ACF_WPN_STATIONS, rdim = ACF_BODY_POINTS, rsem = rdim / 2;
    // A weapon's body is read from its file as it is: numbers that are no use count as 0.
    float pts[ACF_WPN_STATIONS][ACF_BODY_POINTS][3];
    for (int s = 0; s < sdim; s++)
        for (int r = 0; r < rdim; r++) {
            pts[s][r][0] = usable(v.body_X[w][s][r]);
            pts[s][r][1] = usable(v.body_Y[w][s][r]);
            pts[s][r][2] = usable(v.body_Z[w][s][r]);
        }
    part_normals([&pts](int s, int r) { return pts[s][r]; }, sdim, rdim, 1, 1.0f, v.wpn_n_xyz[w]);

    float girth[ACF_BODY_STATIONS][HALF_RING], len[ACF_BODY_STATIONS][ACF_BODY_POINTS];
    body_girth_and_length([&pts](int s, int r, int i) { return pts[s][r][i]; }, sdim, rdim, 1, girth, len);
    // The weapon's paint: its length across the left half, one side above the middle, the
    // other below.
    for (int s = 0; s < sdim; s++)
        for (int r = 0; r < rdim; r++) {
            const float g = girth[s][r < rsem ? r : rdim - r - 1];
            v.wpn_st[w][s][r][0] = len[s][r] * 0.5078125f;
            v.wpn_st[w][s][r][1] = 0.515625f + g * (1.0f - 0.515625f) - (r >= rsem ? 0.515625f : 0.0f);
        }
}

void GEO_build(int p)
{
    if (p < 0 || p >= ACF_RECORDS) return;
    for (int en = 0; en < ACF_FOIL_PARTS; en++)
        if (have_this_part(p, en, 6)) build_wing(p, en);
    for (int en = FIRST_BODY; en <= LAST_BODY; en++)
        if (have_this_part(p, en, 6)) build_body(p, en);
    for (int w = 0; w < ACF_WPN_POINTS; w++)
        if (wpn_can_exist(p, w)) build_weapon(p, w);
    build_weapon(p, ACF_WPN_SLOTS - 1);   // the weapon being built, shown in the builder
}

//=== plan-view extents ======================================================================
void GEO_plan_extents(int p)
{
    if (p < 0 || p >= ACF_RECORDS) return;
    veh_struct& v = veh[p];
    float sx = 0.01f, sz = 0.01f;
    auto grow = [&sx, &sz](float x, float z) {
        if (std::fabs(x) > sx) sx = std::fabs(x);
        if (std::fabs(z) > sz) sz = std::fabs(z);
    };
    for (int en = ACF_THRUST_POINTS; en < ACF_FOIL_PARTS; en++) {
        if (!have_this_part(p, en, 6)) continue;
        const float els = (float)intlim(v.els[en], 0, ACF_ELEMENTS);
        const float chord[2] = {usable(v.Croot[en]), usable(v.Ctip[en])};
        for (int k = 0; k < 2; k++) {
            const float el = k ? els : 0.0f;
            const float x = usable(get_el_base_loc(p, en, el, 'X'));
            const float z = usable(get_el_base_loc(p, en, el, 'Z'));
            grow(x, z - 0.25f * chord[k]);
            grow(x, z + 0.75f * chord[k]);
        }
    }
    for (int en = FIRST_BODY; en <= LAST_BODY; en++) {
        if (!have_this_part(p, en, 6)) continue;
        const int sdim = f_body_s_DIM(p, en, 0), rdim = f_body_r_DIM(en, 0);
        const float c = en >= FIRST_NACELLE && en <= LAST_NACELLE
                            ? usable(v.side_cant_init[en - FIRST_NACELLE]) * con.degtorad : 0.0f;
        const float sc = std::sin(c), cc = std::cos(c);
        const float xarm = usable(v.Xarm[en]), zarm = usable(v.Zarm[en]);
        for (int s = 0; s < sdim; s++)
            for (int r = 0; r < rdim; r++) {
                const float* q = v.a_xyz[en][s][r];
                grow(cc * q[0] + xarm - sc * q[2], sc * q[0] + cc * q[2] + zarm);
            }
    }
    v.size_x = sx;
    v.size_z = sz;
    v.size_tot = pythag(sx, sz);
}
