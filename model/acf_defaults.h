// acf_defaults.h -- the new aircraft: record 0 cleared and given the defaults a designer starts
// from, the default weapon slots, and the body grid size of every part.
#pragma once

// Record 0 becomes a new aircraft named "Untitled.acf" with nothing modified: the scalar
// defaults, an empty panel, one engine, three gear legs and the main body, a random tail number,
// a round default body for every part, the default airfoil names and gear doors, the view
// attitude of flt[0]; then the geometry, the 25 weapon slots and the panel background. The
// automatic settings and derived values are the next editor frame's.
void setup_base_acf(void);

// Weapon slot en (0..24, 24 the weapon being built) of record 0 cleared, with symmetrical fin
// airfoils and a round default body of 12 stations in the body arrays of part slot en; slot 24
// also forgets the weapon's name. Any other en does nothing.
void setup_base_wpn(int en);

// The body grid of part en of record p: stations along it and points around each station.
// Weapon bodies (is_wpn) are 12 x 18; wing-type parts 0..43 have 2 stations per element (els
// limited to 0..10) of 14 points; the fuselage 20 x 18; other bodies and nacelles 12 x 18; gear
// fairings 8 x 10; gear legs and anything outside 0..72 none. Never more than the arrays hold.
int f_body_s_DIM(int p, int en, int is_wpn);
int f_body_r_DIM(int en, int is_wpn);

// lo + r (hi - lo + 1) / 32768 for r = rand() taken as 0..32767: a value in lo..hi.
int int_rand(int lo, int hi);
// The 38 symbols of a tail number: 0 " ", 1..10 "0".."9", 11..36 "A".."Z", 37 "-"; others "0".
char code_to_char(int code);
