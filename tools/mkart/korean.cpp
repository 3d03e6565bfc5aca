// korean.cpp -- the Korean glyph sheet: every character the Korean menus use, rendered from a
// Korean outline font through FreeType into the cell the glyph list gives it.
//
// The editor draws Korean as cells of 13 x 13 texels, 40 a row, bottom row first, on a 512 x 512
// sheet keyed on magenta. Glyphs are rendered one bit deep: under a colour key a soft edge would
// show as a pink fringe, and at this size a hinted mono glyph reads better anyway.
#include <ft2build.h>
#include FT_FREETYPE_H

#include <cstdio>
#include <fstream>
#include <sstream>

#include "tools/mkart/mkart.h"

namespace {
constexpr int CELL = 13, PER_ROW = 40, SHEET = 512, BASELINE = 2, PIXELS = 12;

struct FreeType {
    FT_Library lib = nullptr;
    FT_Face    face = nullptr;
    ~FreeType()
    {
        if (face) FT_Done_Face(face);
        if (lib) FT_Done_FreeType(lib);
    }
};

// Copies the set bits of a mono bitmap into the cell, centred across it and standing on the
// baseline; anything reaching past the cell is cut so neighbours never bleed into each other.
void put_glyph(Canvas& c, int cell, const FT_GlyphSlot g, RGBA ink)
{
    const int cx = cell % PER_ROW * CELL, cy = cell / PER_ROW * CELL;
    const FT_Bitmap& b = g->bitmap;
    const int x0 = cx + (CELL - (int)b.width) / 2;
    for (int by = 0; by < (int)b.rows; ++by)
        for (int bx = 0; bx < (int)b.width; ++bx) {
            if (!(b.buffer[by * b.pitch + bx / 8] & (0x80 >> (bx % 8)))) continue;
            const int x = x0 + bx, y = cy + BASELINE + g->bitmap_top - 1 - by;
            if (x >= cx && x < cx + CELL && y >= cy && y < cy + CELL) c.set(x, y, ink);
        }
}
}   // namespace

bool draw_korean_sheet(const std::string& glyph_list, const std::string& font, Canvas& sheet, std::string& err)
{
    std::ifstream in(glyph_list);
    if (!in) { err = "cannot read " + glyph_list; return false; }
    FreeType ft;
    if (FT_Init_FreeType(&ft.lib) || FT_New_Face(ft.lib, font.c_str(), 0, &ft.face)) {
        err = "cannot open the Korean font " + font;
        return false;
    }
    FT_Set_Pixel_Sizes(ft.face, 0, PIXELS);
    sheet = Canvas(SHEET, SHEET, rgb8(255, 0, 255));
    std::string line;
    for (int no = 1; std::getline(in, line); ++no) {
        if (line.empty() || line[0] == '#') continue;
        int cell = -1;
        unsigned code = 0;
        if (std::sscanf(line.c_str(), "%d U+%x", &cell, &code) != 2 || cell < 0 ||
            cell % PER_ROW == PER_ROW - 1 || (cell / PER_ROW + 1) * CELL > SHEET) {
            err = glyph_list + ":" + std::to_string(no) + ": not a cell on the sheet: " + line;
            return false;
        }
        const FT_UInt index = FT_Get_Char_Index(ft.face, code);
        if (!index) {
            std::ostringstream s;
            s << "the Korean font has no glyph for U+" << std::hex << code;
            err = s.str();
            return false;
        }
        if (FT_Load_Glyph(ft.face, index, FT_LOAD_RENDER | FT_LOAD_TARGET_MONO)) {
            err = "FreeType cannot render " + line;
            return false;
        }
        put_glyph(sheet, cell, ft.face->glyph, rgb8(255, 255, 255));
    }
    return true;
}
