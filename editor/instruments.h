// instruments.h -- the instrument catalogue and its bitmaps.
#pragma once

// Instrument textures of record p: for every used panel slot the default bitmap of its
// instrument kind, then every kind again from the aircraft's own folder so that bitmaps placed
// beside the aircraft replace the defaults. Until the catalogue is written there are none.
void ACF_load_instrument_textures(int p);

// The whole panel replaced by the default layout for the cockpit type and the first engine, as
// one undoable command. Until the default layouts are written the panel is left as it is.
void set_default_instruments(void);
