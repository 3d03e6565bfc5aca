// mkart.h -- the pictures the art generator draws. Each function returns a canvas, bottom row
// first; main.cpp writes them out.
#pragma once
#include <string>

#include "tools/mkart/canvas.h"
#include "tools/mkart/pixel_font.h"

// The 512 x 512 interface sheet: both faces, bars, panels, widget pieces, cursors, swatches.
Canvas draw_interface_sheet(const PixelFont& prop, const PixelFont& mono);

Canvas draw_intro(const PixelFont& prop);   // 1024 x 768 start screen
Canvas draw_blank();                        // plain white
Canvas draw_lights();                       // light sprite sheet
Canvas draw_prop_disc();                    // propeller disc
Canvas draw_icon(int size);                 // the desktop icon, size x size

// Sets text with a face the way the program does: pen y is the baseline, the cell's bottom two
// rows hang below it; `advance` 0 means the proportional advances. Ink is painted in `colour`.
// Returns the pen x after the last character.
int draw_text(Canvas& c, const PixelFont& font, int x, int y, const std::string& text, RGBA colour,
              int advance = 0, int scale = 1);
int text_advance(char ch);                  // the proportional advance of a character (ART_glyph_advance)

// Enlarges by an integer factor with nearest sampling, over an opaque backdrop.
Canvas enlarge(const Canvas& c, int k, RGBA backdrop);

// The Korean glyph sheet (512 x 512, magenta key) from the glyph list the Korean menu tool
// writes ("cell U+code" lines) and a Korean outline font. False with the reason in err.
bool draw_korean_sheet(const std::string& glyph_list, const std::string& font, Canvas& sheet, std::string& err);
