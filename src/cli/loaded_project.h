#pragma once
// An archive loaded as the general window loads it, checked as the windows
// check it before AVANTI, a printout or the report, handed over to wall
// entry as AVANTI does, and computed once on storey 1, wall 1.

#include <filesystem>
#include <memory>
#include <ostream>
#include <string>

#include "engine/engine.h"

namespace calvex::cli {

struct LoadedProject {
    std::unique_ptr<ProjectData> project;
    // Why the archive gives no verdict, in Italian: the file cannot be read,
    // a value or a check refuses the data, the run stopped, or a value
    // cannot be printed. Empty when the run reached its end.
    std::string stopReason;
    bool complete() const { return stopReason.empty(); }
};

// Every problem and warning is also written to `err`, naming the file.
LoadedProject loadAndCompute(const std::filesystem::path& file, std::ostream& err);

} // namespace calvex::cli
