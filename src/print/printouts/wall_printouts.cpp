#include "print/printouts/wall_printouts.h"

#include "print/device/page_frame.h"
#include "print/printouts/wall_tables.h"

#include <utility>

namespace calvex::printouts {

void printWallDataAndResults(TextDevice& device, const ProjectData& project, TextDevice::NumberFormatter formatNumber) {
    device.setNumberFormatter(std::move(formatNumber));
    printTitleLine(device);
    printWallDataTable(device, project);
    printWallResultsTable(device, project);
    device.endDocument();
}

} // namespace calvex::printouts
