// instruments.h -- the instrument catalogue at work: its check and bitmaps at start, the
// bitmaps an aircraft brings along, and the default panels.
#pragma once
#include <string>

#include "editor/ins_catalogue.h"

// The catalogue path of type k, or an empty string when k is no type (a damaged file's number).
const char* INS_path(int k);
// The first entry that repeats an earlier one, or -1 when every path is different.
int INS_first_duplicate(const char* const* table, int n);

// Instrument textures of record p: for every used panel slot the default bitmap of its kind,
// then every kind again from the aircraft's own folder, so that bitmaps placed beside the
// aircraft under the same relative path replace the defaults. Numbers outside the catalogue are
// skipped. A kind an earlier aircraft replaced gets its default back.
void ACF_load_instrument_textures(int p);
void INS_reset(void);                       // start-up reset: no kind replaced

// The layout the default panel takes for this cockpit type and first engine (INS_LAYOUT_*).
int INS_choose_layout(int cockpit_type, int first_engine_type);

// The whole panel of record 0 replaced by the default layout for its cockpit type and first
// engine, as the one undoable command "Reset default instruments.".
void set_default_instruments(void);
