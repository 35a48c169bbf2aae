#include "platform/library_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSaveFile>
#include <algorithm>
#include <cerrno>
#include <cstring>

#include "model/bulk_storage.h"
#include "model/library_locations.h"
#include "model/library_reader.h"
#include "model/library_writer.h"

namespace {

// A library file's bytes, read into bulk storage: a full library is megabytes, read at start-up.
class FileBytes {
  public:
    std::string_view view() const { return {data_.get(), size_}; }

    // The whole file, or nothing when it exceeds the limit; the file size may lie (pipes, files
    // that grow), so the limit is checked on what is actually read.
    static std::optional<FileBytes> read(QFile& file) {
        if (file.size() > MaxLibraryFileSize) {
            return std::nullopt;
        }
        FileBytes bytes;
        // One byte beyond the stated size, to see at once whether the file grew.
        bytes.reserve(static_cast<size_t>(file.size()) + 1);
        for (;;) {
            if (bytes.size_ == bytes.capacity_) {
                if (bytes.size_ > static_cast<size_t>(MaxLibraryFileSize)) {
                    return std::nullopt;
                }
                bytes.reserve(bytes.capacity_ * 2);
            }
            const qint64 got = file.read(bytes.data_.get() + bytes.size_,
                                         static_cast<qint64>(bytes.capacity_ - bytes.size_));
            if (got <= 0) {
                break;
            }
            bytes.size_ += static_cast<size_t>(got);
        }
        if (bytes.size_ > static_cast<size_t>(MaxLibraryFileSize)) {
            return std::nullopt;
        }
        return bytes;
    }

  private:
    void reserve(size_t capacity) {
        std::unique_ptr<char[], BulkRelease> larger = allocateBulk(capacity);
        std::copy_n(data_.get(), size_, larger.get());
        data_ = std::move(larger);
        capacity_ = bulkSize(capacity);
    }

    std::unique_ptr<char[], BulkRelease> data_;
    size_t size_ = 0;
    size_t capacity_ = 0;
};

QString systemError() {
    return QString::fromLocal8Bit(std::strerror(errno));
}

// Where the bytes go: a symbolic link is followed to the file it names.
QString resolvedTarget(const QString& path) {
    const QFileInfo info(path);
    if (!info.isSymLink()) {
        return path;
    }
    const QString canonical = info.canonicalFilePath();
    return canonical.isEmpty() ? info.symLinkTarget() : canonical;  // empty: a dangling link
}

// The finished text is committed under this name beside the target and only then renamed over
// it, so that what an interrupted save leaves behind carries a name no user file has.
QString pendingSaveName(const QString& target) {
    return target + PendingSaveSuffix;
}

// Writes straight to the file: QFile reports a write that stops part-way (a full disk, a size
// limit) without the system's reason. False with errno set when not everything was written.
bool writeAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR) {
            continue;
        }
        if (written <= 0) {
            return false;
        }
        bytes.remove_prefix(static_cast<size_t>(written));
    }
    return true;
}

// Makes the rename itself durable. File systems that cannot sync a folder say EINVAL.
bool syncFolder(const QString& filePath) {
    const QByteArray folder = QFile::encodeName(QFileInfo(filePath).absolutePath());
    const int fd = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) {
        return false;
    }
    const bool synced = ::fsync(fd) == 0 || errno == EINVAL;
    ::close(fd);
    return synced;
}

}  // namespace

ReadResult readLibraryFile(const QString& path, Library& library) {
    QFile file(path);
    ReadResult result;
    if (QFileInfo(path).isDir() || !file.open(QIODevice::ReadOnly)) {
        result.outcome = ReadOutcome::NotFound;
        return result;
    }
    const std::optional<FileBytes> bytes = FileBytes::read(file);
    if (!bytes) {
        clearLibrary(library);
        library.entryCount = 0;
        result.outcome = ReadOutcome::InvalidFormat;
        return result;
    }
    return readLibraryText(bytes->view(), library);
}

void removeInterruptedSaves(const QString& path) {
    const QFileInfo target(resolvedTarget(path));
    const QString pending = target.fileName() + PendingSaveSuffix;
    // QSaveFile's own temporary of the pending file: its name and six random characters.
    const QRegularExpression temporary(QRegularExpression::anchoredPattern(
        QRegularExpression::escape(pending) + "(\\.[A-Za-z0-9]{6})?"));
    const QDir folder = target.absoluteDir();
    for (const QFileInfo& found :
         folder.entryInfoList({pending + '*'}, QDir::Files | QDir::Hidden | QDir::System)) {
        if (!found.isSymLink() && temporary.match(found.fileName()).hasMatch()) {
            QFile::remove(found.absoluteFilePath());
        }
    }
}

WriteResult replaceFileContents(const QString& path, std::string_view bytes) {
    const QString target = resolvedTarget(path);
    if (isReadOnlyFile(target.toStdString())) {
        return {WriteOutcome::ReadOnly, QString()};
    }
    removeInterruptedSaves(target);
    struct stat existing {};
    const bool keepMode = ::stat(QFile::encodeName(target).constData(), &existing) == 0;

    const QString pending = pendingSaveName(target);
    QSaveFile file(pending);
    file.setDirectWriteFallback(false);
    if (!file.open(QIODevice::WriteOnly)) {
        return {WriteOutcome::CannotCreate, file.errorString()};
    }
    if (keepMode && ::fchmod(file.handle(), existing.st_mode & 07777) != 0) {
        const QString reason = systemError();
        file.cancelWriting();
        return {WriteOutcome::WriteFailed, reason};
    }
    if (!writeAll(file.handle(), bytes)) {
        const QString reason = systemError();
        file.cancelWriting();
        return {WriteOutcome::WriteFailed, reason};
    }
    // QSaveFile neither checks nor even makes this sync.
    if (::fsync(file.handle()) != 0) {
        const QString reason = systemError();
        file.cancelWriting();
        return {WriteOutcome::WriteFailed, reason};
    }
    if (!file.commit()) {
        return {WriteOutcome::WriteFailed, file.errorString()};
    }
    if (::rename(QFile::encodeName(pending).constData(), QFile::encodeName(target).constData()) !=
        0) {
        const QString reason = systemError();
        QFile::remove(pending);
        return {WriteOutcome::WriteFailed, reason};
    }
    if (!syncFolder(target)) {
        return {WriteOutcome::WriteFailed, systemError()};
    }
    return {};
}

WriteResult writeLibraryFile(const QString& path, const Library& library) {
    return replaceFileContents(path, writeLibraryText(library));
}
