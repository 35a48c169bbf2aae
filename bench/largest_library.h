#pragma once

#include <random>
#include <string>

#include "model/library.h"

// The largest library the model holds, the same on every run: 500 entries of 250 entities
// with random points and colours, every second one an arc (about 5.4 MB of text).
inline void fillLargestLibrary(Library& library, LibraryKind kind) {
    allocateLibrary(library);
    library.libraryKind = kind;
    library.entryCount = MaxEntries;
    std::mt19937 random(11);
    std::uniform_int_distribution<int32_t> coordinate(5, 305);
    std::uniform_int_distribution<int32_t> colour(1, 16);
    for (int n = 1; n <= MaxEntries; ++n) {
        LibraryEntry& entry = library.entry(n);
        entry.name.assign("Entry " + std::to_string(n));
        entry.originX = entry.originY = 155;
        entry.sizeRadius = 150;
        entry.useColours = 1;
        for (int i = 0; i < MaxEntities; ++i) {
            Entity& e = library.entities(n)[i];
            e.x1 = coordinate(random);
            e.y1 = coordinate(random);
            e.x2 = coordinate(random);
            e.y2 = coordinate(random);
            e.colour = colour(random);
            e.isArc = i % 2;
            if (e.isArc) {
                e.centreX = static_cast<float>(e.x1 + e.x2) / 2 + 0.25f;
                e.centreY = static_cast<float>(e.y1 + e.y2) / 2 - 0.75f;
                e.arcFlag = static_cast<uint8_t>(i % 4 == 1);
            }
        }
    }
}
