#include "app/entry_arrangement_commands.h"

#include "app/edit_form.h"
#include "app/entry_list.h"
#include "app/import_entries_dialog.h"
#include "app/library_file_dialog.h"
#include "editing/entry_arrangement.h"
#include "editing/entry_transfer.h"
#include "platform/library_file.h"

namespace {

constexpr int LibraryNotFoundString = 31;
constexpr int InvalidFormatString = 32;
constexpr int ImportCaptionString = 367;
constexpr int NoEntriesString = 371;
constexpr int WarningString = 106;

void warn(EditContext& ctx, int text) {
    ctx.ui.showMessage(ctx.strings.loadText(text), ctx.strings.loadText(WarningString),
                       MessageIcon::Warning, MessageButtons::Ok);
}

// Runs an arrangement and, when it changed the library, shows the new order.
void arrange(TEditForm& form, bool changed) {
    if (changed) {
        form.entryList().refresh();
    }
}

}  // namespace

void EntryMenu_MoveUp_Click(TEditForm& form) {
    EditContext& ctx = form.context();
    arrange(form, moveCurrentEntry(ctx, ctx.state.library.currentEntry - 1));
}

void EntryMenu_MoveDown_Click(TEditForm& form) {
    EditContext& ctx = form.context();
    arrange(form, moveCurrentEntry(ctx, ctx.state.library.currentEntry + 1));
}

void EntryMenu_Duplicate_Click(TEditForm& form) {
    arrange(form, duplicateCurrentEntry(form.context()));
}

void EntryMenu_CopyEntry_Click(TEditForm& form) {
    copyCurrentEntry(form.context());
}

void EntryMenu_PasteEntry_Click(TEditForm& form) {
    arrange(form, pasteEntries(form.context()) > 0);
}

void moveEntryInList(TEditForm& form, int from, int to) {
    form.runHandler([&form, from, to](EditContext& ctx) {
        if (ctx.state.library.currentEntry == from) {
            moveCurrentEntry(ctx, to);
        }
        // Also when nothing moved: the list shows the library's order again.
        form.entryList().refresh();
    });
}

void LibMenu_ImportEntries_Click(TEditForm& form) {
    EditContext& ctx = form.context();
    const LibraryKind kind = ctx.state.library.libraryKind;
    LibraryFileDialog& dialog = form.openDialog();
    LibraryDialogSettings settings = openDialogSettings(kind, ctx.strings);
    settings.title = ctx.strings.loadText(ImportCaptionString);
    dialog.fill(settings);
    const std::optional<std::string> chosen = dialog.choose();
    if (!chosen) {
        return;
    }
    Library source;
    allocateLibrary(source);
    source.libraryKind = kind;
    const ReadResult read = readLibraryFile(QString::fromStdString(*chosen), source);
    if (read.outcome == ReadOutcome::NotFound || read.outcome == ReadOutcome::InvalidFormat) {
        warn(ctx,
             read.outcome == ReadOutcome::NotFound ? LibraryNotFoundString : InvalidFormatString);
        return;
    }
    if (source.entryCount == 0) {
        warn(ctx, NoEntriesString);
        return;
    }
    ImportEntriesDialog picker(source, ctx.strings, &form);
    const std::vector<int> numbers = picker.choose();
    if (!numbers.empty()) {
        arrange(form, bringEntries(ctx, source, numbers) > 0);
    }
}

void showArrangementEnabling(TEditForm& form, bool menuOpen) {
    const EditorState& s = form.state();
    const Library& library = s.library;
    const bool current = library.currentEntry >= 1 && library.currentEntry <= library.entryCount;
    using C = Command;
    EditorUi& ui = form.ui();
    ui.setEnabled(C::EntryMenu_MoveUp, !menuOpen || (current && library.currentEntry > 1));
    ui.setEnabled(C::EntryMenu_MoveDown,
                  !menuOpen || (current && library.currentEntry < library.entryCount));
    ui.setEnabled(C::EntryMenu_Duplicate, !menuOpen || current);
    ui.setEnabled(C::EntryMenu_CopyEntry, !menuOpen || current);
    ui.setEnabled(C::EntryMenu_PasteEntry,
                  !menuOpen || clipboardHasEntries(form.context().clipboard));
}
