// recovery.cpp -- the aircraft being edited is written to a recovery file before a fatal stop,
// so no problem of the program ever costs the designer unsaved work.
#include "shell/Hl_MNW.h"
#include "base/IO_UTILS.h"
#include "model/IO_ACF.h"
#include "model/acf_struct.h"
#include "model/set_struct.h"
#include <cstring>
#include <strings.h>

// "<name>_recovered" from the aircraft's file name (its extension dropped).
static std::string recovery_stem(void)
{
    std::string name(veh[0].name, strnlen(veh[0].name, sizeof veh[0].name));
    if (name.size() > 4 && strcasecmp(name.c_str() + name.size() - 4, ".acf") == 0) name.resize(name.size() - 4);
    if (name.empty()) name = "untitled";
    return name + "_recovered";
}

// The folder of the aircraft's path, separator kept; empty when it has none.
static std::string aircraft_folder(void)
{
    std::string path(veh[0].path, strnlen(veh[0].path, sizeof veh[0].path));
    size_t cut = path.find_last_of(":/\\");
    return cut == std::string::npos ? std::string() : path.substr(0, cut + 1);
}

// Where the last recovery files were written, for the next start to tell the designer.
static std::string note_path(void) { return app_path + "Resources:Preferences:Recovered aircraft.txt"; }

// folder + "<stem>.acf", or "<stem>-2.acf", "-3" ... when an earlier recovery file is there: an
// earlier one may be the only copy of earlier work.
static std::string free_name(const std::string& folder, const std::string& stem)
{
    for (int n = 1; n < 1000; n++) {
        // Built by appending: g++ 12 warns falsely on chains of literal + string here.
        std::string target = folder;
        target += stem;
        if (n > 1) {
            target += '-';
            target += std::to_string(n);
        }
        target += ".acf";
        if (!IO_file_exists(target)) return target;
    }
    return folder + stem + ".acf";
}

std::string MACIBM_write_recovery(void)
{
    // Only a real aircraft with unsaved edits: a read that failed leaves the aircraft that was
    // open before (or a new one), never a cleared record.
    if (!set.acf_mod) return "";
    const std::string stem = recovery_stem();
    std::string places[2] = {aircraft_folder(), app_path};
    for (const std::string& folder : places) {
        if (folder.empty()) continue;
        const std::string target = free_name(folder, stem);
        if (IO_acf_write_to(0, target)) {
            const std::string host = IO_host_path(target);
            if (xer) { fprintf(xer, "unsaved aircraft written to: %s\n", host.c_str()); fflush(xer); }
            IO_make_folders(note_path());
            if (FILE* f = IO_fopen(note_path(), "a")) {
                fprintf(f, "%s\n", host.c_str());
                fclose(f);
            }
            return target;
        }
    }
    if (xer) { fprintf(xer, "the unsaved aircraft could not be written: %s\n", IO_save_error().c_str()); fflush(xer); }
    return "";
}

void MACIBM_tell_recovery(void)
{
    FILE* f = IO_fopen(note_path(), "r");
    if (!f) return;
    char line[1024] = {};
    std::string last;
    while (fgets(line, sizeof line, f)) {
        last = line;
        if (!last.empty() && last.back() == '\n') last.pop_back();
    }
    fclose(f);
    remove(IO_host_path(note_path()).c_str());
    if (last.empty()) return;
    MACIBM_alert(0, "Wing-Wright stopped unexpectedly while an aircraft had unsaved changes.",
                 "Those changes were saved to a recovery file:", last.c_str(),
                 "Open it with File, Open to go on with your work.", 16);
}

static void recovery_writer(void) { MACIBM_write_recovery(); }

void MACIBM_arm_recovery(void) { g_recovery_writer = recovery_writer; }
