#include <gtest/gtest.h>

#include <cmath>

#include "model/numeric_text.h"

namespace calvex {
namespace {

TEST(NumericText, ReadLeadingNumberTakesOnlyThePoint) {
    EXPECT_EQ(readLeadingNumber(""), 0);
    EXPECT_EQ(readLeadingNumber("12abc"), 12);
    EXPECT_EQ(readLeadingNumber("1 2"), 12);
    EXPECT_EQ(readLeadingNumber("3,5"), 3);
    EXPECT_EQ(readLeadingNumber("2.9"), 2.9);
    EXPECT_EQ(readLeadingNumber(" -\t.5"), -0.5);
    EXPECT_EQ(readLeadingNumber("+4"), 4);
    EXPECT_EQ(readLeadingNumber("abc"), 0);
    EXPECT_EQ(readLeadingNumber("1.2.3"), 1.2);
    EXPECT_EQ(readLeadingNumber("1e5"), 1);
    EXPECT_EQ(readLeadingNumber("--3"), 0);
    // Digits beyond the range of a double stay finite.
    EXPECT_TRUE(std::isfinite(readLeadingNumber(std::string(400, '9'))));
    EXPECT_EQ(readLeadingNumber("0." + std::string(400, '0') + "1"), 0);
}

TEST(NumericText, TypedNumbersAcceptEitherSeparator) {
    EXPECT_EQ(readTypedNumber("2,9"), 2.9);
    EXPECT_EQ(readTypedNumber("2.9"), 2.9);
    EXPECT_EQ(readTypedNumber(" 0.35"), 0.35);
    EXPECT_EQ(readTypedNumber("0,35"), 0.35);
    EXPECT_EQ(readTypedNumber("1.234,5"), 1.234);
    EXPECT_EQ(readTypedNumber("abc"), 0);
    EXPECT_EQ(commasToPoints("1,2,3"), "1.2.3");
    EXPECT_EQ(pointsToCommas("1.2"), "1,2");
    EXPECT_EQ(pointsToCommas(""), "");
}

TEST(NumericText, NumericTextIsAPlainDecimalNumber) {
    for (const char* text : {"3", " 0.35 ", "0,35", "-2", ".5", "5.", "+1,0"}) EXPECT_TRUE(isNumericText(text)) << text;
    for (const char* text : {"", " ", "abc", "1a", "1.234,5", "-", "1 2", "2e3"})
        EXPECT_FALSE(isNumericText(text)) << text;
}

TEST(NumericText, FormatFixed2RoundsHalvesUpAndNeverCuts) {
    EXPECT_EQ(formatFixed2(12.346, 0), "12.35");
    EXPECT_EQ(formatFixed2(0.5, 0), "0.50");
    EXPECT_EQ(formatFixed2(0.05, 0), "0.05");
    EXPECT_EQ(formatFixed2(0.0, 0), "0.00");
    EXPECT_EQ(formatFixed2(-3.2, 8), "   -3.20");
    EXPECT_EQ(formatFixed2(1234.5, 5), "1234.50");
    EXPECT_EQ(formatFixed2(-0.001, 0), "-0.00");
    EXPECT_EQ(formatFixed2(1.0, 0), "1.00");
    EXPECT_EQ(formatFixed2("2,5", 6), "  2.50");
    EXPECT_EQ(formatFixed2("1.234", 0), "1.23");
}

TEST(NumericText, ShortestFormsForArchiveFieldsAndMessages) {
    EXPECT_EQ(shortestNumber(0.33), ".33");
    EXPECT_EQ(shortestNumber(2.9), "2.9");
    EXPECT_EQ(shortestNumber(4), "4");
    EXPECT_EQ(shortestNumber(-0.5), "-.5");
    EXPECT_EQ(shortestNumber(0), "0");
    EXPECT_EQ(shortestNumber(0.1 + 0.2), ".3");
    EXPECT_EQ(shortestNumber(2.001), "2.001");
    EXPECT_EQ(shortestNumber(0.00001), ".00001");
    EXPECT_EQ(shortestNumber(1e20), "100000000000000000000");
    EXPECT_EQ(shortestNumber(1234567.125), "1234567.125");
    EXPECT_EQ(numberFieldText(0.33), "0.33");
    EXPECT_EQ(numberFieldText(-0.5), "-0.5");
    EXPECT_EQ(numberFieldText(12), "12");
    EXPECT_EQ(str(0.8), " .8");
    EXPECT_EQ(str(-0.5), "-.5");
    EXPECT_EQ(str(3), " 3");
    EXPECT_EQ(str(intPart(16.3)), " 16");
    EXPECT_EQ(str(intPart(-0.5)), "-1");
    EXPECT_EQ(roundHundredth(1.005), 1.0); // 1.005 is just below 1.005 in binary
    EXPECT_EQ(roundHundredth(2.675000001), 2.68);
}

} // namespace
} // namespace calvex
