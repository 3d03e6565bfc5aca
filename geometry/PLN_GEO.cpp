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
#include <bit>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <iterator>
#if defined(__SSE__)
#include <xmmintrin.h>
#endif

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

// The builder is compiled twice, the second time for processors with AVX2 (its instructions
// leave the operands in place and choose lanes in one step), and the one the processor can run is
// picked when the program loads. Both do the same operations on the same floats: no fused
// multiply-add, which would round differently, is allowed into either.
// Clang (the sanitizer and fuzzing builds) builds the one plain copy: its clones do not link there.
#if defined(__x86_64__) && defined(__GNUC__) && !defined(__clang__)
#define GEO_WIDE __attribute__((target_clones("avx2", "default"), flatten))
#else
#define GEO_WIDE
#endif

//=== four points at a time ==================================================================
// The per-point loops take four neighbouring points at once in a vector of four floats (the
// GCC and Clang vector extension). Every lane does exactly the one-point operations in the same
// order, so the results are those of a loop over single points to the last bit.
typedef float f4 __attribute__((vector_size(16)));
typedef int i4 __attribute__((vector_size(16)));

static inline f4 load4(const float* p)
{
    f4 v;
    std::memcpy(&v, p, sizeof v);
    return v;
}
static inline void store4(float* p, f4 v) { std::memcpy(p, &v, sizeof v); }
static inline f4 all4(float x) { return f4{x, x, x, x}; }
static inline f4 abs4(f4 x) { return (f4)((i4)x & 0x7fffffff); }
static inline int all_lanes(i4 m)
{
#if defined(__SSE__)
    return _mm_movemask_ps((__m128)m) == 0xF;
#else
    return (m[0] & m[1] & m[2] & m[3]) != 0;
#endif
}
static inline f4 select4(i4 m, f4 a, f4 b) { return m ? a : b; }
static inline f4 sqrt4(f4 v)
{
#if defined(__SSE__)
    return _mm_sqrt_ps(v);
#else
    return f4{std::sqrt(v[0]), std::sqrt(v[1]), std::sqrt(v[2]), std::sqrt(v[3])};
#endif
}
// usable() of four numbers.
static inline f4 usable4(f4 x) { return (f4)((i4)x & (abs4(x) <= 1e10f)); }

// Four points' x, y and z out to a vertex-by-vertex array: o[0..3][0..2].
static inline void store_xyz4(float (*o)[3], f4 x, f4 y, f4 z)
{
    float* d = o[0];
    const f4 xy01 = __builtin_shufflevector(x, y, 0, 4, 1, 5);   // x0 y0 x1 y1
    const f4 xy23 = __builtin_shufflevector(x, y, 2, 6, 3, 7);   // x2 y2 x3 y3
    const f4 yz1 = __builtin_shufflevector(y, z, 1, 5, 1, 5);    // y1 z1
    store4(d, __builtin_shufflevector(xy01, z, 0, 1, 4, 2));       // x0 y0 z0 x1
    store4(d + 4, __builtin_shufflevector(yz1, xy23, 0, 1, 4, 5));   // y1 z1 x2 y2
    store4(d + 8, __builtin_shufflevector(z, xy23, 2, 6, 7, 3));     // z2 x3 y3 z3
}
// Four points' texture coordinates: o[0..3][0..1].
static inline void store_st4(float (*o)[2], f4 s, f4 t)
{
    store4(o[0], __builtin_shufflevector(s, t, 0, 4, 1, 5));
    store4(o[2], __builtin_shufflevector(s, t, 2, 6, 3, 7));
}

// f(r) for the first point r of each group of four covering points R0..R1-1 (at least four):
// every fourth, the last group moved back to end at R1. A point that two groups share is worked
// out twice, the same both times, so f must not read what it writes. The groups are laid out at
// compile time, so each is straight code with its points' offsets fixed.
template <int R0, int R1, class F>
static inline void each4(F&& f)
{
    static_assert(R1 >= 4);
    if constexpr (R1 - R0 <= 4) {
        f(R1 - 4);
    } else {
        f(R0);
        each4<R0 + 4, R1>(f);
    }
}

// Eight points at a time, for the normals, whose square roots and divisions are most of their
// cost: where the processor has eight-float vectors they go eight to an instruction. Elsewhere the
// normals go four at a time (eight-float vectors emulated there are slower than fours).
#if defined(__clang__)
#pragma clang diagnostic ignored "-Wpsabi"
#elif defined(__GNUC__)
#pragma GCC diagnostic ignored "-Wpsabi"
#endif
// (Every function taking or giving one is static and inlined, so no call between files passes
// one and the compilers' note on how such calls pass them does not apply.)
typedef float f8 __attribute__((vector_size(32)));
typedef int i8 __attribute__((vector_size(32)));
static inline f4 low4(const f8& v) { return __builtin_shufflevector(v, v, 0, 1, 2, 3); }
static inline f4 high4(const f8& v) { return __builtin_shufflevector(v, v, 4, 5, 6, 7); }

// The vectors of W floats (and lane masks) and what the normals do with them.
template <int W>
struct vec;
template <>
struct vec<4> {
    using f = f4;
    using i = i4;
    static f load(const float* p) { return load4(p); }
    static i mask(const int* p)
    {
        i v;
        std::memcpy(&v, p, sizeof v);
        return v;
    }
    static f sqrt(const f& v) { return sqrt4(v); }
    static int all(const i& m) { return all_lanes(m); }
    static void store_xyz(float (*o)[3], const f& x, const f& y, const f& z) { store_xyz4(o, x, y, z); }
};
template <>
struct vec<8> {
    using f = f8;
    using i = i8;
    static f load(const float* p)
    {
        f v;
        std::memcpy(&v, p, sizeof v);
        return v;
    }
    static i mask(const int* p)
    {
        i v;
        std::memcpy(&v, p, sizeof v);
        return v;
    }
    static f sqrt(const f& v)
    {
        f r;
        for (int k = 0; k < 8; k++) r[k] = std::sqrt(v[k]);
        return r;
    }
    static int all(const i& m) { return all_lanes(__builtin_shufflevector(m & __builtin_shufflevector(m, m, 4, 5, 6, 7, 0, 1, 2, 3), m, 0, 1, 2, 3)); }
    static void store_xyz(float (*o)[3], const f& x, const f& y, const f& z)
    {
        store_xyz4(o, low4(x), low4(y), low4(z));
        store_xyz4(o + 4, high4(x), high4(y), high4(z));
    }
};

// each4 for groups of W.
template <int W, int R0, int R1, class F>
static inline void each_group(F&& f)
{
    static_assert(R1 >= W);
    if constexpr (R1 - R0 <= W) {
        f(R1 - W);
    } else {
        f(R0);
        each_group<W, R0 + W, R1>(f);
    }
}

// Whether this processor takes eight floats to an instruction.
static inline int eight_wide(void)
{
#if defined(__x86_64__) && defined(__GNUC__)
    return __builtin_cpu_supports("avx2");
#else
    return 0;
#endif
}

//=== normals ================================================================================
// A part's vertices while it is built, one array per axis, so the per-point loops run over
// contiguous floats four at a time.
struct soa_grid {
    float x[ACF_BODY_STATIONS][ACF_BODY_POINTS];
    float y[ACF_BODY_STATIONS][ACF_BODY_POINTS];
    float z[ACF_BODY_STATIONS][ACF_BODY_POINTS];
};

// Each vertex's normal is the cross product of the run along the part (the stations either
// side) and the run round it (from point lo[r] to point hi[r]), so it follows the surface
// whatever its spacing. Round a body ring the runs go from the point before to the point after;
// along a wing section from the point to the next. Those points form one straight run; the few
// where a ring wraps, closes or doubles a point are done after it, each as a copy of an earlier
// point whose runs it shares or from its own runs. The tables are fixed at compile time for
// each ring size (IS_BODY: a ring's wrap rules rather than a wing section's).
template <int RDIM, int IS_BODY>
struct ring_runs {
    static constexpr int rdim = RDIM, rsem = RDIM / 2;
    // The straight run [r0, r1): lo = r + dl, hi = r + 1.
    static constexpr int dl = IS_BODY ? -1 : 0, r0 = IS_BODY ? 1 : 0, r1 = RDIM - 1;
    static_assert(RDIM <= ACF_BODY_POINTS && r1 - r0 >= 4);
    int lo[RDIM] = {}, hi[RDIM] = {}, in_run[RDIM] = {}, off_run[RDIM] = {};   // off_run: all bits set
    int odd[RDIM] = {}, same_as[RDIM] = {}, n_odd = 0;
    constexpr ring_runs()
    {
        for (int r = 0; r < rdim; r++) {
            if (IS_BODY) {
                // A ring is two half-rings whose ends coincide: step over the duplicate points
                // so the run round the ring never has zero length.
                lo[r] = r == 0 ? rdim - 2 : r == rsem ? r - 2 : r - 1;
                hi[r] = r == rdim - 1 ? 1 : r == rsem - 1 ? r + 2 : r + 1;
            } else {
                // The trailing edge is two coincident points, the leading edge too.
                lo[r] = r == 6 ? 5 : r == rdim - 1 ? rdim - 2 : r;
                hi[r] = r == 6 ? 6 : r == rdim - 1 ? rdim - 1 : r + 1;
            }
            in_run[r] = r >= r0 && r < r1 && lo[r] == r + dl && hi[r] == r + 1;
            off_run[r] = in_run[r] ? 0 : -1;
        }
        for (int r = 0; r < rdim; r++) {
            if (in_run[r]) continue;
            int q = -1;
            for (int e = 0; e < r && q < 0; e++)   // done before r, in the run or not
                if (lo[e] == lo[r] && hi[e] == hi[r]) q = e;
            for (int e = r + 1; e < rdim && q < 0; e++)
                if (in_run[e] && lo[e] == lo[r] && hi[e] == hi[r]) q = e;
            same_as[n_odd] = q;
            odd[n_odd++] = r;
        }
    }
};

template <int RDIM, int IS_BODY, int W>
static float part_normals(const soa_grid& g, int sdim, float rfac, float (*out)[ACF_BODY_POINTS][3])
{
    static constexpr ring_runs<RDIM, IS_BODY> T{};
    constexpr int r0 = T.r0, r1 = T.r1, dl = T.dl;
    float y_sum = 0.0f;
    if (sdim < 2) return y_sum;
    for (int s = 0; s < sdim; s++) {
        // A body's reference height is the sum of the Y of its first twelve stations, point by
        // point in order: a long chain of additions, done a station at a time beside the
        // normals so that it costs no time of its own.
        if (IS_BODY && s < 12)
            for (int r = 0; r < RDIM; r++) y_sum += g.y[s][r];
        const int lo_z = s > 0 ? s - 1 : 0, hi_z = s < sdim - 1 ? s + 1 : sdim - 1;
        // A body's end stations close to a point: across and up, the run along it is taken
        // from the stations inside.
        const int lo_xy = IS_BODY ? intlim(lo_z, 1, sdim - 2) : lo_z;
        const int hi_xy = IS_BODY ? intlim(hi_z, 1, sdim - 2) : hi_z;
        const float *lx = g.x[lo_xy], *ly = g.y[lo_xy], *hx = g.x[hi_xy], *hy = g.y[hi_xy];
        const float *lz = g.z[lo_z], *hz = g.z[hi_z];
        float(*o)[3] = out[s];
        using V = vec<W>;
        using fv = typename V::f;
        using iv = typename V::i;
        iv fine = ~iv{};
        each_group<W, r0, r1>([&](int r) {
            const int l = r + dl, h = r + 1;
            const fv Lx = V::load(lx + l), Ly = V::load(ly + l), Lz = V::load(lz + l);
            const fv ax = V::load(hx + l) - Lx, ay = V::load(hy + l) - Ly, az = V::load(hz + l) - Lz;
            const fv bx = rfac * (V::load(lx + h) - Lx), by = rfac * (V::load(ly + h) - Ly), bz = rfac * (V::load(lz + h) - Lz);
            const fv nx = ay * bz - az * by, ny = az * bx - ax * bz, nz = ax * by - ay * bx;
            const fv k = 1.0f / V::sqrt(nx * nx + ny * ny + nz * nz);
            const iv ok = ((k > 0.0f) & (k < 1e30f)) | V::mask(T.off_run + r);   // points off the run are done again anyway
            if (V::all(ok)) {
                V::store_xyz(o + r, nx * k, ny * k, nz * k);
                return;
            }
            // A run of no length (a ring closed to a point, a body of zeros) makes no face: the
            // normal is the way up, as find_normal_vects gives it, without its sums in double.
            const iv flat = ((ax == 0.0f) & (ay == 0.0f) & (az == 0.0f)) | ((bx == 0.0f) & (by == 0.0f) & (bz == 0.0f));
            const fv zero = fv{}, one = zero + 1.0f;
            V::store_xyz(o + r, flat ? zero : nx * k, flat ? one : ny * k, flat ? zero : nz * k);
            fine &= ok | flat;
        });
        auto normal = [&](int r, int any) {
            const int l = T.lo[r], h = T.hi[r];
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
        // The rare product that is zero or too large for a float is done again the careful way.
        if (!V::all(fine))
            for (int r = r0; r < r1; r++)
                if (T.in_run[r]) normal(r, 0);
        for (int i = 0; i < T.n_odd; i++) {
            const int r = T.odd[i], q = T.same_as[i];
            if (q < 0) {
                normal(r, 1);
                continue;
            }
            o[r][0] = o[q][0];
            o[r][1] = o[q][1];
            o[r][2] = o[q][2];
        }
    }
    return y_sum;
}

//=== wing-type parts ========================================================================
// The five controls whose hinge a wing element's hinge points follow, in the order in which a
// later one overrides an earlier one.
struct hinge_control { int (veh_struct::*on)[ACF_PARTS][ACF_ELEMENTS]; int code; };
static const hinge_control k_hinge_controls[] = {
    {&veh_struct::ail1, DEFL_AIL1}, {&veh_struct::ail2, DEFL_AIL2}, {&veh_struct::elev, DEFL_ELEV},
    {&veh_struct::rudd, DEFL_RUDD}, {&veh_struct::flap, DEFL_FLAP},
};

static void build_wing(int p, int en, int wide)
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
    // worked out once, and an edge at the very angle of the one before (a part of one incidence
    // throughout) takes that edge's.
    float si[ACF_ELEMENTS + 1], ci[ACF_ELEMENTS + 1], ssw[ACF_ELEMENTS + 1], csw[ACF_ELEMENTS + 1];
    float last_angin = 0.0f, last_sweep = 0.0f;
    for (int e = 0; e <= els; e++) {
        auto at_edge = [&](const float* x) {
            if (els == 1) return x[0];
            if (e == 0) return x[0] - (x[1] - x[0]) * 0.5f;
            if (e == els) return x[els - 1] + (x[els - 1] - x[els - 2]) * 0.5f;
            return x[e - 1] + (x[e] - x[e - 1]) * 0.5f;
        };
        const float angin = at_edge(inc) * pdir * d2r;
        const int same_inc = e > 0 && std::bit_cast<uint32_t>(angin) == std::bit_cast<uint32_t>(last_angin);
        si[e] = same_inc ? si[e - 1] : std::sin(angin);
        ci[e] = same_inc ? ci[e - 1] : std::cos(angin);
        last_angin = angin;
        const float sweep = is_prop ? at_edge(swp) * d2r : 0.0f;
        const int same_sweep = e > 0 && std::bit_cast<uint32_t>(sweep) == std::bit_cast<uint32_t>(last_sweep);
        ssw[e] = !is_prop ? 0.0f : same_sweep ? ssw[e - 1] : std::sin(sweep);
        csw[e] = !is_prop ? 1.0f : same_sweep ? csw[e - 1] : std::cos(sweep);
        last_sweep = sweep;
    }

    float chord_e[ACF_ELEMENTS + 1], thick_e[ACF_ELEMENTS + 1];
    for (int e = 0; e <= els; e++) {
        chord_e[e] = interp(0.0f, croot, (float)els, ctip, (float)e, 1);
        thick_e[e] = interp(0.0f, troot, (float)els, ttip, (float)e, 1);
    }
    // Texture: chordwise across the rectangle by position along the part, spanwise by station.
    const GEO_tex_rect rc = GEO_part_rect(en);
    const float z_lo = std::fmin(bz[els] - ctip * 0.25f, bz[0] - croot * 0.25f);
    const float z_hi = std::fmax(bz[els] + ctip * 0.75f, bz[0] + croot * 0.75f);
    const float s0 = rc.s_from / 1024.0f, s1 = rc.s_to / 1024.0f;
    const float t_root = rc.t_from / rc.dy, t_tip = rc.t_to / rc.dy;
    // A part too short to measure (a chord of a few millionths of a foot, as a damaged file may
    // hold) sits in the middle of its rectangle rather than being stretched to infinity.
    const int has_length = std::fabs(z_hi - z_lo) > k_least_length;
    const float s_slope = has_length ? (s1 - s0) / (z_hi - z_lo) : 0.0f;
    const float s_base = has_length ? s0 : (s0 + s1) * 0.5f;
    const float other_face = en == 18 || en == 19 ? 252.0f / 1024.0f : 0.0f;

    // Spanwise on the paint: both stations at an element edge sit at the edge's span.
    float t_e[ACF_ELEMENTS + 1];
    for (int e = 0; e <= els; e++) {
        const float span = (float)e * 2.0f / (float)sdim * semilen;
        t_e[e] = interp(0.0f, t_root, semilen, t_tip, span, 1);
    }

    // Each station's section: the foil's chord and thickness fractions with the hinge points'
    // own, then every point by the same sums, stored with its texture coordinates as it is made.
    soa_grid g;
    float(*co)[3] = v.co_xyz[en];
    float(*mesh)[ACF_BODY_POINTS][3] = v.a_xyz[en];
    grid2& st = v.st[en];
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
            const int e = s + k, j = 2 * s + k;
            const float chord = chord_e[e], thick = thick_e[e];
            // Thinning from full half-thickness at 20 % chord to nothing at the trailing edge.
            const float vr_hinge = has_control ? interp(0.2f, 0.5f, 0.75f, 0.0f, hinge_crat[k], 1) : GEO_vrat[5];
            const float sie = si[e], cie = ci[e], sswe = ssw[e], cswe = csw[e], bxe = bx[e], bye = by[e], bze = bz[e];
            const float t = t_e[e];
            float *X = g.x[j], *Y = g.y[j], *Z = g.z[j];
            // Points r..r+3 from their chord and thickness fractions; face: their second-face offset.
            auto section4 = [&](int r, f4 cr, f4 vr, f4 face) {
                const f4 chrd = cr * chord, vert = vr * thick;
                const f4 z = vert * sie + chrd * cie;
                const f4 y = vert * cie - chrd * sie;
                const f4 px = bxe - z * sswe - y * sd, py = bye + y * cd, pz = bze + z * cswe;
                store4(X + r, px);
                store4(Y + r, py);
                store4(Z + r, pz);
                store_xyz4(mesh[j] + r, px, py, pz);
                store_st4(st[j] + r, s_base + (pz - z_lo) * s_slope + face, all4(t));
            };
            // Four groups: 0-3; 4-7 with the upper hinge point in lane 1 and the second face
            // starting in lane 3; 8-11 with the lower hinge point in lane 0; 10-13.
            static_assert(GEO_FOIL_POINTS == 14);
            const f4 hc = all4(hinge_crat[k]), vh = all4(vr_hinge);
            section4(0, load4(GEO_crat), load4(GEO_vrat), f4{});
            section4(4, __builtin_shufflevector(load4(GEO_crat + 4), hc, 0, 4, 2, 3),
                     __builtin_shufflevector(load4(GEO_vrat + 4), vh, 0, 4, 2, 3), f4{0.0f, 0.0f, 0.0f, other_face});
            section4(8, __builtin_shufflevector(load4(GEO_crat + 8), hc, 4, 1, 2, 3),
                     __builtin_shufflevector(load4(GEO_vrat + 8), -vh, 4, 1, 2, 3), all4(other_face));
            section4(10, load4(GEO_crat + 10), load4(GEO_vrat + 10), all4(other_face));
            // Hinge line: midway between the hinge points, or below the wing for a flap that
            // drops away from it.
            const float h5[3] = {X[5], Y[5], Z[5]}, h8[3] = {X[8], Y[8], Z[8]};
            const int drops = v.flap[en][s] && moves_flap_hinge;
            for (int i = 0; i < 3; i++) {
                co[j][i] = (h5[i] + h8[i]) * 0.5f;
                if (drops) co[j][i] -= 2.0f * (h5[i] - h8[i]);
            }
        }
        const float span_scale = std::fabs(semilen) > 1e-6f ? (float)els / semilen : 0.0f;
        for (int i = 0; i < 3; i++) v.ca_xyz[en][2 * s][i] = span_scale * (co[2 * s + 1][i] - co[2 * s][i]);
    }
    const float rfac = is_prop ? -1.0f : -usable(v.lat_sign[en]);
    if (wide)
        part_normals<GEO_FOIL_POINTS, 0, 8>(g, sdim, rfac, v.n_xyz[en]);
    else
        part_normals<GEO_FOIL_POINTS, 0, 4>(g, sdim, rfac, v.n_xyz[en]);
}

//=== bodies and weapons =====================================================================

// The record's ring points as they are (numbers that are no use count as 0), into g and, unless
// it is null, the record's vertex-by-vertex mesh.
template <int RDIM>
static void read_rings(const veh_struct& v, int en, int sdim, soa_grid& g, float (*mesh)[ACF_BODY_POINTS][3])
{
    for (int s = 0; s < sdim; s++) {
        each4<0, RDIM>([&](int r) {
            const f4 x = usable4(load4(&v.body_X[en][s][r]));
            const f4 y = usable4(load4(&v.body_Y[en][s][r]));
            const f4 z = usable4(load4(&v.body_Z[en][s][r]));
            store4(&g.x[s][r], x);
            store4(&g.y[s][r], y);
            store4(&g.z[s][r], z);
            if (mesh) store_xyz4(mesh[s] + r, x, y, z);
        });
    }
}

// Where a body's points fall on its paint before the paint's rectangle is applied, each in 0..1:
// round the body, the girth of the first half-ring's points (measured along each half-ring from
// the body's mean height, so a side's markings line up station to station); along it, either a
// fraction per station (by_run) or each point's Z between the body's lowest and highest.
struct body_paint {
    float girth[ACF_BODY_STATIONS][HALF_RING];
    float along[ACF_BODY_STATIONS];
    float z_lo, z_k;
    int by_run;
    f4 along4(const soa_grid& g, int s, int r) const
    {
        return by_run ? all4(along[s]) : (load4(g.z[s] + r) - z_lo) * z_k;
    }
};

// y_sum: the Y of the first twelve stations summed (part_normals). by_run: along the line through the top points rather than by Z (a jet
// pipe or a weapon tapers, and its paint follows its outline rather than its length).
template <int RDIM>
static void body_paint_coords(const soa_grid& g, int sdim, float y_sum, int by_run, body_paint& bp)
{
    constexpr int rdim = RDIM, rsem = RDIM / 2;
    // Reference height: the first twelve stations summed, divided by all of them.
    const float y_ctr = y_sum / (float)(rdim * sdim);

    // Each segment's share above and below the reference height, every station first: the
    // stations' running sums below are then short chains side by side.
    float above[ACF_BODY_STATIONS][HALF_RING], below[ACF_BODY_STATIONS][HALF_RING];
    for (int s = 0; s < sdim; s++) {
        const float *X = g.x[s], *Y = g.y[s];
        each4<0, rsem>([&](int r) {
            const f4 y1 = load4(Y + r), y2 = load4(Y + r + 1), dx = load4(X + r + 1) - load4(X + r);
            const f4 seg = sqrt4((y2 - y1) * (y2 - y1) + dx * dx);
            const i4 up = (y1 >= y_ctr) & (y2 >= y_ctr), down = (y1 < y_ctr) & (y2 < y_ctr), across = ~(up | down);
            f4 a = select4(up, seg, f4{}), b = select4(down, seg, f4{});
            if (!all_lanes(~across)) {   // a segment the reference height crosses is split
                const f4 dy = abs4(y1 - y2);
                a = select4(across, seg * (select4(y1 > y2, y1, y2) - y_ctr) / dy, a);
                b = select4(across, seg * (y_ctr - select4(y1 < y2, y1, y2)) / dy, b);
            }
            store4(above[s] + r, a);
            store4(below[s] + r, b);
        });
    }
    float girth[ACF_BODY_STATIONS][HALF_RING];
    float lo = 999.0f, hi = -999.0f;
    for (int s = 0; s < sdim; s++) {
        const float* Y = g.y[s];
        // A half-ring wholly above (below) the reference height reaches it straight down (up).
        float shift = 0.0f;
        if (y_ctr <= Y[rsem]) shift += Y[rsem] - y_ctr;
        if (Y[0] <= y_ctr) shift += Y[0] - y_ctr;

        float run_above[HALF_RING + 1], run_below = 0.0f;
        run_above[rsem] = 0.0f;
        for (int r = rsem - 1; r >= 0; r--) run_above[r] = run_above[r + 1] + above[s][r];
        for (int R = 0; R < rsem; R++) {
            const float gr = (Y[R] >= y_ctr ? run_above[R] : -run_below) + shift;
            run_below += below[s][R];
            girth[s][R] = gr;
            lo = gr < lo ? gr : lo;
            hi = gr > hi ? gr : hi;
        }
    }
    const float g_scale = hi - lo > k_least_length ? 1.0f / (hi - lo) : 0.0f;
    for (int s = 0; s < sdim; s++)
        each4<0, rsem>([&](int R) { store4(bp.girth[s] + R, (load4(girth[s] + R) - lo) * g_scale); });

    bp.by_run = by_run;
    if (by_run) {
        float run[ACF_BODY_STATIONS];
        run[0] = 0.0f;
        for (int s = 1; s < sdim; s++) {
            const float dz = g.z[s][0] - g.z[s - 1][0], dy = g.y[s][0] - g.y[s - 1][0];
            run[s] = run[s - 1] + std::sqrt(dz * dz + dy * dy);
        }
        const float k = run[sdim - 1] > k_least_length ? 1.0f / run[sdim - 1] : 0.0f;
        for (int s = 0; s < sdim; s++) bp.along[s] = run[s] * k;
        return;
    }
    // The body's length range. Where its lowest or highest Z is 0 the lanes may meet +0 and -0
    // in another order than one point at a time would: that changes only the sign of a zero
    // length fraction, which the texture coordinate's start (never -0) then absorbs.
    f4 zlo4 = all4(g.z[0][0]), zhi4 = zlo4;
    for (int s = 0; s < sdim; s++)
        each4<0, rdim>([&](int r) {
            const f4 z = load4(g.z[s] + r);
            zlo4 = select4(z < zlo4, z, zlo4);
            zhi4 = select4(z > zhi4, z, zhi4);
        });
    float z_lo = zlo4[0], z_hi = zhi4[0];
    for (int i = 1; i < 4; i++) z_lo = zlo4[i] < z_lo ? zlo4[i] : z_lo, z_hi = zhi4[i] > z_hi ? zhi4[i] : z_hi;
    bp.z_lo = z_lo;
    bp.z_k = z_hi - z_lo > k_least_length ? 1.0f / (z_hi - z_lo) : 0.0f;
}

// The first half-ring's girth at points r..r+3 of station s, and the second's, which runs back
// up the other side (r >= RDIM/2): the first's, mirrored.
static inline f4 girth4(const body_paint& bp, int s, int r) { return load4(bp.girth[s] + r); }
template <int RDIM>
static inline f4 girth4_mirrored(const body_paint& bp, int s, int r)
{
    const f4 m = load4(bp.girth[s] + (RDIM - 4 - r));
    return __builtin_shufflevector(m, m, 3, 2, 1, 0);
}

template <int RDIM>
static void build_body(int p, int en, int sdim, int wide)
{
    veh_struct& v = veh[p];
    constexpr int rdim = RDIM, rsem = RDIM / 2;
    soa_grid g;
    read_rings<RDIM>(v, en, sdim, g, v.a_xyz[en]);
    const float y_sum = wide ? part_normals<RDIM, 1, 8>(g, sdim, 1.0f, v.n_xyz[en])
                             : part_normals<RDIM, 1, 4>(g, sdim, 1.0f, v.n_xyz[en]);

    body_paint bp;
    const int jet = en >= FIRST_NACELLE && en <= LAST_NACELLE && en_is_jet(p, en - FIRST_NACELLE);
    body_paint_coords<RDIM>(g, sdim, y_sum, jet, bp);

    const GEO_tex_rect rc = GEO_part_rect(en);
    const int girth_across = en >= FIRST_FAIRING;   // fairings lie the other way on the paint
    const float s0 = rc.s_from / 1024.0f, s1 = rc.s_to / 1024.0f;
    const float t0 = rc.t_from / rc.dy, t1 = rc.t_to / rc.dy;
    // The fuselage's and the nacelles' second sides each have a band of their own.
    const float side_band = en == FUSELAGE ? 252.0f / rc.dy
                            : (en >= FIRST_NACELLE && en <= LAST_NACELLE) ? 126.0f / rc.dy : 0.0f;
    grid2& st = v.st[en];
    auto put = [&](int s, int r, f4 gs, f4 band) {
        const f4 ls = bp.along4(g, s, r);
        if (girth_across)
            store_st4(st[s] + r, s0 + gs * (s1 - s0), t0 + ls * (t1 - t0) - band);
        else
            store_st4(st[s] + r, s0 + ls * (s1 - s0), t0 + gs * (t1 - t0) - band);
    };
    for (int s = 0; s < sdim; s++) {
        each4<0, rsem>([&](int r) { put(s, r, girth4(bp, s, r), f4{}); });
        each4<rsem, rdim>([&](int r) { put(s, r, girth4_mirrored<RDIM>(bp, s, r), all4(side_band)); });
    }
}

static void build_weapon(int p, int w, int wide)
{
    veh_struct& v = veh[p];
    constexpr int sdim = ACF_WPN_STATIONS, rdim = ACF_BODY_POINTS, rsem = rdim / 2;
    soa_grid g;
    read_rings<rdim>(v, w, sdim, g, nullptr);
    const float y_sum = wide ? part_normals<rdim, 1, 8>(g, sdim, 1.0f, v.wpn_n_xyz[w])
                             : part_normals<rdim, 1, 4>(g, sdim, 1.0f, v.wpn_n_xyz[w]);

    body_paint bp;
    body_paint_coords<rdim>(g, sdim, y_sum, 1, bp);
    // The weapon's paint: its length across the left half, one side above the middle, the
    // other below.
    for (int s = 0; s < sdim; s++) {
        const f4 ls = all4(bp.along[s] * 0.5078125f);
        each4<0, rsem>([&](int r) { store_st4(v.wpn_st[w][s] + r, ls, 0.515625f + girth4(bp, s, r) * (1.0f - 0.515625f)); });
        each4<rsem, rdim>([&](int r) {
            store_st4(v.wpn_st[w][s] + r, ls, 0.515625f + girth4_mirrored<rdim>(bp, s, r) * (1.0f - 0.515625f) - 0.515625f);
        });
    }
}

GEO_WIDE void GEO_build(int p)
{
    if (p < 0 || p >= ACF_RECORDS) return;
    const int wide = eight_wide();
    for (int en = 0; en < ACF_FOIL_PARTS; en++)
        if (have_this_part(p, en, 6)) build_wing(p, en, wide);
    for (int en = FIRST_BODY; en <= LAST_BODY; en++) {
        if (!have_this_part(p, en, 6)) continue;
        // Every body has the full ring but the gear fairings.
        const int sdim = f_body_s_DIM(p, en, 0), rdim = f_body_r_DIM(en, 0);
        if (sdim < 2) continue;
        if (rdim == ACF_BODY_POINTS) build_body<ACF_BODY_POINTS>(p, en, sdim, wide);
        if (rdim == FAIRING_POINTS) build_body<FAIRING_POINTS>(p, en, sdim, wide);
    }
    for (int w = 0; w < ACF_WPN_POINTS; w++)
        if (wpn_can_exist(p, w)) build_weapon(p, w, wide);
    build_weapon(p, ACF_WPN_SLOTS - 1, wide);   // the weapon being built, shown in the builder
}

//=== plan-view extents ======================================================================
GEO_WIDE void GEO_plan_extents(int p)
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
    // The bodies four points at a time; the largest distance is the same whichever lane finds it.
    f4 sx4 = all4(sx), sz4 = all4(sz);
    for (int en = FIRST_BODY; en <= LAST_BODY; en++) {
        if (!have_this_part(p, en, 6)) continue;
        const int sdim = f_body_s_DIM(p, en, 0), rdim = f_body_r_DIM(en, 0);
        const float c = en >= FIRST_NACELLE && en <= LAST_NACELLE
                            ? usable(v.side_cant_init[en - FIRST_NACELLE]) * con.degtorad : 0.0f;
        const float sc = std::sin(c), cc = std::cos(c);
        const float xarm = usable(v.Xarm[en]), zarm = usable(v.Zarm[en]);
        auto grow4 = [&](int s, int r) {
                const float* q = v.a_xyz[en][s][r];
                const f4 a = load4(q), b = load4(q + 4), d = load4(q + 8);   // x0 y0 z0 x1 | y1 z1 x2 y2 | z2 x3 y3 z3
                const f4 x01 = __builtin_shufflevector(a, b, 0, 3, 6, 6), z01 = __builtin_shufflevector(a, b, 2, 5, 5, 5);
                const f4 x = __builtin_shufflevector(x01, d, 0, 1, 2, 5), z = __builtin_shufflevector(z01, d, 0, 1, 4, 7);
                const f4 ax = abs4(cc * x + xarm - sc * z), az = abs4(sc * x + cc * z + zarm);
                sx4 = select4(ax > sx4, ax, sx4);
                sz4 = select4(az > sz4, az, sz4);
        };
        for (int s = 0; s < sdim; s++) {
            if (rdim == ACF_BODY_POINTS) each4<0, ACF_BODY_POINTS>([&](int r) { grow4(s, r); });
            if (rdim == FAIRING_POINTS) each4<0, FAIRING_POINTS>([&](int r) { grow4(s, r); });
        }
    }
    for (int i = 0; i < 4; i++) grow(sx4[i], sz4[i]);
    v.size_x = sx;
    v.size_z = sz;
    v.size_tot = pythag(sx, sz);
}
