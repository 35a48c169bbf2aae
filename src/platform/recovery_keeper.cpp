#include "platform/recovery_keeper.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QUuid>

#include "model/library_snapshot.h"
#include "model/library_writer.h"
#include "platform/library_file.h"

RecoveryKeeper::RecoveryKeeper(const Library& library, const WorkingCopy& work,
                               std::function<std::optional<FileStamp>()> libraryStamp,
                               QObject* parent)
    : QObject(parent),
      library_(library),
      work_(work),
      libraryStamp_(std::move(libraryStamp)),
      writer_([this] { runWriter(); }) {
    timer_.setSingleShot(true);
    timer_.setInterval(CopyDelayMs);
    connect(&timer_, &QTimer::timeout, this, &RecoveryKeeper::takeCopy);
}

RecoveryKeeper::~RecoveryKeeper() {
    {
        const std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    wake_.notify_all();
    writer_.join();
}

void RecoveryKeeper::noteEdit() {
    const bool unsaved = library_.libraryModified || library_.entryModified;
    if (!unsaved || library_.entryCount == 0) {
        return;
    }
    const uint64_t seen = editFingerprint(library_, work_);
    if (seen == lastSeen_) {
        return;
    }
    lastSeen_ = seen;
    if (!timer_.isActive()) {
        timer_.start();
    }
}

void RecoveryKeeper::discard() {
    timer_.stop();
    copyWanted_ = false;
    lastSeen_ = 0;
    if (slot_) {
        post({nullptr, *slot_, {}});
    }
}

void RecoveryKeeper::adopt(OrphanCopy&& orphan) {
    discard();
    waitUntilIdle();
    lock_ = std::move(orphan.lock);  // letting go of this editor's own lock removes its file
    slot_ = orphan.slot;
}

void RecoveryKeeper::waitUntilIdle() {
    std::unique_lock lock(mutex_);
    idle_.wait(lock, [this] { return jobs_.empty() && !working_; });
}

bool RecoveryKeeper::ensureSlot() {
    if (slot_) {
        return true;
    }
    const QString folder = recoveryFolder();
    if (!QDir().mkpath(folder)) {
        return false;
    }
    RecoverySlot slot{folder, QUuid::createUuid().toString(QUuid::Id128)};
    std::unique_ptr<QLockFile> lock = slotLock(slot);
    if (!lock->tryLock(0)) {
        return false;
    }
    slot_ = slot;
    lock_ = std::move(lock);
    return true;
}

void RecoveryKeeper::takeCopy() {
    if (writerBusy_) {
        copyWanted_ = true;
        return;
    }
    if (!(library_.libraryModified || library_.entryModified) || !ensureSlot()) {
        return;
    }
    if (!snapshot_) {
        snapshot_ = std::make_shared<Library>();
        allocateLibrary(*snapshot_);
    }
    snapshotLibrary(library_, work_, *snapshot_);

    RecoveryRecord record;
    if (!library_.libraryFileName.empty()) {
        record.libraryPath =
            QDir::cleanPath(
                QFileInfo(QString::fromStdString(library_.libraryFileName)).absoluteFilePath())
                .toStdString();
    }
    record.kind = library_.libraryKind;
    record.libraryStamp = libraryStamp_();
    record.currentEntry = std::clamp(library_.currentEntry, 0, library_.entryCount);
    record.entryCount = library_.entryCount;
    record.copiedMs = QDateTime::currentMSecsSinceEpoch();
    writerBusy_ = true;
    post({snapshot_, *slot_, writeRecoveryRecord(record)});
}

void RecoveryKeeper::post(Job job) {
    {
        const std::lock_guard lock(mutex_);
        jobs_.push_back(std::move(job));
    }
    wake_.notify_one();
}

void RecoveryKeeper::runWriter() {
    for (;;) {
        Job job;
        {
            std::unique_lock lock(mutex_);
            wake_.wait(lock, [this] { return stopping_ || !jobs_.empty(); });
            if (jobs_.empty()) {
                return;
            }
            job = std::move(jobs_.front());
            jobs_.pop_front();
            working_ = true;
        }
        if (job.snapshot) {
            // The copy first, so that a record always has its copy beside it. One that cannot be
            // written (a full disk) is tried again at the next change.
            if (replaceFileContents(job.slot.copyPath(job.snapshot->libraryKind),
                                    writeLibraryText(*job.snapshot))
                    .outcome == WriteOutcome::Written) {
                replaceFileContents(job.slot.recordPath(), job.record);
            }
            job.snapshot.reset();
            QMetaObject::invokeMethod(
                this, [this] { copyDone(); }, Qt::QueuedConnection);
        } else {
            job.slot.removeFiles();
        }
        {
            const std::lock_guard lock(mutex_);
            working_ = false;
        }
        idle_.notify_all();
    }
}

void RecoveryKeeper::copyDone() {
    writerBusy_ = false;
    if (copyWanted_) {
        copyWanted_ = false;
        takeCopy();
    }
}
