#pragma once

#include "model/entity.h"

// Which of the two arcs between an arc entity's end points its arcFlag means. Drawing, picking,
// the middle grip, the line type extent and the writer all ask here, so that an arc is picked,
// gripped, measured and saved as it is drawn.
//
// The arc is drawn counter-clockwise on screen from the radial through one end point to the
// radial through the other. With the centre off the chord, arcFlag 1 is the longer and 0 the
// shorter of the two arcs; with the centre on the chord (the arcs are halves), 1 is the half
// swept counter-clockwise from the start point and 0 the half swept clockwise.

// The centre lies on the chord from the start to the end point, within the tolerance the
// geometry uses everywhere.
bool centreOnChord(const Entity& arc);

// True when the counter-clockwise sweep runs from the end point to the start point.
bool sweepsFromEnd(const Entity& arc);

// The angle about the centre halfway along the drawn sweep, 0..2pi (the point opposite the
// start for a full circle).
float arcMiddleAngle(const Entity& arc);

// Whether the angle (about the centre) lies within the drawn sweep, both ends included.
bool angleWithinArc(const Entity& arc, float angle);
