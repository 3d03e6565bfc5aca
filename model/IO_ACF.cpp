// IO_ACF.cpp -- aircraft files: reading into and writing from an aircraft record, the byte-order
// conversion of big-endian images, and the safe save.
#include "model/IO_ACF.h"
#include "model/acf_pending.h"
#include "model/acf_struct.h"
#include "model/set_struct.h"
#include "geometry/PLN_PROCS.h"
#include "shell/Hl_MNW.h"
#include "shell/dialog.h"
#include "shell/IO_TYPED.h"
#include "shell/IO_UTILS.h"
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

int (*IO_save_fault_hook)(int step, long bytes_done);

//=== fixed-size text fields =================================================================
// A stored text field may arrive without its NUL; it never runs past its array.
template <size_t N>
static std::string text_of(const char (&field)[N])
{
    return std::string(field, strnlen(field, N));
}

// 0 when the text does not fit with its NUL; the field is then left as it was.
template <size_t N>
static int set_text(char (&field)[N], const std::string& s)
{
    if (s.size() >= N) return 0;
    memset(field, 0, N);
    memcpy(field, s.data(), s.size());
    return 1;
}

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

//=== the safe save ==========================================================================
static std::string s_save_error;
const std::string& IO_acf_save_error(void) { return s_save_error; }

static int save_fault(int step, long bytes_done)
{
    if (!IO_save_fault_hook) return 0;
    int e = IO_save_fault_hook(step, bytes_done);
    if (e) errno = e;
    return e;
}

static int save_failed(const char* what)
{
    s_save_error = std::string(what) + ": " + strerror(errno);
    return 0;
}

// The host path the file goes to, spelled as the header writer spells it: host separators and
// the extension in lower case.
static std::string save_host_path(const std::string& path_in)
{
    std::string path = path_in;
    set_dir_chars(&path);
    size_t n = path.size();
    if (n >= 4 && path[n - 4] == '.')
        for (size_t i = n - 3; i < n; i++) path[i] = (char)tolower((unsigned char)path[i]);
    std::string host = IO_host_path(path);
    // A link is kept a link: the file it points at is the one replaced.
    struct stat st;
    if (lstat(host.c_str(), &st) == 0 && S_ISLNK(st.st_mode)) {
        char* real = realpath(host.c_str(), nullptr);
        if (real) {
            host = real;
            free(real);
        }
    }
    return host;
}

static int write_all(int fd, const unsigned char* data, long len, long* done)
{
    const long piece = 128 * 1024;   // pieces, so a test can stop the save part-way
    long at = 0;
    while (at < len) {
        if (save_fault(IO_SAVE_WRITE, *done)) return 0;
        long n = len - at < piece ? len - at : piece;
        ssize_t w = write(fd, data + at, (size_t)n);
        if (w < 0) {
            if (errno == EINTR) continue;
            return 0;
        }
        if (w == 0) {
            errno = ENOSPC;
            return 0;
        }
        at += w;
        *done += w;
    }
    return 1;
}

int IO_acf_write_to(int p, const std::string& path)
{
    s_save_error.clear();
    if (p < 0 || p >= ACF_RECORDS) {
        errno = EINVAL;
        return save_failed("no such aircraft record");
    }
    const std::string target = save_host_path(path);
    size_t slash = target.rfind('/');
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
        if (save_fault(IO_SAVE_CREATE, 0)) break;
        fd = open(tmp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0 && errno != EEXIST) break;
    }
    if (fd < 0) return save_failed("could not create a file in the folder");

    int ok = 0;
    const char* what = "could not write the file";
    do {
        // A file being replaced keeps its permissions.
        struct stat st;
        if (stat(target.c_str(), &st) == 0 && S_ISREG(st.st_mode)) fchmod(fd, st.st_mode & 07777);

        veh[p].is_APL = 0;
        const uint32_t v = (uint32_t)ACF_VERSION;
        const unsigned char hdr[ACF_HEADER_BYTES] = {'i', (unsigned char)v, (unsigned char)(v >> 8),
                                                     (unsigned char)(v >> 16), (unsigned char)(v >> 24)};
        long done = 0;
        if (!write_all(fd, hdr, ACF_HEADER_BYTES, &done)) break;
        if (!write_all(fd, reinterpret_cast<const unsigned char*>(&veh[p]), ACF_IMAGE_BYTES, &done)) break;

        what = "could not flush the file to disk";
        if (save_fault(IO_SAVE_SYNC, done) || fsync(fd) != 0) break;
        int c = close(fd);
        fd = -1;
        if (c != 0) break;

        what = "could not replace the old file";
        if (save_fault(IO_SAVE_RENAME, done) || rename(tmp.c_str(), target.c_str()) != 0) break;
        ok = 1;
    } while (0);

    if (!ok) {
        int e = errno;
        if (fd >= 0) close(fd);
        unlink(tmp.c_str());
        errno = e;
        return save_failed(what);
    }
    // The rename itself reaches the disk with the folder; the new file is already in place, so a
    // folder that cannot be flushed is no reason to report failure.
    int dfd = open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dfd >= 0) {
        fsync(dfd);
        close(dfd);
    }
    return 1;
}

//=== IO_acf =================================================================================
static int acf_write(int p)
{
    // The check reports problems to the designer; it never stops the save.
    ACF_check(p, 0);
    veh[p].is_APL = 0;
    const std::string path = text_of(veh[p].path);
    if (IO_acf_write_to(p, path)) return 1;
    const std::string reason = "Reason: " + s_save_error + ".";
    MACIBM_alert(0,
                 "I could not save the file! Could the directory that the file sits in be missing, full, or flagged "
                 "as READ-ONLY?",
                 path.c_str(), reason.c_str(), "The file that was there before (if any) is unchanged.", 16);
    return 0;
}

// Anything shorter than a binary header cannot be a current aircraft file. Such a file goes
// straight to the previous-generation reader: opening it as a typed file would end in the fatal
// scanning alert while reading the version, for what is no more than a damaged file.
static int may_hold_header(const std::string& path_in)
{
    std::string path = path_in;
    set_dir_chars(&path);
    struct stat st;
    if (stat(IO_host_path(path).c_str(), &st) != 0) return 1;   // the open reports it
    return !S_ISREG(st.st_mode) || st.st_size >= ACF_HEADER_BYTES;
}

// Reynolds numbers of a root or tip pair that are practically equal mean the pair was never
// given; they become the 0 and 99.9 million that bracket every flight condition.
static void spread_reynolds(float* re)
{
    if (std::abs(re[0] - re[1]) < 0.01f) {
        re[0] = 0.0f;
        re[1] = 99.9f;
    }
}

static int acf_read(int p, int is_batch)
{
    veh_struct& v = veh[p];
    if (lo_case_strcmp_len(v.path, app_path.c_str(), (int)app_path.size()) != 0) return 0;

    char name[ACF_TEXT], path[ACF_TEXT];
    memcpy(name, v.name, sizeof name);
    memcpy(path, v.path, sizeof path);
    const std::string spath = text_of(path);
    memset(&v, 0, sizeof v);

    int ok = 0;
    if (may_hold_header(spath) && inf_open(spath, ACF_FILE_TYPE, ACF_VERSION, 0)) {
        size_t got = fread(&v, 1, ACF_IMAGE_BYTES, inf);
        IO_inf_close();
        if (got < (size_t)ACF_IMAGE_BYTES) {
            const std::string held = "It holds " + std::to_string(got) + " of the " + std::to_string(ACF_IMAGE_BYTES) +
                                     " bytes an airplane needs; I loaded what is there and left the rest empty.";
            MACIBM_alert(0, "This airplane file is shorter than it should be!", spath.c_str(), held.c_str(),
                         "Check every part of the airplane before you save it over the old file.", 16);
        }
        if (v.is_APL != 0) rev_bytes_new(p);
        ok = 1;
    } else {
        IO_inf_close();
        ok = OLD_IO_acf(spath, p);
    }

    memcpy(v.name, name, sizeof name);
    memcpy(v.path, path, sizeof path);
    v.cockpit_M = -1;
    if (!ok) return 0;

    for (int part = 0; part < ACF_FOIL_PARTS; part++) {
        if (!have_this_part(p, part, 6)) continue;
        load_foil_for_part(text_of(v.Rafl0[part]), p, part, 0, 0);
        load_foil_for_part(text_of(v.Rafl1[part]), p, part, 0, 1);
        load_foil_for_part(text_of(v.Tafl0[part]), p, part, 1, 0);
        load_foil_for_part(text_of(v.Tafl1[part]), p, part, 1, 1);
        spread_reynolds(v.afl[part].re_num[0]);
        spread_reynolds(v.afl[part].re_num[1]);
    }

    std::string cockpit = spath;
    nuke_ext(&cockpit);
    v.cockpit_M = build_obs(0, 0, 0, 0, cockpit + "_cockpit.obj", 106, 13);

    ACF_autoset(p);
    ACF_check(p, is_batch);
    return 1;
}

int IO_acf(int IO_type, int p, int is_batch)
{
    if (p < 0 || p >= ACF_RECORDS) return 0;
    if (IO_type == 1) return acf_write(p);
    if (IO_type == 0) return acf_read(p, is_batch);
    return 0;
}

//=== editor-level operations on record 0 ====================================================
void IO_acf_save_name(std::string* path)
{
    if (!path) return;
    size_t n = path->size();
    if (n < 4 || (path->compare(n - 4, 4, ".acf") != 0 && path->compare(n - 4, 4, ".ACF") != 0)) *path += ".acf";
}

void read_acf(int is_manual_sel, int is_batch_up)
{
    veh_struct& v = veh[0];
    if (!IO_acf(0, 0, is_batch_up)) {
        if (!is_manual_sel) {
            setup_base_acf();
        } else {
            const std::string path = text_of(v.path);
            MACIBM_alert(0, "I could not open this airplane!", "Perhaps it is an old version?", path.c_str(), "", 16);
        }
        return;
    }

    setup_base_panel();
    ACF_load_instrument_textures(0);
    for (int i = 0; i < ACF_WPN_POINTS; i++)
        if (v.wpn_name[i][0]) IO_wpn(0, 0, i, text_of(v.wpn_name[i]), "", 0);
    load_plane_geo(1, 0, 0, 0);
    set.acf_mod = 0;
}

int write_acf(int is_manual)
{
    veh_struct& v = veh[0];
    if (is_manual) {
        std::string name = text_of(v.name), path = text_of(v.path);
        if (!dialog_opensave(999, ACF_FILE_TYPE, &name, &path)) return 0;
        if (!set_text(v.path, path)) {
            MACIBM_alert(0, "I could not save the file! Its path is too long.", path.c_str(),
                         "Choose a shorter name or a folder nearer the top.", "", 16);
            return 0;
        }
        set_text(v.name, name.size() < sizeof v.name ? name : name.substr(0, sizeof v.name - 1));
    }
    std::string path = text_of(v.path);
    IO_acf_save_name(&path);
    if (!set_text(v.path, path)) {
        MACIBM_alert(0, "I could not save the file! Its path is too long.", path.c_str(),
                     "Choose a shorter name or a folder nearer the top.", "", 16);
        return 0;
    }
    return IO_acf(1, 0, 0);
}

int check_acf_save(void)
{
    if (!set.acf_mod) return 1;
    const std::string name = text_of(veh[0].name);
    switch (MACIBM_nuke_alert(name.c_str(), 1)) {
    case 1: return write_acf(0) ? 1 : 0;
    case 2: return 1;
    default: return 0;
    }
}

int ACF_save_command(int save_as)
{
    int ok = write_acf(save_as ? 1 : 0);
    set.acf_mod = ok ? 0 : 1;
    return ok;
}
