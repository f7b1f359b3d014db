#include <gtest/gtest.h>

#include "rules/plan_geometry.h"

namespace calvex {
namespace {

// Coordinates far beyond any building, as they may be typed, still give a
// drawing with a few ticks, and a click finds the wall under it.
TEST(PlanGeometry, HugeCoordinatesGiveFewTicksAndThinWallsAreFound) {
    StoreyPlan plan;
    plan.walls.push_back({.number = 1, .centre = {3, 2}, .sizeX = 6, .sizeY = 0.3, .failedChecks = {}});
    plan.walls.push_back(
        {.number = 2, .xDirection = false, .centre = {1e300, -1e300}, .sizeX = 0.3, .sizeY = 5, .failedChecks = {}});
    const PlanDrawing far = drawStoreyPlan(plan, {0, 0, 800, 600}, 0, 40);
    EXPECT_LE(far.xTicks.size(), 60u);
    EXPECT_LE(far.yTicks.size(), 60u);

    plan.walls.pop_back();
    const PlanDrawing near = drawStoreyPlan(plan, {0, 0, 800, 600}, 1, 40);
    const DrawnWall& wall = near.walls.at(0);
    EXPECT_TRUE(wall.highlighted);
    EXPECT_EQ(wallAt(near, wall.centre.x, wall.box.top - 2, 3), 1);
    EXPECT_EQ(wallAt(near, wall.centre.x, wall.box.top - 5, 3), 0);
    // Ticks on round metres, the same step on both axes.
    ASSERT_GE(near.xTicks.size(), 2u);
    ASSERT_GE(near.yTicks.size(), 2u);
    const double step = near.xTicks[1].metres - near.xTicks[0].metres;
    EXPECT_EQ(near.yTicks[1].metres - near.yTicks[0].metres, step);
    // 40 units apart at about 110 units a metre: every half metre.
    EXPECT_EQ(step, 0.5);
}

} // namespace
} // namespace calvex
