#include <gtest/gtest.h>

#include <cstdio>
#include <random>

#include "engine/result_listing.h"
#include "engine/test_building.h"

namespace calvex::testing {
namespace {

// One random building typed twice: once with points, once with every
// decimal point typed as a comma and every count as "n,0".
class TwinBuildings {
    std::mt19937 random_;
    int storeys_, xWalls_, yWalls_;

public:
    explicit TwinBuildings(unsigned seed)
        : random_(seed),
          storeys_(pick(1, 3)),
          xWalls_(pick(1, 3)),
          yWalls_(pick(1, 3)),
          points(storeys_, xWalls_, yWalls_),
          commas(storeys_, xWalls_, yWalls_) {
        const std::string grado = oneOf({"6", "9", "12", "9.5"});
        type(GeneralField::grado, grado);
        type(GeneralField::strutt, oneOf({"4", "3.5", "2"}));
        type(GeneralField::riduz, oneOf({"0.33", "0.50", "1.00"}));
        type(GeneralField::protez, oneOf({"1.0", "1.2", "1.4"}));
        commas.project->setGeneral(GeneralField::np, FieldValue::text(std::to_string(storeys_) + ",0"));
        for (int s = 1; s <= storeys_; ++s) {
            type(s, FloorField::specifico, decimal(1.6, 2.2));
            type(s, FloorField::permsolai, decimal(0.3, 0.6));
            type(s, FloorField::accsolai, decimal(0.15, 0.4));
            type(s, FloorField::permsbalzi, decimal(0.3, 0.5));
            type(s, FloorField::accsbalzi, decimal(0.3, 0.5));
            type(s, FloorField::hp, decimal(2.7, 3.4));
            for (int w = 1; w <= xWalls_ + yWalls_; ++w) typeWall(s, w, w <= xWalls_);
        }
    }

    TestBuilding points, commas;

private:
    int pick(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random_); }
    std::string oneOf(std::initializer_list<const char*> texts) {
        return texts.begin()[pick(0, static_cast<int>(texts.size()) - 1)];
    }
    std::string decimal(double low, double high) {
        char text[32];
        std::snprintf(text, sizeof text, "%.2f", std::uniform_real_distribution<double>(low, high)(random_));
        return text;
    }
    static FieldValue withCommas(std::string text) {
        for (char& c : text)
            if (c == '.') c = ',';
        return FieldValue::text(text);
    }
    void type(GeneralField field, const std::string& text) {
        points.project->setGeneral(field, FieldValue::text(text));
        commas.project->setGeneral(field, withCommas(text));
    }
    void type(int s, FloorField field, const std::string& text) {
        points.project->setFloor(s, field, FieldValue::text(text));
        commas.project->setFloor(s, field, withCommas(text));
    }
    void typeWall(int s, int w, bool xWall) {
        const std::string length = decimal(2.5, 7.5), thickness = decimal(0.25, 0.5);
        const std::array<std::string, kWallFieldCount> texts{xWall ? length : thickness,
                                                             xWall ? thickness : length,
                                                             decimal(0, 12),
                                                             decimal(0, 9),
                                                             oneOf({"0", "1.5"}),
                                                             oneOf({"0", "2.25"}),
                                                             decimal(5, 12),
                                                             decimal(120, 300),
                                                             decimal(4, 16),
                                                             decimal(0, 2)};
        for (int f = 0; f < kWallFieldCount; ++f) {
            points.project->setWall(s, w, static_cast<WallField>(f), FieldValue::text(texts[f]));
            commas.project->setWall(s, w, static_cast<WallField>(f), withCommas(texts[f]));
        }
    }
};

TEST(DecimalComma, RandomBuildingsTypedWithCommasGiveTheResultsOfPoints) {
    int complete = 0;
    for (unsigned seed = 1; seed <= 40; ++seed) {
        TwinBuildings twins(seed);
        const RunOutcome withPoints = twins.points.run(1, 1);
        const RunOutcome withCommas = twins.commas.run(1, 1);
        ASSERT_EQ(withPoints.complete, withCommas.complete) << "seed " << seed;
        ASSERT_EQ(withPoints.reason, withCommas.reason) << "seed " << seed;
        complete += withPoints.complete;
        EXPECT_EQ(resultLines(*twins.points.project), resultLines(*twins.commas.project)) << "seed " << seed;
    }
    // The comparison is about computed buildings, not runs that stop early.
    EXPECT_GE(complete, 30);
}

} // namespace
} // namespace calvex::testing
