#include "editing/entry_commands.h"

#include "editing/entry_session.h"
#include "editing/redraw.h"
#include "editing/selection.h"
#include "model/cp1252.h"
#include "model/name_lookup.h"

namespace {

constexpr int ConfirmSymbolDeletionString = 22;
constexpr int ConfirmLineTypeDeletionString = 23;
constexpr int ConfirmCaptionString = 105;
constexpr int NewEntryOrigin = 155;
constexpr int NewSymbolRadius = 150;

bool isLineTypes(const EditorState& s) {
    return s.library.libraryKind == LibraryKind::LineType;
}

// The kind's Delete and Settings items (and for symbols both radius items).
void enableEntryMenu(EditContext& ctx) {
    using C = Command;
    if (isLineTypes(ctx.state)) {
        ctx.ui.setEnabled(C::LTMenu_Delete, true);
        ctx.ui.setEnabled(C::LTMenu_Settings, true);
        return;
    }
    ctx.ui.setEnabled(C::SymbolMenu_Delete, true);
    ctx.ui.setEnabled(C::SymbolMenu_Settings, true);
    ctx.ui.setEnabled(C::SymbolMenu_ShowClipRad, true);
    ctx.ui.setEnabled(C::SymbolMenu_ShowSizeRad, true);
}

void setDrawingCommandsEnabled(EditorUi& ui, bool enabled) {
    using C = Command;
    for (C command : {C::MainMenu_Edit, C::MainMenu_Draw, C::tbArcBtn, C::tbLineBtn}) {
        ui.setEnabled(command, enabled);
    }
}

std::string captionFor(const EditContext& ctx, const EntryName& name) {
    return kindTitle(ctx.strings, ctx.state.library.libraryKind) + " - " +
           cp1252ToUtf8(name.view());
}

// A chain being drawn or a rubber band belongs to the entry that is no longer shown.
void forgetPointerTrail(EditorState& s) {
    s.lastPoint = {};
    s.rubber.lastRubberPos = {};
    s.rubber.rubberArc = {};
}

}  // namespace

EntryRefusal checkEntryInput(const Library& library, const EntryInput& input, bool addMode,
                             bool nameChanged) {
    if ((addMode || library.currentEntry > 0) && input.name.empty()) {
        return EntryRefusal::NameMissing;
    }
    if (nameChanged && !isNameUnique(library, input.name)) {
        return EntryRefusal::NameTaken;
    }
    if (addMode && library.entryCount >= MaxEntries) {
        return EntryRefusal::LibraryFull;
    }
    return EntryRefusal::None;
}

int refusalText(EntryRefusal refusal, LibraryKind kind) {
    const int first = kind == LibraryKind::LineType ? 39 : 36;
    switch (refusal) {
        case EntryRefusal::NameMissing:
            return first;
        case EntryRefusal::NameTaken:
            return first + 1;
        case EntryRefusal::LibraryFull:
            return first + 2;
        case EntryRefusal::None:
            break;
    }
    return 0;
}

void addEntry(EditContext& ctx, const EntryInput& input) {
    EditorState& s = ctx.state;
    Library& library = s.library;
    if (library.entryCount >= MaxEntries) {
        return;
    }
    ++library.entryCount;

    LibraryEntry& entry = s.work.workEntry;
    entry = LibraryEntry{};
    entry.name.assign(input.name);
    entry.originX = NewEntryOrigin;
    entry.originY = NewEntryOrigin;
    if (isLineTypes(s)) {
        // The pattern height is worked out when the library is written.
        entry.singlePattern() = input.singlePattern ? 1 : 0;
    } else {
        entry.clipRadius = NewSymbolRadius;
        entry.sizeRadius = NewSymbolRadius;
    }
    entry.useColours = input.useColours ? 1 : 0;

    s.work.workEntityCount = 0;
    storeEntry(ctx, library.entryCount);
    clearWork(ctx);
    clearSelection(ctx);
    forgetPointerTrail(s);
    ctx.ui.invalidateDrawing();

    ctx.ui.setCaption(captionFor(ctx, entry.name));
    library.currentEntry = library.entryCount;
    library.entryModified = false;
    setDrawingCommandsEnabled(ctx.ui, true);
    enableEntryMenu(ctx);
    ctx.observer.entryListChanged();
    ctx.observer.currentEntryChanged();
}

void changeEntrySettings(EditContext& ctx, const EntryInput& input, bool savedUseColours,
                         bool savedSinglePattern) {
    EditorState& s = ctx.state;
    Library& library = s.library;
    LibraryEntry& entry = s.work.workEntry;
    entry.name.assign(input.name);
    entry.useColours = input.useColours ? 1 : 0;
    bool settingsChanged = input.useColours != savedUseColours;
    if (isLineTypes(s)) {
        entry.singlePattern() = input.singlePattern ? 1 : 0;
        settingsChanged = settingsChanged || input.singlePattern != savedSinglePattern;
    }
    if (settingsChanged) {
        library.entryModified = true;
    }
    ctx.observer.entrySettingsChanged();
    if (library.currentEntry <= 0 || library.currentEntry > library.entryCount) {
        return;
    }
    ctx.ui.setCaption(captionFor(ctx, entry.name));
    EntryName& stored = library.entry(library.currentEntry).name;
    if (!(stored == entry.name)) {
        stored = entry.name;
        library.libraryModified = true;
        ctx.observer.entryListChanged();
    }
    if (selectedCount(s.selection) > 0) {
        ctx.ui.invalidateDrawing();
    } else {
        RestyleAll(ctx, PenStyle::Solid);
    }
}

void deleteCurrentEntry(EditContext& ctx) {
    EditorState& s = ctx.state;
    Library& library = s.library;
    if (library.currentEntry <= 0 || library.currentEntry > library.entryCount) {
        return;
    }
    deleteEntryData(library, library.currentEntry);
    clearWork(ctx);
    s.work.workEntityCount = 0;
    clearSelection(ctx);
    forgetPointerTrail(s);
    if (library.entryCount < library.currentEntry) {
        --library.currentEntry;
    }
    ctx.observer.entryListChanged();
    if (library.entryCount > 0) {
        loadEntry(ctx, library.currentEntry);
    } else {
        ctx.observer.currentEntryChanged();
    }
    ctx.ui.setFocus(FocusTarget::ColourDisplayBox);
    ctx.ui.invalidateDrawing();
    if (library.entryCount == 0) {
        ctx.ui.setCaption(entryCaption(s, ctx.strings));
        const Command deleteItem =
            isLineTypes(s) ? Command::LTMenu_Delete : Command::SymbolMenu_Delete;
        const Command settingsItem =
            isLineTypes(s) ? Command::LTMenu_Settings : Command::SymbolMenu_Settings;
        ctx.ui.setEnabled(deleteItem, false);
        ctx.ui.setEnabled(settingsItem, false);
    }
    setDrawingCommandsEnabled(ctx.ui, library.entryCount > 0);
    library.libraryModified = true;
}

bool confirmEntryDeletion(EditContext& ctx) {
    const bool lineTypes = isLineTypes(ctx.state);
    const MessageAnswer answer =
        ctx.ui.showMessage(ctx.strings.loadText(lineTypes ? ConfirmLineTypeDeletionString
                                                          : ConfirmSymbolDeletionString),
                           ctx.strings.loadText(ConfirmCaptionString), MessageIcon::Question,
                           lineTypes ? MessageButtons::YesNoCancel : MessageButtons::YesNo);
    return answer == MessageAnswer::Yes;
}
