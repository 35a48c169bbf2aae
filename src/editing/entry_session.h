#pragma once

#include <string>

#include "editing/edit_context.h"

// Which entry is being edited: copying between the library and the working copy, and what the
// window shows for the working entry.

// Makes entry n (1..entryCount) current. Any other n copies nothing; in both cases the
// drawing is repainted, the colour sample and boxes follow the entry, Select and Select All
// are enabled, entryModified is cleared and the caption names entry currentEntry.
void loadEntry(EditContext& ctx, int n);
// Copies the working copy back into entry n (1..MaxEntries; others are ignored): the header,
// the leading workEntityCount entities, every later slot freed, so deleting every entity sticks.
void storeEntry(EditContext& ctx, int n);
// Empties the working slots (their colours stay) and the undo history; the count is left to
// the caller.
void clearWork(EditContext& ctx);
// Stores the current entry back when it was changed; run before another entry becomes
// current and before the library is discarded.
void leaveCurrentEntry(EditContext& ctx);
// Makes entry n (1..entryCount) current as choosing its row in the entry list does, after
// leaveCurrentEntry: nothing selected, the entry commands enabled, the entry loaded, no chain
// or rubber band carried over, an arc's third point started afresh, Timer2 stopped and panel 0
// cleared.
void switchToEntry(EditContext& ctx, int n);

// "Symbol Editor" or "Line Type Editor" (strings 29, 30), at most 80 characters.
std::string kindTitle(const StringSource& strings, LibraryKind kind);
// The kind's title, " - " and the name of entry currentEntry as the window shows it.
std::string entryCaption(const EditorState& state, const StringSource& strings);
// The pointer shape of the drawing area for the current tool.
CursorShape toolCursor(PointerState state);
