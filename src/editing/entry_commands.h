#pragma once

#include <string>

#include "editing/edit_context.h"

// Adding, changing and deleting entries: what the entry dialogs and the Delete commands do to
// the library and the working copy. The window keeps its entry list in step.

// What an entry dialog hands over on OK.
struct EntryInput {
    std::string name;  // code-page bytes, as typed; only the first 20 are kept
    bool useColours = false;
    bool singlePattern = false;  // line types only
};

// The first check of an entry dialog's OK that fails, in the order they are made.
enum class EntryRefusal { None, NameMissing, NameTaken, LibraryFull };

// Settings mode without a current entry accepts an empty name; a name counts as taken only
// when the user edited it; a full library refuses only an Add.
EntryRefusal checkEntryInput(const Library& library, const EntryInput& input, bool addMode,
                             bool nameChanged);
// The warning text number of a refusal for the library kind.
int refusalText(EntryRefusal refusal, LibraryKind kind);

// Appends a new entry without entities and makes it current, with an empty undo history and
// nothing selected; the library is then modified. The library must have room for it.
void addEntry(EditContext& ctx, const EntryInput& input);

// Takes the dialog's settings into the working entry. A changed colour or pattern setting
// modifies the entry; a new name goes into the library at once and modifies the library, so
// that closing asks to save it.
void changeEntrySettings(EditContext& ctx, const EntryInput& input, bool savedUseColours,
                         bool savedSinglePattern);

// Removes the current entry (none: nothing happens) and loads the one that took its place,
// or the new last one; with the last entry gone the drawing is empty and the entry commands
// are off. The library is then modified.
void deleteCurrentEntry(EditContext& ctx);

// The question before a delete: Yes and No for symbols, Yes, No and Cancel for line types;
// true only for Yes.
bool confirmEntryDeletion(EditContext& ctx);
