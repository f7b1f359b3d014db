#include <gtest/gtest.h>

#include "cli/batch_run.h"

namespace calvex::testing {
namespace {

std::size_t countOf(const std::string& text, const std::string& what) {
    std::size_t count = 0;
    for (std::size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) ++count;
    return count;
}

TEST(BatchReport, WritesThePrintedReportToPdf) {
    const std::filesystem::path pdf = scratchDir("pdf") / "relazione.pdf";
    const BatchRun run = runBatch({"relazione", examplePath("Calvex-dati-esempio").string(), "-o", pdf.string()});
    ASSERT_EQ(run.status, 0) << run.err;
    const std::string bytes = readBytes(pdf);
    ASSERT_TRUE(bytes.starts_with("%PDF"));
    EXPECT_GE(countOf(bytes, "/Type /Page\n") + countOf(bytes, "/Type /Page\r") + countOf(bytes, "/Type /Page "), 3u);
}

TEST(BatchReport, WritesTheEditableReportForAnOdtOutput) {
    const std::filesystem::path dir = scratchDir("odt");
    const BatchRun run =
        runBatch({"relazione", examplePath("Calvex-dati-esempio").string(), "-o", (dir / "relazione.odt").string()});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_TRUE(readBytes(dir / "relazione.odt").starts_with("PK"));
    // A folder that is not there: a failure, and no file.
    const BatchRun missing = runBatch(
        {"relazione", examplePath("Calvex-dati-esempio").string(), "-o", (dir / "manca" / "relazione.odt").string()});
    EXPECT_EQ(missing.status, 2);
    EXPECT_NE(missing.err.find("impossibile scrivere il documento"), std::string::npos) << missing.err;
    EXPECT_FALSE(std::filesystem::exists(dir / "manca"));
}

TEST(BatchReport, IncompleteDataWriteNothing) {
    const std::filesystem::path dir = scratchDir("data");
    std::string archive = readBytes(examplePath("Calvex-dati-esempio"));
    // Storey 1 wall 1 without its allowable shear stress.
    const std::size_t wall = archive.find("\"5\",\"0.4\",\"2.5\",\"0.2\",\"0\",\"0\",\"9\"");
    ASSERT_NE(wall, std::string::npos);
    archive.replace(archive.find("\"9\"", wall), 3, "\"\"");
    writeBytes(dir / "Calvex-dati-incompleto", archive);
    const BatchRun run =
        runBatch({"relazione", (dir / "Calvex-dati-incompleto").string(), "-o", (dir / "r.pdf").string()});
    EXPECT_EQ(run.status, 2);
    EXPECT_NE(run.err.find("tensione tangenziale ammissibile del setto n. 1 al piano 1"), std::string::npos) << run.err;
    EXPECT_FALSE(std::filesystem::exists(dir / "r.pdf"));
    EXPECT_EQ(runBatch({"relazione", "solo-un-argomento"}).status, 2);
}

} // namespace
} // namespace calvex::testing
