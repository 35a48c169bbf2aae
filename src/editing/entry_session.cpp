#include "editing/entry_session.h"

#include "editing/colours.h"
#include "editing/command_enabling.h"
#include "editing/drawing_tools.h"
#include "editing/redraw.h"
#include "editing/selection.h"
#include "editing/undo.h"
#include "model/cp1252.h"

namespace {

constexpr int SymbolTitleString = 29;
constexpr int LineTypeTitleString = 30;
constexpr size_t MaxTitleCharacters = 80;

// The first `count` characters of a UTF-8 text.
std::string firstCharacters(const std::string& text, size_t count) {
    size_t characters = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        const bool startsCharacter = (static_cast<unsigned char>(text[i]) & 0xC0) != 0x80;
        if (startsCharacter && characters++ == count) {
            return text.substr(0, i);
        }
    }
    return text;
}

}  // namespace

void clearWork(EditContext& ctx) {
    for (Entity& slot : ctx.state.work.workEntities) {
        const int32_t colour = slot.colour;
        slot = Entity{};
        slot.colour = colour;
    }
    clearUndo(ctx);
}

void loadEntry(EditContext& ctx, int n) {
    EditorState& s = ctx.state;
    ctx.ui.setCursor(CursorShape::Busy);
    if (n >= 1 && n <= s.library.entryCount) {
        s.library.currentEntry = n;
        clearWork(ctx);
        copyEntryToWork(s.library, n, s.work);
    }
    ctx.ui.invalidateDrawing();
    ShowCurrentColourSample(ctx);
    ShowColourBoxes(ctx);
    setSelectCommandsEnabled(ctx.ui, true);
    ctx.ui.setCursor(toolCursor(s.pointerState));
    s.library.entryModified = false;
    ctx.ui.setCaption(entryCaption(s, ctx.strings));
    ctx.observer.currentEntryChanged();
}

void storeEntry(EditContext& ctx, int n) {
    EditorState& s = ctx.state;
    if (!Library::isValidNumber(n)) {
        return;
    }
    ctx.ui.setCursor(CursorShape::Busy);
    copyWorkToEntry(s.library, n, s.work);
    s.library.entryModified = false;
    s.library.libraryModified = true;
    ctx.ui.setCursor(toolCursor(s.pointerState));
    ctx.observer.entryStored(n);
}

void leaveCurrentEntry(EditContext& ctx) {
    const Library& library = ctx.state.library;
    if (library.currentEntry > 0 && library.entryModified) {
        storeEntry(ctx, library.currentEntry);
    }
}

void switchToEntry(EditContext& ctx, int n) {
    EditorState& s = ctx.state;
    s.library.currentEntry = n;
    ResetSelectionView(ctx, true);
    enableEntryCommands(ctx.ui);
    loadEntry(ctx, n);
    s.rubber.lastRubberPos = {};
    s.rubber.rubberArc = {};
    s.lastPoint = {};
    if (s.pointerState == PointerState::ArcThirdPoint) {
        PopUpMnuArcClick(ctx);
    }
    ctx.ui.setTimer2Enabled(false);
    ctx.ui.setStatusText(0, "");
}

std::string kindTitle(const StringSource& strings, LibraryKind kind) {
    const int n = kind == LibraryKind::LineType ? LineTypeTitleString : SymbolTitleString;
    return firstCharacters(strings.loadText(n), MaxTitleCharacters);
}

std::string entryCaption(const EditorState& state, const StringSource& strings) {
    const Library& library = state.library;
    std::string caption = kindTitle(strings, library.libraryKind) + " - ";
    if (library.isAllocated() && Library::isValidNumber(library.currentEntry)) {
        caption += cp1252ToUtf8(library.entry(library.currentEntry).name.view());
    }
    return caption;
}

CursorShape toolCursor(PointerState state) {
    switch (state) {
        case PointerState::LinePoints:
        case PointerState::ArcPoints:
        case PointerState::ArcThirdPoint:
            return CursorShape::Cross;
        default:
            return CursorShape::Arrow;
    }
}
