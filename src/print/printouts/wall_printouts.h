#pragma once
// The two printouts of the wall data window: the blank template for writing
// walls by hand, and the table of wall data followed by the table of wall
// results. Each prints from the title line to the end of the document; the
// data check and the printer dialog are the window's.

#include "model/project_data.h"
#include "print/device/text_device.h"

namespace calvex::printouts {

// Legend, headings and thirty blank rows; reads no data.
void printWallTemplate(TextDevice& device);

// The wall data of every storey and wall in use, then, from a new page,
// their results. Both tables are paged and every page gets its footer.
// Storey, wall and page numbers are written with the given formatter.
void printWallDataAndResults(TextDevice& device, const ProjectData& project, TextDevice::NumberFormatter formatNumber);

} // namespace calvex::printouts
