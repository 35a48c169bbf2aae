#include "platform/svg_canvas.h"

#include <cmath>
#include <numbers>

#include "platform/raster_paths.h"

namespace {

QByteArray number(double v) {
    return QByteArray::number(v, 'g', 10);
}

// Pixel centres.
QByteArray coordinate(double v) {
    return number(v + 0.5);
}

struct OutlinePoint {
    double x = 0;
    double y = 0;
    double angle = 0;  // counter-clockwise on screen from +x
};

// Where the radial from the box's centre through p meets the ellipse inscribed in the box.
OutlinePoint onOutline(double cx, double cy, double rx, double ry, DisplayPoint p) {
    double ux = p.x - cx;
    double uy = cy - p.y;
    if (ux == 0 && uy == 0) {
        ux = 1;  // the centre itself stands for the radial to the right, as on the raster
    }
    const double t = 1 / std::sqrt(rx > 0 && ry > 0 ? ux * ux / (rx * rx) + uy * uy / (ry * ry)
                                                    : ux * ux + uy * uy);
    return {cx + t * ux * (rx > 0 ? 1 : 0), cy - t * uy * (ry > 0 ? 1 : 0), std::atan2(uy, ux)};
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
    const double cx = (static_cast<double>(left) + right) / 2;
    const double cy = (static_cast<double>(top) + bottom) / 2;
    const double rx = std::fabs(static_cast<double>(right) - left) / 2;
    const double ry = std::fabs(static_cast<double>(bottom) - top) / 2;
    const OutlinePoint start = onOutline(cx, cy, rx, ry, from);
    const OutlinePoint end = onOutline(cx, cy, rx, ry, to);
    double sweep = std::remainder(end.angle - start.angle, 2 * std::numbers::pi);
    if (sweep < 0) {
        sweep += 2 * std::numbers::pi;
    }
    const bool whole = onOneRadial(left, top, right, bottom, from, to);
    const QByteArray radii = number(rx) + ' ' + number(ry);
    // Counter-clockwise on screen is SVG's negative direction: sweep flag 0.
    const auto arcTo = [&](bool large, const OutlinePoint& p) {
        return " A " + radii + " 0 " + (large ? '1' : '0') + " 0 " + coordinate(p.x) + ' ' +
               coordinate(p.y);
    };
    QByteArray d = "M " + coordinate(start.x) + ' ' + coordinate(start.y);
    if (whole) {
        // The whole outline: two halves, since one arc cannot end where it starts.
        const OutlinePoint opposite{2 * cx - start.x, 2 * cy - start.y, 0};
        d += arcTo(false, opposite) + arcTo(false, start);
    } else {
        d += arcTo(sweep > std::numbers::pi, end);
    }
    elements_ += "<path d=\"" + d + '"' + stroke() + " fill=\"none\"/>\n";
}
