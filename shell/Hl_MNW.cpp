// Hl_MNW.cpp -- the platform shell's portable half: start-up, the window procedure, the frame
// procedure and shutdown. The SDL half lives in MACIBM_sdl.cpp, the GL context set-up in
// MACIBM_gl.cpp.
#include "shell/Hl_MNW.h"
#include "editor/instruments.h"
#include "shell/dialog.h"
#include "base/IO_LIST.h"
#include "base/IO_TYPED.h"
#include "base/IO_UTILS.h"
#include "draw/HL_GRAPH.h"
#include "draw/HL_BITMAP.h"
#include "draw/io_obj.h"
#include "editor/APPLICATION.h"
#include "editor/HL_BTN.h"
#include "editor/hl_undo.h"
#include "editor/win_body.h"
#include "editor/win_gear.h"
#include "editor/pln_panel.h"
#include "editor/win_wings.h"
#include "model/IO_AFL.h"
#include "model/ACF_check.h"
#include "model/acf_struct.h"
#include "model/set_struct.h"
#include "support/HL_MOVIE.h"
#include "support/HL_THREAD.h"
#include <cmath>
#include <cstring>
#include <climits>
#include <cstdint>
#include <cstdlib>
#include <unistd.h>
#if defined(__GLIBC__) && defined(__linux__)
#include <malloc.h>
#include <sys/mman.h>
#endif

// Frame-loop bookkeeping that nothing outside the shell reads.
static struct {
    int   window_created;
    int   first_paint;
    int   timing_started;
    float first_frame_time;
    float last_puff[9];
    int   fm_frames, ui_frames;
    float fm_ref_time, ui_ref_time;
    float prev_mx, prev_my;
    int   cursor_shown;
} s_loop;

//=== the start-up reset =====================================================================
void MACIBM_zero_records(void)
{
    MACIBM_reset_records();
    MACIBM_alert_reset();
    IO_utils_reset();
    IO_typed_reset();
    IO_list_reset();
    INS_startup_reset();
    INS_reset();
    IO_afl_reset();
    MACIBM_zero_fill(veh, sizeof veh);
    MACIBM_zero_fill(flt, sizeof flt);
    memset(&set, 0, sizeof set);
    ACF_check_new_batch();
    OGL_reset();
    OBJ_reset();
    BTN_reset();
    UNDO_reset();
    BODY_reset();
    GEAR_reset();
    PANEL_reset();
    APP_wings_reset();
    MACIBM_menu_reset();
    MACIBM_startup_reset();
    dialog_reset();
    memset(&s_loop, 0, sizeof s_loop);
    s_loop.cursor_shown = 1;
    g_test_before_swap = nullptr;
    g_test_frame_hook = nullptr;
    g_fake_time = -1;
}

// The process's arguments: set once by main, read by the start-up; never the program's state.
static std::string s_argv0, s_open_at_start;

void MACIBM_command_line(int argc, char** argv)
{
    s_argv0 = argc > 0 && argv[0] ? argv[0] : "";
    s_open_at_start = argc > 1 && argv[1] ? argv[1] : "";
}

const std::string& MACIBM_file_to_open(void) { return s_open_at_start; }

// The folder that holds the running program, ending in '/': the folder of the path it was
// started by, links left as they are, or else the folder of the executable itself.
static std::string own_folder(void)
{
    char buf[PATH_MAX];
    const size_t slash = s_argv0.find_last_of('/');
    if (slash != std::string::npos) {
        const std::string dir = slash == 0 ? "/" : s_argv0.substr(0, slash);
        if (realpath(dir.c_str(), buf)) {
            std::string p = buf;
            if (p.back() != '/') p += '/';
            return p;
        }
    }
    ssize_t n = readlink("/proc/self/exe", buf, sizeof buf - 1);
    if (n <= 0) return "./";
    buf[n] = 0;
    std::string p = buf;
    size_t cut = p.find_last_of('/');
    return cut == std::string::npos ? std::string("./") : p.substr(0, cut + 1);
}

std::string MACIBM_own_folder(void) { return own_folder(); }

void MACIBM_res_defaults(void)
{
    mnw.x_res_req = 1024; mnw.y_res_req = 768; mnw.col_res_req = 32; mnw.set_res_req = 1;
    mnw.tex_res = 5;
    mnw.lang = -1;
    mnw.keylist_up = 1;
    mnw.prd_FM = mnw.prd_UI = 0.02f;
    mnw.x_res_now = mnw.x_res_req; mnw.y_res_now = mnw.y_res_req;
    mnw.col_res_now = mnw.col_res_req; mnw.set_res_now = mnw.set_res_req;
}

void MACIBM_compute_offsets(void)
{
    mnw.xy_scale = 1.0f;
    mnw.x_off = (mnw.x_res_now - 1024) * 0.5f;
    mnw.y_off = (float)(mnw.y_res_now - 768);
    mnw.x1_pix = -mnw.x_off;
    mnw.y1_pix = 0;
    mnw.x2_pix = mnw.x_off + 1024;
    mnw.y2_pix = mnw.y_off + 768;
}

int MACIBM_setres(int init_call)
{
    if (!init_call || !mnw.set_res_now) return 1;   // the window owns its mode; nothing to restore
    // A full-screen mode is only taken when the display offers it; otherwise a plain window of
    // the same size serves, so an exotic request never leaves the designer without a window.
    return MACIBM_sys_mode_available(mnw.x_res_now, mnw.y_res_now, mnw.col_res_now) >= 0;
}

int MACIBM_getcontext(void)
{
    int full = mnw.set_res_now && MACIBM_sys_mode_available(mnw.x_res_now, mnw.y_res_now, mnw.col_res_now) == 1;
    if (!MACIBM_sys_create_window(mnw.x_res_now, mnw.y_res_now, mnw.col_res_now, full)) return 0;
    OGL_forget_state();
    return 1;
}

//=== start-up ===============================================================================
static void graphics_failed(void)
{
    // A header of another kind and version -999 makes the next start fall back to the default
    // resolution, whatever the designer had entered.
    IO_make_folders(res_path);
    if (FILE* f = IO_fopen(res_path, "wb")) {
        const std::string hdr = IO_typed_header(21, -999);
        fwrite(hdr.data(), 1, hdr.size(), f);
        fclose(f);
    }
    MACIBM_alert(0, "I could not set up the graphics for Skyvane! I hope your monitor is at 1024x768 or higher! It must be!",
                 "You do not meet the system requirements or you do not have OpenGL drivers or you entered a bad resolution in Skyvane!",
                 "You need at least 256 meg of RAM, 16 meg of VRAM, and OpenGl drivers for your 3-D accelerator card!",
                 "If you reset the resolution, you can try launching Skyvane again, since I am resetting Skyvane to default resolution now.",
                 17);
}

static void fatal_shutdown(void) { MACIBM_finishup(0); }

// The textures live in memory that the GL driver allocates and clears on the main thread, about
// 70 MB by the first frame, which a software driver touches page by page: a page fault every
// 4 KB, and on a virtual machine a fault costs microseconds. Taken from the main heap in one
// large step advised for huge pages, that memory costs a fault every 2 MB; and texture memory
// freed (a background replaced) is used again instead of being handed back and faulted in anew.
// Once per process: it is the process's allocator, not the program's state.
static void prepare_heap(void)
{
#if defined(__GLIBC__) && defined(__linux__)
    static bool done;
    if (done) return;
    done = true;
    const size_t grow = (size_t)128 << 20, huge = (size_t)2 << 20;
    mallopt(M_ARENA_MAX, 1);                // the decoding workers' pictures from the same heap
    mallopt(M_MMAP_THRESHOLD, 32 << 20);
    mallopt(M_TRIM_THRESHOLD, 512 << 20);
    mallopt(M_TOP_PAD, (int)grow);
    const uintptr_t before = (uintptr_t)sbrk(0);
    void* p = malloc(huge);                 // the heap grows by the pad beside it
    const uintptr_t after = (uintptr_t)sbrk(0);
    const uintptr_t lo = (before + huge - 1) & ~(huge - 1), hi = after & ~(huge - 1);
    if (p && hi > lo) madvise((void*)lo, hi - lo, MADV_HUGEPAGE);
    free(p);
#endif
}

void MACIBM_init(void)
{
    // A caller (a test) may have named the program folder; otherwise it is the program's own.
    const std::string folder = app_path.empty() ? own_folder() : app_path;
    prepare_heap();
    MACIBM_zero_records();
    MACIBM_build_paths(folder.c_str());
    MACIBM_open_logs();
    MACIBM_alert_window = MACIBM_show_alert;
    MACIBM_alert_message_box = MACIBM_sys_message_box;
    MACIBM_fatal_shutdown = fatal_shutdown;
    MACIBM_arm_recovery();
    OGL_texbmp_progress = MACIBM_showinit;
    OGL_swap_window = MACIBM_sys_swap;
    THREAD_Init();
    INS_init_ready_to_decode();

    MACIBM_fill_constants();
    ren.current_alpha = 1.0f;
    OGL_fixed_palette();

    MACIBM_res_defaults();
    MACIBM_read_res_prefs();
    MACIBM_compute_offsets();

    if (!MACIBM_sys_init() || !MACIBM_setres(1) || !MACIBM_getcontext()) graphics_failed();
    s_loop.window_created = 1;

    if (!IO_file_exists(bmp_path + "interface.png"))
        MACIBM_alert(0, "I cannot open the graphics interface file!",
                     "It seems that you have moved Skyvane out of the Aerodeck folder!", "NO! NO!",
                     "Create a shortcut if you want, but do not move the Skyvane application itself out of the Aerodeck folder that it came in!",
                     17);

    MACIBM_probe_gl();
    OGL_fixed_state(MACIBM_sys_gl_proc);

    OGL_texbmp(OGL_TYPE_UPLOAD, REN_TEX_INTERFACE, OGL_FILT_KEY, bmp_path + "interface.png");
    OGL_palette_from_sheet(scratch_array, 512);

    MACIBM_startwind(-1, "initial init");
    g_OGL_inited = 1;
    g_done = 0;

    if (mnw.lang < 0) {
        mnw.lang = 0;
        MACIBM_choose_language();
    }
    MACIBM_setup_text();
    MOV_init();
    OGL_texbmp(OGL_TYPE_UPLOAD, REN_TEX_BLANK, OGL_FILT_RGB, bmp_path + "blank.bmp");
    MACIBM_showinit("Will init plugins.");
    MACIBM_showinit("Did init plugins.");
}

int WinMain(int has_prev_instance)
{
    if (has_prev_instance) return 0;
    // The instrument pictures need neither the window nor the context: the worker pool decodes
    // them while the main thread makes those, and the main thread uploads them afterwards.
    INS_decode_at_init(1);
    MACIBM_init();
    MACIBM_read_editor_prefs();
    OGL_texbmp(OGL_TYPE_UPLOAD, REN_TEX_LIGHTS, OGL_FILT_BRIGHT_MIP, bmp_path + "world:lites:lights.bmp");
    MACIBM_load_instruments();
    wrk_path = app_path;
    MACIBM_load_last_aircraft();
    while (!g_done) MACIBM_event_proc();
    MACIBM_finishup(1);
    return 0;
}

//=== windows ================================================================================
struct win_row { int code; float dx, dy; int title; };
static const win_row s_windows[] = {
    {996,  400, 220, 600}, {997,  300, 166, 601}, {998,  341, 484, 601}, {999,  341, 484, 601},
    {600, 1024, 740, 350}, {601, 1020, 766, 383}, {602,   -1,  -1, 351}, {604, 1024, 768, 353},
    {605,  417, 466, 352}, {607, 1020, 724, 355}, {608, 1020, 724, 386}, {609, 1020, 724, 362},
    {611, 1024, 768, 364}, {612, 1024, 768, 500}, {613, 1024, 768, 365}, {614, 1024, 768, 374},
    {616,  990, 742, 375}, {618, 1020, 764, 376}, {620, 1006, 660, 378}, {900, 1024, 722, 379},
    {902, 1014, 750, 381}, {903, 1024, 764, 380}, {905, 1020, 740, 382}, {907, 1020, 674, 462},
    {908, 1024, 768, 588},
};

void MACIBM_startwind(int new_top_win, const char* reason)
{
    (void)reason;
    ren.plot_init_lights = 1;
    OGL_2d_projection();

    mnw.win_dx = (float)mnw.x_res_now;
    mnw.win_dy = (float)mnw.y_res_now;
    for (const win_row& w : s_windows) {
        if (w.code != new_top_win) continue;
        if (w.dx > 0) { mnw.win_dx = w.dx; mnw.win_dy = w.dy; }
        memcpy(stl.win_name, stl.text[w.title], sizeof stl.win_name - 1);   // same size, always terminated
        break;
    }
    mnw.entry_field = -1;
    mnw.menu_up = -1;
    mnw.top_win = new_top_win;
    mnw.win_x = (float)intround((1024 - mnw.win_dx) * 0.5f);
    mnw.win_y = (float)intround((768 - mnw.win_dy) * 0.5f);
    if (mnw.win_y < 0) mnw.win_y = 0;
    mnw.now_dragging = mnw.mouse_clicked = mnw.mouse_wheel = mnw.mouse_is_joy = 0;
    MACIBM_close_popup_slot();

    // The start screen's picture replaces the whole background texture: a flat one made first
    // would be 4 MB filled and handed to GL for nothing. Without the picture, the flat colour.
    if (new_top_win == MNW_WIN_START && OGL_texbmp(OGL_TYPE_UPLOAD, REN_TEX_BACK, OGL_FILT_RGB, bmp_path + "intro.bmp")) return;
    const unsigned char r = (unsigned char)intround(col_rgb[30][0] * 255), g = (unsigned char)intround(col_rgb[30][1] * 255),
                        b = (unsigned char)intround(col_rgb[30][2] * 255);
    for (int i = 0; i < 1024 * 1024; i++) {
        unsigned char* p = scratch_array + 4 * i;
        p[0] = r; p[1] = g; p[2] = b; p[3] = 255;
    }
    OGL_update_back_texes();
}

//=== the window procedure ===================================================================
int IBM_handlewin(int message, int wparam, int lparam)
{
    switch (message) {
    case IBM_MSG_CREATE:  s_loop.window_created = 1; break;
    case IBM_MSG_DESTROY: MACIBM_startwind(0, "from destroy"); break;
    case IBM_MSG_PAINT:
        if (!mnw.paused) {
            MACIBM_startwind(mnw.top_win, "from update event");
            s_loop.first_paint = 1;
        }
        break;
    case IBM_MSG_KEYDOWN:
        MACIBM_handlekey(wparam, lparam);
        mnw.key_hit = 1;
        mnw.any_key_is_down = 1;
        break;
    case IBM_MSG_KEYUP: mnw.any_key_is_down = 0; break;
    case IBM_MSG_MOUSEMOVE: {
        float x = (float)(unsigned short)wparam, y = (float)(unsigned short)lparam;
        mnw.mx = x / mnw.xy_scale - mnw.win_x - mnw.x_off;
        mnw.my = (mnw.y_res_now - y) / mnw.xy_scale - mnw.win_y;
        break;
    }
    case IBM_MSG_BUTTONDOWN:
        mnw.mouse_clicked = 1;
        MACIBM_handleclick(0);
        break;
    case IBM_MSG_BUTTONUP: mnw.mouse_lifted = 1; break;
    case IBM_MSG_WHEEL: mnw.mouse_wheel += wparam / 120; break;
    }
    return 0;
}

//=== one frame ==============================================================================
static void pulses(void)
{
    static const float rates[9] = {0.1f, 0.2f, 0.5f, 1, 2, 5, 10, 20, 40};
    int* flags[9] = {&mnw.puff01, &mnw.puff02, &mnw.puff05, &mnw.puff1, &mnw.puff2,
                     &mnw.puff5, &mnw.puff10, &mnw.puff20, &mnw.puff40};
    for (int i = 0; i < 9; i++) {
        *flags[i] = mnw.real_time > s_loop.last_puff[i] + 1.0f / rates[i];
        if (*flags[i]) s_loop.last_puff[i] = mnw.real_time;
    }
}

static float limit(float v, float lo, float hi) { return v < lo ? lo : (v > hi ? hi : v); }

// Every 10th frame the measured period corrects the assumed one, gently (fourth root), so a
// single slow frame does not swing the animation speed.
static void adapt_period(int running, int* frames, float* ref_time, float* ratio, float* period, float lo, float hi)
{
    if (!running) { *ref_time = mnw.real_time; *frames = 0; return; }
    if (++*frames < 10) return;
    *frames = 0;
    *ratio = limit((mnw.real_time - *ref_time) * 0.1f / *period, 0.5f, 1.5f);
    *period = limit(std::pow(*ratio, 0.25f) * *period, lo, hi);
    *ref_time = mnw.real_time;
}

static void mouse_bookkeeping(void)
{
    mnw.delay_dragging = mnw.now_dragging && mnw.real_time - mnw.m_down_time > 0.25f;
    mnw.mouse_double_clicked = mnw.mouse_clicked && mnw.real_time < mnw.m_down_time + 0.25f;
    if (mnw.mouse_clicked) {
        mnw.now_dragging = 1;
        mnw.m_move_time = mnw.m_down_time = mnw.real_time;
    }
    if (mnw.mouse_lifted) mnw.now_dragging = mnw.delay_dragging = 0;
    if (std::fabs(mnw.mx - s_loop.prev_mx) > 0.5f || std::fabs(mnw.my - s_loop.prev_my) > 0.5f)
        mnw.m_move_time = mnw.real_time;
    s_loop.prev_mx = mnw.mx;
    s_loop.prev_my = mnw.my;
}

static void pulsing_colors(void)
{
    float s = std::sin(mnw.real_time * 15.0f) * 0.3f + 0.7f;
    OGL_assigncolor(71, s, s, s);
    OGL_assigncolor(72, s, 0.2f * s, 0.2f * s);
    OGL_assigncolor(73, s, s, 0.2f * s);
    OGL_assigncolor(74, 0.2f * s, s, 0.2f * s);
    mnw.pulse_alpha = s;
}

void MACIBM_help_box_rect(float* x, float* y, float* w, float* h)
{
    *w = 400;
    *h = limit((float)((int)strlen(stl.help_message) / 50) * 10.0f + 20.0f, 60, 200) + APP_help_plot_dy();
    *x = limit(mnw.mx - 400, 10 - mnw.win_x, 1014 - mnw.win_x - 400);
    *y = limit(mnw.my, 10 - mnw.win_y, 748 - mnw.win_y - *h);
}

static void help_box(void)
{
    if (!stl.help_message[0] || mnw.real_time - mnw.m_move_time <= 1.0f) return;
    float x, y, w, h;
    MACIBM_help_box_rect(&x, &y, &w, &h);
    BTN_frame2(14, x - 10, y - 10, w + 20, h + 20, "");
    OGL_string(42, x + 3, y + h - 10, stl.help_message, w - 6, 100);
    APP_help_plot_draw(x + 3, y, w - 6, APP_help_plot_dy() - 10);   // under the text
}

// The art-sheet cell (column, row) of drawn cursor 2..11; the last two change while dragging.
static void cursor_cell(int type, int dragging, int* col, int* row)
{
    static const int cells[10][2] = {{0, 1}, {1, 1}, {0, 0}, {1, 0}, {2, 1}, {3, 1}, {2, 0}, {3, 0}, {4, 1}, {4, 0}};
    *col = cells[type - 2][0];
    *row = cells[type - 2][1];
    if (type >= 10 && dragging) *col = 5;
}

static void draw_cursor(void)
{
    if (mnw.real_time - mnw.m_move_time > 10.0f) mnw.cursor_type = 1;
    int show = mnw.cursor_type == 0;
    if (show != s_loop.cursor_shown) {
        MACIBM_sys_show_cursor(show);
        s_loop.cursor_shown = show;
    }
    if (mnw.cursor_type < 2 || mnw.cursor_type > 11) return;
    int col, row;
    cursor_cell(mnw.cursor_type, mnw.now_dragging, &col, &row);
    float s = 200.0f + 32 * col, t = 293.0f + 32 * row;
    OGL_tiles_begin(REN_TEX_INTERFACE, 45, 1.0f, 7);
    OGL_tile(mnw.mx - 15, mnw.my - 15, mnw.mx + 15, mnw.my + 15, s, t, s + 30, t + 30);
}

int MACIBM_cursor_shown(void) { return s_loop.cursor_shown; }

void MACIBM_event_proc(void)
{
    pulses();
    mnw.return_hit = mnw.mouse_clicked = mnw.mouse_lifted = mnw.key_hit = 0;
    stl.help_message[0] = 0;
    APP_help_plot_clear();
    if (mnw.top_win == -1) mnw.top_win = 0;

    MACIBM_sys_pump();
    if (!s_loop.first_paint) return;

    if (!s_loop.timing_started) { s_loop.timing_started = 1; s_loop.first_frame_time = time_sec(); }
    mnw.real_time = time_sec() - s_loop.first_frame_time;

    adapt_period(mnw.top_win == 0, &s_loop.fm_frames, &s_loop.fm_ref_time, &mnw.rt_rat_FM, &mnw.prd_FM, 0.001f, 0.08f);
    adapt_period(mnw.top_win != 0, &s_loop.ui_frames, &s_loop.ui_ref_time, &mnw.rt_rat_UI, &mnw.prd_UI, 0.0001f, 9999.9f);
    mouse_bookkeeping();
    pulsing_colors();

    mnw.cursor_type = 0;
    MACIBM_menu_hover();

    OGL_2d_projection();
    if (mnw.top_win < 996 || mnw.top_win > 999) APPLICATION_update();
    MACIBM_draw_menus();
    help_box();
    draw_cursor();

    if (g_test_before_swap) g_test_before_swap();
    OGL_sbuf();

}

//=== shutdown ===============================================================================
void MACIBM_finishup(int is_normal_exit)
{
    INS_stop_decoding();                        // a fatal alert may come while the pool decodes
    THREAD_Cleanup();
    MOV_close();
    if (is_normal_exit) MACIBM_write_prefs();
    MACIBM_setres(0);
    MACIBM_sys_close();
    g_OGL_inited = 0;
    MACIBM_close_logs();
}

void (*g_test_before_swap)(void);

void MACIBM_probe_gl(void) { OGL_probe(MACIBM_sys_depth_bits()); }
