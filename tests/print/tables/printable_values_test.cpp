#include "print/tables/printable_values.h"

#include <gtest/gtest.h>

namespace calvex::tables {
namespace {

constexpr double kTooLarge = 1e14;

TEST(PrintableValues, ABuildingValueIsNamedByItsCaption) {
    ProjectData project;
    project.building().massHeight = kTooLarge;
    EXPECT_EQ(unprintableValueMessage(project),
              "Il valore \"Baricentro verticale delle masse\" \u00e8 fuori scala e non pu\u00f2 essere stampato: "
              "correggere i dati.");
}

TEST(PrintableValues, AStoreyResultIsNamedByItsLegend) {
    ProjectData project;
    project.setGeneral(GeneralField::np, FieldValue::text("2"));
    project.floorResult(2).polarMoment = -kTooLarge;
    EXPECT_EQ(unprintableValueMessage(project),
              "Il valore mp (momento d'inerzia polare) del piano n. 2 \u00e8 fuori scala e non pu\u00f2 essere "
              "stampato: correggere i dati.");
    project.floorResult(2).polarMoment = 1;
    EXPECT_EQ(unprintableValueMessage(project), std::nullopt);
}

} // namespace
} // namespace calvex::tables
