#pragma once

#include "editing/edit_context.h"

// Adding lines and arcs to the working entry with the drawing tools. Each new entity continues
// the chain: the next one starts where it ends.

// A click in LinePoints with the chain start set: a line from lastPoint to pointerPos. A click
// on the chain start itself makes nothing.
void AddChainLine(EditContext& ctx);
// A click in ArcThirdPoint: the arc from lastPoint to arcEndPoint through pointerPos. Nothing
// happens when the three points give no centre; otherwise the Arc tool wants the next end point.
void AddChainArc(EditContext& ctx);
