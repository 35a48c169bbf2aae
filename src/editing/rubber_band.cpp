#include "editing/rubber_band.h"

#include "display/arc_geometry.h"
#include "display/coordinates.h"
#include "display/primitives.h"

namespace {

bool tracksLine(PointerState state) {
    return state == PointerState::LinePoints || state == PointerState::ArcPoints ||
           state == PointerState::DragHandle;
}

void xorLine(EditContext& ctx, DisplayPoint a, DisplayPoint b) {
    DrawLineEntity(ctx.canvas, a, b, ctx.state.currentColour, ctx.state.work.workEntry.useColours,
                   DrawMode::Xor);
}

void xorArc(EditContext& ctx, const EditArc& arc) {
    DrawArcEntity(ctx.canvas, arc.centre, arc.start, arc.end, ctx.state.currentColour,
                  ctx.state.work.workEntry.useColours, arc.arcFlag, DrawMode::Xor);
}

// The line from lastPoint to where the rubber band was drawn last, in XOR.
void xorRubberLine(EditContext& ctx) {
    const EditorState& s = ctx.state;
    const DisplayPoint last = s.rubber.lastRubberPos;
    if (last.isSet() && PointInArea(last) && s.lastPoint.isSet()) {
        xorLine(ctx, s.lastPoint, last);
    }
}

void xorRubberArc(EditContext& ctx) {
    const EditArc& arc = ctx.state.rubber.rubberArc;
    if (IsValidCentre(arc.centre)) {
        xorArc(ctx, arc);
    }
}

bool isToolState(PointerState state) {
    return state == PointerState::LinePoints || state == PointerState::ArcPoints ||
           state == PointerState::ArcThirdPoint;
}

}  // namespace

void TrackRubberLine(EditContext& ctx, DisplayPoint pointer) {
    EditorState& s = ctx.state;
    s.pointerPos = pointer;
    if (pointer == s.rubber.lastRubberPos) {
        return;
    }
    if (tracksLine(s.pointerState) && s.lastPoint.isSet()) {
        EraseRubberLine(ctx);
        if (PointInArea(pointer)) {
            xorLine(ctx, s.lastPoint, pointer);
        }
    }
    s.rubber.lastRubberPos = pointer;
    ctx.ui.setTimer2Enabled(true);
}

void EraseRubberLine(EditContext& ctx) {
    ctx.ui.setTimer2Enabled(false);
    xorRubberLine(ctx);
}

void TrackRubberArc(EditContext& ctx, DisplayPoint m, DisplayPoint s, DisplayPoint e,
                    EditArc& arc) {
    EditorState& st = ctx.state;
    if (st.rubber.rubberWasLine) {
        EraseRubberLine(ctx);
    } else {
        EraseRubberArc(ctx);
    }
    ArcThroughPoints(s, e, m, arc.centre, arc.arcFlag);
    const bool drawn = PointInArea(m) && IsValidCentre(arc.centre);
    if (drawn) {
        xorArc(ctx, {s, e, arc.centre, arc.arcFlag});
    }
    st.rubber.lastRubberPos = m;
    st.rubber.rubberArc = {s, e, PointInArea(m) ? arc.centre : RealPoint{}, arc.arcFlag};
    st.rubber.rubberWasLine = false;
    ctx.ui.setTimer2Enabled(true);
}

void EraseRubberArc(EditContext& ctx) {
    ctx.ui.setTimer2Enabled(false);
    xorRubberArc(ctx);
}

void ForgetRubberBand(EditorState& state) {
    state.rubber.lastRubberPos = {};
    state.rubber.rubberArc.centre = {};
}

void PaintToolRubberBand(EditContext& ctx) {
    const EditorState& s = ctx.state;
    switch (s.pointerState) {
        case PointerState::LinePoints:
        case PointerState::ArcPoints:
            xorRubberLine(ctx);
            break;
        case PointerState::ArcThirdPoint:
            if (s.rubber.rubberWasLine) {
                xorRubberLine(ctx);
            } else {
                xorRubberArc(ctx);
            }
            break;
        default:
            break;
    }
}

void ToggleToolRubberBand(EditContext& ctx) {
    PaintToolRubberBand(ctx);
    if (isToolState(ctx.state.pointerState)) {
        ctx.ui.setTimer2Enabled(false);
    }
}

void RemoveToolRubberBand(EditContext& ctx) {
    ToggleToolRubberBand(ctx);
    ForgetRubberBand(ctx.state);
}
