#ifdef GLYPH_HAVE_XCB

#include <gtest/gtest.h>
#include <spawn.h>
#include <sys/wait.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>
#include <string>

#include "app/edit_form.h"
#include "edit_form_fixture.h"
#include "platform/qt_text_clipboard.h"
#include "support/xvfb_server.h"

extern char** environ;

namespace {

// Two running editors on one X server: the first copies its current entry, the second pastes
// it into a library of its own, each through its own window and the real clipboard. The two
// editors are this test program started again, running only the role below.
constexpr const char* RoleVariable = "GLYPH_ENTRY_COPY_ROLE";
constexpr const char* FileVariable = "GLYPH_ENTRY_COPY_FILE";

// The pasting editor's library: one entry whose name is not "Well".
const QByteArray OneSymbol =
    "Veltrax Sym/Ltype File Version 1.0\r\n"
    "S Gate\r\n"
    "P    100   100     0    20     1\r\n"
    "L      4    10    10   190   190\r\n"
    "E\r\n";

pid_t startEditor(const std::string& display, const char* role, const std::string& file) {
    const std::string self = "/proc/self/exe";
    std::string filter = "--gtest_filter=EntryCopyRole.DISABLED_Run";
    std::string disabled = "--gtest_also_run_disabled_tests";
    char* args[] = {const_cast<char*>(self.c_str()), filter.data(), disabled.data(), nullptr};
    ::setenv("DISPLAY", display.c_str(), 1);
    ::setenv("QT_QPA_PLATFORM", "xcb", 1);
    ::setenv(RoleVariable, role, 1);
    ::setenv(FileVariable, file.c_str(), 1);
    pid_t pid = 0;
    const int started = posix_spawn(&pid, self.c_str(), nullptr, nullptr, args, environ);
    ::unsetenv(RoleVariable);
    ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
    return started == 0 ? pid : 0;
}

bool waitForFile(const QString& path, int seconds) {
    QElapsedTimer timer;
    timer.start();
    while (!QFile::exists(path)) {
        if (timer.elapsed() > seconds * 1000) {
            return false;
        }
        QThread::msleep(50);
    }
    return true;
}

TEST(EntryCopyBetweenEditors, AnEntryCopiedInOneRunningEditorIsPastedInAnother) {
    XvfbServer server;
    if (server.display().empty()) {
        GTEST_SKIP() << "Xvfb could not be started";
    }
    QTemporaryDir folder;
    QFile three(folder.filePath("three.sym"));
    ASSERT_TRUE(three.open(QIODevice::WriteOnly));
    three.write(ThreeSymbols);
    three.close();
    QFile one(folder.filePath("one.sym"));
    ASSERT_TRUE(one.open(QIODevice::WriteOnly));
    one.write(OneSymbol);
    one.close();
    // The window system's session bus library keeps a buffer to the end of a real X client;
    // in a sanitizer build that is no leak of the editor's.
    QFile suppressions(folder.filePath("leaks.supp"));
    ASSERT_TRUE(suppressions.open(QIODevice::WriteOnly));
    suppressions.write("leak:libdbus-1.so\n");
    suppressions.close();
    ::setenv("LSAN_OPTIONS", ("suppressions=" + suppressions.fileName()).toLocal8Bit().constData(),
             1);

    const pid_t copier = startEditor(server.display(), "copy", three.fileName().toStdString());
    ASSERT_GT(copier, 0);
    const bool copied = waitForFile(three.fileName() + ".copied", 60);
    int status = -1;
    if (copied) {
        const pid_t paster = startEditor(server.display(), "paste", one.fileName().toStdString());
        ASSERT_GT(paster, 0);
        ::waitpid(paster, &status, 0);
    }
    ::kill(copier, SIGTERM);
    ::waitpid(copier, nullptr, 0);
    ASSERT_TRUE(copied) << "the copying editor did not start";
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "the pasting editor failed";
}

// One of the two editors, when the test above starts this program for it.
TEST(EntryCopyRole, DISABLED_Run) {
    const char* role = std::getenv(RoleVariable);
    const char* file = std::getenv(FileVariable);
    ASSERT_TRUE(role != nullptr && file != nullptr);
    StringTable strings;
    QtTextClipboard clipboard;
    EditFormOptions options;
    options.argument = file;
    TEditForm form(std::move(options), strings, clipboard);
    form.show();
    form.Form_Load();
    if (std::string(role) == "copy") {
        form.widgets().SymbList->setCurrentRow(1);  // Well
        form.commands().action(Command::EntryMenu_CopyEntry)->trigger();
        QFile(QString(file) + ".copied").open(QIODevice::WriteOnly);
        // Owns the clipboard until the test ends it.
        QTimer::singleShot(60000, qApp, &QCoreApplication::quit);
        QCoreApplication::exec();
        return;
    }
    form.commands().action(Command::EntryMenu_PasteEntry)->trigger();
    const Library& library = form.state().library;
    ASSERT_EQ(library.entryCount, 2);
    EXPECT_EQ(library.entry(2).name.view(), "Well");
    EXPECT_EQ(library.currentEntry, 2);
    EXPECT_TRUE(library.libraryModified);
    const Entity& line = library.entities(2)[0];
    EXPECT_EQ(line.colour, 1);
    EXPECT_EQ(line.x1, 125);  // file 80 is display 125
    EXPECT_EQ(line.y1, 185);
    EXPECT_EQ(line.x2, 185);
    EXPECT_EQ(line.y2, 125);
    EXPECT_FALSE(library.entities(2)[1].inUse());
    EXPECT_EQ(form.widgets().SymbList->item(1)->text().toStdString(), "Well");
}

}  // namespace

#endif
