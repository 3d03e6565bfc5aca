// acf_defaults.h -- the new aircraft: every field of record 0 at its default, and the default
// panel.
#pragma once

// Record 0 becomes a new aircraft named "Untitled.acf", with nothing modified. So far it holds
// the cleared record; the design defaults of the parts are still to come.
void setup_base_acf(void);
// The default panel of the current aircraft; still to come, it leaves the record as it is.
void setup_base_panel(void);

// The body grid of part en: stations along it and points around each station. A weapon body
// (is_wpn) is 12 x 18; a wing-type part 0..43 has two stations per element (its element count
// held to the arrays) and 14 points; the fuselage 20 x 18, the other bodies and the nacelles
// 12 x 18, the gear fairings 8 x 10; gear legs and anything outside 0..72 have none.
int f_body_s_DIM(int p, int en, int is_wpn);
int f_body_r_DIM(int en, int is_wpn);
