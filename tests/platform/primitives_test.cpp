#include "display/primitives.h"

#include <gtest/gtest.h>

#include "display/palette.h"
#include "platform/qt_canvas.h"
#include "support/entities.h"

namespace {

QRgb rgb(Rgb c) {
    return qRgb(c.r, c.g, c.b);
}

int countDifferences(const QImage& a, const QImage& b) {
    int n = 0;
    for (int y = 0; y < a.height(); ++y) {
        const auto* rowA = reinterpret_cast<const QRgb*>(a.constScanLine(y));
        const auto* rowB = reinterpret_cast<const QRgb*>(b.constScanLine(y));
        for (int x = 0; x < a.width(); ++x) {
            n += rowA[x] != rowB[x];
        }
    }
    return n;
}

bool paintedNear(const QImage& image, int x, int y, int reach = 1) {
    for (int dy = -reach; dy <= reach; ++dy) {
        for (int dx = -reach; dx <= reach; ++dx) {
            if (image.pixel(x + dx, y + dy) != rgb(Silver)) {
                return true;
            }
        }
    }
    return false;
}

TEST(DrawGrid, PaintsExactly441BlackDotsEvery15PixelsUpTo305) {
    QtCanvas canvas;
    DrawGrid(canvas);
    const QImage& image = canvas.image();
    int dots = 0;
    for (int y = 0; y < SurfaceSize; ++y) {
        for (int x = 0; x < SurfaceSize; ++x) {
            const bool onGrid =
                x >= 5 && y >= 5 && x <= 305 && y <= 305 && (x - 5) % 15 == 0 && (y - 5) % 15 == 0;
            EXPECT_EQ(image.pixel(x, y), rgb(onGrid ? Black : Silver)) << x << "," << y;
            dots += image.pixel(x, y) == rgb(Black);
        }
    }
    EXPECT_EQ(dots, 441);
    EXPECT_EQ(image.pixel(305, 305), rgb(Black));
}

TEST(PaletteColour, FollowsTheColourBoxesOnlyWhileColoursAreOn) {
    EXPECT_EQ(PaletteColour(7, false), Black);
    EXPECT_EQ(PaletteColour(7, true), (Rgb{255, 0, 255}));
    EXPECT_EQ(PaletteColour(9, true), Silver);
    EXPECT_EQ(PaletteColour(16, true), Gray);
    EXPECT_EQ(PaletteColour(0, true), Black);
    EXPECT_EQ(PaletteColour(17, true), Black);
    EXPECT_EQ(PaletteColour(-5, true), Black);
}

TEST(DrawEntity, NormalPaintsThePaletteColourAndEraseCoversIt) {
    const Entity entities[] = {lineEntity({20, 30}, {280, 200}, 7),
                               arcEntity({50, 155}, {110, 155}, {80, 155}, 1, 7),
                               arcEntity({100, 100}, {100, 100}, {150, 120}, 1, 7)};
    for (const Entity& e : entities) {
        for (const bool useColours : {false, true}) {
            QtCanvas canvas;
            const QImage blank = canvas.image();
            DrawEntity(canvas, e, useColours, DrawMode::Normal);
            const QRgb expected = useColours ? qRgb(255, 0, 255) : rgb(Black);
            EXPECT_EQ(canvas.image().pixel(e.x1, e.y1), expected);
            canvas.setPenStyle(PenStyle::Dot);  // a selected look is covered too
            DrawEntity(canvas, e, useColours, DrawMode::Normal);
            canvas.setPenStyle(PenStyle::Solid);
            DrawEntity(canvas, e, useColours, DrawMode::Erase);
            EXPECT_EQ(countDifferences(blank, canvas.image()), 0);
        }
    }
}

TEST(DrawEntity, XorDrawsAquaAndTwiceRestores) {
    QtCanvas canvas;
    DrawGrid(canvas);
    DrawEntity(canvas, lineEntity({5, 5}, {305, 305}, 3), true, DrawMode::Normal);
    const QImage before = canvas.image();
    const Entity ghosts[] = {lineEntity({5, 305}, {305, 5}, 3),
                             arcEntity({20, 155}, {80, 155}, {50, 167.5f}, 1)};
    for (const Entity& e : ghosts) {
        DrawEntity(canvas, e, true, DrawMode::Xor);
    }
    EXPECT_EQ(canvas.image().pixel(6, 304), rgb(Silver) ^ (rgb(Aqua) & RGB_MASK));
    for (const Entity& e : ghosts) {
        DrawEntity(canvas, e, true, DrawMode::Xor);
    }
    EXPECT_EQ(countDifferences(before, canvas.image()), 0);
}

TEST(DrawArcEntity, TheFlagChoosesTheArcBetweenTheEnds) {
    struct Case {
        DisplayPoint s, e;
        RealPoint c;
        uint8_t flag;
        DisplayPoint on, off;
    };
    const Case cases[] = {
        // Centre on the chord: 0 is the upper half, 1 the lower half.
        {{50, 155}, {110, 155}, {80, 155}, 0, {80, 125}, {80, 185}},
        {{50, 155}, {110, 155}, {80, 155}, 1, {80, 185}, {80, 125}},
        // Centre below the chord: 1 is the longer arc through the bottom.
        {{20, 155}, {80, 155}, {50, 167.5f}, 1, {50, 200}, {50, 135}},
        {{20, 155}, {80, 155}, {50, 167.5f}, 0, {50, 135}, {50, 200}},
        // The ends given the other way round select the same arcs.
        {{80, 155}, {20, 155}, {50, 167.5f}, 1, {50, 200}, {50, 135}},
        {{80, 155}, {20, 155}, {50, 167.5f}, 0, {50, 135}, {50, 200}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.s.x) + " flag " + std::to_string(c.flag));
        QtCanvas canvas;
        DrawArcEntity(canvas, c.c, c.s, c.e, 1, false, c.flag, DrawMode::Normal);
        EXPECT_TRUE(paintedNear(canvas.image(), c.on.x, c.on.y));
        EXPECT_FALSE(paintedNear(canvas.image(), c.off.x, c.off.y, 2));
    }
}

TEST(DrawArcEntity, ACentreAtZeroDrawsNothing) {
    QtCanvas canvas;
    const QImage blank = canvas.image();
    DrawArcEntity(canvas, {0, 155}, {50, 155}, {110, 155}, 1, false, 1, DrawMode::Normal);
    DrawArcEntity(canvas, {80, 0.0000001f}, {50, 155}, {110, 155}, 1, false, 1, DrawMode::Xor);
    EXPECT_EQ(countDifferences(blank, canvas.image()), 0);
}

TEST(DrawArcEntity, EqualEndsDrawTheWholeCircle) {
    QtCanvas canvas;
    DrawArcEntity(canvas, {80, 50}, {50, 50}, {50, 50}, 1, false, 1, DrawMode::Normal);
    for (const DisplayPoint p : {DisplayPoint{50, 50}, {110, 50}, {80, 20}, {80, 80}}) {
        EXPECT_TRUE(paintedNear(canvas.image(), p.x, p.y, 0)) << p.x << "," << p.y;
    }
}

TEST(DrawOriginMarker, NormalIsASquareWithTwoDiagonals) {
    QtCanvas canvas;
    DrawOriginMarker(canvas, {}, {155, 155}, MarkerKind::Normal);
    const QImage& image = canvas.image();
    for (const auto& [x, y] : {std::pair{150, 150},
                               {160, 150},
                               {160, 160},
                               {150, 160},
                               {155, 150},
                               {151, 151},
                               {159, 159},
                               {151, 159},
                               {159, 151}}) {
        EXPECT_EQ(image.pixel(x, y), rgb(Black)) << x << "," << y;
    }
    EXPECT_EQ(image.pixel(149, 150), rgb(Silver));
    EXPECT_EQ(image.pixel(161, 161), rgb(Silver));
    EXPECT_EQ(image.pixel(155, 152), rgb(Silver));
}

TEST(DrawOriginMarker, DottedHasNoDiagonalsAndEraseCoversEveryKind) {
    const OriginView withCircles{LibraryKind::Symbol, 30, 60, true, true};
    QtCanvas canvas;
    const QImage blank = canvas.image();
    DrawOriginMarker(canvas, {}, {155, 155}, MarkerKind::Dotted);
    EXPECT_EQ(canvas.image().pixel(152, 152), rgb(Silver));
    EXPECT_EQ(canvas.image().pixel(150, 150), rgb(Black));
    DrawOriginMarker(canvas, {}, {155, 155}, MarkerKind::Erase);
    EXPECT_EQ(countDifferences(blank, canvas.image()), 0);

    // The size circle goes with the marker; the clipping circle toggles at every call.
    DrawOriginMarker(canvas, withCircles, {155, 155}, MarkerKind::Normal);
    EXPECT_EQ(canvas.image().pixel(215, 155), rgb(Blue));
    EXPECT_TRUE(paintedNear(canvas.image(), 185, 155));
    DrawOriginMarker(canvas, withCircles, {155, 155}, MarkerKind::Erase);
    EXPECT_EQ(countDifferences(blank, canvas.image()), 0);
}

TEST(DrawOriginMarker, XorTwiceRestoresAndLineTypesShowNoMarker) {
    const OriginView withCircles{LibraryKind::Symbol, 30, 60, true, true};
    QtCanvas canvas;
    DrawGrid(canvas);
    const QImage before = canvas.image();
    DrawOriginMarker(canvas, withCircles, {20, 20}, MarkerKind::Xor);
    EXPECT_GT(countDifferences(before, canvas.image()), 40);
    DrawOriginMarker(canvas, withCircles, {20, 20}, MarkerKind::Xor);
    EXPECT_EQ(countDifferences(before, canvas.image()), 0);

    const OriginView lineType{LibraryKind::LineType, 30, 60, true, true};
    for (const MarkerKind kind :
         {MarkerKind::Normal, MarkerKind::Xor, MarkerKind::Erase, MarkerKind::Dotted}) {
        DrawOriginMarker(canvas, lineType, {155, 155}, kind);
    }
    EXPECT_EQ(countDifferences(before, canvas.image()), 0);
}

TEST(DrawRadiusCircle, ZeroRadiusDrawsNothingAndTheDashedCircleAlwaysToggles) {
    QtCanvas canvas;
    const QImage blank = canvas.image();
    DrawRadiusCircle(canvas, {155, 155}, PenStyle::DashDotDot, 0, DrawMode::Normal);
    EXPECT_EQ(countDifferences(blank, canvas.image()), 0);

    DrawRadiusCircle(canvas, {155, 155}, PenStyle::Dash, 100, DrawMode::Normal);
    EXPECT_EQ(canvas.image().pixel(255, 155), rgb(Silver) ^ (rgb(Blue) & RGB_MASK));
    DrawRadiusCircle(canvas, {155, 155}, PenStyle::Dash, 100, DrawMode::Erase);
    EXPECT_EQ(countDifferences(blank, canvas.image()), 0);
}

TEST(DrawRadiusCircle, SizeCircleIsBlueAndErasedInSilver) {
    QtCanvas canvas;
    const QImage blank = canvas.image();
    DrawRadiusCircle(canvas, {155, 155}, PenStyle::DashDotDot, 100, DrawMode::Normal);
    EXPECT_EQ(canvas.image().pixel(255, 155), rgb(Blue));
    DrawRadiusCircle(canvas, {155, 155}, PenStyle::DashDotDot, 100, DrawMode::Erase);
    EXPECT_EQ(countDifferences(blank, canvas.image()), 0);
    DrawRadiusCircle(canvas, {155, 155}, PenStyle::DashDotDot, 2147483647, DrawMode::Xor);
    DrawRadiusCircle(canvas, {155, 155}, PenStyle::DashDotDot, 2147483647, DrawMode::Xor);
    EXPECT_EQ(countDifferences(blank, canvas.image()), 0);
}

TEST(Grips, ToggledGripsAreRememberedAndHideGripsRemovesThemAll) {
    QtCanvas canvas;
    DrawGrid(canvas);
    DrawEntity(canvas, lineEntity({20, 20}, {200, 20}, 1), false, DrawMode::Normal);
    const QImage before = canvas.image();
    Grips grips;
    ToggleGrip(canvas, grips, {20, 20}, GripKind::Start);
    ToggleGrip(canvas, grips, {200, 20}, GripKind::End);
    ToggleGrip(canvas, grips, {110, 60}, GripKind::Middle);
    ToggleGrip(canvas, grips, {155, 155}, GripKind::Origin);
    EXPECT_TRUE(grips.endGripsShown && grips.middleShown && grips.originShown);
    EXPECT_TRUE(grips.originSelected);
    EXPECT_EQ(grips.endPos, (DisplayPoint{200, 20}));
    // The 7 x 7 square from (x - 3, y - 3), silver XOR silver = black.
    EXPECT_EQ(canvas.image().pixel(152, 152), rgb(Black));
    EXPECT_EQ(canvas.image().pixel(158, 158), rgb(Black));
    EXPECT_EQ(canvas.image().pixel(159, 158), rgb(Silver));

    HideGrips(canvas, grips);
    EXPECT_EQ(countDifferences(before, canvas.image()), 0);
    EXPECT_FALSE(grips.endGripsShown || grips.middleShown || grips.originShown);
    EXPECT_FALSE(grips.originSelected);
    HideGrips(canvas, grips);  // nothing shown: nothing drawn
    EXPECT_EQ(countDifferences(before, canvas.image()), 0);
}

}  // namespace
