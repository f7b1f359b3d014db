#pragma once

#include <string>
#include <string_view>

namespace calvex {

// Writes the bytes as the whole file at the path: into a temporary file in
// the same folder first, checked, then renamed over the target, so that a
// failed write leaves no half file. False when any step fails.
bool writeDocumentFile(const std::string& path, std::string_view bytes);

}  // namespace calvex
