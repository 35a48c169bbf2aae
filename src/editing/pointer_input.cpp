#include "editing/pointer_input.h"

#include "display/coordinates.h"
#include "editing/chain_drawing.h"
#include "editing/drawing_tools.h"
#include "editing/redraw.h"
#include "editing/rubber_band.h"
#include "editing/select_click.h"
#include "editing/select_drag.h"

namespace {

constexpr int ArcEndPointPrompt = 24;
constexpr int LineEndPointPrompt = 25;
constexpr int ArcStartPointPrompt = 26;
constexpr int ArcThroughPointPrompt = 28;

constexpr int ReadoutPanel = 1;

// Every pointer event first takes the position, snapped and unsnapped.
void takePosition(EditorState& s, int32_t x, int32_t y) {
    s.rawPointerPos = {x, y};
    s.pointerPos = SnapPoint(s.rawPointerPos, s.snapToGrid);
}

void setPrompt(EditContext& ctx, int n) {
    ctx.ui.setStatusText(0, ctx.strings.loadText(n));
}

ShiftState holding(ShiftState shift, MouseButton button) {
    switch (button) {
        case MouseButton::Left:
            shift.left = true;
            break;
        case MouseButton::Right:
            shift.right = true;
            break;
        case MouseButton::Middle:
            shift.middle = true;
            break;
    }
    return shift;
}

bool isDrawingTool(PointerState state) {
    return state == PointerState::LinePoints || state == PointerState::ArcPoints;
}

// The right button starts a new chain where it is released; nothing is drawn.
void rightRelease(EditContext& ctx) {
    EditorState& s = ctx.state;
    if (!isDrawingTool(s.pointerState)) {
        return;
    }
    EraseRubberLine(ctx);
    // Off the area there is no point to start from: the next left click starts the chain.
    s.lastPoint = PointInArea(s.pointerPos) ? s.pointerPos : DisplayPoint{};
}

void leftReleaseInLineTool(EditContext& ctx) {
    EditorState& s = ctx.state;
    ctx.ui.setCursor(CursorShape::Cross);
    setPrompt(ctx, LineEndPointPrompt);
    if (!s.lastPoint.isSet()) {
        s.lastPoint = s.pointerPos;
        s.rubber.lastRubberPos = {};
    } else {
        AddChainLine(ctx);
    }
}

void leftReleaseInArcTool(EditContext& ctx) {
    EditorState& s = ctx.state;
    ctx.ui.setCursor(CursorShape::Cross);
    if (!s.lastPoint.isSet()) {
        s.lastPoint = s.pointerPos;
        s.rubber.lastRubberPos = {};
        setPrompt(ctx, ArcEndPointPrompt);
    } else {
        s.arcEndPoint = s.pointerPos;
        s.pointerState = PointerState::ArcThirdPoint;
        setPrompt(ctx, ArcThroughPointPrompt);
    }
}

// Without a current entry there is nothing to draw into: the pointer only shows where it is,
// whichever tool is chosen.
bool hasCurrentEntry(const EditorState& s) {
    return s.library.currentEntry > 0;
}

bool endsAnywhere(PointerState state) {
    return state == PointerState::DragHandle || state == PointerState::MoveSelection;
}

void leftRelease(EditContext& ctx, ShiftState shift) {
    EditorState& s = ctx.state;
    ctx.ui.setStatusText(0, "");
    if (!PointInArea(s.pointerPos) && !endsAnywhere(s.pointerState)) {
        return;
    }
    switch (s.pointerState) {
        case PointerState::LinePoints:
            leftReleaseInLineTool(ctx);
            break;
        case PointerState::ArcPoints:
            leftReleaseInArcTool(ctx);
            break;
        case PointerState::ArcThirdPoint:
            ctx.ui.setCursor(CursorShape::Cross);
            setPrompt(ctx, ArcEndPointPrompt);
            AddChainArc(ctx);
            break;
        case PointerState::SelectIdle:
            SelectModeClick(ctx, shift.shift);
            break;
        default:
            DragRelease(ctx);
            break;
    }
}

}  // namespace

void SymBox_MouseDown(EditContext& ctx, MouseButton button, ShiftState shift, int32_t x,
                      int32_t y) {
    // The arrow keys act on the drawing once the entry list has lost the focus.
    ctx.ui.setFocus(FocusTarget::ColourDisplayBox);
    ctx.state.downPoint = {static_cast<float>(x), static_cast<float>(y)};
    ctx.state.pressCancelled = false;
    SymBox_MouseMove(ctx, holding(shift, button), x, y);
}

void SymBox_MouseMove(EditContext& ctx, ShiftState shift, int32_t x, int32_t y) {
    EditorState& s = ctx.state;
    takePosition(s, x, y);
    if (PointInArea(s.pointerPos)) {
        ctx.ui.setStatusText(ReadoutPanel, CoordinateReadout(s.pointerPos, s.snapToGrid));
    } else if (s.pointerState != PointerState::MoveSelection) {
        ctx.ui.setPointerCapture(false);
    }
    if (!hasCurrentEntry(s)) {
        return;
    }
    switch (s.pointerState) {
        case PointerState::LinePoints:
            TrackRubberLine(ctx, s.pointerPos);
            break;
        case PointerState::ArcPoints:
            TrackRubberLine(ctx, s.pointerPos);
            setPrompt(ctx, s.lastPoint.isSet() ? ArcEndPointPrompt : ArcStartPointPrompt);
            break;
        case PointerState::ArcThirdPoint:
            TrackRubberArc(ctx, s.pointerPos, s.lastPoint, s.arcEndPoint, s.editArc);
            break;
        case PointerState::SelectIdle:
            if (!(s.pressCancelled && shift.left)) {
                SelectIdleMove(ctx, shift);
            }
            break;
        default:
            DragMove(ctx, shift);
            break;
    }
}

void SymBox_MouseUp(EditContext& ctx, MouseButton button, ShiftState shift, int32_t x, int32_t y) {
    takePosition(ctx.state, x, y);
    if (!hasCurrentEntry(ctx.state)) {
        return;
    }
    if (button == MouseButton::Left && ctx.state.pressCancelled) {
        ctx.state.pressCancelled = false;
    } else if (button == MouseButton::Left) {
        leftRelease(ctx, shift);
    } else if (button == MouseButton::Right) {
        rightRelease(ctx);
    }
}

void Form_MouseMove(EditContext& ctx) {
    takePosition(ctx.state, 0, 0);
    // The line to the end point stays until the first move draws the arc; a pointer that
    // leaves at once must take it along.
    if (ctx.state.pointerState == PointerState::ArcThirdPoint) {
        RemoveToolRubberBand(ctx);
    }
    TrackRubberLine(ctx, ctx.state.pointerPos);
}

void Timer2Timer(EditContext& ctx) {
    // A grip drag owns its rubber band while the pointer is captured outside the panel.
    if (ctx.ui.pointerOverDrawingPanel() || ctx.state.pointerState == PointerState::DragHandle) {
        return;
    }
    RemoveToolRubberBand(ctx);
}

void SymBoxPaint(EditContext& ctx) {
    RepaintEntry(ctx);
}
