// ww_test.cpp -- test support shared by every suite: alerts, folders, files.
#include "tests/support/ww_test.h"
#include "base/alert.h"
#include "base/records.h"
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
