#include "print/documents/report_document.h"
#include "support/recording_word_document.h"

#include "engine/test_building.h"
#include "model/number_pattern.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace calvex {
namespace {

using testing::RecordingWordDocument;
using testing::TestBuilding;
using testing::WallTexts;
using Alignment = documents::WordDocument::Alignment;

// Two storeys of three X walls and two Y walls, verified by the engine.
class ReportDocument : public ::testing::Test {
protected:
    ReportDocument() : building(2, 3, 2) {
        for (int storey = 1; storey <= 2; ++storey) {
            building.storey(storey, "3", "1.8");
            for (int wall = 1; wall <= 5; ++wall) {
                const bool x = wall <= 3;
                const std::string position = std::to_string(2 * wall);
                building.wall(storey, wall,
                              WallTexts{x ? "4" : "0.3", x ? "0.3" : "4", x ? position : "9", x ? "6" : position});
            }
        }
        ProjectData& project = *building.project;
        project.setFloor(2, FloorField::permsolai, FieldValue::text("1234,5"));
        project.setGeneral(GeneralField::strutt, FieldValue::text("12.5"));
        project.setGeneral(GeneralField::riduz, FieldValue::text("0,33"));
        project.setTitle(TitleField::progetto, "Casa Rossi");
        project.setTitle(TitleField::localita, "Assisi");
        project.setTitle(TitleField::luogo, "Perugia");
        project.setTitle(TitleField::data, "1 marzo 2024");
        project.setTitle(TitleField::allegati, "tavole 1-3");
        EXPECT_TRUE(building.run(1).complete);
    }

    void build(const NumberSymbols& symbols = {}) {
        documents::buildReportDocument(document, *building.project, "Ing. Bianchi", symbols);
    }

    const RecordingWordDocument::Table& table(int number) const { return document.tables().at(number - 1); }

    TestBuilding building;
    RecordingWordDocument document{7};
};

TEST_F(ReportDocument, TitleBlockMethodAndClosingInTheirOrder) {
    build();
    const auto& paragraphs = document.paragraphs();
    ASSERT_GE(paragraphs.size(), 30u);
    EXPECT_EQ(paragraphs[0].text, "VERIFICA ANTISISMICA");
    EXPECT_EQ(paragraphs[0].font, "Century Gothic");
    EXPECT_EQ(paragraphs[0].size, 20);
    EXPECT_EQ(paragraphs[1].text, "(per un edificio in muratura portante)");
    EXPECT_FALSE(paragraphs[1].bold);
    const std::vector<std::string> people{
        "progetto: Casa Rossi", "in localit\u00e0: Assisi",  "committente: ",
        "progettista: ",        "calcolatore: Ing. Bianchi", "direttore dei lavori: "};
    for (std::size_t i = 0; i < people.size(); ++i) {
        EXPECT_EQ(paragraphs[2 + i].text, people[i]);
        EXPECT_TRUE(paragraphs[2 + i].bold);
        EXPECT_EQ(paragraphs[2 + i].size, 14);
    }
    EXPECT_EQ(paragraphs[8].text, "");
    EXPECT_EQ(paragraphs[14].text, "Perugia: 1 marzo 2024");
    // The report starts on the page after the title block.
    EXPECT_EQ(paragraphs[15].text, "RELAZIONE CALCOLO");
    EXPECT_TRUE(paragraphs[15].newPage);
    EXPECT_EQ(paragraphs[15].size, 18);
    EXPECT_FALSE(paragraphs[15].bold);
    EXPECT_EQ(std::count_if(paragraphs.begin(), paragraphs.end(), [](const auto& p) { return p.newPage; }), 1);
    // The pages from there on are numbered, the title block's is not.
    ASSERT_TRUE(document.pageNumbering().has_value());
    EXPECT_EQ(document.pageNumbering()->firstParagraph, 15u);
    EXPECT_EQ(document.pageNumbering()->caption, "pagina ");
    EXPECT_EQ(document.title(), "Relazione di calcolo: Casa Rossi");
    EXPECT_EQ(document.author(), "Ing. Bianchi");
    EXPECT_TRUE(paragraphs[16].text.starts_with("Il presente calcolo \u00e8 stato eseguito"));
    EXPECT_TRUE(paragraphs[17].text.find("sbalzi,  oltre") != std::string::npos);
    EXPECT_EQ(paragraphs[19].text, "Tu = A * tk * sqr( 1 + (so+sy+sx)/1.5*tk + (so+sy)*sx/2.25*tk^2)");
    EXPECT_EQ(paragraphs[19].size, 10);

    // The formula's symbols follow it, then the statement on verification.
    ASSERT_TRUE(document.blocks()[20].isTable);
    EXPECT_EQ(table(1).cell(1, 1), "simbolo");
    EXPECT_EQ(table(1).cell(8, 1), "sx");
    EXPECT_TRUE(paragraphs[20].text.ends_with("(vedi il paragrafo D)."));

    const auto count = document.paragraphIndex("La presente relazione \u00e8 composta di n. 7 pagine.");
    ASSERT_TRUE(count.has_value());
    EXPECT_TRUE(paragraphs[*count].pageCount);
    EXPECT_EQ(std::count_if(paragraphs.begin(), paragraphs.end(), [](const auto& p) { return p.pageCount; }), 1);
    EXPECT_EQ(paragraphs[*count + 1].text, "Si allegano: tavole 1-3");
    EXPECT_EQ(paragraphs[*count + 2].text, "Perugia: 1 marzo 2024");
    EXPECT_EQ(paragraphs[*count + 3].text, "il calcolatore");
    EXPECT_EQ(paragraphs.back().text, "(Ing. Bianchi)");
    // The closing block comes after the last table.
    EXPECT_FALSE(document.blocks().back().isTable);
    for (const char* heading : {"A) DATI GENERALI", "B) DATI DEI SETTI", "C) RISULTATI DELLA VERIFICA",
                                "D) RISULTATI GENERALI E DEI PIANI", "Legenda:", "Risultati dei piani:"})
        EXPECT_TRUE(document.paragraphIndex(heading).has_value()) << heading;
}

TEST_F(ReportDocument, TenTablesWithTheirShapesAndAlignment) {
    build();
    ASSERT_EQ(document.tables().size(), 10u);
    const std::vector<std::pair<int, int>> shapes{{8, 2},  {8, 2},       {2 + 2, 7}, {13, 2}, {2 + 10, 12},
                                                  {16, 2}, {2 + 10, 15}, {8, 2},     {16, 2}, {2 + 2, 15}};
    const std::vector<std::optional<Alignment>> alignments{
        std::nullopt, Alignment::centre, Alignment::right, std::nullopt, Alignment::right,
        std::nullopt, Alignment::right,  Alignment::right, std::nullopt, Alignment::right};
    for (int number = 1; number <= 10; ++number) {
        EXPECT_EQ(table(number).rows, shapes[number - 1].first) << number;
        EXPECT_EQ(table(number).columns, shapes[number - 1].second) << number;
        EXPECT_EQ(table(number).alignment, alignments[number - 1]) << number;
        // The headings, and the units under them, repeat on every page.
        EXPECT_EQ(table(number).headingRows, table(number).columns == 2 ? 1 : 2) << number;
        // No cell of the headings is left empty.
        for (int column = 1; column <= table(number).columns; ++column)
            EXPECT_FALSE(table(number).cell(1, column).empty()) << number << " " << column;
    }
    EXPECT_EQ(table(3).cell(1, 6), "sovr.sbalzi");
    EXPECT_EQ(table(3).cell(2, 2), "t/mc");
    EXPECT_EQ(table(4).cell(9, 2), "forza dovuta ai tiranti orizzontal posti nel setto");
    EXPECT_EQ(table(6).cell(3, 2), "numero del setto e direzione");
    EXPECT_EQ(table(9).cell(16, 1), "cfy");
    EXPECT_EQ(table(9).cell(16, 2), "coefficiente di sicurezza in direzione Y");
    EXPECT_EQ(table(10).cell(2, 11), "tm");
}

TEST_F(ReportDocument, HeadingsKeepWithWhatTheyHeadAndTheClosingBlockStaysTogether) {
    build();
    const auto& paragraphs = document.paragraphs();
    const auto kept = [&](const std::string& text) {
        const auto index = document.paragraphIndex(text);
        return index.has_value() && paragraphs[*index].keepWithNext;
    };
    for (const char* heading :
         {"A) DATI GENERALI", "B) DATI DEI SETTI", "C) RISULTATI DELLA VERIFICA", "D) RISULTATI GENERALI E DEI PIANI",
          "Legenda:", "Risultati dei piani:", "Tu = A * tk * sqr( 1 + (so+sy+sx)/1.5*tk + (so+sy)*sx/2.25*tk^2)"})
        EXPECT_TRUE(kept(heading)) << heading;
    EXPECT_FALSE(paragraphs[16].keepWithNext);
    // The short tables stay whole; the data tables, as long as the building,
    // break between their rows.
    for (int number = 1; number <= 10; ++number) EXPECT_EQ(table(number).whole, table(number).columns == 2) << number;

    // From the page count down to the calculator's name, on one page; the
    // empty paragraph before it may stay behind.
    const auto count = document.paragraphIndex("La presente relazione \u00e8 composta di n. 7 pagine.");
    ASSERT_TRUE(count.has_value());
    EXPECT_FALSE(paragraphs[*count - 1].keepWithNext);
    for (std::size_t i = *count; i + 1 < paragraphs.size(); ++i) EXPECT_TRUE(paragraphs[i].keepWithNext) << i;
    EXPECT_EQ(paragraphs.size() - *count, 5u);
    EXPECT_FALSE(paragraphs.back().keepWithNext);
}

TEST_F(ReportDocument, ValuesInTheUsersNotation) {
    build();
    // General data: read numbers in their shortest form, the others as typed.
    EXPECT_EQ(table(2).cell(2, 1), "grado di sismicit\u00e0");
    EXPECT_EQ(table(2).cell(2, 2), "9");
    EXPECT_EQ(table(2).cell(3, 2), "12,5");
    EXPECT_EQ(table(2).cell(4, 2), "0,33");
    EXPECT_EQ(table(2).cell(6, 2), "2");
    // A storey value typed with a decimal comma, thousands grouped.
    EXPECT_EQ(table(3).cell(4, 1), "2");
    EXPECT_EQ(table(3).cell(4, 3), "1.234,50");
    EXPECT_EQ(table(3).cell(4, 7), "3,00");
    // Wall data: two decimals.
    EXPECT_EQ(table(5).cell(3, 1), "1");
    EXPECT_EQ(table(5).cell(3, 2), "1");
    EXPECT_EQ(table(5).cell(3, 3), "4,00");
    EXPECT_EQ(table(5).cell(3, 5), "2,00");

    const ProjectData& project = *building.project;
    const NumberSymbols italian;
    const auto grouped = [&](const ResultValue& value) {
        return formatPattern(value.number(), NumberPattern::grouped2, italian);
    };
    for (int wall = 1; wall <= 5; ++wall) {
        const bool x = wall <= 3;
        const WallResult result = project.wallResult(2, wall);
        const int row = 2 + 5 + wall;
        ASSERT_NE(result.ultimateShearX.number(), result.ultimateShearY.number());
        EXPECT_EQ(table(7).cell(row, 1), "2");
        std::string wallCell = " ";
        wallCell += std::to_string(wall);
        wallCell += x ? "-X" : "-Y";
        EXPECT_EQ(table(7).cell(row, 2), wallCell);
        EXPECT_EQ(table(7).cell(row, 7), formatPattern(result.stiffnessX.number(), NumberPattern::grouped0, italian));
        EXPECT_EQ(table(7).cell(row, 11), grouped(x ? result.storeyShareX : result.storeyShareY));
        EXPECT_EQ(table(7).cell(row, 12), grouped(x ? result.horizontalForceX : result.horizontalForceY));
        EXPECT_EQ(table(7).cell(row, 13), grouped(x ? result.ultimateShearX : result.ultimateShearY));
        EXPECT_EQ(table(7).cell(row, 15), grouped(result.torsionForce));
    }
    EXPECT_EQ(table(8).cell(2, 1), "Peso totale dell'edificio");
    EXPECT_EQ(table(8).cell(2, 2), grouped(project.building().totalWeight));
    EXPECT_EQ(table(10).cell(3, 1), "1");
    EXPECT_EQ(table(10).cell(3, 2), grouped(project.floorResult(1).storeyWeight));
    EXPECT_EQ(table(10).cell(3, 11),
              formatPattern(project.floorResult(1).polarMoment.number(), NumberPattern::grouped0, italian));
}

TEST_F(ReportDocument, AnotherNotationChangesOnlyTheSymbols) {
    build(NumberSymbols{".", ","});
    EXPECT_EQ(table(2).cell(3, 2), "12.5");
    EXPECT_EQ(table(2).cell(4, 2), "0,33");
    EXPECT_EQ(table(3).cell(4, 3), "1,234.50");
    EXPECT_EQ(table(5).cell(3, 3), "4.00");
}

} // namespace
} // namespace calvex
