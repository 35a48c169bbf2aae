#pragma once

#include <cstdint>
#include <vector>

#include "display/display_point.h"

// The pixels of lines and arcs in drawing order, for the canvas's own XOR raster: every pixel
// of a figure is listed once, so XOR-ing a figure twice restores the picture exactly.

// One pixel of a figure; `step` counts the pixels from the figure's start (for pen dashes).
struct PathPixel {
    int32_t x = 0;
    int32_t y = 0;
    int64_t step = 0;
};

// The pixels of the line from a to b, b itself left out, that lie on a size x size surface.
void linePixels(DisplayPoint a, DisplayPoint b, int32_t size, std::vector<PathPixel>& out);

// The closed outline of the ellipse inscribed in the box (right and bottom inclusive: the
// outline touches both), counter-clockwise on screen from the rightmost pixel. Boxes wider
// or taller than MaxRingBox give no pixels.
inline constexpr int64_t MaxRingBox = 16384;
void ellipseRing(int64_t left, int64_t top, int64_t right, int64_t bottom,
                 std::vector<DisplayPoint>& ring);

// The part of the ellipse outline swept counter-clockwise on screen from the radial through
// `from` to the radial through `to` (the whole outline when both lie on one radial), in
// sweep order, clipped to a size x size surface. `ring` is working storage.
void arcPixels(int64_t left, int64_t top, int64_t right, int64_t bottom, DisplayPoint from,
               DisplayPoint to, int32_t size, std::vector<DisplayPoint>& ring,
               std::vector<PathPixel>& out);
