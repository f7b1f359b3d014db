#pragma once
// Pieces shared by the wall data and wall results tables.

#include "model/project_data.h"
#include "print/device/page_breaker.h"
#include "print/device/text_device.h"

#include <span>
#include <string_view>

namespace calvex::tables {

// A text placed at a column of a heading line.
struct ColumnText {
    int column;
    std::string_view text;
};

// The texts at their columns, then the line end.
void printColumnLine(TextDevice& device, std::span<const ColumnText> texts);

struct LegendEntry {
    std::string_view symbol;
    std::string_view meaning;
};

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

// The rows of the wall results table: each wall prints the values of its
// own direction's list, and is announced to the page breaker first.
void printWallResultsRows(TextDevice& device, const ProjectData& project, PageBreaker& breaker);

} // namespace calvex::tables
