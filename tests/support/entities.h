#pragma once

#include <cstdint>

#include "display/display_point.h"
#include "model/entity.h"

// Line and arc entities for tests, in display units, of colour 1 unless given.

inline Entity lineEntity(int x1, int y1, int x2, int y2, int colour = 1) {
    Entity e;
    e.x1 = x1;
    e.y1 = y1;
    e.x2 = x2;
    e.y2 = y2;
    e.colour = colour;
    return e;
}

inline Entity lineEntity(DisplayPoint start, DisplayPoint end, int colour = 1) {
    return lineEntity(start.x, start.y, end.x, end.y, colour);
}

// The arc from (x1, y1) to (x2, y2) about the centre; flag 1 = the longer arc.
inline Entity arcEntity(int x1, int y1, int x2, int y2, float cx, float cy, uint8_t flag,
                        int colour = 1) {
    Entity e = lineEntity(x1, y1, x2, y2, colour);
    e.isArc = 1;
    e.centreX = cx;
    e.centreY = cy;
    e.arcFlag = flag;
    return e;
}

inline Entity arcEntity(DisplayPoint start, DisplayPoint end, RealPoint centre, uint8_t flag,
                        int colour = 1) {
    return arcEntity(start.x, start.y, end.x, end.y, centre.x, centre.y, flag, colour);
}
