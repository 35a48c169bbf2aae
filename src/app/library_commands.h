#pragma once

#include <string>

class TEditForm;

// The File menu: the library as a whole. Before a library is discarded (New, Open, closing)
// the user is asked whether to save it; the kind of library never changes.

// What a save that may go through the save dialog came to.
struct SaveOutcome {
    bool cancelled = false;  // the dialog was cancelled, or the save failed
    bool written = false;
};

// Stores the current entry back when it was changed and, when the library has entries and
// was modified, asks whether to save it; true when the library must stay (cancelled).
bool leaveCurrentLibrary(TEditForm& form);

// "Save currently loaded library" with Yes, No and Cancel; true when cancelled. Yes saves,
// through the save dialog when the library has no file or its file is read-only, and a save
// that was cancelled or failed cancels too, so that nothing unsaved is discarded.
bool askSaveChanges(TEditForm& form);

// Writes the library to its file; after a successful write offers the file as the host's
// default library. True when the file was written.
bool saveLibrary(TEditForm& form);

// Asks for a file in the save dialog and saves there. A cancelled dialog leaves the library
// without a file name, so the next Save asks for one.
SaveOutcome saveLibraryAs(TEditForm& form);

// Empties the library, the working copy and the selection before another library is read in.
void clearForRead(TEditForm& form);

// Reads fileName in place of the library in memory, dropping what was edited; Open and reading
// a library again after another program changed it.
void replaceLibrary(TEditForm& form, const std::string& fileName);

void Libmenu_New_Click(TEditForm& form);
void LibMenu_Open_Click(TEditForm& form);
void LibMenu_Save_Click(TEditForm& form);
void LibMenu_SaveAs_Click(TEditForm& form);
void LibMenu_Exit_Click(TEditForm& form);
// Whether the window may close.
bool FormCloseQuery(TEditForm& form);
