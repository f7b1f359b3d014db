#include "print/tables/wall_table_parts.h"

#include "model/numeric_text.h"
#include "print/device/page_frame.h"
#include "print/tables/column_printing.h"
#include "print/tables/table_columns.h"

namespace calvex::tables {

namespace {

constexpr int meaningColumn = 18;

// A typed text is read with either decimal separator; a number as it is.
std::string fixedValue(const FieldValue& value, int width) {
    return value.isText() ? formatFixed2(value.textValue(), width) : formatFixed2(value.numberValue(), width);
}

} // namespace

void printWallTableIntroduction(TextDevice& device, std::string_view heading, std::span<const LegendEntry> legend,
                                std::string_view projectName) {
    device.printAtColumn(frameHeadingColumn, heading);
    device.endLine();
    device.endLine();
    device.printAtColumn(frameHeadingColumn, "Legenda:");
    device.endLine();
    device.endLine();
    printLegendLines(device, legend, meaningColumn);
    device.endLine();
    device.endLine();
    printProjectLine(device, projectName);
    device.endLine();
}

void printWallDataHeadings(TextDevice& device) {
    printColumnHeadings<WallField>(device, kWallDataColumns, TableForm::report);
}

void printWallDataRows(TextDevice& device, const ProjectData& project, PageBreaker& breaker) {
    for (int storey = 1; storey <= project.storeyCount(); ++storey) {
        for (int wall = 1; wall <= project.wallCount(); ++wall) {
            breaker.beforeRow();
            printRowCells<WallField>(device, kWallDataColumns, {storey, wall}, [&](const WallDataColumn& column) {
                return fixedValue(project.wall(storey, wall, column.source), column.printed);
            });
            device.endLine();
        }
    }
}

void printWallResultsHeadings(TextDevice& device, TableForm form) {
    printColumnHeadings<WallResultSource>(device, kWallResultsColumns, form);
}

void printWallResultsRows(TextDevice& device, const ProjectData& project, PageBreaker& breaker) {
    for (int storey = 1; storey <= project.storeyCount(); ++storey) {
        for (int wall = 1; wall <= project.wallCount(); ++wall) {
            const WallResult result = project.wallResult(storey, wall);
            const bool xWall = wall <= project.xWallCount();
            breaker.beforeRow();
            printRowCells<WallResultSource>(
                device, kWallResultsColumns, {storey, wall, xWall}, [&](const WallResultColumn& column) {
                    return formatFixed2((result.*column.source.of(xWall)).number(), column.printed);
                });
            device.endLine();
        }
    }
}

} // namespace calvex::tables
