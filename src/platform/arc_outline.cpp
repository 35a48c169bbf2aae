#include "platform/arc_outline.h"

#include <cmath>
#include <numbers>

#include "platform/raster_paths.h"

namespace {

constexpr double FullTurn = 2 * std::numbers::pi;

// The ellipse's parameter where the radial from its centre through p meets it.
double parameterOf(const ArcOutline& o, DisplayPoint p) {
    double ux = p.x - o.centreX;
    const double uy = o.centreY - p.y;
    if (ux == 0 && uy == 0) {
        ux = 1;  // the centre itself stands for the radial to the right, as on the raster
    }
    return std::atan2(uy * o.radiusX, ux * o.radiusY);
}

}  // namespace

ArcOutline arcOutline(int left, int top, int right, int bottom, DisplayPoint from,
                      DisplayPoint to) {
    ArcOutline o;
    o.centreX = (static_cast<double>(left) + right) / 2;
    o.centreY = (static_cast<double>(top) + bottom) / 2;
    o.radiusX = std::fabs(static_cast<double>(right) - left) / 2;
    o.radiusY = std::fabs(static_cast<double>(bottom) - top) / 2;
    o.whole = onOneRadial(left, top, right, bottom, from, to);
    o.startAngle = parameterOf(o, from);
    const double end = o.whole ? o.startAngle + FullTurn : parameterOf(o, to);
    o.sweep = std::fmod(end - o.startAngle + 2 * FullTurn, FullTurn);
    if (o.whole || o.sweep == 0) {
        o.sweep = FullTurn;
    }
    o.startX = o.centreX + o.radiusX * std::cos(o.startAngle);
    o.startY = o.centreY - o.radiusY * std::sin(o.startAngle);
    o.endX = o.centreX + o.radiusX * std::cos(o.startAngle + o.sweep);
    o.endY = o.centreY - o.radiusY * std::sin(o.startAngle + o.sweep);
    return o;
}
