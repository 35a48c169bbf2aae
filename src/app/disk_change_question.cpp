#include "app/disk_change_question.h"

#include <QFileInfo>

#include "app/edit_form.h"
#include "app/library_commands.h"

namespace {

constexpr int ChangedOnDiskString = 109;
constexpr int RemovedFromDiskString = 110;
constexpr int ConfirmString = 105;
constexpr int WarningString = 106;

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
        // A copy: a read that fails clears the library's file name.
        replaceLibrary(form, std::string(fileName));
    }
}
