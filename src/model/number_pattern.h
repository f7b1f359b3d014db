#pragma once
// Numbers written with a display pattern in the user's notation, as the
// editable report shows its values.

#include <string>

namespace calvex {

// The user's decimal point and thousands separator (UTF-8 texts, since some
// languages separate thousands with a narrow blank).
struct NumberSymbols {
    std::string decimalPoint = ",";
    std::string groupSeparator = ".";
};

enum class NumberPattern {
    grouped2, // "##,##0.00": thousands grouped, two decimals
    plain2,   // "##0.00": two decimals
    grouped0, // "##,##0": thousands grouped, no decimals
};

// Rounded half away from zero to the pattern's decimals; a value that
// rounds to zero has no minus sign.
std::string formatPattern(double value, NumberPattern pattern, const NumberSymbols& symbols);

} // namespace calvex
