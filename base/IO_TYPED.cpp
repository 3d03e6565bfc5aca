// IO_TYPED.cpp -- typed files: the file-type table, headers, the global streams and their scanners.
#include "base/IO_TYPED.h"
#include "base/alert.h"
#include <algorithm>
#include <charconv>
#include <cctype>
#include <climits>
#include <cstdint>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <vector>
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
// Set by a binary value read that came up short; a reader of a whole image then ignores it as a
// whole, because half a settings image is worse than the defaults. Cleared by inf_open.
static int s_short_read;

//=== file types =============================================================================
// The one table of file types and extensions. set_ext writes the first extension of a type;
// the folder listing recognises the rows marked listed (upper-cased, the last four characters).
struct ftype_row { const char* ext; int type; bool written, listed; };
static const ftype_row s_ftypes[] = {
    {".AFL", 2, true, true},   {".WPN", 3, true, true},   {".ACF", 4, true, true},
    {".OBJ", 5, true, true},   {".SIT", 6, true, true},   {".SMO", 7, true, true},
    {".TXT", 8, true, false},  {".LOG", 8, false, true},  {".FMS", 9, true, true},
    {".GAM", 10, true, true},  {".TRA", 11, true, true},  {".CAR", 12, true, true},
    {".SPA", 13, true, true},  {".REG", 14, true, true},  {".WAV", 15, true, true},
    {".BMP", 16, true, true},  {".PNG", 16, false, true}, {".BMP", 17, true, false},
    {".ENV", 17, false, true}, {".FDR", 20, false, true},
};

static const char* ftype_ext(int type)
{
    for (const ftype_row& r : s_ftypes)
        if (r.type == type && r.written) return r.ext;
    return "";
}

int ftype_of_name(const std::string& name)
{
    if (name.size() < 4) return 0;
    char ext[5];
    for (int k = 0; k < 4; k++) ext[k] = (char)toupper((unsigned char)name[name.size() - 4 + k]);
    ext[4] = 0;
    for (const ftype_row& r : s_ftypes)
        if (r.listed && strcmp(ext, r.ext) == 0) return r.type;
    return 0;
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

// Fresh state for a stream about to be opened as a file of type.
static void inf_begin(int type)
{
    IO_inf_close();
    s_inf_failed = 0;
    s_short_read = 0;
    inf_use = 0;
    inf_is_bin[inf_use] = ftype_is_bin(type);
}

// The header check of a stream just opened, shared by files and bytes in memory so both judge a
// header alike: 1 with the stream on the first data byte, else 0 with the stream closed (or, for
// a wrong version with alert_bad_version, the fatal alert naming path).
static int inf_check_header(const std::string& path, int type, int version, int alert_bad_version)
{
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

int inf_open(const std::string& path_in, int type, int version, int alert_bad_version)
{
    std::string path = path_in;
    set_dir_chars(&path);
    inf_begin(type);
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
    return inf_check_header(path, type, version, alert_bad_version);
}

int inf_open_memory(const unsigned char* data, long size, int type, int version, int alert_bad_version,
                    const std::string& name_for_alerts)
{
    std::string path = name_for_alerts;
    set_dir_chars(&path);
    inf_begin(type);
    if (size < 0 || (size > 0 && !data)) return 0;
    // fmemopen wants a buffer even for nothing; an empty one then reads as an empty file.
    static char s_empty[1];
    inf = fmemopen(size > 0 ? (void*)data : (void*)s_empty, size > 0 ? (size_t)size : 0, "rb");
    if (!inf) return 0;
    return inf_check_header(path, type, version, alert_bad_version);
}

std::string IO_typed_header(int type, int version)
{
    if (ftype_is_bin(type)) {
        // This program always writes little-endian: marker "i", then the version low byte first.
        const uint32_t v = (uint32_t)version;
        const char hdr[5] = {'i', (char)v, (char)(v >> 8), (char)(v >> 16), (char)(v >> 24)};
        return std::string(hdr, 5);
    }
    if (type == 20) return "";
    // Numbers that follow are written in fixed-point notation ("%f"), never exponents.
    const std::string word = (type == 22 || type == 23) ? IO_notice_text : "version";
    return "I\n" + std::to_string(version) + " " + word + "\n";
}

int IO_bin_header_version(const unsigned char* data, long n)
{
    if (!data || n < 5 || (data[0] != 'i' && data[0] != 'a')) return -1;
    const unsigned char* v = data + 1;
    const uint32_t u = data[0] == 'a' ? (uint32_t)v[0] << 24 | (uint32_t)v[1] << 16 | (uint32_t)v[2] << 8 | v[3]
                                      : (uint32_t)v[3] << 24 | (uint32_t)v[2] << 16 | (uint32_t)v[1] << 8 | v[0];
    return (int)u;
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
        const std::string hdr = IO_typed_header(type, version);
        fwrite(hdr.data(), 1, hdr.size(), ouf);
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

int IO_io_short_read(void) { return s_short_read; }

//=== numbers, words and values on the streams =============================================
//--- byte order =============================================================================
void rev_byte_order4(unsigned char* p)
{
    unsigned char t = p[0]; p[0] = p[3]; p[3] = t;
    t = p[1]; p[1] = p[2]; p[2] = t;
}

void rev_byte_order8(unsigned char* p)
{
    for (int i = 0; i < 4; i++) {
        unsigned char t = p[i];
        p[i] = p[7 - i];
        p[7 - i] = t;
    }
}

//=== scanning inf ===========================================================================
static int is_blank(int c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f'; }

static int is_word_sep(char c) { return c == ' ' || c == '\t' || c == ',' || c == '\r' || c == '\n' || (c != 0 && c == x_eln); }

int eowd(char c) { return is_word_sep(c) || !inf || feof(inf); }

// Words and numbers are read a character at a time from the one input stream, which only the
// main thread uses: the stream's lock would cost more than the scanning itself.
static int next_char(void) { return getc_unlocked(inf); }

bool wrd_scan(char* buf, int size, int fixed)
{
    if (buf && size > 0) buf[0] = 0;
    if (!inf || !buf || size <= 0) return false;
    int c = next_char();
    while (c != EOF && is_word_sep((char)c)) c = next_char();
    int n = 0;
    while (c != EOF && !is_word_sep((char)c)) {
        if (n < size - 1) buf[n++] = (char)c;
        else if (fixed) break;               // the rest of the word stays for the next read
        c = next_char();
    }
    buf[n] = 0;
    // The separator (or the first character not taken) belongs to whatever is read next.
    if (c != EOF) ungetc(c, inf);
    return n > 0 && !ferror(inf);
}

// The value of a whole token of decimal text, read the same under every locale (the point is
// always '.'). Not a number: anything left over, no digits, a value that is not finite, or one
// too large for its field, which is as unusable as no number.
static bool number_token(const char* b, const char* e, double* out)
{
    if (b < e && *b == '+' && e - b > 1 && b[1] != '-' && b[1] != '+') b++;
    if (b >= e || !(std::isdigit((unsigned char)*b) || *b == '.' || *b == '-')) return false;
    double v = 0;
    std::from_chars_result r = std::from_chars(b, e, v, std::chars_format::general);
    if (r.ec != std::errc() || r.ptr != e || !std::isfinite(v) || std::fabs(v) > 3.0e38) return false;
    *out = v;
    return true;
}

// A decimal number token as the C library would read one: sign, digits, point, digits, exponent.
// Returns 0 (and reads nothing more than the token) when the text there is not a number.
static int text_number(double* out)
{
    int c = next_char();
    while (is_blank(c) || (c != EOF && c != 0 && c == (unsigned char)x_eln)) c = next_char();
    char tok[64];
    int n = 0, digits = 0, state = 0;        // 0 sign, 1 integer part, 2 fraction, 3 exponent sign, 4 exponent
    for (;; c = next_char()) {
        int take = 0;
        if (c >= '0' && c <= '9') {
            take = 1;
            if (state == 0) state = 1;
            if (state == 3) state = 4;
            if (state < 3) digits++;
        } else if ((c == '+' || c == '-') && (state == 0 || state == 3)) {
            take = 1;
            state = state == 0 ? 1 : 4;
        } else if (c == '.' && state <= 1) {
            take = 1;
            state = 2;
        } else if ((c == 'e' || c == 'E') && state >= 1 && state <= 2 && digits) {
            take = 1;
            state = 3;
        }
        if (!take) break;
        if (n >= (int)sizeof tok - 1) return 0;   // no number of ours is this long
        tok[n++] = (char)c;
    }
    if (c != EOF) ungetc(c, inf);
    tok[n] = 0;
    if (!digits) return 0;
    return number_token(tok, tok + n, out) ? 1 : 0;
}

// A failed number read ends the stream; check_scan then reports it under the caller's name.
static void number_failed(void) { IO_inf_close(); }

// One number: binary streams carry its bytes (reversed for a big-endian file), text streams a
// decimal token.
template <typename T>
static T number_scan(const std::string& name)
{
    T v = 0;
    if (inf && inf_is_bin[inf_use]) {
        unsigned char b[sizeof(T)];
        if (fread(b, 1, sizeof b, inf) != sizeof b) number_failed();
        else {
            if (rev_inf_bin) std::reverse(b, b + sizeof b);
            memcpy(&v, b, sizeof b);
        }
    } else if (inf) {
        double d;
        if (!text_number(&d)) number_failed();
        else v = (T)d;
    }
    check_scan(name);
    return v;
}

float  flt_scan(const std::string& name) { return number_scan<float>(name); }
double dob_scan(const std::string& name) { return number_scan<double>(name); }

int txt_num_scan(double* out)
{
    if (!inf || inf_is_bin[inf_use] || !out) return 0;
    return text_number(out);
}

//=== the typed value helpers ================================================================
// Binary reads take the bytes as they lie: the preferences are only ever read on the machine
// kind that wrote them.
static int raw_read(void* dst, size_t n)
{
    if (!inf || fread(dst, 1, n, inf) != n) {
        s_short_read = 1;
        return 0;
    }
    return 1;
}

static void raw_write(const void* src, size_t n)
{
    if (ouf) fwrite(src, 1, n, ouf);
}

// Text fields follow each other with no separator, so each must start with a blank or a sign:
// integers keep to 5 digits, numbers to 4 digits before the point. Anything wider would run
// into the field before it and make the file unreadable at the next start.
static int fit_int(int v) { return v > 99999 ? 99999 : (v < -99999 ? -99999 : v); }

static double fit_num(double v)
{
    if (!std::isfinite(v)) return 0;
    return v > 9999.999999 ? 9999.999999 : (v < -9999.999999 ? -9999.999999 : v);
}

// One number each way: binary streams carry its raw bytes, text streams a fixed-width field.
template <typename T>
static void number_io(int apply, T* var, int dir, T (*scan)(const std::string&), void (*print)(T))
{
    if (dir == IO_WRITE) {
        if (!ouf) return;
        if (ouf_is_bin) raw_write(var, sizeof *var);
        else print(*var);
    } else if (dir == IO_READ) {
        if (inf && inf_is_bin[inf_use]) {
            T v;
            if (raw_read(&v, sizeof v) && apply) *var = v;
        } else {
            T v = scan("io");
            if (apply && inf) *var = v;
        }
    }
}

static int  scan_int(const std::string& name) { return int_scan(name); }
static void print_int(int v) { fprintf(ouf, "%6d", fit_int(v)); }
static void print_flt(float v) { fprintf(ouf, "%12.6f", fit_num(v)); }
static void print_dob(double v) { fprintf(ouf, "%12.6f", fit_num(v)); }

void int_io(int apply, int* var, int dir) { number_io(apply, var, dir, scan_int, print_int); }
void flt_io(int apply, float* var, int dir) { number_io(apply, var, dir, flt_scan, print_flt); }
void dob_io(int apply, double* var, int dir) { number_io(apply, var, dir, dob_scan, print_dob); }

void str_io(int apply, char* var, int dir, int size)
{
    if (size <= 0) return;
    if (dir == IO_WRITE) {
        if (!ouf) return;
        if (ouf_is_bin) raw_write(var, (size_t)size);
        else raw_write(var, strnlen(var, (size_t)size));
    } else if (dir == IO_READ) {
        std::vector<char> scratch;
        char* dst = var;
        if (!apply) {
            scratch.resize((size_t)size);
            dst = scratch.data();
        }
        if (inf && inf_is_bin[inf_use]) raw_read(dst, (size_t)size);
        else wrd_scan(dst, size, 0);
    }
}


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

int TXT_MAP_num_scan(const unsigned char* MAP_add, int* c_use, int c_max, double* out)
{
    if (!map_ok(MAP_add, c_use, c_max)) return 0;
    const unsigned char* d = MAP_add;
    while (*c_use < c_max && (is_blank(d[*c_use]) || d[*c_use] == 0)) (*c_use)++;
    int start = *c_use;
    while (*c_use < c_max && !is_blank(d[*c_use]) && d[*c_use] != 0 && d[*c_use] != ',') (*c_use)++;
    int end = *c_use;
    if (*c_use < c_max && d[*c_use] == ',') (*c_use)++;
    return end > start && number_token((const char*)d + start, (const char*)d + end, out) ? 1 : 0;
}

void TXT_MAP_finish_line(const unsigned char* MAP_add, int* c_use, int c_max)
{
    if (!map_ok(MAP_add, c_use, c_max)) return;
    while (*c_use < c_max && TXT_MAP_eoln(MAP_add, *c_use)) (*c_use)++;
}

void IO_typed_reset(void)
{
    IO_inf_close();
    if (ouf) fclose(ouf);
    ouf = nullptr;
    ouf_is_bin = 0;
    inf_is_bin[0] = 0;
    inf_use = 0;
    x_eln = '\n';
    extra_char_eoln = 0;
    s_inf_failed = 0;
    s_short_read = 0;
}
