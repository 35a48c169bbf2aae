#include "display/entity_transform.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "display/arc_geometry.h"
#include "support/entities.h"

namespace {

using K = TransformKind;

struct Exact {
    K kind;
    K inverse;
};
constexpr Exact Isometries[] = {
    {K::MirrorLeftRight, K::MirrorLeftRight},
    {K::MirrorUpDown, K::MirrorUpDown},
    {K::RotateLeft, K::RotateRight},
    {K::RotateRight, K::RotateLeft},
    {K::Rotate180, K::Rotate180},
};

// Where the point lands, before rounding.
RealPoint mapped(const Transform& t, DisplayPoint about, RealPoint p) {
    const double dx = p.x - about.x;
    const double dy = p.y - about.y;
    double x = dx, y = dy;
    switch (t.kind) {
        case K::MirrorLeftRight:
            x = -dx;
            break;
        case K::MirrorUpDown:
            y = -dy;
            break;
        case K::RotateLeft:
            x = dy;
            y = -dx;
            break;
        case K::RotateRight:
            x = -dy;
            y = dx;
            break;
        case K::Rotate180:
            x = -dx;
            y = -dy;
            break;
        case K::Scale:
            x = dx * t.factor;
            y = dy * t.factor;
            break;
    }
    return {static_cast<float>(about.x + x), static_cast<float>(about.y + y)};
}

bool isHalfCircle(const Entity& arc) {
    const bool fullCircle = arc.x1 == arc.x2 && arc.y1 == arc.y2;
    return !fullCircle && std::fabs((arc.x2 - arc.x1) * (arc.centreY - arc.y1) -
                                    (arc.y2 - arc.y1) * (arc.centreX - arc.x1)) < 1e-6;
}

float distance(RealPoint a, DisplayPoint b) {
    return std::hypot(a.x - static_cast<float>(b.x), a.y - static_cast<float>(b.y));
}

// The arcs the Arc tool makes through three points of the area: on the grid (many half
// circles, full circles) or anywhere, as snap off gives them.
Entity randomArc(std::mt19937& random, bool grid) {
    std::uniform_int_distribution<int> cell(4, 16);
    std::uniform_int_distribution<int> pixel(65, 245);
    for (;;) {
        auto point = [&] {
            return grid ? DisplayPoint{5 + 15 * cell(random), 5 + 15 * cell(random)}
                        : DisplayPoint{pixel(random), pixel(random)};
        };
        const DisplayPoint s = point(), m = point();
        const DisplayPoint e = random() % 8 == 0 ? s : point();
        RealPoint centre;
        uint8_t flag = 0;
        ArcThroughPoints(s, e, m, centre, flag);
        // A centre a few millionths off the chord is drawn as one arc but gripped as a half
        // circle: the middle grip is no measure of what is drawn for those.
        const double side = (e.x - s.x) * (centre.y - s.y) - (e.y - s.y) * (centre.x - s.x);
        const bool noisyHalf = std::fabs(side) >= 1e-6 && std::fabs(side) < 1e-2;
        if (IsValidCentre(centre) && PointDistance(centre, toRealPoint(s)) < 90 && !noisyHalf) {
            return arcEntity(s, e, centre, flag);
        }
    }
}

// The arc drawn after the transform is the image of the arc drawn before: the image of its
// middle lies on it, halfway along; the inverse gives the very arc back.
TEST(EntityTransform, ArcsKeepTheirShapeAndSideUnderMirrorsAndTurns) {
    std::mt19937 random(2026);
    int halfCircles = 0;
    for (int i = 0; i < 4000; ++i) {
        const Entity arc = randomArc(random, i % 2 == 0);
        const DisplayPoint about = i % 3 == 0 ? DisplayPoint{155, 155}
                                              : DisplayPoint{140 + static_cast<int>(random() % 31),
                                                             140 + static_cast<int>(random() % 31)};
        halfCircles += isHalfCircle(arc) ? 1 : 0;
        for (const Exact& exact : Isometries) {
            const Transform t{exact.kind};
            const TransformedEntity image = TransformEntity(arc, t, about);
            ASSERT_EQ(image.refusal, TransformRefusal::None);
            const RealPoint middle = mapped(t, about, toRealPoint(ArcMidpoint(arc)));
            EXPECT_LE(distance(middle, ArcMidpoint(image.entity)), 1.5f)
                << "arc " << i << " transform " << static_cast<int>(exact.kind);
            EXPECT_LT(ArcDistance({static_cast<int>(std::lround(middle.x)),
                                   static_cast<int>(std::lround(middle.y))},
                                  image.entity),
                      1.0f);
            const Entity back = TransformEntity(image.entity, {exact.inverse}, about).entity;
            EXPECT_EQ(back.arcFlag, arc.arcFlag) << "arc " << i;
            EXPECT_EQ((DisplayPoint{back.x1, back.y1}), (DisplayPoint{arc.x1, arc.y1}));
            EXPECT_EQ((DisplayPoint{back.x2, back.y2}), (DisplayPoint{arc.x2, arc.y2}));
            EXPECT_NEAR(back.centreX, arc.centreX, 1e-4);
            EXPECT_NEAR(back.centreY, arc.centreY, 1e-4);
        }
    }
    EXPECT_GT(halfCircles, 30);
}

TEST(EntityTransform, ScaledArcsStayOnTheirSideAndHalfCirclesStayHalf) {
    std::mt19937 random(13);
    std::uniform_real_distribution<double> factors(0.5, 1.6);
    for (int i = 0; i < 4000; ++i) {
        const Entity arc = randomArc(random, i % 2 == 0);
        const Transform t{K::Scale, factors(random)};
        const DisplayPoint about{155, 155};
        const TransformedEntity image = TransformEntity(arc, t, about);
        if (image.refusal != TransformRefusal::None) {
            continue;
        }
        const Entity& e = image.entity;
        const RealPoint middle = mapped(t, about, toRealPoint(ArcMidpoint(arc)));
        EXPECT_LE(distance(middle, ArcMidpoint(e)), 2.0f) << "arc " << i << " by " << t.factor;
        if (isHalfCircle(arc)) {
            // The centre is the middle of the rounded chord.
            EXPECT_EQ(e.centreX * 2, static_cast<float>(e.x1 + e.x2)) << "arc " << i;
            EXPECT_EQ(e.centreY * 2, static_cast<float>(e.y1 + e.y2)) << "arc " << i;
        }
    }
}

TEST(EntityTransform, PointsRoundHalvesToEvenAndLinesTurnAboutTheCentre) {
    const Entity line = lineEntity(150, 140, 165, 140, 7);
    const DisplayPoint about{155, 155};
    EXPECT_EQ(TransformEntity(line, {K::RotateLeft}, about).entity,
              lineEntity(140, 160, 140, 145, 7));
    EXPECT_EQ(TransformEntity(line, {K::RotateRight}, about).entity,
              lineEntity(170, 150, 170, 165, 7));
    EXPECT_EQ(TransformEntity(line, {K::Rotate180}, about).entity,
              lineEntity(160, 170, 145, 170, 7));
    EXPECT_EQ(TransformEntity(line, {K::MirrorLeftRight}, about).entity,
              lineEntity(160, 140, 145, 140, 7));
    EXPECT_EQ(TransformEntity(line, {K::MirrorUpDown}, about).entity,
              lineEntity(150, 170, 165, 170, 7));
    // 155 + 1.5 * -5 = 147.5 -> 148, 155 + 1.5 * 10 = 170, 155 + 1.5 * -15 = 132.5 -> 132.
    EXPECT_EQ(TransformEntity(line, {K::Scale, 1.5}, about).entity,
              lineEntity(148, 132, 170, 132, 7));
}

TEST(EntityTransform, RefusalsLeaveEveryEntityAsItWas) {
    Entity entities[] = {lineEntity(154, 154, 156, 156), lineEntity(20, 20, 40, 20),
                         arcEntity(152, 155, 158, 155, 155, 155, 1)};
    const Entity before[] = {entities[0], entities[1], entities[2]};
    const DisplayPoint about{155, 155};

    TransformOutcome outcome = TransformEntities(entities, {K::Scale, 2}, about);
    EXPECT_EQ(outcome.refusal, TransformRefusal::LeavesArea);  // (20, 20) goes to -115
    EXPECT_EQ(outcome.refusedAt, 1u);
    outcome = TransformEntities(entities, {K::Scale, 0.1}, about);
    EXPECT_EQ(outcome.refusal, TransformRefusal::Collapses);  // both ends round to (155, 155)
    EXPECT_EQ(outcome.refusedAt, 0u);
    for (size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(entities[i], before[i]);
    }
    // An arc whose ends would meet would turn into a full circle.
    EXPECT_EQ(TransformEntity(entities[2], {K::Scale, 0.1}, about).refusal,
              TransformRefusal::Collapses);
    // The border itself is inside.
    Entity border[] = {lineEntity(5, 5, 305, 305)};
    EXPECT_EQ(TransformEntities(border, {K::RotateLeft}, about).refusal, TransformRefusal::None);
    EXPECT_EQ(border[0], lineEntity(5, 305, 305, 5));
}

TEST(EntityTransform, ScaleFactorsAreDigitsWithOneDecimalSignFromATenthToTen) {
    EXPECT_EQ(ParseScaleFactor("1.5"), 1.5);
    EXPECT_EQ(ParseScaleFactor("1,5", ','), 1.5);
    EXPECT_EQ(ParseScaleFactor("1.5", ','), 1.5);
    EXPECT_EQ(ParseScaleFactor("0.1"), 0.1);
    EXPECT_EQ(ParseScaleFactor("10"), 10.0);
    EXPECT_EQ(ParseScaleFactor(".5"), 0.5);
    for (const char* wrong : {"", "1,5", "0.09", "10.001", "-2", "+2", "1e1", "nan", "inf", " 2",
                              "2 ", "1..5", "0x2"}) {
        EXPECT_FALSE(ParseScaleFactor(wrong).has_value()) << wrong;
    }
    EXPECT_EQ(Transform::rotationByDegrees(90)->kind, K::RotateLeft);
    EXPECT_EQ(Transform::rotationByDegrees(270)->kind, K::RotateRight);
    EXPECT_FALSE(Transform::rotationByDegrees(45).has_value());
}

}  // namespace
