// dialog.h -- the program's own open and save dialog (dialog_opensave itself is declared in
// base/common.h, for the editor's file fields and commands). Results are ints: 1 success, 0 failure.
#pragma once
#include "base/common.h"
#include "base/IO_LIST.h"

//=== the dialog =============================================================================
enum {
    DIALOG_NAME_LEN    = 30,        // a saved name keeps at most this many characters
    DIALOG_ENTRY_FIELD = 999        // mnw.entry_field while the save dialog takes typing
};

void dialog_reset(void);                     // no folder pop-up; part of the start-up reset
