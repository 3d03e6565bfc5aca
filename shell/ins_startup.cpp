// ins_startup.cpp -- the instrument bitmaps at start: the catalogue's check, the scan of the
// cockpit folder and the loading of every catalogue entry into its texture slot.
#include "shell/Hl_MNW.h"
#include "editor/instruments.h"
#include "draw/HL_BITMAP.h"
#include "base/IO_UTILS.h"
#include <chrono>
#include <dirent.h>
#include <string>
#include <sys/stat.h>
#include <vector>

std::vector<std::string> ins_file_found;    // every file under the cockpit folder, relative to bmp_path
int num_bmps_found;

void INS_startup_reset(void)
{
    ins_file_found.clear();
    num_bmps_found = 0;
}

void INS_check_catalogue(const char* const* table, int n)
{
    const int k = INS_first_duplicate(table, n);
    if (k >= 0) MACIBM_alert(0, "Instrument used multiple times!", table[k], "", "Intolerable!", 17);
}

// One folder of the scan: files are recorded, folders descended. rel is the folder relative to
// bmp_path, ':' separated and ending in ':'.
void handle_ins_level(const std::string& rel)
{
    DIR* d = opendir(IO_host_path(bmp_path + rel).c_str());
    if (!d) return;
    std::vector<std::string> names;
    while (dirent* e = readdir(d))
        if (e->d_name[0] != '.') names.push_back(e->d_name);
    closedir(d);
    for (const std::string& n : names) {
        struct stat st {};
        const std::string path = rel + n;
        if (stat(IO_host_path(bmp_path + path).c_str(), &st) != 0) continue;
        if (S_ISDIR(st.st_mode)) {
            handle_ins_level(path + ":");
            continue;
        }
        if (num_bmps_found + 1 >= 2444) {
            MACIBM_alert(0, "Too many instruments found!", "", "", "", 17);
            return;
        }
        ins_file_found.push_back(path);
        num_bmps_found++;
    }
}

// The progress panel is drawn at most every 50 ms: drawing it for every fifth bitmap would cost
// as much as the loading itself.
static std::chrono::steady_clock::time_point s_last_panel;
static void throttled_progress(const char* message)
{
    const auto now = std::chrono::steady_clock::now();
    if (now - s_last_panel < std::chrono::milliseconds(50)) return;
    s_last_panel = now;
    MACIBM_showinit(message);
}

void MACIBM_load_instruments(void)
{
    INS_check_catalogue(INS_catalogue, INS_NUM_TYPES);
    INS_startup_reset();
    handle_ins_level("cockpit:");
    void (*was)(const char*) = OGL_texbmp_progress;
    if (was) OGL_texbmp_progress = throttled_progress;
    s_last_panel = {};
    for (int k = 0; k < INS_NUM_TYPES; k++) {
        if (OGL_texbmp(OGL_TYPE_UPLOAD, INS_TEX_BASE + k, OGL_FILT_KEY, INS_catalogue[k])) continue;
        OGL_texbmp_progress = was;
        MACIBM_alert(0, "I could not find an instrument!", "I need this instrument:", INS_catalogue[k], "", 17);
        return;
    }
    OGL_texbmp_progress = was;
}
