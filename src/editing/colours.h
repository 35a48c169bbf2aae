#pragma once

#include <cstdint>

#include "display/canvas.h"
#include "editing/edit_context.h"

// The current drawing colour (the tag of the colour sample), the sample line and the sixteen
// colour boxes of the toolbar.

inline constexpr int ColourBoxCount = 16;

// The common action of the sixteen colour box handlers: n becomes the current colour and the
// colour of every selected entity (one Changed step each). Beeps, and does nothing else,
// while the entry does not use colours; an n outside 1..16 is ignored.
void ColourBox_Click(EditContext& ctx, int32_t n);

// Sets the pen of the colour sample; the state keeps what the window shows.
void SetColourSamplePen(EditContext& ctx, Rgb colour);
// The sample shows the current colour, black while the entry does not use colours.
void ShowCurrentColourSample(EditContext& ctx);
// Each box in its own colour while the entry uses colours, else all gray.
void ShowColourBoxes(EditContext& ctx);
// The sample shows the common colour of the selection, silver when the selected entities
// differ or colours are off; nothing changes while nothing is selected.
void UpdateColourSample(EditContext& ctx);
