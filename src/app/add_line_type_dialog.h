#pragma once

#include "app/entry_dialog.h"

// The line type dialog (unit ltadd): the name, "Use colors" and "Single pattern".
class TAddLType final : public EntryDialog {
    Q_OBJECT
  public:
    explicit TAddLType(TEditForm& form);

    QLabel* LineTypeLabel;
    QLineEdit* LTypeName;
    QCheckBox* ColourLType;
    QCheckBox* SinglePattn;
};
