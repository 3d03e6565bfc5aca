// APPLICATION.cpp -- the editor's screen function, called by the frame loop.
#include "base/records.h"
#include "base/alert.h"
#include "base/HL_MATH_FUN.h"
#include "base/common.h"
#include "editor/APPLICATION.h"
#include "draw/HL_GRAPH.h"
#include "draw/HL_DRPLANE.h"
#include "editor/HL_BTN.h"
#include "geometry/PLN_PROCS.h"

void (*g_test_frame_hook)(void);

// The main view and the editor windows are drawn here. Until their bodies exist an editor window
// shows its frame, title and close boxes, and the main view the window background (the start
// picture until the first window opens).
void APPLICATION_update(void)
{
    OGL_plot_background();
    if (mnw.top_win != MNW_WIN_MAIN) BTN_fillwin(1, 19);
    if (g_test_frame_hook) g_test_frame_hook();
    // No dirty flags: every frame rebuilds the drawn geometry, then the derived values with the
    // automatic settings, so the next frame shows whatever this one changed.
    load_plane_geo(0, 0, 0, 0);
    update_plane_specs();
}
