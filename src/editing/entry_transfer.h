#pragma once

#include <span>

#include "editing/edit_context.h"

// Carrying whole entries between libraries: Copy Entry and Paste Entry through the clipboard
// as text (so they pass between running editors and through a text editor), and the entries
// of another library file. The working copy is stored first; a name already in the library is
// asked about; the library holds at most 500 entries. Not recorded for Undo.

// Puts the current entry on the clipboard as entry text. False when there is none.
bool copyCurrentEntry(EditContext& ctx);

// Whether the clipboard holds entry text of either kind.
bool clipboardHasEntries(const TextClipboard& clipboard);

// Brings the entries of the clipboard in (bringEntries). Text of the other kind of library is
// refused with a warning; text that holds no entries does nothing. The number of entries
// added or replaced.
int pasteEntries(EditContext& ctx);

// Puts the given entries (1..entryCount) of `source`, a library of the same kind, after the
// current entry, in order. A name the library already has is asked about: Replace overwrites
// that entry, Keep Both names the newcomer by the first free "<name> 2", ..., Skip leaves it
// out. With 500 entries the kind's "Maximum number" warning ends it. The last entry brought
// becomes current; the number of entries added or replaced.
int bringEntries(EditContext& ctx, const Library& source, std::span<const int> numbers);
