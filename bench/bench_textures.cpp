// Loading the instrument pictures: 611 PNG files of 128 x 128 (made here, one per instrument
// slot) through OGL_texbmp, next to the floor: a minimal libpng decode of the same files and a
// plain glTexImage2D upload. Needs a GL context: run under Xvfb,
//   xvfb-run -a -s "-screen 0 1280x1024x24" ./build/bench_textures
// The ratio of the two medians is printed at the end.
#include <benchmark/benchmark.h>
#include "draw/HL_BITMAP.h"
#include "draw/HL_GRAPH.h"
#include "shell/Hl_MNW.h"
#include "tests/support/ww_test.h"
#include <png.h>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <map>
#include <string>
#include <vector>
#include <unistd.h>

namespace {

const int NUM_PICS = 611, DIM = 128;

std::string s_dir;
std::vector<std::string> s_files;

// An instrument face: a round dial with ticks and a needle on a transparent square, lightly
// noisy so that it compresses like a painted picture rather than a flat fill. No gAMA chunk,
// like most hand-made instrument art, so the loader's gamma step is part of the cost.
int write_instrument(const std::string& path, int seed)
{
    std::vector<unsigned char> rgba((size_t)DIM * DIM * 4);
    unsigned rnd = (unsigned)seed * 2654435761u;
    const float needle = (float)seed * 0.37f;
    for (int y = 0; y < DIM; y++)
        for (int x = 0; x < DIM; x++) {
            unsigned char* p = &rgba[((size_t)y * DIM + x) * 4];
            const float dx = x - 63.5f, dy = y - 63.5f, r = std::sqrt(dx * dx + dy * dy);
            rnd = rnd * 1664525u + 1013904223u;
            const int noise = (int)(rnd >> 28) - 8;
            if (r > 62) { p[0] = p[1] = p[2] = p[3] = 0; continue; }
            int v = 40 + (int)(r * 0.5f) + noise;
            const float ang = std::atan2(dy, dx);
            if (r > 50 && std::fmod(ang * 12 / 3.14159f + 24, 1.0f) < 0.12f) v = 230;   // ticks
            if (std::fabs(std::sin(ang - needle)) * r < 1.5f && std::cos(ang - needle) > 0) v = 250;   // needle
            p[0] = (unsigned char)std::clamp(v, 0, 255);
            p[1] = (unsigned char)std::clamp(v + 10, 0, 255);
            p[2] = (unsigned char)std::clamp(v - 5, 0, 255);
            p[3] = 255;
        }
    FILE* f = fopen(path.c_str(), "wb");
    if (!f) return 0;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png_create_info_struct(png);
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        fclose(f);
        return 0;
    }
    png_init_io(png, f);
    png_set_IHDR(png, info, DIM, DIM, 8, PNG_COLOR_TYPE_RGBA, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
                 PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    for (int y = 0; y < DIM; y++) png_write_row(png, &rgba[(size_t)y * DIM * 4]);
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    return fclose(f) == 0;
}

void BM_plain_libpng_upload(benchmark::State& state)
{
    std::vector<unsigned char> buf((size_t)DIM * DIM * 4);
    for (auto _ : state) {
        for (int i = 0; i < NUM_PICS; i++) ww_plain_png_upload(s_files[i], 20000u + (unsigned)i, buf, DIM);
        ww_gl_finish();
    }
    state.counters["pictures/s"] = benchmark::Counter((double)NUM_PICS, benchmark::Counter::kIsIterationInvariantRate);
}

// Slots that are not multiples of five, so the start-up progress panel stays out of the timing.
int quiet_slot(int i) { return 1001 + i + i / 4; }

void BM_OGL_texbmp(benchmark::State& state)
{
    for (auto _ : state) {
        for (int i = 0; i < NUM_PICS; i++) OGL_texbmp(-100, quiet_slot(i), -109, s_files[i]);
        ww_gl_finish();
    }
    state.counters["pictures/s"] = benchmark::Counter((double)NUM_PICS, benchmark::Counter::kIsIterationInvariantRate);
}

// As at start-up: the instrument slots, with the progress panel drawn for every fifth slot.
void BM_OGL_texbmp_startup_slots(benchmark::State& state)
{
    for (auto _ : state) {
        for (int i = 0; i < NUM_PICS; i++) OGL_texbmp(-100, 7942 + i, -109, s_files[i]);
        ww_gl_finish();
    }
    state.counters["pictures/s"] = benchmark::Counter((double)NUM_PICS, benchmark::Counter::kIsIterationInvariantRate);
}

BENCHMARK(BM_plain_libpng_upload)->Unit(benchmark::kMillisecond)->Repetitions(7)->UseRealTime();
BENCHMARK(BM_OGL_texbmp)->Unit(benchmark::kMillisecond)->Repetitions(7)->UseRealTime();
BENCHMARK(BM_OGL_texbmp_startup_slots)->Unit(benchmark::kMillisecond)->Repetitions(3)->UseRealTime();

// Keeps every repetition's time so the medians can be compared after the run.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    std::map<std::string, std::vector<double>> real, cpu;
    void ReportRuns(const std::vector<Run>& runs) override
    {
        for (const Run& r : runs)
            if (r.run_type == Run::RT_Iteration) {
                real[r.run_name.function_name].push_back(r.GetAdjustedRealTime());
                cpu[r.run_name.function_name].push_back(r.GetAdjustedCPUTime());
            }
        ConsoleReporter::ReportRuns(runs);
    }
    static double median(std::vector<double> v)
    {
        if (v.empty()) return 0;
        std::sort(v.begin(), v.end());
        return v[v.size() / 2];
    }
};

void remove_dir(void) { std::error_code ec; std::filesystem::remove_all(s_dir, ec); }

}  // namespace

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    if (!MACIBM_sys_init() || !MACIBM_sys_create_window(1024, 768, 32, 0)) {
        fprintf(stderr, "bench_textures: no GL context (run under xvfb-run)\n");
        return 1;
    }
    MACIBM_probe_gl();
    OGL_fixed_state(MACIBM_sys_gl_proc);
    OGL_forget_state();
    ren.num_tex_units = 1;
    for (int i = 0; i < 256; i++) win_gamma[i] = (unsigned char)i;
    if (!ww_gl_floor_ready()) {
        fprintf(stderr, "bench_textures: GL entry points not found\n");
        return 1;
    }

    s_dir = ww_temp_dir("bench-textures");
    std::filesystem::create_directories(s_dir);
    atexit(remove_dir);
    size_t bytes = 0;
    for (int i = 0; i < NUM_PICS; i++) {
        s_files.push_back(s_dir + "ins" + std::to_string(i) + ".png");
        if (!write_instrument(s_files.back(), i)) {
            fprintf(stderr, "bench_textures: cannot write %s\n", s_files.back().c_str());
            return 1;
        }
        bytes += std::filesystem::file_size(s_files.back());
    }
    printf("%d pictures of %d x %d, %.1f KB each on average\n", NUM_PICS, DIM, DIM, bytes / 1024.0 / NUM_PICS);

    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    // CPU time as well: on a machine shared with other work it moves less than wall-clock time.
    for (int use_cpu = 0; use_cpu <= 1; use_cpu++) {
        auto& t = use_cpu ? reporter.cpu : reporter.real;
        const char* what = use_cpu ? "CPU" : "real";
        const double floor_ms = RatioReporter::median(t["BM_plain_libpng_upload"]);
        const double ours_ms = RatioReporter::median(t["BM_OGL_texbmp"]);
        const double startup_ms = RatioReporter::median(t["BM_OGL_texbmp_startup_slots"]);
        if (floor_ms > 0 && ours_ms > 0)
            printf("median %s time: plain libpng + upload %.1f ms, OGL_texbmp %.1f ms, ratio %.2f\n", what, floor_ms,
                   ours_ms, ours_ms / floor_ms);
        if (floor_ms > 0 && startup_ms > 0)
            printf("median %s time: OGL_texbmp into the start-up slots (progress panel every fifth) %.1f ms, ratio %.2f\n",
                   what, startup_ms, startup_ms / floor_ms);
    }
    benchmark::Shutdown();
    return 0;
}
