#pragma once

#include <QCoreApplication>
#include <QDialog>
#include <QLabel>
#include <QPushButton>

#include "editing/string_source.h"

// The About box: program name, build number and copyright, with the application's icon.
class TAboutFrm : public QDialog {
    Q_OBJECT
  public:
    // The texts come from the string table; the build number from the version block of
    // programFile.
    explicit TAboutFrm(const StringSource& strings,
                       const QString& programFile = QCoreApplication::applicationFilePath(),
                       QWidget* parent = nullptr);

    QLabel* labAppTitle;
    QLabel* BuildLabel;
    QLabel* ComponentLabel;
    QLabel* PWHLabel;
    QLabel* CopyRightLabel;
    QLabel* AllRightsLabel;
    QPushButton* OKBtn;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    void FormCreate(const StringSource& strings, const QString& programFile);
    void FormPaint();
    void OKBtnClick();
};

// Shows the box modally, centred over the main window.
void showAboutBox(TAboutFrm& box, const QWidget& mainWindow);
