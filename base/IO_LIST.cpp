// IO_LIST.cpp -- the folder listing shared by the file dialog, the batch re-save and the
// instrument scan.
#include "base/IO_LIST.h"
#include "base/IO_TYPED.h"
#include "base/IO_UTILS.h"
#include "base/alert.h"
#include "base/records.h"
#include <algorithm>
#include <cctype>
#include <cstring>
#include <dirent.h>
#include <sys/stat.h>

std::string g_file[IO_LIST_MAX];
std::string g_path[IO_LIST_MAX];
int         g_file_type[IO_LIST_MAX];
int         g_file_count;

//=== the filter =============================================================================
// "name<mark><1..4>.ext": the numbered variants that are drawn together with their base picture
// (an instrument's extra frames, a terrain tile's corners), so they are never picked alone.
static int numbered_variant(const std::string& name, char mark, int ignore_case)
{
    size_t n = name.size();
    if (n < 6 || name[n - 4] != '.' || name[n - 5] < '1' || name[n - 5] > '4') return 0;
    char c = name[n - 6];
    return ignore_case ? toupper((unsigned char)c) == toupper((unsigned char)mark) : c == mark;
}

int opensave_takeit(int i, int file_type)
{
    if (i < 0 || i >= IO_LIST_MAX) return 0;
    const std::string& name = g_file[i];
    if (g_file_type[i] != 1) {
        int t = ftype_of_name(name);
        if (t) g_file_type[i] = t;
    }
    if (file_type == 19) {
        // The panel backgrounds live among the instruments but are not instruments.
        if (IO_path_starts_with(g_path[i], bmp_path + "cockpit:-PANELS-:")) return 0;
        if (numbered_variant(name, '-', 1)) return 0;
    }
    if (file_type == 18 && numbered_variant(name, 'C', 0)) return 0;
    if (name.empty() || name[0] == '.') return 0;   // "." and "..", and hidden files

    int t = g_file_type[i];
    if (t == 1 || t == file_type || file_type == 0) return 1;
    return (file_type == 18 || file_type == 19) && t == 16;
}

//=== the listing ============================================================================
// 1 folder, 0 file, -1 neither (a device, a pipe or a dangling link, which nobody can open
// as an aircraft and which might block the program if it tried).
static int entry_kind(const std::string& host_dir, const dirent* e)
{
    if (e->d_type == DT_DIR) return 1;
    if (e->d_type == DT_REG) return 0;
    if (e->d_type != DT_LNK && e->d_type != DT_UNKNOWN) return -1;
    struct stat st;
    if (stat((host_dir + e->d_name).c_str(), &st) != 0) return -1;
    if (S_ISDIR(st.st_mode)) return 1;
    return S_ISREG(st.st_mode) ? 0 : -1;
}

// Names in one folder are all different, so any sort gives the order adjacent swapping would;
// a quadratic one would cost milliseconds every frame with a full folder. std::string compares
// bytes as unsigned, so upper case comes before lower case.
static void sort_entries(int n)
{
    static int order[IO_LIST_MAX];
    static std::string file_tmp[IO_LIST_MAX], path_tmp[IO_LIST_MAX];
    static int type_tmp[IO_LIST_MAX];
    for (int k = 0; k < n; k++) order[k] = k;
    std::sort(order, order + n, [](int a, int b) { return g_file[a] < g_file[b]; });
    // Swapping strings moves their buffers, so a full folder sorts without allocating.
    for (int k = 0; k < n; k++) {
        file_tmp[k].swap(g_file[order[k]]);
        path_tmp[k].swap(g_path[order[k]]);
        type_tmp[k] = g_file_type[order[k]];
    }
    for (int k = 0; k < n; k++) {
        g_file[k].swap(file_tmp[k]);
        g_path[k].swap(path_tmp[k]);
        g_file_type[k] = type_tmp[k];
    }
}

int opensave_getitems(int file_type)
{
    const int previous = g_file_count;
    g_file_count = 0;
    if (wrk_path.empty() || !is_a_dir_char(wrk_path.back())) {
        MACIBM_alert(0, "Working path does not appear to be a directory!",
                     "This is not consistent with my labelling practices!",
                     "I need to end all paths with the directory indicator!",
                     "See the instrument-check in Wing-Wright for example.", 17);
        return 0;
    }
    std::string host = IO_host_path(wrk_path);
    if (host.empty() || host.back() != '/') host += '/';
    int n = 0;
    if (DIR* d = opendir(host.c_str())) {
        while (n < IO_LIST_MAX) {
            const dirent* e = readdir(d);
            if (!e) break;
            int kind = entry_kind(host, e);
            if (kind < 0) continue;
            g_file[n].assign(e->d_name);
            g_path[n].assign(wrk_path).append(e->d_name);
            // Every folder path ends in a separator: the dialog, the batch re-save and the
            // instrument scan all list a folder by its path.
            if (kind == 1) g_path[n] += ':';
            g_file_type[n] = kind;
            if (opensave_takeit(n, file_type)) n++;
        }
        closedir(d);
    }
    // The slots past the new count keep nothing of an earlier, longer listing.
    for (int k = n; k < std::max(previous, n + 1) && k < IO_LIST_MAX; k++) {
        g_file[k].clear();
        g_path[k].clear();
        g_file_type[k] = 0;
    }
    sort_entries(n);
    g_file_count = n;
    return n;
}


void IO_list_reset(void)
{
    for (int k = 0; k < IO_LIST_MAX; k++) {
        g_file[k].clear();
        g_path[k].clear();
        g_file_type[k] = 0;
    }
    g_file_count = 0;
}
