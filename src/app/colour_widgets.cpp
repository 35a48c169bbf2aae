#include "app/colour_widgets.h"

#include <QMouseEvent>
#include <QPainter>

ColourBox::ColourBox(int index, QWidget* parent)
    : QFrame(parent), index_(index), colour_(Qt::gray) {
    setObjectName(QStringLiteral("Panel%1").arg(index));
    setFrameStyle(QFrame::Panel | QFrame::Raised);
    setLineWidth(1);
}

void ColourBox::setColour(const QColor& colour) {
    colour_ = colour;
    update();
}

void ColourBox::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    painter.fillRect(contentsRect(), colour_);
    painter.end();
    QFrame::paintEvent(event);
}

void ColourBox::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
        emit clicked(index_);
    }
}

LineShape::LineShape(QWidget* parent) : QWidget(parent) {
    setObjectName("ColourSampleLine");
    // Hints and clicks belong to the panel around it.
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void LineShape::setPenColour(const QColor& colour) {
    penColour_ = colour;
    update();
}

void LineShape::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const int thickness = 3;
    painter.fillRect(QRect(0, (height() - thickness) / 2, width(), thickness), penColour_);
}
