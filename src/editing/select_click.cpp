#include "editing/select_click.h"

#include "editing/colours.h"
#include "editing/redraw.h"
#include "editing/selection.h"
#include "editing/work_pick_scene.h"

namespace {

constexpr float ClickTolerance = 4.5f;

void selectEntity(EditContext& ctx, int32_t entity) {
    EditorState& s = ctx.state;
    const bool originWasSelected = s.grips.originSelected;
    HideGrips(ctx.canvas, s.grips);
    toggleSelected(ctx, entity);
    for (int i = 1; i <= selectedCount(s.selection); ++i) {
        DrawSelectedEntity(ctx, selectedItem(s.selection, i));
    }
    if (originWasSelected) {
        ToggleGrip(ctx.canvas, s.grips, WorkOrigin(s), GripKind::Origin);
    }
    UpdateColourSample(ctx);
    setCutCopyDeleteEnabled(ctx.ui, selectedCount(s.selection) > 0);
    s.rubber.rubberArc.centre = {};
}

// What a click without Shift does before it picks.
void dropSelection(EditContext& ctx) {
    EditorState& s = ctx.state;
    ResetSelectionView(ctx, false);
    DrawWorkOriginMarker(ctx, MarkerKind::Normal);
    if (selectedCount(s.selection) > 0) {
        RestyleAll(ctx, PenStyle::Solid);
        clearSelection(ctx);
        ShowCurrentColourSample(ctx);
    }
}

}  // namespace

void SelectEntityAlone(EditContext& ctx, int32_t entity) {
    dropSelection(ctx);
    if (entity >= 1 && entity <= ctx.state.work.workEntityCount) {
        selectEntity(ctx, entity);
    }
}

void SelectOrigin(EditContext& ctx) {
    DrawWorkOriginMarker(ctx, MarkerKind::Erase);
    DrawWorkOriginMarker(ctx, MarkerKind::Dotted);
    // With Shift the origin may already be selected; a second toggle would wipe its grip.
    if (!ctx.state.grips.originShown) {
        ToggleGrip(ctx.canvas, ctx.state.grips, WorkOrigin(ctx.state), GripKind::Origin);
    }
}

void SelectModeClick(EditContext& ctx, bool shift) {
    if (!shift) {
        dropSelection(ctx);
    }
    const Pick pick = NearestPick(ctx.state.rawPointerPos, false, WorkPickScene(ctx.state));
    if (pick.distance >= ClickTolerance) {
        return;
    }
    if (pick.index > 0) {
        selectEntity(ctx, pick.index);
    } else if (pick.index == PickOrigin) {
        SelectOrigin(ctx);
    }
}
