#include "model/library_snapshot.h"

#include <algorithm>
#include <bit>

namespace {

// FNV-1a over whole values.
class Fingerprint {
  public:
    template <typename T>
    Fingerprint& add(T value) {
        hash_ = (hash_ ^ static_cast<uint64_t>(value)) * 0x100000001b3ULL;
        return *this;
    }
    Fingerprint& add(float value) { return add(std::bit_cast<uint32_t>(value)); }
    uint64_t value() const { return hash_; }

  private:
    uint64_t hash_ = 0xcbf29ce484222325ULL;
};

}  // namespace

void snapshotLibrary(const Library& library, const WorkingCopy& work, Library& into) {
    into.libraryKind = library.libraryKind;
    into.libraryFileName = library.libraryFileName;
    into.entryCount = library.entryCount;
    into.currentEntry = library.currentEntry;
    for (int n = 1; n <= library.entryCount; ++n) {
        if (n == library.currentEntry) {
            copyWorkToEntry(into, n, work);
            continue;
        }
        into.entry(n) = library.entry(n);
        const EntityArray& from = library.entities(n);
        EntityArray& to = into.entities(n);
        const int count = countEntities(from);
        std::copy_n(from.begin(), count, to.begin());
        if (count < MaxEntities) {
            to[static_cast<size_t>(count)].markFree();
        }
    }
}

uint64_t editFingerprint(const Library& library, const WorkingCopy& work) {
    Fingerprint f;
    f.add(library.entryCount).add(library.currentEntry).add(work.workEntityCount);
    const LibraryEntry& header = work.workEntry;
    for (const char c : header.name.view()) {
        f.add(static_cast<unsigned char>(c));
    }
    f.add(header.name.view().size()).add(header.originX).add(header.originY);
    f.add(header.clipRadius).add(header.sizeRadius).add(header.useColours);
    const int count = std::clamp(work.workEntityCount, 0, MaxEntities);
    for (int i = 0; i < count; ++i) {
        const Entity& e = work.workEntities[static_cast<size_t>(i)];
        f.add(e.x1).add(e.y1).add(e.x2).add(e.y2).add(e.isArc);
        f.add(e.centreX).add(e.centreY).add(e.arcFlag).add(e.colour);
    }
    return f.value();
}
