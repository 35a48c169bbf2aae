#pragma once

#include <QLockFile>
#include <QString>
#include <QStringList>
#include <memory>
#include <optional>
#include <vector>

#include "model/recovery_record.h"

// Recovery copies on disk. Each running editor owns one slot in the recovery folder, named by
// an id of its own: the copy (<id>.sym or <id>.ltp), its record (<id>.record) and a lock
// (<id>.lock) held for as long as the editor runs. A slot whose lock no live editor holds was
// left by an editor that did not close normally: an orphan, offered for restoring.

struct RecoverySlot {
    QString folder;
    QString id;

    QString copyPath(LibraryKind kind) const;
    QString recordPath() const;
    QString lockPath() const;
    // Removes the copy and the record; the lock stays.
    void removeFiles() const;
};

// A lock on a slot that is never taken to be stale by its age: only the death of the editor
// that holds it frees it.
std::unique_ptr<QLockFile> slotLock(const RecoverySlot& slot);

// A slot left by an editor that no longer runs, locked by this editor while it decides.
struct OrphanCopy {
    RecoverySlot slot;
    RecoveryRecord record;
    std::unique_ptr<QLockFile> lock;

    QString copyPath() const { return slot.copyPath(record.kind); }
};

struct OrphanScan {
    std::vector<OrphanCopy> copies;  // newest first
    QStringList setAside;            // unreadable copies just moved aside, where they are now
};

// The folder of recovery copies, which the first copy makes.
QString recoveryFolder();

// Every orphan in the folder. A record that cannot be read, or a copy without a record, is
// never deleted: its files move to the folder's "unreadable" subfolder and are reported.
OrphanScan scanOrphanCopies(const QString& folder);

// Moves the orphan's files to the "unreadable" subfolder; where the copy went.
QString setAsideUnreadable(OrphanCopy& orphan);

// The file's size and modification time, when it exists.
std::optional<FileStamp> fileStamp(const QString& path);

// The same file, however it was named: both absolute and cleaned, or the same existing file.
bool sameLibraryPath(const QString& a, const QString& b);
