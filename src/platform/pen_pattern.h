#pragma once

#include <span>

#include "display/canvas.h"

// The on/off runs, in pixels, of a pen style; empty for a solid pen. The Qt painter and the
// canvas's own XOR raster use the same runs, so a style looks the same in every pen mode.
std::span<const int> penDashRuns(PenStyle style);

// Whether the pixel at `step` (counted from the start of the figure) is painted.
bool penPaintsStep(std::span<const int> runs, long long step);
