#include "app/library_io.h"

#include "app/edit_form.h"
#include "app/entry_list.h"
#include "app/numbered_text.h"
#include "editing/command_enabling.h"
#include "editing/entry_session.h"
#include "editing/selection.h"
#include "model/cp1252.h"
#include "platform/earlier_versions.h"
#include "platform/library_file.h"

namespace {

constexpr int LibraryNotFoundString = 31;
constexpr int InvalidFormatString = 32;
constexpr int WriteErrorString = 33;
constexpr int LibrarySavedString = 34;
constexpr int HostProjectOpenString = 43;
constexpr int ReadOnlyString = 104;
constexpr int WarningString = 106;
constexpr int UnknownElementTypeString = 154;
constexpr int ExpectedEndString = 155;
constexpr int InvalidNumberString = 156;
constexpr int UnexpectedEndString = 157;

void warn(EditContext& ctx, int textNumber, const QString& reason = {}) {
    std::string text = ctx.strings.loadText(textNumber);
    if (!reason.isEmpty()) {
        text += "\n" + reason.toStdString();
    }
    ctx.ui.showMessage(text, ctx.strings.loadText(WarningString), MessageIcon::Warning,
                       MessageButtons::Ok);
}

// An error the program reports as its own, under its title.
void reportError(EditContext& ctx, const std::string& text) {
    ctx.ui.showMessage(text, kindTitle(ctx.strings, ctx.state.library.libraryKind),
                       MessageIcon::Error, MessageButtons::Ok);
}

// The reader's error in the user's language: the wording has %1 for the entry's name and %2
// for the type character or the line number.
std::string readErrorMessage(const StringSource& strings, const ReadError& error) {
    const QString name = QString::fromStdString(cp1252ToUtf8(error.entryName.view()));
    switch (error.kind) {
        case ReadErrorKind::UnknownElementType:
            return numberedText(strings, UnknownElementTypeString,
                                {name, QString::fromStdString(cp1252ToUtf8(error.found))})
                .toStdString();
        case ReadErrorKind::ExpectedEnd:
            return numberedText(strings, ExpectedEndString, {name}).toStdString();
        case ReadErrorKind::InvalidNumber:
            return numberedText(strings, InvalidNumberString, {name, QString::number(error.line)})
                .toStdString();
        case ReadErrorKind::UnexpectedEnd:
            return numberedText(strings, UnexpectedEndString, {name}).toStdString();
    }
    return {};
}

}  // namespace

void readLibrary(TEditForm& form, const std::string& fileName) {
    Library& library = form.state().library;
    library.entryCount = 0;
    const ReadResult result = readLibraryFile(QString::fromStdString(fileName), library);
    showLibraryRead(form, fileName, result);
}

void showLibraryRead(TEditForm& form, const std::string& fileName, const ReadResult& result) {
    EditContext& ctx = form.context();
    Library& library = ctx.state.library;
    QListWidget& list = *form.widgets().SymbList;
    const QSignalBlocker quietList(list);

    list.clear();
    form.entryList().clearFilter();  // what was sought in the last library
    form.libraryWatch().stop();
    if (result.outcome == ReadOutcome::NotFound || result.outcome == ReadOutcome::InvalidFormat) {
        library.entryCount = 0;
        library.libraryFileName.clear();
        ctx.observer.entryListChanged();
        warn(ctx,
             result.outcome == ReadOutcome::NotFound ? LibraryNotFoundString : InvalidFormatString);
        return;
    }
    if (result.clearsFileName()) {
        library.libraryFileName.clear();
    } else if (!fileName.empty()) {
        // What an interrupted save of this library left beside it goes now, not only at the
        // next save.
        removeInterruptedSaves(QString::fromStdString(fileName));
        form.libraryWatch().watch(QString::fromStdString(fileName));
    }
    fillEntryList(list, library);
    ctx.observer.entryListChanged();
    if (result.outcome == ReadOutcome::StoppedWithError) {
        if (result.error) {
            reportError(ctx, readErrorMessage(ctx.strings, *result.error));
        }
        return;
    }

    loadEntry(ctx, 1);
    list.setCurrentRow(0);
    ctx.canvas.setPenMode(PenMode::Copy);
    ctx.canvas.setPenStyle(PenStyle::Solid);
    ctx.canvas.setPenColour(Black);
    setCutCopyDeleteEnabled(ctx.ui, selectedCount(ctx.state.selection) > 0);
    enableEntryCommands(ctx.ui);
    ctx.ui.setFocus(FocusTarget::SymbList);
}

bool writeLibrary(TEditForm& form, const std::string& fileName) {
    EditContext& ctx = form.context();
    Library& library = ctx.state.library;
    if (form.options().hostIsRunning()) {
        warn(ctx, HostProjectOpenString);
    }
    if (library.currentEntry > 0) {
        storeEntry(ctx, library.currentEntry);
    }
    KeptVersion replaced(QString::fromStdString(fileName));
    const WriteResult written = writeLibraryFile(QString::fromStdString(fileName), library);
    switch (written.outcome) {
        case WriteOutcome::Written:
            replaced.keep();
            break;
        case WriteOutcome::ReadOnly:
            reportError(ctx, ctx.strings.loadText(ReadOnlyString));
            return false;
        case WriteOutcome::CannotCreate:
            warn(ctx, WriteErrorString, written.detail);
            return false;
        case WriteOutcome::WriteFailed:
            reportError(
                ctx, ctx.strings.loadText(WriteErrorString) + "\n" + written.detail.toStdString());
            return false;
    }
    library.libraryModified = false;
    form.recovery().discard();
    form.libraryWatch().watch(QString::fromStdString(fileName));
    ctx.ui.setStatusText(0, ctx.strings.loadText(LibrarySavedString));
    return true;
}
