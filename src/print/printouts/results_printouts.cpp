#include "print/printouts/results_printouts.h"

#include "model/numeric_text.h"
#include "print/tables/general_printouts_lines.h"
#include "print/device/page_frame.h"
#include "print/tables/result_tables.h"

#include <string>
#include <string_view>

namespace calvex {

namespace {

using printout::emptyLines;
using printout::headingLine;

void printBuildingLines(TextDevice& device, const BuildingResult& building)
{
    constexpr int valueEnd = 51;
    for (const BuildingValueLine& line : kBuildingValueLines) {
        const std::string value = formatFixed2((building.*line.value).number(), 5);
        device.printAtColumn(frame::headingColumn, line.caption);
        device.printAtColumn(valueEnd + 1 - static_cast<int>(value.size()), value);
        device.endLine();
    }
}

void printLegend(TextDevice& device)
{
    headingLine(device, "Legenda:");
    device.endLine();
    for (const LegendEntry& entry : kStoreyResultsLegend) {
        device.printAtColumn(frame::headingColumn, entry.symbol);
        device.printAtColumn(16, entry.meaning);
        device.endLine();
    }
}

void printStoreyHeadings(TextDevice& device)
{
    printColumnLine(device, kStoreyResultsHeadings);
    printColumnLine(device, kStoreyResultsUnits);
}

// The row is left open: the next row's first column jump starts a new line.
void printStoreyRow(TextDevice& device, const FloorResult& result, int storey)
{
    printNumberEndingAt(device, 7, storey);
    for (const StoreyResultCell& cell : kStoreyResultCells)
        device.printText(formatFixed2((result.*cell.value).number(), cell.width));
}

}  // namespace

void printResultsTable(TextDevice& device, const ProjectData& project,
                       const TextDevice::NumberFormatter& formatNumber)
{
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

    device.setFontSize(frame::tableSize);
    printStoreyHeadings(device);
    device.endLine();
    for (int storey = 1; storey <= project.storeyCount(); ++storey)
        printStoreyRow(device, project.floorResult(storey), storey);
    device.endDocument();
}

}  // namespace calvex
