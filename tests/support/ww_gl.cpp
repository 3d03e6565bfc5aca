// ww_gl.cpp -- test support for the suites that run the real program under Xvfb: start-up,
// real frames, and real SDL events for the mouse and keys, as a designer's hand makes them.
#include "tests/support/ww_test.h"
#include "tests/support/tex_files.h"
#include "shell/Hl_MNW.h"
#include "base/MACIBM_keys.h"
#include "editor/APPLICATION.h"
#include "draw/HL_BITMAP.h"
#include "draw/ren_struct.h"
#include "base/records.h"
#include "editor/HL_BTN.h"
#include "model/set_struct.h"
#include <SDL.h>
#include <cmath>

//=== real events ============================================================================
static Uint32 window_id(void) { return mnw.window ? SDL_GetWindowID((SDL_Window*)mnw.window) : 0; }

static void push(SDL_Event& e)
{
    e.common.timestamp = SDL_GetTicks();
    SDL_PushEvent(&e);
}

// Where the last pushed motion left the mouse, so a pushed press lands there even before the
// motion has been pumped.
static int s_push_x = -1, s_push_y = -1;

static void push_mouse_move(int x, int y)
{
    s_push_x = x;
    s_push_y = y;
    SDL_Event e{};
    e.type = SDL_MOUSEMOTION;
    e.motion.windowID = window_id();
    e.motion.x = x;
    e.motion.y = y;
    push(e);
}

static void push_button(int down)
{
    SDL_Event e{};
    e.type = down ? SDL_MOUSEBUTTONDOWN : SDL_MOUSEBUTTONUP;
    e.button.windowID = window_id();
    e.button.button = SDL_BUTTON_LEFT;
    e.button.state = down ? SDL_PRESSED : SDL_RELEASED;
    e.button.x = s_push_x >= 0 ? s_push_x : (Sint32)(mnw.mx + mnw.win_x + mnw.x_off);
    e.button.y = s_push_y >= 0 ? s_push_y : (Sint32)(mnw.y_res_now - (mnw.my + mnw.win_y));
    push(e);
}

void ww_wheel(int notches)
{
    SDL_Event e{};
    e.type = SDL_MOUSEWHEEL;
    e.wheel.windowID = window_id();
    e.wheel.y = notches;
    push(e);
}

void ww_key_event(int down, int sdl_key, int mods)
{
    SDL_Event e{};
    e.type = down ? SDL_KEYDOWN : SDL_KEYUP;
    e.key.windowID = window_id();
    e.key.state = down ? SDL_PRESSED : SDL_RELEASED;
    e.key.keysym.sym = sdl_key;
    e.key.keysym.scancode = SDL_GetScancodeFromKey(sdl_key);
    e.key.keysym.mod = (Uint16)(((mods & MACIBM_MOD_SHIFT) ? KMOD_LSHIFT : 0) | ((mods & MACIBM_MOD_CTRL) ? KMOD_LCTRL : 0) |
                                ((mods & MACIBM_MOD_ALT) ? KMOD_LALT : 0) | ((mods & MACIBM_MOD_CAPS) ? KMOD_CAPS : 0));
    push(e);
}

void ww_text_event(const char* utf8)
{
    SDL_Event e{};
    e.type = SDL_TEXTINPUT;
    e.text.windowID = window_id();
    snprintf(e.text.text, sizeof e.text.text, "%s", utf8);
    push(e);
}

void ww_paint_event(void)
{
    SDL_Event e{};
    e.type = SDL_WINDOWEVENT;
    e.window.event = SDL_WINDOWEVENT_EXPOSED;
    e.window.windowID = window_id();
    push(e);
}

void ww_mouse_to(float x, float y)
{
    int px = (int)(x + mnw.win_x + mnw.x_off);
    int py = (int)(mnw.y_res_now - (y + mnw.win_y));
    push_mouse_move(px, py);
}

void ww_mouse_button(int down) { push_button(down); }

void ww_click_at(float x, float y)
{
    ww_mouse_to(x, y);
    push_button(1);
    push_button(0);
}

// A key as the keyboard sends it: the key, then (for a key that types, without Ctrl) the text a
// US layout makes of it, then the release.
void ww_key(int sdl_key, int mods)
{
    ww_key_event(1, sdl_key, mods);
    if (sdl_key >= 32 && sdl_key < 127 && !(mods & MACIBM_MOD_CTRL)) {
        const char text[2] = {(char)MACIBM_shifted_char(sdl_key, mods & MACIBM_MOD_SHIFT), 0};
        ww_text_event(text);
    }
    ww_key_event(0, sdl_key, mods);
}

//=== the program ============================================================================
void ww_start_program(void)
{
    static int started;
    if (started) return;
    started = 1;
    app_path = WW_AERODECK_DIR;
    ww_catch_alerts();
    MACIBM_init();
    // What the program loads next at its start, before the last aircraft.
    OGL_texbmp(OGL_TYPE_UPLOAD, REN_TEX_LIGHTS, OGL_FILT_BRIGHT_MIP, bmp_path + "world:lites:lights.bmp");
    // The first paint lets frames run; a window manager-less X server may not send one.
    ww_paint_event();
    ww_frames(2);
}

void ww_frames(int n)
{
    for (int i = 0; i < n; i++) MACIBM_event_proc();
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



// Two rectangles sharing an edge or a pixel row (the design's stacked check boxes touch) are
// not a fault; a mistyped coordinate overlaps far more than that.
static bool overlap(const BTN_hit& a, const BTN_hit& b)
{
    const float dx = std::fmin(a.x2, b.x2) - std::fmax(a.x1, b.x1), dy = std::fmin(a.y2, b.y2) - std::fmax(a.y1, b.y1);
    return dx > 2 && dy > 2;
}

static std::string describe(const BTN_hit& h)
{
    char box[80];
    snprintf(box, sizeof box, " [%g,%g]-[%g,%g]", h.x1, h.y1, h.x2, h.y2);
    std::string s = "\"";
    s += h.label.substr(0, 40);
    s += "\"";
    return s + box;
}

std::string ww_layout_problems(int win, int tab)
{
    MACIBM_startwind(win, "layout check");
    if (const APP_tab_row* row = APP_tabs_of(win)) set.*(row->sel) = tab;
    std::vector<BTN_hit> hits;
    ww_mouse_to(-100, -100);
    ww_frames(1);                                  // the page settles (a tab change, a clamp)
    BTN_record_hits(&hits);
    ww_frames(1);
    BTN_record_hits(nullptr);
    std::string out;
    for (size_t i = 0; i < hits.size(); i++) {
        const BTN_hit& a = hits[i];
        if (a.x1 < 0 || a.y1 < 0 || a.x2 > mnw.win_dx || a.y2 > mnw.win_dy) out += "outside: " + describe(a) + "\n";
        for (size_t j = i + 1; j < hits.size(); j++)
            if (overlap(a, hits[j])) out += "overlap: " + describe(a) + " and " + describe(hits[j]) + "\n";
    }
    if (hits.empty()) out = "no widgets drawn\n";
    return out;
}

//=== the texture floor ======================================================================
// GL stays behind draw/; the floor reaches the few calls it needs through the shell's lookup.
typedef void (*gl_bind_fn)(unsigned target, unsigned name);
typedef void (*gl_teximage_fn)(unsigned target, int level, int internal, int w, int h, int border, unsigned format,
                               unsigned type, const void* pixels);
typedef void (*gl_texparam_fn)(unsigned target, unsigned pname, int value);
typedef void (*gl_finish_fn)(void);
static const unsigned GL_TEX_2D = 0x0DE1, GL_RGBA_ = 0x1908, GL_UBYTE = 0x1401, GL_MIN_FILT = 0x2801, GL_LIN = 0x2601;

struct gl_floor_procs {
    gl_bind_fn bind = (gl_bind_fn)MACIBM_sys_gl_proc("glBindTexture");
    gl_teximage_fn teximage = (gl_teximage_fn)MACIBM_sys_gl_proc("glTexImage2D");
    gl_texparam_fn texparam = (gl_texparam_fn)MACIBM_sys_gl_proc("glTexParameteri");
    gl_finish_fn finish = (gl_finish_fn)MACIBM_sys_gl_proc("glFinish");
};
// Looked up once, with the context current.
static const gl_floor_procs& floor_procs(void)
{
    static const gl_floor_procs p;
    return p;
}

int ww_gl_floor_ready(void)
{
    const gl_floor_procs& gl = floor_procs();
    return gl.bind && gl.teximage && gl.texparam && gl.finish;
}

int ww_plain_png_upload(const std::string& path, unsigned name, std::vector<unsigned char>& buf, int max_rows)
{
    const gl_floor_procs& gl = floor_procs();
    int w, h;
    if (!tex_read_png_rgba(path, buf.data(), max_rows, &w, &h)) return 0;
    gl.bind(GL_TEX_2D, name);
    gl.teximage(GL_TEX_2D, 0, (int)GL_RGBA_, w, h, 0, GL_RGBA_, GL_UBYTE, buf.data());
    gl.texparam(GL_TEX_2D, GL_MIN_FILT, (int)GL_LIN);
    return 1;
}

void ww_gl_finish(void) { floor_procs().finish(); }
