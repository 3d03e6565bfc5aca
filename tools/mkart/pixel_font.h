// pixel_font.h -- reads the hand-drawn 8 x 11 pixel faces of data/art (font_prop.txt,
// font_mono.txt). Header-only so that the unit tests read the very same files the same way.
//
// File format: '#' comment lines and blank lines are ignored; a glyph is a line "= C" (C the
// character, or the word "space") followed by exactly 11 rows of 8 characters, '#' ink and '.'
// empty, top row first. Glyphs must come in font-cell order (ART_FONT_CHARS).
#pragma once
#include <cstdint>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "draw/art_layout.h"

struct PixelGlyph {
    char     ch = 0;
    uint8_t  rows[ART_FONT_CELL_H] = {};     // rows[0] is the bottom row; bit x is column x

    bool ink(int x, int row) const { return (rows[row] >> x) & 1; }
    int  ink_right() const                    // one past the rightmost inked column, 0 if blank
    {
        int r = 0;
        for (uint8_t m : rows)
            for (int x = 0; x < ART_FONT_CELL_W; ++x)
                if ((m >> x) & 1 && x + 1 > r) r = x + 1;
        return r;
    }
    int ink_left() const                      // leftmost inked column, CELL_W if blank
    {
        int l = ART_FONT_CELL_W;
        for (uint8_t m : rows)
            for (int x = 0; x < ART_FONT_CELL_W; ++x)
                if ((m >> x) & 1 && x < l) l = x;
        return l;
    }
    int ink_bottom() const                    // lowest inked row, CELL_H if blank
    {
        for (int r = 0; r < ART_FONT_CELL_H; ++r)
            if (rows[r]) return r;
        return ART_FONT_CELL_H;
    }
};

struct PixelFont {
    std::vector<PixelGlyph> glyphs;          // index = font cell
};

// Reads a face; on failure returns false with a message naming the file and line.
inline bool load_pixel_font(const std::string& path, PixelFont& font, std::string& error)
{
    std::ifstream in(path);
    if (!in) { error = path + ": cannot open"; return false; }
    font.glyphs.clear();
    std::string line;
    int lineno = 0;
    auto fail = [&](const std::string& why) {
        std::ostringstream o;
        o << path << ":" << lineno << ": " << why;
        error = o.str();
        return false;
    };
    while (std::getline(in, line)) {
        ++lineno;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.empty() || line[0] == '#') continue;
        if (line.size() < 3 || line[0] != '=' || line[1] != ' ') return fail("expected \"= C\"");
        std::string name = line.substr(2);
        char ch = name == "space" ? ' ' : (name.size() == 1 ? name[0] : 0);
        if (!ch) return fail("bad glyph name \"" + name + "\"");
        size_t cell = font.glyphs.size();
        if (cell >= ART_FONT_CELL_COUNT) return fail("more glyphs than font cells");
        if (ART_FONT_CHARS[cell] != ch)
            return fail(std::string("glyph '") + ch + "' is out of cell order (cell " + std::to_string(cell) +
                        " holds '" + ART_FONT_CHARS[cell] + "')");
        PixelGlyph g;
        g.ch = ch;
        for (int i = 0; i < ART_FONT_CELL_H; ++i) {
            if (!std::getline(in, line)) return fail("glyph cut short");
            ++lineno;
            if (!line.empty() && line.back() == '\r') line.pop_back();
            if (int(line.size()) != ART_FONT_CELL_W) return fail("row must be 8 columns");
            for (int x = 0; x < ART_FONT_CELL_W; ++x) {
                if (line[x] == '#') g.rows[ART_FONT_CELL_H - 1 - i] |= uint8_t(1u << x);
                else if (line[x] != '.') return fail("rows hold only '#' and '.'");
            }
        }
        font.glyphs.push_back(g);
    }
    if (font.glyphs.size() != ART_FONT_CELL_COUNT) {
        lineno = 0;
        return fail("has " + std::to_string(font.glyphs.size()) + " glyphs, expected " +
                    std::to_string(ART_FONT_CELL_COUNT));
    }
    return true;
}
