// IO_UTILS.cpp -- paths, the safe save, memory-mapped files and their scanners.
#include "base/IO_UTILS.h"
#include "base/IO_TYPED.h"
#include "base/alert.h"
#include <cstdlib>
#include <cctype>
#include <climits>
#include <cerrno>
#include <strings.h>
#include <mutex>
#include <vector>
#include <cstring>
#include <dirent.h>
#include <signal.h>
#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

int lo_case_strcmp_len(const char* a, const char* b, int len)
{
    for (int i = 0; i < len; i++) {
        int ca = tolower((unsigned char)a[i]), cb = tolower((unsigned char)b[i]);
        if (ca != cb) return ca < cb ? -1 : 1;
        if (!ca) return 0;
    }
    return 0;
}

// Paths are spelt with ':', '/' or both (the program folder is a host path), and folder
// names may differ in case from how the program writes them.
int IO_path_starts_with(const std::string& path, const std::string& start)
{
    if (path.size() < start.size()) return 0;
    for (size_t k = 0; k < start.size(); k++) {
        char a = path[k], b = start[k];
        if (is_a_dir_char(a) && is_a_dir_char(b)) continue;
        if (tolower((unsigned char)a) != tolower((unsigned char)b)) return 0;
    }
    return 1;
}

static bool path_exists(const std::string& p)
{
    struct stat st;
    return lstat(p.c_str(), &st) == 0;
}

// The last folder searched for a name in another case, as long as it is unchanged: a run over
// a folder of many aircraft looks there for each one's missing cockpit object, and reading the
// whole folder for each would make the run grow with the square of its size. The start decodes
// pictures on worker threads while the main thread opens its own files, and a missing file
// sends both here: the lock keeps one thread's folder from being read while another refills it.
static std::mutex s_case_lock;
static struct {
    std::string dir;
    dev_t dev;
    ino_t ino;
    timespec mtime;
    std::vector<std::string> names;
} s_case_dir;

// The name in folder dir that equals name ignoring case, or name itself when there is none.
static std::string match_case(const std::string& dir_in, const std::string& name)
{
    const std::string dir = dir_in.empty() ? "/" : dir_in;
    struct stat st;
    if (stat(dir.c_str(), &st) != 0) return name;
    std::lock_guard<std::mutex> hold(s_case_lock);
    if (dir != s_case_dir.dir || st.st_dev != s_case_dir.dev || st.st_ino != s_case_dir.ino ||
        st.st_mtim.tv_sec != s_case_dir.mtime.tv_sec || st.st_mtim.tv_nsec != s_case_dir.mtime.tv_nsec) {
        DIR* d = opendir(dir.c_str());
        if (!d) return name;
        s_case_dir.names.clear();
        while (dirent* e = readdir(d)) s_case_dir.names.push_back(e->d_name);
        closedir(d);
        s_case_dir.dir = dir;
        s_case_dir.dev = st.st_dev;
        s_case_dir.ino = st.st_ino;
        s_case_dir.mtime = st.st_mtim;
    }
    for (const std::string& n : s_case_dir.names)
        if (strcasecmp(n.c_str(), name.c_str()) == 0) return n;
    return name;
}

std::string IO_host_path(const std::string& path)
{
    std::string p = path;
    for (char& c : p) if (c == ':' || c == '\\') c = '/';
    if (p.empty() || path_exists(p)) return p;
    // Keep the exact spelling of each component where it exists, otherwise take the first entry
    // of its folder that differs only in case; a component with no match at all is kept as given
    // (a file about to be created).
    const bool absolute = p[0] == '/';
    std::string cur;
    size_t i = 0;
    while (i < p.size()) {
        size_t j = p.find('/', i);
        if (j == std::string::npos) j = p.size();
        if (j > i) {
            std::string comp = p.substr(i, j - i);
            std::string prefix = cur.empty() ? (absolute ? "/" : "") : cur + "/";
            std::string cand = prefix + comp;
            if (!path_exists(cand)) {
                std::string dir = cur.empty() ? (absolute ? "/" : ".") : cur;
                cand = prefix + match_case(dir, comp);
            }
            cur = cand;
        }
        i = j + 1;
    }
    if (p.back() == '/') cur += "/";
    return cur;
}

FILE* IO_fopen(const std::string& path, const char* mode) { return fopen(IO_host_path(path).c_str(), mode); }

int IO_file_exists(const std::string& path)
{
    struct stat st;
    return stat(IO_host_path(path).c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

int IO_make_folders(const std::string& path)
{
    std::string p = IO_host_path(path);
    for (size_t i = 1; i < p.size(); i++) {
        if (p[i] != '/') continue;
        std::string dir = p.substr(0, i);
        if (mkdir(dir.c_str(), 0755) != 0 && errno != EEXIST) return 0;
    }
    return 1;
}

//=== the safe save ==========================================================================
int (*IO_save_fault_hook)(int step, long bytes_done);
static std::string s_save_error;
static long s_save_done;                    // bytes the current save has written

const std::string& IO_save_error(void) { return s_save_error; }

static int save_fault(int step)
{
    if (!IO_save_fault_hook) return 0;
    int e = IO_save_fault_hook(step, s_save_done);
    if (e) errno = e;
    return e;
}

static int save_failed(const char* what)
{
    s_save_error = std::string(what) + ": " + strerror(errno);
    return 0;
}

// The host path the file goes to: host separators and the extension in lower case; a link is
// kept a link, and the file it points at is the one replaced.
static std::string save_host_path(const std::string& path_in)
{
    std::string path = path_in;
    set_dir_chars(&path);
    size_t n = path.size();
    if (n >= 4 && path[n - 4] == '.')
        for (size_t i = n - 3; i < n; i++) path[i] = (char)tolower((unsigned char)path[i]);
    std::string host = IO_host_path(path);
    struct stat st;
    if (lstat(host.c_str(), &st) == 0 && S_ISLNK(st.st_mode)) {
        if (char* real = realpath(host.c_str(), nullptr)) {
            host = real;
            free(real);
        }
    }
    return host;
}

int IO_save_write(FILE* f, const void* data, long len)
{
    const long piece = 128 * 1024;
    const unsigned char* p = static_cast<const unsigned char*>(data);
    for (long at = 0; at < len;) {
        if (save_fault(IO_SAVE_WRITE)) return 0;
        long n = len - at < piece ? len - at : piece;
        if (fwrite(p + at, 1, (size_t)n, f) != (size_t)n || fflush(f) != 0) {
            if (!errno) errno = ENOSPC;
            return 0;
        }
        at += n;
        s_save_done += n;
    }
    return 1;
}

// Temporaries a save killed mid-write left in folder: ours by their name (".NAME.PID-N.tmp"),
// and their process is gone. A running program's temporaries (this one's included) stay.
static void remove_stale_temporaries(const std::string& folder)
{
    DIR* d = opendir(folder.empty() ? "." : folder.c_str());
    if (!d) return;
    while (const dirent* e = readdir(d)) {
        // ".NAME.PID-N.tmp": read backwards from ".tmp" over N, '-', PID and the '.' before it.
        const char* n = e->d_name;
        const size_t len = strlen(n);
        if (len < 10 || n[0] != '.' || strcmp(n + len - 4, ".tmp") != 0) continue;
        size_t i = len - 4;
        while (i > 0 && isdigit((unsigned char)n[i - 1])) i--;
        if (i == len - 4 || i < 2 || n[i - 1] != '-') continue;
        const size_t end = --i;                  // where the '-' is
        while (i > 0 && isdigit((unsigned char)n[i - 1]) && end - i < 9) i--;
        if (i == end || i < 2 || n[i - 1] != '.') continue;
        const long pid = atol(n + i);            // the digits up to the '-'
        if (pid <= 0 || pid == (long)getpid() || kill((pid_t)pid, 0) == 0 || errno != ESRCH) continue;
        unlink((folder + n).c_str());
    }
    closedir(d);
}

int IO_safe_replace(const std::string& path, int (*writer)(FILE* f, void* ctx), void* ctx)
{
    s_save_error.clear();
    s_save_done = 0;
    const std::string target = save_host_path(path);
    const size_t slash = target.rfind('/');
    const std::string folder = slash == std::string::npos ? "" : target.substr(0, slash + 1);
    const std::string base = slash == std::string::npos ? target : target.substr(slash + 1);
    if (base.empty()) {
        errno = EISDIR;
        return save_failed("the path names no file");
    }

    // The temporary lives in the target's own folder, so the final rename never crosses file
    // systems; a leading dot keeps a left-over one (after a crash) out of file listings.
    std::string stem(1, '.');   // built by appending: g++ 12 warns falsely on literal + string here
    stem += base.substr(0, 180);
    stem += '.';
    stem += std::to_string((long)getpid());
    std::string tmp;
    int fd = -1;
    for (int n = 0; n < 100 && fd < 0; n++) {
        tmp = folder + stem + "-" + std::to_string(n) + ".tmp";
        if (save_fault(IO_SAVE_CREATE)) break;
        fd = open(tmp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0 && errno != EEXIST) break;
    }
    if (fd < 0) return save_failed("could not create a file in the folder");

    // A file being replaced keeps its permissions.
    struct stat st;
    if (stat(target.c_str(), &st) == 0 && S_ISREG(st.st_mode)) fchmod(fd, st.st_mode & 07777);
    FILE* f = fdopen(fd, "wb");
    if (!f) {
        int e = errno;
        close(fd);
        unlink(tmp.c_str());
        errno = e;
        return save_failed("could not write the file");
    }

    int ok = 0;
    const char* what = "could not write the file";
    errno = 0;
    do {
        if (!writer(f, ctx) || fflush(f) != 0 || ferror(f)) {
            if (!errno) errno = EIO;
            break;
        }
        what = "could not flush the file to disk";
        if (save_fault(IO_SAVE_SYNC) || fsync(fileno(f)) != 0) break;
        int c = fclose(f);
        f = nullptr;
        if (c != 0) break;
        what = "could not replace the old file";
        if (save_fault(IO_SAVE_RENAME) || rename(tmp.c_str(), target.c_str()) != 0) break;
        ok = 1;
    } while (0);

    if (!ok) {
        int e = errno;
        if (f) fclose(f);
        unlink(tmp.c_str());
        errno = e;
        return save_failed(what);
    }
    remove_stale_temporaries(folder);
    // The rename itself reaches the disk with the folder; the new file is already in place, so a
    // folder that cannot be flushed is no reason to report failure.
    int dfd = open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dfd >= 0) {
        fsync(dfd);
        close(dfd);
    }
    return 1;
}

//=== XMappedFile ============================================================================
XMappedFile::XMappedFile(const char* inFileName, unsigned char** MAP_add)
{
    unsigned char* p = (inFileName && *inFileName) ? retry(inFileName) : nullptr;
    if (MAP_add) *MAP_add = p;
}

XMappedFile::~XMappedFile() { release(); }

void XMappedFile::release()
{
    if (mFileMapping && mMappedSize > 0) munmap(mFileMapping, (size_t)mMappedSize);
    if (mFile >= 0) close(mFile);
    mBegin = mEnd = nullptr;
    mFileMapping = nullptr;
    mMappedSize = 0;
    mFile = -1;
}

unsigned char* XMappedFile::retry(const char* path)
{
    release();
    if (!path || !*path) return nullptr;
    mFile = open(IO_host_path(path).c_str(), O_RDONLY | O_CLOEXEC);
    if (mFile < 0) return nullptr;
    struct stat st;
    if (fstat(mFile, &st) != 0 || !S_ISREG(st.st_mode)) { release(); return nullptr; }
    if (st.st_size == 0) {
        // An empty file maps to nothing; it is open but holds no data.
        return nullptr;
    }
    // The pages of a file of ordinary size are filled in one go: readers go through the whole file
    // at once, and a fault per page costs more than the copy itself. A huge file is left to fault
    // in only what is looked at (its header, mostly).
    const int populate = st.st_size <= (64 << 20) ? MAP_POPULATE : 0;
    void* m = mmap(nullptr, (size_t)st.st_size, PROT_READ, MAP_SHARED | populate, mFile, 0);
    if (m == MAP_FAILED) {
        release();
        MACIBM_alert(0, "Xmapped file ran out of memory", path, "", "", 17);
        return nullptr;
    }
    mFileMapping = m;
    mMappedSize = (long)st.st_size;
    mBegin = (unsigned char*)m;
    mEnd = mBegin + st.st_size;
    return mBegin;
}

//=== typed headers and scanners over mapped files ===========================================
int rev_inf_bin;
std::string IO_notice_text;

int str_to_int(const std::string& s)
{
    long long v = 0;
    for (char c : s) {
        if (c == '+' || c == '-') continue;
        if (c < '0' || c > '9') return -1;
        if (v < INT_MAX) v = v * 10 + (c - '0');
    }
    return v > INT_MAX ? INT_MAX : (int)v;
}

static int hdr_map_eol(unsigned char c) { return c == '\r' || c == '\n'; }

// Move *c_use past the rest of the line and the terminators that follow it.
static void hdr_map_skip_line(const unsigned char* d, int* c_use, int c_max)
{
    while (*c_use < c_max && !hdr_map_eol(d[*c_use])) (*c_use)++;
    while (*c_use < c_max && hdr_map_eol(d[*c_use])) (*c_use)++;
}

int MAP_check_file(int ftype, XMappedFile* MAP_file, unsigned char* MAP_add, int* c_use, int* c_max,
                   const char* req_version_str)
{
    if (!MAP_file || !MAP_file->ok()) {
        *c_use = *c_max = 0;
        return 0;
    }
    return MAP_check_bytes(ftype, MAP_add, MAP_file->size(), c_use, c_max, req_version_str);
}

int MAP_check_bytes(int ftype, const unsigned char* data, long size, int* c_use, int* c_max,
                    const char* req_version_str)
{
    *c_use = *c_max = 0;
    if (!data || size <= 0 || size > INT_MAX) return 0;
    const char* req = req_version_str ? req_version_str : "";
    *c_max = (int)size;
    if (strncmp(req, "NOT AERODECK", 12) == 0) return 1;

    const int binary = ftype == 3 || ftype == 4 || ftype == 11 || ftype == 12 || ftype == 13 ||
                       ftype == 16 || ftype == 17 || ftype == 21;
    const unsigned char* d = data;
    if (binary) {
        if (*c_max < 5) return 0;
        unsigned char mark = BIN_MAP_chr_scan(d, c_use, *c_max);
        if (mark != 'a' && mark != 'i') return 0;
        rev_inf_bin = mark == 'a';
        return (int)BIN_MAP_int_scan(d, c_use, *c_max) == str_to_int(req);
    }
    if (d[0] != 'A' && d[0] != 'I') return 0;
    hdr_map_skip_line(d, c_use, *c_max);
    // The first three characters of the version; a shorter version must end where the file's
    // number ends.
    for (int i = 0; i < 3; i++) {
        const int at = *c_use + i;
        const unsigned char f = at < *c_max ? d[at] : 0;
        if (i >= (int)strlen(req)) {
            if (f >= '0' && f <= '9') return 0;
            break;
        }
        if (f != (unsigned char)req[i]) return 0;
    }
    if (ftype == 22 || ftype == 23) {
        // The number, one space, then the notice up to the end of the line.
        while (*c_use < *c_max && d[*c_use] != ' ' && !hdr_map_eol(d[*c_use])) (*c_use)++;
        if (*c_use < *c_max && d[*c_use] == ' ') (*c_use)++;
        int start = *c_use;
        while (*c_use < *c_max && !hdr_map_eol(d[*c_use])) (*c_use)++;
        IO_notice_text.assign((const char*)d + start, (size_t)(*c_use - start));
    }
    hdr_map_skip_line(d, c_use, *c_max);
    return 1;
}

// n bytes at *c_use in the file's byte order, or 0 (and the position at the end) when fewer remain.
static unsigned int hdr_map_take(const unsigned char* d, int* c_use, int c_max, int n)
{
    if (!d || *c_use < 0 || *c_use > c_max - n) {
        *c_use = c_max;
        return 0;
    }
    unsigned int v = 0;
    const unsigned char* p = d + *c_use;
    for (int i = 0; i < n; i++) {
        int k = rev_inf_bin ? i : n - 1 - i;     // most significant byte first
        v = (v << 8) | p[k];
    }
    *c_use += n;
    return v;
}

unsigned char BIN_MAP_chr_scan(const unsigned char* MAP_add, int* c_use, int c_max)
{
    return (unsigned char)hdr_map_take(MAP_add, c_use, c_max, 1);
}

unsigned short BIN_MAP_shr_scan(const unsigned char* MAP_add, int* c_use, int c_max)
{
    return (unsigned short)hdr_map_take(MAP_add, c_use, c_max, 2);
}

unsigned int BIN_MAP_int_scan(const unsigned char* MAP_add, int* c_use, int c_max)
{
    return hdr_map_take(MAP_add, c_use, c_max, 4);
}

int BIN_MAP_lon_scan(const unsigned char* MAP_add, int* c_use, int c_max)
{
    return (int)hdr_map_take(MAP_add, c_use, c_max, 4);
}

void IO_utils_reset(void)
{
    IO_save_fault_hook = nullptr;
    s_save_error.clear();
    s_save_done = 0;
    rev_inf_bin = 0;
    IO_notice_text.clear();
    s_case_dir.dir.clear();
    s_case_dir.names.clear();
}
