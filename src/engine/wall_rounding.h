#pragma once
// The final rounding of the results to the hundredth: the table of the
// wall results rounded and the ways to round them. Internal to the engine.

#include <array>
#include <cstddef>

#include "model/numeric_text.h"
#include "model/project_data.h"

namespace calvex::engine {

// The wall results rounded at the end of a run.
inline constexpr std::array kRoundedWall{&WallResultRows::selfWeightShare,
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

// Rounds a number to the hundredth; a marker stays.
inline void roundResult(ResultValue& value) {
    if (value.isNumber()) value = roundHundredth(value.number());
}

// Rounds the numbers among the fields, one at a time.
template <typename Record, std::size_t N>
void roundFields(Record& record, const std::array<ResultValue Record::*, N>& fields) {
    for (ResultValue Record::*field : fields) roundResult(record.*field);
}

// Rounds `count` consecutive results, bit for bit as roundHundredth does,
// the markers of results not written kept as they are. Three ways, each
// checked against roundHundredth by the tests: in pairs with SSE2, which
// every x86-64 processor has; four at a time with AVX2 and fused
// multiply-adds, and eight at a time with AVX-512, where the processor has
// them.
void roundValuesInPairs(ResultValue* values, int count);
void roundValuesInQuads(ResultValue* values, int count);
void roundValuesInOctets(ResultValue* values, int count);
bool quadRoundingAvailable();
bool octetRoundingAvailable();

// The fastest of the three that this processor runs, chosen once.
extern void (*const roundValues)(ResultValue* values, int count);

// The rounded rows follow one another in the record, in the order of the
// table.
static_assert(offsetof(WallResultRows, maxStress) - offsetof(WallResultRows, selfWeightShare) ==
              (kRoundedWall.size() - 1) * sizeof(WallRow<ResultValue>));

// Rounds the results of kRoundedWall of walls 1 to count. Those of a storey
// of every wall are one run of values, taken in one call; the slots of wall
// 0 between the rows hold no number, which the rounding keeps as it is.
inline void roundWallResults(WallResultRows& rows, int count) {
    if (count == kMaxWalls) {
        roundValues(&rows.selfWeightShare[1], static_cast<int>(kRoundedWall.size()) * kWallColumns - 1);
        return;
    }
    for (WallRow<ResultValue> WallResultRows::*field : kRoundedWall) roundValues(&(rows.*field)[1], count);
}

} // namespace calvex::engine
