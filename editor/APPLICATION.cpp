// APPLICATION.cpp -- the editor's screen function, called by the frame loop.
#include "shell/Hl_MNW.h"
#include "draw/HL_GRAPH.h"

void (*g_test_frame_hook)(void);

// The main view and the editor windows are drawn here; until they exist the screen shows the
// window background (the start picture until the first window opens).
void APPLICATION_update(void)
{
    OGL_plot_background();
    if (g_test_frame_hook) g_test_frame_hook();
}
