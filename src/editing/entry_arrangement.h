#pragma once

#include "editing/edit_context.h"

// Arranging the entries of the library: moving the current entry and duplicating it. Each
// stores the working copy first, as an entry switch does, and modifies the library; none is
// recorded for Undo, whose steps belong to the entities of the working copy. The window keeps
// its entry list in step.

// Moves the current entry to place `to` (1..entryCount); the entries between close up. The
// working copy stays loaded and keeps its selection and undo history. False when there is no
// current entry or `to` is no other place.
bool moveCurrentEntry(EditContext& ctx, int to);

// Places a copy of the current entry after it, named by the first free "<name> 2",
// "<name> 3", ..., and makes the copy current. A full library refuses with the kind's
// "Maximum number" warning. False when nothing was added.
bool duplicateCurrentEntry(EditContext& ctx);

// The warning of a library that holds 500 entries (string 38 or 41 under "Warning").
void showLibraryFull(EditContext& ctx);
