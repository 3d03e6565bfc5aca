// Cost of the whole-record operations the file readers and writers perform:
// clearing an aircraft record (3.4 MB) before a read, copying the 647,096-byte
// stored image in or out, and copying a whole record. Each is measured next to
// a plain memset/memcpy of the same size on a byte buffer, so any overhead of
// the record type itself shows up as a difference.

#include <benchmark/benchmark.h>

#include <cstring>
#include <vector>

#include "model/acf_struct.h"
#include "base/records.h"
#include "editor/hl_undo.h"

namespace {

void BM_ClearRecord(benchmark::State& state)
{
    for (auto _ : state) {
        std::memset(&veh[0], 0, sizeof(veh_struct));
        benchmark::DoNotOptimize(&veh[0]);
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(state.iterations() * int64_t(sizeof(veh_struct)));
}
BENCHMARK(BM_ClearRecord);

void BM_PlainMemset_RecordSize(benchmark::State& state)
{
    std::vector<unsigned char> buf(sizeof(veh_struct), 1);
    for (auto _ : state) {
        std::memset(buf.data(), 0, buf.size());
        benchmark::DoNotOptimize(buf.data());
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(state.iterations() * int64_t(buf.size()));
}
BENCHMARK(BM_PlainMemset_RecordSize);

void BM_CopyStoredImage(benchmark::State& state)
{
    // Record 0 to record 1, as a read into a record or a write from one moves it.
    std::memset(&veh[0], 0x5a, ACF_IMAGE_BYTES);
    for (auto _ : state) {
        std::memcpy(&veh[1], &veh[0], ACF_IMAGE_BYTES);
        benchmark::DoNotOptimize(&veh[1]);
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(state.iterations() * int64_t(ACF_IMAGE_BYTES));
}
BENCHMARK(BM_CopyStoredImage);

void BM_PlainMemcpy_ImageSize(benchmark::State& state)
{
    std::vector<unsigned char> src(ACF_IMAGE_BYTES, 0x5a), dst(ACF_IMAGE_BYTES);
    for (auto _ : state) {
        std::memcpy(dst.data(), src.data(), src.size());
        benchmark::DoNotOptimize(dst.data());
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(state.iterations() * int64_t(src.size()));
}
BENCHMARK(BM_PlainMemcpy_ImageSize);

void BM_AssignWholeRecord(benchmark::State& state)
{
    // Struct assignment of the whole record, run-time fields included.
    for (auto _ : state) {
        veh[1] = veh[0];
        benchmark::DoNotOptimize(&veh[1]);
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(state.iterations() * int64_t(sizeof(veh_struct)));
}
BENCHMARK(BM_AssignWholeRecord);

void BM_PlainMemcpy_RecordSize(benchmark::State& state)
{
    std::vector<unsigned char> src(sizeof(veh_struct), 0x5a), dst(sizeof(veh_struct));
    for (auto _ : state) {
        std::memcpy(dst.data(), src.data(), src.size());
        benchmark::DoNotOptimize(dst.data());
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(state.iterations() * int64_t(src.size()));
}
BENCHMARK(BM_PlainMemcpy_RecordSize);

// An undo step of the two editors: the snapshot and its restore, in the fuselage window (20 x 18
// points, three coordinates and the locks) and in the panel window (300 slots and the selection).
void BM_UndoSnapshotAndRestore(benchmark::State& state)
{
    mnw.top_win = (int)state.range(0);
    xundo_t u;
    for (auto _ : state) {
        APPLICATION_saveundo(&u);
        APPLICATION_restoreundo(&u);
        benchmark::ClobberMemory();
    }
    mnw.top_win = 0;
}
BENCHMARK(BM_UndoSnapshotAndRestore)->Arg(611)->Arg(602);

}  // namespace

BENCHMARK_MAIN();
