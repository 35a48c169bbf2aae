#include "editing/entry_transfer.h"

#include <algorithm>
#include <vector>

#include "editing/entry_arrangement.h"
#include "editing/entry_session.h"
#include "model/cp1252.h"
#include "model/entry_clipboard_text.h"
#include "model/name_lookup.h"

namespace {

constexpr int NameClashString = 356;
constexpr int ReplaceString = 357;
constexpr int KeepBothString = 358;
constexpr int SkipString = 359;
constexpr int LineTypesIntoSymbolsString = 360;
constexpr int SymbolsIntoLineTypesString = 361;
constexpr int ConfirmCaptionString = 105;
constexpr int WarningCaptionString = 106;

enum class ClashAnswer { Replace = 0, KeepBoth = 1, Skip = 2 };

// The entry of that name; 0 when there is none.
int entryNamed(const Library& library, const EntryName& name) {
    for (int n = 1; n <= library.entryCount; ++n) {
        if (library.entry(n).name == name) {
            return n;
        }
    }
    return 0;
}

ClashAnswer askAboutName(EditContext& ctx, const EntryName& name) {
    const StringSource& s = ctx.strings;
    const int choice = ctx.ui.showChoice(
        s.loadText(NameClashString) + "\n\n" + cp1252ToUtf8(name.view()),
        s.loadText(ConfirmCaptionString),
        {s.loadText(ReplaceString), s.loadText(KeepBothString), s.loadText(SkipString)});
    switch (choice) {
        case 0:
            return ClashAnswer::Replace;
        case 1:
            return ClashAnswer::KeepBoth;
        default:
            return ClashAnswer::Skip;
    }
}

}  // namespace

bool copyCurrentEntry(EditContext& ctx) {
    const Library& library = ctx.state.library;
    const int n = library.currentEntry;
    if (n < 1 || n > library.entryCount) {
        return false;
    }
    leaveCurrentEntry(ctx);
    const int numbers[] = {n};
    ctx.clipboard.setText(entryClipboardText(library, numbers));
    return true;
}

bool clipboardHasEntries(const TextClipboard& clipboard) {
    return entryClipboardKind(clipboard.text()).has_value();
}

int pasteEntries(EditContext& ctx) {
    const std::string text = ctx.clipboard.text();
    const std::optional<LibraryKind> kind = entryClipboardKind(text);
    if (!kind) {
        return 0;
    }
    const LibraryKind own = ctx.state.library.libraryKind;
    if (*kind != own) {
        ctx.ui.showMessage(
            ctx.strings.loadText(own == LibraryKind::Symbol ? LineTypesIntoSymbolsString
                                                            : SymbolsIntoLineTypesString),
            ctx.strings.loadText(WarningCaptionString), MessageIcon::Warning, MessageButtons::Ok);
        return 0;
    }
    Library source;
    allocateLibrary(source);
    readEntryClipboardText(text, source);
    std::vector<int> numbers;
    for (int n = 1; n <= source.entryCount; ++n) {
        numbers.push_back(n);
    }
    return bringEntries(ctx, source, numbers);
}

int bringEntries(EditContext& ctx, const Library& source, std::span<const int> numbers) {
    Library& library = ctx.state.library;
    leaveCurrentEntry(ctx);
    int place = std::clamp(library.currentEntry, 0, library.entryCount);
    int shown = 0;
    int brought = 0;
    for (const int n : numbers) {
        if (n < 1 || n > source.entryCount) {
            continue;
        }
        LibraryEntry incoming = source.entry(n);
        const EntityArray& entities = source.entities(n);
        if (const int same = entryNamed(library, incoming.name); same > 0) {
            const ClashAnswer answer = askAboutName(ctx, incoming.name);
            if (answer == ClashAnswer::Skip) {
                continue;
            }
            if (answer == ClashAnswer::Replace) {
                library.entry(same) = incoming;
                library.entities(same) = entities;
                shown = same;
                ++brought;
                continue;
            }
            incoming.name.assign(freeCopyName(library, incoming.name.view()));
        }
        if (library.entryCount >= MaxEntries) {
            showLibraryFull(ctx);
            break;
        }
        insertEntryData(library, ++place, incoming, entities);
        shown = place;
        ++brought;
    }
    if (brought > 0) {
        library.libraryModified = true;
        ctx.observer.entryListChanged();
        switchToEntry(ctx, shown);
    }
    return brought;
}
