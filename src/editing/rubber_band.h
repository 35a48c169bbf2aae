#pragma once

#include "display/display_point.h"
#include "editing/edit_context.h"

// The XOR feedback while a line or arc is drawn or reshaped: drawing the same figure again
// removes it, so a pointer move costs one erase and one draw, never a full redraw.

// Moves the rubber-band line (from lastPoint) to the pointer; (0, 0) only removes it.
void TrackRubberLine(EditContext& ctx, DisplayPoint pointer);
// Removes the rubber-band line drawn last; lastRubberPos keeps its value.
void EraseRubberLine(EditContext& ctx);
// Replaces the rubber band by the arc from s to e through m; the centre and arcFlag found are
// written to `arc`.
void TrackRubberArc(EditContext& ctx, DisplayPoint m, DisplayPoint s, DisplayPoint e, EditArc& arc);
// Removes the rubber-band arc drawn last.
void EraseRubberArc(EditContext& ctx);
// Forgets the registered rubber band (after it is off the screen or its entry is gone).
void ForgetRubberBand(EditorState& state);
// Draws the drawing tool's rubber band once more in XOR: the line in LinePoints and ArcPoints;
// in ArcThirdPoint the arc, or the line to the end point while no move has replaced it yet.
// Removes it while it is shown and shows it again on a rebuilt picture.
void ToggleToolRubberBand(EditContext& ctx);
// The XOR drawing of ToggleToolRubberBand alone, with Timer2 left as it is: the rubber band on a
// picture painted afresh.
void PaintToolRubberBand(EditContext& ctx);
// Takes the drawing tool's rubber band off the screen and forgets it, so that no later redraw
// brings it back. In the other states nothing of it is shown and it is only forgotten.
void RemoveToolRubberBand(EditContext& ctx);
