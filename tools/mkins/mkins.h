// mkins.h -- the instrument art generator: what each catalogue entry is drawn as, and the
// drawing routines of the instrument families.
#pragma once
#include <string>

#include "tools/mkart/canvas.h"
#include "tools/mkart/pixel_font.h"

// The families: each draws any instrument of its kind from the parameters below.
enum InsFamily {
    FAM_ROUND,        // round gauge: scale, numbers, needle, optional digital window
    FAM_TAPE,         // vertical tape with a scale and pointer
    FAM_ATTITUDE,     // artificial horizon
    FAM_HEADING,      // compass rose: compass, DG, HSI, RMI, ADF, VOR
    FAM_DIGITAL,      // a window of digits with its label
    FAM_RADIO,        // a radio head: active and standby frequencies, knobs
    FAM_SWITCH,       // toggle switch with its label
    FAM_BUTTON,       // push button with its label
    FAM_KNOB,         // rotary knob (rheostat, selector)
    FAM_HANDLE,       // lever in its slot
    FAM_ANNUNCIATOR,  // lamp with its words
    FAM_SCREEN,       // display screen: EFIS frames, maps, radar, ECAM, FMS
    FAM_HUD,          // head-up display symbology, green on transparent
    FAM_PLATE         // a placard of text (tail number)
};

enum InsStyle { STYLE_GA, STYLE_BC, STYLE_HM };

struct InsArt {
    InsFamily   family = FAM_BUTTON;
    InsStyle    style = STYLE_GA;
    int         w = 32, h = 32;          // pixels, before the panels' fit shrinks them
    std::string label;                   // words shown on the instrument
    std::string units;                   // under the label of a gauge
    float       lo = 0, hi = 100;        // scale range
    float       major = 10;              // a number every major step
    float       sweep = 270;             // degrees of the round scale
    int         arcs = 0;                // 1 airspeed bands, 2 engine green band and red line
    bool        digits = false;          // a digital window too
    bool        centre_zero = false;     // a scale through zero (VVI): numbers without sign
    int         kind = 0;                // family-specific variant
    RGBA        lamp{};                  // an annunciator's colour
};

// What entry k of the catalogue is drawn as (file name and folder decide).
InsArt ins_art_for(int k);
// Draws it at w x h pixels.
Canvas draw_instrument(const InsArt& a, int w, int h, const PixelFont& prop, const PixelFont& mono);
// The default panel picture of cockpit type t (0..7), 1024 x 768, open above the coaming.
Canvas draw_panel_background(int t, const PixelFont& prop);
extern const char* const INS_panel_files[8];
