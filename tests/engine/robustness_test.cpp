#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "engine/test_building.h"

namespace calvex::testing {
namespace {

bool allResultsFinite(const ProjectData& p) {
    auto finite = [](const ResultValue& v) { return !v.isNumber() || std::isfinite(v.number()); };
    for (int s = 0; s < kStoreyRows; ++s) {
        for (const auto& field : kFloorResultNumbers)
            if (!finite(p.floorResult(s).*field.member)) return false;
        for (int w = 0; w <= kMaxWalls; ++w)
            for (const auto& field : kWallResultNumbers)
                if (!finite(p.wallResult(s, w).*field.member)) return false;
    }
    for (const auto& field : kBuildingNumbers)
        if (!finite(p.building().*field.member)) return false;
    return true;
}

TEST(EngineRobustness, DivisionsByZeroStopTheRunWithTheirPlace) {
    TestBuilding b(2, 1, 1);
    for (int s = 1; s <= 2; ++s) {
        b.wall(s, 1, {.dimx = "5", .dimy = "0.3", .ascissa = "2.5", .ordinata = "0", .tirantiO = "4"});
        b.wall(s, 2, {.dimx = "0.3", .dimy = "5", .ascissa = "0", .ordinata = "2.5"});
    }
    b.project->setFloor(2, FloorField::hp, FieldValue::text("0"));
    const RunOutcome outcome = b.run();
    EXPECT_EQ(outcome.reason, StopReason::DivisionByZero);
    EXPECT_EQ(outcome.phase, Phase::TieStresses);
    EXPECT_EQ(outcome.storey, 2);
    EXPECT_EQ(outcome.wall, 1);
    EXPECT_EQ(outcome.describe(), "divisione per zero nel calcolo: tensioni dovute ai tiranti al piano 2, setto 1");
    EXPECT_TRUE(allResultsFinite(*b.project));

    // Walls without area: the centre of mass has nothing to weigh.
    TestBuilding absent(1, 1, 0);
    absent.wall(1, 1, {.dimx = "0", .dimy = "0", .ascissa = "0", .ordinata = "0"});
    const RunOutcome noMass = absent.run();
    EXPECT_EQ(noMass.reason, StopReason::DivisionByZero);
    EXPECT_EQ(noMass.phase, Phase::WallLoads);

    // A single storey 0.1 m high sits at height 0 once the 0.1 m is taken off.
    TestBuilding flat(1, 1, 0);
    flat.storey(1, "0.1", "2");
    flat.wall(1, 1, {.dimx = "5", .dimy = "0.3", .ascissa = "0", .ordinata = "0"});
    EXPECT_EQ(flat.run().reason, StopReason::ZeroWeightedHeights);
    EXPECT_TRUE(allResultsFinite(*flat.project));
}

TEST(EngineRobustness, RandomInputsNeverLeaveNaNOrInfinity) {
    const std::vector<std::string> texts{"",      "0",
                                         "-3",    "5",
                                         "0.3",   "abc",
                                         "1e5",   "0,5",
                                         "12",    "250",
                                         "1.5.3", "-0",
                                         ".25",   "99999999999999999999999999999",
                                         "2",     "0.0000000000000000001",
                                         "8",     "1 0",
                                         "3,"};
    std::mt19937 random(20261208);
    auto pick = [&] { return texts[random() % texts.size()]; };
    int complete = 0;
    for (int trial = 0; trial < 400; ++trial) {
        const int storeys = 1 + static_cast<int>(random() % 4);
        const int xWalls = static_cast<int>(random() % 4);
        const int yWalls = 1 + static_cast<int>(random() % 4);
        TestBuilding b(storeys, xWalls, yWalls, trial % 7 == 0 ? pick() : "9");
        for (int s = 1; s <= storeys; ++s) {
            if (random() % 3 == 0) b.storey(s, pick(), pick());
            for (int w = 1; w <= xWalls + yWalls; ++w) {
                const bool typical = random() % 2 == 0;
                b.wall(s, w,
                       typical
                           ? WallTexts{.dimx = w <= xWalls ? "4" : "0.3",
                                       .dimy = w <= xWalls ? "0.3" : "4",
                                       .ascissa = std::to_string(w),
                                       .ordinata = std::to_string(s * w % 7)}
                           : WallTexts{pick(), pick(), pick(), pick(), pick(), pick(), pick(), pick(), pick(), pick()});
            }
        }
        const RunOutcome outcome = b.run(1 + static_cast<int>(random() % 2), 1);
        complete += outcome.complete;
        ASSERT_TRUE(allResultsFinite(*b.project)) << "trial " << trial << ": " << outcome.describe();
        ASSERT_EQ(outcome.complete, outcome.reason == StopReason::None);
    }
    EXPECT_GT(complete, 0);
}

} // namespace
} // namespace calvex::testing
