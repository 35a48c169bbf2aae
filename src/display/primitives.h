#pragma once

#include <cstdint>

#include "display/canvas.h"
#include "display/display_point.h"
#include "display/grips.h"
#include "model/library.h"

// How a line or arc is drawn: Normal in its palette colour, Xor in aqua (drawing twice
// removes it), Erase in the silver background.
enum class DrawMode { Normal = 1, Xor = 2, Erase = 3 };

// The origin marker's looks: normal, XOR, erased, and dotted without diagonals (selected).
enum class MarkerKind { Normal = 1, Xor = 2, Erase = 3, Dotted = 4 };

// What the origin marker and the radius circles depend on.
struct OriginView {
    LibraryKind kind = LibraryKind::Symbol;
    int32_t clipRadius = 0;
    int32_t sizeRadius = 0;
    bool showClipRadius = false;
    bool showSizeRadius = false;
};

// The entity drawing primitives leave the pen style as their caller set it.
void DrawLineEntity(Canvas& canvas, DisplayPoint a, DisplayPoint b, int32_t colour, bool useColours,
                    DrawMode mode);
void DrawArcEntity(Canvas& canvas, RealPoint centre, DisplayPoint a, DisplayPoint b, int32_t colour,
                   bool useColours, uint8_t arcFlag, DrawMode mode);
// Draws entity e in the given mode (arc or line).
void DrawEntity(Canvas& canvas, const Entity& e, bool useColours, DrawMode mode);
// The box of surface pixels that drawing e may paint; empty for an arc without a centre.
PixelBox EntityBounds(const Entity& e);
void DrawRadiusCircle(Canvas& canvas, DisplayPoint centre, PenStyle style, int32_t radius,
                      DrawMode mode);
void DrawOriginMarker(Canvas& canvas, const OriginView& view, DisplayPoint point, MarkerKind kind);
// 441 black dots, every 15 pixels from 5 to 305.
void DrawGrid(Canvas& canvas);

void ToggleGrip(Canvas& canvas, Grips& grips, DisplayPoint point, GripKind kind);
void HideGrips(Canvas& canvas, Grips& grips);
// XOR-draws every grip the flags say is shown, leaving the flags alone: the grips on a
// picture painted afresh.
void PaintShownGrips(Canvas& canvas, const Grips& grips);
