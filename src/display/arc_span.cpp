#include "display/arc_span.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "display/arc_geometry.h"

namespace {

constexpr double FullTurn = 2 * std::numbers::pi;

// The angle of p about c, counter-clockwise on screen (y down), in 0..2pi.
double screenAngle(double cx, double cy, double px, double py) {
    const double a = std::atan2(cy - py, px - cx);
    return a < 0 ? a + FullTurn : a;
}

}  // namespace

bool ArcSpan::contains(double angle) const {
    double offset = std::fmod(angle - start, FullTurn);
    if (offset < 0) {
        offset += FullTurn;
    }
    return offset <= sweep;
}

double ArcSpan::xAt(double angle) const {
    return centreX + radius * std::cos(angle);
}

double ArcSpan::yAt(double angle) const {
    return centreY - radius * std::sin(angle);
}

std::optional<ArcSpan> drawnArcSpan(const Entity& arc) {
    const RealPoint centre{arc.centreX, arc.centreY};
    if (!IsValidCentre(centre)) {
        return std::nullopt;
    }
    const ArcSweep sweep = ArcDrawSweep(centre, {arc.x1, arc.y1}, {arc.x2, arc.y2}, arc.arcFlag);
    ArcSpan span;
    span.centreX = centre.x;
    span.centreY = centre.y;
    span.radius = std::hypot(arc.x1 - span.centreX, arc.y1 - span.centreY);
    span.start = screenAngle(span.centreX, span.centreY, sweep.from.x, sweep.from.y);
    const double end = screenAngle(span.centreX, span.centreY, sweep.to.x, sweep.to.y);
    span.sweep = end > span.start ? end - span.start : end - span.start + FullTurn;
    return span;
}

std::optional<HorizontalExtent> entityHorizontalExtent(const Entity& entity) {
    if (entity.isArc == 0) {
        return HorizontalExtent{static_cast<double>(std::min(entity.x1, entity.x2)),
                                static_cast<double>(std::max(entity.x1, entity.x2))};
    }
    const std::optional<ArcSpan> span = drawnArcSpan(entity);
    if (!span) {
        return std::nullopt;
    }
    const double startX = span->xAt(span->start);
    const double endX = span->xAt(span->end());
    return HorizontalExtent{
        span->contains(std::numbers::pi) ? span->centreX - span->radius : std::min(startX, endX),
        span->contains(0) ? span->centreX + span->radius : std::max(startX, endX)};
}

std::optional<double> farthestDistance(const Entity& entity, double x, double y) {
    const auto from = [&](double px, double py) { return std::hypot(px - x, py - y); };
    if (entity.isArc == 0) {
        return std::max(from(entity.x1, entity.y1), from(entity.x2, entity.y2));
    }
    const std::optional<ArcSpan> span = drawnArcSpan(entity);
    if (!span) {
        return std::nullopt;
    }
    // The point of the circle opposite the given point, if the arc passes through it.
    const double toCentre = from(span->centreX, span->centreY);
    if (toCentre == 0 || span->contains(screenAngle(x, y, span->centreX, span->centreY))) {
        return toCentre + span->radius;
    }
    const double a = span->start;
    const double b = span->end();
    return std::max(from(span->xAt(a), span->yAt(a)), from(span->xAt(b), span->yAt(b)));
}
