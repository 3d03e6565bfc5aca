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
#include <iterator>

const float GEO_crat[GEO_FOIL_POINTS] = {-0.25f, -0.22f, -0.15f, 0.0f, 0.2f, 0.5f, 0.75f,
                                         0.75f,  0.5f,   0.2f,   0.0f, -0.15f, -0.22f, -0.25f};
const float GEO_vrat[GEO_FOIL_POINTS] = {0.0f, 0.2f, 0.4f, 0.5f, 0.5f, 0.0f, 0.0f,
                                         0.0f, 0.0f, -0.5f, -0.5f, -0.4f, -0.2f, -0.0f};

namespace {
constexpr int FIRST_BODY = 44, LAST_BODY = 66;   // fuselage .. last gear fairing
constexpr int FUSELAGE = 44, FIRST_NACELLE = 53, LAST_NACELLE = 60, FIRST_FAIRING = 61;
constexpr int HALF_RING = ACF_BODY_POINTS / 2;
constexpr int FAIRING_POINTS = 10;   // a gear fairing's rings; every other body has the full ring

// Texture coordinates of one part: station, point, axis.
using grid2 = float[ACF_BODY_STATIONS][ACF_BODY_POINTS][2];

// A number from the record, or d when it is not a usable one (not a number, infinite, or so
// large that its products would overflow): check_nan's test, inline because it runs per point.
inline float usable(float x, float d = 0.0f) { return (x == x && std::fabs(x) <= 1e10f) ? x : d; }

// The shortest extent (feet) that a texture coordinate is spread over: the reciprocal of anything
// shorter could be infinite, and a part that small has nothing to paint.
constexpr float k_least_length = 1e-6f;

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
// A part's vertices while it is built, one array per axis, so the per-point loops run over
// contiguous floats the compiler can take four at a time. They go out to the record's
// vertex-by-vertex arrays once, at the end.
struct soa_grid {
    float x[ACF_BODY_STATIONS][ACF_BODY_POINTS];
    float y[ACF_BODY_STATIONS][ACF_BODY_POINTS];
    float z[ACF_BODY_STATIONS][ACF_BODY_POINTS];
};

static void store_grid(const soa_grid& g, int sdim, int rdim, float (*out)[ACF_BODY_POINTS][3])
{
    for (int s = 0; s < sdim; s++)
        for (int r = 0; r < rdim; r++) {
            out[s][r][0] = g.x[s][r];
            out[s][r][1] = g.y[s][r];
            out[s][r][2] = g.z[s][r];
        }
}

// Each vertex's normal is the cross product of the run along the part (the stations either
// side) and the run round it (from point r_lo to point r_hi), so it follows the surface whatever
// its spacing. Round a body ring the runs go from the point before to the point after; along a
// wing section from the point to the next. Those points are done in one straight loop; the few
// where a ring wraps, closes or doubles a point are done again from the index tables.
// RDIM fixes the ring's size at compile time, so the short loops round it unroll whole; IS_BODY
// chooses the ring's wrap rules over a wing section's.
template <int RDIM, int IS_BODY>
static void part_normals(const soa_grid& g, int sdim, float rfac, float (*out)[ACF_BODY_POINTS][3])
{
    constexpr int rdim = RDIM, is_body = IS_BODY;
    static_assert(rdim >= 2 && rdim <= ACF_BODY_POINTS);
    if (sdim < 2) return;
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
    // The straight run [r0, r1) with r_lo = r + dl and r_hi = r + dh; the rest by the tables,
    // or as a copy of a point of the run whose runs they share (a wing's doubled edge points).
    const int dl = is_body ? -1 : 0, dh = 1, r0 = is_body ? 1 : 0, r1 = rdim - 1;
    int odd[ACF_BODY_POINTS], same_as[ACF_BODY_POINTS], n_odd = 0, in_run[ACF_BODY_POINTS];
    for (int r = 0; r < rdim; r++) {
        in_run[r] = r >= r0 && r < r1 && r_lo[r] == r + dl && r_hi[r] == r + dh;
        if (in_run[r]) continue;
        const int q = r_lo[r] - dl;
        same_as[n_odd] = q >= r0 && q < r1 && r_hi[r] == q + dh ? q : -1;
        odd[n_odd++] = r;
    }

    for (int s = 0; s < sdim; s++) {
        const int lo_z = intlim(s - 1, 0, sdim - 1), hi_z = intlim(s + 1, 0, sdim - 1);
        // A body's end stations close to a point: across and up, the run along it is taken
        // from the stations inside.
        const int lo_xy = is_body ? intlim(lo_z, 1, sdim - 2) : lo_z;
        const int hi_xy = is_body ? intlim(hi_z, 1, sdim - 2) : hi_z;
        const float *lx = g.x[lo_xy], *ly = g.y[lo_xy], *hx = g.x[hi_xy], *hy = g.y[hi_xy];
        const float *lz = g.z[lo_z], *hz = g.z[hi_z];
        float ox[ACF_BODY_POINTS], oy[ACF_BODY_POINTS], oz[ACF_BODY_POINTS];
        int careful = 0;
        for (int r = r0; r < r1; r++) {
            const int l = r + dl, h = r + dh;
            const float ax = hx[l] - lx[l], ay = hy[l] - ly[l], az = hz[l] - lz[l];
            const float bx = rfac * (lx[h] - lx[l]), by = rfac * (ly[h] - ly[l]), bz = rfac * (lz[h] - lz[l]);
            const float nx = ay * bz - az * by, ny = az * bx - ax * bz, nz = ax * by - ay * bx;
            const float k = 1.0f / std::sqrt(nx * nx + ny * ny + nz * nz);
            ox[r] = nx * k;
            oy[r] = ny * k;
            oz[r] = nz * k;
            careful |= ((k > 0.0f) + (k < 1e30f) != 2) & in_run[r];
        }
        float(*o)[3] = out[s];
        for (int r = r0; r < r1; r++) {
            o[r][0] = ox[r];
            o[r][1] = oy[r];
            o[r][2] = oz[r];
        }
        // The rare product that is zero or too large for a float is done again the careful way.
        auto normal = [&](int r, int any) {
            const int l = r_lo[r], h = r_hi[r];
            const float a[3] = {hx[l] - lx[l], hy[l] - ly[l], hz[l] - lz[l]};
            const float b[3] = {rfac * (lx[h] - lx[l]), rfac * (ly[h] - ly[l]), rfac * (lz[h] - lz[l])};
            const float nx = a[1] * b[2] - a[2] * b[1], ny = a[2] * b[0] - a[0] * b[2], nz = a[0] * b[1] - a[1] * b[0];
            const float k = 1.0f / std::sqrt(nx * nx + ny * ny + nz * nz);
            if (k > 0.0f && k < 1e30f) {
                if (any) o[r][0] = nx * k, o[r][1] = ny * k, o[r][2] = nz * k;
            } else {
                find_normal_vects(a, b, o[r]);
            }
        };
        if (careful)
            for (int r = r0; r < r1; r++)
                if (in_run[r]) normal(r, 0);
        for (int i = 0; i < n_odd; i++) {
            const int r = odd[i], q = same_as[i];
            if (q < 0) {
                normal(r, 1);
                continue;
            }
            o[r][0] = o[q][0];
            o[r][1] = o[q][1];
            o[r][2] = o[q][2];
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

// The upper (1) and lower (-1) hinge points of a section; the others lie on the foil.
static const int k_hinge_pt[GEO_FOIL_POINTS] = {0, 0, 0, 0, 0, 1, 0, 0, -1, 0, 0, 0, 0, 0};

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
    get_el_edge_locs(p, en, bx, by, bz);
    for (int e = 0; e <= els; e++) bx[e] = usable(bx[e]), by[e] = usable(by[e]), bz[e] = usable(bz[e]);
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

    float chord_e[ACF_ELEMENTS + 1], thick_e[ACF_ELEMENTS + 1];
    for (int e = 0; e <= els; e++) {
        chord_e[e] = interp(0.0f, croot, (float)els, ctip, (float)e, 1);
        thick_e[e] = interp(0.0f, troot, (float)els, ttip, (float)e, 1);
    }
    // Each station's section: the foil's chord and thickness fractions with the hinge points'
    // own, then every point by the same sums.
    soa_grid g;
    float(*co)[3] = v.co_xyz[en];
    for (int s = 0; s < els; s++) {
        // The hinge points sit on the chord of the last control this element carries.
        float hinge_crat[2] = {GEO_crat[5], GEO_crat[5]};
        int has_control = 0;
        for (int c = (int)std::size(k_hinge_controls); c-- > 0;) {
            if (!(v.*k_hinge_controls[c].on)[en][s]) continue;
            has_control = 1;
            for (int k = 0; k < 2; k++)
                hinge_crat[k] = usable(0.75f - control_crat(p, en, (float)(s + k), k_hinge_controls[c].code), GEO_crat[5]);
            break;
        }

        for (int k = 0; k < 2; k++) {
            const int e = s + k;
            const float chord = chord_e[e], thick = thick_e[e];
            // Thinning from full half-thickness at 20 % chord to nothing at the trailing edge.
            const float vr_hinge = has_control ? interp(0.2f, 0.5f, 0.75f, 0.0f, hinge_crat[k], 1) : GEO_vrat[5];
            const float hc = hinge_crat[k];
            const float sie = si[e], cie = ci[e], sswe = ssw[e], cswe = csw[e], bxe = bx[e], bye = by[e], bze = bz[e];
            float *X = g.x[2 * s + k], *Y = g.y[2 * s + k], *Z = g.z[2 * s + k];
            for (int r = 0; r < GEO_FOIL_POINTS; r++) {
                const float cr = k_hinge_pt[r] ? hc : GEO_crat[r];
                const float vr = k_hinge_pt[r] > 0 ? vr_hinge : k_hinge_pt[r] < 0 ? -vr_hinge : GEO_vrat[r];
                const float chrd = cr * chord, vert = vr * thick;
                const float z = vert * sie + chrd * cie;
                const float y = vert * cie - chrd * sie;
                X[r] = bxe - z * sswe - y * sd;
                Y[r] = bye + y * cd;
                Z[r] = bze + z * cswe;
            }
            // Hinge line: midway between the hinge points, or below the wing for a flap that
            // drops away from it.
            const float h5[3] = {X[5], Y[5], Z[5]}, h8[3] = {X[8], Y[8], Z[8]};
            for (int i = 0; i < 3; i++) {
                co[2 * s + k][i] = (h5[i] + h8[i]) * 0.5f;
                if (v.flap[en][s] && moves_flap_hinge) co[2 * s + k][i] -= 2.0f * (h5[i] - h8[i]);
            }
        }
        const float span_scale = std::fabs(semilen) > 1e-6f ? (float)els / semilen : 0.0f;
        for (int i = 0; i < 3; i++) v.ca_xyz[en][2 * s][i] = span_scale * (co[2 * s + 1][i] - co[2 * s][i]);
    }
    store_grid(g, sdim, GEO_FOIL_POINTS, v.a_xyz[en]);
    part_normals<GEO_FOIL_POINTS, 0>(g, sdim, is_prop ? -1.0f : -usable(v.lat_sign[en]), v.n_xyz[en]);

    // Texture: chordwise across the rectangle by position along the part, spanwise by station.
    const GEO_tex_rect rc = GEO_part_rect(en);
    const float z_lo = std::fmin(bz[els] - ctip * 0.25f, bz[0] - croot * 0.25f);
    const float z_hi = std::fmax(bz[els] + ctip * 0.75f, bz[0] + croot * 0.75f);
    const float s0 = rc.s_from / 1024.0f, s1 = rc.s_to / 1024.0f;
    // A part too short to measure (a chord of a few millionths of a foot, as a damaged file may
    // hold) sits in the middle of its rectangle rather than being stretched to infinity.
    const int has_length = std::fabs(z_hi - z_lo) > k_least_length;
    const float s_slope = has_length ? (s1 - s0) / (z_hi - z_lo) : 0.0f;
    const float s_base = has_length ? s0 : (s0 + s1) * 0.5f;
    const float other_face = en == 18 || en == 19 ? 252.0f / 1024.0f : 0.0f;
    float face[GEO_FOIL_POINTS];
    for (int r = 0; r < GEO_FOIL_POINTS; r++) face[r] = r >= 7 ? other_face : 0.0f;
    grid2& st = v.st[en];
    for (int k = 0; k < sdim; k++) {
        const float span = (float)((k + 1) / 2) * 2.0f / (float)sdim * semilen;
        const float t = interp(0.0f, rc.t_from / rc.dy, semilen, rc.t_to / rc.dy, span, 1);
        const float* Z = g.z[k];
        for (int r = 0; r < GEO_FOIL_POINTS; r++) {
            st[k][r][0] = s_base + (Z[r] - z_lo) * s_slope + face[r];
            st[k][r][1] = t;
        }
    }
}

//=== bodies and weapons =====================================================================
// Texture coordinates of a body ring grid: one coordinate runs round the body (its girth,
// measured along each half-ring from the body's mean height, so a side's markings line up
// station to station), the other along it. girth[s][R] and len[s][r] receive both in 0..1
// (girth only for the first half-ring, R < rdim/2).
static void body_girth_and_length(const soa_grid& g, int sdim, int rdim, int along_axis,
                                  float (*girth)[HALF_RING], float (*len)[ACF_BODY_POINTS])
{
    const int rsem = rdim / 2;
    // Reference height: the first twelve stations summed, divided by all of them.
    float y_sum = 0.0f;
    for (int s = 0; s < (sdim < 12 ? sdim : 12); s++)
        for (int r = 0; r < rdim; r++) y_sum += g.y[s][r];
    const float y_ctr = y_sum / (float)(rdim * sdim);

    float lo = 999.0f, hi = -999.0f;
    for (int s = 0; s < sdim; s++) {
        // Each segment's share above and below the reference height.
        float above[HALF_RING], below[HALF_RING];
        for (int r = 0; r < rsem; r++) {
            const float y1 = g.y[s][r], y2 = g.y[s][r + 1];
            const float dx = g.x[s][r + 1] - g.x[s][r];
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
        if (y_ctr <= g.y[s][rsem]) shift += g.y[s][rsem] - y_ctr;
        if (g.y[s][0] <= y_ctr) shift += g.y[s][0] - y_ctr;

        float run_above[HALF_RING + 1], run_below[HALF_RING + 1];
        run_above[rsem] = 0.0f;
        for (int r = rsem - 1; r >= 0; r--) run_above[r] = run_above[r + 1] + above[r];
        run_below[0] = 0.0f;
        for (int r = 0; r < rsem; r++) run_below[r + 1] = run_below[r] + below[r];
        for (int R = 0; R < rsem; R++) {
            const float gr = (g.y[s][R] >= y_ctr ? run_above[R] : -run_below[R]) + shift;
            girth[s][R] = gr;
            lo = gr < lo ? gr : lo;
            hi = gr > hi ? gr : hi;
        }
    }
    const float g_scale = hi - lo > k_least_length ? 1.0f / (hi - lo) : 0.0f;
    for (int s = 0; s < sdim; s++)
        for (int R = 0; R < rsem; R++) girth[s][R] = (girth[s][R] - lo) * g_scale;

    if (along_axis) {
        // Along the line through the top points: a jet pipe or a weapon tapers, and its paint
        // follows its outline rather than its length.
        float run[ACF_BODY_STATIONS];
        run[0] = 0.0f;
        for (int s = 1; s < sdim; s++) {
            const float dz = g.z[s][0] - g.z[s - 1][0], dy = g.y[s][0] - g.y[s - 1][0];
            run[s] = run[s - 1] + std::sqrt(dz * dz + dy * dy);
        }
        const float k = run[sdim - 1] > k_least_length ? 1.0f / run[sdim - 1] : 0.0f;
        for (int s = 0; s < sdim; s++)
            for (int r = 0; r < rdim; r++) len[s][r] = run[s] * k;
        return;
    }
    float z_lo = g.z[0][0], z_hi = g.z[0][0];
    for (int s = 0; s < sdim; s++)
        for (int r = 0; r < rdim; r++) {
            const float z = g.z[s][r];
            z_lo = z < z_lo ? z : z_lo;
            z_hi = z > z_hi ? z : z_hi;
        }
    const float k = z_hi - z_lo > k_least_length ? 1.0f / (z_hi - z_lo) : 0.0f;
    for (int s = 0; s < sdim; s++)
        for (int r = 0; r < rdim; r++) len[s][r] = (g.z[s][r] - z_lo) * k;
}

// The record's ring points as they are: numbers that are no use count as 0.
static void read_rings(const veh_struct& v, int en, int sdim, int rdim, soa_grid& g)
{
    for (int s = 0; s < sdim; s++)
        for (int r = 0; r < rdim; r++) {
            g.x[s][r] = usable(v.body_X[en][s][r]);
            g.y[s][r] = usable(v.body_Y[en][s][r]);
            g.z[s][r] = usable(v.body_Z[en][s][r]);
        }
}

static void build_body(int p, int en)
{
    veh_struct& v = veh[p];
    const int sdim = f_body_s_DIM(p, en, 0), rdim = f_body_r_DIM(en, 0);
    if (sdim < 2 || rdim < 2) return;
    const int rsem = rdim / 2;
    soa_grid g;
    read_rings(v, en, sdim, rdim, g);
    store_grid(g, sdim, rdim, v.a_xyz[en]);
    if (rdim == ACF_BODY_POINTS) part_normals<ACF_BODY_POINTS, 1>(g, sdim, 1.0f, v.n_xyz[en]);
    if (rdim == FAIRING_POINTS) part_normals<FAIRING_POINTS, 1>(g, sdim, 1.0f, v.n_xyz[en]);

    float girth[ACF_BODY_STATIONS][HALF_RING], len[ACF_BODY_STATIONS][ACF_BODY_POINTS];
    const int jet = en >= FIRST_NACELLE && en <= LAST_NACELLE && en_is_jet(p, en - FIRST_NACELLE);
    body_girth_and_length(g, sdim, rdim, jet, girth, len);

    const GEO_tex_rect rc = GEO_part_rect(en);
    const int girth_across = en >= FIRST_FAIRING;   // fairings lie the other way on the paint
    const float s0 = rc.s_from / 1024.0f, s1 = rc.s_to / 1024.0f;
    const float t0 = rc.t_from / rc.dy, t1 = rc.t_to / rc.dy;
    // The fuselage's and the nacelles' two sides each have a band of their own.
    const float side_band = en == FUSELAGE ? 252.0f / rc.dy
                            : (en >= FIRST_NACELLE && en <= LAST_NACELLE) ? 126.0f / rc.dy : 0.0f;
    float band[ACF_BODY_POINTS];
    for (int r = 0; r < rdim; r++) band[r] = r >= rsem ? side_band : 0.0f;
    grid2& st = v.st[en];
    for (int s = 0; s < sdim; s++) {
        // The second half-ring runs back up the other side: its girth is the first's, mirrored.
        float gs[ACF_BODY_POINTS];
        for (int r = 0; r < rsem; r++) gs[r] = girth[s][r];
        for (int r = rsem; r < rdim; r++) gs[r] = girth[s][rdim - r - 1];
        const float* ls = len[s];
        if (girth_across)
            for (int r = 0; r < rdim; r++) {
                st[s][r][0] = s0 + gs[r] * (s1 - s0);
                st[s][r][1] = t0 + ls[r] * (t1 - t0) - band[r];
            }
        else
            for (int r = 0; r < rdim; r++) {
                st[s][r][0] = s0 + ls[r] * (s1 - s0);
                st[s][r][1] = t0 + gs[r] * (t1 - t0) - band[r];
            }
    }
}

static void build_weapon(int p, int w)
{
    veh_struct& v = veh[p];
    const int sdim = ACF_WPN_STATIONS, rdim = ACF_BODY_POINTS, rsem = rdim / 2;
    soa_grid g;
    read_rings(v, w, sdim, rdim, g);
    part_normals<ACF_BODY_POINTS, 1>(g, sdim, 1.0f, v.wpn_n_xyz[w]);

    float girth[ACF_BODY_STATIONS][HALF_RING], len[ACF_BODY_STATIONS][ACF_BODY_POINTS];
    body_girth_and_length(g, sdim, rdim, 1, girth, len);
    // The weapon's paint: its length across the left half, one side above the middle, the
    // other below.
    for (int s = 0; s < sdim; s++) {
        for (int r = 0; r < rsem; r++) {
            v.wpn_st[w][s][r][0] = len[s][r] * 0.5078125f;
            v.wpn_st[w][s][r][1] = 0.515625f + girth[s][r] * (1.0f - 0.515625f);
        }
        for (int r = rsem; r < rdim; r++) {
            v.wpn_st[w][s][r][0] = len[s][r] * 0.5078125f;
            v.wpn_st[w][s][r][1] = 0.515625f + girth[s][rdim - r - 1] * (1.0f - 0.515625f) - 0.515625f;
        }
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
