#include <cerrno>
#include <cmath>
#include <cstring>
#include <fstream>
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

        const double wallSum = project_.general(GeneralField::numsetx).typedNumber() +
                               project_.general(GeneralField::numsety).typedNumber();
        project_.setGeneral(GeneralField::wallCount, FieldValue::real(wallSum));
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
        return {true, 0, 0, {}};
    }

private:
    // Reads the `count` fields of one record, handing each to `store` with
    // its 0-based position; false when the input runs out first.
    template <typename Store>
    bool readRecord(int count, Store store) {
        for (int i = 0; i < count; ++i) {
            std::optional<FieldValue> value = scanner_.next();
            if (!value) {
                fail(scanner_.line(), i + 1, kProblemEndOfFile);
                return false;
            }
            store(i, std::move(*value));
        }
        return true;
    }

    const ArchiveReadResult& fail(int line, int field, const char* problem) {
        failure_ = {false, line, field, problem};
        return failure_;
    }

    ArchiveFieldScanner scanner_;
    ProjectData& project_;
    ArchiveReadResult failure_;
};

std::string openProblem(int error) {
    std::string reason;
    switch (error) {
    case ENOENT: reason = "il file non esiste"; break;
    case EACCES:
    case EPERM: reason = "accesso negato"; break;
    case EISDIR: reason = "il nome indica una cartella"; break;
    default: reason = std::strerror(error); break;
    }
    return "impossibile aprire il file: " + reason;
}

} // namespace

ArchiveReadResult readArchive(std::string_view bytes, ProjectData& project) {
    return ArchiveReader(bytes, project).run();
}

ArchiveReadResult readArchiveFile(const std::filesystem::path& file, ProjectData& project) {
    std::error_code status;
    if (std::filesystem::is_directory(file, status)) return {false, 0, 0, openProblem(EISDIR)};
    errno = 0;
    std::ifstream stream(file, std::ios::binary);
    if (!stream) return {false, 0, 0, openProblem(errno != 0 ? errno : ENOENT)};
    std::string bytes;
    char chunk[1 << 16];
    while (stream.read(chunk, sizeof chunk) || stream.gcount() > 0)
        bytes.append(chunk, static_cast<std::size_t>(stream.gcount()));
    if (stream.bad()) return {false, 0, 0, "impossibile leggere il file"};
    return readArchive(bytes, project);
}

} // namespace calvex
