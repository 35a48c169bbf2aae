#include "display/coordinates.h"

#include <algorithm>
#include <charconv>

int32_t SnapAxis(int32_t value, int32_t step) {
    if (value < AreaMin) {
        return value > 0 ? AreaMin : 0;
    }
    if (value > AreaMax) {
        return value - AreaMax < AreaMin ? AreaMax : SurfaceSize;
    }
    const int32_t offset = value - AreaMin;
    const int32_t cells = offset / step;
    const int32_t remainder = offset % step;
    return AreaMin + cells * step + (remainder > step / 2 ? step : 0);
}

DisplayPoint SnapPoint(DisplayPoint point, bool snapToGrid) {
    const int32_t step = snapToGrid ? GridStep : 1;
    return {SnapAxis(point.x, step), SnapAxis(point.y, step)};
}

DisplayPoint ClampPoint(DisplayPoint point) {
    return {std::clamp(point.x, AreaMin, AreaMax), std::clamp(point.y, AreaMin, AreaMax)};
}

bool PointInArea(DisplayPoint point) {
    return point.x >= AreaMin && point.x <= AreaMax && point.y >= AreaMin && point.y <= AreaMax;
}

namespace {

// Fixed notation with '.' as the decimal separator whatever the locale.
void appendFixed(std::string& text, double value, int decimals) {
    char buffer[32];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, decimals);
    text.append(buffer, result.ptr);
}

}  // namespace

std::string CoordinateReadout(DisplayPoint pointerPos, bool snapToGrid) {
    constexpr std::size_t MaxReadoutLength = 40;
    if (!PointInArea(pointerPos)) {
        return {};
    }
    const int decimals = snapToGrid ? 0 : 1;
    std::string text;
    appendFixed(text, (pointerPos.x - AreaMin) / static_cast<double>(GridStep), decimals);
    text += ',';
    appendFixed(text, (AreaMax - pointerPos.y) / static_cast<double>(GridStep), decimals);
    text.resize(std::min(text.size(), MaxReadoutLength));
    return text;
}
