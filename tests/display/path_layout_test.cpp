#include "display/path_layout.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <numbers>

#include "support/entities.h"

namespace {

// The base line from end to end: one repeat of it covers exactly one pattern length.
const Entity BaseLine = lineEntity(5, 155, 305, 155);

double strokeLength(const Stroke& stroke) {
    double length = 0;
    for (size_t i = 1; i < stroke.points.size(); ++i) {
        length += std::hypot(stroke.points[i].x - stroke.points[i - 1].x,
                             stroke.points[i].y - stroke.points[i - 1].y);
    }
    return length;
}

double totalLength(const std::vector<Stroke>& strokes) {
    double length = 0;
    for (const Stroke& stroke : strokes) {
        length += strokeLength(stroke);
    }
    return length;
}

LayoutPath straight(double length) {
    return {{{10, 50}, {10 + length, 50}}, false};
}

TEST(PathLayout, RepeatsFillThePathAndStopAtItsEnd) {
    // Scale 0.5: a repeat is 150 pixels; 400 pixels take two whole repeats and a part.
    const auto strokes = layOutPattern(std::span(&BaseLine, 1), false, straight(400), 0.5);
    ASSERT_EQ(strokes.size(), 3u);
    EXPECT_NEAR(totalLength(strokes), 400, 1e-9);
    EXPECT_NEAR(strokes[2].points.front().x, 310, 1e-9);
    EXPECT_NEAR(strokes[2].points.back().x, 410, 1e-9);

    // A path shorter than one repeat shows the start of the pattern, cut at the path's end.
    const auto shorter = layOutPattern(std::span(&BaseLine, 1), false, straight(60), 0.5);
    ASSERT_EQ(shorter.size(), 1u);
    EXPECT_NEAR(strokeLength(shorter[0]), 60, 1e-9);

    // "Single pattern" lays it once, from the start.
    const auto single = layOutPattern(std::span(&BaseLine, 1), true, straight(400), 0.5);
    ASSERT_EQ(single.size(), 1u);
    EXPECT_NEAR(strokeLength(single[0]), 150, 1e-9);
}

TEST(PathLayout, TheSideBelowTheBaseLineStaysOnTheRightOfTheDirectionOfTravel) {
    // A tick below the base line, on paths running right, up and left.
    const Entity tick = lineEntity(35, 155, 35, 175);
    const auto tip = [&](LayoutPath path) {
        return layOutPattern(std::span(&tick, 1), true, path, 1)[0].points.back();
    };
    EXPECT_EQ(tip({{{0, 0}, {100, 0}}, false}), (PathPoint{30, 20}));
    EXPECT_EQ(tip({{{0, 0}, {0, -100}}, false}), (PathPoint{20, -30}));
    EXPECT_EQ(tip({{{0, 0}, {-100, 0}}, false}), (PathPoint{-30, -20}));
}

TEST(PathLayout, AStrokeAcrossACornerStaysConnectedWithABevel) {
    // 10 pixels above the base line, across a right-angled left turn (y down: up the screen).
    const Entity parallel = lineEntity(5, 145, 305, 145);
    const LayoutPath corner{{{0, 100}, {100, 100}, {100, 0}}, false};
    const auto strokes = layOutPattern(std::span(&parallel, 1), true, corner, 1);
    ASSERT_EQ(strokes.size(), 1u);
    const std::vector<PathPoint>& p = strokes[0].points;
    ASSERT_EQ(p.size(), 4u);
    EXPECT_EQ(p[0], (PathPoint{0, 90}));
    EXPECT_EQ(p[1], (PathPoint{100, 90}));  // 10 off the first leg at the corner
    EXPECT_EQ(p[2], (PathPoint{90, 100}));  // 10 off the second leg at the corner
    EXPECT_EQ(p[3], (PathPoint{90, 0}));
}

TEST(PathLayout, AClosedRingIsCoveredOnceRound) {
    LayoutPath ring{{}, true};
    for (int i = 0; i < 90; ++i) {
        const double a = 2 * std::numbers::pi * i / 90;
        ring.points.push_back({100 + 40 * std::cos(a), 100 + 40 * std::sin(a)});
    }
    const double length = pathLength(ring);
    EXPECT_NEAR(length, 2 * std::numbers::pi * 40, 0.1);
    EXPECT_NEAR(totalLength(layOutPattern(std::span(&BaseLine, 1), false, ring, 0.2)), length,
                1e-6);
}

TEST(PathLayout, ArcsAreFlattenedAsDrawnAndHostileCentresCostNothing) {
    // The longer arc about (155, 155) from the top to the right runs through the left and the
    // bottom: a quarter of the circle is missing.
    const auto points = flattenEntity(arcEntity(155, 95, 215, 155, 155, 155, 1), 0.1);
    for (const PathPoint& p : points) {
        EXPECT_NEAR(std::hypot(p.x - 155, p.y - 155), 60, 1e-9);
    }
    EXPECT_GT(points.size(), 20u);
    EXPECT_TRUE(std::any_of(points.begin(), points.end(),
                            [](PathPoint p) { return p.x < 100 && std::abs(p.y - 155) < 5; }));
    EXPECT_FALSE(std::any_of(points.begin(), points.end(),
                             [](PathPoint p) { return p.x > 200 && p.y < 110; }));

    EXPECT_TRUE(flattenEntity(arcEntity(5, 5, 305, 305, 0, 0, 1), 0.1).empty());
    const float nan = std::numeric_limits<float>::quiet_NaN();
    EXPECT_TRUE(flattenEntity(arcEntity(5, 5, 305, 305, nan, 5, 1), 0.1).empty());
    EXPECT_LE(flattenEntity(arcEntity(5, 5, 305, 305, 3e38f, -3e38f, 1), 1e-9).size(), 2049u);
    EXPECT_EQ(layOutPattern(std::span(&BaseLine, 1), false, straight(1e9), 1e-3).size(), 10000u);
}

TEST(PathLayout, TheTestPathsFitThePictureAndIncludeOneShorterThanARepeat) {
    const TestPaths test = lineTypeTestPaths(280, 210);
    ASSERT_EQ(test.paths.size(), 6u);
    for (const LayoutPath& path : test.paths) {
        for (const PathPoint& p : path.points) {
            EXPECT_GE(p.x, 0);
            EXPECT_LE(p.x, 280);
            EXPECT_GE(p.y, 0);
            EXPECT_LE(p.y, 210);
        }
    }
    EXPECT_TRUE(test.paths[4].closed);
    EXPECT_LT(pathLength(test.paths[5]), PatternLength * test.scale);
}

}  // namespace
