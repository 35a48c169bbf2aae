#pragma once

#include "display/entity_transform.h"
#include "editing/edit_context.h"

// Edit > Transform and the drawing's popup menu: mirror, rotate or scale the selected entities,
// or every entity of the entry when none is selected, about the entry's transform centre.
// Each entity that changes is one Changed undo step; the selection stays selected. A transform
// that cannot be made is refused with a warning and changes nothing.
void EditMenu_Transform_Click(EditContext& ctx, const Transform& transform);
