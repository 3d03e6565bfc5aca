// ww_test.cpp -- shared test support.
#include "tests/support/ww_test.h"
#include "shell/Hl_MNW.h"
#include <png.h>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <cstdlib>
#include <unistd.h>

std::vector<ww_alert_record> g_test_alerts;

ww_fatal::ww_fatal(const char* s1, const char* s2, const char* s3, const char* s4, const char* f, int l)
    : std::runtime_error(s1), lines{s1, s2, s3, s4}, file(f ? f : ""), line(l)
{
}

static void hook(int type, const char* s1, const char* s2, const char* s3, const char* s4, const char* file, int line)
{
    g_test_alerts.push_back({type, {s1, s2, s3, s4}});
    if (type == 17) throw ww_fatal(s1, s2, s3, s4, file, line);
}

void ww_catch_alerts(void)
{
    g_test_alerts.clear();
    g_alert_hook = hook;
}

void ww_use_aerodeck(void)
{
    MACIBM_build_paths(WW_AERODECK_DIR);
}

std::string ww_temp_dir(const char* name)
{
    std::string d = std::string(WW_AERODECK_DIR) + "../test-tmp/" + name + "-" + std::to_string(getpid()) + "/";
    std::string cmd = "rm -rf '" + d + "' && mkdir -p '" + d + "'";
    if (system(cmd.c_str()) != 0) return "/tmp/";
    return d;
}

void ww_start_program(void)
{
    static int started;
    if (started) return;
    started = 1;
    app_path = WW_AERODECK_DIR;
    ww_catch_alerts();
    MACIBM_init();
    // The first paint lets frames run; a window manager-less X server may not send one.
    MACIBM_sys_push_paint();
    ww_frames(2);
}

void ww_frames(int n)
{
    for (int i = 0; i < n; i++) MACIBM_event_proc();
}

void ww_mouse_to(float x, float y)
{
    int px = (int)(x + mnw.win_x + mnw.x_off);
    int py = (int)(mnw.y_res_now - (y + mnw.win_y));
    MACIBM_sys_push_mouse_move(px, py);
}

int ww_write_png(const std::string& path, int dx, int dy, const unsigned char* rgba)
{
    FILE* f = fopen(path.c_str(), "wb");
    if (!f) return 0;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png_create_info_struct(png);
    if (setjmp(png_jmpbuf(png))) { png_destroy_write_struct(&png, &info); fclose(f); return 0; }
    png_init_io(png, f);
    png_set_IHDR(png, info, dx, dy, 8, PNG_COLOR_TYPE_RGBA, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
                 PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    for (int y = dy - 1; y >= 0; y--) png_write_row(png, (png_bytep)(rgba + (size_t)y * dx * 4));   // GL rows run upwards
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    fclose(f);
    return 1;
}

static ww_script* s_playing;
static std::function<void()> s_rescue;
static int s_rescue_after;

static void play_frame(void)
{
    ww_script& s = *s_playing;
    if (s.saw_top_win == -9 && mnw.top_win != 0) { s.saw_top_win = mnw.top_win; s.saw_dx = mnw.win_dx; s.saw_dy = mnw.win_dy; }
    if (s.frame < (int)s.steps.size()) s.steps[s.frame]();
    else if (s.frame > s_rescue_after && s_rescue) s_rescue();
    s.frame++;
}

void ww_play(ww_script* s, std::function<void()> rescue, int after)
{
    s_playing = s;
    s_rescue = std::move(rescue);
    s_rescue_after = after;
    g_test_before_swap = s ? play_frame : nullptr;
}

void ww_click_at(float x, float y)
{
    ww_mouse_to(x, y);
    MACIBM_sys_push_button(1);
    MACIBM_sys_push_button(0);
}

void ww_key(int sdl_key, int mods)
{
    MACIBM_sys_push_key_mods(1, sdl_key, mods);
    MACIBM_sys_push_key_mods(0, sdl_key, mods);
}

void ww_write_bytes(const std::string& path, const std::string& bytes)
{
    std::ofstream f(path, std::ios::binary);
    f.write(bytes.data(), (std::streamsize)bytes.size());
}

std::string ww_read_bytes(const std::string& path)
{
    std::ifstream f(path, std::ios::binary);
    std::stringstream s;
    s << f.rdbuf();
    return s.str();
}
