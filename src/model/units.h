#pragma once

#include <cmath>
#include <cstdint>
#include <limits>

// Library files hold file units: 1.5 display units, y up, the drawing area spanning 0..200,
// file (100, 100) being display (155, 155). Each step of a conversion is rounded to single
// precision, as the files were always written that way. Defined here, inline, because reading
// and writing a library is mostly these conversions.

// The extended-precision 2/3 the conversions to file units multiply by.
inline constexpr long double TwoThirds = 0.6666666666666666667L;

inline float toFileX(float displayX) {
    const float shifted = displayX - 5.0f;
    return static_cast<float>(shifted * TwoThirds);
}

inline float toFileY(float displayY) {
    const float shifted = displayY - 5.0f;
    const float flipped = 300.0f - shifted;
    return static_cast<float>(flipped * TwoThirds);
}

inline float toDisplayX(float fileX) {
    const float scaled = fileX * 1.5f;
    return scaled + 5.0f;
}

inline float toDisplayY(float fileY) {
    const float scaled = fileY * 1.5f;
    const float flipped = 300.0f - scaled;
    return flipped + 5.0f;
}

// Radii and heights: scaled like coordinates but without an offset.
inline float toDisplayLength(float fileLength) {
    return fileLength * 1.5f;
}
inline float toFileLength(float displayLength) {
    return static_cast<float>(displayLength * TwoThirds);
}

// A whole value as int32: beyond the range it saturates, and NaN gives 0.
inline int32_t saturatedWhole(double whole) {
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

// Rounds to the nearest integer with halves to the even neighbour. Values beyond the int32
// range saturate and NaN gives 0, so a malformed number read from a file cannot overflow.
// Adding and taking away 1.5 x 2^52 leaves no bits below the units, so the addition rounds
// in the default mode, to nearest with ties to even; much faster than std::nearbyint. Larger
// values are whole already, and NaN fails the comparison.
inline int32_t roundHalfEven(double value) {
    constexpr double Shift = 0x1.8p52;
    if (!(std::fabs(value) < 0x1p51)) {
        return saturatedWhole(value);
    }
    return saturatedWhole((value + Shift) - Shift);
}

// Towards zero; saturating like roundHalfEven.
inline int32_t truncateToInt(double value) {
    return saturatedWhole(std::trunc(value));
}

// Whole coordinates and lengths, rounded as the library files are read and written.
inline int32_t roundedDisplayX(float fileX) {
    return roundHalfEven(toDisplayX(fileX));
}
inline int32_t roundedDisplayY(float fileY) {
    return roundHalfEven(toDisplayY(fileY));
}
inline int32_t roundedFileX(int32_t displayX) {
    return roundHalfEven(toFileX(static_cast<float>(displayX)));
}
inline int32_t roundedFileY(int32_t displayY) {
    return roundHalfEven(toFileY(static_cast<float>(displayY)));
}
