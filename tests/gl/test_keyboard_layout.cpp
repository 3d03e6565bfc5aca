// Typing on a keyboard laid out for another language: the program takes the characters the
// layout gives, so a French keyboard types its digit row and its accented letters. The keys come
// from the X server itself (setxkbmap, then xdotool through XTEST), as a designer's would.
#include <gtest/gtest.h>
#include "shell/Hl_MNW.h"
#include "editor/APPLICATION.h"
#include "editor/HL_BTN.h"
#include "tests/support/ww_test.h"
#include <cstdlib>
#include <string>

namespace {

std::string s_text;
void field(void) { BTN_enterstring(400, 400, &s_text, 20, 5, "name"); }

int sh(const std::string& command) { return system(command.c_str()); }

TEST(KeyboardLayout, AFrenchKeyboardTypesItsDigitsAndAccents)
{
    ww_start_program();
    ASSERT_EQ(sh("command -v setxkbmap >/dev/null && command -v xdotool >/dev/null"), 0)
        << "setxkbmap and xdotool are needed (tools/deps.sh installs them)";
    MACIBM_startwind(607, "keys");
    s_text = "wing";
    g_test_frame_hook = field;
    ww_click_at(410, 404);
    ww_frames(3);
    ASSERT_EQ(mnw.entry_field, 5);

    ASSERT_EQ(sh("setxkbmap fr"), 0);
    // With no window manager the keys go to the window under the pointer.
    const std::string window = "$(xdotool search --name '^Aerodeck$' | head -1)";
    EXPECT_EQ(sh("xdotool mousemove --window " + window + " 500 300"), 0);
    ww_frames(3);
    EXPECT_EQ(sh("xdotool type --delay 30 '1\xc3\xa9""2'"), 0);   // 1, e acute, 2: shifted and unshifted keys
    for (int i = 0; i < 30; i++) ww_frames(1);
    sh("setxkbmap us");
    g_test_frame_hook = nullptr;
    MACIBM_startwind(0, "keys");
    EXPECT_EQ(s_text, "wing1\xe9" "2");
}

}  // namespace
