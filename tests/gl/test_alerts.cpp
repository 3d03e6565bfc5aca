// Alerts and the save prompt in the real frame loop: each is modal, so the test scripts the
// designer's mouse and keys frame by frame through the hook that runs before every swap.
#include <gtest/gtest.h>
#include "shell/Hl_MNW.h"
#include "shell/MACIBM_keys.h"
#include "tests/support/ww_test.h"
#include <functional>
#include <vector>
#include <SDL_keycode.h>

namespace {

struct script {
    int frame = 0;
    std::vector<std::function<void()>> steps;   // one entry per frame; runs before that frame's swap
    int saw_top_win = -9;
    float saw_dx = 0, saw_dy = 0;
};
script* s_script;

void run_script(void)
{
    script& s = *s_script;
    if (s.saw_top_win == -9) { s.saw_top_win = mnw.top_win; s.saw_dx = mnw.win_dx; s.saw_dy = mnw.win_dy; }
    if (s.frame < (int)s.steps.size()) s.steps[s.frame]();
    else if (s.frame > 200) MACIBM_sys_push_key(1, SDLK_RETURN);   // never hang a test run
    s.frame++;
}

void click_at(float x, float y)
{
    ww_mouse_to(x, y);
    MACIBM_sys_push_button(1);
    MACIBM_sys_push_button(0);
}

class Alerts : public ::testing::Test {
protected:
    script sc;
    void SetUp() override
    {
        ww_start_program();
        MACIBM_startwind(0, "alerts");
        ww_catch_alerts();
        g_alert_hook_shows = 1;
        s_script = &sc;
        g_test_before_swap = run_script;
    }
    void TearDown() override
    {
        g_test_before_swap = nullptr;
        g_alert_hook_shows = 0;
        s_script = nullptr;
        MACIBM_startwind(0, "alerts");
    }
    void idle() { sc.steps.push_back([] {}); }
};

TEST_F(Alerts, MessageShowsItsWindowUntilTheButtonIsPressed)
{
    idle();
    sc.steps.push_back([] { click_at(200, 18); });   // the OK button, centred at the bottom
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
    sc.steps.push_back([] { MACIBM_sys_push_key(1, SDLK_RETURN); MACIBM_sys_push_key(0, SDLK_RETURN); });
    MACIBM_alert(0, "outer", "", "", "", 16);
    EXPECT_EQ(inner_returned, 1);
    EXPECT_EQ(mnw.top_win, 0);
    EXPECT_LT(sc.frame, 10);
}

TEST_F(Alerts, LanguageChoiceByRadioButton)
{
    mnw.lang = 0;
    idle();
    sc.steps.push_back([] { click_at(mnw.win_dx / 2 - 25, 160 + 4); });   // "French", the second row
    sc.steps.push_back([] { click_at(mnw.win_dx / 2, 18); });             // Accept
    MACIBM_alert(0, "", "", "", "", 13);
    EXPECT_EQ(mnw.lang, 1);
    EXPECT_LT(sc.frame, 10);
    mnw.lang = 0;
}

TEST_F(Alerts, SavePromptWithoutCancelHasTwoButtons)
{
    idle();
    sc.steps.push_back([] { click_at(300 - 80, 25); });   // where Cancel would be: nothing there
    idle();
    sc.steps.push_back([] { click_at(80, 60); });          // Save
    EXPECT_EQ(MACIBM_nuke_alert("Cub", 0), 1);
    EXPECT_EQ(sc.saw_top_win, MNW_WIN_SAVEQ);
    EXPECT_EQ(sc.saw_dx, 300);
    EXPECT_GE(sc.frame, 4);
    EXPECT_EQ(mnw.top_win, 0);
}

TEST_F(Alerts, SavePromptAnswers)
{
    sc.steps = {[] {}, [] { click_at(80, 25); }};
    EXPECT_EQ(MACIBM_nuke_alert("Cub", 1), 2);            // Don't save
    sc = script{};
    sc.steps = {[] {}, [] { click_at(300 - 80, 25); }};
    EXPECT_EQ(MACIBM_nuke_alert("Cub", 1), 3);            // Cancel
}

}  // namespace
