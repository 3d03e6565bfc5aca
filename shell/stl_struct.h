// stl_struct.h -- localized text: window title, numbered text lines and this frame's hover help.
#pragma once

enum {
    STL_NUM_TEXT = 1200,                    // numbered text lines 0..1199
    STL_TEXT_LEN = 512
};

struct stl_struct {
    char win_name[STL_TEXT_LEN];            // title of the current window
    char text[STL_NUM_TEXT][STL_TEXT_LEN];  // numbered localized lines
    char help_message[STL_TEXT_LEN];        // hover help of this frame; cleared by the shell every frame
};

// stl: defined in Hl_MNW.cpp. The text loader fills text[]; MACIBM_startwind writes win_name;
// widgets write help_message (the shell clears it at the start of every frame).
extern stl_struct stl;
