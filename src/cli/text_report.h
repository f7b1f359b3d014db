#pragma once
// The results of a complete run as the results window shows them: building
// totals, each storey's safety coefficients and verdict, the three lists of
// failing walls and the building verdict.

#include <ostream>

#include "model/project_data.h"

namespace calvex::cli {

void printTextReport(const ProjectData& project, std::ostream& out);

} // namespace calvex::cli
