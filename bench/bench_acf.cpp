// Cost of reading and writing one aircraft file (typed header plus the 647,096-byte image),
// next to the floor: plain stdio reading and writing of the same number of bytes. The save is the
// safe one (temporary file, flush to disk, rename), so a plain write followed by fsync is shown
// as well; the difference between the two plain writes is what the disk flush itself costs here.

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <unistd.h>
#include <vector>

#include "model/IO_ACF.h"
#include "model/IO_AFL.h"
#include "model/wpn_samples.h"
#include "base/records.h"
#include <algorithm>
#include <dirent.h>
#include "model/acf_struct.h"
#include "shell/Hl_MNW.h"
#include "base/IO_UTILS.h"
#include "tests/support/old_acf_file.h"

namespace {

const size_t kFileBytes = 5 + ACF_IMAGE_BYTES;

std::string bench_dir(void)
{
    static std::string dir;
    if (dir.empty()) {
        MACIBM_build_paths(WW_AERODECK_DIR);
        dir = acf_path + "bench-acf-" + std::to_string(getpid()) + ":";
        IO_make_folders(dir + "x");
    }
    return dir;
}

void fill_record(int p)
{
    unsigned char* b = reinterpret_cast<unsigned char*>(&veh[p]);
    for (int i = 0; i < ACF_IMAGE_BYTES; i++) b[i] = (unsigned char)(i * 31 + 7);
    veh[p].is_APL = 0;
}

void set_path(int p, const std::string& path)
{
    memset(veh[p].path, 0, sizeof veh[p].path);
    snprintf(veh[p].path, sizeof veh[p].path, "%s", path.c_str());
}

void BM_AcfWrite(benchmark::State& state)
{
    const std::string path = bench_dir() + "bench.acf";
    fill_record(0);
    set_path(0, path);
    for (auto _ : state) {
        if (!IO_acf(1, 0, 0)) state.SkipWithError("save failed");
    }
    state.SetBytesProcessed(state.iterations() * int64_t(kFileBytes));
}
BENCHMARK(BM_AcfWrite)->Unit(benchmark::kMicrosecond);

void BM_AcfRead(benchmark::State& state)
{
    const std::string path = bench_dir() + "bench-read.acf";
    fill_record(0);
    set_path(0, path);
    IO_acf(1, 0, 0);
    for (auto _ : state) {
        set_path(0, path);
        if (!IO_acf(0, 0, 0)) state.SkipWithError("read failed");
    }
    state.SetBytesProcessed(state.iterations() * int64_t(kFileBytes));
}
BENCHMARK(BM_AcfRead)->Unit(benchmark::kMicrosecond);

void BM_AcfReadBigEndian(benchmark::State& state)
{
    // The same file as a big-endian writer stores it: the byte-order conversion on top of the read.
    const std::string path = bench_dir() + "bench-big.acf";
    std::vector<unsigned char> file(kFileBytes, 0x11);
    const unsigned char hdr[5] = {'a', 0, 0, 0x02, 0xE4};
    memcpy(file.data(), hdr, 5);
    file[8] = 1;   // is_APL, most significant byte first
    FILE* f = fopen(IO_host_path(path).c_str(), "wb");
    fwrite(file.data(), 1, file.size(), f);
    fclose(f);
    for (auto _ : state) {
        set_path(0, path);
        if (!IO_acf(0, 0, 0)) state.SkipWithError("read failed");
    }
    state.SetBytesProcessed(state.iterations() * int64_t(kFileBytes));
}
BENCHMARK(BM_AcfReadBigEndian)->Unit(benchmark::kMicrosecond);

// Older files (every field filled, in both byte orders for the older record): the read and the
// whole conversion into the current record.
void old_read(benchmark::State& state, const std::string& name, const std::string& bytes)
{
    const std::string path = bench_dir() + name;
    FILE* f = fopen(IO_host_path(path).c_str(), "wb");
    fwrite(bytes.data(), 1, bytes.size(), f);
    fclose(f);
    for (auto _ : state) {
        set_path(0, path);
        if (!IO_acf(0, 0, 0)) state.SkipWithError("read failed");
    }
    state.SetBytesProcessed(state.iterations() * int64_t(bytes.size()));
}

void BM_OldAcfRead(benchmark::State& state)
{
    static OLD_planestruct o;
    old_acf_fill(o);
    const int version = (int)state.range(0);
    old_read(state, "bench-old.acf", old_acf_file(o, version, state.range(1) != 0));
}
BENCHMARK(BM_OldAcfRead)->ArgNames({"version", "big"})->Args({600, 0})->Args({626, 0})->Args({626, 1})
    ->Unit(benchmark::kMicrosecond);

void BM_OldAcfRead700(benchmark::State& state)
{
    static veh_struct v;
    old_acf_fill(v);
    static int32_t panel[6][200];
    old_read(state, "bench-700.acf", old_acf_file_700(v, panel, false));
}
BENCHMARK(BM_OldAcfRead700)->Unit(benchmark::kMicrosecond);

void BM_PlainRead_FileSize(benchmark::State& state)
{
    const std::string path = IO_host_path(bench_dir() + "plain.bin");
    std::vector<unsigned char> buf(kFileBytes, 0x5a);
    FILE* f = fopen(path.c_str(), "wb");
    fwrite(buf.data(), 1, buf.size(), f);
    fclose(f);
    for (auto _ : state) {
        FILE* in = fopen(path.c_str(), "rb");
        size_t got = fread(buf.data(), 1, buf.size(), in);
        fclose(in);
        benchmark::DoNotOptimize(got);
    }
    state.SetBytesProcessed(state.iterations() * int64_t(kFileBytes));
}
BENCHMARK(BM_PlainRead_FileSize)->Unit(benchmark::kMicrosecond);

// Rewriting a file in place (fopen "wb" truncates it) and writing a fresh file, which is what the
// safe save does with its temporary; ext4 flushes a file truncated and rewritten on close.
void plain_write(benchmark::State& state, bool sync, bool fresh)
{
    const std::string path = IO_host_path(bench_dir() + "plain-out.bin");
    std::vector<unsigned char> buf(kFileBytes, 0x5a);
    for (auto _ : state) {
        if (fresh) unlink(path.c_str());
        FILE* out = fopen(path.c_str(), "wb");
        fwrite(buf.data(), 1, buf.size(), out);
        fflush(out);
        if (sync) fsync(fileno(out));
        fclose(out);
    }
    state.SetBytesProcessed(state.iterations() * int64_t(kFileBytes));
}

void BM_PlainRewrite_FileSize(benchmark::State& state) { plain_write(state, false, false); }
BENCHMARK(BM_PlainRewrite_FileSize)->Unit(benchmark::kMicrosecond);

void BM_PlainWriteFresh_FileSize(benchmark::State& state) { plain_write(state, false, true); }
BENCHMARK(BM_PlainWriteFresh_FileSize)->Unit(benchmark::kMicrosecond);

void BM_PlainWriteFreshFsync_FileSize(benchmark::State& state) { plain_write(state, true, true); }
BENCHMARK(BM_PlainWriteFreshFsync_FileSize)->Unit(benchmark::kMicrosecond);

// The airfoil loading of an open, as ACF_after_read does it: all 44 parts' four slots, 176 files
// named, spread over the first `distinct` files of the shipped library; the aircraft has no
// airfoils folder of its own, so every name is looked for there first. Cold: the parsed files
// forgotten before each open, so each distinct file is parsed once per open; warm: the same
// aircraft opened again.
void load_all_slots(const std::vector<std::string>& names)
{
    IO_afl_open_begin();
    for (int part = 0; part < ACF_FOIL_PARTS; part++)
        for (int slot = 0; slot < 4; slot++)
            load_foil_for_part(names[(size_t)(part * 4 + slot) % names.size()], 0, part, slot / 2, slot % 2);
    IO_afl_open_end();
}

void airfoil_open(benchmark::State& state, bool cold)
{
    bench_dir();
    std::vector<std::string> names;
    if (DIR* d = opendir(IO_host_path(afl_path).c_str())) {
        while (dirent* e = readdir(d))
            if (strstr(e->d_name, ".afl")) names.push_back(e->d_name);
        closedir(d);
    }
    std::sort(names.begin(), names.end());
    if (names.size() < (size_t)state.range(0)) {
        state.SkipWithError("the Airfoils folder lacks the shipped library");
        return;
    }
    names.resize((size_t)state.range(0));
    set_path(0, bench_dir() + "Plane.acf");
    snprintf(veh[0].name, sizeof veh[0].name, "Plane.acf");
    load_all_slots(names);
    for (auto _ : state) {
        if (cold) IO_afl_reset();
        load_all_slots(names);
    }
    benchmark::DoNotOptimize(veh[0].afl[43].cl[1][1][360]);
}

void BM_AirfoilsOpenCold(benchmark::State& state) { airfoil_open(state, true); }
BENCHMARK(BM_AirfoilsOpenCold)->Arg(12)->Arg(3)->Unit(benchmark::kMillisecond);

void BM_AirfoilsOpenWarm(benchmark::State& state) { airfoil_open(state, false); }
BENCHMARK(BM_AirfoilsOpenWarm)->Arg(12)->Arg(3)->Unit(benchmark::kMillisecond);

// The weapons an aircraft read loads: 24 attachment points naming 24 distinct weapon files, read
// as read_acf does (each name looked for in the aircraft's own weapons folder first). Arg 1: the
// files are in that folder; 0: in the program's Weapons folder, after a look in the aircraft's.
void BM_AcfWeapons(benchmark::State& state)
{
    const std::string dir = bench_dir();
    const bool own = state.range(0) != 0;
    const std::string folder = own ? dir + "weapons:" : wpn_path + "bench-" + std::to_string(getpid()) + ":";
    IO_make_folders(folder + "x");
    veh_struct& v = veh[0];
    memset(&v, 0, sizeof v);
    set_path(0, dir + "armed.acf");
    for (int i = 0; i < ACF_WPN_POINTS; i++) {
        WPN_make_sample(0, 24, i % WPN_SAMPLES);
        const std::string name = (own ? "" : "bench-" + std::to_string(getpid()) + ":") + "w" + std::to_string(i) + ".wpn";
        IO_wpn(1, 0, 24, name, folder + "w" + std::to_string(i) + ".wpn", 1);
        snprintf(v.wpn_name[i], sizeof v.wpn_name[i], "%s", name.c_str());
    }
    for (auto _ : state) {
        for (int i = 0; i < ACF_WPN_POINTS; i++)
            if (!IO_wpn(0, 0, i, v.wpn_name[i], "", 0)) state.SkipWithError("weapon read failed");
    }
    if (!own) {
        for (int i = 0; i < ACF_WPN_POINTS; i++) remove(IO_host_path(folder + "w" + std::to_string(i) + ".wpn").c_str());
        rmdir(IO_host_path(folder).c_str());
    }
}
BENCHMARK(BM_AcfWeapons)->Arg(1)->Arg(0)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    std::string cmd = "rm -rf '" + IO_host_path(bench_dir()) + "'";
    return system(cmd.c_str()) == 0 ? 0 : 1;
}
