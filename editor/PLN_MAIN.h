// PLN_MAIN.h -- the editor's commands (APPLICATION_handlemenu and APPLICATION_handlekey, declared
// in base/common.h): reading and saving the aircraft, the save prompts and the batch re-save of
// every aircraft in the installation.
// Results are ints: 1 success, 0 failure.
#pragma once
#include "base/common.h"
#include <string>

//=== the aircraft's file ====================================================================
// What makes record p usable after IO_acf has read it: the airfoils of every present part with
// their Reynolds-number defaults, the cockpit object, the automatic settings and the check
// (in batch form when is_batch).
void ACF_after_read(int p, int is_batch);

// Record 0 from its path, with ACF_after_read and the editor's follow-up (panel, instrument
// textures, weapons, geometry, acf_mod cleared); 1 when read. A file that cannot be read becomes a
// new aircraft ("Untitled.acf") when is_manual_sel is 0, and an alert naming the path otherwise
// (the Open command then puts back the aircraft that was open before).
int read_acf(int is_manual_sel, int is_batch_up);

// The Open command after its dialog: the file at path (named name) as record 0, through
// read_acf. 1 when it opened; otherwise, after read_acf's alert, the aircraft that was open
// before is back as it was (unsaved flag and body locks too), so no Save can write a cleared
// record over the file that failed to open.
int ACF_open(const std::string& name, const std::string& path);

// Save record 0: with is_manual, or when the aircraft has no path inside the program's folder
// yet (a new one), the save dialog first (0 when cancelled); then the file-name rule on path and
// IO_acf(1, 0, ...). acf_mod is left to the caller (see ACF_save_command).
int write_acf(int is_manual);

// When the aircraft has unsaved changes, ask whether to save them. 1 when the caller may go on
// (saved, discarded, nothing to save), 0 when it must not (cancelled, or the save failed).
int check_acf_save(void);

// The Save (0) and Save As (1) commands: write_acf, then acf_mod 0 when it succeeded and 1 when it
// did not, so failed work is still marked unsaved.
int ACF_save_command(int save_as);

//=== unsaved work ===========================================================================
// The weapon being built has unsaved changes: ask. 1 when the caller may go on (saved, discarded
// or nothing to save), 0 when the designer cancelled or the save failed, so the weapon is kept.
int check_wpn_save(void);

//=== batch re-save ==========================================================================
// Every aircraft file under the installation's "Aircraft" folder, in every folder below it, read
// and saved again in the current file format. A file that cannot be read is never written: it is
// listed in "Error.out" and the batch goes on with the next.
void batch_update(void);
// One aircraft of a batch into record 0, never from a file that holds less than a whole image:
// the guard read, then the completion (the editor's whole read_acf with for_editor, or only
// ACF_after_read without it, for a batch that draws nothing) and the gear put down. 0, with
// record 0 a new aircraft under name and path, when the file does not read.
int ACF_batch_read(const std::string& name, const std::string& path, int for_editor);
void handle_level(std::string* folder);     // one folder (ending in a separator) and those below it
