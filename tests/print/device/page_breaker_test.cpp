#include "print/device/page_breaker.h"
#include "support/recording_device.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

namespace calvex {
namespace {

using testing::RecordingDevice;

void printHeadingLines(TextDevice& device) {
    device.printAtColumn(9, "piano");
    device.endLine();
    device.printAtColumn(11, "n");
    device.endLine();
}

void printRows(TextDevice& device, PageBreaker& breaker, int rows) {
    for (int row = 1; row <= rows; ++row) {
        breaker.beforeRow();
        device.printAtColumn(9, "riga " + std::to_string(row));
        device.endLine();
    }
    breaker.close();
}

int countTexts(const RecordingDevice& device, int page, const std::string& prefix) {
    int count = 0;
    for (const auto& item : device.textsOnPage(page))
        if (item.text.starts_with(prefix)) ++count;
    return count;
}

TEST(PageBreaker, WallsToModifyTable) {
    RecordingDevice device;
    device.setFont("Courier New", 12);
    PageBreaker breaker(device, wallsToModifyBreaks, printHeadingLines);
    breaker.printHeadings();
    breaker.setLineCount(3);
    printRows(device, breaker, 120);

    EXPECT_EQ(countTexts(device, 1, "riga "), 81);
    EXPECT_EQ(countTexts(device, 2, "riga "), 39);
    EXPECT_EQ(countTexts(device, 2, "riga 82"), 1);
    // Headings on the first two pages; the closing break adds none.
    EXPECT_EQ(countTexts(device, 1, "piano"), 1);
    EXPECT_EQ(countTexts(device, 2, "piano"), 1);
    EXPECT_TRUE(device.textsOnPage(3).empty());
    EXPECT_EQ(device.pageEnds(), 2);
    EXPECT_EQ(breaker.lineCount(), 0);

    for (int page = 1; page <= 2; ++page) {
        const std::string footer = device.lineText(page, 15800);
        EXPECT_EQ(footer.substr(footer.find("pagina")), "pagina  " + std::to_string(page) + " ");
    }

    // The following page starts at 1000 twips with the headings at 8 points,
    // then an empty line, then the row that caused the break.
    const auto second = device.textsOnPage(2);
    ASSERT_GE(second.size(), 3u);
    EXPECT_EQ(second[0].text, "piano");
    EXPECT_EQ(second[0].y, 1000);
    EXPECT_EQ(second[0].size, 8);
    EXPECT_EQ(second[2].text, "riga 82");
    EXPECT_EQ(second[2].y, 1000 + 3 * 152);

    // A full following page counts 85 rows, all above the footer.
    RecordingDevice longer;
    longer.setFont("Courier New", 8);
    PageBreaker longBreaker(longer, wallsToModifyBreaks, printHeadingLines);
    longBreaker.setLineCount(3);
    printRows(longer, longBreaker, 81 + 85 + 1);
    EXPECT_EQ(countTexts(longer, 2, "riga "), 85);
    EXPECT_EQ(countTexts(longer, 3, "riga "), 1);
    const auto fullPage = longer.textsOnPage(2);
    const auto lastRow = std::find_if(fullPage.rbegin(), fullPage.rend(),
                                      [](const auto& item) { return item.text.starts_with("riga "); });
    ASSERT_NE(lastRow, fullPage.rend());
    EXPECT_LE(lastRow->y + longer.lineHeight(), 15800);
}

TEST(PageBreaker, ARowThatWouldReachTheFooterBreaksThePageFirst) {
    // A table starting low on its page: 20 rows fit above the footer.
    RecordingDevice device;
    device.setFont("Courier New", 8);
    device.setCurrentY(15800 - 23 * 152);
    PageBreaker breaker(device, reportWallTableBreaks, printHeadingLines);
    breaker.printHeadings();
    printRows(device, breaker, 120);

    EXPECT_EQ(countTexts(device, 1, "riga "), 20);
    const std::string footer = device.lineText(1, 15800);
    EXPECT_EQ(footer.substr(footer.find("pagina")), "pagina  1 ");
    // The next page has its headings and restarts the count: 82 rows.
    EXPECT_EQ(countTexts(device, 2, "piano"), 1);
    EXPECT_EQ(countTexts(device, 2, "riga 21"), 1);
    EXPECT_EQ(countTexts(device, 2, "riga "), 82);
    EXPECT_EQ(countTexts(device, 3, "riga "), 18);
    EXPECT_EQ(device.pageEnds(), 3);
}

TEST(PageBreaker, ReportTables) {
    // Every device prints its rows at table size, as the report does.
    // Storey table: the count keeps its value after the break, so it breaks
    // once, before the 8th storey.
    RecordingDevice storeys;
    storeys.setFont("Courier New", 8);
    PageBreaker storeyBreaker(storeys, reportStoreyTableBreaks, printHeadingLines);
    printRows(storeys, storeyBreaker, 20);
    EXPECT_EQ(countTexts(storeys, 1, "riga "), 7);
    EXPECT_EQ(countTexts(storeys, 2, "riga "), 13);
    EXPECT_EQ(countTexts(storeys, 2, "piano"), 1);
    EXPECT_EQ(storeys.textsOnPage(2)[0].y, 800);
    // The closing call ends the second page too.
    EXPECT_EQ(storeys.pageEnds(), 2);
    EXPECT_TRUE(storeys.textsOnPage(3).empty());

    RecordingDevice few;
    few.setFont("Courier New", 8);
    PageBreaker fewBreaker(few, reportStoreyTableBreaks, printHeadingLines);
    printRows(few, fewBreaker, 3);
    EXPECT_EQ(few.pageEnds(), 1);
    EXPECT_TRUE(few.textsOnPage(2).empty());

    // Wall table: 81 lines, then 82 a page.
    RecordingDevice walls;
    walls.setFont("Courier New", 8);
    PageBreaker wallBreaker(walls, reportWallTableBreaks, printHeadingLines);
    printRows(walls, wallBreaker, 100);
    EXPECT_EQ(countTexts(walls, 1, "riga "), 81);
    EXPECT_EQ(countTexts(walls, 2, "riga "), 19);
    EXPECT_EQ(walls.pageEnds(), 2);

    RecordingDevice results;
    results.setFont("Courier New", 8);
    PageBreaker resultBreaker(results, reportResultsTableBreaks, printHeadingLines);
    printRows(results, resultBreaker, 74 + 75);
    EXPECT_EQ(countTexts(results, 1, "riga "), 74);
    EXPECT_EQ(countTexts(results, 2, "riga "), 75);
    EXPECT_EQ(results.pageEnds(), 2);
}

} // namespace
} // namespace calvex
