#include "print/printouts/wall_tables.h"

#include "print/device/page_breaker.h"
#include "print/tables/table_columns.h"
#include "print/tables/wall_table_parts.h"

namespace calvex::printouts {

namespace {
constexpr TableBreakRule dataTableBreaks{85, 1000, true};
constexpr int firstPageLineCount = 25;
} // namespace

void printWallDataTable(TextDevice& device, const ProjectData& project) {
    device.endLine();
    const auto legend = tables::legendIn<WallField>(tables::kWallDataColumns, tables::TableForm::window);
    tables::printWallTableIntroduction(device, "DATI DEI SETTI", legend, project.title(TitleField::progetto));

    PageBreaker breaker(device, dataTableBreaks, tables::printWallDataHeadings);
    breaker.printHeadings();
    breaker.setLineCount(firstPageLineCount);
    tables::printWallDataRows(device, project, breaker);
    breaker.close();
}

} // namespace calvex::printouts
