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
#include <condition_variable>
#include <mutex>
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
// the main thread uploads them in catalogue order as they become ready. The workers may begin
// while the window is still being made (INS_decode_at_init). Decoders stay at most AHEAD
// pictures ahead of the upload, and an uploaded picture's buffer is handed to the next one
// decoded, so a start holds a fifth of the pictures' memory at a time rather than all of it.
enum { AHEAD = 128 };
static OGL_decoded s_decoded[INS_NUM_TYPES];
static std::atomic<int> s_next_decode, s_ready[INS_NUM_TYPES];
static std::mutex s_lock;                   // guards s_uploaded and s_spare
static std::condition_variable s_moved;     // s_uploaded grew
static int s_uploaded;                      // pictures staged so far, or INS_NUM_TYPES to let workers finish
static std::vector<std::vector<unsigned char>> s_spare;

static void decode(int k)
{
    {
        std::lock_guard<std::mutex> g(s_lock);
        if (!s_spare.empty()) {
            s_decoded[k].px = std::move(s_spare.back());
            s_spare.pop_back();
        }
    }
    OGL_decode_png_file(INS_catalogue[k], &s_decoded[k]);
    s_ready[k] = 1;
}

static int decode_worker(int)
{
    for (int k; (k = s_next_decode++) < INS_NUM_TYPES;) {
        {
            std::unique_lock<std::mutex> g(s_lock);
            s_moved.wait(g, [k] { return k < s_uploaded + AHEAD; });
        }
        decode(k);
    }
    return 0;
}

// The main thread, waiting for picture `uploaded`, decodes the next one itself if it lies within
// reach; it never waits on the others, so the picture it waits for is always being decoded.
static void help_decode(int uploaded)
{
    int k = s_next_decode;
    if (k < INS_NUM_TYPES && k < uploaded + AHEAD && s_next_decode.compare_exchange_strong(k, k + 1)) decode(k);
    else std::this_thread::yield();
}

static int s_at_init, s_decoding, s_posted;
enum { CALL_ID = 0x7942 };

void INS_decode_at_init(int on) { s_at_init = on; }
void INS_init_ready_to_decode(void)
{
    if (s_at_init) INS_start_decoding();
}

void INS_start_decoding(void)
{
    if (s_decoding) return;
    s_decoding = 1;
    s_next_decode = 0;
    s_uploaded = 0;
    for (std::atomic<int>& r : s_ready) r = 0;
    const int workers = THREAD_IsInited() ? THREAD_LiveWorkers() : 0;
    s_posted = 0;
    for (int w = 0; w < workers; w++) s_posted += THREAD_PostCall(CALL_ID + w, decode_worker, 0) == 0;
}

void INS_stop_decoding(void)
{
    if (!s_decoding) return;
    s_next_decode = INS_NUM_TYPES;                  // a stop leaves the workers nothing more to take
    {
        std::lock_guard<std::mutex> g(s_lock);
        s_uploaded = INS_NUM_TYPES;                 // and none waiting
    }
    s_moved.notify_all();
    for (int w = 0; w < s_posted; w++)
        while (!THREAD_GetCall(CALL_ID + w, nullptr, nullptr, nullptr)) std::this_thread::yield();
    for (OGL_decoded& d : s_decoded) d = OGL_decoded();
    s_spare = {};
    s_decoding = s_posted = 0;
}

static void staged(int k)
{
    {
        std::lock_guard<std::mutex> g(s_lock);
        s_spare.push_back(std::move(s_decoded[k].px));
        s_uploaded = k + 1;
    }
    s_moved.notify_all();
    s_decoded[k] = OGL_decoded();
}

void MACIBM_load_instruments(void)
{
    INS_check_catalogue(INS_catalogue, INS_NUM_TYPES);
    INS_startup_reset();
    handle_ins_level("cockpit:");
    INS_start_decoding();                           // unless the start began it already

    void (*was)(const char*) = OGL_texbmp_progress;
    if (was) OGL_texbmp_progress = throttled_progress;
    s_last_panel = {};
    int missing = -1;
    for (int k = 0; k < INS_NUM_TYPES && missing < 0; k++) {
        while (!s_ready[k]) help_decode(k);
        // A picture the fast path cannot take (no PNG, a BMP, a damaged file) goes the usual way,
        // which finds the BMP or raises the picture's own alert.
        if (!OGL_texbmp_decoded(INS_TEX_BASE + k, OGL_FILT_KEY, INS_catalogue[k], s_decoded[k]) &&
            !OGL_texbmp(OGL_TYPE_UPLOAD, INS_TEX_BASE + k, OGL_FILT_KEY, INS_catalogue[k]))
            missing = k;
        staged(k);
    }
    OGL_texbmp_progress = was;
    INS_stop_decoding();
    if (missing >= 0)
        MACIBM_alert(0, "I could not find an instrument!", "I need this instrument:", INS_catalogue[missing], "", 17);
}
