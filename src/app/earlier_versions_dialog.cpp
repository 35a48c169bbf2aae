#include "app/earlier_versions_dialog.h"

#include <QDialogButtonBox>
#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "app/dialog_placement.h"
#include "app/edit_form.h"
#include "app/numbered_text.h"
#include "model/cp1252.h"
#include "platform/entry_picture.h"
#include "platform/library_file.h"

namespace {

constexpr int TimeColumnString = 258;
constexpr int EntriesColumnString = 259;
constexpr int CloseString = 261;
constexpr int TitleString = 267;
constexpr int SizeColumnString = 268;
constexpr int OpenString = 269;
constexpr int NoVersionsString = 270;

constexpr int PictureSize = 78;  // a quarter of the drawing area
constexpr int IndexRole = Qt::UserRole;

int entryNamed(const Library& library, const EntryName& name) {
    for (int n = 1; n <= library.entryCount; ++n) {
        if (library.entry(n).name == name) {
            return n;
        }
    }
    return 0;
}

}  // namespace

EarlierVersionsDialog::EarlierVersionsDialog(TEditForm& form,
                                             const std::vector<EarlierVersion>& versions)
    : QDialog(&form), form_(form) {
    setObjectName("EarlierVersionsDialog");
    const auto text = [&form](int number) { return numberedText(form.strings(), number); };
    const Library& library = form.state().library;
    setWindowTitle(text(TitleString)
                       .arg(QFileInfo(QString::fromStdString(library.libraryFileName)).fileName()));
    auto* layout = new QVBoxLayout(this);

    list_ = new QTreeWidget(this);
    list_->setObjectName("VersionList");
    list_->setRootIsDecorated(false);
    list_->setIconSize({PictureSize, PictureSize});
    const QString current =
        library.currentEntry > 0
            ? QString::fromStdString(cp1252ToUtf8(form.state().work.workEntry.name.view()))
            : QString();
    list_->setHeaderLabels(
        {current, text(TimeColumnString), text(EntriesColumnString), text(SizeColumnString)});
    fillRows(versions);
    list_->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    list_->setMinimumSize(480, 360);
    layout->addWidget(list_);
    if (versions.empty()) {
        auto* none = new QLabel(text(NoVersionsString), this);
        none->setObjectName("NoVersions");
        none->setWordWrap(true);
        layout->addWidget(none);
    }

    auto* buttons = new QDialogButtonBox(this);
    open_ = buttons->addButton(text(OpenString), QDialogButtonBox::AcceptRole);
    buttons->addButton(text(CloseString), QDialogButtonBox::RejectRole);
    open_->setDefault(true);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(list_, &QTreeWidget::itemActivated, this, &QDialog::accept);
    connect(list_, &QTreeWidget::itemSelectionChanged, this,
            [this] { open_->setEnabled(list_->currentItem() != nullptr); });
    if (list_->topLevelItemCount() > 0) {
        list_->setCurrentItem(list_->topLevelItem(0));
    }
    open_->setEnabled(list_->currentItem() != nullptr);
}

// Each version is read into a library of its own to count its entries and draw the current
// entry as it holds it (found by name).
void EarlierVersionsDialog::fillRows(const std::vector<EarlierVersion>& versions) {
    const Library& library = form_.state().library;
    const bool named = library.currentEntry > 0;
    const EntryName current = form_.state().work.workEntry.name;
    EditorState scratch;
    allocateLibrary(scratch.library);
    scratch.library.libraryKind = library.libraryKind;
    const QLocale locale;
    for (size_t i = 0; i < versions.size(); ++i) {
        const EarlierVersion& version = versions[i];
        const ReadResult read = readLibraryFile(version.path, scratch.library);
        const bool readable = read.outcome == ReadOutcome::Read;
        auto* row = new QTreeWidgetItem(
            list_, {QString(), locale.toString(version.written, QLocale::ShortFormat),
                    readable ? QString::number(scratch.library.entryCount) : QStringLiteral("-"),
                    locale.formattedDataSize(version.size)});
        row->setData(0, IndexRole, QVariant::fromValue(i));
        row->setTextAlignment(2, Qt::AlignRight | Qt::AlignVCenter);
        row->setTextAlignment(3, Qt::AlignRight | Qt::AlignVCenter);
        const int n = readable && named ? entryNamed(scratch.library, current) : 0;
        if (n > 0) {
            row->setIcon(
                0, QPixmap::fromImage(entryPicture(scratch, n, 1)
                                          .scaled(PictureSize, PictureSize, Qt::KeepAspectRatio,
                                                  Qt::SmoothTransformation)));
        }
    }
}

std::optional<size_t> EarlierVersionsDialog::choose() {
    adjustSize();
    placeCentredOver(*this, form_);
    if (exec() != QDialog::Accepted || list_->currentItem() == nullptr) {
        return std::nullopt;
    }
    return list_->currentItem()->data(0, IndexRole).value<size_t>();
}
