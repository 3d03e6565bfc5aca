// Body shaping and the fuselage window, on the fully populated aircraft:
// - one smoothing pass (light, then full) over every body, as the menu's commands run it from the
//   main screen, undo bracket included, next to a plain loop touching the same points;
// - the fuselage window's frame (1024 x 768, aircraft pane, 20-station editor) with a point being
//   dragged: the mouse held down and moving every frame.
// Run under Xvfb: LP_NUM_THREADS=0 xvfb-run -a -s "-screen 0 1280x1024x24" build/bench_bodies
#include "shell/Hl_MNW.h"
#include "editor/APPLICATION.h"
#include "editor/win_body.h"
#include "model/acf_defaults.h"
#include "model/acf_struct.h"
#include "model/set_struct.h"
#include "tests/support/ww_full_acf.h"
#include "tests/support/ww_test.h"
#include "draw/ogl.h"
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <ctime>

static double cpu_seconds(void)
{
    timespec t;
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return t.tv_sec + t.tv_nsec * 1e-9;
}

// Microseconds per call of f, best of 5 rounds of n calls.
template <class F> static double us_per_call(F f, int n)
{
    double best = 1e30;
    for (int round = 0; round < 5; round++) {
        auto t0 = std::chrono::steady_clock::now();
        for (int i = 0; i < n; i++) f();
        best = std::min(best, std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - t0).count() / n);
    }
    return best;
}

static void smooth_all(int full)
{
    for (int en = 44; en <= 66; en++) smoothit_main(en, full, 0);
    smoothit_main(24, full, 1);
}

// The floor: read and write every point of the same bodies once.
static void touch_all(void)
{
    veh_struct& v = veh[0];
    for (int en : {24, 44, 45, 46, 47, 48, 49, 50, 51, 52, 53, 54, 55, 56, 57, 58, 59, 60, 61, 62, 63, 64, 65, 66}) {
        const int S = f_body_s_DIM(0, en, en == 24), R = f_body_r_DIM(en, en == 24);
        for (int s = 0; s < S; s++)
            for (int r = 0; r < R; r++) {
                v.body_X[en][s][r] = v.body_X[en][s][r] * 0.999f + 0.001f;
                v.body_Y[en][s][r] = v.body_Y[en][s][r] * 0.999f + 0.001f;
            }
    }
}

int main()
{
    app_path = WW_AERODECK_DIR;
    ww_catch_alerts();
    MACIBM_init();
    ww_paint_event();
    for (int i = 0; i < 3; i++) MACIBM_event_proc();
    ww_full_acf(0);
    setup_base_wpn(24);

    MACIBM_startwind(0, "benchmark");
    static veh_struct saved;
    saved = veh[0];
    const double light = us_per_call([] { smooth_all(0); }, 500);
    veh[0] = saved;
    const double full = us_per_call([] { smooth_all(1); }, 500);
    const double floor = us_per_call(touch_all, 500);
    veh[0] = saved;

    // The drag: pressed on the widest point of the fourth station box, then moved a pixel up or
    // down each frame.
    MACIBM_startwind(611, "benchmark");
    set.body_edit_view = 0;
    MACIBM_event_proc();                           // the window settles its view (zoom, pan)
    const float x = BODY_box_x(3) + 2 + veh[0].body_X[44][3][4] * BODY_section_scale(44);
    const float y = BODY_BOX_MID - 2 + veh[0].body_Y[44][3][4] * BODY_section_scale(44);
    ww_mouse_to(x, y);
    MACIBM_event_proc();
    ww_mouse_button(1);
    MACIBM_event_proc();
    int k = 0;
    auto frame = [&] {
        ww_mouse_to(x - 10 + (k++ % 2), y);
        MACIBM_event_proc();
    };
    const int frames = 200;
    double best_wall = 1e30, best_cpu = 1e30;
    for (int round = 0; round < 5; round++) {
        for (int i = 0; i < 10; i++) frame();
        glFinish();
        auto t0 = std::chrono::steady_clock::now();
        const double c0 = cpu_seconds();
        for (int i = 0; i < frames; i++) frame();
        glFinish();
        best_cpu = std::min(best_cpu, (cpu_seconds() - c0) * 1000 / frames);
        best_wall = std::min(best_wall, std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - t0).count() / frames);
    }
    const float dragged = veh[0].body_X[44][3][4];
    ww_mouse_button(0);
    MACIBM_event_proc();

    printf("smoothing, every body (24), light pass : %8.1f us\n", light);
    printf("smoothing, every body (24), full pass  : %8.1f us\n", full);
    printf("  floor: touching the same points once : %8.1f us\n", floor);
    printf("fuselage window frame, drag under way  : %8.3f ms wall (%6.1f fps), %8.3f ms CPU\n", best_wall,
           1000 / best_wall, best_cpu);
    printf("  the dragged point went from %.3f ft to %.3f ft across\n", saved.body_X[44][3][4], dragged);
    MACIBM_finishup(0);
    return 0;
}
