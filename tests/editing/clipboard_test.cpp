#include "editing/clipboard.h"

#include <string>
#include <vector>

#include "display/palette.h"
#include "editing/clipboard_text.h"
#include "editing/selection.h"
#include "editing/selection_commands.h"
#include "editing/support/editor_fixture.h"
#include "editing/undo.h"

namespace {

using Pen = RecordingCanvas::Pen;

const std::string Marker = "GlyEd data\r\n";

class ClipboardTest : public EditorFixture {
  protected:
    ClipboardTest() {
        strings.set(21, "No symbol entity selected");
        strings.set(35, "Maximum vector limit reached");
        strings.set(106, "Warning");
    }

    void select(std::initializer_list<int32_t> indices) {
        for (int32_t index : indices) {
            addToSelection(state.selection, index);
        }
    }
    void fillWork(int count) {
        setWork({});
        for (int i = 0; i < count; ++i) {
            state.work.workEntities[i] = lineEntity(5 + i, 10, 5 + i, 300, 1 + i % 16);
        }
        state.work.workEntityCount = count;
    }
    std::vector<UndoKind> undoKinds() const {
        std::vector<UndoKind> kinds;
        for (int i = 0; i < state.undoCount; ++i) {
            kinds.push_back(state.undoHistory[i].kind);
        }
        return kinds;
    }
    // Whether the paste ran to the end of its text, which alone enables Select and Select All.
    bool pasteReadEverything() const { return ui.isEnabled(Command::EditMenu_SelectAll) == true; }

    static std::string lines(int count) {
        std::string text;
        for (int i = 0; i < count; ++i) {
            text += std::to_string(20 + i) + ",20,200,20,3,0,\r\n";
        }
        return text;
    }
};

TEST_F(ClipboardTest, CopyWritesTheSelectionInSelectionOrderAndClearsIt) {
    setWork({lineEntity(20, 20, 200, 20, 3), arcEntity(155, 80, 155, 230, 155, 155, 1, 1)});
    select({2, 1});
    EditMenu_Copy_Click(ctx);
    EXPECT_EQ(clipboard.content, Marker + "155,80,155,230,1,1,155.0000,155.0000,1\r\n" +
                                     "20,20,200,20,3,0,0.0000,0.0000,0\r\n");
    EXPECT_EQ(selectedCount(state.selection), 0);
    EXPECT_EQ(ui.isEnabled(Command::EditMenu_Copy), false);
    EXPECT_EQ(ui.isEnabled(Command::EditMenu_Paste), true);
    EXPECT_EQ(ui.cursor, CursorShape::Arrow);
    EXPECT_FALSE(state.library.entryModified);
    EXPECT_EQ(state.undoCount, 0);
}

TEST_F(ClipboardTest, CopyWritesStoredColoursWhileTheEntryShowsBlack) {
    setWork({lineEntity(20, 20, 200, 20, 7)}, false);
    select({1});
    EditMenu_Copy_Click(ctx);
    EXPECT_EQ(clipboard.content, Marker + "20,20,200,20,7,0,0.0000,0.0000,0\r\n");
}

TEST_F(ClipboardTest, PasteEnablingFollowsTheMarker) {
    setWork({});
    for (const auto& [text, pasteable] :
         std::vector<std::pair<std::string, bool>>{{Marker, true},
                                                   {"GlyEd data", true},
                                                   {"GLYED DATA\r\n20,20,200,20,3,0,\r\n", false},
                                                   {"some words", false},
                                                   {"", false}}) {
        clipboard.content = text;
        EXPECT_EQ(clipboardHasEntities(clipboard), pasteable) << text;
        updatePasteEnabled(ctx);
        EXPECT_EQ(ui.isEnabled(Command::EditMenu_Paste), pasteable) << text;
    }
}

TEST_F(ClipboardTest, OtherTextPastesNothingButTheCommandStillMarksTheEntry) {
    setWork({lineEntity(20, 20, 200, 20)});
    select({1});
    state.pointerState = PointerState::LinePoints;
    clipboard.content = "glyed data\r\n30,30,60,60,1,0,\r\n";
    EditMenu_Paste_Click(ctx);
    EXPECT_EQ(state.work.workEntityCount, 1);
    EXPECT_EQ(selectedCount(state.selection), 1);
    EXPECT_EQ(state.undoCount, 0);
    EXPECT_TRUE(state.library.entryModified);
    EXPECT_EQ(state.pointerState, PointerState::SelectIdle);
}

TEST_F(ClipboardTest, PasteAppendsInTextOrderUnselectedAndDrawsEach) {
    setWork({lineEntity(20, 20, 200, 20)});
    clipboard.content = Marker + "30,30,60,60,5,0,\r\n155,80,155,230,2,1,155.0,155.0,1\r\n";
    EditMenu_Paste_Click(ctx);
    ASSERT_EQ(state.work.workEntityCount, 3);
    EXPECT_EQ(workEntity(2), lineEntity(30, 30, 60, 60, 5));
    EXPECT_EQ(workEntity(3), arcEntity(155, 80, 155, 230, 155, 155, 1, 2));
    EXPECT_EQ(undoKinds(), (std::vector{UndoKind::Added, UndoKind::Added}));
    EXPECT_EQ(selectedCount(state.selection), 0);
    EXPECT_TRUE(pasteReadEverything());
    EXPECT_GE(canvas.linesBetween({30, 30}, {60, 60}, Pen{PaletteColour(5, true)}), 1);
}

TEST_F(ClipboardTest, PastedColourBecomesOneWhenTheEntryDoesNotUseColours) {
    setWork({}, false);
    clipboard.content = Marker + "30,30,60,60,5,0,\r\n";
    pasteFromClipboard(ctx);
    ASSERT_EQ(state.work.workEntityCount, 1);
    EXPECT_EQ(workEntity(1).colour, 1);
}

TEST_F(ClipboardTest, PasteReplacesTheSelectionAndUndoTakesThePastedOnesAwayFirst) {
    const Entity a = lineEntity(20, 20, 50, 20), b = lineEntity(50, 20, 80, 20),
                 c = lineEntity(80, 20, 110, 20);
    setWork({a, b, c});
    select({1, 3});
    clipboard.content = Marker + "30,30,60,60,1,0,\r\n60,60,90,90,1,0,\r\n";
    EditMenu_Paste_Click(ctx);
    ASSERT_EQ(state.work.workEntityCount, 3);
    EXPECT_EQ(workEntity(1), b);
    EXPECT_EQ(workEntity(3), lineEntity(60, 60, 90, 90));
    EXPECT_EQ(undoKinds(), (std::vector{UndoKind::Deleted, UndoKind::Deleted, UndoKind::Added,
                                        UndoKind::Added}));
    EXPECT_EQ(selectedCount(state.selection), 0);

    tbUndoBtn_click(ctx);
    tbUndoBtn_click(ctx);
    ASSERT_EQ(state.work.workEntityCount, 1);
    EXPECT_EQ(workEntity(1), b);
    tbUndoBtn_click(ctx);
    EXPECT_EQ(workEntity(1), a);
    tbUndoBtn_click(ctx);
    EXPECT_EQ(state.work.workEntityCount, 3);
    EXPECT_EQ(workEntity(3), c);
}

TEST_F(ClipboardTest, PasteRemovesTheSelectionEvenWhenTheTextYieldsNothing) {
    setWork({lineEntity(20, 20, 50, 20), lineEntity(50, 20, 80, 20)});
    select({2});
    clipboard.content = Marker + "not an entity\r\n";
    pasteFromClipboard(ctx);
    EXPECT_EQ(state.work.workEntityCount, 1);
    EXPECT_EQ(undoKinds(), (std::vector{UndoKind::Deleted}));
}

TEST_F(ClipboardTest, PasteIntoAnEntryOneShortOfFullAddsOneAndWarnsOnce) {
    fillWork(249);
    clipboard.content = Marker + lines(3);
    pasteFromClipboard(ctx);
    EXPECT_EQ(state.work.workEntityCount, 250);
    EXPECT_EQ(workEntity(250), lineEntity(20, 20, 200, 20, 3));
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text, "Maximum vector limit reached(250)");
    EXPECT_EQ(ui.messages[0].caption, "Warning");
    EXPECT_EQ(ui.messages[0].icon, MessageIcon::Warning);
    EXPECT_EQ(ui.messages[0].buttons, MessageButtons::Ok);
    EXPECT_FALSE(pasteReadEverything());
}

TEST_F(ClipboardTest, PasteThatFillsTheEntryExactlyNeedsNoWarning) {
    fillWork(249);
    clipboard.content = Marker + lines(1);
    pasteFromClipboard(ctx);
    EXPECT_EQ(state.work.workEntityCount, 250);
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_TRUE(pasteReadEverything());
}

TEST_F(ClipboardTest, AFullEntryCopiedAndPastedArrivesWhole) {
    setWork({});
    for (int i = 0; i < MaxEntities; ++i) {
        Entity& e = state.work.workEntities[i];
        e = i % 2 == 0 ? lineEntity(5 + i, 305 - i, 305, 5, 1 + i % 16)
                       : arcEntity(5 + i, 150, 305 - i, 160, 155.125f, -999.5f + i, i % 3 == 0, 16);
    }
    state.work.workEntityCount = MaxEntities;
    const EntityArray original = state.work.workEntities;
    EditMenu_SelectAll_Click(ctx);
    EditMenu_Copy_Click(ctx);
    EXPECT_GT(clipboard.content.size(), 9000u);

    setWork({});
    EditMenu_Paste_Click(ctx);
    ASSERT_EQ(state.work.workEntityCount, MaxEntities);
    for (int i = 0; i < MaxEntities; ++i) {
        EXPECT_EQ(state.work.workEntities[i], original[i]) << i;
    }
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_TRUE(pasteReadEverything());
}

TEST_F(ClipboardTest, LinesOffTheAreaOrWithAZeroStartEndThePasteAndKeepWhatCameBefore) {
    for (const char* bad : {"0,20,200,20,1,0,\r\n", "20,0,200,20,1,0,\r\n", "20,20,400,20,1,0,\r\n",
                            "-5,20,200,20,1,0,\r\n"}) {
        setWork({lineEntity(20, 20, 200, 20)});
        ui.enabled.clear();
        clipboard.content = Marker + "30,30,60,60,1,0,\r\n" + bad + "40,40,70,70,1,0,\r\n";
        pasteFromClipboard(ctx);
        EXPECT_EQ(state.work.workEntityCount, 2) << bad;
        EXPECT_EQ(workEntity(2), lineEntity(30, 30, 60, 60)) << bad;
        EXPECT_FALSE(workEntity(3).inUse()) << bad;
        EXPECT_FALSE(pasteReadEverything()) << bad;
    }
}

TEST_F(ClipboardTest, HugeTextStopsAtTheLimit) {
    setWork({});
    std::string text = Marker;
    text.reserve(10'000'000);
    while (text.size() < 10'000'000) {
        text += "155,80,155,230,2,1,155.0000,155.0000,1\r\n";
    }
    clipboard.content = std::move(text);
    pasteFromClipboard(ctx);
    EXPECT_EQ(state.work.workEntityCount, MaxEntities);
    EXPECT_EQ(ui.messages.size(), 1u);
}

TEST_F(ClipboardTest, CutMovesTheSelectionToTheClipboardAndUndoBringsBackTheLowestFirst) {
    const Entity a = lineEntity(20, 20, 50, 20), b = lineEntity(50, 20, 80, 20),
                 c = lineEntity(80, 20, 110, 20);
    setWork({a, b, c});
    select({3, 1});
    EditMenu_Cut_Click(ctx);
    EXPECT_EQ(clipboard.content,
              Marker + "80,20,110,20,1,0,0.0000,0.0000,0\r\n20,20,50,20,1,0,0.0000,0.0000,0\r\n");
    ASSERT_EQ(state.work.workEntityCount, 1);
    EXPECT_EQ(workEntity(1), b);
    EXPECT_EQ(selectedCount(state.selection), 0);
    EXPECT_EQ(ui.isEnabled(Command::EditMenu_Cut), false);
    EXPECT_EQ(ui.isEnabled(Command::EditMenu_Paste), true);
    EXPECT_TRUE(state.library.entryModified);
    EXPECT_GE(ui.invalidations, 1);
    EXPECT_EQ(ui.cursor, CursorShape::Arrow);

    tbUndoBtn_click(ctx);
    ASSERT_EQ(state.work.workEntityCount, 2);
    EXPECT_EQ(workEntity(1), a);
    EXPECT_EQ(workEntity(2), b);
}

TEST_F(ClipboardTest, CutAndDeleteWithNothingSelectedWarnAndChangeNothing) {
    setWork({lineEntity(20, 20, 50, 20)});
    clipboard.content = "kept";
    EditMenu_Cut_Click(ctx);
    EditMenu_Delete_Click(ctx);
    ASSERT_EQ(ui.messages.size(), 2u);
    for (const auto& message : ui.messages) {
        EXPECT_EQ(message.text, "No symbol entity selected");
        EXPECT_EQ(message.caption, "Warning");
        EXPECT_EQ(message.icon, MessageIcon::Warning);
    }
    EXPECT_EQ(clipboard.content, "kept");
    EXPECT_EQ(state.work.workEntityCount, 1);
    EXPECT_FALSE(state.library.entryModified);
    EXPECT_EQ(ui.cursor, CursorShape::Arrow);
}

TEST_F(ClipboardTest, DeleteRemovesTheSelectionAndEachUndoRestoresOne) {
    const Entity a = lineEntity(20, 20, 50, 20), b = lineEntity(50, 20, 80, 20),
                 c = lineEntity(80, 20, 110, 20);
    setWork({a, b, c});
    select({2, 3, 1});
    EditMenu_Delete_Click(ctx);
    EXPECT_EQ(state.work.workEntityCount, 0);
    EXPECT_EQ(undoKinds(), (std::vector(3, UndoKind::Deleted)));
    EXPECT_EQ(ui.isEnabled(Command::EditMenu_Delete), false);
    EXPECT_EQ(ui.isEnabled(Command::EditMenu_SelectAll), false);
    EXPECT_TRUE(state.library.entryModified);

    tbUndoBtn_click(ctx);
    ASSERT_EQ(state.work.workEntityCount, 1);
    EXPECT_EQ(workEntity(1), a);
    tbUndoBtn_click(ctx);
    tbUndoBtn_click(ctx);
    ASSERT_EQ(state.work.workEntityCount, 3);
    EXPECT_EQ(workEntity(2), b);
    EXPECT_EQ(workEntity(3), c);
}

}  // namespace
