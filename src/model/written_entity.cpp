#include "model/written_entity.h"

#include <cmath>

#include "model/arc_sweep.h"
#include "model/units.h"

namespace {

struct Point {
    long double x = 0;
    long double y = 0;
};

// The point halfway along the drawn arc, unrounded.
Point middleOf(const Entity& arc) {
    const long double dx = static_cast<long double>(arc.x1) - arc.centreX;
    const long double dy = static_cast<long double>(arc.y1) - arc.centreY;
    const long double radius = std::sqrt(dx * dx + dy * dy);
    const long double angle = arcMiddleAngle(arc);
    return {arc.centreX + radius * std::cos(angle), arc.centreY - radius * std::sin(angle)};
}

long double distanceSquared(Point a, Point b) {
    return (a.x - b.x) * (a.x - b.x) + (a.y - b.y) * (a.y - b.y);
}

}  // namespace

Entity entityAsWritten(const Entity& entity) {
    Entity written = entity;
    written.x1 = roundedDisplayX(static_cast<float>(roundedFileX(entity.x1)));
    written.y1 = roundedDisplayY(static_cast<float>(roundedFileY(entity.y1)));
    written.x2 = roundedDisplayX(static_cast<float>(roundedFileX(entity.x2)));
    written.y2 = roundedDisplayY(static_cast<float>(roundedFileY(entity.y2)));
    if (entity.isArc == 0) {
        return written;
    }
    written.centreX = toDisplayX(static_cast<float>(roundHalfEven(toFileX(entity.centreX))));
    written.centreY = toDisplayY(static_cast<float>(roundHalfEven(toFileY(entity.centreY))));
    // An arc in whole file units, as every arc read from a file is, comes back as it is.
    if (written == entity) {
        return written;
    }
    const Point before = middleOf(entity);
    Entity other = written;
    other.arcFlag = entity.arcFlag != 0 ? 0 : 1;
    if (distanceSquared(middleOf(other), before) < distanceSquared(middleOf(written), before)) {
        written.arcFlag = other.arcFlag;
    }
    return written;
}
