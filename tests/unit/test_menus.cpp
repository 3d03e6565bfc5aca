// The menu file and the menu layout, without a display: what a menu file makes of the model, where
// its titles and items land, and which faults stop the program.
#include <gtest/gtest.h>
#include "shell/Hl_MNW.h"
#include "base/IO_TYPED.h"
#include "draw/HL_GRAPH.h"
#include "tests/support/ww_test.h"
#include <cstring>
#include <filesystem>
#include <map>

namespace {

// The texts and command codes of menu m's items, in order.
using items = std::vector<std::pair<std::string, int>>;
items items_of(int m)
{
    items v;
    for (int i = 0; i < MNW_NUM_ITEMS && stl.item_name[m][i][0]; i++) v.push_back({stl.item_name[m][i], mnw.item_code[m][i]});
    return v;
}

class MenuFile : public ::testing::Test {
protected:
    void SetUp() override
    {
        MACIBM_zero_records();
        ww_catch_alerts();
        ww_use_aerodeck();
        dir = ww_temp_dir("menus");
        ASSERT_TRUE(std::filesystem::create_directory(dir + "english"));
        ASSERT_TRUE(std::filesystem::create_directory(dir + "korean"));
    }
    // The body follows the header and the one line the reader skips.
    void load(const std::string& body, const char* lang_folder = "english")
    {
        ww_write_bytes(dir + lang_folder + "/Wing-Wright.txt", "I\n1 version\nmenus of a test\n" + body);
        men_path = dir;
        MACIBM_read_menus("Wing-Wright.txt");
    }
    ww_fatal fatal_of(const std::string& body) { return ww_fatal_of([&] { load(body); }); }
    std::string dir;
};

TEST_F(MenuFile, MenusAndItemsInFileOrderUpToTheSecondEmptyLine)
{
    load("0 File\n300   New\n1 -\n305 Quit\n\n0 View\n1200 Top View [T]\n\n\n0 After The End\n9 x\n\n");
    EXPECT_STREQ(stl.menu_name[0], "File");
    EXPECT_EQ(mnw.menu_prnt[0], -1);
    EXPECT_EQ(items_of(0), (items{{"New", 300}, {"-", 1}, {"Quit", 305}}));
    EXPECT_EQ(items_of(1), (items{{"Top View [T]", 1200}}));
    EXPECT_EQ(stl.menu_name[2][0], 0);
    EXPECT_EQ(mnw.menux1[2], -9999);
    EXPECT_EQ(mnw.itemx1[0][3], -9999);
    EXPECT_TRUE(g_test_alerts.empty());

    // A file that simply stops, without the empty lines and even without its last line end.
    load("0 File\n300 New\n305 Quit");
    EXPECT_EQ(items_of(0), (items{{"New", 300}, {"Quit", 305}}));
    EXPECT_STREQ(stl.menu_name[1], "");
    load("0 File\n300 New\n\n0 Edit\n");
    EXPECT_STREQ(stl.menu_name[1], "Edit");
    EXPECT_EQ(items_of(1), items{});
    EXPECT_TRUE(g_test_alerts.empty());

    // A later load starts from an empty model.
    load("0 Only\n1 one\n\n\n");
    EXPECT_EQ(items_of(0), (items{{"one", 1}}));
    EXPECT_STREQ(stl.menu_name[1], "");

    // So does one after the records were overwritten from outside.
    for (int m : {0, 1, 5}) {
        memset(stl.item_name[m], 'x', sizeof stl.item_name[m]);
        for (float& x : mnw.itemx1[m]) x = 7;
        mnw.menux1[m] = 7;
    }
    load("0 File\n300 New\n\n0 View\n\n\n");
    EXPECT_EQ(items_of(0), (items{{"New", 300}}));
    EXPECT_EQ(items_of(1), items{});
    EXPECT_EQ(mnw.itemx1[0][1], -9999);
    EXPECT_EQ(mnw.itemx1[1][0], -9999);
    EXPECT_EQ(mnw.menux1[5], -9999);
}

TEST_F(MenuFile, TitlesRunAlongTheBarAndItemsHangBelowThem)
{
    mnw.y_off = 100;   // a screen taller than the interface: the bar stays at its top
    load("0 File\n300 New\n1 -\n1 =\n305 Quit\n\n0 View\n1200 Top\n\n\n");
    EXPECT_EQ(mnw.menux1[0], 10);
    EXPECT_FLOAT_EQ(mnw.menux2[0], 10 + str_dx("File") + 20);
    EXPECT_EQ(mnw.menux1[1], mnw.menux2[0]);
    EXPECT_EQ(mnw.menuy1[0], 850);
    EXPECT_EQ(mnw.menuy2[0], 868);

    // Rows of 12, the separator 2 and the spacer nothing; all as wide as "Quit" needs, the widest.
    const float w = 4 * 7 + 25;
    const float top[4] = {850, 838, 836, 836}, bottom[4] = {838, 836, 836, 824};
    for (int i = 0; i < 4; i++) {
        EXPECT_EQ(mnw.itemy2[0][i], top[i]) << i;
        EXPECT_EQ(mnw.itemy1[0][i], bottom[i]) << i;
        EXPECT_EQ(mnw.itemx1[0][i], 10) << i;
        EXPECT_EQ(mnw.itemx2[0][i], 10 + w) << i;
    }
}

TEST_F(MenuFile, ItemTextsUpTo39CharactersAndOtherLimits)
{
    const std::string t39(39, 'x'), t40(40, 'y');
    load("0 Long\n1 " + t39 + "\n\n\n");
    EXPECT_EQ(std::string(stl.item_name[0][0]), t39);
    EXPECT_EQ(mnw.itemx2[0][0] - mnw.itemx1[0][0], 39 * 7 + 25);

    EXPECT_EQ(fatal_of("0 Long\n1 " + t40 + "\n\n\n").lines[1], t40);
    std::string many = "0 Many\n";
    for (int i = 0; i < 301; i++) many += "1 item\n";
    // Too long a text, too many items, a menu number out of range, and a submenu opening from
    // an item of a menu not read before it.
    const std::pair<std::function<void()>, const char*> faults[] = {
        {[&] { load("0 Long\n1 " + t40 + "\n\n\n"); }, "Menu name too long in append_menu!"},
        {[&] { load(many); }, "Item index out of range in append_menu!"},
        {[] { MACIBM_append_menu(1520, 0, 1, "x", 0); }, "Menu index out of range in append_menu!"},
        {[&] { load("0 One\n1 a\n\n300 Opens itself\n1 b\n\n\n"); }, "Menu index out of range in create_menu!"},
    };
    for (const auto& [f, message] : faults) EXPECT_EQ(ww_fatal_of(f).lines[0], message);
}

TEST_F(MenuFile, MissingOrWrongFilesAreFatal)
{
    men_path = dir + "nowhere/";
    ww_fatal e = ww_fatal_of([] { MACIBM_read_menus("Wing-Wright.txt"); });
    EXPECT_EQ(e.lines[0], "Cannot open file!");
    EXPECT_EQ(e.lines[1], dir + "nowhere/english:Wing-Wright.txt");
    EXPECT_EQ(e.lines[2], "Trash this copy and re-install Skyvane.");
    ww_write_bytes(dir + "english/Wing-Wright.txt", "I\n2 version\nx\n0 File\n\n\n");
    men_path = dir;
    EXPECT_THROW(MACIBM_read_menus("Wing-Wright.txt"), ww_fatal);
}

TEST_F(MenuFile, SixtyItemsAColumnThenTheNextColumnToTheRight)
{
    std::string body = "0 Long List\n";
    for (int i = 0; i < 61; i++) body += std::to_string(600 + i) + " Item " + std::to_string(i) + "\n";
    load(body + "\n\n");
    const float w = mnw.itemx2[0][0] - mnw.itemx1[0][0];
    EXPECT_EQ(w, 7 * 7 + 25);   // "Item 60"
    EXPECT_EQ(mnw.itemx1[0][59], mnw.itemx1[0][0]);
    EXPECT_EQ(mnw.itemy1[0][59], 750 - 60 * 12);
    EXPECT_EQ(mnw.itemx1[0][60], mnw.itemx1[0][0] + w);
    EXPECT_EQ(mnw.itemy2[0][60], mnw.itemy2[0][0]);
    EXPECT_EQ(mnw.itemy1[0][60], mnw.itemy1[0][0]);
}

TEST_F(MenuFile, MenusAreKeptOnTheScreen)
{
    // Titles far enough right that the last menu's items would pass the right edge.
    std::string body;
    for (int m = 0; m < 9; m++) body += "0 Title Number " + std::to_string(m) + "\n1 x\n\n";
    body += "0 Last\n1 " + std::string(39, 'w') + "\n1 short\n\n\n";
    load(body);
    int last = 9;
    ASSERT_LT(mnw.menux1[last], 1024);
    ASSERT_GT(mnw.menux1[last] + 39 * 7 + 25 + 5, 1024);
    EXPECT_EQ(mnw.itemx2[last][0], 1019);
    EXPECT_EQ(mnw.itemx2[last][1], 1019);
    EXPECT_EQ(mnw.itemx1[last][1], 1019 - (39 * 7 + 25));

    // A submenu opening from the bottom of a long menu is raised until its lowest row is at 5.
    body = "0 Tall\n";
    for (int i = 0; i < 59; i++) body += "1 row\n";
    body += "\n58 Sub\n";
    for (int i = 0; i < 10; i++) body += "1 sub row\n";
    load(body + "\n\n");
    EXPECT_EQ(mnw.menu_prnt[1], 0);
    EXPECT_EQ(mnw.menux1[1], mnw.itemx1[0][58]);
    EXPECT_EQ(mnw.menuy2[1], mnw.itemy2[0][58]);
    EXPECT_EQ(mnw.itemy1[1][9], 5);
    EXPECT_EQ(mnw.itemy2[1][0], 5 + 10 * 12);
    EXPECT_EQ(mnw.itemx1[1][0], mnw.itemx1[0][58]);
}

TEST_F(MenuFile, KoreanTextsAreGlyphNumbers)
{
    mnw.lang = 5;
    // A number below 127 is that ASCII character (below a space, nothing); others are sheet cells.
    ww_write_bytes(dir + "korean/Wing-Wright.txt", "I\n1 version\nx\n0 300 65 66\n302 128  91 999 93 7\n1 -\n1 = \n\n\n");
    men_path = dir;
    MACIBM_read_menus("Wing-Wright.txt");
    const char title[] = {300 / 127 + 1, 300 % 127 + 1, 'A', 'B', 0};
    EXPECT_STREQ(stl.menu_name[0], title);
    EXPECT_FLOAT_EQ(mnw.menux2[0] - mnw.menux1[0], 2 * 16 + 20);
    const char item[] = {2, 2, '[', 999 / 127 + 1, 999 % 127 + 1, ']', 0};
    EXPECT_STREQ(stl.item_name[0][0], item);
    EXPECT_EQ(mnw.item_code[0][0], 302);
    EXPECT_EQ(mnw.is_korean[0][0], 1);
    EXPECT_STREQ(stl.item_name[0][1], "-");
    EXPECT_EQ(mnw.is_korean[0][1], 0);
    EXPECT_EQ(mnw.itemy2[0][0] - mnw.itemy1[0][0], 14);
    EXPECT_EQ(mnw.itemx2[0][0] - mnw.itemx1[0][0], 3 * 14 + 25);
}

// The installed English menus: every command is there once, and every shortcut hint names the
// key that runs the same command.
TEST_F(MenuFile, InstalledMenusHoldEveryCommandOnceAndNameTheRightKeys)
{
    MACIBM_read_menus("Wing-Wright.txt");
    std::map<int, std::string> items;
    int submenus = 0;
    for (int m = 0; m < MNW_POPUP_MENU; m++) {
        if (mnw.menu_prnt[m] >= 0) submenus++;
        for (int i = 0; i < MNW_NUM_ITEMS && stl.item_name[m][i][0]; i++) {
            const char* t = stl.item_name[m][i];
            if (t[0] == '-' || mnw.item_code[m][i] == 1) continue;
            EXPECT_EQ(items.count(mnw.item_code[m][i]), 0u) << "twice: " << mnw.item_code[m][i];
            items[mnw.item_code[m][i]] = t;
        }
    }
    EXPECT_EQ(submenus, 1);
    EXPECT_GE(items.size(), 60u);

    const std::map<std::string, int> key_command = {
        {"[F1]", 1500}, {"[F2]", 1501}, {"[F3]", 1502}, {"[F4]", 1503}, {"[F5]", 1504}, {"[F6]", 1506},
        {"[F7]", 1507}, {"[F8]", 1508}, {"[F9]", 1509}, {"[F10]", 1510}, {"[Up]", 1213}, {"[Left]", 1211},
        {"[Down]", 1214}, {"[Right]", 1212}, {"[Shift Up]", 1218}, {"[Shift Left]", 1216},
        {"[Shift Down]", 1219}, {"[Shift Right]", 1217}, {"[=]", 1221}, {"[+]", 1224}, {"[-]", 1222},
        {"[_]", 1225}, {"[Space]", 1513}, {"[R]", 1516}, {"[A]", 1206}, {"[D]", 1207}, {"[W]", 1208},
        {"[S]", 1209}};
    int hints = 0;
    for (const auto& [code, text] : items) {
        size_t b = text.rfind('[');
        if (b == std::string::npos) continue;
        hints++;
        auto k = key_command.find(text.substr(b));
        ASSERT_NE(k, key_command.end()) << text;
        EXPECT_EQ(k->second, code) << text;
    }
    EXPECT_EQ(hints, (int)key_command.size());
    EXPECT_TRUE(g_test_alerts.empty());
}

}  // namespace

// Every shipped translation of the menus reads without a fault into the same menus, items and
// command codes as the English one, so no command goes missing or moves in any language.
TEST(ShippedMenus, EveryLanguageHasTheEnglishCommandsInTheirPlaces)
{
    MACIBM_zero_records();
    ww_catch_alerts();
    men_path = std::string(WW_SOURCE_DIR) + "data/Aerodeck/Resources/menus/";
    auto skeleton = [](int lang) {
        mnw.lang = lang;
        MACIBM_read_menus("Wing-Wright.txt");
        std::vector<std::vector<int>> menus;
        for (int m = 0; m < MNW_POPUP_MENU && (stl.menu_name[m][0] || items_of(m).size()); m++) {
            menus.push_back({mnw.menu_prnt[m]});
            for (const auto& it : items_of(m)) menus.back().push_back(it.second);
        }
        return menus;
    };
    const auto english = skeleton(0);
    ASSERT_GT(english.size(), 5u);
    static const char* const folders[7] = {"english", "french", "german", "italian", "spanish", "korean", "portugese"};
    for (int lang = 1; lang < 7; lang++) {
        if (!std::filesystem::exists(men_path + folders[lang] + "/Wing-Wright.txt")) continue;
        SCOPED_TRACE(folders[lang]);
        EXPECT_EQ(skeleton(lang), english);
        EXPECT_TRUE(g_test_alerts.empty());
        EXPECT_EQ(mnw.is_korean[0][0], lang == 5);   // Korean texts read as glyph numbers
    }
}
