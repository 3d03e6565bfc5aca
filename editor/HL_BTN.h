// HL_BTN.h -- the immediate-mode widgets: each call draws one control from the art sheet and
// applies this frame's click to the value it edits. Interactive widgets return 1 on a change.
#pragma once

//=== drawing helpers ========================================================================
void BTN_frame0(int type, float x_center, float y_center, float dy_control);          // vertical bar
void BTN_frame1(int type, float x_center, float y_center, float dx_control, int color); // horizontal bar
void BTN_frame2(int type, float x, float y, float dx, float dy, const char* label0);  // nine-slice panel
void BTN_util_element(float xc, float yc, float sc, float tc, float sdx, float sdy, int color);

// The pieces a stretched bar is cut into: the caps and the middle tiles, each a source span
// [s1, s2) along the strip drawn over [x1, x2). Pure arithmetic, shared by both bar kinds.
struct BTN_span { float x1, x2, s1, s2; };
int BTN_bar_spans(float length, float cap, float src, BTN_span* out, int max_out);
