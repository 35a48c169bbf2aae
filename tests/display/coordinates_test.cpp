#include "display/coordinates.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

TEST(SnapAxis, GridStepGoesToTheNearerLineAndPullsInTheMargin) {
    EXPECT_EQ(SnapAxis(12, 15), 5);
    EXPECT_EQ(SnapAxis(13, 15), 20);
    EXPECT_EQ(SnapAxis(27, 15), 20);  // remainder 7 rounds down
    EXPECT_EQ(SnapAxis(28, 15), 35);  // remainder 8 rounds up
    EXPECT_EQ(SnapAxis(300, 15), 305);
    EXPECT_EQ(SnapAxis(305, 15), 305);
    EXPECT_EQ(SnapAxis(306, 15), 305);
    EXPECT_EQ(SnapAxis(309, 15), 305);
    EXPECT_EQ(SnapAxis(310, 15), 310);
    EXPECT_EQ(SnapAxis(4, 15), 5);
    EXPECT_EQ(SnapAxis(1, 15), 5);
    EXPECT_EQ(SnapAxis(0, 15), 0);
    EXPECT_EQ(SnapAxis(-3, 15), 0);
}

TEST(SnapAxis, UnitStepKeepsPointsInsideAndPullsInTheMargin) {
    EXPECT_EQ(SnapAxis(7, 1), 7);
    EXPECT_EQ(SnapAxis(2, 1), 5);
    EXPECT_EQ(SnapAxis(307, 1), 305);
    EXPECT_EQ(SnapAxis(400, 1), 310);
    for (int32_t v = AreaMin; v <= AreaMax; ++v) {
        ASSERT_EQ(SnapAxis(v, 1), v);
    }
}

TEST(SnapAxis, EveryPointInsideLandsOnAGridLineWithinHalfACell) {
    for (int32_t v = AreaMin; v <= AreaMax; ++v) {
        const int32_t snapped = SnapAxis(v, GridStep);
        ASSERT_EQ((snapped - AreaMin) % GridStep, 0) << v;
        ASSERT_LE(std::abs(snapped - v), GridStep / 2) << v;
        ASSERT_TRUE(PointInArea({snapped, snapped})) << v;
    }
}

TEST(SnapPoint, FarOutsideFailsTheAreaTest) {
    const DisplayPoint snapped = SnapPoint({400, 100}, true);
    EXPECT_EQ(snapped, (DisplayPoint{310, 95}));
    EXPECT_FALSE(PointInArea(snapped));
    EXPECT_EQ(CoordinateReadout(snapped, true), "");
    EXPECT_EQ(SnapPoint({400, 100}, false), (DisplayPoint{310, 100}));
    EXPECT_EQ(SnapPoint({0, 0}, true), (DisplayPoint{0, 0}));
}

TEST(ClampPoint, ClampsEachAxisIntoTheArea) {
    EXPECT_EQ(ClampPoint({400, -3}), (DisplayPoint{305, 5}));
    EXPECT_EQ(ClampPoint({-100, 500}), (DisplayPoint{5, 305}));
    EXPECT_EQ(ClampPoint({42, 17}), (DisplayPoint{42, 17}));
}

TEST(PointInArea, BordersAreInclusive) {
    EXPECT_TRUE(PointInArea({5, 5}));
    EXPECT_TRUE(PointInArea({305, 305}));
    EXPECT_FALSE(PointInArea({4, 100}));
    EXPECT_FALSE(PointInArea({100, 306}));
    EXPECT_FALSE(PointInArea({0, 0}));
}

TEST(CoordinateReadout, GridCellsWithYUpwards) {
    EXPECT_EQ(CoordinateReadout({5, 305}, true), "0,0");
    EXPECT_EQ(CoordinateReadout({305, 5}, true), "20,20");
    EXPECT_EQ(CoordinateReadout({65, 155}, true), "4,10");
    EXPECT_EQ(CoordinateReadout({50, 300}, false), "3.0,0.3");
    EXPECT_EQ(CoordinateReadout({53, 294}, false), "3.2,0.7");
    EXPECT_EQ(CoordinateReadout({5, 5}, false), "0.0,20.0");
}

TEST(CoordinateReadout, OutsideTheAreaGivesNoText) {
    EXPECT_EQ(CoordinateReadout({4, 100}, false), "");
    EXPECT_EQ(CoordinateReadout({0, 0}, true), "");
}

}  // namespace
