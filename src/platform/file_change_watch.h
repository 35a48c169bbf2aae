#pragma once

#include <QFileSystemWatcher>
#include <QObject>
#include <QString>
#include <cstdint>
#include <optional>

#include "model/recovery_record.h"

// Notices that another program changed the open library file. The watcher only marks the file
// as worth a look; whether it really changed is decided by the file's identity (device, inode,
// size, modification time) against the one taken when the editor last read or wrote it, so the
// editor's own saves never count, nor does activity around the file that leaves it as it was.
class FileChangeWatch : public QObject {
    Q_OBJECT

  public:
    explicit FileChangeWatch(QObject* parent = nullptr);

    // Takes the file as it is now as the known state: after reading it and after saving it.
    void watch(const QString& path);
    void stop();

    // True when the watcher saw activity and the file now differs from its known state (also
    // when it was removed). acceptDiskState makes the state on disk the known one.
    bool changedSinceKnown() const;
    void acceptDiskState();

    const QString& path() const { return path_; }
    // The file's size and modification time in the known state; none when it did not exist.
    std::optional<FileStamp> knownStamp() const;

  private:
    struct Identity {
        uint64_t device = 0;
        uint64_t inode = 0;
        int64_t size = 0;
        int64_t modifiedNs = 0;
        friend bool operator==(const Identity&, const Identity&) = default;
    };
    static std::optional<Identity> identityOf(const QString& path);
    void noteSignal(const QString& path);

    QFileSystemWatcher watcher_;
    QString path_;
    std::optional<Identity> known_;
    bool marked_ = false;
};
