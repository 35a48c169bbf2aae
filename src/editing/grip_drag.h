#pragma once

#include "display/grips.h"
#include "editing/edit_context.h"

// Reshaping the single selected entity by one of its grips: the start or end point of a line or
// arc, or the middle of an arc (which bends it through the pointer).

void BeginGripDrag(EditContext& ctx, GripKind grip);
// The grip follows the pointer, kept inside the drawing area, with the reshaped entity as
// rubber band.
void GripDragMove(EditContext& ctx);
// Stores the reshaped entity; an arc bent so far that it has no centre stays as it was.
void EndGripDrag(EditContext& ctx);
