// IO_TYPED.h -- typed files: the file-type table, the header every data file starts with, the one
// global input and one global output stream, their scanners, folder separators, and the text
// scanners over files held whole in memory.
// Results are ints: 1 success, 0 failure.
#pragma once
#include <string>
#include <cstdio>
#include "base/IO_UTILS.h"       // rev_inf_bin, IO_notice_text, str_to_int, the mapped-file scanners

//=== file types =============================================================================
// Types 3, 4, 11, 12, 13, 16, 17 and 21 are binary; all others are text. Type 20 has no header;
// types 22 and 23 carry a notice text (IO_notice_text) instead of the word "version".
int  ftype_is_bin(int type);
int  nuke_ext(std::string* name);            // cut the last 4 characters of a name longer than 4; 1 if cut
void set_ext(std::string* name, int type);   // nuke_ext, then the type's upper-case extension (if any)
// The type a folder listing gives a file of this name: 2 ".AFL" ... 16 ".BMP" or ".PNG", 8 ".LOG",
// 17 ".ENV", 20 ".FDR" (the last four characters, any case); 0 for any other.
int  ftype_of_name(const std::string& name);

//=== headers ================================================================================
// The header this program writes for a file of type and version: binary types get the marker
// "i" and the version in 4 little-endian bytes, text types "I", a line end and "version word"
// (the notice IO_notice_text for types 22 and 23), type 20 nothing.
std::string IO_typed_header(int type, int version);
// The version of the binary typed header at the start of data (n bytes), read in the byte order
// its marker gives; -1 when there is no such header.
int IO_bin_header_version(const unsigned char* data, long n);

//=== the open streams =======================================================================
// One file of each direction is open at a time, from the main thread; every open closes the
// previous file of its direction.
extern FILE* inf;                            // the file being read, null when none
extern int   inf_is_bin[1];                  // per stream slot: 1 when opened as a binary type
extern int   inf_use;                        // the slot in use (always 0)
extern char  x_eln;                          // the terminator that followed a text file's marker
extern int   extra_char_eoln;                // when set, one more character is skipped at every line end
extern FILE* ouf;                            // the file being written, null when none
extern int   ouf_is_bin;

// Open path for reading and check its header. version <= 0 skips the version check; a wrong
// version returns 0, or with alert_bad_version is a fatal alert. 1 when the header matched and
// the stream is good, with the stream on the first data byte.
int inf_open(const std::string& path, int type, int version, int alert_bad_version);
// inf_open over size bytes already in memory, with the same header check; name_for_alerts
// stands for the file in alerts. The bytes must stay put until the stream is closed.
int inf_open_memory(const unsigned char* data, long size, int type, int version, int alert_bad_version,
                    const std::string& name_for_alerts);
// Create path (extension lower-cased) and write the header. On failure the save alert (kind 16)
// is raised and 0 returned; nothing is written.
int ouf_open(const std::string& path, int type, int version);
void IO_inf_close(void);
int  IO_ouf_close(void);                     // 1 when everything written reached the file

//=== scanning inf ===========================================================================
// A text line ends at x_eln, a carriage return, a line feed or the end of the file; a carriage
// return directly followed by a line feed ends one line, not two.
int  int_scan(const std::string& fname);     // text: a decimal token; binary: 4 bytes; then check_scan
// 1 while no read of inf has failed. Otherwise 0: quietly (the stream closed) for fname "prefs"
// and "checklist", else after the fatal "File-scanning error!" alert naming fname.
int  check_scan(const std::string& fname);
// Text: skip spaces and tabs, take the rest of the line (or up to a comma when stop_at_comma),
// keeping at most max_len - 1 characters and a terminating NUL; the terminator is consumed, not
// kept. Binary: exactly max_len bytes, no NUL added.
void str_scan(char* buf, int max_len, int stop_at_comma);
void str_scan_to_EOL(std::string* out);      // str_scan of the rest of the line, up to 500 characters
int  eoln(char c);                           // c ends a line, or inf has ended

//=== values on the open streams =============================================================
enum { IO_READ = 6, IO_WRITE = 7 };
// One value on the open stream: dir IO_READ reads from inf, IO_WRITE writes to ouf. Binary
// streams carry the raw bytes (4, 4, 8 or size; no byte reversal); text streams a 6-wide integer,
// 12-wide numbers with 6 decimals, or a word. On reading the value is stored only when apply is
// non-zero, so a field can be skipped. A binary read that comes up short sets IO_io_short_read.
void int_io(int apply, int* var, int dir);
void flt_io(int apply, float* var, int dir);
void dob_io(int apply, double* var, int dir);
void str_io(int apply, char* var, int dir, int size);

// One number from inf (text: a decimal token; binary: 4 or 8 bytes, reversed for a big-endian
// file), then check_scan(name): a missing or unreadable number is the fatal "File-scanning
// error!" unless name is one of the quiet ones.
float  flt_scan(const std::string& name);
double dob_scan(const std::string& name);
// The same text number without any alert, for readers that keep what they read before a damaged
// spot: 1 with *out set; 0 when the text there is no number (or none that fits a float), the
// stream staying open.
int    txt_num_scan(double* out);

// One word from inf: leading separators skipped, then characters up to the next separator. At
// most size - 1 are kept and a NUL added; the rest of a longer word is skipped, or with fixed
// left for the next read. True when a word was read and the stream has not failed.
bool wrd_scan(char* buf, int size, int fixed);
int  eowd(char c);                          // c is a word separator, or inf has ended

void rev_byte_order4(unsigned char* p);     // reverse 4 bytes in place
void rev_byte_order8(unsigned char* p);     // reverse 8 bytes in place
int  IO_io_short_read(void);                 // a binary value read since inf_open came up short

//=== paths ==================================================================================
int  is_a_dir_char(char c);                  // '\\', ':' or '/'
// out = in up to and including its last folder separator; with none past the first character,
// only the first character.
void get_path_with_path(std::string* out, const std::string& in);
// Every folder separator from the third character on becomes the host's '/'; the first two (a
// drive letter and its colon) are left alone.
void set_dir_chars(char* path);
void set_dir_chars(std::string* path);

//=== text scanners over a file held in memory ===============================================
// Read position *c_use, size c_max; none reads at or past c_max.
int TXT_MAP_eoln(const unsigned char* data, int i);   // data[i] is NUL, CR or LF; i must be < size
// Skip spaces and tabs, then take characters up to a space, tab or line end (into out when not
// null). Returns the number of characters taken.
int TXT_MAP_str_scan_space(const unsigned char* MAP_add, int* c_use, int c_max, std::string* out);
// Skip spaces and tabs, take the rest of the line (into out when not null), then skip the line's
// terminators. Returns the number of characters taken.
int TXT_MAP_str_scan_eoln(const unsigned char* MAP_add, int* c_use, int c_max, std::string* out);
void TXT_MAP_finish_line(const unsigned char* MAP_add, int* c_use, int c_max);   // skip consecutive terminators
// One number: blanks and line ends skipped, then a token up to the next blank, comma or line end,
// which is consumed whatever it holds. 1 with *out set when the token is a decimal number, read
// as the typed streams read one (locale-free, finite, at most 3e38); 0 for any other token or at
// the end of the data.
int TXT_MAP_num_scan(const unsigned char* MAP_add, int* c_use, int c_max, double* out);

void IO_typed_reset(void);                   // no stream open, text defaults; part of the start-up reset
