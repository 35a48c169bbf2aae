#include "app/about_form.h"

#include <QPainter>
#include <QPixmap>

#include "app/dialog_placement.h"
#include "app/fit_to_contents.h"
#include "app/numbered_text.h"
#include "platform/program_images.h"
#include "platform/resource_info.h"

namespace {

constexpr int OkString = 6;
constexpr int BuildString = 158;
constexpr QSize ClientSize{408, 108};
constexpr int LabelLeft = 64;
constexpr int LabelWidth = 250;
constexpr int LabelHeight = 15;
constexpr QPoint IconPosition{10, 25};

QLabel* addLabel(QDialog& box, const char* name, int top, const QString& text) {
    auto* label = new QLabel(text, &box);
    label->setObjectName(QLatin1String(name));
    label->setGeometry(LabelLeft, top, LabelWidth, LabelHeight);
    label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    return label;
}

}  // namespace

TAboutFrm::TAboutFrm(const StringSource& strings, const QString& programFile, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                          Qt::WindowContextHelpButtonHint),
      labAppTitle(addLabel(*this, "labAppTitle", 6, QString())),
      BuildLabel(addLabel(*this, "BuildLabel", 22, QStringLiteral("<Build>"))),
      ComponentLabel(addLabel(*this, "ComponentLabel", 37, QString())),
      PWHLabel(addLabel(*this, "PWHLabel", 52, QStringLiteral("Veltrax Plotwerk 1.63"))),
      CopyRightLabel(addLabel(*this, "CopyRightLabel", 72, QString())),
      AllRightsLabel(addLabel(*this, "AllRightsLabel", 88, QString())),
      OKBtn(new QPushButton(this)) {
    setObjectName(QStringLiteral("AboutFrm"));
    setFixedSize(ClientSize);
    setModal(true);
    OKBtn->setObjectName(QStringLiteral("OKBtn"));
    OKBtn->setGeometry(328, 16, 73, 25);
    OKBtn->setDefault(true);
    connect(OKBtn, &QPushButton::clicked, this, &TAboutFrm::OKBtnClick);
    rememberDesignedGeometry(*this);
    FormCreate(strings, programFile);
}

void TAboutFrm::FormCreate(const StringSource& strings, const QString& programFile) {
    auto text = [&strings](int n) { return numberedText(strings, n); };
    setWindowTitle(text(98));
    labAppTitle->setText(text(99));
    ComponentLabel->setText(text(108));
    CopyRightLabel->setText(text(100));
    AllRightsLabel->setText(text(101));
    OKBtn->setText(text(OkString));

    int major = 0, minor = 0, release = 0, build = 0;
    if (TResourceInfo(programFile).readFileVersion(major, minor, release, build)) {
        BuildLabel->setText(numberedText(strings, BuildString, {QString::number(build)}));
    }
    fitToContents(*this);
}

void TAboutFrm::paintEvent(QPaintEvent* event) {
    QDialog::paintEvent(event);
    FormPaint();
}

void TAboutFrm::FormPaint() {
    QPainter painter(this);
    painter.drawImage(IconPosition, programImage(ProgramImage::WindowIcon));
}

void TAboutFrm::OKBtnClick() {
    accept();
}

void showAboutBox(TAboutFrm& box, const QWidget& mainWindow) {
    fitToContents(box);
    placeCentredOver(box, mainWindow);
    box.exec();
}
