#include "app/library_commands.h"

#include <QFileInfo>
#include <QSignalBlocker>

#include "app/edit_form.h"
#include "app/library_file_dialog.h"
#include "app/library_io.h"
#include "app/save_check.h"
#include "editing/default_library_offer.h"
#include "editing/entry_session.h"
#include "editing/selection.h"
#include "model/library_locations.h"

namespace {

constexpr int SaveChangesString = 16;
constexpr int ConfirmString = 105;

using C = Command;

bool needsNewFileName(const Library& library) {
    return library.libraryFileName.empty() || isReadOnlyFile(library.libraryFileName);
}

// Through the save dialog when the library has no file or only a read-only one.
SaveOutcome saveToFileOrAsk(TEditForm& form) {
    if (!checkBeforeSave(form)) {
        return {true, false};
    }
    Library& library = form.state().library;
    if (needsNewFileName(library)) {
        library.libraryFileName.clear();
        return saveLibraryAs(form);
    }
    const bool written = saveLibrary(form);
    return {!written, written};
}

// Empties the drawing and the working copy after the library was cleared.
void emptyWork(EditContext& ctx) {
    clearWork(ctx);
    ctx.state.work.workEntityCount = 0;
    ctx.state.lastPoint = {};
}

}  // namespace

bool leaveCurrentLibrary(TEditForm& form) {
    EditContext& ctx = form.context();
    leaveCurrentEntry(ctx);
    const Library& library = ctx.state.library;
    return library.entryCount > 0 && library.libraryModified && askSaveChanges(form);
}

bool askSaveChanges(TEditForm& form) {
    EditContext& ctx = form.context();
    const MessageAnswer answer = ctx.ui.showMessage(
        ctx.strings.loadText(SaveChangesString), ctx.strings.loadText(ConfirmString),
        MessageIcon::Question, MessageButtons::YesNoCancel);
    switch (answer) {
        case MessageAnswer::Yes:
            return saveToFileOrAsk(form).cancelled;
        case MessageAnswer::No:
            return false;
        default:
            return true;
    }
}

bool saveLibrary(TEditForm& form) {
    EditContext& ctx = form.context();
    const Library& library = ctx.state.library;
    const bool written = writeLibrary(form, library.libraryFileName);
    if (written) {
        // The host looks for a relative name in its own folder: record where the file is.
        const std::string absolute = QFileInfo(QString::fromStdString(library.libraryFileName))
                                         .absoluteFilePath()
                                         .toStdString();
        offerAsDefaultLibrary(form.settings(), library.libraryKind, absolute, ctx.ui, ctx.strings);
    }
    return written;
}

SaveOutcome saveLibraryAs(TEditForm& form) {
    EditContext& ctx = form.context();
    Library& library = ctx.state.library;
    LibraryFileDialog& dialog = form.saveDialog();
    dialog.fill(saveDialogSettings(library.libraryKind, ctx.strings, library.libraryFileName));
    const std::optional<std::string> chosen = dialog.choose();
    if (!chosen) {
        library.libraryFileName.clear();
        return {true, false};
    }
    library.libraryFileName = *chosen;
    const bool written = saveLibrary(form);
    return {!written, written};
}

void Libmenu_New_Click(TEditForm& form) {
    if (leaveCurrentLibrary(form)) {
        return;
    }
    EditContext& ctx = form.context();
    EditorState& s = ctx.state;
    form.recovery().discard();
    s.library.libraryFileName.clear();
    s.library.entryCount = 0;

    for (C command : {C::SymbolMenu_Delete, C::SymbolMenu_Settings, C::SymbolMenu_ShowSizeRad,
                      C::SymbolMenu_ShowClipRad, C::LTMenu_Delete, C::LTMenu_Settings}) {
        ctx.ui.setEnabled(command, false);
    }
    ctx.ui.setChecked(C::SymbolMenu_ShowSizeRad, false);
    ctx.ui.setChecked(C::SymbolMenu_ShowClipRad, false);
    s.showSizeRadius = false;
    s.showClipRadius = false;

    clearLibrary(s.library);
    emptyWork(ctx);
    ctx.ui.invalidateDrawing();
    s.library.libraryModified = false;
    s.library.entryModified = false;
    {
        const QSignalBlocker quietList(form.widgets().SymbList);
        form.widgets().SymbList->clear();
    }

    ctx.canvas.setPenMode(PenMode::Copy);
    ctx.canvas.setPenStyle(PenStyle::Solid);
    ctx.canvas.setPenColour(Black);
    clearSelection(ctx);
    for (C command : {C::MainMenu_Edit, C::MainMenu_Draw, C::EditMenu_Cut, C::EditMenu_Copy,
                      C::EditMenu_Delete, C::EditMenu_Select, C::EditMenu_SelectAll}) {
        ctx.ui.setEnabled(command, false);
    }
    s.library.currentEntry = 0;
    ctx.ui.setCaption(entryCaption(s, ctx.strings));
    ctx.observer.entryListChanged();
    ctx.observer.currentEntryChanged();
}

void LibMenu_Open_Click(TEditForm& form) {
    if (leaveCurrentLibrary(form)) {
        return;
    }
    EditContext& ctx = form.context();
    EditorState& s = ctx.state;
    LibraryFileDialog& dialog = form.openDialog();
    dialog.fill(openDialogSettings(s.library.libraryKind, ctx.strings));
    const std::optional<std::string> chosen = dialog.choose();
    if (!chosen || chosen->empty()) {
        return;
    }
    // No pointer capture after the read: it would swallow the first click on the entry list,
    // a button or a menu.
    replaceLibrary(form, *chosen);
}

void clearForRead(TEditForm& form) {
    EditContext& ctx = form.context();
    clearLibrary(ctx.state.library);
    emptyWork(ctx);
    clearSelection(ctx);
    ctx.ui.invalidateDrawing();
    // An entry number of the library before could point past the entries of this one; a read
    // that gets as far as the first entry makes it current.
    ctx.state.library.currentEntry = 0;
}

void replaceLibrary(TEditForm& form, const std::string& fileName) {
    Library& library = form.state().library;
    form.recovery().discard();
    library.libraryFileName = fileName;
    clearForRead(form);
    readLibrary(form, fileName);
    library.libraryModified = false;
    library.entryModified = false;
    if (library.currentEntry == 0) {
        form.context().observer.currentEntryChanged();  // none: the read stopped early
    }
}

void LibMenu_Save_Click(TEditForm& form) {
    const SaveOutcome outcome = saveToFileOrAsk(form);
    if (!outcome.cancelled && outcome.written) {
        Library& library = form.state().library;
        library.libraryModified = false;
        library.entryModified = false;
    }
}

void LibMenu_SaveAs_Click(TEditForm& form) {
    if (checkBeforeSave(form)) {
        saveLibraryAs(form);
    }
}

void LibMenu_Exit_Click(TEditForm& form) {
    form.close();
}

bool FormCloseQuery(TEditForm& form) {
    return !leaveCurrentLibrary(form);
}
