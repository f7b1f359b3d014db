#include "print/printouts/wall_tables.h"

#include "print/device/page_breaker.h"
#include "print/tables/result_tables.h"
#include "print/tables/wall_table_parts.h"

#include <array>

namespace calvex::printouts {

namespace {

constexpr TableBreakRule resultsTableBreaks{82, 1000, true};
constexpr int firstPageLineCount = 25;

constexpr std::array<tables::ColumnText, 16> headings{{
    {4, "piano"},
    {10, "setto"},
    {16, "peso"},
    {23, "car."},
    {31, "sn"},
    {38, "sigma"},
    {48, "rig.x"},
    {58, "rig.y"},
    {66, "asc."},
    {73, "ord."},
    {78, "dir."},
    {83, "f.p."},
    {91, "f.o."},
    {97, "ultima"},
    {106, "tens."},
    {114, "torc."},
}};
void printHeadings(TextDevice& device) {
    tables::printColumnLine(device, headings);
    tables::printColumnLine(device, tables::kWallResultsUnits);
}

} // namespace

void printWallResultsTable(TextDevice& device, const ProjectData& project) {
    tables::printWallTableIntroduction(device, "RISULTATI DELLA VERIFICA", tables::kWallResultsLegend,
                                       project.title(TitleField::progetto));

    PageBreaker breaker(device, resultsTableBreaks, printHeadings);
    breaker.printHeadings();
    breaker.setLineCount(firstPageLineCount);
    tables::printWallResultsRows(device, project, breaker);
    breaker.close();
}

} // namespace calvex::printouts
