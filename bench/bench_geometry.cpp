// Cost of the per-frame geometry build (load_plane_geo without textures or templates) of an
// aircraft with every part present, next to the floor: a plain loop that stores a computed value
// into every vertex, normal and texture coordinate the build writes (the same parts, stations and
// points, the weapons' normals and coordinates too). The ratio is what the geometry itself costs
// over merely touching its output.

#include <benchmark/benchmark.h>

#include <cmath>

#include "draw/HL_DRPLANE.h"
#include "geometry/PLN_PROCS.h"
#include "geometry/PLN_DEFL.h"
#include "model/acf_struct.h"
#include "model/acf_defaults.h"
#include "shell/Hl_MNW.h"
#include "base/records.h"

namespace {

// Every part present with its largest grid: eight propellers and 36 flying surfaces of ten
// elements, with controls, twist and sweep; 23 bodies of tapering rings; 24 weapons.
void populate(void)
{
    MACIBM_zero_records();
    MACIBM_fill_constants();
    veh_struct& v = veh[0];
    flt_struct& f = flt[0];
    v.num_engines = v.num_thrustpoints = 8;
    for (int en = 0; en < ACF_FOIL_PARTS; en++) {
        v.part_eq[en] = 1;
        v.els[en] = ACF_ELEMENTS;
        v.Croot[en] = 5.0f - 0.05f * en;
        v.Ctip[en] = 2.0f;
        v.afl[en].t_rat[0] = 0.12f;
        v.afl[en].t_rat[1] = 0.09f;
        v.semilen_SEG[en] = 10.0f + 0.1f * en;
        v.element_len[en] = v.semilen_SEG[en] / ACF_ELEMENTS;
        v.Xarm[en] = 0.3f * en;
        v.Yarm[en] = 1.0f;
        v.Zarm[en] = 0.2f * en - 4.0f;
        v.dihed1[en] = 5.0f;
        v.lat_sign[en] = en % 2 ? 1.0f : -1.0f;
        if (en < ACF_THRUST_POINTS) v.prop_dir[en] = en % 2 ? 1.0f : -1.0f;
        f.sin_act_sweep[en] = std::sin(10 * con.degtorad);
        f.cos_act_sweep[en] = std::cos(10 * con.degtorad);
        f.sin_act_dihed[en] = std::sin(5 * con.degtorad);
        f.cos_act_dihed[en] = std::cos(5 * con.degtorad);
        for (int s = 0; s < ACF_ELEMENTS; s++) {
            v.incidence[en][s] = 3.0f - 0.3f * s;
            if (en < ACF_THRUST_POINTS) v.bladesweep[en][s] = 2.0f * s;
            v.flap[en][s] = s < 5;
            v.ail1[en][s] = s >= 6;
        }
        v.flap_elT[en] = 5.0f;
        v.ail1_elR[en] = 6.0f;
        v.ail1_elT[en] = 10.0f;
    }
    v.flap_cratR = v.flap_cratT = 0.3f;
    v.ail1_cratR = 0.25f;
    v.ail1_cratT = 0.3f;
    v.flap_type = 2;
    auto ring = [&v](int en, int sdim, int rdim) {
        for (int s = 0; s < sdim; s++) {
            const float rad = 0.2f + 2.0f * std::sin(con.pi * (s + 0.5f) / sdim);
            for (int k = 0; k < rdim; k++) {
                const float a = con.pi * 2 * (k < rdim / 2 ? k : k - 1) / (rdim - 2);
                v.body_X[en][s][k] = rad * std::sin(a);
                v.body_Y[en][s][k] = rad * std::cos(a) * 1.2f;
                v.body_Z[en][s][k] = 1.5f * s;
            }
        }
    };
    for (int en = 44; en <= 66; en++) {
        v.part_eq[en] = 1;
        ring(en, f_body_s_DIM(0, en, 0), f_body_r_DIM(en, 0));
    }
    for (int w = 0; w < ACF_WPN_POINTS; w++) {
        v.wpn[w].type = 1;
        ring(w, ACF_WPN_STATIONS, ACF_BODY_POINTS);
    }
}

void BM_GeometryBuild(benchmark::State& state)
{
    populate();
    for (auto _ : state) {
        load_plane_geo(0, 0, 0, 0);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_GeometryBuild)->Unit(benchmark::kMicrosecond);

// The end-of-frame recompute as far as it exists: the build and the derived specifications.
void BM_FrameRecompute(benchmark::State& state)
{
    populate();
    for (auto _ : state) {
        load_plane_geo(0, 0, 0, 0);
        update_plane_specs();
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_FrameRecompute)->Unit(benchmark::kMicrosecond);

void BM_GeometryFloor(benchmark::State& state)
{
    populate();
    veh_struct& v = veh[0];
    for (auto _ : state) {
        for (int en = 0; en <= 66; en++) {
            const int sdim = f_body_s_DIM(0, en, 0), rdim = f_body_r_DIM(en, 0);
            for (int s = 0; s < sdim; s++)
                for (int r = 0; r < rdim; r++) {
                    const float x = 0.25f * s + 0.5f * r;
                    float* a = v.a_xyz[en][s][r];
                    float* n = v.n_xyz[en][s][r];
                    a[0] = x, a[1] = x + 1, a[2] = x + 2;
                    n[0] = 0.1f * x, n[1] = 0.2f * x, n[2] = 0.3f * x;
                    v.st[en][s][r][0] = 0.01f * x, v.st[en][s][r][1] = 0.02f * x;
                }
        }
        for (int w = 0; w < ACF_WPN_POINTS; w++)
            for (int s = 0; s < ACF_WPN_STATIONS; s++)
                for (int r = 0; r < ACF_BODY_POINTS; r++) {
                    const float x = 0.25f * s + 0.5f * r;
                    float* n = v.wpn_n_xyz[w][s][r];
                    n[0] = 0.1f * x, n[1] = 0.2f * x, n[2] = 0.3f * x;
                    v.wpn_st[w][s][r][0] = 0.01f * x, v.wpn_st[w][s][r][1] = 0.02f * x;
                }
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_GeometryFloor)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
