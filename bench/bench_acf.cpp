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
