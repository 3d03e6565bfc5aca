// IO_ACF.h -- aircraft files: the typed header (type 4, version 740) followed by the 647,096-byte
// stored image of the aircraft record, opened into and saved from a record, in either byte order;
// weapon files; the automatic settings and the validity check.
// Results are ints: 1 success, 0 failure.
#pragma once
#include "model/ACF_check.h"
#include <string>

// IO_type 1 writes record p to its path, 0 reads record p from its path; any other value does
// nothing and returns 0.
// A read refuses a path outside the program's folder and leaves the record untouched; otherwise it
// clears the record, reads the image (or hands any file that is not version 740 to the
// previous-generation reader), puts the name and path back and sets cockpit_M to -1. The steps
// that make a read record usable (airfoils, cockpit object, automatic settings, check) are the
// command layer's ACF_after_read, since they reach into geometry and drawing.
// A write runs the check, then saves through IO_acf_write_to. When it fails, the designer is told
// in an alert naming the path and the reason (in a batch, is_batch, the same goes to "Error.out"
// and nothing waits), and 0 is returned.
int IO_acf(int IO_type, int p, int is_batch);
// The read of IO_acf for a path anywhere (record p's path, host or ':' separators): the command
// line works on files the designer names, wherever they are.
int IO_acf_read_any(int p);

// The whole of an aircraft file held in memory (data, size bytes, header first) into record p,
// which the caller has cleared. 0 when it is not a current file (no typed header of version 740):
// that is the previous-generation reader's. A file cut short is taken as far as it goes, with a
// notice naming path.
int IO_acf_image(int p, const unsigned char* data, long size, const std::string& path);

// A saved aircraft always ends in ".acf" or ".ACF": any other ending, and any path shorter than
// 4 characters, gets ".acf" appended.
void IO_acf_save_name(std::string* path);

// Record p's image turned from big-endian to this machine's order: every word reversed except the
// words that hold text and other character fields, which keep their stored byte order.
void rev_bytes_new(int p);

// Write record p (with is_APL 0) as an aircraft file at path, through the safe save
// (IO_safe_replace), without any dialog or check, so it also serves the recovery file written on
// a fatal stop. IO_save_error tells why it failed.
int IO_acf_write_to(int p, const std::string& path);

// Weapon file into weapon slot en (0..24) of record p (IO_type 0 read, 1 write); with use_path 0
// the file is found from its name by get_wpn_path, otherwise path is used as given. 1 when it
// succeeded. Every failure is told in an alert, except a weapon file missing while an aircraft's
// weapons are found by name, which only leaves that slot empty. A read that fails clears an
// attachment point's slot (type 0) and leaves the weapon being built (slot 24) as it was; nothing
// is ever left half-read. A save goes through the safe save, then reads the weapon again into
// every attachment point that carries the same file. Success with slot 24 clears set.wpn_mod.
int IO_wpn(int IO_type, int p, int en, const std::string& name, const std::string& path, int use_path);
// The whole of a weapon file held in memory (header first) into slot en of record p, whole or
// not at all, with its free_flyer and action_mode worked out; path names the file in alerts.
int IO_wpn_image(int p, int en, const unsigned char* data, long size, const std::string& path);
// Where the weapon file `name` of record p is: the aircraft's own "weapons" folder when a weapon
// file (type 3, version 1) opens there, otherwise the program's weapons folder. Empty for a name
// that would lead out of those folders (IO_wpn_name_ok).
void get_wpn_path(int p, const std::string& name, std::string* path);
// 0 for a name that is empty, absolute (a leading separator or drive) or has a ".." step.
int IO_wpn_name_ok(const std::string& name);
