#include "editing/release_outcome.h"

#include "display/arc_geometry.h"
#include "display/coordinates.h"
#include "editing/move_preview.h"
#include "editing/selection.h"
#include "editing/undo.h"

namespace {

void applyMove(const EditorState& s, WorkAfterRelease& outcome) {
    const DisplayPoint d = MoveDisplacement(s, s.moveLast, s.pickResult, s.grabOffset);
    if (d == DisplayPoint{}) {
        return;  // the release stores nothing
    }
    for (int i = 1; i <= selectedCount(s.selection); ++i) {
        const int32_t index = selectedItem(s.selection, i);
        if (isWorkEntity(s, index)) {
            Entity& e = outcome.entities[index - 1];
            e = DisplacedEntity(e, d);
            e.colour = storedColour(s.work.workEntry, e.colour);
        }
    }
    if (s.grips.originSelected) {
        outcome.entry.originX += d.x;
        outcome.entry.originY += d.y;
    }
}

// As the grip's release stores it: a line's dragged end at the pointer, an arc as the rubber
// band last bent it, unless that arc has no centre and stays as it was.
void applyGripDrag(const EditorState& s, WorkAfterRelease& outcome) {
    const int32_t index = selectedItem(s.selection, 1);
    if (!isWorkEntity(s, index)) {
        return;
    }
    Entity& e = outcome.entities[index - 1];
    if (e.isArc) {
        const EditArc& arc = s.editArc;
        if (IsValidCentre(arc.centre)) {
            e.colour = storedColour(s.work.workEntry, e.colour);
            e.x1 = arc.start.x;
            e.y1 = arc.start.y;
            e.x2 = arc.end.x;
            e.y2 = arc.end.y;
            e.centreX = arc.centre.x;
            e.centreY = arc.centre.y;
            e.arcFlag = arc.arcFlag;
        }
        return;
    }
    const DisplayPoint pointer = ClampPoint(s.pointerPos);
    e.colour = storedColour(s.work.workEntry, e.colour);
    if (s.grabbedGrip == GripKind::Start) {
        e.x1 = pointer.x;
        e.y1 = pointer.y;
    } else {
        e.x2 = pointer.x;
        e.y2 = pointer.y;
    }
}

}  // namespace

WorkAfterRelease workAfterRelease(const EditorState& state) {
    const WorkingCopy& work = state.work;
    WorkAfterRelease outcome{
        {work.workEntities.begin(), work.workEntities.begin() + work.workEntityCount},
        work.workEntry};
    if (state.pointerState == PointerState::MoveSelection) {
        applyMove(state, outcome);
    } else if (state.pointerState == PointerState::DragHandle) {
        applyGripDrag(state, outcome);
    }
    return outcome;
}
