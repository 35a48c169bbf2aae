#pragma once

#include <string>

#include "display/display_point.h"

// Snapping, clamping and unit conversion on the drawing surface. Pure functions.

// Snaps one coordinate to the grid of the given step (15 with snap on, 1 with it off).
int32_t SnapAxis(int32_t value, int32_t step);
// Both coordinates with the same step.
DisplayPoint SnapPoint(DisplayPoint point, bool snapToGrid);
// Clamps x and then y into 5..305.
DisplayPoint ClampPoint(DisplayPoint point);
bool PointInArea(DisplayPoint point);

// File units (1.5 display units, y up, 0..200) and display units, each step in single
// precision.
float toFileX(float displayX);
float toFileY(float displayY);
float toDisplayX(float fileX);
float toDisplayY(float fileY);
// Rounds to the nearest integer with halves to the even neighbour.
int32_t roundHalfEven(double value);

// The pointer position in grid cells for the status bar, "4,10" with snap on, "3.2,0.7" off.
std::string CoordinateReadout(DisplayPoint pointerPos, bool snapToGrid);
