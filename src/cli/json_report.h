#pragma once
// The results of a run as one JSON object: the building values and lists,
// every storey result from level 0 to np and every wall result of the
// storeys and walls in use.

#include <nlohmann/json.hpp>

#include <string>

#include "model/project_data.h"

namespace calvex::cli {

// `stopReason` is empty when the run reached its end; otherwise the object
// has "complete" false, the reason, and whatever results the project holds.
nlohmann::ordered_json jsonReport(const ProjectData& project, const std::string& stopReason);

} // namespace calvex::cli
