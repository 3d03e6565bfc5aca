// IO_AFL.h -- airfoil files and the coefficient curves read from them.
// An airfoil file is a text typed file (type 2) of version 700, 650, 641, 613 or 363. The first
// three carry a table of lift, drag and moment over 721 angles; the last two carry only the
// section-model parameters, from which the table is generated. The program only reads them.
#pragma once
#include <string>
#include "model/AFL_MODEL.h"

// Reads the file at path into slot [t][r] of afl (t 0 root, 1 tip; r 0 low, 1 high Reynolds
// number) when IO_type is 0. Returns the version read, or 0 when the file could not be opened as
// an airfoil of any version (the slot is then untouched). A wrong device code is a notice and the
// file is read all the same; a number that cannot be read leaves its field zero.
int IO_afl(int IO_type, airfoil_struct* afl, int t, int r, std::string path);

// IO_afl over size bytes already in memory (a whole file), never cached.
int IO_afl_memory(const unsigned char* data, long size, airfoil_struct* afl, int t, int r);

// Airfoil file name into slot [t][r] of afl[part] of record p: the aircraft's own "airfoils"
// folder first, then the program's Airfoils folder; the loaded slot is then checked for values
// that are not numbers and for negative drag, each reported at most once.
void load_foil_for_part(const std::string& name, int p, int part, int t, int r);

// The table of slot [t][r] generated from the slot's parameters with the section model; a table
// that comes out with values that are not numbers is reported (and those entries zeroed).
void gen_cl_cd_cm(airfoil_struct* afl, int t, int r);

// Skips to the end of the current line of the open input file, line end included.
void lin_scan(const std::string& path);

// Display name of airfoil-bearing part `part`: localized text entry 820 + part.
const char* partname(int part);

// Around the loading of one aircraft's airfoils: in between, each path is looked up on the disk
// once, and a file that changes meanwhile is taken as it was first found.
void IO_afl_open_begin(void);
void IO_afl_open_end(void);

// Forget every parsed airfoil file; part of the start-up reset.
void IO_afl_reset(void);
