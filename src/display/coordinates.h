#pragma once

#include <string>

#include "display/display_point.h"
#include "model/units.h"  // toFileX, toDisplayX, ..., roundHalfEven

// Snapping, clamping and the coordinate read-out on the drawing surface. Pure functions.

// Snaps one coordinate to the grid of the given step (15 with snap on, 1 with it off; never
// below 1). Positions up to 4 pixels outside the area are pulled onto its edge; farther out
// they become 0 or 310, which PointInArea rejects.
int32_t SnapAxis(int32_t value, int32_t step);
// Both coordinates with the same step. The caller keeps the unsnapped point as rawPointerPos.
DisplayPoint SnapPoint(DisplayPoint point, bool snapToGrid);
// Clamps x and then y into 5..305.
DisplayPoint ClampPoint(DisplayPoint point);
bool PointInArea(DisplayPoint point);

// The pointer position in grid cells for the status bar, "4,10" with snap on, "3.2,0.7" off,
// at most 40 characters. Empty when the point lies outside the drawing area: the panel then
// keeps the text it has.
std::string CoordinateReadout(DisplayPoint pointerPos, bool snapToGrid);
