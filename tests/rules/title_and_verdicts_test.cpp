#include <gtest/gtest.h>

#include <chrono>

#include "rules/results_verdicts.h"
#include "rules/title_page_rules.h"

namespace calvex {
namespace {

using namespace std::chrono;

TEST(TitlePageRules, DateNamesWeekdayAndMonthInItalian) {
    EXPECT_EQ(titlePageDate(2026y / December / 8d), "martedì, 8 dic 2026");
    EXPECT_EQ(titlePageDate(2027y / January / 31d), "domenica, 31 gen 2027");
    EXPECT_EQ(titlePageDate(1999y / May / 8d), "sabato, 8 mag 1999");
}

TEST(TitlePageRules, PrintLimitCountsCharactersNotBytes) {
    std::string accented;
    for (int i = 0; i < kTitleTextPrintLimit; ++i) accented += "è";
    EXPECT_FALSE(exceedsPrintLimit(accented));
    EXPECT_TRUE(exceedsPrintLimit(accented + "a"));
}

TEST(ResultsVerdicts, StoreyIsVerifiedWhenBothCoefficientsReachOne) {
    EXPECT_EQ(storeyVerdictText(3, 1, 1.5), "piano n. 3 verificato");
    EXPECT_EQ(storeyVerdictText(3, 2, 0.99), "piano n. 3 non verificato");
}

} // namespace
} // namespace calvex
