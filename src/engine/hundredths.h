#pragma once
// The final rounding of results, x = floor(100 x + 0.5) / 100, over a
// record's values at once.

#include <array>
#include <bit>
#include <cmath>
#include <cstddef>

#include "model/numeric_text.h"

namespace calvex::engine {

// Rounds every value to the hundredth as roundHundredth does, bit for bit;
// a NaN (a result that is not a number) is left as it is. Two values are
// handled per instruction: the floor is taken without a branch, and the
// division stays a true division so that every result is the scalar
// rounding's. Values too large for that floor (beyond 2^51 / 100) take
// the scalar path.
template <std::size_t N>
void roundHundredths(std::array<double, N>& values) {
    using Pair = double __attribute__((vector_size(16)));
    using Mask = long long __attribute__((vector_size(16)));
    // Adding and taking away 1.5 x 2^52 rounds any |y| < 2^51 to a whole number.
    constexpr Pair kWhole{6755399441055744.0, 6755399441055744.0};
    constexpr double kWholeLimit = 2251799813685248.0;
    bool large = false;
    for (const double x : values) large |= std::fabs(100.0 * x + 0.5) >= kWholeLimit;
    if (large) {
        for (double& x : values)
            if (x == x) x = roundHundredth(x);
        return;
    }
    std::size_t i = 0;
    for (; i + 2 <= N; i += 2) {
        const Pair x{values[i], values[i + 1]};
        const Pair y = x * 100.0 + 0.5;
        Pair whole = (y + kWhole) - kWhole;
        const Mask above = whole > y;
        whole -= std::bit_cast<Pair>(above & std::bit_cast<Mask>(Pair{1.0, 1.0}));
        const Mask number = x == x;
        const Pair rounded = whole / 100.0;
        const Pair result = std::bit_cast<Pair>((std::bit_cast<Mask>(rounded) & number) | (std::bit_cast<Mask>(x) & ~number));
        values[i] = result[0];
        values[i + 1] = result[1];
    }
    for (; i < N; ++i)
        if (values[i] == values[i]) values[i] = roundHundredth(values[i]);
}
} // namespace calvex::engine
