#pragma once
// The rules by which typed texts become numbers and numbers become texts.
// Every part of the program goes through these, so that the same text
// always yields the same number.

#include <cmath>
#include <string>
#include <string_view>

namespace calvex {

// Leading number with "." as the only decimal separator; blanks (space,
// tab, line feed) are ignored wherever they stand. 0 when nothing numeric
// is read. "3,5" reads as 3.
double readLeadingNumber(std::string_view text);

// Leading number accepting "," or "." as decimal separator: the reading of
// every typed value, so "5,25" and "5.25" are the same number wherever
// they are used.
double readTypedNumber(std::string_view text);

std::string commasToPoints(std::string_view text);
std::string pointsToCommas(std::string_view text);

// The whole text (blanks at either end allowed) is a plain decimal number
// with "." or "," as separator. The empty text is not numeric.
bool isNumericText(std::string_view text);

// Two decimals, halves rounded upward, "." as separator, padded with
// leading blanks to `width` and never cut.
std::string formatFixed2(double value, int width);
std::string formatFixed2(std::string_view numericText, int width);

// Shortest plain decimal form with at most 15 significant digits, no
// trailing zeros, no point for whole numbers and no zero before the point
// below 1: 0.33 -> ".33", 2.9 -> "2.9", 4 -> "4", -0.5 -> "-.5".
std::string shortestNumber(double value);

// The shortest form with a zero before the point ("0.33"): the text a
// number gets when it is put back into an entry field, so that it reads
// back as the same number.
std::string numberFieldText(double value);

// Str: the shortest form with a leading blank when not negative.
std::string str(double value);

// The same two forms appended to a text, for texts built piece by piece.
void appendShortestNumber(std::string& out, double value);
void appendStr(std::string& out, double value);

// Int: the largest whole number not above the value. Exact like
// std::floor, without the library call for the values results take.
inline double intPart(double value) {
    if (!(value > -1e15 && value < 1e15)) return std::floor(value);
    const double truncated = static_cast<double>(static_cast<long long>(value));
    return truncated > value ? truncated - 1.0 : truncated;
}

// The whole number of hundredths nearest to the value, halves upward:
// Int(100 x + 0.5). Results are rounded by it and two-decimal texts written.
inline double wholeHundredths(double value) { return std::floor(100.0 * value + 0.5); }

// Rounding of results to the hundredth.
inline double roundHundredth(double value) { return wholeHundredths(value) / 100.0; }

} // namespace calvex
