#include <gtest/gtest.h>

#include "engine/test_building.h"

namespace calvex::testing {
namespace {

// One storey of height 3 with four walls on a rectangle: two X walls on
// the long sides, two Y walls on the short ones.
TestBuilding boxStorey(const std::string& yOfSecondXWall = "10") {
    TestBuilding b(1, 2, 2);
    b.storey(1, "3", "2");
    b.wall(1, 1, {.dimx = "5", .dimy = "0.3", .ascissa = "2.5", .ordinata = "0", .solai = "10"});
    b.wall(1, 2, {.dimx = "5", .dimy = "0.3", .ascissa = "2.5", .ordinata = yOfSecondXWall, .solai = "10"});
    b.wall(1, 3, {.dimx = "0.3", .dimy = "4", .ascissa = "0", .ordinata = "5", .solai = "10"});
    b.wall(1, 4, {.dimx = "0.3", .dimy = "4", .ascissa = "5", .ordinata = "5", .solai = "10"});
    return b;
}

TEST(Stiffness, ShearStiffnessInBothDirections) {
    TestBuilding b = boxStorey();
    ASSERT_TRUE(b.run().complete);
    EXPECT_DOUBLE_EQ(b.at(1, 1).shearModulus.number(), 8800);
    EXPECT_DOUBLE_EQ(b.at(1, 1).stiffnessX.number(), 3459.12);
    EXPECT_DOUBLE_EQ(b.at(1, 1).stiffnessY.number(), 207.55);
}

TEST(Stiffness, SymmetricStoreySharesByStiffnessAlone) {
    TestBuilding b = boxStorey();
    ASSERT_TRUE(b.run().complete);
    const FloorResult& f = b.level(1);
    EXPECT_NEAR(f.eccX.number(), 0.0, 1e-9);
    EXPECT_NEAR(f.eccY.number(), 0.0, 1e-9);
    EXPECT_NEAR(f.sumShareX.number(), f.storeyForce.number(), 0.005);
    EXPECT_NEAR(f.sumShareY.number(), f.storeyForce.number(), 0.005);
    EXPECT_NEAR(b.at(1, 1).storeyShareX.number(), f.storeyForce.number() / 2, 0.006);
    // Without additional torsion the torsion results are all zero.
    EXPECT_EQ(f.torsionMoment.number(), 0.0);
    for (int w = 1; w <= 4; ++w) EXPECT_EQ(b.at(1, w).torsionForce.number(), 0.0);
}

TEST(Stiffness, NegativeEccentricityReversesTheArms) {
    // Moving the second X wall out to y = 14 pulls the centre of stiffness
    // up more than the centre of mass: eccY < 0, and the wall farthest up
    // gets a negative arm that lowers its share.
    TestBuilding b = boxStorey("14");
    ASSERT_TRUE(b.run().complete);
    const FloorResult& f = b.level(1);
    ASSERT_LT(f.eccY.number(), 0.0);
    EXPECT_LT(b.at(1, 2).armY.number(), 0.0);
    EXPECT_GT(b.at(1, 1).armY.number(), 0.0);
    const double direct = f.storeyForce.number() / 2;
    EXPECT_LT(b.at(1, 2).storeyShareX.number(), direct);
    EXPECT_GT(b.at(1, 1).storeyShareX.number(), direct);
}

TEST(Stiffness, HorizontalForcesAccumulateFromTheTop) {
    TestBuilding b(2, 2, 2);
    for (int s = 1; s <= 2; ++s) {
        b.storey(s, "3", "2");
        b.wall(s, 1, {.dimx = "5", .dimy = "0.3", .ascissa = "2.5", .ordinata = "0", .solai = "10"});
        b.wall(s, 2, {.dimx = "5", .dimy = "0.3", .ascissa = "2.5", .ordinata = "10", .solai = "10"});
        b.wall(s, 3, {.dimx = "0.3", .dimy = "4", .ascissa = "0", .ordinata = "5", .solai = "10"});
        b.wall(s, 4, {.dimx = "0.3", .dimy = "4", .ascissa = "5", .ordinata = "5", .solai = "10"});
    }
    ASSERT_TRUE(b.run().complete);
    EXPECT_NEAR(b.at(1, 1).horizontalForceX.number(),
                b.at(1, 1).storeyShareX.number() + b.at(2, 1).storeyShareX.number(), 0.011);
    EXPECT_NEAR(b.at(1, 3).horizontalForceY.number(),
                b.at(1, 3).storeyShareY.number() + b.at(2, 3).storeyShareY.number(), 0.011);
    EXPECT_NEAR(b.level(1).storeyShear.number(), b.building().totalForce.number(), 0.011);
}

// Walls at the four corners of a plan whose outer extents are `length` x `width`.
double lambdaOfPlan(double length, double width) {
    TestBuilding b(1, 2, 2);
    auto text = [](double v) { return std::to_string(v); };
    b.wall(1, 1, {.dimx = "1", .dimy = "0.5", .ascissa = "0.5", .ordinata = "0.25"});
    b.wall(1, 2, {.dimx = "1", .dimy = "0.5", .ascissa = text(length - 0.5), .ordinata = text(width - 0.25)});
    b.wall(1, 3, {.dimx = "0.5", .dimy = "1", .ascissa = "0.25", .ordinata = text(width - 0.5)});
    b.wall(1, 4, {.dimx = "0.5", .dimy = "1", .ascissa = text(length - 0.25), .ordinata = "0.5"});
    b.run(1);
    return b.building().lambda.number();
}

TEST(Stiffness, LambdaFromThePlanRatio) {
    EXPECT_NEAR(lambdaOfPlan(30, 10), 0.04, 1e-12);
    EXPECT_EQ(lambdaOfPlan(20, 10), 0.0);
    EXPECT_EQ(lambdaOfPlan(25, 10), 0.0);
    EXPECT_NEAR(lambdaOfPlan(26, 10), 0.032, 1e-12);
    EXPECT_EQ(lambdaOfPlan(40, 10), 0.05);
    EXPECT_EQ(lambdaOfPlan(10, 40), 0.05); // the longer side is always D
}

TEST(Stiffness, AdditionalTorsionOfAnElongatedBuilding) {
    TestBuilding b(1, 2, 2);
    b.storey(1, "3", "2");
    b.wall(1, 1, {.dimx = "6", .dimy = "0.3", .ascissa = "3", .ordinata = "0.15", .solai = "20"});
    b.wall(1, 2, {.dimx = "6", .dimy = "0.3", .ascissa = "27", .ordinata = "9.85", .solai = "20"});
    b.wall(1, 3, {.dimx = "0.3", .dimy = "4", .ascissa = "0.15", .ordinata = "5", .solai = "20"});
    b.wall(1, 4, {.dimx = "0.3", .dimy = "4", .ascissa = "29.85", .ordinata = "5", .solai = "20"});
    ASSERT_TRUE(b.run(1).complete);
    EXPECT_DOUBLE_EQ(b.building().sideLong.number(), 30);
    EXPECT_NEAR(b.building().sideShort.number(), 10, 1e-12);
    const FloorResult& f = b.level(1);
    EXPECT_DOUBLE_EQ(f.torsionTotalForce.number(), f.storeyForce.number());
    EXPECT_NEAR(f.torsionMoment.number(), f.storeyForce.number() * 30 * 0.04, 0.006);
    // The couple pushes the two X walls in opposite directions.
    EXPECT_LT(b.at(1, 1).torsionForce.number() * b.at(1, 2).torsionForce.number(), 0.0);
}

} // namespace
} // namespace calvex::testing
