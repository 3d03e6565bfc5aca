// Text and number layout: which glyph lands in which cell, and where lines wrap.
#include <gtest/gtest.h>
#include "draw/HL_GRAPH.h"
#include "editor/HL_BTN.h"
#include "shell/Hl_MNW.h"
#include "tests/support/ww_test.h"
#include <string>

static std::string cells_to_text(const OGL_glyph* g, int n)
{
    static const char punct[] = "!@#$%^&*()-_+=[]|\\':;<.>,?/`";
    std::string s;
    for (int i = 0; i < n; i++) {
        int c = g[i].cell;
        if (c == 0) s += ' ';
        else if (c <= 10) s += char('0' + c - 1);
        else if (c <= 62) s += char(c % 2 ? 'A' + (c - 11) / 2 : 'a' + (c - 12) / 2);
        else s += punct[c - 63];
    }
    return s;
}

// Characters the font has no cell for draw nothing and take no room.
TEST(GlyphMap, UnknownCharactersHaveNoCellAndNoWidth)
{
    for (int c : {(int)'"', (int)'{', (int)'}', (int)'~', (int)'\n', 0xC3}) {
        EXPECT_EQ(OGL_glyph_cell((unsigned char)c), -1) << c;
        EXPECT_EQ(chr_dx((char)c), 0) << c;
    }
    EXPECT_EQ(str_dx("Mil"), chr_dx('M') + chr_dx('i') + chr_dx('l'));
}

TEST(NumberLayout, DigitsPointAndThousandsMarkSitBetweenCells)
{
    OGL_glyph g[24];
    int n = OGL_layout_number(1234.5f, 100, 50, 6, 2, 102, g, 24);
    ASSERT_EQ(n, 8);
    EXPECT_EQ(cells_to_text(g, 6), "123450");
    for (int k = 0; k < 6; k++) EXPECT_EQ(g[k].x, 100 + 10 * k);
    EXPECT_EQ(cells_to_text(g + 6, 1), ".");
    EXPECT_EQ(g[6].x, 100 - 10 + 10 * 4.5f);          // between the fourth and fifth digit
    EXPECT_EQ(cells_to_text(g + 7, 1), ",");
    EXPECT_EQ(g[7].x, 100 - 10 + 10 * 1.5f);          // between the first and second digit
}

TEST(NumberLayout, TooManyDigitsFallsBackToMantissaAndExponent)
{
    OGL_glyph g[24];
    int n = OGL_layout_number(1234.5f, 0, 0, 3, 2, 101, g, 24);
    ASSERT_EQ(n, 6);
    EXPECT_EQ(cells_to_text(g, 6), "123.x3");
    EXPECT_EQ(g[3].x, -6 + 1.5f * 6 + 2);            // the point, one pixel lower
    EXPECT_EQ(g[3].y, -1);
    EXPECT_EQ(g[4].x, 18);
    EXPECT_EQ(g[5].x, 24);
}

TEST(NumberLayout, ZeroPaddingSignAndRounding)
{
    OGL_glyph g[24];
    int n = OGL_layout_number(-7.25f, 0, 0, 4, 1, 102, g, 24);
    EXPECT_EQ(cells_to_text(g, n), "-0073.");        // 7.25 rounds to 7.3 (72.5 + 0.5)
    EXPECT_EQ(g[0].x, -10 + 1);

    n = OGL_layout_number(-0.01f, 0, 0, 3, 1, 102, g, 24);   // scaled 0.1: no minus sign
    EXPECT_EQ(cells_to_text(g, n), "000.");

    n = OGL_layout_number(5.0f, 0, 0, 9, 0, 101, g, 24);     // marks every three integer digits
    EXPECT_EQ(cells_to_text(g, n), "000000005,,");
}

TEST(StringLayout, NoWrapAtOrAbove9999)
{
    OGL_glyph g[64];
    int n = OGL_layout_string("one two\nthree", 0, 0, 9999, 100, g, 64);
    EXPECT_EQ(n, 12);                                  // the line feed draws nothing
    for (int i = 0; i < n; i++) EXPECT_EQ(g[i].y, 0);
}

TEST(StringLayout, WrapsAtWidthAndAtLineFeed)
{
    OGL_glyph g[64];
    int n = OGL_layout_string("ab\ncd", 10, 20, 100, 101, g, 64);
    ASSERT_EQ(n, 4);
    EXPECT_EQ(g[2].x, 10);
    EXPECT_EQ(g[2].y, 10);

    // "aaaa bbbb": after the space the next word (4 characters, estimated 24 px) would pass 30.
    n = OGL_layout_string("aaaa bbbb", 0, 0, 30, 101, g, 64);
    ASSERT_EQ(n, 9);
    EXPECT_EQ(g[5].x, 0);
    EXPECT_EQ(g[5].y, -10);
    EXPECT_EQ(g[4].y, 0);                              // the space stays on the first line

    // Fixed advances in charsets 101 and 102, proportional in 100.
    n = OGL_layout_string("Wi", 0, 0, 9999, 100, g, 64);
    EXPECT_EQ(g[1].x, 9);
    n = OGL_layout_string("Wi", 0, 0, 9999, 102, g, 64);
    EXPECT_EQ(g[1].x, 10);
}

TEST(StringLayout, KoreanTakesTwoBytesPerGlyph)
{
    OGL_glyph g[8];
    const char s[] = {2, 3, 1, 1, 0};
    int n = OGL_layout_string(s, 0, 0, 9999, 103, g, 8);
    ASSERT_EQ(n, 2);
    EXPECT_EQ(g[0].cell, 1 * 127 + 2);
    EXPECT_EQ(g[1].cell, 0);
    EXPECT_EQ(g[1].x, 15);
    // Cells off the 512-texel sheet (the last column, rows past the top) are blanks that still advance.
    const char off[] = {1, 40, 1, 41, (char)200, 1, 1, 2, 0};   // cells 39 (last column), 40, 25273, 1
    n = OGL_layout_string(off, 0, 0, 9999, 103, g, 8);
    ASSERT_EQ(n, 2);
    EXPECT_EQ(g[0].cell, 40);
    EXPECT_EQ(g[1].cell, 1);
    EXPECT_EQ(g[1].x, 45);
}

// A Korean text line keeps Latin bytes (units, separators, spaces) between its two-byte Hangul
// cells; charsets 100 and 103 lay it out alike, each glyph flagged with the sheet it comes from.
TEST(StringLayout, KoreanLinesMixHangulCellsAndLatinBytes)
{
    const char s[] = {'k', 2, 3, ' ', 1, 2, 'x', 0};
    for (int charset : {100, 103}) {
        SCOPED_TRACE(charset);
        OGL_glyph g[8];
        ASSERT_EQ(OGL_layout_string(s, 0, 0, 9999, charset, g, 8), 5);
        const struct { int cell, korean; float x; } want[] = {
            {OGL_glyph_cell('k'), 0, 0}, {127 + 2, 1, 5}, {0, 0, 20}, {1, 1, 24}, {OGL_glyph_cell('x'), 0, 39}};
        for (int i = 0; i < 5; i++) {
            EXPECT_EQ(g[i].cell, want[i].cell) << i;
            EXPECT_EQ(g[i].korean, want[i].korean) << i;
            EXPECT_EQ(g[i].x, want[i].x) << i;
        }
        // The word after a space is estimated at 15 pixels a Hangul glyph: four of them pass 50,
        // and the next line is a Korean cell lower.
        const char wrap[] = {'a', ' ', 1, 2, 1, 2, 1, 2, 1, 2, 0};
        ASSERT_EQ(OGL_layout_string(wrap, 0, 0, 50, charset, g, 8), 6);
        EXPECT_EQ(g[2].y, -14);
    }
    EXPECT_EQ(str_dx(s), 39 + chr_dx('x'));
}

// Korean text lines from their glyph numbers: ASCII below 127, sheet cells above, and any number
// that cannot make a pair the drawing code reads as one glyph becomes a blank cell off the sheet.
TEST(KoreanText, GlyphNumbersBecomeTheDrawnBytes)
{
    const struct { const char* numbers; int out_len; std::string want; } rows[] = {
        {"65 32 300", 16, std::string("A ") + char(3) + char(47)},
        {"7 66 x67", 16, "BC"},                                  // below a space: nothing
        {"1016 65", 16, std::string() + char(31) + char(127) + 'A'},   // first byte would be a tab
        {"99999", 16, std::string() + char(31) + char(127)},
        {"300 300 300", 6, std::string() + char(3) + char(47) + char(3) + char(47)},   // never half a glyph
    };
    for (const auto& r : rows) {
        char out[16];
        MACIBM_korean_text(r.numbers, out, r.out_len);
        EXPECT_EQ(std::string(out), r.want) << r.numbers;
    }
}

TEST(StringLayout, BadCharsetIsFatal)
{
    ww_catch_alerts();
    OGL_glyph g[4];
    EXPECT_THROW(OGL_layout_string("x", 0, 0, 9999, 104, g, 4), ww_fatal);
    EXPECT_EQ(g_test_alerts.back().lines[0], "String proc with bad charset!");
    ww_fatal f = ww_fatal_of([&] { OGL_layout_number(1, 0, 0, 3, 0, 100, g, 4); });   // proportional
    EXPECT_EQ(f.lines[0], "Numbers must be mono-spaced!");
    EXPECT_EQ(f.lines[1], "This is because we increment by a constant step size for each digit.");
}

TEST(Bars, CapsAndTiledMiddleCoverTheLength)
{
    BTN_span s[64];
    // cap 10, source 51: middle tiles of 31; length 100 -> 80 between the caps -> 3 tiles, the last cut.
    int n = BTN_bar_spans(100, 10, 51, s, 64);
    ASSERT_EQ(n, 5);
    EXPECT_EQ(s[0].x1, 0);  EXPECT_EQ(s[0].x2, 10); EXPECT_EQ(s[0].s2, 10);
    EXPECT_EQ(s[3].x1, 72); EXPECT_EQ(s[3].x2, 90); EXPECT_EQ(s[3].s1, 10); EXPECT_EQ(s[3].s2, 28);
    EXPECT_EQ(s[4].x1, 90); EXPECT_EQ(s[4].x2, 100); EXPECT_EQ(s[4].s1, 41); EXPECT_EQ(s[4].s2, 51);
    float covered = 0;
    for (int i = 0; i < n; i++) covered += s[i].x2 - s[i].x1;
    EXPECT_EQ(covered, 100);
    // A middle that repeats one texel is one stretched span over the same length.
    n = BTN_bar_spans(100, 10, 51, s, 64, 1);
    ASSERT_EQ(n, 3);
    EXPECT_EQ(s[1].x1, 10); EXPECT_EQ(s[1].x2, 90); EXPECT_EQ(s[1].s1, 10); EXPECT_EQ(s[1].s2, 41);
    EXPECT_EQ(s[2].x1, 90); EXPECT_EQ(s[2].s1, 41);
}
