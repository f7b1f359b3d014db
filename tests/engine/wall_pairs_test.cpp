#include <gtest/gtest.h>

#include <array>
#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>
#include <random>
#include <vector>

#include "engine/engine.h"
#include "engine/wall_quads.h"

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

// The edge cases of doubles, and numbers of every magnitude the engine meets.
std::vector<double> testValues() {
    const double inf = std::numeric_limits<double>::infinity(), nan = std::numeric_limits<double>::quiet_NaN();
    std::vector<double> values{0.0, -0.0, 1.0, -2.5, 1e-310, 6.0, inf, -inf, nan, 1e308, 3.0};
    std::mt19937_64 random(11);
    std::uniform_real_distribution<double> mantissa(-1.0, 1.0);
    for (int i = 0; i < 200; ++i) values.push_back(std::ldexp(mantissa(random), static_cast<int>(random() % 80) - 40));
    return values;
}

TEST(WallPairs, EveryOperationGivesWhatThePlainOneGives) {
    const std::vector<double> values = testValues();

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
    Fast(1.5, -0.0).storeTo(row, 7);
    EXPECT_EQ(bits(row[7].number()), bits(1.5));
    EXPECT_EQ(bits(row[8].number()), bits(-0.0));
    EXPECT_TRUE(row[6].isNeverWritten());
    EXPECT_TRUE(row[9].isNeverWritten());
    const Fast read = Fast::written(row, 7);
    EXPECT_EQ(bits(read.first()), bits(1.5));
    EXPECT_EQ(bits(read.second()), bits(-0.0));
    EXPECT_TRUE((Fast(1.0, 2.0) < Fast(2.0, 2.0)).any());
    EXPECT_FALSE((Fast(1.0, 2.0) < Fast(2.0, 2.0)).all());
}

#if defined(CALVEX_HAS_WALL_QUADS)

#pragma GCC push_options
#pragma GCC target("avx2")

// Operation `op` of the group's members, conditions as 1 and 0, for a group
// of walls of either width.
template <typename Lanes>
Lanes operation(int op, Lanes a, Lanes b) {
    const auto number = [](auto condition) { return select(condition, Lanes(1.0), Lanes(0.0)); };
    switch (op) {
        case 0:
            return a + b;
        case 1:
            return a - b;
        case 2:
            return a * b;
        case 3:
            return a / b;
        case 4:
            return number(a == b);
        case 5:
            return number(a != b);
        case 6:
            return number(a < b);
        case 7:
            return number(a <= b);
        case 8:
            return number(a > b);
        case 9:
            return number(a >= b);
        case 10:
            return number((a < b) | (a == 0));
        case 11:
            return number((a < b) & (b > 0));
        case 12:
            return greaterOf(a, b);
        case 13:
            return lesserOf(a, b);
        case 14:
            return sqrt(a);
        default:
            return number(notFinite(a));
    }
}

// Each lane of the AVX2 group of four holds, bit for bit, what the plain
// pair gives for its two walls, and its lanes are summed wall by wall.
void expectQuadsAsPlainPairs(const std::vector<double>& values) {
    using Quad = engine::avx2::WallQuad;
    for (std::size_t i = 0; i + 3 < values.size(); ++i) {
        for (std::size_t j = 0; j + 3 < values.size(); j += 5) {
            const double* a = &values[i];
            const double* b = &values[j];
            for (int op = 0; op <= 15; ++op) {
                const Quad quad = operation(op, Quad::load(a), Quad::load(b));
                for (int half = 0; half < 2; ++half) {
                    const Plain plain = operation(op, Plain::load(a + 2 * half), Plain::load(b + 2 * half));
                    EXPECT_EQ(bits(quad.lane(2 * half)), bits(plain.first())) << op << " " << a[2 * half];
                    EXPECT_EQ(bits(quad.lane(2 * half + 1)), bits(plain.second())) << op << " " << a[2 * half + 1];
                }
            }
            double quadSum = 0.5, plainSum = 0.5;
            engine::avx2::addLanes(quadSum, Quad::load(a));
            for (int k = 0; k < 4; ++k) plainSum += a[k];
            // Which NaN a sum of NaNs keeps depends on the compiler's order of the operands.
            EXPECT_TRUE(std::isnan(plainSum) ? std::isnan(quadSum) : bits(quadSum) == bits(plainSum)) << a[0];
        }
    }
}

#pragma GCC pop_options

TEST(WallQuads, EveryOperationGivesWhatThePlainPairGives) {
    if (fastestWallLoops() != WallLoops::quads) GTEST_SKIP() << "the processor has no AVX2";
    expectQuadsAsPlainPairs(testValues());
}

#endif

#endif

} // namespace
} // namespace calvex::testing
