#pragma once

#include "app/edit_form_layout.h"
#include "app/form_commands.h"
#include "editing/string_source.h"

// The texts the start-up sequence gives the main window's commands, from the string table.

// The long hints of the menu items, shown in panel 0 while an item is highlighted.
void setMenuHints(const FormCommands& commands, const StringSource& strings);
// The short hints of the tool buttons, the colour boxes and the colour sample; their long
// hints are empty.
void setButtonHints(const FormCommands& commands, const EditFormWidgets& widgets,
                    const StringSource& strings);
void setMenuCaptions(const FormCommands& commands, const StringSource& strings);
// Kept as the "helpContext" property of each command.
void setHelpContexts(const FormCommands& commands);
