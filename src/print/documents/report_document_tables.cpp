#include "print/documents/report_document_parts.h"

#include "model/numeric_text.h"
#include "model/results.h"
#include "print/device/text_device.h"
#include "print/tables/table_columns.h"

#include <algorithm>
#include <array>
#include <span>
#include <string>
#include <vector>

namespace calvex::documents {

namespace {

using Cells = std::vector<std::string>;

using tables::TableColumn;

// The document's legend of the columns.
template <class Source>
std::vector<Row2> legendRows(std::span<const TableColumn<Source>> columns) {
    std::vector<Row2> rows;
    for (const tables::LegendEntry& entry : tables::legendIn(columns, tables::TableForm::document))
        rows.push_back({entry.symbol, entry.meaning});
    return rows;
}

// The cells of a row: the storey and wall numbers, the direction joined to
// the wall number (" 3-X"), and the values read by `valueOf(column)` in the
// column's pattern.
template <class Source, class ValueOf>
Cells rowCells(std::span<const TableColumn<Source>> columns, tables::RowPlace place, const NumberSymbols& symbols,
               const ValueOf& valueOf) {
    const bool directed = std::ranges::any_of(
        columns, [](const TableColumn<Source>& column) { return column.kind == tables::ColumnKind::direction; });
    Cells cells;
    for (const TableColumn<Source>& column : columns) {
        switch (column.kind) {
            case tables::ColumnKind::storey:
                cells.push_back(std::to_string(place.storey));
                break;
            case tables::ColumnKind::wall:
                cells.push_back(directed ? joined({" ", std::to_string(place.wall), place.xWall ? "-X" : "-Y"})
                                         : std::to_string(place.wall));
                break;
            case tables::ColumnKind::direction:
                break;
            case tables::ColumnKind::value:
                cells.push_back(formatPattern(valueOf(column), column.pattern, symbols));
                break;
        }
    }
    return cells;
}

// Headings, units and data rows, cell by cell.
template <class Source>
int addDataTable(WordDocument& document, std::span<const TableColumn<Source>> columns, const std::vector<Cells>& rows) {
    std::vector<const TableColumn<Source>*> shown;
    for (const TableColumn<Source>& column : columns)
        if (column.kind != tables::ColumnKind::direction) shown.push_back(&column);
    document.setFontSize(dataTableSize);
    const int table = document.addTable(static_cast<int>(rows.size()) + 2, static_cast<int>(shown.size()));
    for (std::size_t column = 0; column < shown.size(); ++column) {
        document.setCell(table, 1, static_cast<int>(column) + 1,
                         headingIn(*shown[column], tables::TableForm::document));
        document.setCell(table, 2, static_cast<int>(column) + 1, shown[column]->unit);
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

    const std::span<const tables::StoreyDataColumn> columns = tables::kStoreyDataColumns;
    std::vector<Cells> storeyRows;
    for (int storey = 1; storey <= project.storeyCount(); ++storey)
        storeyRows.push_back(rowCells(columns, {storey}, symbols, [&](const tables::StoreyDataColumn& column) {
            return project.floor(storey, column.source).typedNumber();
        }));
    document.addParagraph("");
    return {general, addDataTable(document, columns, storeyRows)};
}

int addWallData(WordDocument& document, const ProjectData& project, const NumberSymbols& symbols) {
    const std::span<const tables::WallDataColumn> columns = tables::kWallDataColumns;
    addSectionHeading(document, "B) DATI DEI SETTI");
    addTwoColumnTable(document, "colonna", "significato", legendRows(columns));
    std::vector<Cells> rows;
    for (int storey = 1; storey <= project.storeyCount(); ++storey)
        for (int wall = 1; wall <= project.wallCount(); ++wall)
            rows.push_back(rowCells(columns, {storey, wall}, symbols, [&](const tables::WallDataColumn& column) {
                return project.wall(storey, wall, column.source).typedNumber();
            }));
    document.addParagraph("");
    return addDataTable(document, columns, rows);
}

int addWallResults(WordDocument& document, const ProjectData& project, const NumberSymbols& symbols) {
    const std::span<const tables::WallResultColumn> columns = tables::kWallResultsColumns;
    addSectionHeading(document, "C) RISULTATI DELLA VERIFICA");
    addTwoColumnTable(document, "colonna", "significato", legendRows(columns));
    std::vector<Cells> rows;
    for (int storey = 1; storey <= project.storeyCount(); ++storey) {
        for (int wall = 1; wall <= project.wallCount(); ++wall) {
            const bool xWall = wall <= project.xWallCount();
            const WallResult result = project.wallResult(storey, wall);
            rows.push_back(rowCells(
                columns, {storey, wall, xWall}, symbols,
                [&](const tables::WallResultColumn& column) { return (result.*column.source.of(xWall)).number(); }));
        }
    }
    document.addParagraph("");
    return addDataTable(document, columns, rows);
}

ResultTables addStoreyResults(WordDocument& document, const ProjectData& project, const NumberSymbols& symbols) {
    addSectionHeading(document, "D) RISULTATI GENERALI E DEI PIANI");
    document.addParagraph(
        "Il coefficiente di sicurezza riportato, per le due direzioni X e Y di ogni piano, \u00e8 una misura della "
        "capacit\u00e0 della struttura di poter resistere in maniera globale, anche in presenza di setti non pi\u00f9 "
        "efficaci, ad un terremoto come quello ipotizzato.");
    document.keepWithNext();

    std::array<std::string, tables::kBuildingValues.size()> values;
    std::array<Row2, tables::kBuildingValues.size()> rows;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const tables::BuildingValue& line = tables::kBuildingValues[i];
        values[i] = formatPattern((project.building().*line.value).number(), line.pattern, symbols);
        rows[i] = {line.name, values[i]};
    }
    const int building = addTwoColumnTable(document, "tipologia", "valore", rows);

    const std::span<const tables::StoreyResultColumn> columns = tables::kStoreyResultsColumns;
    document.addParagraph("Legenda:");
    document.keepWithNext();
    addTwoColumnTable(document, "colonna", "significato", legendRows(columns));

    std::vector<Cells> storeyRows;
    for (int storey = 1; storey <= project.storeyCount(); ++storey) {
        const FloorResult& level = project.floorResult(storey);
        storeyRows.push_back(rowCells(columns, {storey}, symbols, [&](const tables::StoreyResultColumn& column) {
            return (level.*column.source).number();
        }));
    }
    document.addParagraph("Risultati dei piani:");
    document.keepWithNext();
    return {building, addDataTable(document, columns, storeyRows)};
}

} // namespace calvex::documents
