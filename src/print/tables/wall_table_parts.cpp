#include "print/tables/wall_table_parts.h"

#include "model/numeric_text.h"
#include "print/device/page_frame.h"

#include <array>
#include <utility>

namespace calvex::tables {

namespace {
constexpr int meaningColumn = 18;
} // namespace

void printColumnLine(TextDevice& device, std::span<const ColumnText> texts) {
    for (const ColumnText& item : texts) device.printAtColumn(item.column, item.text);
    device.endLine();
}

void printWallTableIntroduction(TextDevice& device, std::string_view heading, std::span<const LegendEntry> legend,
                                std::string_view projectName) {
    device.printAtColumn(frameHeadingColumn, heading);
    device.endLine();
    device.endLine();
    device.printAtColumn(frameHeadingColumn, "Legenda:");
    device.endLine();
    device.endLine();
    for (const LegendEntry& entry : legend) {
        device.printAtColumn(frameHeadingColumn, entry.symbol);
        device.printAtColumn(meaningColumn, entry.meaning);
        device.endLine();
    }
    device.endLine();
    device.endLine();
    printProjectLine(device, projectName);
    device.endLine();
}

namespace {

constexpr std::array<ColumnText, 12> headings{{
    {9, "piano"},
    {18, "setto"},
    {27, "dimx"},
    {36, "dimy"},
    {45, "ascissa"},
    {54, "ordin."},
    {63, "tir.v."},
    {72, "tir.o."},
    {81, "tauk"},
    {90, "sigma"},
    {99, "solai"},
    {108, "sbalzi"},
}};
constexpr std::array<ColumnText, 12> units{{
    {11, "n"},
    {20, "n"},
    {28, "m"},
    {37, "m"},
    {48, "m"},
    {56, "m"},
    {65, "t"},
    {74, "t"},
    {81, "t/mq"},
    {90, "t/mq"},
    {100, "mq"},
    {110, "mq"},
}};

// The wall values in the order of the columns, with their widths.
constexpr std::array<std::pair<WallField, int>, kWallFieldCount> valueColumns{{
    {WallField::dimx, 9},
    {WallField::dimy, 9},
    {WallField::ascissa, 11},
    {WallField::ordinata, 8},
    {WallField::tirantiV, 9},
    {WallField::tirantiO, 9},
    {WallField::tauk, 8},
    {WallField::sigma, 10},
    {WallField::solai, 9},
    {WallField::sbalzi, 9},
}};

void printHeadingLines(TextDevice& device) {
    printColumnLine(device, headings);
    printColumnLine(device, units);
}

// A typed text is read with either decimal separator; a number as it is.
std::string fixedValue(const FieldValue& value, int width) {
    return value.isText() ? formatFixed2(value.textValue(), width) : formatFixed2(value.numberValue(), width);
}

struct ResultCell {
    ResultValue WallResult::*value;
    int width;
};

// Before the direction, then the direction's own values, then after it.
constexpr std::array<ResultCell, 8> leadingCells{{
    {&WallResult::selfWeightShare, 6},
    {&WallResult::slabLoad, 7},
    {&WallResult::normalForce, 8},
    {&WallResult::baseStress, 8},
    {&WallResult::stiffnessX, 10},
    {&WallResult::stiffnessY, 10},
    {&WallResult::armX, 7},
    {&WallResult::armY, 7},
}};
constexpr std::array<ResultCell, 3> xCells{{
    {&WallResult::storeyShareX, 7},
    {&WallResult::horizontalForceX, 8},
    {&WallResult::ultimateShearX, 8},
}};
constexpr std::array<ResultCell, 3> yCells{{
    {&WallResult::storeyShareY, 7},
    {&WallResult::horizontalForceY, 8},
    {&WallResult::ultimateShearY, 8},
}};
constexpr std::array<ResultCell, 2> trailingCells{{
    {&WallResult::maxStress, 8},
    {&WallResult::torsionForce, 7},
}};

void printCells(TextDevice& device, const WallResult& result, std::span<const ResultCell> cells) {
    for (const ResultCell& cell : cells) device.printText(formatFixed2((result.*cell.value).number(), cell.width));
}

} // namespace

void printWallDataHeadings(TextDevice& device) { printHeadingLines(device); }

void printWallDataRows(TextDevice& device, const ProjectData& project, PageBreaker& breaker) {
    for (int storey = 1; storey <= project.storeyCount(); ++storey) {
        for (int wall = 1; wall <= project.wallCount(); ++wall) {
            breaker.beforeRow();
            printNumberEndingAt(device, 11, storey);
            printNumberEndingAt(device, 20, wall);
            for (const auto& [field, width] : valueColumns)
                device.printText(fixedValue(project.wall(storey, wall, field), width));
            device.endLine();
        }
    }
}

void printWallResultsRows(TextDevice& device, const ProjectData& project, PageBreaker& breaker) {
    for (int storey = 1; storey <= project.storeyCount(); ++storey) {
        for (int wall = 1; wall <= project.wallCount(); ++wall) {
            const WallResult result = project.wallResult(storey, wall);
            const bool xWall = wall <= project.xWallCount();
            breaker.beforeRow();
            printNumberEndingAt(device, 6, storey);
            printNumberEndingAt(device, 12, wall);
            printCells(device, result, leadingCells);
            device.printText(xWall ? "  X" : "  Y");
            printCells(device, result,
                       xWall ? std::span<const ResultCell>(xCells) : std::span<const ResultCell>(yCells));
            printCells(device, result, trailingCells);
            device.endLine();
        }
    }
}

} // namespace calvex::tables
