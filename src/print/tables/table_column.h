#pragma once
// One column of a table as the window printout, the printed report and the
// editable report show it: its symbol, meaning and unit, where the printed
// forms place it, how the document writes its numbers, and where a form
// words it otherwise.

#include <span>
#include <string_view>
#include <vector>

#include "model/number_pattern.h"

namespace calvex::tables {

// The three forms a table is shown in.
enum class TableForm { window, report, document };

// What a column shows: the storey or wall number, the direction of the
// wall's forces ("X" or "Y"), or a value read from its source.
enum class ColumnKind { storey, wall, direction, value };

// Texts a form uses in place of the column's own; empty: the column's own.
struct Wording {
    std::string_view heading{};
    std::string_view meaning{};
};

template <class Source>
struct TableColumn {
    std::string_view symbol;  // the heading, and the symbol of the legend
    std::string_view meaning; // the legend's text
    std::string_view unit;    // empty where the column has none
    int headingAt;            // printed column of the heading
    int unitAt;               // printed column of the unit
    int printed;              // printed width of the value; a storey or wall number ends on this column
    Source source{};
    NumberPattern pattern = NumberPattern::plain2; // the document's number pattern
    ColumnKind kind = ColumnKind::value;
    Wording window{};
    Wording document{};
};

template <class Source>
std::string_view headingIn(const TableColumn<Source>& column, TableForm form) {
    const Wording& own = form == TableForm::window ? column.window : column.document;
    return form != TableForm::report && !own.heading.empty() ? own.heading : column.symbol;
}

// Where a row is: its storey, its wall and the wall's direction.
struct RowPlace {
    int storey;
    int wall = 0;
    bool xWall = true;
};

struct LegendEntry {
    std::string_view symbol;
    std::string_view meaning;
};

// The legend of the columns in a form. The document joins the direction to
// the wall number, so its legend has no entry for the direction.
template <class Source>
std::vector<LegendEntry> legendIn(std::span<const TableColumn<Source>> columns, TableForm form) {
    std::vector<LegendEntry> legend;
    for (const TableColumn<Source>& column : columns) {
        if (form == TableForm::document && column.kind == ColumnKind::direction) continue;
        const Wording& own = form == TableForm::window ? column.window : column.document;
        const bool worded = form != TableForm::report && !own.meaning.empty();
        legend.push_back({column.symbol, worded ? own.meaning : column.meaning});
    }
    return legend;
}

} // namespace calvex::tables
