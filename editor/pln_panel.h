// pln_panel.h -- the panel editor (window 602): the panel picture with up to 300 instruments on
// it, the floating editor box, selection, snapping drags, duplication, zoom and scroll.
#pragma once
#include <set>
#include <string>
#include <vector>

// The selected instrument slots, in slot order. Written by the panel editor and by undo.
extern std::set<int> glo_ins_sel;

void PANEL_reset(void);                      // nothing selected, zoom 1, no drag; part of the start-up reset

// The panel editor's keys (mode and key as the shell delivers them): every key while 602 is up.
void PANEL_handlekey(int mode, int key);

// One frame of the panel window.
void PANEL_update(void);
// The picture and the instruments that are not selected are kept from frame to frame and drawn
// back as one copy; 0 draws every frame whole (tests and benchmarks compare the two).
extern int panel_keep_still;
// This frame drew the picture and the unselected instruments back from the kept copy.
int PANEL_still_kept(void);

//=== the view ===============================================================================
// Zoom 1..8 about the screen centre, scroll in screen pixels.
extern float panel_scroll_zoom, panel_scroll_dx, panel_scroll_dy;
extern float screen_l, screen_b, screen_r, screen_t;   // the whole display, set every frame
extern int   ins_type_glo;                  // the type chosen in the editor box, -1 none
extern int   ins_list_loc;                  // the highlighted row of the box's file list
extern std::string ins_ref_path, ins_wrk_path;   // the catalogue root and the folder browsed

float PANEL_TO_SCREEN_X(float x);
float PANEL_TO_SCREEN_Y(float y);
float SCREEN_TO_PANEL_X(float x);
float SCREEN_TO_PANEL_Y(float y);
// How far every stored y is shifted on a panel picture taller than 768 pixels.
float BIG_PANEL_CHANGE(void);
// The screen rectangle of instrument i, rounded; 0 for a free slot and for one that cannot be
// drawn (a type outside the catalogue, a position that is not a finite number).
int calc_instrument_position(int i, float* l, float* b, float* r, float* t);
void do_panel_zoom(float min, float factor, float max, float mx, float my);   // (mx, my) stays put
void do_panel_constrain(void);              // the panel keeps covering the screen

//=== slots ==================================================================================
int  allocate_instrument(int type);         // the lowest free slot, now of type; -1 when all are used
int  count_free_slots(void);
int  is_showing(int i);                     // every instrument is shown
void nudge_insts(float dx, float dy);       // every selected instrument moved, one undo step
void move_inst_order(int step);             // the one selected instrument swapped with slot + step

//=== snapping ===============================================================================
// One snap guide: the target's extent along the guide, the moving group's centre, the guide's
// coordinate and its kind (1 low edge, 2 centre, 3 high edge).
struct pnl_lockresult {
    float min, max, val, pos;
    int   type;
};
void LOCK_clear(void);
void LOCK_add(float l, float b, float r, float t);   // a still instrument's edges and centres
int  LOCK_match(int a, int b);              // an edge snaps to either edge, a centre to a centre
// The moving rectangle (l, b, r, t) against every target within 5 pixels; the best offsets and
// their guides carry over between calls, so a group snaps by its single smallest offset.
void LOCK_align(float l, float b, float r, float t, float* dx, float* dy, std::vector<pnl_lockresult>* xResult,
                std::vector<pnl_lockresult>* yResult, float* bestH, float* bestV);
// The guides of the drag under way (empty when none), for the drawing and the tests.
const std::vector<pnl_lockresult>& PANEL_guides_x(void);   // vertical lines at x = pos
const std::vector<pnl_lockresult>& PANEL_guides_y(void);   // horizontal lines at y = pos
