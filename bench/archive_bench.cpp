#include <benchmark/benchmark.h>

#include <memory>

#include "large_building.h"
#include "model/archive.h"

namespace calvex {
namespace {

// Saving and opening the largest building the program accepts: encoding
// the archive, then reading it into a project cleared as the open command
// clears it.
void BM_ArchiveReadWrite_20x100(benchmark::State& state) {
    const std::unique_ptr<ProjectData> building = makeLargeBuilding();
    auto target = std::make_unique<ProjectData>();
    std::size_t bytes = 0;
    for (auto _ : state) {
        state.PauseTiming();
        target->resetWalls();
        target->resetGeneral(target->storeyCount());
        state.ResumeTiming();
        const ArchiveEncoding encoding = encodeArchive(*building);
        const ArchiveReadResult result = readArchive(encoding.bytes, *target);
        if (!result.complete) state.SkipWithError("the archive did not read back");
        bytes = encoding.bytes.size();
        benchmark::DoNotOptimize(target.get());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes));
    state.counters["archive_bytes"] = static_cast<double>(bytes);
}
BENCHMARK(BM_ArchiveReadWrite_20x100)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace calvex
