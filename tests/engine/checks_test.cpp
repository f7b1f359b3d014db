#include <gtest/gtest.h>

#include "engine/test_building.h"

namespace calvex::testing {
namespace {

// One storey of height 5 with one X wall of the given length, 0.3 thick,
// specifico 2 and no slabs: the wall carries N = 10 x area and, with
// grado 9, a horizontal force of 0.56 x its storey weight.
TestBuilding singleWall(const std::string& length, const std::string& tauk = "8", const std::string& sigma = "250") {
    TestBuilding b(1, 1, 0);
    b.storey(1, "5", "2");
    b.wall(1, 1, {.dimx = length, .dimy = "0.3", .ascissa = "0", .ordinata = "0", .tauk = tauk, .sigma = sigma});
    return b;
}

TEST(WallChecks, UltimateShearOfAVerifiedWall) {
    TestBuilding b = singleWall("5");
    ASSERT_TRUE(b.run().complete);
    // tk 8, so 10, no ties, area 1.5: Tu = sqrt(1 + 10 / 12) x 12
    EXPECT_DOUBLE_EQ(b.at(1, 1).staticStress.number(), 10);
    EXPECT_DOUBLE_EQ(b.at(1, 1).ultimateShearX.number(), 16.25);
    EXPECT_EQ(b.at(1, 1).verdict.str(), "setto verificato");
    EXPECT_EQ(b.at(1, 1).minStressText.str(), " 1.6");
    EXPECT_DOUBLE_EQ(b.at(1, 1).maxStress.number(), 18.4);
    EXPECT_NEAR(b.at(1, 1).eccentricity.number(), 0.7, 1e-12);
    EXPECT_DOUBLE_EQ(b.level(1).safetyX.number(), 3.87);
    for (const FailureList* list :
         {&b.project->failureList(FailureKind::shear), &b.project->failureList(FailureKind::sigma),
          &b.project->failureList(FailureKind::section)})
        EXPECT_EQ(list->str(), "*** nessuno ***");
    EXPECT_TRUE(b.project->resultsCurrent());
}

TEST(WallChecks, ShearAndStressFailuresAreListed) {
    TestBuilding b = singleWall("5", "0.5", "1.0");
    ASSERT_TRUE(b.run().complete);
    const WallResult r = b.at(1, 1);
    EXPECT_EQ(r.shearCheckText.str(), "tonn. 2 < tonn. 4");
    EXPECT_EQ(b.project->failureList(FailureKind::shear).str(),
              "piano n. 1 - setto n. 1 (direzione X)  taglio t.=  2 < forza orizz. t.=  4 ----- ");
    EXPECT_EQ(r.sigmaCheckText.str(), "tonn. 1 < tonn. 18");
    EXPECT_EQ(b.project->failureList(FailureKind::sigma).str(),
              "piano n. 1 - setto n. 1 sigma ammissibile t.=  1 <  sigma lavoro t.=  18 ----- ");
    EXPECT_EQ(b.project->failureList(FailureKind::section).str(), "*** nessuno ***");
    EXPECT_EQ(r.verdict.str(), "setto non verificato");
    EXPECT_FALSE(storeyVerified(*b.project, 1));
    EXPECT_FALSE(buildingVerified(*b.project));
}

// The lists are made from the check texts by the run: the clear commands,
// which empty those texts, leave the lists of the run as they were.
TEST(WallChecks, ClearingTheWallsLeavesTheListsOfTheRun) {
    TestBuilding b = singleWall("5", "0.5", "1.0");
    ASSERT_TRUE(b.run().complete);
    b.project->resetWalls();
    b.project->prepareWallEntry();
    EXPECT_TRUE(b.at(1, 1).shearCheckText.isEmpty());
    EXPECT_EQ(b.project->failureList(FailureKind::shear).str(),
              "piano n. 1 - setto n. 1 (direzione X)  taglio t.=  2 < forza orizz. t.=  4 ----- ");
    EXPECT_EQ(b.project->failureList(FailureKind::sigma).entries().size(), 1u);
}

TEST(WallChecks, PartialisedSectionAndResultantOutside) {
    // e = 0.7 in both walls: partialised for L = 2, outside for L = 1.
    TestBuilding partialised = singleWall("2");
    ASSERT_TRUE(partialised.run().complete);
    EXPECT_DOUBLE_EQ(partialised.at(1, 1).maxStress.number(), 44.44);
    EXPECT_EQ(partialised.at(1, 1).minStressText.str(), "");
    EXPECT_EQ(partialised.project->failureList(FailureKind::section).str(), "*** nessuno ***");

    TestBuilding outside = singleWall("1");
    ASSERT_TRUE(outside.run().complete);
    const WallResult r = outside.at(1, 1);
    EXPECT_EQ(r.maxStress.number(), 0.0);
    EXPECT_EQ(r.minStressText.str(), "");
    EXPECT_EQ(r.sectionCheckText.str(), "sez. parzializzata");
    EXPECT_EQ(r.verdict.str(), "setto non verificato");
    EXPECT_EQ(outside.project->failureList(FailureKind::section).str(), "piano n. 1 - setto n. 1 --- ");
}

TEST(WallChecks, ResultantOnTheEdgeCountsAsOutside) {
    // Values chosen so that every step is exact: K = 0.25, N = 4, H = 1,
    // h = 4, so e = 0.5 = L / 2 for a wall 1 m long.
    TestBuilding b(1, 1, 0, "12");
    b.project->setGeneral(GeneralField::strutt, FieldValue::text("2.5"));
    b.storey(1, "4", "2");
    b.wall(1, 1, {.dimx = "1", .dimy = "0.5", .ascissa = "0", .ordinata = "0"});
    ASSERT_TRUE(b.run().complete);
    ASSERT_EQ(b.at(1, 1).horizontalForceX.number(), 1.0);
    ASSERT_EQ(b.at(1, 1).normalForce.number(), 4.0);
    EXPECT_EQ(b.at(1, 1).maxStress.number(), 0.0);
    EXPECT_EQ(b.at(1, 1).sectionCheckText.str(), "sez. parzializzata");
    EXPECT_EQ(b.project->failureList(FailureKind::section).str(), "piano n. 1 - setto n. 1 --- ");
}

TEST(WallChecks, SwitchOffAndMissingGradeLeaveResultsAlone) {
    TestBuilding b = singleWall("5");
    ASSERT_TRUE(b.run().complete);
    b.project->setWall(1, 1, WallField::dimx, FieldValue::text("4"));
    RunOutcome off = runEngine(*b.project, RunContext{false, 2, 1, false});
    EXPECT_EQ(off.reason, StopReason::LiveCalculationOff);
    EXPECT_DOUBLE_EQ(b.at(1, 1).area.number(), 1.5);
    EXPECT_FALSE(b.project->resultsCurrent());

    b.project->setGeneral(GeneralField::grado, FieldValue::text(""));
    EXPECT_EQ(b.run().reason, StopReason::GradoMissing);
    b.project->setGeneral(GeneralField::grado, FieldValue::text("nove"));
    EXPECT_EQ(b.run().reason, StopReason::GradoMissing);
    EXPECT_DOUBLE_EQ(b.at(1, 1).area.number(), 1.5);

    b.project->setGeneral(GeneralField::grado, FieldValue::text("9"));
    EXPECT_TRUE(b.run().complete);
    EXPECT_DOUBLE_EQ(b.at(1, 1).area.number(), 1.2);
    EXPECT_TRUE(b.project->resultsCurrent());
}

TEST(WallChecks, FillStepZeroesEmptyValuesUpToTheWallShown) {
    TestBuilding b(1, 2, 0);
    b.wall(1, 1, {.dimx = "5", .dimy = "0.3", .ascissa = "0", .ordinata = "0"});
    b.project->setWall(1, 2, WallField::tauk, FieldValue::text("8"));
    runEngine(*b.project, RunContext{true, 1, 1, true});
    EXPECT_TRUE(b.project->wall(1, 2, WallField::dimx).isEmpty()); // beyond the wall shown
    EXPECT_EQ(runEngine(*b.project, RunContext{true, 1, 2, false}).reason, StopReason::EmptyDimension);
    runEngine(*b.project, RunContext{true, 1, 2, true});
    EXPECT_EQ(b.project->wall(1, 2, WallField::dimx), FieldValue::integer(0));
    EXPECT_EQ(b.project->wall(1, 2, WallField::tauk), FieldValue::text("8"));
}

TEST(WallChecks, EmptyDimensionStopsWhereItIs) {
    TestBuilding b(2, 2, 0);
    b.wall(1, 1, {.dimx = "5", .dimy = "0.3", .ascissa = "0", .ordinata = "0"});
    b.wall(2, 1, {.dimx = "5", .dimy = "0.3", .ascissa = "0", .ordinata = "0"});
    b.project->setWall(2, 2, WallField::dimx, FieldValue::text("4"));
    const RunOutcome outcome = b.run();
    EXPECT_FALSE(outcome.complete);
    EXPECT_EQ(outcome.reason, StopReason::EmptyDimension);
    EXPECT_EQ(outcome.storey, 2);
    EXPECT_EQ(outcome.wall, 2);
    EXPECT_EQ(outcome.describe(), "misura in direzione X o Y mancante al piano 2, setto 2");
    EXPECT_TRUE(b.at(1, 1).area.isNeverWritten());
}

} // namespace
} // namespace calvex::testing
