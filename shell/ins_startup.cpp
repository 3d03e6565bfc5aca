// ins_startup.cpp -- the instrument bitmaps at start: the catalogue's check, the scan of the
// cockpit folder and the loading of every catalogue entry into its texture slot.
#include "shell/Hl_MNW.h"
#include "editor/instruments.h"
#include "draw/HL_BITMAP.h"
#include "base/IO_UTILS.h"
#include "support/HL_THREAD.h"
#include <atomic>
#include <thread>
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

// Decoding shared out: every worker and the main thread take the next picture not yet taken;
// the main thread uploads them in catalogue order as they become ready.
static OGL_decoded s_decoded[INS_NUM_TYPES];
static std::atomic<int> s_next_decode, s_ready[INS_NUM_TYPES];

static int decode_next(void)
{
    const int k = s_next_decode++;
    if (k >= INS_NUM_TYPES) return 0;
    OGL_decode_png_file(INS_catalogue[k], &s_decoded[k]);
    s_ready[k] = 1;
    return 1;
}
static int decode_worker(int) { while (decode_next()) {} return 0; }

void MACIBM_load_instruments(void)
{
    INS_check_catalogue(INS_catalogue, INS_NUM_TYPES);
    INS_startup_reset();
    handle_ins_level("cockpit:");

    s_next_decode = 0;
    for (std::atomic<int>& r : s_ready) r = 0;
    enum { CALL_ID = 0x7942 };
    const int workers = THREAD_IsInited() ? THREAD_LiveWorkers() : 0;
    int posted = 0;
    for (int w = 0; w < workers; w++) posted += THREAD_PostCall(CALL_ID + w, decode_worker, 0) == 0;

    void (*was)(const char*) = OGL_texbmp_progress;
    if (was) OGL_texbmp_progress = throttled_progress;
    s_last_panel = {};
    int missing = -1;
    for (int k = 0; k < INS_NUM_TYPES && missing < 0; k++) {
        while (!s_ready[k])
            if (!decode_next()) std::this_thread::yield();
        // A picture the fast path cannot take (no PNG, a BMP, a damaged file) goes the usual way,
        // which finds the BMP or raises the picture's own alert.
        if (!OGL_texbmp_decoded(INS_TEX_BASE + k, OGL_FILT_KEY, INS_catalogue[k], s_decoded[k]) &&
            !OGL_texbmp(OGL_TYPE_UPLOAD, INS_TEX_BASE + k, OGL_FILT_KEY, INS_catalogue[k]))
            missing = k;
        s_decoded[k] = OGL_decoded();
    }
    OGL_texbmp_progress = was;
    s_next_decode = INS_NUM_TYPES;                  // a stop leaves the workers nothing to take
    for (int w = 0; w < posted; w++)
        while (!THREAD_GetCall(CALL_ID + w, nullptr, nullptr, nullptr)) std::this_thread::yield();
    for (OGL_decoded& d : s_decoded) d = OGL_decoded();
    if (missing >= 0)
        MACIBM_alert(0, "I could not find an instrument!", "I need this instrument:", INS_catalogue[missing], "", 17);
}
