#include "app/scale_dialog.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/dialog_placement.h"
#include "app/numbered_text.h"
#include "display/entity_transform.h"
#include "editing/string_source.h"

namespace {

constexpr int OkString = 6;
constexpr int CancelString = 7;
constexpr int CaptionString = 216;
constexpr int FactorLabelString = 217;

}  // namespace

ScaleDialog::ScaleDialog(QWidget& owner, const StringSource& strings)
    : QDialog(&owner, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      factorEdit_(new QLineEdit(this)) {
    setObjectName("ScaleDialog");
    setModal(true);
    setWindowTitle(numberedText(strings, CaptionString));
    auto* label = new QLabel(numberedText(strings, FactorLabelString), this);
    label->setBuddy(factorEdit_);
    factorEdit_->setObjectName("ScaleFactor");
    factorEdit_->setText(QStringLiteral("2"));
    auto* buttons = new QDialogButtonBox(this);
    okButton_ = buttons->addButton(numberedText(strings, OkString), QDialogButtonBox::AcceptRole);
    okButton_->setObjectName("OKBtn");
    okButton_->setDefault(true);
    buttons->addButton(numberedText(strings, CancelString), QDialogButtonBox::RejectRole)
        ->setObjectName("CancelBtn");
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label);
    layout->addWidget(factorEdit_);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(factorEdit_, &QLineEdit::textChanged, this,
            [this] { okButton_->setEnabled(factor().has_value()); });
}

std::optional<double> ScaleDialog::factor() const {
    const QString decimal = QLocale().decimalPoint();
    const char sign = decimal.size() == 1 ? decimal.at(0).toLatin1() : '.';
    return ParseScaleFactor(factorEdit_->text().trimmed().toStdString(), sign);
}

std::optional<double> ScaleDialog::ask() {
    factorEdit_->selectAll();
    factorEdit_->setFocus();
    okButton_->setEnabled(factor().has_value());
    adjustSize();
    placeCentredOver(*this, *parentWidget());
    if (exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return factor();
}
