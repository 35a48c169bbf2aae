#pragma once

#include "editing/edit_context.h"

// A left click in Select mode at rawPointerPos. Without Shift the old selection is dropped
// first; then the entity within 4.5 pixels is toggled into or out of the selection, or the
// origin is selected (a click within 3 pixels of the origin always picks the origin).
void SelectModeClick(EditContext& ctx, bool shift);
// Selects entity (1..workEntityCount) alone, as a click on it without Shift does.
void SelectEntityAlone(EditContext& ctx, int32_t entity);
// Draws the origin in its selected look with its grip.
void SelectOrigin(EditContext& ctx);
