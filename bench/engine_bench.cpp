#include <benchmark/benchmark.h>

#include <memory>

#include "engine/engine.h"
#include "large_building.h"

namespace calvex {
namespace {

// One full verification of the largest building, as the wall window runs
// it after every accepted edit (storey 1 shown, so the plan step runs too).
void BM_EngineRun_20x100(benchmark::State& state) {
    const std::unique_ptr<ProjectData> building = makeLargeBuilding();
    building->prepareWallEntry();
    const RunContext context{true, 1, 1, false};
    if (!runEngine(*building, context).complete) state.SkipWithError("the run did not complete");
    for (auto _ : state) {
        const RunOutcome outcome = runEngine(*building, context);
        benchmark::DoNotOptimize(outcome.complete);
    }
    state.counters["verified"] = buildingVerified(*building);
}
BENCHMARK(BM_EngineRun_20x100)->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace calvex
