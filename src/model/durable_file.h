#pragma once
// Writing a whole file so that a failure never leaves a damaged one: the
// bytes go to a temporary file in the target's folder, are checked written
// and synced, and only then take the target's place. Every file the program
// writes (archives, PDF reports, documents) goes through here.

#include <sys/types.h>

#include <cstddef>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>

namespace calvex {

struct DurableWriteResult {
    bool ok = false;
    // Why the file was not written, in Italian, for the user.
    std::string error;
};

// The system calls that put the bytes on disk, replaceable so that a full
// disk or a failing device can be shown without one.
struct DurableFileSteps {
    std::function<ssize_t(int fd, const void* data, std::size_t size)> write;
    std::function<int(int fd)> sync;
};

DurableFileSteps systemFileSteps();

// A target that is a symbolic link is written through it (the link stays);
// a read-only target, a folder or a special file is refused and left alone.
// An existing file keeps its permissions. On failure the previous file, if
// any, is unchanged and no temporary file is left.
DurableWriteResult writeFileDurably(const std::filesystem::path& target, std::string_view bytes);
DurableWriteResult writeFileDurably(const std::filesystem::path& target, std::string_view bytes,
                                    const DurableFileSteps& steps);

// True for the names of the temporary files written here, so that one left
// by a crash is never taken for a file of the user's.
bool isDurableTemporaryName(std::string_view fileName);

} // namespace calvex
