#include "model/line_type_extent.h"

#include <gtest/gtest.h>

#include "model/polar_angle.h"

namespace {

Entity slot(int x1, int y1, int x2, int y2) {
    Entity e;
    e.x1 = x1;
    e.y1 = y1;
    e.x2 = x2;
    e.y2 = y2;
    return e;
}

Entity halfCircle(uint8_t arcFlag) {
    Entity e = slot(125, 155, 185, 155);
    e.isArc = 1;
    e.centreX = e.centreY = 155;
    e.arcFlag = arcFlag;
    return e;
}

TEST(PolarAngle, AxesAndQuadrantsCountCounterClockwiseOnScreen) {
    EXPECT_FLOAT_EQ(polarAngle(0, 0, 1, 0), 0);
    EXPECT_FLOAT_EQ(polarAngle(0, 0, 0, -1), 1.5707964f);  // up is smaller y
    EXPECT_FLOAT_EQ(polarAngle(0, 0, -1, 0), 3.1415927f);
    EXPECT_FLOAT_EQ(polarAngle(0, 0, 0, 1), 4.712389f);
    EXPECT_FLOAT_EQ(polarAngle(0, 0, 0, 0), 1.5707964f);
    EXPECT_NEAR(polarAngle(0, 0, 1, -1), 0.7853982, 1e-6);
    EXPECT_NEAR(polarAngle(0, 0, -1, -1), 2.3561945, 1e-6);
    EXPECT_NEAR(polarAngle(0, 0, -1, 1), 3.9269908, 1e-6);
    EXPECT_NEAR(polarAngle(0, 0, 1, 1), 5.4977871, 1e-6);
}

TEST(ArcVerticalExtent, HalfCirclesReachTheTopOrTheBottomByTheirFlag) {
    const VerticalExtent upper = arcVerticalExtent(halfCircle(0));
    EXPECT_EQ(upper.top, 125);
    EXPECT_EQ(upper.bottom, 155);
    const VerticalExtent lower = arcVerticalExtent(halfCircle(1));
    EXPECT_EQ(lower.top, 155);
    EXPECT_EQ(lower.bottom, 185);
}

TEST(ArcVerticalExtent, FullCircleAndArcThroughNeitherTurn) {
    Entity circle = halfCircle(0);
    circle.x2 = circle.x1;
    const VerticalExtent full = arcVerticalExtent(circle);
    EXPECT_EQ(full.top, 125);
    EXPECT_EQ(full.bottom, 185);

    // The short arc from the right of the circle to its bottom passes neither turning point
    // strictly inside; the long one passes the top.
    Entity quarter = slot(185, 155, 155, 185);
    quarter.isArc = 1;
    quarter.centreX = quarter.centreY = 155;
    quarter.arcFlag = 0;
    const VerticalExtent q = arcVerticalExtent(quarter);
    EXPECT_EQ(q.top, 155);
    EXPECT_EQ(q.bottom, 185);
    quarter.arcFlag = 1;
    EXPECT_EQ(arcVerticalExtent(quarter).top, 125);
}

TEST(EntryPatternHeight, MeasuresFromTheFixedStartingBounds) {
    EntityArray slots{};
    EXPECT_EQ(entryPatternHeight(slots), -200);  // no entities: 0 - 200
    slots[0] = slot(20, 155, 80, 155);
    EXPECT_EQ(entryPatternHeight(slots), 0);
    slots[0] = slot(20, 230, 80, 260);  // wholly below 200 still measures from 200
    EXPECT_EQ(entryPatternHeight(slots), 60);
    slots[1] = halfCircle(0);
    EXPECT_EQ(entryPatternHeight(slots), 260 - 125);
    slots[2] = slot(0, 5, 10, 5);  // not in use: ends the list, not measured
    EXPECT_EQ(entryPatternHeight(slots), 260 - 125);
}

}  // namespace
