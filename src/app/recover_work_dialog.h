#pragma once

#include <QDialog>
#include <optional>
#include <vector>

#include "platform/recovery_store.h"

class QDialogButtonBox;
class QPushButton;
class QTreeWidget;
class TEditForm;

// File > Recover Unsaved Work...: the copies editors left when they did not close normally,
// one row each with the library, the time of the copy and its entry count. Restore chooses
// one; Discard removes the selected copy after asking.
class RecoverWorkDialog : public QDialog {
    Q_OBJECT

  public:
    RecoverWorkDialog(TEditForm& form, std::vector<OrphanCopy>& copies);

    // Shows the dialog; the index in `copies` of the one to restore.
    std::optional<size_t> choose();

  private:
    void discardSelected();
    void updateButtons();
    std::optional<size_t> selectedIndex() const;

    TEditForm& form_;
    std::vector<OrphanCopy>& copies_;
    QTreeWidget* list_ = nullptr;
    QPushButton* restore_ = nullptr;
    QPushButton* discard_ = nullptr;
};
