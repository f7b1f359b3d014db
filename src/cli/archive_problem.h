#pragma once
// The message for an archive that could not be read to the end.

#include <filesystem>
#include <string>

#include "model/archive.h"

namespace calvex::cli {

// Names the file, the line and field where reading stopped, and why.
std::string describeReadProblem(const std::filesystem::path& file, const ArchiveReadResult& result);

} // namespace calvex::cli
