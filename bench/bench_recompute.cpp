// The per-frame recompute of the edited aircraft on the shared fully populated aircraft (every
// part present, 8 engines, 10 elements per surface, 6 gear legs, 300 panel slots), settled on its
// gear as it is after a few seconds in the editor: the automatic settings and the derived
// specifications, the drawable geometry, and the three together as the editor runs them.
//
// Beside each its floor: one plain pass that reads and writes the same fields once, with none of
// the trigonometry, branching or presence tests: what moving that memory costs on its own.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstring>
#include <ctime>
#include <vector>

#include "draw/HL_DRPLANE.h"
#include "geometry/PLN_DEFL.h"
#include "geometry/PLN_PROCS.h"
#include "model/acf_defaults.h"
#include "model/acf_parts.h"
#include "model/ACF_check.h"
#include "model/acf_struct.h"
#include "base/records.h"
#include "shell/Hl_MNW.h"
#include "tests/support/ww_full_acf.h"

namespace {

void settled_aircraft(void)
{
    static bool done;
    if (done) return;
    done = true;
    MACIBM_zero_records();
    MACIBM_fill_constants();
    mnw.prd_FM = 0.02f;
    ww_full_acf(0);
    for (int i = 0; i < 3000; i++) update_plane_specs();
    veh[1] = veh[0];   // the floor's own copy, so its plain writes never reach the real pass
}

void BM_Autoset(benchmark::State& state)
{
    settled_aircraft();
    for (auto _ : state) {
        ACF_autoset(0);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_Autoset);

void BM_PlaneSpecs(benchmark::State& state)
{
    settled_aircraft();
    for (auto _ : state) {
        update_plane_specs();   // runs the automatic settings itself
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_PlaneSpecs);

// What a read followed by the first frame does: the settings, then the specifications.
void BM_AutosetThenSpecs(benchmark::State& state)
{
    settled_aircraft();
    for (auto _ : state) {
        ACF_autoset(0);
        update_plane_specs();
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_AutosetThenSpecs);

// The same fields, each read and written once in a straight loop.
void floor_pass(veh_struct& v)
{
    int (veh_struct::*const families[])[ACF_PARTS][ACF_ELEMENTS] = {
        &veh_struct::ail1, &veh_struct::ail2, &veh_struct::elev, &veh_struct::rudd, &veh_struct::spo1,
        &veh_struct::spo2, &veh_struct::yawb, &veh_struct::sbrk, &veh_struct::flap};
    float (veh_struct::*const ranges[])[ACF_PARTS] = {
        &veh_struct::ail1_elR, &veh_struct::ail2_elR, &veh_struct::elev_elR, &veh_struct::rudd_elR, &veh_struct::spo1_elR,
        &veh_struct::spo2_elR, &veh_struct::yawb_elR, &veh_struct::sbrk_elR, &veh_struct::flap_elR};
    for (int f = 0; f < 9; f++)
        for (int part = 0; part < ACF_PARTS; part++) {
            int n = 0;
            for (int e = 0; e < ACF_ELEMENTS; e++) n += (v.*families[f])[part][e];
            (v.*ranges[f])[part] = (float)n;
        }
    for (int part = 0; part < ACF_PARTS; part++) {
        v.element_len[part] = v.semilen_SEG[part] * 0.1f;
        v.lat_sign[part] = v.Xarm[part];
        for (int e = 0; e < ACF_ELEMENTS; e++) {
            v.s[part][e] = v.Croot[part] + v.Ctip[part] * v.sweep1[part];
            v.mac[part][e] = v.Croot[part] * v.Ctip[part];
        }
    }
    int fitted = 0;
    for (int slot = 0; slot < ACF_INSTRUMENTS; slot++) fitted |= v.ins_type[slot];
    v.has_radar = fitted;
    for (int s = 12; s < ACF_BODY_STATIONS; s++)
        for (int r = 0; r < ACF_BODY_POINTS; r++) v.body_Z[44][s][r] = v.body_Z[44][s][r] + v.body_Z[44][s - 1][r] * 0;
    for (int k = 0; k < ACF_THRUST_POINTS; k++)
        for (int e = 0; e < ACF_ELEMENTS; e++) {
            v.bladesweep[k][e] += 0.01f;
            v.incidence[k][e] = v.bladesweep[k][e] + v.des_kts_acf[k];
        }
    for (int k = 0; k < ACF_THRUST_POINTS; k++)
        v.Xarm[53 + k] = v.Xarm[k], v.Yarm[53 + k] = v.Yarm[k], v.Zarm[53 + k] = v.Zarm[k];
    for (int part = 0; part < ACF_PARTS; part++) {
        v.part_eq[part] = v.semilen_SEG[part] > 0.05f;
        v.rev_con[part] = v.Zarm[part] + v.Croot[part] < v.cgZ;
        v.gearcon[part] = v.m_max * 0.3f;
        v.geardmp[part] = v.gearcon[part] * 0.1f;
        v.is_left[part] = v.Xarm[part] < 0;
    }
    for (int g = 67; g <= 72; g++) {
        v.gear_latN[g] = v.gear_latE[g], v.gear_lonN[g] = v.gear_lonE[g], v.gear_axiN[g] = v.gear_axiE[g];
        v.gearstatdef[g] = v.gearcon[g] * v.tire_radius[g];
        v.Xarm[g - 6] = v.Xarm[g], v.Yarm[g - 6] = v.Yarm[g] + v.gearstatdef[g], v.Zarm[g - 6] = v.Zarm[g];
    }
    // The surface copies: 5 left mirrors and 14 engine surfaces, their 17 per-element fields.
    const int copies[][2] = {{9, 8},   {11, 10}, {13, 12}, {15, 14}, {17, 16}, {28, 29}, {28, 30},
                             {28, 31}, {28, 32}, {28, 33}, {28, 34}, {28, 35}, {36, 37}, {36, 38},
                             {36, 39}, {36, 40}, {36, 41}, {36, 42}, {36, 43}};
    for (const auto& c : copies) {
        memcpy(v.Rafl0[c[1]], v.Rafl0[c[0]], sizeof v.Rafl0[0]);
        memcpy(v.Rafl1[c[1]], v.Rafl1[c[0]], sizeof v.Rafl1[0]);
        memcpy(v.Tafl0[c[1]], v.Tafl0[c[0]], sizeof v.Tafl0[0]);
        memcpy(v.Tafl1[c[1]], v.Tafl1[c[0]], sizeof v.Tafl1[0]);
        for (auto f : {&veh_struct::Xarm, &veh_struct::Yarm, &veh_struct::Zarm, &veh_struct::Croot, &veh_struct::Ctip,
                       &veh_struct::dihed1, &veh_struct::dihed2, &veh_struct::sweep1, &veh_struct::sweep2,
                       &veh_struct::semilen_SEG, &veh_struct::inc2})
            (v.*f)[c[1]] = (v.*f)[c[0]];
        memcpy(v.incidence[c[1]], v.incidence[c[0]], sizeof v.incidence[0]);
        for (auto f : families) memcpy((v.*f)[c[1]], (v.*f)[c[0]], sizeof((v.*f)[0]));
        for (auto f : {&veh_struct::slat, &veh_struct::inc_ail1, &veh_struct::inc_ail2, &veh_struct::inc_elev,
                       &veh_struct::inc_rudd, &veh_struct::inc_vect, &veh_struct::inc_trim})
            memcpy((v.*f)[c[1]], (v.*f)[c[0]], sizeof((v.*f)[0]));
    }
}

void BM_Floor(benchmark::State& state)
{
    settled_aircraft();
    for (auto _ : state) {
        floor_pass(veh[1]);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_Floor);

double wall_us(void) { return std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now().time_since_epoch()).count(); }

// The thread's own CPU clock: the time other jobs hold the core is not counted.
double thread_cpu_us(void)
{
    timespec t;
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return (double)t.tv_sec * 1e6 + (double)t.tv_nsec * 1e-3;
}

// A piece of work and its floor side by side: each round runs the work n times, then the floor n
// times, so both see the same load from the rest of the machine; the counters are the medians of
// the rounds' times per run (`ours` and "floor_us") and of their ratios.
template <class Work, class Floor>
void paired_rounds(benchmark::State& state, int n, double (*now_us)(void), const char* ours, Work work, Floor floor)
{
    std::vector<double> mine, plain, ratio;
    for (auto _ : state) {
        const double t0 = now_us();
        for (int i = 0; i < n; i++) work(), benchmark::ClobberMemory();
        const double t1 = now_us();
        for (int i = 0; i < n; i++) floor(), benchmark::ClobberMemory();
        const double t2 = now_us();
        mine.push_back((t1 - t0) / n);
        plain.push_back((t2 - t1) / n);
        ratio.push_back(mine.back() / plain.back());
    }
    auto median = [](std::vector<double> v) {
        std::sort(v.begin(), v.end());
        return v.empty() ? 0.0 : v[v.size() / 2];
    };
    state.counters[ours] = median(mine);
    state.counters["floor_us"] = median(plain);
    state.counters["ratio"] = median(ratio);
}

// The two side by side: rounds of 200 frames' specifications, then 200 floor passes, alternate,
// so both see the same load from the rest of the machine; the ratio is the median of the rounds'.
void BM_SpecsOverFloor(benchmark::State& state)
{
    settled_aircraft();
    paired_rounds(state, 200, wall_us, "specs_us", [] { update_plane_specs(); }, [] { floor_pass(veh[1]); });
}
BENCHMARK(BM_SpecsOverFloor)->Iterations(101);

//=== the drawable geometry ==================================================================
// The build the editor runs every frame for aircraft 0: meshes, hinge lines, normals, texture
// coordinates, weapons and plan-view extents; no templates, no textures.
void BM_GeometryBuild(benchmark::State& state)
{
    settled_aircraft();
    update_def_angles(0);
    for (auto _ : state) {
        load_plane_geo(0, 0, 0, 0);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_GeometryBuild);

// Its floor: a plain loop storing a computed value into every vertex, normal and texture
// coordinate the build writes, for the same parts, stations and points (into the floor's copy).
struct geometry_floor {
    int sdim[ACF_PARTS] = {}, rdim[ACF_PARTS] = {}, weapons = 0;
    geometry_floor()
    {
        settled_aircraft();
        for (int en = 0; en < ACF_PARTS; en++)
            if (have_this_part(0, en, 6) && (en < ACF_FOIL_PARTS || en >= 44) && en <= 66)
                sdim[en] = f_body_s_DIM(0, en, 0), rdim[en] = f_body_r_DIM(en, 0);
        for (int w = 0; w < ACF_WPN_POINTS; w++) weapons += wpn_can_exist(0, w);
    }
    void run(veh_struct& v) const
    {
        for (int en = 0; en < ACF_PARTS; en++)
            for (int s = 0; s < sdim[en]; s++)
                for (int r = 0; r < rdim[en]; r++) {
                    const float x = 0.25f * (float)s + 0.5f * (float)r;
                    float* a = v.a_xyz[en][s][r];
                    float* n = v.n_xyz[en][s][r];
                    a[0] = x, a[1] = x + 1, a[2] = x + 2;
                    n[0] = 0.1f * x, n[1] = 0.2f * x, n[2] = 0.3f * x;
                    v.st[en][s][r][0] = 0.01f * x, v.st[en][s][r][1] = 0.02f * x;
                }
        for (int w = 0; w < weapons; w++)
            for (int s = 0; s < ACF_WPN_STATIONS; s++)
                for (int r = 0; r < ACF_BODY_POINTS; r++) {
                    const float x = 0.25f * (float)s + 0.5f * (float)r;
                    float* n = v.wpn_n_xyz[w][s][r];
                    n[0] = 0.1f * x, n[1] = 0.2f * x, n[2] = 0.3f * x;
                    v.wpn_st[w][s][r][0] = 0.01f * x, v.wpn_st[w][s][r][1] = 0.02f * x;
                }
    }
};

void BM_GeometryFloor(benchmark::State& state)
{
    const geometry_floor floor;
    for (auto _ : state) {
        floor.run(veh[1]);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_GeometryFloor);

// The two side by side: rounds of 100 builds, then 100 floor passes, timed by the thread's own
// CPU clock.
void BM_GeometryOverFloor(benchmark::State& state)
{
    const geometry_floor floor;
    update_def_angles(0);
    paired_rounds(state, 100, thread_cpu_us, "build_us", [] { load_plane_geo(0, 0, 0, 0); }, [&] { floor.run(veh[1]); });
}
BENCHMARK(BM_GeometryOverFloor)->Iterations(101);

// The whole end-of-frame recompute as the editor runs it: deflections, geometry, specifications.
void BM_WholeRecompute(benchmark::State& state)
{
    settled_aircraft();
    for (auto _ : state) {
        flt[0].swdi_rat = 0;
        update_def_angles(0);
        load_plane_geo(0, 0, 0, 0);
        update_plane_specs();
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_WholeRecompute);

}  // namespace

BENCHMARK_MAIN();
