// IO_AFL.cpp -- airfoil files: reading every version, the folder order and the corrupt-data checks.
//
// Opening an aircraft loads four airfoil files for each of up to 44 parts, nearly always the
// same few files. Each file is therefore parsed once into a whole slot image and kept, keyed by
// its resolved path, size and modification time; loading a slot is then a copy. Files are read
// from memory with the typed-file header check and a locale-free number scanner.
#include "model/IO_AFL.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <map>
#include <memory>

#include "base/HL_MATH_FUN.h"
#include "base/IO_TYPED.h"
#include "base/IO_UTILS.h"
#include "base/alert.h"
#include "base/hl_string.h"
#include "base/records.h"
#include "model/acf_struct.h"

// The shared section-model parameters, Llinrange through cm4, lie together at the end of the
// record; a file loaded into any slot overwrites them as one block.
static constexpr size_t kSharedFirst = offsetof(airfoil_struct, Llinrange);
static constexpr size_t kSharedBytes = sizeof(airfoil_struct) - kSharedFirst;
static_assert(offsetof(airfoil_struct, cm4) + sizeof(float) == sizeof(airfoil_struct),
              "the section-model parameters end the record");

static int clamp01(int i) { return i < 0 ? 0 : (i > 1 ? 1 : i); }

//=== the generated table ====================================================================
static void alert_generated_nan(void)
{
    MACIBM_alert(0, "I have generated a NAN value for this aifoil:",
                 "You have entered some parameter that has caused a div by zero!", "", "", 16);
}

void gen_cl_cd_cm(airfoil_struct* afl, int t, int r)
{
    if (!afl) return;
    if (AFL_gen_tables(afl, clamp01(t), clamp01(r))) alert_generated_nan();
}

//=== reading ================================================================================
// One airfoil file as read: its whole slot in [0][0] of `afl` and the shared parameters, ready
// to be copied into any slot, with what the reading found.
struct afl_file {
    airfoil_struct afl;
    int  version;
    bool device_ok;     // the device code was 1234
    bool unreadable;    // a number that was missing or not a number (its field stays zero)
    bool generated_nan; // the generated table had values that were not numbers
    bool has_nan;       // the table holds a value that is not a number
    bool has_negative;  // the table holds a negative drag
};

// The numbers of one file in order; a number that cannot be read is zero and marks the file.
struct afl_scanner {
    const unsigned char* d;
    int at, size;
    bool* unreadable;

    float num()
    {
        double v = 0;
        if (!TXT_MAP_num_scan(d, &at, size, &v) || check_nan((float)v)) {
            *unreadable = true;
            return 0;
        }
        return (float)v;
    }
    void skip_line() { TXT_MAP_str_scan_eoln(d, &at, size, nullptr); }
    bool ended() const { return at >= size; }
};

static const int kVersions[] = {700, 650, 641, 613, 363};

// The parameters of line 2, in each version's own order, into slot [0][0] of a.
static void read_parameters(afl_scanner& s, int version, airfoil_struct& a)
{
    // Per-slot fields of line 2 in the version-700 order; the older table versions move almin
    // and almax to the end.
    float* const slot[] = {&a.re_num[0][0], &a.t_rat[0], &a.mach_div[0], &a.clM[0][0], &a.clB[0][0]};
    float* const shared700[] = {&a.Llinrange, &a.Lpow, &a.Lstall, &a.Ldrop1, &a.Lpowstl, &a.Ldrop2, &a.Dmin,
                                &a.DminCL, &a.Dal10, &a.Dpow, &a.DminCL, &a.Dal10, &a.Dpow, &a.Bloc, &a.Bwidth,
                                &a.Bdepth, &a.Bpower, &a.cmal2, &a.cmal3, &a.cm1, &a.cm2, &a.cm3, &a.cm4};
    if (version == 700 || version == 650 || version == 641) {
        for (float* f : slot) {
            *f = s.num();
            if (version == 641 && f == &a.mach_div[0]) s.num();   // a field since dropped
        }
        if (version == 700) {
            a.almin[0][0] = s.num();
            a.almax[0][0] = s.num();
        }
        for (float* f : shared700)
            if (version == 700 || f != &a.Llinrange) *f = s.num();
        if (version != 700) {
            a.almin[0][0] = s.num();
            a.almax[0][0] = s.num();
            a.Llinrange = 10;
        }
        return;
    }
    // 613 and 363: a word, then the parameters in their own order.
    TXT_MAP_str_scan_space(s.d, &s.at, s.size, nullptr);
    float* const old[] = {&a.t_rat[0], &a.re_num[0][0], &a.almin[0][0], &a.almax[0][0], &a.clB[0][0],
                          &a.clM[0][0], &a.Lpow, &a.Lstall, &a.Ldrop1, &a.Ldrop2, &a.Lpowstl, &a.DminCL,
                          &a.Dmin, &a.Dal10, &a.Dpow, &a.cmal2, &a.cmal3, &a.cm1, &a.cm2, &a.cm3,
                          &a.cm4, &a.Bwidth, &a.Bdepth, &a.Bpower, &a.Bloc};
    for (float* f : old) *f = s.num();
    s.skip_line();
    a.mach_div[0] = version == 613 ? s.num() : 0.75f;
    a.Llinrange = 10;
}

// Parses bytes (a whole file) into f; false when they are not an airfoil file of any version.
static bool parse_afl(const unsigned char* data, long size, afl_file& f)
{
    memset(&f, 0, sizeof f);
    int c_use = 0, c_max = 0;
    for (int v : kVersions) {
        char want[8];
        snprintf(want, sizeof want, "%d", v);
        if (MAP_check_bytes(2, data, size, &c_use, &c_max, want)) {
            f.version = v;
            break;
        }
    }
    if (!f.version) return false;
    airfoil_struct& a = f.afl;
    afl_scanner s{data, c_use, c_max, &f.unreadable};
    double code = 0;
    f.device_ok = TXT_MAP_num_scan(data, &s.at, c_max, &code) && code == 1234;
    s.skip_line();
    read_parameters(s, f.version, a);
    // Versions 613 and 363 carry no table: it comes from their parameters.
    const bool has_table = f.version != 613 && f.version != 363;
    if (!has_table) {
        f.generated_nan = AFL_gen_tables(&a, 0, 0);
    } else {
        s.skip_line();   // the rest of the parameter line
        s.skip_line();   // "alpha cl cd cm:"
    }
    for (int i = 0; has_table && i < AFL_ALPHAS; i++) {
        if (s.ended()) {
            f.unreadable = true;   // a cut-off table: the rest stays zero
            break;
        }
        s.num();   // the angle, known from the entry's place
        a.cl[0][0][i] = s.num();
        a.cd[0][0][i] = s.num();
        a.cm[0][0][i] = s.num();
    }
    for (int i = 0; i < AFL_ALPHAS; i++) {
        f.has_nan = f.has_nan || check_nan(a.cl[0][0][i]) || check_nan(a.cd[0][0][i]) || check_nan(a.cm[0][0][i]);
        f.has_negative = f.has_negative || a.cd[0][0][i] < 0;
    }
    return true;
}

// Parsed files by resolved path; an entry stands while the file keeps its size and time.
struct afl_cache_entry {
    long long size;
    long long mtime_ns;
    std::unique_ptr<afl_file> file;   // null: not an airfoil file of any version
};
static std::map<std::string, afl_cache_entry> s_cache;
static constexpr size_t kCacheFiles = 64;   // a few aircraft's worth; beyond it start afresh

// While an aircraft's airfoils are being loaded, each path asked for is looked up once: the
// answer (a cached file, or none) stands for the rest of the open.
static bool s_in_open;
static std::map<std::string, const afl_file*> s_open_paths;

void IO_afl_open_begin(void)
{
    s_open_paths.clear();
    s_in_open = true;
}

void IO_afl_open_end(void)
{
    s_open_paths.clear();
    s_in_open = false;
}

// Where the folders asked after lie on this host. Finding a folder spelled in another letter
// case reads whole folders, and an open asks after the same two folders 176 times, so the answer
// is kept, with the folder held open: a found folder while its files are found in it, a missing
// one while the deepest folder above it that exists keeps its modification time (creating the
// missing one changes that). Looking names up in a held folder also spares the kernel the walk
// down the whole path.
struct afl_folder {
    std::string host;   // with its trailing '/'; empty when missing
    int fd = -1;        // the folder held open, or for a missing one the folder watched
    long long watch_mtime = 0;
};
static std::map<std::string, afl_folder> s_folders;

static void forget_folders(void)
{
    for (auto& f : s_folders)
        if (f.second.fd >= 0) close(f.second.fd);
    s_folders.clear();
}

void IO_afl_reset(void)
{
    IO_afl_open_end();
    s_cache.clear();
    forget_folders();
}

static long long mtime_ns(const struct stat& st)
{
    return (long long)st.st_mtim.tv_sec * 1000000000LL + st.st_mtim.tv_nsec;
}

static int open_folder(const std::string& host) { return open(host.c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC); }

// The stored folder path (ending in a separator) on this host; null when it does not exist.
static const afl_folder* host_folder(const std::string& folder)
{
    struct stat st;
    auto it = s_folders.find(folder);
    if (it != s_folders.end()) {
        const afl_folder& f = it->second;
        if (!f.host.empty() || (f.fd >= 0 && fstat(f.fd, &st) == 0 && mtime_ns(st) == f.watch_mtime))
            return f.host.empty() ? nullptr : &f;
        if (f.fd >= 0) close(f.fd);
        s_folders.erase(it);
    }
    afl_folder f;
    std::string host = IO_host_path(folder);
    f.fd = open_folder(host);
    if (f.fd >= 0) {
        f.host = host.back() == '/' ? host : host + "/";
    } else {
        std::string w = host;
        for (int up = 0; up < 256 && f.fd < 0; up++) {
            while (w.size() > 1 && w.back() == '/') w.pop_back();
            size_t cut = w.find_last_of('/');
            w = cut == std::string::npos ? "." : (cut == 0 ? "/" : w.substr(0, cut));
            f.fd = open_folder(w);
            if (w == "." || w == "/") break;
        }
        f.watch_mtime = f.fd >= 0 && fstat(f.fd, &st) == 0 ? mtime_ns(st) : -1;
    }
    if (s_folders.size() >= kCacheFiles) forget_folders();
    afl_folder& kept = s_folders[folder] = f;
    return kept.host.empty() ? nullptr : &kept;
}

// The parsed file at path, from the cache when it has not changed; null when it is missing or
// not an airfoil file.
static const afl_file* afl_file_lookup(const std::string& path)
{
    size_t cut = path.size();
    while (cut > 0 && !is_a_dir_char(path[cut - 1])) cut--;
    std::string host = path;
    struct stat st;
    bool found = false;
    if (cut > 0) {
        const afl_folder* dir = host_folder(path.substr(0, cut));
        if (!dir) return nullptr;
        host = dir->host + path.substr(cut);
        found = fstatat(dir->fd, path.c_str() + cut, &st, 0) == 0;
    }
    // A name spelled in another letter case than the file's is looked for in the folder, and a
    // remembered folder that is gone is looked for afresh.
    if (!found) {
        auto it = cut > 0 ? s_folders.find(path.substr(0, cut)) : s_folders.end();
        if (it != s_folders.end() && (fstat(it->second.fd, &st) != 0 || st.st_nlink == 0)) {
            close(it->second.fd);
            s_folders.erase(it);
        }
        host = IO_host_path(path);
        if (host.empty() || stat(host.c_str(), &st) != 0) return nullptr;
    }
    if (!S_ISREG(st.st_mode)) return nullptr;
    const long long mtime = mtime_ns(st);
    auto it = s_cache.find(host);
    if (it != s_cache.end() && it->second.size == (long long)st.st_size && it->second.mtime_ns == mtime)
        return it->second.file.get();

    unsigned char* add = nullptr;
    XMappedFile map(host.c_str(), &add);
    std::unique_ptr<afl_file> f(new afl_file);
    if (!map.ok() || !parse_afl(map.begin(), map.size(), *f)) f.reset();
    if (s_cache.size() >= kCacheFiles) {
        s_cache.clear();
        s_open_paths.clear();   // it pointed into the cache
    }
    afl_cache_entry& e = s_cache[host];
    e.size = (long long)st.st_size;
    e.mtime_ns = mtime;
    e.file = std::move(f);
    return e.file.get();
}

static const afl_file* afl_file_at(const std::string& path)
{
    if (!s_in_open) return afl_file_lookup(path);
    auto it = s_open_paths.find(path);
    if (it != s_open_paths.end()) return it->second;
    const afl_file* f = afl_file_lookup(path);
    s_open_paths[path] = f;
    return f;
}

// Copies a parsed file into slot [t][r], with the shared parameters.
static void put_slot(const afl_file& f, airfoil_struct* afl, int t, int r)
{
    const airfoil_struct& a = f.afl;
    afl->re_num[t][r] = a.re_num[0][0];
    afl->t_rat[t] = a.t_rat[0];
    afl->mach_div[t] = a.mach_div[0];
    afl->clM[t][r] = a.clM[0][0];
    afl->clB[t][r] = a.clB[0][0];
    afl->almin[t][r] = a.almin[0][0];
    afl->almax[t][r] = a.almax[0][0];
    memcpy(afl->cl[t][r], a.cl[0][0], sizeof a.cl[0][0]);
    memcpy(afl->cd[t][r], a.cd[0][0], sizeof a.cd[0][0]);
    memcpy(afl->cm[t][r], a.cm[0][0], sizeof a.cm[0][0]);
    memcpy((char*)afl + kSharedFirst, (const char*)&a + kSharedFirst, kSharedBytes);
}

// The alerts a loaded file raises every time it is loaded, cached or not.
static void alert_on_load(const afl_file& f)
{
    if (!f.device_ok) MACIBM_alert(0, "This does not appear to be a valid Airfoil for Section-Forge!", "", "", "", 16);
    if (f.generated_nan) alert_generated_nan();
}

// Reads path into slot [t][r]; the file as read, or null when there is none.
static const afl_file* afl_read(airfoil_struct* afl, int t, int r, const std::string& path)
{
    const afl_file* f = afl_file_at(path);
    if (!f) return nullptr;
    put_slot(*f, afl, clamp01(t), clamp01(r));
    alert_on_load(*f);
    return f;
}

int IO_afl_memory(const unsigned char* data, long size, airfoil_struct* afl, int t, int r)
{
    if (!afl) return 0;
    static std::unique_ptr<afl_file> f(new afl_file);   // one file read at a time, on the main thread
    if (!parse_afl(data, size, *f)) return 0;
    put_slot(*f, afl, clamp01(t), clamp01(r));
    alert_on_load(*f);
    return f->version;
}

int IO_afl(int IO_type, airfoil_struct* afl, int t, int r, std::string path)
{
    if (IO_type != 0 || !afl) return 0;
    const afl_file* f = afl_read(afl, t, r, path);
    return f ? f->version : 0;
}

void load_foil_for_part(const std::string& name, int p, int part, int t, int r)
{
    if (name.empty() || p < 0 || p >= ACF_RECORDS || part < 0 || part >= ACF_FOIL_PARTS) return;
    veh_struct& v = veh[p];
    const std::string path = STR_of(v.path);
    const size_t cut = std::min(path.size(), strnlen(v.name, sizeof v.name));
    const afl_file* f = afl_read(&v.afl[part], t, r, path.substr(0, path.size() - cut) + "airfoils:" + name);
    if (!f) f = afl_read(&v.afl[part], t, r, afl_path + name);
    if (!f) return;
    // The slot now holds the file's table, so the file's own findings are the slot's; a number
    // that could not be read counts as one that is not a number.
    if (f->has_nan || f->unreadable)
        MACIBM_alert(0, "I have found a NAN value for this aifoil:", name.c_str(), "It is corrupt!",
                     "Throw it away or fix it in Section-Forge!", 16);
    if (f->has_negative)
        MACIBM_alert(0, "I have found a NEGATIVE DRAG for this aifoil:", name.c_str(), "It is corrupt!",
                     "Throw it away or fix it in Section-Forge!", 16);
}

void lin_scan(const std::string& path)
{
    (void)path;   // a line end is no scanning error, so there is nothing to report
    if (!inf) return;
    int c = fgetc(inf);
    while (c != EOF && c != '\n' && c != '\r' && !(x_eln && c == (unsigned char)x_eln)) c = fgetc(inf);
    if (c == '\r') {
        c = fgetc(inf);
        if (c != '\n' && c != EOF) ungetc(c, inf);
    }
}

const char* partname(int part)
{
    if (part < 0 || part + 820 >= STL_NUM_TEXT) return "";
    return stl.text[820 + part];
}
