#include <gtest/gtest.h>

#include <sys/stat.h>

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
    EXPECT_NE(missing.err.find("relazione.odt: impossibile salvare il file"), std::string::npos) << missing.err;
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

TEST(BatchReport, APdfThatCannotBeWrittenIsToldAndSpoilsNothing) {
    const std::filesystem::path dir = scratchDir("out");
    const std::string example = examplePath("Calvex-dati-esempio").string();

    // A read-only earlier report stays as it was.
    const std::filesystem::path locked = dir / "relazione.pdf";
    writeBytes(locked, "earlier report");
    std::filesystem::permissions(locked, std::filesystem::perms::owner_read);
    BatchRun run = runBatch({"relazione", example, "-o", locked.string()});
    EXPECT_EQ(run.status, 2);
    EXPECT_NE(run.err.find(locked.string() + ": impossibile salvare il file: il file \u00e8 di sola lettura"),
              std::string::npos)
        << run.err;
    EXPECT_EQ(readBytes(locked), "earlier report");

    // A name under a file cannot be created.
    const std::filesystem::path under = locked / "relazione.pdf";
    run = runBatch({"relazione", example, "-o", under.string()});
    EXPECT_EQ(run.status, 2);
    EXPECT_NE(run.err.find(under.string()), std::string::npos) << run.err;
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir), std::filesystem::directory_iterator()), 1);
}

TEST(BatchReport, InputsThatAreNoFilesAreRefusedAtOnce) {
    const std::filesystem::path dir = scratchDir("in");
    const std::filesystem::path pipe = dir / "tubo";
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    for (const std::string& input : {pipe.string(), std::string("/dev/zero"), std::string("/dev/urandom")}) {
        for (auto args : {std::initializer_list<std::string>{"verifica", input},
                          {"copia", input, (dir / "copia").string()},
                          {"relazione", input, "-o", (dir / "r.pdf").string()}}) {
            const BatchRun run = runBatch(args);
            EXPECT_EQ(run.status, 2) << input;
            EXPECT_NE(run.err.find(input + "\" non riuscita: impossibile aprire il file: il nome non indica un file "
                                           "ordinario"),
                      std::string::npos)
                << run.err;
        }
    }
    EXPECT_FALSE(std::filesystem::exists(dir / "copia"));
    EXPECT_FALSE(std::filesystem::exists(dir / "r.pdf"));
}

} // namespace
} // namespace calvex::testing
