// The library file as other programs and the file system treat it while the editor has it
// open: changed or removed behind the editor's back, or refusing a save.
#include <signal.h>
#include <sys/resource.h>

#include <QFile>
#include <QTest>
#include <csignal>

#include "app/library_io.h"
#include "edit_form_fixture.h"
#include "editing/undo.h"
#include "modal_answerer.h"

namespace {

QByteArray contents(const std::string& file) {
    QFile f(QString::fromStdString(file));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

const QByteArray OneSymbol =
    "Veltrax Sym/Ltype File Version 1.0\r\n"
    "S Beacon\r\n"
    "P    100   100     0    20     1\r\n"
    "E\r\n";

class LibraryOnDiskTest : public EditFormTest {
  protected:
    void SetUp() override {
        library = writeFile("survey.sym", ThreeSymbols);
        startActive();
    }
    // The platform activates a window shown first; later activations are the test's own.
    void startActive() {
        start(library);
        ASSERT_TRUE(QTest::qWaitForWindowActive(&form()));
    }

    // An edit of the working copy, as drawing one line would make it.
    void editHere() {
        Entity line;
        line.x1 = line.y1 = 20;
        line.x2 = line.y2 = 200;
        setEntity(form().context(), 1, line);
        form().state().library.libraryModified = true;
    }
    // Another program replaces the file; the test waits until the watcher has seen it.
    void changeElsewhere(const QByteArray& bytes) {
        writeFile("survey.sym", bytes);
        ASSERT_TRUE(QTest::qWaitFor([&] { return form().libraryWatch().changedSinceKnown(); }));
    }
    void activateWindow() {
        QEvent activate(QEvent::WindowActivate);
        QApplication::sendEvent(&form(), &activate);
    }

    std::string library;
};

TEST_F(LibraryOnDiskTest, AChangeElsewhereIsAskedAboutOnceAndYesReadsTheFileAgain) {
    editHere();
    changeElsewhere(OneSymbol);
    ModalAnswerer answerer(QMessageBox::Yes);
    activateWindow();
    ASSERT_EQ(answerer.seen().size(), 1u);
    EXPECT_EQ(answerer.seen()[0].caption, "Confirm");
    EXPECT_EQ(answerer.seen()[0].icon, QMessageBox::Question);
    EXPECT_EQ(answerer.seen()[0].buttons, QMessageBox::Yes | QMessageBox::No);
    EXPECT_TRUE(answerer.seen()[0].text.starts_with(
        "The library file has been changed by another program."));

    const EditorState& s = form().state();
    EXPECT_EQ(s.library.entryCount, 1);
    EXPECT_EQ(form().widgets().SymbList->count(), 1);
    EXPECT_EQ(s.library.currentEntry, 1);
    EXPECT_EQ(s.work.workEntityCount, 0);
    EXPECT_EQ(s.undoCount, 0);
    EXPECT_FALSE(s.library.libraryModified);

    activateWindow();
    EXPECT_EQ(answerer.seen().size(), 1u);
}

TEST_F(LibraryOnDiskTest, NoKeepsTheEditsAndTheNextSaveReplacesTheFile) {
    editHere();
    const int undoCount = form().state().undoCount;
    changeElsewhere(OneSymbol);
    {
        ModalAnswerer answerer(QMessageBox::No);
        activateWindow();
        ASSERT_EQ(answerer.seen().size(), 1u);
    }
    EXPECT_EQ(form().state().library.entryCount, 3);
    EXPECT_TRUE(form().state().library.libraryModified);
    EXPECT_EQ(form().state().undoCount, undoCount);

    ModalAnswerer answerer;
    activateWindow();
    ASSERT_TRUE(writeLibrary(form(), library));
    activateWindow();
    EXPECT_TRUE(answerer.seen().empty());  // neither the change kept nor the own save asks
    EXPECT_TRUE(contents(library).contains("S Well\r\n"));
}

TEST_F(LibraryOnDiskTest, ARemovedFileIsReportedAndWrittenAgainOnTheNextSave) {
    ASSERT_TRUE(QFile::remove(QString::fromStdString(library)));
    ASSERT_TRUE(QTest::qWaitFor([&] { return form().libraryWatch().changedSinceKnown(); }));
    ModalAnswerer answerer;
    activateWindow();
    ASSERT_EQ(answerer.seen().size(), 1u);
    EXPECT_EQ(answerer.seen()[0].caption, "Warning");
    EXPECT_TRUE(answerer.seen()[0].text.starts_with("The library file has been removed"));
    EXPECT_EQ(form().state().library.entryCount, 3);
    ASSERT_TRUE(writeLibrary(form(), library));
    EXPECT_TRUE(contents(library).startsWith("Veltrax Sym/Ltype File Version 1.0\r\nS Tree\r\n"));
}

TEST_F(LibraryOnDiskTest, OpeningRemovesWhatAnInterruptedSaveLeft) {
    writeFile("survey.sym.glyphwright-save", "half a library");
    writeFile("survey.sym.glyphwright-save.Ab12Cd", "");
    writeFile("survey.sym.bak", "kept");
    startActive();
    EXPECT_EQ(QDir(folder_.path()).entryList(QDir::Files),
              (QStringList{"survey.sym", "survey.sym.bak"}));
}

// A module made before the question existed lacks its number: the English text stands in.
class OlderStringsModuleTest : public LibraryOnDiskTest {
  protected:
    void SetUp() override {
        writeStringsModule("105\tBest\xc3\xa4tigen\n106\tWarnung\n");  // chosen once per run
        LibraryOnDiskTest::SetUp();
    }
};

TEST_F(OlderStringsModuleTest, TheQuestionFallsBackToEnglish) {
    changeElsewhere(OneSymbol);
    ModalAnswerer answerer(QMessageBox::No);
    activateWindow();
    ASSERT_EQ(answerer.seen().size(), 1u);
    EXPECT_EQ(answerer.seen()[0].caption, "Best\xc3\xa4tigen");
    EXPECT_TRUE(answerer.seen()[0].text.starts_with("The library file has been changed"));
}

// A save that fails part-way (here at a file size limit, which binds root as well) leaves
// the file, the edits and their undo history as they were, and a retry succeeds.
TEST_F(LibraryOnDiskTest, AFailedSaveChangesNothingAndARetrySucceeds) {
    editHere();
    const EditorState& s = form().state();
    const int undoCount = s.undoCount;
    const UndoRecord lastStep = s.undoHistory[static_cast<size_t>(undoCount - 1)];
    const QByteArray before = contents(library);

    rlimit original{};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &original), 0);
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    const rlimit tight{64, original.rlim_max};
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &tight), 0);
    bool written = true;
    {
        ModalAnswerer answerer;
        written = writeLibrary(form(), library);
        ::setrlimit(RLIMIT_FSIZE, &original);
        std::signal(SIGXFSZ, previousHandler);
        ASSERT_EQ(answerer.seen().size(), 1u);
        EXPECT_EQ(answerer.seen()[0].text, "Error writing library file\nFile too large");
    }
    EXPECT_FALSE(written);
    EXPECT_EQ(contents(library), before);
    EXPECT_TRUE(s.library.libraryModified);
    EXPECT_EQ(s.undoCount, undoCount);
    EXPECT_EQ(s.undoHistory[static_cast<size_t>(undoCount - 1)].kind, lastStep.kind);
    EXPECT_EQ(s.undoHistory[static_cast<size_t>(undoCount - 1)].index, lastStep.index);
    EXPECT_NE(panelText(0), "Library saved");

    ModalAnswerer answerer;
    ASSERT_TRUE(writeLibrary(form(), library));
    EXPECT_TRUE(answerer.seen().empty());
    EXPECT_FALSE(s.library.libraryModified);
    EXPECT_TRUE(contents(library).contains("L      1    10   190   130    70\r\n"));
}

}  // namespace
