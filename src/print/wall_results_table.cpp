#include "print/wall_tables.h"

#include "model/numeric_text.h"
#include "print/page_breaker.h"
#include "print/page_frame.h"
#include "print/result_legends.h"
#include "print/wall_table_parts.h"

#include <array>
#include <utility>

namespace calvex {

namespace {

constexpr TableBreakRule resultsTableBreaks{82, 1000, true};
constexpr int firstPageLineCount = 25;

constexpr std::array<ColumnText, 16> headings{{
    {4, "piano"}, {10, "setto"}, {16, "peso"}, {23, "car."}, {31, "sn"}, {38, "sigma"},
    {48, "rig.x"}, {58, "rig.y"}, {66, "asc."}, {73, "ord."}, {78, "dir."}, {83, "f.p."},
    {91, "f.o."}, {97, "ultima"}, {106, "tens."}, {114, "torc."},
}};
constexpr std::array<ColumnText, 15> units{{
    {6, "n"}, {12, "n"}, {17, "t"}, {24, "t"}, {32, "t"}, {39, "t/mq"}, {49, "t/m"}, {59, "t/m"},
    {67, "m"}, {74, "m"}, {84, "t"}, {92, "t"}, {100, "t"}, {107, "t/mq"}, {115, "t"},
}};

using Column = std::pair<ResultValue WallResult::*, int>;

// Before the direction, then the direction's own values, then after it.
constexpr std::array<Column, 8> leadingColumns{{
    {&WallResult::selfWeightShare, 6}, {&WallResult::slabLoad, 7},
    {&WallResult::normalForce, 8}, {&WallResult::baseStress, 8},
    {&WallResult::stiffnessX, 10}, {&WallResult::stiffnessY, 10},
    {&WallResult::armX, 7}, {&WallResult::armY, 7},
}};
constexpr std::array<Column, 3> xColumns{{
    {&WallResult::storeyShareX, 7}, {&WallResult::horizontalForceX, 8}, {&WallResult::ultimateShearX, 8},
}};
constexpr std::array<Column, 3> yColumns{{
    {&WallResult::storeyShareY, 7}, {&WallResult::horizontalForceY, 8}, {&WallResult::ultimateShearY, 8},
}};
constexpr std::array<Column, 2> trailingColumns{{
    {&WallResult::maxStress, 8}, {&WallResult::torsionForce, 7},
}};

void printHeadings(TextDevice& device)
{
    printColumnLine(device, headings);
    printColumnLine(device, units);
}

template <std::size_t N>
void printValues(TextDevice& device, const WallResult& result, const std::array<Column, N>& columns)
{
    for (const auto& [member, width] : columns)
        device.printText(formatFixed2((result.*member).number(), width));
}

}  // namespace

void printWallResultsTable(TextDevice& device, const ProjectData& project)
{
    printWallTableIntroduction(device, "RISULTATI DELLA VERIFICA", kWallResultsLegend,
                               project.title(TitleField::progetto));

    PageBreaker breaker(device, resultsTableBreaks, printHeadings);
    breaker.printHeadings();
    breaker.setLineCount(firstPageLineCount);
    for (int storey = 1; storey <= project.storeyCount(); ++storey) {
        for (int wall = 1; wall <= project.wallCount(); ++wall) {
            const WallResult& result = project.wallResult(storey, wall);
            const bool xWall = wall <= project.xWallCount();
            breaker.beforeRow();
            printNumberEndingAt(device, 6, storey);
            printNumberEndingAt(device, 12, wall);
            printValues(device, result, leadingColumns);
            device.printText(xWall ? "  X" : "  Y");
            printValues(device, result, xWall ? xColumns : yColumns);
            printValues(device, result, trailingColumns);
            device.endLine();
        }
    }
    breaker.close();
}

}  // namespace calvex
