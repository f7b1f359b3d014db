#pragma once
// Every file the program reads is read whole through here: regular files
// only, of a bounded size, opened without waiting, so that a pipe, a device
// or a huge file in a file's place is refused at once instead of hanging
// the program or filling its memory.

#include <cstddef>
#include <filesystem>
#include <string>

namespace calvex {

struct BoundedFile {
    enum class Status {
        read,
        // The name leads nowhere: there is no file to read.
        missing,
        // Larger than the limit, found before reading or by a file that grew
        // while it was read.
        tooLarge,
        // A folder, a pipe, a device, no permission or a read error.
        unreadable,
    };
    Status status = Status::unreadable;
    // The whole contents, when read.
    std::string bytes;
    // Why the file was not read, in Italian, for the user ("il file non
    // esiste", "il file è più grande di 64 kB"); empty when read.
    std::string problem;

    bool isRead() const { return status == Status::read; }
};

// Reads the whole of `file` when it is a regular file of at most `maxBytes`.
BoundedFile readBoundedFile(const std::filesystem::path& file, std::size_t maxBytes);

} // namespace calvex
