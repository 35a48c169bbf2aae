#include "app/add_symbol_dialog.h"

namespace {

const EntryDialogDesign SymbolDialogDesign{
    "AddSym", {309, 107}, "SymNameLabel", "SymName", "ColourSym", nullptr, 8, 9, 103, 4003, 4004};

}  // namespace

TAddSym::TAddSym(TEditForm& form)
    : EntryDialog(form, SymbolDialogDesign),
      SymNameLabel(nameLabel_),
      SymName(nameEdit_),
      ColourSym(colourBox_) {}
