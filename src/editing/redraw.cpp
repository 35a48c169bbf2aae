#include "editing/redraw.h"

#include "display/arc_geometry.h"
#include "editing/rubber_band.h"
#include "editing/selection.h"

namespace {

// The panel bevel is 2 pixels wide; inside it the surface is cleared to the background.
constexpr int ClearFrom = 2;
constexpr int ClearTo = 306;

bool usesColours(const EditorState& s) {
    return s.work.workEntry.useColours != 0;
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
        ctx.canvas.fillRect(ClearFrom, ClearFrom, ClearTo, ClearTo, Silver);
    }
    DrawGrid(ctx.canvas);
    const int count = countEntities(s.work.workEntities);
    for (int i = 0; i < count; ++i) {
        DrawEntity(ctx.canvas, s.work.workEntities[i], usesColours(s), DrawMode::Normal);
    }
    ctx.canvas.setPenColour(Black);
    DrawWorkOriginMarker(ctx, MarkerKind::Normal);
    s.lastPoint = count > 0 ? DisplayPoint{s.work.workEntities[count - 1].x2,
                                           s.work.workEntities[count - 1].y2}
                            : DisplayPoint{};
    if (selectedCount(s.selection) > 0 && s.pointerState != PointerState::DragHandle &&
        s.pointerState != PointerState::MoveSelection) {
        for (int i = 1; i <= selectedCount(s.selection); ++i) {
            DrawSelectedEntity(ctx, selectedItem(s.selection, i));
        }
    }
    ToggleToolRubberBand(ctx);
}

void RepaintEntry(EditContext& ctx) {
    ctx.canvas.fillRect(0, 0, SurfaceSize, SurfaceSize, Silver);
    Grips& grips = ctx.state.grips;
    grips.endGripsShown = grips.middleShown = grips.originShown = false;
    grips.originSelected = false;
    RedrawEntry(ctx, false);
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
    if (selectedCount(s.selection) == 1 && selected) {
        if (e.isArc) {
            ToggleGrip(ctx.canvas, s.grips, ArcMidpoint(e), GripKind::Middle);
        }
        ToggleGrip(ctx.canvas, s.grips, {e.x1, e.y1}, GripKind::Start);
        ToggleGrip(ctx.canvas, s.grips, {e.x2, e.y2}, GripKind::End);
    }
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
    HideGrips(ctx.canvas, ctx.state.grips);
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
