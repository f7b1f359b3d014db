#include "print/printouts/wall_tables.h"

#include "print/device/page_breaker.h"
#include "print/tables/table_columns.h"
#include "print/tables/wall_table_parts.h"

namespace calvex::printouts {

namespace {
constexpr TableBreakRule resultsTableBreaks{82, 1000, true};
constexpr int firstPageLineCount = 25;
} // namespace

void printWallResultsTable(TextDevice& device, const ProjectData& project) {
    const auto legend =
        tables::legendIn<tables::WallResultSource>(tables::kWallResultsColumns, tables::TableForm::window);
    tables::printWallTableIntroduction(device, "RISULTATI DELLA VERIFICA", legend, project.title(TitleField::progetto));

    PageBreaker breaker(device, resultsTableBreaks, [](TextDevice& headings) {
        tables::printWallResultsHeadings(headings, tables::TableForm::window);
    });
    breaker.printHeadings();
    breaker.setLineCount(firstPageLineCount);
    tables::printWallResultsRows(device, project, breaker);
    breaker.close();
}

} // namespace calvex::printouts
