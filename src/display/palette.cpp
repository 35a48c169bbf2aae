#include "display/palette.h"

#include <array>
#include <cstddef>

namespace {
constexpr std::array<Rgb, 16> ColourBoxes{{
    {0, 0, 0},        // black
    {0, 255, 0},      // lime
    {255, 0, 0},      // red
    {255, 255, 0},    // yellow
    {0, 0, 255},      // blue
    {0, 255, 255},    // aqua
    {255, 0, 255},    // fuchsia
    {255, 255, 255},  // white
    {192, 192, 192},  // silver
    {0, 128, 0},      // green
    {128, 0, 0},      // maroon
    {128, 128, 0},    // olive
    {0, 0, 128},      // navy
    {0, 128, 128},    // teal
    {128, 0, 128},    // purple
    {128, 128, 128},  // gray
}};
}  // namespace

Rgb PaletteColour(int32_t index, bool useColours) {
    if (!useColours || index < 1 || index > static_cast<int32_t>(ColourBoxes.size())) {
        return Black;
    }
    return ColourBoxes[static_cast<size_t>(index - 1)];
}
