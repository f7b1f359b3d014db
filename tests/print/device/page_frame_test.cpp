#include "print/device/page_frame.h"
#include "support/recording_device.h"

#include <gtest/gtest.h>

namespace calvex {
namespace {

using testing::RecordingDevice;

TEST(PageFrame, TitleProjectLineAndFooter) {
    RecordingDevice device;
    printTitleLine(device);
    printProjectLine(device, "Scuola via Roma");
    device.newPage();
    printPageFooter(device);

    const auto texts = device.texts();
    ASSERT_EQ(texts.size(), 4u);
    EXPECT_EQ(texts[0].text, "CALVEX - verifica antisismica di edifici in muratura");
    EXPECT_EQ(texts[0].font, "Courier New");
    EXPECT_EQ(texts[0].size, 18);
    EXPECT_EQ(texts[0].column, 7);
    EXPECT_EQ(texts[0].y, 800);

    EXPECT_EQ(texts[1].text, "Progetto: Scuola via Roma");
    EXPECT_EQ(texts[1].size, 12);
    EXPECT_EQ(texts[1].column, 10);
    EXPECT_EQ(texts[1].y, 800 + 342);

    EXPECT_EQ(texts[2].text, "pagina ");
    EXPECT_EQ(texts[2].x, 9800);
    EXPECT_EQ(texts[2].y, 15800);
    EXPECT_EQ(texts[2].size, 12);
    EXPECT_EQ(texts[3].text, " 2 ");
    EXPECT_EQ(texts[3].x, 9800 + 7 * 144);
    EXPECT_EQ(texts[3].y, 15800);

    RecordingDevice titlePage;
    printTitleLine(titlePage, frameTitlePageFont, frameTitlePageFirstTop);
    EXPECT_EQ(titlePage.texts()[0].font, "Roman");
    EXPECT_EQ(titlePage.texts()[0].y, 1000);
    EXPECT_EQ(titlePage.fontSize(), 12);
}

TEST(PageFrame, NumbersEndingAtAColumn) {
    RecordingDevice device;
    device.setFont("Courier New", 8);
    device.setCurrentY(2000);
    printNumberEndingAt(device, 11, 9);
    device.endLine();
    printNumberEndingAt(device, 11, 10);
    printNumberEndingAt(device, 18, 100);
    device.endLine();
    printNumberEndingAt(device, 11, -3);

    const std::string nine = device.lineText(1, 2000);
    const std::string ten = device.lineText(1, 2152);
    const std::string minus = device.lineText(1, 2304);
    EXPECT_EQ(nine, "          9 ");
    EXPECT_EQ(ten, "         10    100 ");
    EXPECT_EQ(ten[17], '0');
    EXPECT_EQ(minus, "         -3 ");
}

} // namespace
} // namespace calvex
