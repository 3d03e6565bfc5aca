// MACIBM_sdl.cpp -- the only file that talks to SDL: window, GL context, events, clock, cursor,
// message box. Everything it learns goes through IBM_handlewin, in the program's own terms.
#include "shell/Hl_MNW.h"
#include "base/MACIBM_keys.h"
#include <SDL.h>

static SDL_Window*   s_window;
static SDL_GLContext s_context;
static int           s_depth_bits;
static int           s_key_mods;            // MACIBM_MOD_* held with the key being delivered
// A key that types text waits for the text the keyboard layout makes of it (a text event), so an
// AZERTY digit row or an accented letter arrives as the designer sees it on the key: its program
// key code, or -1 when none is waiting.
static int           s_text_vkey = -1;

int MACIBM_sys_init(void)
{
    if (SDL_WasInit(SDL_INIT_VIDEO)) return 1;
    if (SDL_Init(SDL_INIT_VIDEO | SDL_INIT_TIMER) != 0) {
        if (xer) fprintf(xer, "SDL could not start: %s\n", SDL_GetError());
        return 0;
    }
    return 1;
}

int MACIBM_sys_mode_available(int dx, int dy, int bits)
{
    int n = SDL_GetNumDisplayModes(0);
    if (n < 1) return -1;
    for (int i = 0; i < n; i++) {
        SDL_DisplayMode m;
        if (SDL_GetDisplayMode(0, i, &m) != 0) continue;
        int mbits = (int)SDL_BITSPERPIXEL(m.format);
        // 24-bit colour modes are reported as 24 where the program asks for 32 (no alpha bits).
        if (m.w == dx && m.h == dy && (mbits == bits || (bits == 32 && mbits == 24))) return 1;
    }
    return 0;
}

static SDL_Window* try_window(int dx, int dy, int depth, Uint32 flags)
{
    SDL_GL_SetAttribute(SDL_GL_DOUBLEBUFFER, 1);
    SDL_GL_SetAttribute(SDL_GL_RED_SIZE, 8);
    SDL_GL_SetAttribute(SDL_GL_GREEN_SIZE, 8);
    SDL_GL_SetAttribute(SDL_GL_BLUE_SIZE, 8);
    SDL_GL_SetAttribute(SDL_GL_DEPTH_SIZE, depth);
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_PROFILE_MASK, SDL_GL_CONTEXT_PROFILE_COMPATIBILITY);
    return SDL_CreateWindow("Aerodeck", SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, dx, dy, flags);
}

int MACIBM_sys_create_window(int dx, int dy, int bits, int fullscreen)
{
    (void)bits;
    if (!MACIBM_sys_init()) return 0;
    Uint32 flags = SDL_WINDOW_OPENGL | SDL_WINDOW_SHOWN | (fullscreen ? SDL_WINDOW_FULLSCREEN : 0);
    // Ask for a 32-bit depth buffer; many drivers only offer 24, which serves as well.
    s_window = try_window(dx, dy, 32, flags);
    if (!s_window) s_window = try_window(dx, dy, 24, flags);
    if (!s_window) s_window = try_window(dx, dy, 16, flags);
    if (!s_window) {
        if (xer) fprintf(xer, "SDL could not create the window: %s\n", SDL_GetError());
        return 0;
    }
    s_context = SDL_GL_CreateContext(s_window);
    if (!s_context || SDL_GL_MakeCurrent(s_window, s_context) != 0) {
        if (xer) fprintf(xer, "SDL could not create the OpenGL context: %s\n", SDL_GetError());
        SDL_DestroyWindow(s_window);
        s_window = nullptr;
        return 0;
    }
    SDL_GL_SetSwapInterval(0);   // the frame loop never waits: it redraws as fast as it can
    s_depth_bits = 0;
    SDL_GL_GetAttribute(SDL_GL_DEPTH_SIZE, &s_depth_bits);
    mnw.window = s_window;
    SDL_StartTextInput();
    IBM_handlewin(IBM_MSG_CREATE, 0, 0);
    return 1;
}

int   MACIBM_sys_depth_bits(void) { return s_depth_bits; }
void* MACIBM_sys_gl_proc(const char* name) { return SDL_GL_GetProcAddress(name); }

static int vkey_from_sdl(SDL_Keycode sym, SDL_Scancode sc)
{
    if (sym >= 'a' && sym <= 'z') return VK_A + (int)(sym - 'a');
    if (sym >= '0' && sym <= '9') return VK_0 + (int)(sym - '0');
    if (sc >= SDL_SCANCODE_KP_1 && sc <= SDL_SCANCODE_KP_9) return VK_NUMPAD0 + 1 + (int)(sc - SDL_SCANCODE_KP_1);
    if (sc >= SDL_SCANCODE_F1 && sc <= SDL_SCANCODE_F12) return VK_F1 + (int)(sc - SDL_SCANCODE_F1);
    switch (sc) {
    case SDL_SCANCODE_KP_0: return VK_NUMPAD0;
    case SDL_SCANCODE_KP_PERIOD: return VK_DECIMAL;
    case SDL_SCANCODE_KP_MULTIPLY: return VK_MULTIPLY;
    case SDL_SCANCODE_KP_PLUS: return VK_ADD;
    case SDL_SCANCODE_KP_MINUS: return VK_SUBTRACT;
    case SDL_SCANCODE_KP_DIVIDE: return VK_DIVIDE;
    case SDL_SCANCODE_KP_ENTER: return VK_RETURN;
    default: break;
    }
    switch (sym) {
    case SDLK_BACKSPACE: return VK_BACK;
    case SDLK_TAB: return VK_TAB;
    case SDLK_RETURN: return VK_RETURN;
    case SDLK_ESCAPE: return VK_ESCAPE;
    case SDLK_SPACE: return VK_SPACE;
    case SDLK_PAGEUP: return VK_PRIOR;
    case SDLK_PAGEDOWN: return VK_NEXT;
    case SDLK_END: return VK_END;
    case SDLK_HOME: return VK_HOME;
    case SDLK_LEFT: return VK_LEFT;
    case SDLK_UP: return VK_UP;
    case SDLK_RIGHT: return VK_RIGHT;
    case SDLK_DOWN: return VK_DOWN;
    case SDLK_INSERT: return VK_INSERT;
    case SDLK_DELETE: return VK_DELETE;
    case SDLK_SEMICOLON: return VK_OEM_1;
    case SDLK_EQUALS: return VK_OEM_PLUS;
    case SDLK_COMMA: return VK_OEM_COMMA;
    case SDLK_MINUS: return VK_OEM_MINUS;
    case SDLK_PERIOD: return VK_OEM_PERIOD;
    case SDLK_SLASH: return VK_OEM_2;
    case SDLK_BACKQUOTE: return VK_OEM_3;
    case SDLK_LEFTBRACKET: return VK_OEM_4;
    case SDLK_BACKSLASH: return VK_OEM_5;
    case SDLK_RIGHTBRACKET: return VK_OEM_6;
    case SDLK_QUOTE: return VK_OEM_7;
    case SDLK_LSHIFT: case SDLK_RSHIFT: return VK_SHIFT;
    case SDLK_LCTRL: case SDLK_RCTRL: return VK_CONTROL;
    default: return 0;
    }
}

// SDL key to the program's key code and the character it types (0 when none).
static void translate_key(const SDL_KeyboardEvent& k, int* vkey, int* chr)
{
    SDL_Keycode sym = k.keysym.sym;
    int shift = (k.keysym.mod & KMOD_SHIFT) != 0;
    *chr = 0;
    *vkey = vkey_from_sdl(sym, k.keysym.scancode);
    if (sym >= 32 && sym < 127) *chr = MACIBM_shifted_char((int)sym, shift);
    else if (k.keysym.scancode >= SDL_SCANCODE_KP_1 && k.keysym.scancode <= SDL_SCANCODE_KP_PERIOD &&
             (k.keysym.mod & KMOD_NUM)) {
        static const char kp[] = "1234567890.";
        *chr = kp[k.keysym.scancode - SDL_SCANCODE_KP_1];
    }
}

// The modifiers as the last key event left them: every key event carries the state after it.
static int s_held_mods;
static int held_mods(Uint16 mod)
{
    return ((mod & KMOD_SHIFT) ? MACIBM_MOD_SHIFT : 0) | ((mod & KMOD_CTRL) ? MACIBM_MOD_CTRL : 0) |
           ((mod & KMOD_ALT) ? MACIBM_MOD_ALT : 0) | ((mod & KMOD_CAPS) ? MACIBM_MOD_CAPS : 0);
}

int MACIBM_keys_held(void) { return s_held_mods; }

void MACIBM_sys_pump(void)
{
    SDL_Event e;
    while (SDL_PollEvent(&e)) {
        switch (e.type) {
        case SDL_QUIT: IBM_handlewin(IBM_MSG_DESTROY, 0, 0); MACIBM_quit_requested(); break;
        case SDL_WINDOWEVENT:
            if (e.window.event == SDL_WINDOWEVENT_EXPOSED || e.window.event == SDL_WINDOWEVENT_SHOWN)
                IBM_handlewin(IBM_MSG_PAINT, 0, 0);
            break;
        case SDL_KEYDOWN: {
            int vkey, chr;
            translate_key(e.key, &vkey, &chr);
            // The key handler needs Shift and Ctrl for keys that type nothing (Shift with an arrow
            // or a function key is another command).
            s_held_mods = held_mods(e.key.keysym.mod);
            s_key_mods = ((e.key.keysym.mod & KMOD_SHIFT) ? MACIBM_MOD_SHIFT : 0) |
                         ((e.key.keysym.mod & KMOD_CTRL) ? MACIBM_MOD_CTRL : 0);
            // Command keys (with Ctrl, or typing nothing) go at once, in the program's own codes.
            const SDL_Keycode sym = e.key.keysym.sym;
            const bool types_text = chr || (sym >= 128 && !(sym & SDLK_SCANCODE_MASK));
            if (types_text && !(e.key.keysym.mod & (KMOD_CTRL | KMOD_ALT))) {
                s_text_vkey = vkey;
                break;
            }
            s_text_vkey = -1;
            if (vkey) IBM_handlewin(IBM_MSG_KEYDOWN, vkey, chr);
            break;
        }
        case SDL_TEXTINPUT: {
            // Each character the layout typed; those beyond Latin-1 have no place in the
            // program's 8-bit text, and characters the glyph sheet cannot draw are left out when
            // drawn, not here.
            const unsigned char* t = (const unsigned char*)e.text.text;
            while (*t) {
                unsigned cp = *t++;
                int extra = cp >= 0xF0 ? 3 : cp >= 0xE0 ? 2 : cp >= 0xC0 ? 1 : 0;
                if (extra) cp &= 0x3F >> extra;
                for (; extra && (*t & 0xC0) == 0x80; extra--) cp = (cp << 6) | (*t++ & 0x3F);
                if (extra || cp > 0xFF || cp < 32) continue;
                IBM_handlewin(IBM_MSG_KEYDOWN, s_text_vkey > 0 ? s_text_vkey : 0, (int)cp);
                s_text_vkey = -1;
            }
            break;
        }
        case SDL_KEYUP:
            s_held_mods = held_mods(e.key.keysym.mod);
            IBM_handlewin(IBM_MSG_KEYUP, 0, 0);
            break;
        case SDL_MOUSEMOTION: IBM_handlewin(IBM_MSG_MOUSEMOVE, e.motion.x, e.motion.y); break;
        case SDL_MOUSEBUTTONDOWN:
            if (e.button.button == SDL_BUTTON_LEFT || e.button.button == SDL_BUTTON_RIGHT) {
                IBM_handlewin(IBM_MSG_MOUSEMOVE, e.button.x, e.button.y);
                IBM_handlewin(IBM_MSG_BUTTONDOWN, 0, 0);
            }
            break;
        case SDL_MOUSEBUTTONUP:
            if (e.button.button == SDL_BUTTON_LEFT || e.button.button == SDL_BUTTON_RIGHT)
                IBM_handlewin(IBM_MSG_BUTTONUP, 0, 0);
            break;
        case SDL_MOUSEWHEEL: IBM_handlewin(IBM_MSG_WHEEL, e.wheel.y * 120, 0); break;
        }
    }
}

void MACIBM_sys_swap(void)
{
    if (s_window) SDL_GL_SwapWindow(s_window);
}

void MACIBM_sys_show_cursor(int show) { SDL_ShowCursor(show ? SDL_ENABLE : SDL_DISABLE); }

void MACIBM_sys_message_box(const char* title, const char* text)
{
    if (SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_INFORMATION, title, text, s_window) != 0)
        fprintf(stderr, "%s\n%s\n", title, text);   // no display at all: the terminal is all we have
}

void MACIBM_sys_close(void)
{
    if (s_context) { SDL_GL_DeleteContext(s_context); s_context = nullptr; }
    if (s_window) { SDL_DestroyWindow(s_window); s_window = nullptr; }
    mnw.window = nullptr;
    if (SDL_WasInit(SDL_INIT_VIDEO)) SDL_Quit();
}

int MACIBM_sys_key_mods(void) { return s_key_mods; }
