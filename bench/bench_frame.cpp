// Frame cost of the start screen with 2,000 glyphs of text, next to a minimal immediate-mode
// loop drawing 2,000 textured quads from the same sheet, in the same window and run; then the
// editor's frames with a new aircraft: the general window (600) and the main view, each with the
// recompute every frame ends with, beside the same minimal loop; the wings window (607) with the
// fully populated aircraft; and the busiest page, the engines window's thrust-point columns (604,
// page 1) on the eight-engine aircraft; last the main view with the fully populated aircraft and
// with the regional airliner the installation ships, each beside a minimal loop of its triangles.
// Run under Xvfb: xvfb-run -a -s "-screen 0 1280x1024x24" build/bench_frame
#include "shell/Hl_MNW.h"
#include "editor/APPLICATION.h"
#include "base/common.h"
#include "model/set_struct.h"
#include "tests/support/ww_test.h"
#include "tests/support/ww_full_acf.h"
#include "draw/HL_GRAPH.h"
#include "draw/ogl.h"
#include <algorithm>
#include <chrono>
#include <vector>
#include "draw/ren_struct.h"
#include "model/acf_struct.h"
#include "model/acf_parts.h"
#include "model/acf_defaults.h"
#include "editor/pln_panel.h"
#include "editor/PLN_MAIN.h"
#include "editor/ins_catalogue.h"
#include <cstdio>
#include <cstdlib>
#include <sys/resource.h>
#include <string>

static const char* s_line = "The quick brown fox jumps over the lazy dog 012345";   // 50 glyphs

static void draw_text(void)
{
    for (int i = 0; i < 40; i++) OGL_string(39, 20, 740 - 18 * i, s_line, 9999, 100);
}

static void minimal_frame(void)
{
    glClear(GL_COLOR_BUFFER_BIT);
    glEnable(GL_TEXTURE_2D);
    glEnable(GL_BLEND);
    glBindTexture(GL_TEXTURE_2D, REN_TEX_INTERFACE + 1);
    glBegin(GL_QUADS);
    for (int i = 0; i < 2000; i++) {
        float x = 20 + (i % 50) * 6, y = 740 - 18 * (i / 50);
        float s = (i % 21) * 8 / 512.0f, t = 0;
        glTexCoord2f(s, t);                        glVertex2f(x, y);
        glTexCoord2f(s, 11 / 512.0f);              glVertex2f(x, y + 11);
        glTexCoord2f(s + 8 / 512.0f, 11 / 512.0f); glVertex2f(x + 8, y + 11);
        glTexCoord2f(s + 8 / 512.0f, t);           glVertex2f(x + 8, y);
    }
    glEnd();
    OGL_sbuf();
}

// The floor of the main view: every triangle of the aircraft's meshes (wings,
// blades, bodies), lit and textured, in one glBegin/glEnd under the pane's camera, then the same
// 2,000 glyph quads as above for the menus and status.
struct bench_vertex { float n[3], st[2], xyz[3]; };
static std::vector<bench_vertex> s_triangles;

static void collect_triangles(int p)
{
    const veh_struct& v = veh[p];
    auto quad = [&](int en, int s1, int r1, int s2, int r2) {
        const int c[6][2] = {{s1, r1}, {s2, r1}, {s2, r2}, {s1, r1}, {s2, r2}, {s1, r2}};
        for (const auto& k : c) {
            bench_vertex b;
            for (int i = 0; i < 3; i++) b.n[i] = v.n_xyz[en][k[0]][k[1]][i], b.xyz[i] = v.a_xyz[en][k[0]][k[1]][i];
            b.st[0] = v.st[en][k[0]][k[1]][0], b.st[1] = v.st[en][k[0]][k[1]][1];
            s_triangles.push_back(b);
        }
    };
    s_triangles.clear();
    for (int en = 0; en <= 66; en++) {
        if (!have_this_part(p, en, 6) || (en >= 61 && en <= 66 && !have_this_part(p, en + 6, 6))) continue;
        if (en < 44) {
            const int copies = en < 8 ? (int)v.num_blades[en] : 1;
            for (int c = 0; c < copies; c++)
                for (int k = 0; k < v.els[en]; k++)
                    for (int r = 0; r < 13; r++) quad(en, 2 * k, r, 2 * k + 1, r + 1);
        } else {
            const int sdim = f_body_s_DIM(p, en, 0), rdim = f_body_r_DIM(en, 0);
            for (int st = 0; st + 1 < sdim; st++)
                for (int r = 0; r + 1 < rdim; r++) quad(en, st, r, st + 1, r + 1);
        }
    }
}

static void minimal_3d_frame(void)
{
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    const float h = veh[0].size_tot;
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(-h, h, -h * 0.75, h * 0.75, -4 * h, 4 * h);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glTranslatef(0, 0, -2 * h);
    glEnable(GL_DEPTH_TEST);
    glDepthMask(GL_TRUE);
    glEnable(GL_LIGHTING);
    glEnable(GL_LIGHT0);
    glEnable(GL_TEXTURE_2D);
    glBindTexture(GL_TEXTURE_2D, 424 + 1);
    glBegin(GL_TRIANGLES);
    for (const bench_vertex& b : s_triangles) {
        glNormal3fv(b.n);
        glTexCoord2fv(b.st);
        glVertex3fv(b.xyz);
    }
    glEnd();
    glDisable(GL_LIGHTING);
    glDisable(GL_DEPTH_TEST);
    OGL_2d_projection();
    minimal_frame();
}

template <class F> static double ms_per_frame(F f, int frames)
{
    for (int i = 0; i < 20; i++) f();              // warm up
    glFinish();
    auto t0 = std::chrono::steady_clock::now();
    for (int i = 0; i < frames; i++) f();
    glFinish();
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - t0).count() / frames;
}

// Processor time of every thread of the process (the renderer's too), in ms: a steadier measure
// of the work a frame takes than the wall clock when other jobs share the cores.
static double cpu_ms(void)
{
    rusage u;
    getrusage(RUSAGE_SELF, &u);
    return (u.ru_utime.tv_sec + u.ru_stime.tv_sec) * 1e3 + (u.ru_utime.tv_usec + u.ru_stime.tv_usec) / 1e3;
}

static double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

static void our_frame(void) { MACIBM_event_proc(); }

// A frame alternating with the minimal loop, in rounds so that both see the same load on the
// machine: each round's milliseconds per frame of both, and their ratio.
struct alternated { std::vector<double> floor, ours, ratio; };
static alternated alternate(void (*frame)(void), int rounds, int frames)
{
    alternated a;
    for (int round = 0; round < rounds; round++) {
        OGL_forget_state();
        OGL_2d_projection();
        a.floor.push_back(ms_per_frame(minimal_frame, frames));
        OGL_forget_state();
        a.ours.push_back(ms_per_frame(frame, frames));
        a.ratio.push_back(a.ours.back() / a.floor.back());
    }
    return a;
}

// The main view with an aircraft, animated, beside the minimal loop of its triangles: the fully
// populated aircraft, and the largest sample the installation ships, the regional airliner, as
// a designer opens it (its paints loaded).
static void main_view_of(int rounds, int frames, const char* label)
{
    MACIBM_startwind(0, "benchmark");
    set.move_cons = 1;
    ww_frames(2);
    collect_triangles(0);
    std::vector<double> floor5, aircraft;
    for (int round = 0; round < rounds; round++) {
        OGL_forget_state();
        floor5.push_back(ms_per_frame(minimal_3d_frame, frames));
        OGL_forget_state();
        aircraft.push_back(ms_per_frame(our_frame, frames));
    }
    set.move_cons = 0;
    printf("\nminimal 3-D loop, %5zu vertices: %7.3f ms/frame (%6.1f fps), with the 2000 glyph quads\n", s_triangles.size(),
           median(floor5), 1000 / median(floor5));
    printf("main view, %-20s: %7.3f ms/frame (%6.1f fps), ratio %.2f\n", label, median(aircraft),
           1000 / median(aircraft), median(aircraft) / median(floor5));
}

// One editor window alone beside the minimal loop: "window 600" with a new aircraft, "window 604 1"
// (page 1) with the fully populated one. For profiling one window at a time.
static void window_section(int win, int page, int rounds, int frames)
{
    APPLICATION_handlemenu(300);
    if (win == 604) { ww_full_acf(0); set.engnW_tab = page; }
    ww_mouse_to(2000, 2000);
    std::vector<double> floor, ours, floor_cpu, ours_cpu;
    for (int round = 0; round < rounds; round++) {
        OGL_forget_state();
        OGL_2d_projection();
        double c0 = cpu_ms();
        floor.push_back(ms_per_frame(minimal_frame, frames));
        floor_cpu.push_back((cpu_ms() - c0) / (frames + 20));
        MACIBM_startwind(win, "benchmark");
        OGL_forget_state();
        c0 = cpu_ms();
        ours.push_back(ms_per_frame(our_frame, frames));
        ours_cpu.push_back((cpu_ms() - c0) / (frames + 20));
    }
    printf("CPU of all threads: minimal loop %.3f ms/frame, window %.3f ms/frame, ratio %.2f\n", median(floor_cpu),
           median(ours_cpu), median(ours_cpu) / median(floor_cpu));
    printf("minimal loop, 2000 glyph quads : %7.3f ms/frame (%6.1f fps), median of %d rounds\n", median(floor), 1000 / median(floor), rounds);
    printf("window %d page %d             : %7.3f ms/frame (%6.1f fps), ratio %.2f\n", win, page, median(ours), 1000 / median(ours),
           median(ours) / median(floor));
}

// The panel window with all 300 slots used and a drag under way: one instrument is held and the mouse
// moves a pixel or more every frame, so every frame re-collects the snap targets of the 299
// others, aligns against them and draws the guides.
static void panel_section(int rounds, int frames)
{
    MACIBM_load_instruments();
    APPLICATION_handlemenu(300);
    for (int i = 0; i < 300; i++) {
        veh[0].ins_type[i] = (i * 7) % INS_NUM_TYPES;
        veh[0].ins_x[i] = 30 + (i % 20) * 50.0f;
        veh[0].ins_y[i] = 30 + (i / 20) * 46.0f;
        veh[0].ins_size[i] = 0.5f;
    }
    MACIBM_startwind(602, "benchmark");
    set.show_panel = set.show_editor = 1;
    ww_frames(1);                                  // the panel's screen measures are set by its first frame
    float il, ib, ir, it;
    calc_instrument_position(150, &il, &ib, &ir, &it);   // mid-panel, clear of the editor box
    ww_mouse_to((il + ir) / 2, (ib + it) / 2);
    ww_mouse_button(1);
    ww_frames(1);
    if (glo_ins_sel.size() != 1) printf("the press took hold of no instrument: no drag is timed\n");
    static int step;
    auto drag_frame = [] {
        ww_mouse_to(300 + (float)(step % 40), 300 + (float)(step % 17));
        step++;
        MACIBM_event_proc();
    };
    // Each case alternates with the minimal loop: its median frame and the median of the rounds' ratios.
    struct timed { double ms, ratio, floor; };
    auto alternate_median = [&](void (*frame)(void)) {
        const alternated a = alternate(frame, rounds, frames);
        return timed{median(a.ours), median(a.ratio), median(a.floor)};
    };
    const timed kept = alternate_median(drag_frame);
    panel_keep_still = 0;                          // every frame drawn whole, as before the kept copy
    const timed whole = alternate_median(drag_frame);
    panel_keep_still = 1;
    // The snapping alone: the 299 targets collected and one instrument aligned against them.
    std::vector<pnl_lockresult> gx, gy;
    auto t0 = std::chrono::steady_clock::now();
    const int snaps = 2000;
    for (int n = 0; n < snaps; n++) {
        LOCK_clear();
        for (int i = 1; i < 300; i++)
            if (calc_instrument_position(i, &il, &ib, &ir, &it)) LOCK_add(il, ib, ir, it);
        float dx = 0, dy = 0, bh = 9999, bv = 9999;
        gx.clear();
        gy.clear();
        LOCK_align(300 + (float)(n % 40), 300, 340 + (float)(n % 40), 340, &dx, &dy, &gx, &gy, &bh, &bv);
    }
    const double snap = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - t0).count() / snaps;
    // The same panel still, the held instrument selected (it pulses, so it is drawn every frame).
    ww_mouse_button(0);
    ww_frames(1);
    const timed still = alternate_median(our_frame);
    MACIBM_startwind(0, "benchmark");

    auto row = [](const char* what, const timed& t) {
        printf("%s: %7.3f ms/frame (%6.1f fps), ratio %.2f (its minimal loop %.3f ms)\n", what, t.ms, 1000 / t.ms, t.ratio, t.floor);
    };
    printf("\n");
    row("panel 602, 300 instruments, drag", kept);
    row("the same drawn whole every frame", whole);
    row("panel 602, 300 instruments, still", still);
    printf("snapping alone, 299 targets: %7.4f ms (%.1f %% of the drag frame)\n", snap, 100 * snap / kept.ms);
}

static void main_view_section(int rounds, int frames)
{
    ww_full_acf(0);
    main_view_of(rounds, frames, "full aircraft");
    const std::string jet = std::string(WW_AERODECK_DIR) + "Aircraft/Regional Jet/Regional Jet.acf";
    if (ACF_open("Regional Jet.acf", jet)) main_view_of(rounds, frames, "regional airliner");
    else printf("\nno %s: build the program first\n", jet.c_str());
}

// With the argument "main-view" only the main views of the fully populated aircraft and the
// regional airliner are timed; with "panel" only the panel window; with "window N [page]" one
// editor window.
int main(int argc, char** argv)
{
    app_path = WW_AERODECK_DIR;
    ww_catch_alerts();                             // a first start asks for the language: none is shown
    MACIBM_init();
    ww_paint_event();
    for (int i = 0; i < 3; i++) MACIBM_event_proc();
    if (argc > 1 && std::string(argv[1]) == "main-view") {
        main_view_section(11, 200);
        MACIBM_finishup(0);
        return 0;
    }
    if (argc > 2 && std::string(argv[1]) == "window") {
        window_section(atoi(argv[2]), argc > 3 ? atoi(argv[3]) : 0, 11, 200);
        MACIBM_finishup(0);
        return 0;
    }
    if (argc > 1 && std::string(argv[1]) == "panel") {
        panel_section(argc > 2 ? atoi(argv[2]) : 11, argc > 3 ? atoi(argv[3]) : 300);
        MACIBM_finishup(0);
        return 0;
    }
    MACIBM_startwind(-1, "benchmark");             // the start picture as background
    g_test_frame_hook = draw_text;

    // The two loops alternate in rounds so that both see the same load on the machine; the
    // median of the rounds' ratios is the figure, the spread shows how steady the machine was.
    const int frames = 300, rounds = 11;
    const auto [floor, ours, ratio] = alternate(our_frame, rounds, frames);
    // Where the time goes, each stage on its own.
    OGL_forget_state();
    const double swap_only = ms_per_frame([] { OGL_sbuf(); }, frames);
    const double clear_swap = ms_per_frame([] { glClear(GL_COLOR_BUFFER_BIT); OGL_sbuf(); }, frames);
    const double text_only = ms_per_frame([] { OGL_2d_projection(); draw_text(); OGL_sbuf(); }, frames);
    const double picture_only = ms_per_frame([] { OGL_2d_projection(); OGL_plot_background(); OGL_sbuf(); }, frames);
    const int keyed = ren.back_keyed;
    ren.back_keyed = 0;
    const double whole_picture = ms_per_frame([] { OGL_2d_projection(); OGL_plot_background(); OGL_sbuf(); }, frames);
    ren.back_keyed = keyed;
    g_test_frame_hook = nullptr;
    const double frame_no_text = ms_per_frame(our_frame, frames);

    // The editor's own frames with a new aircraft, alternating with the minimal loop likewise.
    APPLICATION_handlemenu(300);
    ww_mouse_to(2000, 2000);
    std::vector<double> floor2, general, main_view;
    for (int round = 0; round < rounds; round++) {
        OGL_forget_state();
        OGL_2d_projection();
        floor2.push_back(ms_per_frame(minimal_frame, frames));
        MACIBM_startwind(600, "benchmark");
        OGL_forget_state();
        general.push_back(ms_per_frame(our_frame, frames));
        MACIBM_startwind(0, "benchmark");
        OGL_forget_state();
        main_view.push_back(ms_per_frame(our_frame, frames));
    }
    // The wings window (607) with the fully populated aircraft: ten elements of sixteen controls
    // each, the part fields and the aircraft pane; again beside the minimal loop.
    ww_full_acf(0);
    std::vector<double> floor3, wings;
    for (int round = 0; round < rounds; round++) {
        OGL_forget_state();
        OGL_2d_projection();
        floor3.push_back(ms_per_frame(minimal_frame, frames));
        MACIBM_startwind(607, "benchmark");
        OGL_forget_state();
        wings.push_back(ms_per_frame(our_frame, frames));
    }
    MACIBM_startwind(0, "benchmark");
    APPLICATION_handlemenu(300);

    auto t0 = std::chrono::steady_clock::now();
    const int recomputes = 2000;
    for (int i = 0; i < recomputes; i++) APP_recompute();
    const double recompute = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - t0).count() / recomputes;

    // The busiest page: eight columns of propeller fields, each frame with its recompute.
    ww_full_acf(0);
    set.engnW_tab = 1;
    std::vector<double> floor4, engines;
    for (int round = 0; round < rounds; round++) {
        OGL_forget_state();
        OGL_2d_projection();
        floor4.push_back(ms_per_frame(minimal_frame, frames));
        MACIBM_startwind(604, "benchmark");
        OGL_forget_state();
        engines.push_back(ms_per_frame(our_frame, frames));
    }

    const auto [rmin, rmax] = std::minmax_element(ratio.begin(), ratio.end());
    printf("minimal loop, 2000 glyph quads : %7.3f ms/frame (%6.1f fps), median of %d rounds\n", median(floor), 1000 / median(floor), rounds);
    printf("start-screen frame, 2000 glyphs: %7.3f ms/frame (%6.1f fps)\n", median(ours), 1000 / median(ours));
    printf("ratio, median of the rounds    : %7.2f   (rounds %.2f to %.2f)\n", median(ratio), *rmin, *rmax);
    printf("stages: swap %.3f | clear + swap %.3f | text + swap %.3f | start picture + swap %.3f"
           " (drawn whole: %.3f) | our frame without the text %.3f ms\n",
           swap_only, clear_swap, text_only, picture_only, whole_picture, frame_no_text);
    printf("\nminimal loop, 2000 glyph quads : %7.3f ms/frame (%6.1f fps), median of %d rounds\n", median(floor2), 1000 / median(floor2), rounds);
    printf("general window 600, new aircraft: %7.3f ms/frame (%6.1f fps), ratio %.2f\n", median(general), 1000 / median(general), median(general) / median(floor2));
    printf("main view, new aircraft        : %7.3f ms/frame (%6.1f fps), ratio %.2f\n", median(main_view), 1000 / median(main_view), median(main_view) / median(floor2));
    printf("\nminimal loop, 2000 glyph quads : %7.3f ms/frame (%6.1f fps), median of %d rounds\n", median(floor3), 1000 / median(floor3), rounds);
    printf("wings window 607, full aircraft: %7.3f ms/frame (%6.1f fps), ratio %.2f\n", median(wings), 1000 / median(wings), median(wings) / median(floor3));
    printf("engines 604 page 1, 8 engines  : %7.3f ms/frame (%6.1f fps), ratio %.2f (its minimal loop %.3f ms)\n", median(engines),
           1000 / median(engines), median(engines) / median(floor4), median(floor4));
    printf("recompute alone                : %7.4f ms (%.1f %% of the general frame, %.1f %% of the main view)\n", recompute,
           100 * recompute / median(general), 100 * recompute / median(main_view));
    panel_section(rounds, frames);
    main_view_section(rounds, frames);
    MACIBM_finishup(0);
    return 0;
}
