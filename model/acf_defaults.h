// acf_defaults.h -- the new aircraft: every field of record 0 at its default, and the default
// panel.
#pragma once

// Record 0 becomes a new aircraft named "Untitled.acf", with nothing modified. So far it holds
// the cleared record; the design defaults of the parts are still to come.
void setup_base_acf(void);
// The default panel of the current aircraft; still to come, it leaves the record as it is.
void setup_base_panel(void);
