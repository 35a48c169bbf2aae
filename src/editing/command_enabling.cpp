#include "editing/command_enabling.h"

void enableEntryCommands(EditorUi& ui) {
    using C = Command;
    for (C command : {C::MainMenu_Edit, C::MainMenu_Draw, C::tbArcBtn, C::tbLineBtn,
                      C::SymbolMenu_Delete, C::SymbolMenu_Settings, C::SymbolMenu_ShowClipRad,
                      C::SymbolMenu_ShowSizeRad, C::LTMenu_Delete, C::LTMenu_Settings}) {
        ui.setEnabled(command, true);
    }
}
