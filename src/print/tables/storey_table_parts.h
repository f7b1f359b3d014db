#pragma once
// The storey tables as the printouts and the report print them.

#include "model/project_data.h"
#include "print/device/text_device.h"

namespace calvex::tables {

// The column names and the units line of the storey data.
void printStoreyDataHeadings(TextDevice& device);

// The storey number ending on column 11, the six storey values in their
// widths, then the line end.
void printStoreyDataRow(TextDevice& device, const ProjectData& project, int storey);

// The column names and the units line of the storey results.
void printStoreyResultsHeadings(TextDevice& device);

// The storey number ending on column 7 and the fourteen storey results in
// their widths; the line is left open.
void printStoreyResultsCells(TextDevice& device, const FloorResult& result, int storey);

} // namespace calvex::tables
