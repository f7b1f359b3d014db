#pragma once
// Four walls at a time with AVX2: the members of the pair (wall_pairs.h)
// over four lanes, for the build of the wall loops in fours (wall_loops.h).
// Each lane is computed with the same operations in the same order as the
// pair's, so the lanes hold exactly its values. Its code is compiled for
// AVX2, by the pragma below, and runs only where the processor has it.
// Internal to the engine.

#include "wall_pairs.h"

// GCC's target pragma compiles one region for AVX2 while the rest of the
// file stays as every processor runs it; other compilers build the wall
// loops in pairs twice.
#if defined(__SSE2__) && defined(__GNUC__) && !defined(__clang__)
#define CALVEX_HAS_WALL_QUADS 1
#endif

#if defined(CALVEX_HAS_WALL_QUADS)

#include <immintrin.h>

#pragma GCC push_options
#pragma GCC target("avx2")

namespace calvex::engine::avx2 {

// A lane-wise condition.
class QuadMask {
public:
    explicit QuadMask(__m256d bits) : bits_(bits) {}
    QuadMask operator|(QuadMask other) const { return QuadMask(_mm256_or_pd(bits_, other.bits_)); }
    QuadMask operator&(QuadMask other) const { return QuadMask(_mm256_and_pd(bits_, other.bits_)); }
    bool any() const { return _mm256_movemask_pd(bits_) != 0; }
    bool all() const { return _mm256_movemask_pd(bits_) == 15; }
    bool lane(int i) const { return (_mm256_movemask_pd(bits_) >> i) & 1; }
    __m256d bits() const { return bits_; }

private:
    __m256d bits_;
};

class WallQuad {
public:
    static constexpr int width = 4;

    WallQuad(double all) : v_(_mm256_set1_pd(all)) {}
    explicit WallQuad(__m256d v) : v_(v) {}
    // The four doubles from `at` on.
    static WallQuad load(const double* at) { return WallQuad(_mm256_loadu_pd(at)); }
    // The readings of walls w to w + 3.
    static WallQuad at(const WallRow<double>& row, int w) { return load(&row[w]); }
    // A result of walls w to w + 3 that the run has written: a result holds
    // the double of its number.
    static WallQuad written(const WallRow<ResultValue>& row, int w) {
        return load(reinterpret_cast<const double*>(&row[w]));
    }

    // Walls w and w + 1, and w + 2 and w + 3.
    sse2::WallPair low() const { return sse2::WallPair(_mm256_castpd256_pd128(v_)); }
    sse2::WallPair high() const { return sse2::WallPair(_mm256_extractf128_pd(v_, 1)); }
    double lane(int i) const { return i < 2 ? low().lane(i) : high().lane(i - 2); }
    // Writes the result of walls w to w + 3.
    void storeTo(WallRow<ResultValue>& row, int w) const { _mm256_storeu_pd(reinterpret_cast<double*>(&row[w]), v_); }

    __m256d vector() const { return v_; }

private:
    __m256d v_;
};

// The operations, outside the class: GCC compiles a friend defined in the
// class for the default target, whatever the pragma.
inline WallQuad operator+(WallQuad a, WallQuad b) { return WallQuad(_mm256_add_pd(a.vector(), b.vector())); }
inline WallQuad operator-(WallQuad a, WallQuad b) { return WallQuad(_mm256_sub_pd(a.vector(), b.vector())); }
inline WallQuad operator*(WallQuad a, WallQuad b) { return WallQuad(_mm256_mul_pd(a.vector(), b.vector())); }
inline WallQuad operator/(WallQuad a, WallQuad b) { return WallQuad(_mm256_div_pd(a.vector(), b.vector())); }
// The predicates of the SSE2 comparisons that the pair makes.
inline QuadMask operator==(WallQuad a, WallQuad b) {
    return QuadMask(_mm256_cmp_pd(a.vector(), b.vector(), _CMP_EQ_OQ));
}
inline QuadMask operator!=(WallQuad a, WallQuad b) {
    return QuadMask(_mm256_cmp_pd(a.vector(), b.vector(), _CMP_NEQ_UQ));
}
inline QuadMask operator<(WallQuad a, WallQuad b) {
    return QuadMask(_mm256_cmp_pd(a.vector(), b.vector(), _CMP_LT_OS));
}
inline QuadMask operator<=(WallQuad a, WallQuad b) {
    return QuadMask(_mm256_cmp_pd(a.vector(), b.vector(), _CMP_LE_OS));
}
inline QuadMask operator>(WallQuad a, WallQuad b) {
    return QuadMask(_mm256_cmp_pd(a.vector(), b.vector(), _CMP_GT_OS));
}
inline QuadMask operator>=(WallQuad a, WallQuad b) {
    return QuadMask(_mm256_cmp_pd(a.vector(), b.vector(), _CMP_GE_OS));
}

// Lanes where `when` holds take a, the others b.
inline WallQuad select(QuadMask when, WallQuad a, WallQuad b) {
    return WallQuad(_mm256_blendv_pd(b.vector(), a.vector(), when.bits()));
}
// a > b ? a : b and a < b ? a : b, lane by lane, as maxpd and minpd give them.
inline WallQuad greaterOf(WallQuad a, WallQuad b) { return WallQuad(_mm256_max_pd(a.vector(), b.vector())); }
inline WallQuad lesserOf(WallQuad a, WallQuad b) { return WallQuad(_mm256_min_pd(a.vector(), b.vector())); }
inline WallQuad sqrt(WallQuad a) { return WallQuad(_mm256_sqrt_pd(a.vector())); }
inline WallQuad abs(WallQuad a) {
    return WallQuad(_mm256_and_pd(a.vector(), _mm256_castsi256_pd(_mm256_set1_epi64x(0x7fff'ffff'ffff'ffffll))));
}
// Lanes holding a number that put would refuse: an infinity or a NaN.
inline QuadMask notFinite(WallQuad a) {
    return QuadMask(_mm256_cmp_pd(abs(a).vector(), _mm256_set1_pd(DBL_MAX), _CMP_NLE_US));
}

// Adds the four lanes to a running sum, wall by wall, as the one-wall loop
// adds them.
inline void addLanes(double& sum, WallQuad quad) {
    engine::addLanes(sum, quad.low());
    engine::addLanes(sum, quad.high());
}

} // namespace calvex::engine::avx2

#pragma GCC pop_options

#endif
