#pragma once

#include <cstdint>
#include <vector>

#include "model/library.h"

// What differs between two libraries of one kind, entry by entry. Entries are matched by
// name (equal names in their order); an entry of one library without a namesake in the other
// is renamed when the other has an unmatched entry with the same entities. Neither the order
// of the entries nor that of an entry's entities counts as a difference.

enum class EntryDifference { OnlyInA, OnlyInB, Renamed, Changed };

// The header fields; the two setting slots are read as the library kind says.
enum class HeaderField { OriginX, OriginY, ClipRadius, SizeRadius, UseColours };

struct FieldChange {
    HeaderField field = HeaderField::OriginX;
    int32_t a = 0;
    int32_t b = 0;
    friend bool operator==(const FieldChange&, const FieldChange&) = default;
};

// Entity numbers are 1-based, 0 where the entity is not in that library.
enum class EntityDifference { Added, Removed, Moved, Recoloured };

struct EntityChange {
    EntityDifference kind = EntityDifference::Added;
    int32_t entityA = 0;
    int32_t entityB = 0;
    bool recoloured = false;  // also for Moved: the moved entity has another colour too
    friend bool operator==(const EntityChange&, const EntityChange&) = default;
};

struct EntryComparison {
    EntryDifference kind = EntryDifference::Changed;
    int32_t entryA = 0;                  // 1-based, 0 for OnlyInB
    int32_t entryB = 0;                  // 1-based, 0 for OnlyInA
    std::vector<FieldChange> fields;     // Renamed and Changed
    std::vector<EntityChange> entities;  // Changed: in A's entity order, then added ones
};

struct LibraryComparison {
    // Every entry that differs: in A's entry order, then the entries only in B in B's order.
    std::vector<EntryComparison> entries;
    bool equal() const { return entries.empty(); }
};

LibraryComparison compareLibraries(const Library& a, const Library& b);
