#include "model/library.h"

#include <algorithm>
#include <cstdlib>

namespace {

int checkedIndex(int n) {
    if (!Library::isValidNumber(n)) {
        std::abort();
    }
    return n - 1;
}

void freeAll(EntityArray& slots) {
    for (Entity& slot : slots) {
        slot.markFree();
    }
}

}  // namespace

int countEntities(const EntityArray& slots) {
    int count = 0;
    while (count < MaxEntities && slots[count].inUse()) {
        ++count;
    }
    return count;
}

LibraryEntry& Library::entry(int n) {
    return (*entries_)[checkedIndex(n)];
}
const LibraryEntry& Library::entry(int n) const {
    return (*entries_)[checkedIndex(n)];
}
EntityArray& Library::entities(int n) {
    return (*entityArrays_)[checkedIndex(n)];
}
const EntityArray& Library::entities(int n) const {
    return (*entityArrays_)[checkedIndex(n)];
}

void allocateLibrary(Library& library) {
    library.entries_ = std::make_unique<std::array<LibraryEntry, MaxEntries>>();
    library.entityArrays_ = makeBulk<std::array<EntityArray, MaxEntries>>();
    clearLibrary(library);
}

void releaseLibrary(Library& library) {
    library.entries_.reset();
    library.entityArrays_.reset();
}

void clearLibrary(Library& library) {
    for (int n = 1; n <= MaxEntries; ++n) {
        freeAll(library.entities(n));
        library.entry(n).clear();
    }
}

bool copyEntryToWork(const Library& library, int n, WorkingCopy& work) {
    if (n < 1 || n > library.entryCount) {
        return false;
    }
    work.workEntry = library.entry(n);
    work.workEntities = library.entities(n);
    work.workEntityCount = countEntities(work.workEntities);
    return true;
}

void copyWorkToEntry(Library& library, int n, const WorkingCopy& work) {
    library.entry(n) = work.workEntry;
    EntityArray& stored = library.entities(n);
    const int count = std::clamp(work.workEntityCount, 0, MaxEntities);
    std::copy_n(work.workEntities.begin(), count, stored.begin());
    for (int i = count; i < MaxEntities; ++i) {
        stored[i].markFree();
    }
}

void deleteEntryData(Library& library, int n) {
    if (n < 1 || n > library.entryCount) {
        return;
    }
    auto& headers = *library.entries_;
    auto& arrays = *library.entityArrays_;
    const int last = library.entryCount - 1;  // 0-based place of the last entry
    std::rotate(headers.begin() + (n - 1), headers.begin() + n, headers.begin() + last + 1);
    std::rotate(arrays.begin() + (n - 1), arrays.begin() + n, arrays.begin() + last + 1);
    freeAll(arrays[last]);
    headers[last].clear();
    --library.entryCount;
}

void moveEntryData(Library& library, int from, int to) {
    const int count = library.entryCount;
    if (from < 1 || from > count || to < 1 || to > count || from == to) {
        return;
    }
    auto& headers = *library.entries_;
    auto& arrays = *library.entityArrays_;
    const auto turn = [from, to](auto& table) {
        const auto place = [&table](int n) { return table.begin() + (n - 1); };
        if (from < to) {
            std::rotate(place(from), place(from + 1), place(to + 1));
        } else {
            std::rotate(place(to), place(from), place(from + 1));
        }
    };
    turn(headers);
    turn(arrays);
}

bool insertEntryData(Library& library, int at, const LibraryEntry& header,
                     const EntityArray& entities) {
    if (library.entryCount >= MaxEntries || at < 1 || at > library.entryCount + 1) {
        return false;
    }
    const int n = ++library.entryCount;
    (*library.entries_)[static_cast<size_t>(n - 1)] = header;
    (*library.entityArrays_)[static_cast<size_t>(n - 1)] = entities;
    moveEntryData(library, n, at);
    return true;
}
