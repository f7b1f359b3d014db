#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <random>
#include <vector>

#include "engine/engine_run.h"
#include "model/numeric_text.h"

namespace calvex::engine {
namespace {

// The rows are rounded by the fastest loop this processor allows; each must
// give the bits of roundHundredth, value by value, and leave the markers.
TEST(HundredthRows, EveryValueHasTheBitsOfRoundHundredth) {
    std::mt19937_64 random(2026);
    std::vector<double> numbers = {0.0, -0.0, 0.005, -0.005, 0.015, 1.005, -2.675, 123456.785, 1e15 + 0.5, 4.5e15};
    for (int i = 0; i < 200'000; ++i) {
        const double magnitude = std::ldexp(1.0, static_cast<int>(random() % 70) - 20);
        numbers.push_back((static_cast<double>(random() % 2'000'001) / 1e6 - 1.0) * magnitude);
        // Exact halves of a hundredth, the cases where a quotient's last bit decides.
        numbers.push_back((static_cast<double>(random() % 2'000'000) - 1e6 + 0.5) / 100.0);
    }
    std::vector<ResultValue> row;
    for (double number : numbers) {
        row.emplace_back(number);
        if (row.size() % 7 == 0) row.push_back(ResultValue());
        if (row.size() % 11 == 0) row.push_back(ResultValue::emptyText());
    }
    const std::vector<ResultValue> before = row;
    roundHundredths(row);
    for (std::size_t i = 0; i < row.size(); ++i) {
        const ResultValue expected = before[i].isNumber() ? ResultValue(roundHundredth(before[i].number())) : before[i];
        ASSERT_EQ(std::bit_cast<std::uint64_t>(row[i]), std::bit_cast<std::uint64_t>(expected))
            << std::hexfloat << before[i].number();
    }
}

} // namespace
} // namespace calvex::engine
