#include "app/catalogue_command.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>

#include "app/edit_form.h"
#include "app/numbered_text.h"
#include "editing/entry_session.h"
#include "platform/catalogue.h"

namespace {

constexpr int LineTypeLibraryString = 17;
constexpr int SymbolLibraryString = 18;
constexpr int WarningString = 106;
constexpr int DialogTitleString = 450;
constexpr int PdfFilterString = 451;
constexpr int HtmlFilterString = 452;
constexpr int WriteErrorString = 453;
constexpr int WrittenString = 454;

// The library's file name, or the kind's title while it has none.
QString libraryName(const Library& library, const StringSource& strings) {
    if (!library.libraryFileName.empty()) {
        return QFileInfo(QString::fromLocal8Bit(library.libraryFileName)).fileName();
    }
    return numberedText(strings, library.libraryKind == LibraryKind::LineType
                                     ? LineTypeLibraryString
                                     : SymbolLibraryString);
}

}  // namespace

void LibMenu_PrintCatalogue_Click(TEditForm& form) {
    EditContext& ctx = form.context();
    Library& library = ctx.state.library;
    const StringSource& strings = ctx.strings;

    QFileDialog dialog(&form, numberedText(strings, DialogTitleString));
    dialog.setObjectName(QStringLiteral("CatalogueDialog"));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    const QString pdf = numberedText(strings, PdfFilterString);
    const QString html = numberedText(strings, HtmlFilterString);
    dialog.setNameFilters({pdf, html});
    dialog.setDefaultSuffix(QStringLiteral("pdf"));
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, [&](const QString& filter) {
        dialog.setDefaultSuffix(filter == html ? QStringLiteral("html") : QStringLiteral("pdf"));
    });
    if (!library.libraryFileName.empty()) {
        const QFileInfo file(QString::fromLocal8Bit(library.libraryFileName));
        dialog.setDirectory(file.absolutePath());
        dialog.selectFile(file.completeBaseName() + QStringLiteral(".pdf"));
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return;
    }
    const QString path = dialog.selectedFiles().constFirst();

    if (library.entryModified && library.currentEntry > 0) {
        storeEntry(ctx, library.currentEntry);
    }
    QString error;
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    const bool written = writeCatalogue(path, library, libraryName(library, strings),
                                        DefaultCatalogueColumns, strings, error);
    QGuiApplication::restoreOverrideCursor();
    if (!written) {
        ctx.ui.showMessage(strings.loadText(WriteErrorString) + ": " + error.toStdString(),
                           strings.loadText(WarningString), MessageIcon::Warning,
                           MessageButtons::Ok);
        return;
    }
    ctx.ui.setStatusText(0, strings.loadText(WrittenString));
}
