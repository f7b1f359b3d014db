#include "print/device/page_breaker.h"
#include "print/report/report_lines.h"
#include "print/report/report_sections.h"
#include "print/tables/result_tables.h"
#include "print/tables/wall_table_parts.h"

#include <array>

namespace calvex::report {

namespace {

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
    {106, "t.max"},
    {114, "torc."},
}};
void printHeadings(TextDevice& device) {
    tables::printColumnLine(device, headings);
    tables::printColumnLine(device, tables::kWallResultsUnits);
}

} // namespace

void printWallResults(TextDevice& device, const ProjectData& project) {
    printSectionHeading(device, "C) RISULTATI DELLA VERIFICA");
    printLegend(device, tables::kWallResultsLegend, 18);
    device.endLine();

    PageBreaker breaker(device, reportResultsTableBreaks, printHeadings);
    breaker.printHeadings();
    tables::printWallResultsRows(device, project, breaker);
    breaker.close();
}

} // namespace calvex::report
