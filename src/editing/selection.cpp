#include "editing/selection.h"

#include <algorithm>

#include "editing/colours.h"
#include "editing/redraw.h"

int selectedCount(const Selection& selection) {
    const auto end = std::find(selection.begin(), selection.end(), 0);
    return static_cast<int>(end - selection.begin());
}

int32_t selectedItem(const Selection& selection, int i) {
    if (i < 1 || i > selectedCount(selection)) {
        return 0;
    }
    return selection[i - 1];
}

bool isSelected(const Selection& selection, int32_t entity) {
    return entity != 0 && std::find(selection.begin(), selection.end(), entity) != selection.end();
}

bool addToSelection(Selection& selection, int32_t entity) {
    if (entity < 1 || entity > MaxEntities || isSelected(selection, entity)) {
        return false;
    }
    const int count = selectedCount(selection);
    if (count == MaxEntities) {
        return false;
    }
    selection[count] = entity;
    return true;
}

bool removeFromSelection(Selection& selection, int32_t entity) {
    if (entity == 0) {
        return false;
    }
    const auto end = selection.begin() + selectedCount(selection);
    const auto found = std::find(selection.begin(), end, entity);
    if (found == end) {
        return false;
    }
    std::copy(found + 1, end, found);
    *(end - 1) = 0;
    return true;
}

void sortSelectionDescending(Selection& selection) {
    std::sort(selection.begin(), selection.begin() + selectedCount(selection),
              [](int32_t a, int32_t b) { return a > b; });
}

void toggleSelected(EditContext& ctx, int32_t entity) {
    if (removeFromSelection(ctx.state.selection, entity)) {
        DrawSelectedEntity(ctx, entity);
    } else {
        addToSelection(ctx.state.selection, entity);
    }
    ctx.observer.selectionChanged();
}

void clearSelection(EditContext& ctx) {
    const bool hadSelection = selectedCount(ctx.state.selection) > 0;
    ctx.state.selection.fill(0);
    if (hadSelection) {
        ctx.observer.selectionChanged();
    }
    setCutCopyDeleteEnabled(ctx.ui, false);
    if (ctx.state.work.workEntry.useColours) {
        ShowCurrentColourSample(ctx);
    }
}

void setCutCopyDeleteEnabled(EditorUi& ui, bool enabled) {
    ui.setEnabled(Command::EditMenu_Cut, enabled);
    ui.setEnabled(Command::EditMenu_Copy, enabled);
    ui.setEnabled(Command::EditMenu_Delete, enabled);
}

void setSelectCommandsEnabled(EditorUi& ui, bool enabled) {
    ui.setEnabled(Command::EditMenu_Select, enabled);
    ui.setEnabled(Command::EditMenu_SelectAll, enabled);
}
