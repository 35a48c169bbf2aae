#pragma once

#include "display/display_point.h"

// An arc as the canvas draws it, for the vector pictures: the ellipse inscribed in the box
// (right and bottom inclusive), swept counter-clockwise on screen from where the radial
// through `from` meets it to where the radial through `to` does, the whole ellipse when both
// lie on one radial.
struct ArcOutline {
    double centreX = 0;
    double centreY = 0;
    double radiusX = 0;
    double radiusY = 0;
    double startX = 0;
    double startY = 0;
    double endX = 0;
    double endY = 0;
    double startAngle = 0;  // radians, of the ellipse's parameter, counter-clockwise from +x
    double sweep = 0;       // radians, 0 < sweep <= 2 pi
    bool whole = false;
};

ArcOutline arcOutline(int left, int top, int right, int bottom, DisplayPoint from, DisplayPoint to);
