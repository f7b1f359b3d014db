#include "print/wall_table_parts.h"

#include "print/page_frame.h"

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

}  // namespace calvex
