#include "app/version_commands.h"

#include "app/earlier_versions_dialog.h"
#include "app/edit_form.h"
#include "app/library_commands.h"
#include "app/library_io.h"
#include "platform/library_file.h"

void LibMenu_VersionsClick(TEditForm& form) {
    Library& library = form.state().library;
    if (library.libraryFileName.empty()) {
        return;
    }
    const std::vector<EarlierVersion> versions =
        earlierVersions(QString::fromStdString(library.libraryFileName));
    EarlierVersionsDialog dialog(form, versions);
    const std::optional<size_t> chosen = dialog.choose();
    if (!chosen || leaveCurrentLibrary(form)) {
        return;
    }
    form.recovery().discard();
    library.libraryFileName.clear();
    clearForRead(form);
    const ReadResult result = readLibraryFile(versions[*chosen].path, library);
    showLibraryRead(form, library.libraryFileName, result);
    library.libraryModified = false;
}
