#include "model/line_type_extent.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <utility>

#include "model/arc_sweep.h"
#include "model/polar_angle.h"
#include "model/units.h"

namespace {

constexpr long double TwoPi = 6.283185308L;
constexpr long double HalfPi = 1.570796327L;
constexpr long double Pi = 3.141592654L;
// The turning points are compared as 4-byte reals.
const float Top = static_cast<float>(HalfPi);
const float Bottom = static_cast<float>(3 * Pi / 2);
const float TopNextTurn = static_cast<float>(5 * Pi / 2);
const float BottomNextTurn = static_cast<float>(7 * Pi / 2);

bool strictlyBetween(float low, float value, float high) {
    return low < value && value < high;
}

// The top and bottom of the arc's circle: about its centre, through its start point.
VerticalExtent circleVerticalExtent(const Entity& arc) {
    const long double dx = static_cast<long double>(arc.x1) - arc.centreX;
    const long double dy = static_cast<long double>(arc.y1) - arc.centreY;
    const float r = static_cast<float>(std::sqrt(dx * dx + dy * dy));
    return {roundHalfEven(static_cast<double>(arc.centreY) - r),
            roundHalfEven(static_cast<double>(arc.centreY) + r)};
}

}  // namespace

VerticalExtent arcVerticalExtent(const Entity& arc) {
    VerticalExtent extent{std::min(arc.y1, arc.y2), std::max(arc.y1, arc.y2)};

    const VerticalExtent circle = circleVerticalExtent(arc);
    if (arc.x1 == arc.x2 && arc.y1 == arc.y2) {
        return circle;
    }

    float startX = static_cast<float>(arc.x1);
    float startY = static_cast<float>(arc.y1);
    float endX = static_cast<float>(arc.x2);
    float endY = static_cast<float>(arc.y2);
    if (sweepsFromEnd(arc)) {
        std::swap(startX, endX);
        std::swap(startY, endY);
    }

    float a1 = polarAngle(arc.centreX, arc.centreY, startX, startY);
    float a2 = polarAngle(arc.centreX, arc.centreY, endX, endY);
    if (a1 > a2) {
        if (TwoPi - a1 < HalfPi) {
            a1 = static_cast<float>(a1 - TwoPi);
        } else {
            a2 = static_cast<float>(a2 + TwoPi);
        }
    }
    if (strictlyBetween(a1, Top, a2) || strictlyBetween(a1, TopNextTurn, a2)) {
        extent.top = circle.top;
    }
    if (strictlyBetween(a1, Bottom, a2) || strictlyBetween(a1, BottomNextTurn, a2)) {
        extent.bottom = circle.bottom;
    }
    return extent;
}

bool arcStaysWithin(const Entity& arc, int32_t top, int32_t bottom) {
    const VerticalExtent circle = circleVerticalExtent(arc);
    return top <= std::min({arc.y1, arc.y2, circle.top}) &&
           std::max({arc.y1, arc.y2, circle.bottom}) <= bottom;
}

int32_t entryPatternHeight(const EntityArray& slots) {
    int32_t lo = 200;
    int32_t hi = 0;
    const int count = countEntities(slots);
    for (int i = 0; i < count; ++i) {
        const Entity& e = slots[i];
        lo = std::min({lo, e.y1, e.y2});
        hi = std::max({hi, e.y1, e.y2});
        // Most arcs lie within what the entry already spans; only the others need their angles.
        if (e.isArc && !arcStaysWithin(e, lo, hi)) {
            const VerticalExtent extent = arcVerticalExtent(e);
            lo = std::min(lo, extent.top);
            hi = std::max(hi, extent.bottom);
        }
    }
    const int64_t height = static_cast<int64_t>(hi) - lo;
    return static_cast<int32_t>(std::clamp<int64_t>(height, std::numeric_limits<int32_t>::min(),
                                                    std::numeric_limits<int32_t>::max()));
}
