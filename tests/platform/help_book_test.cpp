#include "platform/help_book.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QSet>

namespace {

// The context numbers of the main window, its menus and the entry dialogs.
constexpr int programContexts[] = {1,    501,  502,  503,  504,  505,  1001, 1002, 1003,
                                   1004, 1005, 1006, 1007, 1008, 1501, 1502, 1503, 2001,
                                   2002, 2003, 2004, 2502, 2503, 2504, 3003, 3004, 3501,
                                   3502, 3503, 3504, 3505, 3506, 4001, 4002, 4003, 4004};

const QString sourceBook = QStringLiteral(GLYPH_SOURCE_DIR "/resources/help");
const QString installedBook = QStringLiteral(GLYPH_BINARY_DIR "/bin/help");

QString readPage(const QString& book, const QString& page) {
    QFile file(QDir(book).filePath(page));
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

QSet<QString> idsOf(const QString& html) {
    QSet<QString> ids;
    static const QRegularExpression id(QStringLiteral(R"re(\bid="([^"]+)")re"));
    for (const auto& match : id.globalMatch(html)) {
        ids.insert(match.captured(1));
    }
    return ids;
}

TEST(HelpBook, EveryContextOfTheProgramHasATopicWhoseAnchorExists) {
    for (int context : programContexts) {
        const QString topic = helpTopic(context);
        ASSERT_NE(topic, HelpContentsPage) << context;
        const QString page = topic.section('#', 0, 0);
        const QString anchor = topic.section('#', 1);
        EXPECT_EQ(anchor, QStringLiteral("c%1").arg(context));
        EXPECT_TRUE(idsOf(readPage(sourceBook, page)).contains(anchor))
            << topic.toStdString() << " has no such anchor";
    }
    EXPECT_EQ(helpContexts(),
              std::vector<int>(std::begin(programContexts), std::end(programContexts)));
}

TEST(HelpBook, ANumberWithoutATopicOpensTheContents) {
    for (int context : {0, -1, 2, 4000, 4005, 99999}) {
        EXPECT_EQ(helpTopic(context), HelpContentsPage) << context;
    }
}

TEST(HelpBook, EveryLinkWithinTheBookLeadsToAnExistingPageAndAnchor) {
    const QStringList pages = QDir(sourceBook).entryList({"*.html"}, QDir::Files);
    ASSERT_TRUE(pages.contains(HelpContentsPage));
    static const QRegularExpression href(QStringLiteral(R"re(\bhref="([^"]+)")re"));
    int links = 0;
    for (const QString& page : pages) {
        const QString html = readPage(sourceBook, page);
        EXPECT_TRUE(html.contains("<meta charset=\"utf-8\">")) << page.toStdString();
        EXPECT_EQ(idsOf(html).size(), html.count(QStringLiteral(" id=\"")))
            << "repeated id in " << page.toStdString();
        for (const auto& match : href.globalMatch(html)) {
            const QString target = match.captured(1);
            const QString file = target.section('#', 0, 0);
            const QString anchor = target.section('#', 1);
            const QString targetPage = file.isEmpty() ? page : file;
            const QString targetHtml = readPage(sourceBook, targetPage);
            EXPECT_FALSE(targetHtml.isEmpty())
                << page.toStdString() << " -> " << target.toStdString();
            if (!anchor.isEmpty()) {
                EXPECT_TRUE(idsOf(targetHtml).contains(anchor))
                    << page.toStdString() << " -> " << target.toStdString();
            }
            ++links;
        }
    }
    EXPECT_GT(links, 40);
}

TEST(HelpBook, IsInstalledBesideThePrograms) {
    const QStringList pages = QDir(sourceBook).entryList(QDir::Files);
    ASSERT_GE(pages.size(), 9);
    for (const QString& page : pages) {
        EXPECT_EQ(readPage(installedBook, page), readPage(sourceBook, page)) << page.toStdString();
    }
}

TEST(HelpBook, UrlsPointIntoTheBookFolder) {
    const QUrl dialog = helpUrl("/opt/glyphwright/help", 4003);
    EXPECT_TRUE(dialog.isLocalFile());
    EXPECT_EQ(dialog.toLocalFile(), "/opt/glyphwright/help/entries.html");
    EXPECT_EQ(dialog.fragment(), "c4003");
    const QUrl contents = helpContentsUrl("/opt/glyphwright/help");
    EXPECT_EQ(contents.toLocalFile(), "/opt/glyphwright/help/index.html");
    EXPECT_FALSE(contents.hasFragment());
    EXPECT_EQ(helpUrl("/opt/glyphwright/help", 77), contents);
    // Folders with blanks and non-ASCII letters survive the way into a URL and back.
    EXPECT_EQ(helpUrl("/home/jörg/my help", 1).toLocalFile(), "/home/jörg/my help/window.html");
}

}  // namespace
