// stl_struct.h -- localized text: window title, numbered text lines and this frame's hover help.
#pragma once

enum {
    STL_NUM_TEXT = 1200,                    // numbered text lines 0..1199
    STL_TEXT_LEN = 512,
    STL_MENU_NAME_LEN = 41,                 // menu titles: at most 40 characters
    STL_ITEM_NAME_LEN = 40                  // menu items: at most 39 characters, empty = unused
};

struct stl_struct {
    char win_name[STL_TEXT_LEN];            // title of the current window
    char text[STL_NUM_TEXT][STL_TEXT_LEN];  // numbered localized lines
    char help_message[STL_TEXT_LEN];        // hover help of this frame; cleared by the shell every frame
    char menu_name[1520][STL_MENU_NAME_LEN];                // per menu slot (mnw_struct's menu model)
    char item_name[1520][300][STL_ITEM_NAME_LEN];           // per item slot
};

// stl: defined in base/records.cpp. The text loader fills text[]; MACIBM_startwind writes win_name;
// the menu loader fills menu_name and item_name, and the pop-up list widget the items of the
// last slot; widgets write help_message (the shell clears it at the start of every frame).
extern stl_struct stl;
