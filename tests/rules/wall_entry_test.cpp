#include <gtest/gtest.h>

#include "engine/test_building.h"
#include "rules/wall_entry.h"

namespace calvex {
namespace {

using testing::TestBuilding;

TEST(WallEntry, FirstCharacterRule) {
    const EntryRuleOutcome point = applyFirstCharacterRule(".");
    EXPECT_TRUE(point.accepted);
    EXPECT_EQ(point.replacement, "0.");
    EXPECT_EQ(point.message, "Inserire i dati inferiori all'unit\u00e0 digitando prima lo zero e poi il punto.");
    EXPECT_FALSE(point.turnRed);
    // The replacement passes the rule in its turn.
    EXPECT_FALSE(applyFirstCharacterRule("0.").message.has_value());

    for (const char* text : {"-", "a", "-3", " 4"}) {
        const EntryRuleOutcome refused = applyFirstCharacterRule(text);
        EXPECT_FALSE(refused.accepted) << text;
        EXPECT_EQ(refused.replacement, "");
        EXPECT_EQ(refused.message, "Inserire valori numerici significativi.");
        EXPECT_TRUE(refused.turnRed);
    }
    for (const char* text : {"", "1a", "0", "12.5"}) {
        const EntryRuleOutcome passed = applyFirstCharacterRule(text);
        EXPECT_TRUE(passed.accepted && !passed.replacement && !passed.message && !passed.turnRed) << text;
    }
}

// Two storeys, wall 1 in X and wall 2 in Y, the second storey empty.
TestBuilding twoStoreys() {
    TestBuilding building(2, 1, 1);
    building.wall(1, 1, {.dimx = "4", .dimy = "0.3", .ascissa = "2", .ordinata = "0"});
    building.wall(1, 2, {.dimx = "0.3", .dimy = "5", .ascissa = "0", .ordinata = "2.5"});
    return building;
}

TEST(WallEntry, FieldChangeStoresRunsOrEmpties) {
    TestBuilding building = twoStoreys();
    ProjectData& project = *building.project;
    project.currentFloor = 1;
    project.currentWall = 1;

    // A Y length beyond the X length of an X wall is taken back.
    const WallFieldOutcome longer = applyWallFieldChange(project, WallField::dimy, "5");
    EXPECT_TRUE(longer.emptied);
    EXPECT_FALSE(longer.recompute);
    EXPECT_EQ(longer.message, (WindowMessage{"Bisogna digitare prima i setti in direzione X.", MessageIcon::critical}));
    EXPECT_TRUE(project.wall(1, 1, WallField::dimy).isEmpty());

    // The same length is fine on a Y wall, and any value is fine in X.
    project.currentWall = 2;
    const WallFieldOutcome yWall = applyWallFieldChange(project, WallField::dimy, "6");
    EXPECT_TRUE(yWall.recompute && !yWall.emptied && !yWall.message);
    EXPECT_EQ(project.wall(1, 2, WallField::dimy).fieldText(), "6");

    // A refused first character stores nothing: the replacement does.
    const WallFieldOutcome refused = applyWallFieldChange(project, WallField::tauk, "a");
    EXPECT_EQ(refused.replacement, "");
    EXPECT_TRUE(refused.markRed && !refused.recompute);
    EXPECT_EQ(project.wall(1, 2, WallField::tauk).fieldText(), "8");

    EXPECT_EQ(previousWallText(project, WallField::ascissa), "2");
}

TEST(WallEntry, SelectorsStopAtTheLastStoreyAndWall) {
    TestBuilding building = twoStoreys();
    ProjectData& project = *building.project;

    const SelectorOutcome past = selectWallStorey(project, 3);
    EXPECT_EQ(past.step, SelectorStep::refused);
    EXPECT_EQ(past.position, 2);
    EXPECT_EQ(past.message, (WindowMessage{"Non vi sono altri piani.", MessageIcon::exclamation}));

    EXPECT_EQ(selectWall(project, 2, 2).step, SelectorStep::accepted);
    EXPECT_EQ(project.currentWall, 2);
    EXPECT_EQ(project.currentFloor, 2);
    const SelectorOutcome pastWall = selectWall(project, 3, 1);
    EXPECT_EQ(pastWall.position, 2);
    EXPECT_EQ(pastWall.message->text, "Non vi sono altri setti.");
    EXPECT_EQ(project.currentFloor, 2) << "a refused move changes nothing";

    ProjectData empty;
    EXPECT_EQ(selectWallStorey(empty, 4).step, SelectorStep::reset);
    EXPECT_EQ(selectWall(empty, 4, 1).position, 1);
}

TEST(WallEntry, StoreyCopyGoesOneUpAndNotPastTheTop) {
    TestBuilding building = twoStoreys();
    ProjectData& project = *building.project;
    project.currentFloor = 1;
    const StoreyCopy copy = planStoreyCopy(project);
    ASSERT_FALSE(copy.message);
    EXPECT_FALSE(copyStorey(project, copy)) << "the window has not moved to storey 2";
    project.currentFloor = copy.to;
    EXPECT_TRUE(copyStorey(project, copy));
    EXPECT_EQ(project.wall(2, 2, WallField::dimy).fieldText(), "5");

    EXPECT_EQ(planStoreyCopy(project).message->text, "Non esistono altri piani.");
}

TEST(WallEntry, CheckAsksAboutAbsentWallsOnlyWhenInteractive) {
    TestBuilding building = twoStoreys();
    building.wall(2, 1, {.dimx = "4", .dimy = "0.3", .ascissa = "2", .ordinata = "0"});
    building.wall(2, 2, {.dimx = "0", .dimy = "0", .ascissa = "0", .ordinata = "0", .tauk = "0", .sigma = "0"});
    const ProjectData& project = *building.project;

    const WallWindowCheck silent = checkWallWindow(project, CheckMode::silent);
    EXPECT_TRUE(silent.passed());
    EXPECT_FALSE(silent.question);
    const WallWindowCheck asked = checkWallWindow(project, CheckMode::interactive);
    ASSERT_TRUE(asked.question);
    EXPECT_NE(asked.question->find("Piano n. 2 --->  2-\n"), std::string::npos) << *asked.question;
    EXPECT_EQ(absentWallsAnswer(true)->icon, MessageIcon::information);
    EXPECT_FALSE(absentWallsAnswer(false));

    building.wall(2, 2, {.dimx = "0", .dimy = "0", .ascissa = "1", .ordinata = "0"});
    const WallWindowCheck failed = checkWallWindow(project, CheckMode::interactive);
    ASSERT_FALSE(failed.passed());
    EXPECT_FALSE(failed.question);
    EXPECT_EQ(failed.failure->storey, 2);
    EXPECT_EQ(failed.failure->wall, 2);
}

} // namespace
} // namespace calvex
