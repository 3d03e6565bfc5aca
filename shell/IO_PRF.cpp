// IO_PRF.cpp -- the preference files.
#include "shell/IO_PRF.h"
#include "base/IO_TYPED.h"
#include "base/IO_UTILS.h"
#include "base/alert.h"
#include "base/records.h"
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

static int read_res(const unsigned char* data, long size, const std::string& path)
{
    int opened = inf_open_memory(data, size, 0, PRF_VERSION, 0, path);
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

static int read_editor(const unsigned char* data, long size, const std::string& path)
{
    if (!inf_open_memory(data, size, 21, PRF_VERSION, 0, path)) return 0;
    // About 18 KB: kept off the stack of whatever calls this.
    std::vector<prf_editor_image> img(1);
    prf_editor_image* e = img.data();
    memset(e, 0, sizeof *e);
    editor_fields(e, PRF_READ);
    int whole = inf && !IO_io_short_read();
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
static int write_prefs_stream(FILE* f, void* ctx)
{
    const int kind = *static_cast<const int*>(ctx);
    const int type = kind == PRF_KIND_EDITOR ? 21 : 0;
    const std::string hdr = IO_typed_header(type, PRF_VERSION);
    if (!IO_save_write(f, hdr.data(), (long)hdr.size())) return 0;
    ouf = f;
    ouf_is_bin = ftype_is_bin(type);
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
    ouf = nullptr;   // the safe save owns and closes the file
    return !ferror(f);
}

static int write_prefs_file(int kind, const std::string& path)
{
    IO_make_folders(path);
    if (IO_safe_replace(path, write_prefs_stream, &kind)) return 1;
    const std::string reason = "Reason: " + IO_save_error() + ".";
    MACIBM_alert(0, "I could not save the preferences!", IO_host_path(path).c_str(), reason.c_str(),
                 "The preferences that were there before (if any) are unchanged.", 16);
    return 0;
}

int handle_prefs_to_stream(int kind, FILE* f)
{
    if ((kind != PRF_KIND_RES && kind != PRF_KIND_EDITOR) || !f) return 0;
    return write_prefs_stream(f, &kind);
}

int handle_prefs_bytes(int kind, const unsigned char* data, long size, const std::string& path)
{
    if (kind == PRF_KIND_RES) return read_res(data, size, path);
    if (kind == PRF_KIND_EDITOR) return read_editor(data, size, path);
    return 0;
}

int handle_prefs(int kind, int dir, const std::string& path)
{
    // The other kinds belong to the sibling programs of the installation.
    if (kind != PRF_KIND_RES && kind != PRF_KIND_EDITOR) return 0;
    if (dir == PRF_READ) {
        // A missing or empty file maps to nothing and reads as a file without a header.
        std::string host = path;
        set_dir_chars(&host);
        XMappedFile file(host.c_str(), nullptr);
        return handle_prefs_bytes(kind, file.begin(), file.size(), path);
    }
    if (dir == PRF_WRITE) return write_prefs_file(kind, path);
    return 0;
}
