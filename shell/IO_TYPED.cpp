// IO_TYPED.cpp -- typed files: the file-type table, headers, the global streams and their scanners.
#include "shell/IO_TYPED.h"
#include "shell/Hl_MNW.h"
#include <cctype>
#include <climits>
#include <cstdint>
#include <cstring>
#include <sys/stat.h>

FILE* inf;
int   inf_is_bin[1];
int   inf_use;
char  x_eln = '\n';
int   extra_char_eoln;
FILE* ouf;
int   ouf_is_bin;

// Set by the first scan of inf that fails (no number where one belongs, a short read, nothing
// left to read); it stays set until the next inf_open, so a caller may scan a whole record and
// ask check_scan once.
static int s_inf_failed;

//=== file types =============================================================================
static const char* ftype_ext(int type)
{
    static const char* const ext[] = {
        "",     "",     ".AFL", ".WPN", ".ACF", ".OBJ", ".SIT", ".SMO", ".TXT", ".FMS", ".GAM",
        ".TRA", ".CAR", ".SPA", ".REG", ".WAV", ".BMP", ".BMP"};
    if (type < 0 || type >= (int)(sizeof ext / sizeof ext[0])) return "";
    return ext[type];
}

int ftype_is_bin(int type)
{
    return type == 3 || type == 4 || type == 11 || type == 12 || type == 13 || type == 16 || type == 17 ||
           type == 21;
}

int nuke_ext(std::string* name)
{
    if (!name || name->size() <= 4) return 0;
    name->resize(name->size() - 4);
    return 1;
}

void set_ext(std::string* name, int type)
{
    if (!name) return;
    nuke_ext(name);
    *name += ftype_ext(type);
}

//=== paths ==================================================================================
int is_a_dir_char(char c) { return c == '\\' || c == ':' || c == '/'; }

void get_path_with_path(std::string* out, const std::string& in)
{
    if (!out) return;
    for (size_t i = in.size(); i-- > 1;) {
        if (is_a_dir_char(in[i])) {
            *out = in.substr(0, i + 1);
            return;
        }
    }
    *out = in.substr(0, 1);
}

void set_dir_chars(char* path)
{
    if (!path) return;
    // The first two characters may be a drive letter and its colon; they are never separators.
    size_t n = strlen(path);
    for (size_t i = 2; i < n; i++)
        if (is_a_dir_char(path[i])) path[i] = '/';
}

void set_dir_chars(std::string* path)
{
    if (!path) return;
    for (size_t i = 2; i < path->size(); i++)
        if (is_a_dir_char((*path)[i])) (*path)[i] = '/';
}

//=== low-level reading of inf ===============================================================
static int inf_get(void) { return inf ? fgetc(inf) : EOF; }

static void inf_unget(int c)
{
    if (inf && c != EOF) ungetc(c, inf);
}

static int is_term(int c) { return c == '\r' || c == '\n' || (c == (unsigned char)x_eln && c != 0); }

// After the terminator t of a line: a file with two-character line ends has its second character
// skipped, either because the reader was told so (extra_char_eoln) or because it is the line feed
// of a CR LF pair.
static void inf_finish_eol(int t)
{
    if (t == EOF) return;
    if (extra_char_eoln) {
        inf_get();
        return;
    }
    if (t == '\r') {
        int c = inf_get();
        if (c != '\n') inf_unget(c);
    }
}

// The rest of the current line: blanks skipped first when asked, at most keep characters kept,
// the terminator (or, with stop_at_comma, a comma) consumed. 0 when the file had already ended.
static int inf_read_rest(std::string* out, size_t keep, int skip_blanks, int stop_at_comma)
{
    out->clear();
    int c = inf_get();
    if (c == EOF) return 0;
    if (skip_blanks)
        while (c == ' ' || c == '\t') c = inf_get();
    while (c != EOF && !is_term(c) && !(stop_at_comma && c == ',')) {
        if (out->size() < keep) out->push_back((char)c);
        c = inf_get();
    }
    if (c != ',') inf_finish_eol(c);
    return 1;
}

//=== opening and closing ====================================================================
void IO_inf_close(void)
{
    if (inf) fclose(inf);
    inf = nullptr;
}

int IO_ouf_close(void)
{
    if (!ouf) return 0;
    int ok = !ferror(ouf);
    if (fclose(ouf) != 0) ok = 0;
    ouf = nullptr;
    return ok;
}

int inf_open(const std::string& path_in, int type, int version, int alert_bad_version)
{
    std::string path = path_in;
    set_dir_chars(&path);
    IO_inf_close();
    s_inf_failed = 0;
    inf_use = 0;
    inf_is_bin[inf_use] = ftype_is_bin(type);
    // Text files are read byte for byte as well: line ends of every kind are handled here, not
    // by the C library.
    inf = IO_fopen(path, "rb");
    if (!inf) return 0;
    // A folder opens like a file here but has nothing to read.
    struct stat st;
    if (fstat(fileno(inf), &st) != 0 || !S_ISREG(st.st_mode)) {
        IO_inf_close();
        return 0;
    }
    if (type == 20) return 1;

    int marker = inf_get();
    if (inf_is_bin[inf_use]) {
        if (marker != 'a' && marker != 'i') {
            IO_inf_close();
            return 0;
        }
    } else {
        int t = inf_get();
        // A marker that is not followed by a line end is not a header either.
        if ((marker != 'A' && marker != 'I') || (t != '\r' && t != '\n')) {
            IO_inf_close();
            return 0;
        }
        x_eln = (char)t;
        if (t == '\r') {
            int c = inf_get();
            if (c != '\n') inf_unget(c);
        }
    }
    extra_char_eoln = 0;
    if (marker == 'a') rev_inf_bin = 1;
    if (marker == 'i') rev_inf_bin = 0;

    if (version > 0) {
        int file_version = int_scan(path);
        if (!inf) return 0;                    // the scan failed and the stream is gone
        if (file_version != version) {
            IO_inf_close();
            if (!alert_bad_version) return 0;
            MACIBM_alert(0, "The following file is the wrong version for this version of Skyvane:", path.c_str(),
                         "Throw that file away.",
                         "You may have to re-install Skyvane from the CD into a new folder, and throw away this "
                         "folder, if you cannot update or delete this file.",
                         17);
            return 0;
        }
        if (!inf_is_bin[inf_use]) {
            std::string rest;
            inf_read_rest(&rest, 500, 0, 0);
            if (type == 22 || type == 23) {
                // The number, one space, then the notice.
                if (!rest.empty() && rest[0] == ' ') rest.erase(0, 1);
                IO_notice_text = rest;
            }
        }
    }
    if (s_inf_failed || ferror(inf)) {
        IO_inf_close();
        return 0;
    }
    return 1;
}

int ouf_open(const std::string& path_in, int type, int version)
{
    std::string path = path_in;
    set_dir_chars(&path);
    // Files are written with lower-case extensions whatever case the name was given in.
    size_t n = path.size();
    if (n >= 4 && path[n - 4] == '.')
        for (size_t i = n - 3; i < n; i++) path[i] = (char)tolower((unsigned char)path[i]);
    IO_ouf_close();

    ouf_is_bin = ftype_is_bin(type);
    ouf = IO_fopen(path, "wb");
    if (ouf) {
        if (ouf_is_bin) {
            // This program always writes little-endian: marker "i", then the version low byte first.
            uint32_t v = (uint32_t)version;
            unsigned char hdr[5] = {'i', (unsigned char)v, (unsigned char)(v >> 8), (unsigned char)(v >> 16),
                                    (unsigned char)(v >> 24)};
            fwrite(hdr, 1, sizeof hdr, ouf);
        } else if (type != 20) {
            // Numbers that follow are written in fixed-point notation ("%f"), never exponents.
            const char* word = (type == 22 || type == 23) ? IO_notice_text.c_str() : "version";
            fprintf(ouf, "I\n%d %s\n", version, word);
        }
        if (ferror(ouf)) {
            fclose(ouf);
            ouf = nullptr;
        }
    }
    if (!ouf) {
        MACIBM_alert(0,
                     "I could not save the file! Could the directory that the file sits in be missing? Or flagged as "
                     "READ-ONLY by the operating system? (Windows machines typically do this).",
                     path.c_str(),
                     "Could the file be flagged as read-only? This happens in Windows if you copy it from a CD!",
                     "Try putting this app in the background and then flag the file as NOT read-only, or creating the "
                     "folder listed in the path above.",
                     16);
        return 0;
    }
    return 1;
}

//=== scanning inf ===========================================================================
int check_scan(const std::string& fname)
{
    if (inf && !s_inf_failed && !ferror(inf)) return 1;
    s_inf_failed = 1;
    IO_inf_close();
    if (fname == "prefs" || fname == "checklist") return 0;   // these callers fall back to defaults
    MACIBM_alert(0, "File-scanning error!", "", "file:", fname.c_str(), 17);
    return 0;
}

// A decimal token: blanks and line ends skipped, an optional sign, at least one digit.
static int inf_text_int(void)
{
    int c = inf_get();
    while (c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f') c = inf_get();
    int neg = 0;
    if (c == '+' || c == '-') {
        neg = c == '-';
        c = inf_get();
    }
    if (c < '0' || c > '9') {
        inf_unget(c);
        s_inf_failed = 1;
        return 0;
    }
    long long v = 0;
    while (c >= '0' && c <= '9') {
        if (v <= (long long)INT_MAX + 1) v = v * 10 + (c - '0');
        c = inf_get();
    }
    inf_unget(c);
    if (neg) v = -v;
    if (v > INT_MAX || v < INT_MIN) {
        s_inf_failed = 1;
        return 0;
    }
    return (int)v;
}

static int inf_bin_int(void)
{
    unsigned char b[4];
    if (!inf || fread(b, 1, 4, inf) != 4) {
        s_inf_failed = 1;
        return 0;
    }
    uint32_t v = rev_inf_bin ? ((uint32_t)b[0] << 24 | (uint32_t)b[1] << 16 | (uint32_t)b[2] << 8 | b[3])
                             : ((uint32_t)b[3] << 24 | (uint32_t)b[2] << 16 | (uint32_t)b[1] << 8 | b[0]);
    return (int)v;
}

int int_scan(const std::string& fname)
{
    int v = 0;
    if (!inf) s_inf_failed = 1;
    else v = inf_is_bin[inf_use] ? inf_bin_int() : inf_text_int();
    check_scan(fname);
    return v;
}

void str_scan(char* buf, int max_len, int stop_at_comma)
{
    if (!buf || max_len <= 0) return;
    if (inf_is_bin[inf_use]) {
        size_t got = inf ? fread(buf, 1, (size_t)max_len, inf) : 0;
        if (got != (size_t)max_len) {
            memset(buf + got, 0, (size_t)max_len - got);
            s_inf_failed = 1;
        }
        return;
    }
    std::string s;
    if (!inf_read_rest(&s, (size_t)max_len - 1, 1, stop_at_comma)) s_inf_failed = 1;
    memcpy(buf, s.data(), s.size());
    buf[s.size()] = 0;
}

void str_scan_to_EOL(std::string* out)
{
    char buf[501] = {};
    // A text line keeps up to 500 characters and its NUL; binary data gets no NUL of its own.
    str_scan(buf, inf_is_bin[inf_use] ? 500 : 501, 0);
    if (out) *out = buf;
}

int eoln(char c) { return is_term((unsigned char)c) || !inf || feof(inf); }

//=== text scanners over memory ==============================================================
int TXT_MAP_eoln(const unsigned char* data, int i) { return data[i] == 0 || data[i] == '\r' || data[i] == '\n'; }

// A read position outside the data reads nothing.
static int map_ok(const unsigned char* MAP_add, int* c_use, int c_max)
{
    if (!MAP_add || !c_use || c_max <= 0) return 0;
    if (*c_use < 0 || *c_use > c_max) *c_use = c_max;
    return 1;
}

static void map_skip_blanks(const unsigned char* d, int* c_use, int c_max)
{
    while (*c_use < c_max && (d[*c_use] == ' ' || d[*c_use] == '\t')) (*c_use)++;
}

int TXT_MAP_str_scan_space(const unsigned char* MAP_add, int* c_use, int c_max, std::string* out)
{
    if (out) out->clear();
    if (!map_ok(MAP_add, c_use, c_max)) return 0;
    map_skip_blanks(MAP_add, c_use, c_max);
    int start = *c_use;
    while (*c_use < c_max && MAP_add[*c_use] != ' ' && MAP_add[*c_use] != '\t' && !TXT_MAP_eoln(MAP_add, *c_use))
        (*c_use)++;
    if (out) out->assign((const char*)MAP_add + start, (size_t)(*c_use - start));
    return *c_use - start;
}

int TXT_MAP_str_scan_eoln(const unsigned char* MAP_add, int* c_use, int c_max, std::string* out)
{
    if (out) out->clear();
    if (!map_ok(MAP_add, c_use, c_max)) return 0;
    map_skip_blanks(MAP_add, c_use, c_max);
    int start = *c_use;
    while (*c_use < c_max && !TXT_MAP_eoln(MAP_add, *c_use)) (*c_use)++;
    int n = *c_use - start;
    if (out) out->assign((const char*)MAP_add + start, (size_t)n);
    TXT_MAP_finish_line(MAP_add, c_use, c_max);
    return n;
}

void TXT_MAP_finish_line(const unsigned char* MAP_add, int* c_use, int c_max)
{
    if (!map_ok(MAP_add, c_use, c_max)) return;
    while (*c_use < c_max && TXT_MAP_eoln(MAP_add, *c_use)) (*c_use)++;
}
