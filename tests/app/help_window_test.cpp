#include "app/help_window.h"

#include <gtest/gtest.h>

#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QObject>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

#include "edit_form_fixture.h"
#include "modal_script.h"
#include "platform/help_book.h"

namespace {

// Keeps the program's settings, where the window's size goes, in a folder of the test's own.
class HelpWindowTest : public ::testing::Test {
  protected:
    HelpWindowTest() {
        qputenv("GLYPHWRIGHT_PROGRAM_SETTINGS", settings.filePath("program.ini").toLocal8Bit());
    }
    QTemporaryDir settings;
};

// Stands in for the desktop's browser.
class BrowserStandIn : public QObject {
    Q_OBJECT
  public:
    BrowserStandIn() { QDesktopServices::setUrlHandler("file", this, "open"); }
    ~BrowserStandIn() override { QDesktopServices::unsetUrlHandler("file"); }
    QList<QUrl> opened;
  public slots:
    void open(const QUrl& url) { opened.append(url); }
};

TEST_F(HelpWindowTest, ShowsTopicsFollowsLinksGoesBackAndFindsWithoutABrowser) {
    BrowserStandIn desktop;
    const StringTable strings;
    HelpWindow help(strings, {InstalledHelpBook});
    help.showTopic(helpTopic(4002));
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&help));
    EXPECT_EQ(help.browser->source(), QUrl("entries.html#c4002"));
    EXPECT_TRUE(help.browser->toPlainText().contains("Settings"));
    // Scrolled to the anchor, which lies below the page's first screen.
    EXPECT_GT(help.browser->verticalScrollBar()->value(), 0);

    help.browser->setSource(QUrl("drawing.html#c1502"));
    EXPECT_TRUE(help.browser->toPlainText().contains("arc"));
    ASSERT_TRUE(help.backButton->isEnabled());
    help.backButton->click();
    EXPECT_EQ(help.browser->source(), QUrl("entries.html#c4002"));
    ASSERT_TRUE(help.forwardButton->isEnabled());
    help.forwardButton->click();
    EXPECT_EQ(help.browser->source(), QUrl("drawing.html#c1502"));
    help.homeButton->click();
    EXPECT_EQ(help.browser->source(), QUrl(HelpContentsPage));

    // Found from the cursor on, and again from the top once the end is passed.
    ASSERT_TRUE(help.findText("glyphwright"));
    const int first = help.browser->textCursor().position();
    EXPECT_EQ(help.browser->textCursor().selectedText().toLower(), "glyphwright");
    while (help.findText("glyphwright") && help.browser->textCursor().position() != first) {
    }
    EXPECT_EQ(help.browser->textCursor().position(), first);
    EXPECT_FALSE(help.findText("no such words on this page"));
    EXPECT_EQ(help.browser->textCursor().position(), first);
    EXPECT_TRUE(desktop.opened.isEmpty());

    // The one way out to the desktop's browser: the link, with the page's file and anchor.
    help.browser->setSource(QUrl("entries.html#c4001"));
    emit help.browserLink->linkActivated("page");
    ASSERT_EQ(desktop.opened.size(), 1);
    EXPECT_EQ(desktop.opened[0].toLocalFile(), QDir(InstalledHelpBook).filePath("entries.html"));
    EXPECT_EQ(desktop.opened[0].fragment(), "c4001");
}

TEST_F(HelpWindowTest, TranslatedPagesComeFirstAndMissingOnesStayEnglish) {
    QTemporaryDir dir;
    QDir().mkpath(dir.filePath("help_de"));
    QFile page(dir.filePath("help_de/index.html"));
    ASSERT_TRUE(page.open(QIODevice::WriteOnly));
    page.write("<p>Inhalt</p><p><a href=\"drawing.html#c1501\">Zeichnen</a></p>");
    page.close();
    const StringTable strings;
    HelpWindow help(strings, {dir.filePath("help_de"), InstalledHelpBook});
    help.showTopic(HelpContentsPage);
    EXPECT_TRUE(help.browser->toPlainText().contains("Inhalt"));
    EXPECT_EQ(help.pageUrl().toLocalFile(), QDir(dir.filePath("help_de")).filePath("index.html"));
    help.browser->setSource(QUrl("drawing.html#c1501"));
    EXPECT_TRUE(help.browser->toPlainText().contains("line"));
    EXPECT_EQ(help.pageUrl().toLocalFile(), QDir(InstalledHelpBook).filePath("drawing.html"));
}

TEST_F(HelpWindowTest, SaysWhereItLookedForAMissingBook) {
    const StringTable strings;
    HelpWindow help(strings, {"/nonexistent/help"});
    help.showTopic(helpTopic(1));
    EXPECT_TRUE(help.isVisible());
    EXPECT_TRUE(help.browser->toPlainText().contains("/nonexistent/help"));
}

TEST_F(HelpWindowTest, KeepsItsSizeForTheNextRun) {
    const StringTable strings;
    {
        HelpWindow help(strings, {InstalledHelpBook});
        help.showTopic(HelpContentsPage);
        help.resize(520, 430);
        help.close();
    }
    HelpWindow next(strings, {InstalledHelpBook});
    EXPECT_EQ(next.size(), QSize(520, 430));

    QFile file(settings.filePath("program.ini"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("[HelpWindow]\nWidth=-3\nHeight=99999999999\n");
    file.close();
    EXPECT_EQ(HelpWindow(strings, {InstalledHelpBook}).size(), QSize(680, 600));
}

// The window's help, F1 included, and the entry dialogs' help open the help window at their
// pages; while a dialog is open the window belongs to it, so that it takes input beside it.
TEST_F(EditFormTest, HelpOpensInTheHelpWindowAtEachContext) {
    BrowserStandIn desktop;
    recordHelp_ = false;
    TEditForm& f = start(writeFile("three.sym", ThreeSymbols));
    f.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&f));
    QTest::keyClick(&f, Qt::Key_F1);
    HelpWindow& help = f.helpWindow();
    EXPECT_TRUE(help.isVisible());
    EXPECT_EQ(help.browser->source(), QUrl(HelpContentsPage));
    EXPECT_EQ(help.parentWidget(), &f);

    QUrl shownFromDialog;
    QWidget* ownerFromDialog = nullptr;
    ModalScript script;
    script.entry([&](EntryDialog& dialog) {
        QTest::keyClick(&dialog, Qt::Key_F1);
        shownFromDialog = f.helpWindow().browser->source();
        ownerFromDialog = f.helpWindow().parentWidget();
        dialog.CancelBtn->click();
    });
    action(Command::SymbolMenu_Settings)->trigger();
    EXPECT_EQ(shownFromDialog, QUrl("entries.html#c4004"));
    EXPECT_EQ(ownerFromDialog, &f.entryDialog());
    EXPECT_TRUE(desktop.opened.isEmpty());
}

}  // namespace

#include "help_window_test.moc"
