// The new aircraft: its tail number, parts, body grids and weapon slots, the body grid sizes, the
// check, the start on a new aircraft when the last one does not read; and every text line the
// windows and the tab strips use is in the installed English file.
#include <gtest/gtest.h>
#include "model/acf_defaults.h"
#include "model/acf_struct.h"
#include "model/set_struct.h"
#include "model/IO_ACF.h"
#include "editor/PLN_MAIN.h"
#include "editor/APPLICATION.h"
#include "editor/HL_BTN.h"
#include "shell/Hl_MNW.h"
#include "base/HL_MATH_FUN.h"
#include "tests/support/ww_test.h"
#include <cctype>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <regex>
#include <vector>

namespace {

class NewAircraft : public ::testing::Test {
protected:
    void SetUp() override
    {
        MACIBM_zero_records();
        ww_catch_alerts();
        ww_use_aerodeck();
    }
};

TEST_F(NewAircraft, TailNumberPartsAndView)
{
    set.acf_mod = set.wpn_mod = 1;
    for (unsigned seed = 1; seed < 40; seed++) {
        srand(seed);
        setup_base_acf();
        const char* t = veh[0].tailnum;
        ASSERT_TRUE(strlen(t) == 6 && t[0] == 'N' && isdigit(t[1]) && isdigit(t[3]) && isupper(t[4]) && isupper(t[5])) << t;
    }
    const veh_struct& v = veh[0];
    EXPECT_EQ(set.acf_mod + set.wpn_mod, 0);
    for (int slot = 0; slot < ACF_INSTRUMENTS; slot++) ASSERT_EQ(v.ins_type[slot], -1);
    for (int part = 0; part < ACF_PARTS; part++) {
        EXPECT_EQ(v.part_eq[part], part == 44) << part;
        EXPECT_EQ(v.gear_type[part], part >= 67 && part <= 69 ? 2 : 0) << part;
    }
    EXPECT_STREQ(v.Tafl1[15], "NACA 2412 (popular).afl");
}

// Every body is a circle of radius 2 at whole-foot stations whose half-rings meet at the bottom;
// the weapon slots (which share the body arrays of parts 0..24) get the 12-station weapon body.
TEST_F(NewAircraft, BodiesAreRoundAndWeaponSlotsHoldTheWeaponBody)
{
    strcpy(set.weapn_name, "old.wpn");
    setup_base_acf();
    const veh_struct& v = veh[0];
    for (int part = 0; part < ACF_PARTS; part++) {
        const int S = part < ACF_WPN_SLOTS ? 12 : f_body_s_DIM(0, part, 0);
        const int n = part < ACF_WPN_SLOTS ? 18 : f_body_r_DIM(part, 0);
        for (int s = 0; s < S; s++) {
            for (int k = 0; k < n; k++) {
                ASSERT_NEAR(std::hypot(v.body_X[part][s][k], v.body_Y[part][s][k]), 2, 1e-5) << part;
                ASSERT_EQ(v.body_Z[part][s][k], s);
            }
            ASSERT_NEAR(v.body_Y[part][s][n / 2 - 1], -2, 1e-5) << part;
            ASSERT_EQ(v.body_X[part][s][n / 2 - 1], v.body_X[part][s][n / 2]);
            ASSERT_NEAR(v.body_X[part][s][n - 1], v.body_X[part][s][0], 1e-5);
        }
        for (int s = S; s < ACF_BODY_STATIONS && part >= ACF_WPN_SLOTS; s++) ASSERT_EQ(v.body_Z[part][s][1], 0) << part;
    }
    for (int w = 0; w < ACF_WPN_SLOTS; w++) EXPECT_STREQ(v.wpn[w].mis_afl[3], "NACA 0009 (symmetrical).afl");
    EXPECT_EQ(set.weapn_name[0], 0);
}

TEST_F(NewAircraft, BodyGridSizesAndSmallHelpers)
{
    setup_base_acf();
    struct { int part, is_wpn, stations, points; } rows[] = {
        {3, 0, 20, 14}, {9, 0, 12, 14}, {17, 0, 8, 14}, {30, 0, 2, 14}, {44, 0, 20, 18}, {47, 0, 12, 18},
        {55, 0, 12, 18}, {63, 0, 8, 10}, {70, 0, 0, 0}, {73, 0, 0, 0}, {-1, 0, 0, 0}, {70, 1, 12, 18}};
    for (const auto& r : rows) {
        EXPECT_EQ(f_body_s_DIM(0, r.part, r.is_wpn), r.stations) << r.part;
        EXPECT_EQ(f_body_r_DIM(r.part, r.is_wpn), r.points) << r.part;
    }
    veh[0].els[9] = 99;                               // damaged: never beyond the arrays
    EXPECT_EQ(f_body_s_DIM(0, 9, 0) + f_body_s_DIM(42, 9, 0), 20);

    const std::string symbols = " 0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ-";
    for (int c = -1; c < 39; c++) EXPECT_EQ(code_to_char(c), c >= 0 && c < 38 ? symbols[c] : '0');
    for (int i = 0; i < 5000; i++) ASSERT_TRUE(intrange(int_rand(1, 10), 1, 10));
}

// A start whose last aircraft does not read begins a new one. The check stops at its first
// problem; a new aircraft has none before the values only the designer can give.
TEST_F(NewAircraft, StartsWhenTheLastAircraftDoesNotReadAndPassesTheCheckSoFar)
{
    const std::string missing = app_path + "Aircraft:gone.acf";
    strcpy(veh[0].path, missing.c_str());
    EXPECT_EQ(read_acf(0, 0), 0);
    EXPECT_STREQ(veh[0].path, "Untitled.acf");
    ACF_autoset(0);
    ACF_check(0, 0);
    const std::string first = g_test_alerts.empty() ? "" : g_test_alerts[0].lines[0];
    EXPECT_TRUE(first.empty() || first == "You entered a Vne of zero!") << first;
}

// Every window names its text lines as T(n) or APP_text(n): each one the editor's sources use,
// and each tab label, must be in the installed English file.
static std::vector<int> text_lines_the_editor_uses()
{
    std::vector<int> used;
    const std::regex call(R"(\b(?:T|APP_text)\((\d+)\))");
    for (const auto& f : std::filesystem::directory_iterator(std::string(WW_SOURCE_DIR) + "editor")) {
        std::ifstream in(f.path());
        const std::string src((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        for (std::sregex_iterator m(src.begin(), src.end(), call), e; m != e; ++m) used.push_back(std::stoi((*m)[1]));
    }
    return used;
}

TEST_F(NewAircraft, EveryTextLineTheWindowsAndTabsUseIsInstalled)
{
    std::vector<int> used = text_lines_the_editor_uses();
    EXPECT_GT(used.size(), 60u);
    for (int n = 467; n <= 492; n++) used.push_back(n);     // the limits window's cell titles, T(467 + en)
    for (int n = 519; n <= 521; n++) used.push_back(n);     // the general window's light columns
    for (int win : {601, 604, 607, 608, 609, 612, 613, 614, 618, 900, 905, 907, 908}) {
        const APP_tab_row* row = APP_tabs_of(win);
        ASSERT_NE(row, nullptr) << win;
        for (int i = 0; i < APP_tab_count(row); i++) used.push_back(row->label[i]);
    }
    // Every installed language, Korean too: a line missing in a translation fails here.
    int languages = 0;
    for (int lang = 0; lang < 7; lang++) {
        if (!MACIBM_lang_installed(lang)) continue;
        SCOPED_TRACE(MACIBM_lang_folder(lang));
        MACIBM_setupforlang(lang);
        languages++;
        for (int n : used) EXPECT_NE(stl.text[n][0], 0) << "text line " << n;
        // Pop-up lists cannot hold "|"; a push button's label is measured whole, so it has no help.
        std::string items[BTN_LIST_MAX];
        for (int n : {24, 25, 26, 99}) EXPECT_GE(BTN_split_list(stl.text[n], "", items), 2) << n;
        for (auto [n, kinds] : {std::pair{86, 9}, {294, 9}, {87, 2}})   // engine, propeller kinds; turning ways
            EXPECT_EQ(BTN_split_list(stl.text[n], "", items), kinds) << n;
        for (int n : {315, 316}) EXPECT_EQ(strchr(stl.text[n], '{'), nullptr) << n;
    }
    EXPECT_EQ(languages, 7);
    EXPECT_TRUE(g_test_alerts.empty());
}

}  // namespace
