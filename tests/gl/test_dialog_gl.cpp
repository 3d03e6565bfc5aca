// The open and save dialog in the real frame loop. It is modal, so each test scripts the
// designer's mouse and keys frame by frame through the hook that runs before every swap.
#include <gtest/gtest.h>
#include "shell/dialog.h"
#include "shell/Hl_MNW.h"
#include "base/IO_UTILS.h"
#include "editor/HL_BTN.h"
#include "tests/support/ww_test.h"
#include <filesystem>
#include <functional>
#include <string>
#include <unistd.h>
#include <vector>
#include <SDL_keycode.h>

namespace {

// The name list centres row 0 at y 180 and puts row r (counted downwards) 10 px lower each.
float row_y(int r) { return 180 - 10.0f * r; }

// The folder pop-up sits centred at the top of the dialog.
const float POPUP_X = 341 * 0.5f, POPUP_Y = 438;

// What the menu code does when the designer clicks item i of the open pop-up.
void choose_popup_item(int i)
{
    popup_menu_select = i;
    select_popup_code = active_popup_code;
    active_popup_code = 0;
    mnw.menu_up = -1;
}

class Dialog : public ::testing::Test {
protected:
    ww_script sc;
    std::string dir;
    std::string file = "Cub.acf", path = "unchanged";
    void SetUp() override
    {
        ww_start_program();
        MACIBM_startwind(0, "dialog tests");
        ww_catch_alerts();
        dir = ww_temp_dir("dialog-gl");
        acf_path = dir;                          // aircraft dialogs start in the aircraft folder
        // never hang a test run: Cancel
        ww_play(&sc, [] { if (mnw.top_win == MNW_WIN_OPEN || mnw.top_win == MNW_WIN_SAVE) ww_click_at(45, 28); }, 300);
    }
    void TearDown() override
    {
        ww_play(nullptr, nullptr);
        ww_frames(2);                            // events a failed script left behind go nowhere
        ww_use_aerodeck();                       // every folder as the program started with it
        MACIBM_startwind(0, "dialog tests");
    }
    void idle() { sc.steps.push_back([] {}); }
    void step(std::function<void()> f) { sc.steps.push_back(std::move(f)); }
    void files(std::initializer_list<const char*> names)
    {
        for (const char* n : names) ASSERT_TRUE(ww_write_bytes(dir + n, "")) << n;
    }
    void folder(const char* name) { ASSERT_TRUE(std::filesystem::create_directory(dir + name)); }
    int open(int open_save, int file_type) { return dialog_opensave(open_save, file_type, &file, &path); }
};

TEST_F(Dialog, ClickOnAFileOpensIt)
{
    files({"b.acf", "a.acf", "c.acf", "skip.wpn"});
    folder("Sub");
    idle();
    step([] { EXPECT_EQ(g_file[2], "b.acf"); ww_click_at(100, row_y(1)); });   // the row below the centre
    EXPECT_EQ(open(MNW_WIN_OPEN, 4), 1);
    EXPECT_EQ(file, "c.acf");
    EXPECT_EQ(path, dir + "c.acf");
    EXPECT_EQ(sc.saw_top_win, MNW_WIN_OPEN);
    EXPECT_EQ(sc.saw_dx, 341);
    EXPECT_EQ(sc.saw_dy, 484);
    EXPECT_EQ(mnw.top_win, 0);
    EXPECT_LT(sc.frame, 10);
}

TEST_F(Dialog, ClicksOffTheEntriesOpenNothing)
{
    files({"only.acf"});
    idle();
    step([] { ww_click_at(100, row_y(3)); });        // an empty row under the one entry
    step([] { ww_click_at(100, 250); });             // the empty panel above it
    idle();
    step([] { ww_click_at(45, 28); });               // Cancel
    EXPECT_EQ(open(MNW_WIN_OPEN, 4), 0);
    EXPECT_EQ(file, "Cub.acf");
    EXPECT_EQ(path, "unchanged");
}

TEST_F(Dialog, ReturnEntersAFolderAndOpensAFile)
{
    folder("Gliders");
    folder("Jets");
    files({"z.acf", "Jets/inner.acf"});
    idle();
    step([] { EXPECT_EQ(g_file[1], "Jets"); ww_key(SDLK_RETURN); });   // 3 entries: the centre is the second
    idle();
    step([this] {
        EXPECT_EQ(wrk_path, dir + "Jets:");
        EXPECT_EQ(g_file_count, 1);
        ww_key(SDLK_RETURN);
    });
    EXPECT_EQ(open(MNW_WIN_OPEN, 4), 1);
    EXPECT_EQ(file, "inner.acf");
    EXPECT_EQ(path, dir + "Jets:inner.acf");
    EXPECT_TRUE(IO_file_exists(path));
    EXPECT_EQ(wrk_path, dir + "Jets:");            // the next dialog starts where this one ended
}

TEST_F(Dialog, SaveKeepsThirtyTypedCharactersInTheFolderShown)
{
    folder("Sub");
    idle();
    step([] {
        EXPECT_STREQ(g_cs_input, "Cub.acf");      // the current name, ready to edit
        for (int i = 0; i < 7; i++) ww_key(SDLK_BACKSPACE);
    });
    step([] {
        EXPECT_STREQ(g_cs_input, "");
        for (char c : std::string("abcdefghijklmnopqrstuvwxyzabcde")) ww_key(c);   // 31 characters
    });
    step([] { ww_click_at(100, row_y(0)); });        // into the folder "Sub"
    step([] { ww_key(SDLK_RETURN); });
    EXPECT_EQ(open(MNW_WIN_SAVE, 4), 1);
    EXPECT_EQ(file, "abcdefghijklmnopqrstuvwxyzabcd");
    EXPECT_EQ(path, dir + "Sub:abcdefghijklmnopqrstuvwxyzabcd");
    EXPECT_EQ(sc.saw_top_win, MNW_WIN_SAVE);
    EXPECT_EQ(mnw.top_win, 0);
    EXPECT_EQ(mnw.entry_field, -1);               // the keyboard goes back to the editor
}

TEST_F(Dialog, SaveReturnWithNoNameSavesNothing)
{
    file = "";
    idle();
    step([] { ww_key(SDLK_RETURN); });
    idle();
    step([] { ww_key('x'); });
    step([] { ww_key(SDLK_RETURN); });
    EXPECT_EQ(open(MNW_WIN_SAVE, 4), 1);
    EXPECT_EQ(file, "x");
    EXPECT_EQ(sc.frame, 6);
}

TEST_F(Dialog, CancelReturnsZeroAndRestoresTheCallersWindow)
{
    files({"a.acf"});
    MACIBM_startwind(605, "caller");
    idle();
    step([] { ww_click_at(45, 28); });
    EXPECT_EQ(open(MNW_WIN_OPEN, 4), 0);
    EXPECT_EQ(file, "Cub.acf");
    EXPECT_EQ(path, "unchanged");
    EXPECT_EQ(mnw.top_win, 605);
    EXPECT_EQ(mnw.win_dx, 417);
}

TEST_F(Dialog, CharArrayFormCopiesTheChoiceBackButNotACancel)
{
    files({"gun.wpn", "plane.acf"});
    wrk_path = dir;                              // weapons start wherever the caller points
    char cfile[BTN_INPUT_LEN] = "Old.wpn", cpath[BTN_INPUT_LEN] = "old path";
    sc.steps = {[] {}, [] { ww_click_at(45, 28); }};
    EXPECT_EQ(dialog_opensave(MNW_WIN_SAVE, 3, cfile, cpath), 0);
    EXPECT_STREQ(cfile, "Old.wpn");
    EXPECT_STREQ(cpath, "old path");
    sc = ww_script{};
    sc.steps = {[] {}, [] { ww_key(SDLK_RETURN); }};
    EXPECT_EQ(dialog_opensave(MNW_WIN_OPEN, 3, cfile, cpath), 1);
    EXPECT_STREQ(cfile, "gun.wpn");
    EXPECT_EQ(std::string(cpath), dir + "gun.wpn");
}

TEST_F(Dialog, PopupOffersTheAerodeckFolderTheChainAndSubfolders)
{
    std::string mine = "dlg-" + std::to_string(getpid());
    std::string base = app_path + "Aircraft:" + mine + ":";
    ASSERT_TRUE(IO_make_folders(base + "Gliders:x"));
    ASSERT_TRUE(IO_make_folders(base + "Fast-Jets:x"));
    acf_path = base;
    std::vector<std::string> items;
    idle();
    step([] { ww_click_at(POPUP_X, POPUP_Y + 3); });   // open the pop-up
    idle();
    step([&] {
        EXPECT_EQ(mnw.menu_up, MNW_POPUP_MENU);
        for (int i = 0; i < 6; i++) items.push_back(stl.item_name[MNW_POPUP_MENU][i]);
        choose_popup_item(4);                     // "Gliders"
    });
    idle();
    step([&] {
        EXPECT_EQ(wrk_path, base + "Gliders:");
        ww_click_at(POPUP_X, POPUP_Y + 3);
    });
    idle();
    step([] { choose_popup_item(0); });           // "Aerodeck folder"
    idle();
    step([] { ww_click_at(45, 28); });
    EXPECT_EQ(open(MNW_WIN_OPEN, 4), 0);
    // The pop-up shows "-" as a space, because "-" separates its items.
    std::string mine_shown = mine;
    mine_shown[3] = ' ';
    EXPECT_EQ(items, (std::vector<std::string>{"Aerodeck folder", "Aircraft", mine_shown, "Fast Jets", "Gliders", ""}));
    EXPECT_EQ(wrk_path, app_path);
    EXPECT_GT(g_file_count, 0);
    std::filesystem::remove_all(IO_host_path(base));
}

TEST_F(Dialog, MissingFolderShowsNothingButThePopupStillWorks)
{
    acf_path = dir + "missing:";
    idle();
    step([] {
        EXPECT_EQ(g_file_count, 0);
        ww_key(SDLK_RETURN);                         // nothing to enter or open
        ww_click_at(100, row_y(0));
    });
    idle();
    step([] { ww_click_at(POPUP_X, POPUP_Y + 3); });
    idle();
    step([] { choose_popup_item(0); });
    idle();
    step([] {
        EXPECT_EQ(wrk_path, app_path);
        EXPECT_GT(g_file_count, 0);
        ww_click_at(45, 28);
    });
    EXPECT_EQ(open(MNW_WIN_OPEN, 4), 0);
    EXPECT_EQ(sc.frame, 9);
    EXPECT_TRUE(g_test_alerts.empty());
}

TEST_F(Dialog, FolderNamesTheListCannotHoldAreShownSafely)
{
    folder("a|b");
    for (int i = 0; i < 120; i++) folder(std::string(1, 'f').append(std::to_string(1000 + i)).c_str());
    std::string text;
    int n = 0;
    idle();
    step([] { ww_click_at(POPUP_X, POPUP_Y + 3); });
    idle();
    step([&] {
        EXPECT_EQ(mnw.menu_up, MNW_POPUP_MENU);
        for (; n < 300 && stl.item_name[MNW_POPUP_MENU][n][0]; n++)
            text += std::string(n ? "-" : "") + stl.item_name[MNW_POPUP_MENU][n];
        choose_popup_item(0);
    });
    idle();
    step([] { ww_click_at(45, 28); });
    wrk_path = dir;
    EXPECT_EQ(open(MNW_WIN_OPEN, 3), 0);
    EXPECT_TRUE(g_test_alerts.empty());
    EXPECT_NE(text.find("-a b-f1000-f1001-"), std::string::npos) << text;   // after the chain from the root
    EXPECT_EQ(text.find('|'), std::string::npos);
    EXPECT_LT(n, 100);
    EXPECT_LT(text.size(), 500u);                   // subfolders stop before the text reaches 500
    EXPECT_EQ(text.find("f1119"), std::string::npos);
}

}  // namespace
