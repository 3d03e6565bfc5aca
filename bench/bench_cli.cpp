// The command line over a fleet of 1,000 aircraft files: `check` and `resave` run as the real
// program, next to the floor of the same bytes: each file read whole, and each file read and
// written back with its data flushed to disk (fsync), in this process.

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

#include "base/records.h"
#include "model/IO_ACF.h"
#include "shell/Hl_MNW.h"
#include "tests/support/ww_full_acf.h"
#include "tests/support/ww_test.h"

namespace {

const int kFiles = 1000;

// The fleet: the fully populated aircraft, saved once and copied 1,000 times.
const std::vector<std::string>& fleet(void)
{
    static std::vector<std::string> files;
    if (!files.empty()) return files;
    MACIBM_zero_records();
    ww_use_aerodeck();
    MACIBM_fill_constants();
    const std::string dir = ww_temp_dir("bench-cli");
    ww_full_acf(0);
    if (!IO_acf_write_to(0, dir + "full.acf")) abort();
    const std::string bytes = ww_read_bytes(dir + "full.acf");
    unlink((dir + "full.acf").c_str());
    for (int i = 0; i < kFiles; i++) {
        files.push_back(dir + "fleet" + std::to_string(i) + ".acf");
        if (!ww_write_bytes(files.back(), bytes)) abort();
    }
    return files;
}

std::string fleet_dir(void)
{
    const std::string& f = fleet()[0];
    return f.substr(0, f.rfind('/') + 1);
}

// The program with these arguments, its output thrown away; aborts unless it ends with status 0.
void run_program(const std::vector<std::string>& args)
{
    const pid_t pid = fork();
    if (pid == 0) {
        std::vector<char*> argv;
        static char prog[] = WW_AERODECK_DIR "Wing-Wright";
        argv.push_back(prog);
        for (const std::string& a : args) argv.push_back(const_cast<char*>(a.c_str()));
        argv.push_back(nullptr);
        freopen("/dev/null", "w", stdout);
        execv(prog, argv.data());
        _exit(99);
    }
    int st;
    waitpid(pid, &st, 0);
    if (!WIFEXITED(st) || WEXITSTATUS(st) != 0) abort();
}

void BM_CliCheck1000(benchmark::State& state)
{
    std::vector<std::string> args = {"check"};
    for (const std::string& f : fleet()) args.push_back(f);
    for (auto _ : state) run_program(args);
    state.SetItemsProcessed(state.iterations() * kFiles);
}
BENCHMARK(BM_CliCheck1000)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

void BM_CliResave1000(benchmark::State& state)
{
    const std::vector<std::string> args = {"resave", fleet_dir()};
    for (auto _ : state) run_program(args);
    state.SetItemsProcessed(state.iterations() * kFiles);
}
BENCHMARK(BM_CliResave1000)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

// The floor of check: every file read whole.
void BM_FloorRead1000(benchmark::State& state)
{
    std::vector<char> buf(1 << 20);
    for (auto _ : state) {
        for (const std::string& f : fleet()) {
            const int fd = open(f.c_str(), O_RDONLY);
            while (read(fd, buf.data(), buf.size()) > 0) {}
            close(fd);
        }
    }
    state.SetItemsProcessed(state.iterations() * kFiles);
}
BENCHMARK(BM_FloorRead1000)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

// The floor of resave: every file read whole and written back in place, flushed to disk.
void BM_FloorReadWriteFsync1000(benchmark::State& state)
{
    std::vector<char> buf(1 << 20);
    for (auto _ : state) {
        for (const std::string& f : fleet()) {
            int fd = open(f.c_str(), O_RDONLY);
            ssize_t n = 0, got;
            while ((got = read(fd, buf.data() + n, buf.size() - (size_t)n)) > 0) n += got;
            close(fd);
            fd = open(f.c_str(), O_WRONLY | O_TRUNC);
            if (write(fd, buf.data(), (size_t)n) != n || fsync(fd) != 0) abort();
            close(fd);
        }
    }
    state.SetItemsProcessed(state.iterations() * kFiles);
}
BENCHMARK(BM_FloorReadWriteFsync1000)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

}  // namespace

BENCHMARK_MAIN();
