#include "print/tables/column_printing.h"

namespace calvex::tables {

void printLegendLines(TextDevice& device, std::span<const LegendEntry> legend, int meaningColumn) {
    for (const LegendEntry& entry : legend) {
        device.printAtColumn(frameHeadingColumn, entry.symbol);
        device.printAtColumn(meaningColumn, "= " + std::string(entry.meaning));
        device.endLine();
    }
}

} // namespace calvex::tables
