#include "model/units.h"

#include <cmath>
#include <limits>

float toFileX(float displayX) {
    const float shifted = displayX - 5.0f;
    return static_cast<float>(shifted * TwoThirds);
}

float toFileY(float displayY) {
    const float shifted = displayY - 5.0f;
    const float flipped = 300.0f - shifted;
    return static_cast<float>(flipped * TwoThirds);
}

float toDisplayX(float fileX) {
    const float scaled = fileX * 1.5f;
    return scaled + 5.0f;
}

float toDisplayY(float fileY) {
    const float scaled = fileY * 1.5f;
    const float flipped = 300.0f - scaled;
    return flipped + 5.0f;
}

int32_t roundHalfEven(double value) {
    if (std::isnan(value)) {
        return 0;
    }
    // nearbyint rounds in the default mode, to nearest with ties to even.
    const double rounded = std::nearbyint(value);
    if (rounded <= std::numeric_limits<int32_t>::min()) {
        return std::numeric_limits<int32_t>::min();
    }
    if (rounded >= std::numeric_limits<int32_t>::max()) {
        return std::numeric_limits<int32_t>::max();
    }
    return static_cast<int32_t>(rounded);
}
