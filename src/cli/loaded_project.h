#pragma once
// An archive loaded as the general window loads it, handed over to wall
// entry as AVANTI does, and computed once on storey 1, wall 1.

#include <filesystem>
#include <memory>
#include <optional>
#include <ostream>

#include "engine/engine.h"

namespace calvex::cli {

struct LoadedProject {
    std::unique_ptr<ProjectData> project;
    RunOutcome outcome;
};

// Nothing when the file cannot be read or its general data are refused;
// the reasons have been written to `err`, naming the file.
std::optional<LoadedProject> loadAndCompute(const std::filesystem::path& file, std::ostream& err);

} // namespace calvex::cli
