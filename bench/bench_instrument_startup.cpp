// Start-up to the first drawn frame with all 611 instrument bitmaps loaded, the way the program
// starts (window and GL context, interface art, text, editor preferences, the light sprites, the
// instrument check, scan and load, then frames until one is shown), beside its floor: the same
// start with the instrument loader replaced by a plain libpng decode and glTexImage2D upload of
// the same 611 files on the main thread. A third start without any instruments shows what the
// rest of start-up costs. Each start runs in a fresh child process, the three kinds interleaved.
// Run under Xvfb: xvfb-run -a -s "-screen 0 1280x1024x24" build/bench_instrument_startup
#include "shell/Hl_MNW.h"
#include "editor/instruments.h"
#include "draw/HL_BITMAP.h"
#include "draw/ren_struct.h"
#include "base/IO_UTILS.h"
#include "tests/support/ww_test.h"
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

typedef std::chrono::steady_clock clk;

static double ms_since(clk::time_point t0) { return std::chrono::duration<double, std::milli>(clk::now() - t0).count(); }

static int s_frames_shown;
static void count_frame(void) { s_frames_shown++; }

enum { PROGRAM, FLOOR, NO_INSTRUMENTS, KINDS };

// One start in this process: milliseconds to the first frame shown.
static double one_start(int kind)
{
    auto t0 = clk::now();
    app_path = WW_AERODECK_DIR;
    INS_decode_at_init(kind == PROGRAM);        // as the program's own start does
    MACIBM_init();
    MACIBM_read_editor_prefs();
    OGL_texbmp(OGL_TYPE_UPLOAD, REN_TEX_LIGHTS, OGL_FILT_BRIGHT_MIP, bmp_path + "world:lites:lights.bmp");
    if (kind == PROGRAM) MACIBM_load_instruments();
    if (kind == FLOOR) {
        std::vector<unsigned char> buf((size_t)1024 * 1024 * 4);
        for (int k = 0; k < INS_NUM_TYPES; k++) ww_plain_png_upload(IO_host_path(bmp_path + INS_catalogue[k]), 30000u + (unsigned)k, buf, 1024);
    }
    g_test_before_swap = count_frame;
    ww_paint_event();
    while (!s_frames_shown) MACIBM_event_proc();
    const double ms = ms_since(t0);
    MACIBM_finishup(1);
    return ms;
}

// Wall-clock milliseconds of one start in a fresh child; *cpu_ms gets the child's CPU time
// (user and system, every thread), which load from other processes disturbs far less.
static double start_in_child(int kind, double* cpu_ms)
{
    int fd[2];
    double t = -1;
    *cpu_ms = -1;
    if (pipe(fd) != 0) return t;
    pid_t pid = fork();
    if (pid == 0) {
        close(fd[0]);
        ww_catch_alerts();                       // an alert is reported, never waited on
        double c = -1;
        try {
            c = one_start(kind);
        } catch (const ww_fatal& e) {
            fprintf(stderr, "fatal alert: %s / %s / %s\n", e.lines[0].c_str(), e.lines[1].c_str(), e.lines[2].c_str());
        }
        for (const ww_alert_record& a : g_test_alerts) fprintf(stderr, "alert %d: %s\n", a.type, a.lines[0].c_str());
        ssize_t n = write(fd[1], &c, sizeof c);
        _exit(n == (ssize_t)sizeof c ? 0 : 1);
    }
    close(fd[1]);
    if (pid > 0) {
        if (read(fd[0], &t, sizeof t) != (ssize_t)sizeof t) t = -1;
        struct rusage ru {};
        if (wait4(pid, nullptr, 0, &ru) == pid)
            *cpu_ms = (ru.ru_utime.tv_sec + ru.ru_stime.tv_sec) * 1e3 + (ru.ru_utime.tv_usec + ru.ru_stime.tv_usec) / 1e3;
    }
    close(fd[0]);
    return t;
}

static double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v.empty() ? 0 : v[v.size() / 2];
}

int main(int argc, char** argv)
{
    // "one K": a single start of kind K in this process, for a profiler (perf, callgrind).
    if (argc == 3 && !strcmp(argv[1], "one")) {
        ww_catch_alerts();
        printf("%.1f ms\n", one_start(atoi(argv[2]) % KINDS));
        return 0;
    }
    double cpu = 0;
    start_in_child(PROGRAM, &cpu);               // creates the preference files, warms the file cache; not counted
    const int starts = argc == 2 ? atoi(argv[1]) : 11;
    std::vector<double> t[KINDS], c[KINDS];
    for (int i = 0; i < starts; i++)
        for (int k = 0; k < KINDS; k++) {
            const int kind = (k + i) % KINDS;    // rotate the order so changing load falls on all alike
            const double ms = start_in_child(kind, &cpu);
            if (ms < 0) {
                fprintf(stderr, "start %d of kind %d failed\n", i, kind);
                return 1;
            }
            t[kind].push_back(ms);
            c[kind].push_back(cpu);
        }
    static const char* const names[KINDS] = {"with the instrument loader", "floor: plain decode + upload", "without instruments"};
    for (int k = 0; k < KINDS; k++)
        printf("start-up to first frame, %-29s: median %7.1f ms, best %7.1f ms; CPU median %7.1f ms, best %7.1f ms\n",
               names[k], median(t[k]), *std::min_element(t[k].begin(), t[k].end()), median(c[k]),
               *std::min_element(c[k].begin(), c[k].end()));
    printf("ratio loader / floor (medians): %.2f wall-clock, %.2f CPU\n", median(t[PROGRAM]) / median(t[FLOOR]),
           median(c[PROGRAM]) / median(c[FLOOR]));
    return 0;
}
