#pragma once

#include <cstdint>

#include "display/display_point.h"
#include "editing/edit_context.h"
#include "editing/editor_state.h"

// The undo history of the working copy and the only two writers of the working entities.
// Every change of an entity goes through setEntity or deleteEntity and leaves one record.

// The redo history holds the steps Undo took back, so that Redo makes them again in reverse
// order; a new change empties it.

// Appends a record, dropping the oldest when 100 are held; Deleted and Changed records save
// the slot as it is now, before the caller changes it. Enables the two Undo controls and
// empties the redo history.
void pushUndo(EditContext& ctx, UndoKind kind, int32_t index);
// Empties both histories and disables the Undo and Redo controls.
void clearUndo(EditContext& ctx);

// Writes entity `index` (1..MaxEntities; others are ignored) and records Added when it is the
// new last slot (index == workEntityCount and the slot is free), Changed otherwise. The colour
// is stored only while the entry uses colours, else 1; centre and arcFlag only for arcs.
void setEntity(EditContext& ctx, int32_t index, DisplayPoint start, DisplayPoint end,
               uint8_t arcFlag, RealPoint centre, int32_t colour, uint8_t isArc);
// The colour setEntity stores for `colour` in this entry.
inline int32_t storedColour(const LibraryEntry& entry, int32_t colour) {
    return entry.useColours ? colour : 1;
}
// Writes the whole record e into slot `index` through setEntity.
void setEntity(EditContext& ctx, int32_t index, const Entity& e);
// Removes entity `index` (1..workEntityCount); the later ones move down one slot. Select and
// Select All stay enabled exactly while entities remain.
void deleteEntity(EditContext& ctx, int32_t index, bool record);

// Reverts the newest record after clearing the selection; the click handler of tbUndoBtn.
void tbUndoBtn_click(EditContext& ctx);
// Edit > Undo: clears status panel 0, then clicks tbUndoBtn.
void EditMenu_Undo_Click(EditContext& ctx);
// Makes the step the last Undo took back again, with the same effects on the picture, the
// selection and the controls; the click handler of tbRedoBtn.
void tbRedoBtn_click(EditContext& ctx);
// Edit > Redo: clears status panel 0, then clicks tbRedoBtn.
void EditMenu_Redo_Click(EditContext& ctx);
