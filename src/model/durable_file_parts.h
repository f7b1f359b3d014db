#pragma once
// What the system-specific halves of durable_file.h share: the temporary
// file's name, the loop that writes every byte and the reasons told to the
// user. Errors are errno values, or the codes below where the cause is
// known better than a number says.

#include <filesystem>
#include <string>
#include <string_view>

#include "model/durable_file.h"

namespace calvex::durable {

inline constexpr int kReadOnlyTarget = -1;
inline constexpr int kSpecialTarget = -2;
inline constexpr int kShortWrite = -3;

// A fresh, short name of fixed length in the target's folder: any name the
// file system takes for the target leaves room for it.
std::filesystem::path temporaryBeside(const std::filesystem::path& target);

// Writes all of `bytes` through `steps`; false with `error` set otherwise.
bool writeAll(int fd, std::string_view bytes, const DurableFileSteps& steps, int& error);

// "impossibile salvare il file: " and the reason.
std::string writeProblem(int error);

} // namespace calvex::durable
