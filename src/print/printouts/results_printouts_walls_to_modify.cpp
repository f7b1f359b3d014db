#include "print/printouts/results_printouts.h"

#include "print/device/page_breaker.h"
#include "print/device/page_frame.h"
#include "print/tables/printout_lines.h"

namespace calvex::printouts {

namespace {

// Lines already counted on the first page when its headings are printed.
constexpr int kFirstPageCount = 3;

void printHeadings(TextDevice& device) {
    device.printAtColumn(9, "piano");
    device.printAtColumn(16, "setto");
    device.printAtColumn(24, "forza ultima tagliante < forza orizz.agente");
    device.printAtColumn(71, "sigma ammiss. < sigma lavoro");
    device.printAtColumn(103, "sez.parzializzata");
    device.endLine();
    device.printAtColumn(11, "n");
    device.printAtColumn(18, "n");
    device.printAtColumn(44, "t");
    device.printAtColumn(50, "t");
    device.printAtColumn(80, "t/mq");
    device.printAtColumn(87, "t/mq");
    device.endLine();
}

void printWallRow(TextDevice& device, const WallResult& result, int storey, int wall) {
    printNumberEndingAt(device, 11, storey);
    printNumberEndingAt(device, 18, wall);
    device.printAtColumn(38, result.shearCheckText.str());
    device.printAtColumn(75, result.sigmaCheckText.str());
    device.printAtColumn(103, result.sectionCheckText.str());
    device.endLine();
}

} // namespace

void printWallsToModify(TextDevice& device, const ProjectData& project,
                        const TextDevice::NumberFormatter& formatNumber) {
    device.setNumberFormatter(formatNumber);
    printTitleLine(device);
    device.endLine();
    tables::headingLine(device, "SETTI DA MODIFICARE");
    tables::emptyLines(device, 2);
    printProjectLine(device, project.title(TitleField::progetto));
    device.endLine();

    PageBreaker breaker(device, wallsToModifyBreaks, printHeadings);
    breaker.printHeadings();
    breaker.setLineCount(kFirstPageCount);
    for (int storey = 1; storey <= project.storeyCount(); ++storey) {
        for (int wall = 1; wall <= project.wallCount(); ++wall) {
            breaker.beforeRow();
            printWallRow(device, project.wallResult(storey, wall), storey, wall);
        }
    }
    breaker.close();
    device.endDocument();
}

} // namespace calvex::printouts
