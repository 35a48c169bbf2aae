#pragma once

#include <cstdint>
#include <span>

#include "display/display_point.h"
#include "display/grips.h"
#include "model/library.h"

// What lies under the pointer: the nearest entity, the symbol origin or a radius circle, and
// the grips. Pure functions over the working entry as the caller shows it.

// The pick numbers of things that are not entities; entities are picked as 1..250.
inline constexpr int32_t PickNothing = 0;
inline constexpr int32_t PickOrigin = -1;
inline constexpr int32_t PickClipCircle = -2;
inline constexpr int32_t PickSizeCircle = -3;

struct Pick {
    int32_t index = PickNothing;
    float distance = 600;
};

// The working entry and what of it is on screen. `entityCount` and the selected numbers are
// checked against the array before they are used; `selected` ends at its first 0, so the whole
// selection array may be passed.
struct PickScene {
    const EntityArray& entities;
    int32_t entityCount = 0;
    DisplayPoint origin;
    int32_t clipRadius = 0;
    int32_t sizeRadius = 0;
    bool showClipRadius = false;
    bool showSizeRadius = false;
    const Grips& grips;
    std::span<const int32_t> selected;
};

// The smallest distance from p to a selected entity; 300 when none is nearer.
float SelectionDistance(DisplayPoint p, const PickScene& scene);
// The nearest pickable thing. The origin and the shown circles come first and end the search
// when one lies within 3 pixels; among entities at equal distance the lowest number wins.
Pick NearestPick(DisplayPoint p, bool entitiesOnly, const PickScene& scene);
// The grip whose square (plus one pixel) lies under the unsnapped pointer; None when none does.
GripKind HitGrip(DisplayPoint rawPointer, bool entitiesOnly, const PickScene& scene);
// Whether p lies within 2 pixels of the shown size radius circle.
bool HitSizeCircle(DisplayPoint p, const PickScene& scene);
