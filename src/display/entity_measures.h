#pragma once

#include "model/entity.h"

// Measures of an entity for showing it in numbers: lengths in pixels of the surface, angles in
// radians counter-clockwise as seen on screen (y taken upwards).

double LineLength(const Entity& line);
// The direction from the start to the end point, 0..2pi; 0 for a line of no length.
double LineAngle(const Entity& line);
// The distance from the centre to the start point.
double ArcRadius(const Entity& arc);
// The angle the drawn arc sweeps, above 0 and at most 2pi (a full circle when its end points
// coincide).
double ArcSweepAngle(const Entity& arc);
double ArcLength(const Entity& arc);
// Whether the centre lies on the chord: the two arcs are halves, and arcFlag says which.
bool CentreOnChord(const Entity& arc);
