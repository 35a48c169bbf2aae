#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>

#include "model/bulk_storage.h"
#include "model/entity.h"
#include "model/library_entry.h"

inline constexpr int MaxEntries = 500;
inline constexpr int MaxEntities = 250;

enum class LibraryKind { Symbol, LineType };

using EntityArray = std::array<Entity, MaxEntities>;

// The number of leading in-use slots: the list ends at the first free slot.
int countEntities(const EntityArray& slots);

// The one library in memory. Entries are numbered from 1; storage for all 500 entries is
// allocated once by allocateLibrary and never resized.
struct Library {
    int32_t entryCount = 0;
    int32_t currentEntry = 0;  // 0 = none
    LibraryKind libraryKind = LibraryKind::Symbol;
    std::string libraryFileName;  // empty = no file yet
    bool libraryModified = false;
    bool entryModified = false;

    bool isAllocated() const { return entries_ != nullptr; }
    static bool isValidNumber(int n) { return n >= 1 && n <= MaxEntries; }

    // n must be 1..MaxEntries; anything else is a programming error and aborts.
    LibraryEntry& entry(int n);
    const LibraryEntry& entry(int n) const;
    EntityArray& entities(int n);
    const EntityArray& entities(int n) const;

  private:
    friend void allocateLibrary(Library&);
    friend void releaseLibrary(Library&);
    friend void deleteEntryData(Library&, int);
    friend void moveEntryData(Library&, int, int);
    friend bool insertEntryData(Library&, int, const LibraryEntry&, const EntityArray&);
    std::unique_ptr<std::array<LibraryEntry, MaxEntries>> entries_;
    BulkPtr<std::array<EntityArray, MaxEntries>> entityArrays_;
};

// The copy of the current entry that every editing operation works on.
struct WorkingCopy {
    LibraryEntry workEntry;
    EntityArray workEntities{};
    int32_t workEntityCount = 0;
};

void allocateLibrary(Library& library);
void releaseLibrary(Library& library);
// Frees every slot and clears every header of all 500 entries; entryCount is left alone.
void clearLibrary(Library& library);

// Copies entry n into the working copy; false (and nothing copied) when n is not 1..entryCount.
bool copyEntryToWork(const Library& library, int n, WorkingCopy& work);
// Copies the working copy back into entry n: the header, the leading workEntityCount slots, and
// every later slot marked free, also when the count is 0, so deleting every entity sticks.
void copyWorkToEntry(Library& library, int n, const WorkingCopy& work);

// Removes entry n (1..entryCount): later entries move up one place, the freed last place is
// emptied and entryCount decreases.
void deleteEntryData(Library& library, int n);
// Moves entry `from` to place `to` (both 1..entryCount); the entries between close up.
void moveEntryData(Library& library, int from, int to);
// Puts a new entry at place `at` (1..entryCount + 1), later entries one place down; the
// header's name is taken as it is. False, and nothing changed, when the library is full or
// `at` has no place.
bool insertEntryData(Library& library, int at, const LibraryEntry& header,
                     const EntityArray& entities);
