#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <string>

#include "archive.h"

namespace calvex {

namespace {

std::string writeProblem(int error) {
    std::string reason;
    switch (error) {
    case EACCES:
    case EPERM: reason = "permesso negato nella cartella scelta"; break;
    case EROFS: reason = "la cartella scelta \u00e8 di sola lettura"; break;
    case ENOSPC:
    case EDQUOT: reason = "spazio su disco esaurito"; break;
    case ENOENT:
    case ENOTDIR: reason = "la cartella scelta non esiste"; break;
    case EISDIR: reason = "il nome scelto indica una cartella"; break;
    case ENAMETOOLONG: reason = "il nome del file \u00e8 troppo lungo"; break;
    default: reason = std::strerror(error); break;
    }
    return "impossibile salvare il file: " + reason;
}

// A hidden name beside the target, in the same folder so that the rename
// cannot cross file systems.
std::filesystem::path temporaryBeside(const std::filesystem::path& target) {
    static unsigned counter = 0;
    std::string name(1, '.');
    name += target.filename().string();
    name += ".tmp-" + std::to_string(::getpid()) + "-" + std::to_string(counter++);
    std::filesystem::path temporary = target;
    temporary.replace_filename(name);
    return temporary;
}

bool writeAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

// Makes the rename itself durable; a folder that cannot be synced does not
// undo a save that has already taken place.
void syncFolder(const std::filesystem::path& folder) {
    const int fd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

// Creates the temporary file; new files get the usual permissions, a
// replaced file's permissions are carried over.
int createTemporary(const std::filesystem::path& target, std::filesystem::path& temporary) {
    struct stat old {};
    const bool replacing = ::stat(target.c_str(), &old) == 0 && S_ISREG(old.st_mode);
    for (int attempt = 0;; ++attempt) {
        temporary = temporaryBeside(target);
        const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0 && errno == EEXIST && attempt < 100) continue;
        if (fd >= 0 && replacing && ::fchmod(fd, old.st_mode & 07777) != 0) {
            const int error = errno;
            ::close(fd);
            ::unlink(temporary.c_str());
            errno = error;
            return -1;
        }
        return fd;
    }
}

} // namespace

ArchiveWriteResult writeArchiveFile(const std::filesystem::path& target, const ProjectData& project) {
    ArchiveWriteResult result;
    if (target.filename().empty()) {
        result.error = "impossibile salvare il file: manca il nome del file";
        return result;
    }
    ArchiveEncoding encoding = encodeArchive(project);
    result.alteredFields = std::move(encoding.alteredFields);

    std::filesystem::path temporary;
    const int fd = createTemporary(target, temporary);
    if (fd < 0) {
        result.error = writeProblem(errno);
        return result;
    }
    int error = 0;
    if (!writeAll(fd, encoding.bytes) || ::fsync(fd) != 0) error = errno;
    if (::close(fd) != 0 && error == 0) error = errno;
    if (error == 0 && ::rename(temporary.c_str(), target.c_str()) != 0) error = errno;
    if (error != 0) {
        ::unlink(temporary.c_str());
        result.error = writeProblem(error);
        return result;
    }
    syncFolder(target.parent_path());
    result.ok = true;
    return result;
}

} // namespace calvex
