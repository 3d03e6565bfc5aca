// pln_body.h -- body shaping: the cross-section rules, smoothing, copying bodies and stations and
// the volume. These work on record 0's body grids and lock flags only; the editor wraps each
// change in its undo command (editor/win_body.h).
//
// A body grid: sdim stations along the body, rdim points around each. With rsem = rdim / 2,
// points 0..rsem-1 run down the right half-ring from the top to the bottom; point rdim-1-r
// mirrors point r.
#pragma once

// The lock flag of point r of station s of a body part. The table keeps 12 station rows a part,
// so the fuselage's stations 12..19 use the rows after its own (those of part 45); every index
// stays inside the table.
char* BODY_lock(int part, int s, int r);

// The grid of part en limited to what the arrays hold (sdim 0..20, rdim 0..18); 0 when the part
// is outside the record or the grid is too small to shape (fewer than 2 stations or 4 points).
int BODY_grid_ok(int en, int* sdim, int* rdim);

// The rules every ring obeys after any edit: points that are not finite become 0, the left half
// mirrors the right (lock flags too), the top and bottom points sit on the centre line and every
// X and Y stays within +-body_r (a body_r that is not finite counts as 0).
void BODY_ring_rules(int en, int sdim, int rdim);

// One smoothing pass over body en (is_wpn: the weapon's 12 x 18 grid); full adds the lengthwise
// pass and keeps the mean radius. Locked points stay where they are.
void BODY_smooth(int en, int full, int is_wpn);

// Body e1 (its body_r and every point) onto body e2.
void BODY_copy_body(int e1, int e2);
// Station s_src's ring onto s_dst of body en: X and Y as they are, Z shifted so s_dst keeps its
// own mean Z. Stations outside the grid do nothing.
void BODY_copy_station(int en, int s_src, int s_dst, int rdim);

// The enclosed volume of body en in cubic feet: the cross-section areas averaged over each
// station spacing.
float BODY_volume(int en, int sdim, int rdim);

// Mean Y of station s, and the mean distance of the points of stations 1..sdim-2 from their
// station's centre (held to 0.01..9.9e9).
float smoothit_ret_y_center(int en, int s, int rdim);
float smoothit_ret_ave_rad(int en, int sdim, int rdim);
// in when it lies outside lo..hi; otherwise whichever end of the band is nearer.
float fallout(float in, float lo, float hi);
void  flt_switch(float* a, float* b);
