#include <gtest/gtest.h>

#include <sstream>

#include "cli/batch_run.h"
#include "cli/case_check.h"

namespace calvex::testing {
namespace {

using cli::CaseOutcome;
using cli::CaseReading;

const std::filesystem::path kCasebook = std::filesystem::path(CALVEX_SOURCE_DIR) / "validation";

std::string describe(const cli::CheckedValue& value) {
    return value.expected.quantity + " piano " + std::to_string(value.expected.storey) + " setto " +
           std::to_string(value.expected.wall) + ": atteso " + value.expected.text + ", ottenuto " +
           value.obtainedText();
}

class CasebookCase : public ::testing::TestWithParam<std::filesystem::path> {};

TEST_P(CasebookCase, EveryExpectedValueIsObtained) {
    std::ostringstream archiveMessages;
    const CaseOutcome outcome = cli::checkCase(cli::readCase(GetParam()), archiveMessages);
    const std::string name = outcome.validationCase.name;
    ASSERT_EQ(outcome.problem, "") << name;
    ASSERT_EQ(archiveMessages.str(), "") << name;
    for (const cli::CheckedValue& value : outcome.values) EXPECT_TRUE(value.passed) << name << ": " << describe(value);
}

INSTANTIATE_TEST_SUITE_P(Validation, CasebookCase, ::testing::ValuesIn(cli::caseFolders(kCasebook)),
                         [](const auto& info) {
                             std::string name = info.param.filename().string();
                             for (char& c : name)
                                 if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
                             return name;
                         });

TEST(Casebook, HoldsTwelveToFifteenCases) {
    const std::size_t count = cli::caseFolders(kCasebook).size();
    EXPECT_GE(count, 12u);
    EXPECT_LE(count, 15u);
}

// A case folder with the archive of the first case and the given text.
std::filesystem::path caseWithText(const std::string& text) {
    const std::filesystem::path folder = scratchDir("caso") / "99-prova";
    std::filesystem::create_directories(folder);
    std::filesystem::copy_file(cli::caseFolders(kCasebook).front() / cli::kCaseArchiveName,
                               folder / cli::kCaseArchiveName);
    writeBytes(folder / cli::kCaseTextName, text);
    return folder;
}

const std::string kCaseHead =
    "# Prova\n\nScopo: provare\nil confronto.\n\nFonte: nessuna\n\n## Valori attesi\n\n"
    "| grandezza | piano | setto | atteso |\n|---|---|---|---|\n";

TEST(Casebook, ValuesThatDifferAreFailedAndNamed) {
    std::ostringstream messages;
    const CaseOutcome outcome =
        cli::checkCase(cli::readCase(caseWithText(kCaseHead + "| area | 1 | 1 | 1.50 |\n"
                                                              "| area | 1 | 1 | 1.51 |\n"
                                                              "| verdict | 1 | 1 | \"setto verificato\" |\n"
                                                              "| verdict | 1 | 1 | \"setto\" |\n"
                                                              "| area | 1 | 9 | 1.50 |\n"
                                                              "| nonEsiste | - | - | 1 |\n")),
                       messages);
    ASSERT_EQ(outcome.problem, "");
    EXPECT_EQ(outcome.validationCase.purpose, "provare il confronto.");
    ASSERT_EQ(outcome.values.size(), 6u);
    const std::vector<bool> passed{true, false, true, false, false, false};
    for (std::size_t i = 0; i < passed.size(); ++i) EXPECT_EQ(outcome.values[i].passed, passed[i]) << i;
    EXPECT_EQ(outcome.values[1].differenceText(), "-0.01");
    EXPECT_EQ(outcome.values[3].obtainedText(), "setto verificato");
    EXPECT_EQ(outcome.values[5].obtainedText(), "(grandezza sconosciuta)");
    EXPECT_FALSE(outcome.passed());
}

TEST(Casebook, MalformedRowIsRefusedWithItsLine) {
    const CaseReading reading = cli::readCase(caseWithText(kCaseHead + "| area | 1 | 1 | 1,50 |\n"));
    EXPECT_NE(reading.problem.find("riga 12: "), std::string::npos) << reading.problem;
    EXPECT_FALSE(cli::checkCase(reading, std::cerr).passed());
}

TEST(Casebook, BatchCommandPrintsTheCasebook) {
    const std::filesystem::path pdf = scratchDir("pdf") / "validazione.pdf";
    const BatchRun run = runBatch({"validazione", "-o", pdf.string()});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(readBytes(pdf).substr(0, 5), "%PDF-");
    EXPECT_EQ(runBatch({"validazione", "-o", (pdf.parent_path() / "validazione.txt").string()}).status, 2);
}

} // namespace
} // namespace calvex::testing
