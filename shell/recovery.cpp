// recovery.cpp -- the aircraft being edited is written to a recovery file before a fatal stop,
// so no problem of the program ever costs the designer unsaved work.
#include "shell/Hl_MNW.h"
#include "base/IO_UTILS.h"
#include "model/IO_ACF.h"
#include "model/acf_struct.h"
#include "model/set_struct.h"
#include <cstring>
#include <strings.h>

// "<name>_recovered.acf" from the aircraft's file name (its extension dropped).
static std::string recovery_name(void)
{
    std::string name(veh[0].name, strnlen(veh[0].name, sizeof veh[0].name));
    if (name.size() > 4 && strcasecmp(name.c_str() + name.size() - 4, ".acf") == 0) name.resize(name.size() - 4);
    if (name.empty()) name = "untitled";
    return name + "_recovered.acf";
}

// The folder of the aircraft's path, separator kept; empty when it has none.
static std::string aircraft_folder(void)
{
    std::string path(veh[0].path, strnlen(veh[0].path, sizeof veh[0].path));
    size_t cut = path.find_last_of(":/\\");
    return cut == std::string::npos ? std::string() : path.substr(0, cut + 1);
}

std::string MACIBM_write_recovery(void)
{
    if (!set.acf_mod) return "";
    std::string file = recovery_name();
    std::string places[2] = {aircraft_folder(), app_path};
    for (const std::string& folder : places) {
        if (folder.empty()) continue;
        std::string target = folder + file;
        if (IO_acf_write_to(0, target)) {
            if (xer) { fprintf(xer, "unsaved aircraft written to: %s\n", IO_host_path(target).c_str()); fflush(xer); }
            return target;
        }
    }
    if (xer) { fprintf(xer, "the unsaved aircraft could not be written: %s\n", IO_save_error().c_str()); fflush(xer); }
    return "";
}

static void recovery_writer(void) { MACIBM_write_recovery(); }

void MACIBM_arm_recovery(void) { g_recovery_writer = recovery_writer; }
