#pragma once
// Two walls at a time: a pair of doubles, one lane per wall, for the loops
// of the engine. Each lane is computed with the same operations in the same
// order as the one-wall code, so the lanes hold exactly its values; the
// divider and the other units take a pair in the time of one value. The
// group of four walls (wall_quads.h) has the same members. Internal to the
// engine.

#include <cfloat>
#include <cmath>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "model/project_data.h"

namespace calvex::engine {

// The pair as two doubles, one operation after the other: the meaning of
// every operation, which the SSE2 pair gives too (the tests compare them),
// and the pair of machines without SSE2.
namespace portable {

class LaneMask {
public:
    LaneMask(bool first, bool second) : first_(first), second_(second) {}
    LaneMask operator|(LaneMask other) const { return {first_ || other.first_, second_ || other.second_}; }
    LaneMask operator&(LaneMask other) const { return {first_ && other.first_, second_ && other.second_}; }
    bool any() const { return first_ || second_; }
    bool all() const { return first_ && second_; }
    bool first() const { return first_; }
    bool second() const { return second_; }
    bool lane(int i) const { return i == 0 ? first_ : second_; }

private:
    bool first_, second_;
};

class WallPair {
public:
    static constexpr int width = 2;

    WallPair(double first, double second) : first_(first), second_(second) {}
    WallPair(double both) : first_(both), second_(both) {}
    // The two doubles from `at` on.
    static WallPair load(const double* at) { return {at[0], at[1]}; }
    // The readings of walls w and w + 1.
    static WallPair at(const WallRow<double>& row, int w) { return load(&row[w]); }
    // A result of walls w and w + 1 that the run has written.
    static WallPair written(const WallRow<ResultValue>& row, int w) {
        return {row[w].writtenNumber(), row[w + 1].writtenNumber()};
    }

    double first() const { return first_; }
    double second() const { return second_; }
    double lane(int i) const { return i == 0 ? first_ : second_; }
    // Writes the result of walls w and w + 1.
    void storeTo(WallRow<ResultValue>& row, int w) const {
        row[w] = first_;
        row[w + 1] = second_;
    }

    friend WallPair operator+(WallPair a, WallPair b) { return {a.first_ + b.first_, a.second_ + b.second_}; }
    friend WallPair operator-(WallPair a, WallPair b) { return {a.first_ - b.first_, a.second_ - b.second_}; }
    friend WallPair operator*(WallPair a, WallPair b) { return {a.first_ * b.first_, a.second_ * b.second_}; }
    friend WallPair operator/(WallPair a, WallPair b) { return {a.first_ / b.first_, a.second_ / b.second_}; }
    friend LaneMask operator==(WallPair a, WallPair b) { return {a.first_ == b.first_, a.second_ == b.second_}; }
    friend LaneMask operator!=(WallPair a, WallPair b) { return {a.first_ != b.first_, a.second_ != b.second_}; }
    friend LaneMask operator<(WallPair a, WallPair b) { return {a.first_ < b.first_, a.second_ < b.second_}; }
    friend LaneMask operator<=(WallPair a, WallPair b) { return {a.first_ <= b.first_, a.second_ <= b.second_}; }
    friend LaneMask operator>(WallPair a, WallPair b) { return {a.first_ > b.first_, a.second_ > b.second_}; }
    friend LaneMask operator>=(WallPair a, WallPair b) { return {a.first_ >= b.first_, a.second_ >= b.second_}; }

    friend WallPair select(LaneMask when, WallPair a, WallPair b) {
        return {when.first() ? a.first_ : b.first_, when.second() ? a.second_ : b.second_};
    }
    friend WallPair greaterOf(WallPair a, WallPair b) {
        return {a.first_ > b.first_ ? a.first_ : b.first_, a.second_ > b.second_ ? a.second_ : b.second_};
    }
    friend WallPair lesserOf(WallPair a, WallPair b) {
        return {a.first_ < b.first_ ? a.first_ : b.first_, a.second_ < b.second_ ? a.second_ : b.second_};
    }
    friend WallPair sqrt(WallPair a) { return {std::sqrt(a.first_), std::sqrt(a.second_)}; }
    friend WallPair abs(WallPair a) { return {std::fabs(a.first_), std::fabs(a.second_)}; }
    friend LaneMask notFinite(WallPair a) { return {!std::isfinite(a.first_), !std::isfinite(a.second_)}; }

private:
    double first_, second_;
};

} // namespace portable

#if defined(__SSE2__)

namespace sse2 {

// A lane-wise condition.
class LaneMask {
public:
    explicit LaneMask(__m128d bits) : bits_(bits) {}
    LaneMask operator|(LaneMask other) const { return LaneMask(_mm_or_pd(bits_, other.bits_)); }
    LaneMask operator&(LaneMask other) const { return LaneMask(_mm_and_pd(bits_, other.bits_)); }
    bool any() const { return _mm_movemask_pd(bits_) != 0; }
    bool all() const { return _mm_movemask_pd(bits_) == 3; }
    bool lane(int i) const { return (_mm_movemask_pd(bits_) >> i) & 1; }
    __m128d bits() const { return bits_; }

private:
    __m128d bits_;
};

class WallPair {
public:
    static constexpr int width = 2;

    WallPair(double first, double second) : v_(_mm_set_pd(second, first)) {}
    WallPair(double both) : v_(_mm_set1_pd(both)) {}
    explicit WallPair(__m128d v) : v_(v) {}
    // The two doubles from `at` on.
    static WallPair load(const double* at) { return WallPair(_mm_loadu_pd(at)); }
    // The readings of walls w and w + 1.
    static WallPair at(const WallRow<double>& row, int w) { return load(&row[w]); }
    // A result of walls w and w + 1 that the run has written: a result holds
    // the double of its number.
    static WallPair written(const WallRow<ResultValue>& row, int w) {
        return load(reinterpret_cast<const double*>(&row[w]));
    }

    double first() const { return _mm_cvtsd_f64(v_); }
    double second() const { return _mm_cvtsd_f64(_mm_unpackhi_pd(v_, v_)); }
    double lane(int i) const { return i == 0 ? first() : second(); }
    // Writes the result of walls w and w + 1.
    void storeTo(WallRow<ResultValue>& row, int w) const { _mm_storeu_pd(reinterpret_cast<double*>(&row[w]), v_); }

    friend WallPair operator+(WallPair a, WallPair b) { return WallPair(_mm_add_pd(a.v_, b.v_)); }
    friend WallPair operator-(WallPair a, WallPair b) { return WallPair(_mm_sub_pd(a.v_, b.v_)); }
    friend WallPair operator*(WallPair a, WallPair b) { return WallPair(_mm_mul_pd(a.v_, b.v_)); }
    friend WallPair operator/(WallPair a, WallPair b) { return WallPair(_mm_div_pd(a.v_, b.v_)); }
    friend LaneMask operator==(WallPair a, WallPair b) { return LaneMask(_mm_cmpeq_pd(a.v_, b.v_)); }
    friend LaneMask operator!=(WallPair a, WallPair b) { return LaneMask(_mm_cmpneq_pd(a.v_, b.v_)); }
    friend LaneMask operator<(WallPair a, WallPair b) { return LaneMask(_mm_cmplt_pd(a.v_, b.v_)); }
    friend LaneMask operator<=(WallPair a, WallPair b) { return LaneMask(_mm_cmple_pd(a.v_, b.v_)); }
    friend LaneMask operator>(WallPair a, WallPair b) { return LaneMask(_mm_cmpgt_pd(a.v_, b.v_)); }
    friend LaneMask operator>=(WallPair a, WallPair b) { return LaneMask(_mm_cmpge_pd(a.v_, b.v_)); }

    // Lanes where `when` holds take a, the others b.
    friend WallPair select(LaneMask when, WallPair a, WallPair b) {
        return WallPair(_mm_or_pd(_mm_and_pd(when.bits(), a.v_), _mm_andnot_pd(when.bits(), b.v_)));
    }
    // a > b ? a : b and a < b ? a : b, lane by lane, as maxpd and minpd give them.
    friend WallPair greaterOf(WallPair a, WallPair b) { return WallPair(_mm_max_pd(a.v_, b.v_)); }
    friend WallPair lesserOf(WallPair a, WallPair b) { return WallPair(_mm_min_pd(a.v_, b.v_)); }
    friend WallPair sqrt(WallPair a) { return WallPair(_mm_sqrt_pd(a.v_)); }
    friend WallPair abs(WallPair a) {
        return WallPair(_mm_and_pd(a.v_, _mm_castsi128_pd(_mm_set1_epi64x(0x7fff'ffff'ffff'ffffll))));
    }
    // Lanes holding a number that put would refuse: an infinity or a NaN.
    friend LaneMask notFinite(WallPair a) { return LaneMask(_mm_cmpnle_pd(abs(a).v_, _mm_set1_pd(DBL_MAX))); }

private:
    __m128d v_;
};

} // namespace sse2

using sse2::LaneMask;
using sse2::WallPair;

#else

using portable::LaneMask;
using portable::WallPair;

#endif

// Adds the two lanes to a running sum, the first wall before the second, as
// the one-wall loop adds them.
inline void addLanes(double& sum, WallPair pair) {
    sum += pair.first();
    sum += pair.second();
}

} // namespace calvex::engine
