#pragma once

#include <QStringList>
#include <optional>
#include <string>

#include "model/library.h"
#include "platform/recovery_store.h"

class TEditForm;

// Unsaved work of an editor that did not close normally: offered at start-up for the library
// being opened, and from File > Recover Unsaved Work... for any other.

// What the recovery folder holds for the library named on the command line (empty: an
// unnamed library); looked for before anything is read.
struct StartupRecovery {
    std::optional<OrphanCopy> orphan;  // the newest copy of that library
    QStringList setAside;              // unreadable copies moved aside, to report
};
StartupRecovery findStartupRecovery(LibraryKind kind, const std::string& libraryPath);
// The library the command line names, also one whose file is gone: the argument unless it
// starts with "*".
std::string recoveryLookupName(const std::string& argument);

// Reports the set-aside copies, then asks whether to restore the orphan: Restore reads it,
// Discard removes it. True when the library was restored; otherwise the caller reads the file.
bool offerStartupRecovery(TEditForm& form, StartupRecovery& found);

// Reads the orphan's copy as the library under its own file name, modified, with the entry
// that was current; the orphan becomes this editor's copy. A copy that cannot be read is moved
// aside and reported, and the library is left empty; false then.
bool restoreRecoveryCopy(TEditForm& form, OrphanCopy&& orphan);

// "did not close normally" question and "kept as" report share these.
QString recoveryLibraryName(TEditForm& form, const RecoveryRecord& record);
QString recoveryTime(const RecoveryRecord& record);

// File > Recover Unsaved Work...
void LibMenu_RecoverClick(TEditForm& form);
