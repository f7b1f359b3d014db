#include "print/qt/qt_text_device.h"
#include "print/device/page_frame.h"
#include "print/printouts/title_page_printout.h"
#include "print/qt/gui_application.h"
#include "print/report/report_sections.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QPdfWriter>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <memory>
#include <string>
#include <vector>

namespace calvex {
namespace {

class QtTextDeviceTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { testing::ensureGuiApplication(); }
};

int countPages(const QString& fileName) {
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly)) return -1;
    const QString pdf = QString::fromLatin1(file.readAll());
    return static_cast<int>(pdf.count(QRegularExpression("/Type\\s*/Page(?![a-zA-Z])")));
}

TEST_F(QtTextDeviceTest, FixedPitchMetricsInTwips) {
    QTemporaryDir directory;
    ASSERT_TRUE(directory.isValid());
    QPdfWriter writer(directory.filePath("metrics.pdf"));
    qt::setUpA4Pdf(writer);
    qt::QtTextDevice device(writer);
    ASSERT_TRUE(device.isActive());
    // The page box fills the width of A4 less 240 twips on either side.
    EXPECT_NEAR(device.scale(), (11906.0 - 480) / pageBoxWidth, 0.001);

    device.setFont("Courier New", 8);
    EXPECT_EQ(device.characterWidth(), 96);
    EXPECT_EQ(device.textWidth("iiii"), device.textWidth("WWWW"));
    EXPECT_EQ(device.textWidth("località"), 8 * 96);
    EXPECT_EQ(device.lineHeight(), 152);
    device.setFontSize(12);
    EXPECT_EQ(device.characterWidth(), 144);
    EXPECT_GE(device.pageHeight(), 15800 + device.lineHeight());
    // A caption of 45 characters from column 10 ends before column 55:
    // the value jumping there stays on the caption's line.
    device.setCurrentY(1000);
    device.printAtColumn(10, "numero massimo dei piani................... =");
    device.jumpToColumn(55);
    EXPECT_EQ(device.currentY(), 1000);

    // The serif face is proportional.
    device.setFont("Roman", 12);
    EXPECT_LT(device.textWidth("iiii"), device.textWidth("WWWW"));
    device.endDocument();
    EXPECT_FALSE(device.isActive());
}

TEST_F(QtTextDeviceTest, WritesPagesToPdf) {
    QTemporaryDir directory;
    ASSERT_TRUE(directory.isValid());
    const QString fileName = directory.filePath("frame.pdf");
    {
        QPdfWriter writer(fileName);
        qt::setUpA4Pdf(writer);
        qt::QtTextDevice device(writer);
        printTitleLine(device);
        printProjectLine(device, "Prova à");
        device.drawLine(1440, 2000, 10000, 2000, 15);
        printPageFooter(device);
        device.newPage();
        device.setCurrentY(1000);
        device.printAtColumn(10, "seconda pagina");
        printPageFooter(device);
        EXPECT_EQ(device.pageNumber(), 2);
        // A break with nothing after it, as a table's closing call makes.
        device.newPage();
        device.endDocument();
    }
    ASSERT_TRUE(QFile::exists(fileName));
    EXPECT_EQ(countPages(fileName), 2);
}

// Notes where each text ends, measured with the printer's own fonts.
class MeasuringDevice : public qt::QtTextDevice {
public:
    using QtTextDevice::QtTextDevice;
    struct Drawn {
        std::string text;
        int right;
    };
    std::vector<Drawn> drawn;

protected:
    void drawText(int x, int y, std::string_view text) override {
        drawn.push_back({std::string(text), x + textWidth(text)});
        qt::QtTextDevice::drawText(x, y, text);
    }
};

TEST_F(QtTextDeviceTest, TitlePageTextsOfSixtyCapitalsStayOnTheSheet) {
    const std::string wide(60, 'W');
    ProjectData project;
    for (int field = 0; field < kTitleFieldCount; ++field) project.setTitle(static_cast<TitleField>(field), wide);
    QTemporaryDir directory;
    ASSERT_TRUE(directory.isValid());
    QPdfWriter writer(directory.filePath("title.pdf"));
    qt::setUpA4Pdf(writer);
    MeasuringDevice device(writer);
    report::printTitlePage(device, project, wide, wide);
    device.setFont("Courier New", 12); // as the report's pages leave it
    report::printClosing(device, project, wide);
    printouts::printTitlePageData(device, project, wide, wide);

    int whole = 0;
    for (const auto& text : device.drawn) {
        EXPECT_LE(text.right, pageBoxWidth) << text.text;
        whole += text.text.find(wide) != std::string::npos;
    }
    // None cut: nine texts on the report's title page (no attachments
    // there; place and date share a line), three lines of the report's
    // close, ten on the printout.
    EXPECT_EQ(whole, 9 + 3 + 10);
}

} // namespace
} // namespace calvex
