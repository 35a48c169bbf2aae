#pragma once

#include "editing/edit_context.h"

// The Escape key on the drawing: it takes back what is in progress and nothing more.
// - Line or Arc tool with a chain started: the rubber band goes, the chain's last point is
//   forgotten (the next click starts a new chain) and the tool's start prompt is shown.
// - A drag in Select mode: it ends with the entry exactly as before the press and no undo
//   step; the rest of the press (moves, the release) does nothing.
// - Select mode with nothing in progress: the selection is dropped.
void Editor_Escape(EditContext& ctx);
