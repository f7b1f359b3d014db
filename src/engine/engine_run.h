#pragma once
// The state of one engine run, shared by the phase files. Internal to the
// engine.

#include <array>
#include <cmath>
#include <cstdint>
#include <initializer_list>
#include <type_traits>

#include "engine.h"
#include "wall_loops.h"
#include "wall_rounding.h"

namespace calvex::engine {

// Thrown to end a run at once; caught by runEngine.
struct RunStopped {
    RunOutcome outcome;
};

// The walls of one storey, with the rows of the grids in hand: a loop that
// reads and writes through them keeps the rows in registers, where reading
// them through the run again at every wall costs as much as the work.
struct StoreyWalls {
    const ProjectData::WallNumberRows& inputs;
    const std::uint16_t* empty;
    WallResultRows& results;
    int count; // the walls in use, 1 to count

    double in(int w, WallField field) const { return inputs[static_cast<int>(field)][w]; }
    // The readings of a field, for the groups of walls.
    const WallRow<double>& input(WallField field) const { return inputs[static_cast<int>(field)]; }
    // A bit per field, set where the field is empty.
    std::uint16_t emptyBits(int w) const { return empty[w]; }
};

class EngineRun {
public:
    EngineRun(ProjectData& project, const RunContext& context)
        : project(project),
          context(context),
          numbers_(project.wallNumberGrid()),
          empty_(project.wallEmptyGrid()),
          results_(project.wallResultGrid()) {}

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
    // Returns the value, so that a loop goes on with it without reading it back.
    double put(ResultValue& slot, double value) const {
        if (!std::isfinite(value)) stop(StopReason::OutOfRange);
        slot = value;
        return value;
    }

    // Storeys stay within 0 to np + 1 and walls within 0 to the wall count.
    double in(int s, int w, WallField field) const { return numbers_[s][static_cast<int>(field)][w]; }
    double in(int s, FloorField field) const { return project.floorNumber(s, field); }
    // The readings of a field of storey s, for the groups of walls.
    const WallRow<double>& input(int s, WallField field) const { return numbers_[s][static_cast<int>(field)]; }
    bool isXWall(int w) const { return w <= xWalls; }

    WallResultRows& results(int s) { return results_[s]; }
    StoreyWalls storeyWalls(int s) { return {numbers_[s], empty_[s].data(), results_[s], walls}; }
    FloorResult& result(int level) { return project.floorResult(level); }

    // The wall results of the storey above, for the sums from the top storey
    // down: above the top storey rows of zeros, so that nothing is
    // accumulated. A loop reads there only results the run has written.
    const WallResultRows& rowsAbove(int s) const { return s + 1 > storeys ? zeroRows() : results_[s + 1]; }
    double above(int s, ResultValue FloorResult::*field) {
        return s + 1 > storeys ? 0.0 : (result(s + 1).*field).number();
    }

    // An empty input becomes the integer 0 (written back to the project).
    void zeroIfEmpty(int s, int w, WallField field) {
        if (isEmpty(s, w, field)) project.setWall(s, w, field, FieldValue::integer(0));
    }
    bool isEmpty(int s, int w, WallField field) const { return (emptyBits(s, w) >> static_cast<int>(field)) & 1u; }
    // A bit per field, set where the field is empty.
    std::uint16_t emptyBits(int s, int w) const { return empty_[s][w]; }
    static constexpr std::uint16_t fieldBits(std::initializer_list<WallField> fields) {
        std::uint16_t bits = 0;
        for (WallField field : fields) bits |= static_cast<std::uint16_t>(1u << static_cast<int>(field));
        return bits;
    }
    // Whether a wall of storey s in use has one of the fields empty. The
    // loops that zero empty values test this once per storey, and where no
    // wall has one they run without the zeroing, which would otherwise be
    // a call at every wall.
    bool anyEmpty(int s, std::uint16_t fields) const {
        std::uint16_t bits = 0;
        for (int w = 1; w <= walls; ++w) bits |= empty_[s][w];
        return (bits & fields) != 0;
    }

private:
    static const WallResultRows& zeroRows() {
        static const WallResultRows rows = [] {
            WallResultRows zeros;
            forEachWallResultField(zeros, zeros, [](auto& row, auto&) {
                if constexpr (std::is_same_v<std::remove_reference_t<decltype(row)>, WallRow<ResultValue>>)
                    row.fill(0.0);
            });
            return zeros;
        }();
        return rows;
    }

    const std::array<ProjectData::WallNumberRows, kStoreyRows>& numbers_;
    const ProjectData::WallGrid<std::uint16_t>& empty_;
    std::array<WallResultRows, kStoreyRows>& results_;
};

// The phases, in the order of a run. Those with loops over the walls are
// built in pairs and in fours (wall_loops.h).
void prepare(EngineRun& run);
void computeBuildingPlan(EngineRun& run);
void buildChecksAndVerdicts(EngineRun& run);
void roundResults(EngineRun& run);
// The phases with wall loops, declared once for both builds.
#define CALVEX_DECLARE_WALL_LOOP_PHASES             \
    void computeTieStresses(EngineRun& run);        \
    void computeWallLoads(EngineRun& run);          \
    void computeStiffness(EngineRun& run);          \
    void computeStoreyWeights(EngineRun& run);      \
    void computeSeismicForces(EngineRun& run);      \
    void computeArmsAndPolarMoment(EngineRun& run); \
    void computeAdditionalTorsion(EngineRun& run);  \
    void shareForces(EngineRun& run);               \
    void computeSafetyCoefficients(EngineRun& run); \
    void computeMaxStresses(EngineRun& run);
namespace pairs {
CALVEX_DECLARE_WALL_LOOP_PHASES
} // namespace pairs
namespace quads {
CALVEX_DECLARE_WALL_LOOP_PHASES
} // namespace quads
#undef CALVEX_DECLARE_WALL_LOOP_PHASES

// The phases of a run in their order, in both builds, named for the
// benchmark that times each on its own.
struct PhaseStep {
    const char* name;
    void (*inPairs)(EngineRun&);
    void (*inQuads)(EngineRun&);
    void run(EngineRun& engineRun, WallLoops loops) const {
        (loops == WallLoops::quads ? inQuads : inPairs)(engineRun);
    }
};
inline constexpr std::array kPhaseSteps{
    PhaseStep{"Preparation", prepare, prepare},
    PhaseStep{"TieStresses", pairs::computeTieStresses, quads::computeTieStresses},
    PhaseStep{"WallLoads", pairs::computeWallLoads, quads::computeWallLoads},
    PhaseStep{"Stiffness", pairs::computeStiffness, quads::computeStiffness},
    PhaseStep{"StoreyWeights", pairs::computeStoreyWeights, quads::computeStoreyWeights},
    PhaseStep{"SeismicForces", pairs::computeSeismicForces, quads::computeSeismicForces},
    PhaseStep{"ArmsAndPolarMoment", pairs::computeArmsAndPolarMoment, quads::computeArmsAndPolarMoment},
    PhaseStep{"AdditionalTorsion", pairs::computeAdditionalTorsion, quads::computeAdditionalTorsion},
    PhaseStep{"ForceSharing", pairs::shareForces, quads::shareForces},
    PhaseStep{"SafetyCoefficients", pairs::computeSafetyCoefficients, quads::computeSafetyCoefficients},
    PhaseStep{"MaxStresses", pairs::computeMaxStresses, quads::computeMaxStresses},
    PhaseStep{"ChecksAndVerdicts", buildChecksAndVerdicts, buildChecksAndVerdicts},
    PhaseStep{"Rounding", roundResults, roundResults},
};

} // namespace calvex::engine
