#ifdef GLYPH_HAVE_XCB

#include "platform/qt_text_clipboard.h"

#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QTimer>
#include <cstdlib>
#include <string>

#include "editing/clipboard.h"
#include "support/xvfb_server.h"

namespace {

// What one running editor copies: entity lines with their CR LF and a name in UTF-8.
const std::string Copied =
    "GlyEd data\r\n155,80,155,230,1,1,155.0000,155.0000,1\r\n20,20,200,20,3,0,0.0000,0.0000,0\r\n"
    "Caf\xc3\xa9";

// Points the application made next at the X server.
struct DisplayChoice {
    explicit DisplayChoice(const std::string& display) { ::setenv("DISPLAY", display.c_str(), 1); }
};

// An application on the X server, whatever platform the test run asks for.
class XcbApplication : DisplayChoice {
  public:
    explicit XcbApplication(const std::string& display) : DisplayChoice(display) {}
    QGuiApplication& get() { return app_; }

  private:
    int argc_ = 3;
    char name_[8] = "editor";
    char option_[10] = "-platform";
    char platform_[4] = "xcb";
    char* argv_[4] = {name_, option_, platform_, nullptr};
    QGuiApplication app_{argc_, argv_};
};

// The copying editor, in a process of its own: it owns the clipboard until it is ended (and
// never outlives the test by more than a few seconds).
pid_t startCopier(const std::string& display, int readyFd) {
    const pid_t pid = ::fork();
    if (pid != 0) {
        return pid;
    }
    XcbApplication app(display);
    QtTextClipboard clipboard;
    clipboard.setText(Copied);
    const char ready = '1';
    if (::write(readyFd, &ready, 1) != 1) {
        ::_exit(1);
    }
    QTimer::singleShot(15000, &app.get(), &QCoreApplication::quit);
    app.get().exec();
    ::_exit(0);
}

TEST(QtTextClipboardOnX11, TextCopiedInOneProcessIsReadUnchangedInAnother) {
    XvfbServer server;
    if (server.display().empty()) {
        GTEST_SKIP() << "Xvfb could not be started";
    }
    int fds[2];
    ASSERT_EQ(::pipe(fds), 0);
    const pid_t copier = startCopier(server.display(), fds[1]);
    ::close(fds[1]);
    ASSERT_GT(copier, 0);
    pollfd wait{fds[0], POLLIN, 0};
    char ready = 0;
    const bool copied = ::poll(&wait, 1, 10000) > 0 && ::read(fds[0], &ready, 1) == 1;
    ::close(fds[0]);

    if (copied) {
        XcbApplication app(server.display());
        const QtTextClipboard clipboard;
        EXPECT_EQ(clipboard.text(), Copied);
        EXPECT_TRUE(clipboardHasEntities(clipboard));
    }
    ::kill(copier, SIGTERM);
    ::waitpid(copier, nullptr, 0);
    EXPECT_TRUE(copied);
}

}  // namespace

#endif
