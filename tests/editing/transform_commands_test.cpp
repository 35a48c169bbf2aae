#include "editing/transform_commands.h"

#include "editing/selection.h"
#include "editing/support/editor_fixture.h"
#include "editing/undo.h"

namespace {

class TransformCommandsTest : public EditorFixture {
  protected:
    TransformCommandsTest() {
        strings.set(106, "Warning");
        strings.set(218, "The result would leave the drawing area. Nothing was changed.");
    }
};

TEST_F(TransformCommandsTest, TheSelectionTurnsAboutTheOriginOneChangedStepPerEntity) {
    const Entity a = lineEntity(150, 140, 165, 140), b = lineEntity(20, 20, 40, 20),
                 c = arcEntity(140, 155, 170, 155, 155, 155, 1);
    setWork({a, b, c});
    addToSelection(state.selection, 3);
    addToSelection(state.selection, 1);
    state.library.entryModified = false;

    EditMenu_Transform_Click(ctx, {TransformKind::RotateLeft});
    EXPECT_EQ(workEntity(1), lineEntity(140, 160, 140, 145));
    EXPECT_EQ(workEntity(2), b);  // not selected
    EXPECT_EQ(workEntity(3), arcEntity(155, 170, 155, 140, 155, 155, 1));
    ASSERT_EQ(state.undoCount, 2);
    EXPECT_EQ(state.undoHistory[0].index, 3);  // in selection order
    EXPECT_EQ(state.undoHistory[1].kind, UndoKind::Changed);
    EXPECT_EQ(selectedCount(state.selection), 2);
    EXPECT_TRUE(state.library.entryModified);

    tbUndoBtn_click(ctx);
    tbUndoBtn_click(ctx);
    EXPECT_EQ(workEntity(1), a);
    EXPECT_EQ(workEntity(3), c);
    tbRedoBtn_click(ctx);
    tbRedoBtn_click(ctx);
    EXPECT_EQ(workEntity(1), lineEntity(140, 160, 140, 145));
}

TEST_F(TransformCommandsTest, WithNothingSelectedEveryEntityMovesAndUnchangedOnesRecordNothing) {
    state.library.libraryKind = LibraryKind::LineType;  // about (155, 155), not the origin
    setWork({lineEntity(155, 20, 155, 290), lineEntity(20, 100, 100, 100)});
    state.work.workEntry.originX = 20;
    EditMenu_Transform_Click(ctx, {TransformKind::MirrorLeftRight});
    EXPECT_EQ(workEntity(1), lineEntity(155, 20, 155, 290));
    EXPECT_EQ(workEntity(2), lineEntity(290, 100, 210, 100));
    EXPECT_EQ(state.undoCount, 1);
}

TEST_F(TransformCommandsTest, ARefusedTransformWarnsAndChangesNothing) {
    const Entity a = lineEntity(20, 20, 290, 290);
    setWork({a});
    EditMenu_Transform_Click(ctx, {TransformKind::Scale, 1.5});
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].caption, "Warning");
    EXPECT_EQ(ui.messages[0].text, strings.loadText(218));
    EXPECT_EQ(ui.messages[0].icon, MessageIcon::Warning);
    EXPECT_EQ(workEntity(1), a);
    EXPECT_EQ(state.undoCount, 0);
}

}  // namespace
