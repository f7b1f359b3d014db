#pragma once
// The system-specific half of bounded_file.h: reading the whole file.

#include <cstddef>
#include <filesystem>
#include <string>

namespace calvex::bounded {

// Where the cause is known better than an errno value says.
inline constexpr int kNotARegularFile = -1;
inline constexpr int kTooLarge = -2;

// Fills `bytes` with the whole of `file` when it is a regular file of at
// most `maxBytes`, without ever waiting on a pipe or a device; 0, or an
// errno value or one of the codes above.
int readWholeFile(const std::filesystem::path& file, std::size_t maxBytes, std::string& bytes);

} // namespace calvex::bounded
