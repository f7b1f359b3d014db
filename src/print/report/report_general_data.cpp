#include "print/device/page_breaker.h"
#include "print/device/page_frame.h"
#include "print/report/report_lines.h"
#include "print/report/report_sections.h"
#include "print/tables/storey_table_parts.h"

#include <algorithm>
#include <string>

namespace calvex::report {

namespace {

constexpr int valueColumn = 57;

// The number read from the value, printed from the value column less the
// given length.
void printNumberBefore(TextDevice& device, const FieldValue& value, std::size_t length) {
    device.jumpToColumn(std::max(1, valueColumn - static_cast<int>(length)));
    device.printNumber(value.typedNumber());
}

std::size_t wholePartLength(const std::string& text) { return std::min(text.find_first_of(".,"), text.size()); }

void printGeneralLines(TextDevice& device, const ProjectData& project) {
    const auto caption = [&device](std::string_view text) { device.printAtColumn(frameHeadingColumn, text); };
    const auto text = [&project](GeneralField field) { return project.general(field).fieldText(); };
    const auto numberLine = [&](GeneralField field, std::size_t length) {
        printNumberBefore(device, project.general(field), length);
        device.endLine();
    };

    caption("grado di sismicit\u00e0......................... =");
    numberLine(GeneralField::grado, text(GeneralField::grado).size());
    caption("coefficiente di struttura.................. =");
    numberLine(GeneralField::strutt, wholePartLength(text(GeneralField::strutt)));
    caption("coefficiente di riduzione dei sovraccarichi =");
    printLineAt(device, valueColumn, text(GeneralField::riduz));
    caption("coefficiente di protezione sismica......... =");
    printLineAt(device, valueColumn, text(GeneralField::protez));
    caption("numero massimo dei piani................... =");
    numberLine(GeneralField::np, text(GeneralField::np).size());
    caption("numero massimo dei setti in direzione X.... =");
    numberLine(GeneralField::numsetx, text(GeneralField::numsetx).size());
    caption("numero massimo dei setti in direzione Y.... =");
    numberLine(GeneralField::numsety, text(GeneralField::numsety).size());
}

} // namespace

void printGeneralData(TextDevice& device, const ProjectData& project) {
    device.setFontSize(16);
    device.endLine();
    printSectionHeading(device, "A) DATI GENERALI");
    printGeneralLines(device, project);
    device.endLine();

    PageBreaker breaker(device, reportStoreyTableBreaks, tables::printStoreyDataHeadings);
    breaker.printHeadings();
    for (int storey = 1; storey <= project.storeyCount(); ++storey) {
        breaker.beforeRow();
        tables::printStoreyDataRow(device, project, storey);
    }
    breaker.close();
}

} // namespace calvex::report
