#pragma once

// The angle of a point about a centre in radians, 0 <= angle < 2pi, counter-clockwise as seen on
// the screen (0 = right, pi/2 = up, that is towards smaller display y). Computed in extended
// precision and returned as a 4-byte real, as the arc geometry everywhere expects.
float polarAngle(float centreX, float centreY, float x, float y);
