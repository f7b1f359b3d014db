#pragma once
// Whether every number a printout, the report or the document shows can be
// printed as the number it is: two decimals of a finite number whose
// hundredths a double holds exactly. A value beyond that is refused before
// anything is printed, so that no page shows "inf" or digits that are not
// the value computed.

#include <optional>
#include <string>

#include "model/project_data.h"

namespace calvex::tables {

// Far above any building's value (the largest polar moments are about
// 1e10), and below 2^53 hundredths.
inline constexpr double kLargestPrintableValue = 1e13;

bool isPrintable(double value);

// The first value that cannot be printed, as a message in Italian naming the
// storey, the wall and the value: general and storey values, the ten values
// of every wall, then the printed results (the building values, each
// storey's and each wall's). Results never computed are not looked at.
std::optional<std::string> unprintableValueMessage(const ProjectData& project);

} // namespace calvex::tables
