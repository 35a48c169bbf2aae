#include "app/library_file_dialog.h"

#include <QAbstractItemView>
#include <QCompleter>
#include <QFileInfo>
#include <QLineEdit>
#include <QMessageBox>

#include "app/command_line.h"
#include "app/numbered_text.h"
#include "model/library_locations.h"

namespace {

constexpr int LineTypeLibraryString = 17;
constexpr int SymbolLibraryString = 18;
constexpr int SaveLibraryAsString = 19;
constexpr int SelectLibraryString = 20;
constexpr int AllFilesString = 44;
constexpr int WarningString = 106;
constexpr int PathTooLongString = 151;
constexpr int NoSuchFolderString = 152;
constexpr int ReadOnlyTargetString = 153;

const char* kindPattern(LibraryKind kind) {
    return kind == LibraryKind::LineType ? "*.ltp" : "*.sym";
}

// The kind's own files as both dialogs list them.
FileFilter kindFilter(LibraryKind kind, const StringSource& strings, bool withPattern) {
    if (kind == LibraryKind::LineType) {
        return {strings.loadText(LineTypeLibraryString), "*.ltp"};
    }
    return {strings.loadText(SymbolLibraryString) + (withPattern ? "(*.sym)" : ""), "*.sym"};
}

// Qt reads the pattern from the last parentheses of a filter and, with its details hidden,
// shows what comes before them: exactly the toolkit's description. The toolkit's "*.*" is
// every file, one without an extension too; in Qt that is "*".
QStringList qtNameFilters(const std::vector<FileFilter>& filters) {
    QStringList names;
    for (const FileFilter& filter : filters) {
        const std::string pattern = filter.pattern == "*.*" ? "*" : filter.pattern;
        names << QString::fromStdString(filter.description + " (" + pattern + ")");
    }
    return names;
}

bool hasWildcards(const QString& name) {
    return name.contains(u'*') || name.contains(u'?');
}

}  // namespace

LibraryDialogSettings openDialogSettings(LibraryKind kind, const StringSource& strings) {
    return {strings.loadText(SelectLibraryString),
            {kindFilter(kind, strings, true), {strings.loadText(AllFilesString) + "(*.*)", "*.*"}},
            kindPattern(kind),
            kindPattern(kind)};
}

LibraryDialogSettings saveDialogSettings(LibraryKind kind, const StringSource& strings,
                                         const std::string& libraryFileName) {
    return {strings.loadText(SaveLibraryAsString),
            {kindFilter(kind, strings, false)},
            kindPattern(kind),
            libraryFileName.empty() ? kindPattern(kind) : libraryFileName};
}

LibraryFileDialog::LibraryFileDialog(QWidget* parent, const StringSource& strings,
                                     QFileDialog::AcceptMode mode, const QString& objectName)
    : QFileDialog(parent), strings_(strings) {
    setObjectName(objectName);
    setOption(QFileDialog::DontUseNativeDialog);
    setOption(QFileDialog::HideNameFilterDetails);
    setAcceptMode(mode);
    setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
}

void LibraryFileDialog::fill(const LibraryDialogSettings& settings) {
    setWindowTitle(QString::fromStdString(settings.title));
    setNameFilters(qtNameFilters(settings.filters));
    // Qt appends the suffix itself and wants it without the "*.".
    QString suffix = QString::fromStdString(settings.defaultExtension);
    setDefaultSuffix(suffix.remove(QStringLiteral("*.")));
    const QFileInfo initial(QString::fromStdString(settings.initialFileName));
    if (initial.path() != QStringLiteral(".")) {
        setDirectory(initial.absolutePath());
    }
    selectFile(initial.fileName());
}

std::optional<std::string> LibraryFileDialog::choose() {
    const int answer = exec();
    // The name field's completion list outlives the dialog: left open over the main window,
    // it would take the next click there.
    if (auto* nameEdit = findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        nameEdit != nullptr && nameEdit->completer() != nullptr) {
        nameEdit->completer()->popup()->hide();
    }
    if (answer != QDialog::Accepted) {
        return std::nullopt;
    }
    return selectedFiles().value(0).toStdString();
}

void LibraryFileDialog::accept() {
    auto* nameEdit = findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
    const QString typed = nameEdit != nullptr ? nameEdit->text() : QString();
    if (hasWildcards(typed)) {
        setNameFilter(typed);
        return;
    }
    const QString file = selectedFiles().value(0);
    const QFileInfo info(file);
    if (!file.isEmpty() && !info.isDir()) {
        if (file.toStdString().size() > MaxFileNameLength) {
            refuse(file, PathTooLongString);
            return;
        }
        if (acceptMode() == QFileDialog::AcceptSave) {
            if (!info.dir().exists()) {
                refuse(info.path(), NoSuchFolderString);
                return;
            }
            if (isReadOnlyFile(file.toStdString())) {
                refuse(file, ReadOnlyTargetString);
                return;
            }
        }
    }
    QFileDialog::accept();
}

void LibraryFileDialog::refuse(const QString& path, int reasonString) {
    QMessageBox::warning(this, numberedText(strings_, WarningString),
                         path + u'\n' + numberedText(strings_, reasonString));
}
