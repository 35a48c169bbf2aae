#pragma once

#include "editing/edit_context.h"
#include "editing/pointer_input.h"

// Dragging with the Select tool: the selection (with the origin when it is selected), a grip of
// the single selected entity, the origin, or a radius circle of a symbol.

// A pointer move (or press) in SelectIdle: the pointer shape, and the start of a drag when the
// left button is held on something that can be dragged.
void SelectIdleMove(EditContext& ctx, ShiftState shift);
// A pointer move in one of the drag states.
void DragMove(EditContext& ctx, ShiftState shift);
// The left button released in a drag state. The window calls it anywhere for a grip drag or a
// move, and only inside the drawing area for the origin and the radius drags.
void DragRelease(EditContext& ctx);
