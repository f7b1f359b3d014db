#include "print/tables/table_columns.h"

#include <gtest/gtest.h>

#include <span>
#include <string>

namespace calvex::tables {
namespace {

// The printed headings, and the units, follow one another with a blank
// between them in every printed form, so that no text runs into the next.
template <class Source>
void expectSeparateTexts(std::span<const TableColumn<Source>> columns, const char* table) {
    for (const TableForm form : {TableForm::window, TableForm::report}) {
        int headingEnd = 0;
        int unitEnd = 0;
        for (const TableColumn<Source>& column : columns) {
            const std::string_view heading = headingIn(column, form);
            EXPECT_GT(column.headingAt, headingEnd) << table << " heading " << heading;
            headingEnd = column.headingAt + static_cast<int>(heading.size());
            if (column.unit.empty()) continue;
            EXPECT_GT(column.unitAt, unitEnd) << table << " unit of " << heading;
            unitEnd = column.unitAt + static_cast<int>(column.unit.size());
        }
    }
}

TEST(TableColumns, PrintedHeadingsAndUnitsDoNotRunIntoEachOther) {
    expectSeparateTexts<FloorField>(kStoreyDataColumns, "storey data");
    expectSeparateTexts<WallField>(kWallDataColumns, "wall data");
    expectSeparateTexts<WallResultSource>(kWallResultsColumns, "wall results");
    expectSeparateTexts<ResultValue FloorResult::*>(kStoreyResultsColumns, "storey results");
}

TEST(TableColumns, FormsWordTheirOwnHeadingsAndLegends) {
    const WallResultColumn& maxStress = kWallResultsColumns[14];
    EXPECT_EQ(headingIn(maxStress, TableForm::window), "tens.");
    EXPECT_EQ(headingIn(maxStress, TableForm::report), "t.max");
    EXPECT_EQ(headingIn(maxStress, TableForm::document), "t.max");

    const std::span<const WallResultColumn> results = kWallResultsColumns;
    EXPECT_EQ(legendIn(results, TableForm::report).size(), 16U);
    const auto documentLegend = legendIn(results, TableForm::document);
    ASSERT_EQ(documentLegend.size(), 15U);
    EXPECT_EQ(documentLegend[1].meaning, "numero del setto e direzione");
    EXPECT_EQ(documentLegend[10].symbol, "f.p.");
}

TEST(TableColumns, BuildingCaptionsEndOnTheSameColumn) {
    for (const BuildingValue& line : kBuildingValues) {
        const std::string caption = dottedCaption(line);
        EXPECT_EQ(caption.size(), 33U) << caption;
        EXPECT_TRUE(caption.starts_with(line.name)) << caption;
    }
}

} // namespace
} // namespace calvex::tables
