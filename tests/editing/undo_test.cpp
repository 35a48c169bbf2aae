#include "editing/undo.h"

#include "editing/selection.h"
#include "editing/support/editor_fixture.h"

namespace {

class UndoTest : public EditorFixture {
  protected:
    // Appends a line the way the drawing tools do: count first, then setEntity.
    void appendLine(int x1, int y1, int x2, int y2, int colour = 1) {
        ++state.work.workEntityCount;
        setEntity(ctx, state.work.workEntityCount, {x1, y1}, {x2, y2}, 0, {}, colour, 0);
    }
    void deleteSelectedEntities() {
        sortSelectionDescending(state.selection);
        for (int i = 1; i <= selectedCount(state.selection); ++i) {
            deleteEntity(ctx, selectedItem(state.selection, i), true);
        }
    }
    UndoKind newestKind() const { return state.undoHistory[state.undoCount - 1].kind; }
};

TEST_F(UndoTest, AppendingRecordsAddedAndUndoRemovesTheNewestFirst) {
    setWork({});
    appendLine(20, 20, 50, 20);
    appendLine(50, 20, 50, 50);
    ASSERT_EQ(state.undoCount, 2);
    EXPECT_EQ(newestKind(), UndoKind::Added);
    EXPECT_EQ(ui.isEnabled(Command::tbUndoBtn), true);
    EXPECT_EQ(ui.isEnabled(Command::EditMenu_Undo), true);

    tbUndoBtn_click(ctx);
    EXPECT_EQ(state.work.workEntityCount, 1);
    EXPECT_EQ(workEntity(1), lineEntity(20, 20, 50, 20));
    EXPECT_FALSE(workEntity(2).inUse());
    EXPECT_EQ(ui.isEnabled(Command::tbUndoBtn), true);

    tbUndoBtn_click(ctx);
    EXPECT_EQ(state.work.workEntityCount, 0);
    EXPECT_EQ(ui.isEnabled(Command::tbUndoBtn), false);
    EXPECT_EQ(ui.isEnabled(Command::EditMenu_Undo), false);
    EXPECT_EQ(ui.isEnabled(Command::EditMenu_SelectAll), false);

    // A third undo has nothing to revert and changes no entity.
    tbUndoBtn_click(ctx);
    EXPECT_EQ(state.undoCount, 0);
    EXPECT_EQ(state.work.workEntityCount, 0);
}

TEST_F(UndoTest, ChangingAnEntityRecordsItsOldContentAndUndoRestoresIt) {
    const Entity before = arcEntity(50, 155, 110, 155, 80, 155, 1, 3);
    setWork({lineEntity(20, 20, 50, 20), before});
    setEntity(ctx, 2, {60, 155}, {120, 155}, 0, {90.5f, 155}, 4, 1);
    ASSERT_EQ(state.undoCount, 1);
    EXPECT_EQ(newestKind(), UndoKind::Changed);
    EXPECT_EQ(state.undoHistory[0].saved, before);
    EXPECT_EQ(workEntity(2).centreX, 90.5f);
    EXPECT_EQ(workEntity(2).colour, 4);

    tbUndoBtn_click(ctx);
    EXPECT_EQ(workEntity(2), before);
    EXPECT_EQ(state.work.workEntityCount, 2);
}

TEST_F(UndoTest, ALineKeepsTheArcFieldsOfItsSlotAndColoursOffStoreColourOne) {
    setWork({arcEntity(50, 155, 110, 155, 80, 155, 1, 3)}, false);
    setEntity(ctx, 1, {20, 20}, {40, 40}, 0, {1, 2}, 7, 0);
    EXPECT_EQ(workEntity(1).isArc, 0);
    EXPECT_EQ(workEntity(1).centreX, 80);
    EXPECT_EQ(workEntity(1).arcFlag, 1);
    EXPECT_EQ(workEntity(1).colour, 1);
}

TEST_F(UndoTest, DeletingThreeSelectedAndUndoingOneAtATimeRestoresTheirPlaces) {
    const Entity a = lineEntity(20, 20, 35, 20), b = lineEntity(35, 20, 50, 20),
                 c = lineEntity(50, 20, 65, 20), d = lineEntity(65, 20, 80, 20),
                 e = lineEntity(80, 20, 95, 20);
    setWork({a, b, c, d, e});
    for (int32_t index : {4, 2, 5}) {
        addToSelection(state.selection, index);
    }
    deleteSelectedEntities();
    ASSERT_EQ(state.work.workEntityCount, 2);
    EXPECT_EQ(workEntity(1), a);
    EXPECT_EQ(workEntity(2), c);
    EXPECT_FALSE(workEntity(3).inUse());
    ASSERT_EQ(state.undoCount, 3);

    addToSelection(state.selection, 1);
    tbUndoBtn_click(ctx);  // the lowest index comes back first
    EXPECT_EQ(selectedCount(state.selection), 0);
    ASSERT_EQ(state.work.workEntityCount, 3);
    EXPECT_EQ(workEntity(2), b);
    EXPECT_EQ(workEntity(3), c);

    tbUndoBtn_click(ctx);
    tbUndoBtn_click(ctx);
    ASSERT_EQ(state.work.workEntityCount, 5);
    const Entity expected[] = {a, b, c, d, e};
    for (int i = 1; i <= 5; ++i) {
        EXPECT_EQ(workEntity(i), expected[i - 1]) << "slot " << i;
    }
}

TEST_F(UndoTest, AHundredAndOneChangesLeaveAHundredUndoStepsAndTheFirstStays) {
    setWork({});
    appendLine(20, 20, 21, 20);  // change 1: can no longer be undone
    for (int step = 2; step <= 101; ++step) {
        setEntity(ctx, 1, {20, 20}, {20 + step, 20}, 0, {}, 1, 0);
    }
    EXPECT_EQ(state.undoCount, MaxUndo);
    EXPECT_EQ(state.undoHistory[0].kind, UndoKind::Changed);
    EXPECT_EQ(state.undoHistory[0].saved.x2, 21);  // what change 2 found
    int steps = 0;
    while (state.undoCount > 0) {
        tbUndoBtn_click(ctx);
        ++steps;
    }
    EXPECT_EQ(steps, 100);
    EXPECT_EQ(state.work.workEntityCount, 1);
    EXPECT_EQ(workEntity(1), lineEntity(20, 20, 21, 20));
}

TEST_F(UndoTest, PasteOverASelectionIsUndoneAddedFirstThenDeleted) {
    const Entity a = lineEntity(20, 20, 35, 20), b = lineEntity(35, 20, 50, 20),
                 c = lineEntity(50, 20, 65, 20);
    setWork({a, b, c});
    addToSelection(state.selection, 1);
    addToSelection(state.selection, 3);
    deleteSelectedEntities();
    state.selection.fill(0);
    appendLine(100, 100, 200, 100);
    appendLine(200, 100, 200, 200);
    ASSERT_EQ(state.work.workEntityCount, 3);

    tbUndoBtn_click(ctx);
    tbUndoBtn_click(ctx);
    EXPECT_EQ(state.work.workEntityCount, 1);
    EXPECT_EQ(workEntity(1), b);
    tbUndoBtn_click(ctx);
    tbUndoBtn_click(ctx);
    ASSERT_EQ(state.work.workEntityCount, 3);
    EXPECT_EQ(workEntity(1), a);
    EXPECT_EQ(workEntity(2), b);
    EXPECT_EQ(workEntity(3), c);
}

TEST_F(UndoTest, UndoClearsTheSelectionAndMarksTheEntryChanged) {
    setWork({lineEntity(20, 20, 50, 20)});
    appendLine(50, 20, 80, 20);
    addToSelection(state.selection, 1);
    ui.setEnabled(Command::EditMenu_Cut, true);
    state.library.entryModified = false;
    const int repaints = ui.invalidations;

    EditMenu_Undo_Click(ctx);
    EXPECT_EQ(selectedCount(state.selection), 0);
    EXPECT_EQ(ui.isEnabled(Command::EditMenu_Cut), false);
    EXPECT_EQ(ui.isEnabled(Command::EditMenu_Delete), false);
    EXPECT_TRUE(state.library.entryModified);
    EXPECT_EQ(ui.invalidations, repaints + 1);
    EXPECT_EQ(ui.statusText(0), "");
}

TEST_F(UndoTest, ReinsertingADeletedEntityLeavesSelectEnablingAlone) {
    setWork({lineEntity(20, 20, 50, 20)});
    deleteEntity(ctx, 1, true);
    EXPECT_EQ(ui.isEnabled(Command::EditMenu_Select), false);
    EXPECT_EQ(ui.isEnabled(Command::EditMenu_SelectAll), false);
    tbUndoBtn_click(ctx);
    EXPECT_EQ(state.work.workEntityCount, 1);
    EXPECT_EQ(ui.isEnabled(Command::EditMenu_Select), false);
}

TEST_F(UndoTest, IndicesOutsideTheEntityTableAreIgnored) {
    setWork({lineEntity(20, 20, 50, 20)});
    setEntity(ctx, 0, {1, 1}, {2, 2}, 0, {}, 1, 0);
    setEntity(ctx, MaxEntities + 1, {1, 1}, {2, 2}, 0, {}, 1, 0);
    deleteEntity(ctx, 2, true);
    deleteEntity(ctx, -1, true);
    EXPECT_EQ(state.undoCount, 0);
    EXPECT_EQ(state.work.workEntityCount, 1);
    EXPECT_EQ(workEntity(1), lineEntity(20, 20, 50, 20));
}

TEST_F(UndoTest, ClearUndoEmptiesEveryRecordAndDisablesBothControls) {
    setWork({});
    appendLine(20, 20, 50, 20);
    clearUndo(ctx);
    EXPECT_EQ(state.undoCount, 0);
    EXPECT_EQ(state.undoHistory[0].kind, UndoKind::Empty);
    EXPECT_EQ(ui.isEnabled(Command::tbUndoBtn), false);
    EXPECT_EQ(ui.isEnabled(Command::EditMenu_Undo), false);
}

}  // namespace
