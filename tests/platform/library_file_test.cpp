#include "platform/library_file.h"

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <csignal>
#include <functional>

#include "model/library_writer.h"

namespace {

const QByteArray OldText = "Veltrax Sym/Ltype File Version 1.0\r\nS Old\r\nE\r\n";

QByteArray contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

void putFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_EQ(file.write(bytes), bytes.size());
}

mode_t modeOf(const QString& path) {
    struct stat st {};
    ::stat(QFile::encodeName(path).constData(), &st);
    return st.st_mode & 07777;
}

class LibraryFileTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        allocateLibrary(library);
        library.entryCount = 1;
        library.entry(1).name.assign("Tree");
        library.entry(1).originX = library.entry(1).originY = 155;
        Entity& e = library.entities(1)[0];
        e.x1 = e.y1 = 20;
        e.x2 = e.y2 = 50;
    }
    QString path(const QString& name) const { return dir.filePath(name); }
    QStringList folderEntries() const {
        return QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
    }
    // Runs `body` in a child process and returns its exit status; the child may change its
    // identity or limits without touching this process.
    static int inChild(const std::function<int()>& body) {
        const pid_t pid = ::fork();
        if (pid == 0) {
            ::_exit(body());
        }
        int status = 0;
        ::waitpid(pid, &status, 0);
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }

    QTemporaryDir dir;
    Library library;
};

TEST_F(LibraryFileTest, WrittenFileHoldsTheCodecTextAndReadsBack) {
    const QString file = path("lib.sym");
    const WriteResult written = writeLibraryFile(file, library);
    ASSERT_EQ(written.outcome, WriteOutcome::Written) << written.detail.toStdString();
    const std::string expected = writeLibraryText(library);
    EXPECT_EQ(contents(file).toStdString(), expected);
    EXPECT_EQ(folderEntries(), QStringList{"lib.sym"});  // no temporary file left

    Library again;
    allocateLibrary(again);
    const ReadResult read = readLibraryFile(file, again);
    EXPECT_EQ(read.outcome, ReadOutcome::Read);
    EXPECT_EQ(writeLibraryText(again), expected);
}

TEST_F(LibraryFileTest, MissingFilesAndFoldersAreNotFound) {
    EXPECT_EQ(readLibraryFile(path("none.sym"), library).outcome, ReadOutcome::NotFound);
    EXPECT_EQ(readLibraryFile(dir.path(), library).outcome, ReadOutcome::NotFound);
}

TEST_F(LibraryFileTest, OversizedFilesAreInvalidAndLeaveAnEmptyLibrary) {
    const QString big = path("big.sym");
    putFile(big, OldText);
    QFile(big).resize(MaxLibraryFileSize + 1);  // sparse: no disk space used
    EXPECT_EQ(readLibraryFile(big, library).outcome, ReadOutcome::InvalidFormat);
    EXPECT_EQ(library.entryCount, 0);
    EXPECT_EQ(countEntities(library.entities(1)), 0);
}

TEST_F(LibraryFileTest, ReplacingKeepsThePermissionBits) {
    const QString file = path("kept.sym");
    putFile(file, OldText);
    ASSERT_EQ(::chmod(QFile::encodeName(file).constData(), 0640), 0);
    ASSERT_EQ(writeLibraryFile(file, library).outcome, WriteOutcome::Written);
    EXPECT_EQ(modeOf(file), 0640u);

    const mode_t mask = ::umask(022);
    ::umask(mask);
    const QString fresh = path("fresh.sym");
    ASSERT_EQ(writeLibraryFile(fresh, library).outcome, WriteOutcome::Written);
    EXPECT_EQ(modeOf(fresh), 0666u & ~mask);
}

TEST_F(LibraryFileTest, ALinkedLibraryIsWrittenToTheLinksTarget) {
    const QString target = path("real.sym");
    const QString link = path("link.sym");
    putFile(target, OldText);
    ASSERT_TRUE(QFile::link(target, link));
    ASSERT_EQ(writeLibraryFile(link, library).outcome, WriteOutcome::Written);
    EXPECT_TRUE(QFileInfo(link).isSymLink());
    EXPECT_EQ(contents(target).toStdString(), writeLibraryText(library));
}

TEST_F(LibraryFileTest, AReadOnlyFileIsNotReplaced) {
    const QString file = path("locked.sym");
    putFile(file, OldText);
    ASSERT_EQ(::chmod(QFile::encodeName(file).constData(), 0444), 0);
    EXPECT_EQ(writeLibraryFile(file, library).outcome, WriteOutcome::ReadOnly);
    EXPECT_EQ(contents(file), OldText);
}

// Root may write anywhere, so the writing runs in a child that gives up root first.
TEST_F(LibraryFileTest, AFolderThatIsNotWritableLeavesTheOldFileByteForByte) {
    const QString file = path("shared.sym");
    putFile(file, OldText);
    ASSERT_EQ(::chmod(QFile::encodeName(file).constData(), 0666), 0);
    ASSERT_EQ(::chmod(QFile::encodeName(dir.path()).constData(), 0555), 0);
    const int status = inChild([&] {
        if (::geteuid() == 0 && (::setgid(65534) != 0 || ::setuid(65534) != 0)) {
            return 10;
        }
        return static_cast<int>(writeLibraryFile(file, library).outcome);
    });
    ::chmod(QFile::encodeName(dir.path()).constData(), 0700);
    EXPECT_EQ(status, static_cast<int>(WriteOutcome::CannotCreate));
    EXPECT_EQ(contents(file), OldText);
    EXPECT_EQ(folderEntries(), QStringList{"shared.sym"});
}

TEST_F(LibraryFileTest, AWriteThatFailsPartWayLeavesTheOldFileByteForByte) {
    const QString file = path("full.sym");
    putFile(file, OldText);
    for (int n = 2; n <= MaxEntries; ++n) {
        library.entities(n) = library.entities(1);
    }
    library.entryCount = MaxEntries;  // about 40 kB, far over the limit below
    const int status = inChild([&] {
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{4096, 4096};
        ::setrlimit(RLIMIT_FSIZE, &limit);
        return static_cast<int>(writeLibraryFile(file, library).outcome);
    });
    EXPECT_EQ(status, static_cast<int>(WriteOutcome::WriteFailed));
    EXPECT_EQ(contents(file), OldText);
    EXPECT_EQ(folderEntries(), QStringList{"full.sym"});
}

}  // namespace
