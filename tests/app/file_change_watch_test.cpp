#include "platform/file_change_watch.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

void putFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    ASSERT_EQ(file.write(bytes), bytes.size());
}

class FileChangeWatchTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        putFile(file, "first");
        watch.watch(file);
    }
    // Lets the watcher's signals arrive; true as soon as the change is seen.
    bool seenSoon() {
        return QTest::qWaitFor([&] { return watch.changedSinceKnown(); }, 2000);
    }

    QTemporaryDir dir;
    const QString file = dir.filePath("lib.sym");
    FileChangeWatch watch;
};

TEST_F(FileChangeWatchTest, TheEditorsOwnSaveAndItsNeighboursDoNotCount) {
    putFile(file, "saved by the editor");
    watch.watch(file);  // what the editor does after its save
    putFile(dir.filePath("other.sym"), "x");
    QTest::qWait(300);
    EXPECT_FALSE(watch.changedSinceKnown());
}

TEST_F(FileChangeWatchTest, ARewriteInPlaceIsSeenUntilAccepted) {
    putFile(file, "written by another program");
    EXPECT_TRUE(seenSoon());
    watch.acceptDiskState();
    EXPECT_FALSE(watch.changedSinceKnown());
    putFile(file, "and once more, longer");
    EXPECT_TRUE(seenSoon());
}

TEST_F(FileChangeWatchTest, AReplacementByRenameIsSeenAndFollowedAfterwards) {
    const QString other = dir.filePath("lib.sym.new");
    putFile(other, "replaced");
    ASSERT_EQ(::rename(QFile::encodeName(other).constData(), QFile::encodeName(file).constData()),
              0);
    EXPECT_TRUE(seenSoon());
    watch.acceptDiskState();
    putFile(file, "then changed in place");
    EXPECT_TRUE(seenSoon());
}

TEST_F(FileChangeWatchTest, ARemovedFileCountsAsChanged) {
    ASSERT_TRUE(QFile::remove(file));
    EXPECT_TRUE(seenSoon());
}

TEST_F(FileChangeWatchTest, NothingIsSeenOnceStopped) {
    watch.stop();
    putFile(file, "changed after the library was closed");
    QTest::qWait(300);
    EXPECT_FALSE(watch.changedSinceKnown());
}

}  // namespace
