#include "print/device/page_frame.h"

#include <string>

namespace calvex {

void printTitleLine(TextDevice& device, std::string_view fontName, int firstTop) {
    device.setCurrentY(firstTop);
    device.setFont(std::string(fontName), frameTitleSize);
    device.printAtColumn(frameTitleColumn, frameTitle);
    device.endLine();
    device.setFontSize(frameHeadingSize);
}

void printProjectLine(TextDevice& device, std::string_view projectName) {
    std::string line = "Progetto: ";
    line += projectName;
    device.printAtColumn(frameHeadingColumn, line);
    device.endLine();
}

void printPageFooter(TextDevice& device) {
    device.setFontSize(frameHeadingSize);
    device.setCurrentX(frameFooterX);
    device.setCurrentY(frameFooterY);
    device.printText("pagina ");
    device.printNumber(device.pageNumber());
    device.endLine();
}

void printNumberEndingAt(TextDevice& device, int column, int value) {
    const int length = static_cast<int>(shortestNumberText(value).size()) + (value < 0 ? 0 : 1);
    device.jumpToColumn(column + 1 - length);
    device.printNumber(value);
}

} // namespace calvex
