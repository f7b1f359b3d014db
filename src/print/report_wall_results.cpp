#include "model/numeric_text.h"
#include "print/page_breaker.h"
#include "print/page_frame.h"
#include "print/report_lines.h"
#include "print/report_sections.h"
#include "print/result_legends.h"
#include "print/wall_table_parts.h"

#include <array>
#include <span>

namespace calvex::report {

namespace {

constexpr std::array<ColumnText, 16> headings{{
    {4, "piano"}, {10, "setto"}, {16, "peso"}, {23, "car."}, {31, "sn"}, {38, "sigma"},
    {48, "rig.x"}, {58, "rig.y"}, {66, "asc."}, {73, "ord."}, {78, "dir."}, {83, "f.p."},
    {91, "f.o."}, {97, "ultima"}, {106, "t.max"}, {114, "torc."},
}};
constexpr std::array<ColumnText, 15> units{{
    {6, "n"}, {12, "n"}, {17, "t"}, {24, "t"}, {32, "t"}, {39, "t/mq"}, {49, "t/m"}, {59, "t/m"},
    {67, "m"}, {74, "m"}, {84, "t"}, {92, "t"}, {100, "t"}, {107, "t/mq"}, {115, "t"},
}};

struct Cell {
    ResultValue WallResult::*value;
    int width;
};

// Before the direction, then the direction's own values, then after it.
constexpr std::array<Cell, 8> leadingCells{{
    {&WallResult::selfWeightShare, 6}, {&WallResult::slabLoad, 7},
    {&WallResult::normalForce, 8}, {&WallResult::baseStress, 8},
    {&WallResult::stiffnessX, 10}, {&WallResult::stiffnessY, 10},
    {&WallResult::armX, 7}, {&WallResult::armY, 7},
}};
constexpr std::array<Cell, 3> xCells{{
    {&WallResult::storeyShareX, 7}, {&WallResult::horizontalForceX, 8}, {&WallResult::ultimateShearX, 8},
}};
constexpr std::array<Cell, 3> yCells{{
    {&WallResult::storeyShareY, 7}, {&WallResult::horizontalForceY, 8}, {&WallResult::ultimateShearY, 8},
}};
constexpr std::array<Cell, 2> trailingCells{{
    {&WallResult::maxStress, 8}, {&WallResult::torsionForce, 7},
}};

void printHeadings(TextDevice& device)
{
    printColumnLine(device, headings);
    printColumnLine(device, units);
}

void printCells(TextDevice& device, const WallResult& result, std::span<const Cell> cells)
{
    for (const Cell& cell : cells)
        device.printText(formatFixed2((result.*cell.value).number(), cell.width));
}

}  // namespace

void printWallResults(TextDevice& device, const ProjectData& project)
{
    printSectionHeading(device, "C) RISULTATI DELLA VERIFICA");
    printLegend(device, kWallResultsLegend, 18);
    device.endLine();

    PageBreaker breaker(device, reportResultsTableBreaks, printHeadings);
    breaker.printHeadings();
    for (int storey = 1; storey <= project.storeyCount(); ++storey) {
        for (int wall = 1; wall <= project.wallCount(); ++wall) {
            const WallResult& result = project.wallResult(storey, wall);
            const bool xWall = wall <= project.xWallCount();
            breaker.beforeRow();
            printNumberEndingAt(device, 6, storey);
            printNumberEndingAt(device, 12, wall);
            printCells(device, result, leadingCells);
            device.printText(xWall ? "  X" : "  Y");
            printCells(device, result, xWall ? std::span<const Cell>(xCells) : std::span<const Cell>(yCells));
            printCells(device, result, trailingCells);
            device.endLine();
        }
    }
    breaker.close();
}

}  // namespace calvex::report
