#include "app/entry_dialog.h"

#include <QShortcut>
#include <QSignalBlocker>
#include <QWhatsThis>

#include "app/auto_size_form.h"
#include "app/character_set.h"
#include "app/dialog_placement.h"
#include "app/edit_form.h"
#include "app/entry_name_validator.h"
#include "app/fit_to_contents.h"
#include "app/numbered_text.h"
#include "editing/colours.h"
#include "editing/entry_commands.h"
#include "editing/entry_session.h"
#include "editing/selection_commands.h"
#include "model/cp1252.h"

namespace {

constexpr int UseColoursString = 4;
constexpr int SinglePatternString = 5;
constexpr int OkString = 6;
constexpr int CancelString = 7;
constexpr int WarningString = 106;

constexpr int Margin = 12;
constexpr int NameEditWidth = 129;
constexpr QSize ButtonSize{75, 25};

template <typename T>
T* named(T* widget, const char* name) {
    widget->setObjectName(QLatin1String(name));
    return widget;
}

}  // namespace

EntryDialog::EntryDialog(TEditForm& form, const EntryDialogDesign& design)
    : QDialog(&form, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                         Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                         Qt::WindowContextHelpButtonHint),
      OKBtn(named(new QPushButton(this), "OKBtn")),
      CancelBtn(named(new QPushButton(this), "CancelBtn")),
      nameLabel_(named(new QLabel(this), design.labelName)),
      nameEdit_(named(new QLineEdit(this), design.editName)),
      colourBox_(named(new QCheckBox(this), design.colourName)),
      form_(form),
      design_(design) {
    setObjectName(QLatin1String(design.formName));
    setModal(true);
    setFixedSize(design.clientSize);
    applyFontSizeAdjustment(*this, form.options().fontSizeAdjustment);

    const int buttonLeft = design.clientSize.width() - Margin - ButtonSize.width();
    nameLabel_->setGeometry(Margin, 14, buttonLeft - 2 * Margin, 15);
    nameEdit_->setGeometry(Margin, 31, NameEditWidth, 21);
    nameEdit_->setValidator(new EntryNameValidator(nameEdit_));
    colourBox_->setGeometry(Margin, 62, buttonLeft - 2 * Margin, 19);
    if (design.singlePatternName != nullptr) {
        singlePatternBox_ = named(new QCheckBox(this), design.singlePatternName);
        singlePatternBox_->setGeometry(Margin, 86, buttonLeft - 2 * Margin, 19);
    }
    OKBtn->setGeometry(QRect(QPoint(buttonLeft, Margin), ButtonSize));
    OKBtn->setDefault(true);
    CancelBtn->setGeometry(QRect(QPoint(buttonLeft, Margin + 32), ButtonSize));
    rememberDesignedGeometry(*this);
    // Tab order as designed: the name, the check boxes, OK, Cancel.
    QWidget* previous = nameEdit_;
    for (QWidget* next :
         {static_cast<QWidget*>(colourBox_), static_cast<QWidget*>(singlePatternBox_),
          static_cast<QWidget*>(OKBtn), static_cast<QWidget*>(CancelBtn)}) {
        if (next != nullptr) {
            QWidget::setTabOrder(previous, next);
            previous = next;
        }
    }

    connect(nameEdit_, &QLineEdit::textChanged, this, &EntryDialog::nameEdit_Change);
    connect(OKBtn, &QPushButton::clicked, this, &EntryDialog::OKBtn_Click);
    connect(CancelBtn, &QPushButton::clicked, this, &EntryDialog::CancelBtn_Click);
    auto* help = new QShortcut(QKeySequence::HelpContents, this);
    connect(help, &QShortcut::activated, this, &EntryDialog::openHelp);
    FormCreate();
}

void EntryDialog::FormCreate() {
    setProperty("fontCharset", static_cast<int>(charsetForCodePage(systemAnsiCodePage())));
}

int EntryDialog::helpContext() const {
    return addMode() ? design_.addHelpContext : design_.settingsHelpContext;
}

void EntryDialog::showEvent(QShowEvent* event) {
    Form_Activate();
    // Sized to this showing's texts, then placed.
    fitToContents(*this);
    placeCentredOver(*this, form_);
    QDialog::showEvent(event);
}

bool EntryDialog::event(QEvent* event) {
    // After the caption's help button, a click on any component asks for this dialog's page
    // (the request travels up to the dialog, as no component has a text of its own).
    switch (event->type()) {
        case QEvent::QueryWhatsThis:
            return true;
        case QEvent::WhatsThis:
            QWhatsThis::leaveWhatsThisMode();
            openHelp();
            return true;
        default:
            return QDialog::event(event);
    }
}

void EntryDialog::Form_Activate() {
    const StringSource& strings = form_.strings();
    const EditorState& s = form_.state();
    auto text = [&strings](int n) { return numberedText(strings, n); };
    setProperty("helpContext", design_.addHelpContext);

    if (addMode()) {
        nameEdit_->clear();
        setWindowTitle(text(design_.addCaption));
        colourBox_->setChecked(false);
        if (singlePatternBox_ != nullptr) {
            singlePatternBox_->setChecked(false);
        }
    } else {
        const LibraryEntry& entry = s.work.workEntry;
        nameEdit_->setText(s.library.currentEntry >= 1
                               ? QString::fromStdString(cp1252ToUtf8(entry.name.view()))
                               : QString());
        setWindowTitle(text(design_.settingsCaption));
        savedUseColours_ = entry.useColours != 0;
        colourBox_->setChecked(savedUseColours_);
        if (singlePatternBox_ != nullptr) {
            savedSinglePattern_ = entry.singlePattern() != 0;
            singlePatternBox_->setChecked(savedSinglePattern_);
        }
    }

    nameLabel_->setText(text(design_.labelText));
    colourBox_->setText(text(UseColoursString));
    if (singlePatternBox_ != nullptr) {
        singlePatternBox_->setText(text(SinglePatternString));
    }
    OKBtn->setText(text(OkString));
    CancelBtn->setText(text(CancelString));

    nameLabel_->setEnabled(true);
    nameEdit_->setEnabled(true);
    nameEdit_->setFocus();
    nameChanged_ = false;
}

void EntryDialog::nameEdit_Change() {
    nameChanged_ = true;
}

void EntryDialog::OKBtn_Click() {
    bool done = false;
    form_.runHandler([this, &done](EditContext& ctx) {
        Library& library = ctx.state.library;
        const bool add = addMode();
        if (add) {
            leaveCurrentEntry(ctx);
        }
        const EntryInput input{utf8ToCp1252(nameEdit_->text().toStdString()),
                               colourBox_->isChecked(),
                               singlePatternBox_ != nullptr && singlePatternBox_->isChecked()};
        const EntryRefusal refusal = checkEntryInput(library, input, add, nameChanged_);
        if (refusal != EntryRefusal::None) {
            ctx.ui.showMessage(ctx.strings.loadText(refusalText(refusal, library.libraryKind)),
                               ctx.strings.loadText(WarningString), MessageIcon::Warning,
                               MessageButtons::Ok);
            if (refusal == EntryRefusal::NameMissing) {
                nameEdit_->setFocus();
            }
            return;
        }

        QListWidget& list = *form_.widgets().SymbList;
        const QSignalBlocker quietList(list);
        if (add) {
            addEntry(ctx, input);
            list.addItem(
                QString::fromStdString(cp1252ToUtf8(ctx.state.work.workEntry.name.view())));
            list.setCurrentRow(list.count() - 1);
        } else {
            changeEntrySettings(ctx, input, savedUseColours_, savedSinglePattern_);
            const int row = library.currentEntry - 1;
            if (row >= 0 && row < list.count()) {
                list.item(row)->setText(
                    QString::fromStdString(cp1252ToUtf8(ctx.state.work.workEntry.name.view())));
                list.setCurrentRow(row);
            }
        }
        tbSelectBtn_Click(ctx);
        ShowCurrentColourSample(ctx);
        ShowColourBoxes(ctx);
        done = true;
    });
    if (done) {
        accept();
    }
}

void EntryDialog::CancelBtn_Click() {
    reject();
}

void EntryDialog::openHelp() {
    form_.showHelp(helpContext());
}

void showEntryDialog(EntryDialog& dialog, int tag) {
    dialog.Tag = tag;
    dialog.exec();
}
