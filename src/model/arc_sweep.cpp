#include "model/arc_sweep.h"

#include <cmath>

#include "model/polar_angle.h"

namespace {

using Extended = long double;

constexpr Extended TwoPi = 6.283185308L;
constexpr double Tolerance = 1e-6;

// (end - start) x (centre - start) in screen coordinates.
Extended chordSide(const Entity& arc) {
    return (Extended{static_cast<float>(arc.x2)} - static_cast<float>(arc.x1)) *
               (Extended{arc.centreY} - static_cast<float>(arc.y1)) -
           (Extended{static_cast<float>(arc.y2)} - static_cast<float>(arc.y1)) *
               (Extended{arc.centreX} - static_cast<float>(arc.x1));
}

float angleOf(const Entity& arc, int32_t x, int32_t y) {
    return polarAngle(arc.centreX, arc.centreY, static_cast<float>(x), static_cast<float>(y));
}

// The drawn sweep: its first radial's angle and its counter-clockwise length, 0 < length <= 2pi.
struct Sweep {
    Extended from = 0;
    Extended length = 0;
};

Sweep drawnSweep(const Entity& arc) {
    const bool reversed = sweepsFromEnd(arc);
    const Extended start = angleOf(arc, arc.x1, arc.y1);
    const Extended end = angleOf(arc, arc.x2, arc.y2);
    Sweep sweep{reversed ? end : start, (reversed ? start : end) - (reversed ? end : start)};
    if (sweep.length <= 0) {
        sweep.length += TwoPi;  // a full circle when the ends coincide
    }
    return sweep;
}

Extended withinOneTurn(Extended angle) {
    const Extended turned = std::fmod(angle, TwoPi);
    return turned < 0 ? turned + TwoPi : turned;
}

}  // namespace

bool centreOnChord(const Entity& arc) {
    return std::fabs(chordSide(arc)) < Tolerance;
}

bool sweepsFromEnd(const Entity& arc) {
    // Counter-clockwise from the start is the shorter arc when the centre lies on the negative
    // side of the chord; on the chord it is the half that flag 1 means.
    const Extended side = chordSide(arc);
    const bool shorterFromStart = std::fabs(side) >= Tolerance && side < 0;
    const bool longer = arc.arcFlag != 0;
    return longer == shorterFromStart;
}

float arcMiddleAngle(const Entity& arc) {
    const Sweep sweep = drawnSweep(arc);
    return static_cast<float>(withinOneTurn(sweep.from + sweep.length / 2));
}

bool angleWithinArc(const Entity& arc, float angle) {
    const Sweep sweep = drawnSweep(arc);
    return withinOneTurn(Extended{angle} - sweep.from) <= sweep.length;
}
