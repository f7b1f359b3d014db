#include "durable_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <random>
#include <string>

namespace calvex {

namespace {

namespace fs = std::filesystem;

constexpr std::string_view kTemporaryPrefix = ".calvex-";
constexpr std::string_view kTemporarySuffix = ".tmp";
constexpr std::size_t kTemporaryRandomLength = 8;
constexpr std::string_view kTemporaryAlphabet = "abcdefghijklmnopqrstuvwxyz0123456789";
// As the system itself allows when it follows links.
constexpr int kMaxLinks = 40;

// Set where the cause is known better than its number says.
constexpr int kReadOnlyTarget = -1;
constexpr int kSpecialTarget = -2;
constexpr int kShortWrite = -3;

std::string writeProblem(int error) {
    std::string reason;
    switch (error) {
        case kReadOnlyTarget:
            reason = "il file \u00e8 di sola lettura";
            break;
        case kSpecialTarget:
            reason = "il nome scelto non indica un file ordinario";
            break;
        case kShortWrite:
            reason = "il file non \u00e8 stato scritto per intero";
            break;
        case EACCES:
        case EPERM:
            reason = "permesso negato nella cartella scelta";
            break;
        case EROFS:
            reason = "la cartella scelta \u00e8 di sola lettura";
            break;
        case ENOSPC:
        case EDQUOT:
            reason = "spazio su disco esaurito";
            break;
        case ENOENT:
        case ENOTDIR:
            reason = "la cartella scelta non esiste";
            break;
        case EISDIR:
            reason = "il nome scelto indica una cartella";
            break;
        case ENAMETOOLONG:
            reason = "il nome del file \u00e8 troppo lungo";
            break;
        case ELOOP:
            reason = "troppi collegamenti simbolici nel nome";
            break;
        case EIO:
            reason = "errore di scrittura sul disco";
            break;
        default:
            // The system's own text would not be Italian; its number helps support.
            reason = "errore del sistema n. " + std::to_string(error);
            break;
    }
    return "impossibile salvare il file: " + reason;
}

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

// A short name of fixed length: any name the file system takes for the
// target leaves room for it.
fs::path temporaryBeside(const fs::path& target) {
    static std::mt19937 random{std::random_device{}()};
    std::uniform_int_distribution<std::size_t> pick(0, kTemporaryAlphabet.size() - 1);
    std::string name(kTemporaryPrefix);
    for (std::size_t i = 0; i < kTemporaryRandomLength; ++i) name += kTemporaryAlphabet[pick(random)];
    name += kTemporarySuffix;
    return target.parent_path() / name;
}

bool writeAll(int fd, std::string_view bytes, const DurableFileSteps& steps, int& error) {
    while (!bytes.empty()) {
        const ssize_t written = steps.write(fd, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR) continue;
            error = errno;
            return false;
        }
        if (written == 0) {
            error = kShortWrite;
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
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

DurableWriteResult writeFileDurably(const fs::path& target, std::string_view bytes) {
    return writeFileDurably(target, bytes, systemFileSteps());
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

bool isDurableTemporaryName(std::string_view name) {
    if (name.size() != kTemporaryPrefix.size() + kTemporaryRandomLength + kTemporarySuffix.size()) return false;
    if (!name.starts_with(kTemporaryPrefix) || !name.ends_with(kTemporarySuffix)) return false;
    const std::string_view random = name.substr(kTemporaryPrefix.size(), kTemporaryRandomLength);
    return random.find_first_not_of(kTemporaryAlphabet) == std::string_view::npos;
}

} // namespace calvex
