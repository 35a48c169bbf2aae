#pragma once

#include <QDateTime>
#include <QString>
#include <vector>

// Earlier versions of libraries: before a save replaces a library file, the file as it is goes
// whole into the program's data folder (never beside the library), by a hard link where the
// file system allows, else by a copy. The last MaxKeptVersions are kept per library.

inline constexpr int MaxKeptVersions = 20;

struct EarlierVersion {
    QString path;
    QDateTime written;  // when that version was saved: its modification time
    qint64 size = 0;
};

// The folder of a library's versions: its file name and a hash of its full path, so that
// libraries of the same name in different folders keep apart. A symbolic link counts as the
// file it names.
QString versionsFolder(const QString& libraryPath);

// The kept versions of the library, newest first.
std::vector<EarlierVersion> earlierVersions(const QString& libraryPath);

// Keeps the library file as it is now while a save replaces it. Once the save has replaced
// the file, keep() makes the version stay and lets the oldest beyond the limit go; a save
// that failed left the file as it was, and the version goes again. Nothing here can make a
// save fail: a version that cannot be kept is simply not kept.
class KeptVersion {
  public:
    explicit KeptVersion(const QString& libraryPath);
    ~KeptVersion();
    KeptVersion(const KeptVersion&) = delete;
    KeptVersion& operator=(const KeptVersion&) = delete;

    void keep();
    // Where the version is; empty when there was no file or it could not be kept.
    const QString& path() const { return path_; }

  private:
    QString folder_;
    QString path_;
    bool kept_ = false;
};
