// Start-up to the first drawn frame, the way the program starts: resolution preferences, window
// and GL context, interface art, language text, editor preferences, then frames until one has
// been drawn and shown; and the normal exit that writes both preference files. Each start runs in
// a fresh child process (the window and GL context exist once per process); the first start,
// which also creates the preference files, is not counted. Then the text file and the preference
// files on their own, repeated in one process.
// Run under Xvfb: xvfb-run -a -s "-screen 0 1280x1024x24" build/bench_startup
#include "shell/Hl_MNW.h"
#include "tests/support/ww_test.h"
#include "shell/IO_PRF.h"
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

typedef std::chrono::steady_clock clk;

static double ms_since(clk::time_point t0) { return std::chrono::duration<double, std::milli>(clk::now() - t0).count(); }

static int s_frames_shown;
static void count_frame(void) { s_frames_shown++; }

// One start in this process: milliseconds to the first frame shown, to the editor preferences
// read, and for the normal exit.
struct start_times { double first_frame, init, exit; };

static start_times one_start(void)
{
    start_times t{};
    auto t0 = clk::now();
    app_path = WW_AERODECK_DIR;
    MACIBM_init();                               // up to the language text and the start screen
    t.init = ms_since(t0);
    MACIBM_read_editor_prefs();
    g_test_before_swap = count_frame;
    ww_paint_event();                     // a server without a window manager may send none
    while (!s_frames_shown) MACIBM_event_proc();
    t.first_frame = ms_since(t0);
    auto t1 = clk::now();
    MACIBM_finishup(1);                          // writes both preference files
    t.exit = ms_since(t1);
    return t;
}

static start_times start_in_child(void)
{
    int fd[2];
    start_times t{-1, -1, -1};
    if (pipe(fd) != 0) return t;
    pid_t pid = fork();
    if (pid == 0) {
        close(fd[0]);
        start_times c = one_start();
        ssize_t n = write(fd[1], &c, sizeof c);
        _exit(n == (ssize_t)sizeof c ? 0 : 1);
    }
    close(fd[1]);
    if (pid > 0) {
        if (read(fd[0], &t, sizeof t) != (ssize_t)sizeof t) t = {-1, -1, -1};
        waitpid(pid, nullptr, 0);
    }
    close(fd[0]);
    return t;
}

static double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v.empty() ? 0 : v[v.size() / 2];
}

template <class F> static double us_per_call(F f, int n)
{
    f();                                         // warm the file cache
    auto t0 = clk::now();
    for (int i = 0; i < n; i++) f();
    return ms_since(t0) * 1000.0 / n;
}

int main()
{
    start_in_child();                            // creates the preference files; not counted
    const int starts = 15;
    std::vector<double> first, init, exit_ms;
    for (int i = 0; i < starts; i++) {
        start_times t = start_in_child();
        if (t.first_frame < 0) {
            fprintf(stderr, "start %d failed\n", i);
            return 1;
        }
        first.push_back(t.first_frame);
        init.push_back(t.init);
        exit_ms.push_back(t.exit);
    }

    // The pieces this start-up reads and writes, in this process without a window.
    MACIBM_build_paths(WW_AERODECK_DIR);
    const int n = 200;
    double text = us_per_call([] { MACIBM_setupforlang(0); }, n);
    double res_read = us_per_call([] { handle_prefs(PRF_KIND_RES, PRF_READ, res_path); }, n);
    double ed_read = us_per_call([] { handle_prefs(PRF_KIND_EDITOR, PRF_READ, gen_path); }, n);
    const std::string tmp_res = std::string(WW_AERODECK_DIR) + "../bench-res.prf";
    const std::string tmp_ed = std::string(WW_AERODECK_DIR) + "../bench-editor.prf";
    double res_write = us_per_call([&] { handle_prefs(PRF_KIND_RES, PRF_WRITE, tmp_res); }, n);
    double ed_write = us_per_call([&] { handle_prefs(PRF_KIND_EDITOR, PRF_WRITE, tmp_ed); }, n);
    remove(tmp_res.c_str());
    remove(tmp_ed.c_str());

    printf("start-up to first frame shown : median %7.2f ms, best %7.2f ms (%d starts)\n", median(first),
           *std::min_element(first.begin(), first.end()), starts);
    printf("  of which up to the text     : median %7.2f ms\n", median(init));
    printf("normal exit, both prefs saved : median %7.2f ms\n", median(exit_ms));
    printf("text file (English)           : %8.1f us per load\n", text);
    printf("resolution prefs read / write : %8.1f / %8.1f us\n", res_read, res_write);
    printf("editor prefs read / write     : %8.1f / %8.1f us\n", ed_read, ed_write);
    return 0;
}
