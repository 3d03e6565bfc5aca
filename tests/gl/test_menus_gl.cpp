// The menus, the editor's keys and its commands in the real frame loop, driven the way a designer
// drives them: real mouse and key events, real frames. The save prompt is modal, so its answers are
// scripted frame by frame through the hook that runs before every swap.
#include <gtest/gtest.h>
#include "shell/Hl_MNW.h"
#include "editor/APPLICATION.h"
#include "base/MACIBM_keys.h"
#include "base/IO_UTILS.h"
#include "editor/HL_BTN.h"
#include "editor/PLN_MAIN.h"
#include "draw/HL_GRAPH.h"
#include "model/IO_ACF.h"
#include "model/acf_struct.h"
#include "model/set_struct.h"
#include "tests/support/ww_test.h"
#include <SDL_keycode.h>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <unistd.h>
#include <vector>

namespace {

// What the editor saw of this frame's input, taken inside APPLICATION_update.
int s_saw_click = -1, s_saw_return = -1;
void note_input(void)
{
    s_saw_click = mnw.mouse_clicked;
    s_saw_return = mnw.return_hit;
}

// The centre of a bar title and of an item, found by their texts.
int menu_titled(const char* title)
{
    for (int m = 0; m < MNW_POPUP_MENU; m++)
        if (!strcmp(stl.menu_name[m], title)) return m;
    return -1;
}

void item_centre(int m, const char* text, float* x, float* y)
{
    *x = *y = -1;
    for (int i = 0; i < MNW_NUM_ITEMS; i++) {
        if (strncmp(stl.item_name[m][i], text, strlen(text)) != 0) continue;
        *x = (mnw.itemx1[m][i] + mnw.itemx2[m][i]) * 0.5f;
        *y = (mnw.itemy1[m][i] + mnw.itemy2[m][i]) * 0.5f;
        return;
    }
    ADD_FAILURE() << "no item " << text;
}

class MenuClicks : public ::testing::Test {
protected:
    void SetUp() override
    {
        ww_start_program();
        ww_catch_alerts();
        MACIBM_startwind(0, "menu tests");
        set.acf_mod = set.wpn_mod = 0;
        APPLICATION_handlemenu(300);                // an aircraft of some size: the view pans within it
        g_test_frame_hook = note_input;
        file = menu_titled("File");
        view = menu_titled("View");
        ASSERT_GE(file, 0);
        ASSERT_GE(view, 0);
    }
    void TearDown() override
    {
        g_test_frame_hook = nullptr;
        mnw.menu_up = -1;
        MACIBM_startwind(0, "menu tests");
        ww_frames(1);
    }
    static void click(float x, float y)
    {
        ww_click_at(x, y);
        ww_frames(1);
    }
    void click_title(int m) { click((mnw.menux1[m] + mnw.menux2[m]) * 0.5f, (mnw.menuy1[m] + mnw.menuy2[m]) * 0.5f); }
    void hover_title(int m)
    {
        ww_mouse_to((mnw.menux1[m] + mnw.menux2[m]) * 0.5f, mnw.menuy1[m] + 9);
        ww_frames(1);
    }
    void click_item(int m, const char* text)
    {
        float x, y;
        item_centre(m, text, &x, &y);
        click(x, y);
    }
    int file = -1, view = -1;
};

TEST_F(MenuClicks, TitlesOpenAndCloseTheirMenusAndTheOpenMenuFollowsTheMouse)
{
    click_title(file);
    EXPECT_EQ(mnw.menu_up, file);
    EXPECT_EQ(s_saw_click, 0);                  // the press was the menu's, not the editor's

    hover_title(view);
    EXPECT_EQ(mnw.menu_up, view);

    click_title(view);
    EXPECT_EQ(mnw.menu_up, -1);
    hover_title(file);
    EXPECT_EQ(mnw.menu_up, -1);                 // with no menu open, passing over a title opens nothing
}

TEST_F(MenuClicks, AnItemRunsItsCommandAndAClickBesideTheMenuStaysAClick)
{
    flt[0].psi = 12;
    flt[0].dob_x = 3;
    click_title(view);
    click_item(view, "Top View");
    EXPECT_EQ(mnw.menu_up, -1);
    EXPECT_EQ(flt[0].psi, 270);
    EXPECT_EQ(flt[0].phi, -90);
    EXPECT_EQ(flt[0].dob_x, 0);
    EXPECT_EQ(s_saw_click, 0);

    // Separators cannot be chosen: the menu stays as it was and the press goes nowhere.
    click_title(file);
    click_item(file, "-");
    EXPECT_EQ(mnw.menu_up, -1);

    click_title(file);
    click(600, 300);
    EXPECT_EQ(mnw.menu_up, -1);
    EXPECT_EQ(s_saw_click, 1);
}

TEST_F(MenuClicks, ReturnOnTheMainScreenActsLikeAPressButIsNoClick)
{
    hover_title(view);
    ww_key(SDLK_RETURN);
    ww_frames(1);
    EXPECT_EQ(mnw.menu_up, view);
    EXPECT_EQ(s_saw_return, 1);
    EXPECT_EQ(s_saw_click, 0);

    flt[0].psi = 5;
    float x, y;
    item_centre(view, "Front View", &x, &y);
    ww_mouse_to(x, y);
    ww_frames(1);
    ww_key(SDLK_RETURN);
    ww_frames(1);
    EXPECT_EQ(flt[0].psi, 180);
    EXPECT_EQ(mnw.menu_up, -1);
    EXPECT_EQ(s_saw_click, 0);
}

TEST_F(MenuClicks, ASubmenuOpensFromItsItemAndItsItemsRun)
{
    click_title(view);
    click_item(view, "Fine Moves");
    int fine = menu_titled("Fine Moves");
    ASSERT_GE(fine, 0);
    EXPECT_EQ(mnw.menu_up, fine);
    EXPECT_EQ(mnw.menu_prnt[fine], view);

    flt[0].dob_z = -200;
    flt[0].dob_x = 0;
    click_item(fine, "Nudge Left");
    EXPECT_NEAR(flt[0].dob_x, -0.2, 1e-9);
    EXPECT_EQ(mnw.menu_up, -1);
}

// The open menu is drawn over the editor: its panel brightens the rows under the title.
std::vector<unsigned char> s_px;
void grab_under_file(void)
{
    int m = menu_titled("File");
    s_px.assign(40 * 40 * 4, 0);
    OGL_read_pixels((int)(mnw.itemx1[m][0] + 5 + mnw.win_x + mnw.x_off), (int)(mnw.itemy1[m][3] + mnw.win_y), 40, 40,
                    s_px.data());
}

TEST_F(MenuClicks, TheOpenMenuIsDrawnOverTheScreen)
{
    g_test_before_swap = grab_under_file;
    ww_frames(1);
    std::vector<unsigned char> closed = s_px;
    click_title(file);
    ww_frames(1);
    g_test_before_swap = nullptr;
    EXPECT_NE(s_px, closed);
}

//=== keys ===================================================================================
class CommandKeys : public MenuClicks {};

TEST_F(CommandKeys, ReturnOrACloseBoxClosesAnEditorWindow)
{
    APPLICATION_handlemenu(607);
    ww_frames(1);
    EXPECT_EQ(mnw.top_win, 607);
    EXPECT_STREQ(stl.win_name, stl.text[355]);
    ww_key(SDLK_RETURN);
    ww_frames(1);
    EXPECT_EQ(mnw.top_win, 0);

    APPLICATION_handlemenu(900);
    EXPECT_EQ(wrk_path, afl_path);
    ww_frames(1);
    click(mnw.win_dx - 10, mnw.win_dy - 8);         // the top-right box
    EXPECT_EQ(mnw.top_win, 0);

    APPLICATION_handlemenu(620);
    ww_frames(1);
    click(mnw.win_dx / 2, mnw.win_dy - 8);          // the title bar between the boxes
    EXPECT_EQ(mnw.top_win, 620);
    click(10, mnw.win_dy - 8);                      // the top-left box
    EXPECT_EQ(mnw.top_win, 0);
}

TEST_F(CommandKeys, ArrowsPanShiftArrowsNudgeAndCharactersZoomAndTurn)
{
    ww_frames(1);
    flt[0].dob_x = flt[0].dob_y = 0;
    flt[0].dob_z = -100;
    ww_key(SDLK_LEFT);
    ww_key(SDLK_UP);
    ww_frames(1);
    EXPECT_NEAR(flt[0].dob_x, -1, 1e-9);
    EXPECT_NEAR(flt[0].dob_y, 1, 1e-9);
    const double z = flt[0].dob_z;                  // the view has backed off to the aircraft's size since
    ww_key(SDLK_RIGHT, MACIBM_MOD_SHIFT);
    ww_key(SDLK_DOWN, MACIBM_MOD_SHIFT);
    ww_frames(1);
    const double x = -1 - 0.001 * z, y = 1 + 0.001 * z;
    EXPECT_NEAR(flt[0].dob_x, x, 1e-9);
    EXPECT_NEAR(flt[0].dob_y, y, 1e-9);

    // The body windows move and zoom their flat drawing instead.
    APPLICATION_handlemenu(611);
    set.fuse_osx = set.fuse_osy = 0;
    set.fuse_zoom = 99;
    ww_key(SDLK_LEFT);
    ww_key(SDLK_UP, MACIBM_MOD_SHIFT);
    ww_key(SDLK_EQUALS);
    ww_frames(1);
    EXPECT_EQ(set.fuse_osx, -10);
    EXPECT_EQ(set.fuse_osy, 1);
    EXPECT_EQ(set.fuse_zoom, 100);
    EXPECT_NEAR(flt[0].dob_x, x, 1e-9);
    MACIBM_startwind(0, "keys");

    ren.zoom_act = 2;
    ww_key(SDLK_EQUALS);
    ww_frames(1);
    EXPECT_FLOAT_EQ(ren.zoom_act, 2 * 1.05f);
    ww_key(SDLK_MINUS, MACIBM_MOD_SHIFT);           // "_": the slow zoom out
    ww_frames(1);
    EXPECT_FLOAT_EQ(ren.zoom_act, 2 * 1.05f / 1.005f);
    ren.zoom_act = 1;

    flt[0].psi = 355;
    flt[0].phi = 5;
    ww_key(SDLK_a);
    ww_key(SDLK_s);
    ww_frames(1);
    EXPECT_FLOAT_EQ(flt[0].psi, 5);
    EXPECT_FLOAT_EQ(flt[0].phi, 355);

    set.draw_wire = 0;
    ww_key(SDLK_SPACE);
    ww_frames(1);
    EXPECT_EQ(set.draw_wire, 1);
    ww_key(SDLK_r);                                 // reloading shows the textures again
    ww_frames(1);
    EXPECT_EQ(set.draw_wire, 0);
}

//=== the save prompts =======================================================================
class CommandPrompts : public ::testing::Test {
protected:
    void SetUp() override
    {
        ww_start_program();
        ww_catch_alerts();
        MACIBM_startwind(0, "prompt tests");
        ww_play(&sc, [] { ww_click_at(300 - 80, 25); });   // Cancel: never hang a test run
        g_done = 0;
        set.wpn_mod = 0;
    }
    void TearDown() override
    {
        ww_play(nullptr, nullptr);
        g_done = 0;
        set.acf_mod = set.wpn_mod = 0;
        MACIBM_startwind(0, "prompt tests");
    }
    // The prompt's answer, pressed on the second frame of the prompt.
    void answer(float x, float y)
    {
        sc = ww_script{};
        sc.steps = {[] {}, [x, y] { ww_click_at(x, y); }};
    }
    ww_script sc;
};

TEST_F(CommandPrompts, QuitWithUnsavedWorkAsksFirst)
{
    const float CANCEL = 300 - 80, DONT_SAVE = 80;
    const struct { int acf_mod, wpn_mod; float answer; int by_closing, asked, done; const char* what; } rows[] = {
        {1, 0, CANCEL, 0, 1, 0, "aircraft, cancelled"},
        {1, 0, DONT_SAVE, 0, 1, 1, "aircraft, not saved"},
        {1, 0, CANCEL, 1, 1, 0, "closing the window is the same Quit"},
        {0, 1, CANCEL, 0, 1, 0, "a weapon is asked about too"},
        {0, 0, -1, 0, 0, 1, "nothing unsaved: no question"},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.what);
        g_done = 0;
        set.acf_mod = r.acf_mod;
        set.wpn_mod = r.wpn_mod;
        sc = ww_script{};
        if (r.answer >= 0) answer(r.answer, 25);
        if (r.by_closing) MACIBM_quit_requested();
        else APPLICATION_handlemenu(305);
        EXPECT_EQ(sc.saw_top_win, r.asked ? MNW_WIN_SAVEQ : -9);
        EXPECT_EQ(g_done, r.done);
        EXPECT_EQ(mnw.top_win, 0);
        EXPECT_LT(sc.frame, 10);
        if (!r.done) {
            EXPECT_EQ(set.acf_mod + set.wpn_mod, 1);   // the work is still unsaved
        }
    }
}

TEST_F(CommandPrompts, QuitWithSaveWritesTheAircraftFirst)
{
    const std::string rel = "Aircraft:quit-test-" + std::to_string(getpid()) + ".acf";
    const std::string host = IO_host_path(app_path + rel);
    remove(host.c_str());
    memset(&veh[0], 0, sizeof veh[0]);
    strcpy(veh[0].name, "quit-test.acf");
    snprintf(veh[0].path, sizeof veh[0].path, "%s", (app_path + rel).c_str());
    set.acf_mod = 1;
    answer(80, 60);                              // Save
    APPLICATION_handlemenu(305);
    EXPECT_EQ(g_done, 1);
    EXPECT_EQ(ww_read_bytes(host).size(), 5u + ACF_IMAGE_BYTES);
    remove(host.c_str());

    // When the save fails the program keeps running with the work still unsaved.
    g_done = 0;
    snprintf(veh[0].path, sizeof veh[0].path, "%s", (app_path + "Aircraft:no such folder:x.acf").c_str());
    answer(80, 60);
    APPLICATION_handlemenu(305);
    EXPECT_EQ(g_done, 0);
    EXPECT_EQ(set.acf_mod, 1);
    memset(&veh[0], 0, sizeof veh[0]);
}

TEST_F(CommandPrompts, NewAndOpenKeepUnsavedWorkWhenCancelled)
{
    memset(&veh[0], 0, sizeof veh[0]);
    strcpy(veh[0].name, "mine.acf");
    veh[0].gearstatdef[67] = 7;
    set.acf_mod = 1;
    // New, Open (the prompt, not the file dialog) and the batch re-save, which would replace it.
    for (int command : {300, 301, 1520}) {
        answer(300 - 80, 25);
        APPLICATION_handlemenu(command);
        EXPECT_EQ(sc.saw_top_win, MNW_WIN_SAVEQ) << command;
    }
    EXPECT_STREQ(veh[0].name, "mine.acf");
    EXPECT_EQ(veh[0].gearstatdef[67], 7);
    EXPECT_EQ(set.acf_mod, 1);
    memset(&veh[0], 0, sizeof veh[0]);
}

//=== batch re-save ==========================================================================
class BatchResave : public ::testing::Test {
protected:
    void SetUp() override
    {
        ww_start_program();
        ww_catch_alerts();
        MACIBM_startwind(0, "batch tests");
        wrk_path = app_path;
        g_done = 0;
        set.acf_mod = set.wpn_mod = 0;
        top = "batch-" + std::to_string(getpid());
        rel = app_path + "Aircraft:" + top + ":";
        host = IO_host_path(app_path + "Aircraft:") + top + "/";
        std::filesystem::remove_all(host);
        ASSERT_TRUE(std::filesystem::create_directories(host + "one/two"));
        log_path = IO_host_path(app_path + "Error.out");
        fflush(xer);
        log_start = ww_read_bytes(log_path).size();
    }
    void TearDown() override
    {
        std::filesystem::remove_all(host);
        memset(&veh[0], 0, sizeof veh[0]);
        memset(&veh[1], 0, sizeof veh[1]);
        set.acf_mod = 0;
        g_done = 0;
    }
    // An aircraft file whose gear default states are set, as older files often have them.
    void make_aircraft(const std::string& sub)
    {
        memset(&veh[0], 0, sizeof veh[0]);
        for (int g = 67; g <= 72; g++) veh[0].gearstatdef[g] = 1;
        veh[0].gearstatdef[10] = 4;
        ASSERT_EQ(IO_acf_write_to(0, rel + sub), 1) << sub;
    }
    // Record 1 read from the file, as the panel import reads another aircraft.
    int read_back(const std::string& sub)
    {
        memset(&veh[1], 0, sizeof veh[1]);
        snprintf(veh[1].path, sizeof veh[1].path, "%s", (rel + sub).c_str());
        return IO_acf(0, 1, 0);
    }
    std::string top, rel, host, log_path;
    size_t log_start = 0;
};

TEST_F(BatchResave, EveryAircraftInEveryFolderIsSavedAgainButDamagedFilesAreLeftAlone)
{
    for (const char* sub : {"a.acf", "one:b.acf", "one:two:c.acf"}) make_aircraft(sub);
    make_aircraft("whole.acf");
    const std::string whole = ww_read_bytes(host + "whole.acf");
    remove((host + "whole.acf").c_str());
    std::ofstream(host + "one/short.acf", std::ios::binary) << whole.substr(0, 20000);
    std::ofstream(host + "one/two/damaged.acf", std::ios::binary) << "not an aircraft at all\n";
    std::ofstream(host + "notes.txt") << "not listed for aircraft\n";
    const std::string short_before = ww_read_bytes(host + "one/short.acf");
    const std::string damaged_before = ww_read_bytes(host + "one/two/damaged.acf");
    memset(&veh[0], 0, sizeof veh[0]);

    APPLICATION_handlemenu(1520);

    ASSERT_FALSE(g_test_alerts.empty());
    EXPECT_EQ(g_test_alerts[0].lines[0], "OK I shall now look inside your 'Aircraft' in the same directory as this program.");
    for (const char* sub : {"a.acf", "one:b.acf", "one:two:c.acf"}) {
        ASSERT_EQ(read_back(sub), 1) << sub;
        for (int g = 67; g <= 72; g++) EXPECT_EQ(veh[1].gearstatdef[g], 0) << sub << " gear " << g;
        EXPECT_EQ(veh[1].gearstatdef[10], 4) << sub;
    }
    EXPECT_EQ(ww_read_bytes(host + "one/short.acf"), short_before);
    EXPECT_EQ(ww_read_bytes(host + "one/two/damaged.acf"), damaged_before);
    fflush(xer);
    const std::string log = ww_read_bytes(log_path).substr(log_start);
    EXPECT_NE(log.find(host + "one/short.acf"), std::string::npos) << log;
    EXPECT_NE(log.find(host + "one/two/damaged.acf"), std::string::npos) << log;
    EXPECT_EQ(log.find(host + "a.acf"), std::string::npos) << log;   // read and saved without trouble
    // Their design problem (these blank aircraft have no tail number) is logged once for each of
    // the three, though each is checked after it is read and again before it is saved.
    size_t problems = 0;
    for (size_t at = 0; (at = log.find("This plane has no tail number!", at)) != std::string::npos; at++) problems++;
    EXPECT_EQ(problems, 3u) << log;
    EXPECT_EQ(wrk_path, app_path);               // the file dialog starts where the designer left it
    EXPECT_EQ(mnw.top_win, 0);
}

}  // namespace
