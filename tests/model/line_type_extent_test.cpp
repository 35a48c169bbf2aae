#include "model/line_type_extent.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "model/polar_angle.h"
#include "model/units.h"
#include "support/entities.h"

namespace {

Entity halfCircle(uint8_t arcFlag) {
    Entity e = lineEntity(125, 155, 185, 155);
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
    Entity quarter = lineEntity(185, 155, 155, 185);
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
    slots[0] = lineEntity(20, 155, 80, 155);
    EXPECT_EQ(entryPatternHeight(slots), 0);
    slots[0] = lineEntity(20, 230, 80, 260);  // wholly below 200 still measures from 200
    EXPECT_EQ(entryPatternHeight(slots), 60);
    slots[1] = halfCircle(0);
    EXPECT_EQ(entryPatternHeight(slots), 260 - 125);
    slots[2] = lineEntity(0, 5, 10, 5);  // not in use: ends the list, not measured
    EXPECT_EQ(entryPatternHeight(slots), 260 - 125);
}

// Arcs of every shape the editor and the files give: end points on or off the display area,
// closed circles, centres halfway between the end points, on whole file units or anywhere.
class RandomArcs {
  public:
    explicit RandomArcs(unsigned seed) : random_(seed) {}

    Entity next() {
        std::uniform_int_distribution<int32_t> coordinate(-20, 330);
        Entity e = lineEntity(coordinate(random_), coordinate(random_), coordinate(random_),
                              coordinate(random_));
        switch (pick(5)) {
            case 0:  // closed
                e.x2 = e.x1;
                e.y2 = e.y1;
                break;
            case 1:  // level or upright chord, where the turning points lie on the end points' line
                if (pick(2) == 0) {
                    e.y2 = e.y1;
                } else {
                    e.x2 = e.x1;
                }
                break;
            default:
                break;
        }
        e.isArc = 1;
        e.arcFlag = static_cast<uint8_t>(pick(2));
        std::uniform_real_distribution<float> anywhere(-40, 350);
        switch (pick(3)) {
            case 0:
                e.centreX = static_cast<float>(e.x1 + e.x2) / 2 + quarterSteps();
                e.centreY = static_cast<float>(e.y1 + e.y2) / 2 + quarterSteps();
                break;
            case 1:
                e.centreX =
                    toDisplayX(static_cast<float>(roundHalfEven(toFileX(anywhere(random_)))));
                e.centreY =
                    toDisplayY(static_cast<float>(roundHalfEven(toFileY(anywhere(random_)))));
                break;
            default:
                e.centreX = anywhere(random_);
                e.centreY = anywhere(random_);
                break;
        }
        return e;
    }

    int pick(int choices) { return std::uniform_int_distribution<int>(0, choices - 1)(random_); }

  private:
    float quarterSteps() { return static_cast<float>(pick(9) - 4) / 4; }

    std::mt19937 random_;
};

TEST(ArcStaysWithin, NeverClaimsAnArcThatReachesBeyondTheBounds) {
    RandomArcs arcs(20261208);
    int decidedWithin = 0;
    int leftToMeasure = 0;
    for (int n = 0; n < 200000; ++n) {
        const Entity arc = arcs.next();
        const VerticalExtent extent = arcVerticalExtent(arc);
        Entity closed = arc;
        closed.x2 = arc.x1;
        closed.y2 = arc.y1;
        const VerticalExtent circle = arcVerticalExtent(closed);
        // Bounds at, just inside and just outside the values the answer can turn on.
        const int32_t tops[] = {extent.top, circle.top, std::min(arc.y1, arc.y2)};
        const int32_t bottoms[] = {extent.bottom, circle.bottom, std::max(arc.y1, arc.y2)};
        const int32_t top = tops[arcs.pick(3)] + arcs.pick(3) - 1;
        const int32_t bottom = bottoms[arcs.pick(3)] + arcs.pick(3) - 1;
        if (arcStaysWithin(arc, top, bottom)) {
            ++decidedWithin;
            ASSERT_LE(top, extent.top) << n;
            ASSERT_LE(extent.bottom, bottom) << n;
        } else {
            ++leftToMeasure;
        }
    }
    // Both answers are common, so the bounds above do try the check.
    EXPECT_GT(decidedWithin, 20000);
    EXPECT_GT(leftToMeasure, 20000);
}

TEST(EntryPatternHeight, EqualsTheSpanOfEveryEntityMeasuredWhole) {
    RandomArcs arcs(5);
    for (int entry = 0; entry < 300; ++entry) {
        EntityArray slots{};
        const int count = 1 + arcs.pick(MaxEntities);
        int32_t top = 200;
        int32_t bottom = 0;
        for (int i = 0; i < count; ++i) {
            Entity& e = slots[i];
            e = arcs.next();
            e.isArc = static_cast<uint8_t>(arcs.pick(2));
            // In use: no zero start coordinate.
            e.x1 = e.x1 == 0 ? 1 : e.x1;
            e.y1 = e.y1 == 0 ? 1 : e.y1;
            const VerticalExtent extent =
                e.isArc ? arcVerticalExtent(e)
                        : VerticalExtent{std::min(e.y1, e.y2), std::max(e.y1, e.y2)};
            top = std::min({top, e.y1, e.y2, extent.top});
            bottom = std::max({bottom, e.y1, e.y2, extent.bottom});
        }
        ASSERT_EQ(entryPatternHeight(slots), bottom - top) << entry;
    }
}

}  // namespace
