#include <gtest/gtest.h>

#include "engine/test_building.h"

namespace calvex::testing {
namespace {

// Two storeys, one wall 5 x 0.3 m per storey, hp 3, specifico 1.8, no slabs.
TestBuilding twoStoreyWall(const std::string& grado = "9") {
    TestBuilding b(2, 1, 0, grado);
    for (int s = 1; s <= 2; ++s) {
        b.storey(s, "3", "1.8");
        b.wall(s, 1, {.dimx = "5", .dimy = "0.3", .ascissa = "2.5", .ordinata = "0"});
    }
    return b;
}

TEST(VerticalLoads, NormalForceAndStressAccumulateFromTheTop) {
    TestBuilding b = twoStoreyWall();
    ASSERT_TRUE(b.run().complete);
    EXPECT_DOUBLE_EQ(b.at(1, 1).area.number(), 1.5);
    EXPECT_DOUBLE_EQ(b.at(2, 1).normalForce.number(), 8.1);
    EXPECT_DOUBLE_EQ(b.at(1, 1).normalForce.number(), 16.2);
    EXPECT_DOUBLE_EQ(b.at(1, 1).baseStress.number(), 10.8);
    EXPECT_DOUBLE_EQ(b.at(2, 1).selfWeightShare.number(), 4.05);
    EXPECT_DOUBLE_EQ(b.at(1, 1).selfWeightShare.number(), 8.1);
    EXPECT_DOUBLE_EQ(b.at(0, 1).selfWeightShare.number(), 4.05);
    EXPECT_DOUBLE_EQ(b.building().totalWeight.number(), 16.2);
    EXPECT_DOUBLE_EQ(b.level(1).storeyHeight.number(), 2.9);
    EXPECT_DOUBLE_EQ(b.level(2).levelHeight.number(), 5.9);
    EXPECT_EQ(b.level(0).distributionCoeff.number(), 0.0);
    EXPECT_EQ(b.level(0).storeyForce.number(), 0.0);
}

TEST(VerticalLoads, SeismicCoefficientFollowsTheGrade) {
    // The sum of gamma x weight over the levels is the total weight, so the
    // total force is protez x strutt x C x totalWeight.
    for (auto [grado, coefficient] : {std::pair{"9", 0.07}, std::pair{"12", 0.1}, std::pair{"6", 0.04}}) {
        TestBuilding b = twoStoreyWall(grado);
        ASSERT_TRUE(b.run().complete);
        EXPECT_NEAR(b.building().totalForce.number(), 4 * coefficient * 16.2, 0.005) << grado;
        double weighted = 0;
        for (int f = 0; f <= 2; ++f)
            weighted += b.level(f).distributionCoeff.number() * b.level(f).storeyWeight.number();
        EXPECT_NEAR(weighted, 16.2, 0.05);
    }
    TestBuilding low = twoStoreyWall("2");
    ASSERT_TRUE(low.run().complete);
    EXPECT_EQ(low.project->general(GeneralField::grado), FieldValue::real(2.001));
    EXPECT_NEAR(low.building().totalForce.number(), 0.0, 1e-9);
}

TEST(VerticalLoads, DimensionsReadCommasLikeSlabs) {
    TestBuilding b(1, 1, 0);
    b.wall(1, 1, {.dimx = "0,30", .dimy = "5", .ascissa = "0", .ordinata = "0", .solai = "0,30"});
    b.run();
    EXPECT_DOUBLE_EQ(b.project->wallNumber(1, 1, WallField::dimx), 0.3);
    EXPECT_DOUBLE_EQ(b.project->wallNumber(1, 1, WallField::solai), 0.3);
    EXPECT_DOUBLE_EQ(b.at(1, 1).area.number(), 1.5);
}

TEST(VerticalLoads, TieStressesAreResetWhenTiesAreRemoved) {
    TestBuilding b = twoStoreyWall();
    b.project->setWall(1, 1, WallField::tirantiO, FieldValue::text("6"));
    b.project->setWall(1, 1, WallField::tirantiV, FieldValue::text("3"));
    ASSERT_TRUE(b.run().complete);
    EXPECT_DOUBLE_EQ(b.at(1, 1).tieStressH.number(), 6 / (3 * 0.3));
    EXPECT_DOUBLE_EQ(b.at(1, 1).tieStressV.number(), 2.0);
    b.project->setWall(1, 1, WallField::tirantiO, FieldValue::text("0"));
    ASSERT_TRUE(b.run().complete);
    EXPECT_EQ(b.at(1, 1).tieStressH.number(), 0.0);
}

TEST(VerticalLoads, NothingIsAccumulatedAboveTheTopStorey) {
    TestBuilding b = twoStoreyWall();
    ASSERT_TRUE(b.run().complete);
    // One storey less, without the hand-over that would clear storey 2:
    // its stale results must not reach storey 1.
    b.project->setGeneral(GeneralField::np, FieldValue::text("1"));
    ASSERT_TRUE(b.run().complete);
    EXPECT_DOUBLE_EQ(b.at(1, 1).normalForce.number(), 8.1);
    EXPECT_DOUBLE_EQ(b.at(1, 1).baseStress.number(), 5.4);
    EXPECT_DOUBLE_EQ(b.at(1, 1).selfWeightShare.number(), 4.05);
    EXPECT_NEAR(b.level(1).storeyShear.number(), b.level(1).storeyForce.number(), 0.005);
}

TEST(VerticalLoads, EmptyInputsAreWrittenBackAsZero) {
    TestBuilding b(1, 1, 0);
    b.project->setWall(1, 1, WallField::dimx, FieldValue::text("5"));
    b.project->setWall(1, 1, WallField::dimy, FieldValue::text("0.3"));
    const RunOutcome outcome = b.run();
    // No stiffness at all on the storey: the centre of stiffness divides by zero.
    EXPECT_EQ(outcome.reason, StopReason::DivisionByZero);
    EXPECT_EQ(outcome.phase, Phase::Stiffness);
    EXPECT_EQ(outcome.storey, 1);
    for (WallField field :
         {WallField::solai, WallField::sbalzi, WallField::ascissa, WallField::ordinata, WallField::tauk})
        EXPECT_EQ(b.project->wall(1, 1, field), FieldValue::integer(0)) << static_cast<int>(field);
    EXPECT_EQ(b.at(1, 1).stiffnessX.number(), 0.0);
}

} // namespace
} // namespace calvex::testing
