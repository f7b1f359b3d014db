#include "model/number_pattern.h"

#include <cmath>
#include <cstdio>

namespace calvex {

std::string formatPattern(double value, NumberPattern pattern, const NumberSymbols& symbols) {
    const int decimals = pattern == NumberPattern::grouped0 ? 0 : 2;
    const bool grouped = pattern != NumberPattern::plain2;
    const double scale = decimals == 0 ? 1.0 : 100.0;
    const double units = std::round(std::fabs(value) * scale);
    if (!std::isfinite(units)) return "0";

    char buffer[400];
    std::snprintf(buffer, sizeof buffer, "%.0f", units);
    std::string digits(buffer);
    if (digits.size() <= static_cast<std::size_t>(decimals)) digits.insert(0, decimals + 1 - digits.size(), '0');
    const std::string whole = digits.substr(0, digits.size() - decimals);
    const std::string fraction = digits.substr(digits.size() - decimals);

    std::string text = value < 0 && units > 0 ? "-" : "";
    for (std::size_t i = 0; i < whole.size(); ++i) {
        if (grouped && i > 0 && (whole.size() - i) % 3 == 0) text += symbols.groupSeparator;
        text += whole[i];
    }
    if (decimals > 0) text += symbols.decimalPoint + fraction;
    return text;
}

} // namespace calvex
