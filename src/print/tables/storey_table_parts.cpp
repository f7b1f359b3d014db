#include "print/tables/storey_table_parts.h"

#include "model/numeric_text.h"
#include "print/tables/column_printing.h"
#include "print/tables/table_columns.h"

namespace calvex::tables {

void printStoreyDataHeadings(TextDevice& device) {
    printColumnHeadings<FloorField>(device, kStoreyDataColumns, TableForm::report);
}

void printStoreyDataRow(TextDevice& device, const ProjectData& project, int storey) {
    printRowCells<FloorField>(device, kStoreyDataColumns, {storey}, [&](const StoreyDataColumn& column) {
        return formatFixed2(project.floorNumber(storey, column.source), column.printed);
    });
    device.endLine();
}

void printStoreyResultsHeadings(TextDevice& device) {
    printColumnHeadings<ResultValue FloorResult::*>(device, kStoreyResultsColumns, TableForm::report);
}

void printStoreyResultsCells(TextDevice& device, const FloorResult& result, int storey) {
    printRowCells<ResultValue FloorResult::*>(device, kStoreyResultsColumns, {storey},
                                              [&](const StoreyResultColumn& column) {
                                                  return formatFixed2((result.*column.source).number(), column.printed);
                                              });
}

} // namespace calvex::tables
