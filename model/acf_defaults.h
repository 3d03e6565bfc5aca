// acf_defaults.h -- the new aircraft: every field of record 0 at its default, and the default
// panel. Until the defaults are written, both leave the record as it is.
#pragma once

void setup_base_acf(void);
void setup_base_panel(void);
