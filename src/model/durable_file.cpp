#include "durable_file.h"

#include <cerrno>
#include <random>
#include <string>

#include "model/durable_file_parts.h"

namespace calvex {

namespace {

constexpr std::string_view kTemporaryPrefix = ".calvex-";
constexpr std::string_view kTemporarySuffix = ".tmp";
constexpr std::size_t kTemporaryRandomLength = 8;
constexpr std::string_view kTemporaryAlphabet = "abcdefghijklmnopqrstuvwxyz0123456789";

} // namespace

namespace durable {

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
#ifdef EDQUOT
        case EDQUOT:
#endif
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

std::filesystem::path temporaryBeside(const std::filesystem::path& target) {
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

} // namespace durable

DurableWriteResult writeFileDurably(const std::filesystem::path& target, std::string_view bytes) {
    return writeFileDurably(target, bytes, systemFileSteps());
}

bool isDurableTemporaryName(std::string_view name) {
    if (name.size() != kTemporaryPrefix.size() + kTemporaryRandomLength + kTemporarySuffix.size()) return false;
    if (!name.starts_with(kTemporaryPrefix) || !name.ends_with(kTemporarySuffix)) return false;
    const std::string_view random = name.substr(kTemporaryPrefix.size(), kTemporaryRandomLength);
    return random.find_first_not_of(kTemporaryAlphabet) == std::string_view::npos;
}

} // namespace calvex
