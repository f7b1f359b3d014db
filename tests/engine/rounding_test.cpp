#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <memory>
#include <random>
#include <type_traits>
#include <vector>

#include "engine/engine_run.h"
#include "model/numeric_text.h"

namespace calvex::testing {
namespace {

// Rounds the values, with the value after them as a guard, each way this
// processor runs, and checks each against the one-value rounding, bit for
// bit; markers stay as they are and the guard is left alone.
void expectRoundedLikeOneByOne(const std::vector<ResultValue>& values, void (*round)(ResultValue*, int)) {
    std::vector<ResultValue> rounded = values;
    rounded.push_back(1.234567);
    round(rounded.data(), static_cast<int>(values.size()));
    for (std::size_t i = 0; i < values.size(); ++i) {
        const ResultValue original = values[i];
        const ResultValue expected = original.isNumber() ? ResultValue(roundHundredth(original.number())) : original;
        EXPECT_EQ(std::bit_cast<std::uint64_t>(rounded[i]), std::bit_cast<std::uint64_t>(expected))
            << "value " << i << " of " << values.size() << " holding " << original.number();
    }
    EXPECT_EQ(rounded.back().number(), 1.234567);
}

void expectRoundedLikeOneByOne(const std::vector<ResultValue>& values) {
    expectRoundedLikeOneByOne(values, engine::roundValuesInPairs);
    if (engine::quadRoundingAvailable()) expectRoundedLikeOneByOne(values, engine::roundValuesInQuads);
    if (engine::octetRoundingAvailable()) expectRoundedLikeOneByOne(values, engine::roundValuesInOctets);
}

TEST(WallRounding, MatchesTheOneValueRoundingBitForBit) {
    expectRoundedLikeOneByOne({0.0, -0.0, 0.005, -0.005, 0.015, -0.015, 2.675, -2.675, 0.004999999999999999, 1e-300,
                               -1e-300, 12345678.125, -0.994999, 99.995, ResultValue(), ResultValue::emptyText()});
    std::mt19937_64 random(7);
    std::uniform_real_distribution<double> mantissa(-1.0, 1.0);
    std::uniform_int_distribution<int> exponent(-12, 14);
    // Every length from 0 to 15, so that each way's tail is rounded too.
    for (int block = 0; block < 2000; ++block) {
        std::vector<ResultValue> values;
        for (int i = 0; i < block % 16; ++i) values.emplace_back(std::ldexp(mantissa(random), exponent(random) * 3));
        expectRoundedLikeOneByOne(values);
    }
}

TEST(WallRounding, NumbersBeyondTheShiftAreRoundedOneByOne) {
    expectRoundedLikeOneByOne({3.0e13, -3.0e13, 1.0e200, 2.5, -7.125, ResultValue(), 4503599627370495.5, 0.125});
}

// A storey of every wall is rounded in one run over its rows: the rounded
// results come out as row by row, and nothing else changes, the markers of
// wall 0 between the rows included.
TEST(WallRounding, AStoreyOfEveryWallIsRoundedAsRowByRow) {
    auto rows = std::make_unique<WallResultRows>();
    std::mt19937_64 random(5);
    std::uniform_real_distribution<double> value(-1000.0, 1000.0);
    forEachWallResultField(*rows, *rows, [&](auto& row, auto&) {
        if constexpr (std::is_same_v<std::remove_reference_t<decltype(row)>, WallRow<ResultValue>>)
            for (int w = 1; w <= kMaxWalls; ++w) row[static_cast<std::size_t>(w)] = value(random);
    });
    auto expected = std::make_unique<WallResultRows>(*rows);
    for (WallRow<ResultValue> WallResultRows::*field : engine::kRoundedWall)
        for (int w = 1; w <= kMaxWalls; ++w) engine::roundResult(((*expected).*field)[static_cast<std::size_t>(w)]);
    engine::roundWallResults(*rows, kMaxWalls);
    forEachWallResultField(*rows, *expected, [](auto& row, auto& expectedRow) {
        if constexpr (std::is_same_v<std::remove_reference_t<decltype(row)>, WallRow<ResultValue>>) {
            for (std::size_t w = 0; w < row.size(); ++w)
                EXPECT_EQ(std::bit_cast<std::uint64_t>(row[w]), std::bit_cast<std::uint64_t>(expectedRow[w])) << w;
        }
    });
}

} // namespace
} // namespace calvex::testing
