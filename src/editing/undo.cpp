#include "editing/undo.h"

#include <algorithm>

#include "editing/redraw.h"
#include "editing/selection.h"

namespace {

void setUndoEnabled(EditorUi& ui, bool enabled) {
    ui.setEnabled(Command::EditMenu_Undo, enabled);
    ui.setEnabled(Command::tbUndoBtn, enabled);
}

bool isSlotNumber(int32_t index) {
    return index >= 1 && index <= MaxEntities;
}

// Puts a removed entity back at `index`, moving it and the later ones up one slot.
void reinsertEntity(WorkingCopy& work, int32_t index, const Entity& saved) {
    if (work.workEntityCount >= MaxEntities || index < 1 || index > work.workEntityCount + 1) {
        return;
    }
    auto& slots = work.workEntities;
    std::copy_backward(slots.begin() + (index - 1), slots.begin() + work.workEntityCount,
                       slots.begin() + work.workEntityCount + 1);
    ++work.workEntityCount;
    slots[index - 1] = saved;
}

}  // namespace

void pushUndo(EditContext& ctx, UndoKind kind, int32_t index) {
    EditorState& s = ctx.state;
    if (!isSlotNumber(index)) {
        return;
    }
    if (s.undoCount >= MaxUndo) {
        std::copy(s.undoHistory.begin() + 1, s.undoHistory.end(), s.undoHistory.begin());
        s.undoCount = MaxUndo;
    } else {
        ++s.undoCount;
    }
    UndoRecord& record = s.undoHistory[s.undoCount - 1];
    record.kind = kind;
    record.index = index;
    if (kind == UndoKind::Deleted || kind == UndoKind::Changed) {
        record.saved = s.work.workEntities[index - 1];
    }
    setUndoEnabled(ctx.ui, true);
}

void clearUndo(EditContext& ctx) {
    for (UndoRecord& record : ctx.state.undoHistory) {
        record.kind = UndoKind::Empty;
    }
    ctx.state.undoCount = 0;
    setUndoEnabled(ctx.ui, false);
}

void setEntity(EditContext& ctx, int32_t index, DisplayPoint start, DisplayPoint end,
               uint8_t arcFlag, RealPoint centre, int32_t colour, uint8_t isArc) {
    if (!isSlotNumber(index)) {
        return;
    }
    WorkingCopy& work = ctx.state.work;
    Entity& slot = work.workEntities[index - 1];
    const bool appends = index == work.workEntityCount && slot.x1 == 0 && slot.y1 == 0;
    pushUndo(ctx, appends ? UndoKind::Added : UndoKind::Changed, index);
    slot.x1 = start.x;
    slot.y1 = start.y;
    slot.x2 = end.x;
    slot.y2 = end.y;
    slot.isArc = isArc;
    slot.colour = work.workEntry.useColours ? colour : 1;
    if (isArc) {
        slot.centreX = centre.x;
        slot.centreY = centre.y;
        slot.arcFlag = arcFlag;
    }
}

void setEntity(EditContext& ctx, int32_t index, const Entity& e) {
    setEntity(ctx, index, {e.x1, e.y1}, {e.x2, e.y2}, e.arcFlag, {e.centreX, e.centreY}, e.colour,
              e.isArc);
}

void deleteEntity(EditContext& ctx, int32_t index, bool record) {
    WorkingCopy& work = ctx.state.work;
    if (index < 1 || index > work.workEntityCount) {
        return;
    }
    if (record) {
        pushUndo(ctx, UndoKind::Deleted, index);
    }
    auto& slots = work.workEntities;
    std::copy(slots.begin() + index, slots.begin() + work.workEntityCount,
              slots.begin() + (index - 1));
    slots[work.workEntityCount - 1].markFree();
    --work.workEntityCount;
    setSelectCommandsEnabled(ctx.ui, work.workEntityCount > 0);
}

void tbUndoBtn_click(EditContext& ctx) {
    EditorState& s = ctx.state;
    ResetSelectionView(ctx, true);
    if (s.undoCount <= 0) {
        return;
    }
    UndoRecord& record = s.undoHistory[s.undoCount - 1];
    switch (record.kind) {
        case UndoKind::Added:
            deleteEntity(ctx, record.index, false);
            break;
        case UndoKind::Deleted:
            reinsertEntity(s.work, record.index, record.saved);
            break;
        case UndoKind::Changed:
            if (isSlotNumber(record.index)) {
                s.work.workEntities[record.index - 1] = record.saved;
            }
            break;
        case UndoKind::Empty:
            break;
    }
    ctx.ui.invalidateDrawing();
    record.kind = UndoKind::Empty;
    --s.undoCount;
    setUndoEnabled(ctx.ui, s.undoCount > 0);
    s.library.entryModified = true;
}

void EditMenu_Undo_Click(EditContext& ctx) {
    ctx.ui.setStatusText(0, "");
    tbUndoBtn_click(ctx);
}
