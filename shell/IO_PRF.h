// IO_PRF.h -- the two preference files: the resolution file (text, shared with the sibling
// programs of the installation) and the editor's own file (binary: the set image, the last
// aircraft's name and path, the 3-D view position).
// Results are ints: 1 success, 0 failure.
#pragma once
#include <string>

enum {
    PRF_KIND_RES    = 0,                    // resolution, colour depth, language, frame periods
    PRF_KIND_EDITOR = 1,                    // the editor's settings and view
    PRF_READ        = 6,                    // dir: read the file
    PRF_WRITE       = 7                     // dir: write the file
};

// Read (PRF_READ) or write (PRF_WRITE) preferences file kind 0 or 1 at path. 1 when the file was
// opened with a matching header (and, reading the editor file, held all of it; a file cut short
// changes nothing). Reading the resolution file always ends with the requested resolution
// corrected into range and copied to the *_now fields, file or not. Writing goes to a temporary
// file beside path that replaces the old file only once it is complete.
int handle_prefs(int kind, int dir, const std::string& path);

// One value on the open stream: dir PRF_READ reads from inf, PRF_WRITE writes to ouf. Binary
// streams carry the raw bytes (4, 4, 8 or size; no byte reversal); text streams a 6-wide integer,
// 12-wide numbers with 6 decimals, or a word. On reading the value is stored only when apply is
// non-zero, so a field can be skipped.
void int_io(int apply, int* var, int dir);
void flt_io(int apply, float* var, int dir);
void dob_io(int apply, double* var, int dir);
void str_io(int apply, char* var, int dir, int size);

// One number from inf (text: a decimal token; binary: 4 or 8 bytes, reversed for a big-endian
// file), then check_scan(name): a missing or unreadable number is the fatal "File-scanning
// error!" unless name is one of the quiet ones.
float  flt_scan(const std::string& name);
double dob_scan(const std::string& name);

// One word from inf: leading separators skipped, then characters up to the next separator. At
// most size - 1 are kept and a NUL added; the rest of a longer word is skipped, or with fixed
// left for the next read. True when a word was read and the stream has not failed.
bool wrd_scan(char* buf, int size, int fixed);
int  eowd(char c);                          // c is a word separator, or inf has ended

void rev_byte_order4(unsigned char* p);     // reverse 4 bytes in place
void rev_byte_order8(unsigned char* p);     // reverse 8 bytes in place
