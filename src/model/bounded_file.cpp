#include "bounded_file.h"

#include <cerrno>

#include "model/bounded_file_parts.h"

namespace calvex {

namespace {

using bounded::kNotARegularFile;
using bounded::kTooLarge;

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

} // namespace

BoundedFile readBoundedFile(const std::filesystem::path& file, std::size_t maxBytes) {
    BoundedFile result;
    const int error = bounded::readWholeFile(file, maxBytes, result.bytes);
    result.status = statusOf(error);
    if (error != 0) {
        result.bytes.clear();
        result.problem = problemText(error, maxBytes);
    }
    return result;
}

} // namespace calvex
