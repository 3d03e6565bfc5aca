// mnw_struct.h -- the shell's window, screen, mouse, keyboard and timing record.
#pragma once

// Window codes that the shell itself knows about; the editor windows own the rest.
enum {
    MNW_WIN_START  = -1,    // start screen, before the first frame
    MNW_WIN_MAIN   = 0,
    MNW_WIN_ALERT  = 996,
    MNW_WIN_SAVEQ  = 997,   // save prompt
    MNW_WIN_OPEN   = 998,
    MNW_WIN_SAVE   = 999
};

// An editor window (600..620, 900..908 and whatever else the editor opens) is up: not the main
// view, the start screen or one of the shell's modal windows.
inline int MNW_editor_window(int top_win)
{
    return top_win > MNW_WIN_MAIN && (top_win < MNW_WIN_ALERT || top_win > MNW_WIN_SAVE);
}

// The menu model: menus on the bar, their submenus and, in the last slot, the pop-up of the
// list widget. Unused boxes hold -9999.
enum {
    MNW_NUM_MENUS  = 1520,
    MNW_NUM_ITEMS  = 300,                   // item slots per menu
    MNW_POPUP_MENU = 1519                   // reserved for the pop-up list; reset at every window switch
};

struct mnw_struct {
    void* window;                           // the one top-level window (SDL_Window*, opaque here)
    int   top_win;                          // code of the window being drawn; -1 before the first frame
    int   menu_up;                          // open menu, -1 none
    int   menu_prnt[MNW_NUM_MENUS];         // -1 on the bar, else the menu whose item opens it
    float menux1[MNW_NUM_MENUS], menuy1[MNW_NUM_MENUS], menux2[MNW_NUM_MENUS], menuy2[MNW_NUM_MENUS];   // title box
    int   item_code[MNW_NUM_MENUS][MNW_NUM_ITEMS];      // command code of each item
    int   is_korean[MNW_NUM_MENUS][MNW_NUM_ITEMS];      // the item text is in the Korean glyph encoding
    float itemx1[MNW_NUM_MENUS][MNW_NUM_ITEMS], itemy1[MNW_NUM_MENUS][MNW_NUM_ITEMS];
    float itemx2[MNW_NUM_MENUS][MNW_NUM_ITEMS], itemy2[MNW_NUM_MENUS][MNW_NUM_ITEMS];
    float win_x, win_y, win_dx, win_dy;     // current window in interface space

    int   cursor_type;                      // 0 arrow, 1 hidden, 2..11 drawn cursors; reset every frame

    int   x_res_now, y_res_now, col_res_now, set_res_now;
    int   tex_res;
    int   x_res_req, y_res_req, col_res_req, set_res_req;
    float x_off, y_off;                     // where the 1024 x 768 interface sits on the screen
    float xy_scale;
    float x1_pix, y1_pix, x2_pix, y2_pix;   // the whole screen in interface coordinates

    // mouse, y upwards, relative to the current window
    float mx, my;
    int   mouse_clicked, mouse_double_clicked, mouse_lifted;
    int   now_dragging, delay_dragging;
    int   mouse_wheel;                      // accumulated notches; the consumer resets it
    int   mouse_is_joy;
    float m_move_time, m_down_time;

    // keyboard
    int   key_hit, any_key_is_down, return_hit;
    int   key_pressed;                      // the character of the last key
    int   entry_field;                      // text field holding the keyboard, -1 none

    int   lang;                             // interface language 0..6, -1 until chosen
    int   keylist_up;
    int   paused;
    int   check_sys_event;                  // raised by a kind-14 alert until dismissed
    int   cyc_out;                          // diagnostic trace of the deflection pass into "Data.out"

    // movie layer
    int   has_QT_movie, movie_in_prog, movie_dx, movie_dy;
    float movie_framerate;

    // timing
    float prd_FM, prd_UI;                   // adaptive frame periods, seconds
    float rt_rat_FM, rt_rat_UI;
    float real_time;                        // seconds since the first painted frame
    float pulse_alpha;
    int   puff01, puff02, puff05, puff1, puff2, puff5, puff10, puff20, puff40;
};

// mnw: defined in base/records.cpp. The shell's message pump and frame procedure write the input and
// timing fields; MACIBM_startwind writes top_win and win_*; the menu code writes the menu model
// and menu_up, the key handler key_pressed, return_hit and entry_field; widgets write only
// cursor_type and entry_field (and the pop-up list its menu slot and menu_up); the preferences
// reader writes the *_req fields and lang. Everyone else reads.
extern mnw_struct mnw;
