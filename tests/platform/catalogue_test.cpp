#include "platform/catalogue.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QGuiApplication>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <memory>

#include "platform/string_table.h"
#include "support/entities.h"

namespace {

// Fonts need an application of the GUI kind.
class CatalogueTest : public ::testing::Test {
  protected:
    void SetUp() override {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
            qputenv("QT_QPA_PLATFORM", "offscreen");
        }
        application = std::make_unique<QGuiApplication>(argc, argv);
        allocateLibrary(*library);
    }
    void TearDown() override { releaseLibrary(*library); }

    // Entries 1..count, each a line and an arc.
    void fill(int count, LibraryKind kind) {
        library->libraryKind = kind;
        library->entryCount = count;
        for (int n = 1; n <= count; ++n) {
            library->entry(n).name.assign("Entry " + std::to_string(n));
            library->entry(n).useColours = 1;
            library->entities(n)[0] = lineEntity({5, 155}, {305, 155}, n % 16 + 1);
            library->entities(n)[1] = arcEntity({125, 155}, {185, 155}, {155, 155}, 1);
        }
    }

    QByteArray write(const QString& name, int columns) {
        const QString path = folder.filePath(name);
        QString error;
        EXPECT_TRUE(
            writeCatalogue(path, *library, QStringLiteral("test.sym"), columns, strings, error))
            << error.toStdString();
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::ReadOnly));
        return file.readAll();
    }

    static int pageCount(const QByteArray& pdf) {
        const auto pages = QString::fromLatin1(pdf).count(QRegularExpression("/Type /Page\\b"));
        EXPECT_TRUE(pdf.contains("/Count " + QByteArray::number(pages)));
        return pages;
    }

    int argc = 1;
    char program[8] = "tests";
    char* argv[2] = {program, nullptr};
    std::unique_ptr<QGuiApplication> application;
    std::unique_ptr<Library> library = std::make_unique<Library>();
    StringTable strings;
    QTemporaryDir folder;
};

// An A4 page holds four rows of four entries, line types with their pattern along a line too;
// in three columns the pictures grow and three rows of symbols fit.
TEST_F(CatalogueTest, PdfPagesHoldWholeRowsAndEveryPageAtLeastItsHeading) {
    fill(0, LibraryKind::Symbol);
    EXPECT_EQ(pageCount(write("empty.pdf", 4)), 1);
    fill(16, LibraryKind::Symbol);
    EXPECT_EQ(pageCount(write("full.pdf", 4)), 1);
    fill(17, LibraryKind::Symbol);
    EXPECT_EQ(pageCount(write("one-more.pdf", 4)), 2);
    fill(MaxEntries, LibraryKind::Symbol);
    EXPECT_EQ(pageCount(write("largest.pdf", 4)), 32);
    fill(17, LibraryKind::LineType);
    EXPECT_EQ(pageCount(write("lines.pdf", 4)), 2);
    fill(9, LibraryKind::Symbol);
    EXPECT_EQ(pageCount(write("three.pdf", 3)), 1);
    fill(10, LibraryKind::Symbol);
    EXPECT_EQ(pageCount(write("three-more.pdf", 3)), 2);
}

TEST_F(CatalogueTest, HtmlShowsEveryEntryWithItsDrawingAndLineTypesAlongALine) {
    fill(5, LibraryKind::LineType);
    const QByteArray page = write("lines.html", 3);
    EXPECT_EQ(page.count("<figure>"), 5);
    EXPECT_EQ(page.count("<svg "), 10);
    EXPECT_TRUE(page.contains("5  Entry 5</figcaption>"));
    EXPECT_TRUE(page.contains("repeat(3,1fr)"));
}

TEST_F(CatalogueTest, AFileThatCannotBeWrittenIsReported) {
    fill(1, LibraryKind::Symbol);
    QString error;
    EXPECT_FALSE(writeCatalogue(folder.filePath("no/such/folder/x.pdf"), *library,
                                QStringLiteral("x"), 4, strings, error));
    EXPECT_FALSE(error.isEmpty());
}

}  // namespace
