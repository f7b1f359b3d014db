#include "print/printouts/results_printouts.h"

#include "model/numeric_text.h"
#include "print/device/page_frame.h"
#include "print/tables/printout_lines.h"
#include "print/tables/result_tables.h"

#include <string>
#include <string_view>

namespace calvex::printouts {

namespace {

using tables::emptyLines;
using tables::headingLine;

void printBuildingLines(TextDevice& device, const BuildingResult& building) {
    constexpr int valueEnd = 51;
    for (const tables::BuildingValueLine& line : tables::kBuildingValueLines) {
        const std::string value = formatFixed2((building.*line.value).number(), 5);
        device.printAtColumn(frameHeadingColumn, line.caption);
        device.printAtColumn(valueEnd + 1 - static_cast<int>(value.size()), value);
        device.endLine();
    }
}

void printLegend(TextDevice& device) {
    headingLine(device, "Legenda:");
    device.endLine();
    for (const tables::LegendEntry& entry : tables::kStoreyResultsLegend) {
        device.printAtColumn(frameHeadingColumn, entry.symbol);
        device.printAtColumn(16, entry.meaning);
        device.endLine();
    }
}

void printStoreyHeadings(TextDevice& device) {
    tables::printColumnLine(device, tables::kStoreyResultsHeadings);
    tables::printColumnLine(device, tables::kStoreyResultsUnits);
}

// The row is left open: the next row's first column jump starts a new line.
void printStoreyRow(TextDevice& device, const FloorResult& result, int storey) {
    printNumberEndingAt(device, 7, storey);
    for (const tables::StoreyResultCell& cell : tables::kStoreyResultCells)
        device.printText(formatFixed2((result.*cell.value).number(), cell.width));
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
    printStoreyHeadings(device);
    device.endLine();
    for (int storey = 1; storey <= project.storeyCount(); ++storey)
        printStoreyRow(device, project.floorResult(storey), storey);
    device.endDocument();
}

} // namespace calvex::printouts
