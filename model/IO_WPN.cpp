// IO_WPN.cpp -- weapon files: the typed header (type 3, version 1), the weapon record's image and
// the weapon's body grid, read into and saved from a weapon slot of an aircraft record in either
// byte order; where a named weapon file is found.
#include "model/IO_ACF.h"
#include "model/acf_struct.h"
#include "model/set_struct.h"
#include "base/alert.h"
#include "base/common.h"
#include "base/hl_string.h"
#include "base/HL_MATH_FUN.h"
#include "base/IO_TYPED.h"
#include "base/IO_UTILS.h"
#include "base/records.h"
#include <cctype>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <memory>
#include <type_traits>
#include <vector>

static const int WPN_FILE_TYPE = 3;
static const int WPN_VERSION = 1;
static const int WPN_HEADER_BYTES = 5;

// What follows the header: the record, the body radius and the three 20 x 18 body arrays.
namespace {
struct wpn_file_body {
    wpn_struct w;
    float r;
    float X[ACF_BODY_STATIONS][ACF_BODY_POINTS];
    float Y[ACF_BODY_STATIONS][ACF_BODY_POINTS];
    float Z[ACF_BODY_STATIONS][ACF_BODY_POINTS];
};
}  // namespace
static_assert(sizeof(wpn_file_body) == WPN_IMAGE_BYTES + 4 + 3 * 1440, "a weapon file holds 13,880 bytes after its header");
static_assert(std::is_same_v<decltype(veh_struct::body_X[0]), float(&)[ACF_BODY_STATIONS][ACF_BODY_POINTS]>);
const long WPN_FILE_BYTES = WPN_HEADER_BYTES + (long)sizeof(wpn_file_body);

//=== byte order =============================================================================
// Every word is reversed except those of the character fields, which keep their stored order.
static bool wpn_word_is_char(int word)
{
    const int b = 4 * word;
    return (b >= (int)offsetof(wpn_struct, mis_afl) && b < (int)(offsetof(wpn_struct, mis_afl) + sizeof(wpn_struct::mis_afl))) ||
           (b >= (int)offsetof(wpn_struct, xchr_overflow) && b < WPN_IMAGE_BYTES);
}
static_assert(offsetof(wpn_struct, mis_afl) % 4 == 0 && sizeof(wpn_struct::mis_afl) % 4 == 0 &&
              offsetof(wpn_struct, xchr_overflow) % 4 == 0 && sizeof(wpn_file_body) % 4 == 0);

static void wpn_reverse(wpn_file_body* body)
{
    unsigned char* b = reinterpret_cast<unsigned char*>(body);
    for (int word = 0; word < (int)sizeof *body / 4; word++) {
        if (wpn_word_is_char(word)) continue;
        uint32_t v;
        memcpy(&v, b + 4 * word, 4);
        v = __builtin_bswap32(v);
        memcpy(b + 4 * word, &v, 4);
    }
}

//=== names ==================================================================================
// A weapon name is a file in the Weapons folder, or in a folder below it: never a way out of it
// (a ".." step) nor a path of its own (a leading separator or a drive).
int IO_wpn_name_ok(const std::string& name)
{
    const bool drive = name.size() > 2 && isalpha((unsigned char)name[0]) && name[1] == ':' && is_a_dir_char(name[2]);
    if (name.empty() || is_a_dir_char(name[0]) || drive) return 0;
    size_t start = 0;
    for (size_t i = 0; i <= name.size(); i++) {
        if (i < name.size() && !is_a_dir_char(name[i])) continue;
        if (name.compare(start, i - start, "..") == 0 && i - start == 2) return 0;
        start = i + 1;
    }
    return 1;
}

// Up to max bytes from the start of the file at path into buf: how many, or -1 when it does not
// open. A plain read: a weapon file is small, and mapping it would cost more than reading it.
static long wpn_file_bytes(const std::string& path, unsigned char* buf, long max)
{
    FILE* f = fopen(IO_host_path(path).c_str(), "rb");
    if (!f) return -1;
    const long n = (long)fread(buf, 1, (size_t)max, f);
    fclose(f);
    return n;
}

// The bytes begin with a weapon file's header (type 3, version 1); only a look, so the byte
// order of any read under way stays.
static int wpn_header_ok(const unsigned char* b, long n)
{
    int c_use, c_max;
    const int rev = rev_inf_bin;
    const int ok = n > 0 && MAP_check_bytes(WPN_FILE_TYPE, b, n, &c_use, &c_max, "1");
    rev_inf_bin = rev;
    return ok;
}

// The aircraft's own weapons folder's file of that name.
static std::string wpn_own_path(int p, const std::string& name)
{
    std::string local;
    get_path_with_path(&local, STR_of(veh[p].path));
    local += "weapons";
    local += "\\";
    local += name;
    return local;
}

void get_wpn_path(int p, const std::string& name, std::string* path)
{
    if (!path) return;
    if (!IO_wpn_name_ok(name)) {
        path->clear();
        return;
    }
    if (p >= 0 && p < ACF_RECORDS) {
        const std::string local = wpn_own_path(p, name);
        unsigned char head[WPN_HEADER_BYTES];
        if (wpn_header_ok(head, wpn_file_bytes(local, head, WPN_HEADER_BYTES))) {
            *path = local;
            return;
        }
    }
    *path = wpn_path + name;
}

//=== reading ================================================================================
// Values that are drawn or edited: a damaged file must not bring a NaN to the drawing.
static void wpn_make_drawable(wpn_file_body* b)
{
    auto fix = [](float& f) {
        if (check_nan(f)) f = 0;
    };
    wpn_struct& w = b->w;
    for (float* f : {&w.x_wpn_att, &w.y_wpn_att, &w.z_wpn_att, &w.cgY, &w.cgZ}) fix(*f);
    for (int f = 0; f < WPN_FIN_SETS; f++) {
        for (float* v : {&w.mis_fin_z[f], &w.mis_fin_cr[f], &w.mis_fin_ct[f], &w.mis_fin_semilen[f], &w.mis_fin_sweep[f],
                         &w.mis_fin_dihed[f][0], &w.mis_fin_dihed[f][1]})
            fix(*v);
        w.mis_afl[f][sizeof w.mis_afl[f] - 1] = 0;
    }
    if (check_nan(b->r)) b->r = 0;
    for (auto* grid : {&b->X, &b->Y, &b->Z})
        for (auto& station : *grid)
            for (float& v : station) fix(v);
}

static void wpn_derive(wpn_struct& w)
{
    w.action_mode = 0;
    w.free_flyer = intrange(w.type, 1, 4) ? 0 : 1;
}

static void wpn_alert(const char* what, const std::string& path, const char* detail)
{
    MACIBM_alert(0, what, IO_host_path(path).c_str(), detail, "The weapon was not loaded.", 16);
}

int IO_wpn_image(int p, int en, const unsigned char* data, long size, const std::string& path)
{
    if (p < 0 || p >= ACF_RECORDS || en < 0 || en >= ACF_WPN_SLOTS) return 0;
    int c_use = 0, c_max = 0;
    if (!data || !MAP_check_bytes(WPN_FILE_TYPE, data, size, &c_use, &c_max, "1")) {
        wpn_alert("This is not a weapon file I can read: it is damaged or of another version!", path,
                  "A weapon file starts with the letter i or a and version 1.");
        return 0;
    }
    if (size < WPN_FILE_BYTES) {
        const std::string held = "It holds " + std::to_string(size) + " of the " + std::to_string(WPN_FILE_BYTES) + " bytes a weapon needs.";
        wpn_alert("This weapon file is shorter than it should be!", path, held.c_str());
        return 0;
    }
    std::unique_ptr<wpn_file_body> b(new wpn_file_body);
    memcpy(b.get(), data + WPN_HEADER_BYTES, sizeof *b);
    if (rev_inf_bin) wpn_reverse(b.get());
    wpn_make_drawable(b.get());

    veh_struct& v = veh[p];
    v.wpn[en] = b->w;
    wpn_derive(v.wpn[en]);
    v.body_r[en] = b->r;
    memcpy(v.body_X[en], b->X, sizeof b->X);
    memcpy(v.body_Y[en], b->Y, sizeof b->Y);
    memcpy(v.body_Z[en], b->Z, sizeof b->Z);
    return 1;
}

// The file at path, or with find_by_name the weapon called name where get_wpn_path finds it,
// each file opened once.
static int wpn_read(int p, int en, const std::string& name, std::string path, int find_by_name)
{
    std::vector<unsigned char> buf(WPN_FILE_BYTES);
    long n = -1;
    if (find_by_name) {
        path = wpn_own_path(p, name);
        n = wpn_file_bytes(path, buf.data(), WPN_FILE_BYTES);
        if (!wpn_header_ok(buf.data(), n)) {
            path = wpn_path + name;
            n = wpn_file_bytes(path, buf.data(), WPN_FILE_BYTES);
        }
    } else {
        n = wpn_file_bytes(path, buf.data(), WPN_FILE_BYTES);
    }
    if (n < 0) {
        // Found by name, a weapon that is not there only leaves its point empty.
        if (!find_by_name) MACIBM_alert(0, "I could not find this weapon file!", IO_host_path(path).c_str(), "", "", 16);
        return 0;
    }
    return IO_wpn_image(p, en, buf.data(), n, path);
}

//=== writing ================================================================================
static int wpn_write_file(FILE* f, void* ctx)
{
    const wpn_file_body* b = static_cast<const wpn_file_body*>(ctx);
    const std::string hdr = IO_typed_header(WPN_FILE_TYPE, WPN_VERSION);
    return IO_save_write(f, hdr.data(), (long)hdr.size()) && IO_save_write(f, b, (long)sizeof *b);
}

static int wpn_write(int p, int en, const std::string& path)
{
    veh_struct& v = veh[p];
    wpn_derive(v.wpn[en]);
    std::unique_ptr<wpn_file_body> b(new wpn_file_body);
    b->w = v.wpn[en];
    b->r = v.body_r[en];
    memcpy(b->X, v.body_X[en], sizeof b->X);
    memcpy(b->Y, v.body_Y[en], sizeof b->Y);
    memcpy(b->Z, v.body_Z[en], sizeof b->Z);
    if (!IO_safe_replace(path, wpn_write_file, b.get())) {
        const std::string reason = "Reason: " + IO_save_error() + ".";
        MACIBM_alert(0, "I could not save the weapon! Could its folder be missing, full, or flagged as READ-ONLY?",
                     IO_host_path(path).c_str(), reason.c_str(), "The file that was there before (if any) is unchanged.", 16);
        return 0;
    }
    // Every attachment point that carries this very file shows the weapon as saved.
    const std::string saved = IO_host_path(path);
    int reloaded = 0;
    for (int i = 0; i < ACF_WPN_POINTS; i++) {
        if (!v.wpn_name[i][0]) continue;
        std::string at;
        get_wpn_path(p, STR_of(v.wpn_name[i]), &at);
        if (at.empty() || IO_host_path(at) != saved) continue;
        reloaded |= wpn_read(p, i, "", at, 0);
        wpn_derive(v.wpn[i]);
    }
    if (reloaded && p == 0) load_plane_geo(1, 0, 0, 0);
    return 1;
}

//=== IO_wpn =================================================================================
int IO_wpn(int IO_type, int p, int en, const std::string& name, const std::string& path, int use_path)
{
    if (p < 0 || p >= ACF_RECORDS || en < 0 || en >= ACF_WPN_SLOTS || (IO_type != 0 && IO_type != 1)) return 0;
    wpn_struct& w = veh[p].wpn[en];
    int ok = 0;
    if (!use_path && !IO_wpn_name_ok(name)) {
        MACIBM_alert(0, "I will not use this weapon: its name leads out of the Weapons folder!", name.c_str(),
                     "Weapons are named by their file in the Weapons folder, or in the aircraft's own weapons folder.", "", 16);
    } else if (IO_type == 1) {
        std::string where = path;
        if (!use_path) get_wpn_path(p, name, &where);
        ok = wpn_write(p, en, where);
    } else {
        ok = wpn_read(p, en, name, path, !use_path);
    }
    // An attachment point whose weapon could not be read carries none; the weapon being built
    // stays as it was, so a failed open never loses the designer's work.
    if (!ok && IO_type == 0 && en < ACF_WPN_POINTS) memset(&w, 0, sizeof w);
    // The builder's weapon is saved or freshly read: nothing of it is unsaved any more.
    if (ok && en == ACF_WPN_SLOTS - 1) set.wpn_mod = 0;
    wpn_derive(w);
    return ok;
}
