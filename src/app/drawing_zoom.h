#pragma once

// The zoom of the drawing area: every pixel of the 310 x 310 surface is shown as a block of
// zoom x zoom pixels. Only the blit and the pointer positions know of it; the editing core
// works in surface pixels at every zoom.

inline constexpr int MinZoom = 1;
inline constexpr int MaxZoom = 8;

// The zoom brought into MinZoom..MaxZoom.
int clampZoom(int zoom);
// The surface coordinate under a coordinate of the zoomed drawing: floor(screen / zoom), so
// that the whole block of a surface pixel maps back to it.
int surfaceCoordinate(double screen, int zoom);
// The coordinate of the zoomed drawing at the middle of a surface pixel's block, where the
// screen pointer is placed for it.
int blockMiddle(int surface, int zoom);
