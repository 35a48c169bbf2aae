#include "app/drawing_zoom.h"

#include <algorithm>
#include <cmath>

int clampZoom(int zoom) {
    return std::clamp(zoom, MinZoom, MaxZoom);
}

int surfaceCoordinate(double screen, int zoom) {
    return static_cast<int>(std::floor(screen / clampZoom(zoom)));
}

int blockMiddle(int surface, int zoom) {
    const int k = clampZoom(zoom);
    return surface * k + k / 2;
}
