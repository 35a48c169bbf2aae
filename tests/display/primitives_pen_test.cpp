#include <gtest/gtest.h>

#include "display/primitives.h"
#include "display/recording_canvas.h"

namespace {

using Calls = std::vector<std::string>;

TEST(PrimitivesPen, EntityDrawingKeepsTheCallersStyleAndLeavesCopyMode) {
    for (const DrawMode mode : {DrawMode::Normal, DrawMode::Xor, DrawMode::Erase}) {
        RecordingCanvas canvas;
        canvas.setPenStyle(PenStyle::Dot);
        canvas.setPenMode(PenMode::Black);
        DrawLineEntity(canvas, {10, 10}, {50, 60}, 3, true, mode);
        EXPECT_EQ(canvas.mode, PenMode::Copy);
        EXPECT_EQ(canvas.style, PenStyle::Dot);
        DrawArcEntity(canvas, {80, 155}, {50, 155}, {110, 155}, 3, true, 0, mode);
        EXPECT_EQ(canvas.mode, PenMode::Copy);
        EXPECT_EQ(canvas.style, PenStyle::Dot);
    }
}

TEST(PrimitivesPen, EachDrawModeSetsItsPenBeforeDrawing) {
    RecordingCanvas canvas;
    DrawLineEntity(canvas, {10, 10}, {50, 60}, 3, true, DrawMode::Normal);
    DrawLineEntity(canvas, {10, 10}, {50, 60}, 3, true, DrawMode::Xor);
    DrawLineEntity(canvas, {10, 10}, {50, 60}, 3, false, DrawMode::Erase);
    DrawLineEntity(canvas, {10, 10}, {50, 60}, 3, false, DrawMode::Normal);
    EXPECT_EQ(canvas.calls,
              (Calls{"copy/solid/255,0,0 moveTo 10,10", "copy/solid/255,0,0 lineTo 50,60",
                     "xor/solid/0,255,255 moveTo 10,10", "xor/solid/0,255,255 lineTo 50,60",
                     "copy/solid/192,192,192 moveTo 10,10", "copy/solid/192,192,192 lineTo 50,60",
                     "copy/solid/0,0,0 moveTo 10,10", "copy/solid/0,0,0 lineTo 50,60"}));
}

TEST(PrimitivesPen, ArcIsDrawnInItsRoundedSquareFromTheSweptEnds) {
    RecordingCanvas canvas;
    // Centre on the chord, flag 0: the half swept clockwise from S, so the ends exchange.
    DrawArcEntity(canvas, {80, 155}, {50, 155}, {110, 155}, 1, false, 0, DrawMode::Normal);
    DrawArcEntity(canvas, {50, 167.5f}, {20, 155}, {80, 155}, 1, false, 1, DrawMode::Xor);
    EXPECT_EQ(canvas.calls, (Calls{"copy/solid/0,0,0 arc 50,125,110,185 110,155 50,155",
                                   "xor/solid/0,255,255 arc 18,135,82,200 20,155 80,155"}));
}

TEST(PrimitivesPen, RadiusCirclesUseTheirOwnPenAndEndSolidInCopyMode) {
    RecordingCanvas canvas;
    DrawRadiusCircle(canvas, {155, 155}, PenStyle::Dash, 40, DrawMode::Erase);
    DrawRadiusCircle(canvas, {155, 155}, PenStyle::DashDotDot, 40, DrawMode::Xor);
    DrawRadiusCircle(canvas, {155, 155}, PenStyle::DashDotDot, 40, DrawMode::Erase);
    DrawRadiusCircle(canvas, {155, 155}, PenStyle::DashDotDot, 40, DrawMode::Normal);
    DrawRadiusCircle(canvas, {155, 155}, PenStyle::DashDotDot, 0, DrawMode::Normal);
    EXPECT_EQ(canvas.calls, (Calls{"xor/dash/0,0,255 ellipse 115,115,195,195",
                                   "xor/dashdotdot/0,255,255 ellipse 115,115,195,195",
                                   "copy/dashdotdot/192,192,192 ellipse 115,115,195,195",
                                   "copy/dashdotdot/0,0,255 ellipse 115,115,195,195"}));
    EXPECT_EQ(canvas.mode, PenMode::Copy);
    EXPECT_EQ(canvas.style, PenStyle::Solid);
}

TEST(PrimitivesPen, OriginMarkerEndsSolidInCopyModeAndDrawsItsCircles) {
    const OriginView view{LibraryKind::Symbol, 20, 40, true, true};
    RecordingCanvas canvas;
    DrawOriginMarker(canvas, view, {100, 100}, MarkerKind::Xor);
    EXPECT_EQ(canvas.mode, PenMode::Copy);
    EXPECT_EQ(canvas.style, PenStyle::Solid);
    ASSERT_EQ(canvas.calls.size(), 11u);
    EXPECT_EQ(canvas.calls[0], "xor/solid/0,255,255 moveTo 95,95");
    EXPECT_EQ(canvas.calls[4], "xor/solid/0,255,255 lineTo 95,95");
    EXPECT_EQ(canvas.calls[8], "xor/solid/0,255,255 lineTo 105,95");
    EXPECT_EQ(canvas.calls[9], "xor/dash/0,0,255 ellipse 80,80,120,120");
    EXPECT_EQ(canvas.calls[10], "xor/dashdotdot/0,255,255 ellipse 60,60,140,140");

    canvas.calls.clear();
    DrawOriginMarker(canvas, {}, {100, 100}, MarkerKind::Dotted);
    EXPECT_EQ(canvas.pen(), "copy/solid/0,0,0");
    EXPECT_EQ(canvas.calls.size(), 5u);
    EXPECT_EQ(canvas.calls[1], "copy/dot/0,0,0 lineTo 105,95");
}

TEST(PrimitivesPen, GridLeavesTheBlackPenAndGripsIgnoreNone) {
    RecordingCanvas canvas;
    DrawGrid(canvas);
    EXPECT_EQ(canvas.mode, PenMode::Black);
    EXPECT_EQ(canvas.calls.size(), 441u);
    EXPECT_EQ(canvas.calls.back(), "black/solid/0,0,0 pixel 305,305");

    canvas.calls.clear();
    Grips grips;
    ToggleGrip(canvas, grips, {50, 50}, GripKind::None);
    ToggleGrip(canvas, grips, {-2147483647, 2147483647}, GripKind::Middle);
    EXPECT_EQ(canvas.calls, (Calls{"invert -2147483648,2147483644 7"}));
}

}  // namespace
