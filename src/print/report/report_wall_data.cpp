#include "print/device/page_breaker.h"
#include "print/report/report_lines.h"
#include "print/report/report_sections.h"
#include "print/tables/table_columns.h"
#include "print/tables/wall_table_parts.h"

namespace calvex::report {

void printWallData(TextDevice& device, const ProjectData& project) {
    printSectionHeading(device, "B) DATI DEI SETTI");
    printLegend(device, tables::legendIn<WallField>(tables::kWallDataColumns, tables::TableForm::report), 18);
    device.endLine();

    PageBreaker breaker(device, reportWallTableBreaks, tables::printWallDataHeadings);
    breaker.printHeadings();
    tables::printWallDataRows(device, project, breaker);
    breaker.close();
}

} // namespace calvex::report
