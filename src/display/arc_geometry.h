#pragma once

#include <cstdint>
#include <optional>

#include "display/display_point.h"
#include "model/entity.h"

// Angles are radians 0..2pi, counter-clockwise as seen on screen (y taken upwards).
inline constexpr double TwoPi = 6.283185308;
inline constexpr double Pi = 3.141592654;
inline constexpr double HalfPi = 1.570796327;
inline constexpr double ThreeHalfPi = 4.712388981;
inline constexpr double Tolerance = 1e-6;
inline constexpr double MaxArcRadius = 3000;

float AngleAbout(RealPoint centre, RealPoint point);
float PointDistance(RealPoint a, RealPoint b);
void NormaliseAngle(float& angle);
// The intersection of the line through m1 perpendicular to direction t1 with the line through
// m2 perpendicular to t2; nothing when the two are parallel.
std::optional<RealPoint> BisectorCentre(RealPoint m1, float t1, RealPoint m2, float t2);

// The centre of the arc from s to e through m, (0, 0) when there is none; arcFlag is written
// only when a centre is found.
void ArcThroughPoints(DisplayPoint s, DisplayPoint e, DisplayPoint m, RealPoint& centre,
                      uint8_t& arcFlag);
// A centre with a coordinate within the tolerance of 0 stands for "no centre".
bool IsValidCentre(RealPoint centre);

// How an arc is drawn: the bounding square of its circle and the counter-clockwise sweep
// from the radial through `from` to the radial through `to`.
struct ArcSweep {
    int32_t left = 0;
    int32_t top = 0;
    int32_t right = 0;
    int32_t bottom = 0;
    DisplayPoint from;
    DisplayPoint to;
};
ArcSweep ArcDrawSweep(RealPoint centre, DisplayPoint a, DisplayPoint b, uint8_t arcFlag);

// The point halfway along an arc entity (the middle grip), rounded to whole pixels.
DisplayPoint ArcMidpoint(const Entity& arc);
float SegmentDistance(DisplayPoint p, DisplayPoint a, DisplayPoint b);
float ArcDistance(DisplayPoint p, const Entity& arc);
// ArcDistance for arcs, SegmentDistance for lines.
float EntityDistance(DisplayPoint p, const Entity& entity);
