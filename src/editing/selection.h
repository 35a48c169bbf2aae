#pragma once

#include <cstdint>

#include "editing/edit_context.h"
#include "editing/editor_state.h"

// The list of selected entity numbers: the leading non-zero slots, in the order of selection,
// each number held at most once.

int selectedCount(const Selection& selection);
// Slot i (1..count) of the list; 0 for any other i.
int32_t selectedItem(const Selection& selection, int i);
bool isSelected(const Selection& selection, int32_t entity);
// Writes the entity into the first free slot; false when it is already held, the list is
// full or the number is not 1..MaxEntities.
bool addToSelection(Selection& selection, int32_t entity);
// Removes the entity; the later slots move down one and the freed last slot becomes 0.
bool removeFromSelection(Selection& selection, int32_t entity);
// Puts the used slots into descending order of entity number, for removing from the top down.
void sortSelectionDescending(Selection& selection);

// Removes a selected entity (drawn again, now solid) or adds an unselected one.
void toggleSelected(EditContext& ctx, int32_t entity);
// Empties the list, disables Cut, Copy and Delete, and shows the current colour in the sample
// while the entry uses colours.
void clearSelection(EditContext& ctx);

// Cut, Copy and Delete are always enabled together.
void setCutCopyDeleteEnabled(EditorUi& ui, bool enabled);
void setSelectCommandsEnabled(EditorUi& ui, bool enabled);
