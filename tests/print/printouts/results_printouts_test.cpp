#include "print/printouts/results_printouts.h"
#include "support/recording_device.h"

#include "model/numeric_text.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <stdexcept>
#include <string>
#include <vector>

namespace calvex {
namespace {

using testing::RecordingDevice;

std::string commaNumber(double value) { return pointsToCommas(shortestNumberText(value)); }

std::vector<std::string> pageLines(const RecordingDevice& device, int page) {
    std::vector<int> tops;
    for (const auto& item : device.textsOnPage(page))
        if (std::find(tops.begin(), tops.end(), item.y) == tops.end()) tops.push_back(item.y);
    std::sort(tops.begin(), tops.end());
    std::vector<std::string> lines;
    for (int y : tops) lines.push_back(device.lineText(page, y));
    return lines;
}

RecordingDevice::Item itemWithText(const std::vector<RecordingDevice::Item>& texts, const std::string& text) {
    const auto found =
        std::find_if(texts.begin(), texts.end(), [&text](const auto& item) { return item.text == text; });
    if (found == texts.end()) throw std::runtime_error("no item " + text);
    return *found;
}

const std::string& lineStartingWith(const std::vector<std::string>& lines, const std::string& start) {
    const auto found = std::find_if(lines.begin(), lines.end(), [&start](const std::string& line) {
        return line.compare(0, start.size(), start) == 0;
    });
    if (found == lines.end()) throw std::runtime_error("no line " + start);
    return *found;
}

class ResultsTableTest : public ::testing::Test {
protected:
    ResultsTableTest() {
        project.setGeneral(GeneralField::np, FieldValue::text("10"));
        project.setTitle(TitleField::progetto, "Scuola via Roma");
        BuildingResult& building = project.building();
        building.totalWeight = 1234.5;
        building.massHeight = 7.255;
        building.lambda = 2;
        FloorResult& top = project.floorResult(10);
        top.storeyWeight = 150.25;
        top.distributionCoeff = 1.1;
        top.storeyForce = 12.5;
        top.massCentreX = 5;
        top.massCentreY = 6;
        top.stiffCentreX = 5.5;
        top.stiffCentreY = 6.5;
        top.eccX = -0.5;
        top.eccY = 0.25;
        top.polarMoment = 123456.78;
        top.torsionMoment = 42;
        top.torsionTotalForce = 3.3;
        top.safetyX = 1.25;
        top.safetyY = 0.95;
        printouts::printResultsTable(device, project, commaNumber);
        texts = device.texts();
        lines = pageLines(device, 1);
    }

    ProjectData project;
    RecordingDevice device;
    std::vector<RecordingDevice::Item> texts;
    std::vector<std::string> lines;
};

TEST_F(ResultsTableTest, HeadingAndProjectLine) {
    const auto heading = itemWithText(texts, "RISULTATI GENERALI E DEI PIANI");
    EXPECT_EQ(heading.column, 10);
    EXPECT_EQ(heading.size, 12);
    EXPECT_EQ(heading.y, 800 + 342 + 228);
    const auto projectLine = itemWithText(texts, "Progetto: Scuola via Roma");
    EXPECT_EQ(projectLine.y, heading.y + 3 * 228);
    EXPECT_EQ(device.documentEnds(), 1);
    EXPECT_EQ(device.pageEnds(), 0);
}

TEST_F(ResultsTableTest, BuildingValuesEndOnColumn51) {
    const std::string pad(9, ' ');
    EXPECT_EQ(lineStartingWith(lines, pad + "Peso totale"), pad + "Peso totale dell'edificio.......:  1234.50");
    EXPECT_EQ(lineStartingWith(lines, pad + "Baricentro"), pad + "Baricentro verticale delle masse:     7.26");
    EXPECT_EQ(lineStartingWith(lines, pad + "Totale forze"), pad + "Totale forze orizzontali........:     0.00");
    EXPECT_EQ(lineStartingWith(lines, pad + "Valore di lambda"), pad + "Valore di lambda................:     2.00");
    for (const char* caption : {"Centro delle forze orizzontali..:", "Dimensione maggiore D...........:",
                                "Dimensione minore B.............:"})
        EXPECT_EQ(lineStartingWith(lines, pad + caption).size(), 51u) << caption;
}

TEST_F(ResultsTableTest, FifteenLegendLines) {
    const auto legend = itemWithText(texts, "Legenda:");
    EXPECT_EQ(legend.column, 10);
    const std::string pad(9, ' ');
    EXPECT_EQ(lineStartingWith(lines, pad + "piano"), pad + "piano = numero del piano");
    EXPECT_EQ(lineStartingWith(lines, pad + "ex"), pad + "ex    = eccentricit\u00e0 lungo l'asse X");
    EXPECT_EQ(lineStartingWith(lines, pad + "mt"), pad + "mt    = momento torcente dovuto a D/B");
    const auto last = itemWithText(texts, "= coefficiente di sicurezza in direzione Y");
    EXPECT_EQ(last.column, 16);
    EXPECT_EQ(last.y, legend.y + 16 * 228);
}

TEST_F(ResultsTableTest, StoreyColumnHeadingsAndUnits) {
    const std::vector<std::pair<std::string, int>> headings{
        {"piano", 5}, {"peso", 12}, {"gamma", 19}, {"fp", 28}, {"xm", 35},  {"ym", 42},   {"xr", 49},  {"yr", 56},
        {"ex", 63},   {"ey", 70},   {"mp", 82},    {"mt", 94}, {"ft", 101}, {"cfx", 108}, {"cfy", 115}};
    int headingY = 0;
    for (const auto& [text, column] : headings) {
        const auto found = std::find_if(texts.begin(), texts.end(),
                                        [&text](const auto& item) { return item.text == text && item.size == 8; });
        ASSERT_NE(found, texts.end()) << text;
        EXPECT_EQ(found->column, column) << text;
        headingY = found->y;
    }
    std::vector<std::pair<std::string, int>> units;
    for (const auto& item : texts)
        if (item.y == headingY + 152) units.emplace_back(item.text, item.column);
    const std::vector<std::pair<std::string, int>> expected{{"n", 7},  {"t", 14},  {"t", 29},  {"m", 36},
                                                            {"m", 43}, {"m", 50},  {"m", 57},  {"m", 64},
                                                            {"m", 71}, {"tm", 82}, {"tm", 94}, {"t", 102}};
    EXPECT_EQ(units, expected);
}

TEST_F(ResultsTableTest, StoreyRowsInFixedWidthsWithNumbersEndingOnColumn7) {
    // Widths 8, 7, 8, 7 x 6, 14, 10 and 7 x 3.
    EXPECT_EQ(lineStartingWith(lines, "     10 "),
              "     10 "
              "  150.25"
              "   1.10"
              "   12.50"
              "   5.00"
              "   6.00"
              "   5.50"
              "   6.50"
              "  -0.50"
              "   0.25"
              "     123456.78"
              "     42.00"
              "   3.30"
              "   1.25"
              "   0.95");
    const std::string& nine = lineStartingWith(lines, "      9 ");
    EXPECT_EQ(nine[6], '9');
    EXPECT_EQ(lineStartingWith(lines, "     10 ")[6], '0');
    EXPECT_EQ(nine.size(), lineStartingWith(lines, "     10 ").size());
    // Rows without a line end still follow one another line by line.
    EXPECT_EQ(itemWithText(texts, " 10 ").y - itemWithText(texts, " 9 ").y, 152);
}

// Taller than A4: 81 rows of 8 points under the first page's headings run
// past 16838 twips, and here only the line counter is to break pages.
constexpr int kTallPage = 20000;

class WallsToModifyTest : public ::testing::Test {
protected:
    WallsToModifyTest() {
        project.setGeneral(GeneralField::np, FieldValue::text("3"));
        project.setGeneral(GeneralField::wallCount, FieldValue::real(40));
        project.setTitle(TitleField::progetto, "Scuola via Roma");
        WallResultRows& storey2 = project.wallResults(2);
        storey2.shearCheckText[10].set(16, 20);
        storey2.sigmaCheckText[10].set(1, 18);
        storey2.sectionCheckText[10].setPartialised();
        project.wallResults(3).sigmaCheckText[40].set(2, 30);
        printouts::printWallsToModify(device, project, commaNumber);
    }

    int rowsOnPage(int page) const {
        const auto lines = pageLines(device, page);
        return static_cast<int>(std::count_if(lines.begin(), lines.end(), [](const std::string& line) {
            return line.size() > 10 && std::isdigit(static_cast<unsigned char>(line[10]));
        }));
    }

    std::string footerOf(int page) const {
        std::string footer;
        for (const auto& item : device.textsOnPage(page))
            if (item.y == 15800) footer += item.text;
        return footer;
    }

    ProjectData project;
    RecordingDevice device{kTallPage};
};

TEST_F(WallsToModifyTest, EightyOneRowsOnTheFirstPageAndTheRestOnTheSecond) {
    EXPECT_EQ(rowsOnPage(1), 81);
    EXPECT_EQ(rowsOnPage(2), 39);
    EXPECT_EQ(footerOf(1), "pagina  1 ");
    EXPECT_EQ(footerOf(2), "pagina  2 ");
    EXPECT_TRUE(device.textsOnPage(3).empty());
    EXPECT_EQ(device.pageEnds(), 2);
    EXPECT_EQ(device.documentEnds(), 1);

    const auto footer = device.textsOnPage(1).back();
    EXPECT_EQ(footer.x, 9800 + 7 * 144);
    EXPECT_EQ(footer.size, 12);
    // The 82nd row, storey 3 wall 2, opens page 2 under repeated headings.
    const auto second = pageLines(device, 2);
    ASSERT_GE(second.size(), 3u);
    EXPECT_EQ(device.textsOnPage(2).front().y, 1000);
    EXPECT_EQ(second[0].substr(0, 13), "        piano");
    EXPECT_EQ(second[2].substr(0, 19), "          3      2 ");
}

TEST_F(WallsToModifyTest, HeadingsAtTheirColumns) {
    const auto texts = device.textsOnPage(1);
    const auto heading = itemWithText(texts, "SETTI DA MODIFICARE");
    EXPECT_EQ(heading.column, 10);
    EXPECT_EQ(heading.y, 800 + 342 + 228);
    EXPECT_EQ(itemWithText(texts, "Progetto: Scuola via Roma").y, heading.y + 3 * 228);

    const std::vector<std::pair<std::string, int>> headings{{"piano", 9},
                                                            {"setto", 16},
                                                            {"forza ultima tagliante < forza orizz.agente", 24},
                                                            {"sigma ammiss. < sigma lavoro", 71},
                                                            {"sez.parzializzata", 103}};
    for (const auto& [text, column] : headings) {
        const auto item = itemWithText(texts, text);
        EXPECT_EQ(item.column, column) << text;
        EXPECT_EQ(item.size, 8) << text;
    }
    const int unitY = itemWithText(texts, "piano").y + 152;
    std::vector<std::pair<std::string, int>> units;
    for (const auto& item : texts)
        if (item.y == unitY) units.emplace_back(item.text, item.column);
    const std::vector<std::pair<std::string, int>> expected{{"n", 11}, {"n", 18},    {"t", 44},
                                                            {"t", 50}, {"t/mq", 80}, {"t/mq", 87}};
    EXPECT_EQ(units, expected);
}

TEST_F(WallsToModifyTest, EveryWallWithItsCheckTexts) {
    const auto lines = pageLines(device, 1);
    const std::string& failing = lineStartingWith(lines, "          2     10 ");
    EXPECT_EQ(failing, "          2     10" + std::string(19, ' ') + "tonn. 16 < tonn. 20" + std::string(18, ' ') +
                           "tonn. 1 < tonn. 18" + std::string(10, ' ') + "sez. parzializzata");
    // A passing wall: its numbers only.
    EXPECT_EQ(lineStartingWith(lines, "          2      9 "), "          2      9 ");
    const auto last = pageLines(device, 2);
    const std::string& lastWall = lineStartingWith(last, "          3     40 ");
    EXPECT_EQ(lastWall.find("tonn. 2 < tonn. 30"), 74u);
}

} // namespace
} // namespace calvex
