// win_wings.h -- the lifting surfaces windows (607 wings, 608 miscellaneous wings, 609 pylons,
// one body for the three), the control surfaces window (616), the airfoils window (900) and the
// special controls window (903). Each is drawn once a frame by APPLICATION_update and edits
// veh[0] straight through its widgets.
#pragma once
#include "model/afl_struct.h"

void APP_lifting_window(int win);   // 607, 608 or 609
void APP_controls_window(void);
void APP_foils_window(void);
void APP_special_window(void);

// The part a lifting surfaces page edits (607, 608, 609), or of row r of an airfoils page (900;
// -1 for a row the page leaves empty). A tab outside the window's tabs counts as its nearest one.
int APP_lifting_part(int win, int tab);
int APP_foil_row_part(int tab, int r);

// Which second position the airfoils window shows on every row: 0 sweep, 1 dihedral, 2 incidence.
// Set by the variable-geometry box checked last; written only by that window.
extern int dis;
void APP_wings_reset(void);                 // dis back to 0; part of the start-up reset

// The flap's lift, drag and moment increments from its type and chord ratios: the figures of a
// full-chord flap of that type, scaled down below a chord ratio of 0.35.
void APP_flap_coefficients(int flap_type, float crat_root, float crat_tip, float* cl, float* cd, float* cm);
// The speed the blown flaps add, knots, from the blown span of record 0 (0 when nothing is blown).
float APP_blown_flap_speed(void);

//=== the airfoil curves in the hover help =====================================================
// Hovering an airfoil file field asks for a plot of that slot; the help box then grows by
// APP_help_plot_dy() and draws it under its text with APP_help_plot_draw. The request lasts one
// frame (the shell clears it with the help text).
void  APP_help_plot_request(int part, int t, int r);
void  APP_help_plot_clear(void);
float APP_help_plot_dy(void);
void  APP_help_plot_draw(float x, float y, float w, float h);
// The table entries of slot [t][r] at the positive and the negative stall: the greatest lift over
// 0..20 degrees and the least over -20..0.
void  APP_foil_stalls(const airfoil_struct& a, int t, int r, int* hi, int* lo);
