#include "editing/selection.h"

#include "editing/selection_commands.h"
#include "editing/support/editor_fixture.h"

namespace {

using Pen = RecordingCanvas::Pen;

class SelectionTest : public EditorFixture {};

TEST_F(SelectionTest, TheListKeepsSelectionOrderAndCloseUpsOnRemoval) {
    Selection& list = state.selection;
    EXPECT_TRUE(addToSelection(list, 7));
    EXPECT_TRUE(addToSelection(list, 2));
    EXPECT_TRUE(addToSelection(list, 9));
    EXPECT_FALSE(addToSelection(list, 2));  // held at most once
    EXPECT_EQ(selectedCount(list), 3);
    EXPECT_EQ(selectedItem(list, 1), 7);
    EXPECT_EQ(selectedItem(list, 3), 9);
    EXPECT_EQ(selectedItem(list, 4), 0);
    EXPECT_EQ(selectedItem(list, 0), 0);

    EXPECT_TRUE(removeFromSelection(list, 7));
    EXPECT_EQ(list[0], 2);
    EXPECT_EQ(list[1], 9);
    EXPECT_EQ(list[2], 0);
    EXPECT_FALSE(removeFromSelection(list, 7));
    EXPECT_FALSE(isSelected(list, 7));
    EXPECT_TRUE(isSelected(list, 9));
    EXPECT_FALSE(isSelected(list, 0));
}

TEST_F(SelectionTest, AFullListHasNoTerminatorAndRefusesMore) {
    for (int32_t e = 1; e <= MaxEntities; ++e) {
        ASSERT_TRUE(addToSelection(state.selection, e));
    }
    EXPECT_EQ(selectedCount(state.selection), MaxEntities);
    EXPECT_EQ(selectedItem(state.selection, MaxEntities), MaxEntities);
    EXPECT_TRUE(removeFromSelection(state.selection, MaxEntities));
    EXPECT_EQ(selectedCount(state.selection), MaxEntities - 1);
    EXPECT_FALSE(addToSelection(state.selection, 0));
    EXPECT_FALSE(addToSelection(state.selection, MaxEntities + 1));
    EXPECT_FALSE(addToSelection(state.selection, -3));
}

TEST_F(SelectionTest, SortDescendingOrdersOnlyTheUsedSlots) {
    for (int32_t e : {3, 12, 1, 7}) {
        addToSelection(state.selection, e);
    }
    sortSelectionDescending(state.selection);
    EXPECT_EQ(state.selection[0], 12);
    EXPECT_EQ(state.selection[1], 7);
    EXPECT_EQ(state.selection[2], 3);
    EXPECT_EQ(state.selection[3], 1);
    EXPECT_EQ(state.selection[4], 0);
}

TEST_F(SelectionTest, ToggleOffRedrawsTheEntitySolid) {
    setWork({lineEntity(20, 20, 50, 20, 3), lineEntity(50, 20, 50, 50, 3)});
    toggleSelected(ctx, 2);
    toggleSelected(ctx, 1);
    EXPECT_TRUE(canvas.calls.empty());  // adding draws nothing by itself
    toggleSelected(ctx, 2);
    EXPECT_EQ(state.selection[0], 1);
    EXPECT_EQ(state.selection[1], 0);
    const Pen solidRed{{255, 0, 0}, PenStyle::Solid, PenMode::Copy};
    EXPECT_EQ(canvas.linesBetween({50, 20}, {50, 50}, solidRed), 1);
}

TEST_F(SelectionTest, ClearSelectionDisablesCutCopyDeleteAndShowsTheCurrentColour) {
    setWork({lineEntity(20, 20, 50, 20)});
    state.currentColour = 3;
    addToSelection(state.selection, 1);
    clearSelection(ctx);
    EXPECT_EQ(selectedCount(state.selection), 0);
    EXPECT_EQ(ui.isEnabled(Command::EditMenu_Cut), false);
    EXPECT_EQ(ui.isEnabled(Command::EditMenu_Copy), false);
    EXPECT_EQ(ui.isEnabled(Command::EditMenu_Delete), false);
    EXPECT_EQ(ui.samplePen, (Rgb{255, 0, 0}));

    ui.samplePen.reset();
    state.work.workEntry.useColours = 0;
    clearSelection(ctx);
    EXPECT_FALSE(ui.samplePen.has_value());  // left alone while colours are off
}

TEST_F(SelectionTest, SelectAllSelectsEveryEntityInOrderAndChoosesTheSelectTool) {
    setWork({lineEntity(20, 20, 50, 20, 2), lineEntity(50, 20, 50, 50, 2),
             lineEntity(50, 50, 20, 20, 2)});
    state.pointerState = PointerState::LinePoints;
    EditMenu_SelectAll_Click(ctx);
    ASSERT_EQ(selectedCount(state.selection), 3);
    for (int i = 1; i <= 3; ++i) {
        EXPECT_EQ(selectedItem(state.selection, i), i);
    }
    EXPECT_EQ(state.pointerState, PointerState::SelectIdle);
    EXPECT_EQ(ui.isEnabled(Command::EditMenu_Cut), true);
    EXPECT_EQ(ui.isChecked(Command::tbSelectBtn), true);
    EXPECT_EQ(ui.isChecked(Command::EditMenu_Select), true);
    EXPECT_EQ(ui.isChecked(Command::DrawMenu_Line), false);
    EXPECT_EQ(ui.cursor, CursorShape::Arrow);
    EXPECT_EQ(ui.samplePen, (Rgb{0, 255, 0}));  // their common colour
    EXPECT_FALSE(state.grips.endGripsShown);
    EXPECT_FALSE(state.grips.originSelected);
    const Pen dottedLime{{0, 255, 0}, PenStyle::Dot, PenMode::Copy};
    EXPECT_GE(canvas.linesBetween({50, 20}, {50, 50}, dottedLime), 1);
}

TEST_F(SelectionTest, SelectAllOfASingleEntityShowsItsGrips) {
    setWork({lineEntity(20, 20, 50, 20)});
    EditMenu_SelectAll_Click(ctx);
    EXPECT_TRUE(state.grips.endGripsShown);
    EXPECT_EQ(state.grips.startPos, (DisplayPoint{20, 20}));
    EXPECT_EQ(state.grips.endPos, (DisplayPoint{50, 20}));
}

TEST_F(SelectionTest, SelectAllOfAnEmptyEntryLeavesCutCopyDeleteDisabled) {
    setWork({});
    EditMenu_SelectAll_Click(ctx);
    EXPECT_EQ(selectedCount(state.selection), 0);
    EXPECT_EQ(ui.isEnabled(Command::EditMenu_Cut), false);
}

}  // namespace
