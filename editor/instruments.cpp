// instruments.cpp -- the instrument catalogue.
#include "editor/instruments.h"

void ACF_load_instrument_textures(int p) { (void)p; }

void set_default_instruments(void) {}
