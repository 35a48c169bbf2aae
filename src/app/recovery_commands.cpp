#include "app/recovery_commands.h"

#include <QDateTime>
#include <QDir>
#include <QLocale>
#include <QMessageBox>
#include <algorithm>

#include "app/edit_form.h"
#include "app/library_commands.h"
#include "app/library_io.h"
#include "app/numbered_text.h"
#include "app/recover_work_dialog.h"
#include "platform/library_file.h"

namespace {

constexpr int RestoreQuestionString = 250;
constexpr int ChangedOnDiskString = 251;
constexpr int RestoreString = 252;
constexpr int DiscardString = 253;
constexpr int UnnamedLibraryString = 254;
constexpr int SetAsideString = 260;
constexpr int ConfirmString = 105;
constexpr int WarningString = 106;

QString text(TEditForm& form, int number) {
    return numberedText(form.strings(), number);
}

void reportSetAside(TEditForm& form, const QStringList& paths) {
    if (paths.isEmpty()) {
        return;
    }
    QStringList shown;
    for (const QString& path : paths) {
        shown.append(QDir::toNativeSeparators(path));
    }
    form.context().ui.showMessage(text(form, SetAsideString).arg(shown.join('\n')).toStdString(),
                                  form.strings().loadText(WarningString), MessageIcon::Warning,
                                  MessageButtons::Ok);
}

}  // namespace

QString recoveryLibraryName(TEditForm& form, const RecoveryRecord& record) {
    return record.libraryPath.empty()
               ? text(form, UnnamedLibraryString)
               : QDir::toNativeSeparators(QString::fromStdString(record.libraryPath));
}

QString recoveryTime(const RecoveryRecord& record) {
    return QLocale().toString(QDateTime::fromMSecsSinceEpoch(record.copiedMs),
                              QLocale::ShortFormat);
}

StartupRecovery findStartupRecovery(LibraryKind kind, const std::string& libraryPath) {
    StartupRecovery found;
    OrphanScan scan = scanOrphanCopies(recoveryFolder());
    found.setAside = scan.setAside;
    const QString wanted = QString::fromStdString(libraryPath);
    for (OrphanCopy& orphan : scan.copies) {  // newest first
        const QString path = QString::fromStdString(orphan.record.libraryPath);
        const bool same =
            path.isEmpty() ? wanted.isEmpty() : !wanted.isEmpty() && sameLibraryPath(path, wanted);
        if (same && orphan.record.kind == kind) {
            found.orphan = std::move(orphan);
            break;
        }
    }
    return found;
}

std::string recoveryLookupName(const std::string& argument) {
    return argument.starts_with('*') ? std::string() : argument;
}

bool offerStartupRecovery(TEditForm& form, StartupRecovery& found) {
    reportSetAside(form, found.setAside);
    if (!found.orphan) {
        return false;
    }
    OrphanCopy& orphan = *found.orphan;
    const RecoveryRecord& record = orphan.record;
    QString question = text(form, RestoreQuestionString)
                           .arg(recoveryLibraryName(form, record), recoveryTime(record));
    if (libraryChangedSinceCopy(record, fileStamp(QString::fromStdString(record.libraryPath)))) {
        question += "\n\n" + text(form, ChangedOnDiskString);
    }
    // No button answers Escape: the copy is only ever dropped on the user's word.
    QMessageBox box(QMessageBox::Question, text(form, ConfirmString), question,
                    QMessageBox::Yes | QMessageBox::Discard, &form);
    box.button(QMessageBox::Yes)->setText(text(form, RestoreString));
    box.button(QMessageBox::Discard)->setText(text(form, DiscardString));
    box.setDefaultButton(QMessageBox::Yes);
    if (box.exec() == QMessageBox::Yes) {
        return restoreRecoveryCopy(form, std::move(orphan));
    }
    orphan.slot.removeFiles();
    found.orphan.reset();  // lets go of its lock, which removes the lock file
    return false;
}

bool restoreRecoveryCopy(TEditForm& form, OrphanCopy&& orphan) {
    EditContext& ctx = form.context();
    Library& library = ctx.state.library;
    clearForRead(form);
    const ReadResult result = readLibraryFile(orphan.copyPath(), library);
    if (result.outcome != ReadOutcome::Read) {
        clearLibrary(library);
        library.entryCount = 0;
        library.libraryFileName.clear();
        reportSetAside(form, {setAsideUnreadable(orphan)});
        return false;
    }
    library.libraryFileName = orphan.record.libraryPath;
    showLibraryRead(form, library.libraryFileName, result);
    const int entry = std::clamp(orphan.record.currentEntry, 1, std::max(library.entryCount, 1));
    if (entry <= library.entryCount) {
        form.widgets().SymbList->setCurrentRow(entry - 1);
    }
    library.libraryModified = true;
    form.recovery().adopt(std::move(orphan));
    return true;
}

void LibMenu_RecoverClick(TEditForm& form) {
    OrphanScan scan = scanOrphanCopies(recoveryFolder());
    reportSetAside(form, scan.setAside);
    const LibraryKind kind = form.state().library.libraryKind;
    std::erase_if(scan.copies, [kind](const OrphanCopy& c) { return c.record.kind != kind; });
    RecoverWorkDialog dialog(form, scan.copies);
    const std::optional<size_t> chosen = dialog.choose();
    if (!chosen || leaveCurrentLibrary(form)) {
        return;
    }
    restoreRecoveryCopy(form, std::move(scan.copies[*chosen]));
}
