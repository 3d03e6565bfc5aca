// IO_ACF.h -- aircraft files: the typed header (type 4, version 740) followed by the 647,096-byte
// stored image of the aircraft record, opened into and saved from a record, in either byte order.
// Results are ints: 1 success, 0 failure.
#pragma once
#include <string>

// IO_type 1 writes record p to its path, 0 reads record p from its path; any other value does
// nothing and returns 0. is_batch goes to the validity check after a read.
// A read refuses a path outside the program's folder and leaves the record untouched; otherwise it
// clears the record, reads the image (or hands any file that is not version 740 to the
// previous-generation reader), puts the name and path back, sets cockpit_M to -1 and runs the
// follow-up steps that make the record usable.
// A write never overwrites the previous file in place: see IO_acf_write_to. When it fails, the
// designer is told in an alert naming the path, and 0 is returned.
int IO_acf(int IO_type, int p, int is_batch);

// Record 0 from its path, with the editor's follow-up (panel, instrument textures, weapons,
// geometry, acf_mod cleared). A file that cannot be read becomes a new aircraft when
// is_manual_sel is 0, and an alert naming the path otherwise.
void read_acf(int is_manual_sel, int is_batch_up);

// Save record 0: with is_manual the save dialog first (0 when cancelled), then the file-name rule
// on path and IO_acf(1, 0, 0). acf_mod is left to the caller (see ACF_save_command).
int write_acf(int is_manual);

// When the aircraft has unsaved changes, ask whether to save them. 1 when the caller may go on
// (saved, discarded, nothing to save), 0 when it must not (cancelled, or the save failed).
int check_acf_save(void);

// The Save (0) and Save As (1) commands: write_acf, then acf_mod 0 when it succeeded and 1 when it
// did not, so failed work is still marked unsaved.
int ACF_save_command(int save_as);

// A saved aircraft always ends in ".acf" or ".ACF": any other ending, and any path shorter than
// 4 characters, gets ".acf" appended.
void IO_acf_save_name(std::string* path);

// Record p's image turned from big-endian to this machine's order: every word reversed except the
// words that hold text and other character fields, which keep their stored byte order.
void rev_bytes_new(int p);

// Write record p (with is_APL 0) as an aircraft file at path, safely and without any dialog, so it
// also serves the recovery file written on a fatal stop: the header and image go to a temporary
// file in the same folder, which is flushed to disk and then renamed over path. If any step fails
// the temporary is removed, a file already at path is left exactly as it was, and 0 is returned
// (IO_acf_save_error tells why). path uses ':' or '/' between folders; the extension is written
// in lower case.
int IO_acf_write_to(int p, const std::string& path);
const std::string& IO_acf_save_error(void);        // the reason the last failed save gave

// Tests: called before each step of a save; a nonzero answer makes the step fail as the system
// call would, with that answer as errno. For IO_SAVE_WRITE, bytes_done is how much of the
// temporary file has been written so far (the image goes out in several pieces).
enum { IO_SAVE_CREATE = 1, IO_SAVE_WRITE, IO_SAVE_SYNC, IO_SAVE_RENAME };
extern int (*IO_save_fault_hook)(int step, long bytes_done);
