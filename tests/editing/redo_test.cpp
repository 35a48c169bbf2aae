#include <random>
#include <vector>

#include "editing/selection.h"
#include "editing/support/editor_fixture.h"
#include "editing/undo.h"

namespace {

class RedoTest : public EditorFixture {
  protected:
    std::vector<Entity> entities() const {
        return {state.work.workEntities.begin(),
                state.work.workEntities.begin() + state.work.workEntityCount};
    }
    void appendLine(int x1, int y1, int x2, int y2) {
        ++state.work.workEntityCount;
        setEntity(ctx, state.work.workEntityCount, {x1, y1}, {x2, y2}, 0, {}, 1, 0);
    }
    bool redoEnabled() const {
        return ui.isEnabled(Command::tbRedoBtn) == true &&
               ui.isEnabled(Command::EditMenu_Redo) == true;
    }
};

// Random adds, changes and deletes; undoing them all walks back through every earlier picture
// and redoing them all walks forward through the same pictures again, twice over.
TEST_F(RedoTest, RedoReplaysExactlyWhatUndoTookBackInReverseOrder) {
    setWork({lineEntity(20, 20, 50, 20), arcEntity(50, 155, 110, 155, 80, 155, 1, 3)});
    std::mt19937 random(13);
    std::vector<std::vector<Entity>> pictures{entities()};
    for (int step = 0; step < 60; ++step) {
        const int count = state.work.workEntityCount;
        const int pick = count > 0 ? static_cast<int>(random() % count) + 1 : 0;
        switch (count == 0 ? 0 : random() % 3) {
            case 0:
                appendLine(10 + step, 20, 40 + step, 60);
                break;
            case 1:
                setEntity(ctx, pick, {30, 30 + step}, {90, 90}, 1, {60.5f, 60}, 2,
                          static_cast<uint8_t>(step % 2));
                break;
            default:
                deleteEntity(ctx, pick, true);
                break;
        }
        pictures.push_back(entities());
    }
    for (int round = 0; round < 2; ++round) {
        for (int i = static_cast<int>(pictures.size()) - 2; i >= 0; --i) {
            tbUndoBtn_click(ctx);
            ASSERT_EQ(entities(), pictures[i]) << "undo back to picture " << i;
        }
        EXPECT_EQ(ui.isEnabled(Command::tbUndoBtn), false);
        EXPECT_EQ(state.redoCount, 60);
        for (size_t i = 1; i < pictures.size(); ++i) {
            EXPECT_TRUE(redoEnabled());
            tbRedoBtn_click(ctx);
            ASSERT_EQ(entities(), pictures[i]) << "redo to picture " << i;
        }
        EXPECT_FALSE(redoEnabled());
        EXPECT_EQ(state.undoCount, 60);
    }
}

TEST_F(RedoTest, ANewChangeOrAnotherWorkingCopyEmptiesTheRedoHistory) {
    setWork({});
    appendLine(20, 20, 50, 20);
    appendLine(50, 20, 50, 50);
    tbUndoBtn_click(ctx);
    ASSERT_TRUE(redoEnabled());
    appendLine(50, 20, 80, 80);
    EXPECT_EQ(state.redoCount, 0);
    EXPECT_FALSE(redoEnabled());
    tbRedoBtn_click(ctx);  // nothing to redo: the new line stays the last
    EXPECT_EQ(entities().back(), lineEntity(50, 20, 80, 80));

    tbUndoBtn_click(ctx);
    ASSERT_TRUE(redoEnabled());
    clearUndo(ctx);  // another entry, New, Open
    EXPECT_EQ(state.redoCount, 0);
    EXPECT_FALSE(redoEnabled());
}

TEST_F(RedoTest, RedoClearsTheSelectionMarksTheEntryChangedAndEnablesSelect) {
    setWork({});
    appendLine(20, 20, 50, 20);
    tbUndoBtn_click(ctx);
    EXPECT_EQ(ui.isEnabled(Command::EditMenu_SelectAll), false);
    addToSelection(state.selection, 1);
    state.library.entryModified = false;
    const int repaints = ui.invalidations;
    ui.setStatusText(0, "hint");

    EditMenu_Redo_Click(ctx);
    EXPECT_EQ(state.work.workEntityCount, 1);
    EXPECT_EQ(selectedCount(state.selection), 0);
    EXPECT_EQ(ui.isEnabled(Command::EditMenu_Cut), false);
    EXPECT_EQ(ui.isEnabled(Command::EditMenu_SelectAll), true);
    EXPECT_EQ(ui.isEnabled(Command::tbUndoBtn), true);
    EXPECT_TRUE(state.library.entryModified);
    EXPECT_EQ(ui.invalidations, repaints + 1);
    EXPECT_EQ(ui.statusText(0), "");
}

}  // namespace
