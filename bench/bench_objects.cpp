// Object files: parsing a 10,000-primitive object, next to the floor of reading the same text's
// numbers with strtod alone; and the main view's frame with that object drawn through its display
// list, next to the same frame without it (and with its commands sent one by one). Run under Xvfb:
//   xvfb-run -a -s "-screen 0 1280x1024x24" build/bench_objects
#include "draw/io_obj.h"
#include "draw/HL_GRAPH.h"
#include "draw/ogl.h"
#include "editor/APPLICATION.h"
#include "shell/Hl_MNW.h"
#include "tests/support/ww_test.h"
#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

const int PRIMS = 10000;

// Groups of ten quads and ten triangles on a wavy sheet, as an exporter writes a large model.
std::string big_object(void)
{
    std::string t = "I\n700 version\nOBJ\n\nnone\n\n";
    char buf[128];
    for (int p = 0; p < PRIMS; p++) {
        const bool quad = (p / 10) % 2 == 0;
        t += quad ? "quad\n" : "tri\n";
        const float x = (float)(p % 100) * 0.1f, z = (float)(p / 100) * 0.1f;
        const float cx[4] = {0, 0, 0.1f, 0.1f}, cz[4] = {0, 0.1f, 0.1f, 0};
        for (int v = 0; v < (quad ? 4 : 3); v++) {
            const float vx = x + cx[v], vz = z + cz[v], vy = 0.05f * std::sin(vx * 3) * std::cos(vz * 2);
            snprintf(buf, sizeof buf, "%9.4f %9.4f %9.4f   %.4f %.4f\n", vx, vy, vz, cx[v] * 10, cz[v] * 10);
            t += buf;
        }
    }
    t += "end\n";
    return t;
}

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

template <class F> double ms(F f)
{
    auto t0 = std::chrono::steady_clock::now();
    f();
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - t0).count();
}

// The floor: every number of the text through strtod, the words skipped.
double floor_parse(const std::string& t)
{
    double sum = 0;
    const char* p = t.c_str();
    while (*p) {
        char* end;
        const double v = strtod(p, &end);
        if (end != p) {
            sum += v;
            p = end;
        } else {
            p++;
        }
    }
    return sum;
}

int s_model = -1, s_mode = 0;              // what the frame hook draws: 0 nothing, 1 list, 2 commands

void draw_model(void)
{
    if (!s_mode) return;
    glClear(GL_DEPTH_BUFFER_BIT);
    OGL_viewport(3, -1, -1, 1, 1, 0, 0, 1024, 768, 1, 1000, 1);
    plot_build_obj(s_model, 0, -16, -8, -40, -20, 30, 0, 0, s_mode, 1);
    OGL_2d_projection();
}

double ms_per_frame(int frames)
{
    for (int i = 0; i < 3; i++) MACIBM_event_proc();
    glFinish();
    const double t = ms([&] {
        for (int i = 0; i < frames; i++) MACIBM_event_proc();
        glFinish();
    });
    return t / frames;
}

}   // namespace

int main()
{
    const std::string text = big_object();
    MACIBM_fill_constants();
    // Parsing alone: no GL context yet, so nothing is compiled.
    std::vector<double> ours, floor, ratio;
    for (int round = 0; round < 11; round++) {
        OBJ_reset();
        ours.push_back(ms([&] { OBJ_build_from_memory((const unsigned char*)text.data(), (long)text.size(), "big.obj", 13); }));
        volatile double sink = 0;
        floor.push_back(ms([&] { sink = floor_parse(text); }));
        ratio.push_back(ours.back() / floor.back());
    }
    printf("object of %d primitives, %zu bytes of text\n", PRIMS, text.size());
    printf("parse into commands           : %7.2f ms (median of 11)\n", median(ours));
    printf("floor, strtod over its numbers: %7.2f ms\n", median(floor));
    printf("ratio                         : %7.2f\n", median(ratio));

    ww_start_program();                        // alerts recorded, not shown: nobody is there to answer
    MACIBM_startwind(0, "benchmark");
    OBJ_reset();
    double compile = ms([&] {
        s_model = OBJ_build_from_memory((const unsigned char*)text.data(), (long)text.size(), "big.obj", 13);
        glFinish();
    });
    g_test_frame_hook = draw_model;
    // The three frames alternate in rounds so that all see the same load on the machine.
    const int frames = 30;
    std::vector<double> none, list, direct;
    for (int round = 0; round < 3; round++) {
        s_mode = 0;
        none.push_back(ms_per_frame(frames));
        s_mode = 1;
        list.push_back(ms_per_frame(frames));
        s_mode = 2;
        direct.push_back(ms_per_frame(frames / 3));
        printf("round %d: %.2f | %.2f | %.2f ms\n", round, none.back(), list.back(), direct.back());
        fflush(stdout);
    }
    printf("parse and compile both lists   : %7.2f ms\n", compile);
    printf("main-view frame without object : %7.3f ms (%6.1f fps)\n", median(none), 1000 / median(none));
    printf("with it, through its list      : %7.3f ms (%6.1f fps)\n", median(list), 1000 / median(list));
    printf("with it, commands one by one   : %7.3f ms (%6.1f fps)\n", median(direct), 1000 / median(direct));
    g_test_frame_hook = nullptr;
    MACIBM_finishup(0);
    return 0;
}
