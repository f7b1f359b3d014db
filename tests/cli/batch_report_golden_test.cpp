#include <gtest/gtest.h>

#include "cli/batch_run.h"

#include <cstdlib>
#include <sstream>
#include <vector>

namespace calvex::testing {
namespace {

std::vector<std::string> linesOf(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

// The report of the example, drawn on A4 and read back as text, matches the
// reviewed copy kept beside this test: every page, value and column.
TEST(BatchReportGolden, ExampleReportReadsAsTheReviewedText) {
    const std::filesystem::path dir = scratchDir("golden");
    // The calculator comes from the settings of a user of its own.
    std::filesystem::create_directories(dir / "Calvex");
    writeBytes(dir / "Calvex" / "Calvex.conf",
               "[calcolatore]\nnome=Ing. Marco Rinaldi\nindirizzo=\"via dei Priori 12, 06123 Perugia\"\n");
    ASSERT_EQ(setenv("XDG_CONFIG_HOME", dir.c_str(), 1), 0);
    const std::filesystem::path pdf = dir / "relazione.pdf";
    const BatchRun run = runBatch({"relazione", examplePath("Calvex-dati-esempio").string(), "-o", pdf.string()});
    unsetenv("XDG_CONFIG_HOME");
    ASSERT_EQ(run.status, 0) << run.err;

    const std::filesystem::path text = dir / "relazione.txt";
    const std::string command = "pdftotext -layout " + quoted(pdf.string()) + " " + quoted(text.string());
    ASSERT_EQ(std::system(command.c_str()), 0) << "pdftotext (poppler-utils) is needed";

    const std::filesystem::path expectedFile =
        std::filesystem::path(CALVEX_SOURCE_DIR) / "tests" / "cli" / "golden" / "relazione-esempio.txt";
    const std::vector<std::string> expected = linesOf(readBytes(expectedFile));
    const std::vector<std::string> actual = linesOf(readBytes(text));
    ASSERT_FALSE(expected.empty()) << expectedFile;
    for (std::size_t i = 0; i < std::min(expected.size(), actual.size()); ++i)
        ASSERT_EQ(actual[i], expected[i]) << "line " << i + 1 << "; the whole text is in " << text;
    EXPECT_EQ(actual.size(), expected.size()) << text;
}

} // namespace
} // namespace calvex::testing
