// The two ways of rounding a wall's results, and the choice between them.

#include "wall_rounding.h"

#include <type_traits>

#if defined(__SSE2__)
#include <immintrin.h>
#endif

namespace calvex::engine {

namespace {

static_assert(std::is_standard_layout_v<WallResult> && sizeof(ResultValue) == sizeof(double));
static_assert(offsetof(WallResult, selfWeightShare) == 0 &&
                  offsetof(WallResult, maxStress) == (kRoundedWallResults - 1) * sizeof(ResultValue),
              "the rounded results stand first and side by side");

double* roundedBlock(WallResult& result) {
    return reinterpret_cast<double*>(reinterpret_cast<unsigned char*>(&result));
}

} // namespace

// The divider takes the two divisions by 100 of a pair of doubles in the
// time of one. Below 2^51 in magnitude, adding and taking away 1.5 * 2^52
// gives the nearest integer of 100 x + 0.5 exactly, and one step down where
// it lies above gives the floor. Every value below 2^44 keeps 100 x + 0.5
// below 2^51. A NaN goes through every step with its bits, so the markers
// come out as they went in. A block holding a larger number goes one value
// at a time.
namespace {

void roundInPairs(WallResult& result) {
#if defined(__SSE2__)
    constexpr std::size_t pairs = kRoundedWallResults / 2;
    double* const block = roundedBlock(result);
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

} // namespace

void roundWallResultsInPairs(WallResult* walls, int count) {
    for (int w = 0; w < count; ++w) roundInPairs(walls[w]);
}

#if defined(__SSE2__) && defined(__GNUC__)

// AVX takes the floor of four doubles in one instruction, exactly at every
// magnitude, and leaves a NaN with its bits: no range to check.
__attribute__((target("avx"))) void roundWallResultsInQuads(WallResult* walls, int count) {
    const __m256d hundred = _mm256_set1_pd(100.0), half = _mm256_set1_pd(0.5);
    for (int w = 0; w < count; ++w) {
        double* const block = roundedBlock(walls[w]);
        for (std::size_t i = 0; i < kRoundedWallResults / 4; ++i) {
            const __m256d v = _mm256_add_pd(_mm256_mul_pd(_mm256_loadu_pd(block + 4 * i), hundred), half);
            _mm256_storeu_pd(block + 4 * i, _mm256_div_pd(_mm256_floor_pd(v), hundred));
        }
    }
}

bool quadRoundingAvailable() { return __builtin_cpu_supports("avx"); }

#else

void roundWallResultsInQuads(WallResult* walls, int count) { roundWallResultsInPairs(walls, count); }
bool quadRoundingAvailable() { return false; }

#endif

void (*const roundWallResults)(WallResult*, int) = quadRoundingAvailable() ? roundWallResultsInQuads
                                                                           : roundWallResultsInPairs;

} // namespace calvex::engine
