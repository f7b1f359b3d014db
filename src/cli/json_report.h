#pragma once
// The results of a run as one JSON object: the building values and lists,
// every storey result from level 0 to np and every wall result of the
// storeys and walls in use.

#include <nlohmann/json.hpp>

#include "engine/engine.h"

namespace calvex::cli {

nlohmann::ordered_json jsonReport(const ProjectData& project, const RunOutcome& outcome);

} // namespace calvex::cli
