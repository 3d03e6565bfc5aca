// IO_UTILS.cpp -- paths, typed files and memory-mapped files.
#include "shell/IO_UTILS.h"
#include "shell/Hl_MNW.h"
#include <cctype>
#include <cerrno>
#include <strings.h>
#include <cstring>
#include <dirent.h>
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

static bool path_exists(const std::string& p)
{
    struct stat st;
    return lstat(p.c_str(), &st) == 0;
}

// The name in folder dir that equals name ignoring case, or name itself when there is none.
static std::string match_case(const std::string& dir, const std::string& name)
{
    DIR* d = opendir(dir.empty() ? "/" : dir.c_str());
    if (!d) return name;
    std::string found = name;
    while (dirent* e = readdir(d)) {
        if (strcasecmp(e->d_name, name.c_str()) == 0) { found = e->d_name; break; }
    }
    closedir(d);
    return found;
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
    void* m = mmap(nullptr, (size_t)st.st_size, PROT_READ, MAP_SHARED, mFile, 0);
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
#include <climits>

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
    *c_use = *c_max = 0;
    if (!MAP_add || !MAP_file || !MAP_file->ok() || MAP_file->size() <= 0) return 0;
    if (MAP_file->size() > INT_MAX) return 0;
    const char* req = req_version_str ? req_version_str : "";
    *c_max = (int)MAP_file->size();
    if (strncmp(req, "NOT AERODECK", 12) == 0) return 1;

    const int binary = ftype == 3 || ftype == 4 || ftype == 11 || ftype == 12 || ftype == 13 ||
                       ftype == 16 || ftype == 17 || ftype == 21;
    const unsigned char* d = MAP_add;
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
