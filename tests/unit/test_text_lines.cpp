// Every text line the program asks for by number is in the English text file: a window title,
// button or label added to the code without its line would show as blank.
#include <gtest/gtest.h>
#include "shell/Hl_MNW.h"
#include "tests/support/ww_test.h"
#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <set>
#include <sstream>

namespace fs = std::filesystem;

static std::string read_file(const fs::path& p)
{
    std::ifstream f(p, std::ios::binary);
    std::stringstream s;
    s << f.rdbuf();
    return s.str();
}

// Literal indices of stl.text[...] in one source text.
static std::set<int> literal_uses_in(const std::string& src)
{
    static const std::regex use(R"(stl\s*\.\s*text\s*\[\s*(\d+)\s*\])");
    std::set<int> found;
    for (std::sregex_iterator m(src.begin(), src.end(), use), end; m != end; ++m) found.insert(std::stoi((*m)[1]));
    return found;
}

// Literal indices of stl.text[...] in every source file, with one place each is used.
static std::map<int, std::string> literal_text_uses(void)
{
    std::map<int, std::string> uses;
    for (const char* folder : {"shell", "model", "geometry", "draw", "editor", "support"}) {
        fs::path d = fs::path(WW_SOURCE_DIR) / folder;
        if (!fs::exists(d)) continue;
        for (const auto& e : fs::recursive_directory_iterator(d)) {
            auto ext = e.path().extension();
            if (!e.is_regular_file() || (ext != ".cpp" && ext != ".h")) continue;
            for (int i : literal_uses_in(read_file(e.path()))) uses.emplace(i, e.path().filename().string());
        }
    }
    return uses;
}

// The title column of the window table in the shell: rows {code, dx, dy, title}.
static std::set<int> window_titles(void)
{
    std::string src = read_file(fs::path(WW_SOURCE_DIR) / "shell" / "Hl_MNW.cpp");
    std::set<int> titles;
    size_t a = src.find("s_windows[]");
    size_t b = src.find("};", a);
    if (a == std::string::npos || b == std::string::npos) return titles;
    std::string table = src.substr(a, b - a);
    static const std::regex row(R"(\{\s*-?\d+\s*,\s*-?[\d.]+\s*,\s*-?[\d.]+\s*,\s*(\d+)\s*\})");
    for (std::sregex_iterator m(table.begin(), table.end(), row), end; m != end; ++m)
        titles.insert(std::stoi((*m)[1]));
    return titles;
}

TEST(TextLines, EveryLineTheProgramUsesIsInTheEnglishFile)
{
    ww_catch_alerts();
    ww_use_aerodeck();
    MACIBM_setupforlang(0);                         // the installed file, as the program loads it
    EXPECT_TRUE(g_test_alerts.empty());

    std::set<int> titles = window_titles();
    // The table holds the alert, the dialogs and some twenty editor windows; far fewer means the
    // table was not understood and the check below would prove nothing.
    ASSERT_GE(titles.size(), 20u);
    for (int t : titles) EXPECT_NE(stl.text[t][0], 0) << "window title line " << t;

    // The scan finds the ways a use is written, and only literal indices.
    EXPECT_EQ(literal_uses_in("OGL_string(39, 10, 10, stl.text[602]); x(stl . text[ 7 ][0]); stl.text[i + 1]; "
                              "stl.text[w.title]; tl.text[3"),
              (std::set<int>{7, 602}));
    std::map<int, std::string> uses = literal_text_uses();
    for (const auto& [index, file] : uses) {
        ASSERT_LT(index, 1200) << file;
        EXPECT_NE(stl.text[index][0], 0) << "text line " << index << " used in " << file;
    }

    // Part names: every part label and list shows line 820 + part.
    for (int part = 0; part < 73; part++) EXPECT_NE(stl.text[820 + part][0], 0) << "part " << part;

    // The shell's own lines: dialog and save-prompt buttons and the prompt's words.
    for (int i : {602, 606, 607, 608, 609, 610, 611}) EXPECT_NE(stl.text[i][0], 0) << "text line " << i;
}
