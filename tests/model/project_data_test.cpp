#include <gtest/gtest.h>

#include <memory>

#include "model/project_data.h"

namespace calvex {
namespace {

std::unique_ptr<ProjectData> fresh() { return std::make_unique<ProjectData>(); }

TEST(ProjectData, StartValues) {
    auto p = fresh();
    EXPECT_TRUE(p->general(GeneralField::grado).isEmpty());
    EXPECT_EQ(p->general(GeneralField::grado).kind(), FieldValue::Kind::Empty);
    EXPECT_EQ(p->general(GeneralField::strutt), FieldValue::integer(4));
    EXPECT_EQ(p->general(GeneralField::riduz), FieldValue::real(0.33));
    EXPECT_EQ(p->general(GeneralField::protez), FieldValue::integer(1));
    EXPECT_EQ(p->floor(0, FloorField::permsolai), FieldValue::integer(0));
    EXPECT_TRUE(p->floor(0, FloorField::hp).isEmpty());
    EXPECT_EQ(p->currentFloor, 1);
    EXPECT_TRUE(p->wallResult(3, 4).area.isNeverWritten());
    EXPECT_FALSE(p->wallResult(3, 4).verdict.isWritten());
    EXPECT_EQ(p->wallResult(3, 4).area.number(), 0.0);
}

TEST(ProjectData, EmptyMeansEmptyKindOrEmptyTextButNotZero) {
    EXPECT_TRUE(FieldValue().isEmpty());
    EXPECT_TRUE(FieldValue::text("").isEmpty());
    EXPECT_FALSE(FieldValue::integer(0).isEmpty());
    EXPECT_FALSE(FieldValue::text(" ").isEmpty());
    EXPECT_EQ(FieldValue::real(0.33).fieldText(), "0.33");
    EXPECT_EQ(FieldValue::integer(4).fieldText(), "4");
    EXPECT_EQ(FieldValue::text("0,35").typedNumber(), 0.35);
    EXPECT_EQ(FieldValue::text("0.35").typedNumber(), 0.35);
}

TEST(ProjectData, IntroduceStoreysFillsOnlyEmptyValues) {
    auto p = fresh();
    p->introduceStoreys(3);
    EXPECT_EQ(p->floor(3, FloorField::specifico), FieldValue::integer(2));
    EXPECT_EQ(p->floor(3, FloorField::permsolai), FieldValue::real(0.35));
    EXPECT_EQ(p->floor(3, FloorField::accsolai), FieldValue::real(0.2));
    EXPECT_EQ(p->floor(3, FloorField::permsbalzi), FieldValue::real(0.4));
    EXPECT_EQ(p->floor(3, FloorField::accsbalzi), FieldValue::real(0.4));
    EXPECT_EQ(p->floor(3, FloorField::hp), FieldValue::real(2.9));
    EXPECT_TRUE(p->floor(4, FloorField::hp).isEmpty());
    p->setFloor(2, FloorField::hp, FieldValue::text("3.2"));

    // After the hand-over with 3 storeys, storeys 4 to 21 hold 0 in specifico
    // and hp; 0 is not empty, so raising np keeps it there.
    p->setGeneral(GeneralField::np, FieldValue::text("3"));
    p->setGeneral(GeneralField::wallCount, FieldValue::real(2));
    p->prepareWallEntry();
    EXPECT_EQ(p->floor(21, FloorField::hp), FieldValue::integer(0));
    p->introduceStoreys(5);
    EXPECT_EQ(p->floor(2, FloorField::hp), FieldValue::text("3.2"));
    EXPECT_EQ(p->floor(5, FloorField::hp), FieldValue::integer(0));
    EXPECT_EQ(p->floor(5, FloorField::specifico), FieldValue::integer(0));
    EXPECT_EQ(p->floor(5, FloorField::accsolai), FieldValue::real(0.2));
}

TEST(ProjectData, CountsAreWholeAndWithinLimits) {
    auto p = fresh();
    EXPECT_EQ(p->storeyCount(), 0);
    p->setGeneral(GeneralField::np, FieldValue::text("3"));
    p->setGeneral(GeneralField::numsetx, FieldValue::real(3));
    p->setGeneral(GeneralField::wallCount, FieldValue::real(7));
    EXPECT_EQ(p->storeyCount(), 3);
    EXPECT_EQ(p->wallCount(), 7);
    EXPECT_EQ(p->xWallCount(), 3);
    p->setGeneral(GeneralField::np, FieldValue::text("45"));
    p->setGeneral(GeneralField::numsetx, FieldValue::real(9));
    EXPECT_EQ(p->storeyCount(), 20);
    EXPECT_EQ(p->xWallCount(), 7);
    p->setGeneral(GeneralField::np, FieldValue::text("-2"));
    EXPECT_EQ(p->storeyCount(), 0);
}

TEST(ProjectData, ClearsCopiesAndSwaps) {
    auto p = fresh();
    p->setGeneral(GeneralField::np, FieldValue::text("2"));
    p->setGeneral(GeneralField::wallCount, FieldValue::real(2));
    p->introduceStoreys(2);
    for (int s = 1; s <= 2; ++s)
        for (int w = 1; w <= 2; ++w) p->setWall(s, w, WallField::dimx, FieldValue::text(std::to_string(10 * s + w)));
    p->setWall(3, 1, WallField::dimx, FieldValue::text("keep"));

    p->swapWalls(1, 2);
    EXPECT_EQ(p->wall(1, 1, WallField::dimx), FieldValue::text("12"));
    EXPECT_EQ(p->wall(2, 2, WallField::dimx), FieldValue::text("21"));
    EXPECT_EQ(p->wallNumber(2, 2, WallField::dimx), 21);
    EXPECT_EQ(p->wall(3, 1, WallField::dimx), FieldValue::text("keep")); // beyond np

    p->copyStoreyWalls(1, 2);
    EXPECT_EQ(p->wall(2, 1, WallField::dimx), FieldValue::text("12"));
    p->setFloor(1, FloorField::hp, FieldValue::text("3"));
    p->copyStoreyInputs(1, 2);
    EXPECT_EQ(p->floor(2, FloorField::hp), FieldValue::text("3"));
    EXPECT_EQ(p->floor(2, FloorField::specifico), FieldValue::integer(2)); // kind kept

    p->wallResults(1).area[1] = 4.0;
    p->wallResults(1).ultimateShearX[1] = 9.0;
    p->resetWalls();
    EXPECT_EQ(p->wall(1, 1, WallField::dimx), FieldValue::text(""));
    EXPECT_EQ(p->wallResult(1, 1).area, ResultValue(0.0));
    EXPECT_EQ(p->wallResult(1, 1).ultimateShearX, ResultValue(0.0));
    EXPECT_TRUE(p->wallResult(1, 1).torsionForce.isEmptyText());
    EXPECT_EQ(p->wall(3, 1, WallField::dimx), FieldValue::text("keep"));

    p->resetGeneral(2);
    EXPECT_EQ(p->general(GeneralField::np), FieldValue::integer(0));
    EXPECT_EQ(p->general(GeneralField::numsetx), FieldValue::text(""));
    EXPECT_EQ(p->floor(1, FloorField::hp), FieldValue::text(""));
    EXPECT_EQ(p->floor(0, FloorField::permsolai), FieldValue::integer(0));
}

TEST(ProjectData, RevisionFollowsInputChangesOnly) {
    auto p = fresh();
    const auto start = p->inputRevision();
    p->setWall(1, 1, WallField::dimx, FieldValue::text("5"));
    EXPECT_GT(p->inputRevision(), start);
    p->markComputed();
    EXPECT_TRUE(p->resultsCurrent());
    p->setWall(1, 1, WallField::dimx, FieldValue::text("5")); // same value: no change
    p->setTitle(TitleField::progetto, "Casa");
    EXPECT_TRUE(p->resultsCurrent());
    p->setFloor(1, FloorField::hp, FieldValue::text("3"));
    EXPECT_FALSE(p->resultsCurrent());
    EXPECT_THROW(p->wall(22, 1, WallField::dimx), std::out_of_range);
    EXPECT_THROW(p->wall(1, 101, WallField::dimx), std::out_of_range);
}

} // namespace
} // namespace calvex
