#pragma once
// Line helpers shared by the sections of the printed calculation report.

#include "print/device/text_device.h"
#include "print/tables/table_column.h"

#include <span>
#include <string_view>

namespace calvex::report {

// The section heading at 16 points, then 12 points and one empty line.
void printSectionHeading(TextDevice& device, std::string_view heading);

// "Legenda:", an empty line, then one line per entry with the symbol at
// the heading column and "= " and the meaning at the given column.
void printLegend(TextDevice& device, std::span<const tables::LegendEntry> legend, int meaningColumn);

// A text at the given column, as one line.
void printLineAt(TextDevice& device, int column, std::string_view text);
// The same for the user's texts, which may be long: one too wide for the
// sheet is set in a smaller size.
void printFittingLineAt(TextDevice& device, int column, std::string_view text);

} // namespace calvex::report
