// IO_PRF.h -- the two preference files: the resolution file (text, shared with the sibling
// programs of the installation) and the editor's own file (binary: the set image, the last
// aircraft's name and path, the 3-D view position).
// Results are ints: 1 success, 0 failure.
#pragma once
#include <cstdio>
#include <string>
#include "base/IO_TYPED.h"

enum {
    PRF_KIND_RES    = 0,                    // resolution, colour depth, language, frame periods
    PRF_KIND_EDITOR = 1,                    // the editor's settings and view
    PRF_READ        = IO_READ,              // dir: read the file
    PRF_WRITE       = IO_WRITE              // dir: write the file
};

// Read (PRF_READ) or write (PRF_WRITE) preferences file kind 0 or 1 at path. 1 when the file was
// opened with a matching header (and, reading the editor file, held all of it; a file cut short
// changes nothing). Reading the resolution file always ends with the requested resolution
// corrected into range and copied to the *_now fields, file or not. Writing goes to a temporary
// file beside path that replaces the old file only once it is complete.
int handle_prefs(int kind, int dir, const std::string& path);
// Read preferences file kind 0 or 1 from its bytes already in memory, exactly as handle_prefs
// reads the file (path names it in alerts).
int handle_prefs_bytes(int kind, const unsigned char* data, long size, const std::string& path);
// The whole file of kind 0 or 1, header first, written to f as the save writes it (f stays open).
// 1 when everything was written.
int handle_prefs_to_stream(int kind, FILE* f);
