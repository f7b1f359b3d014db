// Final rounding of the results to the hundredth. Every check has already
// used the unrounded values.

#include <array>
#include <span>

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
constexpr std::array kRoundedWall{&WallResultRows::selfWeightShare,
                                  &WallResultRows::slabLoad,
                                  &WallResultRows::normalForce,
                                  &WallResultRows::baseStress,
                                  &WallResultRows::stiffnessX,
                                  &WallResultRows::stiffnessY,
                                  &WallResultRows::armX,
                                  &WallResultRows::armY,
                                  &WallResultRows::torsionForce,
                                  &WallResultRows::storeyShareX,
                                  &WallResultRows::storeyShareY,
                                  &WallResultRows::horizontalForceX,
                                  &WallResultRows::horizontalForceY,
                                  &WallResultRows::ultimateShearX,
                                  &WallResultRows::ultimateShearY,
                                  &WallResultRows::maxStress};

// A number is rounded; a value never written or cleared stays as it is.
void roundResult(ResultValue& value) { roundHundredths(std::span(&value, 1)); }

} // namespace

// Level 0 holds the self-weight and slab shares of the walls of storey 1.
void roundResults(EngineRun& run) {
    for (ResultValue BuildingResult::*field : kRoundedBuilding) roundResult(run.project.building().*field);
    for (int level = 0; level <= run.storeys; ++level) {
        FloorResult& floor = run.result(level);
        for (ResultValue FloorResult::*field : kRoundedFloor) roundResult(floor.*field);
        WallResultRows& walls = run.results(level);
        for (WallRow<ResultValue> WallResultRows::*field : kRoundedWall)
            roundHundredths(std::span((walls.*field).data() + 1, run.walls));
    }
}

} // namespace calvex::engine
