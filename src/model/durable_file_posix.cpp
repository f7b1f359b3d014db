#include "durable_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "model/durable_file_parts.h"

namespace calvex {

namespace {

namespace fs = std::filesystem;

using namespace durable;

// As the system itself allows when it follows links.
constexpr int kMaxLinks = 40;

// The file a chain of symbolic links ends at, so that saving through a link
// writes the file it points to; the path itself when it is no link.
bool followLinks(fs::path& target, int& error) {
    for (int followed = 0;; ++followed) {
        struct stat status {};
        if (::lstat(target.c_str(), &status) != 0 || !S_ISLNK(status.st_mode)) return true;
        if (followed == kMaxLinks) {
            error = ELOOP;
            return false;
        }
        std::error_code failure;
        const fs::path next = fs::read_symlink(target, failure);
        if (failure) {
            error = failure.value();
            return false;
        }
        target = next.is_absolute() ? next : target.parent_path() / next;
    }
}

// Makes the rename itself durable; a folder that cannot be synced does not
// undo a save that has already taken place.
void syncFolder(const fs::path& folder) {
    const int fd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

// What stands at the target now: nothing, a regular file the user may
// replace (its status in `old`), or something that must not be replaced.
int checkTarget(const fs::path& target, struct stat& old, bool& replacing) {
    replacing = false;
    if (::stat(target.c_str(), &old) != 0) return errno == ENOENT ? 0 : errno;
    if (S_ISDIR(old.st_mode)) return EISDIR;
    if (!S_ISREG(old.st_mode)) return kSpecialTarget;
    // The mode bits count for every user, the administrator too, as in an
    // editor that will not save over a read-only file.
    if ((old.st_mode & 0222) == 0 || ::access(target.c_str(), W_OK) != 0) return kReadOnlyTarget;
    replacing = true;
    return 0;
}

// Creates the temporary file; new files get the usual permissions, a
// replaced file's permissions are carried over.
int createTemporary(const fs::path& target, fs::path& temporary, const struct stat* old, int& error) {
    for (int attempt = 0;; ++attempt) {
        temporary = temporaryBeside(target);
        const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0) {
            if (errno == EEXIST && attempt < 100) continue;
            error = errno;
            return -1;
        }
        if (old) {
            if (::fchmod(fd, old->st_mode & 07777) != 0) {
                error = errno;
                ::close(fd);
                ::unlink(temporary.c_str());
                return -1;
            }
        }
        return fd;
    }
}

} // namespace

DurableFileSteps systemFileSteps() {
    return {[](int fd, const void* data, std::size_t size) { return ::write(fd, data, size); },
            [](int fd) { return ::fsync(fd); }};
}

DurableWriteResult writeFileDurably(const fs::path& chosen, std::string_view bytes, const DurableFileSteps& steps) {
    DurableWriteResult result;
    if (chosen.filename().empty()) {
        result.error = "impossibile salvare il file: manca il nome del file";
        return result;
    }
    fs::path target = chosen;
    int error = 0;
    struct stat old {};
    bool replacing = false;
    if (!followLinks(target, error) || (error = checkTarget(target, old, replacing)) != 0) {
        result.error = writeProblem(error);
        return result;
    }

    fs::path temporary;
    const int fd = createTemporary(target, temporary, replacing ? &old : nullptr, error);
    if (fd < 0) {
        result.error = writeProblem(error);
        return result;
    }
    struct stat written {};
    if (writeAll(fd, bytes, steps, error)) {
        if (steps.sync(fd) != 0)
            error = errno;
        else if (::fstat(fd, &written) != 0)
            error = errno;
        else if (static_cast<std::size_t>(written.st_size) != bytes.size())
            error = kShortWrite;
    }
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
