#pragma once
// The wall data and wall results tables as the wall printout and the report
// print them.

#include "model/project_data.h"
#include "print/device/page_breaker.h"
#include "print/device/text_device.h"
#include "print/tables/table_column.h"

#include <span>
#include <string_view>

namespace calvex::tables {

// The heading, an empty line, "Legenda:", an empty line, then one line per
// entry with the symbol at the heading column and the meaning at column 18;
// then two empty lines, the project line and one empty line.
void printWallTableIntroduction(TextDevice& device, std::string_view heading, std::span<const LegendEntry> legend,
                                std::string_view projectName);

// The two column-heading lines of the wall data table.
void printWallDataHeadings(TextDevice& device);

// The rows of the wall data table, storey by storey and wall by wall, each
// announced to the page breaker before it is printed.
void printWallDataRows(TextDevice& device, const ProjectData& project, PageBreaker& breaker);

// The two column-heading lines of the wall results table in a printed form.
void printWallResultsHeadings(TextDevice& device, TableForm form);

// The rows of the wall results table: each wall prints the values of its
// own direction, and is announced to the page breaker first.
void printWallResultsRows(TextDevice& device, const ProjectData& project, PageBreaker& breaker);

} // namespace calvex::tables
