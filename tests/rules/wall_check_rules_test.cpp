#include <gtest/gtest.h>

#include "engine/test_building.h"
#include "rules/wall_check_rules.h"

namespace calvex {
namespace {

TEST(WallCheckRules, AFailureOnAStoreyInUseMarksTheWall) {
    testing::TestBuilding building(2, 1, 1);
    ProjectData& project = *building.project;
    EXPECT_FALSE(wallNeedsChange(project, 2));
    // Above the top storey a failure is left over from a taller building.
    project.wallResult(3, 2).sectionCheckText.setPartialised();
    EXPECT_FALSE(wallNeedsChange(project, 2));
    project.wallResult(2, 2).sigmaCheckText.set(200, 250);
    EXPECT_TRUE(wallNeedsChange(project, 2));
    EXPECT_FALSE(wallNeedsChange(project, 1));
    EXPECT_EQ(wallCheckCaption(project, 2), "Setto n. 2 (direzione Y)");
}

} // namespace
} // namespace calvex
