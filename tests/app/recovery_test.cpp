#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QMouseEvent>
#include <QProcess>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>
#include <functional>

#include "app/recover_work_dialog.h"
#include "edit_form_fixture.h"
#include "modal_script.h"
#include "platform/library_file.h"
#include "platform/recovery_store.h"

// Recovery copies of unsaved work, and what a start after a crash makes of them.
namespace {

using B = QMessageBox;
using C = Command;

constexpr char RestoreQuestion[] =
    "Glyphwright did not close normally. Restore the unsaved "
    "changes to ";
constexpr char ChangedNote[] = "The library file has changed on disk since then.";

// Processes events until `done` holds or `ms` pass; how long it took.
qint64 waitFor(const std::function<bool()>& done, int ms) {
    QElapsedTimer clock;
    clock.start();
    while (!done() && clock.elapsed() < ms) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        QThread::msleep(2);
    }
    return clock.elapsed();
}

void send(QWidget* box, QEvent::Type type, QPoint at, Qt::MouseButton button,
          Qt::MouseButtons held) {
    QMouseEvent event(type, QPointF(at), box->mapToGlobal(QPointF(at)), button, held,
                      Qt::NoModifier);
    QApplication::sendEvent(box, &event);
}

// Draws a line with the Line tool through real mouse events on the drawing area.
void drawLine(TEditForm& form, QPoint from, QPoint to) {
    form.commands().action(C::tbLineBtn)->trigger();
    QWidget* box = form.widgets().symBox;
    for (QPoint at : {from, to}) {
        send(box, QEvent::MouseMove, at, Qt::NoButton, Qt::NoButton);
        send(box, QEvent::MouseButtonPress, at, Qt::LeftButton, Qt::LeftButton);
        send(box, QEvent::MouseButtonRelease, at, Qt::LeftButton, Qt::NoButton);
    }
    form.commands().action(C::tbSelectBtn)->trigger();
}

class RecoveryTest : public EditFormTest {
  protected:
    QDir recoveryDir() const { return QDir(folder_.filePath("data/recovery")); }
    // The copies and records there; lock files are left out.
    QStringList kept() const {
        return recoveryDir().entryList({"*.sym", "*.ltp", "*.record"}, QDir::Files, QDir::Name);
    }
    bool copyKept() const { return !recoveryDir().entryList({"*.record"}, QDir::Files).isEmpty(); }
    RecoveryRecord keptRecord() const {
        const QStringList records = recoveryDir().entryList({"*.record"}, QDir::Files);
        EXPECT_EQ(records.size(), 1);
        QFile file(recoveryDir().filePath(records.value(0)));
        EXPECT_TRUE(file.open(QIODevice::ReadOnly));
        const std::optional<RecoveryRecord> record =
            parseRecoveryRecord(file.readAll().toStdString());
        EXPECT_TRUE(record.has_value());
        return record.value_or(RecoveryRecord{});
    }
    // The window goes as in a crash: never closed, so nothing is tidied up.
    void crash() {
        form_->recovery().waitUntilIdle();
        form_.reset();
    }
    // survey.sym with the line drawn in its second entry, and its recovery copy on disk.
    void editSurveyAndWaitForTheCopy() {
        survey_ = writeFile("survey.sym", ThreeSymbols);
        start(survey_);
        form().widgets().SymbList->setCurrentRow(1);
        drawLine(form(), {50, 50}, {200, 50});
        ASSERT_EQ(form().state().work.workEntityCount, 2);
        waitFor([this] { return copyKept(); }, 5000);
        ASSERT_TRUE(copyKept());
    }

    std::string survey_;
};

TEST_F(RecoveryTest, ACopyFollowsAnEditWithinTwoSecondsAndASaveRemovesIt) {
    survey_ = writeFile("survey.sym", ThreeSymbols);
    start(survey_);
    EXPECT_FALSE(recoveryDir().exists()) << "nothing to keep before an edit";
    drawLine(form(), {50, 50}, {200, 50});
    const qint64 took = waitFor([this] { return copyKept(); }, 5000);
    ASSERT_TRUE(copyKept());
    EXPECT_LE(took, 2000);

    const RecoveryRecord record = keptRecord();
    EXPECT_EQ(record.libraryPath,
              QFileInfo(QString::fromStdString(survey_)).absoluteFilePath().toStdString());
    EXPECT_EQ(record.kind, LibraryKind::Symbol);
    EXPECT_EQ(record.libraryStamp, fileStamp(QString::fromStdString(survey_)));
    EXPECT_EQ(record.currentEntry, 1);
    EXPECT_EQ(record.entryCount, 3);
    EXPECT_EQ(QFile(QString::fromStdString(survey_)).size(), ThreeSymbols.size());

    ModalScript script;
    script.answer(B::No);  // not the host's default library
    action(C::LibMenu_Save)->trigger();
    form().recovery().waitUntilIdle();
    EXPECT_TRUE(kept().isEmpty()) << kept().join(' ').toStdString();
}

// New, Open and closing, each answered No to the save question, drop the changes and the copy.
TEST_F(RecoveryTest, DroppingTheChangesRemovesTheCopy) {
    const std::string other = writeFile("other.sym", ThreeSymbols);
    for (const auto& drop : std::initializer_list<std::function<void(ModalScript&)>>{
             [this](ModalScript& script) {
                 script.answer(B::No);
                 action(C::LibMenu_New)->trigger();
             },
             [this, &other](ModalScript& script) {
                 script.answer(B::No).chooseFile(other);
                 action(C::LibMenu_Open)->trigger();
             },
             [this](ModalScript& script) {
                 script.answer(B::No);
                 form().close();
             },
         }) {
        editSurveyAndWaitForTheCopy();
        ModalScript script;
        drop(script);
        form().recovery().waitUntilIdle();
        EXPECT_TRUE(kept().isEmpty()) << kept().join(' ').toStdString();
    }
}

TEST_F(RecoveryTest, ARestartRestoresTheEditsUnderTheLibrarysOwnName) {
    editSurveyAndWaitForTheCopy();
    const std::string absolute =
        QFileInfo(QString::fromStdString(survey_)).absoluteFilePath().toStdString();
    crash();
    {
        ModalScript script;
        script.answer(B::Yes);
        start(survey_);
        ASSERT_EQ(script.seen().size(), 1u);
        EXPECT_TRUE(script.seen()[0].text.starts_with(RestoreQuestion + absolute + " from "))
            << script.seen()[0].text;
        EXPECT_EQ(script.seen()[0].text.find(ChangedNote), std::string::npos);
        EXPECT_EQ(script.seen()[0].buttons, B::Yes | B::Discard);
    }
    const Library& library = form().state().library;
    EXPECT_EQ(library.libraryFileName, absolute);
    EXPECT_TRUE(library.libraryModified);
    EXPECT_EQ(library.currentEntry, 2);
    EXPECT_EQ(form().widgets().SymbList->currentRow(), 1);
    EXPECT_EQ(form().state().work.workEntityCount, 2);
    EXPECT_EQ(library.entryCount, 3);

    // The next save writes the real file, and the copy goes.
    ModalScript script;
    script.answer(B::No);
    action(C::LibMenu_Save)->trigger();
    form().recovery().waitUntilIdle();
    EXPECT_TRUE(kept().isEmpty()) << kept().join(' ').toStdString();
    Library saved;
    allocateLibrary(saved);
    ASSERT_EQ(readLibraryFile(QString::fromStdString(survey_), saved).outcome, ReadOutcome::Read);
    EXPECT_EQ(countEntities(saved.entities(2)), 2);
}

TEST_F(RecoveryTest, AChangedFileIsNamedInTheQuestionAndDiscardReadsTheFile) {
    editSurveyAndWaitForTheCopy();
    crash();
    writeFile("survey.sym", ThreeSymbols + "S Extra\r\nP    100   100     0    20     1\r\nE\r\n");
    ModalScript script;
    script.answer(B::Discard);
    start(survey_);
    ASSERT_EQ(script.seen().size(), 1u);
    EXPECT_NE(script.seen()[0].text.find(ChangedNote), std::string::npos);
    EXPECT_EQ(form().state().library.entryCount, 4);
    EXPECT_FALSE(form().state().library.libraryModified);
    EXPECT_TRUE(kept().isEmpty()) << kept().join(' ').toStdString();
}

TEST_F(RecoveryTest, AnUnreadableCopyIsKeptAsideAndReported) {
    survey_ = writeFile("survey.sym", ThreeSymbols);
    recoveryDir().mkpath(".");
    writeFile("data/recovery/lost.record", "Glyphwright recovery record 1\nkind=sym");
    writeFile("data/recovery/lost.sym", ThreeSymbols);
    ModalScript script;
    script.answer(B::Ok);
    start(survey_);
    ASSERT_EQ(script.seen().size(), 1u);
    const std::string aside = folder_.filePath("data/recovery/unreadable/lost.sym").toStdString();
    EXPECT_EQ(script.seen()[0].text, "A recovery copy could not be read. It was kept as " + aside);
    EXPECT_TRUE(QFile::exists(QString::fromStdString(aside)));
    EXPECT_TRUE(QFile::exists(folder_.filePath("data/recovery/unreadable/lost.record")));
    EXPECT_TRUE(kept().isEmpty());
    EXPECT_EQ(form().state().library.entryCount, 3) << "the library is read as always";
}

TEST_F(RecoveryTest, TheListOffersTheCopiesOfOtherLibraries) {
    editSurveyAndWaitForTheCopy();
    crash();
    start(writeFile("other.sym", ThreeSymbols.left(ThreeSymbols.indexOf("S Well"))));
    ASSERT_EQ(form().state().library.entryCount, 1) << "no question for another library";
    QStringList rows;
    QTimer::singleShot(50, [&rows] {
        auto* dialog = qobject_cast<RecoverWorkDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        auto* list = dialog->findChild<QTreeWidget*>("RecoveryList");
        for (int i = 0; i < list->topLevelItemCount(); ++i) {
            QTreeWidgetItem* row = list->topLevelItem(i);
            rows.append(row->text(0) + "|" + row->text(2));
        }
        dialog->accept();
    });
    form().findChild<QAction*>("LibMenu_Recover")->trigger();
    const QString absolute = QFileInfo(QString::fromStdString(survey_)).absoluteFilePath();
    EXPECT_EQ(rows, QStringList{absolute + "|3"});
    EXPECT_EQ(form().state().library.libraryFileName, absolute.toStdString());
    EXPECT_EQ(form().state().library.entryCount, 3);
    EXPECT_EQ(form().state().work.workEntityCount, 2);
    EXPECT_TRUE(form().state().library.libraryModified);
}

// The editor as a process of its own, killed with SIGKILL after an edit; see the test below.
TEST(RecoveryChild, DISABLED_EditsThenWaitsToBeKilled) {
    StringTable strings;
    PrivateClipboard clipboard;
    EditFormOptions options;
    options.argument = qEnvironmentVariable("GLYPHWRIGHT_KILL_TEST_LIBRARY").toStdString();
    TEditForm form(std::move(options), strings, clipboard);
    form.show();
    form.Form_Load();
    form.widgets().SymbList->setCurrentRow(1);
    drawLine(form, {50, 50}, {200, 50});
    waitFor([] { return false; }, 60000);
}

TEST_F(RecoveryTest, AnEditorKilledAfterAnEditIsOfferedAndRestoredOnRestart) {
    survey_ = writeFile("survey.sym", ThreeSymbols);
    QProcess editor;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("QT_QPA_PLATFORM", "offscreen");
    environment.insert("GLYPHWRIGHT_DATA_DIR", folder_.filePath("data"));
    environment.insert("GLYPHWRIGHT_KILL_TEST_LIBRARY", QString::fromStdString(survey_));
    editor.setProcessEnvironment(environment);
    editor.start(QCoreApplication::applicationFilePath(),
                 {"--gtest_also_run_disabled_tests",
                  "--gtest_filter=RecoveryChild.DISABLED_EditsThenWaitsToBeKilled"});
    ASSERT_TRUE(editor.waitForStarted());
    waitFor([this] { return copyKept(); }, 30000);
    editor.kill();  // SIGKILL
    ASSERT_TRUE(editor.waitForFinished());
    ASSERT_TRUE(copyKept());

    ModalScript script;
    script.answer(B::Yes);
    start(survey_);
    ASSERT_EQ(script.seen().size(), 1u);
    EXPECT_TRUE(script.seen()[0].text.starts_with(RestoreQuestion)) << script.seen()[0].text;
    EXPECT_EQ(form().state().library.currentEntry, 2);
    EXPECT_EQ(form().state().work.workEntityCount, 2);
    EXPECT_TRUE(form().state().library.libraryModified);
}

}  // namespace
