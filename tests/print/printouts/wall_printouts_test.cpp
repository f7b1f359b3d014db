#include "print/printouts/wall_printouts.h"

#include "engine/test_building.h"
#include "model/numeric_text.h"
#include "support/recording_device.h"

#include <gtest/gtest.h>

#include <optional>
#include <set>
#include <string>
#include <vector>

namespace calvex {
namespace {

using testing::RecordingDevice;
using testing::TestBuilding;
using testing::WallTexts;

// The lines of a page in order, each as it reads with its blanks.
std::vector<std::string> linesOnPage(const RecordingDevice& device, int page) {
    std::set<int> ys;
    for (const auto& item : device.textsOnPage(page)) ys.insert(item.y);
    std::vector<std::string> lines;
    for (int y : ys) lines.push_back(device.lineText(page, y));
    return lines;
}

std::optional<RecordingDevice::Item> findText(const RecordingDevice& device, int page, const std::string& text) {
    for (const auto& item : device.textsOnPage(page))
        if (item.text == text) return item;
    return std::nullopt;
}

// Expects the text on the page, starting at the column, in the size.
void expectAt(const RecordingDevice& device, int page, const std::string& text, int column, double size) {
    const auto item = findText(device, page, text);
    ASSERT_TRUE(item.has_value()) << "\"" << text << "\" on page " << page;
    EXPECT_EQ(item->column, column) << text;
    EXPECT_EQ(item->size, size) << text;
}

// Table rows: 8-point texts at the storey column holding a storey number.
int rowsOnPage(const RecordingDevice& device, int page, int storeyColumn) {
    int rows = 0;
    for (const auto& item : device.textsOnPage(page))
        if (item.size == 8 && item.column == storeyColumn && isNumericText(item.text)) ++rows;
    return rows;
}

std::string rowOf(const RecordingDevice& device, int page, const std::string& start) {
    for (const std::string& line : linesOnPage(device, page))
        if (line.starts_with(start)) return line;
    return {};
}

TEST(WallTemplate, PrintsHeadingLegendAndColumnHeadings) {
    RecordingDevice device;
    printouts::printWallTemplate(device);

    expectAt(device, 1, "CALVEX - verifica antisismica di edifici in muratura", 7, 18);
    expectAt(device, 1, "ACQUISIZIONE DATI PER LA VERIFICA", 10, 12);
    expectAt(device, 1, "Legenda:", 10, 12);
    expectAt(device, 1, "piano   = numero del piano", 10, 12);
    expectAt(device, 1, "ordin.  = ordinata del baricentro del setto rispetto agli assi di riferimento", 10, 12);
    expectAt(device, 1, "sbalzi  = superficie degli sbalzi del piano gravanti sul setto", 10, 12);
    expectAt(device, 1, "Progetto: __________________________________________", 10, 12);
    expectAt(
        device, 1,
        "piano    setto    dimx     dimy     ascissa  ordin.   tir.v.   tir.o.   tauk     sigma    solai    sbalzi", 9,
        8);
    expectAt(device, 1,
             "  n        n       m        m          m       m        t        t      t/mq     t/mq      mq        mq",
             9, 8);

    // Title, empty line, heading: the heading is two lines below the title.
    // Title at 800 twips, an empty line at 12 points, then the heading.
    EXPECT_EQ(findText(device, 1, "ACQUISIZIONE DATI PER LA VERIFICA").value().y, 800 + 342 + 228);
}

TEST(WallTemplate, PrintsThirtyBlankRowsOnOneSheetWithoutFooter) {
    RecordingDevice device;
    printouts::printWallTemplate(device);

    const std::string blankRow =
        "______   ______   ______   ______   _______  ______   ______   ______   ______   ______   ______   ______";
    int rows = 0;
    int previousY = -1;
    for (const auto& item : device.textsOnPage(1)) {
        if (item.text != blankRow) continue;
        ++rows;
        EXPECT_EQ(item.column, 9);
        EXPECT_EQ(item.size, 8);
        // Each row is followed by an empty line.
        if (previousY >= 0) {
            EXPECT_EQ(item.y - previousY, 2 * 152);
        }
        previousY = item.y;
    }
    EXPECT_EQ(rows, 30);
    EXPECT_EQ(device.pageEnds(), 0);
    EXPECT_EQ(device.documentEnds(), 1);
    EXPECT_FALSE(findText(device, 1, "pagina ").has_value());
}

// Two storeys of 15 X walls and 15 Y walls, verified by the engine.
class WallDataAndResults : public ::testing::Test {
protected:
    static constexpr int xWalls = 15;
    static constexpr int walls = 30;

    WallDataAndResults() : building(2, xWalls, walls - xWalls) {
        for (int storey = 1; storey <= 2; ++storey) {
            building.storey(storey, "3", "1.8");
            for (int wall = 1; wall <= walls; ++wall) {
                const bool x = wall <= xWalls;
                const std::string position = std::to_string(wall % xWalls);
                WallTexts texts{x ? "4" : "0.3", x ? "0.3" : "4", x ? position : "12", x ? "10" : position};
                texts.solai = "12,5";
                building.wall(storey, wall, texts);
            }
        }
        building.project->setTitle(TitleField::progetto, "Casa Rossi");
        EXPECT_TRUE(building.run().complete);
    }

    void print(TextDevice::NumberFormatter formatter = shortestNumberText) {
        printouts::printWallDataAndResults(device, *building.project, std::move(formatter));
    }

    TestBuilding building;
    RecordingDevice device;
};

TEST_F(WallDataAndResults, DataRowsFillTheFirstPageThenTheSecond) {
    print();
    EXPECT_EQ(rowsOnPage(device, 1, 10), 59);
    EXPECT_EQ(rowsOnPage(device, 2, 10), 1);
    // The 60th row, storey 2 wall 30, opens page 2 under repeated headings.
    EXPECT_TRUE(rowOf(device, 2, "          2       30 ").size() > 0);
    expectAt(device, 2, "piano", 9, 8);
    expectAt(device, 2, "sbalzi", 108, 8);
    EXPECT_FALSE(findText(device, 2, "DATI DEI SETTI").has_value());
}

TEST_F(WallDataAndResults, ResultsStartOnANewPageAndBreakAfter56Rows) {
    print();
    EXPECT_EQ(rowsOnPage(device, 3, 5), 56);
    EXPECT_EQ(rowsOnPage(device, 4, 5), 4);
    EXPECT_EQ(findText(device, 3, "RISULTATI DELLA VERIFICA").value().y, 1000);
    expectAt(device, 4, "ultima", 97, 8);
    // The closing break leaves an empty last page before the document ends.
    EXPECT_TRUE(device.textsOnPage(5).empty());
    EXPECT_EQ(device.pageEnds(), 4);
    EXPECT_EQ(device.documentEnds(), 1);
}

TEST_F(WallDataAndResults, EveryTablePageGetsItsFooter) {
    print();
    for (int page = 1; page <= 4; ++page) {
        const std::string footer = device.lineText(page, 15800);
        ASSERT_NE(footer.find("pagina"), std::string::npos) << page;
        EXPECT_EQ(footer.substr(footer.find("pagina")), "pagina  " + std::to_string(page) + " ");
        const auto label = findText(device, page, "pagina ");
        ASSERT_TRUE(label.has_value()) << page;
        EXPECT_EQ(label->x, 9800);
        EXPECT_EQ(label->size, 12);
    }
}

TEST_F(WallDataAndResults, NumbersUseTheGivenFormatter) {
    print([](double value) { return "#" + shortestNumberText(value); });
    const std::string footer = device.lineText(2, 15800);
    EXPECT_EQ(footer.substr(footer.find("pagina")), "pagina  #2 ");
    EXPECT_TRUE(findText(device, 1, " #1 ").has_value());
}

TEST_F(WallDataAndResults, DataHeadingsLegendAndProjectLine) {
    print();
    expectAt(device, 1, "CALVEX - verifica antisismica di edifici in muratura", 7, 18);
    expectAt(device, 1, "DATI DEI SETTI", 10, 12);
    expectAt(device, 1, "Legenda:", 10, 12);
    expectAt(device, 1, "ascissa", 10, 12);
    expectAt(device, 1, "= ascissa del baricentro del setto rispetto agli assi di riferimento", 18, 12);
    expectAt(device, 1, "tir.o.", 10, 12);
    expectAt(device, 1, "= forza dovuta ai tiranti orizzontali posti nel setto", 18, 12);
    expectAt(device, 1, "= superficie degli sbalzi del piano gravanti sul setto", 18, 12);
    expectAt(device, 1, "Progetto: Casa Rossi", 10, 12);

    EXPECT_EQ(rowOf(device, 1, "        piano"),
              "        piano    setto    dimx     dimy     ascissa  ordin.   tir.v.   tir.o.   tauk     sigma"
              "    solai    sbalzi");
    EXPECT_EQ(rowOf(device, 1, "          n"),
              "          n        n       m        m          m       m        t        t      t/mq     t/mq"
              "      mq        mq");
}

TEST_F(WallDataAndResults, DataRowsPrintTheTypedValuesInTheirWidths) {
    print();
    // Wall 3 of storey 1: 4 x 0.3 at (3, 10); solai typed with a comma.
    EXPECT_EQ(rowOf(device, 1, "          1        3 "),
              "          1        3      4.00     0.30       3.00   10.00     0.00     0.00    8.00    250.00"
              "    12.50     0.00");
    // Wall 16, the first Y wall, at (12, 1).
    EXPECT_EQ(rowOf(device, 1, "          1       16 "),
              "          1       16      0.30     4.00      12.00    1.00     0.00     0.00    8.00    250.00"
              "    12.50     0.00");
}

TEST_F(WallDataAndResults, ResultsHeadingsAndLegend) {
    print();
    expectAt(device, 3, "RISULTATI DELLA VERIFICA", 10, 12);
    expectAt(device, 3, "car.", 10, 12);
    expectAt(device, 3, "= carichi sismici gravanti sul setto", 18, 12);
    expectAt(device, 3, "t.max", 10, 12);
    expectAt(device, 3, "= tensione massima nel setto", 18, 12);
    expectAt(device, 3, "= forza dovuta al momento torcente", 18, 12);
    expectAt(device, 3, "Progetto: Casa Rossi", 10, 12);

    const std::string headings =
        "   piano setto peso   car.    sn     sigma     rig.x     rig.y   asc.   ord. dir. f.p.    f.o."
        "  ultima   tens.   torc.";
    const std::string units =
        "     n     n    t      t       t      t/mq      t/m       t/m     m      m         t       t"
        "       t      t/mq    t";
    for (int page = 3; page <= 4; ++page) {
        EXPECT_EQ(rowOf(device, page, "   piano"), headings) << page;
        EXPECT_EQ(rowOf(device, page, "     n     n"), units) << page;
    }
}

// The expected results row of a wall, written out column by column.
std::string expectedResultsRow(const std::string& numbers, const WallResult& r, bool x) {
    auto fixed = [](const ResultValue& value, int width) { return formatFixed2(value.number(), width); };
    std::string row = numbers + fixed(r.selfWeightShare, 6) + fixed(r.slabLoad, 7) + fixed(r.normalForce, 8) +
                      fixed(r.baseStress, 8) + fixed(r.stiffnessX, 10) + fixed(r.stiffnessY, 10) + fixed(r.armX, 7) +
                      fixed(r.armY, 7);
    if (x)
        row += "  X" + fixed(r.storeyShareX, 7) + fixed(r.horizontalForceX, 8) + fixed(r.ultimateShearX, 8);
    else
        row += "  Y" + fixed(r.storeyShareY, 7) + fixed(r.horizontalForceY, 8) + fixed(r.ultimateShearY, 8);
    return row + fixed(r.maxStress, 8) + fixed(r.torsionForce, 7);
}

TEST_F(WallDataAndResults, XWallsPrintXValuesAndYWallsYValues) {
    // Distinct values in the two directions, so that a swap shows.
    for (int wall : {xWalls, xWalls + 1}) {
        WallResultRows& results = building.project->wallResults(1);
        results.storeyShareX[wall] = 11.1;
        results.horizontalForceX[wall] = 12.2;
        results.ultimateShearX[wall] = 13.3;
        results.storeyShareY[wall] = 21.1;
        results.horizontalForceY[wall] = 22.2;
        results.ultimateShearY[wall] = 23.3;
    }
    print();

    const std::string lastX = rowOf(device, 3, "     1    15 ");
    EXPECT_EQ(lastX, expectedResultsRow("     1    15 ", building.at(1, xWalls), true));
    EXPECT_NE(lastX.find("  X  11.10   12.20   13.30"), std::string::npos) << lastX;

    const std::string firstY = rowOf(device, 3, "     1    16 ");
    EXPECT_EQ(firstY, expectedResultsRow("     1    16 ", building.at(1, xWalls + 1), false));
    EXPECT_NE(firstY.find("  Y  21.10   22.20   23.30"), std::string::npos) << firstY;
}

TEST_F(WallDataAndResults, ResultsRowsPrintTheEngineValues) {
    print();
    const WallResult result = building.at(2, 1);
    ASSERT_GT(result.normalForce.number(), 0);
    ASSERT_GT(result.ultimateShearX.number(), 0);
    EXPECT_EQ(rowOf(device, 3, "     2     1 "), expectedResultsRow("     2     1 ", result, true));
    // The direction letter stands under "dir." (columns 78 to 81).
    EXPECT_EQ(rowOf(device, 3, "     2     1 ").substr(79 - 1, 1), "X");
}

} // namespace
} // namespace calvex
