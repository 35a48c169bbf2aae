#include "app/form_commands.h"

#include <QActionGroup>
#include <utility>

namespace {

struct CommandInfo {
    Command command;
    const char* name;
};

// In the order of the enum, so a command's name is found by its value.
constexpr std::array<CommandInfo, CommandCount> CommandNames{{
    {Command::MainMenu_File, "MainMenu_File"},
    {Command::LibMenu_New, "LibMenu_New"},
    {Command::LibMenu_Open, "LibMenu_Open"},
    {Command::LibMenu_Save, "LibMenu_Save"},
    {Command::LibMenu_SaveAs, "LibMenu_SaveAs"},
    {Command::LibMenu_PrintCatalogue, "LibMenu_PrintCatalogue"},
    {Command::LibMenu_Exit, "LibMenu_Exit"},
    {Command::MainMenu_Edit, "MainMenu_Edit"},
    {Command::EditMenu_Undo, "EditMenu_Undo"},
    {Command::EditMenu_Redo, "EditMenu_Redo"},
    {Command::EditMenu_Cut, "EditMenu_Cut"},
    {Command::EditMenu_Copy, "EditMenu_Copy"},
    {Command::EditMenu_Paste, "EditMenu_Paste"},
    {Command::EditMenu_Delete, "EditMenu_Delete"},
    {Command::EditMenu_Snap, "EditMenu_Snap"},
    {Command::EditMenu_Select, "EditMenu_Select"},
    {Command::EditMenu_SelectAll, "EditMenu_SelectAll"},
    {Command::EditMenu_Transform, "EditMenu_Transform"},
    {Command::EditMenu_MirrorLeftRight, "EditMenu_MirrorLeftRight"},
    {Command::EditMenu_MirrorUpDown, "EditMenu_MirrorUpDown"},
    {Command::EditMenu_RotateLeft, "EditMenu_RotateLeft"},
    {Command::EditMenu_RotateRight, "EditMenu_RotateRight"},
    {Command::EditMenu_Rotate180, "EditMenu_Rotate180"},
    {Command::EditMenu_Scale, "EditMenu_Scale"},
    {Command::MainMenu_Draw, "MainMenu_Draw"},
    {Command::DrawMenu_Line, "DrawMenu_Line"},
    {Command::DrawMenu_Arc, "DrawMenu_Arc"},
    {Command::DrawMenu_Refresh, "DrawMenu_Refresh"},
    {Command::MainMenu_Symbol, "MainMenu_Symbol"},
    {Command::SymbolMenu_Add, "SymbolMenu_Add"},
    {Command::SymbolMenu_Delete, "SymbolMenu_Delete"},
    {Command::SymbolMenu_Settings, "SymbolMenu_Settings"},
    {Command::SymbolMenu_ShowClipRad, "SymbolMenu_ShowClipRad"},
    {Command::SymbolMenu_ShowSizeRad, "SymbolMenu_ShowSizeRad"},
    {Command::MainMenu_LineType, "MainMenu_LineType"},
    {Command::LTMenu_Add, "LTMenu_Add"},
    {Command::LTMenu_Delete, "LTMenu_Delete"},
    {Command::LTMenu_Settings, "LTMenu_Settings"},
    {Command::EntryMenu_MoveUp, "EntryMenu_MoveUp"},
    {Command::EntryMenu_MoveDown, "EntryMenu_MoveDown"},
    {Command::EntryMenu_Duplicate, "EntryMenu_Duplicate"},
    {Command::EntryMenu_CopyEntry, "EntryMenu_CopyEntry"},
    {Command::EntryMenu_PasteEntry, "EntryMenu_PasteEntry"},
    {Command::LibMenu_ImportEntries, "LibMenu_ImportEntries"},
    {Command::MainMenu_Help, "MainMenu_Help"},
    {Command::HelpMenu_HelpTopics, "HelpMenu_HelpTopics"},
    {Command::HelpMenu_About, "HelpMenu_About"},
    {Command::tbSelectBtn, "tbSelectBtn"},
    {Command::tbArcBtn, "tbArcBtn"},
    {Command::tbLineBtn, "tbLineBtn"},
    {Command::tbUndoBtn, "tbUndoBtn"},
    {Command::tbRedoBtn, "tbRedoBtn"},
    {Command::PopUpMnuLine, "PopUpMnuLine"},
    {Command::PopUpMnuArc, "PopUpMnuArc"},
    {Command::PopUpMnuSelect, "PopUpMnuSelect"},
}};

static_assert([] {
    for (size_t i = 0; i < CommandNames.size(); ++i) {
        if (static_cast<size_t>(CommandNames[i].command) != i) {
            return false;
        }
    }
    return true;
}());

class Builder {
  public:
    Builder(FormCommands& commands, QWidget& owner) : commands_(commands), owner_(owner) {}

    QMenu* menu(QMenuBar& bar, Command command) {
        QMenu* menu = standaloneMenu(command);
        bar.addMenu(menu);
        return menu;
    }

    QMenu* standaloneMenu(Command command) {
        auto* menu = new QMenu(&owner_);
        menu->setObjectName(commandName(command));
        menu->menuAction()->setObjectName(commandName(command));
        slot(command) = menu->menuAction();
        return menu;
    }

    QAction* item(QMenu* menu, Command command, const QKeySequence& shortcut = {}) {
        QAction* action = standalone(command);
        action->setShortcut(shortcut);
        menu->addAction(action);
        return action;
    }

    QAction* standalone(Command command) {
        auto* action = new QAction(&owner_);
        action->setObjectName(commandName(command));
        slot(command) = action;
        return action;
    }

  private:
    QAction*& slot(Command command) { return commands_.actions[static_cast<size_t>(command)]; }

    FormCommands& commands_;
    QWidget& owner_;
};

void makeCheckable(QAction* action, bool checked) {
    action->setCheckable(true);
    action->setChecked(checked);
}

}  // namespace

const char* commandName(Command command) {
    return CommandNames[static_cast<size_t>(command)].name;
}

FormCommands buildFormCommands(QMenuBar& bar, QWidget& owner) {
    FormCommands c;
    Builder b(c, owner);
    using C = Command;

    c.MainMenu_File = b.menu(bar, C::MainMenu_File);
    b.item(c.MainMenu_File, C::LibMenu_New, Qt::CTRL | Qt::Key_N);
    b.item(c.MainMenu_File, C::LibMenu_Open, Qt::CTRL | Qt::Key_O);
    b.item(c.MainMenu_File, C::LibMenu_ImportEntries);
    c.MainMenu_File->addSeparator();
    b.item(c.MainMenu_File, C::LibMenu_Save, Qt::CTRL | Qt::Key_S);
    b.item(c.MainMenu_File, C::LibMenu_SaveAs, Qt::CTRL | Qt::SHIFT | Qt::Key_S);
    c.MainMenu_File->addSeparator();
    b.item(c.MainMenu_File, C::LibMenu_PrintCatalogue);
    c.MainMenu_File->addSeparator();
    b.item(c.MainMenu_File, C::LibMenu_Exit, Qt::CTRL | Qt::Key_Q);

    c.MainMenu_Edit = b.menu(bar, C::MainMenu_Edit);
    b.item(c.MainMenu_Edit, C::EditMenu_Undo, Qt::CTRL | Qt::Key_Z);
    b.item(c.MainMenu_Edit, C::EditMenu_Redo, Qt::CTRL | Qt::Key_Y)
        ->setShortcuts({Qt::CTRL | Qt::Key_Y, Qt::CTRL | Qt::SHIFT | Qt::Key_Z});
    c.MainMenu_Edit->addSeparator();
    b.item(c.MainMenu_Edit, C::EditMenu_Cut, Qt::CTRL | Qt::Key_X);
    b.item(c.MainMenu_Edit, C::EditMenu_Copy, Qt::CTRL | Qt::Key_C);
    b.item(c.MainMenu_Edit, C::EditMenu_Paste, Qt::CTRL | Qt::Key_V);
    b.item(c.MainMenu_Edit, C::EditMenu_Delete, Qt::Key_Delete);
    c.MainMenu_Edit->addSeparator();
    makeCheckable(b.item(c.MainMenu_Edit, C::EditMenu_Snap, Qt::Key_F3), true);
    c.MainMenu_Edit->addSeparator();
    makeCheckable(b.item(c.MainMenu_Edit, C::EditMenu_Select, Qt::Key_F2), false);
    b.item(c.MainMenu_Edit, C::EditMenu_SelectAll, Qt::CTRL | Qt::Key_A);
    c.MainMenu_Edit->addSeparator();
    c.EditMenu_Transform = b.standaloneMenu(C::EditMenu_Transform);
    c.MainMenu_Edit->addMenu(c.EditMenu_Transform);
    for (C transform : {C::EditMenu_MirrorLeftRight, C::EditMenu_MirrorUpDown,
                        C::EditMenu_RotateLeft, C::EditMenu_RotateRight, C::EditMenu_Rotate180}) {
        b.item(c.EditMenu_Transform, transform);
    }
    c.EditMenu_Transform->addSeparator();
    b.item(c.EditMenu_Transform, C::EditMenu_Scale);

    c.MainMenu_Draw = b.menu(bar, C::MainMenu_Draw);
    makeCheckable(b.item(c.MainMenu_Draw, C::DrawMenu_Line), false);
    makeCheckable(b.item(c.MainMenu_Draw, C::DrawMenu_Arc), false);
    c.MainMenu_Draw->addSeparator();
    b.item(c.MainMenu_Draw, C::DrawMenu_Refresh, Qt::Key_F5);

    c.MainMenu_Symbol = b.menu(bar, C::MainMenu_Symbol);
    b.item(c.MainMenu_Symbol, C::SymbolMenu_Add);
    b.item(c.MainMenu_Symbol, C::SymbolMenu_Delete);
    b.item(c.MainMenu_Symbol, C::SymbolMenu_Settings);
    c.MainMenu_Symbol->addSeparator();
    QAction* clipRadius = b.item(c.MainMenu_Symbol, C::SymbolMenu_ShowClipRad);
    makeCheckable(clipRadius, false);
    clipRadius->setVisible(false);  // never shown; its check mark stays off
    clipRadius->setEnabled(false);
    makeCheckable(b.item(c.MainMenu_Symbol, C::SymbolMenu_ShowSizeRad), false);

    c.MainMenu_LineType = b.menu(bar, C::MainMenu_LineType);
    b.item(c.MainMenu_LineType, C::LTMenu_Add);
    b.item(c.MainMenu_LineType, C::LTMenu_Delete);
    b.item(c.MainMenu_LineType, C::LTMenu_Settings);

    // Arranging and carrying entries: one action each, in both entry menus.
    const std::array<QMenu*, 2> entryMenus{c.MainMenu_Symbol, c.MainMenu_LineType};
    for (QMenu* menu : entryMenus) {
        menu->addSeparator();
    }
    const std::pair<C, QKeySequence> arranging[] = {
        {C::EntryMenu_MoveUp, Qt::CTRL | Qt::SHIFT | Qt::Key_Up},
        {C::EntryMenu_MoveDown, Qt::CTRL | Qt::SHIFT | Qt::Key_Down},
        {C::EntryMenu_Duplicate, {}},
        {C::EntryMenu_CopyEntry, Qt::CTRL | Qt::SHIFT | Qt::Key_C},
        {C::EntryMenu_PasteEntry, Qt::CTRL | Qt::SHIFT | Qt::Key_V},
    };
    for (const auto& [command, shortcut] : arranging) {
        QAction* action = b.item(c.MainMenu_Symbol, command, shortcut);
        c.MainMenu_LineType->addAction(action);
        if (command == C::EntryMenu_Duplicate) {
            for (QMenu* menu : entryMenus) {
                menu->addSeparator();
            }
        }
    }

    c.MainMenu_Help = b.menu(bar, C::MainMenu_Help);
    b.item(c.MainMenu_Help, C::HelpMenu_HelpTopics);
    c.MainMenu_Help->addSeparator();
    b.item(c.MainMenu_Help, C::HelpMenu_About);

    // The popup menu of the drawing area; the pointer handling opens it, never a right click.
    c.mnuPopup = new QMenu(&owner);
    c.mnuPopup->setObjectName("mnuPopup");
    b.item(c.mnuPopup, C::PopUpMnuLine);
    b.item(c.mnuPopup, C::PopUpMnuArc);
    b.item(c.mnuPopup, C::PopUpMnuSelect);
    c.mnuPopup->addSeparator();
    c.mnuPopup->addMenu(c.EditMenu_Transform);

    // The three tools are one group of mutually exclusive buttons; Select starts down.
    auto* tools = new QActionGroup(&owner);
    tools->setExclusive(true);
    for (C tool : {C::tbSelectBtn, C::tbArcBtn, C::tbLineBtn}) {
        QAction* action = b.standalone(tool);
        makeCheckable(action, tool == C::tbSelectBtn);
        tools->addAction(action);
    }
    b.standalone(C::tbUndoBtn);
    b.standalone(C::tbRedoBtn);
    return c;
}
