#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

#include "display/display_point.h"
#include "model/entity.h"
#include "model/library.h"

// Mirroring, quarter and half turns and scaling of lines and arcs about a point: pure
// functions shared by the editor's Transform commands and glyphlib.
//
// End points are rounded to whole pixels (halves to even); an arc's centre is transformed as a
// real and its flag chosen so that the arc drawn afterwards is the image of the arc drawn
// before (a mirror turns the sense of rotation round). A half circle stays a half circle on the
// same side: its centre goes to the middle of the new chord, which rounding may have moved.

enum class TransformKind {
    MirrorLeftRight,
    MirrorUpDown,
    RotateLeft,
    RotateRight,
    Rotate180,
    Scale
};

struct Transform {
    TransformKind kind = TransformKind::MirrorLeftRight;
    double factor = 1;  // Scale only

    // The quarter turns count counter-clockwise as seen on screen.
    static std::optional<Transform> rotationByDegrees(int degrees);
};

inline constexpr double MinScaleFactor = 0.1;
inline constexpr double MaxScaleFactor = 10;

// Why a transform cannot be made; the entities stay as they were.
enum class TransformRefusal {
    None,
    LeavesArea,  // a start or end point would leave the drawing area 5..305
    Collapses,   // a line would shrink to a point, or an arc to nothing or a full circle
};

// The point a transform of the entry turns about: the origin of a symbol, the middle of the
// base line of a line type.
DisplayPoint TransformCentre(LibraryKind kind, const LibraryEntry& entry);

// The image of e; `refusal` says when it cannot be made.
struct TransformedEntity {
    Entity entity;
    TransformRefusal refusal = TransformRefusal::None;
};
TransformedEntity TransformEntity(const Entity& e, const Transform& t, DisplayPoint about);

// Transforms all of `entities` in place, or none of them: on a refusal they stay as they were
// and the first refused entity's position (0-based) is given.
struct TransformOutcome {
    TransformRefusal refusal = TransformRefusal::None;
    size_t refusedAt = 0;
};
TransformOutcome TransformEntities(std::span<Entity> entities, const Transform& t,
                                   DisplayPoint about);

// A scale factor as typed: digits with "." or the given decimal sign, 0.1 to 10.
std::optional<double> ParseScaleFactor(std::string_view text, char decimalSign = '.');
