#include "app/problems_panel.h"

#include <QDockWidget>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QStyle>
#include <QTimer>
#include <QVBoxLayout>

#include "app/edit_form.h"
#include "editing/entry_session.h"
#include "editing/select_click.h"
#include "editing/selection_commands.h"
#include "model/cp1252.h"
#include "platform/program_settings.h"

namespace {

constexpr int CheckNowString = 458;
constexpr int CheckNowHintString = 459;
constexpr int EntryColumnString = 460;  // then Entity, Problem
constexpr int CountsString = 463;
constexpr int NoProblemsString = 464;
constexpr int CheckBeforeSavingString = 465;
constexpr int ErrorString = 466;
constexpr int WarningString = 467;

constexpr std::string_view CheckBeforeSavingKey = "Problems/CheckBeforeSaving";

enum Column { EntryColumn, EntityColumn, ProblemColumn, ColumnCount };
constexpr int EntryRole = Qt::UserRole;
constexpr int EntityRole = Qt::UserRole + 1;

}  // namespace

ProblemsPanel::ProblemsPanel(TEditForm& form)
    : form_(form), problems_(CheckOptions{.heightsAsRead = false}) {
    setObjectName("ProblemsPanel");
    summary_ = new QLabel(this);
    checkBeforeSaving_ = new QCheckBox(this);
    checkBeforeSaving_->setChecked(checksBeforeSaving());
    checkNow_ = new QPushButton(this);
    list_ = new QTreeWidget(this);
    list_->setObjectName("ProblemsList");
    list_->setColumnCount(ColumnCount);
    list_->setRootIsDecorated(false);
    list_->setUniformRowHeights(true);
    list_->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    list_->header()->setStretchLastSection(true);

    auto* bar = new QHBoxLayout;
    bar->addWidget(summary_, 1);
    bar->addWidget(checkBeforeSaving_);
    bar->addWidget(checkNow_);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addLayout(bar);
    layout->addWidget(list_);

    // A double-click or Enter on a row.
    connect(list_, &QTreeWidget::activated, this,
            [this](const QModelIndex& index) { goToFinding(index.row()); });
    connect(checkNow_, &QPushButton::clicked, this, &ProblemsPanel::checkNow);
    connect(checkBeforeSaving_, &QCheckBox::toggled, this, &ProblemsPanel::setChecksBeforeSaving);
    connect(&form, &TEditForm::stringsLoaded, this, &ProblemsPanel::setTexts);
    const EditSignals& changes = form.editSignals();
    connect(&changes, &EditSignals::libraryEntryStored, this, &ProblemsPanel::entryStored);
    connect(&changes, &EditSignals::libraryEntriesChanged, this, &ProblemsPanel::listChanged);
}

bool ProblemsPanel::checksBeforeSaving() {
    return ProgramSettings::shared().flag(CheckBeforeSavingKey, true);
}

void ProblemsPanel::setChecksBeforeSaving(bool on) {
    ProgramSettings::shared().setFlag(CheckBeforeSavingKey, on);
}

QString ProblemsPanel::text(int number) const {
    return QString::fromStdString(form_.strings().loadText(number));
}

void ProblemsPanel::setTexts() {
    checkNow_->setText(text(CheckNowString));
    checkNow_->setToolTip(text(CheckNowHintString));
    checkBeforeSaving_->setText(text(CheckBeforeSavingString));
    QStringList headers;
    for (int column = 0; column < ColumnCount; ++column) {
        headers.append(text(EntryColumnString + column));
    }
    list_->setHeaderLabels(headers);
    scheduleRows();
}

void ProblemsPanel::checkNow() {
    leaveCurrentEntry(form_.context());
    problems_.checkAll(form_.state().library);
    scheduleRows();
}

void ProblemsPanel::entryStored(int n) {
    problems_.checkStored(form_.state().library, n);
    scheduleRows();
}

void ProblemsPanel::listChanged() {
    problems_.checkAll(form_.state().library);
    scheduleRows();
}

void ProblemsPanel::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    showFindings();
}

// Several stores in one command, or one inside the row's own activation, fill the rows once,
// after the command.
void ProblemsPanel::scheduleRows() {
    rowsStale_ = true;
    if (!rowsPending_) {
        rowsPending_ = true;
        QTimer::singleShot(0, this, [this] {
            rowsPending_ = false;
            showFindings();
        });
    }
}

void ProblemsPanel::showFindings() {
    if (!rowsStale_ || !isVisible()) {
        return;
    }
    rowsStale_ = false;
    const int currentRow = list_->currentIndex().row();
    const Library& library = form_.state().library;
    const auto loadText = [this](int number) { return form_.strings().loadText(number); };
    const QIcon errorIcon = style()->standardIcon(QStyle::SP_MessageBoxCritical);
    const QIcon warningIcon = style()->standardIcon(QStyle::SP_MessageBoxWarning);
    QList<QTreeWidgetItem*> rows;
    for (const Problem& p : problems_.all()) {
        auto* row = new QTreeWidgetItem;
        const bool error = ruleInfo(p.rule).severity == Severity::Error;
        row->setIcon(EntryColumn, error ? errorIcon : warningIcon);
        row->setToolTip(EntryColumn, text(error ? ErrorString : WarningString));
        if (p.entry >= 1 && p.entry <= library.entryCount) {
            row->setText(EntryColumn, QString::number(p.entry) + "  " +
                                          QString::fromStdString(
                                              cp1252ToUtf8(library.entry(p.entry).name.view())));
        }
        if (p.entity > 0) {
            row->setText(EntityColumn, QString::number(p.entity));
        }
        const QString problem = QString::fromStdString(problemText(p, loadText));
        row->setText(ProblemColumn, problem);
        row->setToolTip(ProblemColumn, problem);  // the whole text where the column is narrow
        row->setData(EntryColumn, EntryRole, p.entry);
        row->setData(EntryColumn, EntityRole, p.entity);
        rows.append(row);
    }
    list_->clear();
    list_->addTopLevelItems(rows);
    if (currentRow >= 0 && currentRow < rows.size()) {
        list_->setCurrentItem(rows[currentRow]);
    }
    summary_->setText(
        problems_.errorCount() + problems_.warningCount() == 0
            ? text(NoProblemsString)
            : text(CountsString).arg(problems_.errorCount()).arg(problems_.warningCount()));
}

void ProblemsPanel::showPanel() {
    if (auto* dock = qobject_cast<QDockWidget*>(parentWidget())) {
        dock->show();
        dock->raise();
    }
    list_->setFocus();
}

void ProblemsPanel::goToFinding(int row) {
    const QTreeWidgetItem* item = list_->topLevelItem(row);
    if (item == nullptr) {
        return;
    }
    const int entry = item->data(EntryColumn, EntryRole).toInt();
    const int entity = item->data(EntryColumn, EntityRole).toInt();
    Library& library = form_.state().library;
    if (entry < 1 || entry > library.entryCount) {
        return;
    }
    // As choosing the entry in the list: the current entry is stored first.
    QListWidget& entries = *form_.widgets().SymbList;
    if (entries.currentRow() == entry - 1) {
        leaveCurrentEntry(form_.context());
    } else {
        entries.setCurrentRow(entry - 1);
    }
    form_.runHandler([entity](EditContext& ctx) {
        if (ctx.state.pointerState != PointerState::SelectIdle) {
            tbSelectBtn_Click(ctx);
        }
        SelectEntityAlone(ctx, entity);
    });
}
