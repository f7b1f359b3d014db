#pragma once
// The final rounding of the results to the hundredth: the table of the
// wall results rounded and the ways to round them. Internal to the engine.

#include <array>
#include <cstddef>

#include "model/numeric_text.h"
#include "model/results.h"

namespace calvex::engine {

// The wall results rounded at the end of a run, in their order in WallResult.
inline constexpr std::array kRoundedWall{&WallResult::selfWeightShare,
                                         &WallResult::slabLoad,
                                         &WallResult::normalForce,
                                         &WallResult::baseStress,
                                         &WallResult::stiffnessX,
                                         &WallResult::stiffnessY,
                                         &WallResult::armX,
                                         &WallResult::armY,
                                         &WallResult::torsionForce,
                                         &WallResult::storeyShareX,
                                         &WallResult::storeyShareY,
                                         &WallResult::horizontalForceX,
                                         &WallResult::horizontalForceY,
                                         &WallResult::ultimateShearX,
                                         &WallResult::ultimateShearY,
                                         &WallResult::maxStress};
static_assert(kRoundedWall.size() == kRoundedWallResults);

// Rounds the numbers among the fields, one at a time; markers stay.
template <typename Record, std::size_t N>
void roundFields(Record& record, const std::array<ResultValue Record::*, N>& fields) {
    for (ResultValue Record::*field : fields) {
        ResultValue& value = record.*field;
        if (value.isNumber()) value = roundHundredth(value.number());
    }
}

// Rounds the 16 results of each of `count` walls side by side, bit for bit
// as roundHundredth does, the markers of results not written kept as they
// are. Two ways, both checked against roundHundredth by the tests: in pairs
// with SSE2, which every x86-64 processor has, and four at a time with AVX,
// where the processor has it (quadRoundingAvailable).
void roundWallResultsInPairs(WallResult* walls, int count);
void roundWallResultsInQuads(WallResult* walls, int count);
bool quadRoundingAvailable();

// The faster of the two that this processor runs, chosen once.
extern void (*const roundWallResults)(WallResult* walls, int count);

} // namespace calvex::engine
