// instruments.cpp -- the instrument catalogue at work and the default panels.
#include "editor/instruments.h"
#include "editor/hl_undo.h"
#include "model/acf_struct.h"
#include "model/acf_parts.h"
#include "base/IO_TYPED.h"
#include "base/hl_string.h"
#include "draw/HL_BITMAP.h"
#include <cstring>
#include <string>
#include <unordered_set>

const char* INS_path(int k) { return k >= 0 && k < INS_NUM_TYPES ? INS_catalogue[k] : ""; }

int INS_first_duplicate(const char* const* table, int n)
{
    std::unordered_set<std::string> seen;
    for (int k = 0; k < n; k++)
        if (!seen.insert(table[k]).second) return k;
    return -1;
}

// Kinds whose slot holds a bitmap an aircraft brought along: the next aircraft gets the default
// back even where its own panel does not use that kind (the panel editor may add one later).
static bool s_overridden[INS_NUM_TYPES];

void INS_reset(void)
{
    for (bool& o : s_overridden) o = false;
}

void ACF_load_instrument_textures(int p)
{
    if (p < 0 || p >= 10) return;
    const veh_struct& v = veh[p];
    bool want[INS_NUM_TYPES];
    for (int t = 0; t < INS_NUM_TYPES; t++) want[t] = s_overridden[t];
    for (int i = 0; i < 300; i++) {
        const int t = v.ins_type[i];
        if (t >= 0 && t < INS_NUM_TYPES) want[t] = true;   // free slots and numbers no entry has are skipped
    }
    for (int t = 0; t < INS_NUM_TYPES; t++) {
        if (want[t]) OGL_texbmp(OGL_TYPE_UPLOAD, INS_TEX_BASE + t, OGL_FILT_KEY, INS_catalogue[t]);
        s_overridden[t] = false;
    }
    std::string folder;
    get_path_with_path(&folder, STR_of(v.path));
    if (folder.empty() || (folder.back() != ':' && folder.back() != '/')) return;   // a name without a folder
    for (int t = 0; t < INS_NUM_TYPES; t++)
        s_overridden[t] = OGL_texbmp(OGL_TYPE_UPLOAD, INS_TEX_BASE + t, OGL_FILT_KEY, folder + INS_catalogue[t]) != 0;
}

int INS_choose_layout(int cockpit_type, int first_engine_type)
{
    if (cockpit_type == 2) return first_engine_type == 6 ? INS_LAYOUT_ROCKET_FIGHTER : INS_LAYOUT_FIGHTER;
    if (cockpit_type == 4) return INS_LAYOUT_HELO;
    if (cockpit_type == 1) return INS_LAYOUT_AIRLINER;
    return -1;   // the engine decides
}

void set_default_instruments(void)
{
    UNDO_Command cmd("Reset default instruments.");
    veh_struct& v = veh[0];
    for (int i = 0; i < 300; i++) {
        v.ins_type[i] = -1;
        v.ins_size[i] = 1.0f;
    }
    int which = INS_choose_layout(v.cockpit_type, v.engn_type[0]);
    if (which < 0) which = en_is_turbo(0, 0) ? INS_LAYOUT_TURBINE : INS_LAYOUT_PISTON;
    const INS_layout& lay = INS_layouts[which];
    for (int i = 0; i < lay.count && i < 300; i++) {
        v.ins_type[i] = lay.entry[i].type;
        v.ins_x[i] = lay.entry[i].x;
        v.ins_y[i] = lay.entry[i].y;
        v.ins_size[i] = lay.entry[i].size;
    }
    cmd.Commit();
}
