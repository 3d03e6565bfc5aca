// art_layout.h -- where everything sits on the interface art sheet ("interface.png", texture
// slot 468) and on the light sprite sheet ("world:lites:lights.bmp", slot 225).
//
// The sheets are drawn at build time by tools/mkart, which includes this header: the widget
// code, the palette loader and the art can never disagree about a position.
//
// Coordinates are texels (s, t) of a 512 x 512 sheet with t counted UP FROM THE BOTTOM row,
// as the loader stores the picture (bottom row first, GL t = 0). Every rectangle is given by
// its bottom-left texel and its size; divide by ART_SHEET_SIZE for texture coordinates.
// The art has soft edges and shadows in its alpha: draw it blended, with nearest filtering.
// No GL, SDL or other project header is needed to use it.
#pragma once

struct ART_rect {
    int s, t;       // bottom-left texel
    int w, h;       // size in texels
    constexpr int   s2() const { return s + w; }              // one past the right column
    constexpr int   t2() const { return t + h; }              // one past the top row
    constexpr float sc() const { return s + w * 0.5f; }       // centre, in texels
    constexpr float tc() const { return t + h * 0.5f; }
};

inline constexpr int ART_SHEET_SIZE = 512;

//=== fonts =====================================================================================
// Cell n of a face sits at column n % 21, row n / 21, rows going up from the face's origin.
// Charset 100 (proportional) and charsets 101/102 (monospaced, advances 6 and 10 share cells)
// are two separate faces. Text pens put the cell's bottom 2 rows below the baseline.
inline constexpr int ART_FONT_CELL_W        = 8;
inline constexpr int ART_FONT_CELL_H        = 11;
inline constexpr int ART_FONT_CELLS_PER_ROW = 21;
inline constexpr int ART_FONT_CELL_COUNT    = 91;
inline constexpr int ART_FONT_BASELINE_ROW  = 2;    // cell row the baseline sits on
inline constexpr int ART_FONT_PROP_S = 0,   ART_FONT_PROP_T = 0;   // charset 100
inline constexpr int ART_FONT_MONO_S = 168, ART_FONT_MONO_T = 0;   // charsets 101, 102
// The character each cell holds, cell 0 first.
inline constexpr char ART_FONT_CHARS[ART_FONT_CELL_COUNT + 1] =
    " 0123456789AaBbCcDdEeFfGgHhIiJjKkLlMmNnOoPpQqRrSsTtUuVvWwXxYyZz!@#$%^&*()-_+=[]|\\':;<.>,?/`";

// The proportional face's advance of each character, in pixels: the text layout spaces charset
// 100 with exactly these widths, and the art generator draws the face to fit them. 0 for a
// character the face has no glyph for.
constexpr int ART_glyph_advance(char ch)
{
    const unsigned char c = (unsigned char)ch;
    if (c < ' ' || c > '|' || c == '"' || c == '{') return 0;
    if (c >= '0' && c <= '9') return 6;
    struct row { int w; const char* chars; };
    constexpr row table[] = {
        {2, ",."},           {3, "!':;`Iil"},      {4, " ()*[]frt|"}, {5, "$/?EFJLScjks"},
        {7, "<>ACDGHNTUVXY"}, {8, "#%&OQmw"},        {9, "@MW"},
    };
    for (const row& r : table)
        for (const char* p = r.chars; *p; p++)
            if (*p == ch) return r.w;
    return 6;   // + - = \ ^ _ and the remaining letters
}

constexpr ART_rect ART_font_cell(int origin_s, int origin_t, int cell)
{
    return {origin_s + ART_FONT_CELL_W * (cell % ART_FONT_CELLS_PER_ROW),
            origin_t + ART_FONT_CELL_H * (cell / ART_FONT_CELLS_PER_ROW), ART_FONT_CELL_W, ART_FONT_CELL_H};
}

//=== stretched bars (frame1 styles; frame0 style 6 runs along t) ================================
// The strip is s .. s+src (along t for style 6) by `height`; the first and last `cap` texels are
// the end caps and the texels between them repeat seamlessly.
struct ART_bar {
    int style;
    int cap, src, height;
    int s, t;
    int extra;
};
inline constexpr ART_bar ART_BARS[] = {
    {0, 10, 100, 26, 1, 487, 0},      // menu bar
    {1, 20, 100, 26, 102, 487, 0},    // window title / tab strip bar
    {2, 10, 52, 26, 304, 486, 0},     // push button
    {3, 10, 52, 26, 304, 459, 0},     // push button, pressed
    {4, 10, 28, 16, 112, 161, 0},     // progress trough
    {5, 10, 28, 16, 83, 161, 0},      // progress fill
    {7, 10, 65, 24, 240, 242, 0},     // plain raised bar
    {8, 7, 16, 16, 289, 219, 0},      // small pill
    {9, 10, 51, 26, 262, 133, 2},     // number and text field box
    {10, 26, 68, 26, 357, 487, 2},    // pop-up list bar
    {11, 25, 100, 56, 339, 0, 0},     // floating box title bar
};
// Vertical style 6 (frame0, the scroll bar track): 20 wide, 40 long along t, caps of 10.
inline constexpr ART_bar ART_BAR_VERT6 = {6, 10, 40, 20, 102, 248, 0};

constexpr const ART_bar* ART_find_bar(int style)
{
    for (const ART_bar& b : ART_BARS)
        if (b.style == style) return &b;
    return nullptr;
}

//=== nine-slice panels (frame2 styles) =========================================================
// A size x size tile; its border bands are trunc(0.4 size) wide, and the middle repeats.
struct ART_panel {
    int style;
    int s, t, size;
    int ox, oy, top;    // how far the drawn frame reaches past the panel: sides, below, above
};
inline constexpr ART_panel ART_PANELS[] = {
    {11, 1, 358, 100, 9, 14, 4},      // editor window frame (title band across the top)
    {12, 102, 358, 100, 9, 14, 4},    // main screen frame
    {13, 203, 358, 100, 9, 14, 4},    // sub-panel (group box)
    {14, 304, 358, 100, 9, 14, 4},    // hover help box
    {15, 405, 358, 100, 9, 14, 4},    // dark display panel: start-up panel, 3-D view frame
    {16, 1, 289, 68, 2, 2, 2},        // list panel
    {17, 70, 315, 42, 8, 13, 2},      // open menu
    {18, 440, 12, 44, 6, 9, 4},       // floating panel-editor box
};
constexpr int ART_panel_border(int size) { return size * 2 / 5; }

constexpr const ART_panel* ART_find_panel(int style)
{
    for (const ART_panel& p : ART_PANELS)
        if (p.style == style) return &p;
    return nullptr;
}

//=== widget elements ===========================================================================
// Each is meant to be drawn at its own size, centred where the widget says (half-sizes w/2, h/2).
inline constexpr ART_rect ART_CHECK_BOX  = {4, 60, 18, 18};    // empty check box
inline constexpr ART_rect ART_CHECK_TICK = {24, 60, 18, 18};   // drawn over the box when on (colour 45)
inline constexpr ART_rect ART_RADIO_BOX  = {44, 60, 18, 18};
inline constexpr ART_rect ART_RADIO_DOT  = {64, 60, 18, 18};   // drawn over the radio box when on
// Digit arrows, one pair per 10-pixel digit cell, centred on the cell (x + 10k + 5). The arrow
// ink is set one texel right of centre to sit over the digit, which the number printer draws
// 4 px into the cell. INC is the upper one (drawn at y + 15, the click there adds), DEC the lower
// (at y - 13); each leaves one clear row between its ink and the field box.
inline constexpr ART_rect ART_ARROW_INC = {84, 60, 10, 10};
inline constexpr ART_rect ART_ARROW_DEC = {96, 60, 10, 10};
// The smaller pair used on the panel editor's title bar (drawn at y + 11 and y - 10).
inline constexpr ART_rect ART_ARROW_INC_SMALL = {108, 60, 10, 10};
inline constexpr ART_rect ART_ARROW_DEC_SMALL = {120, 60, 10, 10};
// Each of the four arrows again, ART_ARROW_ROW_CELLS times side by side: a field's row of arrows
// is then one quad instead of one a digit. A window holds hundreds of digit cells.
inline constexpr int ART_ARROW_ROW_CELLS = 16;
inline constexpr ART_rect ART_ARROW_ROW_INC       = {150, 208, 10 * ART_ARROW_ROW_CELLS, 10};
inline constexpr ART_rect ART_ARROW_ROW_DEC       = {150, 196, 10 * ART_ARROW_ROW_CELLS, 10};
inline constexpr ART_rect ART_ARROW_ROW_INC_SMALL = {150, 184, 10 * ART_ARROW_ROW_CELLS, 10};
inline constexpr ART_rect ART_ARROW_ROW_DEC_SMALL = {150, 172, 10 * ART_ARROW_ROW_CELLS, 10};
// Tabs, 90 x 26: drawn centred on (x - 5, y) for a tab whose label starts at x - 35, so that the
// picture covers the tab's hit box x - 50 .. x + 40.
inline constexpr ART_rect ART_TAB_SELECTED   = {140, 60, 90, 26};
inline constexpr ART_rect ART_TAB_UNSELECTED = {232, 60, 90, 26};
inline constexpr ART_rect ART_FILE_BUTTON    = {324, 60, 26, 26};   // opens the file dialog
inline constexpr ART_rect ART_CLOSE_BOX         = {352, 60, 16, 16};
inline constexpr ART_rect ART_CLOSE_BOX_PRESSED = {370, 60, 16, 16};

// Picture buttons (BTN_icon), 18 x 18, each with its off and on (lit) picture.
inline constexpr ART_rect ART_ICON_SHOW_PANEL_OFF = {4, 90, 18, 18};
inline constexpr ART_rect ART_ICON_SHOW_PANEL_ON  = {24, 90, 18, 18};
inline constexpr ART_rect ART_ICON_FOLDER_UP_OFF  = {44, 90, 18, 18};   // inactive: at the root
inline constexpr ART_rect ART_ICON_FOLDER_UP_ON   = {64, 90, 18, 18};
inline constexpr ART_rect ART_ICON_MINIMIZE_OFF   = {84, 90, 18, 18};
inline constexpr ART_rect ART_ICON_MINIMIZE_ON    = {104, 90, 18, 18};
// Empty picture-button frames, for pictures drawn over them.
inline constexpr ART_rect ART_PICTURE_FRAME_18     = {124, 90, 18, 18};
inline constexpr ART_rect ART_PICTURE_FRAME_18_ON  = {144, 90, 18, 18};
inline constexpr ART_rect ART_PICTURE_FRAME_26     = {164, 90, 26, 26};
inline constexpr ART_rect ART_PICTURE_FRAME_26_ON  = {192, 90, 26, 26};

// Scroll bar parts over the frame0 style-6 track (tinted: colour 0 normally, 42 while dragging).
inline constexpr ART_rect ART_SCROLL_UP    = {224, 90, 20, 20};   // above hi_y
inline constexpr ART_rect ART_SCROLL_DOWN  = {246, 90, 20, 20};   // below lo_y
inline constexpr ART_rect ART_SCROLL_THUMB = {268, 90, 20, 20};
inline constexpr ART_rect ART_MENU_SUBMENU_ARROW = {292, 90, 8, 8};   // right-pointing, for submenu items

// File-list icons, 10 x 10 (one list row), by file type.
inline constexpr ART_rect ART_LIST_ICON_FOLDER   = {224, 112, 10, 10};
inline constexpr ART_rect ART_LIST_ICON_AIRCRAFT = {236, 112, 10, 10};
inline constexpr ART_rect ART_LIST_ICON_AIRFOIL  = {248, 112, 10, 10};
inline constexpr ART_rect ART_LIST_ICON_WEAPON   = {260, 112, 10, 10};
inline constexpr ART_rect ART_LIST_ICON_BITMAP   = {272, 112, 10, 10};
inline constexpr ART_rect ART_LIST_ICON_FILE     = {284, 112, 10, 10};   // any other file

//=== cursors ===================================================================================
// 30 x 30 cells drawn centred on the mouse: left edge 200 + 32 col, bottom 293 + 32 row.
constexpr ART_rect ART_cursor_cell(int col, int row) { return {200 + 32 * col, 293 + 32 * row, 30, 30}; }
inline constexpr ART_rect ART_CURSOR_MOVE       = ART_cursor_cell(0, 1);   // type 2: four-way arrows
inline constexpr ART_rect ART_CURSOR_RESIZE_H   = ART_cursor_cell(1, 1);   // type 3: left-right
inline constexpr ART_rect ART_CURSOR_RESIZE_V   = ART_cursor_cell(0, 0);   // type 4: up-down
inline constexpr ART_rect ART_CURSOR_RESIZE_NWSE = ART_cursor_cell(1, 0);  // type 5: diagonal \ .
inline constexpr ART_rect ART_CURSOR_RESIZE_NESW = ART_cursor_cell(2, 1);  // type 6: diagonal /
inline constexpr ART_rect ART_CURSOR_CROSSHAIR  = ART_cursor_cell(3, 1);   // type 7
inline constexpr ART_rect ART_CURSOR_ROTATE     = ART_cursor_cell(2, 0);   // type 8: circling arrows
inline constexpr ART_rect ART_CURSOR_ZOOM       = ART_cursor_cell(3, 0);   // type 9: magnifier
inline constexpr ART_rect ART_CURSOR_HAND_OPEN  = ART_cursor_cell(4, 1);   // type 10
inline constexpr ART_rect ART_CURSOR_HAND_GRAB  = ART_cursor_cell(5, 1);   // type 10 while dragging
inline constexpr ART_rect ART_CURSOR_POINT      = ART_cursor_cell(4, 0);   // type 11
inline constexpr ART_rect ART_CURSOR_POINT_PRESS = ART_cursor_cell(5, 0);  // type 11 while dragging

//=== interface colour swatches =================================================================
// Palette slots 30..43 (not 35, the mean of 31 and 34) are read from one texel each; the
// texel sits in the middle of a 5 x 5 block of the same colour.
struct ART_swatch {
    int           slot;
    int           s, t;         // the texel to read
    unsigned char r, g, b;      // what the generator paints there
};
inline constexpr ART_swatch ART_SWATCHES[] = {
    {30, 434, 498, 46, 51, 59},       // window background, and the whole background
    {31, 440, 498, 78, 87, 101},      // light edge
    {32, 446, 498, 64, 142, 255},     // highlight fill (menus shade with it at 25 %)
    {33, 452, 498, 22, 25, 30},       // dark edge
    {34, 458, 498, 228, 232, 238},    // menu text, pop-up list text
    {36, 464, 498, 242, 245, 249},    // window title
    {37, 470, 498, 255, 255, 255},    // selected tab label
    {38, 476, 498, 150, 160, 174},    // unselected tab label
    {39, 482, 498, 200, 207, 217},    // labels, alerts, panel titles
    {40, 488, 498, 140, 206, 255},    // values in fields and list rows
    {41, 494, 498, 255, 178, 77},     // spare accent
    {42, 500, 498, 255, 222, 140},    // help text, dragging scroll bar, wire frames
    {43, 506, 498, 232, 236, 242},    // text on the floating box's title bar
};
inline constexpr int ART_SWATCH_COUNT = int(sizeof(ART_SWATCHES) / sizeof(ART_SWATCHES[0]));
inline constexpr int ART_SWATCH_BLOCK = 5;      // block edge; the texel is its centre

constexpr const ART_swatch* ART_find_swatch(int slot)
{
    for (const ART_swatch& w : ART_SWATCHES)
        if (w.slot == slot) return &w;
    return nullptr;
}

//=== light sprites ("world:lites:lights.bmp") =================================================
// 256 x 128, black where there is no light (the sprites are blended by brightness).
// The cells are where the sprite texture tables point: ordinary s 0-0.25 t 0-0.5,
// strobe s 0.25-0.5 t 0.5-1, ground shadow s 0.25-0.5 t 0-0.5.
inline constexpr int      ART_LITES_W = 256, ART_LITES_H = 128;
inline constexpr ART_rect ART_LITE_ORDINARY = {0, 0, 64, 64};
inline constexpr ART_rect ART_LITE_STROBE   = {64, 64, 64, 64};
inline constexpr ART_rect ART_LITE_SHADOW   = {64, 0, 64, 64};

//=== other generated pictures ==================================================================
inline constexpr int ART_INTRO_W = 1024, ART_INTRO_H = 768;        // start screen, "intro.bmp"
inline constexpr unsigned char ART_INTRO_GROUND[3] = {17, 32, 52};  // its flat ground, RGB
// Tiles of the start screen (16 x 16, as the program draws it) that may differ from the ground:
// the start frame draws those from the texture and clears the rest, so this bounds its cost.
inline constexpr float ART_INTRO_MAX_DRAWN = 0.25f;
inline constexpr int ART_BLANK_SIZE = 8;                            // "blank.bmp", plain white
inline constexpr int ART_PROP_DISC_SIZE = 256;                      // "world:overlays:prop_disc.bmp"
// Start screen areas the program draws over, kept calm in the picture (screen pixels, y up).
inline constexpr ART_rect ART_INTRO_PROGRESS_PANEL = {0, 16, 332, 228};   // frame2 15 at (10,31) 310 x 206, with its outsets
inline constexpr ART_rect ART_INTRO_PROGRESS_BAR   = {0, 0, 1024, 28};    // the trough centred at y 15
