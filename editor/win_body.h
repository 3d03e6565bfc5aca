// win_body.h -- the body editor and the four body windows: fuselage (611), miscellaneous bodies
// (612), nacelles (613) and gear fairings (614). Each edits record 0's body grids through the
// undo commands of editor/hl_undo.h; the shaping arithmetic is geometry/pln_body.h's.
#pragma once

// The body editor for part en with its grid, once a frame; en < 0 draws only the view choice.
void BODY_update(int en, int sdim, int rdim);

// One smoothing pass over body en (is_wpn: the weapon's body) as the undo command "Smooth body.".
void smoothit_main(int en, int full, int is_wpn);
// Body e1 onto body e2 ("Copy body."); station s_src onto s_dst of body en ("Copy station").
void copy_body(int e1, int e2);
void copy_station(int en, int s_src, int s_dst, int rdim);

void APP_fuselage_window(void);             // 611
void APP_misc_body_window(void);            // 612
void APP_nacelle_window(void);              // 613
void APP_fairing_window(void);              // 614

// The editor's selections, kept between frames and bodies; the start-up reset clears them.
void BODY_reset(void);

// Where the cross-section view draws station box k (0..11): the box's left edge is the centre
// line; the ring's zero height sits at BODY_BOX_MID.
inline constexpr float BODY_BOX_DX = 70, BODY_BOX_DY = 140, BODY_BOX_MID = 237;
inline float BODY_box_x(int k) { return 37 + 80.0f * k; }
// Pixels per foot in the cross-section view of body en at the current zoom.
float BODY_section_scale(int en);
