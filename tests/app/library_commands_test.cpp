#include <QFile>
#include <QFileInfo>
#include <QTest>

#include "app/library_commands.h"
#include "edit_form_fixture.h"
#include "modal_script.h"

namespace {

using C = Command;
using B = QMessageBox;

constexpr char SaveQuestion[] = "Save currently loaded library";
constexpr char DefaultQuestion[] = "Set saved library as System library?";

QByteArray contents(const std::string& file) {
    QFile f(QString::fromStdString(file));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

class LibraryCommandsTest : public EditFormTest {
  protected:
    Library& library() { return form().state().library; }
    void trigger(Command command) { action(command)->trigger(); }

    // Records file as the host's default symbol library for the user.
    void makeDefaultLibrary(const std::string& file) {
        writeFile("user.ini", QByteArray("[Software]\nVeltrax\\Veltrax%20Plotwerk\\1.6\\General\\"
                                         "Symbol%20Library=") +
                                  QByteArray::fromStdString(file) + "\n");
    }

    // The window with the three symbols of survey.sym, the host's default library, so saves
    // ask nothing more.
    TEditForm& startWithSurvey() {
        survey_ = writeFile("survey.sym", ThreeSymbols);
        makeDefaultLibrary(survey_);
        return start(survey_);
    }

    void expectStateAfterNew() {
        EXPECT_EQ(library().libraryFileName, "");
        EXPECT_EQ(library().entryCount, 0);
        EXPECT_EQ(library().currentEntry, 0);
        EXPECT_FALSE(library().libraryModified);
        EXPECT_FALSE(library().entryModified);
        EXPECT_EQ(form().widgets().SymbList->count(), 0);
        EXPECT_EQ(form().state().work.workEntityCount, 0);
    }

    std::string survey_;
};

// With no entry there is nothing to draw into: the Line tool stays chosen and draws nothing.
TEST_F(LibraryCommandsTest, AfterNewTheToolsDrawNothingAndTheCaptionNamesNoEntry) {
    startWithSurvey();
    trigger(C::tbLineBtn);
    trigger(C::LibMenu_New);
    EXPECT_EQ(form().windowTitle(), "Symbol Editor - ");
    EXPECT_EQ(form().state().pointerState, PointerState::LinePoints);
    for (QPoint at : {QPoint(50, 50), QPoint(110, 50), QPoint(110, 110)}) {
        QTest::mouseClick(form().widgets().symBox, Qt::LeftButton, {}, at);
    }
    EXPECT_EQ(form().state().work.workEntityCount, 0);
    EXPECT_EQ(form().state().undoCount, 0);
    EXPECT_FALSE(form().state().lastPoint.isSet());
}

TEST_F(LibraryCommandsTest, NewAfterChangesAnsweredNoDiscardsThem) {
    startWithSurvey();
    form().state().work.workEntities[0].colour = 7;
    library().entryModified = true;
    ModalScript script;
    script.answer(B::No);
    trigger(C::LibMenu_New);
    ASSERT_EQ(script.seen().size(), 1u);
    EXPECT_EQ(script.seen()[0].text, SaveQuestion);
    EXPECT_EQ(script.seen()[0].caption, "Confirm");
    EXPECT_EQ(script.seen()[0].icon, B::Question);
    EXPECT_EQ(script.seen()[0].buttons, B::Yes | B::No | B::Cancel);
    expectStateAfterNew();
    EXPECT_EQ(contents(survey_), ThreeSymbols);
    for (C command :
         {C::MainMenu_Edit, C::MainMenu_Draw, C::SymbolMenu_Delete, C::SymbolMenu_Settings,
          C::SymbolMenu_ShowSizeRad, C::EditMenu_Cut, C::EditMenu_Select, C::EditMenu_SelectAll}) {
        EXPECT_FALSE(enabled(command)) << commandName(command);
    }
    EXPECT_TRUE(enabled(C::SymbolMenu_Add));
}

TEST_F(LibraryCommandsTest, CancelKeepsTheLibraryForNewOpenAndClosing) {
    startWithSurvey();
    library().entryModified = true;
    ModalScript script;
    script.answer(B::Cancel).answer(B::Cancel).answer(B::Cancel);
    trigger(C::LibMenu_New);
    // The changed entry was stored back before the question.
    EXPECT_FALSE(library().entryModified);
    EXPECT_TRUE(library().libraryModified);
    trigger(C::LibMenu_Open);
    EXPECT_FALSE(form().close());
    EXPECT_TRUE(form().isVisible());
    EXPECT_EQ(script.messageTexts(), std::vector<std::string>(3, SaveQuestion));
    EXPECT_EQ(library().libraryFileName, survey_);
    EXPECT_EQ(library().entryCount, 3);
    EXPECT_EQ(library().currentEntry, 1);
    EXPECT_EQ(form().widgets().SymbList->count(), 3);
    EXPECT_TRUE(library().libraryModified);
}

TEST_F(LibraryCommandsTest, YesSavesToTheLibraryFileBeforeNew) {
    startWithSurvey();
    form().state().work.workEntities[0].colour = 7;
    library().entryModified = true;
    ModalScript script;
    script.answer(B::Yes);
    trigger(C::LibMenu_New);
    EXPECT_EQ(script.messageTexts(), std::vector<std::string>{SaveQuestion});
    EXPECT_TRUE(contents(survey_).contains("L      7    90    80   110    80\r\n"));
    expectStateAfterNew();
}

TEST_F(LibraryCommandsTest, ALibraryWithoutEntriesIsDiscardedWithoutAQuestion) {
    start();
    library().libraryModified = true;
    library().entryModified = true;
    ModalScript script;
    trigger(C::LibMenu_New);
    expectStateAfterNew();
    library().libraryModified = true;
    EXPECT_TRUE(form().close());
    EXPECT_TRUE(script.seen().empty());
}

TEST_F(LibraryCommandsTest, ExitClosesTheWindowAfterTheQuestion) {
    startWithSurvey();
    library().libraryModified = true;
    ModalScript script;
    script.answer(B::Cancel).answer(B::No);
    trigger(C::LibMenu_Exit);
    EXPECT_TRUE(form().isVisible());
    trigger(C::LibMenu_Exit);
    EXPECT_FALSE(form().isVisible());
    EXPECT_EQ(script.messageTexts().size(), 2u);
}

TEST_F(LibraryCommandsTest, OpenFillsTheDialogAndReadsTheChosenFile) {
    const std::string survey = writeFile("survey.sym", ThreeSymbols);
    start();
    ModalScript script;
    script.typeFile(survey);
    trigger(C::LibMenu_Open);
    ASSERT_EQ(script.seen().size(), 1u);
    const ModalScript::Seen& dialog = script.seen()[0];
    EXPECT_EQ(dialog.caption, "Select Library");
    EXPECT_EQ(dialog.nameFilters,
              QStringList({"Symbol library(*.sym) (*.sym)", "All files(*.*) (*)"}));
    EXPECT_EQ(dialog.defaultSuffix, "sym");
    EXPECT_EQ(dialog.text, "*.sym");
    EXPECT_EQ(dialog.acceptMode, QFileDialog::AcceptOpen);
    EXPECT_EQ(dialog.fileMode, QFileDialog::ExistingFile);

    EXPECT_EQ(library().libraryFileName, survey);
    EXPECT_EQ(library().entryCount, 3);
    EXPECT_EQ(library().currentEntry, 1);
    EXPECT_FALSE(library().libraryModified);
    EXPECT_FALSE(library().entryModified);
    EXPECT_EQ(form().widgets().SymbList->currentRow(), 0);
    EXPECT_TRUE(enabled(C::MainMenu_Draw));

    // The first click after Open acts: no completion list of the dialog is left to take it.
    EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
    QListWidget* list = form().widgets().SymbList;
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualItemRect(list->item(2)).center());
    EXPECT_EQ(library().currentEntry, 3);
}

TEST_F(LibraryCommandsTest, OpenOfALineTypeEditorOffersLineTypeFiles) {
    start(path("*.ltp"));
    ModalScript script;
    script.cancelFile();
    trigger(C::LibMenu_Open);
    ASSERT_EQ(script.seen().size(), 1u);
    EXPECT_EQ(script.seen()[0].nameFilters,
              QStringList({"Line Type library (*.ltp)", "All files(*.*) (*)"}));
    EXPECT_EQ(script.seen()[0].defaultSuffix, "ltp");
    EXPECT_EQ(script.seen()[0].text, "*.ltp");
}

TEST_F(LibraryCommandsTest, OpenCancelledOrUnmodifiedAsksNothingAndKeepsTheLibrary) {
    startWithSurvey();
    ModalScript script;
    script.cancelFile();
    trigger(C::LibMenu_Open);
    EXPECT_EQ(script.seen().size(), 1u);  // the dialog only, no save question
    EXPECT_EQ(library().libraryFileName, survey_);
    EXPECT_EQ(library().entryCount, 3);
    EXPECT_EQ(form().widgets().SymbList->count(), 3);
}

TEST_F(LibraryCommandsTest, OpeningALibraryWithoutEntriesLeavesNoCurrentEntry) {
    startWithSurvey();
    QListWidget& list = *form().widgets().SymbList;
    list.setCurrentRow(2);
    ASSERT_EQ(library().currentEntry, 3);
    const std::string empty = writeFile("empty.sym", "Veltrax Sym/Ltype File Version 1.0\r\n");
    ModalScript script;
    script.chooseFile(empty);
    trigger(C::LibMenu_Open);
    EXPECT_EQ(library().entryCount, 0);
    EXPECT_EQ(library().currentEntry, 0);
    EXPECT_EQ(library().libraryFileName, empty);
}

TEST_F(LibraryCommandsTest, OpeningALibraryThatStopsWithAnErrorLeavesNoCurrentEntry) {
    startWithSurvey();
    form().widgets().SymbList->setCurrentRow(2);
    ASSERT_EQ(library().currentEntry, 3);
    const std::string broken = writeFile("broken.sym",
                                         "Version 1.0 of file format\r\nS Good\r\n0\r\n0\r\nE\r\n"
                                         "S Tree\r\n0\r\nx\r\n");
    ModalScript script;
    script.chooseFile(broken).answer(B::Ok);
    trigger(C::LibMenu_Open);
    EXPECT_EQ(script.messageTexts(),
              std::vector<std::string>({"Invalid number on line 8 in symbol Tree"}));
    EXPECT_EQ(library().entryCount, 2);
    // Entry 3 of the library before is no entry of this one.
    EXPECT_EQ(library().currentEntry, 0);
    EXPECT_EQ(form().widgets().SymbList->count(), 2);
}

TEST_F(LibraryCommandsTest, AnOlderLayoutAlwaysSavesThroughTheDialog) {
    const std::string older =
        writeFile("older.sym",
                  "Version 1.0 of file format\r\nS Church\r\n1\r\n95 95\r\n1\r\n"
                  "L 0 0 190 190\r\nE\r\n");
    start(older);
    ASSERT_EQ(library().libraryFileName, "");
    const std::string target = path("church.sym");
    makeDefaultLibrary(target);
    ModalScript script;
    script.chooseFile(target);
    trigger(C::LibMenu_Save);
    ASSERT_EQ(script.seen().size(), 1u);
    EXPECT_EQ(script.seen()[0].caption, "Save Library As");
    EXPECT_EQ(script.seen()[0].text, "*.sym");
    EXPECT_EQ(script.seen()[0].nameFilters, QStringList({"Symbol library (*.sym)"}));
    EXPECT_EQ(script.seen()[0].acceptMode, QFileDialog::AcceptSave);
    EXPECT_EQ(library().libraryFileName, target);
    EXPECT_FALSE(library().libraryModified);
    EXPECT_TRUE(contents(target).startsWith("Veltrax Sym/Ltype File Version 1.0\r\nS Church\r\n"));
    EXPECT_EQ(contents(older).left(10), "Version 1.");
}

TEST_F(LibraryCommandsTest, SaveWritesTheFileAndClearsBothFlags) {
    startWithSurvey();
    form().state().work.workEntities[0].colour = 9;
    library().entryModified = true;
    ModalScript script;
    trigger(C::LibMenu_Save);
    EXPECT_TRUE(script.seen().empty());  // the default library already
    EXPECT_FALSE(library().libraryModified);
    EXPECT_FALSE(library().entryModified);
    EXPECT_EQ(library().libraryFileName, survey_);
    EXPECT_EQ(library().entryCount, 3);
    EXPECT_EQ(library().currentEntry, 1);
    EXPECT_EQ(panelText(0), "Library saved");
    EXPECT_TRUE(contents(survey_).contains("L      9    90    80   110    80\r\n"));
}

TEST_F(LibraryCommandsTest, EverySaveOfAnotherFileOffersItAsTheDefault) {
    startWithSurvey();
    makeDefaultLibrary(path("other.sym"));
    ModalScript script;
    script.answer(B::No).answer(B::Yes);
    trigger(C::LibMenu_Save);
    trigger(C::LibMenu_Save);
    ASSERT_EQ(script.seen().size(), 2u);
    EXPECT_EQ(script.seen()[1].text, DefaultQuestion);
    EXPECT_EQ(script.seen()[1].buttons, B::Yes | B::No);
    // Recorded on Yes: the next save asks nothing, whatever the case of the name.
    ModalScript none;
    trigger(C::LibMenu_Save);
    EXPECT_TRUE(none.seen().empty());
    EXPECT_TRUE(contents(path("user.ini")).contains(QByteArray::fromStdString(survey_)));
}

TEST_F(LibraryCommandsTest, AFailedDefaultWriteIsShownAndTheLibraryStaysSaved) {
    survey_ = writeFile("survey.sym", ThreeSymbols);
    // The host's key exists for the machine only, so the user's default cannot be written.
    writeFile("machine.ini",
              "[Software]\nVeltrax\\Veltrax%20Plotwerk\\1.6\\General\\"
              "Symbol%20Library=/elsewhere/std.sym\n");
    start(survey_);
    library().libraryModified = true;
    ModalScript script;
    script.answer(B::Yes).answer(B::Ok);
    trigger(C::LibMenu_Save);
    ASSERT_EQ(script.seen().size(), 2u);
    EXPECT_EQ(script.seen()[1].caption, "Warning");
    EXPECT_FALSE(script.seen()[1].text.empty());
    EXPECT_FALSE(library().libraryModified);
    EXPECT_EQ(contents(survey_), ThreeSymbols);
}

TEST_F(LibraryCommandsTest, HostWithAProjectOpenIsWarnedAboutBeforeTheSave) {
    startWithSurvey();
    hostRunning_ = true;
    ModalScript script;
    script.answer(B::Ok);
    trigger(C::LibMenu_Save);
    ASSERT_EQ(script.seen().size(), 1u);
    EXPECT_EQ(script.seen()[0].text,
              "Any changes made to the library will not be available in the current project "
              "until it is reopened");
    EXPECT_EQ(script.seen()[0].caption, "Warning");
    EXPECT_EQ(panelText(0), "Library saved");
}

TEST_F(LibraryCommandsTest, AFailedWriteKeepsTheLibraryModifiedSoClosingStillAsks) {
    startWithSurvey();
    library().libraryFileName = path("gone/survey.sym");
    library().entryModified = true;
    ModalScript script;
    script.answer(B::Ok).answer(B::Cancel);
    trigger(C::LibMenu_Save);
    ASSERT_FALSE(script.seen().empty());
    EXPECT_EQ(script.seen()[0].text, "Error writing library file\nNo such file or directory");
    EXPECT_TRUE(library().libraryModified);
    EXPECT_EQ(library().libraryFileName, path("gone/survey.sym"));
    EXPECT_FALSE(form().close());
    EXPECT_EQ(script.messageTexts().back(), SaveQuestion);
}

TEST_F(LibraryCommandsTest, YesWhoseSaveFailsDoesNotDiscardTheLibrary) {
    startWithSurvey();
    library().libraryFileName = path("gone/survey.sym");
    library().libraryModified = true;
    ModalScript script;
    script.answer(B::Yes).answer(B::Ok);
    EXPECT_FALSE(form().close());
    EXPECT_EQ(script.messageTexts(),
              (std::vector<std::string>{SaveQuestion,
                                        "Error writing library file\nNo such file or directory"}));
    EXPECT_EQ(library().entryCount, 3);
    EXPECT_TRUE(library().libraryModified);
}

TEST_F(LibraryCommandsTest, AReadOnlyFileTurnsSaveIntoSaveAs) {
    startWithSurvey();
    QFile::setPermissions(QString::fromStdString(survey_), QFileDevice::ReadOwner);
    const std::string copy = path("copy.sym");
    makeDefaultLibrary(copy);
    library().libraryModified = true;
    ModalScript script;
    script.chooseFile(copy);
    trigger(C::LibMenu_Save);
    ASSERT_EQ(script.seen().size(), 1u);
    EXPECT_EQ(script.seen()[0].text, "*.sym");  // the file name was emptied first
    EXPECT_EQ(library().libraryFileName, copy);
    EXPECT_FALSE(library().libraryModified);
    EXPECT_EQ(contents(survey_), ThreeSymbols);
    EXPECT_TRUE(contents(copy).contains("S Tree\r\n"));
}

TEST_F(LibraryCommandsTest, SaveAsStartsAtTheLibraryFileAndACancelLosesTheName) {
    startWithSurvey();
    library().libraryModified = true;
    ModalScript script;
    script.cancelFile().cancelFile();
    trigger(C::LibMenu_SaveAs);
    ASSERT_EQ(script.seen().size(), 1u);
    EXPECT_EQ(script.seen()[0].text, "survey.sym");
    EXPECT_EQ(script.seen()[0].directory,
              QFileInfo(folder_.path()).absoluteFilePath().toStdString());
    EXPECT_EQ(library().libraryFileName, "");
    EXPECT_TRUE(library().libraryModified);
    EXPECT_EQ(library().entryCount, 3);
    // The next Save asks for a name.
    trigger(C::LibMenu_Save);
    EXPECT_EQ(script.seen().size(), 2u);
    EXPECT_EQ(script.seen()[1].text, "*.sym");
}

TEST_F(LibraryCommandsTest, YesWithoutAFileAsksForOneAndItsCancelCancelsClosing) {
    start();
    library().entryCount = 1;
    library().libraryModified = true;
    ModalScript script;
    script.answer(B::Yes).cancelFile();
    EXPECT_FALSE(form().close());
    EXPECT_EQ(script.seen().size(), 2u);
    EXPECT_EQ(script.seen()[1].sort, ModalScript::Sort::File);
}

}  // namespace
