#include "print/printouts/plan_printout.h"
#include "support/recording_device.h"

#include "engine/test_building.h"
#include "model/numeric_text.h"
#include "rules/plan_geometry.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace calvex {
namespace {

using testing::RecordingDevice;
using testing::TestBuilding;
using Item = RecordingDevice::Item;

constexpr unsigned kRed = wallFillRgb(WallFill::failing);

// Two X walls and two Y walls closing a 5 x 8 m room; wall 2 has a shear
// allowable stress far too low.
TestBuilding room() {
    TestBuilding b(1, 2, 2);
    b.storey(1, "3", "1.8");
    b.wall(1, 1, {.dimx = "5", .dimy = "0.4", .ascissa = "2.5", .ordinata = "0.2"});
    b.wall(1, 2, {.dimx = "5", .dimy = "0.4", .ascissa = "2.5", .ordinata = "7.8", .sigma = "1"});
    b.wall(1, 3, {.dimx = "0.4", .dimy = "8", .ascissa = "0.2", .ordinata = "4"});
    b.wall(1, 4, {.dimx = "0.4", .dimy = "8", .ascissa = "4.8", .ordinata = "4"});
    return b;
}

// The rectangles of the drawn walls: those after the title block and the
// axes' frame, before the legend's swatches.
std::vector<Item> wallRectangles(const RecordingDevice& device, int walls) {
    const std::vector<Item> all = device.itemsOf(RecordingDevice::Kind::Rectangle);
    return {all.begin() + 2, all.begin() + 2 + walls};
}

double centreX(const Item& item) { return (item.x + item.x2) / 2.0; }
double centreY(const Item& item) { return (item.y + item.y2) / 2.0; }

TEST(PlanPrintout, WallsAndCentresStandToScaleAndFailingWallsAreRed) {
    TestBuilding b = room();
    ASSERT_TRUE(b.run(1).complete);
    RecordingDevice device;
    printouts::printStoreyPlan(device, *b.project, 1, "09/12/2026", shortestNumberText);
    const std::vector<Item> walls = wallRectangles(device, 4);

    // One scale for both axes and every wall.
    const double scale = (walls[0].x2 - walls[0].x) / 5.0;
    ASSERT_GT(scale, 500);
    const std::array<PlanWall, 4> expected{{{1, true, {2.5, 0.2}, 5, 0.4, {}},
                                            {2, true, {2.5, 7.8}, 5, 0.4, {}},
                                            {3, false, {0.2, 4}, 0.4, 8, {}},
                                            {4, false, {4.8, 4}, 0.4, 8, {}}}};
    for (int w = 0; w < 4; ++w) {
        const Item& rect = walls[w];
        EXPECT_NEAR(rect.x2 - rect.x, expected[w].sizeX * scale, 2) << w + 1;
        EXPECT_NEAR(rect.y2 - rect.y, expected[w].sizeY * scale, 2) << w + 1;
        // y runs upwards on the plan.
        EXPECT_NEAR(centreX(rect) - centreX(walls[0]), (expected[w].centre.x - 2.5) * scale, 2) << w + 1;
        EXPECT_NEAR(centreY(walls[0]) - centreY(rect), (expected[w].centre.y - 0.2) * scale, 2) << w + 1;
        // Red exactly where the engine's checks failed.
        const WallResult result = b.at(1, w + 1);
        const bool failed =
            !result.shearCheckText.isEmpty() || !result.sigmaCheckText.isEmpty() || !result.sectionCheckText.isEmpty();
        EXPECT_EQ(rect.fill == kRed, failed) << w + 1;
    }
    EXPECT_EQ(walls[1].fill, kRed);
    EXPECT_NE(walls[0].fill, walls[2].fill); // X and Y walls differ
    EXPECT_FALSE(walls[0].landscape);        // a tall plan stays upright

    // The plus of the centre of masses and the cross of the centre of
    // stiffness, where the results put them.
    std::vector<Item> markers = device.itemsOf(RecordingDevice::Kind::Line);
    std::erase_if(markers, [](const Item& line) { return line.width != 15; });
    ASSERT_GE(markers.size(), 4u);
    const FloorResult& floor = b.level(1);
    const Item& massLine = markers[0];
    EXPECT_NEAR((massLine.x + massLine.x2) / 2.0 - centreX(walls[0]), (floor.massCentreX.number() - 2.5) * scale, 2);
    EXPECT_NEAR(centreY(walls[0]) - massLine.y, (floor.massCentreY.number() - 0.2) * scale, 2);
    const Item& stiffnessLine = markers[2];
    EXPECT_NEAR((stiffnessLine.x + stiffnessLine.x2) / 2.0 - centreX(walls[0]),
                (floor.stiffCentreX.number() - 2.5) * scale, 2);
    EXPECT_NEAR(centreY(walls[0]) - (stiffnessLine.y + stiffnessLine.y2) / 2.0,
                (floor.stiffCentreY.number() - 0.2) * scale, 2);
}

// A wall without its sizes is listed instead of drawn; a long plan turns
// the page; results that no longer belong to the data grey the red.
TEST(PlanPrintout, WallsWithoutDataAreListedAndALongPlanTurnsThePage) {
    TestBuilding b = room();
    ASSERT_TRUE(b.run(1).complete);
    b.project->setWall(1, 4, WallField::ascissa, FieldValue::text("30"));
    b.project->setWall(1, 3, WallField::dimy, FieldValue::text(""));
    RecordingDevice device;
    printouts::printStoreyPlan(device, *b.project, 1, "09/12/2026", shortestNumberText);

    const std::vector<Item> walls = wallRectangles(device, 3);
    EXPECT_TRUE(walls[0].landscape);
    EXPECT_EQ(walls[1].fill, wallFillRgb(WallFill::failingStale));
    EXPECT_NE(walls[2].fill, kRed);
    const std::vector<Item> texts = device.texts();
    const auto said = [&texts](const std::string& text) {
        return std::any_of(texts.begin(), texts.end(), [&text](const Item& item) { return item.text == text; });
    };
    EXPECT_TRUE(said("Setti senza dati (non disegnati): 3"));
    EXPECT_TRUE(said("risultati non aggiornati"));
}

} // namespace
} // namespace calvex
