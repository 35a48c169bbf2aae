#include "platform/painter_canvas.h"

#include <QPainterPath>
#include <numbers>

#include "platform/arc_outline.h"

namespace {

// Pixel centres, as on the raster.
QPointF centreOf(double x, double y) {
    return {x + 0.5, y + 0.5};
}

double degrees(double radians) {
    return radians * 180 / std::numbers::pi;
}

}  // namespace

PainterCanvas::PainterCanvas(QPainter& painter, double penWidth) : painter_(painter) {
    pen_.setWidthF(penWidth);
    pen_.setCapStyle(Qt::SquareCap);
    painter_.setBrush(Qt::NoBrush);
}

void PainterCanvas::setPenColour(Rgb colour) {
    pen_.setColor(QColor(colour.r, colour.g, colour.b));
    painter_.setPen(pen_);
}

void PainterCanvas::lineTo(DisplayPoint p) {
    painter_.drawLine(centreOf(position_.x, position_.y), centreOf(p.x, p.y));
    position_ = p;
}

void PainterCanvas::arc(int left, int top, int right, int bottom, DisplayPoint from,
                        DisplayPoint to) {
    const ArcOutline o = arcOutline(left, top, right, bottom, from, to);
    QPainterPath path(centreOf(o.startX, o.startY));
    const QRectF box(centreOf(o.centreX - o.radiusX, o.centreY - o.radiusY),
                     QSizeF(2 * o.radiusX, 2 * o.radiusY));
    path.arcTo(box, degrees(o.startAngle), degrees(o.sweep));
    painter_.drawPath(path);
}
