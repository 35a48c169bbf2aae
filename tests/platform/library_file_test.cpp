#include "platform/library_file.h"

#include <gtest/gtest.h>
#include <sched.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <csignal>
#include <functional>
#include <thread>

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

    // Runs `body` in a child with its own mount table, where the folder becomes a small
    // tmpfs of `size` (as mount(8) reads it); kSkipped where no file system can be mounted.
    int onOwnFileSystem(const char* size, const std::function<int()>& body) {
        const QByteArray folder = QFile::encodeName(dir.path());
        return inChild([&] {
            const std::string options = std::string("size=") + size;
            if (::unshare(CLONE_NEWNS) != 0 ||
                ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0 ||
                ::mount("tmpfs", folder.constData(), "tmpfs", 0, options.c_str()) != 0) {
                return kSkipped;
            }
            return body();
        });
    }
    static bool remount(const QString& folder, unsigned long flags, const char* options) {
        return ::mount("tmpfs", QFile::encodeName(folder).constData(), "tmpfs", MS_REMOUNT | flags,
                       options) == 0;
    }
    static bool becomeNobody() {
        return ::geteuid() != 0 || (::setgid(65534) == 0 && ::setuid(65534) == 0);
    }
    // A library large enough to overflow the small file systems below (about 30 kB).
    void fillAllEntries() {
        for (int n = 2; n <= MaxEntries; ++n) {
            library.entities(n) = library.entities(1);
        }
        library.entryCount = MaxEntries;
    }

    static constexpr int kSkipped = 77;
    QTemporaryDir dir;
    Library library;
};

// What a child reports about a save that must fail: 0 when it failed as expected, with the
// system's reason, left the old file byte for byte and nothing else in the folder.
enum FailedSaveCheck { AsExpected, OtherOutcome, NoReason, OldFileChanged, LeftOvers };

int checkFailedSave(const WriteResult& result, WriteOutcome expected, const QString& reason,
                    const QString& file, const QStringList& folderEntries) {
    if (result.outcome != expected) {
        return OtherOutcome;
    }
    if (!result.detail.contains(reason)) {
        return NoReason;
    }
    if (contents(file) != OldText) {
        return OldFileChanged;
    }
    return folderEntries == QStringList{QFileInfo(file).fileName()} ? AsExpected : LeftOvers;
}

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

TEST_F(LibraryFileTest, AStreamWithoutAStatedSizeIsReadWholeUpToTheLimit) {
    // A pipe states no size: the reader grows its storage as the bytes come.
    const QString fifo = path("stream.sym");
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    ::signal(SIGPIPE, SIG_IGN);  // the reader stops reading an oversized stream
    const auto streamed = [&](const QByteArray& bytes) {
        std::thread writer([&] {
            QFile out(fifo);
            if (out.open(QIODevice::WriteOnly)) {
                out.write(bytes);
            }
        });
        Library read;
        allocateLibrary(read);
        const ReadResult result = readLibraryFile(fifo, read);
        writer.join();
        return std::pair(result.outcome, read.entryCount);
    };

    fillAllEntries();
    const std::string text = writeLibraryText(library);
    QByteArray large = QByteArray::fromStdString(text);
    while (large.size() < 5 * 1024 * 1024) {  // beyond the first blocks of storage
        large += QByteArray::fromStdString(text.substr(text.find("\r\n") + 2));
    }
    EXPECT_EQ(streamed(large), std::pair(ReadOutcome::Read, MaxEntries));

    large.resize(MaxLibraryFileSize + 1, ' ');
    EXPECT_EQ(streamed(large).first, ReadOutcome::InvalidFormat);
}

TEST_F(LibraryFileTest, ALineOfTenMillionCharactersIsReadOnlyAsFarAsItsStart) {
    const QByteArray longLine(10'000'000, 'x');
    putFile(path("one-line.sym"), longLine);
    EXPECT_EQ(readLibraryFile(path("one-line.sym"), library).outcome, ReadOutcome::InvalidFormat);

    putFile(path("long-name.sym"), "Veltrax Sym/Ltype File Version 1.0\r\nS " + longLine +
                                       "\r\nL      1    10    10    20    20\r\nE\r\n");
    ASSERT_EQ(readLibraryFile(path("long-name.sym"), library).outcome, ReadOutcome::Read);
    EXPECT_EQ(library.entryCount, 1);
    EXPECT_EQ(library.entry(1).name.view(), std::string(EntryName::MaxLength, 'x'));
    EXPECT_EQ(countEntities(library.entities(1)), 1);
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

TEST_F(LibraryFileTest, LinksAreFollowedWhereverTheyLead) {
    ASSERT_TRUE(QDir(dir.path()).mkdir("real"));
    const QString target = path("real/lib.sym");
    putFile(target, OldText);
    ASSERT_EQ(::chmod(QFile::encodeName(target).constData(), 0604), 0);
    // A relative link, and a link to that link from another folder.
    ASSERT_EQ(::symlink("real/lib.sym", QFile::encodeName(path("near.sym")).constData()), 0);
    ASSERT_EQ(::symlink("../near.sym", QFile::encodeName(path("real/far.sym")).constData()), 0);
    ASSERT_EQ(writeLibraryFile(path("real/far.sym"), library).outcome, WriteOutcome::Written);
    EXPECT_EQ(contents(target).toStdString(), writeLibraryText(library));
    EXPECT_EQ(modeOf(target), 0604u);
    EXPECT_TRUE(QFileInfo(path("near.sym")).isSymLink());
    EXPECT_TRUE(QFileInfo(path("real/far.sym")).isSymLink());
    EXPECT_EQ(QDir(path("real")).entryList(QDir::Files | QDir::Hidden | QDir::System),
              (QStringList{"far.sym", "lib.sym"}));

    // A link to a file not there yet creates that file.
    ASSERT_EQ(::symlink("real/new.sym", QFile::encodeName(path("dangling.sym")).constData()), 0);
    ASSERT_EQ(writeLibraryFile(path("dangling.sym"), library).outcome, WriteOutcome::Written);
    EXPECT_TRUE(QFileInfo(path("dangling.sym")).isSymLink());
    EXPECT_EQ(contents(path("real/new.sym")).toStdString(), writeLibraryText(library));
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
    const auto saveAsNobody = [&] {
        return inChild([&] {
            if (!becomeNobody()) {
                return kSkipped;
            }
            const WriteResult result = writeLibraryFile(file, library);
            return result.outcome == WriteOutcome::Written
                       ? 100
                       : checkFailedSave(result, WriteOutcome::CannotCreate, "Permission denied",
                                         file, folderEntries());
        });
    };
    EXPECT_EQ(saveAsNobody(), AsExpected);
    ASSERT_EQ(::chmod(QFile::encodeName(dir.path()).constData(), 0777), 0);
    EXPECT_EQ(saveAsNobody(), 100) << "the retry once the folder is writable";
    ::chmod(QFile::encodeName(dir.path()).constData(), 0700);
    EXPECT_EQ(contents(file).toStdString(), writeLibraryText(library));
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
        return checkFailedSave(writeLibraryFile(file, library), WriteOutcome::WriteFailed,
                               "File too large", file, folderEntries());
    });
    EXPECT_EQ(status, AsExpected);
    ASSERT_EQ(writeLibraryFile(file, library).outcome, WriteOutcome::Written);
    EXPECT_EQ(contents(file).toStdString(), writeLibraryText(library));
}

TEST_F(LibraryFileTest, AFullDiskLeavesTheOldFileAndARetryWithSpaceSucceeds) {
    fillAllEntries();
    const QString file = path("full.sym");
    const int status = onOwnFileSystem("16k", [&] {
        putFile(file, OldText);
        const int failed =
            checkFailedSave(writeLibraryFile(file, library), WriteOutcome::WriteFailed,
                            "No space left on device", file, folderEntries());
        if (failed != AsExpected) {
            return failed;
        }
        if (!remount(dir.path(), 0, "size=1m")) {
            return kSkipped;
        }
        const bool retried = writeLibraryFile(file, library).outcome == WriteOutcome::Written;
        return retried && contents(file).toStdString() == writeLibraryText(library) ? 0 : 101;
    });
    if (status == kSkipped) {
        GTEST_SKIP() << "no tmpfs can be mounted here; the file size limit test stands in";
    }
    EXPECT_EQ(status, AsExpected);
}

// A file system mounted read-only is no read-only attribute of the file: the save fails with
// the system's reason instead of suggesting another name.
TEST_F(LibraryFileTest, AReadOnlyFileSystemFailsWithItsReasonUntilItIsWritable) {
    const QString file = path("mounted.sym");
    const int status = onOwnFileSystem("1m", [&] {
        putFile(file, OldText);
        if (!remount(dir.path(), MS_RDONLY, nullptr)) {
            return kSkipped;
        }
        const int failed =
            checkFailedSave(writeLibraryFile(file, library), WriteOutcome::CannotCreate,
                            "Read-only file system", file, folderEntries());
        if (failed != AsExpected) {
            return failed;
        }
        if (!remount(dir.path(), 0, nullptr)) {
            return kSkipped;
        }
        const bool retried = writeLibraryFile(file, library).outcome == WriteOutcome::Written;
        return retried && contents(file).toStdString() == writeLibraryText(library) ? 0 : 101;
    });
    if (status == kSkipped) {
        GTEST_SKIP() << "no tmpfs can be mounted here";
    }
    EXPECT_EQ(status, AsExpected);
}

// In a sticky folder anyone may add files, but only a file's owner may replace it: the text
// is written and synced, and then the rename fails.
TEST_F(LibraryFileTest, ARenameThatFailsLeavesTheOldFileAndNoPendingFile) {
    const QString file = path("sticky.sym");
    putFile(file, OldText);
    const QByteArray folder = QFile::encodeName(dir.path());
    ASSERT_EQ(::chmod(QFile::encodeName(file).constData(), 0666), 0);
    ASSERT_EQ(::chmod(folder.constData(), 01777), 0);
    const auto saveAsNobody = [&] {
        return inChild([&] {
            if (::geteuid() != 0) {
                return kSkipped;  // the file must belong to another user than the saving one
            }
            if (!becomeNobody()) {
                return kSkipped;
            }
            const WriteResult result = writeLibraryFile(file, library);
            return result.outcome == WriteOutcome::Written
                       ? 100
                       : checkFailedSave(result, WriteOutcome::WriteFailed,
                                         "Operation not permitted", file, folderEntries());
        });
    };
    const int status = saveAsNobody();
    if (status == kSkipped) {
        ::chmod(folder.constData(), 0700);
        GTEST_SKIP() << "needs root to hand the file to another user";
    }
    EXPECT_EQ(status, AsExpected);
    ASSERT_EQ(::chmod(folder.constData(), 0777), 0);
    EXPECT_EQ(saveAsNobody(), 100) << "the retry once the folder is no longer sticky";
    ::chmod(folder.constData(), 0700);
}

TEST_F(LibraryFileTest, ASaveRemovesWhatAnInterruptedSaveLeftAndNothingElse) {
    const QString file = path("lib.sym");
    putFile(file, OldText);
    const QStringList leftOver{"lib.sym.glyphwright-save", "lib.sym.glyphwright-save.aBcD12"};
    const QStringList kept{"lib.sym.backup", "lib.sym.glyphwright-save.notours",
                           "lib2.sym.glyphwright-save", "other.sym.glyphwright-save.aBcD12"};
    for (const QString& name : leftOver + kept) {
        putFile(path(name), "x");
    }
    ASSERT_EQ(writeLibraryFile(file, library).outcome, WriteOutcome::Written);
    QStringList expected = kept;
    expected.append("lib.sym");
    expected.sort();
    EXPECT_EQ(folderEntries(), expected);
}

}  // namespace
