// Widgets driven the way a designer drives them: this frame's mouse goes into mnw, the real
// widget is called, and the variable it edits is checked. No display: the drawing calls it makes
// go nowhere in this binary.
#include <gtest/gtest.h>
#include "editor/HL_BTN.h"
#include "draw/HL_GRAPH.h"
#include "shell/Hl_MNW.h"
#include "base/MACIBM_keys.h"
#include "shell/dialog.h"
#include "tests/support/ww_test.h"
#include <cstring>
#include <string>

namespace {

class Widget : public ::testing::Test {
protected:
    void SetUp() override
    {
        MACIBM_zero_records();
        ww_catch_alerts();
        mnw.menu_up = -1;
        mnw.entry_field = -1;
        mnw.top_win = 600;
        mnw.win_dx = 1024;
        mnw.win_dy = 740;
        mnw.y_res_now = 768;
    }
    // One frame's mouse: where it is and whether the button went down this frame.
    static void mouse(float x, float y, int clicked = 0)
    {
        mnw.mx = x;
        mnw.my = y;
        mnw.mouse_clicked = clicked;
        stl.help_message[0] = 0;
    }
    static void click(float x, float y) { mouse(x, y, 1); }
};

//=== number fields ==========================================================================
TEST_F(Widget, NumberEachCellStepsByItsDigitAndTheResultIsClampedInTheSameCall)
{
    // Clicks in turn on one field 4 digits wide with one decimal, from 0 (or from `from`).
    const struct { float x, y, lo, from, want; } rows[] = {
        {105, 105, 0, 0, 100.0f},                     // leftmost cell, upper half
        {135, 105, 0, -1, 100.1f},                    // rightmost cell: the tenths
        {115, 103, 0, -1, 110.1f},                    // y + 3 is still the upper half
        {125, 102.9f, 0, -1, 109.1f},                 // just below: subtracts the units
        {140, 124, 0, -1, 109.2f},                    // the right and top edges belong to the last cell
        {100, 110, 0, 950, 999.9f},                   // 1050 never survives the call
        {100, 90, 900, -1, 900.0f},
    };
    float v = 0;
    for (const auto& r : rows) {
        SCOPED_TRACE(testing::Message() << r.x << "," << r.y);
        if (r.from >= 0) v = r.from;
        click(r.x, r.y);
        EXPECT_EQ(BTN_flt_range(100, 100, &v, 4, 1, r.lo, 999.9f, ""), 1);
        EXPECT_FLOAT_EQ(v, r.want);
    }
}

TEST_F(Widget, NumberClicksOutsideTheWheelsOrUnderAnOpenMenuChangeNothing)
{
    float v = 50;
    for (auto [x, y] : {std::pair{99.0f, 105.0f}, {141.0f, 105.0f}, {120.0f, 81.0f}, {120.0f, 125.0f}}) {
        click(x, y);
        EXPECT_EQ(BTN_flt_range(100, 100, &v, 4, 1, 0, 999.9f, ""), 0) << x << "," << y;
    }
    mnw.menu_up = 3;
    click(105, 105);
    EXPECT_EQ(BTN_flt_range(100, 100, &v, 4, 1, 0, 999.9f, ""), 0);
    EXPECT_FLOAT_EQ(v, 50.0f);
}

TEST_F(Widget, NumberLimitsComeFromTheDigitsAndApplyWithoutAClick)
{
    EXPECT_FLOAT_EQ(BTN_flt_hi(4, 1), 999.9f);
    mouse(500, 500);
    const struct { float from; int is_signed; float want; } rows[] = {{-5000, 1, -999}, {5000, 1, 999}, {-3, 0, 0}};
    for (const auto& r : rows) {
        float v = r.from;
        EXPECT_EQ(BTN_flt(100, 100, &v, 3, 0, r.is_signed, ""), 0);
        EXPECT_FLOAT_EQ(v, r.want) << r.from;     // unsigned: nothing below zero
    }
    float v = 1234;
    BTN_flt_range(100, 100, &v, 4, 0, 0, 360, "");
    EXPECT_FLOAT_EQ(v, 360.0f);
    v = 7;
    BTN_flt_undo(100, 100, &v, 2, 1, 0, "", "edit");
    EXPECT_FLOAT_EQ(v, 7.0f);
    click(100, 110);
    EXPECT_EQ(BTN_flt_undo(100, 100, &v, 2, 1, 0, "", "edit"), 1);   // leftmost cell of 2.1: 1.0
    EXPECT_FLOAT_EQ(v, 8.0f);
}

TEST_F(Widget, NumberIntegerFieldsStepOnAFloatCopyAndTruncate)
{
    int n = 9;
    mouse(500, 500);
    BTN_int_range(100, 100, &n, 2, 0, 7.9f, "");
    EXPECT_EQ(n, 7);
    click(115, 105);                                  // units cell, upper half
    EXPECT_EQ(BTN_int_range(100, 100, &n, 2, 0, 20, ""), 1);
    EXPECT_EQ(n, 8);
    click(105, 95);                                   // tens cell, lower half: -2 is limited to 0
    BTN_int_range(100, 100, &n, 2, 0, 20, "");
    EXPECT_EQ(n, 0);
}

TEST_F(Widget, NumberHelpIsPostedOnlyOverTheDigits)
{
    const char* label = "fuel intro time|(sec) { This is how long fuel introduction takes to ramp from none to idle "
                        "during the engine-start process.";
    float v = 1;
    mouse(110, 104);
    BTN_flt(100, 100, &v, 3, 1, 0, label);
    EXPECT_STREQ(stl.help_message,
                 "This is how long fuel introduction takes to ramp from none to idle during the engine-start process.");
    mouse(110, 120);                                  // over the arrows: clickable, but no help
    BTN_flt(100, 100, &v, 3, 1, 0, label);
    EXPECT_STREQ(stl.help_message, "");
}

//=== labels =================================================================================
TEST_F(Widget, LabelSplitsIntoLeftRightAndHelp)
{
    const struct { const char *label, *left, *right, *help; } rows[] = {
        {"fuel intro time|(sec) { This is how long.", "fuel intro time", "(sec) ", "This is how long."},
        {"wing span", "wing span", "", ""},
        {"a|b|c{ say a|b", "a|b", "c", "say a|b"},   // the last bar before the brace; help keeps its own
        {"flaps{ degrees of flap", "flaps", "", "degrees of flap"},
        {"-ground attitude|(deg)", "-ground attitude", "(deg)", ""},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.label);
        char l[BTN_LABEL_LEN], rt[BTN_LABEL_LEN], h[BTN_LABEL_LEN];
        label0to12h(r.label, l, rt, h);
        EXPECT_STREQ(l, r.left);
        EXPECT_STREQ(rt, r.right);
        EXPECT_STREQ(h, r.help);
    }
}

TEST_F(Widget, LabelLongLabelsBreakNearTheMiddleAndTheLeftOfTwoEqualCandidatesWins)
{
    BTN_label_layout out;
    BTN_layout_label(88, 100, 0, "fuel intro time", &out);   // middle 7; spaces at 4 and 10
    ASSERT_EQ(out.lines, 2);
    EXPECT_STREQ(out.text[0], "fuel");
    EXPECT_STREQ(out.text[1], "intro time");
    EXPECT_FLOAT_EQ(out.y[0], 105);
    EXPECT_FLOAT_EQ(out.y[1], 95);
    EXPECT_FLOAT_EQ(out.x[0], 88 - str_dx("fuel"));          // each line ends at x
    EXPECT_FLOAT_EQ(out.x[1], 88 - str_dx("intro time"));

    BTN_layout_label(88, 100, 2, "engine/prop-gear", &out);  // middle 8: "/" at 6 beats "-" at 11
    ASSERT_EQ(out.lines, 2);
    EXPECT_STREQ(out.text[0], "engine");
    EXPECT_STREQ(out.text[1], "prop-gear");
    EXPECT_FLOAT_EQ(out.x[1], 88);                           // side 2 starts every line at x

    // Side 1 is one line always; 12 characters are not long; a break only at the last character
    // or none at all keeps one line; a leading dash keeps one line without the dash.
    for (auto [side, text] : {std::pair{1, "fuel intro time"}, {0, "twelve chars"}, {0, "abcdefghijklm-"},
                              {0, "abcdefghijklmnopq"}, {0, "-ground attitude"}}) {
        BTN_layout_label(88, 100, side, text, &out);
        EXPECT_EQ(out.lines, 1) << text;
    }
    EXPECT_STREQ(out.text[0], "ground attitude");
    EXPECT_FLOAT_EQ(out.x[0], 88 - str_dx("ground attitude"));
    EXPECT_FLOAT_EQ(out.y[0], 100);
}

//=== buttons ================================================================================
// Where a click lands against each button's hit box: {x, y, answered}.
struct hit { float x, y; int hit; };

TEST_F(Widget, CheckBoxTogglesInsideItsInclusiveHitBox)
{
    const hit rows[] = {{92, 96, 1}, {108, 112, 1}, {100, 100, 1},   // opposite corners, the middle
                        {91, 100, 0}, {109, 100, 0}, {100, 95, 0}, {100, 113, 0}};
    for (const hit& r : rows) {
        int v = 0;
        click(r.x, r.y);
        EXPECT_EQ(BTN_bool(100, 100, &v, "gear{ retracts", 0), r.hit) << r.x << "," << r.y;
        EXPECT_EQ(v, r.hit);
    }
    mouse(100, 100);
    int v = 1;
    BTN_bool(100, 100, &v, "gear{ retracts", 0);
    EXPECT_STREQ(stl.help_message, "retracts");
    mnw.menu_up = 2;
    click(100, 100);
    EXPECT_EQ(BTN_bool(100, 100, &v, "", 0), 0);
    EXPECT_EQ(v, 1);
}

TEST_F(Widget, RadioSetsItsTargetAndAReclickLeavesTheValue)
{
    int v = 0;
    click(100, 100);
    EXPECT_EQ(BTN_is_int(100, 100, &v, 3, ""), 1);
    EXPECT_EQ(v, 3);
    EXPECT_EQ(BTN_is_int(100, 100, &v, 3, ""), 0);
    EXPECT_EQ(v, 3);
    mouse(100, 100);
    EXPECT_EQ(BTN_is_int(200, 100, &v, 4, ""), 0);    // elsewhere: nothing
    EXPECT_EQ(v, 3);
}

TEST_F(Widget, PushButtonIsAsWideAsItsLabel)
{
    const float half = (str_dx("Cancel") + 21) * 0.5f;
    const hit rows[] = {{300 + half, 210, 1}, {300 - half, 190, 1}, {300 + half + 1, 200, 0}, {300, 211, 0}};
    for (const hit& r : rows) {
        click(r.x, r.y);
        EXPECT_EQ(BTN_action(300, 200, 0, r.hit, "Cancel"), r.hit) << r.x << "," << r.y;   // a press is shown first
    }
    mouse(300, 200);
    EXPECT_EQ(BTN_action(300, 200, 0, 0, "Cancel"), 0);   // hovering is not pressing
}

TEST_F(Widget, PictureButtonAnswersInsideItsHalfSizes)
{
    click(109, 90);
    EXPECT_EQ(BTN_icon(100, 100, 4, 90, 24, 90, 9, 10, 45, 0, "panel{ show the panel"), 1);
    EXPECT_STREQ(stl.help_message, "show the panel");
    click(110, 100);
    EXPECT_EQ(BTN_icon(100, 100, 4, 90, 24, 90, 9, 10, 45, 1, ""), 0);
}

TEST_F(Widget, TabHitBoxIsLopsidedAroundItsCentre)
{
    // tab 2 of row 1 in a window 740 high: centre (238, 672)
    const hit rows[] = {{188, 659, 1}, {278, 685, 1}, {187, 672, 0}, {279, 672, 0}, {238, 686, 0}, {238, 658, 0}};
    for (const hit& r : rows) {
        int tab = 0;
        click(r.x, r.y);
        EXPECT_EQ(BTN_tab(2, 1, &tab, "wings"), r.hit) << r.x << "," << r.y;
        EXPECT_EQ(tab, r.hit ? 2 : 0);
    }
    mnw.win_dy = 500;                                 // the rows hang from the window's top
    int tab = 0;
    click(238, 462);
    EXPECT_EQ(BTN_tab(2, 0, &tab, "wings"), 1);
}

//=== pop-up lists ===========================================================================
TEST_F(Widget, ListItemsAreSeparatedByDashesAndTheSelectionIsLimited)
{
    std::string items[BTN_LIST_MAX];
    EXPECT_EQ(BTN_split_list("none-left-right", "", items), 3);
    EXPECT_EQ(items[2], "right");
    EXPECT_EQ(BTN_split_list("", "", items), 1);
    EXPECT_EQ(items[0], "");
    EXPECT_EQ(BTN_split_list("a--", "", items), 3);        // empty items count too

    mouse(0, 0);
    const struct { const char* list; int from, want; } rows[] = {{"none-left-right", 5, 2}, {"none-left-right", -1, 0}, {"", 3, 0}};
    for (const auto& r : rows) {
        int sel = r.from;
        BTN_textlist(300, 400, &sel, r.list, "");
        EXPECT_EQ(sel, r.want) << r.from;
    }
}

TEST_F(Widget, ListABarOrMoreThanAHundredItemsIsAProgrammingError)
{
    int sel = 0;
    ww_fatal f = ww_fatal_of([&] { BTN_textlist(300, 400, &sel, "left|right", "gear type"); });
    EXPECT_EQ(f.lines[0], "Found | char in text string!");
    EXPECT_EQ(f.lines[1], "left|right");
    EXPECT_EQ(f.lines[2], "gear type");
    EXPECT_EQ(f.lines[3], "HL_BTN");
    std::string hundred = "x";
    for (int i = 1; i < 100; i++) hundred += "-x";
    std::string items[BTN_LIST_MAX];
    EXPECT_EQ(BTN_split_list(hundred.c_str(), "", items), 100);
    hundred += "-x";
    EXPECT_THROW(BTN_textlist(300, 400, &sel, hundred.c_str(), ""), ww_fatal);
    EXPECT_EQ(g_test_alerts.back().lines[0], "BTN_text_list overflow!");
}

TEST_F(Widget, ListAClickOpensThePopUpInSlot1519AndTheChoiceIsTakenOnTheNextCall)
{
    const char* list = "alpha-beta-gamma";
    int sel = 1;
    float w = str_dx("alpha") > str_dx("gamma") ? str_dx("alpha") : str_dx("gamma");
    const int code = 1024 * 400 + 300;
    click(310 + w * 0.5f + 15, 408);                  // the bar's top right corner
    EXPECT_EQ(BTN_textlist(300, 400, &sel, list, ""), 0);
    EXPECT_EQ(active_popup_code, code);
    const int m = MNW_POPUP_MENU;                     // (the real click on an item: the GL widget tests)
    EXPECT_STREQ(stl.item_name[m][3], "");
    EXPECT_FLOAT_EQ(mnw.itemy1[m][1], 400);           // the current item sits on the list's line
    EXPECT_FLOAT_EQ(mnw.itemy1[m][0], 412);
    EXPECT_FLOAT_EQ(mnw.itemy1[m][2], 388);
    EXPECT_FLOAT_EQ(mnw.itemy2[m][2], 400);
    EXPECT_FLOAT_EQ(mnw.itemx1[m][0], 300 - w * 0.5f - 3);
    EXPECT_FLOAT_EQ(mnw.itemx2[m][0] - mnw.itemx1[m][0], w + 8);
    EXPECT_FLOAT_EQ(mnw.menuy2[m] - mnw.menuy1[m], 12 * 3 + 2);

    mouse(0, 0);                                      // open frames keep it open
    BTN_textlist(300, 400, &sel, list, "");
    EXPECT_EQ(active_popup_code, code);
    EXPECT_EQ(sel, 1);

    // What the menu code does with a click on item 2 of the slot:
    popup_menu_select = 2;
    select_popup_code = active_popup_code;
    active_popup_code = 0;
    mnw.menu_up = -1;
    int other = 0;
    EXPECT_EQ(BTN_textlist(300, 380, &other, list, ""), 0);   // another list ignores the choice
    EXPECT_EQ(BTN_textlist(300, 400, &sel, list, ""), 1);
    EXPECT_EQ(sel, 2);
    EXPECT_EQ(select_popup_code, 0);
    EXPECT_EQ(BTN_textlist(300, 400, &sel, list, ""), 0);
}

TEST_F(Widget, ListAPopUpBelowTheScreenCreepsUpAndADismissedOneStaysClosed)
{
    int sel = 0;
    click(300, 10);
    BTN_textlist(300, 5, &sel, "a-b-c", "");          // lowest item at 5 - 24: below the screen
    EXPECT_EQ(sel, 1);
    mouse(0, 0);
    BTN_textlist(300, 5, &sel, "a-b-c", "");
    EXPECT_EQ(sel, 2);
    BTN_textlist(300, 5, &sel, "a-b-c", "");
    EXPECT_EQ(sel, 2);                                // all in view now
    EXPECT_FLOAT_EQ(mnw.itemy1[MNW_POPUP_MENU][0], 5 + 24);

    mnw.menu_up = -1;                                 // closed by a click elsewhere
    BTN_textlist(300, 5, &sel, "a-b-c", "");
    EXPECT_EQ(active_popup_code, 0);
    EXPECT_EQ(mnw.menu_up, -1);
    EXPECT_EQ(sel, 2);                                // the creeping is kept

    sel = 0;
    click(300, 755);
    BTN_textlist(300, 750, &sel, "a-b-c", "");        // the chosen item's top at 762 is still on screen
    EXPECT_EQ(sel, 0);
    sel = 1;
    mouse(0, 0);
    BTN_textlist(300, 750, &sel, "a-b-c", "");        // 774 is not
    EXPECT_EQ(sel, 0);
}

//=== code letters and text ==================================================================
TEST_F(Widget, CodeLettersStepThroughTheThirtyEightSymbols)
{
    char code[5] = "Z-?a";
    const struct { float x, y; int cell; char want; } rows[] = {
        {105, 100, 0, '-'}, {105, 100, 0, ' '},       // cell 0, lower half: forward
        {105, 103, 0, '-'},                           // upper half: back, wrapping
        {125, 90, 2, '1'},                            // an unknown character counts as "0"
        {135, 110, 3, '9'},                           // lower case is upper-cased first: "A" back is "9"
    };
    for (const auto& r : rows) {
        click(r.x, r.y);
        BTN_chars(100, 100, code, 4, "");
        EXPECT_EQ(code[r.cell], r.want) << r.x << "," << r.y;
    }
}

TEST_F(Widget, ClickingAFieldTakesTheKeyboardAndTypingEditsIt)
{
    std::string name = "Cessna";
    click(105, 104);
    EXPECT_EQ(BTN_enterstring(100, 100, &name, 10, 7, ""), 1);
    EXPECT_EQ(mnw.entry_field, 7);
    EXPECT_STREQ(g_cs_input, "Cessna");

    BTN_entry_key(1, 0);
    click(105, 104);                                  // a second click does not reload the field
    EXPECT_EQ(BTN_enterstring(100, 100, &name, 10, 7, ""), 0);
    EXPECT_STREQ(g_cs_input, "Cessn");
    EXPECT_EQ(name, "Cessn");

    for (const char* c = " 172 Skyhawk"; *c; c++) BTN_entry_key(0, *c);
    mouse(0, 0);
    BTN_enterstring(100, 100, &name, 10, 7, "");
    EXPECT_EQ(name, "Cessn 172");                     // dim 10 holds 9 characters
    EXPECT_STREQ(g_cs_input, "Cessn 172");

    char tail[8] = "N123";
    click(200, 108);                                  // another field takes over
    EXPECT_EQ(BTN_enterstring(200, 100, tail, 8, 8, ""), 1);
    EXPECT_EQ(mnw.entry_field, 8);
    EXPECT_STREQ(g_cs_input, "N123");
    mouse(0, 0);
    BTN_enterstring(100, 100, &name, 10, 7, "");      // the old one no longer follows the typing
    BTN_entry_key(0, 'X');
    BTN_enterstring(200, 100, tail, 8, 8, "");
    EXPECT_STREQ(tail, "N123X");
    EXPECT_EQ(name, "Cessn 172");
    click(200, 99);                                   // below the box: not a click on it
    mnw.entry_field = -1;
    EXPECT_EQ(BTN_enterstring(200, 100, tail, 8, 8, ""), 0);

    std::string long_path(700, 'p');                  // an idle field shows its text, never cuts it
    BTN_enterstring(100, 100, &long_path, 10, 9, "");
    EXPECT_EQ(long_path.size(), 700u);
}

TEST_F(Widget, KeysEndTheEntryOrEditTheBuffer)
{
    mnw.entry_field = 3;
    strcpy(g_cs_input, "ab");
    MACIBM_handlekey(VK_A + 2, 'c');
    EXPECT_STREQ(g_cs_input, "abc");
    MACIBM_handlekey(VK_BACK, 0);
    MACIBM_handlekey(VK_DELETE, 0);
    EXPECT_STREQ(g_cs_input, "a");
    EXPECT_EQ(mnw.entry_field, 3);
    MACIBM_handlekey(VK_OEM_MINUS, '-');              // ends the entry instead of typing
    EXPECT_EQ(mnw.entry_field, -1);
    EXPECT_STREQ(g_cs_input, "a");
    for (int vk : {VK_RETURN, VK_TAB, VK_LEFT, VK_UP, VK_RIGHT, VK_DOWN}) {
        mnw.entry_field = 3;
        MACIBM_handlekey(vk, 0);
        EXPECT_EQ(mnw.entry_field, -1) << vk;
    }
    for (char c : {'+', '=', '_'}) {
        mnw.entry_field = 3;
        MACIBM_handlekey(VK_OEM_PLUS, c);
        EXPECT_EQ(mnw.entry_field, -1) << c;
    }
    EXPECT_STREQ(g_cs_input, "a");

    memset(g_cs_input, 'x', BTN_INPUT_MAX);
    g_cs_input[BTN_INPUT_MAX] = 0;
    BTN_entry_key(0, 'y');
    EXPECT_EQ(strlen(g_cs_input), (size_t)BTN_INPUT_MAX);
    EXPECT_EQ(g_cs_input[BTN_INPUT_MAX - 1], 'x');
    g_cs_input[0] = 0;
    BTN_entry_key(1, 0);                              // nothing to remove
    EXPECT_STREQ(g_cs_input, "");
}

TEST_F(Widget, TheFileButtonOpensTheDialog)
{
    std::string file = "c172.acf", path = "/x/c172.acf";
    mouse(-17 + 100, 103);
    EXPECT_EQ(BTN_select_file(100, 100, &file, &path, 4, 998, "aircraft{ pick a file"), 0);
    EXPECT_STREQ(stl.help_message, "pick a file");
    click(72, 92);                                    // the button's lower left corner
    EXPECT_EQ(BTN_select_file(100, 100, &file, &path, 4, 998, ""), 1);
    EXPECT_EQ(file, "c172.acf");                      // nothing chosen: the name stays
    click(95, 100);                                   // on the name, not the button
    EXPECT_EQ(BTN_select_file(100, 100, &file, &path, 4, 998, ""), 0);
    char f[500] = "a.wpn", p[500] = "/a.wpn";
    click(80, 100);
    EXPECT_EQ(BTN_select_file(100, 100, f, p, 3, 999, ""), 1);
    EXPECT_STREQ(f, "a.wpn");
}

//=== scroll bar and name list ===============================================================
TEST_F(Widget, ArrowsStepAndTheThumbFollowsTheMouse)
{
    // {x, y, dragging, value before (-1: as left), low end, answer, value after}
    const struct { float x, y; int drag, from, lo, ret, want; } rows[] = {
        {100, 310, 0, 5, 0, 1, 4},                    // top arrow, above hi_y
        {111, 80, 0, -1, 0, 1, 5},                    // bottom arrow
        {100, 320, 0, 0, 0, 1, 0},                    // limited
        {100, 289, 1, -1, 0, 1, 0},                   // the thumb follows the mouse
        {100, 111, 1, -1, 0, 1, 10},
        {100, 200, 1, -1, 0, 1, 5},                   // 89 of 178 pixels: 5.0 truncated
        {100, 199, 1, -1, 0, 1, 5},
        {112, 200, 1, -1, 0, 0, 5},                   // beside the bar: no drag
        {100, 310, 0, 3, 4, 0, 3},                    // nothing to scroll
    };
    int i = 0;
    for (const auto& r : rows) {
        SCOPED_TRACE(testing::Message() << r.x << "," << r.y << " dragging " << r.drag);
        mouse(r.x, r.y, !r.drag);
        mnw.now_dragging = r.drag;
        if (r.from >= 0) i = r.from;
        EXPECT_EQ(BTN_vert_slider(100, 100, 300, r.lo, r.lo ? 4 : 10, &i), r.ret);
        EXPECT_EQ(i, r.want);
    }
}

TEST_F(Widget, NameListClicksCentreTheRowAndOnlyFileListsAreKnown)
{
    // {click above the centre, list type, count, answer, row after}: rows 10 px apart, limited.
    const struct { float dy; int type, count, ret, want; } rows[] = {
        {-30, 998, 40, 1, 13},                        // three rows below the centre
        {14, 999, 40, 1, 12},                         // -round(1.4) = -1
        {100, 995, 15, 1, 2},
        {-100, 998, 5, 1, 5},                         // limited to the list
        {0, 998, -1, 0, 5},                           // an empty listing
    };
    int c = 10;
    for (const auto& r : rows) {
        click(150, 180 + r.dy);
        EXPECT_EQ(BTN_big_name_list(r.type, 20, 180, &c, 0, r.count), r.ret) << r.dy;
        EXPECT_EQ(c, r.want) << r.dy;
    }
    EXPECT_THROW(BTN_big_name_list(600, 20, 180, &c, 0, 5), ww_fatal);
    EXPECT_EQ(g_test_alerts.back().lines[0], "Bad big_name_list type!");
}

//=== frames and helpers =====================================================================
TEST_F(Widget, UnknownStylesAndHalfPixelTracksAreFatal)
{
    struct { void (*draw)(); const char* text; } cases[] = {
        {[] { BTN_frame1(6, 100, 100, 50, 45); }, "Bad BTN_frame1 call!"},
        {[] { BTN_frame1(12, 100, 100, 50, 45); }, "Bad BTN_frame1 call!"},
        {[] { BTN_frame1(-1, 100, 100, 50, 45); }, "Bad BTN_frame1 call!"},
        {[] { BTN_frame0(5, 100, 100, 50); }, "Bad BTN_frame0 call!"},
        {[] { BTN_frame0(6, 100.5f, 100, 50); }, "BTN_frame0 non-int x_center!"},
        {[] { BTN_frame0(6, 100, 99.5f, 50); }, "BTN_frame0 non-int y_center!"},
        {[] { BTN_frame2(10, 0, 0, 50, 50, ""); }, "Bad BTN_frame2 call!"},
        {[] { BTN_frame2(19, 0, 0, 50, 50, ""); }, "Bad BTN_frame2 call!"},
        {[] { BTN_fillwin(1, 0); }, "Bad BTN_frame2 call!"},
    };
    for (auto& c : cases) {
        EXPECT_THROW(c.draw(), ww_fatal) << c.text;
        EXPECT_EQ(g_test_alerts.back().lines[0], c.text);
        EXPECT_EQ(g_test_alerts.back().lines[1], "HL_BTN");
    }
    size_t before = g_test_alerts.size();
    for (int s : {0, 1, 2, 3, 4, 5, 7, 8, 9, 10, 11}) BTN_frame1(s, 100, 100, 50, 45);
    for (int s = 11; s <= 18; s++) BTN_frame2(s, 10, 10, 200, 100, "title");
    BTN_frame0(6, 100, 100, 50);
    BTN_fillwin(0, 1);
    BTN_fillwin(1, 19);
    BTN_fillwin(1, 13);
    EXPECT_EQ(g_test_alerts.size(), before);
}

TEST_F(Widget, SubPanelsReachTheWindowEdgesAndFltnearRounds)
{
    float x2, y2;
    BTN_subwin(30, 13, -1, -1, -1, -1, "", &x2, &y2);
    EXPECT_FLOAT_EQ(x2, 10 + (1024 - 10 - 10) + 10);
    EXPECT_FLOAT_EQ(y2, 10 + (740 - 28 - 10 - 30) + 10);
    BTN_subwin(0, 13, 100, 200, 50, 60, "", &x2, &y2);
    EXPECT_FLOAT_EQ(x2, 160);
    EXPECT_FLOAT_EQ(y2, 270);
    for (auto [v, step, want] : {std::tuple{7.4f, 5.0f, 5.0f}, {7.6f, 5.0f, 10.0f}, {-7.6f, 5.0f, -10.0f},
                                 {0.26f, 0.25f, 0.25f}, {3.3f, 0.0f, 3.3f}})
        EXPECT_FLOAT_EQ(fltnear(v, step), want) << v << " to " << step;
}

}   // namespace
