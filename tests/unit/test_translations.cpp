// Every installed translation against the English files: no line missing, lists with as many
// choices, the same printf fields, the same menus with the same key hints, and (outside Korean)
// only characters the fonts can draw. Languages not installed yet are named and skipped.
#include <gtest/gtest.h>
#include "shell/Hl_MNW.h"
#include "editor/HL_BTN.h"
#include "tests/support/ww_test.h"
#include <cstring>
#include <regex>
#include <string>
#include <vector>

namespace {

struct Loaded {
    std::vector<std::string> text;
    std::vector<std::vector<std::pair<int, std::string>>> menus;   // per menu: (code, key hint)
    std::vector<std::string> titles;
};

static std::string key_hint(const char* item)
{
    const char* b = strrchr(item, '[');
    return b ? b : "";
}

static Loaded load(int lang)
{
    MACIBM_setupforlang(lang);
    Loaded l;
    for (int i = 0; i < STL_NUM_TEXT; i++) l.text.push_back(stl.text[i]);
    for (int m = 0; m < MNW_NUM_MENUS && (m == 0 || stl.menu_name[m][0]); m++) {
        l.titles.push_back(stl.menu_name[m]);
        l.menus.emplace_back();
        for (int i = 0; i < MNW_NUM_ITEMS && stl.item_name[m][i][0]; i++)
            l.menus.back().emplace_back(mnw.item_code[m][i], key_hint(stl.item_name[m][i]));
    }
    return l;
}

static std::string printf_fields(const std::string& s)
{
    static const std::regex field("%[-+#0-9.]*[diouxXeEfgGsc]");
    std::string out;
    for (std::sregex_iterator it(s.begin(), s.end(), field), end; it != end; ++it) out += it->str() + " ";
    return out;
}

// The pop-up lists: choices split at "-", so a choice cannot hold one.
static const int s_lists[] = {24, 25, 26, 86, 87, 99, 144, 145, 166, 188, 294, 638};

static int list_items(const std::string& s)
{
    std::string items[BTN_LIST_MAX];
    return BTN_split_list(s.c_str(), "", items);
}

TEST(Translations, MatchTheEnglishFilesLineForLine)
{
    MACIBM_zero_records();
    ww_catch_alerts();
    ww_use_aerodeck();
    const Loaded en = load(0);
    const char* const names[7] = {"English", "French", "German", "Italian", "Spanish", "Korean", "Portuguese"};
    int checked = 0;
    for (int lang = 1; lang < 7; lang++) {
        if (!MACIBM_lang_installed(lang)) {
            printf("%s is not installed: skipped\n", names[lang]);
            continue;
        }
        SCOPED_TRACE(names[lang]);
        checked++;
        const Loaded tr = load(lang);
        EXPECT_EQ(mnw.lang, lang);
        for (int n = 0; n < STL_NUM_TEXT; n++) {
            const std::string& e = en.text[n];
            const std::string& t = tr.text[n];
            if (e.empty()) continue;
            if (t.empty()) {
                ADD_FAILURE() << "text line " << n << " is missing";
                continue;
            }
            EXPECT_EQ(printf_fields(t), printf_fields(e)) << n << ": " << t;
            // A label keeps its unit and help parts.
            EXPECT_EQ(t.find('{') != std::string::npos, e.find('{') != std::string::npos) << n << ": " << t;
            EXPECT_EQ(t.find('|') != std::string::npos, e.find('|') != std::string::npos) << n << ": " << t;
            if (lang == 5) continue;   // Korean text is in the glyph sheet's two-byte form
            for (size_t k = 0; k < t.size(); k++) {
                const unsigned char c = (unsigned char)t[k];
                // The Latin fonts have no cell for bytes above 127, the double quote, braces or
                // the tilde: such a character would vanish from the label.
                const bool drawable = c >= ' ' && c < 127 && c != '"' && c != '~' && c != '}' &&
                                      (c != '{' || k == t.find('{'));
                EXPECT_TRUE(drawable) << n << ": character " << (int)c << " in " << t;
            }
        }
        for (int n : s_lists) EXPECT_EQ(list_items(tr.text[n]), list_items(en.text[n])) << n << ": " << tr.text[n];
        ASSERT_EQ(tr.menus.size(), en.menus.size());
        for (size_t m = 0; m < en.menus.size(); m++) {
            EXPECT_FALSE(tr.titles[m].empty()) << "menu " << m;
            EXPECT_EQ(tr.menus[m], en.menus[m]) << "menu " << m << " (" << tr.titles[m] << ")";
        }
    }
    printf("%d translations checked\n", checked);
    EXPECT_TRUE(g_test_alerts.empty());
}

}  // namespace
