#include "print/results_printouts.h"

#include "model/numeric_text.h"
#include "print/general_printouts_lines.h"
#include "print/page_frame.h"
#include "print/result_legends.h"

#include <array>
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
    constexpr std::array<std::pair<int, std::string_view>, 15> headings{{
        {5, "piano"}, {12, "peso"}, {19, "gamma"}, {28, "fp"}, {35, "xm"},
        {42, "ym"}, {49, "xr"}, {56, "yr"}, {63, "ex"}, {70, "ey"},
        {82, "mp"}, {94, "mt"}, {101, "ft"}, {108, "cfx"}, {115, "cfy"},
    }};
    constexpr std::array<std::pair<int, std::string_view>, 12> units{{
        {7, "n"}, {14, "t"}, {29, "t"}, {36, "m"}, {43, "m"}, {50, "m"},
        {57, "m"}, {64, "m"}, {71, "m"}, {82, "tm"}, {94, "tm"}, {102, "t"},
    }};
    for (const auto& [column, text] : headings)
        device.printAtColumn(column, text);
    device.endLine();
    for (const auto& [column, text] : units)
        device.printAtColumn(column, text);
    device.endLine();
}

// The row is left open: the next row's first column jump starts a new line.
void printStoreyRow(TextDevice& device, const FloorResult& result, int storey)
{
    struct Cell {
        ResultValue FloorResult::*value;
        int width;
    };
    constexpr std::array<Cell, 14> cells{{
        {&FloorResult::storeyWeight, 8},   {&FloorResult::distributionCoeff, 7},
        {&FloorResult::storeyForce, 8},    {&FloorResult::massCentreX, 7},
        {&FloorResult::massCentreY, 7},    {&FloorResult::stiffCentreX, 7},
        {&FloorResult::stiffCentreY, 7},   {&FloorResult::eccX, 7},
        {&FloorResult::eccY, 7},           {&FloorResult::polarMoment, 14},
        {&FloorResult::torsionMoment, 10}, {&FloorResult::torsionTotalForce, 7},
        {&FloorResult::safetyX, 7},        {&FloorResult::safetyY, 7},
    }};
    printNumberEndingAt(device, 7, storey);
    for (const Cell& cell : cells)
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
