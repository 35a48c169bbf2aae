#include "platform/file_change_watch.h"

#include <sys/stat.h>

#include <QFile>
#include <QFileInfo>

FileChangeWatch::FileChangeWatch(QObject* parent) : QObject(parent) {
    connect(&watcher_, &QFileSystemWatcher::fileChanged, this, &FileChangeWatch::noteSignal);
    // Watching the folder as well sees a file that is replaced or created again.
    connect(&watcher_, &QFileSystemWatcher::directoryChanged, this, [this] { noteSignal(path_); });
}

void FileChangeWatch::watch(const QString& path) {
    stop();
    path_ = path;
    known_ = identityOf(path);
    watcher_.addPath(path);
    watcher_.addPath(QFileInfo(path).absolutePath());
}

void FileChangeWatch::stop() {
    if (!watcher_.files().isEmpty()) {
        watcher_.removePaths(watcher_.files());
    }
    if (!watcher_.directories().isEmpty()) {
        watcher_.removePaths(watcher_.directories());
    }
    path_.clear();
    known_.reset();
    marked_ = false;
}

bool FileChangeWatch::changedSinceKnown() const {
    return marked_ && !path_.isEmpty() && identityOf(path_) != known_;
}

void FileChangeWatch::acceptDiskState() {
    known_ = identityOf(path_);
    marked_ = false;
}

std::optional<FileStamp> FileChangeWatch::knownStamp() const {
    if (!known_) {
        return std::nullopt;
    }
    return FileStamp{known_->size, known_->modifiedNs};
}

void FileChangeWatch::noteSignal(const QString& path) {
    if (path != path_) {
        return;
    }
    marked_ = true;
    // A file replaced by a rename is a new file, which the watcher no longer follows.
    if (!watcher_.files().contains(path_) && QFileInfo::exists(path_)) {
        watcher_.addPath(path_);
    }
}

std::optional<FileChangeWatch::Identity> FileChangeWatch::identityOf(const QString& path) {
    struct stat st {};
    if (::stat(QFile::encodeName(path).constData(), &st) != 0) {
        return std::nullopt;
    }
    return Identity{static_cast<uint64_t>(st.st_dev), static_cast<uint64_t>(st.st_ino),
                    static_cast<int64_t>(st.st_size),
                    static_cast<int64_t>(st.st_mtim.tv_sec) * 1'000'000'000 + st.st_mtim.tv_nsec};
}
