#include "editing/select_click.h"

#include "editing/selection.h"
#include "support/editor_fixture.h"

namespace {

class SelectClickTest : public EditorFixture {
  protected:
    void clickAt(int x, int y, bool shift = false) {
        state.rawPointerPos = {x, y};
        SelectModeClick(ctx, shift);
    }
};

TEST_F(SelectClickTest, AClickSelectsTheEntityUnderItAndShowsItsGrips) {
    setWork({lineEntity(20, 20, 80, 20, 3), lineEntity(20, 80, 80, 80, 5)});
    state.currentColour = 2;
    clickAt(50, 82);
    ASSERT_EQ(selectedCount(state.selection), 1);
    EXPECT_EQ(selectedItem(state.selection, 1), 2);
    EXPECT_TRUE(state.grips.endGripsShown);
    EXPECT_EQ(ui.isEnabled(Command::EditMenu_Delete), true);
    EXPECT_EQ(ui.samplePen, (Rgb{0, 0, 255}));  // the selection's colour
    EXPECT_EQ(state.currentColour, 2);

    clickAt(50, 21);  // without Shift the old selection goes
    ASSERT_EQ(selectedCount(state.selection), 1);
    EXPECT_EQ(selectedItem(state.selection, 1), 1);
}

TEST_F(SelectClickTest, ShiftExtendsAndRemovesInSelectionOrder) {
    setWork({lineEntity(20, 20, 80, 20), lineEntity(20, 80, 80, 80), lineEntity(20, 140, 80, 140)});
    clickAt(50, 140);
    clickAt(50, 20, true);
    clickAt(50, 80, true);
    ASSERT_EQ(selectedCount(state.selection), 3);
    EXPECT_EQ(selectedItem(state.selection, 1), 3);
    EXPECT_EQ(selectedItem(state.selection, 2), 1);
    EXPECT_EQ(selectedItem(state.selection, 3), 2);
    EXPECT_FALSE(state.grips.endGripsShown);

    clickAt(50, 20, true);
    clickAt(50, 80, true);
    ASSERT_EQ(selectedCount(state.selection), 1);
    EXPECT_EQ(selectedItem(state.selection, 1), 3);
    EXPECT_TRUE(state.grips.endGripsShown);  // the one left shows its grips
    EXPECT_EQ(state.grips.startPos, (DisplayPoint{20, 140}));
}

TEST_F(SelectClickTest, OfTwoEquallyNearEntitiesTheLowerNumberWins) {
    setWork(
        {lineEntity(20, 100, 80, 100), lineEntity(20, 104, 80, 104), lineEntity(20, 96, 80, 96)});
    clickAt(50, 100 + 2);
    EXPECT_EQ(selectedItem(state.selection, 1), 1);
    clickAt(50, 98);
    EXPECT_EQ(selectedItem(state.selection, 1), 1);
    clickAt(50, 94);  // nearer to the third alone
    EXPECT_EQ(selectedItem(state.selection, 1), 3);
}

TEST_F(SelectClickTest, TheOriginWithinThreeWinsOverANearerLine) {
    setWork({lineEntity(100, 157, 200, 157)});
    clickAt(157, 156);  // 1 from the line, about 2.2 from the origin
    EXPECT_EQ(selectedCount(state.selection), 0);
    EXPECT_TRUE(state.grips.originSelected);
    EXPECT_TRUE(state.grips.originShown);

    clickAt(120, 158);
    EXPECT_EQ(selectedItem(state.selection, 1), 1);
    EXPECT_FALSE(state.grips.originSelected);
}

TEST_F(SelectClickTest, ShiftKeepsTheOriginSelectedWhileAnEntityIsAdded) {
    setWork({lineEntity(20, 20, 80, 20)});
    clickAt(155, 155);
    clickAt(50, 20, true);
    EXPECT_TRUE(state.grips.originSelected);
    EXPECT_EQ(selectedCount(state.selection), 1);

    const size_t squares = canvas.callsOf(RecordingCanvas::Op::InvertSquare).size();
    clickAt(155, 155, true);  // selecting it again leaves its grip on screen
    EXPECT_EQ(canvas.callsOf(RecordingCanvas::Op::InvertSquare).size(), squares);
    EXPECT_TRUE(state.grips.originShown);
}

TEST_F(SelectClickTest, EmptySpaceDeselectsButWithShiftChangesNothing) {
    setWork({lineEntity(20, 20, 80, 20, 3)});
    state.currentColour = 4;
    clickAt(50, 20);
    clickAt(50, 40, true);
    EXPECT_EQ(selectedCount(state.selection), 1);

    clickAt(50, 25);  // 5 away: beyond the 4.5 tolerance
    EXPECT_EQ(selectedCount(state.selection), 0);
    EXPECT_EQ(ui.isEnabled(Command::EditMenu_Cut), false);
    EXPECT_EQ(ui.samplePen, (Rgb{255, 255, 0}));  // back to the current colour
    EXPECT_FALSE(state.grips.endGripsShown);
}

TEST_F(SelectClickTest, AClickOnARadiusCircleSelectsNothing) {
    setWork({});
    state.work.workEntry.clipRadius = 60;
    state.showClipRadius = true;
    clickAt(215, 155);
    EXPECT_EQ(selectedCount(state.selection), 0);
    EXPECT_FALSE(state.grips.originSelected);
}

TEST_F(SelectClickTest, SelectingAnEntityForgetsTheRubberBandArc) {
    setWork({lineEntity(20, 20, 80, 20)});
    state.rubber.rubberArc.centre = {80, 155};
    clickAt(50, 20);
    EXPECT_EQ(state.rubber.rubberArc.centre, (RealPoint{}));
}

}  // namespace
