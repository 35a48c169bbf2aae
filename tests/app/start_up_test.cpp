#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

#include "edit_form_fixture.h"
#include "modal_answerer.h"

namespace {

using C = Command;

std::string caption(TEditForm& form) {
    return form.windowTitle().toStdString();
}
std::string label(TEditForm& form) {
    return form.widgets().SymbolsLabel->text().toStdString();
}

TEST_F(EditFormTest, FirstActivationRunsTheStartUpOnce) {
    EditFormOptions options;
    options.stringsModuleFolders = {folder_.path()};
    TEditForm window(std::move(options), strings_, clipboard_);
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    EXPECT_EQ(caption(window), "Symbol Editor");
    EXPECT_TRUE(window.state().library.isAllocated());

    window.state().library.entryCount = 7;
    window.Form_Load();
    EXPECT_EQ(window.state().library.entryCount, 7);
}

TEST_F(EditFormTest, AStartUpWarningComesOnceTheWindowIsShownAndOverIt) {
    EditFormOptions options;
    options.argument = writeFile("broken.sym", "no library\r\n");
    options.stringsModuleFolders = {folder_.path()};
    TEditForm window(std::move(options), strings_, clipboard_);
    window.move(300, 200);
    bool windowShown = false;
    QRect box;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (auto* warning = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            windowShown = window.isVisible();
            box = warning->frameGeometry();
            warning->accept();
        }
    });
    poll.start(5);
    window.showAndLoad();
    ASSERT_FALSE(box.isNull());
    EXPECT_TRUE(windowShown);
    EXPECT_TRUE(window.frameGeometry().contains(box));
    EXPECT_LE(std::abs(box.center().x() - window.frameGeometry().center().x()), 2);
}

TEST_F(EditFormTest, NoArgumentStartsAnEmptySymbolEditor) {
    ModalAnswerer answerer;
    TEditForm& f = start();
    EXPECT_TRUE(answerer.seen().empty());
    EXPECT_EQ(caption(f), "Symbol Editor");
    EXPECT_EQ(label(f), "Symbols in library");
    EXPECT_TRUE(action(C::MainMenu_Symbol)->isVisible());
    EXPECT_FALSE(action(C::MainMenu_LineType)->isVisible());
    EXPECT_FALSE(f.widgets().LeftLnIndex->isVisible());
    EXPECT_FALSE(f.widgets().RightLnIndex->isVisible());
    EXPECT_EQ(f.widgets().SymbList->count(), 0);
    EXPECT_EQ(f.state().library.libraryKind, LibraryKind::Symbol);
    EXPECT_EQ(f.state().library.libraryFileName, "");
    EXPECT_EQ(f.state().library.currentEntry, 0);
    EXPECT_FALSE(f.state().library.libraryModified);
    EXPECT_EQ(f.fontCharset(), FontCharset::Default);  // names in Windows-1252
}

TEST_F(EditFormTest, StartUpEnablesOnlyWhatWorksWithoutALibrary) {
    start();
    for (C off : {C::MainMenu_Edit, C::MainMenu_Draw, C::tbArcBtn, C::tbLineBtn, C::tbUndoBtn,
                  C::EditMenu_Cut, C::EditMenu_Copy, C::EditMenu_Delete, C::EditMenu_Select,
                  C::EditMenu_SelectAll, C::EditMenu_Paste, C::SymbolMenu_Delete,
                  C::SymbolMenu_Settings, C::SymbolMenu_ShowClipRad, C::SymbolMenu_ShowSizeRad}) {
        EXPECT_FALSE(enabled(off)) << commandName(off);
    }
    for (C on : {C::MainMenu_File, C::LibMenu_New, C::LibMenu_Open, C::LibMenu_Save,
                 C::LibMenu_SaveAs, C::LibMenu_Exit, C::SymbolMenu_Add, C::HelpMenu_HelpTopics,
                 C::HelpMenu_About, C::tbSelectBtn}) {
        EXPECT_TRUE(enabled(on)) << commandName(on);
    }
    EXPECT_TRUE(action(C::tbSelectBtn)->isChecked());
    EXPECT_FALSE(action(C::tbLineBtn)->isChecked());
    EXPECT_TRUE(action(C::EditMenu_Snap)->isChecked());
    EXPECT_TRUE(form().state().snapToGrid);
    EXPECT_EQ(form().state().pointerState, PointerState::SelectIdle);
    EXPECT_FALSE(action(C::SymbolMenu_ShowClipRad)->isVisible());
}

TEST_F(EditFormTest, StarLtpStartsAnEmptyLineTypeEditor) {
    ModalAnswerer answerer;
    TEditForm& f = start("*.ltp");
    EXPECT_TRUE(answerer.seen().empty());
    EXPECT_EQ(caption(f), "Line Type Editor");
    EXPECT_EQ(label(f), "Line types in library");
    EXPECT_FALSE(action(C::MainMenu_Symbol)->isVisible());
    EXPECT_TRUE(action(C::MainMenu_LineType)->isVisible());
    EXPECT_TRUE(f.widgets().LeftLnIndex->isVisible());
    EXPECT_TRUE(f.widgets().RightLnIndex->isVisible());
    EXPECT_FALSE(enabled(C::LTMenu_Delete));
    EXPECT_FALSE(enabled(C::LTMenu_Settings));
    EXPECT_TRUE(enabled(C::LTMenu_Add));
    EXPECT_EQ(f.state().library.libraryKind, LibraryKind::LineType);
    EXPECT_EQ(f.state().library.libraryFileName, "");
}

TEST_F(EditFormTest, MissingFileOnTheCommandLineDecidesTheKindAndLoadsNothing) {
    ModalAnswerer answerer;
    TEditForm& f = start(path("gone.LTP"));
    EXPECT_TRUE(answerer.seen().empty());
    EXPECT_EQ(f.state().library.libraryKind, LibraryKind::LineType);
    EXPECT_EQ(f.state().library.libraryFileName, "");
    EXPECT_EQ(f.widgets().SymbList->count(), 0);
}

TEST_F(EditFormTest, StringsModuleReplacesCaptionsHintsAndTitles) {
    writeStringsModule(
        "29\tSymbol-Editor\n42\tSymbole der Bibliothek\n45\tLegt eine neue Bibliothek an\n"
        "70\t&Datei\n71\t&Neu\n10\tAuswahl\n");
    TEditForm& f = start();
    EXPECT_EQ(caption(f), "Symbol-Editor");
    EXPECT_EQ(label(f), "Symbole der Bibliothek");
    EXPECT_EQ(f.commands().MainMenu_File->title().toStdString(), "&Datei");
    EXPECT_EQ(action(C::LibMenu_New)->text().toStdString(), "&Neu");
    EXPECT_EQ(action(C::LibMenu_New)->statusTip().toStdString(), "Legt eine neue Bibliothek an");
    EXPECT_EQ(action(C::tbSelectBtn)->toolTip().toStdString(), "Auswahl");
    // A number the module lacks gives the empty text.
    EXPECT_EQ(action(C::LibMenu_Open)->text().toStdString(), "");
}

TEST_F(EditFormTest, WithoutAStringsModuleEveryTextIsTheBuiltInEnglish) {
    start();
    EXPECT_EQ(form().commands().MainMenu_File->title().toStdString(), "&File");
    EXPECT_EQ(action(C::LibMenu_SaveAs)->text().toStdString(), "Sa&ve As...");
    EXPECT_EQ(action(C::EditMenu_Snap)->text().toStdString(), "Snap to &Grid");
    EXPECT_EQ(action(C::SymbolMenu_Delete)->text().toStdString(), "&Delete");
    EXPECT_EQ(action(C::PopUpMnuSelect)->text().toStdString(), "&Select");
    EXPECT_EQ(action(C::LTMenu_Settings)->statusTip().toStdString(),
              "Changes the Line Type settings");
    EXPECT_EQ(action(C::tbUndoBtn)->toolTip().toStdString(), "Undo");
    EXPECT_EQ(form().widgets().colourBoxes[15]->toolTip().toStdString(), "Set Color");
    EXPECT_EQ(form().widgets().ColourDisplayBox->toolTip().toStdString(), "Color Sample");
}

}  // namespace

namespace {

TEST_F(EditFormTest, FontSizeAdjustmentGrowsTheFontOfEveryWindow) {
    for (int adjustment : {0, 3, -2}) {
        EditFormOptions options;
        options.stringsModuleFolders = {folder_.path()};
        options.fontSizeAdjustment = adjustment;
        TEditForm window(std::move(options), strings_, clipboard_);
        EXPECT_EQ(window.widgets().SymbList->font().pointSize(), 8 + adjustment);
        EXPECT_EQ(window.widgets().SymbolsLabel->font().pointSize(), 8 + adjustment);
        EXPECT_EQ(window.aboutBox().font().pointSize(), 8 + adjustment);
    }
}

}  // namespace
