#pragma once

#include "editing/edit_context.h"

// The Select tool and Edit > Select All.

// Select tool: SelectIdle, arrow, a full redraw with clearing, the Select button down, Edit >
// Select checked and Draw > Line and Arc unchecked, status panel 0 cleared.
void tbSelectBtn_Click(EditContext& ctx);
// Selects every entity in order and shows them dotted (the origin is not selected).
void EditMenu_SelectAll_Click(EditContext& ctx);
