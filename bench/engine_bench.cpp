#include <benchmark/benchmark.h>

#include <chrono>
#include <memory>
#include <string>

#include "engine/engine.h"
#include "engine/engine_run.h"
#include "large_building.h"

namespace calvex {
namespace {

// A run as the wall window makes it after every accepted edit (storey 1
// shown, so the plan step runs too).
const RunContext kWallWindowRun{true, 1, 1, false};

// The largest building after one complete run.
std::unique_ptr<ProjectData> computedLargeBuilding(benchmark::State& state) {
    std::unique_ptr<ProjectData> building = makeLargeBuilding();
    building->prepareWallEntry();
    if (!runEngine(*building, kWallWindowRun).complete) state.SkipWithError("the run did not complete");
    return building;
}

// One full verification of the largest building.
void BM_EngineRun_20x100(benchmark::State& state) {
    const std::unique_ptr<ProjectData> building = computedLargeBuilding(state);
    for (auto _ : state) {
        const RunOutcome outcome = runEngine(*building, kWallWindowRun);
        benchmark::DoNotOptimize(outcome.complete);
    }
    state.counters["verified"] = buildingVerified(*building);
}
BENCHMARK(BM_EngineRun_20x100)->Unit(benchmark::kMicrosecond);

// The phases of the same run, each timed on its own: where the run's time
// goes, without a profiler. Each iteration runs the phases before the one
// measured untimed, so that it starts from the state a full run gives it.
// The iterations are fixed: left to itself, the library would run each
// phase until it alone had taken half a second. The CPU column counts the
// untimed phases too; the time column is the phase's own.
void BM_EnginePhase_20x100(benchmark::State& state, std::size_t phase) {
    const std::unique_ptr<ProjectData> building = computedLargeBuilding(state);
    for (auto _ : state) {
        engine::EngineRun run(*building, kWallWindowRun);
        for (std::size_t i = 0; i < phase; ++i) engine::kPhaseSteps[i].run(run);
        const auto start = std::chrono::steady_clock::now();
        engine::kPhaseSteps[phase].run(run);
        const auto end = std::chrono::steady_clock::now();
        state.SetIterationTime(std::chrono::duration<double>(end - start).count());
    }
}

const bool kPhasesRegistered = [] {
    for (std::size_t i = 0; i < engine::kPhaseSteps.size(); ++i)
        benchmark::RegisterBenchmark((std::string("BM_EnginePhase_20x100/") + engine::kPhaseSteps[i].name).c_str(),
                                     BM_EnginePhase_20x100, i)
            ->UseManualTime()
            ->Iterations(2000)
            ->Unit(benchmark::kMicrosecond);
    return true;
}();

} // namespace
} // namespace calvex
