#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "model/entity.h"

// How a line type's pattern runs along a path on the map, for previews. The pattern is the
// entry drawn on the surface: one repeat spans surface x 5..305 and its base line is the line
// between the index marks, y = 155. Laid along a path, surface x becomes the distance along
// the path and the distance from the base line becomes the distance from the path, on the
// same side as on the surface when the path runs left to right. Repeats follow each other
// without gaps; a line type with "Single pattern" set is laid once, from the path's start.
// Wherever the path turns, a pattern stroke is cut at the turn and the two pieces joined by a
// straight bevel, so every stroke stays one connected line.

struct PathPoint {
    double x = 0;
    double y = 0;
    friend bool operator==(const PathPoint&, const PathPoint&) = default;
};

// A polyline in picture pixels, y down. A closed path runs from its last point back to the
// first. Curves are given as many short segments.
struct LayoutPath {
    std::vector<PathPoint> points;
    bool closed = false;
};

// A connected line in one palette colour.
struct Stroke {
    std::vector<PathPoint> points;
    int32_t colour = 1;
};

inline constexpr double PatternStart = 5;     // surface x where a repeat starts
inline constexpr double PatternLength = 300;  // surface units along the path per repeat
inline constexpr double PatternBaseLine = 155;

// The entity as a polyline in surface units: a line's two ends, an arc drawn as the editor
// draws it, in steps short enough that no point strays more than `tolerance` surface units
// from the true arc.
std::vector<PathPoint> flattenEntity(const Entity& entity, double tolerance);

// The entities laid along the path, `scale` picture pixels per surface unit.
std::vector<Stroke> layOutPattern(std::span<const Entity> entities, bool singlePattern,
                                  const LayoutPath& path, double scale);

double pathLength(const LayoutPath& path);

// The test paths a line type is previewed along, laid out for a picture of the given size:
// a straight line, a zigzag with 90 and 45 degree corners, a gentle curve, a tight curve, a
// closed ring and a path shorter than one repeat; with the scale that fits them.
struct TestPaths {
    std::vector<LayoutPath> paths;
    double scale = 1;
};
TestPaths lineTypeTestPaths(double width, double height);
