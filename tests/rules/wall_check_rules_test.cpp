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
    project.wallResults(3).sectionCheckText[2].setPartialised();
    EXPECT_FALSE(wallNeedsChange(project, 2));
    project.wallResults(2).sigmaCheckText[2].set(200, 250);
    EXPECT_TRUE(wallNeedsChange(project, 2));
    EXPECT_FALSE(wallNeedsChange(project, 1));
    EXPECT_EQ(wallCheckCaption(project, 2), "Setto n. 2 (direzione Y)");
}

} // namespace
} // namespace calvex
