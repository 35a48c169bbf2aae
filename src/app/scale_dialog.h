#pragma once

#include <QDialog>
#include <optional>

class QLineEdit;
class QPushButton;
class StringSource;

// Edit > Transform > Scale...: asks for the factor, 0.1 to 10, typed with "." or the
// locale's decimal sign. OK is enabled only while the text is such a factor.
class ScaleDialog : public QDialog {
    Q_OBJECT
  public:
    ScaleDialog(QWidget& owner, const StringSource& strings);

    // Shows the dialog centred over its owner; the factor, or nothing when cancelled. The
    // text typed last is offered again.
    std::optional<double> ask();

  private:
    std::optional<double> factor() const;

    QLineEdit* factorEdit_;
    QPushButton* okButton_;
};
