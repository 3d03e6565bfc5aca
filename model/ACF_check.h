// ACF_check.h -- the automatic settings of an aircraft record and its validity check.
// Neither ever refuses a read or a write: the settings complete a record, the check reports.
#pragma once
#include <string>
#include <vector>

// The derived summary flags, element ranges, areas and chords, the defaults of fields older files
// leave at zero, and the text and geometry limits of record p. Runs after every read and at the
// start of every pass over the derived values, so in the editor once per frame.
void ACF_autoset(int p);

// One design error that would keep the aircraft from flying: the number of the check that found
// it (1..27, in the order they run) and the four lines of its alert, the fourth naming the file.
struct ACF_problem {
    int check;
    std::string lines[4];
};

// Every design error of record p, in the order the checks run, each check at most once (an engine
// check that fails for several engines is one problem, since the engine fields are shared).
// Shows nothing.
std::vector<ACF_problem> ACF_check_all(int p);

// The first design error of record p, shown as a notice (kind 16). With is_batch set nobody is
// there to dismiss it: the alert is written to "Error.out" the way a fatal one is ("file: ...,
// line: ..." and the four lines), nothing is shown, the program goes on, and an aircraft already
// logged in this batch is not logged again (a batch checks each one after reading and before
// saving).
void ACF_check(int p, int is_batch);

// The batch re-save starts: every aircraft may be logged once more. Also part of the start-up
// reset.
void ACF_check_new_batch(void);
