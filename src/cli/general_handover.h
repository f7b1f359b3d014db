#pragma once
// What the general data window does with a loaded project before the first
// run: the seven general values go through their fields, then AVANTI checks
// them and hands the project over to wall entry.

#include <optional>
#include <string>
#include <vector>

#include "model/project_data.h"

namespace calvex::cli {

struct Handover {
    std::vector<std::string> messages;  // what the fields would have shown, in order
    std::optional<std::string> refusal; // the check's message when it failed
};

// On success the project is ready for a run on storey 1, wall 1.
Handover handOverGeneralData(ProjectData& project);

} // namespace calvex::cli
