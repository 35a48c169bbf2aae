#pragma once

#include <cstdint>

// One straight line or circular arc of an entry, in display units (pixels of the 310 x 310
// drawing surface, y down). The field order is fixed: records are copied whole.
struct Entity {
    int32_t x1 = 0;
    int32_t y1 = 0;
    int32_t x2 = 0;
    int32_t y2 = 0;
    uint8_t isArc = 0;
    float centreX = 0;  // arcs only, not rounded
    float centreY = 0;
    uint8_t arcFlag = 0;  // 1 = the longer arc, 0 = the shorter one
    int32_t colour = 1;   // palette index 1..16

    // A slot is in use exactly when its start point is set; a zero coordinate ends the list.
    bool inUse() const { return x1 != 0 && y1 != 0; }
    void markFree() { x1 = y1 = 0; }

    friend bool operator==(const Entity&, const Entity&) = default;
};
