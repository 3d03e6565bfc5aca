// ww_test.cpp -- test support shared by every suite: alerts, folders, files.
#include "tests/support/ww_test.h"
#include "base/alert.h"
#include "base/records.h"
#include <png.h>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <filesystem>
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

ww_fatal ww_fatal_of(const std::function<void()>& f)
{
    try {
        f();
    } catch (const ww_fatal& e) {
        return e;
    }
    return ww_fatal("no fatal alert", "", "", "", "", 0);
}

void ww_use_aerodeck(void)
{
    MACIBM_build_paths(WW_AERODECK_DIR);
}

std::string ww_temp_dir(const char* name)
{
    // Under the build folder, never a shared one: a test that cannot make its folder fails here.
    const std::filesystem::path d = std::filesystem::path(WW_AERODECK_DIR) / ".." / "test-tmp" /
                                    (std::string(name) + "-" + std::to_string(getpid()));
    std::filesystem::remove_all(d);
    std::filesystem::create_directories(d);
    return d.string() + "/";
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

int ww_write_bytes(const std::string& path, const std::string& bytes)
{
    std::ofstream f(path, std::ios::binary);
    f.write(bytes.data(), (std::streamsize)bytes.size());
    f.close();
    return !f.fail();
}

std::string ww_read_bytes(const std::string& path)
{
    std::ifstream f(path, std::ios::binary);
    std::stringstream s;
    s << f.rdbuf();
    return s.str();
}
