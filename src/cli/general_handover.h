#pragma once
// What the general data window does with a loaded project before the first
// run: the seven general values go through their fields, then AVANTI checks
// them and hands the project over to wall entry.

#include <string>
#include <vector>

#include "model/project_data.h"

namespace calvex::cli {

struct Handover {
    bool passed = false;
    std::vector<std::string> messages; // what the window would have shown, in order
};

// On success the project is ready for a run on storey 1, wall 1.
Handover handOverGeneralData(ProjectData& project);

} // namespace calvex::cli
