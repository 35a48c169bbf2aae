#pragma once

#include <cstdint>

#include "editing/edit_context.h"

// Drawing without the mouse: while the Line or Arc tool is active and the pointer is over the
// drawing area, the arrow keys move the pointer and Space clicks there.

// The keys the window passes on, by their key codes.
enum class DrawingKey : int { Space = 32, Left = 37, Up = 38, Right = 39, Down = 40 };

// The step along the key's axis from coordinate v (5..305; y grows downwards): one grid cell
// with snapping on, otherwise the whole pixels to the next tenth of a cell (one file unit).
int32_t KeyboardStep(DrawingKey key, int32_t v, bool snapToGrid);

// Moves the pointer by one step, clamped to the drawing area, places the screen pointer there
// and feeds the tool a pointer move; Space gives it a left click at the pointer instead.
// Does nothing while the pointer is off the area, in any state but LinePoints and ArcPoints,
// or while the entry list has the focus.
void Editor_KeyDown(EditContext& ctx, DrawingKey key);

// Edit > Snap to Grid (F3): toggles the check mark and snapping with it.
void EditMenu_Snap_Click(EditContext& ctx);
