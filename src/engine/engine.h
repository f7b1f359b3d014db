#pragma once
// The verification engine: one silent, synchronous run that recomputes
// every result of the project from its inputs.

#include <string>

#include "model/project_data.h"

namespace calvex {

// What the caller knows of the wall window at the moment of the run.
struct RunContext {
    bool liveCalculation = true;     // the live-calculation switch is on
    int currentFloor = 1;            // storey shown in the wall window
    int currentWall = 1;             // wall shown in the wall window
    bool resultFieldsFilled = false; // none of its fourteen result fields is empty
};

enum class StopReason {
    None,
    LiveCalculationOff,
    GradoMissing,        // grado empty or not a number
    EmptyDimension,      // dimx or dimy empty at (storey, wall)
    ZeroWeightedHeights, // the weighted heights sum to zero
    DivisionByZero,
    NegativeSquareRoot,
    OutOfRange, // a value too large to be represented
};

enum class Phase {
    Preparation,
    BuildingPlan,
    TieStresses,
    WallLoads,
    Stiffness,
    StoreyWeights,
    SeismicForces,
    Torsion,
    ForceSharing,
    SafetyCoefficients,
    Eccentricity,
    Checks,
};

struct RunOutcome {
    bool complete = false;
    StopReason reason = StopReason::None;
    Phase phase = Phase::Preparation;
    int storey = 0; // where the run stopped, when it concerns one (0 otherwise)
    int wall = 0;

    // Italian description of why the run stopped ("" when complete).
    std::string describe() const;
};

// Runs every phase in order on the project. A run that stops leaves every
// result it did not reach as it was; a complete run records the input
// revision it computed.
RunOutcome runEngine(ProjectData& project, const RunContext& context);

// A storey is verified when both safety coefficients are at least 1.
bool storeyVerified(const ProjectData& project, int storey);
// The building is verified when every storey in use is; a coefficient never
// computed counts as below 1.
bool buildingVerified(const ProjectData& project);

} // namespace calvex
