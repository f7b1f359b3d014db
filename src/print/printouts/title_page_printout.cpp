#include "print/printouts/title_page_printout.h"

#include "print/device/page_frame.h"
#include "print/tables/printout_lines.h"

#include <array>

namespace calvex::printouts {

namespace {

constexpr int kTextColumn = 45;

// A text too wide for the sheet is set smaller, so that none of it is lost.
void captionLine(TextDevice& device, std::string_view caption, std::string_view text) {
    device.printAtColumn(frameHeadingColumn, caption);
    device.printFittingAtColumn(kTextColumn, text);
    device.endLine();
}

} // namespace

void printTitlePageData(TextDevice& device, const ProjectData& project, std::string_view calculatorName,
                        std::string_view calculatorAddress) {
    struct Line {
        std::string_view caption;
        TitleField field;
    };
    constexpr std::array<Line, kTitleFieldCount> lines{{
        {"progetto:", TitleField::progetto},
        {"localit\u00e0:", TitleField::localita},
        {"committente:", TitleField::committente},
        {"progettista:", TitleField::architettonico},
        {"direttore dei lavori:", TitleField::direttore},
        {"luogo della elaborazione:", TitleField::luogo},
        {"data della elaborazione:", TitleField::data},
        {"allegati alla relazione:", TitleField::allegati},
    }};

    printTitleLine(device, frameTitlePageFont, frameTitlePageFirstTop);
    device.endLine();
    tables::headingLine(device, "FRONTESPIZIO");
    device.endLine();
    for (const Line& line : lines) captionLine(device, line.caption, project.title(line.field));
    device.endLine();
    captionLine(device, "il calcolatore:", calculatorName);
    device.printFittingAtColumn(kTextColumn, calculatorAddress);
    device.endLine();
    device.endDocument();
}

} // namespace calvex::printouts
