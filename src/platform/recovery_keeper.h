#pragma once

#include <QObject>
#include <QTimer>
#include <condition_variable>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>

#include "model/library.h"
#include "platform/recovery_store.h"

// Keeps a recovery copy of the library while it has unsaved changes: a copy follows every
// change within CopyDelay, written like a save (synced, renamed into place) in this editor's
// slot of the recovery folder. The pointer's thread only takes a snapshot of the library; the
// text is made and written on a thread of the keeper's own.
class RecoveryKeeper : public QObject {
    Q_OBJECT

  public:
    // Long enough to gather a stroke of edits into one copy, short enough that, with the
    // write, a copy is on disk within 2 s of a change.
    static constexpr int CopyDelayMs = 1000;

    // The keeper reads the library and the working copy it is given whenever it copies;
    // libraryStamp tells what the library's file looked like when it was read or last saved.
    RecoveryKeeper(const Library& library, const WorkingCopy& work,
                   std::function<std::optional<FileStamp>()> libraryStamp,
                   QObject* parent = nullptr);
    // Finishes what was asked of the writer: a removal asked for last is never lost.
    ~RecoveryKeeper() override;

    // After every handler: when the library has unsaved changes that differ from what was last
    // seen, a copy is made CopyDelayMs later.
    void noteEdit();
    // Removes this editor's copy: after a save, New, Open, or closing without saving.
    void discard();
    // This editor's slot becomes the orphan's (its copy restored): its copy stays on disk until
    // the next change replaces it. Any copy of this editor's own is removed first.
    void adopt(OrphanCopy&& orphan);

    // Blocks until the writer has done everything asked of it (tests, benchmarks).
    void waitUntilIdle();
    // Where this editor's copy and record are, once it has a slot.
    const std::optional<RecoverySlot>& slot() const { return slot_; }

  private:
    struct Job {
        std::shared_ptr<const Library> snapshot;  // null: remove the slot's files
        RecoverySlot slot;
        std::string record;
    };

    void takeCopy();
    bool ensureSlot();
    void post(Job job);
    void runWriter();
    void copyDone();

    const Library& library_;
    const WorkingCopy& work_;
    std::function<std::optional<FileStamp>()> libraryStamp_;
    QTimer timer_;
    uint64_t lastSeen_ = 0;
    bool copyWanted_ = false;  // the timer fired while the writer still held the snapshot
    bool writerBusy_ = false;  // the writer holds snapshot_
    std::shared_ptr<Library> snapshot_;
    std::optional<RecoverySlot> slot_;
    std::unique_ptr<QLockFile> lock_;

    std::mutex mutex_;
    std::condition_variable wake_;
    std::condition_variable idle_;
    std::deque<Job> jobs_;
    bool working_ = false;
    bool stopping_ = false;
    std::thread writer_;
};
