#include "app/disk_change_question.h"

#include <QFileInfo>

#include "app/edit_form.h"
#include "app/library_io.h"
#include "editing/entry_session.h"
#include "editing/selection.h"

namespace {

constexpr int ChangedOnDiskString = 109;
constexpr int RemovedFromDiskString = 110;
constexpr int ConfirmString = 105;
constexpr int WarningString = 106;

// The library as the file holds it now; what was edited here is dropped.
void readAgain(TEditForm& form) {
    EditContext& ctx = form.context();
    Library& library = ctx.state.library;
    clearLibrary(library);
    clearWork(ctx);
    ctx.state.work.workEntityCount = 0;
    clearSelection(ctx);
    ctx.ui.invalidateDrawing();
    library.currentEntry = 0;
    readLibrary(form, library.libraryFileName);
    library.libraryModified = false;
    library.entryModified = false;
}

}  // namespace

void askAboutLibraryChangedOnDisk(TEditForm& form) {
    FileChangeWatch& watch = form.libraryWatch();
    EditContext& ctx = form.context();
    const std::string& fileName = ctx.state.library.libraryFileName;
    if (fileName.empty() || QString::fromStdString(fileName) != watch.path() ||
        !watch.changedSinceKnown()) {
        return;
    }
    watch.acceptDiskState();
    if (!QFileInfo(watch.path()).isFile()) {
        ctx.ui.showMessage(ctx.strings.loadText(RemovedFromDiskString),
                           ctx.strings.loadText(WarningString), MessageIcon::Warning,
                           MessageButtons::Ok);
        return;
    }
    const MessageAnswer answer = ctx.ui.showMessage(ctx.strings.loadText(ChangedOnDiskString),
                                                    ctx.strings.loadText(ConfirmString),
                                                    MessageIcon::Question, MessageButtons::YesNo);
    if (answer == MessageAnswer::Yes) {
        readAgain(form);
    }
}
