#include "print/printouts/results_printouts.h"

#include "model/numeric_text.h"
#include "print/device/page_frame.h"
#include "print/tables/column_printing.h"
#include "print/tables/printout_lines.h"
#include "print/tables/storey_table_parts.h"
#include "print/tables/table_columns.h"

#include <string>
#include <string_view>

namespace calvex::printouts {

namespace {

using tables::emptyLines;
using tables::headingLine;

void printBuildingLines(TextDevice& device, const BuildingResult& building) {
    constexpr int valueEnd = 51;
    for (const tables::BuildingValue& line : tables::kBuildingValues) {
        const std::string value = formatFixed2((building.*line.value).number(), 5);
        device.printAtColumn(frameHeadingColumn, tables::dottedCaption(line));
        device.printAtColumn(valueEnd + 1 - static_cast<int>(value.size()), value);
        device.endLine();
    }
}

void printLegend(TextDevice& device) {
    headingLine(device, "Legenda:");
    device.endLine();
    tables::printLegendLines(
        device, tables::legendIn<ResultValue FloorResult::*>(tables::kStoreyResultsColumns, tables::TableForm::window),
        16);
}

} // namespace

void printResultsTable(TextDevice& device, const ProjectData& project,
                       const TextDevice::NumberFormatter& formatNumber) {
    device.setNumberFormatter(formatNumber);
    printTitleLine(device);
    device.endLine();
    headingLine(device, "RISULTATI GENERALI E DEI PIANI");
    emptyLines(device, 2);
    printProjectLine(device, project.title(TitleField::progetto));
    emptyLines(device, 2);
    printBuildingLines(device, project.building());
    emptyLines(device, 3);
    printLegend(device);
    emptyLines(device, 2);

    device.setFontSize(frameTableSize);
    tables::printStoreyResultsHeadings(device);
    device.endLine();
    // Each row is left open: the next row's first column jump starts a new line.
    for (int storey = 1; storey <= project.storeyCount(); ++storey)
        tables::printStoreyResultsCells(device, project.floorResult(storey), storey);
    device.endDocument();
}

} // namespace calvex::printouts
