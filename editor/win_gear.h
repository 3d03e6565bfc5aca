// win_gear.h -- the landing gear window (618: legs, doors) and the weight and balance window (620).
#pragma once

void APP_gear_window(void);                 // 618, page set.gearW_tab
void APP_weight_window(void);               // 620
void GEAR_reset(void);                      // no door corner held; part of the start-up reset

// "set to default skids": gears 1 to 4 become skids, the fairings of gears 1 and 2 their tubes.
void GEAR_default_skids(void);

// Where door b's sub-panel starts (two rows of five) and its diagram's scale in pixels per foot.
float GEAR_door_x(int b);
float GEAR_door_y(int b);
float GEAR_door_scale(void);

// The main wing's mean aerodynamic chord: its length and the position of its leading edge along
// the aircraft (feet, positive aft); 0 when the aircraft has no main wing.
int ACF_main_mac(float* chord, float* lead_z);
// A longitudinal position in percent of that chord (0 at its leading edge); 0 without a wing.
float ACF_percent_mac(float z);
// The centre of gravity (feet, positive aft) at total mass m_total: the empty aircraft at cgZ with
// fuel, filled into the tanks by their ratios, added up to m_total (beyond the fuel nothing is
// added). Returns the mass actually on board.
float ACF_loaded_cg(float m_total, float* cg_z);
