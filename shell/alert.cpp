// alert.cpp -- messages to the designer and the fatal stop.
#include "shell/Hl_MNW.h"
#include "shell/XException.h"
#include "support/HL_THREAD.h"
#include <cstdlib>
#include <string>

MACIBM_alert_hook_fn g_alert_hook;

static int s_alert_up;   // alerts never nest: one raised while another is showing is dropped

void __MACIBM_alert(int close_to, const char* C_string1, const char* C_string2, const char* C_string3,
                    const char* C_string4, int type, const char* file, int line)
{
    (void)close_to;
    const char* s[4] = {C_string1 ? C_string1 : "", C_string2 ? C_string2 : "",
                        C_string3 ? C_string3 : "", C_string4 ? C_string4 : ""};
    // A worker thread may not draw or stop the program: the alert goes back to the call that
    // raised it, for the thread pool to record.
    if (THREAD_on_worker()) throw XException(s[0], s[1], s[2], s[3], file, line);
    if (g_alert_hook) g_alert_hook(type, s[0], s[1], s[2], s[3], file, line);
    if (s_alert_up) return;

    if (type == 17 && xer) {
        fprintf(xer, "file: %s, line: %d\n", file ? file : "", line);
        for (const char* l : s) fprintf(xer, "%s\n", l);
        fflush(xer);
    }
    s_alert_up = 1;
    if (!g_OGL_inited || type == 17) {
        std::string text = std::string(s[0]) + "\n\n" + s[1] + "\n\n" + s[2] + "\n\n" + s[3];
        MACIBM_sys_message_box("Aerodeck Message", text.c_str());
    } else if (xer && type != 17) {
        // Until the alert window exists every message at least reaches the log.
        for (const char* l : s) fprintf(xer, "%s\n", l);
        fflush(xer);
    }
    s_alert_up = 0;

    if (type == 17) {
        g_done = 1;
        MACIBM_finishup(0);
        std::_Exit(1);
    }
}
