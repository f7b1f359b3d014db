#include "print/device/page_frame.h"
#include "print/report/report_lines.h"
#include "print/report/report_sections.h"
#include "print/tables/printout_lines.h"

#include <algorithm>
#include <string>

namespace calvex::report {

namespace {
constexpr int closingColumn = 8;
constexpr int signatureColumn = 50;
} // namespace

void printClosing(TextDevice& device, const ProjectData& project, std::string_view calculatorName) {
    device.setFontSize(frameHeadingSize);
    tables::emptyLines(device, 3);
    device.printAtColumn(closingColumn, "La presente relazione \u00e8 composta di n.");
    device.printNumber(device.pageNumber());
    device.printText(" pagine.");
    device.endLine();
    printFittingLineAt(device, closingColumn, "Si allegano: " + project.title(TitleField::allegati));
    device.endLine();
    printFittingLineAt(device, closingColumn,
                       project.title(TitleField::luogo) + ": " + project.title(TitleField::data));

    printLineAt(device, signatureColumn, "il calcolatore");
    std::string signature = "(";
    signature += calculatorName;
    signature += ")";
    // A name too long for its column moves left just enough to stay whole
    // on the page, and is set smaller if even that is not enough.
    const int lastFittingColumn = (pageBoxWidth - device.textWidth(signature)) / device.characterWidth() + 1;
    printFittingLineAt(device, std::clamp(lastFittingColumn, closingColumn, signatureColumn), signature);

    printPageFooter(device);
    device.endDocument();
}

} // namespace calvex::report
