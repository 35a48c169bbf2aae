#pragma once

#include "editing/edit_context.h"

// Moving the selected entities, and the origin with them when it is selected, by dragging one
// of them (or the origin). The whole selection stops together at the border of the drawing area.

// pickResult holds what was grabbed: an entity, or the origin while entities are selected.
void BeginSelectionMove(EditContext& ctx);
void SelectionMoveStep(EditContext& ctx, bool leftHeld);
// Stores the moved selection, one undo step per entity that actually moved.
void EndSelectionMove(EditContext& ctx);
