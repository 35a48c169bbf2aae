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

namespace {

int32_t saturatedWhole(double whole) {
    if (std::isnan(whole)) {
        return 0;
    }
    if (whole <= std::numeric_limits<int32_t>::min()) {
        return std::numeric_limits<int32_t>::min();
    }
    if (whole >= std::numeric_limits<int32_t>::max()) {
        return std::numeric_limits<int32_t>::max();
    }
    return static_cast<int32_t>(whole);
}

}  // namespace

// nearbyint rounds in the default mode, to nearest with ties to even.
int32_t roundHalfEven(double value) {
    return saturatedWhole(std::nearbyint(value));
}

int32_t truncateToInt(double value) {
    return saturatedWhole(std::trunc(value));
}

float toDisplayLength(float fileLength) {
    return fileLength * 1.5f;
}

float toFileLength(float displayLength) {
    return static_cast<float>(displayLength * TwoThirds);
}
