#include "print/device/page_breaker.h"
#include "print/report/report_lines.h"
#include "print/report/report_sections.h"
#include "print/tables/table_columns.h"
#include "print/tables/wall_table_parts.h"

namespace calvex::report {

void printWallResults(TextDevice& device, const ProjectData& project) {
    printSectionHeading(device, "C) RISULTATI DELLA VERIFICA");
    printLegend(device,
                tables::legendIn<tables::WallResultSource>(tables::kWallResultsColumns, tables::TableForm::report), 18);
    device.endLine();

    PageBreaker breaker(device, reportResultsTableBreaks, [](TextDevice& headings) {
        tables::printWallResultsHeadings(headings, tables::TableForm::report);
    });
    breaker.printHeadings();
    tables::printWallResultsRows(device, project, breaker);
    breaker.close();
}

} // namespace calvex::report
