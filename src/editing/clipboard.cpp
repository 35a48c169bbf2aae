#include "editing/clipboard.h"

#include <string>
#include <string_view>

#include "display/primitives.h"
#include "editing/clipboard_text.h"
#include "editing/entity_limit.h"
#include "editing/redraw.h"
#include "editing/rubber_band.h"
#include "editing/selection.h"
#include "editing/undo.h"

namespace {

constexpr int NothingSelectedString = 21;
constexpr int WarningCaptionString = 106;
constexpr size_t TypicalLine = 48;  // an arc of the drawing area with its CR LF

void warnNothingSelected(EditContext& ctx) {
    ctx.ui.showMessage(ctx.strings.loadText(NothingSelectedString),
                       ctx.strings.loadText(WarningCaptionString), MessageIcon::Warning,
                       MessageButtons::Ok);
}

// Highest index first, so that every recorded index is the entity's place when it went and
// Undo puts them back from the lowest up.
void removeSelectedEntities(EditContext& ctx) {
    Selection& selection = ctx.state.selection;
    sortSelectionDescending(selection);
    const int count = selectedCount(selection);
    for (int i = 1; i <= count; ++i) {
        deleteEntity(ctx, selectedItem(selection, i), true);
    }
}

// Appends the text's entities; false when it stopped before the end of the text.
bool appendEntities(EditContext& ctx, std::string_view text) {
    WorkingCopy& work = ctx.state.work;
    ClipboardTextReader reader(text);
    while (!reader.atEnd()) {
        if (work.workEntityCount >= MaxEntities) {
            ShowEntityLimitMessage(ctx);
            return false;
        }
        const std::optional<Entity> e = reader.next();
        if (!e) {
            return false;
        }
        ++work.workEntityCount;
        setEntity(ctx, work.workEntityCount, *e);
        DrawEntity(ctx.canvas, work.workEntities[work.workEntityCount - 1],
                   work.workEntry.useColours != 0, DrawMode::Normal);
    }
    return true;
}

}  // namespace

void copySelectionToClipboard(EditContext& ctx) {
    const Selection& selection = ctx.state.selection;
    const WorkingCopy& work = ctx.state.work;
    const int count = selectedCount(selection);
    std::string text(ClipboardMarker);
    text.reserve(text.size() + 2 + static_cast<size_t>(count) * TypicalLine);
    text += "\r\n";
    for (int i = 1; i <= count; ++i) {
        const int32_t index = selectedItem(selection, i);
        if (index >= 1 && index <= work.workEntityCount) {
            appendClipboardLine(text, work.workEntities[index - 1]);
        }
    }
    ctx.clipboard.setText(text);
    ctx.ui.setEnabled(Command::EditMenu_Paste, true);
}

bool clipboardHasEntities(const TextClipboard& clipboard) {
    return isEntityClipboardText(clipboard.text());
}

void updatePasteEnabled(EditContext& ctx) {
    ctx.ui.setEnabled(Command::EditMenu_Paste, clipboardHasEntities(ctx.clipboard));
}

void pasteFromClipboard(EditContext& ctx) {
    // One read: the clipboard may change between two.
    const std::string text = ctx.clipboard.text();
    if (!isEntityClipboardText(text)) {
        return;
    }
    if (selectedCount(ctx.state.selection) > 0) {
        deleteSelected(ctx);
    }
    if (appendEntities(ctx, text)) {
        setSelectCommandsEnabled(ctx.ui, true);
        RedrawEntry(ctx, true);
    }
}

void deleteSelected(EditContext& ctx) {
    removeSelectedEntities(ctx);
    ResetSelectionView(ctx, true);
    RedrawEntry(ctx, true);
    ctx.state.library.entryModified = true;
}

void EditMenu_Cut_Click(EditContext& ctx) {
    ctx.ui.setStatusText(0, "");
    if (selectedCount(ctx.state.selection) == 0) {
        warnNothingSelected(ctx);
        return;
    }
    ctx.clipboard.clear();
    copySelectionToClipboard(ctx);
    removeSelectedEntities(ctx);
    ctx.state.library.entryModified = true;
    ResetSelectionView(ctx, true);
    ctx.ui.invalidateDrawing();
    ctx.ui.setCursor(CursorShape::Arrow);
}

void EditMenu_Copy_Click(EditContext& ctx) {
    ctx.ui.setStatusText(0, "");
    ctx.clipboard.clear();
    copySelectionToClipboard(ctx);
    ResetSelectionView(ctx, true);
    RestyleAll(ctx, PenStyle::Solid);
    ctx.ui.setCursor(CursorShape::Arrow);
}

void EditMenu_Paste_Click(EditContext& ctx) {
    ctx.ui.setStatusText(0, "");
    // The state machine leaves the drawing tool, so its rubber band must not outlive it.
    RemoveToolRubberBand(ctx);
    pasteFromClipboard(ctx);
    ctx.state.library.entryModified = true;
    ctx.state.pointerState = PointerState::SelectIdle;
}

void EditMenu_Delete_Click(EditContext& ctx) {
    ctx.ui.setStatusText(0, "");
    if (selectedCount(ctx.state.selection) > 0) {
        deleteSelected(ctx);
    } else {
        warnNothingSelected(ctx);
    }
    ctx.ui.setCursor(CursorShape::Arrow);
}
