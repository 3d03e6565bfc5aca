// Alerts that must not vanish unread: one opened by the Return that chose a menu item stays up
// until it is answered.
#include <gtest/gtest.h>
#include "shell/Hl_MNW.h"
#include "tests/support/ww_test.h"
#include <SDL_keycode.h>

namespace {

TEST(AlertOpenedByReturn, StaysUpUntilAnswered)
{
    ww_start_program();
    MACIBM_startwind(0, "return");
    ww_catch_alerts();
    g_alert_hook_shows = 1;
    ww_script sc;
    sc.steps = {[] {}, [] {}, [] { ww_key(SDLK_RETURN); }};
    ww_play(&sc, [] { ww_key(SDLK_RETURN); });
    for (int kind : {16, 13}) {
        SCOPED_TRACE(kind);
        sc.frame = 0;
        sc.saw_top_win = -9;
        mnw.return_hit = 1;                  // the Return that chose the command is still set
        MACIBM_alert(0, "The batch re-save is about to start.", "", "", "", kind);
        EXPECT_EQ(sc.saw_top_win, MNW_WIN_ALERT);
        EXPECT_GE(sc.frame, 3);
    }
    ww_play(nullptr, nullptr);
    g_alert_hook_shows = 0;
    MACIBM_startwind(0, "return");
}

}  // namespace
