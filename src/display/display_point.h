#pragma once

#include <cstdint>

// A position on the drawing surface in pixels, x right, y down. A zero coordinate means
// "not set": pointer positions are always at least 5 on both axes.
struct DisplayPoint {
    int32_t x = 0;
    int32_t y = 0;

    bool isSet() const { return x != 0 && y != 0; }
    friend bool operator==(const DisplayPoint&, const DisplayPoint&) = default;
};

// A point with single-precision coordinates, for arc centres and midpoints.
struct RealPoint {
    float x = 0;
    float y = 0;
    friend bool operator==(const RealPoint&, const RealPoint&) = default;
};

// Whole pixels as singles, the form the arc geometry computes with.
inline RealPoint toRealPoint(DisplayPoint p) {
    return {static_cast<float>(p.x), static_cast<float>(p.y)};
}

inline constexpr int32_t SurfaceSize = 310;
inline constexpr int32_t AreaMin = 5;
inline constexpr int32_t AreaMax = 305;
inline constexpr int32_t GridStep = 15;
