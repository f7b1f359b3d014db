#include "print/report/report_printout.h"

#include "engine/test_building.h"
#include "model/numeric_text.h"
#include "support/recording_device.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace calvex {
namespace {

using testing::RecordingDevice;
using testing::TestBuilding;
using testing::WallTexts;

// Lines so short that no page fills up: only the line counts break pages.
RecordingDevice countsOnly() { return RecordingDevice(pageBoxHeight, 10); }

TestBuilding makeBuilding(int storeys, int xWalls, int yWalls) {
    TestBuilding building(storeys, xWalls, yWalls);
    for (int storey = 1; storey <= storeys; ++storey) {
        building.storey(storey, "3", "1.8");
        for (int wall = 1; wall <= xWalls + yWalls; ++wall) {
            const bool x = wall <= xWalls;
            const std::string position = std::to_string(wall);
            building.wall(storey, wall,
                          WallTexts{x ? "4" : "0.3", x ? "0.3" : "4", x ? position : "12", x ? "10" : position});
        }
    }
    return building;
}

// The numbers printed at 8 points starting at one of the columns of a page,
// in order: the storey or wall numbers of a table's rows.
std::vector<int> numbersAt(const RecordingDevice& device, int page, std::initializer_list<int> columns) {
    std::vector<int> numbers;
    for (const auto& item : device.textsOnPage(page))
        if (item.size == 8 && isNumericText(item.text) &&
            std::find(columns.begin(), columns.end(), item.column) != columns.end())
            numbers.push_back(std::stoi(item.text));
    return numbers;
}

std::vector<int> range(int first, int last) {
    std::vector<int> numbers;
    for (int n = first; n <= last; ++n) numbers.push_back(n);
    return numbers;
}

std::string footerOf(const RecordingDevice& device, int page) {
    const std::string line = device.lineText(page, 15800);
    const auto start = line.find("pagina");
    return start == std::string::npos ? "" : line.substr(start);
}

// The line of a page whose text starts with the given start.
std::string lineStarting(const RecordingDevice& device, int page, const std::string& start) {
    for (const auto& item : device.textsOnPage(page)) {
        const std::string line = device.lineText(page, item.y);
        if (line.starts_with(start)) return line;
    }
    return {};
}

TEST(ReportStoreyTable, TenStoreysBreakBeforeTheEighthUnderRepeatedHeadings) {
    TestBuilding building = makeBuilding(10, 1, 1);
    RecordingDevice device = countsOnly();
    report::printCalculationReport(device, *building.project, "Ing. Bianchi", "Via Roma 1");

    EXPECT_EQ(numbersAt(device, 2, {9, 10}), range(1, 7));
    EXPECT_EQ(numbersAt(device, 3, {9, 10}), range(8, 10));
    EXPECT_EQ(footerOf(device, 2), "pagina  2 ");
    EXPECT_EQ(device.lineText(3, 800),
              "        piano   peso sp.muro    carichi solai   sovracc.solai   carichi sbalzi   "
              "sovracc.sbalzi   altezza lorda");
    EXPECT_EQ(lineStarting(device, 3, "          n."),
              "          n.        t/mc            t/mq            t/mq             t/mq             t/mq"
              "              m");
    // The section closes its page: the wall data start on a fresh one.
    EXPECT_EQ(footerOf(device, 3), "pagina  3 ");
    EXPECT_EQ(device.textsOnPage(4).front().text, "B) DATI DEI SETTI");
    EXPECT_EQ(device.textsOnPage(4).front().y, 800);
}

TEST(ReportStoreyTable, RowsPrintTheStoreyValuesInTheirWidths) {
    TestBuilding building = makeBuilding(2, 1, 1);
    building.project->setFloor(2, FloorField::permsolai, FieldValue::text("0,55"));
    RecordingDevice device = countsOnly();
    report::printCalculationReport(device, *building.project, "", "");

    const std::string row = lineStarting(device, 2, "          2 ");
    EXPECT_EQ(row, "          2 " + formatFixed2(1.8, 12) + formatFixed2(0.55, 16) +
                       formatFixed2(building.project->floorNumber(2, FloorField::accsolai), 16) +
                       formatFixed2(building.project->floorNumber(2, FloorField::permsbalzi), 17) +
                       formatFixed2(building.project->floorNumber(2, FloorField::accsbalzi), 17) + formatFixed2(3, 17));
    EXPECT_EQ(numbersAt(device, 2, {9, 10}), range(1, 2));
}

TEST(ReportWallTable, TwoStoreysOfFiftyWallsBreakAfter81Lines) {
    TestBuilding building = makeBuilding(2, 25, 25);
    RecordingDevice device = countsOnly();
    report::printCalculationReport(device, *building.project, "", "");

    std::vector<int> firstPageWalls = range(1, 50);
    for (int wall = 1; wall <= 31; ++wall) firstPageWalls.push_back(wall);
    EXPECT_EQ(numbersAt(device, 3, {18, 19}), firstPageWalls);
    EXPECT_EQ(numbersAt(device, 4, {18, 19}), range(32, 50));
    EXPECT_EQ(footerOf(device, 3), "pagina  3 ");
    EXPECT_EQ(device.lineText(4, 800),
              "        piano    setto    dimx     dimy     ascissa  ordin.   tir.v.   tir.o.   tauk     sigma"
              "    solai    sbalzi");
    EXPECT_EQ(lineStarting(device, 4, "          2       32 "),
              "          2       32      0.30     4.00      12.00   32.00     0.00     0.00    8.00    250.00"
              "     0.00     0.00");
}

TEST(ReportWallTable, CountRestartsSoTheNextPageHolds82Lines) {
    TestBuilding building = makeBuilding(4, 25, 25);
    RecordingDevice device = countsOnly();
    report::printCalculationReport(device, *building.project, "", "");

    EXPECT_EQ(numbersAt(device, 3, {18, 19}).size(), 81u);
    EXPECT_EQ(numbersAt(device, 4, {18, 19}).size(), 82u);
    EXPECT_EQ(numbersAt(device, 5, {18, 19}).size(), 37u);
    EXPECT_EQ(device.textsOnPage(6).front().text, "C) RISULTATI DELLA VERIFICA");
}

TEST(ReportResultsTable, BreaksAfter74LinesUnderRepeatedHeadings) {
    TestBuilding building = makeBuilding(2, 25, 25);
    RecordingDevice device = countsOnly();
    report::printCalculationReport(device, *building.project, "", "");

    EXPECT_EQ(numbersAt(device, 5, {10, 11}).size(), 74u);
    EXPECT_EQ(numbersAt(device, 6, {10, 11}).size(), 26u);
    EXPECT_EQ(device.lineText(6, 800),
              "   piano setto peso   car.    sn     sigma     rig.x     rig.y   asc.   ord. dir. f.p.    f.o."
              "  ultima   t.max   torc.");
    EXPECT_EQ(device.textsOnPage(7).front().text, "D) RISULTATI GENERALI E DEI PIANI");
}

// One storey of three X walls and two Y walls, verified by the engine.
class ReportDirections : public ::testing::Test {
protected:
    ReportDirections() : building(makeBuilding(1, 3, 2)) {
        EXPECT_TRUE(building.run(1).complete);
        report::printCalculationReport(device, *building.project, "", "");
    }

    std::string expectedRow(int wall, bool x) const {
        const WallResult r = building.at(1, wall);
        const auto f = [](const ResultValue& value, int width) { return formatFixed2(value.number(), width); };
        return "     1     " + std::to_string(wall) + " " + f(r.selfWeightShare, 6) + f(r.slabLoad, 7) +
               f(r.normalForce, 8) + f(r.baseStress, 8) + f(r.stiffnessX, 10) + f(r.stiffnessY, 10) + f(r.armX, 7) +
               f(r.armY, 7) + (x ? "  X" : "  Y") +
               (x ? f(r.storeyShareX, 7) + f(r.horizontalForceX, 8) + f(r.ultimateShearX, 8)
                  : f(r.storeyShareY, 7) + f(r.horizontalForceY, 8) + f(r.ultimateShearY, 8)) +
               f(r.maxStress, 8) + f(r.torsionForce, 7);
    }

    TestBuilding building;
    RecordingDevice device = countsOnly();
};

TEST_F(ReportDirections, XWallsPrintTheirXForces) {
    for (int wall = 1; wall <= 3; ++wall) {
        ASSERT_NE(building.at(1, wall).ultimateShearX, building.at(1, wall).ultimateShearY);
        EXPECT_EQ(lineStarting(device, 4, "     1     " + std::to_string(wall) + " "), expectedRow(wall, true));
    }
}

TEST_F(ReportDirections, YWallsPrintTheirYForces) {
    for (int wall = 4; wall <= 5; ++wall) {
        ASSERT_NE(building.at(1, wall).ultimateShearX, building.at(1, wall).ultimateShearY);
        EXPECT_EQ(lineStarting(device, 4, "     1     " + std::to_string(wall) + " "), expectedRow(wall, false));
    }
}

TEST_F(ReportDirections, StoreyResultsAndBuildingValues) {
    const FloorResult& level = building.level(1);
    EXPECT_EQ(
        lineStarting(device, 5, "      1 ").substr(0, 8 + 8 + 7),
        "      1 " + formatFixed2(level.storeyWeight.number(), 8) + formatFixed2(level.distributionCoeff.number(), 7));
    EXPECT_EQ(lineStarting(device, 5, "         Peso totale"),
              "         Peso totale dell'edificio.......:" + formatFixed2(building.building().totalWeight.number(), 5));
    EXPECT_EQ(lineStarting(device, 5, "         Valore di lambda"),
              "         Valore di lambda................:" + formatFixed2(building.building().lambda.number(), 5));
}

} // namespace
} // namespace calvex
