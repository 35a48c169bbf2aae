#include "editing/select_drag.h"

#include "display/picking.h"
#include "editing/grip_drag.h"
#include "editing/origin_drag.h"
#include "editing/redraw.h"
#include "editing/selection.h"
#include "editing/selection_move.h"
#include "editing/work_pick_scene.h"

namespace {

// Thresholds of the pointer in Select mode, in pixels.
constexpr float GrabShapeDistance = 1.5f;
constexpr float GrabDistance = 3.0f;

bool movedSincePress(const EditorState& s) {
    return static_cast<float>(s.rawPointerPos.x) != s.downPoint.x ||
           static_cast<float>(s.rawPointerPos.y) != s.downPoint.y;
}

// What a grab that is not a move drags: the origin alone or a radius circle. Nothing stays
// selected while it does.
void beginSingleDrag(EditContext& ctx, int32_t pick) {
    if (selectedCount(ctx.state.selection) > 0) {
        ResetSelectionView(ctx, true);
        RestyleAll(ctx, PenStyle::Solid);
    }
    switch (pick) {
        case PickOrigin:
            BeginOriginDrag(ctx);
            break;
        case PickClipCircle:
            BeginRadiusDrag(ctx, PointerState::DragClipRadius);
            break;
        case PickSizeCircle:
            BeginRadiusDrag(ctx, PointerState::DragSizeRadius);
            break;
        default:
            break;
    }
}

}  // namespace

void SelectIdleMove(EditContext& ctx, ShiftState shift) {
    EditorState& s = ctx.state;
    const PickScene scene = WorkPickScene(s);
    const DisplayPoint raw = s.rawPointerPos;
    const bool overSomething = HitGrip(raw, false, scene) != GripKind::None ||
                               HitSizeCircle(raw, scene) ||
                               SelectionDistance(raw, scene) < GrabShapeDistance;
    ctx.ui.setCursor(overSomething ? CursorShape::Grab : CursorShape::Arrow);

    const bool anySelected = selectedCount(s.selection) > 0;
    const GripKind entityGrip = HitGrip(raw, true, scene);
    if (anySelected) {
        setCutCopyDeleteEnabled(ctx.ui, true);
        if (entityGrip != GripKind::None && shift.left) {
            s.entryBeforeDrag = s.work.workEntry;
            BeginGripDrag(ctx, entityGrip);
            return;
        }
    }
    // A press alone never grabs: the pointer must have moved since.
    if (!shift.left || entityGrip != GripKind::None || shift.shift || !movedSincePress(s)) {
        return;
    }
    const Pick pick = NearestPick(raw, false, scene);
    if (pick.distance >= GrabDistance) {
        return;
    }
    ctx.ui.setCursor(CursorShape::Grab);
    s.pickResult = pick.index;
    s.entryBeforeDrag = s.work.workEntry;
    if (pick.index > 0 || (pick.index == PickOrigin && anySelected)) {
        BeginSelectionMove(ctx);
    } else {
        beginSingleDrag(ctx, pick.index);
    }
}

void DragMove(EditContext& ctx, ShiftState shift) {
    switch (ctx.state.pointerState) {
        case PointerState::DragSizeRadius:
        case PointerState::DragClipRadius:
            if (shift.left) {
                RadiusDragStep(ctx);
            }
            break;
        case PointerState::DragOrigin:
            if (shift.left) {
                OriginDragStep(ctx);
            }
            break;
        case PointerState::DragHandle:
            if (shift.left) {
                GripDragMove(ctx);
            }
            break;
        case PointerState::MoveSelection:
            SelectionMoveStep(ctx, shift.left);
            break;
        default:
            break;
    }
}

void DragRelease(EditContext& ctx) {
    switch (ctx.state.pointerState) {
        case PointerState::DragSizeRadius:
        case PointerState::DragClipRadius:
            EndRadiusDrag(ctx);
            break;
        case PointerState::DragOrigin:
            EndOriginDrag(ctx);
            break;
        case PointerState::DragHandle:
            EndGripDrag(ctx);
            break;
        case PointerState::MoveSelection:
            EndSelectionMove(ctx);
            break;
        default:
            break;
    }
}
