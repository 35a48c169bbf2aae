#include "editing/chain_drawing.h"

#include "display/arc_geometry.h"
#include "display/primitives.h"
#include "editing/entity_limit.h"
#include "editing/rubber_band.h"
#include "editing/selection.h"
#include "editing/undo.h"

namespace {

constexpr int ArcEndPointPrompt = 24;

bool usesColours(const EditorState& s) {
    return s.work.workEntry.useColours != 0;
}

void enableSelectWhenEntitiesExist(EditContext& ctx) {
    if (ctx.state.work.workEntityCount > 0) {
        setSelectCommandsEnabled(ctx.ui, true);
    }
}

}  // namespace

void AddChainLine(EditContext& ctx) {
    EditorState& s = ctx.state;
    const DisplayPoint end = s.pointerPos;
    if (end == s.lastPoint) {
        return;
    }
    if (s.work.workEntityCount >= MaxEntities) {
        ShowEntityLimitMessage(ctx);
    } else {
        // Removed where it was drawn last, which need not be where the button came up.
        EraseRubberLine(ctx);
        s.rubber.lastRubberPos = {};
        ++s.work.workEntityCount;
        const int32_t index = s.work.workEntityCount;
        setEntity(ctx, index, s.lastPoint, end, 0, RealPoint{}, s.currentColour, 0);
        const Entity& line = s.work.workEntities[index - 1];
        DrawEntity(ctx.canvas, line, usesColours(s), DrawMode::Normal);
        s.lastPoint = end;
        s.library.entryModified = true;
    }
    enableSelectWhenEntitiesExist(ctx);
}

void AddChainArc(EditContext& ctx) {
    EditorState& s = ctx.state;
    // The arc through the click itself, whether or not a move showed it there first.
    ArcThroughPoints(s.lastPoint, s.arcEndPoint, s.pointerPos, s.editArc.centre, s.editArc.arcFlag);
    if (!IsValidCentre(s.editArc.centre)) {
        return;
    }
    // Also refused at the limit, the arc must not stay on the screen as feedback.
    RemoveToolRubberBand(ctx);
    if (s.work.workEntityCount >= MaxEntities) {
        ShowEntityLimitMessage(ctx);
    } else {
        ++s.work.workEntityCount;
        const int32_t index = s.work.workEntityCount;
        setEntity(ctx, index, s.lastPoint, s.arcEndPoint, s.editArc.arcFlag, s.editArc.centre,
                  s.currentColour, 1);
        DrawEntity(ctx.canvas, s.work.workEntities[index - 1], usesColours(s), DrawMode::Normal);
        s.lastPoint = s.arcEndPoint;
        s.rubber.lastRubberPos = s.arcEndPoint;
    }
    s.library.entryModified = true;
    s.pointerState = PointerState::ArcPoints;
    s.rubber.rubberWasLine = true;
    enableSelectWhenEntitiesExist(ctx);
    ctx.ui.setStatusText(0, ctx.strings.loadText(ArcEndPointPrompt));
}
