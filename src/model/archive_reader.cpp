#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cmath>
#include <string>

#include "archive.h"
#include "archive_fields.h"

namespace calvex {

namespace {

// A count read as the loops use it: the whole part, negative as none.
double countValue(double number) { return number >= 1 ? std::floor(number) : 0.0; }

class ArchiveReader {
public:
    ArchiveReader(std::string_view bytes, ProjectData& project) : scanner_(bytes), project_(project) {}

    ArchiveReadResult run() {
        int storeysLine = 0;
        int wallsLine = 0;
        const bool generalRead = readRecord(kGeneralRecordFieldCount, [&](int i, FieldValue value) {
            if (static_cast<GeneralField>(i) == GeneralField::np) storeysLine = scanner_.fieldLine();
            if (static_cast<GeneralField>(i) == GeneralField::numsety) wallsLine = scanner_.fieldLine();
            project_.setGeneral(static_cast<GeneralField>(i), std::move(value));
        });
        // The wall count follows from the header at once, so that a read
        // that stops early leaves a project whose counts agree.
        const double wallSum = project_.general(GeneralField::numsetx).typedNumber() +
                               project_.general(GeneralField::numsety).typedNumber();
        project_.setGeneral(GeneralField::wallCount, FieldValue::real(wallSum));
        if (!generalRead) return failure_;

        const double storeys = countValue(project_.general(GeneralField::np).typedNumber());
        if (storeys > kMaxStoreys)
            return fail(storeysLine, static_cast<int>(GeneralField::np) + 1, kProblemTooManyStoreys);
        const int storeyCount = static_cast<int>(storeys);
        for (int s = 1; s <= storeyCount; ++s) {
            if (!readRecord(kFloorFieldCount, [&](int i, FieldValue value) {
                    project_.setFloor(s, static_cast<FloorField>(i), std::move(value));
                }))
                return failure_;
        }

        const double walls = countValue(wallSum);
        if (walls > kMaxWalls)
            return fail(wallsLine, static_cast<int>(GeneralField::numsety) + 1, kProblemTooManyWalls);
        const int wallCount = static_cast<int>(walls);
        for (int s = 1; s <= storeyCount; ++s) {
            for (int w = 1; w <= wallCount; ++w) {
                if (!readRecord(kWallFieldCount, [&](int i, FieldValue value) {
                        project_.setWall(s, w, static_cast<WallField>(i), std::move(value));
                    }))
                    return failure_;
            }
        }

        if (!readRecord(kTitleFieldCount, [&](int i, const FieldValue& value) {
                project_.setTitle(static_cast<TitleField>(i), value.fieldText());
            }))
            return failure_;
        return {true, 0, 0, {}, misalignedLine_};
    }

private:
    // Reads the `count` fields of one record, handing each to `store` with
    // its 0-based position; false when the input runs out first.
    // The first record that does not end where its line ends is noted:
    // every value after it stands one place or more away from its own.
    template <typename Store>
    bool readRecord(int count, Store store) {
        scanner_.skipBlankLines();
        for (int i = 0; i < count; ++i) {
            std::optional<FieldValue> value = scanner_.next();
            if (!value) {
                fail(scanner_.line(), i + 1, kProblemEndOfFile);
                return false;
            }
            const bool last = i == count - 1;
            if (misalignedLine_ == 0 && scanner_.endedLine() != last) misalignedLine_ = scanner_.fieldLine();
            store(i, std::move(*value));
        }
        return true;
    }

    const ArchiveReadResult& fail(int line, int field, const char* problem) {
        failure_ = {false, line, field, problem, misalignedLine_};
        return failure_;
    }

    ArchiveFieldScanner scanner_;
    ProjectData& project_;
    ArchiveReadResult failure_;
    int misalignedLine_ = 0;
};

// Set where the cause is known better than its number says.
constexpr int kNotARegularFile = -1;
constexpr int kTooLarge = -2;

std::string openProblem(int error) {
    std::string reason;
    switch (error) {
        case kNotARegularFile:
            reason = "il nome non indica un file ordinario";
            break;
        case kTooLarge:
            reason = "il file \u00e8 pi\u00f9 grande di " + std::to_string(kMaxArchiveFileBytes / (1024 * 1024)) +
                     " MB e non pu\u00f2 essere un archivio";
            break;
        case ENOENT:
            reason = "il file non esiste";
            break;
        case EACCES:
        case EPERM:
            reason = "accesso negato";
            break;
        case EISDIR:
            reason = "il nome indica una cartella";
            break;
        default:
            // The system's own text would not be Italian; its number helps support.
            reason = "errore del sistema n. " + std::to_string(error);
            break;
    }
    return "impossibile aprire il file: " + reason;
}

// Reads the whole of a regular file of at most kMaxArchiveFileBytes. The
// file is opened without waiting, so that a pipe with no writer is refused
// at once instead of blocking, and its kind and size are checked before a
// byte is read.
int readWholeFile(const std::filesystem::path& file, std::string& bytes) {
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
    else if (status.st_size > static_cast<off_t>(kMaxArchiveFileBytes))
        error = kTooLarge;
    if (error == 0) {
        // One byte over the limit tells a file that grew since.
        bytes.resize(kMaxArchiveFileBytes + 1);
        std::size_t filled = 0;
        while (filled < bytes.size()) {
            const ssize_t got = ::read(fd, bytes.data() + filled, bytes.size() - filled);
            if (got < 0 && errno == EINTR) continue;
            if (got < 0) error = errno;
            if (got <= 0) break;
            filled += static_cast<std::size_t>(got);
        }
        bytes.resize(filled);
        if (error == 0 && filled > kMaxArchiveFileBytes) error = kTooLarge;
    }
    ::close(fd);
    return error;
}

} // namespace

std::string misalignedRecordWarning(int line) {
    return "alla riga " + std::to_string(line) +
           " un record non termina dove termina la riga (un campo in pi\u00f9 o in meno): i valori letti da l\u00ec "
           "in poi possono essere fuori posto";
}

ArchiveReadResult readArchive(std::string_view bytes, ProjectData& project) {
    return ArchiveReader(bytes, project).run();
}

ArchiveReadResult readArchiveFile(const std::filesystem::path& file, ProjectData& project) {
    std::string bytes;
    if (const int error = readWholeFile(file, bytes); error != 0) return {false, 0, 0, openProblem(error)};
    return readArchive(bytes, project);
}

} // namespace calvex
