#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <random>
#include <vector>

#include "engine/engine_run.h"
#include "model/numeric_text.h"

namespace calvex::testing {
namespace {

// Rounds a wall holding the values in the rounded fields, each way this
// processor runs, and checks each value against the one-value rounding, bit
// for bit; markers stay as they are.
void expectRoundedLikeOneByOne(const std::vector<ResultValue>& values, void (*round)(WallResult*, int)) {
    const auto& fields = engine::kRoundedWall;
    WallResult wall;
    for (std::size_t i = 0; i < fields.size(); ++i) wall.*fields[i] = values[i % values.size()];
    wall.area = 1.234567;
    round(&wall, 1);
    for (std::size_t i = 0; i < fields.size(); ++i) {
        const ResultValue original = values[i % values.size()];
        const ResultValue expected = original.isNumber() ? ResultValue(roundHundredth(original.number())) : original;
        EXPECT_EQ(std::bit_cast<std::uint64_t>(wall.*fields[i]), std::bit_cast<std::uint64_t>(expected))
            << "field " << i << " holding " << original.number();
    }
    EXPECT_EQ(wall.area.number(), 1.234567);
}

void expectRoundedLikeOneByOne(const std::vector<ResultValue>& values) {
    expectRoundedLikeOneByOne(values, engine::roundWallResultsInPairs);
    if (engine::quadRoundingAvailable()) expectRoundedLikeOneByOne(values, engine::roundWallResultsInQuads);
}

TEST(WallRounding, MatchesTheOneValueRoundingBitForBit) {
    expectRoundedLikeOneByOne({0.0, -0.0, 0.005, -0.005, 0.015, -0.015, 2.675, -2.675, 0.004999999999999999, 1e-300,
                               -1e-300, 12345678.125, -0.994999, 99.995, ResultValue(), ResultValue::emptyText()});
    std::mt19937_64 random(7);
    std::uniform_real_distribution<double> mantissa(-1.0, 1.0);
    std::uniform_int_distribution<int> exponent(-12, 14);
    for (int block = 0; block < 2000; ++block) {
        std::vector<ResultValue> values;
        for (int i = 0; i < 16; ++i) values.emplace_back(std::ldexp(mantissa(random), exponent(random) * 3));
        expectRoundedLikeOneByOne(values);
    }
}

TEST(WallRounding, NumbersBeyondTheShiftAreRoundedOneByOne) {
    expectRoundedLikeOneByOne({3.0e13, -3.0e13, 1.0e200, 2.5, -7.125, ResultValue(), 4503599627370495.5, 0.125});
}

} // namespace
} // namespace calvex::testing
