#pragma once

#include "editing/edit_context.h"

// A left click in Select mode at rawPointerPos. Without Shift the old selection is dropped
// first; then the entity within 4.5 pixels is toggled into or out of the selection, or the
// origin is selected (a click within 3 pixels of the origin always picks the origin).
void SelectModeClick(EditContext& ctx, bool shift);
// Draws the origin in its selected look with its grip.
void SelectOrigin(EditContext& ctx);
