// Alerts and the save prompt in the real frame loop: each is modal, so the test scripts the
// designer's mouse and keys frame by frame through the hook that runs before every swap.
#include <gtest/gtest.h>
#include "shell/Hl_MNW.h"
#include "base/MACIBM_keys.h"
#include "tests/support/ww_test.h"
#include <SDL_keycode.h>

namespace {

class Alerts : public ::testing::Test {
protected:
    ww_script sc;
    void SetUp() override
    {
        ww_start_program();
        MACIBM_startwind(0, "alerts");
        ww_catch_alerts();
        g_alert_hook_shows = 1;
        ww_play(&sc, [] { ww_key(SDLK_RETURN); });
    }
    void TearDown() override
    {
        ww_play(nullptr, nullptr);
        g_alert_hook_shows = 0;
        MACIBM_startwind(0, "alerts");
    }
    void idle() { sc.steps.push_back([] {}); }
};

TEST_F(Alerts, MessageShowsItsWindowUntilTheButtonIsPressed)
{
    idle();
    sc.steps.push_back([] { ww_click_at(200, 18); });   // the OK button, centred at the bottom
    MACIBM_alert(0, "The wing is too short.", "Make it longer.", "", "", 16);
    EXPECT_EQ(sc.saw_top_win, MNW_WIN_ALERT);
    EXPECT_EQ(sc.saw_dx, 400);
    EXPECT_EQ(sc.saw_dy, 220);
    EXPECT_EQ(mnw.top_win, 0);                        // back to the window it was raised over
    EXPECT_LT(sc.frame, 10);
}

TEST_F(Alerts, ReturnDismissesAndASecondAlertIsIgnored)
{
    int inner_returned = 0;
    sc.steps.push_back([&] {
        MACIBM_alert(0, "nested", "", "", "", 16);     // must come straight back
        inner_returned = 1;
    });
    sc.steps.push_back([] { ww_key(SDLK_RETURN); });
    MACIBM_alert(0, "outer", "", "", "", 16);
    EXPECT_EQ(inner_returned, 1);
    EXPECT_EQ(mnw.top_win, 0);
    EXPECT_LT(sc.frame, 10);
}

TEST_F(Alerts, SavePromptWithoutCancelHasTwoButtons)
{
    idle();
    sc.steps.push_back([] { ww_click_at(300 - 80, 25); });   // where Cancel would be: nothing there
    idle();
    sc.steps.push_back([] { ww_click_at(80, 60); });          // Save
    EXPECT_EQ(MACIBM_nuke_alert("Cub", 0), 1);
    EXPECT_EQ(sc.saw_top_win, MNW_WIN_SAVEQ);
    EXPECT_EQ(sc.saw_dx, 300);
    EXPECT_GE(sc.frame, 4);
    EXPECT_EQ(mnw.top_win, 0);
}

}  // namespace
