#pragma once
// The storey data table as the general-data printout and the report print it.

#include "model/project_data.h"
#include "print/device/text_device.h"

namespace calvex::tables {

// The column names and the units line.
void printStoreyDataHeadings(TextDevice& device);

// The storey number ending on column 11, the six storey values in their
// widths, then the line end.
void printStoreyDataRow(TextDevice& device, const ProjectData& project, int storey);

} // namespace calvex::tables
