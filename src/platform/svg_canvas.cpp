#include "platform/svg_canvas.h"

#include <numbers>

#include "platform/arc_outline.h"

namespace {

QByteArray number(double v) {
    return QByteArray::number(v, 'g', 10);
}

// Pixel centres.
QByteArray coordinate(double v) {
    return number(v + 0.5);
}

}  // namespace

QByteArray SvgCanvas::stroke() const {
    return QByteArrayLiteral(" stroke=\"#") +
           QByteArray::number(colour_.r * 0x10000 + colour_.g * 0x100 + colour_.b, 16)
               .rightJustified(6, '0') +
           '"';
}

void SvgCanvas::lineTo(DisplayPoint p) {
    elements_ += "<line x1=\"" + coordinate(position_.x) + "\" y1=\"" + coordinate(position_.y) +
                 "\" x2=\"" + coordinate(p.x) + "\" y2=\"" + coordinate(p.y) + '"' + stroke() +
                 "/>\n";
    position_ = p;
}

void SvgCanvas::arc(int left, int top, int right, int bottom, DisplayPoint from, DisplayPoint to) {
    const ArcOutline o = arcOutline(left, top, right, bottom, from, to);
    const QByteArray radii = number(o.radiusX) + ' ' + number(o.radiusY);
    // Counter-clockwise on screen is SVG's negative direction: sweep flag 0.
    const auto arcTo = [&](bool large, double x, double y) {
        return " A " + radii + " 0 " + (large ? '1' : '0') + " 0 " + coordinate(x) + ' ' +
               coordinate(y);
    };
    QByteArray d = "M " + coordinate(o.startX) + ' ' + coordinate(o.startY);
    if (o.whole) {
        // Two halves, since one arc cannot end where it starts.
        d += arcTo(false, 2 * o.centreX - o.startX, 2 * o.centreY - o.startY) +
             arcTo(false, o.startX, o.startY);
    } else {
        d += arcTo(o.sweep > std::numbers::pi, o.endX, o.endY);
    }
    elements_ += "<path d=\"" + d + '"' + stroke() + " fill=\"none\"/>\n";
}
