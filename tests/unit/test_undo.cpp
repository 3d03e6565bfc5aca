// Undo and redo on the two editors that change many values at once: a body grid with its locks,
// and the panel's instrument slots with the selection.
#include <gtest/gtest.h>
#include "editor/hl_undo.h"
#include "editor/pln_panel.h"
#include "editor/APPLICATION.h"
#include "model/acf_struct.h"
#include "model/set_struct.h"
#include "base/records.h"
#include "shell/Hl_MNW.h"
#include "tests/support/ww_test.h"
#include <stdexcept>

namespace {

class Undo : public ::testing::Test {
protected:
    void SetUp() override
    {
        MACIBM_zero_records();
        ww_catch_alerts();
    }
    float& fuse(int s, int r) { return veh[0].body_Y[44][s][r]; }
    // One completed command that sets fuselage point (s, r) to y and locks it.
    void edit_fuselage(int s, int r, float y)
    {
        UNDO_Command c("Edit point.");
        fuse(s, r) = y;
        *UNDO_body_lock(44, s, r) = 1;
        c.Commit();
    }
};

TEST_F(Undo, BodyEditsUndoAndRedoWithTheirLocks)
{
    mnw.top_win = 611;
    UNDO_Undo(), UNDO_Redo();                      // empty history: nothing, not even a redo step
    fuse(19, 17) = 1;
    edit_fuselage(19, 17, 2);                      // the last station and point of the grid
    edit_fuselage(3, 4, 5);
    UNDO_Undo();
    EXPECT_EQ(fuse(3, 4), 0);
    EXPECT_EQ(*UNDO_body_lock(44, 3, 4), 0);
    EXPECT_EQ(fuse(19, 17), 2);
    UNDO_Undo();
    EXPECT_EQ(fuse(19, 17), 1);
    EXPECT_EQ(*UNDO_body_lock(44, 19, 17), 0);
    UNDO_Redo(), UNDO_Redo();
    EXPECT_EQ(fuse(19, 17), 2);
    EXPECT_EQ(fuse(3, 4), 5);
    EXPECT_EQ(*UNDO_body_lock(44, 3, 4), 1);

    // A new command after an undo empties the redo history.
    UNDO_Undo();
    edit_fuselage(0, 0, 7);
    UNDO_Redo();
    EXPECT_EQ(fuse(3, 4), 0);
}

TEST_F(Undo, OnlyTheNewestFortyStepsAreKept)
{
    mnw.top_win = 612;
    set.bodyW_tab = 2;                              // part 47
    for (int i = 1; i <= UNDO_MAX_STEPS + 1; i++) {
        UNDO_Command c("Edit Y");
        veh[0].body_Y[47][0][0] = (float)i;
        c.Commit();
    }
    for (int i = 0; i < UNDO_MAX_STEPS + 5; i++) UNDO_Undo();
    EXPECT_EQ(veh[0].body_Y[47][0][0], 1);          // the first command can no longer be undone
}

TEST_F(Undo, ALeftCommandRollsBackOnAbortAndOnAnException)
{
    mnw.top_win = 614;
    set.fairW_tab = 99;                              // damaged preferences: the last fairing
    int S = 0, P = 0;
    EXPECT_EQ(get_edit_body(&S, &P) * 10000 + S * 100 + P, 660810);
    veh[0].body_X[66][7][9] = 3;
    {
        UNDO_Command c("Smooth body.");
        veh[0].body_X[66][7][9] = 4;                 // never committed
    }
    EXPECT_EQ(veh[0].body_X[66][7][9], 3);
    try {
        UNDO_Command c("Copy body.");
        veh[0].body_X[66][7][9] = 5;
        throw std::runtime_error("a failing copy");
    } catch (const std::runtime_error&) {}
    EXPECT_EQ(veh[0].body_X[66][7][9], 3);
    UNDO_Undo();                                     // neither left an undo step
    EXPECT_EQ(veh[0].body_X[66][7][9], 3);
}

TEST_F(Undo, PanelSlotsAndSelectionComeBack)
{
    mnw.top_win = 602;
    glo_ins_sel = {4, 9};
    {
        UNDO_Command c("Nudge instruments.");
        veh[0].ins_x[4] = 10;
        veh[0].ins_type[299] = 12;
        glo_ins_sel = {299};
        c.Commit();
    }
    UNDO_Undo();
    EXPECT_EQ(veh[0].ins_x[4], 0);
    EXPECT_EQ(veh[0].ins_type[299], 0);
    EXPECT_EQ(glo_ins_sel, (std::set<int>{4, 9}));
    UNDO_Redo();
    EXPECT_EQ(veh[0].ins_x[4], 10);
    EXPECT_EQ(glo_ins_sel, (std::set<int>{299}));
    EXPECT_TRUE(g_test_alerts.empty());
}

// A step is restored only into the editor it was taken in: opening another window forgets it.
TEST_F(Undo, SwitchingWindowsForgetsTheHistory)
{
    mnw.top_win = 611;
    edit_fuselage(2, 2, 8);
    mnw.top_win = 602;
    glo_ins_sel = {1};
    APPLICATION_handlemenu(613);                     // the nacelles window
    EXPECT_EQ(mnw.top_win, 613);
    UNDO_Undo();
    EXPECT_EQ(fuse(2, 2), 8);
    EXPECT_EQ(veh[0].body_Y[53][2][2], 0);
    EXPECT_TRUE(g_test_alerts.empty());
}

}  // namespace
