#include "editing/move_preview.h"

#include "display/primitives.h"

#include "editing/selection.h"
#include "support/editor_fixture.h"

namespace {

using Op = RecordingCanvas::Op;

class MovePreviewTest : public EditorFixture {
  protected:
    // The displacement when the grabbed entity's start is dragged by (dx, dy).
    DisplayPoint displacementFor(int32_t grabbed, int dx, int dy) const {
        const Entity& g = workEntity(grabbed);
        return MoveDisplacement(state, {g.x1 + dx, g.y1 + dy}, grabbed, {});
    }
};

TEST_F(MovePreviewTest, AMovePastTheLeftBorderStopsTheSelectionAtFive) {
    setWork({lineEntity(10, 50, 40, 50), lineEntity(40, 50, 70, 80)});
    addToSelection(state.selection, 1);
    addToSelection(state.selection, 2);
    EXPECT_EQ(displacementFor(2, -20, 0), (DisplayPoint{-5, 0}));

    CommitMove(ctx, {40 - 20, 50}, 2, {}, true);
    EXPECT_EQ(workEntity(1), lineEntity(5, 50, 35, 50));
    EXPECT_EQ(workEntity(2), lineEntity(35, 50, 65, 80));
}

TEST_F(MovePreviewTest, TheFarBorderWinsAndTheOriginCountsWhenSelected) {
    setWork({lineEntity(290, 290, 300, 300)});
    addToSelection(state.selection, 1);
    EXPECT_EQ(displacementFor(1, 20, 20), (DisplayPoint{5, 5}));
    EXPECT_EQ(displacementFor(1, -300, -300), (DisplayPoint{-285, -285}));

    state.grips.originSelected = true;  // origin at (155, 155)
    EXPECT_EQ(displacementFor(1, -200, 0), (DisplayPoint{-150, 0}));
}

TEST_F(MovePreviewTest, AnArcKeepsItsCentreRelativeToItsStart) {
    setWork({arcEntity(50, 155, 110, 155, 80.25f, 155, 0, 3)});
    const Entity moved = DisplacedEntity(workEntity(1), {7, -3});
    EXPECT_EQ(moved.x1, 57);
    EXPECT_EQ(moved.y2, 152);
    EXPECT_EQ(moved.centreX, 87.25f);
    EXPECT_EQ(moved.centreY, 152);
    EXPECT_EQ(moved.arcFlag, 0);
}

TEST_F(MovePreviewTest, WithNothingSelectedTheGrabbedEntityIsSelectedFirst) {
    setWork({lineEntity(20, 20, 50, 20), lineEntity(50, 20, 80, 20)});
    DrawMovePreview(ctx, {30, 30}, 2, {});
    EXPECT_EQ(selectedCount(state.selection), 1);
    EXPECT_EQ(selectedItem(state.selection, 1), 2);
    const auto lines = canvas.callsOf(Op::Line);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0].pen.mode, PenMode::Xor);
    EXPECT_EQ(lines[0].a, (DisplayPoint{30, 30}));
    EXPECT_EQ(lines[0].b, (DisplayPoint{60, 30}));
}

TEST_F(MovePreviewTest, TheGhostOfASelectedOriginIsAnXorMarker) {
    setWork({lineEntity(20, 20, 50, 20)});
    addToSelection(state.selection, 1);
    state.grips.originSelected = true;
    DrawMovePreview(ctx, {30, 20}, 1, {});
    bool markerAtNewOrigin = false;
    for (const auto& call : canvas.callsOf(Op::Line)) {
        markerAtNewOrigin |= call.pen.mode == PenMode::Xor && call.a == DisplayPoint{160, 150};
    }
    EXPECT_TRUE(markerAtNewOrigin);  // the marker square starts at (x - 5, y - 5)
}

TEST_F(MovePreviewTest, ACommitInPlaceRecordsNothingButMarksTheEntryChanged) {
    setWork({lineEntity(20, 20, 50, 20), lineEntity(50, 20, 80, 20)});
    addToSelection(state.selection, 2);
    CommitMove(ctx, {50, 20}, 2, {}, false);
    EXPECT_EQ(state.undoCount, 0);
    EXPECT_TRUE(state.library.entryModified);
    EXPECT_EQ(canvas.pen.style, PenStyle::Solid);
    // No grid over the moved lines: the dots come back when the picture settles.
    EXPECT_TRUE(canvas.callsOf(Op::Pixel).empty());
}

TEST_F(MovePreviewTest, ACommitRecordsOneChangedStepPerSelectedEntityInOrder) {
    setWork({lineEntity(20, 20, 50, 20), lineEntity(50, 20, 80, 20), lineEntity(80, 20, 80, 50)});
    addToSelection(state.selection, 3);
    addToSelection(state.selection, 1);
    state.grips.originSelected = true;
    CommitMove(ctx, {30, 30}, 1, {}, true);
    ASSERT_EQ(state.undoCount, 2);
    EXPECT_EQ(state.undoHistory[0].kind, UndoKind::Changed);
    EXPECT_EQ(state.undoHistory[0].index, 3);
    EXPECT_EQ(state.undoHistory[1].index, 1);
    EXPECT_EQ(workEntity(1), lineEntity(30, 30, 60, 30));
    EXPECT_EQ(workEntity(3), lineEntity(90, 30, 90, 60));
    EXPECT_EQ(workEntity(2), lineEntity(50, 20, 80, 20));
    EXPECT_EQ(state.work.workEntry.originX, 165);
    EXPECT_EQ(state.work.workEntry.originY, 165);
}

TEST_F(MovePreviewTest, EraseSelectionKeepsAShownOriginGrip) {
    setWork({lineEntity(20, 20, 50, 20), lineEntity(50, 20, 80, 20)});
    addToSelection(state.selection, 1);
    ToggleGrip(canvas, state.grips, {155, 155}, GripKind::Origin);
    ToggleGrip(canvas, state.grips, {20, 20}, GripKind::Start);
    canvas.forget();
    EraseSelection(ctx, 2);
    EXPECT_TRUE(state.grips.originShown);
    EXPECT_TRUE(state.grips.originSelected);
    EXPECT_FALSE(state.grips.endGripsShown);
    const RecordingCanvas::Pen erase{Silver, PenStyle::Solid, PenMode::Copy};
    EXPECT_EQ(canvas.linesBetween({50, 20}, {80, 20}, erase), 1);
    EXPECT_EQ(canvas.linesBetween({20, 20}, {50, 20}, erase), 1);
}

}  // namespace
