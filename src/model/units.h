#pragma once

#include <cstdint>

// Library files hold file units: 1.5 display units, y up, the drawing area spanning 0..200,
// file (100, 100) being display (155, 155). Each step of a conversion is rounded to single
// precision, as the files were always written that way.

// The extended-precision 2/3 the conversions to file units multiply by.
inline constexpr long double TwoThirds = 0.6666666666666666667L;

float toFileX(float displayX);
float toFileY(float displayY);
float toDisplayX(float fileX);
float toDisplayY(float fileY);

// Rounds to the nearest integer with halves to the even neighbour. Values beyond the int32
// range saturate and NaN gives 0, so a malformed number read from a file cannot overflow.
int32_t roundHalfEven(double value);

// Radii and heights: scaled like coordinates but without an offset.
float toDisplayLength(float fileLength);
float toFileLength(float displayLength);

// Towards zero; saturating like roundHalfEven.
int32_t truncateToInt(double value);
