#pragma once
// Editor view settings: the selected page of each tabbed window, the
// modified flags, view rotation and zoom, panel-editor placement, the body
// lock flags and the weapon being edited.
//
// The editor preferences file stores this record byte for byte (file type 21:
// 5-byte header, then these 16,900 bytes at offset 5, then the aircraft name
// and path and the 3-D view position; 17,941 bytes in all), so its layout is
// a file format and is checked field by field in set_struct.cpp.

#include <cstddef>
#include <type_traits>

static_assert(sizeof(int) == 4 && sizeof(float) == 4, "stored records assume 4-byte int and float");

inline constexpr int SET_IMAGE_BYTES = 16900;
inline constexpr int SET_LOCK_PARTS = 73;     // body lock flags: per part ...
inline constexpr int SET_LOCK_STATIONS = 12;  // ... per station (the fuselage's stations 12..19 share
                                              //     the flags of the next part's stations 0..7) ...
inline constexpr int SET_LOCK_POINTS = 18;    // ... and per point around the station

// Where the image sits in the editor preferences file.
inline constexpr int PRF_SET_OFFSET = 5;      // after the typed binary header
inline constexpr int PRF_FILE_BYTES = 17941;  // whole file

struct set_struct {
    // The weapon open in the weapon builder.
    char weapn_name[500];
    char weapn_path[500];

    // Modified-since-saved flags of the aircraft and the weapon.
    int acf_mod;
    int wpn_mod;

    // 3-D view: control animation, sky, wire frame, lit textures, turntable.
    int move_cons;
    int blue_sky;
    int draw_wire;
    int lite_tex;
    int rotate_code;
    float rotate;
    float rotate_max;

    // 2-D body view pan and zoom.
    float fuse_osx;
    float fuse_osy;
    float fuse_zoom;

    // Panel editor and editor window placement.
    int show_panel;
    int show_editor;
    float interface_x;
    float interface_y;

    // Body editor: view, paint-template flags and per-point lock flags,
    // indexed [part][station][point].
    int body_edit_view;
    int has_t_pln_fuse_top;
    int has_t_pln_fuse_lft;
    int has_t_pln_totl_any;
    char body_locked[73][12][18];

    // Selected tab of each tabbed editor window.
    int limsW_tab;
    int engnW_tab;
    int wingW_tab;
    int addiW_tab;
    int pylnW_tab;
    int bodyW_tab;
    int naceW_tab;
    int fairW_tab;
    int gearW_tab;
    int foilW_tab;
    int astbW_tab;
    int wdefW_tab;
    int wbldW_tab;
};

// Every field of the preferences image in order: name, byte offset, element
// type, element count. set_struct.cpp holds the struct to this list; the
// layout dump tool prints the compiler's offsets for the same names.
#define SET_STRUCT_LAYOUT(X)                 \
    X(weapn_name, 0, char, 500)              \
    X(weapn_path, 500, char, 500)            \
    X(acf_mod, 1000, int, 1)                 \
    X(wpn_mod, 1004, int, 1)                 \
    X(move_cons, 1008, int, 1)               \
    X(blue_sky, 1012, int, 1)                \
    X(draw_wire, 1016, int, 1)               \
    X(lite_tex, 1020, int, 1)                \
    X(rotate_code, 1024, int, 1)             \
    X(rotate, 1028, float, 1)                \
    X(rotate_max, 1032, float, 1)            \
    X(fuse_osx, 1036, float, 1)              \
    X(fuse_osy, 1040, float, 1)              \
    X(fuse_zoom, 1044, float, 1)             \
    X(show_panel, 1048, int, 1)              \
    X(show_editor, 1052, int, 1)             \
    X(interface_x, 1056, float, 1)           \
    X(interface_y, 1060, float, 1)           \
    X(body_edit_view, 1064, int, 1)          \
    X(has_t_pln_fuse_top, 1068, int, 1)      \
    X(has_t_pln_fuse_lft, 1072, int, 1)      \
    X(has_t_pln_totl_any, 1076, int, 1)      \
    X(body_locked, 1080, char, 73 * 12 * 18) \
    X(limsW_tab, 16848, int, 1)              \
    X(engnW_tab, 16852, int, 1)              \
    X(wingW_tab, 16856, int, 1)              \
    X(addiW_tab, 16860, int, 1)              \
    X(pylnW_tab, 16864, int, 1)              \
    X(bodyW_tab, 16868, int, 1)              \
    X(naceW_tab, 16872, int, 1)              \
    X(fairW_tab, 16876, int, 1)              \
    X(gearW_tab, 16880, int, 1)              \
    X(foilW_tab, 16884, int, 1)              \
    X(astbW_tab, 16888, int, 1)              \
    X(wdefW_tab, 16892, int, 1)              \
    X(wbldW_tab, 16896, int, 1)

static_assert(sizeof(set_struct) == SET_IMAGE_BYTES, "the preferences image of set is 16,900 bytes");
static_assert(std::is_trivially_copyable_v<set_struct> && std::is_standard_layout_v<set_struct>,
              "set_struct is written and read as raw bytes");

// The editor's settings, defined in model/set_struct.cpp. Written by the editor
// windows and commands (tab pages, view switches, zoom and pan of the body
// views, modified flags, body locks), by the start-up defaults and the
// preferences reader; read by the drawing code for its view switches and
// written back to the preferences at exit.
extern set_struct set;
