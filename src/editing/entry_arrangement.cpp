#include "editing/entry_arrangement.h"

#include "editing/entry_commands.h"
#include "editing/entry_session.h"
#include "model/name_lookup.h"

namespace {
constexpr int WarningCaptionString = 106;
}  // namespace

bool moveCurrentEntry(EditContext& ctx, int to) {
    Library& library = ctx.state.library;
    const int from = library.currentEntry;
    if (from < 1 || from > library.entryCount || to < 1 || to > library.entryCount || to == from) {
        return false;
    }
    leaveCurrentEntry(ctx);
    moveEntryData(library, from, to);
    library.currentEntry = to;
    library.libraryModified = true;
    ctx.observer.entryListChanged();
    ctx.observer.currentEntryChanged();  // the same entry, at another number
    return true;
}

bool duplicateCurrentEntry(EditContext& ctx) {
    Library& library = ctx.state.library;
    const int n = library.currentEntry;
    if (n < 1 || n > library.entryCount) {
        return false;
    }
    leaveCurrentEntry(ctx);
    if (library.entryCount >= MaxEntries) {
        showLibraryFull(ctx);
        return false;
    }
    LibraryEntry copy = library.entry(n);
    copy.name.assign(freeCopyName(library, copy.name.view()));
    insertEntryData(library, n + 1, copy, library.entities(n));
    library.libraryModified = true;
    ctx.observer.entryListChanged();
    switchToEntry(ctx, n + 1);
    return true;
}

void showLibraryFull(EditContext& ctx) {
    ctx.ui.showMessage(
        ctx.strings.loadText(refusalText(EntryRefusal::LibraryFull, ctx.state.library.libraryKind)),
        ctx.strings.loadText(WarningCaptionString), MessageIcon::Warning, MessageButtons::Ok);
}
