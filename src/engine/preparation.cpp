// Start of every run: the fill step, the switch and grade checks, the sizes
// and general values of the run, and the building plan when it is due.

#include <algorithm>

#include "engine_run.h"
#include "model/numeric_text.h"

namespace calvex::engine {

namespace {

// Once the wall shown has all its results, every empty value of the walls
// up to it becomes 0, so that a half-typed wall does not stop later runs.
void fillEmptyWallValues(EngineRun& run) {
    const int lastStorey = std::clamp(run.context.currentFloor, 0, kMaxStoreys);
    const int lastWall = std::clamp(run.context.currentWall, 0, kMaxWalls);
    for (int s = 1; s <= lastStorey; ++s)
        for (int w = 1; w <= lastWall; ++w)
            for (int f = 0; f < kWallFieldCount; ++f) run.zeroIfEmpty(s, w, static_cast<WallField>(f));
}

bool gradoIsUsable(const FieldValue& grado) {
    if (grado.isNumber()) return true;
    return !grado.isEmpty() && isNumericText(grado.textValue());
}

} // namespace

void prepare(EngineRun& run) {
    run.at(Phase::Preparation);
    ProjectData& project = run.project;
    if (run.context.resultFieldsFilled) fillEmptyWallValues(run);
    if (!run.context.liveCalculation) run.stop(StopReason::LiveCalculationOff);
    if (!gradoIsUsable(project.general(GeneralField::grado))) run.stop(StopReason::GradoMissing);

    run.storeys = project.storeyCount();
    run.walls = project.wallCount();
    run.xWalls = project.xWallCount();
    run.grado = project.general(GeneralField::grado).typedNumber();
    run.strutt = project.general(GeneralField::strutt).typedNumber();
    run.riduz = project.general(GeneralField::riduz).typedNumber();
    run.protez = project.general(GeneralField::protez).typedNumber();

    if (run.context.currentFloor == 1 && run.walls > 0 && run.in(1, run.walls, WallField::dimx) > 0)
        computeBuildingPlan(run);
}

} // namespace calvex::engine
