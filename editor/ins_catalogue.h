// ins_catalogue.h -- the instrument catalogue and the default panels as plain data, with the
// rectangle rule that decides whether two instruments on a panel overlap. Depends on nothing, so
// the art generator compiles the very same table and draws one bitmap for each entry.
#pragma once

inline constexpr int INS_NUM_TYPES   = 611;     // instrument types 0..610
inline constexpr int INS_NUM_LAYOUTS = 6;
inline constexpr int INS_TEX_BASE    = 7942;    // the bitmap of type k is texture slot 7942 + k

// Entry k: the bitmap of instrument type k, under the bitmaps folder, ':' separated, beginning
// with "cockpit:" and ending in ".png".
extern const char* const INS_catalogue[INS_NUM_TYPES];

// One instrument of a default panel: its type, its centre in panel pixels (y up) and its size.
struct INS_entry {
    int   type;
    float x, y;
    float size;
};
struct INS_layout {
    const INS_entry* entry;
    int              count;
};
// The six default panels, in the order they are chosen (INS_choose_layout).
enum {
    INS_LAYOUT_FIGHTER,          // cockpit type 2, any first engine but a rocket
    INS_LAYOUT_ROCKET_FIGHTER,   // cockpit type 2, rocket first engine
    INS_LAYOUT_HELO,             // cockpit type 4
    INS_LAYOUT_AIRLINER,         // cockpit type 1
    INS_LAYOUT_PISTON,           // any other cockpit, first engine not a turbine
    INS_LAYOUT_TURBINE           // any other cockpit, turbine first engine
};
extern const INS_layout INS_layouts[INS_NUM_LAYOUTS];

// The panel rectangle of an instrument dx x dy pixels at size s centred on (x, y), rounded the
// way the panel editor places it on the screen at zoom 1.
struct INS_rect {
    int l, b, r, t;
};
INS_rect INS_rect_of(float x, float y, float dx, float dy, float s);
// Two rectangles overlap when they share area; touching edges do not.
inline bool INS_rects_overlap(const INS_rect& a, const INS_rect& c)
{
    return a.l < c.r && c.l < a.r && a.b < c.t && c.b < a.t;
}
// Instruments made to be stacked: the EFIS frames (157..165) are the bezels the EFIS elements sit
// in, and the slip balls (103..105) sit on a turn needle or between the gauges of a column.
inline bool INS_is_layered(int type) { return (type >= 157 && type <= 165) || (type >= 103 && type <= 105); }
// Two placed instruments clash when they overlap and neither is made to be stacked.
inline bool INS_instruments_clash(int type_a, const INS_rect& a, int type_b, const INS_rect& b)
{
    return !INS_is_layered(type_a) && !INS_is_layered(type_b) && INS_rects_overlap(a, b);
}
