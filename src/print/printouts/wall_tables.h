#pragma once
// The two paged tables of the wall data and results printout. Each starts
// at 12 points where the previous output left off and ends with the closing
// page break: the footer of its last page and a new page at 12 points.

#include "model/project_data.h"
#include "print/device/text_device.h"

namespace calvex::printouts {

void printWallDataTable(TextDevice& device, const ProjectData& project);
void printWallResultsTable(TextDevice& device, const ProjectData& project);

} // namespace calvex::printouts
