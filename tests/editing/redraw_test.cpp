#include "editing/redraw.h"

#include "editing/selection.h"
#include "support/editor_fixture.h"

namespace {

using Op = RecordingCanvas::Op;
using Pen = RecordingCanvas::Pen;

constexpr Rgb Red{255, 0, 0};
const Pen SolidRed{Red, PenStyle::Solid, PenMode::Copy};
const Pen DottedRed{Red, PenStyle::Dot, PenMode::Copy};
const Pen XorAqua{Aqua, PenStyle::Solid, PenMode::Xor};

class RedrawTest : public EditorFixture {};

TEST_F(RedrawTest, AClearingRedrawFillsTheSurfaceAndEndsTheChainAtTheLastEntity) {
    setWork({lineEntity(20, 20, 50, 20, 3), lineEntity(50, 20, 80, 35, 3)});
    RedrawEntry(ctx, true);
    const auto fills = canvas.callsOf(Op::Fill);
    ASSERT_FALSE(fills.empty());
    EXPECT_EQ(fills.front().left, 0);
    EXPECT_EQ(fills.front().top, 0);
    EXPECT_EQ(fills.front().right, SurfaceSize);
    EXPECT_EQ(fills.front().bottom, SurfaceSize);
    EXPECT_EQ(fills.front().fill, Silver);
    EXPECT_EQ(canvas.linesBetween({20, 20}, {50, 20}, SolidRed), 1);
    EXPECT_EQ(canvas.linesBetween({50, 20}, {80, 35}, SolidRed), 1);
    EXPECT_EQ(state.lastPoint, (DisplayPoint{80, 35}));
    EXPECT_EQ(canvas.pen.mode, PenMode::Copy);
    EXPECT_EQ(canvas.pen.style, PenStyle::Solid);
}

TEST_F(RedrawTest, APaintRedrawDoesNotClearAndAnEmptyEntryHasNoChain) {
    setWork({});
    state.lastPoint = {50, 50};
    RedrawEntry(ctx, false);
    EXPECT_TRUE(canvas.callsOf(Op::Fill).empty());
    EXPECT_FALSE(state.lastPoint.isSet());
}

TEST_F(RedrawTest, TheSelectionIsDrawnDottedWithGripsForASingleEntity) {
    setWork({lineEntity(20, 20, 50, 20, 3), lineEntity(50, 20, 80, 35, 3)});
    addToSelection(state.selection, 2);
    RedrawEntry(ctx, true);
    EXPECT_EQ(canvas.linesBetween({50, 20}, {80, 35}, DottedRed), 1);
    EXPECT_EQ(canvas.linesBetween({20, 20}, {50, 20}, DottedRed), 0);
    EXPECT_TRUE(state.grips.endGripsShown);
    EXPECT_EQ(state.grips.endPos, (DisplayPoint{80, 35}));

    // Redrawing again hides the old grips first: the grip squares stay balanced.
    RedrawEntry(ctx, false);
    EXPECT_EQ(canvas.callsOf(Op::InvertSquare).size(), 6u);
    EXPECT_TRUE(state.grips.endGripsShown);
}

TEST_F(RedrawTest, ASelectedArcShowsItsMiddleGripAndTwoSelectedShowNone) {
    setWork({arcEntity(50, 155, 110, 155, 80, 155, 1, 3), lineEntity(20, 20, 50, 20, 3)});
    addToSelection(state.selection, 1);
    RedrawEntry(ctx, true);
    EXPECT_TRUE(state.grips.middleShown);
    EXPECT_EQ(state.grips.middlePos, (DisplayPoint{80, 185}));
    EXPECT_EQ(canvas.callsOf(Op::InvertSquare).size(), 3u);

    addToSelection(state.selection, 2);
    canvas.forget();
    RedrawEntry(ctx, true);
    EXPECT_FALSE(state.grips.endGripsShown);
    EXPECT_FALSE(state.grips.middleShown);
    EXPECT_EQ(canvas.callsOf(Op::InvertSquare).size(), 3u);  // only the old ones, hidden
    EXPECT_EQ(canvas.linesBetween({20, 20}, {50, 20}, DottedRed), 1);
}

TEST_F(RedrawTest, DuringAMoveTheSelectionIsNotRestyled) {
    setWork({lineEntity(20, 20, 50, 20, 3)});
    addToSelection(state.selection, 1);
    state.pointerState = PointerState::MoveSelection;
    RedrawEntry(ctx, true);
    EXPECT_EQ(canvas.linesBetween({20, 20}, {50, 20}, DottedRed), 0);
    EXPECT_FALSE(state.grips.endGripsShown);
}

TEST_F(RedrawTest, ARepaintWhileDrawingALineShowsTheRubberBandAgain) {
    setWork({lineEntity(20, 20, 50, 20, 3)});
    state.pointerState = PointerState::LinePoints;
    state.rubber.lastRubberPos = {100, 110};
    RedrawEntry(ctx, false);
    EXPECT_EQ(canvas.linesBetween({50, 20}, {100, 110}, XorAqua), 1);
}

TEST_F(RedrawTest, ARepaintDuringTheThirdArcPointShowsTheRubberArcAgain) {
    setWork({});
    state.pointerState = PointerState::ArcThirdPoint;
    state.rubber.rubberArc = {{50, 155}, {110, 155}, {80, 155}, 0};
    RedrawEntry(ctx, false);
    const auto arcs = canvas.callsOf(Op::Arc);
    ASSERT_EQ(arcs.size(), 1u);
    EXPECT_EQ(arcs[0].pen.mode, PenMode::Xor);
}

TEST_F(RedrawTest, RestyleAllErasesSolidThenDrawsEveryEntityInTheStyle) {
    setWork({lineEntity(20, 20, 50, 20, 3), lineEntity(50, 20, 80, 35, 3)});
    RestyleAll(ctx, PenStyle::Dot);
    const Pen erase{Silver, PenStyle::Solid, PenMode::Copy};
    EXPECT_EQ(canvas.linesBetween({20, 20}, {50, 20}, erase), 1);
    EXPECT_EQ(canvas.linesBetween({50, 20}, {80, 35}, DottedRed), 1);
    EXPECT_EQ(canvas.pen.style, PenStyle::Solid);
}

TEST_F(RedrawTest, ResetSelectionViewEnablesCutCopyDeleteByTheSelection) {
    setWork({lineEntity(20, 20, 50, 20, 3)});
    addToSelection(state.selection, 1);
    ResetSelectionView(ctx, false);
    EXPECT_EQ(ui.isEnabled(Command::EditMenu_Copy), true);
    EXPECT_EQ(selectedCount(state.selection), 1);
    ResetSelectionView(ctx, true);
    EXPECT_EQ(ui.isEnabled(Command::EditMenu_Copy), false);
    EXPECT_EQ(selectedCount(state.selection), 0);
}

TEST_F(RedrawTest, ShowSizeRadiusTogglesItsCheckMarkAndRedraws) {
    setWork({});
    state.work.workEntry.sizeRadius = 60;
    SymbolMenu_ShowSizeRad_Click(ctx);
    EXPECT_TRUE(state.showSizeRadius);
    EXPECT_EQ(ui.isChecked(Command::SymbolMenu_ShowSizeRad), true);
    EXPECT_EQ(canvas.callsOf(Op::Fill).size(), 1u);
    EXPECT_EQ(canvas.callsOf(Op::Ellipse).size(), 1u);
    SymbolMenu_ShowSizeRad_Click(ctx);
    EXPECT_FALSE(state.showSizeRadius);
    EXPECT_EQ(canvas.callsOf(Op::Ellipse).size(), 1u);
}

TEST_F(RedrawTest, ShowClippingRadiusTogglesTheCircleInXor) {
    setWork({});
    state.work.workEntry.clipRadius = 40;
    SymbolMenu_ShowClipRad_Click(ctx);
    SymbolMenu_ShowClipRad_Click(ctx);
    const auto circles = canvas.callsOf(Op::Ellipse);
    ASSERT_EQ(circles.size(), 2u);
    EXPECT_EQ(circles[0].pen.mode, PenMode::Xor);
    EXPECT_EQ(circles[0].left, 115);
    EXPECT_EQ(circles[1].left, 115);
    EXPECT_EQ(ui.isChecked(Command::SymbolMenu_ShowClipRad), false);
}

}  // namespace
