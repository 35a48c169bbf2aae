#pragma once

#include "app/entry_dialog.h"

// The symbol dialog (unit symadd): the name and "Use colors".
class TAddSym final : public EntryDialog {
    Q_OBJECT
  public:
    explicit TAddSym(TEditForm& form);

    QLabel* SymNameLabel;
    QLineEdit* SymName;
    QCheckBox* ColourSym;
};
