#include "print/documents/report_document_parts.h"

#include "model/numeric_text.h"
#include "model/results.h"
#include "print/device/text_device.h"
#include "print/tables/result_tables.h"

#include <array>
#include <string>
#include <vector>

namespace calvex::documents {

namespace {

using Cells = std::vector<std::string>;

// Headings, units and data rows, cell by cell.
int addDataTable(WordDocument& document, std::span<const std::string_view> headings,
                 std::span<const std::string_view> units, const std::vector<Cells>& rows) {
    document.setFontSize(dataTableSize);
    const int table = document.addTable(static_cast<int>(rows.size()) + 2, static_cast<int>(headings.size()));
    for (std::size_t column = 0; column < headings.size(); ++column) {
        document.setCell(table, 1, static_cast<int>(column) + 1, headings[column]);
        document.setCell(table, 2, static_cast<int>(column) + 1, units[column]);
    }
    document.setHeadingRows(table, 2);
    for (std::size_t row = 0; row < rows.size(); ++row)
        for (std::size_t column = 0; column < rows[row].size(); ++column)
            document.setCell(table, static_cast<int>(row) + 3, static_cast<int>(column) + 1, rows[row][column]);
    document.setFontSize(bodySize);
    return table;
}

// A number written in its shortest form with the user's decimal point.
std::string plainNumber(double value, const NumberSymbols& symbols) {
    const std::string text = shortestNumberText(value);
    const std::size_t point = text.find('.');
    if (point == std::string::npos) return text;
    const std::string_view digits = text;
    return joined({digits.substr(0, point), symbols.decimalPoint, digits.substr(point + 1)});
}

struct PatternCell {
    ResultValue WallResult::*value;
    NumberPattern pattern;
};

constexpr std::array<std::string_view, 7> storeyHeadings{
    "piano", "peso sp.muro", "carichi solai", "sovracc.solai", "carichi sbalzi", "sovr.sbalzi", "altezza lorda"};
constexpr std::array<std::string_view, 7> storeyUnits{"n.", "t/mc", "t/mq", "t/mq", "t/mq", "t/mq", "m"};
constexpr std::array<FloorField, kFloorFieldCount> storeyFields{FloorField::specifico, FloorField::permsolai,
                                                                FloorField::accsolai,  FloorField::permsbalzi,
                                                                FloorField::accsbalzi, FloorField::hp};

constexpr std::array<Row2, 12> wallLegend{{
    {"piano", "numero del piano"},
    {"setto", "numero del setto"},
    {"dimx", "dimensione del setto nella direzione X"},
    {"dimy", "dimensione del setto nella direzione Y"},
    {"ascissa", "ascissa baricentro del setto rispetto assi di riferimento"},
    {"ordin.", "ordinata baricentro del setto rispetto assi di riferimento"},
    {"tir.v.", "forza dovuta ai tiranti verticali posti nel setto"},
    {"tir.o.", "forza dovuta ai tiranti orizzontal posti nel setto"},
    {"tauk", "tensione tangenziale ammissibile nella muratura"},
    {"sigma", "sigma ammissibile a compressione nella muratura"},
    {"solai", "superficie dei solai del piano gravanti sul setto"},
    {"sbalzi", "superficie degli sbalzi del piano gravanti sul setto"},
}};
constexpr std::array<std::string_view, 12> wallHeadings{"piano",  "setto",  "dimx", "dimy",  "ascissa", "ordin.",
                                                        "tir.v.", "tir.o.", "tauk", "sigma", "solai",   "sbalzi"};
constexpr std::array<std::string_view, 12> wallUnits{"n", "n", "m",    "m",    "m",  "m",
                                                     "t", "t", "t/mq", "t/mq", "mq", "mq"};

constexpr std::array<Row2, 15> resultsLegend{{
    {"pia", "numero del piano"},
    {"se", "numero del setto e direzione"},
    {"peso", "peso proprio del setto murario"},
    {"car.", "carichi sismici gravanti sul setto"},
    {"sn", "sforzo normale alla base del setto"},
    {"sigma", "tensione di compressione alla base"},
    {"rig.x", "rigidezza in direzione X"},
    {"rig.y", "rigidezza in direzione Y"},
    {"asc.", "ascissa dal baricentro delle rigidezze"},
    {"ord.", "ordinata dal baricentro delle rigidezze"},
    {"f.p.", "forza di piano"},
    {"f.o.", "forza orizzontale agente sul setto"},
    {"ultima", "forza ultima tagliante"},
    {"t.max", "tensione massima nel setto"},
    {"torc.", "forza dovuta al momento torcente"},
}};
constexpr std::array<std::string_view, 15> resultsHeadings{"pia",   "se",    "peso",   "car.",  "sn",
                                                           "sigma", "rig.x", "rig.y",  "asc.",  "ord.",
                                                           "f.p.",  "f.o.",  "ultima", "t.max", "torc."};
constexpr std::array<std::string_view, 15> resultsUnits{"n", "n", "t", "t", "t", "t/mq", "t/m", "t/m",
                                                        "m", "m", "t", "t", "t", "t/mq", "t"};

constexpr std::array<PatternCell, 8> leadingResults{{
    {&WallResult::selfWeightShare, NumberPattern::grouped2},
    {&WallResult::slabLoad, NumberPattern::grouped2},
    {&WallResult::normalForce, NumberPattern::grouped2},
    {&WallResult::baseStress, NumberPattern::grouped2},
    {&WallResult::stiffnessX, NumberPattern::grouped0},
    {&WallResult::stiffnessY, NumberPattern::grouped0},
    {&WallResult::armX, NumberPattern::grouped2},
    {&WallResult::armY, NumberPattern::grouped2},
}};
constexpr std::array<PatternCell, 3> xResults{{
    {&WallResult::storeyShareX, NumberPattern::grouped2},
    {&WallResult::horizontalForceX, NumberPattern::grouped2},
    {&WallResult::ultimateShearX, NumberPattern::grouped2},
}};
constexpr std::array<PatternCell, 3> yResults{{
    {&WallResult::storeyShareY, NumberPattern::grouped2},
    {&WallResult::horizontalForceY, NumberPattern::grouped2},
    {&WallResult::ultimateShearY, NumberPattern::grouped2},
}};
constexpr std::array<PatternCell, 2> trailingResults{{
    {&WallResult::maxStress, NumberPattern::grouped2},
    {&WallResult::torsionForce, NumberPattern::grouped2},
}};

constexpr std::array<std::string_view, 15> storeyResultsHeadings{
    "piano", "peso", "gamma", "fp", "xm", "ym", "xr", "yr", "ex", "ey", "mp", "mt", "ft", "cfx", "cfy"};
constexpr std::array<std::string_view, 15> storeyResultsUnits{"n", "t", "",   "t",  "m", "m", "m", "m",
                                                              "m", "m", "tm", "tm", "t", "",  ""};
// Patterns of the fourteen storey values, in the order of their columns.
constexpr std::array<NumberPattern, 14> storeyResultPatterns{
    NumberPattern::grouped2, NumberPattern::plain2,   NumberPattern::plain2, NumberPattern::plain2,
    NumberPattern::plain2,   NumberPattern::plain2,   NumberPattern::plain2, NumberPattern::plain2,
    NumberPattern::plain2,   NumberPattern::grouped0, NumberPattern::plain2, NumberPattern::plain2,
    NumberPattern::plain2,   NumberPattern::plain2};

void appendResults(Cells& cells, const WallResult& result, std::span<const PatternCell> columns,
                   const NumberSymbols& symbols) {
    for (const PatternCell& column : columns)
        cells.push_back(formatPattern((result.*column.value).number(), column.pattern, symbols));
}

} // namespace

GeneralDataTables addGeneralData(WordDocument& document, const ProjectData& project, const NumberSymbols& symbols) {
    const auto number = [&](GeneralField field) { return plainNumber(project.general(field).typedNumber(), symbols); };
    const std::array<std::string, 7> values{number(GeneralField::grado),
                                            number(GeneralField::strutt),
                                            project.general(GeneralField::riduz).fieldText(),
                                            project.general(GeneralField::protez).fieldText(),
                                            number(GeneralField::np),
                                            number(GeneralField::numsetx),
                                            number(GeneralField::numsety)};
    const std::array<Row2, 7> rows{{
        {"grado di sismicit\u00e0", values[0]},
        {"coefficiente di struttura", values[1]},
        {"coefficiente di riduzione dei sovraccarichi", values[2]},
        {"coefficiente di protezione sismica", values[3]},
        {"numero massimo dei piani", values[4]},
        {"numero massimo dei setti in direzione X", values[5]},
        {"numero massimo dei setti in direzione Y", values[6]},
    }};
    addSectionHeading(document, "A) DATI GENERALI");
    const int general = addTwoColumnTable(document, "tipologia", "valore", rows);

    std::vector<Cells> storeyRows;
    for (int storey = 1; storey <= project.storeyCount(); ++storey) {
        Cells& cells = storeyRows.emplace_back(Cells{std::to_string(storey)});
        for (const FloorField field : storeyFields)
            cells.push_back(
                formatPattern(project.floor(storey, field).typedNumber(), NumberPattern::grouped2, symbols));
    }
    document.addParagraph("");
    return {general, addDataTable(document, storeyHeadings, storeyUnits, storeyRows)};
}

int addWallData(WordDocument& document, const ProjectData& project, const NumberSymbols& symbols) {
    addSectionHeading(document, "B) DATI DEI SETTI");
    addTwoColumnTable(document, "colonna", "significato", wallLegend);
    std::vector<Cells> rows;
    for (int storey = 1; storey <= project.storeyCount(); ++storey) {
        for (int wall = 1; wall <= project.wallCount(); ++wall) {
            Cells& cells = rows.emplace_back(Cells{std::to_string(storey), std::to_string(wall)});
            for (int field = 0; field < kWallFieldCount; ++field)
                cells.push_back(formatPattern(project.wall(storey, wall, static_cast<WallField>(field)).typedNumber(),
                                              NumberPattern::plain2, symbols));
        }
    }
    document.addParagraph("");
    return addDataTable(document, wallHeadings, wallUnits, rows);
}

int addWallResults(WordDocument& document, const ProjectData& project, const NumberSymbols& symbols) {
    addSectionHeading(document, "C) RISULTATI DELLA VERIFICA");
    addTwoColumnTable(document, "colonna", "significato", resultsLegend);
    std::vector<Cells> rows;
    for (int storey = 1; storey <= project.storeyCount(); ++storey) {
        for (int wall = 1; wall <= project.wallCount(); ++wall) {
            const bool xWall = wall <= project.xWallCount();
            const WallResult result = project.wallResult(storey, wall);
            Cells& cells = rows.emplace_back(
                Cells{std::to_string(storey), joined({" ", std::to_string(wall), xWall ? "-X" : "-Y"})});
            appendResults(cells, result, leadingResults, symbols);
            appendResults(cells, result, xWall ? std::span<const PatternCell>(xResults) : yResults, symbols);
            appendResults(cells, result, trailingResults, symbols);
        }
    }
    document.addParagraph("");
    return addDataTable(document, resultsHeadings, resultsUnits, rows);
}

ResultTables addStoreyResults(WordDocument& document, const ProjectData& project, const NumberSymbols& symbols) {
    addSectionHeading(document, "D) RISULTATI GENERALI E DEI PIANI");
    document.addParagraph(
        "Il coefficiente di sicurezza riportato, per le due direzioni X e Y di ogni piano, \u00e8 una misura della "
        "capacit\u00e0 della struttura di poter resistere in maniera globale, anche in presenza di setti non pi\u00f9 "
        "efficaci, ad un terremoto come quello ipotizzato.");
    document.keepWithNext();

    std::array<std::string, tables::kBuildingValueLines.size()> values;
    std::array<Row2, tables::kBuildingValueLines.size()> rows;
    constexpr std::array<std::string_view, tables::kBuildingValueLines.size()> captions{
        "Peso totale dell'edificio", "Baricentro verticale delle masse",
        "Totale forze orizzontali",  "Centro delle forze orizzontali",
        "Dimensione maggiore D",     "Dimensione minore B",
        "Valore di lambda"};
    for (std::size_t i = 0; i < rows.size(); ++i) {
        values[i] = formatPattern((project.building().*tables::kBuildingValueLines[i].value).number(),
                                  NumberPattern::grouped2, symbols);
        rows[i] = {captions[i], values[i]};
    }
    const int building = addTwoColumnTable(document, "tipologia", "valore", rows);

    std::array<std::string, tables::kStoreyResultsLegend.size()> meanings;
    std::array<Row2, tables::kStoreyResultsLegend.size()> legend;
    for (std::size_t i = 0; i < legend.size(); ++i) {
        // The printed legend's meanings, without their leading "= ".
        meanings[i] = std::string(tables::kStoreyResultsLegend[i].meaning.substr(2));
        legend[i] = {tables::kStoreyResultsLegend[i].symbol, meanings[i]};
    }
    document.addParagraph("Legenda:");
    document.keepWithNext();
    addTwoColumnTable(document, "colonna", "significato", legend);

    std::vector<Cells> storeyRows;
    for (int storey = 1; storey <= project.storeyCount(); ++storey) {
        const FloorResult& level = project.floorResult(storey);
        Cells& cells = storeyRows.emplace_back(Cells{std::to_string(storey)});
        for (std::size_t i = 0; i < tables::kStoreyResultCells.size(); ++i)
            cells.push_back(
                formatPattern((level.*tables::kStoreyResultCells[i].value).number(), storeyResultPatterns[i], symbols));
    }
    document.addParagraph("Risultati dei piani:");
    document.keepWithNext();
    return {building, addDataTable(document, storeyResultsHeadings, storeyResultsUnits, storeyRows)};
}

} // namespace calvex::documents
