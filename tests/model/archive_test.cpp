#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "archive_test_support.h"
#include "model/archive.h"
#include "model/archive_fields.h"

namespace calvex {
namespace {

using archive_test::lineCount;
using archive_test::repeat;
using archive_test::sampleProject;
using archive_test::typed;

std::unique_ptr<ProjectData> fresh() { return std::make_unique<ProjectData>(); }

TEST(ArchiveWriter, FreshProjectWritesFiveLines) {
    auto p = fresh();
    p->setGeneral(GeneralField::grado, typed("9"));
    p->setGeneral(GeneralField::np, typed("1"));
    p->setGeneral(GeneralField::numsetx, FieldValue::real(1));
    p->setGeneral(GeneralField::numsety, FieldValue::real(1));
    p->setGeneral(GeneralField::wallCount, FieldValue::real(2));
    p->introduceStoreys(1);
    p->setTitle(TitleField::progetto, "Casa Rossi");
    const ArchiveEncoding encoding = encodeArchive(*p);
    EXPECT_EQ(encoding.bytes,
              "\"9\",4,.33,1,\"1\",1,1\r\n"
              "2,.35,.2,.4,.4,2.9\r\n"
              ",,,,,,,,,\r\n"
              ",,,,,,,,,\r\n"
              "\"Casa Rossi\",\"\",\"\",\"\",\"\",\"\",\"\",\"\"\r\n");
    EXPECT_TRUE(encoding.alteredFields.empty());
}

TEST(ArchiveWriter, CountsAreReadAsNumbersWithinTheLimits) {
    auto p = fresh();
    p->setGeneral(GeneralField::np, typed("25.7"));
    p->setGeneral(GeneralField::wallCount, FieldValue::real(150));
    EXPECT_EQ(lineCount(encodeArchive(*p).bytes), 2 + 20 + 20 * 100);
    p->setGeneral(GeneralField::np, typed("2.9abc"));
    p->setGeneral(GeneralField::wallCount, FieldValue::real(3.5));
    EXPECT_EQ(lineCount(encodeArchive(*p).bytes), 2 + 2 + 2 * 3);
    p->setGeneral(GeneralField::np, typed("-4"));
    EXPECT_EQ(lineCount(encodeArchive(*p).bytes), 2);
}

TEST(ArchiveWriter, TextsTheFormatCannotHoldAreAlteredAndReported) {
    auto p = sampleProject();
    p->setFloor(1, FloorField::hp, typed("2\n9"));
    p->setWall(2, 3, WallField::dimx, typed("4\r\n5"));
    p->setTitle(TitleField::progetto, "Casa \"Il Pino\"");
    p->setTitle(TitleField::localita, "Bar\rBaz\nQux");
    p->setTitle(TitleField::committente, "Rossi, Bianchi");
    p->setTitle(TitleField::direttore, "Zo\u00eb \u2713");
    p->setTitle(TitleField::luogo, "bad \xff utf-8");
    const ArchiveEncoding encoding = encodeArchive(*p);
    EXPECT_EQ(encoding.alteredFields, (std::vector<std::string>{"piano 1: hp", "piano 2, setto 3: dimx", "progetto",
                                                                "localita", "direttore", "luogo"}));
    EXPECT_NE(encoding.bytes.find("\"Casa 'Il Pino'\",\"Bar Baz Qux\",\"Rossi, Bianchi\",\"\",\"Zo\xeb ?\""),
              std::string::npos);
    EXPECT_NE(encoding.bytes.find("\"bad ? utf-8\""), std::string::npos);
    EXPECT_EQ(lineCount(encoding.bytes), 2 + 2 + 2 * 7);

    auto back = fresh();
    ASSERT_TRUE(readArchive(encoding.bytes, *back).complete);
    EXPECT_EQ(back->floor(1, FloorField::hp), typed("2 9"));
    EXPECT_EQ(back->wall(2, 3, WallField::dimx), typed("4 5"));
    EXPECT_EQ(back->title(TitleField::committente), "Rossi, Bianchi");
    EXPECT_EQ(back->title(TitleField::direttore), "Zo\u00eb ?");
}

TEST(ArchiveWriter, ACountTextTheFormatCannotHoldIsWrittenAsTheNumberItReads) {
    // A carriage return ends the number, a blank would not: written as a
    // blank, "\r2" would read 2 walls more than the file holds.
    auto p = sampleProject();
    const int storeys = p->storeyCount();
    const int walls = p->wallCount();
    p->setGeneral(GeneralField::numsety, typed("\r2"));
    p->setGeneral(GeneralField::wallCount, FieldValue::real(p->general(GeneralField::numsetx).typedNumber()));
    const ArchiveEncoding encoding = encodeArchive(*p);
    EXPECT_EQ(encoding.alteredFields, std::vector<std::string>{"numsety"});

    auto back = fresh();
    ASSERT_TRUE(readArchive(encoding.bytes, *back).complete);
    EXPECT_EQ(back->storeyCount(), storeys);
    EXPECT_EQ(back->wallCount(), p->wallCount());
    EXPECT_LT(back->wallCount(), walls);
    EXPECT_EQ(encodeArchive(*back).bytes, encoding.bytes);
}

TEST(ArchiveRoundTrip, WrittenFileReadsBackToTheSameBytesAndValues) {
    auto original = sampleProject();
    const ArchiveEncoding first = encodeArchive(*original);
    EXPECT_TRUE(first.alteredFields.empty());
    EXPECT_NE(first.bytes.find("\"\xe0 \xe8 \xec \xf2 \xf9 \x80 \x93virgolette\x94\""), std::string::npos);

    auto back = fresh();
    const ArchiveReadResult result = readArchive(first.bytes, *back);
    ASSERT_TRUE(result.complete) << result.problem << " at " << result.line << ":" << result.field;
    EXPECT_EQ(encodeArchive(*back).bytes, first.bytes);

    EXPECT_EQ(back->general(GeneralField::riduz), FieldValue::real(0.33));
    EXPECT_EQ(back->general(GeneralField::strutt), FieldValue::integer(4));
    EXPECT_EQ(back->general(GeneralField::wallCount), FieldValue::real(7));
    EXPECT_EQ(back->floor(1, FloorField::specifico), FieldValue::integer(2));
    EXPECT_EQ(back->floor(2, FloorField::hp), typed("3,10"));
    EXPECT_EQ(back->wall(2, 6, WallField::ascissa), typed("12"));
    EXPECT_EQ(back->wall(2, 6, WallField::tirantiV), typed(""));
    EXPECT_EQ(back->wall(2, 6, WallField::sigma).kind(), FieldValue::Kind::Empty);
    EXPECT_EQ(back->wall(1, 7, WallField::tauk), FieldValue::real(-0.5));
    EXPECT_EQ(back->wallNumber(1, 4, WallField::solai), 12.5);
    for (int t = 0; t < kTitleFieldCount; ++t)
        EXPECT_EQ(back->title(static_cast<TitleField>(t)), original->title(static_cast<TitleField>(t)));
}

TEST(ArchiveFields, FieldsAreSplitAndTypedByTheirText) {
    ArchiveFieldScanner scanner(
        "  \"a,b\"junk\"x, 12 ,\t-.5\t,2.,+7,1e5,,x y\r\nlast\rcr\nlf,.,-,99999999999999999999,\"open\r\nend");
    const std::vector<FieldValue> expected{typed("a,b"),
                                           FieldValue::integer(12),
                                           FieldValue::real(-0.5),
                                           FieldValue::real(2),
                                           FieldValue::integer(7),
                                           typed("1e5"),
                                           FieldValue{},
                                           typed("x y"),
                                           typed("last"),
                                           typed("cr"),
                                           typed("lf"),
                                           typed("."),
                                           typed("-"),
                                           FieldValue::real(1e20),
                                           typed("open\r\nend")};
    const std::vector<int> lines{1, 1, 1, 1, 1, 1, 1, 1, 2, 3, 4, 4, 4, 4, 4};
    for (std::size_t i = 0; i < expected.size(); ++i) {
        const std::optional<FieldValue> value = scanner.next();
        ASSERT_TRUE(value.has_value()) << i;
        EXPECT_EQ(*value, expected[i]) << i;
        EXPECT_EQ(scanner.fieldLine(), lines[i]) << i;
    }
    EXPECT_FALSE(scanner.next().has_value());
    EXPECT_EQ(scanner.line(), 5);

    ArchiveFieldScanner trailingComma("1,");
    EXPECT_EQ(trailingComma.next(), FieldValue::integer(1));
    EXPECT_EQ(trailingComma.next(), FieldValue{});
    EXPECT_FALSE(trailingComma.next().has_value());

    ArchiveFieldScanner lineEndLast("1\r\n");
    EXPECT_EQ(lineEndLast.next(), FieldValue::integer(1));
    EXPECT_FALSE(lineEndLast.next().has_value());
    EXPECT_FALSE(ArchiveFieldScanner("").next().has_value());
    EXPECT_EQ(bareFieldValue("\xe8"), typed("\u00e8"));
}

// An archive with `storeys` storey records and `walls` wall records per
// storey, wall values naming their storey and wall.
std::string archiveWith(const std::string& general, int storeys, int walls) {
    std::string bytes = general + "\r\n" + repeat("2,.35,.2,.4,.4,2.9\r\n", static_cast<std::size_t>(storeys));
    for (int s = 1; s <= storeys; ++s)
        for (int w = 1; w <= walls; ++w)
            bytes.append(1, '"')
                .append(std::to_string(s))
                .append(1, '.')
                .append(std::to_string(w))
                .append("\",,,,,,,,,\r\n");
    return bytes + "\"Progetto\",\"\",\"\",\"\",\"\",\"\",\"\",\"\"\r\n";
}

TEST(ArchiveReader, CountsFromTheFirstRecordShapeTheRest) {
    auto p = fresh();
    ArchiveReadResult result = readArchive(archiveWith("\"9\",4,.33,1,\"2\",3,4", 2, 7), *p);
    ASSERT_TRUE(result.complete) << result.problem;
    EXPECT_EQ(p->general(GeneralField::numsetx), FieldValue::integer(3));
    EXPECT_EQ(p->general(GeneralField::wallCount), FieldValue::real(7));
    EXPECT_EQ(p->wall(2, 7, WallField::dimx), typed("2.7"));
    EXPECT_EQ(p->title(TitleField::progetto), "Progetto");

    std::string cut = archiveWith("\"9\",4,.33,1,\"2\",3,4", 2, 7);
    cut.erase(cut.find("\"2.7\""));
    p = fresh();
    result = readArchive(cut, *p);
    EXPECT_FALSE(result.complete);
    EXPECT_EQ(result.problem, kProblemEndOfFile);
    EXPECT_EQ(result.line, 1 + 2 + 13 + 1);
    EXPECT_EQ(result.field, 1);
    EXPECT_EQ(p->wall(2, 6, WallField::dimx), typed("2.6"));

    p = fresh();
    result = readArchive(archiveWith("\"9\",4,.33,1,\"20.9\",50,50", 20, 100), *p);
    EXPECT_TRUE(result.complete) << result.problem;
    EXPECT_EQ(p->wall(20, 100, WallField::dimx), typed("20.100"));

    p = fresh();
    result = readArchive(archiveWith("\"9\",4,.33,1,\"-3\",-1,\"\"", 0, 0), *p);
    EXPECT_TRUE(result.complete) << result.problem;
    EXPECT_EQ(p->title(TitleField::progetto), "Progetto");

    p = fresh();
    result = readArchive("1,2,3,4,0,6,7\r\n.5,-2,\"x\"\r\n,,,,", *p);
    EXPECT_TRUE(result.complete) << result.problem;
    EXPECT_EQ(p->title(TitleField::progetto), "0.5");
    EXPECT_EQ(p->title(TitleField::localita), "-2");
    EXPECT_EQ(p->title(TitleField::committente), "x");
    EXPECT_EQ(p->title(TitleField::allegati), "");
}

TEST(ArchiveReader, CountsOverTheLimitsStopReadingAndKeepWhatWasRead) {
    auto p = fresh();
    ArchiveReadResult result = readArchive(archiveWith("\"9\",4,.33,1,\"21\",1,1", 21, 2), *p);
    EXPECT_FALSE(result.complete);
    EXPECT_EQ(result.problem, kProblemTooManyStoreys);
    EXPECT_EQ(result.line, 1);
    EXPECT_EQ(result.field, 5);
    EXPECT_EQ(p->general(GeneralField::grado), typed("9"));
    EXPECT_EQ(p->general(GeneralField::numsety), FieldValue::integer(1));
    EXPECT_TRUE(p->floor(1, FloorField::hp).isEmpty());

    p = fresh();
    result = readArchive(archiveWith("\"9\",4,.33,1,\"2\",50\n51", 2, 101), *p);
    EXPECT_FALSE(result.complete);
    EXPECT_EQ(result.problem, kProblemTooManyWalls);
    EXPECT_EQ(result.line, 2);
    EXPECT_EQ(result.field, 7);
    EXPECT_EQ(p->general(GeneralField::wallCount), FieldValue::real(101));
    EXPECT_EQ(p->floor(2, FloorField::hp), FieldValue::real(2.9));
    EXPECT_TRUE(p->wall(1, 1, WallField::dimx).isEmpty());
}

} // namespace
} // namespace calvex
