#include "bounded_file_parts.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdint>

namespace calvex::bounded {

// The file is opened without waiting, so that a pipe with no writer does
// not block, and its kind and size are checked before a byte is read.
int readWholeFile(const std::filesystem::path& file, std::size_t maxBytes, std::string& bytes) {
    const int fd = ::open(file.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) return errno;
    int error = 0;
    struct stat status {};
    if (::fstat(fd, &status) != 0)
        error = errno;
    else if (S_ISDIR(status.st_mode))
        error = EISDIR;
    else if (!S_ISREG(status.st_mode))
        error = kNotARegularFile;
    else if (static_cast<std::uintmax_t>(status.st_size) > maxBytes)
        error = kTooLarge;
    if (error == 0) {
        // Room for the size found and one byte more, which tells a file that
        // grew since; a file that did grows the room up to one byte over the
        // limit.
        const std::size_t room = maxBytes + 1;
        bytes.resize(static_cast<std::size_t>(status.st_size) + 1);
        std::size_t filled = 0;
        while (filled < room) {
            if (filled == bytes.size()) bytes.resize(std::min(room, 2 * bytes.size()));
            const ssize_t got = ::read(fd, bytes.data() + filled, bytes.size() - filled);
            if (got < 0 && errno == EINTR) continue;
            if (got < 0) error = errno;
            if (got <= 0) break;
            filled += static_cast<std::size_t>(got);
        }
        bytes.resize(filled);
        if (error == 0 && filled > maxBytes) error = kTooLarge;
    }
    ::close(fd);
    return error;
}

} // namespace calvex::bounded
