// alert.cpp -- the alert core: the hooks, the "Error.out" record of fatal alerts, the recovery
// file before a fatal stop, and the stop itself.
#include "base/alert.h"
#include "base/records.h"
#include "base/XException.h"
#include <cstdlib>
#include <pthread.h>
#include <string>

MACIBM_alert_hook_fn g_alert_hook;
int g_alert_hook_shows;
void (*MACIBM_alert_window)(int close_to, const char* const lines[4], int type);
void (*MACIBM_alert_message_box)(const char* title, const char* text);
void (*MACIBM_fatal_shutdown)(void);
void (*g_recovery_writer)(void);

static pthread_t s_main_thread = pthread_self();
static int s_workers_up;
static int s_terminal;   // the command line: alerts are lines on the terminal, nobody dismisses them
static int s_alert_up;   // alerts never nest: one raised while another is showing is dropped

static const char* const s_credits[4] = {
    "Wing-Wright 7.40, the aircraft designer of the Skyvane flight simulator.",
    "Design, flight model and editor by the Skyvane team; thanks to every designer who sent us an airplane.",
    "Skyvane and its add-ons are sold through our web store; the full simulator flies every airplane made here.",
    "Questions, bug reports and aircraft to share: write to the Skyvane team through the web site.",
};

int MACIBM_on_main_thread(void) { return pthread_equal(pthread_self(), s_main_thread) != 0; }

void MACIBM_alert_workers(int running)
{
    if (running) s_main_thread = pthread_self();
    s_workers_up = running;
}

// The test hook is the caller's, not the program's: a test installs it before the start-up that
// it watches, so the reset leaves it alone.
void MACIBM_alert_reset(void)
{
    MACIBM_alert_window = nullptr;
    MACIBM_alert_message_box = nullptr;
    MACIBM_fatal_shutdown = nullptr;
    g_recovery_writer = nullptr;
    s_main_thread = pthread_self();
    s_workers_up = 0;
    s_alert_up = 0;
    s_terminal = 0;
}

void MACIBM_alert_terminal(int on) { s_terminal = on; }

// One line on standard error: the alert's lines joined, so a script can tell which file it was
// about (the lines name it). A fatal one ends the command with status 2, as an unreadable file does.
static void terminal_alert(const char* const s[4], int type, const char* file, int line)
{
    std::string text;
    for (int i = 0; i < 4; i++) {
        if (!s[i][0]) continue;
        if (!text.empty()) text += ' ';
        text += s[i];
    }
    fprintf(stderr, "%s%s\n", type == 17 ? "fatal: " : "", text.c_str());
    if (type != 17) return;
    if (xer) {
        fprintf(xer, "file: %s, line: %d\n", file ? file : "", line);
        fflush(xer);
    }
    fflush(stderr);
    std::_Exit(2);
}

void __MACIBM_alert(int close_to, const char* C_string1, const char* C_string2, const char* C_string3,
                    const char* C_string4, int type, const char* file, int line)
{
    const char* s[4] = {C_string1 ? C_string1 : "", C_string2 ? C_string2 : "",
                        C_string3 ? C_string3 : "", C_string4 ? C_string4 : ""};
    // A worker thread may not draw or stop the program: the alert goes back to the call that
    // raised it, for the thread pool to record.
    if (s_workers_up && !MACIBM_on_main_thread()) throw XException(s[0], s[1], s[2], s[3], file, line);
    if (g_alert_hook) g_alert_hook(type, s[0], s[1], s[2], s[3], file, line);
    if (s_terminal) {
        terminal_alert(s, type, file, line);
        return;
    }
    if (s_alert_up || mnw.top_win == MNW_WIN_ALERT) return;
    if (type == 15) for (int i = 0; i < 4; i++) s[i] = s_credits[i];

    if (type == 17 && xer) {
        fprintf(xer, "file: %s, line: %d\n", file ? file : "", line);
        for (const char* l : s) fprintf(xer, "%s\n", l);
        fflush(xer);
    }
    s_alert_up = 1;
    // Before a fatal stop, the aircraft being edited must not be lost.
    if (type == 17 && g_recovery_writer) g_recovery_writer();
    if (g_alert_hook && !g_alert_hook_shows) {
        // a test or fuzzer took the alert: nobody is there to dismiss a window
    } else if (g_OGL_inited && MACIBM_alert_window) {
        MACIBM_alert_window(close_to, s, type);
    } else {
        std::string text = std::string(s[0]) + "\n\n" + s[1] + "\n\n" + s[2] + "\n\n" + s[3];
        if (MACIBM_alert_message_box) MACIBM_alert_message_box("Aerodeck Message", text.c_str());
        else fprintf(stderr, "Aerodeck Message\n%s\n", text.c_str());   // no window at all: the terminal
    }
    s_alert_up = 0;

    if (type == 17) {
        g_done = 1;
        if (MACIBM_fatal_shutdown) MACIBM_fatal_shutdown();
        std::_Exit(1);
    }
}
