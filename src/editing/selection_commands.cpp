#include "editing/selection_commands.h"

#include "editing/colours.h"
#include "editing/redraw.h"
#include "editing/rubber_band.h"
#include "editing/selection.h"

void tbSelectBtn_Click(EditContext& ctx) {
    // The redraw clears only the inside of the bevel: a rubber band that reaches beyond the
    // drawing area must be taken off first.
    RemoveToolRubberBand(ctx);
    ctx.state.pointerState = PointerState::SelectIdle;
    ctx.ui.setCursor(CursorShape::Arrow);
    RedrawEntry(ctx, true);
    ctx.ui.setChecked(Command::tbSelectBtn, true);
    ctx.ui.setChecked(Command::EditMenu_Select, true);
    ctx.ui.setChecked(Command::DrawMenu_Line, false);
    ctx.ui.setChecked(Command::DrawMenu_Arc, false);
    ctx.ui.setStatusText(0, "");
}

void EditMenu_SelectAll_Click(EditContext& ctx) {
    EditorState& s = ctx.state;
    ctx.ui.setStatusText(0, "");
    ResetSelectionView(ctx, true);
    RestyleAll(ctx, PenStyle::Solid);
    for (int32_t index = 1; index <= s.work.workEntityCount; ++index) {
        addToSelection(s.selection, index);
    }
    ctx.observer.selectionChanged();
    setCutCopyDeleteEnabled(ctx.ui, selectedCount(s.selection) > 0);
    RestyleAll(ctx, PenStyle::Dot);
    tbSelectBtn_Click(ctx);
    UpdateColourSample(ctx);
    s.pointerState = PointerState::SelectIdle;
}
