#pragma once
// The final rounding of one wall's results to the hundredth, inline so that
// the checks' loop, which rounds each wall once it has used the unrounded
// values, keeps its registers across it. Internal to the engine.

#include <array>
#include <cstddef>
#include <type_traits>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

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

// The divider takes the two divisions by 100 of a pair of doubles in the
// time of one, so the block is rounded in pairs. Below 2^51 in magnitude,
// adding and taking away 1.5 * 2^52 gives the nearest integer of 100 x + 0.5
// exactly, and one step down where it lies above gives the floor: bit for
// bit what roundHundredth gives. Every value below 2^44 keeps 100 x + 0.5
// below 2^51. A NaN goes through every step with its bits, so the two
// markers of a result not written come out as they went in. A block holding
// a larger number goes one value at a time.
inline void roundWallResults(WallResult& result) {
    static_assert(std::is_standard_layout_v<WallResult> && sizeof(ResultValue) == sizeof(double));
    static_assert(offsetof(WallResult, selfWeightShare) == 0 &&
                      offsetof(WallResult, maxStress) == (kRoundedWallResults - 1) * sizeof(ResultValue),
                  "the rounded results stand first and side by side");
#if defined(__SSE2__)
    constexpr std::size_t pairs = kRoundedWallResults / 2;
    double* const block = reinterpret_cast<double*>(reinterpret_cast<unsigned char*>(&result));
    const __m128d magnitude = _mm_castsi128_pd(_mm_set1_epi64x(0x7fff'ffff'ffff'ffffll));
    __m128d x[pairs];
    // The largest magnitude among the numbers: maxpd gives its second
    // operand where the first is a NaN, so the markers are passed over.
    __m128d largest = _mm_setzero_pd();
    for (std::size_t i = 0; i < pairs; ++i) {
        x[i] = _mm_loadu_pd(block + 2 * i);
        largest = _mm_max_pd(_mm_and_pd(x[i], magnitude), largest);
    }
    if (_mm_movemask_pd(_mm_cmplt_pd(largest, _mm_set1_pd(17592186044416.0))) == 3) {
        const __m128d hundred = _mm_set1_pd(100.0), half = _mm_set1_pd(0.5), one = _mm_set1_pd(1.0);
        const __m128d shift = _mm_set1_pd(6755399441055744.0);
        for (std::size_t i = 0; i < pairs; ++i) {
            const __m128d v = _mm_add_pd(_mm_mul_pd(x[i], hundred), half);
            const __m128d nearest = _mm_sub_pd(_mm_add_pd(v, shift), shift);
            const __m128d floor = _mm_sub_pd(nearest, _mm_and_pd(_mm_cmpgt_pd(nearest, v), one));
            _mm_storeu_pd(block + 2 * i, _mm_div_pd(floor, hundred));
        }
        return;
    }
#endif
    roundFields(result, kRoundedWall);
}

} // namespace calvex::engine
