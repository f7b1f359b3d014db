#include "print/general_printouts_lines.h"
#include "model/numeric_text.h"
#include "print/page_frame.h"
#include "print/report_lines.h"
#include "print/report_sections.h"
#include "print/result_legends.h"
#include "print/wall_table_parts.h"

#include <array>
#include <string>

namespace calvex::report {

namespace {

constexpr std::array<std::string_view, 4> introduction{
    "Il coefficiente di sicurezza riportato, per le due direzioni X e Y",
    "di ogni piano, \u00e8 una misura  della  capacit\u00e0  della  struttura  di",
    "poter resistere in maniera globale,  anche  in  presenza  di setti",
    "non pi\u00f9 efficaci, ad un terremoto come quello ipotizzato.",
};

constexpr std::array<ColumnText, 15> headings{{
    {5, "piano"}, {12, "peso"}, {19, "gamma"}, {28, "fp"}, {35, "xm"}, {42, "ym"}, {49, "xr"},
    {56, "yr"}, {63, "ex"}, {70, "ey"}, {82, "mp"}, {94, "mt"}, {101, "ft"}, {108, "cfx"}, {115, "cfy"},
}};
constexpr std::array<ColumnText, 12> units{{
    {7, "n"}, {14, "t"}, {29, "t"}, {36, "m"}, {43, "m"}, {50, "m"},
    {57, "m"}, {64, "m"}, {71, "m"}, {82, "tm"}, {94, "tm"}, {102, "t"},
}};

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

void printBuildingLines(TextDevice& device, const BuildingResult& building)
{
    for (const BuildingValueLine& line : kBuildingValueLines) {
        std::string text(line.caption);
        text += formatFixed2((building.*line.value).number(), 5);
        printLineAt(device, frame::headingColumn, text);
    }
}

}  // namespace

void printStoreyResults(TextDevice& device, const ProjectData& project)
{
    printSectionHeading(device, "D) RISULTATI GENERALI E DEI PIANI");
    for (std::string_view line : introduction)
        printLineAt(device, frame::headingColumn, line);
    device.endLine();
    printBuildingLines(device, project.building());
    device.endLine();
    printLegend(device, kStoreyResultsLegend, 16);
    printout::emptyLines(device, 2);

    device.setFontSize(frame::tableSize);
    printColumnLine(device, headings);
    printColumnLine(device, units);
    device.endLine();
    for (int storey = 1; storey <= project.storeyCount(); ++storey) {
        const FloorResult& result = project.floorResult(storey);
        printNumberEndingAt(device, 7, storey);
        for (const Cell& cell : cells)
            device.printText(formatFixed2((result.*cell.value).number(), cell.width));
        device.endLine();
    }
}

}  // namespace calvex::report
