#include "display/arc_geometry.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <numbers>
#include <random>

#include "support/entities.h"

namespace {

constexpr float AngleTolerance = 1e-6f;

// The counter-clockwise angle from a to b, in 0..2pi.
double ccwSpan(double a, double b) {
    const double span = std::fmod(b - a, 2 * std::numbers::pi);
    return span < 0 ? span + 2 * std::numbers::pi : span;
}

double angleOf(RealPoint c, DisplayPoint p) {
    return AngleAbout(c, toRealPoint(p));
}

// Where p lies along the drawn sweep, as a share of the sweep (0 at its start, 1 at its end).
double shareOfSweep(const ArcSweep& sweep, RealPoint c, DisplayPoint p) {
    const double from = angleOf(c, sweep.from);
    double whole = ccwSpan(from, angleOf(c, sweep.to));
    if (whole == 0) {
        whole = 2 * std::numbers::pi;
    }
    return ccwSpan(from, angleOf(c, p)) / whole;
}

TEST(AngleAbout, AxesAndDiagonalsCounterClockwiseOnScreen) {
    const RealPoint c{100, 100};
    EXPECT_EQ(AngleAbout(c, {110, 100}), 0.0f);
    EXPECT_EQ(AngleAbout(c, {90, 100}), static_cast<float>(Pi));
    EXPECT_EQ(AngleAbout(c, {100, 90}), static_cast<float>(HalfPi));
    EXPECT_EQ(AngleAbout(c, {100, 110}), static_cast<float>(ThreeHalfPi));
    EXPECT_NEAR(AngleAbout(c, {110, 90}), Pi / 4, AngleTolerance);
    EXPECT_NEAR(AngleAbout(c, {90, 90}), 3 * Pi / 4, AngleTolerance);
    EXPECT_NEAR(AngleAbout(c, {90, 110}), 5 * Pi / 4, AngleTolerance);
    EXPECT_NEAR(AngleAbout(c, {110, 110}), 7 * Pi / 4, AngleTolerance);
    EXPECT_EQ(AngleAbout(c, c), static_cast<float>(HalfPi));
}

TEST(AngleAbout, StaysWithinOneTurnAllAround) {
    const RealPoint c{155, 155};
    for (int i = 0; i < 360; ++i) {
        const double a = i * std::numbers::pi / 180;
        const RealPoint p{static_cast<float>(155 + 100 * std::cos(a)),
                          static_cast<float>(155 - 100 * std::sin(a))};
        const float got = AngleAbout(c, p);
        ASSERT_GE(got, 0.0f);
        ASSERT_LE(got, static_cast<float>(TwoPi));
        ASSERT_NEAR(std::min(ccwSpan(got, a), ccwSpan(a, got)), 0, 1e-5) << i;
    }
}

TEST(NormaliseAngle, BringsAnglesIntoOneTurnAndKeepsTwoPi) {
    float a = -0.5f;
    NormaliseAngle(a);
    EXPECT_NEAR(a, TwoPi - 0.5, AngleTolerance);
    a = static_cast<float>(TwoPi);
    NormaliseAngle(a);
    EXPECT_EQ(a, static_cast<float>(TwoPi));
    a = static_cast<float>(3 * Pi);
    NormaliseAngle(a);
    EXPECT_NEAR(a, Pi, AngleTolerance);
    a = -1e20f;  // far out: must end, inside one turn
    NormaliseAngle(a);
    EXPECT_TRUE(a >= 0 && a <= static_cast<float>(TwoPi));
}

TEST(BisectorCentre, ParallelChordsHaveNoCentre) {
    EXPECT_FALSE(BisectorCentre({10, 10}, 0.5f, {40, 40}, 0.5f));
    EXPECT_FALSE(BisectorCentre({10, 10}, 0.5f, {40, 40}, static_cast<float>(0.5 + Pi)));
    EXPECT_FALSE(BisectorCentre({10, 10}, static_cast<float>(HalfPi), {40, 40},
                                static_cast<float>(ThreeHalfPi)));
}

TEST(BisectorCentre, VerticalChordOnEitherSide) {
    // A vertical chord has the horizontal bisector y = M1y; the other is x = 30 (t = 0).
    const auto first = BisectorCentre({10, 50}, static_cast<float>(HalfPi), {30, 90}, 0.0f);
    ASSERT_TRUE(first);
    EXPECT_EQ(*first, (RealPoint{30, 50}));
    const auto second = BisectorCentre({30, 90}, 0.0f, {10, 50}, static_cast<float>(ThreeHalfPi));
    ASSERT_TRUE(second);
    EXPECT_EQ(*second, (RealPoint{30, 50}));
}

struct ArcCase {
    DisplayPoint s, e, m;
    RealPoint centre;
    uint8_t flag;
};

TEST(ArcThroughPoints, ExamplesOfCentreAndFlag) {
    const ArcCase cases[] = {
        {{50, 155}, {110, 155}, {80, 125}, {80, 155}, 0},    // half circle, upper half
        {{50, 155}, {110, 155}, {80, 185}, {80, 155}, 1},    // half circle, lower half
        {{20, 155}, {80, 155}, {50, 200}, {50, 167.5f}, 1},  // longer arc
        {{20, 155}, {80, 155}, {50, 135}, {50, 167.5f}, 0},  // shorter arc
        {{50, 50}, {50, 50}, {110, 50}, {80, 50}, 1},        // full circle
    };
    for (const ArcCase& c : cases) {
        RealPoint centre{1, 1};
        uint8_t flag = 7;
        ArcThroughPoints(c.s, c.e, c.m, centre, flag);
        EXPECT_NEAR(centre.x, c.centre.x, 1e-4) << c.m.x << "," << c.m.y;
        EXPECT_NEAR(centre.y, c.centre.y, 1e-4) << c.m.x << "," << c.m.y;
        EXPECT_EQ(flag, c.flag) << c.m.x << "," << c.m.y;
    }
}

TEST(ArcThroughPoints, NoCentreLeavesTheFlagAlone) {
    const ArcCase none[] = {
        {{20, 20}, {80, 80}, {50, 50}, {}, 0},    // collinear
        {{20, 20}, {80, 80}, {110, 110}, {}, 0},  // collinear, third point beyond the end
        {{5, 5}, {305, 5}, {155, 6}, {}, 0},      // radius far above 3000
        {{50, 50}, {50, 50}, {50, 50}, {}, 0},    // one point three times
    };
    for (const ArcCase& c : none) {
        RealPoint centre{1, 1};
        uint8_t flag = 7;
        ArcThroughPoints(c.s, c.e, c.m, centre, flag);
        EXPECT_EQ(centre, (RealPoint{0, 0})) << c.m.x << "," << c.m.y;
        EXPECT_FALSE(IsValidCentre(centre));
        EXPECT_EQ(flag, 7) << c.m.x << "," << c.m.y;
    }
}

TEST(IsValidCentre, EitherCoordinateNearZeroMeansNoCentre) {
    EXPECT_TRUE(IsValidCentre({80, 155}));
    EXPECT_FALSE(IsValidCentre({0, 155}));
    EXPECT_FALSE(IsValidCentre({80, 1e-7f}));
    EXPECT_TRUE(IsValidCentre({-3, -4}));
}

TEST(ArcDrawSweep, BoundingSquareRoundsHalvesToEven) {
    // Radius 12.5 about (50, 167.5): the edges 37.5 and 62.5 round to 38 and 62.
    const ArcSweep sweep = ArcDrawSweep({50, 167.5f}, {50, 155}, {50, 180}, 0);
    EXPECT_EQ(sweep.left, 38);
    EXPECT_EQ(sweep.right, 62);
    EXPECT_EQ(sweep.top, 155);
    EXPECT_EQ(sweep.bottom, 180);
}

TEST(ArcDrawSweep, FlagPicksTheShorterOrLongerArcWhateverTheOrder) {
    const RealPoint c{50, 167.5f};
    const DisplayPoint a{20, 155};
    const DisplayPoint b{80, 155};
    for (const auto& [first, second] : {std::pair{a, b}, std::pair{b, a}}) {
        const ArcSweep shorter = ArcDrawSweep(c, first, second, 0);
        const ArcSweep longer = ArcDrawSweep(c, first, second, 1);
        EXPECT_LT(ccwSpan(angleOf(c, shorter.from), angleOf(c, shorter.to)), Pi);
        EXPECT_GT(ccwSpan(angleOf(c, longer.from), angleOf(c, longer.to)), Pi);
    }
}

TEST(ArcDrawSweep, HalfCircleSweepsFromStartWithFlagOne) {
    const ArcSweep lower = ArcDrawSweep({80, 155}, {50, 155}, {110, 155}, 1);
    EXPECT_EQ(lower.from, (DisplayPoint{50, 155}));
    EXPECT_EQ(lower.to, (DisplayPoint{110, 155}));
    const ArcSweep upper = ArcDrawSweep({80, 155}, {50, 155}, {110, 155}, 0);
    EXPECT_EQ(upper.from, (DisplayPoint{110, 155}));
    EXPECT_EQ(upper.to, (DisplayPoint{50, 155}));
}

TEST(ArcMidpoint, HalfCircleByFlag) {
    EXPECT_EQ(ArcMidpoint(arcEntity({50, 155}, {110, 155}, {80, 155}, 1)), (DisplayPoint{80, 185}));
    EXPECT_EQ(ArcMidpoint(arcEntity({50, 155}, {110, 155}, {80, 155}, 0)), (DisplayPoint{80, 125}));
}

TEST(ArcMidpoint, QuarterArcsBothWays) {
    // From the top of the circle about (100, 100), radius 40, to its left.
    const DisplayPoint top{100, 60};
    const DisplayPoint left{60, 100};
    const int d = static_cast<int>(std::lround(40 / std::sqrt(2.0)));
    EXPECT_EQ(ArcMidpoint(arcEntity(top, left, {100, 100}, 0)), (DisplayPoint{100 - d, 100 - d}));
    EXPECT_EQ(ArcMidpoint(arcEntity(top, left, {100, 100}, 1)), (DisplayPoint{100 + d, 100 + d}));
    EXPECT_EQ(ArcMidpoint(arcEntity(left, top, {100, 100}, 1)), (DisplayPoint{100 + d, 100 + d}));
}

TEST(SegmentDistance, EndsAndInterior) {
    EXPECT_NEAR(SegmentDistance({0, 10}, {10, 0}, {20, 0}), std::sqrt(200.0), 1e-4);
    EXPECT_FLOAT_EQ(SegmentDistance({15, 10}, {10, 0}, {20, 0}), 10);
    EXPECT_FLOAT_EQ(SegmentDistance({25, 0}, {10, 0}, {20, 0}), 5);
    EXPECT_FLOAT_EQ(SegmentDistance({15, 0}, {10, 0}, {20, 0}), 0);
    EXPECT_NEAR(SegmentDistance({0, 10}, {0, 0}, {10, 10}), std::sqrt(50.0), 1e-4);
    EXPECT_FLOAT_EQ(SegmentDistance({13, 14}, {10, 10}, {10, 10}), 5);  // a point segment
}

TEST(ArcDistance, InsideAndOutsideTheSweep) {
    const Entity upper = arcEntity({50, 155}, {110, 155}, {80, 155}, 0);
    EXPECT_FLOAT_EQ(ArcDistance({80, 125}, upper), 0);
    EXPECT_FLOAT_EQ(ArcDistance({80, 120}, upper), 5);
    EXPECT_FLOAT_EQ(ArcDistance({80, 150}, upper), 25);
    // The bottom of the circle is not on the upper half: the nearer end counts.
    EXPECT_NEAR(ArcDistance({80, 185}, upper), std::sqrt(1800.0), 1e-4);
    const Entity lower = arcEntity({50, 155}, {110, 155}, {80, 155}, 1);
    EXPECT_FLOAT_EQ(ArcDistance({80, 185}, lower), 0);
}

TEST(ArcDistance, ShorterAndLongerArcOfTheSameEnds) {
    const Entity shorter = arcEntity({20, 155}, {80, 155}, {50, 167.5f}, 0);
    const Entity longer = arcEntity({20, 155}, {80, 155}, {50, 167.5f}, 1);
    // (50, 135) is the top of the circle, on the shorter arc; (50, 200) its bottom.
    EXPECT_NEAR(ArcDistance({50, 135}, shorter), 0, 1e-4);
    EXPECT_NEAR(ArcDistance({50, 200}, longer), 0, 1e-4);
    EXPECT_GT(ArcDistance({50, 200}, shorter), 30);
    EXPECT_GT(ArcDistance({50, 135}, longer), 30);
}

TEST(ArcDistance, FullCircle) {
    const Entity circle = arcEntity({50, 50}, {50, 50}, {80, 50}, 1);
    EXPECT_FLOAT_EQ(ArcDistance({110, 50}, circle), 0);
    EXPECT_FLOAT_EQ(ArcDistance({80, 50}, circle), 30);
    EXPECT_FLOAT_EQ(ArcDistance({80, 90}, circle), 10);
}

TEST(EntityDistance, DispatchesOnTheKind) {
    Entity line = arcEntity({10, 0}, {20, 0}, {}, 0);
    line.isArc = 0;
    EXPECT_FLOAT_EQ(EntityDistance({15, 10}, line), 10);
    EXPECT_FLOAT_EQ(EntityDistance({80, 120}, arcEntity({50, 155}, {110, 155}, {80, 155}, 0)), 5);
}

// Over many random point triples: the arc built through three points passes through the
// third, the sweep its flag selects contains it, and the middle grip lies halfway along.
TEST(ArcProperties, ArcThroughThreeRandomPoints) {
    std::mt19937 random(20261208);
    std::uniform_int_distribution<int32_t> coordinate(AreaMin, AreaMax);
    int built = 0;
    for (int i = 0; i < 20000; ++i) {
        const DisplayPoint s{coordinate(random), coordinate(random)};
        const DisplayPoint e{coordinate(random), coordinate(random)};
        const DisplayPoint m{coordinate(random), coordinate(random)};
        if (s == e || m == s || m == e) {
            continue;
        }
        RealPoint c;
        uint8_t flag = 7;
        ArcThroughPoints(s, e, m, c, flag);
        if (!IsValidCentre(c)) {
            ASSERT_EQ(flag, 7);
            continue;
        }
        ++built;
        const Entity arc = arcEntity(s, e, c, flag);
        const float radius = PointDistance(c, toRealPoint(s));
        ASSERT_LE(radius, MaxArcRadius + 1);
        ASSERT_NEAR(PointDistance(c, toRealPoint(e)), radius, 1.0) << i;
        ASSERT_NEAR(PointDistance(c, toRealPoint(m)), radius, 1.0) << i;
        ASSERT_LT(ArcDistance(m, arc), 1.0) << i;

        const ArcSweep sweep = ArcDrawSweep(c, s, e, flag);
        const double slack = 1e-4;
        ASSERT_LE(shareOfSweep(sweep, c, m), 1 + slack) << i;

        // The rounded midpoint is off the exact one by at most half a pixel on each axis.
        const DisplayPoint mid = ArcMidpoint(arc);
        ASSERT_NEAR(PointDistance(c, toRealPoint(mid)), radius, 0.71) << i;
        const double whole = ccwSpan(angleOf(c, sweep.from), angleOf(c, sweep.to)) * radius;
        const double offHalfway = 0.71 / (whole > 0 ? whole : 1);
        ASSERT_NEAR(shareOfSweep(sweep, c, mid), 0.5, offHalfway + slack) << i;
    }
    EXPECT_GT(built, 15000);
}

}  // namespace

// Entities from files or the clipboard may hold any int32 and any single: nothing overflows.
TEST(ArcGeometry, ExtremeCoordinatesStayDefined) {
    constexpr int32_t big = std::numeric_limits<int32_t>::max();
    constexpr int32_t small = std::numeric_limits<int32_t>::min();
    EXPECT_LT(SegmentDistance({5, 5}, {small, 5}, {big, 5}), 1000);  // singles: coarse out there
    EXPECT_GT(SegmentDistance({5, 5}, {big, big}, {small, big}), 1e9f);
    const Entity huge = arcEntity({small, big}, {big, small}, {3e38f, -3e38f}, 1);
    EXPECT_GE(ArcDistance({155, 155}, huge), 0);
    const DisplayPoint mid = ArcMidpoint(huge);
    EXPECT_TRUE(mid.x == big || mid.x == small || std::abs(mid.x) < big);
    const ArcSweep sweep = ArcDrawSweep({3e38f, 3e38f}, {5, 5}, {305, 305}, 0);
    EXPECT_EQ(sweep.right, big);
}
