#include "model/numeric_text.h"
#include "print/device/page_frame.h"
#include "print/report/report_lines.h"
#include "print/report/report_sections.h"
#include "print/tables/printout_lines.h"
#include "print/tables/storey_table_parts.h"
#include "print/tables/table_columns.h"

#include <array>
#include <string>

namespace calvex::report {

namespace {

constexpr std::array<std::string_view, 4> introduction{
    "Il coefficiente di sicurezza riportato, per le due direzioni X e Y",
    "di ogni piano, \u00e8 una misura  della  capacit\u00e0  della  struttura  di",
    "poter resistere in maniera globale,  anche  in  presenza  di setti",
    "non pi\u00f9 efficaci, ad un terremoto come quello ipotizzato.",
};

void printBuildingLines(TextDevice& device, const BuildingResult& building) {
    for (const tables::BuildingValue& line : tables::kBuildingValues) {
        std::string text = tables::dottedCaption(line);
        text += formatFixed2((building.*line.value).number(), 5);
        printLineAt(device, frameHeadingColumn, text);
    }
}

} // namespace

void printStoreyResults(TextDevice& device, const ProjectData& project) {
    printSectionHeading(device, "D) RISULTATI GENERALI E DEI PIANI");
    for (std::string_view line : introduction) printLineAt(device, frameHeadingColumn, line);
    device.endLine();
    printBuildingLines(device, project.building());
    device.endLine();
    printLegend(device,
                tables::legendIn<ResultValue FloorResult::*>(tables::kStoreyResultsColumns, tables::TableForm::report),
                16);
    tables::emptyLines(device, 2);

    device.setFontSize(frameTableSize);
    tables::printStoreyResultsHeadings(device);
    device.endLine();
    for (int storey = 1; storey <= project.storeyCount(); ++storey) {
        tables::printStoreyResultsCells(device, project.floorResult(storey), storey);
        device.endLine();
    }
}

} // namespace calvex::report
