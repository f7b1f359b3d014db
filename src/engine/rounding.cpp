// Final rounding of the results to the hundredth. Every check has already
// used the unrounded values.

#include <array>
#include <cstddef>
#include <type_traits>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "engine_run.h"
#include "model/numeric_text.h"

namespace calvex::engine {

namespace {

constexpr std::array kRoundedBuilding{&BuildingResult::totalWeight, &BuildingResult::massHeight,
                                      &BuildingResult::totalForce, &BuildingResult::forceHeight};
constexpr std::array kRoundedFloor{&FloorResult::storeyWeight,  &FloorResult::distributionCoeff,
                                   &FloorResult::massCentreX,   &FloorResult::massCentreY,
                                   &FloorResult::stiffCentreX,  &FloorResult::stiffCentreY,
                                   &FloorResult::eccX,          &FloorResult::eccY,
                                   &FloorResult::polarMoment,   &FloorResult::storeyForce,
                                   &FloorResult::torsionMoment, &FloorResult::torsionTotalForce};

template <typename Record, std::size_t N>
void roundFields(Record& record, const std::array<ResultValue Record::*, N>& fields) {
    for (ResultValue Record::*field : fields) {
        ResultValue& value = record.*field;
        if (value.isNumber()) value = roundHundredth(value.number());
    }
}

} // namespace

// The divider takes the two divisions by 100 of a pair of doubles in the
// time of one, so the block is rounded in pairs. Below 2^51 in magnitude,
// adding and taking away 1.5 * 2^52 gives the nearest integer exactly, and
// one step down where it lies above gives the floor: bit for bit what
// roundHundredth gives. A NaN goes through every step with its bits, so the
// two markers of a result not written come out as they went in. A block
// holding a number too large for the shift goes one value at a time.
void roundWallResults(WallResult& result) {
    static_assert(std::is_standard_layout_v<WallResult> && sizeof(ResultValue) == sizeof(double));
    static_assert(offsetof(WallResult, selfWeightShare) == 0 &&
                      offsetof(WallResult, maxStress) == (kRoundedWallResults - 1) * sizeof(ResultValue),
                  "the rounded results stand first and side by side");
#if defined(__SSE2__)
    double* const block = reinterpret_cast<double*>(reinterpret_cast<unsigned char*>(&result));
    const __m128d hundred = _mm_set1_pd(100.0), half = _mm_set1_pd(0.5), one = _mm_set1_pd(1.0);
    const __m128d shift = _mm_set1_pd(6755399441055744.0), shiftLimit = _mm_set1_pd(2251799813685248.0);
    const __m128d magnitude = _mm_castsi128_pd(_mm_set1_epi64x(0x7fff'ffff'ffff'ffffll));
    __m128d rounded[kRoundedWallResults / 2];
    // The largest magnitude among the numbers: maxpd gives its second
    // operand where the first is a NaN, so the markers are passed over.
    __m128d largest = _mm_setzero_pd();
    for (std::size_t i = 0; i < kRoundedWallResults / 2; ++i) {
        const __m128d v = _mm_add_pd(_mm_mul_pd(_mm_loadu_pd(block + 2 * i), hundred), half);
        largest = _mm_max_pd(_mm_and_pd(v, magnitude), largest);
        const __m128d nearest = _mm_sub_pd(_mm_add_pd(v, shift), shift);
        const __m128d floor = _mm_sub_pd(nearest, _mm_and_pd(_mm_cmpgt_pd(nearest, v), one));
        rounded[i] = _mm_div_pd(floor, hundred);
    }
    if (_mm_movemask_pd(_mm_cmplt_pd(largest, shiftLimit)) == 3) {
        for (std::size_t i = 0; i < kRoundedWallResults / 2; ++i) _mm_storeu_pd(block + 2 * i, rounded[i]);
        return;
    }
#endif
    roundFields(result, kRoundedWall);
}

// The walls of storeys 1 to np were rounded as the checks passed over them.
void roundResults(EngineRun& run) {
    roundFields(run.project.building(), kRoundedBuilding);
    for (int level = 0; level <= run.storeys; ++level) roundFields(run.result(level), kRoundedFloor);
    for (int w = 1; w <= run.walls; ++w) roundWallResults(run.result(0, w));
}

} // namespace calvex::engine
