#pragma once

#include <string_view>

namespace calvex::documents {

// The width in points of a UTF-8 text at the font size, as a proportional
// sans-serif font sets it: taken for the wider of the report's typeface
// and the fonts a word processor falls back on, so that a column this wide
// holds its text on one line in either.
double textWidthPoints(std::string_view text, double points);

} // namespace calvex::documents
