// The editable report as a word processor shows it: converted to PDF by
// LibreOffice when it is installed, with the fonts the setup installs, and
// read back as text page by page.

#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <regex>
#include <sstream>
#include <vector>

#include "cli/batch_run.h"
#include "large_building.h"
#include "model/archive.h"

namespace calvex::testing {
namespace {

bool onPath(const std::string& program) {
    return std::system(("command -v " + program + " >/dev/null 2>&1").c_str()) == 0;
}

// Runs the command; its status.
int run(const std::string& command) {
    const int raw = std::system((command + " >/dev/null 2>&1 </dev/null").c_str());
    return WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
}

// A fontconfig setting that shows LibreOffice only the fonts the setup
// installs (the Liberation faces, and URW Gothic for the report's Century
// Gothic through the setup's alias), with fontconfig's own rules: the pages
// come out the same on every machine, whatever else it has installed.
std::string setupFontsOnly(const std::filesystem::path& dir) {
    const std::filesystem::path config = dir / "fonts.conf";
    std::string xml = "<?xml version=\"1.0\"?>\n<fontconfig>\n";
    for (const char* fonts : {"/usr/share/fonts/truetype/liberation", "/usr/share/fonts/truetype/liberation2",
                              "/usr/share/fonts/opentype/urw-base35"})
        xml += std::string("  <dir>") + fonts + "</dir>\n";
    xml += "  <cachedir>" + (dir / "fontcache").string() + "</cachedir>\n";
    xml += "  <include>" +
           (std::filesystem::path(CALVEX_SOURCE_DIR) / "scripts" / "century-gothic-fontconfig.conf").string() +
           "</include>\n";
    xml += "  <include ignore_missing=\"yes\">/etc/fonts/conf.d</include>\n</fontconfig>\n";
    writeBytes(config, xml);
    // The user's own fontconfig settings are read from his home.
    return "FONTCONFIG_FILE=" + quoted(config.string()) + " HOME=" + quoted(dir.string()) +
           " XDG_CONFIG_HOME=" + quoted((dir / "config").string());
}

// The pages of the document as LibreOffice lays them out, as text.
std::vector<std::string> pagesInLibreOffice(const std::filesystem::path& odt) {
    const std::filesystem::path dir = odt.parent_path();
    // A profile of its own, so that runs at the same time do not meet.
    const std::string profile = "-env:UserInstallation=file://" + (dir / "profile").string();
    const std::string fonts = setupFontsOnly(dir);
    std::filesystem::path pdf = odt;
    pdf.replace_extension(".pdf");
    // A first start on a fresh profile, on a busy machine, now and then ends
    // without converting: one more try before the check fails.
    for (int attempt = 0; attempt < 2 && !std::filesystem::exists(pdf); ++attempt)
        run(fonts + " soffice " + quoted(profile) + " --headless --convert-to pdf --outdir " + quoted(dir.string()) +
            " " + quoted(odt.string()));
    EXPECT_TRUE(std::filesystem::exists(pdf)) << "LibreOffice did not convert " << odt;
    const std::filesystem::path text = dir / "pages.txt";
    EXPECT_EQ(run("pdftotext -layout " + quoted(pdf.string()) + " " + quoted(text.string())), 0);
    std::vector<std::string> pages;
    std::stringstream all(readBytes(text));
    for (std::string page; std::getline(all, page, '\f');) pages.push_back(page);
    // The text ends with a page break.
    if (!pages.empty() && pages.back().find_first_not_of(" \n") == std::string::npos) pages.pop_back();
    return pages;
}

std::vector<std::string> wordsOf(const std::string& line) {
    std::istringstream in(line);
    return {std::istream_iterator<std::string>(in), std::istream_iterator<std::string>()};
}

bool isNumber(const std::string& word) { return std::regex_match(word, std::regex(R"(-?[0-9][0-9.,]*)")); }

// A row of the wall table: storey, wall and ten numbers; of the results
// table: storey, wall and direction, thirteen numbers. A number broken
// over two lines breaks its row.
bool isWallRow(const std::vector<std::string>& words) {
    return words.size() == 12 && std::all_of(words.begin(), words.end(), isNumber);
}
bool isResultsRow(const std::vector<std::string>& words) {
    return words.size() == 15 && isNumber(words[0]) && std::regex_match(words[1], std::regex(R"([0-9]+-[XY])")) &&
           std::all_of(words.begin() + 2, words.end(), isNumber);
}

// Checks the pages of the report of a building of `rows` walls over all
// its storeys.
void checkPages(const std::vector<std::string>& pages, int rows) {
    ASSERT_GT(pages.size(), 2u);
    const std::regex closing(R"(La presente relazione è composta di n\. ([0-9]+) pagine\.)");
    std::smatch stated;
    const std::string& last = pages.back();
    ASSERT_TRUE(std::regex_search(last, stated, closing));
    EXPECT_EQ(std::stoul(stated[1]), pages.size());

    const std::regex wallHeading(R"(piano\s+setto\s+dimx\s+dimy\s+ascissa\s+ordin\.)");
    const std::regex resultsHeading(R"(pia\s+se\s+peso\s+car\.\s+sn\s+sigma\s+rig\.x)");
    int wallRows = 0;
    int resultsRows = 0;
    for (std::size_t page = 0; page < pages.size(); ++page) {
        if (page > 0) {
            EXPECT_NE(pages[page].find("pagina " + std::to_string(page + 1)), std::string::npos) << "page " << page + 1;
        }
        std::istringstream lines(pages[page]);
        bool walls = false;
        bool results = false;
        for (std::string line; std::getline(lines, line);) {
            const std::vector<std::string> words = wordsOf(line);
            walls = walls || isWallRow(words);
            results = results || isResultsRow(words);
            wallRows += isWallRow(words) ? 1 : 0;
            resultsRows += isResultsRow(words) ? 1 : 0;
        }
        if (walls) {
            EXPECT_TRUE(std::regex_search(pages[page], wallHeading)) << "page " << page + 1;
        }
        if (results) {
            EXPECT_TRUE(std::regex_search(pages[page], resultsHeading)) << "page " << page + 1;
        }
    }
    EXPECT_EQ(wallRows, rows);
    EXPECT_EQ(resultsRows, rows);
}

class EditableReportInLibreOffice : public ::testing::Test {
protected:
    void SetUp() override {
        if (!onPath("soffice") || !onPath("pdftotext"))
            GTEST_SKIP() << "LibreOffice (soffice) or pdftotext is not installed: the editable report is not "
                            "checked in a word processor";
    }
};

TEST_F(EditableReportInLibreOffice, TheExampleStatesItsPagesAndRepeatsItsHeadings) {
    const std::filesystem::path odt = scratchDir("odt") / "esempio.odt";
    const BatchRun batch = runBatch({"relazione", examplePath("Calvex-dati-esempio").string(), "-o", odt.string()});
    ASSERT_EQ(batch.status, 0) << batch.err;
    checkPages(pagesInLibreOffice(odt), 3 * 12);
}

TEST_F(EditableReportInLibreOffice, TheLargestBuildingStatesItsPagesAndRepeatsItsHeadings) {
    const std::filesystem::path dir = scratchDir("odt");
    ASSERT_TRUE(writeArchiveFile(dir / "Calvex-dati-grande", *makeLargeBuilding()).ok);
    const BatchRun batch =
        runBatch({"relazione", (dir / "Calvex-dati-grande").string(), "-o", (dir / "grande.odt").string()});
    ASSERT_NE(batch.status, 2) << batch.err;
    checkPages(pagesInLibreOffice(dir / "grande.odt"), 20 * 100);
}

} // namespace
} // namespace calvex::testing
