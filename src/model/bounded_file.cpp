#include "bounded_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdint>

namespace calvex {

namespace {

// Set where the cause is known better than its number says.
constexpr int kNotARegularFile = -1;
constexpr int kTooLarge = -2;

// The limit as people say it: "4 MB", "64 kB", "100 byte".
std::string sizeText(std::size_t bytes) {
    constexpr std::size_t kilo = 1024;
    if (bytes >= kilo * kilo && bytes % (kilo * kilo) == 0) return std::to_string(bytes / (kilo * kilo)) + " MB";
    if (bytes >= kilo && bytes % kilo == 0) return std::to_string(bytes / kilo) + " kB";
    return std::to_string(bytes) + " byte";
}

std::string problemText(int error, std::size_t maxBytes) {
    switch (error) {
        case kNotARegularFile:
            return "il nome non indica un file ordinario";
        case kTooLarge:
            return "il file \u00e8 pi\u00f9 grande di " + sizeText(maxBytes);
        case ENOENT:
            return "il file non esiste";
        case EACCES:
        case EPERM:
            return "accesso negato";
        case EISDIR:
            return "il nome indica una cartella";
        default:
            // The system's own text would not be Italian; its number helps support.
            return "errore del sistema n. " + std::to_string(error);
    }
}

BoundedFile::Status statusOf(int error) {
    switch (error) {
        case 0:
            return BoundedFile::Status::read;
        case ENOENT:
            return BoundedFile::Status::missing;
        case kTooLarge:
            return BoundedFile::Status::tooLarge;
        default:
            return BoundedFile::Status::unreadable;
    }
}

// The file is opened without waiting, so that a pipe with no writer does
// not block, and its kind and size are checked before a byte is read.
int readWhole(const std::filesystem::path& file, std::size_t maxBytes, std::string& bytes) {
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

} // namespace

BoundedFile readBoundedFile(const std::filesystem::path& file, std::size_t maxBytes) {
    BoundedFile result;
    const int error = readWhole(file, maxBytes, result.bytes);
    result.status = statusOf(error);
    if (error != 0) {
        result.bytes.clear();
        result.problem = problemText(error, maxBytes);
    }
    return result;
}

} // namespace calvex
