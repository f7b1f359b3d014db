#include "print/device/page_frame.h"
#include "print/report/report_lines.h"
#include "print/report/report_sections.h"
#include "print/tables/printout_lines.h"

#include <string>

namespace calvex::report {

namespace {

using tables::emptyLines;

constexpr int left = 1000;
constexpr int right = 10000;
constexpr int top = 1000;
constexpr int upperRuleY = 14000;
constexpr int lowerRuleY = 15300;
constexpr int ruleWidth = 5;
constexpr int titleColumn = 6;
constexpr int valueColumn = 21;
constexpr int personColumn = 38;

void captionLine(TextDevice& device, std::string_view caption, int column, std::string_view value) {
    device.printAtColumn(frameHeadingColumn, caption);
    printFittingLineAt(device, column, value);
}

} // namespace

void printTitlePage(TextDevice& device, const ProjectData& project, std::string_view calculatorName,
                    std::string_view calculatorAddress) {
    device.setFont(std::string(frameTitlePageFont), 24);
    device.setCurrentX(left);
    device.setCurrentY(top);
    printLineAt(device, titleColumn, "VERIFICA ANTISISMICA");

    device.setFontSize(14);
    printLineAt(device, frameHeadingColumn, "(per un edificio in muratura portante)");
    emptyLines(device, 3);
    captionLine(device, "progetto:", valueColumn, project.title(TitleField::progetto));
    emptyLines(device, 2);
    captionLine(device, "localit\u00e0: ", valueColumn, project.title(TitleField::localita));
    emptyLines(device, 2 + 7);

    captionLine(device, "committente: ", personColumn, project.title(TitleField::committente));
    captionLine(device, "progettista architettonico: ", personColumn, project.title(TitleField::architettonico));
    captionLine(device, "direttore dei lavori: ", personColumn, project.title(TitleField::direttore));
    captionLine(device, "calcolatore: ", personColumn, calculatorName);
    device.endLine();
    printFittingLineAt(device, frameHeadingColumn,
                       project.title(TitleField::luogo) + " - " + project.title(TitleField::data));
    emptyLines(device, 10);

    device.drawLine(left, upperRuleY, right, upperRuleY, ruleWidth);
    device.endLine();
    device.setFontSize(16);
    printFittingLineAt(device, frameHeadingColumn, calculatorName);
    printFittingLineAt(device, frameHeadingColumn, calculatorAddress);
    device.drawLine(left, lowerRuleY, right, lowerRuleY, ruleWidth);
    device.newPage();
}

} // namespace calvex::report
