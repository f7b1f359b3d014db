// runEngine: the phases of a run in their order (kPhaseSteps), and the
// outcome.

#include "engine.h"

#include "engine_run.h"

namespace calvex {

RunOutcome runEngine(ProjectData& project, const RunContext& context) {
    engine::EngineRun run(project, context);
    try {
        for (const engine::PhaseStep& step : engine::kPhaseSteps) step.run(run);
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
