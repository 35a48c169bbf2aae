#include "app/sym_box.h"

#include <qdrawutil.h>
#include <QApplication>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

#include "app/drawing_zoom.h"

namespace {

constexpr int BevelWidth = 2;
constexpr int WheelNotch = 120;  // eighths of a degree per notch of a wheel

}  // namespace

QImage drawingBevel(QSize size, const QPalette& palette) {
    QImage bevel(size, QImage::Format_RGB32);
    bevel.fill(palette.color(QPalette::Window));
    QPainter painter(&bevel);
    qDrawWinPanel(&painter, bevel.rect(), palette, true);
    return bevel;
}

void paintZoomedRaster(QPainter& painter, const QImage& raster, const QImage& bevel, int zoom,
                       const QRect& exposed) {
    const int k = clampZoom(zoom);
    const QRect surface = raster.rect();
    // The raster pixels whose blocks meet the exposed rectangle.
    const QRect source = QRect(QPoint(exposed.left() / k, exposed.top() / k),
                               QPoint(exposed.right() / k, exposed.bottom() / k))
                             .intersected(surface);
    if (source.isEmpty()) {
        return;
    }
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    const auto block = [k](const QRect& r) {
        return QRect(r.x() * k, r.y() * k, r.width() * k, r.height() * k);
    };
    painter.drawImage(block(source), raster, source);
    // The bevel's ring lies over the raster's outermost pixels, as the panel frame did.
    const int w = surface.width();
    const int h = surface.height();
    for (const QRect& strip : {QRect(0, 0, w, BevelWidth), QRect(0, h - BevelWidth, w, BevelWidth),
                               QRect(0, BevelWidth, BevelWidth, h - 2 * BevelWidth),
                               QRect(w - BevelWidth, BevelWidth, BevelWidth, h - 2 * BevelWidth)}) {
        const QRect shown = strip.intersected(source);
        if (!shown.isEmpty()) {
            painter.drawImage(block(shown), bevel, shown);
        }
    }
}

SymBox::SymBox(QWidget* parent) : QWidget(parent) {
    setObjectName("SymBox");
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void SymBox::requestRepaint() {
    repaintRequested_ = true;
    update();
}

void SymBox::setZoom(int zoom) {
    zoom_ = clampZoom(zoom);
    if (raster_ != nullptr) {
        resize(raster_->size() * zoom_);
    }
    update();
}

QPoint SymBox::surfacePosition(QPointF position) const {
    return {surfaceCoordinate(position.x(), zoom_), surfaceCoordinate(position.y(), zoom_)};
}

void SymBox::paintEvent(QPaintEvent* event) {
    if (repaintRequested_ && paintHandler_) {
        repaintRequested_ = false;
        paintHandler_();
    }
    if (raster_ == nullptr) {
        return;
    }
    if (bevel_.size() != raster_->size()) {
        bevel_ = drawingBevel(raster_->size(), palette());
    }
    // Whole device pixels per logical pixel (the application rounds the ratio), times the
    // zoom: every raster pixel becomes an exact square of device pixels.
    QPainter painter(this);
    paintZoomedRaster(painter, *raster_, bevel_, zoom_, event->rect());
}

void SymBox::changeEvent(QEvent* event) {
    if (event->type() == QEvent::PaletteChange) {
        bevel_ = QImage();
    }
    QWidget::changeEvent(event);
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

void SymBox::wheelEvent(QWheelEvent* event) {
    if (!(event->modifiers() & Qt::ControlModifier)) {
        wheelAngle_ = 0;
        event->ignore();  // the scroll area scrolls
        return;
    }
    // Fine-grained wheels send small steps: one zoom step per whole notch.
    wheelAngle_ += event->angleDelta().y();
    while (wheelAngle_ >= WheelNotch) {
        wheelAngle_ -= WheelNotch;
        emit zoomStepRequested(1);
    }
    while (wheelAngle_ <= -WheelNotch) {
        wheelAngle_ += WheelNotch;
        emit zoomStepRequested(-1);
    }
    event->accept();
}
