#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>
#include <random>
#include <vector>

#include "engine/wall_pairs.h"

namespace calvex::testing {
namespace {

#if defined(__SSE2__)

using Fast = engine::sse2::WallPair;
using Plain = engine::portable::WallPair;

std::uint64_t bits(double value) { return std::bit_cast<std::uint64_t>(value); }

// A condition's lanes as 1 and 0.
template <typename Pair, typename Mask>
Pair asNumbers(Mask condition) {
    return select(condition, Pair(1.0), Pair(0.0));
}

// Each lane of the SSE2 pair holds, bit for bit, what the plain operation
// on the two doubles gives: the pair steps of the engine rely on it.
template <typename Operation>
void expectSameLanes(Operation operation, double a1, double a2, double b1, double b2) {
    const Fast fast = operation(Fast(a1, a2), Fast(b1, b2));
    const Plain plain = operation(Plain(a1, a2), Plain(b1, b2));
    EXPECT_EQ(bits(fast.first()), bits(plain.first())) << a1 << " " << b1;
    EXPECT_EQ(bits(fast.second()), bits(plain.second())) << a2 << " " << b2;
}

TEST(WallPairs, EveryOperationGivesWhatThePlainOneGives) {
    const double inf = std::numeric_limits<double>::infinity(), nan = std::numeric_limits<double>::quiet_NaN();
    std::vector<double> values{0.0, -0.0, 1.0, -2.5, 1e-310, 6.0, inf, -inf, nan, 1e308, 3.0};
    std::mt19937_64 random(11);
    std::uniform_real_distribution<double> mantissa(-1.0, 1.0);
    for (int i = 0; i < 200; ++i) values.push_back(std::ldexp(mantissa(random), static_cast<int>(random() % 80) - 40));

    for (std::size_t i = 0; i + 1 < values.size(); ++i) {
        for (std::size_t j = 0; j + 1 < values.size(); j += 7) {
            const double a1 = values[i], a2 = values[i + 1], b1 = values[j], b2 = values[j + 1];
            expectSameLanes([](auto a, auto b) { return a + b; }, a1, a2, b1, b2);
            expectSameLanes([](auto a, auto b) { return a - b; }, a1, a2, b1, b2);
            expectSameLanes([](auto a, auto b) { return a * b; }, a1, a2, b1, b2);
            expectSameLanes([](auto a, auto b) { return a / b; }, a1, a2, b1, b2);
            expectSameLanes([](auto a, auto b) { return asNumbers<decltype(a)>(a == b); }, a1, a2, b1, b2);
            expectSameLanes([](auto a, auto b) { return asNumbers<decltype(a)>(a != b); }, a1, a2, b1, b2);
            expectSameLanes([](auto a, auto b) { return asNumbers<decltype(a)>(a < b); }, a1, a2, b1, b2);
            expectSameLanes([](auto a, auto b) { return asNumbers<decltype(a)>(a <= b); }, a1, a2, b1, b2);
            expectSameLanes([](auto a, auto b) { return asNumbers<decltype(a)>(a > b); }, a1, a2, b1, b2);
            expectSameLanes([](auto a, auto b) { return asNumbers<decltype(a)>(a >= b); }, a1, a2, b1, b2);
            expectSameLanes([](auto a, auto b) { return select(a < b, a, b); }, a1, a2, b1, b2);
            expectSameLanes([](auto a, auto b) { return greaterOf(a, b); }, a1, a2, b1, b2);
            expectSameLanes([](auto a, auto b) { return lesserOf(a, b); }, a1, a2, b1, b2);
            expectSameLanes([](auto a, auto) { return sqrt(a); }, a1, a2, b1, b2);
            expectSameLanes([](auto a, auto) { return asNumbers<decltype(a)>(notFinite(a)); }, a1, a2, b1, b2);
        }
    }
}

TEST(WallPairs, LanesAreStoredToTheirWallsAndReadBack) {
    WallRow<ResultValue> row;
    engine::storePair(row, 7, Fast(1.5, -0.0));
    EXPECT_EQ(bits(row[7].number()), bits(1.5));
    EXPECT_EQ(bits(row[8].number()), bits(-0.0));
    EXPECT_TRUE(row[6].isNeverWritten());
    EXPECT_TRUE(row[9].isNeverWritten());
    const Fast read = engine::writtenPair(row, 7);
    EXPECT_EQ(bits(read.first()), bits(1.5));
    EXPECT_EQ(bits(read.second()), bits(-0.0));
    EXPECT_TRUE((Fast(1.0, 2.0) < Fast(2.0, 2.0)).any());
    EXPECT_FALSE((Fast(1.0, 2.0) < Fast(2.0, 2.0)).all());
}

#endif

} // namespace
} // namespace calvex::testing
