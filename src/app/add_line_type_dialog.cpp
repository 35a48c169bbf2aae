#include "app/add_line_type_dialog.h"

namespace {

const EntryDialogDesign LineTypeDialogDesign{
    "AddLType", {310, 130}, "LineTypeLabel", "LTypeName", "ColourLType", "SinglePattn", 1, 2, 3,
    4001,       4002};

}  // namespace

TAddLType::TAddLType(TEditForm& form)
    : EntryDialog(form, LineTypeDialogDesign),
      LineTypeLabel(nameLabel_),
      LTypeName(nameEdit_),
      ColourLType(colourBox_),
      SinglePattn(singlePatternBox_) {}
