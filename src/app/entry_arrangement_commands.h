#pragma once

class TEditForm;

// The entry menus' Move Up, Move Down, Duplicate, Copy Entry and Paste Entry, and File >
// Import Entries: the core arranges the library, the window fills its entry list again.
void EntryMenu_MoveUp_Click(TEditForm& form);
void EntryMenu_MoveDown_Click(TEditForm& form);
void EntryMenu_Duplicate_Click(TEditForm& form);
void EntryMenu_CopyEntry_Click(TEditForm& form);
void EntryMenu_PasteEntry_Click(TEditForm& form);
// Asks for a library file of any layout, read as the running kind, and for the entries to
// bring from it.
void LibMenu_ImportEntries_Click(TEditForm& form);

// An entry dragged from place `from` to place `to` in the entry list.
void moveEntryInList(TEditForm& form, int from, int to);

// The enabling of the arrangement commands for the current entry, the clipboard and the
// library; shown while an entry menu is open. Outside it they stay enabled, so that their
// shortcuts always reach the commands, which do nothing where they do not apply.
void showArrangementEnabling(TEditForm& form, bool menuOpen);
