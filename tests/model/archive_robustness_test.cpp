#include <gtest/gtest.h>

#include <chrono>
#include <memory>
#include <random>
#include <string>

#include "archive_test_support.h"
#include "model/archive.h"

namespace calvex {
namespace {

using archive_test::lineCount;
using archive_test::repeat;

// What every read must give, whatever the input: a result that either is
// complete or says what went wrong at a line the input has.
void expectWellFormed(const ArchiveReadResult& result, std::string_view bytes) {
    if (result.complete) return;
    int lineEnds = 0;
    for (std::size_t i = 0; i < bytes.size(); ++i)
        if (bytes[i] == '\n' || (bytes[i] == '\r' && (i + 1 == bytes.size() || bytes[i + 1] != '\n'))) ++lineEnds;
    EXPECT_FALSE(result.problem.empty());
    EXPECT_GE(result.line, 1);
    EXPECT_LE(result.line, lineEnds + 1);
    EXPECT_GE(result.field, 1);
    EXPECT_LE(result.field, 10);
}

// An unoptimised build with the address sanitizer reads some ten times
// slower; the limits below are for an ordinary build.
#if defined(__SANITIZE_ADDRESS__)
constexpr double kBuildSlowdown = 20;
#else
constexpr double kBuildSlowdown = 1;
#endif

double secondsToRead(std::string_view bytes, ProjectData& project, ArchiveReadResult& result) {
    const auto start = std::chrono::steady_clock::now();
    result = readArchive(bytes, project);
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count() / kBuildSlowdown;
}

TEST(ArchiveRobustness, EveryTruncationOfAValidFileIsReportedAsCut) {
    const std::string bytes = encodeArchive(*archive_test::sampleProject()).bytes;
    // Once the comma before the last title text is in, every field exists.
    const std::size_t lastComma = bytes.rfind(',');
    auto project = std::make_unique<ProjectData>();
    for (std::size_t length = 0; length < bytes.size(); ++length) {
        const std::string_view prefix = std::string_view(bytes).substr(0, length);
        const ArchiveReadResult result = readArchive(prefix, *project);
        EXPECT_EQ(result.complete, length > lastComma) << length;
        if (!result.complete) {
            EXPECT_EQ(result.problem, kProblemEndOfFile) << length;
        }
        expectWellFormed(result, prefix);
    }
}

TEST(ArchiveRobustness, RandomBytesAreReadWithoutHarm) {
    std::mt19937 random(12345);
    const std::string alphabet = ",,,\"\r\n\t 0123456789.-+ab\xe0\x80\xff";
    auto project = std::make_unique<ProjectData>();
    for (int round = 0; round < 300; ++round) {
        std::string bytes(random() % 3000, '\0');
        const bool anyByte = round % 3 == 0;
        for (char& c : bytes) c = anyByte ? static_cast<char>(random() & 0xFF) : alphabet[random() % alphabet.size()];
        if (round % 5 == 0) bytes.insert(0, "\"9\",4,.33,1,\"20\",\"50\",50\r\n");
        expectWellFormed(readArchive(bytes, *project), bytes);
    }
}

TEST(ArchiveRobustness, HugeInputsAreReadInLinearTime) {
    auto project = std::make_unique<ProjectData>();
    ArchiveReadResult result;

    const std::string commas(1'000'000, ',');
    EXPECT_LT(secondsToRead(commas, *project, result), 1.0);
    EXPECT_TRUE(result.complete);
    EXPECT_EQ(project->general(GeneralField::np).kind(), FieldValue::Kind::Empty);
    EXPECT_EQ(project->title(TitleField::allegati), "");

    // An unclosed quote swallows the whole input, line ends and commas too.
    std::string quoted(1, '"');
    quoted += repeat("ab,\r\n", 10'000'000);
    EXPECT_LT(secondsToRead(quoted, *project, result), 3.0);
    EXPECT_FALSE(result.complete);
    EXPECT_EQ(result.problem, kProblemEndOfFile);
    EXPECT_EQ(result.line, 10'000'001);
    EXPECT_EQ(result.field, 2);
    EXPECT_EQ(project->general(GeneralField::grado).textValue().size(), quoted.size() - 1);

    // Fifty million digits: a number no double holds stays text and, read
    // as a storey count, is over the limit.
    std::string digits = "0,0,0,0,";
    digits.append(50'000'000, '7').append(",1,1\r\n");
    EXPECT_LT(secondsToRead(digits, *project, result), 3.0);
    EXPECT_EQ(result.problem, kProblemTooManyStoreys);
    EXPECT_TRUE(project->general(GeneralField::np).isText());
    EXPECT_EQ(lineCount(digits), 1);
}

} // namespace
} // namespace calvex
