// A project and a calculator whose texts hold every character an XML
// document cannot: the batch tool's editable report opens in LibreOffice
// and its PDF shows the same marks, with nothing cut at a NUL. (A riduz or
// protez text holding them is no number, and refused before any report.)

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "cli/batch_run.h"
#include "model/archive.h"

namespace calvex::testing {
namespace {

using namespace std::string_literals;

// U+0001, U+000B and a NUL, which an archive can hold, each after a letter.
const std::string archiveForbidden =
    "a\x01"
    "b\x0B"
    "c\0d"s;
// And U+FFFE and U+FFFF, which only the settings can.
const std::string settingsForbidden = archiveForbidden +
                                      "\xEF\xBF\xBE"
                                      "e\xEF\xBF\xBF"
                                      "f";

// What the title texts start with: "T" and their number.
std::string titleStart(int field) {
    std::string start = "T";
    start += std::to_string(field);
    return start;
}

class BatchForbiddenText : public ::testing::Test {
protected:
    void SetUp() override {
        dir = scratchDir("texts");
        ProjectData project;
        ASSERT_TRUE(readArchiveFile(examplePath("Calvex-dati-esempio"), project).complete);
        for (int field = 0; field < kTitleFieldCount; ++field)
            project.setTitle(static_cast<TitleField>(field), titleStart(field) + archiveForbidden);
        const ArchiveWriteResult written = writeArchiveFile(dir / "Calvex-dati-testi", project);
        ASSERT_TRUE(written.ok && written.alteredFields.empty()) << written.error;

        std::filesystem::create_directories(dir / "Calvex");
        writeBytes(dir / "Calvex" / "Calvex.conf",
                   "[calcolatore]\nnome=Ing. " + settingsForbidden + "\nindirizzo=Via " + settingsForbidden + "\n");
        ASSERT_EQ(setenv("XDG_CONFIG_HOME", dir.c_str(), 1), 0);
    }
    void TearDown() override { unsetenv("XDG_CONFIG_HOME"); }

    BatchRun writeReport(const std::filesystem::path& output) const {
        return runBatch({"relazione", (dir / "Calvex-dati-testi").string(), "-o", output.string()});
    }

    // The texts of a PDF, with those that must show in it with their marks.
    static void expectMarkedTexts(const std::filesystem::path& pdf, bool withAddress) {
        const std::filesystem::path text = std::filesystem::path(pdf).replace_extension(".txt");
        ASSERT_EQ(std::system(("pdftotext " + quoted(pdf.string()) + " " + quoted(text.string())).c_str()), 0)
            << "pdftotext (poppler-utils) is needed";
        const std::string report = readBytes(text);
        std::vector<std::string> shown{"Ing. a?b?c?d?e?f"};
        if (withAddress) shown.push_back("Via a?b?c?d?e?f");
        for (int field = 0; field < kTitleFieldCount; ++field) shown.push_back(titleStart(field) + "a?b?c?d");
        for (const std::string& marked : shown) EXPECT_NE(report.find(marked), std::string::npos) << marked;
    }

    std::filesystem::path dir;
};

TEST_F(BatchForbiddenText, ThePrintedReportShowsEveryTextWithItsMarks) {
    const BatchRun run = writeReport(dir / "relazione.pdf");
    ASSERT_EQ(run.status, 0) << run.err;
    expectMarkedTexts(dir / "relazione.pdf", true);
}

TEST_F(BatchForbiddenText, LibreOfficeOpensTheEditableReportAndShowsTheSameMarks) {
    if (std::system("command -v soffice >/dev/null 2>&1") != 0)
        GTEST_SKIP() << "LibreOffice (soffice) is not installed: the editable report is not opened";
    const std::filesystem::path odt = dir / "relazione.odt";
    const BatchRun run = writeReport(odt);
    ASSERT_EQ(run.status, 0) << run.err;
    const std::string profile = "-env:UserInstallation=file://" + (dir / "profile").string();
    const std::filesystem::path pdf = dir / "relazione.pdf";
    // A first start on a fresh profile now and then ends without converting.
    for (int attempt = 0; attempt < 2 && !std::filesystem::exists(pdf); ++attempt)
        std::system(("soffice " + quoted(profile) + " --headless --convert-to pdf --outdir " + quoted(dir.string()) +
                     " " + quoted(odt.string()) + " >/dev/null 2>&1 </dev/null")
                        .c_str());
    ASSERT_TRUE(std::filesystem::exists(pdf)) << "LibreOffice did not convert " << odt;
    expectMarkedTexts(pdf, false);
}

} // namespace
} // namespace calvex::testing
