#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDesktopServices>
#include <QObject>
#include <QUrl>

#include "platform/help_book.h"

namespace {

// Stands in for the desktop's browser.
class BrowserStandIn : public QObject {
    Q_OBJECT
  public:
    QList<QUrl> opened;
  public slots:
    void open(const QUrl& url) { opened.append(url); }
};

TEST(HelpOpening, OpensTheContentsAndTheTopicsInTheBookBesideTheProgram) {
    BrowserStandIn browser;
    QDesktopServices::setUrlHandler("file", &browser, "open");
    EXPECT_TRUE(openHelpContents());
    EXPECT_TRUE(openHelpContext(4002));
    EXPECT_TRUE(openHelpContext(12345));
    QDesktopServices::unsetUrlHandler("file");

    ASSERT_EQ(browser.opened.size(), 3);
    EXPECT_EQ(browser.opened[0], helpContentsUrl(helpBookFolder()));
    EXPECT_EQ(browser.opened[1], helpUrl(helpBookFolder(), 4002));
    EXPECT_EQ(browser.opened[1].fragment(), "c4002");
    EXPECT_EQ(browser.opened[2], browser.opened[0]);
    EXPECT_TRUE(helpBookFolder().endsWith("/help"));
    EXPECT_TRUE(browser.opened[0].toLocalFile().startsWith(QCoreApplication::applicationDirPath()));
}

}  // namespace

#include "help_open_test.moc"
