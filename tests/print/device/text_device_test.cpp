#include "support/recording_device.h"

#include <gtest/gtest.h>

namespace calvex {
namespace {

using testing::RecordingDevice;

TEST(TextDevice, ColumnJumpsAndLineEnds) {
    RecordingDevice device;
    device.setFont("Courier New", 8);
    device.setCurrentY(800);

    device.printAtColumn(10, "piano");
    ASSERT_EQ(device.texts().size(), 1u);
    EXPECT_EQ(device.texts()[0].x, 9 * 96);
    EXPECT_EQ(device.texts()[0].column, 10);
    EXPECT_EQ(device.currentX(), 14 * 96);

    // A jump to the column the position already stands on stays on the line.
    device.printAtColumn(15, "setto");
    EXPECT_EQ(device.texts()[1].y, 800);
    EXPECT_EQ(device.texts()[1].column, 15);

    // A jump to a column behind the position goes to the next line.
    device.printAtColumn(12, "n");
    EXPECT_EQ(device.texts()[2].y, 952);
    EXPECT_EQ(device.texts()[2].column, 12);

    device.endLine();
    EXPECT_EQ(device.currentX(), 0);
    EXPECT_EQ(device.currentY(), 1104);

    // The line height is that of the font in use when the line ends.
    device.setFontSize(12);
    device.endLine();
    EXPECT_EQ(device.currentY(), 1332);
    EXPECT_EQ(device.lineText(1, 800), "         pianosetto");
}

TEST(TextDevice, NumbersPrintedAsNumbers) {
    EXPECT_EQ(shortestNumberText(3), "3");
    EXPECT_EQ(shortestNumberText(0.1), "0.1");
    EXPECT_EQ(shortestNumberText(-2.25), "-2.25");
    EXPECT_EQ(shortestNumberText(-0.0), "0");
    EXPECT_EQ(shortestNumberText(1234567), "1234567");

    RecordingDevice device;
    device.printNumber(3);
    device.printNumber(-2.5);
    device.printNumber(0);
    device.setNumberFormatter([](double value) {
        std::string text = shortestNumberText(value);
        for (char& c : text)
            if (c == '.') c = ',';
        return text;
    });
    device.printNumber(1.5);
    const auto texts = device.texts();
    ASSERT_EQ(texts.size(), 4u);
    EXPECT_EQ(texts[0].text, " 3 ");
    EXPECT_EQ(texts[1].text, "-2.5 ");
    EXPECT_EQ(texts[2].text, " 0 ");
    EXPECT_EQ(texts[3].text, " 1,5 ");
    EXPECT_EQ(device.currentX(), (3 + 5 + 3 + 5) * 144);
}

TEST(TextDevice, PagesAndDocuments) {
    RecordingDevice device;
    EXPECT_EQ(device.pageNumber(), 1);
    device.setCurrentX(500);
    device.setCurrentY(15800);
    device.newPage();
    EXPECT_EQ(device.pageNumber(), 2);
    EXPECT_EQ(device.currentX(), 0);
    EXPECT_EQ(device.currentY(), 0);
    device.printText("seconda");
    EXPECT_EQ(device.textsOnPage(2).size(), 1u);
    EXPECT_TRUE(device.textsOnPage(1).empty());

    // Nothing is drawn for an empty text, and the position stays.
    device.printText("");
    EXPECT_EQ(device.texts().size(), 1u);

    device.endDocument();
    EXPECT_EQ(device.pageNumber(), 1);
    EXPECT_EQ(device.pageEnds(), 1);
    EXPECT_EQ(device.documentEnds(), 1);

    device.drawLine(100, 200, 9000, 200, 15);
    const auto& line = device.items().back();
    EXPECT_EQ(line.kind, RecordingDevice::Kind::Line);
    EXPECT_EQ(line.x2, 9000);
    EXPECT_EQ(line.width, 15);
    EXPECT_EQ(device.currentX(), 9000);
    EXPECT_EQ(device.currentY(), 200);

    // A text below the bottom of the page starts a new page at its top.
    RecordingDevice shortPage(1000);
    shortPage.setFont("Courier New", 8);
    shortPage.setCurrentY(848);
    shortPage.printAtColumn(3, "ultima");
    shortPage.endLine();
    shortPage.printAtColumn(3, "oltre");
    EXPECT_EQ(shortPage.pageEnds(), 1);
    ASSERT_EQ(shortPage.textsOnPage(2).size(), 1u);
    EXPECT_EQ(shortPage.textsOnPage(2)[0].y, 0);
    EXPECT_EQ(shortPage.textsOnPage(2)[0].column, 3);
}

TEST(TextDevice, FittingTextIsSetSmallerOnlyWhenItWouldRunOffTheBox) {
    RecordingDevice device;
    device.setFont("Courier New", 18);
    device.printFittingAtColumn(10, "VERIFICA");
    const std::string wide(60, 'W');
    device.printFittingAtColumn(10, wide);
    // From beyond the box nothing fits: the smallest size, and no hang.
    device.setCurrentX(pageBoxWidth + 100);
    device.printFittingText("X");
    device.printAtColumn(1, "dopo");

    const auto texts = device.texts();
    ASSERT_EQ(texts.size(), 4u);
    EXPECT_EQ(texts[0].size, 18);
    EXPECT_EQ(texts[1].text, wide);
    EXPECT_LT(texts[1].size, 18);
    EXPECT_LE(texts[1].x + 60 * 12 * texts[1].size, pageBoxWidth);
    // Stepped down no further than needed: half a point more would not fit.
    EXPECT_GT(texts[1].x + 60 * 12 * (texts[1].size + 0.5), pageBoxWidth);
    // It starts where the column of the full size starts.
    EXPECT_EQ(texts[1].x, texts[0].x);
    EXPECT_EQ(texts[2].size, 4);
    EXPECT_EQ(texts[3].size, 18);
}

TEST(TextDevice, FittingTextTooWideEvenAtTheSmallestSizeGoesOnOverLinesWhole) {
    RecordingDevice device;
    device.setFont("Courier New", 14);
    std::string text;
    for (int i = 0; i < 2000; ++i) text += i % 7 == 0 ? "\u00e0" : "x";
    device.printFittingAtColumn(5, text);

    EXPECT_EQ(device.fontSize(), 14);
    const auto texts = device.texts();
    ASSERT_GT(texts.size(), 1u);
    device.setFontSize(4);
    std::string joined;
    for (const auto& piece : texts) {
        joined += piece.text;
        EXPECT_EQ(piece.x, texts[0].x);
        EXPECT_EQ(piece.size, 4);
        EXPECT_LE(piece.x + device.textWidth(piece.text), pageBoxWidth);
    }
    EXPECT_EQ(joined, text);
}

TEST(RecordingDevice, MetricsFollowFontAndSize) {
    RecordingDevice device;
    device.setFont("Courier New", 8);
    EXPECT_EQ(device.characterWidth(), 96);
    EXPECT_EQ(device.lineHeight(), 152);
    device.setFontSize(12);
    EXPECT_EQ(device.characterWidth(), 144);
    EXPECT_EQ(device.lineHeight(), 228);
    device.setFontName("Roman");
    EXPECT_EQ(device.fontName(), "Roman");
    EXPECT_EQ(device.characterWidth(), 120);
    EXPECT_EQ(device.lineHeight(), 228);
    // Accented letters are one character each.
    EXPECT_EQ(device.textWidth("località:"), 9 * 120);
}

} // namespace
} // namespace calvex
