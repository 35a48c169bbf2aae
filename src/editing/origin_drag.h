#pragma once

#include "editing/edit_context.h"

// Dragging the origin of the entry (nothing selected) and the size and clipping radius circles
// of a symbol about it.

void BeginOriginDrag(EditContext& ctx);
void OriginDragStep(EditContext& ctx);
// The origin is left selected at its new place.
void EndOriginDrag(EditContext& ctx);

void BeginRadiusDrag(EditContext& ctx, PointerState radiusDrag);
// The radius of the circle being dragged becomes the pointer's distance from the origin.
void RadiusDragStep(EditContext& ctx);
void EndRadiusDrag(EditContext& ctx);
