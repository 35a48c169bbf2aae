#include "platform/entry_picture_cache.h"

#include <QMetaObject>
#include <QRunnable>
#include <algorithm>
#include <memory>
#include <vector>

#include "platform/entry_picture.h"

namespace {

// Many pictures of edits long stored are dropped together once there are this many.
constexpr int MaxKeptPictures = 4 * MaxEntries;
// Entries drawn by one worker before its pictures go to the list.
constexpr int BatchSize = 32;

// FNV-1a over the values, field by field: the records have padding.
class KeyHash {
  public:
    template <typename T>
    void add(T value) {
        const auto* bytes = reinterpret_cast<const unsigned char*>(&value);
        for (size_t i = 0; i < sizeof value; ++i) {
            hash_ = (hash_ ^ bytes[i]) * 1099511628211ULL;
        }
    }
    quint64 value() const { return hash_; }

  private:
    quint64 hash_ = 14695981039346656037ULL;
};

}  // namespace

struct EntryPictureCache::Job {
    quint64 key = 0;
    LibraryEntry header;
    EntityArray entities;
};

quint64 entryPictureKey(const Library& library, int n, int size) {
    KeyHash h;
    const LibraryEntry& e = library.entry(n);
    h.add(size);
    h.add(static_cast<int>(library.libraryKind));
    for (const int32_t v : {e.originX, e.originY, e.clipRadius, e.sizeRadius}) {
        h.add(v);
    }
    h.add(e.useColours);
    const EntityArray& entities = library.entities(n);
    const int count = countEntities(entities);
    for (int i = 0; i < count; ++i) {
        const Entity& s = entities[i];
        for (const int32_t v : {s.x1, s.y1, s.x2, s.y2, s.colour}) {
            h.add(v);
        }
        h.add(s.isArc);
        h.add(s.centreX);
        h.add(s.centreY);
        h.add(s.arcFlag);
    }
    return h.value();
}

EntryPictureCache::EntryPictureCache(QObject* parent) : QObject(parent) {}

EntryPictureCache::~EntryPictureCache() {
    workers_.clear();
    workers_.waitForDone();
}

void EntryPictureCache::setSize(int size) {
    if (size == size_) {
        return;
    }
    size_ = size;
    pictures_.clear();
    pending_.clear();
}

QImage EntryPictureCache::find(const Library& library, int n) const {
    if (size_ <= 0 || n < 1 || n > library.entryCount) {
        return {};
    }
    return pictures_.value(entryPictureKey(library, n, size_));
}

void EntryPictureCache::prepare(const Library& library, int first, int last) {
    if (size_ <= 0 || !library.isAllocated()) {
        return;
    }
    first = std::max(first, 1);
    last = std::min(last, library.entryCount);
    // The entries are copied here, on the window's thread: the workers never see the library.
    auto jobs = std::make_shared<std::vector<Job>>();
    for (int n = first; n <= last; ++n) {
        const quint64 key = entryPictureKey(library, n, size_);
        if (pictures_.contains(key) || pending_.contains(key)) {
            continue;
        }
        pending_.insert(key);
        jobs->push_back({key, library.entry(n), library.entities(n)});
    }
    const LibraryKind kind = library.libraryKind;
    const int size = size_;
    for (size_t begin = 0; begin < jobs->size(); begin += BatchSize) {
        const size_t end = std::min(jobs->size(), begin + BatchSize);
        workers_.start([this, jobs, begin, end, kind, size] {
            QList<QPair<quint64, QImage>> drawn;
            for (size_t i = begin; i < end; ++i) {
                const Job& job = (*jobs)[i];
                drawn.append({job.key, entryListPicture(job.header, job.entities, kind, size)});
            }
            QMetaObject::invokeMethod(
                this, [this, drawn] { keep(drawn); }, Qt::QueuedConnection);
        });
    }
}

void EntryPictureCache::keep(const QList<QPair<quint64, QImage>>& drawn) {
    if (pictures_.size() > MaxKeptPictures) {
        pictures_.clear();
    }
    for (const auto& [key, image] : drawn) {
        // A picture of a size no longer shown is not kept.
        if (pending_.remove(key)) {
            pictures_.insert(key, image);
        }
    }
    emit picturesReady();
}
