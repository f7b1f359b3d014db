#include "numeric_text.h"

#include <algorithm>
#include <cfloat>
#include <charconv>
#include <cmath>
#include <cstdio>

namespace calvex {

namespace {

bool isIgnoredBlank(char c) { return c == ' ' || c == '\t' || c == '\n'; }
bool isDigit(char c) { return c >= '0' && c <= '9'; }

// Reads sign, digits, "." and digits from the start of `text`, skipping
// the ignored blanks, with `separator` as the decimal separator.
double readLeading(std::string_view text, char separator) {
    std::string digits;
    bool negative = false;
    bool signAllowed = true;
    bool pointSeen = false;
    bool anyDigit = false;
    bool nonZeroIntegerDigit = false;
    for (char c : text) {
        if (isIgnoredBlank(c)) continue;
        if (signAllowed && (c == '-' || c == '+')) {
            negative = (c == '-');
            signAllowed = false;
            continue;
        }
        signAllowed = false;
        if (isDigit(c)) {
            anyDigit = true;
            if (!pointSeen && c != '0') nonZeroIntegerDigit = true;
            digits.push_back(c);
        } else if (c == separator && !pointSeen) {
            pointSeen = true;
            digits.push_back('.');
        } else {
            break;
        }
    }
    if (!anyDigit) return 0.0;
    double value = 0.0;
    auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    (void)end;
    if (error == std::errc::result_out_of_range) value = nonZeroIntegerDigit ? DBL_MAX : 0.0;
    return negative ? -value : value;
}

std::string replaceAll(std::string_view text, char from, char to) {
    std::string result(text);
    for (char& c : result)
        if (c == from) c = to;
    return result;
}

} // namespace

double readLeadingNumber(std::string_view text) { return readLeading(text, '.'); }

double readTypedNumber(std::string_view text) { return readLeadingNumber(commasToPoints(text)); }

std::string commasToPoints(std::string_view text) { return replaceAll(text, ',', '.'); }

std::string pointsToCommas(std::string_view text) { return replaceAll(text, '.', ','); }

bool isNumericText(std::string_view text) {
    auto isEdgeBlank = [](char c) { return c == ' ' || c == '\t'; };
    while (!text.empty() && isEdgeBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && isEdgeBlank(text.back())) text.remove_suffix(1);
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) text.remove_prefix(1);
    bool anyDigit = false;
    bool separatorSeen = false;
    for (char c : text) {
        if (isDigit(c)) {
            anyDigit = true;
        } else if ((c == '.' || c == ',') && !separatorSeen) {
            separatorSeen = true;
        } else {
            return false;
        }
    }
    return anyDigit;
}

std::string formatFixed2(double value, int width) {
    const double hundredths = std::fabs(wholeHundredths(value));
    char buffer[400];
    std::snprintf(buffer, sizeof buffer, "%.0f", hundredths);
    std::string digits(buffer);
    std::string text;
    if (digits.size() >= 3)
        text = digits.substr(0, digits.size() - 2) + "." + digits.substr(digits.size() - 2);
    else if (digits.size() == 2)
        text = "0." + digits;
    else
        text = "0.0" + digits;
    if (value < 0) text.insert(text.begin(), '-');
    if (static_cast<int>(text.size()) < width) text.insert(0, width - text.size(), ' ');
    return text;
}

std::string formatFixed2(std::string_view numericText, int width) {
    return formatFixed2(readTypedNumber(numericText), width);
}

void appendShortestNumber(std::string& out, double value) {
    if (value == 0.0 || !std::isfinite(value)) {
        out += '0';
        return;
    }
    // Whole numbers, the most frequent case (counts, Int() of forces), are
    // written directly.
    if (std::fabs(value) < 1e15 && value == std::trunc(value)) {
        char digits[24];
        auto [end, error] = std::to_chars(digits, digits + sizeof digits, static_cast<long long>(value));
        (void)error;
        out.append(digits, end);
        return;
    }
    // "d.dddddddddddddde+XX": 15 significant digits.
    char buffer[40];
    auto [end, error] =
        std::to_chars(buffer, buffer + sizeof buffer, std::fabs(value), std::chars_format::scientific, 14);
    (void)error;
    char* exponentMark = std::find(buffer, end, 'e');
    int exponent = 0;
    std::from_chars(exponentMark + (exponentMark[1] == '+' ? 2 : 1), end, exponent);
    // The significant digits without the point and without trailing zeros.
    char* digitsEnd = std::remove(buffer, exponentMark, '.');
    while (digitsEnd > buffer + 1 && digitsEnd[-1] == '0') --digitsEnd;
    const std::size_t digitCount = static_cast<std::size_t>(digitsEnd - buffer);

    if (value < 0) out += '-';
    if (exponent >= 0) {
        const std::size_t integerDigits = static_cast<std::size_t>(exponent) + 1;
        if (digitCount <= integerDigits) {
            out.append(buffer, digitCount);
            out.append(integerDigits - digitCount, '0');
        } else {
            out.append(buffer, integerDigits);
            out += '.';
            out.append(buffer + integerDigits, digitCount - integerDigits);
        }
    } else {
        out += '.';
        out.append(static_cast<std::size_t>(-exponent - 1), '0');
        out.append(buffer, digitCount);
    }
}

void appendStr(std::string& out, double value) {
    if (!(value < 0)) out += ' ';
    appendShortestNumber(out, value);
}

std::string shortestNumber(double value) {
    std::string text;
    appendShortestNumber(text, value);
    return text;
}

std::string numberFieldText(double value) {
    std::string text = shortestNumber(value);
    if (text.front() == '.')
        text.insert(text.begin(), '0');
    else if (text.rfind("-.", 0) == 0)
        text.insert(text.begin() + 1, '0');
    return text;
}

std::string str(double value) {
    std::string text;
    appendStr(text, value);
    return text;
}

} // namespace calvex
