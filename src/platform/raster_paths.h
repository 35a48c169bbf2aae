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

// The part of the outline of the ellipse inscribed in the box (right and bottom inclusive:
// the outline touches both) swept counter-clockwise on screen from the radial through
// `from` to the radial through `to`, the whole outline when both lie on one radial. Each
// pixel's step counts from the start of the sweep; only pixels on a size x size surface
// are listed, in no particular order.
void arcPixels(int64_t left, int64_t top, int64_t right, int64_t bottom, DisplayPoint from,
               DisplayPoint to, int32_t size, std::vector<PathPixel>& out);

// Whether `from` and `to` lie on one radial from the centre of the box, so that an arc between
// them is the whole outline (a point at the centre stands for the radial to the right).
bool onOneRadial(int64_t left, int64_t top, int64_t right, int64_t bottom, DisplayPoint from,
                 DisplayPoint to);
