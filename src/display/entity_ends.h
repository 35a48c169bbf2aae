#pragma once

#include "display/display_point.h"
#include "model/entity.h"

// The start and end points of a line or an arc on the drawing surface.
inline DisplayPoint startOf(const Entity& e) {
    return {e.x1, e.y1};
}

inline DisplayPoint endOf(const Entity& e) {
    return {e.x2, e.y2};
}
