// alert.cpp -- the alert window and the save prompt. Both are modal: each runs the frame loop
// itself until the designer answers.
#include "shell/Hl_MNW.h"
#include "editor/HL_BTN.h"
#include "draw/HL_GRAPH.h"
#include <cstring>
#include <string>

static const char* const s_languages[7] = {"|English", "|French", "|German", "|Italian", "|Spanish", "|Korean", "|Portuguese"};

// One frame of the alert window: what it shows and whether its button (or Return) was pressed.
static int alert_frame(const char* const s[4], int type)
{
    OGL_plot_background();
    BTN_fillwin(1, 19);
    if (type == 13) {
        // Only a language whose text and menus are installed can be chosen; the others are shown
        // greyed, so a first start can never choose its way into a missing text file.
        for (int i = 0; i < 7; i++) {
            const float x = mnw.win_dx / 2 - 25, y = 180 - 20 * i;
            if (MACIBM_lang_installed(i)) BTN_is_int(x, y, &mnw.lang, i, s_languages[i]);
            else OGL_string(57, x + 12, y, s_languages[i] + 1, 200, 100);   // 57: mid grey
        }
        return BTN_action(mnw.win_dx / 2, 18, 0, 0, "Accept") || mnw.return_hit;
    }
    static const float rows[4] = {185, 145, 105, 65};
    for (int i = 0; i < 4; i++) OGL_string(39, 10, rows[i], s[i], mnw.win_dx - 20, 100);
    return BTN_action(mnw.win_dx / 2, 18, 0, 0, stl.text[602]) || mnw.return_hit;
}

void MACIBM_show_alert(int close_to, const char* const s[4], int type)
{
    float mx = mnw.mx, my = mnw.my;
    // The Return that chose a menu item must not also dismiss the alert it opened.
    mnw.return_hit = 0;
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

//=== the save prompt ========================================================================
int MACIBM_nuke_alert(const char* name, int can_cancel)
{
    MACIBM_startwind(MNW_WIN_SAVEQ, "from MACIBM_nuke_alert");
    mnw.return_hit = 0;
    // The text lines lose their trailing blanks when read, so the spaces around the name are ours.
    std::string text = stl.text[610];
    text += ' ';
    text += name ? name : "";
    text += ' ';
    text += stl.text[611];
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
