#include "editing/escape.h"

#include "editing/colours.h"
#include "editing/redraw.h"
#include "editing/rubber_band.h"
#include "editing/select_click.h"
#include "editing/selection.h"

namespace {

constexpr int ArcStartPointPrompt = 26;
constexpr int LineStartPointPrompt = 27;

void cancelChain(EditContext& ctx) {
    EditorState& s = ctx.state;
    const bool arc = s.pointerState != PointerState::LinePoints;
    if (!s.lastPoint.isSet() && s.pointerState != PointerState::ArcThirdPoint) {
        return;
    }
    RemoveToolRubberBand(ctx);
    s.lastPoint = {};
    if (arc) {
        s.pointerState = PointerState::ArcPoints;
        s.rubber.rubberWasLine = true;
    }
    ctx.ui.setTimer2Enabled(false);
    ctx.ui.setStatusText(0, ctx.strings.loadText(arc ? ArcStartPointPrompt : LineStartPointPrompt));
}

// Nothing of a drag is stored before the release, except the settings an origin or radius
// drag changes as it goes: those go back, and the whole surface is painted anew, which takes
// every trace of the feedback with it.
void cancelDrag(EditContext& ctx) {
    EditorState& s = ctx.state;
    const bool originSelected = s.grips.originSelected;
    ctx.ui.setPointerCapture(false);
    s.work.workEntry = s.entryBeforeDrag;
    ctx.observer.entrySettingsChanged();
    s.pointerState = PointerState::SelectIdle;
    s.grabbedGrip = GripKind::None;
    ForgetRubberBand(s);
    RepaintEntry(ctx);
    if (originSelected) {
        SelectOrigin(ctx);
    }
    ctx.ui.setCursor(CursorShape::Arrow);
    s.pressCancelled = true;
}

void dropSelection(EditContext& ctx) {
    if (selectedCount(ctx.state.selection) == 0 && !ctx.state.grips.originSelected) {
        return;
    }
    ResetSelectionView(ctx, true);
    ShowCurrentColourSample(ctx);
    RepaintEntry(ctx);
}

}  // namespace

void Editor_Escape(EditContext& ctx) {
    switch (ctx.state.pointerState) {
        case PointerState::LinePoints:
        case PointerState::ArcPoints:
        case PointerState::ArcThirdPoint:
            cancelChain(ctx);
            break;
        case PointerState::SelectIdle:
            dropSelection(ctx);
            break;
        default:
            cancelDrag(ctx);
            break;
    }
}
