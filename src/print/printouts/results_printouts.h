#pragma once
// The printouts of the results window and of the wall-check map.

#include "model/project_data.h"
#include "print/device/text_device.h"

namespace calvex::printouts {

// From the title line to the end of the document. Numbers printed as
// numbers go through `formatNumber` (the user's locale in the windows).

// The seven building results, the legend of the storey columns and one row
// of storey results for each storey in use.
void printResultsTable(TextDevice& device, const ProjectData& project, const TextDevice::NumberFormatter& formatNumber);

// Every wall of every storey in use with its three check texts, on pages
// of 85 lines, each page with its footer.
void printWallsToModify(TextDevice& device, const ProjectData& project,
                        const TextDevice::NumberFormatter& formatNumber);

} // namespace calvex::printouts
