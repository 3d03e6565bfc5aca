// IO_PRF.cpp -- the preference files and the typed value helpers they are written with.
#include "shell/IO_PRF.h"
#include "shell/IO_TYPED.h"
#include "shell/IO_UTILS.h"
#include "shell/Hl_MNW.h"
#include "model/set_struct.h"
#include "model/acf_struct.h"
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <unistd.h>
#include <vector>

static const int PRF_VERSION = 740;
static const int PRF_NAME_BYTES = 500;      // aircraft name and path fields of the editor file

// Set by a binary read that came up short; the editor file is then ignored as a whole, because
// half a settings image is worse than the defaults.
static int s_short_read;

//=== byte order =============================================================================
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

int eowd(char c)
{
    return c == ' ' || c == '\t' || c == ',' || c == '\r' || c == '\n' || (c != 0 && c == x_eln) || !inf ||
           feof(inf);
}

bool wrd_scan(char* buf, int size, int fixed)
{
    if (buf && size > 0) buf[0] = 0;
    if (!inf || !buf || size <= 0) return false;
    int c = fgetc(inf);
    while (c != EOF && eowd((char)c)) c = fgetc(inf);
    int n = 0;
    while (c != EOF && !eowd((char)c)) {
        if (n < size - 1) buf[n++] = (char)c;
        else if (fixed) break;               // the rest of the word stays for the next read
        c = fgetc(inf);
    }
    buf[n] = 0;
    // The separator (or the first character not taken) belongs to whatever is read next.
    if (c != EOF) ungetc(c, inf);
    return n > 0 && !ferror(inf);
}

// A decimal number token as the C library would read one: sign, digits, point, digits, exponent.
// Returns 0 (and reads nothing more than the token) when the text there is not a number.
static int text_number(double* out)
{
    int c = fgetc(inf);
    while (is_blank(c) || (c != EOF && c != 0 && c == (unsigned char)x_eln)) c = fgetc(inf);
    char tok[64];
    int n = 0, digits = 0, state = 0;        // 0 sign, 1 integer part, 2 fraction, 3 exponent sign, 4 exponent
    for (;; c = fgetc(inf)) {
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
    char* end = nullptr;
    double v = strtod(tok, &end);
    // A number too large for its field is as unusable as no number.
    if (end != tok + n || !std::isfinite(v) || std::fabs(v) > 3.0e38) return 0;
    *out = v;
    return 1;
}

// A failed number read ends the stream; check_scan then reports it under the caller's name.
static void number_failed(void) { IO_inf_close(); }

float flt_scan(const std::string& name)
{
    float v = 0;
    if (inf && inf_is_bin[inf_use]) {
        unsigned char b[4];
        if (fread(b, 1, 4, inf) != 4) number_failed();
        else {
            if (rev_inf_bin) rev_byte_order4(b);
            memcpy(&v, b, 4);
        }
    } else if (inf) {
        double d;
        if (!text_number(&d)) number_failed();
        else v = (float)d;
    }
    check_scan(name);
    return v;
}

double dob_scan(const std::string& name)
{
    double v = 0;
    if (inf && inf_is_bin[inf_use]) {
        unsigned char b[8];
        if (fread(b, 1, 8, inf) != 8) number_failed();
        else {
            if (rev_inf_bin) rev_byte_order8(b);
            memcpy(&v, b, 8);
        }
    } else if (inf) {
        if (!text_number(&v)) number_failed();
    }
    check_scan(name);
    return v;
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

void int_io(int apply, int* var, int dir)
{
    if (dir == PRF_WRITE) {
        if (!ouf) return;
        if (ouf_is_bin) raw_write(var, 4);
        else fprintf(ouf, "%6d", fit_int(*var));
    } else if (dir == PRF_READ) {
        if (inf && inf_is_bin[inf_use]) {
            int v;
            if (raw_read(&v, 4) && apply) *var = v;
        } else {
            int v = int_scan("io");
            if (apply && inf) *var = v;
        }
    }
}

void flt_io(int apply, float* var, int dir)
{
    if (dir == PRF_WRITE) {
        if (!ouf) return;
        if (ouf_is_bin) raw_write(var, 4);
        else fprintf(ouf, "%12.6f", fit_num(*var));
    } else if (dir == PRF_READ) {
        if (inf && inf_is_bin[inf_use]) {
            float v;
            if (raw_read(&v, 4) && apply) *var = v;
        } else {
            float v = flt_scan("io");
            if (apply && inf) *var = v;
        }
    }
}

void dob_io(int apply, double* var, int dir)
{
    if (dir == PRF_WRITE) {
        if (!ouf) return;
        if (ouf_is_bin) raw_write(var, 8);
        else fprintf(ouf, "%12.6f", fit_num(*var));
    } else if (dir == PRF_READ) {
        if (inf && inf_is_bin[inf_use]) {
            double v;
            if (raw_read(&v, 8) && apply) *var = v;
        } else {
            double v = dob_scan("io");
            if (apply && inf) *var = v;
        }
    }
}

void str_io(int apply, char* var, int dir, int size)
{
    if (size <= 0) return;
    if (dir == PRF_WRITE) {
        if (!ouf) return;
        if (ouf_is_bin) raw_write(var, (size_t)size);
        else raw_write(var, strnlen(var, (size_t)size));
    } else if (dir == PRF_READ) {
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

//=== the files ==============================================================================
// Kind 0, in file order.
static void res_fields(int dir)
{
    int_io(1, &mnw.x_res_req, dir);
    int_io(1, &mnw.y_res_req, dir);
    int_io(1, &mnw.col_res_req, dir);
    int_io(1, &mnw.set_res_req, dir);
    int_io(1, &mnw.lang, dir);
    int_io(1, &mnw.keylist_up, dir);
    flt_io(1, &mnw.prd_FM, dir);
    flt_io(1, &mnw.prd_UI, dir);
}

// Kind 1, in file order. Reading fills a copy that is taken over only when complete.
struct prf_editor_image {
    set_struct set;
    char   acf_name[PRF_NAME_BYTES];
    char   acf_path[PRF_NAME_BYTES];
    double dob_x, dob_y, dob_z;
    float  the, psi, phi;
};

static void editor_fields(prf_editor_image* e, int dir)
{
    str_io(1, (char*)&e->set, dir, (int)sizeof e->set);
    str_io(1, e->acf_name, dir, PRF_NAME_BYTES);
    str_io(1, e->acf_path, dir, PRF_NAME_BYTES);
    dob_io(1, &e->dob_x, dir);
    dob_io(1, &e->dob_y, dir);
    dob_io(1, &e->dob_z, dir);
    flt_io(1, &e->the, dir);
    flt_io(1, &e->psi, dir);
    flt_io(1, &e->phi, dir);
}

// Stored names keep every byte, including what follows their NUL; one without any NUL would
// run into the next field wherever it is used as a string, so it loses its last byte instead.
static void keep_terminated(char* s, size_t size)
{
    if (!memchr(s, 0, size)) s[size - 1] = 0;
}

static int read_res(const std::string& path)
{
    int opened = inf_open(path, 0, PRF_VERSION, 0);
    if (opened) {
        res_fields(PRF_READ);
        opened = inf != nullptr;             // a damaged field has been reported and closed the file
    }
    IO_inf_close();
    if (mnw.x_res_req < 1024 || mnw.x_res_req > 9999) mnw.x_res_req = 1024;
    if (mnw.y_res_req < 768 || mnw.y_res_req > 9999) mnw.y_res_req = 768;
    // A language this program does not have is asked for again.
    if (mnw.lang < -1 || mnw.lang > 6) mnw.lang = -1;
    mnw.x_res_now = mnw.x_res_req;
    mnw.y_res_now = mnw.y_res_req;
    mnw.col_res_now = mnw.col_res_req;
    mnw.set_res_now = mnw.set_res_req;
    return opened;
}

static int read_editor(const std::string& path)
{
    if (!inf_open(path, 21, PRF_VERSION, 0)) return 0;
    // About 18 KB: kept off the stack of whatever calls this.
    std::vector<prf_editor_image> img(1);
    prf_editor_image* e = img.data();
    memset(e, 0, sizeof *e);
    s_short_read = 0;
    editor_fields(e, PRF_READ);
    int whole = inf && !s_short_read;
    IO_inf_close();
    if (!whole) return 0;

    set = e->set;
    keep_terminated(set.weapn_name, sizeof set.weapn_name);
    keep_terminated(set.weapn_path, sizeof set.weapn_path);
    static_assert(sizeof veh[0].name == PRF_NAME_BYTES && sizeof veh[0].path == PRF_NAME_BYTES);
    memcpy(veh[0].name, e->acf_name, PRF_NAME_BYTES);
    memcpy(veh[0].path, e->acf_path, PRF_NAME_BYTES);
    keep_terminated(veh[0].name, PRF_NAME_BYTES);
    keep_terminated(veh[0].path, PRF_NAME_BYTES);
    flt[0].dob_x = e->dob_x;
    flt[0].dob_y = e->dob_y;
    flt[0].dob_z = e->dob_z;
    flt[0].the = e->the;
    flt[0].psi = e->psi;
    flt[0].phi = e->phi;
    return 1;
}

// The old file stays until the new one is complete: a full disk or a crash while writing must
// not cost the designer the settings they had.
static int write_prefs_file(int kind, const std::string& path)
{
    const std::string tmp = path + ".tmp";
    IO_make_folders(path);
    if (!ouf_open(tmp, kind == PRF_KIND_EDITOR ? 21 : 0, PRF_VERSION)) return 0;
    if (kind == PRF_KIND_RES) {
        res_fields(PRF_WRITE);
    } else {
        std::vector<prf_editor_image> img(1);
        prf_editor_image* e = img.data();
        e->set = set;
        memcpy(e->acf_name, veh[0].name, PRF_NAME_BYTES);
        memcpy(e->acf_path, veh[0].path, PRF_NAME_BYTES);
        e->dob_x = flt[0].dob_x;
        e->dob_y = flt[0].dob_y;
        e->dob_z = flt[0].dob_z;
        e->the = flt[0].the;
        e->psi = flt[0].psi;
        e->phi = flt[0].phi;
        editor_fields(e, PRF_WRITE);
    }
    // On the disk before it takes the old file's place, or a power cut could leave neither.
    int ok = ouf && fflush(ouf) == 0 && fsync(fileno(ouf)) == 0;
    if (!IO_ouf_close()) ok = 0;
    const std::string host_tmp = IO_host_path(tmp);
    if (ok) ok = rename(host_tmp.c_str(), IO_host_path(path).c_str()) == 0;
    if (!ok) remove(host_tmp.c_str());
    return ok;
}

int handle_prefs(int kind, int dir, const std::string& path)
{
    // The other kinds belong to the sibling programs of the installation.
    if (kind != PRF_KIND_RES && kind != PRF_KIND_EDITOR) return 0;
    if (dir == PRF_READ) return kind == PRF_KIND_RES ? read_res(path) : read_editor(path);
    if (dir == PRF_WRITE) return write_prefs_file(kind, path);
    return 0;
}
