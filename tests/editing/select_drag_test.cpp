#include "editing/entry_session.h"
#include "editing/pointer_input.h"
#include "editing/selection.h"
#include "support/pointer_fixture.h"

namespace {

class SelectDragTest : public PointerFixture {
  protected:
    // Snap off: the pointer positions below are the drawing positions.
    SelectDragTest() {
        state.pointerState = PointerState::SelectIdle;
        state.snapToGrid = false;
    }

    // Presses one pixel to the left and moves onto the point: the move grabs what lies there.
    void grab(int x, int y) {
        hover(x - 1, y);
        press(x - 1, y);
        dragTo(x, y);
    }
    void dragFromTo(DisplayPoint from, DisplayPoint to) {
        grab(from.x, from.y);
        dragTo(to.x, to.y);
        release(to.x, to.y);
    }

    void selectByClick(int x, int y, bool shift = false) {
        ShiftState s;
        s.shift = shift;
        click(x, y, MouseButton::Left, s);
    }
    std::vector<int32_t> selected() const {
        std::vector<int32_t> list;
        for (int i = 1; i <= selectedCount(state.selection); ++i) {
            list.push_back(selectedItem(state.selection, i));
        }
        return list;
    }
    int changedSteps() const {
        int n = 0;
        for (int i = 0; i < state.undoCount; ++i) {
            n += state.undoHistory[i].kind == UndoKind::Changed ? 1 : 0;
        }
        return n;
    }
    DisplayPoint origin() const {
        return {state.work.workEntry.originX, state.work.workEntry.originY};
    }
};

TEST_F(SelectDragTest, APressWithoutMovementNeverGrabsAndIsAClickOnRelease) {
    setWork({lineEntity(20, 50, 100, 50)});
    hover(60, 50);
    press(60, 50);
    EXPECT_EQ(state.pointerState, PointerState::SelectIdle);
    EXPECT_FALSE(ui.captured);
    release(60, 50);
    EXPECT_EQ(selected(), std::vector<int32_t>{1});
    EXPECT_EQ(state.undoCount, 0);
}

TEST_F(SelectDragTest, ThePointerShowsTheGrabShapeOverWhatCanBeDragged) {
    setWork({lineEntity(20, 50, 100, 50)});
    hover(200, 200);
    EXPECT_EQ(ui.cursor, CursorShape::Arrow);
    selectByClick(60, 50);
    hover(60, 51);
    EXPECT_EQ(ui.cursor, CursorShape::Grab);
    hover(60, 53);
    EXPECT_EQ(ui.cursor, CursorShape::Arrow);
    hover(103, 47);  // on the end grip
    EXPECT_EQ(ui.cursor, CursorShape::Grab);
    EXPECT_EQ(ui.isEnabled(Command::EditMenu_Copy), true);
}

TEST_F(SelectDragTest, GrabbingAnUnselectedEntityMovesOnlyItAndSelectsIt) {
    setWork({lineEntity(20, 50, 100, 50), lineEntity(20, 100, 100, 100)});
    selectByClick(60, 50);
    dragFromTo({60, 100}, {60, 131});
    EXPECT_EQ(state.pointerState, PointerState::SelectIdle);
    EXPECT_EQ(workEntity(1), lineEntity(20, 50, 100, 50));
    EXPECT_EQ(workEntity(2), lineEntity(20, 131, 100, 131));
    EXPECT_EQ(selected(), std::vector<int32_t>{2});
    EXPECT_EQ(changedSteps(), 1);
    EXPECT_EQ(state.undoHistory[0].index, 2);
    EXPECT_TRUE(state.grips.endGripsShown);
    EXPECT_EQ(state.grips.startPos, (DisplayPoint{20, 131}));
    EXPECT_TRUE(state.library.entryModified);
}

TEST_F(SelectDragTest, AMoveTakesThePointerAndGivesItBack) {
    setWork({lineEntity(20, 50, 100, 50)});
    grab(60, 50);
    EXPECT_EQ(state.pointerState, PointerState::MoveSelection);
    EXPECT_TRUE(ui.captured);
    dragTo(500, 500);
    EXPECT_TRUE(ui.captured);  // kept off the area while moving
    release(500, 500);
    EXPECT_FALSE(ui.captured);
}

TEST_F(SelectDragTest, WithShiftHeldAPressAndDragGrabsNothing) {
    setWork({lineEntity(20, 50, 100, 50)});
    ShiftState shift;
    shift.shift = true;
    hover(60, 50);
    press(60, 50, MouseButton::Left, shift);
    dragTo(80, 80, shift);
    EXPECT_EQ(state.pointerState, PointerState::SelectIdle);
}

TEST_F(SelectDragTest, ThreeUnitsIsTooFarToGrab) {
    setWork({lineEntity(20, 50, 100, 50)});
    hover(60, 53);
    press(60, 53);
    dragTo(61, 53);
    EXPECT_EQ(state.pointerState, PointerState::SelectIdle);
    dragTo(61, 52);
    EXPECT_EQ(state.pointerState, PointerState::MoveSelection);
}

TEST_F(SelectDragTest, GrabbingTheOriginWhileEntitiesAreSelectedMovesTheSelection) {
    setWork({lineEntity(20, 50, 100, 50), lineEntity(20, 100, 100, 100)});
    selectByClick(60, 100);
    dragFromTo({157, 154}, {187, 184});
    EXPECT_EQ(workEntity(2), lineEntity(50, 130, 130, 130));
    EXPECT_EQ(workEntity(1), lineEntity(20, 50, 100, 50));
    EXPECT_EQ(origin(), (DisplayPoint{155, 155}));
    EXPECT_EQ(selected(), std::vector<int32_t>{2});
}

TEST_F(SelectDragTest, ASelectedOriginMovesWithTheSelection) {
    setWork({lineEntity(20, 50, 100, 50)});
    selectByClick(155, 155);
    ASSERT_TRUE(state.grips.originSelected);
    selectByClick(60, 50, true);
    dragFromTo({60, 50}, {90, 80});
    EXPECT_EQ(workEntity(1), lineEntity(50, 80, 130, 80));
    EXPECT_EQ(origin(), (DisplayPoint{185, 185}));
    EXPECT_TRUE(state.grips.originSelected);
    EXPECT_EQ(state.grips.originPos, (DisplayPoint{185, 185}));
    EXPECT_EQ(changedSteps(), 1);  // the origin is not recorded
}

TEST_F(SelectDragTest, ASelectionPushedAgainstTheBorderStopsThereAsAWhole) {
    setWork({lineEntity(20, 50, 50, 50), lineEntity(200, 80, 290, 80)});
    selectByClick(35, 50);
    selectByClick(245, 80, true);
    grab(35, 50);
    dragTo(80, 50);
    dragTo(110, 50);
    release(110, 50);
    EXPECT_EQ(workEntity(1), lineEntity(35, 50, 65, 50));
    EXPECT_EQ(workEntity(2), lineEntity(215, 80, 305, 80));
    EXPECT_EQ(changedSteps(), 2);
}

TEST_F(SelectDragTest, TheGrabbedEntitySlidesAlongTheBorderAndFollowsAgainAtOnce) {
    setWork({lineEntity(20, 50, 50, 50)});
    grab(35, 50);
    dragTo(20, 50);
    dragTo(5, 50);   // the line stops with its start at 5
    dragTo(35, 50);  // and comes back with the pointer at once
    release(35, 50);
    EXPECT_EQ(workEntity(1), lineEntity(35, 50, 65, 50));
}

TEST_F(SelectDragTest, TheMoveKeepsTheLeftmostPointOnTheBorderWithSnapOff) {
    setWork({lineEntity(10, 50, 60, 50), lineEntity(100, 100, 150, 120)});
    selectByClick(35, 50);
    selectByClick(125, 110, true);
    dragFromTo({35, 50}, {15, 50});
    EXPECT_EQ(workEntity(1), lineEntity(5, 50, 55, 50));
    EXPECT_EQ(workEntity(2), lineEntity(95, 100, 145, 120));
}

TEST_F(SelectDragTest, AMoveReleasedWhereItStartedRecordsNothingButMarksTheEntryChanged) {
    setWork({lineEntity(20, 50, 100, 50)});
    grab(60, 50);
    dragTo(90, 80);
    dragTo(60, 50);
    release(60, 50);
    EXPECT_EQ(workEntity(1), lineEntity(20, 50, 100, 50));
    EXPECT_EQ(state.undoCount, 0);
    EXPECT_TRUE(state.library.entryModified);
    EXPECT_EQ(state.pointerState, PointerState::SelectIdle);
}

TEST_F(SelectDragTest, TheGhostsAreRemovedWhereTheyWereDrawnWhateverTheRelease) {
    setWork({lineEntity(20, 50, 100, 50)});
    grab(60, 50);
    dragTo(90, 80);
    release(120, 110);  // no move to the release point came first
    const RecordingCanvas::Pen xorPen{Aqua, PenStyle::Solid, PenMode::Xor};
    EXPECT_EQ(canvas.linesBetween({50, 80}, {130, 80}, xorPen) % 2, 0);
    EXPECT_EQ(canvas.linesBetween({20, 50}, {100, 50}, xorPen) % 2, 0);
}

TEST_F(SelectDragTest, APressOnAGripOfTheSelectedEntityStartsAGripDragAtOnce) {
    setWork({lineEntity(20, 50, 100, 50)});
    selectByClick(60, 50);
    press(102, 52);
    EXPECT_EQ(state.pointerState, PointerState::DragHandle);
    EXPECT_EQ(state.grabbedGrip, GripKind::End);
}

TEST_F(SelectDragTest, ALineEndDraggedOutsideTheAreaStopsOnTheBorder) {
    state.snapToGrid = true;
    setWork({lineEntity(20, 50, 100, 50, 3)});
    selectByClick(60, 50);
    hover(100, 50);
    press(100, 50);
    dragTo(200, 60);
    EXPECT_TRUE(ui.captured);
    dragTo(400, 60);
    release(400, 60);
    EXPECT_EQ(workEntity(1), lineEntity(20, 50, 305, 65, 3));
    EXPECT_EQ(changedSteps(), 1);
    EXPECT_FALSE(ui.captured);
    EXPECT_EQ(state.pointerState, PointerState::SelectIdle);
    EXPECT_EQ(ui.cursor, CursorShape::Arrow);
    EXPECT_EQ(state.grips.endPos, (DisplayPoint{305, 65}));
    EXPECT_EQ(state.lastPoint, (DisplayPoint{305, 65}));
}

TEST_F(SelectDragTest, TheStartGripOfALineMovesTheStartAndKeepsTheEnd) {
    setWork({lineEntity(20, 50, 100, 50)});
    selectByClick(60, 50);
    hover(20, 50);
    press(20, 50);
    dragTo(50, 200);
    release(50, 200);
    EXPECT_EQ(workEntity(1), lineEntity(50, 200, 100, 50));
}

TEST_F(SelectDragTest, TheMiddleGripBendsAnArcThroughThePointer) {
    // The upper half circle from (50, 155) to (110, 155) about (80, 155); middle grip (80, 125).
    setWork({arcEntity(50, 155, 110, 155, 80, 155, 0)});
    selectByClick(80, 125);
    ASSERT_EQ(state.grips.middlePos, (DisplayPoint{80, 125}));
    hover(80, 125);
    press(80, 125);
    EXPECT_EQ(state.grabbedGrip, GripKind::Middle);
    dragTo(80, 140);
    release(80, 140);
    const Entity& bent = workEntity(1);
    EXPECT_EQ((DisplayPoint{bent.x1, bent.y1}), (DisplayPoint{50, 155}));
    EXPECT_EQ((DisplayPoint{bent.x2, bent.y2}), (DisplayPoint{110, 155}));
    EXPECT_FLOAT_EQ(bent.centreX, 80);
    EXPECT_FLOAT_EQ(bent.centreY, 177.5f);
    EXPECT_EQ(bent.arcFlag, 0);
    EXPECT_EQ(changedSteps(), 1);
}

TEST_F(SelectDragTest, AnArcBentWithoutACentreStaysAsItWas) {
    const Entity half = arcEntity(50, 155, 110, 155, 80, 155, 0);
    setWork({half});
    selectByClick(80, 125);
    hover(80, 125);
    press(80, 125);
    dragTo(80, 155);  // on the chord: the three points lie on a line
    release(80, 155);
    EXPECT_EQ(workEntity(1), half);
    EXPECT_EQ(state.undoCount, 0);
    EXPECT_EQ(state.grips.middlePos, (DisplayPoint{80, 125}));  // the grip went home
    EXPECT_EQ(state.pointerState, PointerState::SelectIdle);
}

TEST_F(SelectDragTest, TheTimerLeavesTheRubberBandOfAGripDragAlone) {
    setWork({lineEntity(20, 50, 100, 50)});
    selectByClick(60, 50);
    hover(100, 50);
    press(100, 50);
    dragTo(200, 50);
    ui.pointerOverPanel = false;
    Timer2Timer(ctx);
    EXPECT_EQ(state.rubber.lastRubberPos, (DisplayPoint{200, 50}));
}

TEST_F(SelectDragTest, TheOriginDraggedWithNothingSelectedIsLeftSelected) {
    setWork({lineEntity(20, 50, 100, 50)});
    grab(155, 155);
    EXPECT_EQ(state.pointerState, PointerState::DragOrigin);
    dragTo(200, 200);
    EXPECT_EQ(origin(), (DisplayPoint{200, 200}));
    release(200, 200);
    EXPECT_EQ(state.pointerState, PointerState::SelectIdle);
    EXPECT_TRUE(state.grips.originSelected);
    EXPECT_TRUE(state.library.entryModified);
    EXPECT_EQ(state.undoCount, 0);
}

TEST_F(SelectDragTest, TheOriginWaitsAtTheBorderWhileThePointerIsOffTheArea) {
    setWork({});
    grab(155, 155);
    dragTo(290, 290);
    dragTo(400, 290);
    EXPECT_EQ(origin(), (DisplayPoint{290, 290}));
}

TEST_F(SelectDragTest, ADraggedOriginStaysWithItsEntryWhenAnotherEntryIsChosen) {
    addEntry("first", {lineEntity(20, 50, 100, 50)});  // entry 2, after the fixture's
    addEntry("second", {lineEntity(20, 80, 100, 80)});
    loadEntry(ctx, 2);
    state.pointerState = PointerState::SelectIdle;
    dragFromTo({155, 155}, {95, 215});
    leaveCurrentEntry(ctx);
    loadEntry(ctx, 3);
    EXPECT_EQ(state.library.entry(2).originX, 95);
    EXPECT_EQ(state.library.entry(2).originY, 215);
    loadEntry(ctx, 2);
    EXPECT_EQ(origin(), (DisplayPoint{95, 215}));
}

TEST_F(SelectDragTest, TheSizeRadiusFollowsThePointerWhileTheOriginIsSelected) {
    setWork({});
    state.work.workEntry.sizeRadius = 30;
    state.showSizeRadius = true;
    selectByClick(155, 155);
    ASSERT_TRUE(state.grips.originShown);
    grab(185, 155);
    EXPECT_EQ(state.pointerState, PointerState::DragSizeRadius);
    dragTo(215, 155);
    EXPECT_EQ(state.work.workEntry.sizeRadius, 60);
    release(215, 200);
    EXPECT_EQ(state.work.workEntry.sizeRadius, 75);  // sqrt(60^2 + 45^2)
    EXPECT_EQ(state.pointerState, PointerState::SelectIdle);
    EXPECT_TRUE(state.library.entryModified);
}

TEST_F(SelectDragTest, TheClippingRadiusCanBeDraggedWhenShown) {
    setWork({});
    state.work.workEntry.clipRadius = 45;
    state.showClipRadius = true;
    grab(200, 155);
    EXPECT_EQ(state.pointerState, PointerState::DragClipRadius);
    dragTo(230, 155);
    release(230, 155);
    EXPECT_EQ(state.work.workEntry.clipRadius, 75);
}

}  // namespace
