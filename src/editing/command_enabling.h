#pragma once

#include "editing/editor_ui.h"

// The commands that need a library: the Edit and Draw menus, the drawing tools and the
// Delete, Settings and radius items of both entry menus. Enabled once a library has been
// read and whenever an entry is chosen in the entry list.
void enableEntryCommands(EditorUi& ui);
