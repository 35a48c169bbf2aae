#include "app/qt_editor_ui.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <algorithm>

#include "app/drawing_zoom.h"
#include "display/palette.h"

namespace {

QColor toQColor(Rgb colour) {
    return QColor(colour.r, colour.g, colour.b);
}

QMessageBox::Icon toQIcon(MessageIcon icon) {
    switch (icon) {
        case MessageIcon::Warning:
            return QMessageBox::Warning;
        case MessageIcon::Question:
            return QMessageBox::Question;
        case MessageIcon::Error:
            return QMessageBox::Critical;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::StandardButtons toQButtons(MessageButtons buttons) {
    switch (buttons) {
        case MessageButtons::Ok:
            return QMessageBox::Ok;
        case MessageButtons::YesNo:
            return QMessageBox::Yes | QMessageBox::No;
        case MessageButtons::YesNoCancel:
            return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    }
    return QMessageBox::Ok;
}

MessageAnswer toAnswer(int button) {
    switch (button) {
        case QMessageBox::Yes:
            return MessageAnswer::Yes;
        case QMessageBox::No:
            return MessageAnswer::No;
        case QMessageBox::Cancel:
            return MessageAnswer::Cancel;
        default:
            return MessageAnswer::Ok;
    }
}

}  // namespace

QtEditorUi::QtEditorUi(QMainWindow& window, const FormCommands& commands,
                       const EditFormWidgets& widgets)
    : window_(window), commands_(commands), widgets_(widgets) {}

QtEditorUi::~QtEditorUi() {
    endBusy();
}

void QtEditorUi::setStatusText(int panel, const std::string& text) {
    if (panel < 0 || static_cast<size_t>(panel) >= widgets_.statusPanels.size()) {
        return;
    }
    widgets_.statusPanels[static_cast<size_t>(panel)]->setText(QString::fromStdString(text));
}

void QtEditorUi::setEnabled(Command command, bool enabled) {
    commands_.action(command)->setEnabled(enabled);
}

void QtEditorUi::setChecked(Command command, bool checked) {
    commands_.action(command)->setChecked(checked);
}

MessageAnswer QtEditorUi::showMessage(const std::string& text, const std::string& caption,
                                      MessageIcon icon, MessageButtons buttons) {
    QMessageBox box(toQIcon(icon), QString::fromStdString(caption), QString::fromStdString(text),
                    toQButtons(buttons), &window_);
    return toAnswer(box.exec());
}

int QtEditorUi::showChoice(const std::string& text, const std::string& caption,
                           const std::vector<std::string>& buttons) {
    QMessageBox box(QMessageBox::Question, QString::fromStdString(caption),
                    QString::fromStdString(text), QMessageBox::NoButton, &window_);
    std::vector<QAbstractButton*> added;
    for (const std::string& label : buttons) {
        added.push_back(box.addButton(QString::fromStdString(label), QMessageBox::AcceptRole));
    }
    if (added.empty()) {
        return -1;
    }
    box.setDefaultButton(static_cast<QPushButton*>(added.front()));
    box.setEscapeButton(added.back());
    box.exec();
    const auto chosen = std::find(added.begin(), added.end(), box.clickedButton());
    return chosen == added.end() ? static_cast<int>(added.size()) - 1
                                 : static_cast<int>(chosen - added.begin());
}

void QtEditorUi::setCursor(CursorShape shape) {
    if (shape == CursorShape::Busy) {
        if (!busy_) {
            QApplication::setOverrideCursor(Qt::WaitCursor);
            busy_ = true;
        }
        return;
    }
    endBusy();
    switch (shape) {
        case CursorShape::Arrow:
            widgets_.DispBox->setCursor(Qt::ArrowCursor);
            break;
        case CursorShape::Cross:
            widgets_.DispBox->setCursor(Qt::CrossCursor);
            break;
        case CursorShape::Grab:
            widgets_.DispBox->setCursor(grabCursor_);
            break;
        case CursorShape::Busy:
            break;
    }
}

void QtEditorUi::endBusy() {
    if (busy_) {
        QApplication::restoreOverrideCursor();
        busy_ = false;
    }
}

void QtEditorUi::setPointerCapture(bool captured) {
    // The paint box covers the whole panel, so it takes the capture in the panel's place.
    if (captured) {
        widgets_.symBox->grabMouse();
    } else {
        widgets_.symBox->releaseMouse();
    }
}

void QtEditorUi::placePointer(DisplayPoint point) {
    // The middle of the pixel's block, so the position maps back to the same pixel; a zoomed
    // drawing scrolls to show it.
    const int zoom = widgets_.symBox->zoom();
    const QPoint at(blockMiddle(point.x, zoom), blockMiddle(point.y, zoom));
    widgets_.drawingScroll->ensureVisible(at.x(), at.y(), zoom, zoom);
    QCursor::setPos(widgets_.symBox->mapToGlobal(at));
}

bool QtEditorUi::pointerOverDrawingPanel() const {
    const QPoint local = widgets_.DispBox->mapFromGlobal(QCursor::pos());
    // Edges included: the right and bottom edge pixels count as well.
    return local.x() >= 0 && local.y() >= 0 && local.x() <= widgets_.DispBox->width() &&
           local.y() <= widgets_.DispBox->height();
}

void QtEditorUi::setTimer2Enabled(bool enabled) {
    if (enabled) {
        if (!widgets_.Timer2->isActive()) {
            widgets_.Timer2->start();
        }
    } else {
        widgets_.Timer2->stop();
    }
}

void QtEditorUi::beep() {
    QApplication::beep();
}

void QtEditorUi::setFocus(FocusTarget target) {
    switch (target) {
        case FocusTarget::ColourDisplayBox:
            widgets_.ColourDisplayBox->setFocus();
            break;
        case FocusTarget::SymbList:
            widgets_.SymbList->setFocus();
            break;
    }
}

bool QtEditorUi::entryListHasFocus() const {
    return widgets_.SymbList->hasFocus();
}

void QtEditorUi::setCaption(const std::string& caption) {
    window_.setWindowTitle(QString::fromStdString(caption));
}

void QtEditorUi::invalidateDrawing() {
    widgets_.symBox->requestRepaint();
}

void QtEditorUi::setColourSamplePen(Rgb colour) {
    widgets_.ColourSampleLine->setPenColour(toQColor(colour));
}

void QtEditorUi::setColourBoxesActive(bool useColours) {
    for (ColourBox* box : widgets_.colourBoxes) {
        box->setColour(useColours ? toQColor(PaletteColour(box->index(), true))
                                  : QColor(Gray.r, Gray.g, Gray.b));
    }
}
