// Texts holding characters an XML document cannot: the editable report
// stays well-formed and shows them as the same marks the printed report
// draws, with nothing cut at a NUL.

#include "print/documents/odt_word_document.h"
#include "print/documents/report_document.h"
#include "print/report/report_printout.h"

#include "engine/test_building.h"
#include "print/documents/odt_package_reader.h"
#include "support/recording_device.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace calvex {
namespace {

using namespace std::string_literals;

// U+0001, U+000B, U+FFFE, U+FFFF and a NUL, each between two letters.
const std::string forbidden =
    "a\x01"
    "b\x0B"
    "c\xEF\xBF\xBE"
    "d\xEF\xBF\xBF"
    "e\0f"s;
const std::string shown = "a?b?c?d?e?f";

class ForbiddenCharacters : public ::testing::Test {
protected:
    ForbiddenCharacters() : building(1, 1, 1) {
        building.storey(1, "3", "1.8");
        building.wall(1, 1, testing::WallTexts{"4", "0.3", "2", "0"});
        building.wall(1, 2, testing::WallTexts{"0.3", "4", "0", "2"});
        EXPECT_TRUE(building.run(1).complete);
        ProjectData& project = *building.project;
        for (int field = 0; field < kTitleFieldCount; ++field)
            project.setTitle(static_cast<TitleField>(field), "titolo " + std::to_string(field) + " " + forbidden);
        project.setGeneral(GeneralField::riduz, FieldValue::text("riduz " + forbidden));
        project.setGeneral(GeneralField::protez, FieldValue::text("protez " + forbidden));
    }

    // Every text that should show in a report, as it should show.
    std::vector<std::string> expectedTexts() const {
        std::vector<std::string> texts{"riduz " + shown, "protez " + shown, "Ing. " + shown};
        for (int field = 0; field < kTitleFieldCount; ++field)
            texts.push_back("titolo " + std::to_string(field) + " " + shown);
        return texts;
    }

    testing::TestBuilding building;
    const std::string calculator = "Ing. " + forbidden;
};

TEST_F(ForbiddenCharacters, TheEditableReportIsWellFormedAndShowsEveryTextWhole) {
    documents::OdtWordDocument document;
    documents::buildReportDocument(document, *building.project, calculator, {});
    const std::optional<std::string> bytes = document.package();
    ASSERT_TRUE(bytes.has_value());
    const testing::OdtPackage package = testing::readPackage(*bytes);
    for (const char* stream : {"content.xml", "styles.xml", "meta.xml"}) {
        bool wellFormed = false;
        testing::elementsOf(package.entries.at(stream), &wellFormed);
        EXPECT_TRUE(wellFormed) << stream;
    }

    QString content;
    for (const QString& paragraph : testing::paragraphTexts(package.entries.at("content.xml")))
        content += paragraph + '\n';
    for (const std::string& text : expectedTexts()) EXPECT_TRUE(content.contains(QString::fromStdString(text))) << text;
    const std::string& meta = package.entries.at("meta.xml");
    EXPECT_NE(meta.find("<dc:title>Relazione di calcolo: titolo 0 " + shown + "</dc:title>"), std::string::npos);
    EXPECT_NE(meta.find("<dc:creator>Ing. " + shown + "</dc:creator>"), std::string::npos);
}

TEST_F(ForbiddenCharacters, ThePrintedReportDrawsTheSameMarks) {
    testing::RecordingDevice device;
    report::printCalculationReport(device, *building.project, calculator, "Via " + forbidden);
    std::string drawn;
    for (const auto& item : device.texts()) drawn += item.text + '\n';
    std::vector<std::string> expected = expectedTexts();
    expected.push_back("Via " + shown);
    for (const std::string& text : expected) EXPECT_NE(drawn.find(text), std::string::npos) << text;
}

} // namespace
} // namespace calvex
