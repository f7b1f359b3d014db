#include "model/number_pattern.h"

#include <gtest/gtest.h>

namespace calvex {
namespace {

TEST(NumberPattern, PatternsInTheUsersNotation) {
    const NumberSymbols italian;
    EXPECT_EQ(formatPattern(1234567.891, NumberPattern::grouped2, italian), "1.234.567,89");
    EXPECT_EQ(formatPattern(999.995, NumberPattern::grouped2, italian), "1.000,00");
    EXPECT_EQ(formatPattern(12.5, NumberPattern::grouped2, italian), "12,50");
    EXPECT_EQ(formatPattern(0, NumberPattern::grouped2, italian), "0,00");
    EXPECT_EQ(formatPattern(0.004, NumberPattern::plain2, italian), "0,00");
    EXPECT_EQ(formatPattern(1234.5, NumberPattern::plain2, italian), "1234,50");
    EXPECT_EQ(formatPattern(5188.68, NumberPattern::grouped0, italian), "5.189");
    EXPECT_EQ(formatPattern(925079.5, NumberPattern::grouped0, italian), "925.080");
    EXPECT_EQ(formatPattern(12, NumberPattern::grouped0, italian), "12");

    // Negative values keep their sign unless they round to zero.
    EXPECT_EQ(formatPattern(-4.305, NumberPattern::plain2, italian), "-4,31");
    EXPECT_EQ(formatPattern(-1234.5, NumberPattern::grouped2, italian), "-1.234,50");
    EXPECT_EQ(formatPattern(-0.001, NumberPattern::grouped2, italian), "0,00");

    const NumberSymbols english{".", ","};
    EXPECT_EQ(formatPattern(1234567.891, NumberPattern::grouped2, english), "1,234,567.89");
    // A narrow blank between thousands, as some languages write them.
    const NumberSymbols french{",", "\u202f"};
    EXPECT_EQ(formatPattern(1234.5, NumberPattern::grouped2, french), "1\u202f234,50");
}

} // namespace
} // namespace calvex
