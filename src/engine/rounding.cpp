// Final rounding of the results to the hundredth. Every check has already
// used the unrounded values.

#include <array>

#include "engine_run.h"

namespace calvex::engine {

namespace {

constexpr std::array kRoundedBuilding{&BuildingResult::totalWeight, &BuildingResult::massHeight,
                                      &BuildingResult::totalForce, &BuildingResult::forceHeight};
constexpr std::array kRoundedFloor{&FloorResult::storeyWeight,  &FloorResult::distributionCoeff,
                                   &FloorResult::massCentreX,   &FloorResult::massCentreY,
                                   &FloorResult::stiffCentreX,  &FloorResult::stiffCentreY,
                                   &FloorResult::eccX,          &FloorResult::eccY,
                                   &FloorResult::polarMoment,   &FloorResult::storeyForce,
                                   &FloorResult::torsionMoment, &FloorResult::torsionTotalForce};

} // namespace

// The walls of storeys 1 to np were rounded as the checks passed over them;
// level 0 holds the shares of the walls of storey 1.
void roundResults(EngineRun& run) {
    roundFields(run.project.building(), kRoundedBuilding);
    for (int level = 0; level <= run.storeys; ++level) roundFields(run.result(level), kRoundedFloor);
    roundWallResults(run.results(0), run.walls);
}

} // namespace calvex::engine
