#include "display/arc_geometry.h"

#include <algorithm>
#include <cmath>

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
        // A half circle: the one the drawing sweeps through the third point.
        arcFlag = cross(start, end, third) >= 0 ? 1 : 0;
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
    // Counter-clockwise from a to b is the shorter arc when the centre lies on the negative
    // side of ab; swapping the ends turns the sweep into the other arc.
    const Extended side = cross(from, toRealPoint(b), centre);
    const bool shorterIsCounterClockwise = std::fabs(side) >= Tolerance && side < 0;
    const bool wantLonger = arcFlag != 0;
    const bool swap = wantLonger == shorterIsCounterClockwise;
    sweep.from = swap ? b : a;
    sweep.to = swap ? a : b;
    return sweep;
}

DisplayPoint ArcMidpoint(const Entity& arc) {
    const RealPoint centre = centreOf(arc);
    const float a1 = AngleAbout(centre, startOf(arc));
    const float a2 = AngleAbout(centre, endOf(arc));
    const float radius = PointDistance(centre, startOf(arc));
    const bool longer = arc.arcFlag != 0;
    auto m = static_cast<float>((Extended{a1} + a2) / 2);
    const auto w = static_cast<float>(std::fabs(Extended{m} - a1));
    if (std::fabs(w - HalfPi) < Tolerance) {
        m = static_cast<float>(longer ? Extended{a1} + w : Extended{a1} - w);
    } else if ((w > HalfPi && !longer) || (w < HalfPi && longer)) {
        // The mean angle lies on the other arc.
        m = static_cast<float>(m + Pi);
    }
    NormaliseAngle(m);
    return {roundHalfEven(static_cast<double>(std::cos(Extended{m}) * radius + centre.x)),
            roundHalfEven(static_cast<double>(centre.y - std::sin(Extended{m}) * radius))};
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
    Extended aS = AngleAbout(centre, start);
    Extended aE = AngleAbout(centre, end);
    const Extended aP = AngleAbout(centre, point);
    Extended sweep = aE - aS;  // counter-clockwise from start to end
    if (sweep <= 0) {
        sweep += TwoPi;
    }
    const bool longer = arc.arcFlag != 0;
    const bool clockwise = std::fabs(sweep - Pi) < Tolerance
                               ? !longer
                               : (sweep < Pi && longer) || (sweep > Pi && !longer);
    // How far clockwise from the start the point lies.
    const Extended k = aS >= aP ? aS - aP : TwoPi - aP + aS;
    bool within = false;
    if (clockwise) {
        if (aS < aE) {
            aS += TwoPi;
        }
        const Extended q = aS - k;
        within = aE <= q && q <= aS;
    } else {
        if (aE < aS) {
            aE += TwoPi;
        }
        const Extended q = aS + TwoPi - k;
        within = aS <= q && q <= aE;
    }
    const float toCircle = within ? std::fabs(radius - toCentre) : radius + toCentre;
    return std::min({toCircle, toStart, toEnd});
}

float EntityDistance(DisplayPoint p, const Entity& entity) {
    if (entity.isArc != 0) {
        return ArcDistance(p, entity);
    }
    return SegmentDistance(p, {entity.x1, entity.y1}, {entity.x2, entity.y2});
}
