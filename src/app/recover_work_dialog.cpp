#include "app/recover_work_dialog.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "app/dialog_placement.h"
#include "app/edit_form.h"
#include "app/numbered_text.h"
#include "app/recovery_commands.h"

namespace {

constexpr int RestoreString = 252;
constexpr int DiscardString = 253;
constexpr int TitleString = 255;
constexpr int LibraryColumnString = 257;
constexpr int TimeColumnString = 258;
constexpr int EntriesColumnString = 259;
constexpr int CloseString = 261;
constexpr int DiscardQuestionString = 262;
constexpr int NothingToRecoverString = 263;
constexpr int ConfirmString = 105;

constexpr int IndexRole = Qt::UserRole;

}  // namespace

RecoverWorkDialog::RecoverWorkDialog(TEditForm& form, std::vector<OrphanCopy>& copies)
    : QDialog(&form), form_(form), copies_(copies) {
    setObjectName("RecoverWorkDialog");
    const auto text = [&form](int number) { return numberedText(form.strings(), number); };
    setWindowTitle(text(TitleString));
    auto* layout = new QVBoxLayout(this);

    list_ = new QTreeWidget(this);
    list_->setObjectName("RecoveryList");
    list_->setRootIsDecorated(false);
    list_->setHeaderLabels(
        {text(LibraryColumnString), text(TimeColumnString), text(EntriesColumnString)});
    for (size_t i = 0; i < copies_.size(); ++i) {
        const RecoveryRecord& record = copies_[i].record;
        auto* row =
            new QTreeWidgetItem(list_, {recoveryLibraryName(form, record), recoveryTime(record),
                                        QString::number(record.entryCount)});
        row->setData(0, IndexRole, QVariant::fromValue(i));
        row->setTextAlignment(2, Qt::AlignRight | Qt::AlignVCenter);
    }
    list_->header()->setSectionResizeMode(0, QHeaderView::Stretch);
    list_->header()->setStretchLastSection(false);
    list_->header()->setSectionResizeMode(1, QHeaderView::ResizeToContents);
    list_->header()->setSectionResizeMode(2, QHeaderView::ResizeToContents);
    list_->setMinimumWidth(560);
    layout->addWidget(list_);
    if (copies_.empty()) {
        auto* nothing = new QLabel(text(NothingToRecoverString), this);
        nothing->setObjectName("NothingToRecover");
        layout->addWidget(nothing);
    }

    auto* buttons = new QDialogButtonBox(this);
    restore_ = buttons->addButton(text(RestoreString), QDialogButtonBox::AcceptRole);
    discard_ = buttons->addButton(text(DiscardString), QDialogButtonBox::DestructiveRole);
    buttons->addButton(text(CloseString), QDialogButtonBox::RejectRole);
    restore_->setDefault(true);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(discard_, &QPushButton::clicked, this, &RecoverWorkDialog::discardSelected);
    connect(list_, &QTreeWidget::itemSelectionChanged, this, &RecoverWorkDialog::updateButtons);
    connect(list_, &QTreeWidget::itemActivated, this, &QDialog::accept);
    if (list_->topLevelItemCount() > 0) {
        list_->setCurrentItem(list_->topLevelItem(0));
    }
    updateButtons();
}

std::optional<size_t> RecoverWorkDialog::choose() {
    adjustSize();
    placeCentredOver(*this, form_);
    if (exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return selectedIndex();
}

std::optional<size_t> RecoverWorkDialog::selectedIndex() const {
    const QTreeWidgetItem* row = list_->currentItem();
    if (row == nullptr || !row->isSelected()) {
        return std::nullopt;
    }
    return row->data(0, IndexRole).value<size_t>();
}

void RecoverWorkDialog::updateButtons() {
    const bool chosen = selectedIndex().has_value();
    restore_->setEnabled(chosen);
    discard_->setEnabled(chosen);
}

void RecoverWorkDialog::discardSelected() {
    const std::optional<size_t> index = selectedIndex();
    if (!index) {
        return;
    }
    OrphanCopy& orphan = copies_[*index];
    const QString question = numberedText(form_.strings(), DiscardQuestionString)
                                 .arg(recoveryLibraryName(form_, orphan.record));
    if (QMessageBox::question(this, numberedText(form_.strings(), ConfirmString), question,
                              QMessageBox::Yes | QMessageBox::No,
                              QMessageBox::No) != QMessageBox::Yes) {
        return;
    }
    orphan.slot.removeFiles();
    orphan.lock.reset();
    delete list_->currentItem();
    updateButtons();
}
