#pragma once

#include <cstdint>

#include "model/entity.h"
#include "model/library.h"

// The vertical extent of line type patterns, which the writer puts into the P line.

struct VerticalExtent {
    int32_t top = 0;
    int32_t bottom = 0;
};

// The topmost and bottommost display y an arc reaches: its end points, widened to the circle's
// top or bottom where the arc passes through them.
VerticalExtent arcVerticalExtent(const Entity& arc);

// True when the arc's vertical extent certainly lies within top..bottom: its end points and
// its whole circle do. Decided without the arc's angles, so far cheaper than measuring it.
bool arcStaysWithin(const Entity& arc, int32_t top, int32_t bottom);

// The height of the pattern in display units, measured from the fixed starting bounds 200
// (lowest top) and 0 (highest bottom) over the leading in-use slots.
int32_t entryPatternHeight(const EntityArray& slots);
