#include "editing/undo.h"

#include <algorithm>

#include "editing/redraw.h"
#include "editing/selection.h"

namespace {

using History = std::array<UndoRecord, MaxUndo>;

void setUndoEnabled(EditorUi& ui, bool enabled) {
    ui.setEnabled(Command::EditMenu_Undo, enabled);
    ui.setEnabled(Command::tbUndoBtn, enabled);
}

void setRedoEnabled(EditorUi& ui, bool enabled) {
    ui.setEnabled(Command::EditMenu_Redo, enabled);
    ui.setEnabled(Command::tbRedoBtn, enabled);
}

bool isSlotNumber(int32_t index) {
    return index >= 1 && index <= MaxEntities;
}

// Appends a record, dropping the oldest when the history is full.
void appendRecord(History& history, int32_t& count, const UndoRecord& record) {
    if (count >= MaxUndo) {
        std::copy(history.begin() + 1, history.end(), history.begin());
        count = MaxUndo;
    } else {
        ++count;
    }
    history[count - 1] = record;
}

UndoRecord takeNewest(History& history, int32_t& count) {
    UndoRecord record = history[count - 1];
    history[count - 1].kind = UndoKind::Empty;
    --count;
    return record;
}

void clearRedo(EditContext& ctx) {
    for (UndoRecord& record : ctx.state.redoHistory) {
        record.kind = UndoKind::Empty;
    }
    ctx.state.redoCount = 0;
    setRedoEnabled(ctx.ui, false);
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

// Takes the record's change back (Undo) or makes it again (Redo), and leaves in the record
// what does the opposite: the entity it has just taken out in place of the one it put in.
void applyStep(EditContext& ctx, UndoRecord& record, bool redo) {
    WorkingCopy& work = ctx.state.work;
    if (record.kind == UndoKind::Changed) {
        if (isSlotNumber(record.index)) {
            std::swap(work.workEntities[record.index - 1], record.saved);
            ctx.observer.entitiesChanged();
        }
        return;
    }
    if (record.kind == UndoKind::Empty) {
        return;
    }
    const bool inserts = (record.kind == UndoKind::Added) == redo;
    if (inserts) {
        reinsertEntity(work, record.index, record.saved);
        ctx.observer.entitiesChanged();
        if (redo) {
            setSelectCommandsEnabled(ctx.ui, true);  // as drawing or pasting it did
        }
    } else if (record.index >= 1 && record.index <= work.workEntityCount) {
        record.saved = work.workEntities[record.index - 1];
        deleteEntity(ctx, record.index, false);
    }
}

// Moves the newest record of one history to the other, applying it on the way.
void step(EditContext& ctx, History& from, int32_t& fromCount, History& to, int32_t& toCount,
          bool redo) {
    EditorState& s = ctx.state;
    ResetSelectionView(ctx, true);
    if (fromCount <= 0) {
        return;
    }
    UndoRecord record = takeNewest(from, fromCount);
    applyStep(ctx, record, redo);
    appendRecord(to, toCount, record);
    ctx.ui.invalidateDrawing();
    setUndoEnabled(ctx.ui, s.undoCount > 0);
    setRedoEnabled(ctx.ui, s.redoCount > 0);
    s.library.entryModified = true;
}

}  // namespace

void pushUndo(EditContext& ctx, UndoKind kind, int32_t index) {
    EditorState& s = ctx.state;
    if (!isSlotNumber(index)) {
        return;
    }
    UndoRecord record{kind, index, {}};
    if (kind == UndoKind::Deleted || kind == UndoKind::Changed) {
        record.saved = s.work.workEntities[index - 1];
    }
    appendRecord(s.undoHistory, s.undoCount, record);
    setUndoEnabled(ctx.ui, true);
    if (s.redoCount > 0) {
        clearRedo(ctx);
    }
}

void clearUndo(EditContext& ctx) {
    for (UndoRecord& record : ctx.state.undoHistory) {
        record.kind = UndoKind::Empty;
    }
    ctx.state.undoCount = 0;
    setUndoEnabled(ctx.ui, false);
    clearRedo(ctx);
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
    slot.colour = storedColour(work.workEntry, colour);
    if (isArc) {
        slot.centreX = centre.x;
        slot.centreY = centre.y;
        slot.arcFlag = arcFlag;
    }
    ctx.observer.entitiesChanged();
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
    ctx.observer.entitiesChanged();
}

void tbUndoBtn_click(EditContext& ctx) {
    EditorState& s = ctx.state;
    step(ctx, s.undoHistory, s.undoCount, s.redoHistory, s.redoCount, false);
}

void tbRedoBtn_click(EditContext& ctx) {
    EditorState& s = ctx.state;
    step(ctx, s.redoHistory, s.redoCount, s.undoHistory, s.undoCount, true);
}

void EditMenu_Undo_Click(EditContext& ctx) {
    ctx.ui.setStatusText(0, "");
    tbUndoBtn_click(ctx);
}

void EditMenu_Redo_Click(EditContext& ctx) {
    ctx.ui.setStatusText(0, "");
    tbRedoBtn_click(ctx);
}
