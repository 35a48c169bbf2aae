#include "editing/origin_drag.h"

#include "display/arc_geometry.h"
#include "display/coordinates.h"
#include "display/primitives.h"
#include "editing/redraw.h"

namespace {

constexpr PenStyle ClipRadiusStyle = PenStyle::Dash;
constexpr PenStyle SizeRadiusStyle = PenStyle::DashDotDot;

RealPoint toReal(DisplayPoint p) {
    return {static_cast<float>(p.x), static_cast<float>(p.y)};
}

void drawSizeRadius(EditContext& ctx, DrawMode mode) {
    DrawRadiusCircle(ctx.canvas, WorkOrigin(ctx.state), SizeRadiusStyle,
                     ctx.state.work.workEntry.sizeRadius, mode);
}

// A drag ends with the size radius circle in its normal look, when it is shown.
void redrawShownSizeRadius(EditContext& ctx) {
    if (ctx.state.showSizeRadius) {
        drawSizeRadius(ctx, DrawMode::Erase);
        drawSizeRadius(ctx, DrawMode::Normal);
    }
}

void backToSelectIdle(EditContext& ctx) {
    ctx.state.library.entryModified = true;
    ctx.ui.setCursor(CursorShape::Arrow);
    ctx.state.pointerState = PointerState::SelectIdle;
}

}  // namespace

void BeginOriginDrag(EditContext& ctx) {
    ResetSelectionView(ctx, true);
    DrawWorkOriginMarker(ctx, MarkerKind::Erase);
    DrawWorkOriginMarker(ctx, MarkerKind::Xor);
    ctx.state.pointerState = PointerState::DragOrigin;
}

void OriginDragStep(EditContext& ctx) {
    EditorState& s = ctx.state;
    // Off the area the marker waits at its last place: the origin is stored with the entry and
    // must stay drawable even if the drag is never finished.
    if (!PointInArea(s.pointerPos)) {
        return;
    }
    DrawWorkOriginMarker(ctx, MarkerKind::Xor);
    s.work.workEntry.originX = s.pointerPos.x;
    s.work.workEntry.originY = s.pointerPos.y;
    DrawWorkOriginMarker(ctx, MarkerKind::Xor);
    ctx.observer.entrySettingsChanged();
}

void EndOriginDrag(EditContext& ctx) {
    EditorState& s = ctx.state;
    OriginDragStep(ctx);
    backToSelectIdle(ctx);
    DrawWorkOriginMarker(ctx, MarkerKind::Erase);
    DrawWorkOriginMarker(ctx, MarkerKind::Dotted);
    ToggleGrip(ctx.canvas, s.grips, WorkOrigin(s), GripKind::Origin);
    redrawShownSizeRadius(ctx);
}

void BeginRadiusDrag(EditContext& ctx, PointerState radiusDrag) {
    ctx.state.pointerState = radiusDrag;
    if (radiusDrag == PointerState::DragSizeRadius) {
        drawSizeRadius(ctx, DrawMode::Erase);
        drawSizeRadius(ctx, DrawMode::Xor);
    }
}

void RadiusDragStep(EditContext& ctx) {
    EditorState& s = ctx.state;
    const DisplayPoint origin = WorkOrigin(s);
    const bool clip = s.pointerState == PointerState::DragClipRadius;
    int32_t& radius = clip ? s.work.workEntry.clipRadius : s.work.workEntry.sizeRadius;
    const PenStyle style = clip ? ClipRadiusStyle : SizeRadiusStyle;
    const int32_t newRadius = roundHalfEven(PointDistance(toReal(origin), toReal(s.pointerPos)));
    if (radius != 0) {
        DrawRadiusCircle(ctx.canvas, origin, style, radius, DrawMode::Xor);
    }
    radius = newRadius;
    DrawRadiusCircle(ctx.canvas, origin, style, radius, DrawMode::Xor);
    ctx.observer.entrySettingsChanged();
}

void EndRadiusDrag(EditContext& ctx) {
    RadiusDragStep(ctx);
    backToSelectIdle(ctx);
    redrawShownSizeRadius(ctx);
}
