#include "display/primitives.h"

#include <algorithm>
#include <limits>

#include "display/arc_geometry.h"
#include "display/palette.h"

namespace {

// Offsets from points are held inside the 32-bit range: origins and radii come from files.
int32_t saturated(int64_t v) {
    return static_cast<int32_t>(std::clamp<int64_t>(v, std::numeric_limits<int32_t>::min(),
                                                    std::numeric_limits<int32_t>::max()));
}

DisplayPoint shifted(DisplayPoint p, int64_t dx, int64_t dy) {
    return {saturated(p.x + dx), saturated(p.y + dy)};
}

void invertGrip(Canvas& canvas, DisplayPoint p) {
    canvas.invertSquare(shifted(p, -3, -3), 7);
}

void setPenFor(Canvas& canvas, DrawMode mode, int32_t colour, bool useColours) {
    switch (mode) {
        case DrawMode::Normal:
            canvas.setPenMode(PenMode::Copy);
            canvas.setPenColour(PaletteColour(colour, useColours));
            break;
        case DrawMode::Xor:
            canvas.setPenMode(PenMode::Xor);
            canvas.setPenColour(Aqua);
            break;
        case DrawMode::Erase:
            canvas.setPenMode(PenMode::Copy);
            canvas.setPenColour(Silver);
            break;
    }
}

}  // namespace

void DrawLineEntity(Canvas& canvas, DisplayPoint a, DisplayPoint b, int32_t colour, bool useColours,
                    DrawMode mode) {
    setPenFor(canvas, mode, colour, useColours);
    canvas.moveTo(a);
    canvas.lineTo(b);
    canvas.setPenMode(PenMode::Copy);
}

void DrawArcEntity(Canvas& canvas, RealPoint centre, DisplayPoint a, DisplayPoint b, int32_t colour,
                   bool useColours, uint8_t arcFlag, DrawMode mode) {
    setPenFor(canvas, mode, colour, useColours);
    if (IsValidCentre(centre)) {
        const ArcSweep sweep = ArcDrawSweep(centre, a, b, arcFlag);
        canvas.arc(sweep.left, sweep.top, sweep.right, sweep.bottom, sweep.from, sweep.to);
    }
    canvas.setPenMode(PenMode::Copy);
}

void DrawEntity(Canvas& canvas, const Entity& e, bool useColours, DrawMode mode) {
    const DisplayPoint start{e.x1, e.y1};
    const DisplayPoint end{e.x2, e.y2};
    if (e.isArc != 0) {
        DrawArcEntity(canvas, {e.centreX, e.centreY}, start, end, e.colour, useColours, e.arcFlag,
                      mode);
    } else {
        DrawLineEntity(canvas, start, end, e.colour, useColours, mode);
    }
}

PixelBox EntityBounds(const Entity& e) {
    int64_t left = std::min(e.x1, e.x2);
    int64_t top = std::min(e.y1, e.y2);
    int64_t right = std::max(e.x1, e.x2);
    int64_t bottom = std::max(e.y1, e.y2);
    if (e.isArc != 0) {
        const RealPoint centre{e.centreX, e.centreY};
        if (!IsValidCentre(centre)) {
            return {};
        }
        const ArcSweep sweep = ArcDrawSweep(centre, {e.x1, e.y1}, {e.x2, e.y2}, e.arcFlag);
        left = sweep.left;
        top = sweep.top;
        right = sweep.right;
        bottom = sweep.bottom;
    }
    // Held on the surface, so that coordinates from files cannot overflow.
    const auto onSurface = [](int64_t v) {
        return static_cast<int32_t>(std::clamp<int64_t>(v, 0, SurfaceSize));
    };
    return {onSurface(left), onSurface(top), onSurface(right + 1), onSurface(bottom + 1)};
}

void DrawRadiusCircle(Canvas& canvas, DisplayPoint centre, PenStyle style, int32_t radius,
                      DrawMode mode) {
    if (radius == 0) {
        return;
    }
    canvas.setPenStyle(style);
    canvas.setPenMode(PenMode::Xor);
    if (style == PenStyle::Dash) {
        // The clipping radius circle is always a XOR toggle.
        canvas.setPenColour(Blue);
    } else if (mode == DrawMode::Xor) {
        canvas.setPenColour(Aqua);
    } else {
        canvas.setPenMode(PenMode::Copy);
        canvas.setPenColour(mode == DrawMode::Erase ? Silver : Blue);
    }
    const DisplayPoint topLeft = shifted(centre, -int64_t{radius}, -int64_t{radius});
    const DisplayPoint bottomRight = shifted(centre, radius, radius);
    canvas.ellipse(topLeft.x, topLeft.y, bottomRight.x, bottomRight.y);
    canvas.setPenMode(PenMode::Copy);
    canvas.setPenStyle(PenStyle::Solid);
}

void DrawOriginMarker(Canvas& canvas, const OriginView& view, DisplayPoint point, MarkerKind kind) {
    if (view.kind == LibraryKind::LineType) {
        return;
    }
    canvas.setPenMode(PenMode::Copy);
    canvas.setPenStyle(PenStyle::Solid);
    switch (kind) {
        case MarkerKind::Normal:
            canvas.setPenColour(Black);
            break;
        case MarkerKind::Xor:
            canvas.setPenColour(Aqua);
            canvas.setPenMode(PenMode::Xor);
            break;
        case MarkerKind::Erase:
            canvas.setPenColour(Silver);
            break;
        case MarkerKind::Dotted:
            canvas.setPenColour(Black);
            canvas.setPenStyle(PenStyle::Dot);
            break;
    }
    canvas.moveTo(shifted(point, -5, -5));
    canvas.lineTo(shifted(point, 5, -5));
    canvas.lineTo(shifted(point, 5, 5));
    canvas.lineTo(shifted(point, -5, 5));
    canvas.lineTo(shifted(point, -5, -5));
    if (kind != MarkerKind::Dotted) {
        canvas.moveTo(shifted(point, -4, -4));
        canvas.lineTo(shifted(point, 5, 5));
        canvas.moveTo(shifted(point, -4, 4));
        canvas.lineTo(shifted(point, 5, -5));
    }
    canvas.setPenMode(PenMode::Copy);
    canvas.setPenColour(Black);
    canvas.setPenStyle(PenStyle::Solid);
    if (view.showClipRadius) {
        DrawRadiusCircle(canvas, point, PenStyle::Dash, view.clipRadius, DrawMode::Normal);
    }
    if (view.showSizeRadius) {
        const DrawMode mode = kind == MarkerKind::Xor     ? DrawMode::Xor
                              : kind == MarkerKind::Erase ? DrawMode::Erase
                                                          : DrawMode::Normal;
        DrawRadiusCircle(canvas, point, PenStyle::DashDotDot, view.sizeRadius, mode);
    }
}

void DrawGrid(Canvas& canvas) {
    // The pen is left painting black: every later primitive sets its own mode.
    canvas.setPenMode(PenMode::Black);
    for (int32_t x = AreaMin; x <= AreaMax; x += GridStep) {
        for (int32_t y = AreaMin; y <= AreaMax; y += GridStep) {
            canvas.setPixel({x, y}, Black);
        }
    }
}

void ToggleGrip(Canvas& canvas, Grips& grips, DisplayPoint point, GripKind kind) {
    switch (kind) {
        case GripKind::Start:
            grips.startPos = point;
            grips.endGripsShown = true;
            break;
        case GripKind::End:
            grips.endPos = point;
            grips.endGripsShown = true;
            break;
        case GripKind::Middle:
            grips.middlePos = point;
            grips.middleShown = true;
            break;
        case GripKind::Origin:
            grips.originPos = point;
            grips.originShown = true;
            grips.originSelected = true;
            break;
        case GripKind::None:
            return;
    }
    invertGrip(canvas, point);
}

void PaintShownGrips(Canvas& canvas, const Grips& grips) {
    if (grips.endGripsShown) {
        invertGrip(canvas, grips.startPos);
        invertGrip(canvas, grips.endPos);
    }
    if (grips.middleShown) {
        invertGrip(canvas, grips.middlePos);
    }
    if (grips.originShown) {
        invertGrip(canvas, grips.originPos);
    }
}

void HideGrips(Canvas& canvas, Grips& grips) {
    PaintShownGrips(canvas, grips);
    grips.endGripsShown = false;
    grips.middleShown = false;
    grips.originShown = false;
    grips.originSelected = false;
}
