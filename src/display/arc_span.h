#pragma once

#include <optional>

#include "display/display_point.h"
#include "model/entity.h"

// An arc as the editor draws it: the circle about its centre through its start point, swept
// counter-clockwise on screen from `start` over `sweep` radians (the whole circle when both
// ends lie on one radial). For measuring what an arc reaches, not for drawing it.
struct ArcSpan {
    double centreX = 0;
    double centreY = 0;
    double radius = 0;
    double start = 0;  // radians from +x, counter-clockwise on screen
    double sweep = 0;  // 0 < sweep <= 2 pi

    bool contains(double angle) const;
    double xAt(double angle) const;
    double yAt(double angle) const;
    double end() const { return start + sweep; }
};

// Nothing for an arc without a valid centre, which the editor does not draw.
std::optional<ArcSpan> drawnArcSpan(const Entity& arc);

// The horizontal extent of what an entity draws: its end points, and for an arc the parts of
// its circle it sweeps through.
struct HorizontalExtent {
    double left = 0;
    double right = 0;
};
std::optional<HorizontalExtent> entityHorizontalExtent(const Entity& entity);

// The largest distance from the point to what the entity draws.
std::optional<double> farthestDistance(const Entity& entity, double x, double y);
