// hl_undo.cpp -- the undo and redo stacks of the panel and body editors.
#include "editor/hl_undo.h"
#include "editor/pln_panel.h"
#include "geometry/pln_body.h"
#include "model/acf_struct.h"
#include "model/set_struct.h"
#include "base/alert.h"
#include "base/records.h"
#include "base/HL_MATH_FUN.h"
#include <utility>

// Module state: emptied by the start-up reset.
static std::vector<xundo_t> sUndo;          // newest last, at most UNDO_MAX_STEPS
static std::vector<xundo_t> sRedo;          // newest last
static xundo_t sCommand;                    // the capture of the command under way
static bool sCommandInProgress;

void UNDO_reset(void)
{
    sUndo.clear();
    sRedo.clear();
    sCommand = xundo_t();
    sCommandInProgress = false;
}

//=== the edited body ========================================================================
int get_edit_body(int* stations, int* points)
{
    int part = -1, s = 12, r = 18;
    switch (mnw.top_win) {
    case 611: part = 44; s = 20; break;
    case 612: part = 45 + intlim(set.bodyW_tab, 0, 7); break;
    case 613: part = 53 + intlim(set.naceW_tab, 0, 7); break;
    case 614: part = 61 + intlim(set.fairW_tab, 0, 5); s = 8; r = 10; break;
    case 908: if (set.wbldW_tab == 3) part = 24; break;
    default: break;
    }
    if (part < 0) s = r = 0;
    if (stations) *stations = s;
    if (points) *points = r;
    return part;
}

char* UNDO_body_lock(int part, int s, int r) { return BODY_lock(part, s, r); }

//=== snapshot and restore ===================================================================
void APPLICATION_saveundo(xundo_t* u)
{
    u->ins_type.clear();
    u->ins_size.clear();
    u->ins_x.clear();
    u->ins_y.clear();
    u->body_X.clear();
    u->body_Y.clear();
    u->body_Z.clear();
    u->body_l.clear();
    const veh_struct& v = veh[0];
    if (mnw.top_win == 602) {
        u->ins_type.assign(v.ins_type, v.ins_type + ACF_INSTRUMENTS);
        u->ins_size.assign(v.ins_size, v.ins_size + ACF_INSTRUMENTS);
        u->ins_x.assign(v.ins_x, v.ins_x + ACF_INSTRUMENTS);
        u->ins_y.assign(v.ins_y, v.ins_y + ACF_INSTRUMENTS);
        u->selection = glo_ins_sel;
    }
    int S = 0, P = 0;
    const int part = get_edit_body(&S, &P);
    if (part < 0) return;
    const size_t n = (size_t)S * P;
    u->body_X.resize(n);
    u->body_Y.resize(n);
    u->body_Z.resize(n);
    u->body_l.resize(n);
    for (int s = 0; s < S; s++)
        for (int r = 0; r < P; r++) {
            const size_t i = (size_t)s * P + r;
            u->body_X[i] = v.body_X[part][s][r];
            u->body_Y[i] = v.body_Y[part][s][r];
            u->body_Z[i] = v.body_Z[part][s][r];
            u->body_l[i] = *UNDO_body_lock(part, s, r);
        }
}

// A group whose size does not match the open editor is reported and left out: copying it would
// read past its end.
template <class V>
static bool size_ok(const V& vec, size_t want, const char* cmd_line, const char* name, int line)
{
    if (vec.size() == want) return true;
    __MACIBM_alert(0, "Internal undo problem in WW", cmd_line, name, "", 17, "pln_panel", line);
    return false;
}

void APPLICATION_restoreundo(xundo_t* u)
{
    veh_struct& v = veh[0];
    if (mnw.top_win == 602) {
        static const char* panel = "Expected last cmd to be a panel command, but it is not.";
        const size_t n = ACF_INSTRUMENTS;
        if (size_ok(u->ins_type, n, panel, "ins_type", 302)) std::copy(u->ins_type.begin(), u->ins_type.end(), v.ins_type);
        if (size_ok(u->ins_size, n, panel, "ins_size", 303)) std::copy(u->ins_size.begin(), u->ins_size.end(), v.ins_size);
        if (size_ok(u->ins_x, n, panel, "ins_x   ", 304)) std::copy(u->ins_x.begin(), u->ins_x.end(), v.ins_x);
        if (size_ok(u->ins_y, n, panel, "ins_y   ", 305)) std::copy(u->ins_y.begin(), u->ins_y.end(), v.ins_y);
        glo_ins_sel = u->selection;
    }
    int S = 0, P = 0;
    const int part = get_edit_body(&S, &P);
    if (part < 0) return;
    static const char* body = "Expected last cmd to be a body cmd, but it was not.";
    const size_t n = (size_t)S * P;
    const bool x = size_ok(u->body_X, n, body, "body_X", 325), y = size_ok(u->body_Y, n, body, "body_Y", 326),
               z = size_ok(u->body_Z, n, body, "body_Z", 327), l = size_ok(u->body_l, n, body, "body_l", 328);
    for (int s = 0; s < S; s++)
        for (int r = 0; r < P; r++) {
            const size_t i = (size_t)s * P + r;
            if (x) v.body_X[part][s][r] = u->body_X[i];
            if (y) v.body_Y[part][s][r] = u->body_Y[i];
            if (z) v.body_Z[part][s][r] = u->body_Z[i];
            if (l) *UNDO_body_lock(part, s, r) = u->body_l[i];
        }
}

//=== commands ===============================================================================
void UNDO_BeginCommand(const char* name)
{
    sCommand.cmd = name ? name : "";
    APPLICATION_saveundo(&sCommand);
    sCommandInProgress = true;
}

void UNDO_CompleteCommand(void)
{
    if (sCommandInProgress) sUndo.push_back(std::move(sCommand));
    sCommand = xundo_t();
    sCommandInProgress = false;
    sRedo.clear();
    if (sUndo.size() > (size_t)UNDO_MAX_STEPS) sUndo.erase(sUndo.begin(), sUndo.end() - UNDO_MAX_STEPS);
}

void UNDO_AbortCommand(void)
{
    if (sCommandInProgress) APPLICATION_restoreundo(&sCommand);
    sCommandInProgress = false;
}

// Undo and redo mirror each other: the present state goes onto the other stack under the name of
// the step being taken, then that step is restored and dropped.
static void step_across(std::vector<xundo_t>* from, std::vector<xundo_t>* to)
{
    if (from->empty()) return;
    xundo_t now;
    now.cmd = from->back().cmd;
    APPLICATION_saveundo(&now);
    to->push_back(std::move(now));
    APPLICATION_restoreundo(&from->back());
    from->pop_back();
}

void UNDO_Undo(void) { step_across(&sUndo, &sRedo); }
void UNDO_Redo(void) { step_across(&sRedo, &sUndo); }

void UNDO_PurgeUndo(void)
{
    sUndo.clear();
    sRedo.clear();
}
