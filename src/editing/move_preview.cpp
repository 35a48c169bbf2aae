#include "editing/move_preview.h"

#include <algorithm>

#include "display/primitives.h"
#include "editing/redraw.h"
#include "editing/selection.h"
#include "editing/undo.h"

namespace {

const Entity& workEntity(const EditorState& s, int32_t index) {
    return s.work.workEntities[index - 1];
}

struct Bounds {
    DisplayPoint min{300, 300};
    DisplayPoint max{0, 0};
    void extend(int32_t x, int32_t y) {
        min = {std::min(min.x, x), std::min(min.y, y)};
        max = {std::max(max.x, x), std::max(max.y, y)};
    }
};

// The shift that brings the bounds back inside the drawing area; the far border wins.
DisplayPoint borderCorrection(const Bounds& b) {
    DisplayPoint c{};
    if (b.min.x < AreaMin) {
        c.x = AreaMin - b.min.x;
    }
    if (b.min.y < AreaMin) {
        c.y = AreaMin - b.min.y;
    }
    if (b.max.x > AreaMax) {
        c.x = AreaMax - b.max.x;
    }
    if (b.max.y > AreaMax) {
        c.y = AreaMax - b.max.y;
    }
    return c;
}

void selectGrabbedWhenNothingSelected(EditContext& ctx, int32_t grabbed) {
    EditorState& s = ctx.state;
    if (selectedCount(s.selection) == 0 && isWorkEntity(s, grabbed)) {
        addToSelection(s.selection, grabbed);
        ctx.observer.selectionChanged();
    }
}

DisplayPoint displacedOrigin(const EditorState& s, DisplayPoint displacement) {
    const DisplayPoint origin = WorkOrigin(s);
    return {origin.x + displacement.x, origin.y + displacement.y};
}

}  // namespace

DisplayPoint MoveDisplacement(const EditorState& state, DisplayPoint pointer, int32_t grabbed,
                              DisplayPoint offset) {
    if (!isWorkEntity(state, grabbed)) {
        return {};
    }
    const Entity& g = workEntity(state, grabbed);
    const DisplayPoint d{pointer.x + offset.x - g.x1, pointer.y + offset.y - g.y1};
    Bounds bounds;
    for (int i = 1; i <= selectedCount(state.selection); ++i) {
        const int32_t index = selectedItem(state.selection, i);
        if (!isWorkEntity(state, index)) {
            continue;
        }
        const Entity& e = workEntity(state, index);
        bounds.extend(e.x1 + d.x, e.y1 + d.y);
        bounds.extend(e.x2 + d.x, e.y2 + d.y);
    }
    if (state.grips.originSelected) {
        const DisplayPoint origin = displacedOrigin(state, d);
        bounds.extend(origin.x, origin.y);
    }
    const DisplayPoint c = borderCorrection(bounds);
    return {d.x + c.x, d.y + c.y};
}

Entity DisplacedEntity(const Entity& e, DisplayPoint displacement) {
    Entity moved = e;
    moved.x1 = e.x1 + displacement.x;
    moved.y1 = e.y1 + displacement.y;
    moved.x2 = moved.x1 + (e.x2 - e.x1);
    moved.y2 = moved.y1 + (e.y2 - e.y1);
    if (e.isArc) {
        moved.centreX = static_cast<float>(double{e.centreX} - e.x1 + moved.x1);
        moved.centreY = static_cast<float>(double{e.centreY} - e.y1 + moved.y1);
    }
    return moved;
}

void EraseSelection(EditContext& ctx, int32_t grabbed) {
    EditorState& s = ctx.state;
    const bool originGripShown = s.grips.originShown;
    HideGrips(ctx.canvas, s.grips);
    if (originGripShown) {
        ToggleGrip(ctx.canvas, s.grips, WorkOrigin(s), GripKind::Origin);
    }
    const bool colours = s.work.workEntry.useColours != 0;
    if (isWorkEntity(s, grabbed)) {
        DrawEntity(ctx.canvas, workEntity(s, grabbed), colours, DrawMode::Erase);
    }
    for (int i = 1; i <= selectedCount(s.selection); ++i) {
        const int32_t index = selectedItem(s.selection, i);
        if (isWorkEntity(s, index)) {
            DrawEntity(ctx.canvas, workEntity(s, index), colours, DrawMode::Erase);
        }
    }
}

void DrawMovePreview(EditContext& ctx, DisplayPoint pointer, int32_t grabbed, DisplayPoint offset) {
    EditorState& s = ctx.state;
    selectGrabbedWhenNothingSelected(ctx, grabbed);
    const DisplayPoint displacement = MoveDisplacement(s, pointer, grabbed, offset);
    const bool colours = s.work.workEntry.useColours != 0;
    for (int i = 1; i <= selectedCount(s.selection); ++i) {
        const int32_t index = selectedItem(s.selection, i);
        if (isWorkEntity(s, index)) {
            DrawEntity(ctx.canvas, DisplacedEntity(workEntity(s, index), displacement), colours,
                       DrawMode::Xor);
        }
    }
    if (s.grips.originSelected) {
        DrawWorkOriginMarker(ctx, displacedOrigin(s, displacement), MarkerKind::Xor);
    }
}

void CommitMove(EditContext& ctx, DisplayPoint pointer, int32_t grabbed, DisplayPoint offset,
                bool moved) {
    EditorState& s = ctx.state;
    selectGrabbedWhenNothingSelected(ctx, grabbed);
    const DisplayPoint displacement = MoveDisplacement(s, pointer, grabbed, offset);
    ctx.canvas.setPenStyle(PenStyle::Dot);
    for (int i = 1; i <= selectedCount(s.selection); ++i) {
        const int32_t index = selectedItem(s.selection, i);
        if (!isWorkEntity(s, index)) {
            continue;
        }
        if (moved) {
            setEntity(ctx, index, DisplacedEntity(workEntity(s, index), displacement));
        }
        DrawEntity(ctx.canvas, workEntity(s, index), s.work.workEntry.useColours != 0,
                   DrawMode::Normal);
    }
    if (s.grips.originSelected) {
        const DisplayPoint origin = displacedOrigin(s, displacement);
        s.work.workEntry.originX = origin.x;
        s.work.workEntry.originY = origin.y;
        ctx.observer.entrySettingsChanged();
    }
    s.library.entryModified = true;
    ctx.canvas.setPenStyle(PenStyle::Solid);
}
