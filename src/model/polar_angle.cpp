#include "model/polar_angle.h"

#include <cmath>

namespace {

constexpr long double Pi = 3.141592654L;

}  // namespace

float polarAngle(float centreX, float centreY, float x, float y) {
    const float dX = centreX - x;
    const float dY = centreY - y;
    if (dX == 0) {
        return static_cast<float>(dY >= 0 ? Pi / 2 : 3 * Pi / 2);
    }
    if (dY == 0) {
        return static_cast<float>(dX > 0 ? Pi : 0);
    }
    const float f = static_cast<float>(std::atan(-static_cast<long double>(dY) / dX));
    if ((dY > 0 && f < 0) || (dY < 0 && f > 0)) {
        return static_cast<float>(f + Pi);
    }
    if (dY < 0 && f < 0) {
        return static_cast<float>(f + 2 * Pi);
    }
    return f;
}
