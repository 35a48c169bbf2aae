#include "app/problems_panel.h"

#include <QApplication>
#include <QDockWidget>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QStyle>
#include <QTimer>
#include <QVBoxLayout>

#include "app/edit_form.h"
#include "app/numbered_text.h"
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

}  // namespace

// The findings as rows; texts are made when the view asks for a row, so that a library with
// thousands of findings fills the list at once. The rows hold the entry names they show, as
// the view may ask while the window and its library are taken down.
class ProblemsPanel::Rows : public QAbstractTableModel {
  public:
    // strings outlives the window.
    Rows(const StringSource& strings, QObject* parent)
        : QAbstractTableModel(parent), strings_(strings) {}

    void reset(std::vector<Problem> findings, const Library& library) {
        beginResetModel();
        findings_ = std::move(findings);
        names_.clear();
        for (int n = 1; n <= library.entryCount; ++n) {
            names_.append(QString::fromStdString(cp1252ToUtf8(library.entry(n).name.view())));
        }
        endResetModel();
    }
    const Problem* finding(int row) const {
        return row >= 0 && static_cast<size_t>(row) < findings_.size()
                   ? &findings_[static_cast<size_t>(row)]
                   : nullptr;
    }
    void setHeaders(QStringList headers) {
        headers_ = std::move(headers);
        emit headerDataChanged(Qt::Horizontal, 0, ColumnCount - 1);
    }

    int rowCount(const QModelIndex& parent) const override {
        return parent.isValid() ? 0 : static_cast<int>(findings_.size());
    }
    int columnCount(const QModelIndex& parent) const override {
        return parent.isValid() ? 0 : ColumnCount;
    }
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override {
        if (orientation == Qt::Horizontal && role == Qt::DisplayRole) {
            return headers_.value(section);
        }
        return {};
    }
    QVariant data(const QModelIndex& index, int role) const override {
        const Problem* p = finding(index.row());
        if (p == nullptr) {
            return {};
        }
        const bool error = ruleInfo(p->rule).severity == Severity::Error;
        if (index.column() == EntryColumn && role == Qt::DecorationRole) {
            return QApplication::style()->standardIcon(error ? QStyle::SP_MessageBoxCritical
                                                             : QStyle::SP_MessageBoxWarning);
        }
        if (role != Qt::DisplayRole && role != Qt::ToolTipRole) {
            return {};
        }
        switch (index.column()) {
            case EntryColumn:
                if (role == Qt::ToolTipRole) {
                    return text(error ? ErrorString : WarningString);
                }
                if (p->entry >= 1 && p->entry <= names_.size()) {
                    return QString::number(p->entry) + "  " + names_[p->entry - 1];
                }
                return {};
            case EntityColumn:
                return p->entity > 0 ? QString::number(p->entity) : QString();
            default:
                // The tool tip gives the whole text where the column is narrow.
                return QString::fromStdString(
                    problemText(*p, [this](int number) { return strings_.loadText(number); }));
        }
    }

  private:
    QString text(int number) const { return numberedText(strings_, number); }

    const StringSource& strings_;
    std::vector<Problem> findings_;
    QStringList names_;
    QStringList headers_;
};

ProblemsPanel::ProblemsPanel(TEditForm& form)
    : form_(form), problems_(CheckOptions{.heightsAsRead = false}) {
    setObjectName("ProblemsPanel");
    summary_ = new QLabel(this);
    checkBeforeSaving_ = new QCheckBox(this);
    checkBeforeSaving_->setChecked(checksBeforeSaving());
    checkNow_ = new QPushButton(this);
    rows_ = new Rows(form.strings(), this);
    list_ = new QTreeView(this);
    list_->setObjectName("ProblemsList");
    list_->setModel(rows_);
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
    connect(list_, &QTreeView::activated, this,
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
    return numberedText(form_.strings(), number);
}

void ProblemsPanel::setTexts() {
    checkNow_->setText(text(CheckNowString));
    checkNow_->setToolTip(text(CheckNowHintString));
    checkBeforeSaving_->setText(text(CheckBeforeSavingString));
    QStringList headers;
    for (int column = 0; column < ColumnCount; ++column) {
        headers.append(text(EntryColumnString + column));
    }
    rows_->setHeaders(headers);
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
    rows_->reset(problems_.all(), form_.state().library);
    if (currentRow >= 0 && currentRow < rows_->rowCount({})) {
        list_->setCurrentIndex(rows_->index(currentRow, 0));
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
    const Problem* finding = rows_->finding(row);
    if (finding == nullptr) {
        return;
    }
    const int entry = finding->entry;
    const int entity = finding->entity;
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
