// The phases of one run of the largest building, each timed on its own:
// where the run's time goes, without a profiler. Each iteration runs the
// phases before the one measured untimed, so that it starts from the state
// a full run gives it. The iterations are fixed: left to itself, the
// library would run each phase until it alone had taken half a second.
// The CPU column counts the untimed phases too; the time column is the
// phase's own.

#include <benchmark/benchmark.h>

#include <chrono>
#include <memory>
#include <string>

#include "engine/engine_run.h"
#include "large_building.h"

namespace calvex {
namespace {

void BM_EnginePhase_20x100(benchmark::State& state, std::size_t phase) {
    const std::unique_ptr<ProjectData> building = makeLargeBuilding();
    building->prepareWallEntry();
    const RunContext context{true, 1, 1, false};
    if (!runEngine(*building, context).complete) state.SkipWithError("the run did not complete");
    for (auto _ : state) {
        engine::EngineRun run(*building, context);
        for (std::size_t i = 0; i < phase; ++i) engine::kPhaseSteps[i].run(run);
        const auto start = std::chrono::steady_clock::now();
        engine::kPhaseSteps[phase].run(run);
        const auto end = std::chrono::steady_clock::now();
        state.SetIterationTime(std::chrono::duration<double>(end - start).count());
    }
}

const bool kRegistered = [] {
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
