#include "display/arc_geometry.h"

#include <algorithm>
#include <cmath>

#include "model/arc_sweep.h"
#include "model/polar_angle.h"
#include "model/units.h"

namespace {

// The steps compute in extended precision; results are rounded to singles.
using Extended = long double;

bool nearVertical(float angle) {
    return std::fabs(angle - HalfPi) < Tolerance || std::fabs(angle - ThreeHalfPi) < Tolerance;
}

// (b - a) x (c - a) in screen coordinates: its sign tells on which side of the line ab c lies.
Extended cross(RealPoint a, RealPoint b, RealPoint c) {
    return (Extended{b.x} - a.x) * (Extended{c.y} - a.y) -
           (Extended{b.y} - a.y) * (Extended{c.x} - a.x);
}

RealPoint halfwayFrom(RealPoint from, RealPoint to) {
    return {static_cast<float>(from.x + (Extended{to.x} - from.x) / 2),
            static_cast<float>(from.y + (Extended{to.y} - from.y) / 2)};
}

// The third point sees the chord at a right angle: the three points make a half circle with
// the chord as its diameter. Whole pixels, so the test is exact.
bool isHalfCircle(DisplayPoint s, DisplayPoint e, DisplayPoint m) {
    const int64_t toStartX = int64_t{s.x} - m.x;
    const int64_t toStartY = int64_t{s.y} - m.y;
    const int64_t toEndX = int64_t{e.x} - m.x;
    const int64_t toEndY = int64_t{e.y} - m.y;
    return toStartX * toEndX + toStartY * toEndY == 0;
}

// The flag of the half circle from start to end that the drawing sweeps through the third point.
uint8_t drawnHalfThrough(RealPoint start, RealPoint end, RealPoint third) {
    return cross(start, end, third) >= 0 ? 1 : 0;
}

Entity arcOf(RealPoint centre, DisplayPoint a, DisplayPoint b, uint8_t arcFlag) {
    Entity arc;
    arc.x1 = a.x;
    arc.y1 = a.y;
    arc.x2 = b.x;
    arc.y2 = b.y;
    arc.isArc = 1;
    arc.centreX = centre.x;
    arc.centreY = centre.y;
    arc.arcFlag = arcFlag;
    return arc;
}

RealPoint startOf(const Entity& e) {
    return toRealPoint({e.x1, e.y1});
}
RealPoint endOf(const Entity& e) {
    return toRealPoint({e.x2, e.y2});
}
RealPoint centreOf(const Entity& e) {
    return {e.centreX, e.centreY};
}

}  // namespace

// The library writer measures line type patterns with the same angle, so it lives in model/.
float AngleAbout(RealPoint centre, RealPoint point) {
    return polarAngle(centre.x, centre.y, point.x, point.y);
}

float PointDistance(RealPoint a, RealPoint b) {
    const Extended dX = Extended{a.x} - b.x;
    const Extended dY = Extended{a.y} - b.y;
    return static_cast<float>(std::sqrt(dX * dX + dY * dY));
}

void NormaliseAngle(float& angle) {
    if (!std::isfinite(angle)) {
        return;
    }
    // Far outside 0..2pi single steps of 2pi would no longer change the value.
    if (std::fabs(angle) > 4 * TwoPi) {
        angle = static_cast<float>(std::fmod(Extended{angle}, Extended{TwoPi}));
    }
    // Compared as singles, so that the single 2pi stays 2pi.
    while (angle < 0) {
        angle = static_cast<float>(angle + TwoPi);
    }
    while (angle > static_cast<float>(TwoPi)) {
        angle = static_cast<float>(angle - TwoPi);
    }
}

std::optional<RealPoint> BisectorCentre(RealPoint m1, float t1, RealPoint m2, float t2) {
    const Extended gap = std::fabs(Extended{t1} - t2);
    if (gap < Tolerance || std::fabs(gap - Pi) < Tolerance) {
        return std::nullopt;
    }
    // Each line is x = Mx + k (y - My); a vertical chord has a horizontal bisector.
    const bool vertical1 = nearVertical(t1);
    const bool vertical2 = nearVertical(t2);
    const Extended k1 = vertical1 ? 0 : std::tan(Extended{t1});
    const Extended k2 = vertical2 ? 0 : std::tan(Extended{t2});
    Extended cy = 0;
    Extended cx = 0;
    if (vertical1) {
        cy = m1.y;
        cx = (cy - m2.y) * k2 + m2.x;
    } else if (vertical2) {
        cy = m2.y;
        cx = (cy - m1.y) * k1 + m1.x;
    } else {
        cy = (k1 * m1.y + m2.x - m1.x - k2 * m2.y) / (k1 - k2);
        cx = (cy - m1.y) * k1 + m1.x;
    }
    return RealPoint{static_cast<float>(cx), static_cast<float>(cy)};
}

void ArcThroughPoints(DisplayPoint s, DisplayPoint e, DisplayPoint m, RealPoint& centre,
                      uint8_t& arcFlag) {
    centre = {};
    const RealPoint start = toRealPoint(s);
    const RealPoint end = toRealPoint(e);
    const RealPoint third = toRealPoint(m);
    if (s == e) {
        // A full circle through s, with s and m at the ends of a diameter.
        if (m != e) {
            centre = halfwayFrom(end, third);
            arcFlag = 1;
        }
        return;
    }
    if (m != s && m != e && isHalfCircle(s, e, m)) {
        // The computed centre would lie a rounding error beside the chord, on either side;
        // the halfway point is exact, so drawing, picking and the file all see a half circle.
        centre = halfwayFrom(start, end);
        arcFlag = drawnHalfThrough(start, end, third);
        return;
    }
    const std::optional<RealPoint> found =
        BisectorCentre(halfwayFrom(end, third), AngleAbout(end, third), halfwayFrom(start, third),
                       AngleAbout(start, third));
    if (!found) {
        return;  // collinear
    }
    // Also refuses a centre that came out as NaN from almost parallel chords.
    if (!(PointDistance(*found, end) <= MaxArcRadius)) {
        return;
    }
    centre = *found;
    const Extended sideOfThird = cross(end, start, third);
    const Extended sideOfCentre = cross(end, start, centre);
    if (std::fabs(sideOfCentre) >= Tolerance) {
        // The third point on the centre's side of the chord lies on the longer arc.
        arcFlag = (sideOfThird < 0) == (sideOfCentre < 0) ? 1 : 0;
    } else {
        arcFlag = drawnHalfThrough(start, end, third);
    }
}

bool IsValidCentre(RealPoint centre) {
    return std::fabs(centre.x) > Tolerance && std::fabs(centre.y) > Tolerance;
}

ArcSweep ArcDrawSweep(RealPoint centre, DisplayPoint a, DisplayPoint b, uint8_t arcFlag) {
    const RealPoint from = toRealPoint(a);
    const double radius = PointDistance(from, centre);
    ArcSweep sweep;
    sweep.left = roundHalfEven(centre.x - radius);
    sweep.top = roundHalfEven(centre.y - radius);
    sweep.right = roundHalfEven(centre.x + radius);
    sweep.bottom = roundHalfEven(centre.y + radius);
    const bool swap = sweepsFromEnd(arcOf(centre, a, b, arcFlag));
    sweep.from = swap ? b : a;
    sweep.to = swap ? a : b;
    return sweep;
}

DisplayPoint ArcMidpoint(const Entity& arc) {
    const RealPoint centre = centreOf(arc);
    const float radius = PointDistance(centre, startOf(arc));
    const Extended m = arcMiddleAngle(arc);
    return {roundHalfEven(static_cast<double>(std::cos(m) * radius + centre.x)),
            roundHalfEven(static_cast<double>(centre.y - std::sin(m) * radius))};
}

float SegmentDistance(DisplayPoint p, DisplayPoint a, DisplayPoint b) {
    const RealPoint point = toRealPoint(p);
    const Extended length = PointDistance(toRealPoint(a), toRealPoint(b));
    const Extended toA = PointDistance(toRealPoint(a), point);
    const Extended toB = PointDistance(toRealPoint(b), point);
    if (std::sqrt(length * length + toB * toB) < toA) {
        return static_cast<float>(toB);  // beyond b
    }
    if (std::sqrt(length * length + toA * toA) <= toB) {
        return static_cast<float>(toA);  // beyond a, or a = b
    }
    // Differences of whole pixels: the dot products are exact in extended precision.
    const Extended abX = int64_t{b.x} - a.x;
    const Extended abY = int64_t{b.y} - a.y;
    const Extended apX = int64_t{p.x} - a.x;
    const Extended apY = int64_t{p.y} - a.y;
    const Extended t = (apX * abX + apY * abY) / (abX * abX + abY * abY);
    const auto footX = static_cast<float>(t * abX);
    const auto footY = static_cast<float>(t * abY);
    return static_cast<float>(
        std::sqrt((apX - footX) * (apX - footX) + (apY - footY) * (apY - footY)));
}

float ArcDistance(DisplayPoint p, const Entity& arc) {
    const RealPoint point = toRealPoint(p);
    const RealPoint start = startOf(arc);
    const RealPoint end = endOf(arc);
    const RealPoint centre = centreOf(arc);
    const float toStart = PointDistance(start, point);
    const float toEnd = PointDistance(end, point);
    const float radius = PointDistance(start, centre);
    const float toCentre = PointDistance(point, centre);
    if (start == end) {
        return std::fabs(toCentre - radius);  // full circle
    }
    const bool within = angleWithinArc(arc, AngleAbout(centre, point));
    const float toCircle = within ? std::fabs(radius - toCentre) : radius + toCentre;
    // fmin: beyond the single range the circle's distance can be NaN; the ends still count.
    return std::fmin(std::fmin(toCircle, toStart), toEnd);
}

float EntityDistance(DisplayPoint p, const Entity& entity) {
    if (entity.isArc != 0) {
        return ArcDistance(p, entity);
    }
    return SegmentDistance(p, {entity.x1, entity.y1}, {entity.x2, entity.y2});
}
