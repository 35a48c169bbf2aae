#include <QTest>

#include "edit_form_fixture.h"
#include "modal_answerer.h"

namespace {

using C = Command;

void clickRow(TEditForm& form, int row) {
    QListWidget* list = form.widgets().SymbList;
    const QRect rect = list->visualItemRect(list->item(row));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, rect.center());
}

TEST_F(EditFormTest, StartingWithAFileListsItsEntriesAndLoadsTheFirst) {
    ModalAnswerer answerer;
    const std::string file = writeFile("survey.sym", ThreeSymbols);
    TEditForm& f = start(file);
    EXPECT_TRUE(answerer.seen().empty());
    QListWidget* list = f.widgets().SymbList;
    ASSERT_EQ(list->count(), 3);
    EXPECT_EQ(list->item(0)->text().toStdString(), "Tree");
    EXPECT_EQ(list->item(2)->text().toStdString(), "Caf\u00e9");
    EXPECT_EQ(list->currentRow(), 0);
    EXPECT_EQ(f.windowTitle().toStdString(), "Symbol Editor - Tree");

    const Library& library = f.state().library;
    EXPECT_EQ(library.libraryFileName, file);
    EXPECT_EQ(library.entryCount, 3);
    EXPECT_EQ(library.currentEntry, 1);
    EXPECT_EQ(f.state().work.workEntityCount, 2);
    EXPECT_FALSE(library.libraryModified);
    EXPECT_FALSE(library.entryModified);
    EXPECT_EQ(f.focusWidget(), list);
}

TEST_F(EditFormTest, ReadingALibraryEnablesTheEntryCommands) {
    start(writeFile("survey.sym", ThreeSymbols));
    for (C on : {C::MainMenu_Edit, C::MainMenu_Draw, C::tbArcBtn, C::tbLineBtn,
                 C::SymbolMenu_Delete, C::SymbolMenu_Settings, C::SymbolMenu_ShowSizeRad,
                 C::EditMenu_Select, C::EditMenu_SelectAll}) {
        EXPECT_TRUE(enabled(on)) << commandName(on);
    }
    for (C off : {C::EditMenu_Cut, C::EditMenu_Copy, C::EditMenu_Delete, C::tbUndoBtn}) {
        EXPECT_FALSE(enabled(off)) << commandName(off);
    }
    EXPECT_FALSE(action(C::SymbolMenu_ShowClipRad)->isVisible());
}

TEST_F(EditFormTest, LineTypeLibraryFromTheCommandLine) {
    const QByteArray lineTypes =
        "Veltrax Sym/Ltype File Version 1.0\r\nS Fence\r\nP    100   100     1    20     0\r\n"
        "L      1     0   100   200   100\r\nE\r\n";
    TEditForm& f = start(writeFile("roads.LTP.bak", lineTypes));
    EXPECT_EQ(f.state().library.libraryKind, LibraryKind::LineType);
    EXPECT_EQ(f.windowTitle().toStdString(), "Line Type Editor - Fence");
    EXPECT_TRUE(enabled(C::LTMenu_Delete));
    EXPECT_TRUE(enabled(C::LTMenu_Settings));
    EXPECT_TRUE(f.widgets().LeftLnIndex->isVisible());
}

TEST_F(EditFormTest, ClickingARowSwitchesTheEntry) {
    TEditForm& f = start(writeFile("survey.sym", ThreeSymbols));
    f.state().lastPoint = {20, 20};
    f.ui().setStatusText(0, "something");
    clickRow(f, 1);
    EXPECT_EQ(f.state().library.currentEntry, 2);
    EXPECT_EQ(f.state().work.workEntityCount, 1);
    EXPECT_EQ(f.windowTitle().toStdString(), "Symbol Editor - Well");
    EXPECT_EQ(f.state().lastPoint, DisplayPoint{});
    EXPECT_EQ(panelText(0), "");
    // An unmodified entry is not stored back.
    EXPECT_FALSE(f.state().library.libraryModified);

    clickRow(f, 1);  // the current entry again: nothing happens
    EXPECT_EQ(f.state().library.currentEntry, 2);
}

TEST_F(EditFormTest, SwitchingStoresAModifiedEntryFirst) {
    TEditForm& f = start(writeFile("survey.sym", ThreeSymbols));
    EditorState& s = f.state();
    s.work.workEntities[0].x2 = 200;
    s.library.entryModified = true;
    s.selection[0] = 1;

    clickRow(f, 2);
    EXPECT_EQ(s.library.currentEntry, 3);
    EXPECT_EQ(s.library.entities(1)[0].x2, 200);
    EXPECT_TRUE(s.library.libraryModified);
    EXPECT_FALSE(s.library.entryModified);
    EXPECT_EQ(s.selection[0], 0);
    EXPECT_FALSE(enabled(C::EditMenu_Cut));

    clickRow(f, 0);
    EXPECT_EQ(s.work.workEntities[0].x2, 200);
}

TEST_F(EditFormTest, ArrowKeysInTheListSwitchEntriesToo) {
    TEditForm& f = start(writeFile("survey.sym", ThreeSymbols));
    QTest::keyClick(f.widgets().SymbList, Qt::Key_Down);
    EXPECT_EQ(f.state().library.currentEntry, 2);
}

TEST_F(EditFormTest, ClosingReleasesTheLibrary) {
    TEditForm& f = start(writeFile("survey.sym", ThreeSymbols));
    EXPECT_TRUE(f.close());
    EXPECT_FALSE(f.state().library.isAllocated());
}

}  // namespace
