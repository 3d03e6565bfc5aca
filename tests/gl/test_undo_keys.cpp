// Z and Y take back and redo a body edit through real key presses in a body window, and in the
// panel window, whose keys go to the panel editor; a page change forgets what could be undone.
#include <gtest/gtest.h>
#include "shell/Hl_MNW.h"
#include "editor/APPLICATION.h"
#include "editor/hl_undo.h"
#include "base/MACIBM_keys.h"
#include "model/acf_struct.h"
#include "model/set_struct.h"
#include "tests/support/ww_test.h"
#include <SDL_keycode.h>

TEST(UndoKeys, ZAndYInTheBodyAndPanelWindows)
{
    ww_start_program();
    for (int win : {611, 602}) {
        APPLICATION_handlemenu(win);
        ww_frames(1);
        veh[0].ins_x[7] = veh[0].body_Z[44][5][6] = 1;
        {
            UNDO_Command c("Edit Z");
            veh[0].ins_x[7] = veh[0].body_Z[44][5][6] = 2;
            c.Commit();
        }
        float& edited = win == 611 ? veh[0].body_Z[44][5][6] : veh[0].ins_x[7];
        ww_key(SDLK_z);
        ww_frames(1);
        EXPECT_EQ(edited, 1) << win;
        ww_key(SDLK_y, MACIBM_MOD_SHIFT);
        ww_frames(1);
        EXPECT_EQ(edited, 2) << win;
    }

    // A click on another page's tab forgets the history: the step belonged to the other page.
    APPLICATION_handlemenu(612);
    set.bodyW_tab = 0;
    ww_frames(1);
    {
        UNDO_Command c("Edit X");
        veh[0].body_r[45] = 2;                       // the window keeps every point inside the body's size
        veh[0].body_X[45][1][1] = 1.5f;
        c.Commit();
    }
    ww_click_at(88.0f * 1 + 62, mnw.win_dy - 38);   // the second tab
    ww_frames(1);
    EXPECT_EQ(set.bodyW_tab, 1);
    set.bodyW_tab = 0;                               // back on the first body, where the step was made
    ww_key(SDLK_z);
    ww_frames(1);
    EXPECT_EQ(veh[0].body_X[45][1][1], 1.5f);
    MACIBM_startwind(0, "undo keys");
}
