#pragma once

#include <cstdint>

#include "display/display_point.h"

struct Rgb {
    uint8_t r = 0;
    uint8_t g = 0;
    uint8_t b = 0;
    friend bool operator==(const Rgb&, const Rgb&) = default;
};

inline constexpr Rgb Black{0, 0, 0};
inline constexpr Rgb Silver{192, 192, 192};
inline constexpr Rgb Aqua{0, 255, 255};
inline constexpr Rgb Blue{0, 0, 255};
inline constexpr Rgb Gray{128, 128, 128};

enum class PenStyle { Solid, Dash, Dot, DashDotDot };

// Copy paints the pen colour, Xor combines it with what is there (drawing twice restores the
// picture), Black paints black whatever the pen colour.
enum class PenMode { Copy, Xor, Black };

// The drawing surface of the editor, 310 x 310 pixels, pen width 1, no antialiasing.
// Filled rectangles are given as left, top, right, bottom with right and bottom exclusive. The
// boxes of arcs and ellipses hold the outline with its right and bottom edge: the circle of
// radius r about (x, y) has the box x - r, y - r, x + r, y + r.
class Canvas {
  public:
    virtual ~Canvas() = default;

    virtual void setPenColour(Rgb colour) = 0;
    virtual void setPenStyle(PenStyle style) = 0;
    virtual void setPenMode(PenMode mode) = 0;

    virtual void moveTo(DisplayPoint p) = 0;
    // Draws from the current position to p, leaving the pixel at p itself unpainted.
    virtual void lineTo(DisplayPoint p) = 0;
    // The arc of the ellipse inscribed in the box, counter-clockwise on screen from the radial
    // through `from` to the radial through `to`; equal radials draw the whole ellipse.
    virtual void arc(int left, int top, int right, int bottom, DisplayPoint from,
                     DisplayPoint to) = 0;
    virtual void ellipse(int left, int top, int right, int bottom) = 0;  // outline only
    virtual void setPixel(DisplayPoint p, Rgb colour) = 0;
    virtual void fillRect(int left, int top, int right, int bottom, Rgb colour) = 0;
    // Inverts a size x size square from topLeft with a silver pattern brush (XOR destination).
    virtual void invertSquare(DisplayPoint topLeft, int size) = 0;
};
