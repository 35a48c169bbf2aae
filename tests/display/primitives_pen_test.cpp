#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "display/primitives.h"
#include "editing/support/recording_canvas.h"

namespace {

using Calls = std::vector<std::string>;
using Op = RecordingCanvas::Op;

std::string text(DisplayPoint p) {
    return std::to_string(p.x) + "," + std::to_string(p.y);
}

// The pen as "mode/style/r,g,b", for example "xor/solid/0,255,255".
std::string text(const RecordingCanvas::Pen& pen) {
    static const char* modes[] = {"copy", "xor", "black"};
    static const char* styles[] = {"solid", "dash", "dot", "dashdotdot"};
    return std::string(modes[static_cast<int>(pen.mode)]) + "/" +
           styles[static_cast<int>(pen.style)] + "/" + std::to_string(pen.colour.r) + "," +
           std::to_string(pen.colour.g) + "," + std::to_string(pen.colour.b);
}

// Each call as "pen what where", for example "copy/solid/0,0,0 line 10,10 50,60".
Calls described(const RecordingCanvas& canvas) {
    Calls out;
    for (const RecordingCanvas::Call& c : canvas.calls) {
        const std::string box = std::to_string(c.left) + "," + std::to_string(c.top) + "," +
                                std::to_string(c.right) + "," + std::to_string(c.bottom);
        switch (c.op) {
            case Op::Line:
                out.push_back(text(c.pen) + " line " + text(c.a) + " " + text(c.b));
                break;
            case Op::Arc:
                out.push_back(text(c.pen) + " arc " + box + " " + text(c.a) + " " + text(c.b));
                break;
            case Op::Ellipse:
                out.push_back(text(c.pen) + " ellipse " + box);
                break;
            case Op::Pixel:
                out.push_back(text(c.pen) + " pixel " + text(c.a));
                break;
            case Op::Fill:
                out.push_back("fill " + box);
                break;
            case Op::InvertSquare:
                out.push_back("invert " + text(c.a) + " " + std::to_string(c.size));
                break;
        }
    }
    return out;
}

TEST(PrimitivesPen, EntityDrawingKeepsTheCallersStyleAndLeavesCopyMode) {
    for (const DrawMode mode : {DrawMode::Normal, DrawMode::Xor, DrawMode::Erase}) {
        RecordingCanvas canvas;
        canvas.setPenStyle(PenStyle::Dot);
        canvas.setPenMode(PenMode::Black);
        DrawLineEntity(canvas, {10, 10}, {50, 60}, 3, true, mode);
        EXPECT_EQ(canvas.pen.mode, PenMode::Copy);
        EXPECT_EQ(canvas.pen.style, PenStyle::Dot);
        DrawArcEntity(canvas, {80, 155}, {50, 155}, {110, 155}, 3, true, 0, mode);
        EXPECT_EQ(canvas.pen.mode, PenMode::Copy);
        EXPECT_EQ(canvas.pen.style, PenStyle::Dot);
    }
}

TEST(PrimitivesPen, EachDrawModeSetsItsPenBeforeDrawing) {
    RecordingCanvas canvas;
    DrawLineEntity(canvas, {10, 10}, {50, 60}, 3, true, DrawMode::Normal);
    DrawLineEntity(canvas, {10, 10}, {50, 60}, 3, true, DrawMode::Xor);
    DrawLineEntity(canvas, {10, 10}, {50, 60}, 3, false, DrawMode::Erase);
    DrawLineEntity(canvas, {10, 10}, {50, 60}, 3, false, DrawMode::Normal);
    EXPECT_EQ(
        described(canvas),
        (Calls{"copy/solid/255,0,0 line 10,10 50,60", "xor/solid/0,255,255 line 10,10 50,60",
               "copy/solid/192,192,192 line 10,10 50,60", "copy/solid/0,0,0 line 10,10 50,60"}));
}

TEST(PrimitivesPen, ArcIsDrawnInItsRoundedSquareFromTheSweptEnds) {
    RecordingCanvas canvas;
    // Centre on the chord, flag 0: the half swept clockwise from S, so the ends exchange.
    DrawArcEntity(canvas, {80, 155}, {50, 155}, {110, 155}, 1, false, 0, DrawMode::Normal);
    DrawArcEntity(canvas, {50, 167.5f}, {20, 155}, {80, 155}, 1, false, 1, DrawMode::Xor);
    EXPECT_EQ(described(canvas), (Calls{"copy/solid/0,0,0 arc 50,125,110,185 110,155 50,155",
                                        "xor/solid/0,255,255 arc 18,135,82,200 20,155 80,155"}));
}

TEST(PrimitivesPen, RadiusCirclesUseTheirOwnPenAndEndSolidInCopyMode) {
    RecordingCanvas canvas;
    DrawRadiusCircle(canvas, {155, 155}, PenStyle::Dash, 40, DrawMode::Erase);
    DrawRadiusCircle(canvas, {155, 155}, PenStyle::DashDotDot, 40, DrawMode::Xor);
    DrawRadiusCircle(canvas, {155, 155}, PenStyle::DashDotDot, 40, DrawMode::Erase);
    DrawRadiusCircle(canvas, {155, 155}, PenStyle::DashDotDot, 40, DrawMode::Normal);
    DrawRadiusCircle(canvas, {155, 155}, PenStyle::DashDotDot, 0, DrawMode::Normal);
    EXPECT_EQ(described(canvas), (Calls{"xor/dash/0,0,255 ellipse 115,115,195,195",
                                        "xor/dashdotdot/0,255,255 ellipse 115,115,195,195",
                                        "copy/dashdotdot/192,192,192 ellipse 115,115,195,195",
                                        "copy/dashdotdot/0,0,255 ellipse 115,115,195,195"}));
    EXPECT_EQ(canvas.pen.mode, PenMode::Copy);
    EXPECT_EQ(canvas.pen.style, PenStyle::Solid);
}

TEST(PrimitivesPen, OriginMarkerEndsSolidInCopyModeAndDrawsItsCircles) {
    const OriginView view{LibraryKind::Symbol, 20, 40, true, true};
    RecordingCanvas canvas;
    DrawOriginMarker(canvas, view, {100, 100}, MarkerKind::Xor);
    EXPECT_EQ(canvas.pen.mode, PenMode::Copy);
    EXPECT_EQ(canvas.pen.style, PenStyle::Solid);
    EXPECT_EQ(
        described(canvas),
        (Calls{"xor/solid/0,255,255 line 95,95 105,95", "xor/solid/0,255,255 line 105,95 105,105",
               "xor/solid/0,255,255 line 105,105 95,105", "xor/solid/0,255,255 line 95,105 95,95",
               "xor/solid/0,255,255 line 96,96 105,105", "xor/solid/0,255,255 line 96,104 105,95",
               "xor/dash/0,0,255 ellipse 80,80,120,120",
               "xor/dashdotdot/0,255,255 ellipse 60,60,140,140"}));

    canvas.forget();
    DrawOriginMarker(canvas, {}, {100, 100}, MarkerKind::Dotted);
    EXPECT_EQ(text(canvas.pen), "copy/solid/0,0,0");
    const Calls dotted = described(canvas);
    ASSERT_EQ(dotted.size(), 4u);
    EXPECT_EQ(dotted[0], "copy/dot/0,0,0 line 95,95 105,95");
}

TEST(PrimitivesPen, GridLeavesTheBlackPenAndGripsIgnoreNone) {
    RecordingCanvas canvas;
    DrawGrid(canvas);
    EXPECT_EQ(canvas.pen.mode, PenMode::Black);
    const Calls dots = described(canvas);
    EXPECT_EQ(dots.size(), 441u);
    EXPECT_EQ(dots.back(), "black/solid/0,0,0 pixel 305,305");

    canvas.forget();
    Grips grips;
    ToggleGrip(canvas, grips, {50, 50}, GripKind::None);
    ToggleGrip(canvas, grips, {-2147483647, 2147483647}, GripKind::Middle);
    EXPECT_EQ(described(canvas), (Calls{"invert -2147483648,2147483644 7"}));
}

}  // namespace
