#pragma once

#include <cstdint>

#include "display/display_point.h"
#include "editing/edit_context.h"
#include "model/entity.h"

// Moving the selection: the selected entities (and the origin when it is selected) are
// displaced together so that the grabbed entity's start follows pointer + offset, pushed back
// as a whole when they would leave the drawing area.

// The displacement of the whole selection for this pointer position, border correction
// included; (0, 0) when `grabbed` is not an entity of the working copy.
DisplayPoint MoveDisplacement(const EditorState& state, DisplayPoint pointer, int32_t grabbed,
                              DisplayPoint offset);
// Entity e moved by the displacement; an arc's centre keeps its place relative to the start.
Entity DisplacedEntity(const Entity& e, DisplayPoint displacement);

// Paints the grabbed entity and every selected entity in the background before a move; a
// shown Origin grip stays shown.
void EraseSelection(EditContext& ctx, int32_t grabbed);
// XOR ghost of the displaced selection (and origin marker); drawing it twice removes it.
// With nothing selected the grabbed entity is selected first.
void DrawMovePreview(EditContext& ctx, DisplayPoint pointer, int32_t grabbed, DisplayPoint offset);
// Stores the displaced selection through setEntity when `moved` (one Changed step each), draws
// it dotted, moves a selected origin and marks the entry modified. Grid dots it paints over
// come back when the picture settles (SettlePicture).
void CommitMove(EditContext& ctx, DisplayPoint pointer, int32_t grabbed, DisplayPoint offset,
                bool moved);
