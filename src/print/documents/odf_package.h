#pragma once

#include <optional>
#include <string>
#include <vector>

namespace calvex::documents {

// One stream of an OpenDocument package: its path inside the package and
// its bytes.
struct PackageEntry {
    std::string path;
    std::string bytes;
};

// The OpenDocument package of the media type and the streams, as the bytes
// of a zip archive: the media type first and uncompressed, as readers
// expect it, then the streams compressed. Nothing when the archive cannot
// be made.
std::optional<std::string> odfPackage(const std::string& mediaType, const std::vector<PackageEntry>& entries);

} // namespace calvex::documents
