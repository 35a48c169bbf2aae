#include "display/entity_transform.h"

#include <charconv>
#include <cmath>
#include <string>
#include <vector>

#include "display/arc_geometry.h"
#include "display/entity_ends.h"
#include "model/units.h"

namespace {

// The middle of a line type's base line.
constexpr DisplayPoint BaseLineMiddle{155, 155};

struct Vector {
    double x;
    double y;
};

// The image of the offset d from the centre; y grows downwards on screen.
Vector map(const Transform& t, Vector d) {
    switch (t.kind) {
        case TransformKind::MirrorLeftRight:
            return {-d.x, d.y};
        case TransformKind::MirrorUpDown:
            return {d.x, -d.y};
        case TransformKind::RotateLeft:
            return {d.y, -d.x};
        case TransformKind::RotateRight:
            return {-d.y, d.x};
        case TransformKind::Rotate180:
            return {-d.x, -d.y};
        case TransformKind::Scale:
            return {d.x * t.factor, d.y * t.factor};
    }
    return d;
}

bool reversesSense(const Transform& t) {
    return t.kind == TransformKind::MirrorLeftRight || t.kind == TransformKind::MirrorUpDown;
}

Vector mapPoint(const Transform& t, DisplayPoint about, double x, double y) {
    const Vector d = map(t, {x - about.x, y - about.y});
    return {about.x + d.x, about.y + d.y};
}

DisplayPoint mapWholePoint(const Transform& t, DisplayPoint about, int32_t x, int32_t y) {
    const Vector p = mapPoint(t, about, x, y);
    return {roundHalfEven(p.x), roundHalfEven(p.y)};
}

bool inArea(DisplayPoint p) {
    return p.x >= AreaMin && p.x <= AreaMax && p.y >= AreaMin && p.y <= AreaMax;
}

// The drawing's own test: the centre lies on the chord, so either flag draws a half.
bool isHalfCircle(const Entity& arc) {
    const double side = (static_cast<double>(arc.x2) - arc.x1) * (arc.centreY - arc.y1) -
                        (static_cast<double>(arc.y2) - arc.y1) * (arc.centreX - arc.x1);
    return std::fabs(side) < Tolerance;
}

// Whether the arc, as drawn, sweeps counter-clockwise from its start point.
bool sweepsFromStart(const Entity& arc) {
    const ArcSweep sweep =
        ArcDrawSweep({arc.centreX, arc.centreY}, startOf(arc), endOf(arc), arc.arcFlag);
    return sweep.from == startOf(arc);
}

// The arc's new centre and flag, its end points already mapped into `image`.
TransformRefusal mapArc(const Entity& arc, const Transform& t, DisplayPoint about, Entity& image) {
    const bool fullCircle = startOf(arc) == endOf(arc);
    if (!fullCircle && startOf(image) == endOf(image)) {
        return TransformRefusal::Collapses;  // it would become a full circle
    }
    if (!fullCircle && isHalfCircle(arc)) {
        image.centreX = static_cast<float>((static_cast<double>(image.x1) + image.x2) / 2);
        image.centreY = static_cast<float>((static_cast<double>(image.y1) + image.y2) / 2);
    } else {
        const Vector c = mapPoint(t, about, arc.centreX, arc.centreY);
        image.centreX = static_cast<float>(c.x);
        image.centreY = static_cast<float>(c.y);
    }
    const RealPoint centre{image.centreX, image.centreY};
    if (!IsValidCentre(centre) || centre == toRealPoint(startOf(image))) {
        return TransformRefusal::Collapses;
    }
    if (!fullCircle) {
        // The image of a counter-clockwise sweep from A to B runs from A' to B', or from B' to
        // A' when the transform turns the sense round.
        const bool wantFromStart = sweepsFromStart(arc) != reversesSense(t);
        image.arcFlag = 0;
        image.arcFlag = sweepsFromStart(image) == wantFromStart ? 0 : 1;
    }
    return TransformRefusal::None;
}

}  // namespace

std::optional<Transform> Transform::rotationByDegrees(int degrees) {
    switch (degrees) {
        case 90:
            return Transform{TransformKind::RotateLeft};
        case 180:
            return Transform{TransformKind::Rotate180};
        case 270:
            return Transform{TransformKind::RotateRight};
        default:
            return std::nullopt;
    }
}

DisplayPoint TransformCentre(LibraryKind kind, const LibraryEntry& entry) {
    return kind == LibraryKind::LineType ? BaseLineMiddle
                                         : DisplayPoint{entry.originX, entry.originY};
}

TransformedEntity TransformEntity(const Entity& e, const Transform& t, DisplayPoint about) {
    TransformedEntity result{e};
    Entity& image = result.entity;
    const DisplayPoint start = mapWholePoint(t, about, e.x1, e.y1);
    const DisplayPoint end = mapWholePoint(t, about, e.x2, e.y2);
    image.x1 = start.x;
    image.y1 = start.y;
    image.x2 = end.x;
    image.y2 = end.y;
    if (!inArea(start) || !inArea(end)) {
        result.refusal = TransformRefusal::LeavesArea;
    } else if (e.isArc) {
        result.refusal = mapArc(e, t, about, image);
    } else if (start == end) {
        result.refusal = TransformRefusal::Collapses;
    }
    return result;
}

TransformOutcome TransformEntities(std::span<Entity> entities, const Transform& t,
                                   DisplayPoint about) {
    std::vector<Entity> images;
    images.reserve(entities.size());
    for (size_t i = 0; i < entities.size(); ++i) {
        const TransformedEntity image = TransformEntity(entities[i], t, about);
        if (image.refusal != TransformRefusal::None) {
            return {image.refusal, i};
        }
        images.push_back(image.entity);
    }
    std::copy(images.begin(), images.end(), entities.begin());
    return {};
}

std::optional<double> ParseScaleFactor(std::string_view text, char decimalSign) {
    std::string plain(text);
    for (char& c : plain) {
        if (c == decimalSign) {
            c = '.';
        }
    }
    // Digits and one point only: no sign, exponent, blanks, "inf" or "nan".
    if (plain.empty() || plain.find_first_not_of("0123456789.") != std::string::npos) {
        return std::nullopt;
    }
    double value = 0;
    const auto [end, error] = std::from_chars(plain.data(), plain.data() + plain.size(), value);
    if (error != std::errc{} || end != plain.data() + plain.size() || value < MinScaleFactor ||
        value > MaxScaleFactor) {
        return std::nullopt;
    }
    return value;
}
