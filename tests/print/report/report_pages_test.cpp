#include "print/report/report_printout.h"

#include "engine/test_building.h"
#include "support/recording_device.h"

#include <gtest/gtest.h>

#include <algorithm>

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace calvex {
namespace {

using testing::RecordingDevice;
using testing::TestBuilding;
using testing::WallTexts;

std::optional<RecordingDevice::Item> findText(const RecordingDevice& device, int page, const std::string& text) {
    for (const auto& item : device.textsOnPage(page))
        if (item.text == text) return item;
    return std::nullopt;
}

// Two storeys of one X and one Y wall, with every title-page text set.
class ReportPages : public ::testing::Test {
protected:
    ReportPages() : building(2, 1, 1) {
        for (int storey = 1; storey <= 2; ++storey) {
            building.storey(storey, "3", "1.8");
            building.wall(storey, 1, WallTexts{"4", "0.3", "2", "0"});
            building.wall(storey, 2, WallTexts{"0.3", "4", "0", "2"});
        }
        ProjectData& project = *building.project;
        project.setGeneral(GeneralField::strutt, FieldValue::text("12.5"));
        project.setGeneral(GeneralField::riduz, FieldValue::text("0,33"));
        project.setTitle(TitleField::progetto, "Casa Rossi");
        project.setTitle(TitleField::localita, "Assisi");
        project.setTitle(TitleField::committente, "Mario Rossi");
        project.setTitle(TitleField::architettonico, "Arch. Verdi");
        project.setTitle(TitleField::direttore, "Geom. Neri");
        project.setTitle(TitleField::luogo, "Perugia");
        project.setTitle(TitleField::data, "1 marzo 2024");
        project.setTitle(TitleField::allegati, "tavole 1-3");
    }

    void print() {
        device = RecordingDevice();
        report::printCalculationReport(device, *building.project, "Ing. Bianchi", "Via Roma 1, Perugia");
    }

    TestBuilding building;
    RecordingDevice device;
};

TEST_F(ReportPages, TitlePageLinesInRoman) {
    print();
    for (const auto& item : device.textsOnPage(1)) EXPECT_EQ(item.font, "Roman") << item.text;
    const auto title = findText(device, 1, "VERIFICA ANTISISMICA");
    ASSERT_TRUE(title.has_value());
    EXPECT_EQ(title->y, 1000);
    EXPECT_EQ(title->column, 6);
    EXPECT_EQ(title->size, 24);
    EXPECT_EQ(device.lineText(1, 1000 + 456), "         (per un edificio in muratura portante)");
    EXPECT_EQ(device.lineText(1, 1000 + 456 + 4 * 266), "         progetto:" + std::string(2, ' ') + "Casa Rossi");
    EXPECT_EQ(device.lineText(1, 1000 + 456 + 7 * 266), "         localit\u00e0:  Assisi");
    const int people = 1000 + 456 + 17 * 266;
    EXPECT_EQ(device.lineText(1, people), "         committente:                Mario Rossi");
    EXPECT_EQ(device.lineText(1, people + 266), "         progettista architettonico: Arch. Verdi");
    EXPECT_EQ(device.lineText(1, people + 2 * 266), "         direttore dei lavori:       Geom. Neri");
    EXPECT_EQ(device.lineText(1, people + 3 * 266), "         calcolatore:                Ing. Bianchi");
    EXPECT_EQ(device.lineText(1, people + 5 * 266), "         Perugia - 1 marzo 2024");
    const auto name = findText(device, 1, "Ing. Bianchi");
    ASSERT_TRUE(name.has_value());
    EXPECT_EQ(name->size, 14);
    EXPECT_FALSE(findText(device, 1, "pagina ").has_value());
}

TEST_F(ReportPages, TitlePageClosesWithTheCalculatorBetweenTwoRules) {
    print();
    std::vector<int> ruleYs;
    for (const auto& item : device.items())
        if (item.kind == RecordingDevice::Kind::Line) {
            EXPECT_EQ(item.page, 1);
            EXPECT_EQ(item.x, 1000);
            EXPECT_EQ(item.x2, 10000);
            EXPECT_EQ(item.y2, item.y);
            EXPECT_EQ(item.width, 5);
            ruleYs.push_back(item.y);
        }
    EXPECT_EQ(ruleYs, (std::vector<int>{14000, 15300}));
    // Between the rules: an empty line at 14 points, then name and address.
    const auto texts = device.textsOnPage(1);
    const auto name = std::find_if(texts.begin(), texts.end(),
                                   [](const auto& item) { return item.text == "Ing. Bianchi" && item.size == 16; });
    const auto address = findText(device, 1, "Via Roma 1, Perugia");
    ASSERT_NE(name, texts.end());
    ASSERT_TRUE(address.has_value());
    EXPECT_EQ(name->column, 10);
    EXPECT_EQ(name->y, 14000 + 266);
    EXPECT_EQ(address->size, 16);
    EXPECT_EQ(address->column, 10);
    EXPECT_EQ(address->y, name->y + 304);
    EXPECT_EQ(device.items().front().page, 1);
    EXPECT_EQ(findText(device, 2, "RELAZIONE DI CALCOLO").value().y, 1000);
}

TEST_F(ReportPages, ExactMethodStatement) {
    print();
    // Line number (from 1), column, text; an empty line follows lines 20, 21 and 31.
    const std::array<std::pair<int, std::string>, 8> samples{{
        {1, "Il presente calcolo \u00e8 stato eseguito secondo le norme tecniche del"},
        {2, "D.M. 9/1/1996. La verifica \u00e8 effettuata  'a rottura'  riferendosi,"},
        {11, "e degli sbalzi,  oltre che dei tramezzi  gravanti su di essi,  con"},
        {21, "Tu = A * tk * sqr( 1 + (so+sx+sy)/1.5*tk + (so+sy)*sx/2.25*tk^2)"},
        {23, "A   = area della sezione normale del pannello;"},
        {27, "dovuta ai carichi verticali agenti;"},
        {30, "sx  = tensione normale orizzontale nel centro del  pannello"},
        {35, "delle due direzioni X e Y (vedi il paragrafo D)."},
    }};
    std::vector<RecordingDevice::Item> lines;
    for (const auto& item : device.textsOnPage(2))
        if (item.size == 12 && item.y > 1000 && item.text != "A) DATI GENERALI" && lines.size() < 35)
            lines.push_back(item);
    ASSERT_EQ(lines.size(), 35u);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const int number = static_cast<int>(i) + 1;
        const int gaps = (number > 20) + (number > 21) + (number > 31);
        EXPECT_EQ(lines[i].y, 1000 + 2 * 380 + (number - 1 + gaps) * 228) << number;
        const bool symbol = number >= 23 && number <= 30 && number != 27 && number != 29;
        const bool continued = number == 27 || number == 29 || number == 31;
        EXPECT_EQ(lines[i].column, symbol ? 18 : continued ? 24 : 10) << number;
    }
    for (const auto& [number, text] : samples) EXPECT_EQ(lines[number - 1].text, text) << number;
    const auto section = findText(device, 2, "A) DATI GENERALI");
    ASSERT_TRUE(section.has_value());
    EXPECT_EQ(section->size, 16);
    EXPECT_EQ(section->y, lines.back().y + 228 + 304);
}

TEST_F(ReportPages, GeneralDataValuesEndAtTheValueColumn) {
    print();
    const auto lineOf = [this](const std::string& caption) {
        const auto item = findText(device, 2, caption);
        return item ? device.lineText(2, item->y) : std::string();
    };
    const std::string pad(9, ' ');
    EXPECT_EQ(lineOf("grado di sismicit\u00e0......................... ="),
              pad + "grado di sismicit\u00e0......................... =  9 ");
    EXPECT_EQ(lineOf("coefficiente di struttura.................. ="),
              pad + "coefficiente di struttura.................. = 12.5 ");
    EXPECT_EQ(lineOf("coefficiente di riduzione dei sovraccarichi ="),
              pad + "coefficiente di riduzione dei sovraccarichi =  0,33");
    EXPECT_EQ(lineOf("numero massimo dei piani................... ="),
              pad + "numero massimo dei piani................... =  2 ");
    EXPECT_EQ(lineOf("numero massimo dei setti in direzione Y.... ="),
              pad + "numero massimo dei setti in direzione Y.... =  1 ");
}

TEST_F(ReportPages, PageCountLineStatesItsOwnPage) {
    print();
    const auto count = [this]() -> std::optional<RecordingDevice::Item> {
        for (const auto& item : device.texts())
            if (item.text.starts_with("La presente relazione")) return item;
        return std::nullopt;
    }();
    ASSERT_TRUE(count.has_value());
    // Title, A, B, C, then D with the closing.
    EXPECT_EQ(count->page, 5);
    EXPECT_EQ(count->column, 8);
    EXPECT_EQ(device.lineText(5, count->y), "       La presente relazione \u00e8 composta di n. 5  pagine.");
    EXPECT_EQ(device.lineText(5, count->y + 228), "       Si allegano: tavole 1-3");
    EXPECT_EQ(device.lineText(5, count->y + 3 * 228), "       Perugia: 1 marzo 2024");
    EXPECT_EQ(findText(device, 5, "il calcolatore").value().column, 50);
    EXPECT_EQ(findText(device, 5, "(Ing. Bianchi)").value().column, 50);
    const std::string footer = device.lineText(5, 15800);
    EXPECT_EQ(footer.substr(footer.find("pagina")), "pagina  5 ");
    EXPECT_EQ(device.pageEnds(), 4);
    EXPECT_EQ(device.documentEnds(), 1);
    EXPECT_EQ(device.items().back().kind, RecordingDevice::Kind::DocumentEnd);
}

} // namespace
} // namespace calvex
