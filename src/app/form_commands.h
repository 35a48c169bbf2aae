#pragma once

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <array>

#include "editing/editor_ui.h"

inline constexpr int CommandCount = static_cast<int>(Command::PopUpMnuSelect) + 1;

// The component name of a command, which is also the Qt object name of its action.
const char* commandName(Command command);

// Every command of the main window as a QAction: the menu items, the menus themselves (their
// menu actions), the tool buttons (which show their action) and the popup menu's items.
struct FormCommands {
    std::array<QAction*, CommandCount> actions{};

    QMenu* MainMenu_File = nullptr;
    QMenu* MainMenu_Edit = nullptr;
    QMenu* EditMenu_Transform = nullptr;  // also in the popup menu
    QMenu* MainMenu_Draw = nullptr;
    QMenu* MainMenu_Symbol = nullptr;
    QMenu* MainMenu_LineType = nullptr;
    QMenu* MainMenu_Help = nullptr;
    QMenu* mnuPopup = nullptr;

    QAction* action(Command command) const { return actions[static_cast<size_t>(command)]; }
};

// Builds the main menu into bar, the popup menu and the tool button actions, all owned by
// owner, with their fixed shortcuts and check marks. Texts are set later from the strings.
FormCommands buildFormCommands(QMenuBar& bar, QWidget& owner);
