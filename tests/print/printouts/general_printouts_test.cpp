#include "print/printouts/general_printouts.h"
#include "support/recording_device.h"

#include "model/numeric_text.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <stdexcept>
#include <string>
#include <vector>

namespace calvex {
namespace {

using testing::RecordingDevice;

// A locale with a decimal comma, so that numbers printed as numbers show
// which formatter wrote them.
std::string commaNumber(double value) { return pointsToCommas(shortestNumberText(value)); }

// The lines of page 1 from top to bottom, as lineText reads them.
std::vector<std::string> pageLines(const RecordingDevice& device) {
    std::vector<int> tops;
    for (const auto& item : device.textsOnPage(1))
        if (std::find(tops.begin(), tops.end(), item.y) == tops.end()) tops.push_back(item.y);
    std::sort(tops.begin(), tops.end());
    std::vector<std::string> lines;
    for (int y : tops) lines.push_back(device.lineText(1, y));
    return lines;
}

RecordingDevice::Item itemWithText(const RecordingDevice& device, const std::string& text) {
    const auto texts = device.texts();
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

TEST(GeneralDataTemplate, HeadingsAndCaptionsStandWhereTheyBelong) {
    RecordingDevice device;
    printouts::printGeneralDataTemplate(device, commaNumber);

    const auto texts = device.texts();
    EXPECT_EQ(texts[0].text, "CALVEX - verifica antisismica di edifici in muratura");
    EXPECT_EQ(texts[0].size, 18);
    EXPECT_EQ(texts[0].y, 800);

    // Title line at 18 points (342 twips), two empty lines at 12 (228 each).
    const auto heading = itemWithText(device, "ACQUISIZIONE DATI GENERALI");
    EXPECT_EQ(heading.column, 10);
    EXPECT_EQ(heading.size, 12);
    EXPECT_EQ(heading.font, "Courier New");
    EXPECT_EQ(heading.y, 800 + 342 + 2 * 228);

    const auto grado = itemWithText(device, "grado di sismicit\u00e0......................... = __________");
    EXPECT_EQ(grado.column, 10);
    EXPECT_EQ(grado.y, heading.y + 4 * 228);
    const auto numsety = itemWithText(device, "numero massimo dei setti in direzione Y.... = __________");
    EXPECT_EQ(numsety.y, grado.y + 6 * 2 * 228);
    const auto reference =
        itemWithText(device, "Riferimento della verifica: __________________________________________");
    EXPECT_EQ(reference.column, 10);
    EXPECT_EQ(reference.y, numsety.y + 3 * 228);

    const auto columns = itemWithText(device,
                                      "piano   peso sp.muro    carichi solai   sovracc.solai   carichi sbalzi   "
                                      "sovracc.sbalzi   altezza lorda");
    EXPECT_EQ(columns.column, 9);
    EXPECT_EQ(columns.size, 8);
    const auto units = itemWithText(device,
                                    "  n.        t/mq            t/mq            t/mq             t/mq            "
                                    "t /mq              m");
    EXPECT_EQ(units.column, 9);
    EXPECT_EQ(units.y, columns.y + 152);
    EXPECT_EQ(device.documentEnds(), 1);
    EXPECT_EQ(device.pageEnds(), 0);
}

TEST(GeneralDataTemplate, TwentyStoreyLinesWithTheirNumbersEndingInColumn11) {
    RecordingDevice device;
    printouts::printGeneralDataTemplate(device, commaNumber);
    const std::string blanks =
        "_____________   _____________   _____________   ______________   "
        "______________   _____________";

    const auto lines = pageLines(device);
    const auto rows = std::count_if(lines.begin(), lines.end(),
                                    [&blanks](const std::string& line) { return line.find(blanks) == 16; });
    EXPECT_EQ(rows, 20);
    EXPECT_EQ(lineStartingWith(lines, "          1 "), "          1     " + blanks);
    const std::string& nine = lineStartingWith(lines, "          9 ");
    const std::string& ten = lineStartingWith(lines, "         10 ");
    EXPECT_EQ(nine[10], '9');
    EXPECT_EQ(ten[10], '0');
    EXPECT_EQ(ten.find(blanks), 16u);
    EXPECT_NO_THROW(lineStartingWith(lines, "         20 "));

    // An empty line after every storey line.
    const auto one = itemWithText(device, " 1 ");
    const auto two = itemWithText(device, " 2 ");
    EXPECT_EQ(two.y - one.y, 2 * 152);
}

class GeneralDataTableTest : public ::testing::Test {
protected:
    GeneralDataTableTest() {
        project.setGeneral(GeneralField::np, FieldValue::text("10"));
        project.introduceStoreys(10);
        project.setFloor(10, FloorField::specifico, FieldValue::text("1.8"));
        project.setFloor(10, FloorField::permsolai, FieldValue::text("0,5"));
        project.setFloor(10, FloorField::accsolai, FieldValue::text("0.2"));
        project.setFloor(10, FloorField::permsbalzi, FieldValue::text("0.45"));
        project.setFloor(10, FloorField::accsbalzi, FieldValue::text("0.405"));
        project.setFloor(10, FloorField::hp, FieldValue::text("3"));
        project.setTitle(TitleField::progetto, "Scuola via Roma");
        texts.grado = "9";
        texts.strutt = "2.5";
        texts.riduz = "0.33";
        texts.protez = "1,2";
        texts.np = "10";
        texts.numsetx = "4";
        texts.numsety = "6";
    }

    std::vector<std::string> print() {
        printouts::printGeneralDataTable(device, project, texts, commaNumber);
        return pageLines(device);
    }

    ProjectData project;
    GeneralFieldTexts texts;
    RecordingDevice device;
};

TEST_F(GeneralDataTableTest, GeneralValuesAlignOnColumn57) {
    const auto lines = print();
    const std::string pad(9, ' ');
    EXPECT_EQ(lineStartingWith(lines, pad + "grado"), pad + "grado di sismicit\u00e0......................... =  9 ");
    // Right-aligned on the whole part, written by the locale's formatter.
    EXPECT_EQ(lineStartingWith(lines, pad + "coefficiente di struttura"),
              pad + "coefficiente di struttura.................. =  2,5 ");
    // As held, starting at column 57.
    EXPECT_EQ(lineStartingWith(lines, pad + "coefficiente di riduzione"),
              pad + "coefficiente di riduzione dei sovraccarichi =  0.33");
    EXPECT_EQ(lineStartingWith(lines, pad + "coefficiente di protezione"),
              pad + "coefficiente di protezione sismica......... =  1,2");
    EXPECT_EQ(lineStartingWith(lines, pad + "numero massimo dei piani"),
              pad + "numero massimo dei piani................... = 10 ");
    EXPECT_EQ(lineStartingWith(lines, pad + "numero massimo dei setti in direzione X"),
              pad + "numero massimo dei setti in direzione X.... =  4 ");
    EXPECT_EQ(lineStartingWith(lines, pad + "numero massimo dei setti in direzione Y"),
              pad + "numero massimo dei setti in direzione Y.... =  6 ");

    const auto heading = itemWithText(device, "DATI GENERALI");
    EXPECT_EQ(heading.column, 10);
    EXPECT_EQ(heading.y, 800 + 342 + 2 * 228);
    const auto projectLine = itemWithText(device, "Progetto: Scuola via Roma");
    EXPECT_EQ(projectLine.column, 10);
    EXPECT_EQ(projectLine.y, heading.y + 4 * 228 + 7 * 2 * 228 + 228);
}

TEST_F(GeneralDataTableTest, AThreeDigitCountStillEndsOnColumn57OfTheNextLine) {
    // Its jump goes to column 54, where the caption's "=" stands.
    texts.numsety = "100";
    const auto lines = print();
    const auto caption =
        std::find(lines.begin(), lines.end(), "         numero massimo dei setti in direzione Y.... =");
    ASSERT_NE(caption, lines.end());
    EXPECT_EQ(*(caption + 1), std::string(53, ' ') + " 100 ");
}

TEST_F(GeneralDataTableTest, StoreyHeadingsAtTheirColumns) {
    print();
    const std::vector<std::pair<std::string, int>> headings{{"piano", 9},           {"peso sp.muro", 17},
                                                            {"carichi solai", 33},  {"sovracc.solai", 49},
                                                            {"carichi sbalzi", 65}, {"sovracc.sbalzi", 82},
                                                            {"altezza lorda", 99},  {"n.", 11},
                                                            {"t/mc", 21},           {"m", 105}};
    for (const auto& [text, column] : headings) {
        const auto item = itemWithText(device, text);
        EXPECT_EQ(item.column, column) << text;
        EXPECT_EQ(item.size, 8) << text;
    }
    std::vector<int> unitColumns;
    for (const auto& item : device.texts())
        if (item.text == "t/mq") unitColumns.push_back(item.column);
    EXPECT_EQ(unitColumns, (std::vector<int>{37, 53, 70, 87}));
}

TEST_F(GeneralDataTableTest, StoreyRowsInFixedWidths) {
    const auto lines = print();
    // Widths 12, 16, 16, 17, 17 and 17 after the storey number.
    EXPECT_EQ(lineStartingWith(lines, "         10 "),
              "         10 "
              "        1.80"
              "            0.50"
              "            0.20"
              "             0.45"
              "             0.41"
              "             3.00");
    const std::string& nine = lineStartingWith(lines, "          9 ");
    EXPECT_EQ(nine[10], '9');
    EXPECT_EQ(lineStartingWith(lines, "         10 ")[10], '0');
    EXPECT_EQ(nine.size(), 12u + 12 + 16 + 16 + 17 + 17 + 17);
    EXPECT_THROW(lineStartingWith(lines, "         11 "), std::runtime_error);
    EXPECT_EQ(device.documentEnds(), 1);
}

TEST_F(GeneralDataTableTest, ALongValuePushesTheRestOfTheRowRight) {
    project.setFloor(1, FloorField::specifico, FieldValue::text("1234567890"));
    project.setFloor(1, FloorField::permsolai, FieldValue::text("1"));
    const auto lines = print();
    EXPECT_EQ(lineStartingWith(lines, "          1 ").substr(12, 29),
              "1234567890.00"
              "            1.00");
}

} // namespace
} // namespace calvex
