#pragma once

#include <QFileDialog>
#include <QString>
#include <string>
#include <vector>

#include "editing/string_source.h"
#include "model/library.h"

// One pair of the toolkit's filter list: the text the dialog shows and the pattern it applies.
struct FileFilter {
    std::string description;
    std::string pattern;
    friend bool operator==(const FileFilter&, const FileFilter&) = default;
};

// What a library file dialog is filled with before it is shown.
struct LibraryDialogSettings {
    std::string title;
    std::vector<FileFilter> filters;
    std::string defaultExtension;  // "*.sym" or "*.ltp"
    std::string initialFileName;
};

// The Open dialog: "Select Library", the kind's files and all files, "*.sym" or "*.ltp".
LibraryDialogSettings openDialogSettings(LibraryKind kind, const StringSource& strings);
// The Save As dialog: "Save Library As", the kind's files only, starting at the library's file
// (the kind's pattern when it has none).
LibraryDialogSettings saveDialogSettings(LibraryKind kind, const StringSource& strings,
                                         const std::string& libraryFileName);

// OpenDialog1 and SaveDialog1 of the main window: Qt's own (non-native) file dialog, so the
// same dialog runs everywhere and tests can drive it. Qt has no read-only check box to hide.
// Opening: the file must exist. Saving: asks before overwriting, the folder must exist, and a
// read-only file is refused. In both, a name with wildcards filters the list instead of being
// chosen, and a path longer than MaxFileNameLength is refused, since cutting it could name
// another file.
class LibraryFileDialog final : public QFileDialog {
    Q_OBJECT
  public:
    LibraryFileDialog(QWidget* parent, const StringSource& strings, QFileDialog::AcceptMode mode,
                      const QString& objectName);

    void fill(const LibraryDialogSettings& settings);
    // Shows the dialog modally: the chosen file, or nothing when it was cancelled.
    std::optional<std::string> choose();

  public slots:
    void accept() override;

  private:
    // A warning that names the path and, below it, the reason (a string number).
    void refuse(const QString& path, int reasonString);

    const StringSource& strings_;
};
