#include "editing/redraw.h"

#include "display/arc_geometry.h"
#include "editing/rubber_band.h"
#include "editing/selection.h"

namespace {

bool usesColours(const EditorState& s) {
    return s.work.workEntry.useColours != 0;
}

// While the selection is moved or reshaped it is drawn as the ghosts and rubber band show it.
bool selectionInFlight(PointerState state) {
    return state == PointerState::DragHandle || state == PointerState::MoveSelection;
}

bool isDrag(PointerState state) {
    return selectionInFlight(state) || state == PointerState::DragOrigin ||
           state == PointerState::DragSizeRadius || state == PointerState::DragClipRadius;
}

// The grid, every entity that may reach into the box in its own look (dotted when selected),
// then the origin marker over them: each thing painted once, nothing erased, so nothing that
// lies under another is lost.
void paintScene(EditContext& ctx, PixelBox box, MarkerKind marker) {
    const EditorState& s = ctx.state;
    DrawGrid(ctx.canvas);
    const bool showSelection = !selectionInFlight(s.pointerState);
    const int count = countEntities(s.work.workEntities);
    for (int i = 0; i < count; ++i) {
        const Entity& e = s.work.workEntities[i];
        if (!box.intersects(EntityBounds(e))) {
            continue;
        }
        const bool dotted = showSelection && isSelected(s.selection, i + 1);
        ctx.canvas.setPenStyle(dotted ? PenStyle::Dot : PenStyle::Solid);
        DrawEntity(ctx.canvas, e, usesColours(s), DrawMode::Normal);
    }
    ctx.canvas.setPenStyle(PenStyle::Solid);
    ctx.canvas.setPenColour(Black);
    DrawWorkOriginMarker(ctx, marker);
}

// The grips of entity `index` when it is the only selected entity.
void showSingleSelectionGrips(EditContext& ctx, int32_t index) {
    EditorState& s = ctx.state;
    if (selectedCount(s.selection) != 1 || !isSelected(s.selection, index)) {
        return;
    }
    const Entity& e = s.work.workEntities[index - 1];
    if (e.isArc) {
        ToggleGrip(ctx.canvas, s.grips, ArcMidpoint(e), GripKind::Middle);
    }
    ToggleGrip(ctx.canvas, s.grips, {e.x1, e.y1}, GripKind::Start);
    ToggleGrip(ctx.canvas, s.grips, {e.x2, e.y2}, GripKind::End);
}

}  // namespace

OriginView WorkOriginView(const EditorState& state) {
    const LibraryEntry& entry = state.work.workEntry;
    return {state.library.libraryKind, entry.clipRadius, entry.sizeRadius, state.showClipRadius,
            state.showSizeRadius};
}

DisplayPoint WorkOrigin(const EditorState& state) {
    return {state.work.workEntry.originX, state.work.workEntry.originY};
}

void DrawWorkOriginMarker(EditContext& ctx, MarkerKind kind) {
    DrawWorkOriginMarker(ctx, WorkOrigin(ctx.state), kind);
}

void DrawWorkOriginMarker(EditContext& ctx, DisplayPoint at, MarkerKind kind) {
    DrawOriginMarker(ctx.canvas, WorkOriginView(ctx.state), at, kind);
}

void RedrawEntry(EditContext& ctx, bool clear) {
    EditorState& s = ctx.state;
    HideGrips(ctx.canvas, s.grips);
    if (clear) {
        // The whole surface: arcs and circles reach beyond the drawing area, into the rows and
        // columns inside the panel bevel as well.
        ctx.canvas.fillRect(0, 0, SurfaceSize, SurfaceSize, Silver);
    }
    paintScene(ctx, WholeSurface, MarkerKind::Normal);
    const int count = countEntities(s.work.workEntities);
    s.lastPoint = count > 0 ? DisplayPoint{s.work.workEntities[count - 1].x2,
                                           s.work.workEntities[count - 1].y2}
                            : DisplayPoint{};
    if (!selectionInFlight(s.pointerState)) {
        showSingleSelectionGrips(ctx, selectedItem(s.selection, 1));
    }
    ToggleToolRubberBand(ctx);
}

void RepaintEntry(EditContext& ctx) {
    ctx.canvas.fillRect(0, 0, SurfaceSize, SurfaceSize, Silver);
    Grips& grips = ctx.state.grips;
    grips.endGripsShown = grips.middleShown = grips.originShown = false;
    grips.originSelected = false;
    RedrawEntry(ctx, false);
    // Everything is painted afresh: nothing is left for SettlePicture.
    ctx.canvas.takeDamage();
}

void PaintPicture(EditContext& ctx, PixelBox box) {
    const EditorState& s = ctx.state;
    ctx.canvas.setClip(box);
    ctx.canvas.fillRect(box.left, box.top, box.right, box.bottom, Silver);
    paintScene(ctx, box, s.grips.originSelected ? MarkerKind::Dotted : MarkerKind::Normal);
    PaintShownGrips(ctx.canvas, s.grips);
    PaintToolRubberBand(ctx);
    ctx.canvas.setClip(WholeSurface);
}

void SettlePicture(EditContext& ctx) {
    // A drag keeps its feedback until the release; what it touched is settled then.
    if (isDrag(ctx.state.pointerState)) {
        return;
    }
    const PixelBox touched = ctx.canvas.takeDamage();
    if (!touched.empty()) {
        PaintPicture(ctx, touched);
        ctx.canvas.takeDamage();
    }
}

void DrawSelectedEntity(EditContext& ctx, int32_t index) {
    EditorState& s = ctx.state;
    if (index < 1 || index > s.work.workEntityCount) {
        return;
    }
    const Entity& e = s.work.workEntities[index - 1];
    ctx.canvas.setPenStyle(PenStyle::Solid);
    DrawEntity(ctx.canvas, e, usesColours(s), DrawMode::Erase);
    const bool selected = isSelected(s.selection, index);
    ctx.canvas.setPenStyle(selected ? PenStyle::Dot : PenStyle::Solid);
    DrawEntity(ctx.canvas, e, usesColours(s), DrawMode::Normal);
    showSingleSelectionGrips(ctx, index);
    ctx.canvas.setPenStyle(PenStyle::Solid);
}

void RestyleAll(EditContext& ctx, PenStyle style) {
    const EditorState& s = ctx.state;
    for (int i = 0; i < s.work.workEntityCount && i < MaxEntities; ++i) {
        const Entity& e = s.work.workEntities[i];
        ctx.canvas.setPenStyle(PenStyle::Solid);
        DrawEntity(ctx.canvas, e, usesColours(s), DrawMode::Erase);
        ctx.canvas.setPenStyle(style);
        DrawEntity(ctx.canvas, e, usesColours(s), DrawMode::Normal);
    }
    ctx.canvas.setPenStyle(PenStyle::Solid);
}

void ResetSelectionView(EditContext& ctx, bool clear) {
    const bool originWasSelected = ctx.state.grips.originSelected;
    HideGrips(ctx.canvas, ctx.state.grips);
    // The origin leaves the selection with its grip: its marker loses the selected look.
    if (originWasSelected) {
        DrawWorkOriginMarker(ctx, MarkerKind::Normal);
    }
    if (clear) {
        clearSelection(ctx);
    }
    setCutCopyDeleteEnabled(ctx.ui, selectedCount(ctx.state.selection) > 0);
}

void SymbolMenu_ShowSizeRad_Click(EditContext& ctx) {
    ctx.state.showSizeRadius = !ctx.state.showSizeRadius;
    ctx.ui.setChecked(Command::SymbolMenu_ShowSizeRad, ctx.state.showSizeRadius);
    RedrawEntry(ctx, true);
}

void SymbolMenu_ShowClipRad_Click(EditContext& ctx) {
    ctx.state.showClipRadius = !ctx.state.showClipRadius;
    ctx.ui.setChecked(Command::SymbolMenu_ShowClipRad, ctx.state.showClipRadius);
    DrawRadiusCircle(ctx.canvas, WorkOrigin(ctx.state), PenStyle::Dash,
                     ctx.state.work.workEntry.clipRadius, DrawMode::Normal);
}

void DrawMenu_RefreshClick(EditContext& ctx) {
    DrawWorkOriginMarker(ctx, MarkerKind::Normal);
    RedrawEntry(ctx, true);
}
