#include "editing/exact_edits.h"

#include <algorithm>
#include <charconv>
#include <cmath>

#include "display/arc_geometry.h"
#include "display/coordinates.h"
#include "display/entity_ends.h"
#include "display/entity_measures.h"
#include "editing/undo.h"
#include "model/number_text.h"

namespace {

void setEnds(Entity& e, DisplayPoint start, DisplayPoint end) {
    e.x1 = start.x;
    e.y1 = start.y;
    e.x2 = end.x;
    e.y2 = end.y;
}

// Whole pixels far outside the area stay far outside: nothing from the text overflows.
int32_t pixelOf(double value) {
    return roundHalfEven(std::clamp(value, -1e6, 1e6));
}

// The point about `centre` at `scale` times its distance, to the nearest pixel.
DisplayPoint scaledAbout(RealPoint centre, DisplayPoint p, double scale) {
    return {pixelOf(centre.x + (p.x - double{centre.x}) * scale),
            pixelOf(centre.y + (p.y - double{centre.y}) * scale)};
}

// Sets the coordinate of the start or end point that `field` names; false for other fields.
bool setEndCoordinate(EntityField field, double cells, DisplayPoint& start, DisplayPoint& end) {
    switch (field) {
        case EntityField::StartX:
            start.x = xOfCells(cells);
            return true;
        case EntityField::StartY:
            start.y = yOfCells(cells);
            return true;
        case EntityField::EndX:
            end.x = xOfCells(cells);
            return true;
        case EntityField::EndY:
            end.y = yOfCells(cells);
            return true;
        default:
            return false;
    }
}

void storeEdited(EditContext& ctx, int32_t index, const Entity& e) {
    setEntity(ctx, index, e);
    ctx.state.library.entryModified = true;
    ctx.ui.invalidateDrawing();
}

// The arc with its ends at s and e about centre, unless no arc can have that centre.
EditRefusal storeArc(EditContext& ctx, int32_t index, Entity arc, DisplayPoint s, DisplayPoint e,
                     RealPoint centre) {
    if (!IsValidCentre(centre)) {
        return EditRefusal::NoCentre;
    }
    setEnds(arc, s, e);
    arc.centreX = centre.x;
    arc.centreY = centre.y;
    storeEdited(ctx, index, arc);
    return EditRefusal::None;
}

// The arc from s to e through m, as the pointer builds one from three points.
EditRefusal storeArcThrough(EditContext& ctx, int32_t index, DisplayPoint s, DisplayPoint e,
                            DisplayPoint m) {
    if (!PointInArea(s) || !PointInArea(e)) {
        return EditRefusal::OffArea;
    }
    Entity arc = ctx.state.work.workEntities[index - 1];
    RealPoint centre;
    ArcThroughPoints(s, e, m, centre, arc.arcFlag);
    return storeArc(ctx, index, arc, s, e, centre);
}

EditRefusal editLine(EditContext& ctx, int32_t index, EntityField field, double cells) {
    Entity line = ctx.state.work.workEntities[index - 1];
    DisplayPoint start = startOf(line);
    DisplayPoint end = endOf(line);
    if (!setEndCoordinate(field, cells, start, end)) {
        return EditRefusal::None;  // a line has no centre or radius
    }
    if (!PointInArea(start) || !PointInArea(end)) {
        return EditRefusal::OffArea;
    }
    setEnds(line, start, end);
    storeEdited(ctx, index, line);
    return EditRefusal::None;
}

// The centre moves the arc as a whole, by whole pixels, as moving it with the pointer does.
EditRefusal moveArcCentre(EditContext& ctx, int32_t index, EntityField field, double cells) {
    Entity arc = ctx.state.work.workEntities[index - 1];
    DisplayPoint d{};
    if (field == EntityField::CentreX) {
        d.x = pixelOf(AreaMin + cells * GridStep - double{arc.centreX});
    } else {
        d.y = pixelOf(AreaMax - cells * GridStep - double{arc.centreY});
    }
    const DisplayPoint s{arc.x1 + d.x, arc.y1 + d.y};
    const DisplayPoint e{arc.x2 + d.x, arc.y2 + d.y};
    const RealPoint centre{static_cast<float>(double{arc.centreX} + d.x),
                           static_cast<float>(double{arc.centreY} + d.y)};
    if (!PointInArea(s) || !PointInArea(e)) {
        return EditRefusal::OffArea;
    }
    return storeArc(ctx, index, arc, s, e, centre);
}

EditRefusal editArc(EditContext& ctx, int32_t index, EntityField field, double cells) {
    const Entity& arc = ctx.state.work.workEntities[index - 1];
    const DisplayPoint middle = ArcMidpoint(arc);
    DisplayPoint start = startOf(arc);
    DisplayPoint end = endOf(arc);
    if (setEndCoordinate(field, cells, start, end)) {
        // The end points bend the arc through its middle point, as their grips do.
        return storeArcThrough(ctx, index, start, end, middle);
    }
    switch (field) {
        case EntityField::CentreX:
        case EntityField::CentreY:
            return moveArcCentre(ctx, index, field, cells);
        case EntityField::Radius: {
            const double radius = ArcRadius(arc);
            if (!(cells > 0) || radius <= 0) {
                return EditRefusal::NoCentre;
            }
            const double scale = cells * GridStep / radius;
            const RealPoint centre{arc.centreX, arc.centreY};
            return storeArcThrough(ctx, index, scaledAbout(centre, start, scale),
                                   scaledAbout(centre, end, scale),
                                   scaledAbout(centre, middle, scale));
        }
        default:
            return EditRefusal::None;
    }
}

}  // namespace

double cellsOfX(double x) {
    return (x - AreaMin) / GridStep;
}

double cellsOfY(double y) {
    return (AreaMax - y) / GridStep;
}

double cellsOfLength(double pixels) {
    return pixels / GridStep;
}

int32_t xOfCells(double cells) {
    return pixelOf(AreaMin + cells * GridStep);
}

int32_t yOfCells(double cells) {
    return pixelOf(AreaMax - cells * GridStep);
}

std::string cellText(double cells) {
    char buffer[32];
    // Rounded first, so that -0.04 shows as 0.0 rather than -0.0.
    const double tenths = std::round(cells * 10) / 10 + 0.0;
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, tenths, std::chars_format::fixed, 1);
    return std::string(buffer, result.ptr);
}

std::optional<double> parseTypedNumber(std::string_view text) {
    std::string number(text);
    std::replace(number.begin(), number.end(), ',', '.');
    std::replace(number.begin(), number.end(), '\t', ' ');
    const std::optional<double> value = parseDouble(number);
    if (!value || !std::isfinite(*value)) {
        return std::nullopt;
    }
    return value;
}

EditRefusal editEntityField(EditContext& ctx, int32_t index, EntityField field,
                            std::string_view text) {
    if (!isWorkEntity(ctx.state, index)) {
        return EditRefusal::None;
    }
    const std::optional<double> cells = parseTypedNumber(text);
    if (!cells) {
        return EditRefusal::NotANumber;
    }
    if (ctx.state.work.workEntities[index - 1].isArc) {
        return editArc(ctx, index, field, *cells);
    }
    return editLine(ctx, index, field, *cells);
}

void setArcFlag(EditContext& ctx, int32_t index, uint8_t arcFlag) {
    if (!isWorkEntity(ctx.state, index)) {
        return;
    }
    Entity arc = ctx.state.work.workEntities[index - 1];
    if (!arc.isArc || arc.arcFlag == arcFlag) {
        return;
    }
    arc.arcFlag = arcFlag != 0 ? 1 : 0;
    storeEdited(ctx, index, arc);
}

EditRefusal editEntryField(EditContext& ctx, EntryField field, std::string_view text) {
    const std::optional<double> cells = parseTypedNumber(text);
    if (!cells) {
        return EditRefusal::NotANumber;
    }
    LibraryEntry& entry = ctx.state.work.workEntry;
    if (field == EntryField::SizeRadius) {
        const int32_t radius = pixelOf(*cells * GridStep);
        if (radius < 0 || radius > AreaMax - AreaMin) {
            return EditRefusal::OffArea;
        }
        entry.sizeRadius = radius;
    } else {
        DisplayPoint origin{entry.originX, entry.originY};
        (field == EntryField::OriginX ? origin.x : origin.y) =
            field == EntryField::OriginX ? xOfCells(*cells) : yOfCells(*cells);
        if (!PointInArea(origin)) {
            return EditRefusal::OffArea;
        }
        entry.originX = origin.x;
        entry.originY = origin.y;
    }
    ctx.state.library.entryModified = true;
    ctx.observer.entrySettingsChanged();
    ctx.ui.invalidateDrawing();
    return EditRefusal::None;
}
