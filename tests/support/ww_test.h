// ww_test.h -- what the tests share: the installation folder, alert capture, real frames.
#pragma once
#include <string>
#include <vector>
#include <stdexcept>
#include <functional>

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
// The fatal alert f stops with; when none comes, one whose first line says so, which no expected
// text matches.
ww_fatal ww_fatal_of(const std::function<void()>& f);
void ww_use_aerodeck(void);                  // app_path and every folder string point at build/Aerodeck
std::string ww_temp_dir(const char* name);   // a fresh empty folder under the build's temp area

// GL tests: the real start-up (window, art, palette) once per process, then real frames.
void ww_start_program(void);
void ww_frames(int n);                       // run n frames of the real frame loop
void ww_mouse_to(float x, float y);          // a real mouse-motion event to window coordinates

// Modal windows (alerts, prompts, the file dialog) run frames themselves, so a test plays a
// script: one step per frame, run just before that frame's swap, as a designer's hand would act.
struct ww_script {
    std::vector<std::function<void()>> steps;
    int frame = 0;
    int saw_top_win = -9;                    // the first window other than the main screen seen
    float saw_dx = 0, saw_dy = 0;            // and its size
};
// Play s (nullptr stops). Once its steps are spent and `after` frames have passed, rescue runs
// every frame, so a failing test ends instead of waiting for a designer forever.
void ww_play(ww_script* s, std::function<void()> rescue, int after = 200);
void ww_click_at(float x, float y);          // a real press and release at window coordinates
void ww_mouse_button(int down);              // a real press (1) or release (0) where the mouse is
void ww_wheel(int notches);
void ww_key(int sdl_key, int mods = 0);      // a real key press and release (MACIBM_MOD_* held)
void ww_key_event(int down, int sdl_key, int mods);
void ww_text_event(const char* utf8);        // the text a key typed, as the keyboard layout gives it
void ww_paint_event(void);
// Window win on tab page tab, drawn for one frame with the widget recorder on: one line for each
// pair of widgets whose click rectangles overlap by more than an edge, and for each widget whose
// rectangle leaves the window. Empty when the page's layout is sound.
std::string ww_layout_problems(int win, int tab);
// The floor the texture benchmarks measure the program's loading against: the PNG read with
// libpng into buf (at most max_rows rows, which buf must hold) and handed to GL as texture `name`
// with linear filtering, nothing else. 0 when the file cannot be read.
int  ww_plain_png_upload(const std::string& path, unsigned name, std::vector<unsigned char>& buf, int max_rows);
void ww_gl_finish(void);                     // every GL command issued so far carried out
int  ww_gl_floor_ready(void);                // the GL calls of the two above found (a context current)

int  ww_write_bytes(const std::string& path, const std::string& bytes);   // 0 when it cannot be written
std::string ww_read_bytes(const std::string& path);   // empty when the file cannot be read
