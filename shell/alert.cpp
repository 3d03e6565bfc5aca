// alert.cpp -- messages to the designer, the save prompt and the fatal stop.
// Alerts are modal: each runs the frame loop itself until the designer dismisses it.
#include "shell/Hl_MNW.h"
#include "shell/XException.h"
#include "support/HL_THREAD.h"
#include "editor/HL_BTN.h"
#include "draw/HL_GRAPH.h"
#include <cstdlib>
#include <cstring>
#include <string>

MACIBM_alert_hook_fn g_alert_hook;
int g_alert_hook_shows;
void (*g_recovery_writer)(void);

static int s_alert_up;   // alerts never nest: one raised while another is showing is dropped

static const char* const s_credits[4] = {
    "Wing-Wright 7.40, the aircraft designer of the Skyvane flight simulator.",
    "Design, flight model and editor by the Skyvane team; thanks to every designer who sent us an airplane.",
    "Skyvane and its add-ons are sold through our web store; the full simulator flies every airplane made here.",
    "Questions, bug reports and aircraft to share: write to the Skyvane team through the web site.",
};

static const char* const s_languages[7] = {"|English", "|French", "|German", "|Italian", "|Spanish", "|Korean", "|Portuguese"};

// One frame of the alert window: what it shows and whether its button (or Return) was pressed.
static int alert_frame(const char* const s[4], int type)
{
    OGL_plot_background();
    BTN_fillwin(1, 19);
    if (type == 13) {
        for (int i = 0; i < 7; i++) BTN_is_int(mnw.win_dx / 2 - 25, 180 - 20 * i, &mnw.lang, i, s_languages[i]);
        return BTN_action(mnw.win_dx / 2, 18, 0, 0, "Accept") || mnw.return_hit;
    }
    static const float rows[4] = {185, 145, 105, 65};
    for (int i = 0; i < 4; i++) OGL_string(39, 10, rows[i], s[i], mnw.win_dx - 20, 100);
    return BTN_action(mnw.win_dx / 2, 18, 0, 0, stl.text[602]) || mnw.return_hit;
}

static void show_alert_window(int close_to, const char* const s[4], int type)
{
    float mx = mnw.mx, my = mnw.my;
    if (type == 14) mnw.check_sys_event = 1;
    MACIBM_startwind(MNW_WIN_ALERT, "from alert open");
    if (type == 13) snprintf(stl.win_name, sizeof stl.win_name, "%s", "Language:");
    while (mnw.top_win == MNW_WIN_ALERT) {
        OGL_2d_projection();
        if (alert_frame(s, type)) {
            mnw.check_sys_event = 0;
            mnw.return_hit = 0;
            if (type == 17) break;
            MACIBM_startwind(close_to, "from alert close");
            mnw.mx = mx;
            mnw.my = my;
        }
        if (mnw.top_win == MNW_WIN_ALERT) MACIBM_event_proc();
    }
}

// Before a fatal stop, the aircraft being edited must not be lost.
static void write_recovery(void)
{
    if (g_recovery_writer) g_recovery_writer();
}

void __MACIBM_alert(int close_to, const char* C_string1, const char* C_string2, const char* C_string3,
                    const char* C_string4, int type, const char* file, int line)
{
    const char* s[4] = {C_string1 ? C_string1 : "", C_string2 ? C_string2 : "",
                        C_string3 ? C_string3 : "", C_string4 ? C_string4 : ""};
    // A worker thread may not draw or stop the program: the alert goes back to the call that
    // raised it, for the thread pool to record.
    if (THREAD_on_worker()) throw XException(s[0], s[1], s[2], s[3], file, line);
    if (g_alert_hook) g_alert_hook(type, s[0], s[1], s[2], s[3], file, line);
    if (s_alert_up || mnw.top_win == MNW_WIN_ALERT) return;
    if (type == 15) for (int i = 0; i < 4; i++) s[i] = s_credits[i];

    if (type == 17 && xer) {
        fprintf(xer, "file: %s, line: %d\n", file ? file : "", line);
        for (const char* l : s) fprintf(xer, "%s\n", l);
        fflush(xer);
    }
    s_alert_up = 1;
    if (type == 17) write_recovery();
    if (g_alert_hook && !g_alert_hook_shows) {
        // a test or fuzzer took the alert: nobody is there to dismiss a window
    } else if (!g_OGL_inited) {
        std::string text = std::string(s[0]) + "\n\n" + s[1] + "\n\n" + s[2] + "\n\n" + s[3];
        MACIBM_sys_message_box("Aerodeck Message", text.c_str());
    } else {
        show_alert_window(close_to, s, type);
    }
    s_alert_up = 0;

    if (type == 17) {
        g_done = 1;
        MACIBM_finishup(0);
        std::_Exit(1);
    }
}

//=== the save prompt ========================================================================
int MACIBM_nuke_alert(const char* name, int can_cancel)
{
    MACIBM_startwind(MNW_WIN_SAVEQ, "from MACIBM_nuke_alert");
    std::string text = std::string(stl.text[610]) + (name ? name : "") + " " + stl.text[611];
    while (mnw.top_win == MNW_WIN_SAVEQ) {
        OGL_2d_projection();
        OGL_plot_background();
        BTN_fillwin(1, 19);
        OGL_string(39, 20, 125, text.c_str(), mnw.win_dx - 40, 100);
        int choice = 0;
        if (BTN_action(80, 60, 0, 0, stl.text[607])) choice = 1;
        else if (BTN_action(80, 25, 0, 0, stl.text[608])) choice = 2;
        else if (can_cancel && BTN_action(mnw.win_dx - 80, 25, 0, 0, stl.text[609])) choice = 3;
        if (choice) {
            MACIBM_startwind(MNW_WIN_MAIN, "from MACIBM_nuke_alert");
            return choice;
        }
        MACIBM_event_proc();
        if (g_done) break;
    }
    return 3;   // the prompt was closed some other way: nothing is decided, so nothing is lost
}
