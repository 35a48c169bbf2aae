#include "app/import_entries_dialog.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/entry_list.h"
#include "app/numbered_text.h"

namespace {

constexpr int OkString = 6;
constexpr int CancelString = 7;
constexpr int CaptionString = 367;
constexpr int TickString = 368;
constexpr int SelectAllString = 369;
constexpr int ClearAllString = 370;
constexpr int FilterString = 366;
constexpr int FilterHintString = 378;

}  // namespace

ImportEntriesDialog::ImportEntriesDialog(const Library& source, const StringSource& strings,
                                         QWidget* parent)
    : QDialog(parent) {
    setObjectName("ImportEntriesDialog");
    setWindowTitle(numberedText(strings, CaptionString));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(numberedText(strings, TickString), this));
    auto* filter = new QLineEdit(this);
    filter->setObjectName("ImportFilter");
    filter->setPlaceholderText(numberedText(strings, FilterString));
    filter->setToolTip(numberedText(strings, FilterHintString));
    layout->addWidget(filter);
    list_ = new QListWidget(this);
    list_->setObjectName("ImportList");
    list_->setUniformItemSizes(true);
    layout->addWidget(list_);

    view_ = new EntryListView(*list_, *filter, source, {}, this);
    view_->setPictures(ListPictures::Large);
    list_->setDragDropMode(QAbstractItemView::NoDragDrop);
    fillEntryList(*list_, source);
    for (int row = 0; row < list_->count(); ++row) {
        list_->item(row)->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable);
        list_->item(row)->setCheckState(Qt::Unchecked);
    }

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* all =
        buttons->addButton(numberedText(strings, SelectAllString), QDialogButtonBox::ActionRole);
    QPushButton* none =
        buttons->addButton(numberedText(strings, ClearAllString), QDialogButtonBox::ActionRole);
    buttons->addButton(numberedText(strings, OkString), QDialogButtonBox::AcceptRole);
    buttons->addButton(numberedText(strings, CancelString), QDialogButtonBox::RejectRole);
    connect(all, &QPushButton::clicked, this, [this] { tickAll(true); });
    connect(none, &QPushButton::clicked, this, [this] { tickAll(false); });
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    resize(380, 460);
}

std::vector<int> ImportEntriesDialog::choose() {
    std::vector<int> numbers;
    if (exec() != QDialog::Accepted) {
        return numbers;
    }
    for (int row = 0; row < list_->count(); ++row) {
        if (list_->item(row)->checkState() == Qt::Checked) {
            numbers.push_back(row + 1);
        }
    }
    return numbers;
}

// Only the rows the filter shows: "Select All" after typing "tree" ticks the trees.
void ImportEntriesDialog::tickAll(bool ticked) {
    for (int row = 0; row < list_->count(); ++row) {
        if (!list_->isRowHidden(row)) {
            list_->item(row)->setCheckState(ticked ? Qt::Checked : Qt::Unchecked);
        }
    }
}
