#pragma once

#include <QDialog>
#include <optional>
#include <string>
#include <vector>

#include "platform/earlier_versions.h"

class QPushButton;
class QTreeWidget;
class TEditForm;

// File > Earlier Versions...: the kept versions of the open library, newest first, each with
// the time it was saved, its entry count, its size and a picture of the current entry as that
// version holds it. Open chooses one.
class EarlierVersionsDialog : public QDialog {
    Q_OBJECT

  public:
    EarlierVersionsDialog(TEditForm& form, const std::vector<EarlierVersion>& versions);

    // Shows the dialog; the version to open.
    std::optional<size_t> choose();

  private:
    void fillRows(const std::vector<EarlierVersion>& versions);

    TEditForm& form_;
    QTreeWidget* list_ = nullptr;
    QPushButton* open_ = nullptr;
};
