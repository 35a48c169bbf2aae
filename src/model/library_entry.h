#pragma once

#include <cstdint>

#include "model/entry_name.h"

// The header of a symbol or line type. Two setting slots mean different things for the two
// library kinds; which meaning applies is decided by the library kind alone.
struct LibraryEntry {
    EntryName name;
    int32_t originX = 0;
    int32_t originY = 0;
    int32_t clipRadius = 0;  // symbols; the single-pattern flag for line types
    int32_t sizeRadius = 0;  // symbols; the pattern height for line types
    uint8_t useColours = 0;

    int32_t& singlePattern() { return clipRadius; }
    int32_t singlePattern() const { return clipRadius; }
    int32_t& patternHeight() { return sizeRadius; }
    int32_t patternHeight() const { return sizeRadius; }

    // Everything except useColours, which clearing leaves alone.
    void clear() {
        name.clear();
        originX = originY = clipRadius = sizeRadius = 0;
    }

    friend bool operator==(const LibraryEntry&, const LibraryEntry&) = default;
};
