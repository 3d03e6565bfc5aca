// IO_ACF.cpp -- aircraft files: reading into and writing from an aircraft record, and the
// byte-order conversion of big-endian images.
#include "model/IO_ACF.h"
#include "model/OLD_IO_acf.h"
#include "model/acf_struct.h"
#include "base/alert.h"
#include "base/hl_string.h"
#include "base/IO_TYPED.h"
#include "base/IO_UTILS.h"
#include "base/records.h"
#include <algorithm>
#include <cctype>
#include <cmath>
#include <cerrno>
#include <climits>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <type_traits>
#include <unistd.h>
#include <vector>

static const int ACF_FILE_TYPE = 4;
static const int ACF_VERSION = 740;
static const int ACF_HEADER_BYTES = 5;   // marker "i" and the version

//=== byte order =============================================================================
// Every stored field as (offset, bytes, holds characters), straight from the record's layout list.
namespace {
struct acf_field_span {
    int offset;
    int bytes;
    bool is_char;
};
}  // namespace

#define ACF_FIELD_SPAN(field, off, type, count) {(off), (int)(sizeof(type) * (count)), std::is_same_v<type, char>},
static constexpr acf_field_span s_acf_fields[] = {VEH_STRUCT_LAYOUT(ACF_FIELD_SPAN)};
#undef ACF_FIELD_SPAN

// The conversion restores whole words of character data. That is only right if no word holds
// both characters and a number: the character fields, padding included, fill whole words.
static constexpr bool acf_char_words_are_pure(void)
{
    for (const acf_field_span& c : s_acf_fields) {
        if (!c.is_char || c.offset >= ACF_IMAGE_BYTES) continue;
        int lo = c.offset & ~3, hi = (c.offset + c.bytes + 3) & ~3;
        for (const acf_field_span& f : s_acf_fields)
            if (!f.is_char && f.offset < hi && f.offset + f.bytes > lo) return false;
    }
    return true;
}
static_assert(acf_char_words_are_pure(), "a word of the stored image mixes characters and numbers");
static_assert(ACF_IMAGE_BYTES % 4 == 0);

// Word ranges [first, last) of the image that hold characters, in offset order, neighbours joined.
static const std::vector<std::pair<int, int>>& acf_char_words(void)
{
    static const std::vector<std::pair<int, int>> words = [] {
        std::vector<std::pair<int, int>> w;
        for (const acf_field_span& c : s_acf_fields) {
            if (!c.is_char || c.offset >= ACF_IMAGE_BYTES) continue;
            int lo = c.offset / 4, hi = (c.offset + c.bytes + 3) / 4;
            if (!w.empty() && w.back().second >= lo) w.back().second = std::max(w.back().second, hi);
            else w.push_back({lo, hi});
        }
        return w;
    }();
    return words;
}

static void reverse_words(unsigned char* base, int first, int last)
{
    for (int i = first; i < last; i++) {
        uint32_t v;
        memcpy(&v, base + 4 * i, 4);
        v = __builtin_bswap32(v);
        memcpy(base + 4 * i, &v, 4);
    }
}

// Every 4-byte word of the image is reversed, then the words of character fields are reversed
// back so text stays in the order it was stored. Doing both in one pass, the character words are
// simply skipped. The run-time fields behind the image are zero straight after the clear that
// precedes every read, so reversing them would change nothing.
void rev_bytes_new(int p)
{
    if (p < 0 || p >= ACF_RECORDS) return;
    unsigned char* base = reinterpret_cast<unsigned char*>(&veh[p]);
    int at = 0;
    for (const auto& text : acf_char_words()) {
        reverse_words(base, at, text.first);
        at = text.second;
    }
    reverse_words(base, at, ACF_IMAGE_BYTES / 4);
}

//=== saving =================================================================================
static int write_image(FILE* f, void* ctx)
{
    const veh_struct* v = static_cast<const veh_struct*>(ctx);
    const std::string hdr = IO_typed_header(ACF_FILE_TYPE, ACF_VERSION);
    return IO_save_write(f, hdr.data(), (long)hdr.size()) && IO_save_write(f, v, ACF_IMAGE_BYTES);
}

int IO_acf_write_to(int p, const std::string& path)
{
    if (p < 0 || p >= ACF_RECORDS) return 0;
    veh[p].is_APL = 0;
    return IO_safe_replace(path, write_image, &veh[p]);
}

//=== IO_acf =================================================================================
static int acf_write(int p, int is_batch)
{
    // The check reports problems to the designer; it never stops the save.
    ACF_check(p, is_batch);
    veh[p].is_APL = 0;
    const std::string path = STR_of(veh[p].path);
    if (IO_acf_write_to(p, path)) return 1;
    // An unattended batch must not wait on a full disk or a read-only file: it logs and goes on.
    if (is_batch) {
        if (xer) {
            fprintf(xer, "Batch re-save: could not save %s: %s\n", IO_host_path(path).c_str(), IO_save_error().c_str());
            fflush(xer);
        }
        return 0;
    }
    const std::string reason = "Reason: " + IO_save_error() + ".";
    MACIBM_alert(0,
                 "I could not save the file! Could the directory that the file sits in be missing, full, or flagged "
                 "as READ-ONLY?",
                 IO_host_path(path).c_str(), reason.c_str(), "The file that was there before (if any) is unchanged.", 16);
    return 0;
}

int IO_acf_image(int p, const unsigned char* data, long size, const std::string& path)
{
    if (p < 0 || p >= ACF_RECORDS || IO_bin_header_version(data, size) != ACF_VERSION) return 0;
    rev_inf_bin = data[0] == 'a';
    const long got = std::min<long>(size - ACF_HEADER_BYTES, ACF_IMAGE_BYTES);
    memcpy(&veh[p], data + ACF_HEADER_BYTES, (size_t)got);
    if (got < ACF_IMAGE_BYTES) {
        const std::string held = "It holds " + std::to_string(got) + " of the " + std::to_string(ACF_IMAGE_BYTES) +
                                 " bytes an airplane needs; I loaded what is there and left the rest empty.";
        MACIBM_alert(0, "This airplane file is shorter than it should be!", IO_host_path(path).c_str(), held.c_str(),
                     "Check every part of the airplane before you save it over the old file.", 16);
    }
    if (veh[p].is_APL != 0) rev_bytes_new(p);
    return 1;
}

static int acf_read(int p)
{
    if (lo_case_strcmp_len(veh[p].path, app_path.c_str(), (int)app_path.size()) != 0) return 0;
    return IO_acf_read_any(p);
}

int IO_acf_read_any(int p)
{
    if (p < 0 || p >= ACF_RECORDS) return 0;
    veh_struct& v = veh[p];
    char name[ACF_TEXT], path[ACF_TEXT];
    memcpy(name, v.name, sizeof name);
    memcpy(path, v.path, sizeof path);
    std::string spath = STR_of(path);
    memset(&v, 0, sizeof v);

    // Anything that is not a current file, an empty or short one included, is the
    // previous-generation reader's to judge.
    std::string host = spath;
    set_dir_chars(&host);
    XMappedFile file(host.c_str(), nullptr);
    int ok = file.ok() && IO_acf_image(p, file.begin(), file.size(), spath);
    if (!ok) ok = OLD_IO_acf(spath, p);

    memcpy(v.name, name, sizeof name);
    memcpy(v.path, path, sizeof path);
    v.cockpit_M = -1;
    return ok;
}

int IO_acf(int IO_type, int p, int is_batch)
{
    // The check after a read is the command layer's (ACF_after_read).
    if (p < 0 || p >= ACF_RECORDS) return 0;
    if (IO_type == 1) return acf_write(p, is_batch);
    if (IO_type == 0) return acf_read(p);
    return 0;
}

//=== names ==================================================================================
void IO_acf_save_name(std::string* path)
{
    if (!path) return;
    size_t n = path->size();
    if (n < 4 || (path->compare(n - 4, 4, ".acf") != 0 && path->compare(n - 4, 4, ".ACF") != 0)) *path += ".acf";
}
