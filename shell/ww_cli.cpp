// ww_cli.cpp -- the command line. Each command sets up the records the way the start-up does,
// minus the window, and turns alerts into terminal lines; then it works through the editor's own
// readers (IO_acf_read_any, ACF_after_read, the batch's ACF_batch_read), checks (ACF_check_all),
// writer (IO_acf), paint templates (load_plane_geo) and drawing (plot_plane_2D).
#include "shell/ww_cli.h"
#include "shell/Hl_MNW.h"
#include "base/IO_TYPED.h"
#include "base/IO_UTILS.h"
#include "base/hl_string.h"
#include "draw/HL_DRPLANE.h"
#include "draw/HL_GRAPH.h"
#include "draw/ren_struct.h"
#include "editor/APPLICATION.h"
#include "editor/PLN_MAIN.h"
#include "model/ACF_check.h"
#include "model/IO_ACF.h"
#include "model/acf_struct.h"
#include <png.h>
#include <algorithm>
#include <cerrno>
#include <cmath>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <functional>
#include <set>
#include <string>
#include <sys/stat.h>
#include <sys/wait.h>
#include <type_traits>
#include <unistd.h>
#include <utility>
#include <vector>

namespace {

// Exit statuses shared by the commands.
constexpr int CLI_OK = 0, CLI_FOUND = 1, CLI_UNREADABLE = 2;

const char* const s_usage =
    "usage: Wing-Wright [FILE.acf]            start the editor (on FILE)\n"
    "       Wing-Wright COMMAND [options] FILES...\n"
    "commands (each takes --help):\n"
    "  check FILE...          automatic settings and every design check; one line per problem\n"
    "  resave DIR|FILE...     convert and re-save aircraft as the current version, on every core\n"
    "  dump FILE              every stored field of an aircraft or weapon file as JSON\n"
    "  diff A B               the stored fields whose values differ between two aircraft\n"
    "  paint FILE             write the paint templates beside the aircraft\n"
    "  render FILE            draw the aircraft into a PNG picture, without a display\n";

struct cli_command {
    const char* name;
    int (*run)(const std::vector<std::string>& args);
    const char* help;
};

}  // namespace

//=== set-up =================================================================================
void CLI_setup(const std::string& folder)
{
    MACIBM_zero_records();
    MACIBM_build_paths(folder.c_str());
    dat = fopen("/dev/null", "w");
    xer = fopen("/dev/null", "w");
    MACIBM_fill_constants();
    MACIBM_res_defaults();
    MACIBM_compute_offsets();
    MACIBM_alert_terminal(1);
}

namespace {

std::string absolute_path(const std::string& path)
{
    if (!path.empty() && path[0] == '/') return path;
    char cwd[4096];
    if (!getcwd(cwd, sizeof cwd)) return path;
    std::string p = cwd;
    p += '/';
    p += path;
    return p;
}

std::string base_name(const std::string& path)
{
    const size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// The first bytes of a file: its typed header's version, -1 for none or no file.
int header_version(const std::string& path)
{
    unsigned char h[8];
    const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return -1;
    const ssize_t n = read(fd, h, sizeof h);
    close(fd);
    return n > 0 ? IO_bin_header_version(h, (long)n) : -1;
}

int is_regular_file(const std::string& path)
{
    struct stat st;
    return stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

// Record p from the file at path, as the editor opens it: the reader (which converts older
// versions), then airfoils, cockpit object, automatic settings and the check, the check's notice
// going nowhere (the commands list the problems themselves).
int cli_read(int p, const std::string& path_in)
{
    const std::string path = absolute_path(path_in);
    veh_struct& v = veh[p];
    if (!is_regular_file(path) || path.size() >= sizeof v.path) return 0;
    STR_put(v.path, path);
    STR_put(v.name, base_name(path).substr(0, sizeof v.name - 1));
    if (!IO_acf_read_any(p)) return 0;
    ACF_after_read(p, 1);
    return 1;
}

void cant_read(const std::string& path)
{
    fprintf(stderr, "%s: cannot be read as an aircraft\n", path.c_str());
}

// Options of the form --name or --name value / --name=value; everything else is a file.
struct cli_args {
    std::vector<std::string> files;
    std::vector<std::pair<std::string, std::string>> opts;
    std::string bad;   // an option the command does not know
    const std::string* get(const char* name) const
    {
        for (const auto& o : opts)
            if (o.first == name) return &o.second;
        return nullptr;
    }
};

cli_args parse(const std::vector<std::string>& args, std::initializer_list<const char*> with_value,
               std::initializer_list<const char*> flags)
{
    cli_args a;
    for (size_t i = 0; i < args.size(); i++) {
        const std::string& s = args[i];
        if (s.size() < 3 || s.compare(0, 2, "--") != 0) {
            a.files.push_back(s);
            continue;
        }
        std::string name = s.substr(2), value;
        const size_t eq = name.find('=');
        if (eq != std::string::npos) {
            value = name.substr(eq + 1);
            name.resize(eq);
        }
        const bool takes = std::find_if(with_value.begin(), with_value.end(), [&](const char* w) { return name == w; }) != with_value.end();
        const bool flag = std::find_if(flags.begin(), flags.end(), [&](const char* w) { return name == w; }) != flags.end();
        if (takes && eq == std::string::npos) {
            if (i + 1 >= args.size()) { a.bad = s + " needs a value"; break; }
            value = args[++i];
        }
        if (!takes && !flag) { a.bad = "unknown option " + s; break; }
        a.opts.push_back({name, value});
    }
    return a;
}

//=== fields by name =========================================================================
// The stored fields of a record, named and typed by its layout list: arrays keep their shape,
// a row of characters is one text.
void put_number(std::string& o, double x, bool is_float)
{
    if (!std::isfinite(x)) { o += "null"; return; }   // JSON has no NaN or infinity
    char b[32];
    snprintf(b, sizeof b, is_float ? "%.9g" : "%.0f", x);
    o += b;
}

void put_text(std::string& o, const char* s, size_t n)
{
    o += '"';
    for (size_t i = 0; i < n && s[i]; i++) {
        const unsigned char c = (unsigned char)s[i];
        if (c == '"' || c == '\\') { o += '\\'; o += (char)c; }
        else if (c >= 0x20 && c < 0x7f) o += (char)c;
        else {
            char b[8];
            snprintf(b, sizeof b, "\\u%04x", c);   // bytes of old code pages stay one character each
            o += b;
        }
    }
    o += '"';
}

template <class T>
void put_value(std::string& o, const T& x)
{
    if constexpr (std::is_array_v<T>) {
        if constexpr (std::is_same_v<std::remove_extent_t<T>, char>) {
            put_text(o, x, std::extent_v<T>);
        } else {
            o += '[';
            for (size_t i = 0; i < std::extent_v<T>; i++) {
                if (i) o += ',';
                put_value(o, x[i]);
            }
            o += ']';
        }
    } else if constexpr (std::is_floating_point_v<T>) {
        put_number(o, x, true);
    } else if constexpr (std::is_arithmetic_v<T>) {
        put_number(o, (double)x, false);
    } else {
        o += "null";   // a nested record: run-time data, never stored
    }
}

// Each element (a text counts as one) with its index, "[i][j]", for the comparison.
template <class T>
void each_element(const T& x, const std::string& idx, const std::function<void(const std::string&, const std::string&)>& f)
{
    if constexpr (std::is_array_v<T> && !std::is_same_v<std::remove_extent_t<T>, char>) {
        for (size_t i = 0; i < std::extent_v<T>; i++) each_element(x[i], idx + "[" + std::to_string(i) + "]", f);
    } else {
        std::string v;
        put_value(v, x);
        f(idx, v);
    }
}

template <class T>
bool is_zero(const T& x)
{
    const unsigned char* b = reinterpret_cast<const unsigned char*>(&x);
    return std::all_of(b, b + sizeof x, [](unsigned char c) { return c == 0; });
}

struct field_row {
    const char* name;
    int offset;
    void (*json)(std::string& o, const void* rec);
    bool (*zero)(const void* rec);
    void (*elements)(const void* rec, const std::function<void(const std::string&, const std::string&)>& f);
};

#define CLI_FIELD_ROW(REC, field)                                                                        \
    {#field, (int)offsetof(REC, field),                                                                  \
     [](std::string& o, const void* r) { put_value(o, static_cast<const REC*>(r)->field); },             \
     [](const void* r) { return is_zero(static_cast<const REC*>(r)->field); },                           \
     [](const void* r, const std::function<void(const std::string&, const std::string&)>& f) {           \
         each_element(static_cast<const REC*>(r)->field, "", f);                                        \
     }},
#define CLI_VEH_ROW(field, off, type, count) CLI_FIELD_ROW(veh_struct, field)
#define CLI_WPN_ROW(field, off, type, count) CLI_FIELD_ROW(wpn_struct, field)
const field_row s_veh_rows[] = {VEH_STRUCT_LAYOUT(CLI_VEH_ROW)};
const field_row s_wpn_rows[] = {WPN_STRUCT_LAYOUT(CLI_WPN_ROW)};
#undef CLI_VEH_ROW
#undef CLI_WPN_ROW
#undef CLI_FIELD_ROW

// The aircraft's stored fields: those inside the file's image.
bool veh_row_stored(const field_row& r) { return r.offset < ACF_IMAGE_BYTES; }

//=== resave =================================================================================
// Files to re-save: the files named, and every ".acf" under the folders named, each file and
// each folder once however many links lead to it (so a loop of links ends).
struct file_walk {
    std::set<std::pair<dev_t, ino_t>> seen;
    std::vector<std::string> files;
    int depth = 0;

    void add(const std::string& path, bool named)
    {
        struct stat st;
        if (stat(path.c_str(), &st) != 0) {
            if (named) files.push_back(path);   // reported as unreadable, not silently dropped
            return;
        }
        if (!seen.insert({st.st_dev, st.st_ino}).second) return;
        if (S_ISREG(st.st_mode)) {
            const size_t n = path.size();
            if (named || (n > 4 && lo_case_strcmp_len(path.c_str() + n - 4, ".acf", 4) == 0)) files.push_back(path);
            return;
        }
        if (!S_ISDIR(st.st_mode) || depth >= 64) return;
        DIR* d = opendir(path.c_str());
        if (!d) {
            fprintf(stderr, "%s: folder cannot be read\n", path.c_str());
            return;
        }
        std::vector<std::string> names;
        while (const dirent* e = readdir(d))
            if (e->d_name[0] != '.') names.push_back(e->d_name);   // dot files: temporaries, hidden
        closedir(d);
        std::sort(names.begin(), names.end());
        depth++;
        for (const std::string& n : names) add(path + (path.back() == '/' ? "" : "/") + n, false);
        depth--;
    }
};

volatile sig_atomic_t g_cli_stop;
void cli_on_signal(int) { g_cli_stop = 1; }

void catch_stop_signals(void (*fn)(int))
{
    struct sigaction sa {};
    sa.sa_handler = fn;
    sigemptyset(&sa.sa_mask);
    sigaction(SIGINT, &sa, nullptr);
    sigaction(SIGTERM, &sa, nullptr);
    sigaction(SIGHUP, &sa, nullptr);
}

// One file in a worker: the outcome letter ('C' converted, 'K' already current, 'U' unreadable,
// 'F' failed to save). A file is only written after it was read whole; the save goes through the
// safe replace, so an interrupted one leaves the old file.
char resave_file(const std::string& path_in, bool dry)
{
    const std::string path = absolute_path(path_in);
    if (!is_regular_file(path)) return 'U';
    const bool current = header_version(path) == 740;
    if (!ACF_batch_read(base_name(path), path, 0)) return 'U';
    if (dry) return current ? 'K' : 'C';
    // The record keeps the file's own path: the file is replaced where it is, under its name.
    if (!IO_acf(1, 0, 1)) return 'F';
    return current ? 'K' : 'C';
}

void write_all(int fd, const std::string& s)
{
    size_t at = 0;
    while (at < s.size()) {
        const ssize_t n = write(fd, s.data() + at, s.size() - at);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return;
        at += (size_t)n;
    }
}

// Runs job(i) for every i below n in separate processes (the model records are global), each
// taking every workers-th file; done(i, text) gets each job's text in the parent as it arrives.
// The count of jobs whose text arrived.
size_t run_in_workers(size_t n, int workers, const std::function<std::string(size_t)>& job,
                      const std::function<void(size_t, const std::string&)>& done)
{
    workers = (int)std::clamp<size_t>(std::min<size_t>((size_t)workers, n), 1, 64);
    int fd[2];
    if (n == 0 || pipe(fd) != 0) return 0;
    std::vector<pid_t> kids;
    fflush(nullptr);
    for (int w = 0; w < workers; w++) {
        const pid_t pid = fork();
        if (pid == 0) {
            close(fd[0]);
            for (size_t i = (size_t)w; i < n && !g_cli_stop; i += (size_t)workers) {
                const std::string text = job(i);
                std::string msg = std::to_string(i) + " " + std::to_string(text.size()) + "\n";
                msg += text;
                write_all(fd[1], msg);
            }
            fflush(nullptr);
            _exit(0);
        }
        if (pid > 0) kids.push_back(pid);
    }
    close(fd[1]);
    std::string pending;
    char buf[65536];
    size_t got_jobs = 0;
    bool told_kids = false;
    for (;;) {
        if (g_cli_stop && !told_kids) {
            for (pid_t k : kids) kill(k, SIGTERM);   // each finishes the file it is on, then stops
            told_kids = true;
        }
        const ssize_t got = read(fd[0], buf, sizeof buf);
        if (got < 0 && errno == EINTR) continue;
        if (got <= 0) break;
        pending.append(buf, (size_t)got);
        for (;;) {
            const size_t nl = pending.find('\n');
            if (nl == std::string::npos) break;
            size_t index = 0, len = 0;
            if (sscanf(pending.c_str(), "%zu %zu", &index, &len) != 2 || pending.size() < nl + 1 + len) break;
            done(index, pending.substr(nl + 1, len));
            pending.erase(0, nl + 1 + len);
            got_jobs++;
        }
    }
    close(fd[0]);
    for (pid_t k : kids) {
        int st;
        while (waitpid(k, &st, 0) < 0 && errno == EINTR) {}
    }
    return got_jobs;
}

int worker_count(const cli_args& a)
{
    long n = sysconf(_SC_NPROCESSORS_ONLN);
    if (const std::string* j = a.get("jobs")) n = atol(j->c_str());
    return (int)std::clamp<long>(n, 1, 64);
}

int cmd_resave(const std::vector<std::string>& args)
{
    const cli_args a = parse(args, {"jobs"}, {"dry-run"});
    if (!a.bad.empty() || a.files.empty()) {
        fprintf(stderr, "resave: %s\n", a.bad.empty() ? "no files or folders given" : a.bad.c_str());
        return CLI_UNREADABLE;
    }
    const bool dry = a.get("dry-run") != nullptr;
    file_walk walk;
    for (const std::string& f : a.files) walk.add(f, true);
    const std::vector<std::string>& files = walk.files;

    g_cli_stop = 0;
    catch_stop_signals(cli_on_signal);
    const bool tty = isatty(2);
    int n[4] = {0, 0, 0, 0}, done = 0;   // converted, current, unreadable, failed
    run_in_workers(
        files.size(), worker_count(a), [&](size_t i) { return std::string(1, resave_file(files[i], dry)); },
        [&](size_t i, const std::string& text) {
            const char code = text.empty() ? 'F' : text[0];
            done++;
            n[code == 'C' ? 0 : code == 'K' ? 1 : code == 'U' ? 2 : 3]++;
            if (tty) fprintf(stderr, "\r\033[K");
            if (code == 'U') fprintf(stderr, "%s: could not read, left as it was\n", files[i].c_str());
            if (code == 'F') fprintf(stderr, "%s: could not save, left as it was\n", files[i].c_str());
            if (tty) fprintf(stderr, "resave: %d of %zu files", done, files.size());
        });
    if (tty) fprintf(stderr, "\r\033[K");
    const char* verb = dry ? "would be converted" : "converted";
    printf("resave: %d %s, %d already current, %d unreadable", n[0], verb, n[1], n[2]);
    if (n[3]) printf(", %d could not be saved", n[3]);
    if (done < (int)files.size())
        printf(", %zu not reached (%s)", files.size() - (size_t)done, g_cli_stop ? "interrupted" : "a worker stopped");
    printf("\n");
    if (g_cli_stop) return 130;
    return n[2] || n[3] || done < (int)files.size() ? CLI_UNREADABLE : CLI_OK;
}

//=== check ==================================================================================
// One file's outcome: 'P' passed, 'F' with problems (then its lines), 'U' unreadable.
std::string check_file(const std::string& f)
{
    if (!cli_read(0, f)) return "U";
    const std::vector<ACF_problem> problems = ACF_check_all(0);
    std::string text = problems.empty() ? "P" : "F";
    for (const ACF_problem& pr : problems) {
        text += f + ": check " + std::to_string(pr.check) + ": ";
        text += pr.lines[0];
        text += '\n';
    }
    return text;
}

int cmd_check(const std::vector<std::string>& args)
{
    const cli_args a = parse(args, {"jobs"}, {});
    if (!a.bad.empty() || a.files.empty()) {
        fprintf(stderr, "check: %s\n", a.bad.empty() ? "no files given" : a.bad.c_str());
        return CLI_UNREADABLE;
    }
    // The files are checked in parallel and reported in the order given.
    const std::vector<std::string>& files = a.files;
    std::vector<std::string> results(files.size());
    std::vector<char> arrived(files.size());
    size_t shown = 0;
    int count[3] = {0, 0, 0};   // passed, with problems, unreadable
    auto show = [&](size_t i) {
        const std::string& r = results[i];
        const char code = r.empty() ? 'U' : r[0];
        count[code == 'P' ? 0 : code == 'F' ? 1 : 2]++;
        if (code == 'U') cant_read(files[i]);
        else fwrite(r.data() + 1, 1, r.size() - 1, stdout);
    };
    run_in_workers(files.size(), worker_count(a), [&](size_t i) { return check_file(files[i]); },
                   [&](size_t i, const std::string& text) {
                       if (i >= files.size()) return;
                       results[i] = text;
                       arrived[i] = 1;
                       while (shown < files.size() && arrived[shown]) show(shown++);
                   });
    while (shown < files.size()) {
        results[shown] = "U";   // a worker that died on it
        show(shown++);
    }
    printf("check: %d passed, %d with problems, %d unreadable\n", count[0], count[1], count[2]);
    return count[2] ? CLI_UNREADABLE : count[1] ? CLI_FOUND : CLI_OK;
}

//=== dump ===================================================================================
int cmd_dump(const std::vector<std::string>& args)
{
    const cli_args a = parse(args, {"fields"}, {"nonzero"});
    if (!a.bad.empty() || a.files.size() != 1) {
        fprintf(stderr, "dump: %s\n", a.bad.empty() ? "give exactly one file" : a.bad.c_str());
        return CLI_UNREADABLE;
    }
    const std::string& file = a.files[0];
    // A weapon file has a header of version 1; everything else is taken for an aircraft.
    const bool weapon = header_version(absolute_path(file)) == 1;
    const void* rec;
    const field_row* rows;
    size_t nrows;
    if (weapon) {
        if (!is_regular_file(absolute_path(file))) { cant_read(file); return CLI_UNREADABLE; }
        IO_wpn(0, 0, 24, base_name(file), absolute_path(file), 1);
        // A weapon that read holds something; a slot left clear means the file did not read.
        if (is_zero(veh[0].wpn[24])) {
            fprintf(stderr, "%s: cannot be read as a weapon\n", file.c_str());
            return CLI_UNREADABLE;
        }
        rec = &veh[0].wpn[24];
        rows = s_wpn_rows;
        nrows = std::size(s_wpn_rows);
    } else {
        if (!cli_read(0, file)) { cant_read(file); return CLI_UNREADABLE; }
        rec = &veh[0];
        rows = s_veh_rows;
        nrows = std::size(s_veh_rows);
    }
    std::set<std::string> wanted;
    if (const std::string* f = a.get("fields")) {
        size_t at = 0;
        while (at <= f->size()) {
            const size_t comma = std::min(f->find(',', at), f->size());
            if (comma > at) wanted.insert(f->substr(at, comma - at));
            at = comma + 1;
        }
        for (const std::string& w : wanted)
            if (std::none_of(rows, rows + nrows, [&](const field_row& r) { return w == r.name; })) {
                fprintf(stderr, "dump: no stored field is named %s\n", w.c_str());
                return CLI_UNREADABLE;
            }
    }
    const bool nonzero = a.get("nonzero") != nullptr;
    std::string o = "{";
    bool first = true;
    for (size_t i = 0; i < nrows; i++) {
        const field_row& r = rows[i];
        if (!weapon && !veh_row_stored(r)) continue;
        if (!wanted.empty() && !wanted.count(r.name)) continue;
        if (nonzero && r.zero(rec)) continue;
        o += first ? "\n  \"" : ",\n  \"";
        first = false;
        o += r.name;
        o += "\": ";
        r.json(o, rec);
    }
    o += "\n}\n";
    fwrite(o.data(), 1, o.size(), stdout);
    return CLI_OK;
}

//=== diff ===================================================================================
int cmd_diff(const std::vector<std::string>& args)
{
    const cli_args a = parse(args, {}, {});
    if (!a.bad.empty() || a.files.size() != 2) {
        fprintf(stderr, "diff: %s\n", a.bad.empty() ? "give two aircraft files" : a.bad.c_str());
        return CLI_UNREADABLE;
    }
    for (int p = 0; p < 2; p++)
        if (!cli_read(p, a.files[(size_t)p])) {
            cant_read(a.files[(size_t)p]);
            return CLI_UNREADABLE;
        }
    int differ = 0;
    for (const field_row& r : s_veh_rows) {
        // Where a file lies is not part of the design.
        if (!veh_row_stored(r) || !strcmp(r.name, "name") || !strcmp(r.name, "path")) continue;
        std::vector<std::pair<std::string, std::string>> left;
        r.elements(&veh[0], [&](const std::string& idx, const std::string& v) { left.push_back({idx, v}); });
        size_t i = 0;
        r.elements(&veh[1], [&](const std::string& idx, const std::string& v) {
            if (left[i].second != v) {
                printf("%s%s: %s -> %s\n", r.name, idx.c_str(), left[i].second.c_str(), v.c_str());
                differ++;
            }
            i++;
        });
    }
    return differ ? CLI_FOUND : CLI_OK;
}

//=== paint ==================================================================================
int cmd_paint(const std::vector<std::string>& args)
{
    const cli_args a = parse(args, {}, {});
    if (!a.bad.empty() || a.files.size() != 1) {
        fprintf(stderr, "paint: %s\n", a.bad.empty() ? "give one aircraft file" : a.bad.c_str());
        return CLI_UNREADABLE;
    }
    if (!cli_read(0, a.files[0])) {
        cant_read(a.files[0]);
        return CLI_UNREADABLE;
    }
    APP_recompute();   // the geometry the editor has built by the time the command is chosen
    load_plane_geo(0, 1, 0, 0);
    printf("paint: templates written beside %s\n", a.files[0].c_str());
    return CLI_OK;
}

//=== render =================================================================================
struct view_row {
    const char* name;
    float the, psi, phi;
};
// The editor's view commands, and a three-quarter view from above, behind and to the left.
const view_row s_views[] = {{"top", 0, 270, -90}, {"bottom", 0, 270, 90}, {"side", 0, 270, 0},
                            {"front", 0, 0, 0},   {"rear", 0, 180, 0},    {"iso", 20, 225, 0}};

int write_png_rgb(const std::string& path, int w, int h, const std::vector<unsigned char>& rgba)
{
    FILE* f = fopen(path.c_str(), "wb");
    if (!f) return 0;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png ? png_create_info_struct(png) : nullptr;
    std::vector<unsigned char> rows((size_t)w * h * 3);
    // GL gives the bottom row first.
    for (int y = 0; y < h; y++)
        for (int x = 0; x < w; x++)
            memcpy(&rows[((size_t)y * w + x) * 3], &rgba[((size_t)(h - 1 - y) * w + x) * 4], 3);
    std::vector<png_bytep> ptrs((size_t)h);
    for (int y = 0; y < h; y++) ptrs[(size_t)y] = rows.data() + (size_t)y * w * 3;
    if (!info || setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        fclose(f);
        return 0;
    }
    png_init_io(png, f);
    png_set_IHDR(png, info, (png_uint_32)w, (png_uint_32)h, 8, PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    png_write_image(png, ptrs.data());
    png_write_end(png, info);
    png_destroy_write_struct(&png, &info);
    return fclose(f) == 0;
}

int cmd_render(const std::vector<std::string>& args)
{
    const cli_args a = parse(args, {"view", "size", "out"}, {});
    const std::string* view = a.get("view");
    const std::string* size = a.get("size");
    const std::string* out = a.get("out");
    if (!a.bad.empty() || a.files.size() != 1 || !out) {
        fprintf(stderr, "render: %s\n", a.bad.empty() ? "give one aircraft file and --out PICTURE.png" : a.bad.c_str());
        return CLI_UNREADABLE;
    }
    const view_row* v = &s_views[5];
    if (view) {
        v = std::find_if(std::begin(s_views), std::end(s_views), [&](const view_row& r) { return *view == r.name; });
        if (v == std::end(s_views)) {
            fprintf(stderr, "render: no view %s (top, bottom, side, front, rear or iso)\n", view->c_str());
            return CLI_UNREADABLE;
        }
    }
    int w = 800, h = 600;
    if (size && (sscanf(size->c_str(), "%dx%d", &w, &h) != 2 || w < 16 || h < 16 || w > 8192 || h > 8192)) {
        fprintf(stderr, "render: size %s is not WIDTHxHEIGHT between 16 and 8192\n", size->c_str());
        return CLI_UNREADABLE;
    }
    if (!is_regular_file(absolute_path(a.files[0]))) {
        cant_read(a.files[0]);
        return CLI_UNREADABLE;
    }
    // No display is needed: SDL draws into an off-screen EGL surface unless told otherwise.
    setenv("SDL_VIDEODRIVER", "offscreen", 0);
    mnw.x_res_now = w;
    mnw.y_res_now = h;
    if (!MACIBM_sys_create_window(w, h, 32, 0)) {
        fprintf(stderr, "render: no OpenGL is available here (SDL video driver %s, EGL with Mesa needed)\n",
                getenv("SDL_VIDEODRIVER"));
        return CLI_UNREADABLE;
    }
    OGL_forget_state();
    OGL_fixed_state(MACIBM_sys_gl_proc);
    OGL_fixed_palette();
    MACIBM_probe_gl();
    if (!cli_read(0, a.files[0])) {
        cant_read(a.files[0]);
        return CLI_UNREADABLE;
    }
    load_plane_geo(1, 0, 0, 0);
    // What the editor's frames derive before they draw: deflections, geometry, specifications
    // (twice, as the geometry of one frame feeds the specifications the next one draws with).
    APP_recompute();
    APP_recompute();
    // The whole picture is the pane: interface units are pixels.
    mnw.xy_scale = 1;
    mnw.x_off = mnw.y_off = 0;
    mnw.win_x = mnw.win_y = 0;
    mnw.x2_pix = (float)w;
    mnw.y2_pix = (float)h;
    flt[0].the = v->the;
    flt[0].psi = v->psi;
    flt[0].phi = v->phi;
    flt[0].dob_x = flt[0].dob_y = 0;
    ren.zoom_act = 1;
    ren.back_flat = 1;
    ren.current_alpha = 1;
    OGL_2d_projection();
    OGL_plot_background();
    plot_plane_2D(0, 0, (float)w, (float)h, 0);
    std::vector<unsigned char> rgba((size_t)w * h * 4);
    if (!OGL_read_pixels(0, 0, w, h, rgba.data()) || !write_png_rgb(*out, w, h, rgba)) {
        fprintf(stderr, "render: could not write %s: %s\n", out->c_str(), strerror(errno));
        return CLI_UNREADABLE;
    }
    printf("render: %s, %s view, %dx%d\n", out->c_str(), v->name, w, h);
    return CLI_OK;
}

const cli_command s_commands[] = {
    {"check", cmd_check,
     "usage: Wing-Wright check [--jobs N] FILE...\n"
     "Reads each aircraft as the editor does (older versions converted), runs the automatic settings\n"
     "and every design check, and prints one line per problem: FILE: check N: text.\n"
     "The files are shared out over N processes (the machine's cores).\n"
     "Exit status: 0 all pass, 1 some have problems, 2 some file cannot be read.\n"},
    {"resave", cmd_resave,
     "usage: Wing-Wright resave [--dry-run] [--jobs N] DIR|FILE...\n"
     "Reads every aircraft named, and every .acf file under the folders named, and saves it again as\n"
     "the current version (740), on every core. A file that cannot be read whole is never written;\n"
     "each save replaces the old file only once the new one is on the disk, so an interrupted run\n"
     "leaves every file old or new. --dry-run only reports what would be done.\n"
     "Exit status: 0 all done, 2 some could not be read or saved, 130 interrupted.\n"},
    {"dump", cmd_dump,
     "usage: Wing-Wright dump FILE [--fields a,b,...] [--nonzero]\n"
     "Prints every stored field of the aircraft (or weapon) file as JSON, by its name, arrays nested,\n"
     "as the editor holds it after reading. --fields keeps only the fields named; --nonzero leaves out\n"
     "fields that are entirely zero.\n"},
    {"diff", cmd_diff,
     "usage: Wing-Wright diff A B\n"
     "Prints each stored element whose value differs between two aircraft, name[index]: A -> B\n"
     "(where the files lie, name and path, is left out). Exit status: 0 equal, 1 different,\n"
     "2 a file cannot be read.\n"},
    {"paint", cmd_paint,
     "usage: Wing-Wright paint FILE\n"
     "Writes the paint templates (NAME_paint.bmp and NAME_paint2.bmp) beside the aircraft.\n"},
    {"render", cmd_render,
     "usage: Wing-Wright render FILE --view top|bottom|side|front|rear|iso --size WxH --out PICTURE.png\n"
     "Draws the aircraft with the editor's 3-D drawing into a PNG, without a display (SDL's off-screen\n"
     "driver over EGL). Defaults: iso view, 800x600.\n"},
};

}  // namespace

int CLI_run(int argc, char** argv)
{
    if (argc < 2 || !argv[1]) return -1;
    const std::string cmd = argv[1];
    if (cmd == "--help" || cmd == "-h" || cmd == "help") {
        fputs(s_usage, stdout);
        return CLI_OK;
    }
    const cli_command* c = nullptr;
    for (const cli_command& k : s_commands)
        if (cmd == k.name) c = &k;
    if (!c) {
        // A lone argument that is a file is the aircraft to open in the editor.
        if (cmd.compare(0, 2, "--") != 0 && (argc == 2 || is_regular_file(cmd))) return -1;
        fprintf(stderr, "Wing-Wright: no command %s\n%s", cmd.c_str(), s_usage);
        return CLI_UNREADABLE;
    }
    std::vector<std::string> args(argv + 2, argv + argc);
    if (std::find(args.begin(), args.end(), "--help") != args.end()) {
        fputs(c->help, stdout);
        return CLI_OK;
    }
    MACIBM_command_line(1, argv);
    CLI_setup(MACIBM_own_folder());
    const int status = c->run(args);
    fflush(stdout);
    return status;
}
