#include "platform/recovery_store.h"

#include <sys/stat.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <algorithm>

#include "platform/user_data_folder.h"

namespace {

constexpr char RecordSuffix[] = ".record";
constexpr char UnreadableFolder[] = "unreadable";

QString kindSuffix(LibraryKind kind) {
    return kind == LibraryKind::LineType ? QStringLiteral(".ltp") : QStringLiteral(".sym");
}

std::optional<RecoveryRecord> readRecord(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return std::nullopt;
    }
    const QByteArray bytes = file.read(MaxRecoveryRecordSize + 1);
    return parseRecoveryRecord(std::string_view(bytes.constData(), size_t(bytes.size())));
}

// A name in `folder` not taken yet: the name itself, or with " (2)", " (3)", ... before it.
QString freeName(const QDir& folder, const QString& name) {
    QString candidate = name;
    for (int n = 2; folder.exists(candidate); ++n) {
        candidate = QStringLiteral("%1 (%2)").arg(name).arg(n);
    }
    return folder.filePath(candidate);
}

}  // namespace

QString RecoverySlot::copyPath(LibraryKind kind) const {
    return QDir(folder).filePath(id + kindSuffix(kind));
}

QString RecoverySlot::recordPath() const {
    return QDir(folder).filePath(id + RecordSuffix);
}

QString RecoverySlot::lockPath() const {
    return QDir(folder).filePath(id + ".lock");
}

void RecoverySlot::removeFiles() const {
    for (LibraryKind kind : {LibraryKind::Symbol, LibraryKind::LineType}) {
        QFile::remove(copyPath(kind));
    }
    QFile::remove(recordPath());
}

std::unique_ptr<QLockFile> slotLock(const RecoverySlot& slot) {
    auto lock = std::make_unique<QLockFile>(slot.lockPath());
    lock->setStaleLockTime(0);
    return lock;
}

QString recoveryFolder() {
    return QDir(userDataFolder()).filePath(QStringLiteral("recovery"));
}

OrphanScan scanOrphanCopies(const QString& folder) {
    OrphanScan scan;
    const QDir dir(folder);
    if (folder.isEmpty() || !dir.exists()) {
        return scan;
    }
    QSet<QString> ids;
    for (const QFileInfo& file : dir.entryInfoList(
             {QStringLiteral("*.record"), QStringLiteral("*.sym"), QStringLiteral("*.ltp")},
             QDir::Files | QDir::Hidden)) {
        ids.insert(file.completeBaseName());
    }
    for (const QString& id : ids) {
        OrphanCopy orphan{{folder, id}, {}, nullptr};
        orphan.lock = slotLock(orphan.slot);
        if (!orphan.lock->tryLock(0)) {
            continue;  // an editor that runs now keeps it up to date
        }
        const std::optional<RecoveryRecord> record = readRecord(orphan.slot.recordPath());
        if (record && QFileInfo(orphan.slot.copyPath(record->kind)).isFile()) {
            orphan.record = *record;
            scan.copies.push_back(std::move(orphan));
        } else {
            scan.setAside.append(setAsideUnreadable(orphan));
        }
    }
    std::sort(scan.copies.begin(), scan.copies.end(),
              [](const auto& a, const auto& b) { return a.record.copiedMs > b.record.copiedMs; });
    return scan;
}

QString setAsideUnreadable(OrphanCopy& orphan) {
    QDir folder(orphan.slot.folder);
    folder.mkpath(UnreadableFolder);
    const QDir aside(folder.filePath(UnreadableFolder));
    QString reported;  // the copy, or the record when there is no copy
    for (const QFileInfo& file : folder.entryInfoList({orphan.slot.id + ".*"}, QDir::Files)) {
        if (file.completeBaseName() != orphan.slot.id || file.suffix() == "lock") {
            continue;
        }
        const QString target = freeName(aside, file.fileName());
        const QString where =
            QFile::rename(file.absoluteFilePath(), target) ? target : file.absoluteFilePath();
        if (reported.isEmpty() || file.suffix() != "record") {
            reported = where;
        }
    }
    orphan.lock.reset();  // unlocking removes the lock file
    return reported;
}

std::optional<FileStamp> fileStamp(const QString& path) {
    struct stat st {};
    if (::stat(QFile::encodeName(path).constData(), &st) != 0) {
        return std::nullopt;
    }
    return FileStamp{static_cast<int64_t>(st.st_size),
                     static_cast<int64_t>(st.st_mtim.tv_sec) * 1'000'000'000 + st.st_mtim.tv_nsec};
}

bool sameLibraryPath(const QString& a, const QString& b) {
    const QFileInfo first(a);
    const QFileInfo second(b);
    if (QDir::cleanPath(first.absoluteFilePath()) == QDir::cleanPath(second.absoluteFilePath())) {
        return true;
    }
    const QString canonical = first.canonicalFilePath();
    return !canonical.isEmpty() && canonical == second.canonicalFilePath();
}
