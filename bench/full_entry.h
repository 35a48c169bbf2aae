#pragma once

#include <random>

#include "display/arc_geometry.h"
#include "model/library.h"

// 250 entities across the whole area, every second one an arc through three random points.
inline EntityArray fullEntry() {
    EntityArray entities{};
    std::mt19937 random(7);
    std::uniform_int_distribution<int32_t> coordinate(AreaMin, AreaMax);
    for (std::size_t i = 0; i < entities.size();) {
        Entity e;
        e.x1 = coordinate(random);
        e.y1 = coordinate(random);
        e.x2 = coordinate(random);
        e.y2 = coordinate(random);
        if (i % 2 == 1) {
            RealPoint centre;
            ArcThroughPoints({e.x1, e.y1}, {e.x2, e.y2}, {coordinate(random), coordinate(random)},
                             centre, e.arcFlag);
            if (!IsValidCentre(centre)) {
                continue;
            }
            e.isArc = 1;
            e.centreX = centre.x;
            e.centreY = centre.y;
        }
        entities[i++] = e;
    }
    return entities;
}
