#include "platform/earlier_versions.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "platform/library_file.h"

namespace {

QByteArray contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

ino_t inodeOf(const QString& path) {
    struct stat st {};
    ::stat(QFile::encodeName(path).constData(), &st);
    return st.st_ino;
}

class EarlierVersionsTest : public ::testing::Test {
  protected:
    void SetUp() override {
        qputenv("GLYPHWRIGHT_DATA_DIR", dir.filePath("data").toLocal8Bit());
        library = dir.filePath("maps/std.sym");
        QDir(dir.path()).mkpath("maps");
    }
    void TearDown() override { qunsetenv("GLYPHWRIGHT_DATA_DIR"); }

    static QByteArray text(int n) {
        return "Veltrax Sym/Ltype File Version 1.0\r\nS Save " + QByteArray::number(n) +
               "\r\nE\r\n";
    }

    // A save as the editor makes it: the file it replaces is kept once it is replaced.
    WriteOutcome save(const QString& path, int n) {
        KeptVersion replaced(path);
        const WriteResult written = replaceFileContents(path, text(n).toStdString());
        if (written.outcome == WriteOutcome::Written) {
            replaced.keep();
        }
        return written.outcome;
    }

    QTemporaryDir dir;
    QString library;
};

// 25 saves keep the 20 files the last 20 saves replaced, newest first, each whole; the first
// save replaced nothing. The versions are the very files replaced (hard links), not copies.
TEST_F(EarlierVersionsTest, EverySaveKeepsTheFileItReplacesUpToTwenty) {
    ASSERT_EQ(save(library, 0), WriteOutcome::Written);
    EXPECT_TRUE(earlierVersions(library).empty());
    for (int n = 1; n <= 25; ++n) {
        const ino_t before = inodeOf(library);
        ASSERT_EQ(save(library, n), WriteOutcome::Written);
        EXPECT_EQ(inodeOf(earlierVersions(library).front().path), before) << n;
    }
    const std::vector<EarlierVersion> versions = earlierVersions(library);
    ASSERT_EQ(versions.size(), size_t(MaxKeptVersions));
    for (int i = 0; i < MaxKeptVersions; ++i) {
        EXPECT_EQ(contents(versions[size_t(i)].path), text(24 - i)) << i;
        EXPECT_EQ(versions[size_t(i)].size, text(24 - i).size());
        EXPECT_FALSE(versions[size_t(i)].path.startsWith(dir.filePath("maps"))) << "never beside";
    }
    EXPECT_EQ(contents(library), text(25));
    EXPECT_EQ(QDir(dir.filePath("maps")).entryList(QDir::Files), QStringList{"std.sym"});
}

TEST_F(EarlierVersionsTest, AFailedSaveKeepsNothingAndNoVersionFailsASave) {
    ASSERT_EQ(save(library, 0), WriteOutcome::Written);
    QFile::setPermissions(library, QFile::ReadOwner);
    EXPECT_EQ(save(library, 1), WriteOutcome::ReadOnly);
    EXPECT_TRUE(earlierVersions(library).empty());
    QFile::setPermissions(library, QFile::ReadOwner | QFile::WriteOwner);

    // A data folder that cannot be made: the save goes on, without a version.
    QFile blocker(dir.filePath("blocked"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    qputenv("GLYPHWRIGHT_DATA_DIR", dir.filePath("blocked/data").toLocal8Bit());
    EXPECT_EQ(save(library, 2), WriteOutcome::Written);
    EXPECT_EQ(contents(library), text(2));
}

TEST_F(EarlierVersionsTest, LibrariesOfOneNameInTwoFoldersAndALinkToOne) {
    const QString other = dir.filePath("other/std.sym");
    QDir(dir.path()).mkpath("other");
    for (int n = 0; n < 2; ++n) {
        save(library, n);
        save(other, 10 + n);
    }
    EXPECT_NE(versionsFolder(library), versionsFolder(other));
    ASSERT_EQ(earlierVersions(other).size(), 1u);
    EXPECT_EQ(contents(earlierVersions(other)[0].path), text(10));

    const QString link = dir.filePath("link.sym");
    ASSERT_TRUE(QFile::link(library, link));
    save(link, 2);
    EXPECT_EQ(earlierVersions(link).size(), 2u) << "the versions of the file it names";
}

}  // namespace
