// The main window's File menu and entry menu handlers.

#include "app/add_line_type_dialog.h"
#include "app/add_symbol_dialog.h"
#include "app/catalogue_command.h"
#include "app/edit_form.h"
#include "app/entry_arrangement_commands.h"
#include "app/entry_dialog.h"
#include "app/entry_list.h"
#include "app/entry_menu_commands.h"
#include "app/library_commands.h"

namespace {

void showAddDialog(TEditForm& form) {
    showEntryDialog(form.entryDialog(), EntryDialog::AddMode);
}

void showSettingsDialog(TEditForm& form) {
    showEntryDialog(form.entryDialog(), EntryDialog::SettingsMode);
}

}  // namespace

// Made when first used, like the other dialogs.
EntryDialog& TEditForm::entryDialog() {
    if (state_.library.libraryKind == LibraryKind::LineType) {
        if (AddLType == nullptr) {
            AddLType = new TAddLType(*this);
        }
        return *AddLType;
    }
    if (AddSym == nullptr) {
        AddSym = new TAddSym(*this);
    }
    return *AddSym;
}

void TEditForm::connectFormCommand(Command command, void (*handler)(TEditForm&)) {
    connect(commands_.action(command), &QAction::triggered, this,
            [this, handler] { runHandler([this, handler](EditContext&) { handler(*this); }); });
}

void TEditForm::connectLibraryHandlers() {
    using C = Command;
    connectFormCommand(C::LibMenu_New, Libmenu_New_Click);
    connectFormCommand(C::LibMenu_Open, LibMenu_Open_Click);
    connectFormCommand(C::LibMenu_Save, LibMenu_Save_Click);
    connectFormCommand(C::LibMenu_SaveAs, LibMenu_SaveAs_Click);
    connectFormCommand(C::LibMenu_PrintCatalogue, LibMenu_PrintCatalogue_Click);
    connectFormCommand(C::LibMenu_Exit, LibMenu_Exit_Click);
    for (C add : {C::SymbolMenu_Add, C::LTMenu_Add}) {
        connectFormCommand(add, showAddDialog);
    }
    for (C settings : {C::SymbolMenu_Settings, C::LTMenu_Settings}) {
        connectFormCommand(settings, showSettingsDialog);
    }
    for (C remove : {C::SymbolMenu_Delete, C::LTMenu_Delete}) {
        connectFormCommand(remove, EntryMenu_Delete_Click);
    }
}

void TEditForm::connectEntryArrangement() {
    using C = Command;
    connectFormCommand(C::EntryMenu_MoveUp, EntryMenu_MoveUp_Click);
    connectFormCommand(C::EntryMenu_MoveDown, EntryMenu_MoveDown_Click);
    connectFormCommand(C::EntryMenu_Duplicate, EntryMenu_Duplicate_Click);
    connectFormCommand(C::EntryMenu_CopyEntry, EntryMenu_CopyEntry_Click);
    connectFormCommand(C::EntryMenu_PasteEntry, EntryMenu_PasteEntry_Click);
    connectFormCommand(C::LibMenu_ImportEntries, LibMenu_ImportEntries_Click);
    for (QMenu* menu : {commands_.MainMenu_Symbol, commands_.MainMenu_LineType}) {
        connect(menu, &QMenu::aboutToShow, this, [this] { showArrangementEnabling(*this, true); });
        connect(menu, &QMenu::aboutToHide, this, [this] { showArrangementEnabling(*this, false); });
    }
}
