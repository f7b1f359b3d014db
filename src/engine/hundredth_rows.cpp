// The rounding of a row of results to the hundredth, roundHundredth applied
// value by value. It is the largest single step of a run (over 30,000 values
// for the largest building) and its time is that of the divider, so the loop
// is compiled twice more for the processors that allow better: with SSE4.1
// it rounds and divides two values at a time (a third of the time); with
// AVX2 and fused multiply-adds it takes four at a time and divides with the
// multiplier (a further half). The same bits every way. This is the
// engine's only code that depends on the processor.

#include <bit>
#include <cmath>

#include "engine_run.h"
#include "model/numeric_text.h"

namespace calvex::engine {

namespace {

// Every number of the values rounded; a value never written or cleared stays
// as it is. Written as a choice between two doubles, so that the loop has no
// branch.
template <typename Rounding>
[[gnu::always_inline]] inline void roundEach(std::span<ResultValue> values, Rounding round) {
    for (ResultValue& value : values) {
        const double number = std::bit_cast<double>(value);
        value = std::bit_cast<ResultValue>(value.isNumber() ? round(number) : number);
    }
}

void roundEachPlain(std::span<ResultValue> values) { roundEach(values, roundHundredth); }

[[gnu::target("sse4.1")]] void roundEachSse41(std::span<ResultValue> values) { roundEach(values, roundHundredth); }

// The whole hundredths n divided by 100 without the divider: the quotient
// n 0.01, corrected once by the remainder n - 100 q, which a fused
// multiply-add gives exactly. The corrected quotient is the correctly rounded
// n / 100 (Markstein's theorem: 0.01 is the double nearest 1/100 and q is
// within an ulp of n / 100), so it has the bits of the division.
[[gnu::target("avx2,fma")]] inline double roundHundredthFma(double number) {
    const double hundredths = wholeHundredths(number);
    const double quotient = hundredths * 0.01;
    return std::fma(std::fma(-quotient, 100.0, hundredths), 0.01, quotient);
}

[[gnu::target("avx2,fma")]] void roundEachFma(std::span<ResultValue> values) { roundEach(values, roundHundredthFma); }

using RowRounding = void (*)(std::span<ResultValue>);
RowRounding rowRoundingOfThisProcessor() {
    if (__builtin_cpu_supports("avx2") && __builtin_cpu_supports("fma")) return roundEachFma;
    if (__builtin_cpu_supports("sse4.1")) return roundEachSse41;
    return roundEachPlain;
}

} // namespace

void roundHundredths(std::span<ResultValue> values) {
    static const RowRounding roundRow = rowRoundingOfThisProcessor();
    roundRow(values);
}

} // namespace calvex::engine
