#include <cmath>
#include <string>

#include "archive.h"
#include "archive_fields.h"
#include "bounded_file.h"

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
    const BoundedFile read = readBoundedFile(file, kMaxArchiveFileBytes);
    if (!read.isRead()) {
        std::string problem = "impossibile aprire il file: " + read.problem;
        if (read.status == BoundedFile::Status::tooLarge) problem += " e non pu\u00f2 essere un archivio";
        return {false, 0, 0, problem};
    }
    return readArchive(read.bytes, project);
}

} // namespace calvex
