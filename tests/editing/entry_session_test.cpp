#include "editing/entry_session.h"

#include "editing/support/editor_fixture.h"
#include "editing/undo.h"

namespace {

class EntrySessionTest : public EditorFixture {
  protected:
    void SetUp() override {
        addEntry("Tree", {lineEntity(20, 20, 50, 20, 3), lineEntity(50, 20, 50, 50, 5)});
        addEntry("Caf\xe9", {lineEntity(100, 100, 200, 100)}, false);
    }
};

TEST_F(EntrySessionTest, LoadEntryCopiesTheEntryAndResetsTheWorkingState) {
    setWork({lineEntity(5, 5, 305, 305)});
    ++state.work.workEntityCount;
    setEntity(ctx, 2, {20, 20}, {30, 30}, 0, {}, 1, 0);
    state.library.entryModified = true;
    state.currentColour = 4;

    loadEntry(ctx, 1);
    EXPECT_EQ(state.library.currentEntry, 1);
    EXPECT_EQ(state.work.workEntityCount, 2);
    EXPECT_EQ(workEntity(1), lineEntity(20, 20, 50, 20, 3));
    EXPECT_FALSE(workEntity(3).inUse());
    EXPECT_EQ(state.work.workEntry.name.view(), "Tree");
    EXPECT_EQ(state.undoCount, 0);
    EXPECT_EQ(ui.isEnabled(Command::tbUndoBtn), false);
    EXPECT_FALSE(state.library.entryModified);
    EXPECT_EQ(ui.caption, "Symbol Editor - Tree");
    EXPECT_EQ(ui.isEnabled(Command::EditMenu_Select), true);
    EXPECT_EQ(ui.isEnabled(Command::EditMenu_SelectAll), true);
    EXPECT_EQ(ui.colourBoxesActive, true);
    EXPECT_EQ(ui.samplePen, (Rgb{255, 255, 0}));  // the current colour, 4, stays
    EXPECT_EQ(state.currentColour, 4);
    EXPECT_GE(ui.invalidations, 1);
    ASSERT_FALSE(ui.cursorHistory.empty());
    EXPECT_EQ(ui.cursorHistory.front(), CursorShape::Busy);
    EXPECT_EQ(ui.cursor, CursorShape::Arrow);
}

TEST_F(EntrySessionTest, AnEntryWithoutColoursGreysTheBoxesAndShowsABlackSample) {
    state.currentColour = 3;
    loadEntry(ctx, 2);
    EXPECT_EQ(ui.colourBoxesActive, false);
    EXPECT_EQ(ui.samplePen, Black);
    EXPECT_EQ(ui.caption, "Symbol Editor - Caf\xc3\xa9");  // decoded from Windows-1252
}

TEST_F(EntrySessionTest, LoadEntryBeyondTheCountKeepsTheWorkingCopyButClearsModified) {
    loadEntry(ctx, 1);
    setEntity(ctx, 1, {25, 25}, {50, 20}, 0, {}, 3, 0);
    state.library.entryModified = true;
    const WorkingCopy before = state.work;

    loadEntry(ctx, 3);
    loadEntry(ctx, 0);
    loadEntry(ctx, -7);
    EXPECT_EQ(state.library.currentEntry, 1);
    EXPECT_EQ(state.work.workEntityCount, before.workEntityCount);
    EXPECT_EQ(state.work.workEntities, before.workEntities);
    EXPECT_EQ(state.undoCount, 1);
    EXPECT_FALSE(state.library.entryModified);
    EXPECT_EQ(ui.caption, "Symbol Editor - Tree");
}

TEST_F(EntrySessionTest, WithNoCurrentEntryTheCaptionCarriesNoName) {
    state.library.libraryKind = LibraryKind::LineType;
    state.library.entryCount = 0;
    loadEntry(ctx, 1);
    EXPECT_EQ(state.library.currentEntry, 0);
    EXPECT_EQ(ui.caption, "Line Type Editor - ");
}

TEST_F(EntrySessionTest, StoreEntryAfterDeletingEveryEntityLeavesTheEntryEmpty) {
    loadEntry(ctx, 1);
    deleteEntity(ctx, 2, true);
    deleteEntity(ctx, 1, true);
    state.work.workEntry.originX = 170;
    storeEntry(ctx, 1);
    EXPECT_EQ(countEntities(state.library.entities(1)), 0);
    EXPECT_EQ(state.library.entry(1).originX, 170);
    EXPECT_FALSE(state.library.entryModified);
    EXPECT_TRUE(state.library.libraryModified);

    loadEntry(ctx, 1);
    EXPECT_EQ(state.work.workEntityCount, 0);
}

TEST_F(EntrySessionTest, StoreEntryWritesTheLeadingEntitiesAndFreesTheRest) {
    loadEntry(ctx, 1);
    deleteEntity(ctx, 1, true);
    storeEntry(ctx, 1);
    EXPECT_EQ(countEntities(state.library.entities(1)), 1);
    EXPECT_EQ(state.library.entities(1)[0], lineEntity(50, 20, 50, 50, 5));
    EXPECT_FALSE(state.library.entities(1)[1].inUse());
}

TEST_F(EntrySessionTest, StoreEntryIgnoresNumbersOutsideTheLibrary) {
    loadEntry(ctx, 1);
    state.library.entryModified = true;
    storeEntry(ctx, 0);
    storeEntry(ctx, MaxEntries + 1);
    EXPECT_TRUE(state.library.entryModified);
    EXPECT_FALSE(state.library.libraryModified);
}

TEST_F(EntrySessionTest, LeavingStoresTheCurrentEntryOnlyWhenItChanged) {
    loadEntry(ctx, 1);
    state.work.workEntry.originX = 200;
    leaveCurrentEntry(ctx);
    EXPECT_EQ(state.library.entry(1).originX, 155);
    EXPECT_FALSE(state.library.libraryModified);

    state.library.entryModified = true;
    leaveCurrentEntry(ctx);
    EXPECT_EQ(state.library.entry(1).originX, 200);
    EXPECT_TRUE(state.library.libraryModified);
}

TEST_F(EntrySessionTest, ClearWorkEmptiesTheSlotsButKeepsTheirColours) {
    setWork({lineEntity(20, 20, 50, 20, 6), arcEntity(50, 155, 110, 155, 80, 155, 1, 9)});
    ++state.work.workEntityCount;
    setEntity(ctx, 3, {20, 20}, {30, 30}, 0, {}, 1, 0);
    clearWork(ctx);
    EXPECT_EQ(workEntity(1).x1, 0);
    EXPECT_EQ(workEntity(2).centreX, 0);
    EXPECT_EQ(workEntity(2).isArc, 0);
    EXPECT_EQ(workEntity(1).colour, 6);
    EXPECT_EQ(workEntity(2).colour, 9);
    EXPECT_EQ(state.undoCount, 0);
    EXPECT_EQ(state.work.workEntityCount, 3);  // left to the caller
}

TEST_F(EntrySessionTest, KindTitlesAreCutToEightyCharacters) {
    std::string longTitle;
    for (int i = 0; i < 85; ++i) {
        longTitle += "\xc3\xa9";  // two bytes, one character
    }
    strings.set(29, longTitle);
    EXPECT_EQ(kindTitle(strings, LibraryKind::Symbol), longTitle.substr(0, 160));
    EXPECT_EQ(kindTitle(strings, LibraryKind::LineType), "Line Type Editor");
}

}  // namespace
