#include "print/report/report_lines.h"

#include "print/device/page_frame.h"
#include "print/tables/column_printing.h"

namespace calvex::report {

namespace {
constexpr double sectionHeadingSize = 16;
} // namespace

void printSectionHeading(TextDevice& device, std::string_view heading) {
    device.setFontSize(sectionHeadingSize);
    printLineAt(device, frameHeadingColumn, heading);
    device.setFontSize(frameHeadingSize);
    device.endLine();
}

void printLegend(TextDevice& device, std::span<const tables::LegendEntry> legend, int meaningColumn) {
    printLineAt(device, frameHeadingColumn, "Legenda:");
    device.endLine();
    tables::printLegendLines(device, legend, meaningColumn);
}

void printLineAt(TextDevice& device, int column, std::string_view text) {
    device.printAtColumn(column, text);
    device.endLine();
}

void printFittingLineAt(TextDevice& device, int column, std::string_view text) {
    device.printFittingAtColumn(column, text);
    device.endLine();
}

} // namespace calvex::report
