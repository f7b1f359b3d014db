#include "print/tables/storey_table_parts.h"

#include "model/numeric_text.h"
#include "print/device/page_frame.h"
#include "print/tables/wall_table_parts.h"

#include <array>
#include <utility>

namespace calvex::tables {

namespace {

constexpr std::array<ColumnText, 7> headings{{
    {9, "piano"},
    {17, "peso sp.muro"},
    {33, "carichi solai"},
    {49, "sovracc.solai"},
    {65, "carichi sbalzi"},
    {82, "sovracc.sbalzi"},
    {99, "altezza lorda"},
}};
constexpr std::array<ColumnText, 7> units{{
    {11, "n."},
    {21, "t/mc"},
    {37, "t/mq"},
    {53, "t/mq"},
    {70, "t/mq"},
    {87, "t/mq"},
    {105, "m"},
}};

// The storey values in the order of the columns, with their widths.
constexpr std::array<std::pair<FloorField, int>, kFloorFieldCount> valueColumns{{
    {FloorField::specifico, 12},
    {FloorField::permsolai, 16},
    {FloorField::accsolai, 16},
    {FloorField::permsbalzi, 17},
    {FloorField::accsbalzi, 17},
    {FloorField::hp, 17},
}};

} // namespace

void printStoreyDataHeadings(TextDevice& device) {
    printColumnLine(device, headings);
    printColumnLine(device, units);
}

void printStoreyDataRow(TextDevice& device, const ProjectData& project, int storey) {
    printNumberEndingAt(device, 11, storey);
    for (const auto& [field, width] : valueColumns)
        device.printText(formatFixed2(project.floorNumber(storey, field), width));
    device.endLine();
}

} // namespace calvex::tables
