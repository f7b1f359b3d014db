#include "print/wall_table_parts.h"

#include "model/numeric_text.h"
#include "print/page_frame.h"

#include <array>
#include <utility>

namespace calvex {

namespace {
constexpr int meaningColumn = 18;
}

void printColumnLine(TextDevice& device, std::span<const ColumnText> texts)
{
    for (const ColumnText& item : texts)
        device.printAtColumn(item.column, item.text);
    device.endLine();
}

void printWallTableIntroduction(TextDevice& device, std::string_view heading,
                                std::span<const LegendEntry> legend,
                                std::string_view projectName)
{
    device.printAtColumn(frame::headingColumn, heading);
    device.endLine();
    device.endLine();
    device.printAtColumn(frame::headingColumn, "Legenda:");
    device.endLine();
    device.endLine();
    for (const LegendEntry& entry : legend) {
        device.printAtColumn(frame::headingColumn, entry.symbol);
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
    {9, "piano"}, {18, "setto"}, {27, "dimx"}, {36, "dimy"}, {45, "ascissa"}, {54, "ordin."},
    {63, "tir.v."}, {72, "tir.o."}, {81, "tauk"}, {90, "sigma"}, {99, "solai"}, {108, "sbalzi"},
}};
constexpr std::array<ColumnText, 12> units{{
    {11, "n"}, {20, "n"}, {28, "m"}, {37, "m"}, {48, "m"}, {56, "m"},
    {65, "t"}, {74, "t"}, {81, "t/mq"}, {90, "t/mq"}, {100, "mq"}, {110, "mq"},
}};

// The wall values in the order of the columns, with their widths.
constexpr std::array<std::pair<WallField, int>, kWallFieldCount> valueColumns{{
    {WallField::dimx, 9}, {WallField::dimy, 9}, {WallField::ascissa, 11},
    {WallField::ordinata, 8}, {WallField::tirantiV, 9}, {WallField::tirantiO, 9},
    {WallField::tauk, 8}, {WallField::sigma, 10}, {WallField::solai, 9}, {WallField::sbalzi, 9},
}};

void printHeadingLines(TextDevice& device)
{
    printColumnLine(device, headings);
    printColumnLine(device, units);
}

// A typed text is read with either decimal separator; a number as it is.
std::string fixedValue(const FieldValue& value, int width)
{
    return value.isText() ? formatFixed2(value.textValue(), width)
                          : formatFixed2(value.numberValue(), width);
}

}  // namespace

void printWallDataHeadings(TextDevice& device) { printHeadingLines(device); }

void printWallDataRows(TextDevice& device, const ProjectData& project, PageBreaker& breaker)
{
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

}  // namespace calvex
