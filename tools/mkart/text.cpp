// text.cpp -- setting text with the pixel faces, for the start screen and the previews.
#include <cstring>

#include "tools/mkart/mkart.h"

int text_advance(char ch) { return ART_glyph_advance(ch); }

static int cell_of(char ch)
{
    const char* p = ch ? std::strchr(ART_FONT_CHARS, ch) : nullptr;
    return p ? int(p - ART_FONT_CHARS) : -1;
}

int draw_text(Canvas& c, const PixelFont& font, int x, int y, const std::string& text, RGBA colour,
              int advance, int scale)
{
    int pen = x;
    for (char ch : text) {
        int cell = cell_of(ch);
        if (cell >= 0) {
            const PixelGlyph& g = font.glyphs[cell];
            for (int row = 0; row < ART_FONT_CELL_H; ++row)
                for (int col = 0; col < ART_FONT_CELL_W; ++col)
                    if (g.ink(col, row))
                        for (int j = 0; j < scale; ++j)
                            for (int i = 0; i < scale; ++i)
                                c.blend(pen + (col * scale) + i, y + (row - ART_FONT_BASELINE_ROW) * scale + j, colour);
        }
        pen += (advance ? advance : text_advance(ch)) * scale;
    }
    return pen;
}

Canvas enlarge(const Canvas& c, int k, RGBA backdrop)
{
    Canvas out(c.w * k, c.h * k, backdrop);
    for (int y = 0; y < out.h; ++y)
        for (int x = 0; x < out.w; ++x) out.blend(x, y, c.at(x / k, y / k));
    return out;
}
