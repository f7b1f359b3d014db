// runEngine: the phases of a run in their order (kPhaseSteps), in the fastest
// build of the wall loops, and the outcome.

#include "engine.h"

#include "engine_run.h"

namespace calvex {

WallLoops fastestWallLoops() {
#if defined(CALVEX_HAS_WALL_QUADS)
    // Asked once, perhaps while the program's statics are set up, before the
    // compiler's own reading of the processor: hence the explicit init.
    static const WallLoops fastest = [] {
        __builtin_cpu_init();
        return __builtin_cpu_supports("avx2") ? WallLoops::quads : WallLoops::pairs;
    }();
    return fastest;
#else
    return WallLoops::pairs;
#endif
}

RunOutcome runEngine(ProjectData& project, const RunContext& context, WallLoops loops) {
    engine::EngineRun run(project, context);
    try {
        for (const engine::PhaseStep& step : engine::kPhaseSteps) step.run(run, loops);
    } catch (const engine::RunStopped& stopped) {
        return stopped.outcome;
    }
    project.markComputed();
    return RunOutcome{true};
}

bool storeyVerified(const ProjectData& project, int storey) {
    const FloorResult& floor = project.floorResult(storey);
    return floor.safetyX.isNumber() && floor.safetyY.isNumber() && floor.safetyX.number() >= 1 &&
           floor.safetyY.number() >= 1;
}

bool buildingVerified(const ProjectData& project) {
    const int storeys = project.storeyCount();
    for (int s = 1; s <= storeys; ++s)
        if (!storeyVerified(project, s)) return false;
    return true;
}

} // namespace calvex
