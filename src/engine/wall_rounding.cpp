// The three ways of rounding a run of results, and the choice between them.

#include "wall_rounding.h"

#if defined(__SSE2__)
#include <immintrin.h>
#endif

namespace calvex::engine {

namespace {

double* numbers(ResultValue* values) { return reinterpret_cast<double*>(values); }

void roundOneByOne(ResultValue* values, int count) {
    for (int i = 0; i < count; ++i) roundResult(values[i]);
}

} // namespace

// The divider takes the two divisions by 100 of a pair of doubles in the
// time of one. Below 2^51 in magnitude, adding and taking away 1.5 * 2^52
// gives the nearest integer of 100 x + 0.5 exactly, and one step down where
// it lies above gives the floor. Every value below 2^44 keeps 100 x + 0.5
// below 2^51. A NaN goes through every step with its bits, so the markers
// come out as they went in. A pair holding a larger number goes one value
// at a time.
void roundValuesInPairs(ResultValue* values, int count) {
    int i = 0;
#if defined(__SSE2__)
    double* const block = numbers(values);
    const __m128d magnitude = _mm_castsi128_pd(_mm_set1_epi64x(0x7fff'ffff'ffff'ffffll));
    const __m128d limit = _mm_set1_pd(17592186044416.0);
    const __m128d hundred = _mm_set1_pd(100.0), half = _mm_set1_pd(0.5), one = _mm_set1_pd(1.0);
    const __m128d shift = _mm_set1_pd(6755399441055744.0);
    for (; i + 2 <= count; i += 2) {
        const __m128d x = _mm_loadu_pd(block + i);
        // maxpd gives its second operand where the first is a NaN, so the
        // markers pass the range test.
        if (_mm_movemask_pd(_mm_cmplt_pd(_mm_max_pd(_mm_and_pd(x, magnitude), _mm_setzero_pd()), limit)) != 3) {
            roundOneByOne(values + i, 2);
            continue;
        }
        const __m128d v = _mm_add_pd(_mm_mul_pd(x, hundred), half);
        const __m128d nearest = _mm_sub_pd(_mm_add_pd(v, shift), shift);
        const __m128d floor = _mm_sub_pd(nearest, _mm_and_pd(_mm_cmpgt_pd(nearest, v), one));
        _mm_storeu_pd(block + i, _mm_div_pd(floor, hundred));
    }
#endif
    roundOneByOne(values + i, count - i);
}

#if defined(__SSE2__) && defined(__GNUC__)

// AVX takes the floor of four doubles in one instruction, exactly at every
// magnitude. The divider would take as long over four values as over two,
// so the quotient by 100 comes from a product and its correction instead:
// with c the double nearest 1/100, q = f c is within an ulp of f / 100, the
// remainder f - 100 q is exact with a fused multiply-add, and q + c (f - 100 q)
// rounded once is the correctly rounded quotient, bit for bit the division's.
// The markers, NaNs, are put back as they were.
__attribute__((target("avx2,fma"))) void roundValuesInQuads(ResultValue* values, int count) {
    double* const block = numbers(values);
    const __m256d hundred = _mm256_set1_pd(100.0), half = _mm256_set1_pd(0.5), hundredth = _mm256_set1_pd(0.01);
    int i = 0;
    for (; i + 4 <= count; i += 4) {
        const __m256d x = _mm256_loadu_pd(block + i);
        const __m256d f = _mm256_floor_pd(_mm256_add_pd(_mm256_mul_pd(x, hundred), half));
        const __m256d q = _mm256_mul_pd(f, hundredth);
        const __m256d remainder = _mm256_fnmadd_pd(q, hundred, f);
        const __m256d quotient = _mm256_fmadd_pd(remainder, hundredth, q);
        _mm256_storeu_pd(block + i, _mm256_blendv_pd(quotient, x, _mm256_cmp_pd(x, x, _CMP_UNORD_Q)));
    }
    // The compiler leaves out the clearing of the upper halves before a
    // call in the tail position; without it every SSE2 instruction after
    // this function would wait on them.
    _mm256_zeroupper();
    roundValuesInPairs(values + i, count - i);
}

// The same eight at a time with AVX-512, the last few under a mask; the
// markers are not written back at all.
__attribute__((target("avx512f"))) void roundValuesInOctets(ResultValue* values, int count) {
    double* const block = numbers(values);
    const __m512d hundred = _mm512_set1_pd(100.0), half = _mm512_set1_pd(0.5), hundredth = _mm512_set1_pd(0.01);
    for (int i = 0; i < count; i += 8) {
        const __mmask8 lanes = static_cast<__mmask8>(count - i >= 8 ? 0xff : (1u << (count - i)) - 1);
        const __m512d x = _mm512_maskz_loadu_pd(lanes, block + i);
        const __m512d f = _mm512_maskz_roundscale_pd(lanes, _mm512_add_pd(_mm512_mul_pd(x, hundred), half),
                                                     _MM_FROUND_TO_NEG_INF | _MM_FROUND_NO_EXC);
        const __m512d q = _mm512_mul_pd(f, hundredth);
        const __m512d quotient = _mm512_fmadd_pd(_mm512_fnmadd_pd(q, hundred, f), hundredth, q);
        _mm512_mask_storeu_pd(block + i, _mm512_mask_cmp_pd_mask(lanes, x, x, _CMP_ORD_Q), quotient);
    }
    _mm256_zeroupper();
}

// Asked while the program's statics are set up, perhaps before the
// compiler's own reading of the processor: hence the explicit init.
bool quadRoundingAvailable() {
    __builtin_cpu_init();
    return __builtin_cpu_supports("avx2") && __builtin_cpu_supports("fma");
}
bool octetRoundingAvailable() {
    __builtin_cpu_init();
    return __builtin_cpu_supports("avx512f");
}

#else

void roundValuesInQuads(ResultValue* values, int count) { roundValuesInPairs(values, count); }
void roundValuesInOctets(ResultValue* values, int count) { roundValuesInPairs(values, count); }
bool quadRoundingAvailable() { return false; }
bool octetRoundingAvailable() { return false; }

#endif

void (*const roundValues)(ResultValue*, int) = octetRoundingAvailable()  ? roundValuesInOctets
                                               : quadRoundingAvailable() ? roundValuesInQuads
                                                                         : roundValuesInPairs;

} // namespace calvex::engine
