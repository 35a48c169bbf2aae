#include "editing/selection_move.h"

#include <algorithm>

#include "display/coordinates.h"
#include "display/primitives.h"
#include "editing/move_preview.h"
#include "editing/redraw.h"
#include "editing/selection.h"

namespace {

// Keeps one axis of the grabbed entity inside the area when its start is placed at
// pointer + offset: the offset gives way, so the entity slides along the border and follows the
// pointer again as soon as it comes back.
void fitOffset(int32_t& offset, int32_t pointer, int32_t start, int32_t end) {
    const int32_t placedStart = pointer + offset;
    const int32_t placedEnd = placedStart + (end - start);
    const int32_t low = std::min(placedStart, placedEnd);
    const int32_t high = std::max(placedStart, placedEnd);
    if (low < AreaMin) {
        offset += AreaMin - low;
    } else if (high > AreaMax) {
        offset -= high - AreaMax;
    }
}

}  // namespace

void BeginSelectionMove(EditContext& ctx) {
    EditorState& s = ctx.state;
    ctx.ui.setPointerCapture(true);
    if (selectedCount(s.selection) > 0) {
        RestyleAll(ctx, PenStyle::Solid);
    }
    // A grab on the origin moves the selection as if its first entity had been grabbed.
    const int32_t grabbed = s.pickResult > 0 ? s.pickResult : selectedItem(s.selection, 1);
    if (!isWorkEntity(s, grabbed)) {
        ctx.ui.setPointerCapture(false);
        return;
    }
    s.pickResult = grabbed;
    if (!isSelected(s.selection, grabbed)) {
        ResetSelectionView(ctx, true);
        addToSelection(s.selection, grabbed);
        setCutCopyDeleteEnabled(ctx.ui, true);
        ctx.observer.selectionChanged();
    }
    if (s.grips.originSelected) {
        // Hidden on the screen, the origin stays selected and moves along.
        ToggleGrip(ctx.canvas, s.grips, s.grips.originPos, GripKind::Origin);
        DrawWorkOriginMarker(ctx, MarkerKind::Erase);
    }
    const Entity& g = s.work.workEntities[grabbed - 1];
    s.moveAnchorStart = {g.x1, g.y1};
    s.moveAnchorEnd = {g.x2, g.y2};
    EraseSelection(ctx, grabbed);
    const DisplayPoint pointer = ClampPoint(s.pointerPos);
    s.grabOffset = {g.x1 - pointer.x, g.y1 - pointer.y};
    DrawMovePreview(ctx, pointer, grabbed, s.grabOffset);
    s.pointerState = PointerState::MoveSelection;
    s.moveLast = pointer;
}

void SelectionMoveStep(EditContext& ctx, bool leftHeld) {
    EditorState& s = ctx.state;
    ctx.ui.setPointerCapture(true);
    const DisplayPoint pointer = ClampPoint(s.pointerPos);
    if (!leftHeld || pointer == s.moveLast) {
        return;
    }
    DrawMovePreview(ctx, s.moveLast, s.pickResult, s.grabOffset);
    fitOffset(s.grabOffset.x, pointer.x, s.moveAnchorStart.x, s.moveAnchorEnd.x);
    fitOffset(s.grabOffset.y, pointer.y, s.moveAnchorStart.y, s.moveAnchorEnd.y);
    DrawMovePreview(ctx, pointer, s.pickResult, s.grabOffset);
    s.moveLast = pointer;
}

void EndSelectionMove(EditContext& ctx) {
    EditorState& s = ctx.state;
    const int32_t grabbed = s.pickResult;
    const DisplayPoint pointer = ClampPoint(s.pointerPos);
    // Removes the ghosts where they were drawn last, wherever the button comes up.
    DrawMovePreview(ctx, s.moveLast, grabbed, s.grabOffset);
    // Only a real displacement is stored: a selection held at the border has not moved, even
    // if the pointer has.
    const bool moved = MoveDisplacement(s, pointer, grabbed, s.grabOffset) != DisplayPoint{};
    CommitMove(ctx, pointer, grabbed, s.grabOffset, moved);
    s.pointerState = PointerState::SelectIdle;
    if (s.grips.originSelected) {
        DrawWorkOriginMarker(ctx, MarkerKind::Dotted);
        ToggleGrip(ctx.canvas, s.grips, WorkOrigin(s), GripKind::Origin);
    }
    if (isWorkEntity(s, grabbed)) {
        DrawSelectedEntity(ctx, grabbed);
    }
    ctx.ui.setPointerCapture(false);
}
