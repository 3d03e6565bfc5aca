// win_stability.h -- the vectoring and rotor window (902) and the stability and autopilot window
// (905: artificial stability, custom autopilot constants). Drawn once a frame by
// APPLICATION_update; every widget edits veh[0] straight.
#pragma once
#include <string>

void APP_vectoring_window(void);
void APP_stability_window(void);

// The three sentences under the stability page that say in words what its numbers do: 0 the
// low-speed pitch rate, 1 the high-speed angle of attack, 2 the high-speed load factor.
void APP_stability_sentence(int which, std::string* out);
