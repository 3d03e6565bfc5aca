// ww_test.h -- what the tests share: the installation folder, alert capture, real frames.
#pragma once
#include <string>
#include <vector>
#include <stdexcept>

// A fatal alert, thrown by the test hook instead of stopping the process.
struct ww_fatal : std::runtime_error {
    std::string lines[4];
    std::string file;
    int line;
    ww_fatal(const char* s1, const char* s2, const char* s3, const char* s4, const char* f, int l);
};

struct ww_alert_record { int type; std::string lines[4]; };
extern std::vector<ww_alert_record> g_test_alerts;   // every alert since ww_catch_alerts

void ww_catch_alerts(void);                  // install the hook: record all, throw ww_fatal on kind 17
void ww_use_aerodeck(void);                  // app_path and every folder string point at build/Aerodeck
std::string ww_temp_dir(const char* name);   // a fresh empty folder under the build's temp area

// GL tests: the real start-up (window, art, palette) once per process, then real frames.
void ww_start_program(void);
void ww_frames(int n);                       // run n frames of the real frame loop
void ww_mouse_to(float x, float y);          // a real mouse-motion event to window coordinates
int  ww_write_png(const std::string& path, int dx, int dy, const unsigned char* rgba);   // screenshots
