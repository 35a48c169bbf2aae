#include "app/sym_box.h"

#include <qdrawutil.h>
#include <QApplication>
#include <QMouseEvent>
#include <QPainter>

SymBox::SymBox(QWidget* parent) : QWidget(parent) {
    setObjectName("SymBox");
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void SymBox::requestRepaint() {
    repaintRequested_ = true;
    update();
}

void SymBox::paintEvent(QPaintEvent*) {
    if (repaintRequested_ && paintHandler_) {
        repaintRequested_ = false;
        paintHandler_();
    }
    if (raster_ == nullptr) {
        return;
    }
    QPainter painter(this);
    // One raster pixel per logical pixel; the application rounds the device pixel ratio to a
    // whole number, so every raster pixel becomes an exact square of device pixels.
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter.drawImage(QRect(QPoint(0, 0), raster_->size()), *raster_);
    // The lowered bevel of the panel around the drawing, two pixels wide; the picture is
    // drawn inside it.
    qDrawWinPanel(&painter, rect(), palette(), true);
}

void SymBox::mousePressEvent(QMouseEvent* event) {
    emit mousePressed(event);
}
void SymBox::mouseMoveEvent(QMouseEvent* event) {
    emit mouseMoved(event);
}
void SymBox::mouseReleaseEvent(QMouseEvent* event) {
    emit mouseReleased(event);
}
void SymBox::contextMenuEvent(QContextMenuEvent* event) {
    emit contextMenuRequested(event);
}

void SymBox::leaveEvent(QEvent* event) {
    // A drag keeps the pointer while a button is held; Qt reports its leaving after the release.
    if (QApplication::mouseButtons() == Qt::NoButton && mouseGrabber() != this) {
        emit pointerLeft();
    }
    QWidget::leaveEvent(event);
}
