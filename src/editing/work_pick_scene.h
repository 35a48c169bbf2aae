#pragma once

#include "display/picking.h"
#include "editing/editor_state.h"

// The working entry as the picking functions see it: its entities, origin and radii, the
// circles and grips on screen, and the selection. Valid while the state is.
PickScene WorkPickScene(const EditorState& state);
