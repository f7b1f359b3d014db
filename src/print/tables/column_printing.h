#pragma once
// The printed forms of a table's columns: the heading and unit lines, the
// legend lines and the cells of a row.

#include <span>
#include <string>
#include <string_view>

#include "print/device/page_frame.h"
#include "print/device/text_device.h"
#include "print/tables/table_column.h"

namespace calvex::tables {

// The headings at their columns, then the units that the columns have.
template <class Source>
void printColumnHeadings(TextDevice& device, std::span<const TableColumn<Source>> columns, TableForm form) {
    for (const TableColumn<Source>& column : columns) device.printAtColumn(column.headingAt, headingIn(column, form));
    device.endLine();
    for (const TableColumn<Source>& column : columns)
        if (!column.unit.empty()) device.printAtColumn(column.unitAt, column.unit);
    device.endLine();
}

// One line per entry: the symbol at the heading column, "= " and the
// meaning at the given column.
void printLegendLines(TextDevice& device, std::span<const LegendEntry> legend, int meaningColumn);

// The cells of a row in their printed widths, the line left open; a value
// is written by `valueText(column)`.
template <class Source, class ValueText>
void printRowCells(TextDevice& device, std::span<const TableColumn<Source>> columns, RowPlace place,
                   const ValueText& valueText) {
    for (const TableColumn<Source>& column : columns) {
        switch (column.kind) {
            case ColumnKind::storey:
                printNumberEndingAt(device, column.printed, place.storey);
                break;
            case ColumnKind::wall:
                printNumberEndingAt(device, column.printed, place.wall);
                break;
            case ColumnKind::direction:
                device.printText(std::string(column.printed - 1, ' ') + (place.xWall ? "X" : "Y"));
                break;
            case ColumnKind::value:
                device.printText(valueText(column));
                break;
        }
    }
}

} // namespace calvex::tables
