#pragma once
// The state of one engine run, shared by the phase files. Internal to the
// engine.

#include <array>
#include <cmath>
#include <span>

#include "engine.h"

namespace calvex::engine {

// Thrown to end a run at once; caught by runEngine.
struct RunStopped {
    RunOutcome outcome;
};

class EngineRun {
public:
    EngineRun(ProjectData& project, const RunContext& context)
        : project(project), context(context), numbers_(project.wallNumberGrid()), results_(project.wallResultGrid()) {}

    ProjectData& project;
    const RunContext& context;

    // Sizes of the run.
    int storeys = 0;
    int walls = 0;
    int xWalls = 0;

    // General values as numbers.
    double grado = 0, strutt = 0, riduz = 0, protez = 0;

    // Where the run is, for the stop reason.
    Phase phase = Phase::Preparation;
    int storey = 0;
    int wall = 0;

    void at(Phase p, int s = 0, int w = 0) {
        phase = p;
        storey = s;
        wall = w;
    }

    [[noreturn]] void stop(StopReason reason) const {
        throw RunStopped{RunOutcome{false, reason, phase, storey, wall}};
    }

    // Every division and square root of the run goes through these, so
    // that no NaN or infinity can ever reach a result.
    double divide(double dividend, double divisor) const {
        if (divisor == 0.0) stop(StopReason::DivisionByZero);
        return dividend / divisor;
    }
    double root(double radicand) const {
        if (radicand < 0.0) stop(StopReason::NegativeSquareRoot);
        return std::sqrt(radicand);
    }
    // Writes a result and returns it.
    double put(ResultValue& slot, double value) const {
        if (!std::isfinite(value)) stop(StopReason::OutOfRange);
        slot = value;
        return value;
    }

    // Storeys stay within 0 to np + 1 and walls within 0 to the wall count.
    double in(int s, int w, WallField field) const { return numbers_[s][static_cast<int>(field)][w]; }
    double in(int s, FloorField field) const { return project.floorNumber(s, field); }
    bool isXWall(int w) const { return w <= xWalls; }

    WallResultRows& results(int s) { return results_[s]; }
    FloorResult& result(int level) { return project.floorResult(level); }
    // A result of wall w of the storey above, for the sums from the top
    // storey down: 0 above the top storey.
    double above(int s, int w, WallRow<ResultValue> WallResultRows::*field) const {
        return s + 1 > storeys ? 0.0 : (results_[s + 1].*field)[w].number();
    }
    double above(int s, ResultValue FloorResult::*field) {
        return s + 1 > storeys ? 0.0 : (result(s + 1).*field).number();
    }

    // An empty input becomes the integer 0 (written back to the project).
    void zeroIfEmpty(int s, int w, WallField field) {
        if (project.wallIsEmpty(s, w, field)) project.setWall(s, w, field, FieldValue::integer(0));
    }

private:
    const std::array<ProjectData::WallNumberRows, kStoreyRows>& numbers_;
    std::array<WallResultRows, kStoreyRows>& results_;
};

// The loads of one storey per unit that make up the seismic load W of a
// wall, the live loads of slabs and cantilevers reduced by riduz.
struct StoreyLoads {
    double cantilever; // t/m of cantilever
    double slab;       // t/m of slab
    double masonry;    // hp specifico: t per mq of wall section

    // The slabs and cantilevers a wall carries.
    double floorsOn(double sbalzi, double solai) const { return cantilever * sbalzi + slab * solai; }
    // The weight of the wall itself over the storey height.
    double wallWeight(double area) const { return masonry * area; }
};
// Slab and cantilever loads: riduz acc + perm; masonry: hp specifico.
inline StoreyLoads storeyLoads(const EngineRun& run, int s) {
    return {run.riduz * run.in(s, FloorField::accsbalzi) + run.in(s, FloorField::permsbalzi),
            run.riduz * run.in(s, FloorField::accsolai) + run.in(s, FloorField::permsolai),
            run.in(s, FloorField::hp) * run.in(s, FloorField::specifico)};
}

// The phases, in the order of a run.
void prepare(EngineRun& run);
void computeBuildingPlan(EngineRun& run);
void computeTieStresses(EngineRun& run);
void computeWallLoads(EngineRun& run);
void computeStiffness(EngineRun& run);
void computeStoreyWeights(EngineRun& run);
void computeSeismicForces(EngineRun& run);
void computeArmsAndPolarMoment(EngineRun& run);
void computeAdditionalTorsion(EngineRun& run);
void shareForces(EngineRun& run);
void computeSafetyCoefficients(EngineRun& run);
void computeMaxStresses(EngineRun& run);
void buildChecksAndVerdicts(EngineRun& run);
void roundResults(EngineRun& run);

// Rounds every number of the values to the hundredth (roundHundredth).
void roundHundredths(std::span<ResultValue> values);

// The phases of a run in their order, named for the benchmark that times
// each on its own.
struct PhaseStep {
    const char* name;
    void (*run)(EngineRun&);
};
inline constexpr std::array kPhaseSteps{
    PhaseStep{"Preparation", prepare},
    PhaseStep{"TieStresses", computeTieStresses},
    PhaseStep{"WallLoads", computeWallLoads},
    PhaseStep{"Stiffness", computeStiffness},
    PhaseStep{"StoreyWeights", computeStoreyWeights},
    PhaseStep{"SeismicForces", computeSeismicForces},
    PhaseStep{"ArmsAndPolarMoment", computeArmsAndPolarMoment},
    PhaseStep{"AdditionalTorsion", computeAdditionalTorsion},
    PhaseStep{"ForceSharing", shareForces},
    PhaseStep{"SafetyCoefficients", computeSafetyCoefficients},
    PhaseStep{"MaxStresses", computeMaxStresses},
    PhaseStep{"ChecksAndVerdicts", buildChecksAndVerdicts},
    PhaseStep{"Rounding", roundResults},
};

} // namespace calvex::engine
