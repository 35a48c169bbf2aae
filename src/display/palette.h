#pragma once

#include <cstdint>

#include "display/canvas.h"

// The sixteen colours of the colour boxes; black for every index while colours are off and
// for any index outside 1..16.
Rgb PaletteColour(int32_t index, bool useColours);
