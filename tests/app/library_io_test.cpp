#include <sys/stat.h>

#include <QFile>
#include <QFileInfo>

#include "app/library_io.h"
#include "edit_form_fixture.h"
#include "modal_answerer.h"

namespace {

using C = Command;

QByteArray contents(const std::string& file) {
    QFile f(QString::fromStdString(file));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

TEST_F(EditFormTest, InvalidFileOnTheCommandLineWarnsAndLeavesNoFileName) {
    ModalAnswerer answerer;
    TEditForm& f = start(writeFile("notes.sym", "Dear diary,\r\nS not a library\r\n"));
    ASSERT_EQ(answerer.seen().size(), 1u);
    EXPECT_EQ(answerer.seen()[0].text, "Invalid file format");
    EXPECT_EQ(answerer.seen()[0].caption, "Warning");
    EXPECT_EQ(answerer.seen()[0].icon, QMessageBox::Warning);
    EXPECT_EQ(answerer.seen()[0].buttons, QMessageBox::Ok);
    EXPECT_EQ(f.state().library.libraryFileName, "");
    EXPECT_EQ(f.state().library.entryCount, 0);
    EXPECT_EQ(f.widgets().SymbList->count(), 0);
    EXPECT_FALSE(enabled(C::MainMenu_Edit));
}

TEST_F(EditFormTest, EmptyFileAndTrailingSpaceAreInvalid) {
    for (const QByteArray& bytes :
         {QByteArray(), QByteArray("Veltrax Sym/Ltype File Version 1.0 \r\nS Tree\r\nE\r\n")}) {
        ModalAnswerer answerer;
        TEditForm& f = start(writeFile("odd.sym", bytes));
        ASSERT_EQ(answerer.seen().size(), 1u);
        EXPECT_EQ(answerer.seen()[0].text, "Invalid file format");
        EXPECT_EQ(f.state().library.libraryFileName, "");
    }
}

TEST_F(EditFormTest, MissingFileWarnsAndLeavesNoFileName) {
    TEditForm& f = start();
    ModalAnswerer answerer;
    f.state().library.libraryFileName = path("vanished.sym");
    readLibrary(f, f.state().library.libraryFileName);
    ASSERT_EQ(answerer.seen().size(), 1u);
    EXPECT_EQ(answerer.seen()[0].text, "Library file not found");
    EXPECT_EQ(answerer.seen()[0].caption, "Warning");
    EXPECT_EQ(f.state().library.libraryFileName, "");
}

TEST_F(EditFormTest, WarningCaptionComesFromTheStringsModule) {
    writeStringsModule("106\tWarnung\n32\tUng\xc3\xbcltiges Dateiformat\n");
    ModalAnswerer answerer;
    start(writeFile("notes.sym", "hello\r\n"));
    ASSERT_EQ(answerer.seen().size(), 1u);
    EXPECT_EQ(answerer.seen()[0].caption, "Warnung");
    EXPECT_EQ(answerer.seen()[0].text, "Ung\u00fcltiges Dateiformat");
}

TEST_F(EditFormTest, EmptyCurrentLayoutLibraryStillEnablesTheEntryCommands) {
    ModalAnswerer answerer;
    TEditForm& f = start(writeFile("empty.sym", "Veltrax Sym/Ltype File Version 1.0\r\n"));
    EXPECT_TRUE(answerer.seen().empty());
    EXPECT_EQ(f.state().library.entryCount, 0);
    EXPECT_TRUE(enabled(C::MainMenu_Edit));
    EXPECT_TRUE(enabled(C::SymbolMenu_Delete));
    EXPECT_FALSE(f.state().library.libraryFileName.empty());
}

TEST_F(EditFormTest, OlderLayoutIsReadButLeavesNoFileName) {
    const QByteArray older =
        "Version 1.0 of file format\r\nS Church\r\n1\r\n95 95\r\n1\r\nL 0 0 190 190\r\nE\r\n";
    ModalAnswerer answerer;
    TEditForm& f = start(writeFile("older.sym", older));
    EXPECT_TRUE(answerer.seen().empty());
    EXPECT_EQ(f.state().library.entryCount, 1);
    EXPECT_EQ(f.state().library.libraryFileName, "");
    EXPECT_EQ(f.widgets().SymbList->item(0)->text().toStdString(), "Church");
    EXPECT_TRUE(enabled(C::MainMenu_Draw));
}

TEST_F(EditFormTest, OlderLayoutErrorKeepsWhatWasReadAndReportsTheEntry) {
    const QByteArray older =
        "Version 1.0 of file format\r\nS Church\r\n1\r\n95 95\r\n1\r\nL 0 0 190 190\r\nE\r\n"
        "S Tree\r\n1\r\n95 95\r\n1\r\nX 0 0 190 190\r\nE\r\n";
    ModalAnswerer answerer;
    TEditForm& f = start(writeFile("older.sym", older));
    ASSERT_EQ(answerer.seen().size(), 1u);
    EXPECT_EQ(answerer.seen()[0].text, "Unknown element type \"X\" in symbol Tree");
    EXPECT_EQ(answerer.seen()[0].icon, QMessageBox::Critical);
    EXPECT_EQ(f.widgets().SymbList->count(), 2);
    EXPECT_EQ(f.state().library.libraryFileName, "");
    // Steps after the read do not run: nothing is loaded and the entry commands stay off.
    EXPECT_EQ(f.state().library.currentEntry, 0);
    EXPECT_FALSE(enabled(C::MainMenu_Edit));
}

class WriteLibraryTest : public EditFormTest {
  protected:
    void SetUp() override { start(writeFile("survey.sym", ThreeSymbols)); }
};

TEST_F(WriteLibraryTest, SavingStoresTheWorkingCopyAndReportsIt) {
    EditorState& s = form().state();
    s.work.workEntities[0].colour = 5;
    s.library.libraryModified = true;
    const std::string target = path("saved.sym");
    ModalAnswerer answerer;
    EXPECT_TRUE(writeLibrary(form(), target));
    EXPECT_TRUE(answerer.seen().empty());
    EXPECT_FALSE(s.library.libraryModified);
    EXPECT_EQ(panelText(0), "Library saved");
    const QByteArray written = contents(target);
    EXPECT_TRUE(written.startsWith("Veltrax Sym/Ltype File Version 1.0\r\nS Tree\r\n"));
    EXPECT_TRUE(written.contains("L      5    90    80   110    80\r\n"));
    EXPECT_TRUE(written.contains("S Caf\xe9\r\n"));
}

TEST_F(WriteLibraryTest, HostWithAProjectOpenIsWarnedAboutAndTheSaveGoesOn) {
    EditFormOptions options;
    options.stringsModuleFolders = {folder_.path()};
    options.hostIsRunning = [] { return true; };
    options.argument = path("survey.sym");
    TEditForm other(std::move(options), strings_, clipboard_);
    other.show();
    other.Form_Load();
    ModalAnswerer answerer;
    EXPECT_TRUE(writeLibrary(other, path("copy.sym")));
    ASSERT_EQ(answerer.seen().size(), 1u);
    EXPECT_EQ(answerer.seen()[0].text,
              "Any changes made to the library will not be available in the current project "
              "until it is reopened");
    EXPECT_FALSE(contents(path("copy.sym")).isEmpty());
}

TEST_F(WriteLibraryTest, ReadOnlyTargetIsRefusedAndNothingIsWritten) {
    const std::string target = writeFile("locked.sym", "old contents");
    QFile::setPermissions(QString::fromStdString(target), QFile::ReadOwner | QFile::ReadUser);
    form().state().library.libraryModified = true;
    ModalAnswerer answerer;
    EXPECT_FALSE(writeLibrary(form(), target));
    ASSERT_EQ(answerer.seen().size(), 1u);
    EXPECT_EQ(answerer.seen()[0].text, "Existing specified file is read only - save to a new file");
    EXPECT_EQ(answerer.seen()[0].icon, QMessageBox::Critical);
    EXPECT_TRUE(form().state().library.libraryModified);
    EXPECT_EQ(contents(target), "old contents");
    EXPECT_EQ(panelText(0), "");
}

TEST_F(WriteLibraryTest, TargetThatCannotBeCreatedWarns) {
    form().state().library.libraryModified = true;
    ModalAnswerer answerer;
    EXPECT_FALSE(writeLibrary(form(), path("no/such/folder/x.sym")));
    ASSERT_EQ(answerer.seen().size(), 1u);
    EXPECT_EQ(answerer.seen()[0].text, "Error writing library file\nNo such file or directory");
    EXPECT_EQ(answerer.seen()[0].caption, "Warning");
    EXPECT_TRUE(form().state().library.libraryModified);
}

}  // namespace
