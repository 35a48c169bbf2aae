#pragma once

#include <cstdint>

#include "display/canvas.h"
#include "display/primitives.h"
#include "editing/edit_context.h"

// The drawing of the working entry that depends on the selection or the pointer state.

// What the origin marker and the radius circles of the working entry depend on.
OriginView WorkOriginView(const EditorState& state);
DisplayPoint WorkOrigin(const EditorState& state);
// The working entry's origin marker in the given look (with the radius circles shown).
void DrawWorkOriginMarker(EditContext& ctx, MarkerKind kind);
void DrawWorkOriginMarker(EditContext& ctx, DisplayPoint at, MarkerKind kind);

// Full redraw: grips hidden, surface cleared when `clear`, grid, entities in their look
// (selected ones dotted), origin marker, lastPoint at the end of the drawing, the grips of a
// single selection and a registered rubber band again. Without clearing it draws over what the
// surface shows, so on a surface that keeps its pixels the paint event must use RepaintEntry
// instead.
void RedrawEntry(EditContext& ctx, bool clear);
// The paint handler (SymBoxPaint) on a surface that keeps its pixels: the whole surface is
// painted over in the background, so the grips on it count as gone, then RedrawEntry without
// clearing draws the picture and the registered rubber band once more. Run it once for each
// invalidateDrawing, never for a mere expose or after pointer feedback: during a move it
// would wipe the ghosts, and the XOR feedback is already on the surface.
void RepaintEntry(EditContext& ctx);
// The picture of the edit state within the box, as a fresh full redraw shows it there:
// background, grid, entities in their look, the origin marker (dotted while selected), the
// grips that are shown and the drawing tool's rubber band. Changes no state.
void PaintPicture(EditContext& ctx, PixelBox box);
// Run after every command, pointer release and key: the incremental drawing since the last
// call may have painted over grips, grid dots, the marker or other entities, so whatever it
// touched is painted again as PaintPicture shows it. During a drag it waits for the release.
void SettlePicture(EditContext& ctx);
// Redraws entity `index` (1..workEntityCount) dotted when selected, solid otherwise, with its
// grips when it is the only selected entity.
void DrawSelectedEntity(EditContext& ctx, int32_t index);
// Redraws every entity with one pen style; grips are left alone.
void RestyleAll(EditContext& ctx, PenStyle style);
// Hides the grips, empties the selection when `clear`, and enables Cut, Copy and Delete
// exactly when something is selected.
void ResetSelectionView(EditContext& ctx, bool clear);

// Symbol > Show Size Radius: toggles the check mark and redraws.
void SymbolMenu_ShowSizeRad_Click(EditContext& ctx);
// Symbol > Show Clipping Radius: toggles the check mark and the clipping circle (XOR).
void SymbolMenu_ShowClipRad_Click(EditContext& ctx);
// Draw > Refresh (F5).
void DrawMenu_RefreshClick(EditContext& ctx);
