// acf_defaults.cpp -- the new aircraft.
#include "model/acf_defaults.h"

void setup_base_acf(void) {}
void setup_base_panel(void) {}
