// hl_undo.h -- undo and redo for the two editors that change many values at once: the panel
// editor (instrument slots and selection) and the body editors (one body's grid and its locks).
//
// Every undoable change is a command: the state is captured when it begins; when it completes,
// the capture goes on the undo stack; when it is aborted, the capture is put back. A snapshot
// holds only what the open window can change, and the history is emptied whenever the designer
// switches window or page, so a snapshot is always restored into the editor it came from.
#pragma once
#include <set>
#include <string>
#include <vector>

// One snapshot. The instrument vectors are filled in the panel window only, the body vectors in
// a body window only (stations x points, station-major); elsewhere all are empty.
struct xundo_t {
    std::string cmd;                 // the command's name
    std::vector<int> ins_type;
    std::vector<float> ins_size;
    std::vector<float> ins_x;
    std::vector<float> ins_y;
    std::set<int> selection;         // the panel editor's selected slots
    std::vector<float> body_X;
    std::vector<float> body_Y;
    std::vector<float> body_Z;
    std::vector<char> body_l;        // the lock flags
};

inline constexpr int UNDO_MAX_STEPS = 40;   // undo steps kept; redo is emptied by every new command

void UNDO_BeginCommand(const char* name);   // capture the open editor before a change
void UNDO_CompleteCommand(void);            // the change stands: the capture becomes an undo step
void UNDO_AbortCommand(void);               // nothing changed, or the change failed: put it back
void UNDO_Undo(void);                       // take back the newest command
void UNDO_Redo(void);                       // do again the newest command taken back
void UNDO_PurgeUndo(void);                  // forget every undo and redo step (a window or page change)
void UNDO_reset(void);                      // the start-up reset: no history, no command under way

// A command as a scope: create it before changing anything and Commit() once the change stands.
// Leaving the scope any other way (an early return, an exception) rolls the change back.
class UNDO_Command {
public:
    explicit UNDO_Command(const char* name) { UNDO_BeginCommand(name); }
    ~UNDO_Command()
    {
        if (mCommited) UNDO_CompleteCommand();
        else UNDO_AbortCommand();
    }
    void Commit(void) { mCommited = true; }
    UNDO_Command(const UNDO_Command&) = delete;
    UNDO_Command& operator=(const UNDO_Command&) = delete;

private:
    bool mCommited = false;
};

void APPLICATION_saveundo(xundo_t* u);      // capture what the open window can change
void APPLICATION_restoreundo(xundo_t* u);   // put a capture back into the open window

// The body part the open window edits, with its grid size; -1 in any other window. The fuselage
// window edits part 44 (20 x 18), miscellaneous bodies 45 + set.bodyW_tab, nacelles 53 +
// set.naceW_tab (12 x 18), fairings 61 + set.fairW_tab (8 x 10), page 3 of the weapon builder
// the weapon body in slot 24 (12 x 18). A tab selection out of range is clamped.
int get_edit_body(int* stations, int* points);

// The lock flag of point r of station s of a body part. The lock table keeps 12 station rows a
// part, so the fuselage's stations 12..19 use the rows after its own (those of part 45), as the
// editor always has; every index stays inside the table.
char* UNDO_body_lock(int part, int s, int r);
