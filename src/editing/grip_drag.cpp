#include "editing/grip_drag.h"

#include "display/arc_geometry.h"
#include "display/coordinates.h"
#include "display/entity_ends.h"
#include "display/primitives.h"
#include "editing/rubber_band.h"
#include "editing/selection.h"
#include "editing/undo.h"

namespace {

// The entity being reshaped: the only selected one; 0 when the selection holds none of the
// working entities.
int32_t reshapedEntity(const EditorState& s) {
    const int32_t index = selectedItem(s.selection, 1);
    return index >= 1 && index <= s.work.workEntityCount ? index : 0;
}

DisplayPoint& gripPosition(Grips& grips, GripKind kind) {
    switch (kind) {
        case GripKind::Start:
            return grips.startPos;
        case GripKind::End:
            return grips.endPos;
        default:
            return grips.middlePos;
    }
}

// A grip is moved by XOR-drawing it at its old place and at the new one.
void moveGrip(EditContext& ctx, GripKind kind, DisplayPoint to) {
    Grips& grips = ctx.state.grips;
    ToggleGrip(ctx.canvas, grips, gripPosition(grips, kind), kind);
    ToggleGrip(ctx.canvas, grips, to, kind);
}

// Grips are XOR squares: whatever is painted over them in copy mode must be painted while they
// are lifted, or removing them later leaves marks.
void toggleEntityGrips(EditContext& ctx) {
    Grips& grips = ctx.state.grips;
    if (grips.endGripsShown) {
        ToggleGrip(ctx.canvas, grips, grips.startPos, GripKind::Start);
        ToggleGrip(ctx.canvas, grips, grips.endPos, GripKind::End);
    }
    if (grips.middleShown) {
        ToggleGrip(ctx.canvas, grips, grips.middlePos, GripKind::Middle);
    }
}

void paintUnderGrips(EditContext& ctx, const Entity& e, PenStyle style, DrawMode mode) {
    toggleEntityGrips(ctx);
    ctx.canvas.setPenStyle(style);
    DrawEntity(ctx.canvas, e, ctx.state.work.workEntry.useColours != 0, mode);
    ctx.canvas.setPenStyle(PenStyle::Solid);
    toggleEntityGrips(ctx);
}

void drawSelectedLook(EditContext& ctx, const Entity& e) {
    paintUnderGrips(ctx, e, PenStyle::Dot, DrawMode::Normal);
}

void endArcDrag(EditContext& ctx, int32_t index) {
    EditorState& s = ctx.state;
    const Entity before = s.work.workEntities[index - 1];
    s.lastPoint = s.editArc.start;
    s.arcEndPoint = s.editArc.end;
    EraseRubberArc(ctx);
    if (IsValidCentre(s.editArc.centre)) {
        setEntity(ctx, index, s.editArc.start, s.editArc.end, s.editArc.arcFlag, s.editArc.centre,
                  before.colour, 1);
        drawSelectedLook(ctx, s.work.workEntities[index - 1]);
        s.library.entryModified = true;
        s.rubber.rubberWasLine = true;
    } else {
        // The arc keeps its shape: it and its dragged grip go back where they were.
        const DisplayPoint home = s.grabbedGrip == GripKind::Start ? startOf(before)
                                  : s.grabbedGrip == GripKind::End ? endOf(before)
                                                                   : ArcMidpoint(before);
        moveGrip(ctx, s.grabbedGrip, home);
        drawSelectedLook(ctx, before);
    }
    s.rubber.rubberArc.centre = RealPoint{};
}

void endLineDrag(EditContext& ctx, int32_t index) {
    EditorState& s = ctx.state;
    const Entity before = s.work.workEntities[index - 1];
    const DisplayPoint pointer = ClampPoint(s.pointerPos);
    const bool startDragged = s.grabbedGrip == GripKind::Start;
    const DisplayPoint start = startDragged ? pointer : startOf(before);
    const DisplayPoint end = startDragged ? endOf(before) : pointer;
    EraseRubberLine(ctx);
    setEntity(ctx, index, start, end, before.arcFlag, RealPoint{before.centreX, before.centreY},
              before.colour, 0);
    drawSelectedLook(ctx, s.work.workEntities[index - 1]);
    s.library.entryModified = true;
    s.rubber.lastRubberPos = {};
    const Entity& last = s.work.workEntities[s.work.workEntityCount - 1];
    s.lastPoint = endOf(last);
}

}  // namespace

void BeginGripDrag(EditContext& ctx, GripKind grip) {
    EditorState& s = ctx.state;
    const int32_t index = reshapedEntity(s);
    if (index == 0) {
        return;
    }
    const Entity& e = s.work.workEntities[index - 1];
    s.grabbedGrip = grip;
    paintUnderGrips(ctx, e, PenStyle::Solid, DrawMode::Erase);
    ForgetRubberBand(s);
    if (e.isArc) {
        s.rubber.rubberWasLine = false;
        s.editArc = {startOf(e), endOf(e), RealPoint{e.centreX, e.centreY}, e.arcFlag};
    }
    s.pointerState = PointerState::DragHandle;
}

void GripDragMove(EditContext& ctx) {
    EditorState& s = ctx.state;
    const int32_t index = reshapedEntity(s);
    if (index == 0) {
        return;
    }
    const Entity& e = s.work.workEntities[index - 1];
    ctx.ui.setPointerCapture(true);
    s.pointerPos = ClampPoint(s.pointerPos);
    switch (s.grabbedGrip) {
        case GripKind::Start:
            s.lastPoint = endOf(e);
            s.editArc.start = s.pointerPos;
            s.editArc.end = endOf(e);
            break;
        case GripKind::End:
            s.lastPoint = startOf(e);
            s.editArc.start = startOf(e);
            s.editArc.end = s.pointerPos;
            break;
        default:
            s.editArc.start = startOf(e);
            s.editArc.end = endOf(e);
            break;
    }
    moveGrip(ctx, s.grabbedGrip, s.pointerPos);
    if (e.isArc) {
        // The end grips bend the arc through its middle grip, the middle grip through itself.
        const DisplayPoint through =
            s.grabbedGrip == GripKind::Middle ? s.pointerPos : s.grips.middlePos;
        TrackRubberArc(ctx, through, s.editArc.start, s.editArc.end, s.editArc);
    } else {
        TrackRubberLine(ctx, s.pointerPos);
    }
}

void EndGripDrag(EditContext& ctx) {
    EditorState& s = ctx.state;
    ctx.ui.setPointerCapture(false);
    const int32_t index = reshapedEntity(s);
    if (index != 0) {
        if (s.work.workEntities[index - 1].isArc) {
            endArcDrag(ctx, index);
        } else {
            endLineDrag(ctx, index);
        }
    }
    s.pointerState = PointerState::SelectIdle;
    ctx.ui.setCursor(CursorShape::Arrow);
}
