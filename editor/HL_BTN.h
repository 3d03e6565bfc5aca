// HL_BTN.h -- the immediate-mode widgets: each call draws one control from the art sheet and
// applies this frame's click to the value it edits. Interactive widgets return 1 in the frame
// their value changed (or they were pressed), else 0.
//
// Coordinates are window-relative interface pixels, y upwards; hit boxes are inclusive and
// tested against mnw.mx, mnw.my. A label0 holds up to three parts:
//     "left label|right label{ help text"
// the right label is usually the unit; the help is posted to stl.help_message on hover.
#pragma once
#include "base/hl_string.h"
#include <string>
#include <vector>

//=== state shared with the shell ============================================================
// The pop-up list: the list whose pop-up is open (0 none), and the list and item chosen in it.
// The menu code writes the choice when an item of menu slot 1519 is clicked; the list consumes
// it on its next call. A list is identified by its screen position, round(1024 y + x).
extern int  active_popup_code;
extern int  select_popup_code;
extern int  popup_menu_select;
enum { BTN_INPUT_LEN = 500, BTN_INPUT_MAX = 498 };
extern char g_cs_input[BTN_INPUT_LEN];      // text being typed into mnw.entry_field (or the save dialog)
void BTN_entry_key(int is_delete, int chr); // the key handler: remove the last character, or append chr
void BTN_reset(void);                       // no pop-up, nothing typed; part of the start-up reset

//=== number widgets =========================================================================
// Digit wheels: dig cells of 10 px from x; a click in the upper half of cell k adds that cell's
// step, in the lower half subtracts it. *var is limited to lo..hi on every call, click or not.
int  BTN_flt_range     (float x, float y, float* var, int dig, int dec, float lo, float hi, const char* label0);
int  BTN_flt_range_undo(float x, float y, float* var, int dig, int dec, float lo, float hi, const char* label0,
                        const char* undo);   // UNDO_BeginCommand(undo) before each change (undo may be null)
int  BTN_flt           (float x, float y, float* var, int dig, int dec, int sign, const char* label0);
int  BTN_flt_undo      (float x, float y, float* var, int dig, int dec, int sign, const char* label0,
                        const char* undo);
int  BTN_int_range     (float x, float y, int* var, int dig, float lo, float hi, const char* label0);
void BTN_display_number(float x, float y, float var, int dig, int dec, const char* label0);   // read-only
float BTN_flt_hi       (int dig, int dec);  // the largest value dig digits with dec decimals show

//=== buttons ================================================================================
int  BTN_bool   (float x, float y, int* var, const char* label0, int is_radio);   // toggles 0 <-> 1
int  BTN_is_int (float x, float y, int* var, int target, const char* label0);     // radio: sets target
int  BTN_action (float x_center, float y_center, int pressed, int show_press, const char* label0);
int  BTN_icon   (float x_center, float y_center, float sc_off, float tc_off, float sc_on, float tc_on,
                 float sdx, float sdy, int color, int var, const char* label0);   // 1 on click
int  BTN_tab    (int tab_this, int row, int* tab_variable, const char* label0);   // one tab of a tab row

//=== lists and text =========================================================================
// Items of stl_list are separated by "-"; at most 100, no "|" (both fatal).
int  BTN_textlist   (float x, float y, int* sel, const char* stl_list, const char* label0);
void BTN_chars      (float x, float y, char* chars, int dim, const char* label0);   // code letters with arrows
// Free text: this_field is the caller's distinct id for the field; the field holds dim - 1 characters.
int  BTN_enterstring(float x, float y, std::string* input, int dim, int this_field, const char* label0);
int  BTN_enterstring(float x, float y, char* input, int dim, int this_field, const char* label0);   // char[dim]
// A file name with a button that runs the file dialog (open_save 998 open, 999 save); 1 on the press.
int  BTN_select_file(float x, float y, std::string* file, std::string* path, int file_type, int open_save,
                     const char* label0);
int  BTN_select_file(float x, float y, char* file, char* path, int file_type, int open_save,
                     const char* label0);   // char[500] each
int  BTN_vert_slider(float x_center, float lo_y, float hi_y, int lo_ind, int hi_ind, int* center_index);
// 21 rows of 10 px centred on *center_index; win_type 995, 998, 999: the file dialog's listing.
int  BTN_big_name_list(int win_type, float x, float y, int* center_index, int ind1, int ind2);

//=== drawing helpers ========================================================================
void BTN_frame0(int type, float x_center, float y_center, float dy_control);          // vertical bar
void BTN_frame1(int type, float x_center, float y_center, float dx_control, int color); // horizontal bar
void BTN_frame2(int type, float x, float y, float dx, float dy, const char* label0);  // nine-slice panel
void BTN_fillwin(int bar, int fill_type);   // the current window's background and frame
void BTN_subwin(float tab_dy, int win_type, float x, float y, float dx, float dy, const char* str,
                float* x2, float* y2);      // a framed sub-panel; negative sizes reach the window edge
// (sc, tc): bottom-left texel of the piece; it is 2 sdx by 2 sdy and drawn centred on (xc, yc).
void BTN_util_element(float xc, float yc, float sc, float tc, float sdx, float sdy, int color);
// A field box with a pair of digit arrows over each of num_boxes 10-px cells, the first cell
// box_os pixels from the box's left edge.
void BTN_util_draw_boxed_button(float x_center, float y_center, float dx_control, float box_os, int num_boxes);
void BTN_zap_boxes(int pressed);            // the two close boxes of an editor window
void BTN_util_draw_label(float x, float y, int side, const char* label);   // side 0 right, 1 one line, 2 left
float fltnear(float value, float step);     // nearest multiple of step

//=== layout without drawing (tests read these too) ==========================================
// label0to12h splits a label0 into left label, right label and help (base/hl_string.h).
enum { BTN_LABEL_LEN = STR_LABEL_LEN };
// The layout check: while into is set, every widget drawn adds the rectangle its clicks hit,
// with its label0, so a test can find two widgets that share a click or one outside its window.
struct BTN_hit {
    float x1, y1, x2, y2;
    std::string label;
};
void BTN_record_hits(std::vector<BTN_hit>* into);   // nullptr stops recording
// Where BTN_util_draw_label puts its lines: one or two, each with its text and pen position.
struct BTN_label_layout {
    int   lines;
    char  text[2][BTN_LABEL_LEN];
    float x[2], y[2];
};
void BTN_layout_label(float x, float y, int side, const char* label, BTN_label_layout* out);
// Items of a pop-up list text; fatal on "|" or more than 100 items. Returns the item count (>= 1).
enum { BTN_LIST_MAX = 100 };
int  BTN_split_list(const char* stl_list, const char* label0, std::string* items);   // items[BTN_LIST_MAX]
// The 38 symbols of a code letter: space, 0-9, A-Z, "-".
int  BTN_char_code(char c);                 // unknown characters count as "0"
char BTN_code_char(int code);               // code wrapped into 0..37

// The pieces a stretched bar is cut into: the caps and the middle tiles, each a source span
// [s1, s2) along the strip drawn over [x1, x2). Pure arithmetic, shared by both bar kinds and
// the panels. one_middle: the art's middle is one texel repeated along the strip, so a single
// stretched middle draws the same pixels as the tiles.
struct BTN_span { float x1, x2, s1, s2; };
// Enough for a tiled middle of 2 texels across a 1024-pixel screen and its caps.
enum { BTN_MAX_SPANS = 520 };
int BTN_bar_spans(float length, float cap, float src, BTN_span* out, int max_out, int one_middle = 0);
