// Records against lines: the reader keeps reading fields in sequence, and
// says where a record first stopped matching its line.

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "model/archive.h"

namespace calvex {
namespace {

// One storey of one X wall and one Y wall.
const std::string kGeneral = "\"9\",4,.33,1,\"1\",1,1\r\n";
const std::string kStorey = "2,.35,.2,.4,.4,2.9\r\n";
const std::string kWall1 = "\"4\",\"0.3\",\"2\",\"0\",,,\"8\",\"250\",\"12\",\"3\"\r\n";
const std::string kWall2 = "\"0.3\",\"4\",\"0\",\"2\",,,\"8\",\"250\",\"12\",\"3\"\r\n";
const std::string kTitle = "\"Casa Rossi\",\"Forl\xec\",\"\",\"\",\"\",\"\",\"\",\"\"\r\n";

struct Read {
    ArchiveReadResult result;
    std::unique_ptr<ProjectData> project = std::make_unique<ProjectData>();
};

Read read(const std::string& bytes) {
    Read r;
    r.result = readArchive(bytes, *r.project);
    return r;
}

TEST(ArchiveRecords, AWellFormedFileHasNoMisalignedLine) {
    const Read r = read(kGeneral + kStorey + kWall1 + kWall2 + kTitle);
    EXPECT_TRUE(r.result.complete);
    EXPECT_EQ(r.result.misalignedLine, 0);
}

TEST(ArchiveRecords, AFieldTooManyOrTooFewNamesItsLineAndReadingGoesOn) {
    // A trailing comma on the last wall line: the title moves one field along.
    const std::string extra = kWall2.substr(0, kWall2.size() - 2) + ",\r\n";
    const Read longer = read(kGeneral + kStorey + kWall1 + extra + kTitle);
    EXPECT_TRUE(longer.result.complete);
    EXPECT_EQ(longer.result.misalignedLine, 4);
    EXPECT_EQ(longer.project->title(TitleField::localita), "Casa Rossi");

    const std::string missing = kWall1.substr(0, kWall1.rfind(',')) + "\r\n";
    const Read shorter = read(kGeneral + kStorey + missing + kWall2 + kTitle + "\"\"\r\n");
    EXPECT_EQ(shorter.result.misalignedLine, 3);
}

TEST(ArchiveRecords, AByteOrderMarkAndBlankLinesBetweenRecordsAreSkipped) {
    const Read r = read("\xEF\xBB\xBF" + kGeneral + "\r\n" + kStorey + "  \r\n\r\n" + kWall1 + kWall2 + "\n" + kTitle);
    EXPECT_TRUE(r.result.complete);
    EXPECT_EQ(r.result.misalignedLine, 0);
    EXPECT_EQ(r.project->general(GeneralField::grado).fieldText(), "9");
    EXPECT_EQ(r.project->wall(1, 1, WallField::dimx).fieldText(), "4");
    EXPECT_EQ(r.project->title(TitleField::progetto), "Casa Rossi");

    // A file cut short after blank lines names the line where it ends.
    const Read cut = read(kGeneral + kStorey + "\r\n\r\n" + kWall1);
    EXPECT_FALSE(cut.result.complete);
    EXPECT_EQ(cut.result.line, 6);
}

} // namespace
} // namespace calvex
