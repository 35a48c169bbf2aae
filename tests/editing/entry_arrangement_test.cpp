#include "editing/entry_arrangement.h"

#include <random>
#include <string>
#include <vector>

#include "editing/clipboard.h"
#include "editing/entry_session.h"
#include "editing/entry_transfer.h"
#include "editing/support/editor_fixture.h"
#include "editing/undo.h"
#include "model/entry_clipboard_text.h"

namespace {

// An entry is told apart by its name and by the start of its one line, which lies on the grid
// so that it survives the file layout's units unchanged.
struct Expected {
    std::string name;
    int x = 0;
    friend bool operator==(const Expected&, const Expected&) = default;
};

class EntryArrangementTest : public EditorFixture {
  protected:
    EntryArrangementTest() {
        strings.set(38, "Maximum number of Symbols reached");
        strings.set(106, "Warning");
    }

    void addNumbered(int count) {
        for (int i = 0; i < count; ++i) {
            const std::string name = "E" + std::to_string(state.library.entryCount + 1);
            addEntry(name.c_str(), {lineEntity(gridX(i), 20, 200, 200)});
        }
    }
    static int gridX(int i) { return 20 + 15 * (i % 18); }

    std::vector<Expected> entries() const {
        std::vector<Expected> found;
        for (int n = 1; n <= state.library.entryCount; ++n) {
            found.push_back({state.library.entry(n).name.str(), state.library.entities(n)[0].x1});
        }
        return found;
    }
};

// Random moves, duplicates and entry switches against a plain list of what the order must be.
// The working copy always shows the current entry, and an edit made in it before an
// arrangement is kept.
TEST_F(EntryArrangementTest, TheOrderFollowsEveryMoveAndDuplicate) {
    addNumbered(6);
    std::vector<Expected> model = entries();
    loadEntry(ctx, 1);
    std::mt19937 random(7);
    for (int step = 0; step < 300; ++step) {
        Library& library = state.library;
        const int current = library.currentEntry;
        const int what = static_cast<int>(random() % 4);
        if (what == 0) {
            // An unsaved edit: the start of the line moves to another grid point.
            const int x = gridX(static_cast<int>(random() % 18));
            setEntity(ctx, 1, {x, 20}, {200, 200}, 0, {}, 1, 0);
            library.entryModified = true;
            model[static_cast<size_t>(current - 1)].x = x;
        }
        if (what <= 1) {
            const int to =
                1 + static_cast<int>(random() % static_cast<unsigned>(library.entryCount));
            const bool moved = moveCurrentEntry(ctx, to);
            EXPECT_EQ(moved, to != current);
            const Expected carried = model[static_cast<size_t>(current - 1)];
            model.erase(model.begin() + (current - 1));
            model.insert(model.begin() + (to - 1), carried);
            EXPECT_EQ(library.currentEntry, to);
        } else if (what == 2 && library.entryCount < 40) {
            ASSERT_TRUE(duplicateCurrentEntry(ctx));
            Expected copy = model[static_cast<size_t>(current - 1)];
            copy.name = library.entry(current + 1).name.str();
            EXPECT_EQ(copy.name.rfind(model[static_cast<size_t>(current - 1)].name + " ", 0), 0u);
            model.insert(model.begin() + current, copy);
            EXPECT_EQ(library.currentEntry, current + 1);
        } else if (what == 3) {
            leaveCurrentEntry(ctx);
            switchToEntry(
                ctx, 1 + static_cast<int>(random() % static_cast<unsigned>(library.entryCount)));
        }
        leaveCurrentEntry(ctx);
        ASSERT_EQ(entries(), model) << "step " << step;
        EXPECT_EQ(state.work.workEntry.name, library.entry(library.currentEntry).name);
        EXPECT_EQ(state.work.workEntities[0], library.entities(library.currentEntry)[0]);
    }
    EXPECT_TRUE(state.library.libraryModified);
}

TEST_F(EntryArrangementTest, MovingKeepsTheWorkingCopyWithItsUndoAndMarksTheLibrary) {
    addNumbered(3);
    loadEntry(ctx, 2);
    setEntity(ctx, 1, {35, 20}, {200, 200}, 0, {}, 1, 0);
    state.library.entryModified = true;
    state.library.libraryModified = false;

    EXPECT_FALSE(moveCurrentEntry(ctx, 0));
    EXPECT_FALSE(moveCurrentEntry(ctx, 4));
    EXPECT_FALSE(state.library.libraryModified);
    EXPECT_TRUE(moveCurrentEntry(ctx, 1));
    EXPECT_TRUE(state.library.libraryModified);
    EXPECT_EQ(entries(), (std::vector<Expected>{{"E2", 35}, {"E1", 20}, {"E3", 50}}));
    EXPECT_EQ(state.undoCount, 1);  // the edit stays undoable; the move itself is not recorded
}

TEST_F(EntryArrangementTest, DuplicateNamesCountUpAndFitTwentyCharacters) {
    addEntry("Tree", {lineEntity(20, 20, 50, 50)});
    addEntry("Tree 2", {lineEntity(20, 20, 50, 50)});
    addEntry("A name of twenty chr", {lineEntity(20, 20, 50, 50)});
    loadEntry(ctx, 1);
    duplicateCurrentEntry(ctx);
    EXPECT_EQ(state.library.entry(2).name.view(), "Tree 3");
    loadEntry(ctx, 4);
    duplicateCurrentEntry(ctx);
    duplicateCurrentEntry(ctx);
    EXPECT_EQ(state.library.entry(5).name.view(), "A name of twenty c 2");
    EXPECT_EQ(state.library.entry(6).name.view(), "A name of twenty c 3");
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(EntryArrangementTest, AFullLibraryRefusesADuplicateWithTheKindsMessage) {
    addNumbered(MaxEntries);
    loadEntry(ctx, 7);
    EXPECT_FALSE(duplicateCurrentEntry(ctx));
    EXPECT_EQ(state.library.entryCount, MaxEntries);
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text, "Maximum number of Symbols reached");
    EXPECT_EQ(ui.messages[0].caption, "Warning");
}

// A second editor with its own library and clipboard view, as another running process.
struct OtherEditor {
    explicit OtherEditor(MemoryClipboard& shared, LibraryKind kind = LibraryKind::Symbol)
        : ctx{state, canvas, ui, strings, shared} {
        allocateLibrary(state.library);
        state.library.libraryKind = kind;
        strings.set(38, "Maximum number of Symbols reached");
        strings.set(41, "Maximum number of Line Types reached");
        strings.set(357, "Replace");
        strings.set(358, "Keep Both");
        strings.set(359, "Skip");
    }
    EditorState state;
    RecordingCanvas canvas;
    RecordingEditorUi ui;
    TableStrings strings;
    EditContext ctx;
};

class EntryTransferTest : public EntryArrangementTest {
  protected:
    void SetUp() override {
        addEntry("Tree",
                 {lineEntity(20, 20, 200, 20, 3), arcEntity(95, 155, 215, 155, 155, 155, 1, 5)});
        addEntry("Well", {lineEntity(50, 50, 110, 110)});
        loadEntry(ctx, 1);
    }
};

TEST_F(EntryTransferTest, AnEntryTravelsWholeAndTheEntityPasteNeverTakesIt) {
    setEntity(ctx, 3, {35, 35}, {65, 65}, 0, {}, 7, 0);  // unsaved: stored before the copy
    ++state.work.workEntityCount;
    state.library.entryModified = true;
    ASSERT_TRUE(copyCurrentEntry(ctx));
    EXPECT_FALSE(clipboardHasEntities(clipboard));
    EXPECT_TRUE(clipboardHasEntries(clipboard));

    OtherEditor other(clipboard);
    EditMenu_Paste_Click(other.ctx);
    EXPECT_EQ(other.state.work.workEntityCount, 0);  // the entity paste saw nothing

    EXPECT_EQ(pasteEntries(other.ctx), 1);
    const Library& pasted = other.state.library;
    ASSERT_EQ(pasted.entryCount, 1);
    EXPECT_EQ(pasted.entry(1).name.view(), "Tree");
    EXPECT_EQ(pasted.entry(1).useColours, 1);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(pasted.entities(1)[i], state.library.entities(1)[i]) << i;
    }
    EXPECT_EQ(pasted.currentEntry, 1);
    EXPECT_EQ(other.state.work.workEntityCount, 3);
    EXPECT_TRUE(pasted.libraryModified);
}

TEST_F(EntryTransferTest, ANameInUseIsAskedAboutReplaceKeepBothOrSkip) {
    copyCurrentEntry(ctx);
    OtherEditor other(clipboard);
    Library& target = other.state.library;
    pasteEntries(other.ctx);
    target.entities(1)[0].colour = 9;  // tells the old entry from a replacing one

    other.ui.choices = {2, 1, 0};  // Skip, Keep Both, Replace
    EXPECT_EQ(pasteEntries(other.ctx), 0);
    ASSERT_EQ(other.ui.choiceButtons.size(), 1u);
    EXPECT_EQ(other.ui.choiceButtons[0],
              (std::vector<std::string>{"Replace", "Keep Both", "Skip"}));
    EXPECT_NE(other.ui.messages.back().text.find("Tree"), std::string::npos);
    EXPECT_EQ(target.entryCount, 1);

    EXPECT_EQ(pasteEntries(other.ctx), 1);
    ASSERT_EQ(target.entryCount, 2);
    EXPECT_EQ(target.entry(2).name.view(), "Tree 2");
    EXPECT_EQ(target.currentEntry, 2);

    switchToEntry(other.ctx, 1);
    EXPECT_EQ(pasteEntries(other.ctx), 1);
    EXPECT_EQ(target.entryCount, 2);
    EXPECT_EQ(target.entities(1)[0].colour, 3);
    EXPECT_EQ(other.state.work.workEntities[0].colour, 3);  // the replaced entry is shown anew
}

TEST_F(EntryTransferTest, TheOtherKindIsRefusedAndAFullLibraryTakesOnlyReplacements) {
    copyCurrentEntry(ctx);
    OtherEditor lineTypes(clipboard, LibraryKind::LineType);
    lineTypes.strings.set(361, "The clipboard holds symbols");
    EXPECT_EQ(pasteEntries(lineTypes.ctx), 0);
    EXPECT_EQ(lineTypes.state.library.entryCount, 0);
    ASSERT_EQ(lineTypes.ui.messages.size(), 1u);
    EXPECT_EQ(lineTypes.ui.messages[0].text, "The clipboard holds symbols");

    // A library of 500 with a "Tree" among them.
    addNumbered(MaxEntries - 2);
    ui.choices = {1, 0};
    EXPECT_EQ(pasteEntries(ctx), 0);  // Keep Both needs room
    EXPECT_EQ(ui.messages.back().text, "Maximum number of Symbols reached");
    EXPECT_EQ(pasteEntries(ctx), 1);  // Replace does not
    EXPECT_EQ(state.library.entryCount, MaxEntries);
}

TEST_F(EntryTransferTest, TextNotOfEntriesIsLeftAlone) {
    for (const char* text :
         {"GlyEd data\r\n20,20,200,20,3,0,\r\n", "GlyEd symbol entries x\r\nS Tree\r\nE\r\n", ""}) {
        clipboard.content = text;
        EXPECT_FALSE(clipboardHasEntries(clipboard));
        EXPECT_EQ(pasteEntries(ctx), 0);
    }
    EXPECT_EQ(state.library.entryCount, 2);
    EXPECT_TRUE(ui.messages.empty());
}

}  // namespace
